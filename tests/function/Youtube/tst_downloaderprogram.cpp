#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "platform/ProcessTree.h"
#include "shell/SettingsStore.h"

#include <QtConcurrent>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <sys/stat.h>

using namespace DownloaderProgram;

namespace {

SettingsStore* settings() { return SettingsStore::instance(); }

QJsonObject answer(const QString& out, const QString& err = QString(), int exitCode = 0, double delay = 0)
{
    QJsonObject a;
    if (!out.isEmpty())
        a["stdout"] = out;
    if (!err.isEmpty())
        a["stderr"] = err;
    a["exit"] = exitCode;
    if (delay > 0)
        a["delay"] = delay;
    return a;
}

bool pidAlive(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = f.readAll();
    const int close = s.lastIndexOf(')');
    return close > 0 && s.mid(close + 2, 1) != "Z";
}

// A video run that starts without an account.
int videoRunWithoutAccount(const QString& url, const DownloaderRun::StopFn& stop,
                           const std::function<void(const QByteArray&)>& parse)
{
    QString user, password;
    return DownloaderRun::videoRun(url, user, password, stop, parse);
}

} // namespace

class TestDownloaderProgram : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_engine;
    QString fakeDir() const { return QDir(m_engine.path()).filePath("downloader-dlp"); }

    void setScript(const QJsonObject& script)
    {
        QFile f(QDir(fakeDir()).filePath("fake_script.json"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QJsonDocument(script).toJson());
        QFile::remove(QDir(fakeDir()).filePath("fake_log.jsonl"));
    }

    QList<QJsonObject> fakeLog() const
    {
        QList<QJsonObject> out;
        QFile f(QDir(fakeDir()).filePath("fake_log.jsonl"));
        if (!f.open(QIODevice::ReadOnly))
            return out;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                out << QJsonDocument::fromJson(line).object();
        return out;
    }

    static QStringList argvOf(const QJsonObject& entry)
    {
        QStringList a;
        for (const QJsonValue& v : entry["argv"].toArray())
            a << v.toString();
        return a;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_engine.isValid());
        settings()->setValue("youtube/path", SettingsStore::toStoredPath(m_engine.path()));
        QDir().mkpath(fakeDir());
        const QString fake = QDir(qEnvironmentVariable("TW_SOURCE_DIR")).filePath("tests/fixtures/fake_downloader.py");
        QVERIFY2(QFile::copy(fake, launcherPath()), qPrintable(fake));
        settings()->setValue("base/site", "qorvdvd");
    }

    void init()
    {
        settings()->setValue("proxy/enabled", QString());
        settings()->setValue("proxy/hostName", QString());
        settings()->setValue("proxy/port", QString());
        settings()->setValue("youtube/downloadFullList", QString());
        settings()->setValue("youtube/cookies", QString());
        resetAccountRetryCount();
        Youtube::instance()->clearAccountInfo();
    }

    void layout()
    {
        const QString engine = QDir::cleanPath(m_engine.path());
        QCOMPARE(engineFolder(), engine);
        QCOMPARE(launcherPath(), engine + "/downloader-dlp/downloader");
        QCOMPARE(pluginFolder(), engine + "/downloader-dlp/");
        QCOMPARE(program(), QStringLiteral("/usr/bin/python3"));
        QCOMPARE(programArguments(), (QStringList{"-I", launcherPath()}));
    }

    void arguments_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("settingPairs");
        QTest::addColumn<QString>("credentials");
        QTest::addColumn<QStringList>("expected");
        const QString P = "@plugins";
        QTest::newRow("page, plain") << int(PageRun) << QStringList() << QString()
            << QStringList{"-i", "--ignore-config", "--plugin-dirs", P, "--flat-playlist", "-J", "--", "URL"};
        QTest::newRow("page, single video only") << int(PageRun) << QStringList{"youtube/downloadFullList", "false"}
            << QString()
            << QStringList{"-i", "--ignore-config", "--no-playlist", "--plugin-dirs", P, "--flat-playlist", "-J", "--", "URL"};
        QTest::newRow("page, full list other value") << int(PageRun) << QStringList{"youtube/downloadFullList", "False"}
            << QString()
            << QStringList{"-i", "--ignore-config", "--plugin-dirs", P, "--flat-playlist", "-J", "--", "URL"};
        QTest::newRow("playlist ignores full list") << int(PlaylistRun) << QStringList{"youtube/downloadFullList", "false"}
            << QString()
            << QStringList{"-i", "--ignore-config", "--plugin-dirs", P, "--flat-playlist", "-J", "--", "URL"};
        QTest::newRow("video") << int(VideoRun) << QStringList() << QString()
            << QStringList{"-i", "--ignore-config", "--plugin-dirs", P, "-J", "--", "URL"};
        QTest::newRow("proxy") << int(VideoRun)
            << QStringList{"proxy/enabled", "true", "proxy/hostName", "http://px", "proxy/port", "8080"} << QString()
            << QStringList{"-i", "--ignore-config", "--proxy", "http://px:8080", "--plugin-dirs", P, "-J", "--", "URL"};
        QTest::newRow("proxy, empty port") << int(VideoRun)
            << QStringList{"proxy/enabled", "true", "proxy/hostName", "px", "proxy/port", ""} << QString()
            << QStringList{"-i", "--ignore-config", "--plugin-dirs", P, "-J", "--", "URL"};
        QTest::newRow("proxy disabled") << int(VideoRun)
            << QStringList{"proxy/enabled", "TRUE", "proxy/hostName", "px", "proxy/port", "1"} << QString()
            << QStringList{"-i", "--ignore-config", "--plugin-dirs", P, "-J", "--", "URL"};
        QTest::newRow("account and cookies") << int(PageRun) << QStringList{"youtube/cookies", "/c/cookies.txt"}
            << "/run/creds.conf"
            << QStringList{"-i", "--ignore-config", "--config-locations", "/run/creds.conf", "--plugin-dirs", P,
                           "--flat-playlist", "-J", "--cookies", "/c/cookies.txt", "--", "URL"};
    }

    void arguments()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, settingPairs);
        QFETCH(QString, credentials);
        QFETCH(QStringList, expected);
        for (int i = 0; i + 1 < settingPairs.size(); i += 2)
            settings()->setValue(settingPairs.at(i), settingPairs.at(i + 1));
        expected.replaceInStrings("@plugins", pluginFolder());
        QCOMPARE(analysisArguments(RunKind(kind), "URL", credentials), expected);
        // An address that looks like an option stays the address.
        const QStringList dash = analysisArguments(RunKind(kind), "--exec=rm", credentials);
        QCOMPARE(dash.last(), QStringLiteral("--exec=rm"));
        QCOMPARE(dash.at(dash.size() - 2), QStringLiteral("--"));
        QVERIFY(!dash.contains("--no-check-certificates"));
    }

    void outputTest_data()
    {
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<bool>("usable");
        QTest::newRow("null") << QByteArray("null") << false;
        QTest::newRow("null LF") << QByteArray("null\n") << false;
        QTest::newRow("null CRLF") << QByteArray("\r\nnull\r\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("line breaks") << QByteArray("\r\n\n") << false;
        QTest::newRow("json") << QByteArray("{\"id\":1}\n") << true;
        QTest::newRow("nullable") << QByteArray("nul") << true;
    }

    void outputTest()
    {
        QFETCH(QByteArray, out);
        QFETCH(bool, usable);
        QCOMPARE(outputUsable(out), usable);
    }

    void pageTable_data()
    {
        QTest::addColumn<bool>("usable");
        QTest::addColumn<bool>("built");
        QTest::addColumn<QByteArray>("err");
        QTest::addColumn<int>("code");
        QTest::newRow("built") << true << true << QByteArray("WARNING: x") << 0;
        QTest::newRow("private list") << false << false << QByteArray("ERROR: This playlist is private") << 2;
        QTest::newRow("login beats unsupported") << false << false
            << QByteArray("ERROR: Unsupported URL: x\nERROR: Unable to log in") << 2;
        QTest::newRow("no login info") << true << false << QByteArray("No login info available") << 2;
        QTest::newRow("registered users") << false << false
            << QByteArray("ERROR: This video is only available for registered users") << 2;
        QTest::newRow("unsupported") << false << false << QByteArray("ERROR: Unsupported URL: http://x") << 6;
        QTest::newRow("unsupported, usable but unbuilt") << true << false << QByteArray("ERROR: Unsupported URL: x") << 6;
        QTest::newRow("https hint") << false << false
            << QByteArray("ERROR: [generic] x: try replacing \"https:\" with \"http:\" if") << 10;
        QTest::newRow("https hint, usable output") << true << false
            << QByteArray("try replacing \"https:\" with \"http:\"") << 9;
        QTest::newRow("case matters") << false << false << QByteArray("error: unsupported url") << 9;
        QTest::newRow("nothing") << false << false << QByteArray() << 9;
    }

    void pageTable()
    {
        QFETCH(bool, usable);
        QFETCH(bool, built);
        QFETCH(QByteArray, err);
        QFETCH(int, code);
        QCOMPARE(pageOutcome(usable, built, err), code);
    }

    void playlistAndVideoTables()
    {
        QCOMPARE(playlistOutcome(true, true, QByteArray()), 5);
        QCOMPARE(playlistOutcome(false, true, QByteArray("is private")), 0);
        QCOMPARE(playlistOutcome(false, false, QByteArray("This video has been removed by the user")), 4);
        QCOMPARE(playlistOutcome(false, false, QByteArray("ERROR: This playlist is private")), 3);
        QCOMPARE(playlistOutcome(false, false, QByteArray("HTTP Error 404")), 9);

        QCOMPARE(videoErrorKind("ERROR: This video has been removed by the user"), VideoRemoved);
        QCOMPARE(videoErrorKind("ERROR: This video is private"), VideoNeedsLogin);
        QCOMPARE(videoErrorKind("Unable to extract user hash"), VideoNeedsLogin);
        QCOMPARE(videoErrorKind("check_cookie_url failed"), VideoCookieCheck);
        QCOMPARE(videoErrorKind("ERROR: Unsupported URL"), VideoOtherError);

        QVERIFY(formatUnavailable("ERROR: requested format not available"));
        QVERIFY(formatUnavailable("ERROR: [generic] x: Requested format is not available. Use --list-formats"));
        QVERIFY(formatUnavailable("REQUESTED FORMAT IS NOT AVAILABLE"));
        QVERIFY(!formatUnavailable("format available"));
    }

    void credentialsFile()
    {
        const QString user = QStringLiteral("me@example.org");
        const QString password = QStringLiteral("p#a ss'w\"o\\rd\u00e9 -x");
        QString path;
        {
            CredentialsFile creds;
            QVERIFY(creds.write(user, password));
            path = creds.path();
            struct stat st;
            QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
            QCOMPARE(int(st.st_mode & 0777), 0600);
            // The downloader reads option files with shlex; every character
            // must come back as written.
            QProcess py;
            py.start("/usr/bin/python3",
                     {"-I", "-c",
                      "import json,shlex,sys; print(json.dumps(shlex.split(open(sys.argv[1],encoding='utf-8').read(),"
                      " comments=True)))",
                      path});
            QVERIFY(py.waitForFinished(10000));
            const QJsonArray a = QJsonDocument::fromJson(py.readAllStandardOutput()).array();
            QCOMPARE(a.size(), 4);
            QCOMPARE(a.at(0).toString(), QStringLiteral("-u"));
            QCOMPARE(a.at(1).toString(), user);
            QCOMPARE(a.at(2).toString(), QStringLiteral("-p"));
            QCOMPARE(a.at(3).toString(), password);
        }
        QVERIFY(!QFileInfo::exists(path));
    }

    void launcherInstall()
    {
        QTemporaryDir other;
        settings()->setValue("youtube/path", SettingsStore::toStoredPath(other.path()));
        QVERIFY(!QFileInfo::exists(launcherPath()));
        QVERIFY(ensureLauncher());
        QFile f(launcherPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), launcherScript());
        // The running yt-dlp (2023.03) does not know "--plugin-dirs": the
        // launcher drops it with its value instead of failing with a usage error.
        DownloaderRun::Result r = DownloaderRun::run({"--ignore-config", "--plugin-dirs", pluginFolder(), "--version"});
        QVERIFY(r.started);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(QRegularExpression("^\\d{4}\\.\\d{2}\\.\\d{2}").match(QString::fromUtf8(r.out)).hasMatch(), r.out + r.err);
        QVERIFY2(r.err.isEmpty(), r.err);
        // An existing file (a pack's) is never replaced.
        f.close();
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("# pack\n");
        f.close();
        QVERIFY(ensureLauncher());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("# pack\n"));
        settings()->setValue("youtube/path", SettingsStore::toStoredPath(m_engine.path()));
    }

    void environmentAndStdin()
    {
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QByteArray(":") + oldPath + "::");
        qputenv("PYTHONHOME", "/nowhere");
        const QProcessEnvironment env = environment();
        QVERIFY(!env.contains("PYTHONHOME"));
        QVERIFY(!env.value("PATH").split(':').contains(QString()));
        QVERIFY(!env.value("PATH").contains("deno"));

        setScript(QJsonObject{{"default", answer("{}")}});
        DownloaderRun::run(analysisArguments(VideoRun, "x", QString()));
        const QList<QJsonObject> log = fakeLog();
        QCOMPARE(log.size(), 1);
        QVERIFY(log.first()["env_pythonhome"].isNull());
        QCOMPARE(QDir(log.first()["cwd"].toString()).canonicalPath(), QDir(workingFolder()).canonicalPath());
        qputenv("PATH", oldPath);
        qunsetenv("PYTHONHOME");

        // A child that waits for input gets end-of-file at once.
        QElapsedTimer t;
        t.start();
        const DownloaderRun::Result r = DownloaderRun::runProgram("/bin/sh", {"-c", "read x; echo done"});
        QCOMPARE(r.out, QByteArray("done\n"));
        QVERIFY(t.elapsed() < 3000);
    }

    void pageRunThroughFake_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<bool>("buildOk");
        QTest::addColumn<int>("code");
        QTest::newRow("built") << "{\"_type\":\"playlist\"}" << "" << true << 0;
        QTest::newRow("null") << "null\n" << "" << true << 9;
        QTest::newRow("unbuildable") << "{}" << "" << false << 9;
        QTest::newRow("unsupported") << "" << "ERROR: Unsupported URL: x\n" << true << 6;
        QTest::newRow("unsupported and login") << "" << "ERROR: Unsupported URL: x\nUnable to log in\n" << true << 2;
        QTest::newRow("https hint") << "" << "try replacing \"https:\" with \"http:\"" << true << 10;
    }

    void pageRunThroughFake()
    {
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(bool, buildOk);
        QFETCH(int, code);
        setScript(QJsonObject{{"default", answer(out, err, err.isEmpty() ? 0 : 1)}});
        QByteArray seen;
        const int got = DownloaderRun::pageRun("http://page", QString(), QString(), {}, [&](const QByteArray& o) {
            seen = o;
            return buildOk;
        });
        QCOMPARE(got, code);
        if (code == 0)
            QCOMPARE(seen, out.toUtf8());
    }

    void lastErrorText()
    {
        setScript(QJsonObject{{"default", answer("", "ERROR: boom")}});
        Youtube::instance()->setLastError("stale");
        DownloaderRun::pageRun("http://page", QString(), QString(), {}, {});
        QCOMPARE(Youtube::instance()->lastErrorText(), QString());
        settings()->setValue("base/site", "otherdvd");
        DownloaderRun::pageRun("http://page", QString(), QString(), {}, {});
        QVERIFY(!Youtube::instance()->lastErrorText().isEmpty());
        settings()->setValue("base/site", "qorvdvd");
    }

    void credentialsNeverOnCommandLine()
    {
        setScript(QJsonObject{{"default", answer("{}")}});
        const QString secret = QStringLiteral("s3cr#t 'pw'");
        QCOMPARE(DownloaderRun::pageRun("-rf", "alice", secret, {}, [](const QByteArray&) { return true; }), 0);
        const QList<QJsonObject> log = fakeLog();
        QCOMPARE(log.size(), 1);
        const QStringList argv = argvOf(log.first());
        QVERIFY(!argv.join(' ').contains("alice"));
        QVERIFY(!argv.join(' ').contains("s3cr"));
        QCOMPARE(argv.last(), QStringLiteral("-rf"));
        QCOMPARE(argv.at(argv.size() - 2), QStringLiteral("--"));
        QCOMPARE(log.first()["config_mode"].toString(), QStringLiteral("0o600"));
        QVERIFY(log.first()["config"].toString().contains("-p "));
        const QString configPath = argv.at(argv.indexOf("--config-locations") + 1);
        QVERIFY(!QFileInfo::exists(configPath));
        // A user without a password is no account.
        setScript(QJsonObject{{"default", answer("{}")}});
        DownloaderRun::pageRun("x", "alice", QString(), {}, {});
        QVERIFY(!argvOf(fakeLog().first()).contains("--config-locations"));
    }

    void playlistRunThroughFake()
    {
        setScript(QJsonObject{{"routes", QJsonObject{{"ok", answer("{\"entries\":[]}")},
                                                     {"gone", answer("", "removed by the user", 1)},
                                                     {"private", answer("", "ERROR: This playlist is private", 1)},
                                                     {"nothing", answer("", "", 1)}}}});
        int parsed = 0;
        auto parse = [&](const QByteArray&) { ++parsed; };
        QCOMPARE(DownloaderRun::playlistRun("ok", {}, {}, {}, parse), 0);
        QCOMPARE(parsed, 1);
        QCOMPARE(DownloaderRun::playlistRun("gone", {}, {}, {}, parse), 4);
        QCOMPARE(DownloaderRun::playlistRun("private", {}, {}, {}, parse), 3);
        QCOMPARE(DownloaderRun::playlistRun("nothing", {}, {}, {}, parse), 9);
        QCOMPARE(parsed, 1);
        QVERIFY(argvOf(fakeLog().first()).contains("--flat-playlist"));
    }

    void videoLoginRetry()
    {
        const QJsonObject login = answer("", "ERROR: This video is private", 1);
        setScript(QJsonObject{{"routes", QJsonObject{
            {"https://www.youtube.com/watch?v=v1", QJsonArray{login, answer("{\"id\":\"v1\"}")}},
            {"https://www.youtube.com/watch?v=v2", QJsonArray{login, login}},
            {"cookie", answer("", "check_cookie_url", 1)},
            {"removed", answer("", "ERROR: This video has been removed by the user", 1)},
            {"empty", answer("", "", 1)}}}});

        // No account: status 3 after one run, and no account will help later.
        QCOMPARE(videoRunWithoutAccount("https://www.youtube.com/watch?v=v2", {}, {}), 3);
        QCOMPARE(accountRetryCount().loadAcquire(), -1);
        QCOMPARE(fakeLog().size(), 1);

        // With the running analysis's account: one more run with it.
        setScript(QJsonObject{{"routes", QJsonObject{{"https://www.youtube.com/watch?v=v1", QJsonArray{login, answer("{\"id\":\"v1\"}")}},
                                                     {"https://www.youtube.com/watch?v=v2", QJsonArray{login, login}}}}});
        resetAccountRetryCount();
        Youtube::instance()->setAccountInfo("bob", "pw", Youtube::instance()->loginSite("https://www.youtube.com/"));
        QByteArray parsed;
        QString user, password, userAtParse;
        QCOMPARE(DownloaderRun::videoRun("https://www.youtube.com/watch?v=v1", user, password, {}, [&](const QByteArray& o) {
                     parsed = o;
                     userAtParse = user;
                 }),
                 0);
        QCOMPARE(parsed, QByteArray("{\"id\":\"v1\"}"));
        // The account the run took flows back, already when the output is parsed.
        QCOMPARE(user, QStringLiteral("bob"));
        QCOMPARE(password, QStringLiteral("pw"));
        QCOMPARE(userAtParse, QStringLiteral("bob"));
        QList<QJsonObject> log = fakeLog();
        QCOMPARE(log.size(), 2);
        QVERIFY(log.at(0)["config"].isNull());
        QVERIFY(log.at(1)["config"].toString().contains("'bob'"));
        QCOMPARE(accountRetryCount().loadAcquire(), 1);

        // A second login text after the repeat gives 3.
        QCOMPARE(videoRunWithoutAccount("https://www.youtube.com/watch?v=v2", {}, {}), 3);
        QCOMPARE(fakeLog().size(), 4);

        // After five login-needing videos every run starts with the account.
        accountRetryCount().storeRelease(5);
        setScript(QJsonObject{{"default", answer("{\"id\":\"v3\"}")}});
        user.clear();
        password.clear();
        QCOMPARE(DownloaderRun::videoRun("https://www.youtube.com/watch?v=v3", user, password, {}, {}), 0);
        QVERIFY(fakeLog().first()["config"].toString().contains("'bob'"));
        QCOMPARE(user, QStringLiteral("bob"));
        QCOMPARE(password, QStringLiteral("pw"));

        // An address on another host never gets the account, however like
        // the site's its name looks.
        setScript(QJsonObject{{"default", login}});
        for (const QString& other : {QStringLiteral("https://youtube.com.evil.example/watch?v=x"),
                                     QStringLiteral("https://www.youtube.com@evil.example/watch?v=x")}) {
            const int runsBefore = fakeLog().size();
            const int countBefore = accountRetryCount().loadAcquire();
            QCOMPARE(videoRunWithoutAccount(other, {}, {}), 3);
            QCOMPARE(fakeLog().size(), runsBefore + 1);
            QVERIFY(fakeLog().last()["config"].isNull());
            accountRetryCount().storeRelease(countBefore);
        }
        accountRetryCount().storeRelease(5);
        QString otherUser, otherPassword;
        QCOMPARE(DownloaderRun::videoRun("https://youtube.com.evil.example/watch?v=y", otherUser, otherPassword, {}, {}), 3);
        QVERIFY(fakeLog().last()["config"].isNull());
        QVERIFY(otherUser.isEmpty());

        // Cookie check: 1, and the count is given up.
        setScript(QJsonObject{{"default", answer("", "check_cookie_url", 1)}});
        accountRetryCount().storeRelease(2);
        QCOMPARE(videoRunWithoutAccount("c", {}, {}), 1);
        QCOMPARE(accountRetryCount().loadAcquire(), -1);

        setScript(QJsonObject{{"default", answer("", "ERROR: This video has been removed by the user", 1)}});
        QCOMPARE(videoRunWithoutAccount("r", {}, {}), 4);
        setScript(QJsonObject{{"default", answer("", "", 1)}});
        QCOMPARE(videoRunWithoutAccount("e", {}, {}), 9);
        QCOMPARE(fakeLog().size(), 1);
        Youtube::instance()->clearAccountInfo();
    }

    void stopEndsTheWholeTree()
    {
        QJsonObject sleeper = answer("partial", "", 0, 30);
        sleeper["grandchild"] = true;
        setScript(QJsonObject{{"default", sleeper}});
        std::atomic_bool stop{false};
        QElapsedTimer sinceStop;
        QFuture<int> run = QtConcurrent::run([&] {
            return videoRunWithoutAccount("slow", [&] { return stop.load(); }, {});
        });
        // Wait until the fake has started its grandchild.
        QTRY_VERIFY_WITH_TIMEOUT(fakeLog().size() == 1, 10000);
        const QJsonObject entry = fakeLog().first();
        const qint64 child = entry["pid"].toVariant().toLongLong();
        const qint64 grandchild = entry["grandchild"].toVariant().toLongLong();
        QVERIFY(grandchild > 0);
        QCOMPARE(entry["pgid"].toVariant().toLongLong(), child);   // its own group
        QVERIFY(pidAlive(grandchild));
        stop = true;
        sinceStop.start();
        run.waitForFinished();
        const qint64 took = sinceStop.elapsed();
        QCOMPARE(run.result(), int(YtbCancelled));
        qInfo() << "stop to end of tree:" << took << "ms";
        QVERIFY2(took <= 600, qPrintable(QString::number(took)));
        QVERIFY(!pidAlive(child));
        QVERIFY(!pidAlive(grandchild));
        QVERIFY(ProcessTree::groupMembers(child).isEmpty());
    }

    void stopDuringPageRun()
    {
        setScript(QJsonObject{{"default", answer("{}", "", 0, 30)}});
        std::atomic_bool stop{false};
        QFuture<int> run = QtConcurrent::run([&] {
            return DownloaderRun::pageRun("p", {}, {}, [&] { return stop.load(); }, [](const QByteArray&) { return true; });
        });
        QTRY_VERIFY_WITH_TIMEOUT(fakeLog().size() == 1, 10000);
        stop = true;
        run.waitForFinished();
        QCOMPARE(run.result(), int(YtbAnalyseFailed));
    }
};

QTEST_GUILESS_MAIN(TestDownloaderProgram)
#include "tst_downloaderprogram.moc"
