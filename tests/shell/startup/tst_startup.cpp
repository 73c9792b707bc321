#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <unistd.h>

namespace {

// One installation of the program with its own home folders: the program
// (a hard link to the probe build), the chosen translations beside it.
class Installation
{
public:
    explicit Installation(const QStringList& translations = {QStringLiteral("en")})
        : m_root(qEnvironmentVariable("TW_BINARY_DIR", QDir::tempPath()) + QStringLiteral("/startup-XXXXXX"))
    {
        QDir().mkpath(binDir() + QStringLiteral("/translation"));
        for (const char* d : {"home", "home/.config", "home/.local/share", "home/.cache", "run"})
            QDir().mkpath(m_root.filePath(QLatin1String(d)));
        QFile::setPermissions(m_root.filePath(QStringLiteral("run")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString program = programPath();
        if (::link(TW_PROBE_PATH, QFile::encodeName(program).constData()) != 0)
            QFile::copy(QStringLiteral(TW_PROBE_PATH), program);
        for (const QString& code : translations)
            QFile::copy(QStringLiteral(TW_QM_DIR "/%1.qm").arg(code),
                        binDir() + QStringLiteral("/translation/%1.qm").arg(code));
    }

    bool isValid() const { return m_root.isValid() && QFile::exists(programPath()); }
    QString binDir() const { return m_root.filePath(QStringLiteral("bin")); }
    QString programPath() const { return binDir() + QStringLiteral("/tarnwick"); }
    QString powerOffLog() const { return m_root.filePath(QStringLiteral("poweroff.log")); }
    QString settingsFolder() const
    {
        return m_root.filePath(QStringLiteral("home/.local/share/Quenmark/Tarnwick"));
    }

    QProcessEnvironment environment(const QByteArray& action) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_root.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_root.filePath(QStringLiteral("home/.config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_root.filePath(QStringLiteral("home/.local/share")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), m_root.filePath(QStringLiteral("home/.cache")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_root.filePath(QStringLiteral("run")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TW_NO_POWEROFF"), QStringLiteral("1"));
        // The version check asks a closed local port instead of the maker.
        env.insert(QStringLiteral("TW_SERVICE_BASE"), QStringLiteral("http://127.0.0.1:9"));
        env.insert(QStringLiteral("TW_PROBE_POWEROFF_LOG"), powerOffLog());
        env.insert(QStringLiteral("TW_PROBE_ACTION"), QString::fromLatin1(action));
        return env;
    }

    std::unique_ptr<QProcess> start(const QStringList& args, const QByteArray& action = QByteArray()) const
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(environment(action));
        p->setProcessChannelMode(QProcess::SeparateChannels);
        p->start(programPath(), args);
        return p;
    }

    // Runs the program to its end; returns its exit code (-2 when it hung).
    int run(const QStringList& args, const QByteArray& action, QByteArray* output = nullptr) const
    {
        auto p = start(args, action);
        if (!p->waitForFinished(30000)) {
            p->kill();
            p->waitForFinished();
            return -2;
        }
        if (output)
            *output = p->readAllStandardOutput();
        return p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -3;
    }

    QString setting(const QString& key) const
    {
        SettingsStore store(settingsFolder(), false);
        return store.value(key);
    }
    void setSetting(const QString& key, const QString& value) const
    {
        SettingsStore store(settingsFolder(), false);
        store.setValue(key, value);
    }

private:
    QTemporaryDir m_root;
};

// Waits until the process has written a line containing needle.
bool waitForOutput(QProcess& p, const QByteArray& needle, QByteArray& seen, int timeoutMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!seen.contains(needle)) {
        if (timer.hasExpired(timeoutMs) || p.state() == QProcess::NotRunning)
            return false;
        p.waitForReadyRead(200);
        seen += p.readAllStandardOutput();
    }
    return true;
}

int terminate(QProcess& p)
{
    p.terminate();   // SIGTERM
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return -2;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -3;
}

}

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceIsRefusedAndSigtermEndsTheLoopCleanly()
    {
        Installation inst;
        QVERIFY(inst.isValid());
        auto first = inst.start({});
        QByteArray out;
        QVERIFY2(waitForOutput(*first, "probe: ready\n", out), out.constData());
        QVERIFY(out.contains("windows=MainWindow"));
        // Every window on screen is named after the program, not the form.
        const int at = out.indexOf("probe: titles=");
        QVERIFY(at >= 0);
        const QByteArray titles = out.mid(at + 14, out.indexOf('\n', at) - at - 14);
        QVERIFY(!titles.isEmpty());
        for (const QByteArray& title : titles.split('|'))
            QCOMPARE(title, QByteArray("Tarnwick"));
        QCOMPARE(inst.setting(QStringLiteral("special/workingProperly")), QStringLiteral("false"));
        QCOMPARE(inst.setting(QStringLiteral("setting/shutdown")), QStringLiteral("false"));
        const QString logBefore = inst.settingsFolder() + QStringLiteral("/log.txt");
        // The window's version check has answered and written its lines, and
        // the readiness step that follows both has run.
        auto logText = [&] {
            QFile f(logBefore);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(logText().contains("ddddddddd") && logText().contains("promotion step"), 30000);
        const qint64 logSize = QFileInfo(logBefore).size();

        QByteArray secondOut;
        QCOMPARE(inst.run({}, "quit", &secondOut), 255);
        QVERIFY(!secondOut.contains("event loop running"));
        // The refused start leaves the running instance's log alone.
        QVERIFY2(QFileInfo(logBefore).size() == logSize, logText().mid(logSize).constData());

        QCOMPARE(terminate(*first), 0);
        QCOMPARE(inst.setting(QStringLiteral("special/workingProperly")), QStringLiteral("true"));
        QVERIFY(!QFile::exists(inst.powerOffLog()));
    }

    void mediaLibrariesOpenOnlyAfterTheWindow()
    {
#ifndef TW_LAZY_MEDIA
        QSKIP("the media libraries are linked as usual in this build");
#else
        // Not while the program starts; on their own thread soon after.
        Installation inst;
        QVERIFY(inst.isValid());
        QByteArray out;
        QCOMPARE(inst.run({}, "media", &out), 0);
        QVERIFY2(out.contains("probe: media=0\n"), out.constData());
        QVERIFY2(out.contains("probe: media loaded\n"), out.constData());
#endif
    }

    void leftoversOfKilledSavesGoOnceTheLockIsHeld()
    {
        Installation inst;
        QVERIFY(inst.isValid());
        QCOMPARE(inst.run({}, "quit"), 0);     // makes the settings
        // The engine's folder, where "downloading.json" and "AP" are saved.
        const QString engine = SettingsStore::fromStoredPath(inst.setting(QStringLiteral("youtube/path")));
        QVERIFY(QFileInfo(engine).isDir());
        const QString settings = inst.settingsFolder();
        const QStringList leftovers{settings + "/config.ini.aB3xYz", engine + "/downloading.json.Qw12Er",
                                    engine + "/AP.000000"};
        const QStringList kept{settings + "/config.ini.bak", settings + "/notes.aB3xYz", engine + "/AP.aB3xYz7",
                               engine + "/downloading.json", engine + "/other.json.Qw12Er"};
        for (const QString& path : leftovers + kept) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }

        // A start refused by the running instance must not take the files
        // that instance may be saving right now.
        auto first = inst.start({});
        QByteArray out;
        QVERIFY2(waitForOutput(*first, "probe: ready\n", out), out.constData());
        for (const QString& path : leftovers)
            QVERIFY2(!QFile::exists(path), qPrintable(path));
        for (const QString& path : leftovers) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(inst.run({}, "quit"), 255);
        for (const QString& path : leftovers)
            QVERIFY2(QFile::exists(path), qPrintable(path));
        QCOMPARE(terminate(*first), 0);

        QCOMPARE(inst.run({}, "quit"), 0);
        for (const QString& path : leftovers)
            QVERIFY2(!QFile::exists(path), qPrintable(path));
        for (const QString& path : kept)
            QVERIFY2(QFile::exists(path), qPrintable(path));
    }

    void restartStartsBesideTheEndingInstanceAndKeepsTheLock()
    {
        Installation inst;
        QVERIFY(inst.isValid());
        auto old = inst.start({});
        QByteArray out;
        QVERIFY2(waitForOutput(*old, "probe: ready\n", out), out.constData());

        auto restarted = inst.start({QStringLiteral("judge"), QStringLiteral("restart")});
        QByteArray out2;
        QVERIFY2(waitForOutput(*restarted, "probe: ready\n", out2), out2.constData());

        QCOMPARE(terminate(*old), 0);
        QCOMPARE(inst.run({}, "quit"), 255);
        QCOMPARE(terminate(*restarted), 0);
        // With both gone, a plain start runs again.
        QCOMPARE(inst.run({}, "quit"), 0);
    }

    void levelWords_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("windows");
        QTest::newRow("no arguments") << QStringList() << QByteArray("windows=MainWindow");
        QTest::newRow("judge") << QStringList{QStringLiteral("judge")} << QByteArray("windows=MainWindow");
        QTest::newRow("capital Crash is normal mode") << QStringList{QStringLiteral("Crash")}
                                                      << QByteArray("windows=MainWindow");
        QTest::newRow("crash") << QStringList{QStringLiteral("crash")} << QByteArray("windows=ErrorDialog");
    }
    void levelWords()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, windows);
        Installation inst;
        QVERIFY(inst.isValid());
        QByteArray out;
        QCOMPARE(inst.run(args, "quit", &out), 0);
        QVERIFY2(out.contains(windows + "\n"), out.constData());
    }

    void crashModeShowsOnlyTheFilesThatExist()
    {
        Installation inst;
        QVERIFY(inst.isValid());
        QCOMPARE(inst.run({}, "quit"), 0);   // makes the settings and a log
        const QString folder = inst.settingsFolder();
        QFile dump(folder + QStringLiteral("/Error File.dmp"));
        QVERIFY(dump.open(QIODevice::WriteOnly));
        dump.write("dump");
        dump.close();
        QVERIFY(!QFile::exists(folder + QStringLiteral("/Error File.zip")));

        QByteArray out;
        QCOMPARE(inst.run({QStringLiteral("crash")}, "rows", &out), 0);
        QVERIFY2(out.contains("rows log=1 dump=1 zip=0"), out.constData());
        // The crash report runs beside a running instance: no instance test.
        auto running = inst.start({});
        QByteArray seen;
        QVERIFY(waitForOutput(*running, "probe: ready\n", seen));
        QCOMPARE(inst.run({QStringLiteral("crash")}, "quit"), 0);
        QCOMPARE(terminate(*running), 0);
    }

    void crashModeEndsWithZero_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<bool>("mails");
        QTest::newRow("done") << QByteArray("btn_doen") << false;
        QTest::newRow("close") << QByteArray("btn_close") << false;
        QTest::newRow("open mailbox") << QByteArray("btn_mailbox") << true;
        QTest::newRow("tip link") << QByteArray("tip") << true;
    }
    void crashModeEndsWithZero()
    {
        QFETCH(QByteArray, control);
        QFETCH(bool, mails);
        Installation inst;
        QVERIFY(inst.isValid());
        QByteArray out;
        QCOMPARE(inst.run({QStringLiteral("crash")}, "press:" + control, &out), 0);
        QVERIFY2(out.contains("probe: report window gui=1 modal=0\n"), out.constData());
        QCOMPARE(out.count("probe: mail mailto:"), mails ? 1 : 0);
    }

    // A fatal error shows the report window on the GUI thread, also when a
    // worker reports it, and the program's loop ends with -1.
    void fatalErrorEndsTheLoopWithMinusOne_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::newRow("GUI thread") << QByteArray("fatal");
        QTest::newRow("worker") << QByteArray("fatal-worker");
    }
    void fatalErrorEndsTheLoopWithMinusOne()
    {
        QFETCH(QByteArray, action);
        Installation inst;
        QVERIFY(inst.isValid());
        QByteArray out;
        QCOMPARE(inst.run({}, action, &out), 255);
        QVERIFY2(out.contains("probe: report window gui=1 modal=1\n"), out.constData());
        if (action == "fatal-worker") {
            // The worker went on without waiting for anybody to answer.
            QVERIFY2(out.contains("probe: worker returned\n"), out.constData());
        } else {
            QVERIFY2(out.contains("probe: fatal returned\n"), out.constData());
        }
        QVERIFY(!out.contains("probe: mail"));
    }

    void translations_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("french") << QStringList{"en", "fr"} << "fr" << QByteArray("tr=Terminé");
        QTest::newRow("french file missing") << QStringList{"en"} << "fr" << QByteArray("tr=Done");
        QTest::newRow("english only") << QStringList{"en", "fr"} << "en" << QByteArray("tr=Done");
        QTest::newRow("no files at all") << QStringList() << "de" << QByteArray("tr=Done");
    }
    void translations()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, language);
        QFETCH(QByteArray, expected);
        Installation inst(installed);
        QVERIFY(inst.isValid());
        QCOMPARE(inst.run({}, "quit"), 0);
        inst.setSetting(QStringLiteral("base/language"), language);
        QByteArray out;
        QCOMPARE(inst.run({}, "tr", &out), 0);
        QVERIFY2(out.contains(expected + "\n"), out.constData());
    }

    void shutdownFlagPowersOffOnceAfterTheLoop()
    {
        Installation inst;
        QVERIFY(inst.isValid());
        QCOMPARE(inst.run({}, "shutdown"), 0);
        QFile log(inst.powerOffLog());
        QVERIFY(log.open(QIODevice::ReadOnly));
        // Once, with the application object still there and the loop over.
        QCOMPARE(log.readAll(), QByteArray("poweroff app=1 working=true\n"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
