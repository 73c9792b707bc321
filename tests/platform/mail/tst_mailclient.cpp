#include "platform/MailClient.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

// Stands in for the desktop: records what would reach the mail program.
class Catcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestMailClient : public QObject
{
    Q_OBJECT

    QTemporaryDir m_bin;
    Catcher m_catcher;
    QByteArray m_path;

    // An xdg-mime on PATH that runs the given shell body.
    void fakeXdgMime(const QByteArray& body)
    {
        QFile f(m_bin.filePath("xdg-mime"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("#!/bin/sh\n" + body + "\n");
        f.close();
        QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_bin.isValid());
        m_path = qgetenv("PATH");
        // Only the fake program is found; nothing reaches a real desktop.
        qputenv("PATH", QFile::encodeName(m_bin.path()));
        QDesktopServices::setUrlHandler("mailto", &m_catcher, "open");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("mailto");
        qputenv("PATH", m_path);
    }
    void init()
    {
        m_catcher.urls.clear();
        QFile::remove(m_bin.filePath("xdg-mime"));
    }

    void opensOnlyWithAHandler_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("opened");
        QTest::newRow("handler named") << QByteArray("echo thunderbird.desktop") << true;
        QTest::newRow("nothing named") << QByteArray("exit 0") << false;
        QTest::newRow("blank answer") << QByteArray("echo '  '") << false;
        QTest::newRow("query fails") << QByteArray("echo x.desktop; exit 3") << false;
        QTest::newRow("program missing") << QByteArray() << false;
    }
    void opensOnlyWithAHandler()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, opened);
        if (!script.isEmpty())
            fakeXdgMime("[ \"$*\" = \"query default x-scheme-handler/mailto\" ] || exit 9\n" + script);
        const QUrl link("mailto:a@example.com?subject=&body=x%26y");
        QCOMPARE(MailClient::open(link), opened);
        QCOMPARE(m_catcher.urls.size(), opened ? 1 : 0);
        if (opened)
            QCOMPARE(m_catcher.urls.at(0), link);
    }

    void aHangingQueryIsCutShort()
    {
        fakeXdgMime("exec /bin/sleep 20");
        QElapsedTimer t;
        t.start();
        QVERIFY(!MailClient::open(QUrl("mailto:a@example.com")));
        QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
        QVERIFY(m_catcher.urls.isEmpty());
    }

    void testHandlerTakesEveryLink()
    {
        QList<QUrl> seen;
        MailClient::setHandlerForTesting([&](const QUrl& u) {
            seen << u;
            return false;
        });
        fakeXdgMime("echo thunderbird.desktop");
        QVERIFY(!MailClient::open(QUrl("mailto:b@example.com")));
        MailClient::setHandlerForTesting(nullptr);
        QCOMPARE(seen.size(), 1);
        QVERIFY(m_catcher.urls.isEmpty());
    }
};

QTEST_MAIN(TestMailClient)
#include "tst_mailclient.moc"
