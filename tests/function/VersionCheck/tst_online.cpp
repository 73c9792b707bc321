#include "platform/Online.h"

#include <QDBusConnection>
#include <QProcess>
#include <QtTest>

// Stands in for NetworkManager on a private bus used as the system bus.
class FakeNetworkManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.NetworkManager")
    Q_PROPERTY(uint State READ state)
public:
    uint value = 70;
    uint state() const { return value; }
};

// The online test the update check asks before fetching anything.
class TestOnline : public QObject
{
    Q_OBJECT
private:
    QProcess m_bus;
    FakeNetworkManager m_nm;
    bool m_haveBus = false;

private slots:
    void initTestCase()
    {
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (m_bus.waitForStarted(3000) && m_bus.waitForReadyRead(3000)) {
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.readLine().trimmed());
            m_haveBus = true;
        }
    }
    void cleanupTestCase()
    {
        m_bus.kill();
        m_bus.waitForFinished(3000);
    }

    void withoutNetworkManagerCountsAsOnline()
    {
        if (!m_haveBus)
            QSKIP("no dbus-daemon");
        QCOMPARE(Online::state(), Online::State::Unknown);
        QVERIFY(Online::isOnline());
    }

    void networkManagerStates_data()
    {
        QTest::addColumn<uint>("nmState");
        QTest::addColumn<bool>("otherInterfaceUp");
        QTest::addColumn<int>("expected");
        QTest::newRow("unknown") << 0u << false << int(Online::State::Unknown);
        QTest::newRow("asleep") << 10u << false << int(Online::State::Offline);
        QTest::newRow("disconnected") << 20u << false << int(Online::State::Offline);
        QTest::newRow("disconnecting") << 30u << false << int(Online::State::Offline);
        QTest::newRow("connecting") << 40u << false << int(Online::State::Online);
        QTest::newRow("local") << 50u << false << int(Online::State::Online);
        QTest::newRow("global") << 70u << false << int(Online::State::Online);
        // A connection that NetworkManager does not manage (ifupdown,
        // systemd-networkd): its "disconnected" is no proof of being offline.
        QTest::newRow("disconnected, unmanaged link up") << 20u << true << int(Online::State::Unknown);
        QTest::newRow("asleep, unmanaged link up") << 10u << true << int(Online::State::Unknown);
        QTest::newRow("global, no other link") << 70u << false << int(Online::State::Online);
    }
    void networkManagerStates()
    {
        if (!m_haveBus)
            QSKIP("no dbus-daemon");
        QFETCH(uint, nmState);
        QFETCH(bool, otherInterfaceUp);
        QFETCH(int, expected);
        Online::setInterfaceCheckForTesting([otherInterfaceUp] { return otherInterfaceUp; });
        QDBusConnection bus = QDBusConnection::systemBus();
        QVERIFY(bus.isConnected());
        QVERIFY(bus.registerService("org.freedesktop.NetworkManager"));
        QVERIFY(bus.registerObject("/org/freedesktop/NetworkManager", &m_nm, QDBusConnection::ExportAllProperties));
        m_nm.value = nmState;
        QCOMPARE(int(Online::state()), expected);
        QCOMPARE(Online::isOnline(), expected != int(Online::State::Offline));
        bus.unregisterObject("/org/freedesktop/NetworkManager");
        bus.unregisterService("org.freedesktop.NetworkManager");
        Online::setInterfaceCheckForTesting(nullptr);
    }

    void overrideWins()
    {
        Online::setStateOverride([] { return Online::State::Offline; });
        QVERIFY(!Online::isOnline());
        Online::setStateOverride(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestOnline)
#include "tst_online.moc"
