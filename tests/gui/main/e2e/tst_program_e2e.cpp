// The whole program, tried as a new user would: its own main with a small
// driver linked in, on a virtual display with a fresh HOME, the real
// downloader and ffmpeg against media this test makes and serves on
// 127.0.0.1, where every maker address points as well.

#include "AvTestMedia.h"
#include "EngineTestEnv.h"
#include "LocalHttpServer.h"
#include "XvfbMain.h"

#include "shell/SettingsStore.h"

#include <QtTest>
#include <csignal>
#include <memory>

// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.
static constexpr int kWaitMs = 120000;

namespace {

QString page(const QString& title, const QString& video, const QString& track = QString())
{
    QString body = QStringLiteral("<!DOCTYPE html><html><head><title>%1</title></head><body><video controls>"
                                  "<source src=\"%2\" type=\"video/mp4\">").arg(title, video);
    if (!track.isEmpty())
        body += QStringLiteral("<track kind=\"subtitles\" srclang=\"en\" label=\"English\" src=\"%1\">").arg(track);
    return body + QStringLiteral("</video></body></html>");
}

// The program with its driver, talked to line by line.
class Program
{
public:
    explicit Program(const QProcessEnvironment& env) { m_process.setProcessEnvironment(env); }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

    bool start()
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QStringLiteral(TW_DRIVER_PATH), QStringList());
        return m_process.waitForStarted(kWaitMs) && nextLine(kWaitMs) == QLatin1String("ready");
    }

    QString ask(const QString& command)
    {
        m_process.write(command.toUtf8() + '\n');
        m_process.waitForBytesWritten(5000);
        return nextLine(kWaitMs);
    }

    // Asks until the answer is expected (the program works meanwhile).
    bool waitFor(const QString& command, const QString& expected, int timeoutMs = kWaitMs)
    {
        QElapsedTimer t;
        t.start();
        QString last;
        while (!t.hasExpired(timeoutMs)) {
            last = ask(command);
            if (last == expected)
                return true;
            QTest::qWait(200);
        }
        qWarning() << command << "last answered" << last;
        return false;
    }

    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() != QProcess::NotRunning; }
    void killHard()
    {
        ::kill(pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished(kWaitMs);
    }
    bool endGently()
    {
        m_process.terminate();
        return m_process.waitForFinished(kWaitMs);
    }

private:
    QString nextLine(int timeoutMs)
    {
        QElapsedTimer t;
        t.start();
        for (;;) {
            const int end = m_buffer.indexOf('\n');
            if (end >= 0) {
                const QByteArray line = m_buffer.left(end);
                m_buffer.remove(0, end + 1);
                if (line.startsWith("driver: "))
                    return QString::fromUtf8(line.mid(8));
                continue;
            }
            if (t.hasExpired(timeoutMs) || m_process.state() == QProcess::NotRunning)
                return QStringLiteral("<no answer>");
            m_process.waitForReadyRead(100);
            m_buffer += m_process.readAllStandardOutput();
            m_process.readAllStandardError();
        }
    }

    QProcess m_process;
    QByteArray m_buffer;
};

} // namespace

class TstProgramE2E : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    LocalHttpServer m_server;
    QString m_output;
    QString m_media;

    QString home() const { return m_root.filePath(QStringLiteral("home")); }
    QString settingsFolder() const { return home() + QStringLiteral("/.local/share/Quenmark/Tarnwick"); }
    QString url(const QString& path) const { return m_server.url(path).toString(); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            env.remove(QLatin1String(v));
        env.insert(QStringLiteral("HOME"), home());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home() + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home() + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home() + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_root.filePath(QStringLiteral("run")));
        env.insert(QStringLiteral("TW_SERVICE_BASE"), m_server.baseUrl().toString());
        env.insert(QStringLiteral("TW_NO_POWEROFF"), QStringLiteral("1"));
        env.insert(QStringLiteral("TW_AUDIO_SINK"), QStringLiteral("null"));
        env.insert(QStringLiteral("LIBGL_ALWAYS_SOFTWARE"), QStringLiteral("1"));
        return env;
    }

    QJsonArray stored() const
    {
        QFile f(home() + QStringLiteral("/.local/share/Quenmark/Tarnwick/youtube/downloading.json"));
        if (!f.open(QIODevice::ReadOnly)) {
            // The engine folder is wherever the engine keeps it under HOME.
            QDirIterator it(home(), {QStringLiteral("downloading.json")}, QDir::Files, QDirIterator::Subdirectories);
            if (!it.hasNext())
                return {};
            f.setFileName(it.next());
            if (!f.open(QIODevice::ReadOnly))
                return {};
        }
        return QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("Downloadings")).toArray();
    }

    QStringList storedTitles() const
    {
        QStringList t;
        for (const QJsonValue& v : stored())
            t << v.toObject().value(QStringLiteral("title")).toString();
        return t;
    }

    QStringList outputFiles() const
    {
        QStringList out;
        QDirIterator it(m_output, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            out << it.next();
        out.sort();
        return out;
    }

    // Opens the URL window, pastes address, analyses, ticks everything
    // (and English when asked) and adds.
    void addAddress(Program& p, const QString& address, bool english)
    {
        QCOMPARE(p.ask(QStringLiteral("clipboard ") + address), QStringLiteral("ok"));
        QCOMPARE(p.ask(QStringLiteral("click menuBtn_addVideo")), QStringLiteral("ok"));
        QVERIFY(p.waitFor(QStringLiteral("prop btn_paste visible"), QStringLiteral("prop true")));
        QCOMPARE(p.ask(QStringLiteral("click btn_paste")), QStringLiteral("ok"));
        QVERIFY(p.waitFor(QStringLiteral("prop btn_doneAll visible"), QStringLiteral("prop true")));
        QVERIFY(p.waitFor(QStringLiteral("prop btnAnalyseOrStop checked"), QStringLiteral("prop false")));
        if (english) {
            QCOMPARE(p.ask(QStringLiteral("click btn_search")), QStringLiteral("ok"));
            QVERIFY(p.waitFor(QStringLiteral("clicklabel English"), QStringLiteral("ok")));
        }
        QCOMPARE(p.ask(QStringLiteral("click btn_doneAll")), QStringLiteral("ok"));
        QVERIFY(p.waitFor(QStringLiteral("prop btn_paste visible"), QStringLiteral("missing")));
    }

private slots:
    void initTestCase()
    {
        const QString missing = EngineTestEnv::missingRealTools();
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        QVERIFY(m_root.isValid());
        for (const char* d : {"home/.config", "home/.local/share", "home/.cache", "run", "output", "media"})
            QDir().mkpath(m_root.filePath(QLatin1String(d)));
        QFile::setPermissions(m_root.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_output = m_root.filePath(QStringLiteral("output"));
        m_media = m_root.filePath(QStringLiteral("media"));

        const QString clip = AvTestMedia::h264Aac();
        QVERIFY(!clip.isEmpty());
        for (const char* name : {"one.mp4", "two.mp4", "three.mp4"})
            QVERIFY(QFile::copy(clip, m_media + QLatin1Char('/') + QLatin1String(name)));
        QVERIFY(QFile::copy(AvTestMedia::englishWebVtt(), m_media + QStringLiteral("/one.en.vtt")));

        QVERIFY(m_server.start(true));
        m_server.serveFolder(QStringLiteral("/media"), m_media);
        m_server.addFile(QStringLiteral("/page1.html"),
                         page(QStringLiteral("First clip"), url("/media/one.mp4"), url("/media/one.en.vtt")).toUtf8(),
                         "text/html");
        m_server.addFile(QStringLiteral("/page2.html"), page(QStringLiteral("Second clip"), url("/media/two.mp4")).toUtf8(),
                         "text/html");
        m_server.addFile(QStringLiteral("/page3.html"), page(QStringLiteral("Third clip"), url("/media/three.mp4")).toUtf8(),
                         "text/html");
        m_server.addFile(QStringLiteral("/feed.xml"),
                         QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>"
                                        "<title>Local feed</title><link>%1</link><description>three clips</description>"
                                        "<item><title>First clip</title><link>%2</link><guid>%2</guid></item>"
                                        "<item><title>Second clip</title><link>%3</link><guid>%3</guid></item>"
                                        "<item><title>Third clip</title><link>%4</link><guid>%4</guid></item>"
                                        "</channel></rss>\n")
                             .arg(url("/"), url("/page1.html"), url("/page2.html"), url("/page3.html"))
                             .toUtf8(),
                         "application/rss+xml");
        // The engine description is not there (404): no pack update.
        LocalHttpServer::Route slow;
        slow.generatedBodySize = 4 * 1024 * 1024;
        slow.bytesPerSecond = 48 * 1024;
        slow.acceptRanges = true;
        slow.headers.append(LocalHttpServer::Header("Content-Type", "video/mp4"));
        m_server.addRoute(QStringLiteral("/slow/big.mp4"), slow);
        m_server.addFile(QStringLiteral("/slowpage.html"), page(QStringLiteral("Slow clip"), url("/slow/big.mp4")).toUtf8(),
                         "text/html");

        SettingsStore store(settingsFolder(), false);
        store.setValue(QStringLiteral("youtube/download"), SettingsStore::toStoredPath(m_output));
        store.setValue(QStringLiteral("base/language"), QStringLiteral("en"));
        store.setValue(QStringLiteral("base/AdCheckDate"), QDate::currentDate().toString(QStringLiteral("yyyy MM dd")));
    }

    void newUserFirstDownload()
    {
        {
            Program p(environment());
            QVERIFY(p.start());
            QCOMPARE(p.ask(QStringLiteral("rows")), QStringLiteral("rows "));

            addAddress(p, url("/feed.xml"), true);
            QTRY_VERIFY_WITH_TIMEOUT(p.ask(QStringLiteral("rows")).count(QLatin1Char(';')) == 2, kWaitMs);
            QStringList titles = storedTitles();
            QCOMPARE(titles.size(), 3);

            // The third clip is gone from the site; download all.
            QVERIFY(QFile::remove(m_media + QStringLiteral("/three.mp4")));
            QCOMPARE(p.ask(QStringLiteral("click btn_dowloadAll")), QStringLiteral("ok"));
            QString dialog;
            QElapsedTimer t;
            t.start();
            while (!t.hasExpired(kWaitMs)) {
                dialog = p.ask(QStringLiteral("dialog"));
                if (dialog.startsWith(QLatin1String("dialog FileListDialog")))
                    break;
                QTest::qWait(300);
            }
            QVERIFY2(dialog.startsWith(QLatin1String("dialog FileListDialog")), qPrintable(dialog));
            QVERIFY2(dialog.contains(QLatin1String("Third clip")), qPrintable(dialog));
            QVERIFY2(!dialog.contains(QLatin1String("First clip")), qPrintable(dialog));
            QCOMPARE(p.ask(QStringLiteral("click btn_close")), QStringLiteral("ok"));
            QVERIFY(p.waitFor(QStringLiteral("dialog"), QStringLiteral("dialog none")));

            const QStringList files = outputFiles();
            QCOMPARE(files.size(), 2);
            int withSubtitle = 0;
            for (const QString& f : files) {
                const QStringList streams = EngineTestEnv::ffprobe(f).codecTypes;
                QVERIFY2(streams.contains(QLatin1String("video")), qPrintable(f + QLatin1Char(' ') + streams.join(',')));
                if (streams.contains(QLatin1String("subtitle"))) {
                    ++withSubtitle;
                    QVERIFY(QFileInfo(f).fileName().startsWith(QLatin1String("First clip")));
                }
            }
            QCOMPARE(withSubtitle, 1);
            // The finished batch opened its output folder once (the setting's default).
            const QString folders = p.ask(QStringLiteral("folders"));
            QVERIFY2(folders.startsWith(QStringLiteral("folders ") + QDir(m_output).absolutePath())
                         && !folders.contains(QLatin1Char(';')), qPrintable(folders));
            titles = storedTitles();
            QCOMPARE(titles.size(), 1);
            QVERIFY(titles.first().startsWith(QLatin1String("Third clip")));

            // A throttled clip; killed once its progress is stored.
            addAddress(p, url("/slowpage.html"), false);
            QTRY_VERIFY_WITH_TIMEOUT(p.ask(QStringLiteral("rows")).count(QLatin1Char(';')) == 3, kWaitMs);
            QCOMPARE(p.ask(QStringLiteral("click btn_dowloadAll")), QStringLiteral("ok"));
            auto slowProgress = [this] {
                for (const QJsonValue& v : stored())
                    if (v.toObject().value(QStringLiteral("title")).toString().startsWith(QLatin1String("Slow clip")))
                        return v.toObject().value(QStringLiteral("progress")).toInt();
                return -1;
            };
            QTRY_VERIFY_WITH_TIMEOUT(slowProgress() > 0, kWaitMs);
            p.killHard();
        }
        // Nothing the killed program started keeps running.
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({home()}).isEmpty(), kWaitMs);
        int storedProgress = 0;
        for (const QJsonValue& v : stored())
            if (v.toObject().value(QStringLiteral("title")).toString().startsWith(QLatin1String("Slow clip")))
                storedProgress = v.toObject().value(QStringLiteral("progress")).toInt();
        QVERIFY(storedProgress > 0);

        // The route is fast now; the restarted program goes on.
        LocalHttpServer::Route fast;
        fast.generatedBodySize = 4 * 1024 * 1024;
        fast.acceptRanges = true;
        fast.headers.append(LocalHttpServer::Header("Content-Type", "video/mp4"));
        m_server.addRoute(QStringLiteral("/slow/big.mp4"), fast);
        Program again(environment());
        QVERIFY(again.start());
        const QString rows = again.ask(QStringLiteral("rows"));
        const QStringList list = rows.mid(5).split(QLatin1Char(';'));
        QCOMPARE(list.size(), 2);
        QVERIFY2(list.at(0).startsWith(QLatin1String("Third clip")), qPrintable(rows));
        QVERIFY2(list.at(1).startsWith(QLatin1String("Slow clip")), qPrintable(rows));
        QCOMPARE(list.at(1).section(QLatin1Char('|'), 1, 1).toInt(), storedProgress);

        const int before = m_server.requestCount(QStringLiteral("/slow/big.mp4"));
        QCOMPARE(again.ask(QStringLiteral("click btn_dowloadAll")), QStringLiteral("ok"));
        // The third clip fails again: its dialog is closed as it comes.
        QElapsedTimer t;
        t.start();
        bool slowDone = false;
        while (!t.hasExpired(kWaitMs) && !slowDone) {
            const QString d = again.ask(QStringLiteral("dialog"));
            if (d.startsWith(QLatin1String("dialog FileListDialog")))
                again.ask(QStringLiteral("click btn_close"));
            for (const QString& f : outputFiles())
                if (QFileInfo(f).fileName().startsWith(QLatin1String("Slow clip")) && QFileInfo(f).size() == 4 * 1024 * 1024)
                    slowDone = true;
            QTest::qWait(300);
        }
        QVERIFY2(slowDone, qPrintable(outputFiles().join(QLatin1Char(','))));
        // It went on from the kept part: the server was asked for the rest.
        bool ranged = false;
        const QList<LocalHttpServer::Request> requests = m_server.requests();
        for (int i = 0; i < requests.size(); ++i) {
            const LocalHttpServer::Request& r = requests.at(i);
            if (r.path == QLatin1String("/slow/big.mp4") && r.header("Range").startsWith("bytes=")
                && !r.header("Range").startsWith("bytes=0-"))
                ranged = true;
        }
        QVERIFY(ranged);
        QVERIFY(m_server.requestCount(QStringLiteral("/slow/big.mp4")) > before);
        QVERIFY(again.endGently());
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({home()}).isEmpty(), kWaitMs);
    }
};

TW_XVFB_TEST_MAIN(TstProgramE2E)
#include "tst_program_e2e.moc"
