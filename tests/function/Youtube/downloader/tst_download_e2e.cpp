#include "EngineTestEnv.h"

#include "LocalHttpServer.h"
#include "../QueuedSpy.h"
#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Downloader/DownloadThread.h"
#include "function/Youtube/private/Downloader/DownloadingStore.h"
#include "function/Youtube/private/Downloader/ItemDownloader.h"

#include <QElapsedTimer>
#include <QtTest>
#include <atomic>
#include <memory>
#include <vector>

// Waits for child processes are generous: the tests run in parallel on a
// loaded machine, and a wait ends as soon as its condition holds.
static constexpr int kWaitMs = 20000;

// Real downloads: Debian's yt-dlp and ffmpeg against media the test makes
// and serves on 127.0.0.1.
class TstDownloadE2E : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    QString m_media;
    LocalHttpServer m_server;
    QElapsedTimer m_liveClock;
    QByteArray m_bigFile;

    std::unique_ptr<DownloadItem> dashJob(const QString& title, const QString& path, const QString& tarExt)
    {
        auto job = std::make_unique<DownloadItem>();
        job->title = title;
        job->url = m_server.url(path).toString();
        DownloadMedia m;
        m.formatID = QStringLiteral("0");
        m.attachedFormatID = QStringLiteral("1");
        m.attachedExt = QStringLiteral("m4a");
        m.srcExt = QStringLiteral("mp4");
        m.tarExt = tarExt;
        m.fileSize = QStringLiteral("90.00KB");
        job->medias.append(m);
        job->setChosenMediaIndex(0);
        return job;
    }

    std::unique_ptr<DownloadItem> fileJob(const QString& title, const QString& path)
    {
        auto job = std::make_unique<DownloadItem>();
        job->title = title;
        job->url = m_server.url(path).toString();
        DownloadMedia m;
        m.formatID = QStringLiteral("mp4");
        m.srcExt = QStringLiteral("mp4");
        m.tarExt = QStringLiteral("mp4");
        m.fileSize = QStringLiteral("1.00MB");
        job->medias.append(m);
        job->setChosenMediaIndex(0);
        return job;
    }

    void noLeftovers()
    {
        QTRY_VERIFY2(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(),
                     qPrintable(EngineTestEnv::leftoverProcesses({m_root.path()}).join(QLatin1Char('\n'))));
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo(QStringLiteral("/usr/bin/ffmpeg")).isExecutable())
            QSKIP("no ffmpeg");
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        EngineTestEnv::useRealDownloader(m_f);
        m_media = QDir(m_root.path()).filePath(QStringLiteral("media"));
        QDir().mkpath(m_media + QStringLiteral("/dash"));
        QDir().mkpath(m_media + QStringLiteral("/live"));

        // Two DASH streams, video and audio, with an English subtitle beside.
        QVERIFY(EngineTestEnv::ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=15", "-f", "lavfi", "-i",
                                       "sine=frequency=440:sample_rate=44100", "-t", "4", "-map", "0:v", "-map", "1:a",
                                       "-c:v", "libx264", "-preset", "ultrafast", "-g", "15", "-c:a", "aac", "-b:a",
                                       "64k", "-f", "dash", "-seg_duration", "2", "out.mpd"},
                                      m_media + QStringLiteral("/dash")));
        QFile vtt(m_media + QStringLiteral("/dash/en.vtt"));
        QVERIFY(vtt.open(QIODevice::WriteOnly));
        vtt.write("WEBVTT\n\n00:00:00.000 --> 00:00:02.000\nHello\n");
        vtt.close();
        QFile page(m_media + QStringLiteral("/dash/page.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Dash page</title></head><body><video controls>"
                   "<source src=\"out.mpd\" type=\"application/dash+xml\">"
                   "<track kind=\"subtitles\" srclang=\"en\" label=\"English\" src=\"en.vtt\"></video></body></html>");
        page.close();

        // A single file for the throttled download.
        QVERIFY(EngineTestEnv::ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-t", "6", "-c:v",
                                       "libx264", "-preset", "ultrafast", "-b:v", "400k", "big.mp4"},
                                      m_media));
        QFile big(m_media + QStringLiteral("/big.mp4"));
        QVERIFY(big.open(QIODevice::ReadOnly));
        m_bigFile = big.readAll();
        QVERIFY(m_bigFile.size() > 100000);

        // Twenty one-second segments of a live stream.
        QVERIFY(EngineTestEnv::ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=15", "-f", "lavfi", "-i",
                                       "sine=frequency=300", "-t", "20", "-c:v", "libx264", "-preset", "ultrafast",
                                       "-g", "15", "-c:a", "aac", "-f", "hls", "-hls_time", "1", "-hls_list_size", "0",
                                       "-hls_segment_filename", "seg%03d.ts", "full.m3u8"},
                                      m_media + QStringLiteral("/live")));

        QVERIFY(m_server.start(true));
        m_server.serveFolder(QStringLiteral("/dash"), m_media + QStringLiteral("/dash"));
        m_server.serveFolder(QStringLiteral("/live"), m_media + QStringLiteral("/live"));
        // The live playlist: a window that grows by two segments a second.
        m_server.addHandler(QStringLiteral("/stream/live.m3u8"), [this](const LocalHttpServer::Request&) {
            if (!m_liveClock.isValid())
                m_liveClock.start();
            const int available = qMin(20, 4 + int(m_liveClock.elapsed() / 500));
            const int first = qMax(0, available - 6);
            QByteArray text = "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:1\n#EXT-X-MEDIA-SEQUENCE:"
                              + QByteArray::number(first) + "\n";
            for (int i = first; i < available; ++i)
                text += "#EXTINF:1.000000,\n/live/seg" + QByteArray::number(i).rightJustified(3, '0') + ".ts\n";
            LocalHttpServer::Route r;
            r.headers.append(LocalHttpServer::Header("Content-Type", "application/vnd.apple.mpegurl"));
            r.body = text;
            return r;
        });
    }

    void cleanup()
    {
        noLeftovers();
    }

    void cleanupTestCase()
    {
        m_server.stop();
        noLeftovers();
    }

    // Two streams merged, and the same with a subtitle into mkv, which the
    // downloader names "temp.mp4.mkv": one batch through the dispatcher.
    void mergedStreams()
    {
        auto plain = dashJob(QStringLiteral("Merged plain"), QStringLiteral("/dash/out.mpd"), QStringLiteral("mp4"));
        auto withSubs = dashJob(QStringLiteral("Merged with subtitles"), QStringLiteral("/dash/page.html"),
                                QStringLiteral("mkv"));
        withSubs->subtitles = QStringList{QStringLiteral("en")};
        QueuedSpy progress(plain.get(), &DownloadItem::doProgress);

        DownloadThread dt;
        QueuedSpy report(&dt, &DownloadThread::doDownloadFinished);
        QVERIFY(dt.add({plain.get(), withSubs.get()}));
        QTRY_COMPARE_WITH_TIMEOUT(report.count(), 1, 90000);
        QCOMPARE(plain->resultSafe(), 0);
        QCOMPARE(withSubs->resultSafe(), 0);
        QStringList ok = report.first().at(0).toStringList();
        ok.sort();
        QCOMPARE(ok, (QStringList{"Merged plain", "Merged with subtitles"}));
        QVERIFY(report.first().at(1).toStringList().isEmpty());

        const QString mp4 = QDir(m_f.video).filePath(QStringLiteral("Merged plain.mp4"));
        const EngineTestEnv::Probe a = EngineTestEnv::ffprobe(mp4);
        QVERIFY2(a.ok, qPrintable(mp4));
        QVERIFY(a.codecTypes.contains(QStringLiteral("video")));
        QVERIFY(a.codecTypes.contains(QStringLiteral("audio")));
        QVERIFY(a.duration > 3.5);
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), kWaitMs);
        QCOMPARE(progress.last().at(0).toInt(), 100);
        for (int i = 1; i < progress.size() - 1; ++i)
            QVERIFY(progress.at(i).at(0).toInt() >= progress.at(i - 1).at(0).toInt());

        const QString mkv = QDir(m_f.video).filePath(QStringLiteral("Merged with subtitles.mkv"));
        const EngineTestEnv::Probe b = EngineTestEnv::ffprobe(mkv);
        QVERIFY2(b.ok, qPrintable(mkv));
        QVERIFY(b.codecTypes.contains(QStringLiteral("video")));
        QVERIFY(b.codecTypes.contains(QStringLiteral("audio")));
        QVERIFY(b.codecTypes.contains(QStringLiteral("subtitle")));
        QVERIFY(QDir(m_f.video).entryList(QStringList{QStringLiteral("temp_*")}, QDir::Dirs).isEmpty());
    }

    // A stop during a throttled download gives 2 and keeps the temp folder;
    // the next run completes the file.
    void stopAndRestart()
    {
        LocalHttpServer::Route slow;
        slow.headers.append(LocalHttpServer::Header("Content-Type", "video/mp4"));
        slow.body = m_bigFile;
        slow.acceptRanges = true;
        slow.bytesPerSecond = 40000;
        m_server.addRoute(QStringLiteral("/files/big.mp4"), slow);

        auto job = std::make_unique<DownloadItem>();
        job->title = QStringLiteral("Big file");
        job->url = m_server.url(QStringLiteral("/files/big.mp4")).toString();
        DownloadMedia m;
        m.formatID = QStringLiteral("mp4");
        m.srcExt = QStringLiteral("mp4");
        m.tarExt = QStringLiteral("mp4");
        m.fileSize = QStringLiteral("1.00MB");
        job->medias.append(m);
        job->setChosenMediaIndex(0);

        DownloadThread dt;
        QueuedSpy report(&dt, &DownloadThread::doDownloadFinished);
        QVERIFY(dt.add({job.get()}));
        QTRY_VERIFY_WITH_TIMEOUT(job->progressSafe() >= 3, 30000);
        QElapsedTimer t;
        t.start();
        dt.stop(job.get(), false);
        QTRY_COMPARE_WITH_TIMEOUT(report.count(), 1, 10000);
        QVERIFY2(t.elapsed() < 3000, "the stop ended the run at once");
        QCOMPARE(job->resultSafe(), 2);
        QVERIFY(report.first().at(0).toStringList().isEmpty());
        QVERIFY(report.first().at(1).toStringList().isEmpty());
        const QString temp = job->tempFilePathSafe();
        QVERIFY(QFileInfo(temp).isDir());
        QVERIFY(job->progressSafe() >= 3);
        noLeftovers();

        slow.bytesPerSecond = 0;
        m_server.addRoute(QStringLiteral("/files/big.mp4"), slow);
        QVERIFY(dt.add({job.get()}));
        QTRY_COMPARE_WITH_TIMEOUT(report.count(), 2, 60000);
        QCOMPARE(job->resultSafe(), 0);
        QCOMPARE(report.last().at(0).toStringList(), QStringList{QStringLiteral("Big file")});
        QVERIFY(!QFileInfo(temp).exists());
        QFile out(QDir(m_f.video).filePath(QStringLiteral("Big file.mp4")));
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QByteArray data = out.readAll();
        // The downloader may have written metadata into the file; the media
        // itself is whole.
        QVERIFY(data.size() >= m_bigFile.size() - 1024);
        const EngineTestEnv::Probe p = EngineTestEnv::ffprobe(out.fileName());
        QVERIFY(p.ok && p.duration > 5.5);
    }

    // The program ends during a batch: each listed job keeps its partial
    // data, and the next start reads them back from the list and resumes
    // each file where it stopped instead of failing.
    void quitKeepsPartialDataForTheNextRun()
    {
        LocalHttpServer::Route slow;
        slow.headers.append(LocalHttpServer::Header("Content-Type", "video/mp4"));
        slow.body = m_bigFile;
        slow.acceptRanges = true;
        slow.bytesPerSecond = 40000;
        const QStringList paths{QStringLiteral("/files/quit1.mp4"), QStringLiteral("/files/quit2.mp4")};
        for (const QString& path : paths)
            m_server.addRoute(path, slow);

        Youtube* engine = Youtube::instance();
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        QList<DownloadItem*> batch;
        for (int i = 0; i < paths.size(); ++i) {
            jobs.push_back(fileJob(QStringLiteral("Quit file %1").arg(i + 1), paths.at(i)));
            batch.append(jobs.back().get());
        }
        engine->addDownloadingItems(batch);
        QVERIFY(engine->startDownload(batch));
        for (DownloadItem* job : qAsConst(batch))
            QTRY_VERIFY_WITH_TIMEOUT(job->progressSafe() >= 3, 30000);
        QMap<QString, QString> temps;   // title -> temp folder
        for (DownloadItem* job : qAsConst(batch)) {
            temps.insert(job->title, job->tempFilePathSafe());
            QVERIFY(QFileInfo(job->tempFilePathSafe()).isDir());
        }

        // What the download page does as it goes: the rows and their jobs go.
        engine->releaseDownloadingItems();
        batch.clear();
        jobs.clear();
        engine->stopAllDownloads(false, true);
        noLeftovers();
        for (const QString& temp : qAsConst(temps)) {
            QVERIFY2(QFileInfo(temp).isDir(), qPrintable(temp));
            qint64 kept = 0;
            for (const QFileInfo& f : QDir(temp).entryInfoList(QDir::Files))
                kept += f.size();
            QVERIFY(kept > 0);
        }

        // The next start.
        DownloadingStore next;
        QList<DownloadItem> stored = next.read();
        QCOMPARE(stored.size(), paths.size());
        for (const DownloadItem& job : qAsConst(stored)) {
            QCOMPARE(job.tempFilePath, temps.value(job.title));
            QVERIFY(job.progress >= 3);
        }

        slow.bytesPerSecond = 0;
        for (const QString& path : paths)
            m_server.addRoute(path, slow);
        m_server.clearRequests();
        DownloadThread dt;
        QueuedSpy report(&dt, &DownloadThread::doDownloadFinished);
        QList<DownloadItem*> again;
        for (DownloadItem& job : stored)
            again.append(&job);
        QVERIFY(dt.add(again));
        QTRY_COMPARE_WITH_TIMEOUT(report.count(), 1, 60000);
        QStringList ok = report.first().at(0).toStringList();
        ok.sort();
        QCOMPARE(ok, (QStringList{QStringLiteral("Quit file 1"), QStringLiteral("Quit file 2")}));
        for (const QString& path : paths) {
            // Each file was asked for from where its kept data ends.
            bool resumed = false;
            for (const LocalHttpServer::Request& r : m_server.requests()) {
                const QByteArray range = r.header("Range");
                if (r.path == path && range.startsWith("bytes=") && range.mid(6).split('-').first().toLongLong() > 0)
                    resumed = true;
            }
            QVERIFY2(resumed, qPrintable(path));
        }
        for (const QString& title : temps.keys()) {
            QVERIFY(!QFileInfo(temps.value(title)).exists());
            const QString file = QDir(m_f.video).filePath(title + QStringLiteral(".mp4"));
            const EngineTestEnv::Probe p = EngineTestEnv::ffprobe(file);
            QVERIFY2(p.ok && p.duration > 5.5, qPrintable(file));
        }
    }

    // ffmpeg records five seconds of a live HLS stream; the file plays.
    void liveRecording()
    {
        auto job = std::make_unique<DownloadItem>();
        job->title = QStringLiteral("Live record");
        job->url = m_server.url(QStringLiteral("/stream/page")).toString();
        job->isLiveStream = true;
        job->useFfmpeg = true;
        job->duration = 5;
        DownloadMedia m;
        m.formatID = QStringLiteral("hls");
        m.streamUrl = m_server.url(QStringLiteral("/stream/live.m3u8")).toString();
        m.srcExt = QStringLiteral("mp4");
        m.tarExt = QStringLiteral("mp4");
        job->medias.append(m);
        job->setChosenMediaIndex(0);
        QueuedSpy progress(job.get(), &DownloadItem::doProgress);

        ItemDownloader w;
        std::atomic<int> result{-1};
        w.setEndedCallback([&result](ItemDownloader* self, DownloadItem*, const QString&, int r) {
            self->setIdle();
            result.store(r);
        });
        // Set up on this thread before the worker sees it, as the dispatcher
        // does when a batch is added.
        job->onInit();
        QElapsedTimer t;
        t.start();
        w.start(job.get());
        QTRY_VERIFY_WITH_TIMEOUT(result.load() >= 0, 60000);
        w.wait();
        QCOMPARE(result.load(), 0);
        const QString file = QDir(m_f.video).filePath(QStringLiteral("Live record.mp4"));
        const EngineTestEnv::Probe p = EngineTestEnv::ffprobe(file);
        QVERIFY2(p.ok, qPrintable(file));
        QVERIFY(p.codecTypes.contains(QStringLiteral("video")));
        QVERIFY2(p.duration >= 4.0, qPrintable(QString::number(p.duration)));
        bool half = false;
        for (const QList<QVariant>& s : qAsConst(progress))
            half = half || (s.at(0).toInt() >= 40 && s.at(0).toInt() < 100);
        QVERIFY(half);
    }
};

QTEST_GUILESS_MAIN(TstDownloadE2E)
#include "tst_download_e2e.moc"

