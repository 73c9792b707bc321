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
        QTest::addColumn<int>("expected");
        QTest::newRow("unknown") << 0u << int(Online::State::Unknown);
        QTest::newRow("asleep") << 10u << int(Online::State::Offline);
        QTest::newRow("disconnected") << 20u << int(Online::State::Offline);
        QTest::newRow("disconnecting") << 30u << int(Online::State::Offline);
        QTest::newRow("connecting") << 40u << int(Online::State::Online);
        QTest::newRow("local") << 50u << int(Online::State::Online);
        QTest::newRow("global") << 70u << int(Online::State::Online);
    }
    void networkManagerStates()
    {
        if (!m_haveBus)
            QSKIP("no dbus-daemon");
        QFETCH(uint, nmState);
        QFETCH(int, expected);
        QDBusConnection bus = QDBusConnection::systemBus();
        QVERIFY(bus.isConnected());
        QVERIFY(bus.registerService("org.freedesktop.NetworkManager"));
        QVERIFY(bus.registerObject("/org/freedesktop/NetworkManager", &m_nm, QDBusConnection::ExportAllProperties));
        m_nm.value = nmState;
        QCOMPARE(int(Online::state()), expected);
        QCOMPARE(Online::isOnline(), expected != int(Online::State::Offline));
        bus.unregisterObject("/org/freedesktop/NetworkManager");
        bus.unregisterService("org.freedesktop.NetworkManager");
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
