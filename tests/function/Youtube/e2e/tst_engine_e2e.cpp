// The whole engine through Youtube::instance(), with no window: the real
// downloader (Debian's yt-dlp through our launcher) and ffmpeg, against
// media this test makes and serves on 127.0.0.1.

#include "AvTestMedia.h"
#include "EngineTestEnv.h"
#include "LocalHttpServer.h"
#include "../QueuedSpy.h"

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/Downloader/DownloadThread.h"
#include "function/Youtube/private/Downloader/ItemDownloader.h"
#include "function/Youtube/private/YoutubePrivate.h"
#include "platform/ProcessTree.h"
#include "shell/SettingsStore.h"

#include <QtTest>

#include <memory>
#include <unistd.h>
#include <vector>

namespace {

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QStringList filesUnder(const QString& folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next();
    out.sort();
    return out;
}

// Our own children, which the engine starts each as the leader of a
// process group.
QList<qint64> childGroups()
{
    QList<qint64> out;
    const qint64 self = getpid();
    const QStringList entries = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& e : entries) {
        bool isPid = false;
        const qint64 pid = e.toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray s = f.readAll();
        const int close = s.lastIndexOf(')');
        if (close < 0)
            continue;
        const QList<QByteArray> fields = s.mid(close + 2).split(' ');
        if (fields.size() > 1 && fields.at(0) != "Z" && fields.at(1).toLongLong() == self)
            out << pid;
    }
    return out;
}

} // namespace

class TestEngineE2E : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_engine;
    QTemporaryDir m_output;
    LocalHttpServer m_server;

    QString url(const QString& path) const { return m_server.url(path).toString(); }
    Youtube* yt() const { return Youtube::instance(); }

    // Analyses a one-page address to its end; the row list of its items.
    void analyse(const QString& address, YoutubeList* items)
    {
        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        QCOMPARE(yt()->initAnalyser(address), YtbNoError);
        QVERIFY(finished.count() > 0 || finished.wait(90000));
        YoutubeList lists;
        yt()->lists(lists, 0, -1);
        QCOMPARE(lists.items.size(), 1);
        yt()->lists(*items, 0, 0);
    }

private slots:
    void initTestCase()
    {
        const QString missing = EngineTestEnv::missingRealTools();
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        for (const char* v : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            qunsetenv(v);
        QVERIFY(m_engine.isValid() && m_output.isValid());
        SettingsStore* s = SettingsStore::instance();
        s->setValue("youtube/path", SettingsStore::toStoredPath(m_engine.path()));
        s->setValue("youtube/download", SettingsStore::toStoredPath(m_output.path()));
        s->setValue("youtube/cookies", QString());
        s->setValue("proxy/enabled", QString());
        QVERIFY(DownloaderProgram::ensureLauncher());

        const QString dir = AvTestMedia::folder();
        QVERIFY(!AvTestMedia::siteClip("one").isEmpty());
        QVERIFY(!AvTestMedia::siteClip("two").isEmpty());
        QVERIFY(!AvTestMedia::webVtt("one.en.vtt", "Hello from the first clip").isEmpty());

        QVERIFY(m_server.start(true));
        m_server.serveFolder("/media", dir);
        m_server.addFile("/page1.html",
                         QStringLiteral("<!DOCTYPE html><html><head><title>First clip</title></head><body>"
                                        "<video controls><source src=\"%1\" type=\"video/mp4\">"
                                        "<track kind=\"subtitles\" srclang=\"en\" label=\"English\" src=\"%2\">"
                                        "</video></body></html>")
                             .arg(url("/media/one.mp4"), url("/media/one.en.vtt"))
                             .toUtf8(),
                         "text/html");
        m_server.addFile("/page2.html",
                         QStringLiteral("<!DOCTYPE html><html><head><title>Second clip</title></head><body>"
                                        "<video controls src=\"%1\"></video></body></html>")
                             .arg(url("/media/two.mp4"))
                             .toUtf8(),
                         "text/html");
        m_server.addFile("/plain.html", "<!DOCTYPE html><html><head><title>Nothing</title></head>"
                                        "<body><p>No media here.</p></body></html>", "text/html");
        m_server.addFile("/feed.xml",
                         QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>"
                                        "<title>Local feed</title><link>%1</link><description>two clips</description>"
                                        "<item><title>First clip</title><link>%2</link><guid>%2</guid></item>"
                                        "<item><title>Second clip</title><link>%3</link><guid>%3</guid></item>"
                                        "</channel></rss>\n")
                             .arg(url("/"), url("/page1.html"), url("/page2.html"))
                             .toUtf8(),
                         "application/rss+xml");

        // A large clip served slowly, for stopping downloads midway.
        LocalHttpServer::Route slow;
        slow.generatedBodySize = 64 * 1024 * 1024;
        slow.bytesPerSecond = 128 * 1024;
        slow.acceptRanges = true;
        slow.headers.append(LocalHttpServer::Header("Content-Type", "video/mp4"));
        m_server.addRoute("/slow/big.mp4", slow);
        m_server.addFile("/slowpage.html",
                         QStringLiteral("<!DOCTYPE html><html><head><title>Slow clip</title></head><body>"
                                        "<video controls src=\"%1\"></video></body></html>")
                             .arg(url("/slow/big.mp4"))
                             .toUtf8(),
                         "text/html");
    }

    void feedToFiles()
    {
        QSignalSpy info(yt(), &Youtube::doListInfoRefresh);
        YoutubeList items;
        analyse(url("/feed.xml"), &items);
        QCOMPARE(items.type, YtbItemsLevel);
        QCOMPARE(items.items.size(), 2);
        QVERIFY(items.items.at(0).title.startsWith("First clip"));
        QVERIFY(items.items.at(1).title.startsWith("Second clip"));
        QCOMPARE(items.items.at(0).checkState, 2);
        QCOMPARE(items.items.at(0).status, int(YtbNoError));

        YoutubeList formats;
        yt()->lists(formats, 1, 0);
        QCOMPARE(formats.type, YtbFormatsLevel);
        QVERIFY(!formats.items.isEmpty());

        // The subtitle languages of the first clip.
        yt()->searchSubtitles();
        auto languages = [&] {
            return info.isEmpty() ? QList<SubLang>() : info.last().at(0).value<YoutubeMediaListInfo>().subLangs;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!languages().isEmpty(), 60000);
        int en = -1;
        for (int i = 0; i < languages().size(); ++i)
            if (languages().at(i).name == QLatin1String("en"))
                en = i;
        QVERIFY2(en >= 0, "no \"en\" subtitle found");
        yt()->setSubLangChecked(en, true);

        const QList<DownloadItem> selected = yt()->selectedDownloadItems();
        QCOMPARE(selected.size(), 2);
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        QList<DownloadItem*> pointers;
        for (const DownloadItem& s : selected) {
            jobs.push_back(std::make_unique<DownloadItem>(s));
            pointers << jobs.back().get();
        }
        QVERIFY(jobs.at(0)->subtitles.contains("en"));
        QVERIFY(jobs.at(1)->subtitles.isEmpty());

        QSignalSpy done(yt(), &Youtube::doDownloadFinished);
        QVERIFY(yt()->startDownload(pointers));
        QVERIFY(done.wait(120000));
        QCOMPARE(done.count(), 1);
        QStringList succeeded = done.first().at(0).toStringList();
        succeeded.sort();
        QCOMPARE(succeeded.size(), 2);
        QVERIFY(succeeded.at(0).startsWith("First clip"));
        QVERIFY(succeeded.at(1).startsWith("Second clip"));
        QCOMPARE(done.first().at(1).toStringList(), QStringList());

        const QStringList files = filesUnder(m_output.path());
        QString first;
        QString second;
        for (const QString& f : files) {
            const QString name = QFileInfo(f).fileName();
            if (name.startsWith("First clip"))
                first = f;
            else if (name.startsWith("Second clip"))
                second = f;
        }
        QVERIFY2(!first.isEmpty() && !second.isEmpty(), qPrintable(files.join(", ")));
        const QStringList firstStreams = EngineTestEnv::ffprobe(first).codecTypes;
        QVERIFY2(firstStreams.contains("video") && firstStreams.contains("subtitle"), qPrintable(firstStreams.join(",")));
        const QStringList secondStreams = EngineTestEnv::ffprobe(second).codecTypes;
        QVERIFY2(secondStreams.contains("video") && !secondStreams.contains("subtitle"), qPrintable(secondStreams.join(",")));
    }

    void singleClipInOneRun()
    {
        // An interpreter in the engine folder is taken before the system's;
        // this one notes each run of the downloader and hands it on.
        const QString bin = m_engine.filePath("python/bin");
        const QString runs = m_engine.filePath("runs.txt");
        QVERIFY(QDir().mkpath(bin));
        writeFile(bin + "/python3",
                  QStringLiteral("#!/bin/sh\necho run >> '%1'\nexec /usr/bin/python3 \"$@\"\n").arg(runs).toUtf8());
        QVERIFY(QFile::setPermissions(bin + "/python3", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const auto cleanup = qScopeGuard([&] { QDir(m_engine.filePath("python")).removeRecursively(); });
        QVERIFY(DownloaderProgram::program().startsWith(bin));

        YoutubeList items;
        analyse(url("/page2.html"), &items);
        QCOMPARE(items.items.size(), 1);
        const YoutubeItem& item = items.items.first();
        QVERIFY(item.title.startsWith("Second clip"));
        QCOMPARE(item.status, int(YtbNoError));
        QCOMPARE(item.checkState, 2);
        YoutubeList formats;
        yt()->lists(formats, 1, 0);
        QVERIFY(!formats.items.isEmpty());
        QFile log(runs);
        QVERIFY(log.open(QIODevice::ReadOnly));
        // The page run printed the clip whole: no second run for it.
        QCOMPARE(log.readAll().count('\n'), 1);
    }

    void addressWithoutMedia()
    {
        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        QCOMPARE(yt()->initAnalyser(url("/plain.html")), YtbUnsupportedUrl);
        QCOMPARE(finished.count(), 0);   // queued: it follows the return
        QVERIFY(finished.wait(10000));
        QTest::qWait(100);
        QCOMPARE(finished.count(), 1);
    }

    void stopAllWaitsForEveryWorker()
    {
        YoutubeList items;
        analyse(url("/slowpage.html"), &items);
        QCOMPARE(items.items.size(), 1);
        const QList<DownloadItem> selected = yt()->selectedDownloadItems();
        QCOMPARE(selected.size(), 1);
        auto job = std::make_unique<DownloadItem>(selected.first());
        QueuedSpy progress(job.get(), &DownloadItem::doProgress);
        QVERIFY(yt()->startDownload({job.get()}));
        // The download is under way once the server has been asked for the clip.
        QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount("/slow/big.mp4") > 0, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!childGroups().isEmpty(), 10000);
        const QList<qint64> groups = childGroups();

        QElapsedTimer t;
        t.start();
        QVERIFY(yt()->stopAllDownloads(false, true));
        // Returned only after every worker ended, with its children.
        DownloadThread* downloads = yt()->privatePart()->downloads();
        for (ItemDownloader* w : downloads->workers())
            QVERIFY(!w->isRunning() && !w->isBusy());
        for (qint64 g : groups)
            QVERIFY2(!ProcessTree::groupAlive(g), qPrintable(QString::number(g)));
        QVERIFY(t.elapsed() < 15000);
    }
};

QTEST_GUILESS_MAIN(TestEngineE2E)
#include "tst_engine_e2e.moc"
