#include "gui/UIBaseData/UIBaseData.h"
#include "gui/UIBaseData/UIServiceHooks.h"
#include "platform/FileManager.h"
#include "platform/MailClient.h"
#include "shell/ProgramVersion.h"
#include "shell/SettingsStore.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

// Catches what would go to the browser or the desktop's folder handler.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
    bool answer = true;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// Stands in for the desktop's file manager on a private session bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QList<QStringList> calls;
public slots:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        Q_UNUSED(startupId);
        calls << uris;
    }
};

class TestUiServices : public QObject
{
    Q_OBJECT
private:
    UrlCatcher m_catcher;
    QTemporaryDir m_dir;
    QProcess m_bus;
    QString m_busAddress;

    SettingsStore* store() { return SettingsStore::instance(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(store());
        // Nothing here may reach a real browser or file manager.
        QDesktopServices::setUrlHandler("https", &m_catcher, "open");
        QDesktopServices::setUrlHandler("http", &m_catcher, "open");
        QDesktopServices::setUrlHandler("file", &m_catcher, "open");

        // A private session bus, started before anything asks for the bus.
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (m_bus.waitForStarted(3000) && m_bus.waitForReadyRead(3000)) {
            m_busAddress = QString::fromUtf8(m_bus.readLine()).trimmed();
            qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAddress.toUtf8());
        } else {
            qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        }
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("file");
        m_bus.kill();
        m_bus.waitForFinished(3000);
    }
    void init()
    {
        m_catcher.urls.clear();
        store()->setValue("base/series", "");
        store()->setValue("base/site", "qorvdvd");
        store()->setValue("base/language", "en");
    }

    void appendLinkParams_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no query") << "https://a.example/p" << "about" << ""
                                  << "https://a.example/p?ttsoft=tarnwk-8.3-about-undef";
        QTest::newRow("with query") << "https://a.example/p?x=1" << "upui" << ""
                                    << "https://a.example/p?x=1&ttsoft=tarnwk-8.3-upui-undef";
        QTest::newRow("series") << "u" << "adui" << "s7" << "u?ttsoft=tarnwk-8.3-adui-undef-s7";
        QTest::newRow("nothing encoded") << "u?a=b c" << "t t" << "" << "u?a=b c&ttsoft=tarnwk-8.3-t t-undef";
    }
    void appendLinkParams()
    {
        QFETCH(QString, url);
        QFETCH(QString, tag);
        QFETCH(QString, series);
        QFETCH(QString, expected);
        store()->setValue("base/series", series);
        QCOMPARE(::appendLinkParams(url, tag), expected);
    }

    void openPHPParams_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("fromUi");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("jump");
        QTest::newRow("default edition, tagged") << "qorvdvd" << "about" << "https://t.example/x?y=1"
                                                 << "www.qorvdvd.com"
                                                 << "https://t.example/x?y=1&ttsoft=tarnwk-8.3-about-undef";
        QTest::newRow("pelodvd in capitals") << "PeloDVD" << "upui" << "https://t.example/" << "www.pelodvd.com"
                                             << "https://t.example/?ttsoft=tarnwk-8.3-upui-undef";
        QTest::newRow("marbleton 4k") << "marbleton_4k" << "adui" << "https://t.example" << "www.marbleton.com"
                                      << "https://t.example?ttsoft=tarnwk-8.3-adui-undef";
        QTest::newRow("unknown edition, empty tag") << "other" << "" << "https://t.example/?q=a b"
                                                    << "www.qorvdvd.com" << "https://t.example/?q=a b";
    }
    void openPHPParams()
    {
        QFETCH(QString, site);
        QFETCH(QString, fromUi);
        QFETCH(QString, target);
        QFETCH(QString, host);
        QFETCH(QString, jump);
        store()->setValue("base/site", site);
        store()->setValue("base/series", "s1");
        store()->setValue("base/language", "fr");
        QVERIFY(UIBaseData::openPHPParams(fromUi, target));
        QCOMPARE(m_catcher.urls.size(), 1);
        const QString sent = m_catcher.urls.at(0).toString(QUrl::FullyEncoded);
        const QString prefix = "https://" + host + "/r/go.php?";
        QVERIFY2(sent.startsWith(prefix), qPrintable(sent));
        const QString jumpFull = fromUi.isEmpty() ? jump : jump + "-s1";
        const QString query = "an=tarnwk-&cvs=8.3&pvs=&cb=s1&lang=fr&fui=" + fromUi + "&jump="
                              + QString::fromLatin1(QUrl::toPercentEncoding(jumpFull));
        const QString h = QCryptographicHash::hash(query.toUtf8(), QCryptographicHash::Md5).toHex();
        QCOMPARE(sent, prefix + query + "&h=" + h);
    }

    // Mail links name local files; they go to the mail client as they are,
    // and what it answers is the result.
    void mailLinksOpenDirectly_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("mail client takes it") << true;
        QTest::newRow("no mail client") << false;
    }
    void mailLinksOpenDirectly()
    {
        QFETCH(bool, accepted);
        QList<QUrl> mails;
        MailClient::setHandlerForTesting([&](const QUrl& u) {
            mails << u;
            return accepted;
        });
        const QString link = "mailto:help@example.com?subject=a%20b&body=%5B%2Fx%23y%5D";
        const bool result = UIBaseData::openPHPParams(QString(), link);
        MailClient::setHandlerForTesting(nullptr);
        QCOMPARE(result, accepted);
        QCOMPARE(mails.size(), 1);
        QCOMPARE(mails.at(0).toString(QUrl::FullyEncoded), link);
        QVERIFY(m_catcher.urls.isEmpty());
    }

    void signatureFollowsQuery()
    {
        QVERIFY(UIBaseData::openPHPParams("about", "https://t.example/"));
        store()->setValue("base/language", "de");
        QVERIFY(UIBaseData::openPHPParams("about", "https://t.example/"));
        QCOMPARE(m_catcher.urls.size(), 2);
        const QString h1 = QUrlQuery(m_catcher.urls.at(0)).queryItemValue("h");
        const QString h2 = QUrlQuery(m_catcher.urls.at(1)).queryItemValue("h");
        QCOMPARE(h1.size(), 32);
        QVERIFY(h1 != h2);
    }

    void restart()
    {
        const QString profile = m_dir.filePath("profile");
        QDir().mkpath(profile);
        store()->setValue("base/customProfilePath", SettingsStore::toStoredPath(profile));
        QFile upd(profile + "/upd");
        QVERIFY(upd.open(QIODevice::WriteOnly));
        upd.close();
        QString program;
        QStringList args;
        bool quitCalled = false;
        UIServiceHooks::setStartDetached([&](const QString& p, const QStringList& a) {
            program = p;
            args = a;
            return true;
        });
        UIServiceHooks::setQuit([&] { quitCalled = true; });
        UIBaseData::restartApplication();
        UIServiceHooks::setStartDetached(nullptr);
        UIServiceHooks::setQuit(nullptr);
        QCOMPARE(program, QCoreApplication::applicationFilePath());
        QCOMPARE(args, (QStringList{"normal", "restart"}));
        QVERIFY(quitCalled);
        QVERIFY(!QFile::exists(profile + "/upd"));
    }

    void languageNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("en") << "en" << "English";
        QTest::newRow("upper case") << "EN" << "English";
        QTest::newRow("region, blanks removed") << "af-za" << "Afrikaans(Suid-Afrika)";
        QTest::newRow("french") << "fr" << QString::fromUtf8("français");
        QTest::newRow("simplified chinese") << "zh-hans" << QString::fromUtf8("简体中文");
        QTest::newRow("traditional chinese") << "zh-hant" << QString::fromUtf8("繁體中文");
        QTest::newRow("portugal") << "pt-pt" << QString::fromUtf8("portuguêseuropeu(Portugal)");
        QTest::newRow("unknown") << "xx" << "xx";
        QTest::newRow("unknown keeps case") << "XX-Yy" << "XX-Yy";
    }
    void languageNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(UIBaseData::languageNativeName(code), name);
    }

    void languageTableShape()
    {
        QMap<QString, QString> table;
        UIBaseData::loadLanguageTable(table);
        QVERIFY(table.size() > 300);
        for (auto it = table.constBegin(); it != table.constEnd(); ++it) {
            QVERIFY2(!it.key().isEmpty() && it.key() == it.key().toLower() && !it.key().contains(' '),
                     qPrintable(it.key()));
            QVERIFY2(!it.value().isEmpty(), qPrintable(it.key()));
            QVERIFY(!it.key().contains(QChar(0xFEFF)));
        }
        for (const char* ui : {"en", "fr", "es", "de", "it", "ja", "zh-hans", "zh-hant", "pt-pt", "ko"})
            QVERIFY2(table.contains(ui), qPrintable(ui));
    }

    void openFolderSelectsExistingFiles()
    {
        QList<FileManager::Request> seen;
        FileManager::setHandlerForTesting([&](const FileManager::Request& r) {
            seen << r;
            return true;
        });
        const QString folder = m_dir.filePath("out");
        QDir().mkpath(folder);
        QFile(folder + "/a.txt").open(QIODevice::WriteOnly);
        QFile(folder + "/b c.mp4").open(QIODevice::WriteOnly);

        UIBaseData::OpenFolderAndSelectFiles(folder, {folder + "/a.txt", folder + "/missing.txt", "b c.mp4"});
        UIBaseData::OpenFolderAndSelectFiles(folder, {folder + "/missing.txt"});
        UIBaseData::OpenFolderAndSelectFiles(folder + "/nope", {folder + "/a.txt"});
        // The settings' Windows-style separators are understood.
        UIBaseData::OpenFolderAndSelectFiles(QString(folder).replace('/', '\\'), {QString(folder + "/a.txt").replace('/', '\\')});
        FileManager::setHandlerForTesting(nullptr);

        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen.at(0).kind, FileManager::Request::ShowItems);
        QCOMPARE(seen.at(0).folder, folder);
        QCOMPARE(seen.at(0).files, (QStringList{folder + "/a.txt", folder + "/b c.mp4"}));
        QCOMPARE(seen.at(1).kind, FileManager::Request::OpenFolder);
        QCOMPARE(seen.at(1).folder, folder);
        QCOMPARE(seen.at(2).kind, FileManager::Request::ShowItems);
        QCOMPARE(seen.at(2).files, QStringList{folder + "/a.txt"});
        QVERIFY(m_catcher.urls.isEmpty());
    }

    // The real path: ShowItems on the session bus, else the folder is opened.
    void fileManagerOverBus()
    {
        if (m_busAddress.isEmpty())
            QSKIP("no dbus-daemon for a private session bus");
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.isConnected());
        const QString folder = m_dir.filePath("bus");
        QDir().mkpath(folder);
        const QString file = folder + "/x y.txt";
        QFile(file).open(QIODevice::WriteOnly);

        FakeFileManager fake;
        QVERIFY(bus.registerService("org.freedesktop.FileManager1"));
        QVERIFY(bus.registerObject("/org/freedesktop/FileManager1", &fake, QDBusConnection::ExportAllSlots));
        QVERIFY(FileManager::showItems(folder, {file}));
        QCOMPARE(fake.calls.size(), 1);
        QCOMPARE(fake.calls.at(0), QStringList{QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)});
        QVERIFY(m_catcher.urls.isEmpty());
        bus.unregisterObject("/org/freedesktop/FileManager1");
        bus.unregisterService("org.freedesktop.FileManager1");

        // Without a file manager on the bus the folder itself opens.
        QVERIFY(FileManager::showItems(folder, {file}));
        QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl::fromLocalFile(folder)});
        QVERIFY(FileManager::openFolder(folder));
        QCOMPARE(m_catcher.urls.size(), 2);
    }
};

QTEST_MAIN(TestUiServices)
#include "tst_uiservices.moc"
