#include "LocalHttpServer.h"
#include "../KillSteps.h"

#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/Upgrade/HttpDownload.h"
#include "function/Youtube/private/Upgrade/UpgradeYtb.h"
#include "platform/Online.h"
#include "shell/SettingsStore.h"

#include <QtTest>

namespace {

SettingsStore* settings() { return SettingsStore::instance(); }

// The "group/key" names of config.ini as a fresh reader would see them.
QStringList configKeys()
{
    QFile f(SettingsStore::fromStoredPath(settings()->configFilePath()));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList keys;
    QString group;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[') && line.endsWith(']'))
            group = line.mid(1, line.size() - 2);
        else if (line.indexOf('=') > 0)
            keys << group + '/' + line.left(line.indexOf('=')).trimmed();
    }
    keys.sort();
    return keys;
}

using Files = QMap<QString, QByteArray>;

// Bytes that do not compress, so damage lands inside an entry's data.
QByteArray noise(int size)
{
    QRandomGenerator g(42);
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        b[i] = char(g.bounded(256));
    return b;
}

// Builds a zip with Python's zipfile (deflated), entries in map order; a
// name ending in '/' is a folder entry, as most zip tools write them.
bool makeZip(const QString& zipPath, const Files& files)
{
    QJsonObject entries;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        entries.insert(it.key(), QString::fromLatin1(it.value().toBase64()));
    QTemporaryFile listFile;
    if (!listFile.open())
        return false;
    listFile.write(QJsonDocument(entries).toJson());
    listFile.flush();
    const char* script =
        "import base64, json, sys, zipfile\n"
        "entries = json.load(open(sys.argv[1]))\n"
        "with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED) as z:\n"
        "    for name in sorted(entries):\n"
        "        if name.endswith('/'):\n"
        "            z.mkdir(name)\n"
        "        else:\n"
        "            z.writestr(name, base64.b64decode(entries[name]))\n";
    QProcess p;
    p.start("/usr/bin/python3", {"-c", script, listFile.fileName(), zipPath});
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QByteArray description(const QString& lastModif, const QStringList& packs, const QJsonValue& version = QJsonValue(),
                       const QString& sha = QString(), const QString& upcheck = QString())
{
    QJsonObject o;
    if (!lastModif.isEmpty())
        o["lastModif"] = lastModif;
    if (!packs.isEmpty()) {
        QJsonObject urls;
        for (int i = 0; i < packs.size(); ++i)
            urls[QStringLiteral("url%1").arg(i)] = packs.at(i);
        o["upgradeUrl_2"] = urls;
    }
    if (!version.isUndefined())
        o["version"] = version;
    if (!sha.isEmpty())
        o["sha256"] = sha;
    if (!upcheck.isEmpty())
        o["upcheckUrl"] = upcheck;
    return QJsonDocument(o).toJson();
}

} // namespace

class TestUpgrade : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir* m_engine = nullptr;
    LocalHttpServer* m_server = nullptr;
    QString engine() const { return m_engine->path(); }
    QString packFile() const { return m_engine->filePath("pack/youtube_dl.zip"); }
    QString descPath() const { return QStringLiteral("/youtube/upgradeYoutube.config"); }

    void setEnginePresent(bool present)
    {
        const QString launcher = DownloaderProgram::launcherPath();
        if (present)
            QVERIFY(writeFile(launcher, "# launcher\n"));
        else
            QFile::remove(launcher);
    }

    // An installed engine with the user's files beside it.
    void installOldEngine()
    {
        QVERIFY(writeFile(engine() + "/downloader-dlp/downloader", "old launcher"));
        QVERIFY(writeFile(engine() + "/downloader-dlp/yt_dlp/__init__.py", "old package"));
        QVERIFY(writeFile(engine() + "/downloader-dlp/yt_dlp/old_module.py", "stale"));
        QVERIFY(writeFile(engine() + "/downloader-dlp/keep.txt", "kept"));
        QVERIFY(writeFile(engine() + "/AP", "accounts of the user"));
        QVERIFY(writeFile(engine() + "/SubscribeLists.db", "subscriptions"));
        QVERIFY(writeFile(engine() + "/downloading.json", "unfinished"));
    }

    void verifyOldEngineIntact()
    {
        QCOMPARE(readFile(engine() + "/downloader-dlp/downloader"), QByteArray("old launcher"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/__init__.py"), QByteArray("old package"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/old_module.py"), QByteArray("stale"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/keep.txt"), QByteArray("kept"));
        verifyUserFilesIntact();
    }

    void verifyUserFilesIntact()
    {
        QCOMPARE(readFile(engine() + "/AP"), QByteArray("accounts of the user"));
        QCOMPARE(readFile(engine() + "/SubscribeLists.db"), QByteArray("subscriptions"));
        QCOMPARE(readFile(engine() + "/downloading.json"), QByteArray("unfinished"));
    }

    void verifyNewEngine()
    {
        QCOMPARE(readFile(engine() + "/downloader-dlp/downloader"), QByteArray("new launcher"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/__init__.py"), QByteArray("new package"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/extractor/x.py").size(), 50000);
        QVERIFY(!QFile::exists(engine() + "/downloader-dlp/yt_dlp/old_module.py"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/keep.txt"), QByteArray("kept"));
        QCOMPARE(readFile(engine() + "/tools/readme.txt"), QByteArray("new tool"));
        verifyUserFilesIntact();
    }

    // A value as config.ini holds it, whichever process wrote it last.
    static QString fileValue(const QString& group, const QString& key)
    {
        QFile f(SettingsStore::fromStoredPath(settings()->configFilePath()));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QString current;
        for (const QByteArray& raw : f.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith('[') && line.endsWith(']'))
                current = line.mid(1, line.size() - 2);
            else if (current == group && line.section('=', 0, 0).trimmed() == key)
                return line.section('=', 1).trimmed();
        }
        return {};
    }

    QStringList leftovers() const
    {
        return QDir(engine()).entryList({".upgrade-*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    static Files newPack()
    {
        return Files{{"downloader-dlp/downloader", "new launcher"},
                     {"downloader-dlp/yt_dlp/__init__.py", "new package"},
                     {"downloader-dlp/yt_dlp/extractor/x.py", noise(50000)},
                     {"AP", "a pack must not replace accounts"},
                     {"downloading.json", "nor the unfinished list"},
                     {"tools/readme.txt", "new tool"}};
    }

    // Runs a check against the served description; returns the result.
    bool check(UpgradeYtb& up, bool& force)
    {
        force = false;
        return up.checkUpgrade(force);
    }

private slots:
    void initTestCase()
    {
        m_engine = new QTemporaryDir;
        QVERIFY(m_engine->isValid());
        settings()->setValue("youtube/path", SettingsStore::toStoredPath(engine()));
        settings()->setValue("youtube/pack", SettingsStore::toStoredPath(packFile()));
        m_server = new LocalHttpServer;
        QVERIFY(m_server->start(true));
        UpgradeYtb::setDefaultDescriptionUrl(m_server->url(descPath()).toString());
        Online::setStateOverride([] { return Online::State::Unknown; });
    }

    void cleanupTestCase()
    {
        delete m_server;
        delete m_engine;
    }

    void init()
    {
        m_server->clearRoutes();
        m_server->clearRequests();
        settings()->setValue("youtube/upcheckUrl", QString());
        settings()->setValue("youtube/modifyDate", "2024-03-10");
        Online::setStateOverride([] { return Online::State::Unknown; });
    }

    void allowedAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("https") << "https://example.com/a" << true;
        QTest::newRow("http remote") << "http://example.com/a" << false;
        QTest::newRow("http loopback") << "http://127.0.0.1:8080/a" << true;
        QTest::newRow("http localhost") << "http://localhost/a" << true;
        QTest::newRow("http ipv6 loopback") << "http://[::1]:80/a" << true;
        QTest::newRow("http loopback look-alike") << "http://127.0.0.1.example.com/a" << false;
        QTest::newRow("ftp") << "ftp://example.com/a" << false;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("empty") << "" << false;
    }
    void allowedAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QCOMPARE(HttpDownload::isAllowedUrl(QUrl(url)), allowed);
    }

    void descriptionTable_data()
    {
        QTest::addColumn<QByteArray>("desc");
        QTest::addColumn<bool>("enginePresent");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("force");

        const QString pack = "http://127.0.0.1:1/pack.zip";
        const QStringList one{pack};
        QTest::newRow("newer date") << description("2024-03-11", one) << true << true << false;
        QTest::newRow("same date") << description("2024-03-10", one) << true << false << false;
        QTest::newRow("older date") << description("2023-01-01", one) << true << false << false;
        QTest::newRow("same date, engine absent") << description("2024-03-10", one) << false << true << false;
        QTest::newRow("version 5") << description("2024-03-10", one, 5) << true << true << true;
        QTest::newRow("version 4") << description("2024-03-10", one, 4) << true << false << false;
        QTest::newRow("version 4, newer") << description("2024-04-01", one, 4) << true << true << false;
        QTest::newRow("version text") << description("2024-03-10", one, "7") << true << false << false;
        QTest::newRow("no addresses, newer") << description("2024-04-01", {}) << true << false << false;
        QTest::newRow("no addresses, version 5") << description("2024-04-01", {}, 5) << true << false << true;
        QTest::newRow("no addresses, engine absent") << description("2024-04-01", {}) << false << true << false;
        QTest::newRow("plain http pack only") << description("2024-04-01", {"http://example.com/p.zip"}) << true
                                              << false << false;
        QTest::newRow("bad date") << description("next week", one) << true << false << false;
        QTest::newRow("not json") << QByteArray("<html>maintenance</html>") << true << false << false;
        QTest::newRow("not json, engine absent") << QByteArray("<html>maintenance</html>") << false << true << false;
        QTest::newRow("unreadable digest") << description("2024-04-01", one, QJsonValue(), "abc") << true << false
                                           << false;
    }

    void descriptionTable()
    {
        QFETCH(QByteArray, desc);
        QFETCH(bool, enginePresent);
        QFETCH(bool, result);
        QFETCH(bool, force);

        setEnginePresent(enginePresent);
        m_server->addFile(descPath(), desc, "application/json");
        UpgradeYtb up;
        bool f = false;
        QCOMPARE(check(up, f), result);
        QCOMPARE(f, force);
        QCOMPARE(m_server->requestCount(descPath()), 1);
        setEnginePresent(true);
    }

    void storedAddressFirstThenDefault()
    {
        setEnginePresent(true);
        // The description names a later address; a plain remote one is not kept.
        m_server->addFile(descPath(), description("2024-04-01", {m_server->url("/p.zip").toString()}, QJsonValue(),
                                                  QString(), "http://example.com/desc"));
        UpgradeYtb up;
        bool f = false;
        QVERIFY(check(up, f));
        QCOMPARE(settings()->value("youtube/upcheckUrl"), QString());

        const QString stored = m_server->url("/moved/upgradeYoutube.config").toString();
        m_server->addFile(descPath(), description("2024-04-01", {m_server->url("/p.zip").toString()}, QJsonValue(),
                                                  QString(), stored));
        QVERIFY(check(up, f));
        QCOMPARE(settings()->value("youtube/upcheckUrl"), stored);

        // An address that would break the settings file into lines, or one
        // with blanks or control characters, is not kept.
        for (const QString& bad : {stored + "\r\n[proxy]\r\nenabled=true\r\nhostName=evil.example",
                                   stored + "?a\nb", stored + "?a\tb", QString(stored).replace("moved", "mo ved"),
                                   QString(stored).replace("moved", QString("mo") + QChar(0x7f) + "ved")}) {
            m_server->addFile(descPath(), description("2024-04-01", {m_server->url("/p.zip").toString()}, QJsonValue(),
                                                      QString(), bad));
            settings()->setValue("youtube/upcheckUrl", QString());
            const QStringList keysBefore = configKeys();
            UpgradeYtb other;
            QVERIFY(check(other, f));
            QCOMPARE(settings()->value("youtube/upcheckUrl"), QString());
            QCOMPARE(settings()->value("proxy/hostName"), QString());
            // The file read back holds exactly the keys it held.
            QCOMPARE(configKeys(), keysBefore);
        }
        settings()->setValue("youtube/upcheckUrl", stored);
        m_server->addFile(descPath(), description("2024-04-01", {m_server->url("/p.zip").toString()}, QJsonValue(),
                                                  QString(), stored));

        // The stored address is asked first.
        m_server->clearRequests();
        m_server->addFile("/moved/upgradeYoutube.config", description("2024-05-01", {m_server->url("/p.zip").toString()}));
        QVERIFY(check(up, f));
        QCOMPARE(m_server->requestCount("/moved/upgradeYoutube.config"), 1);
        QCOMPARE(m_server->requestCount(descPath()), 0);
        QCOMPARE(up.packDate().date(), QDate(2024, 5, 1));

        // When it fails, the default address answers.
        m_server->removeRoute("/moved/upgradeYoutube.config");
        m_server->clearRequests();
        QVERIFY(check(up, f));
        QCOMPARE(m_server->requestCount("/moved/upgradeYoutube.config"), 1);
        QCOMPARE(m_server->requestCount(descPath()), 1);
    }

    void fetchFailures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("404") << 0;
        QTest::newRow("500") << 1;
        QTest::newRow("short body") << 2;
        QTest::newRow("stall before answer") << 3;
        QTest::newRow("stall mid body") << 4;
        QTest::newRow("redirect to remote http") << 5;
        QTest::newRow("offline") << 6;
        QTest::newRow("connection dropped") << 7;
        QTest::newRow("redirect loop") << 8;
    }

    void fetchFailures()
    {
        QFETCH(int, kind);
        LocalHttpServer::Route r;
        r.body = description("2024-04-01", {"https://example.com/p.zip"});
        switch (kind) {
        case 0: r.status = 404; break;
        case 1: r.status = 500; break;
        case 2:
            r.sendContentLength = false;
            r.headers.append(LocalHttpServer::Header("Content-Length", QByteArray::number(r.body.size() + 1000)));
            r.closeAfterReply = true;
            break;
        case 3: r.stallBeforeHead = true; break;
        case 4: r.stallAfterBytes = 10; break;
        case 5:
            r.status = 302;
            r.headers.append(LocalHttpServer::Header("Location", "http://example.invalid/upgradeYoutube.config"));
            break;
        case 6: Online::setStateOverride([] { return Online::State::Offline; }); break;
        case 7: r.closeWithoutReply = true; break;
        case 8:
            r.status = 302;
            r.headers.append(LocalHttpServer::Header("Location", descPath().toUtf8()));
            break;
        }
        m_server->addRoute(descPath(), r);

        HttpDownload fetch;
        fetch.setStallTimeout(400);
        QByteArray out = "before";
        QElapsedTimer t;
        t.start();
        QVERIFY(!fetch.getUrl(m_server->url(descPath()).toString(), out));
        QVERIFY2(t.elapsed() < 15000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(out, QByteArray("before"));
        if (kind == 6)
            QCOMPARE(m_server->requestCount(descPath()), 0);
        else
            QVERIFY(m_server->requestCount(descPath()) >= 1);  // Qt repeats a GET once on a dropped connection

        // A failed description fetch is never an offered upgrade, even with
        // the engine missing.
        setEnginePresent(false);
        UpgradeYtb up;
        up.setStallTimeout(400);
        bool f = true;
        QVERIFY(!up.checkUpgrade(f));
        QVERIFY(!f);
        setEnginePresent(true);
    }

    void defaultStallLimitIsTwentySeconds()
    {
        HttpDownload fetch;
        QCOMPARE(fetch.stallTimeout(), 20000);
    }

    void fetchSucceedsThroughLocalRedirect()
    {
        // The redirects' own bodies are shorter and longer than the target's;
        // only the final answer's length may judge the body.
        m_server->addFile("/real", "payload");
        m_server->addRedirect("/alias", "/real");
        LocalHttpServer::Route longer;
        longer.status = 301;
        longer.headers.append(LocalHttpServer::Header("Location", "/alias"));
        longer.body = "this answer has moved somewhere else";
        m_server->addRoute("/old-alias", longer);
        HttpDownload fetch;
        QByteArray out;
        for (int i = 0; i < 50; ++i) {
            out.clear();
            QVERIFY2(fetch.getUrl(m_server->url(i % 2 ? "/old-alias" : "/alias").toString(), out),
                     qPrintable(QStringLiteral("fetch %1").arg(i)));
            QCOMPARE(out, QByteArray("payload"));
        }
        // No plain address leaves this computer.
        QVERIFY(!fetch.getUrl("http://example.com/x", out));
        QCOMPARE(out, QByteArray("payload"));
    }

    void goodUpgradeSwapsOnlyPackEntries()
    {
        installOldEngine();
        QTemporaryDir tmp;
        const QString zip = tmp.filePath("pack.zip");
        QVERIFY(makeZip(zip, newPack()));
        const QByteArray packBytes = readFile(zip);
        m_server->addFile("/packs/a.zip", packBytes);
        const QString sha = QCryptographicHash::hash(packBytes, QCryptographicHash::Sha256).toHex();
        m_server->addFile(descPath(), description("2024-06-30", {m_server->url("/packs/a.zip").toString()},
                                                  QJsonValue(), sha));

        UpgradeYtb up;
        bool f = false;
        QVERIFY(up.checkUpgrade(f));
        QSignalSpy progress(&up, &UpgradeYtb::doProgress);
        QSignalSpy finished(&up, &UpgradeYtb::doFinished);
        QVERIFY(up.startDownload());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last().at(0).toLongLong(), qlonglong(packBytes.size()));

        QCOMPARE(readFile(engine() + "/downloader-dlp/downloader"), QByteArray("new launcher"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/__init__.py"), QByteArray("new package"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/extractor/x.py").size(), 50000);
        // The package was replaced whole; the folder's other files stay.
        QVERIFY(!QFile::exists(engine() + "/downloader-dlp/yt_dlp/old_module.py"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/keep.txt"), QByteArray("kept"));
        QCOMPARE(readFile(engine() + "/tools/readme.txt"), QByteArray("new tool"));
        verifyUserFilesIntact();

        QCOMPARE(settings()->value("youtube/modifyDate"), QStringLiteral("2024-06-30"));
        QVERIFY(!QFile::exists(packFile()));
        QCOMPARE(leftovers(), QStringList());

        // Now up to date.
        QVERIFY(!up.checkUpgrade(f));
    }

    void packWithFolderEntriesReplacesOnlyWhatItHolds()
    {
        QDir(engine()).removeRecursively();
        QDir().mkpath(engine());
        installOldEngine();
        QTemporaryDir tmp;
        const QString zip = tmp.filePath("pack.zip");
        // Folder entries come first, as "zip -r" writes them; the pack does
        // not hold the launcher or the folder's other files.
        QVERIFY(makeZip(zip, Files{{"downloader-dlp/", {}},
                                   {"downloader-dlp/yt_dlp/", {}},
                                   {"downloader-dlp/yt_dlp/__init__.py", "new package"},
                                   {"downloader-dlp/yt_dlp/extractor/", {}},
                                   {"downloader-dlp/yt_dlp/extractor/x.py", "new extractor"},
                                   {"empty-folder/", {}}}));
        m_server->addFile("/packs/folders.zip", readFile(zip));
        m_server->addFile(descPath(), description("2024-06-30", {m_server->url("/packs/folders.zip").toString()}));

        UpgradeYtb up;
        bool f = false;
        QVERIFY(up.checkUpgrade(f));
        QVERIFY(up.startDownload());
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/__init__.py"), QByteArray("new package"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/extractor/x.py"), QByteArray("new extractor"));
        QVERIFY(!QFile::exists(engine() + "/downloader-dlp/yt_dlp/old_module.py"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/downloader"), QByteArray("old launcher"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/keep.txt"), QByteArray("kept"));
        verifyUserFilesIntact();
        QCOMPARE(settings()->value("youtube/modifyDate"), QStringLiteral("2024-06-30"));
        QCOMPARE(leftovers(), QStringList());
    }

    void corruptOrWrongPackKeepsOldEngine_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("corrupt data") << 0;
        QTest::newRow("not a zip") << 1;
        QTest::newRow("digest mismatch") << 2;
        QTest::newRow("truncated zip") << 3;
        QTest::newRow("entry cannot be placed") << 4;
        QTest::newRow("only user files") << 5;
        QTest::newRow("pack 404") << 6;
    }

    void corruptOrWrongPackKeepsOldEngine()
    {
        QFETCH(int, kind);
        QDir(engine()).removeRecursively();
        QDir().mkpath(engine());
        installOldEngine();
        QTemporaryDir tmp;
        const QString zip = tmp.filePath("pack.zip");
        Files files = newPack();
        if (kind == 4) {
            // "tools" moves first; then "downloader-dlp" is a file where the
            // pack needs a folder, so everything is put back.
            QFile::rename(engine() + "/downloader-dlp", engine() + "/dlp-folder");
            QVERIFY(writeFile(engine() + "/downloader-dlp", "a file in the way"));
            files.insert("aaa-first/one.txt", "moved before the failure");
        }
        if (kind == 5)
            files = Files{{"AP", "x"}, {"SubscribeLists.db", "y"}};
        QVERIFY(makeZip(zip, files));
        QByteArray bytes = readFile(zip);
        QString sha;
        if (kind == 0) {
            // Damage the compressed body of the large entry.
            const int at = bytes.indexOf("downloader-dlp/yt_dlp/extractor/x.py");
            QVERIFY(at > 0);
            for (int i = at + 1000; i < at + 1100; ++i)
                bytes[i] = char(bytes[i] ^ 0x5a);
        } else if (kind == 1) {
            bytes = "this is not a zip archive";
        } else if (kind == 2) {
            sha = QString(64, 'a');
        } else if (kind == 3) {
            bytes.chop(bytes.size() / 3);
        }
        m_server->addFile("/packs/bad.zip", bytes);
        if (kind == 6)
            m_server->removeRoute("/packs/bad.zip");
        m_server->addFile(descPath(), description("2024-06-30", {m_server->url("/packs/bad.zip").toString()},
                                                  QJsonValue(), sha));

        UpgradeYtb up;
        bool f = false;
        QVERIFY(up.checkUpgrade(f));
        QSignalSpy finished(&up, &UpgradeYtb::doFinished);
        QVERIFY(!up.startDownload());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(settings()->value("youtube/modifyDate"), QStringLiteral("2024-03-10"));
        if (kind == 4) {
            QCOMPARE(readFile(engine() + "/downloader-dlp"), QByteArray("a file in the way"));
            QVERIFY(!QFile::exists(engine() + "/aaa-first"));
            QVERIFY(!QFile::exists(engine() + "/tools"));
            QFile::remove(engine() + "/downloader-dlp");
            QFile::rename(engine() + "/dlp-folder", engine() + "/downloader-dlp");
        }
        verifyOldEngineIntact();
        QVERIFY(!QFile::exists(engine() + "/tools"));
        QCOMPARE(leftovers(), QStringList());
        // A pack that was fetched and written but not installed stays on disk;
        // one refused before writing never lands there.
        QCOMPARE(QFile::exists(packFile()), kind == 0 || kind == 1 || kind == 3 || kind == 4 || kind == 5);
        QFile::remove(packFile());
    }

    // The program is killed while a pack is put in place, at each step in
    // turn, also while a swap that failed half-way is being undone; the next
    // start finds the engine wholly old or wholly new, the user's files
    // untouched and nothing of the upgrade left beside them.
    void killDuringTheSwapIsRecoveredAtTheNextStart_data()
    {
        QTest::addColumn<bool>("placeable");
        QTest::newRow("pack goes in") << true;
        QTest::newRow("pack cannot be placed") << false;
    }

    void killDuringTheSwapIsRecoveredAtTheNextStart()
    {
        QFETCH(bool, placeable);
        QTemporaryDir tmp;
        const QString zip = tmp.filePath("pack.zip");
        Files files = newPack();
        // Moved in first, and back out when "downloader-dlp" turns out to be
        // a file where the pack needs a folder.
        if (!placeable)
            files.insert("aaa-first/one.txt", "moved before the failure");
        QVERIFY(makeZip(zip, files));
        m_server->addFile("/packs/kill.zip", readFile(zip));
        m_server->addFile(descPath(), description("2024-06-30", {m_server->url("/packs/kill.zip").toString()}));
        bool oldAfterKill = false;
        bool newAfterKill = false;
        const int kills = KillSteps::runUntilComplete(
            {"upgrade", engine(), packFile(), m_server->url(descPath()).toString()},
            [&] {
                QDir(engine()).removeRecursively();
                QDir().mkpath(engine());
                installOldEngine();
                if (!placeable) {
                    QFile::rename(engine() + "/downloader-dlp", engine() + "/dlp-folder");
                    QVERIFY(writeFile(engine() + "/downloader-dlp", "a file in the way"));
                }
                QFile::remove(packFile());
                settings()->setValue("youtube/modifyDate", "2024-03-10");
            },
            [&](bool killed) {
                const UpgradeYtb atStart;
                QCOMPARE(leftovers(), QStringList());
                if (readFile(engine() + "/downloader-dlp/downloader") == "new launcher") {
                    QVERIFY(placeable);
                    verifyNewEngine();
                    QCOMPARE(fileValue("youtube", "modifyDate"), QStringLiteral("2024-06-30"));
                    QVERIFY(!QFile::exists(packFile()));
                    newAfterKill = newAfterKill || killed;
                    return;
                }
                QVERIFY(killed || !placeable);
                oldAfterKill = oldAfterKill || killed;
                QCOMPARE(fileValue("youtube", "modifyDate"), QStringLiteral("2024-03-10"));
                QVERIFY(!QFile::exists(engine() + "/tools"));
                QVERIFY(!QFile::exists(engine() + "/aaa-first"));
                if (!placeable) {
                    QCOMPARE(readFile(engine() + "/downloader-dlp"), QByteArray("a file in the way"));
                    QFile::remove(engine() + "/downloader-dlp");
                    QFile::rename(engine() + "/dlp-folder", engine() + "/downloader-dlp");
                }
                verifyOldEngineIntact();
            });
        QFile::remove(packFile());
        QVERIFY(kills >= 2);
        QVERIFY(oldAfterKill);
        QCOMPARE(newAfterKill, placeable);
    }

    // What an upgrade that kept no marker left when it was killed: part of
    // the engine moved aside, one unit already replaced. The next start
    // puts back what is missing and removes the rest.
    void unmarkedLeftoversFillTheGapsAndGo()
    {
        QDir(engine()).removeRecursively();
        QDir().mkpath(engine());
        installOldEngine();
        const QString aside = engine() + "/.upgrade-previous-Ab12Cd";
        QVERIFY(QDir().mkpath(aside + "/downloader-dlp"));
        QVERIFY(QDir().rename(engine() + "/downloader-dlp/yt_dlp", aside + "/downloader-dlp/yt_dlp"));
        QVERIFY(QDir().rename(engine() + "/downloader-dlp/downloader", aside + "/downloader-dlp/downloader"));
        QVERIFY(writeFile(engine() + "/downloader-dlp/downloader", "new launcher"));
        QVERIFY(writeFile(engine() + "/.upgrade-staging-Zz98Yy/tools/readme.txt", "new tool"));

        const UpgradeYtb atStart;
        QCOMPARE(leftovers(), QStringList());
        QCOMPARE(readFile(engine() + "/downloader-dlp/downloader"), QByteArray("new launcher"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/__init__.py"), QByteArray("old package"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/yt_dlp/old_module.py"), QByteArray("stale"));
        QCOMPARE(readFile(engine() + "/downloader-dlp/keep.txt"), QByteArray("kept"));
        QVERIFY(!QFile::exists(engine() + "/tools"));
        verifyUserFilesIntact();
    }

    void stopMidDownloadFailsCleanly()
    {
        installOldEngine();
        LocalHttpServer::Route slow;
        slow.generatedBodySize = 4 * 1024 * 1024;
        slow.bytesPerSecond = 64 * 1024;
        m_server->addRoute("/packs/slow.zip", slow);
        m_server->addFile(descPath(), description("2024-06-30", {m_server->url("/packs/slow.zip").toString()}));

        UpgradeYtb up;
        bool f = false;
        QVERIFY(up.checkUpgrade(f));
        QSignalSpy finished(&up, &UpgradeYtb::doFinished);
        bool asked = false;
        connect(&up, &UpgradeYtb::doProgress, this, [&](qlonglong cur, qlonglong) {
            if (cur > 0 && !asked) {
                asked = true;
                up.stopDownload();
            }
        }, Qt::QueuedConnection);
        QElapsedTimer t;
        t.start();
        QVERIFY(!up.startDownload());
        QVERIFY(asked);
        QVERIFY2(t.elapsed() < 30000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!QFile::exists(packFile()));
        QCOMPARE(settings()->value("youtube/modifyDate"), QStringLiteral("2024-03-10"));
        verifyOldEngineIntact();
    }

    void noAddressFinishesAtOnce()
    {
        setEnginePresent(false);
        m_server->addFile(descPath(), description("2024-06-30", {}));
        UpgradeYtb up;
        bool f = false;
        QVERIFY(up.checkUpgrade(f));
        QSignalSpy finished(&up, &UpgradeYtb::doFinished);
        QVERIFY(!up.startDownload());
        QCOMPARE(finished.count(), 1);
        setEnginePresent(true);
    }
};

// The test binary doubles as the process the kill test ends: it installs
// the served pack into the given engine folder.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 7 && qstrcmp(argv[1], "--kill-step") == 0 && qstrcmp(argv[3], "upgrade") == 0) {
        KillSteps::killAt() = atoi(argv[2]);
        settings()->setValue("youtube/path", SettingsStore::toStoredPath(QString::fromLocal8Bit(argv[4])));
        settings()->setValue("youtube/pack", SettingsStore::toStoredPath(QString::fromLocal8Bit(argv[5])));
        settings()->setValue("youtube/upcheckUrl", QString());
        // The installed engine's date; the test's own store does not see
        // what an earlier child wrote.
        settings()->setValue("youtube/modifyDate", "2024-03-10");
        UpgradeYtb::setDefaultDescriptionUrl(QString::fromLocal8Bit(argv[6]));
        Online::setStateOverride([] { return Online::State::Unknown; });
        UpgradeYtb up;
        bool force = false;
        if (!up.checkUpgrade(force))
            return 2;
        UpgradeYtb::s_afterSwapStep = &KillSteps::childStep;
        // Whether the pack went in is read from the disk.
        up.startDownload();
        return 0;
    }
    TestUpgrade tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_upgrade.moc"
