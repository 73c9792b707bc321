#include "EngineTestEnv.h"

#include "function/Youtube/private/Downloader/ItemDownloader.h"

#include <QtTest>

// The item downloader's output parsers: progress lines of the downloader
// program and ffmpeg's statistics, as tables of lines and as a captured
// transcript of a real run.
class TstProgressParser : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;

    static DownloadItem* makeJob(int parts, bool merged, bool live = false, int mediaDuration = 0)
    {
        auto* job = new DownloadItem;
        DownloadMedia m;
        m.formatID = QStringLiteral("0");
        m.attachedFormatID = merged ? QStringLiteral("1") : QString();
        m.srcExt = QStringLiteral("mp4");
        m.tarExt = QStringLiteral("mp4");
        m.videoPartCount = parts;
        job->medias.append(m);
        job->setChosenMediaIndex(0);
        job->isLiveStream = live;
        job->duration = 300;
        job->mediaDuration = mediaDuration;
        return job;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        EngineTestEnv::setUp(m_root.path());
    }

    void lines_data()
    {
        QTest::addColumn<int>("parts");
        QTest::addColumn<bool>("merged");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("shown");       // lastProgress after each line
        QTest::addColumn<bool>("completed");

        QTest::newRow("single 45.3%") << 1 << false
                                      << QStringList{"[download]  45.3% of 10.00MiB at 1.00MiB/s ETA 00:05"}
                                      << QList<int>{45} << false;
        QTest::newRow("merged streams")
            << 1 << true
            << QStringList{"[download]  50.0% of 1.00MiB", "[download] 100% of 1.00MiB in 00:00:01",
                           "[download]  50.0% of 1.00MiB", "[download] 100.0% of 1.00MiB",
                           "[download] 100% of 1.00MiB in 00:00:01"}
            << QList<int>{33, 33, 83, 99, 99} << true;
        QTest::newRow("three parts, second at 60%")
            << 3 << false
            << QStringList{"[download] 100% of 1.00MiB in 00:00:01", "[download]  60.0% of 1.00MiB"}
            << QList<int>{0, 53} << false;
        // The part's share is cut to a whole number before the done parts
        // are added: 16 + 33.3, not 16.7 + 33.3.
        QTest::newRow("three parts, second at 50%")
            << 3 << false
            << QStringList{"[download] 100% of 1.00MiB in 00:00:01", "[download]  50.0% of 1.00MiB"}
            << QList<int>{0, 49} << false;
        QTest::newRow("never lower, never 100 while running")
            << 1 << false
            << QStringList{"[download]  70.0% of 1MiB", "[download]  20.0% of 1MiB", "[download] 100.0% of 1MiB"}
            << QList<int>{70, 70, 99} << true;
        QTest::newRow("preparing creeps")
            << 1 << false
            << QStringList{"[generic] x: Downloading webpage", "[youtube] x: Extracting video information",
                           "[info] Logging in"}
            << QList<int>{0, 1, 2} << false;
        // Numbers the downloader never meant: nothing undefined, nothing beyond
        // a percentage.
        QTest::newRow("nan and inf read as nothing")
            << 1 << false << QStringList{"[download]  nan% of 1MiB", "[download]  inf% of 1MiB", "[download] -inf% of 1MiB"}
            << QList<int>{0, 0, 0} << false;
        QTest::newRow("beyond a percentage")
            << 1 << false << QStringList{"[download]  -5% of 1MiB", "[download]  1e300% of 1MiB"} << QList<int>{0, 99}
            << true;
        QTest::newRow("3e9 in a merged download")
            << 1 << true << QStringList{"[download]  3e9% of 1MiB"} << QList<int>{67} << false;
        QTest::newRow("more parts end than announced")
            << 2 << false
            << QStringList{"[download] 100% of 1.00MiB in 00:00:01", "[download] 100% of 1.00MiB in 00:00:01",
                           "[download] 100% of 1.00MiB in 00:00:01", "[download]  80.0% of 1.00MiB"}
            << QList<int>{0, 0, 0, 99} << true;
        QTest::newRow("no number") << 1 << false << QStringList{"[download]", "[download] Resuming download at byte 5"}
                                   << QList<int>{0, 0} << false;
        QTest::newRow("subtitle before media")
            << 1 << false
            << QStringList{"[download] Destination: temp.en.vtt", "[download]  50.0% of 44.00B",
                           "[download] 100% of 44.00B in 00:00:00", "[download] Destination: temp.mp4",
                           "[download]  40.0% of 1MiB"}
            << QList<int>{-1, -1, -1, 0, 40} << false;
        QTest::newRow("already downloaded")
            << 1 << true << QStringList{"[download] temp.mp4 has already been downloaded"} << QList<int>{0}
            << true;
    }

    void lines()
    {
        QFETCH(int, parts);
        QFETCH(bool, merged);
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, shown);
        QFETCH(bool, completed);

        QScopedPointer<DownloadItem> job(makeJob(parts, merged));
        ItemDownloader w;
        w.beginRun(job.data());
        for (int i = 0; i < lines.size(); ++i) {
            w.analyseOutputLine(lines.at(i));
            QCOMPARE(w.lastProgress(), shown.at(i));
        }
        QCOMPARE(w.isCompleted(), completed);
        if (shown.last() >= 0)
            QCOMPARE(job->progressSafe(), shown.last());
    }

    void loginPhaseFromTen()
    {
        QScopedPointer<DownloadItem> job(makeJob(1, false));
        ItemDownloader w;
        w.beginRun(job.data());
        w.analyseOutputLine(QStringLiteral("[download]  10.0% of 1MiB"));
        w.analyseOutputLine(QStringLiteral("[youtube] Downloading login page"));
        QCOMPARE(w.lastProgress(), 11);
        w.analyseOutputLine(QStringLiteral("[youtube] Checking cookie"));
        QCOMPARE(w.lastProgress(), 12);
    }

    // A read may end anywhere, also inside a line or a UTF-8 character;
    // lines end with CR or LF.
    void splitAcrossReads()
    {
        QScopedPointer<DownloadItem> job(makeJob(1, false));
        ItemDownloader w;
        w.beginRun(job.data());
        w.feedOutput("[download] Destination: t\xc3", false);
        w.feedOutput("\xa9mp.mp4\n\r[download]  1", false);
        QCOMPARE(w.lastProgress(), 0);         // the Destination line only
        w.feedOutput("2.5% of 1MiB\r[download]  3", false);
        QCOMPARE(w.lastProgress(), 12);
        w.feedOutput("7.0% of 1MiB", false);
        QCOMPARE(w.lastProgress(), 12);        // not yet a whole line
        w.feedOutput(QByteArray(), true);
        QCOMPARE(w.lastProgress(), 37);

        // The whole-text splitter gives every rewritten version of a line.
        ItemDownloader w2;
        w2.beginRun(job.data());
        w2.analyseOutput(QStringLiteral("\r[download]  5.0% of 1MiB\r[download]  9.0% of 1MiB\n\n"));
        QCOMPARE(w2.lastProgress(), 9);
    }

    void transcript()
    {
        // A real run: subtitle first, two DASH streams, a merge into another
        // container ("temp.mp4.mkv").
        QFile f(EngineTestEnv::fixture(QStringLiteral("downloader/transcript_subs_merge.txt")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray all = f.readAll();
        QVERIFY(all.contains('\r'));

        QScopedPointer<DownloadItem> job(makeJob(1, true));
        QList<int> seen;
        connect(job.data(), &DownloadItem::doProgress, this, [&seen](int v) { seen.append(v); });
        ItemDownloader w;
        w.beginRun(job.data());
        // Cut the transcript into reads of awkward sizes.
        for (int i = 0; i < all.size(); i += 97)
            w.feedOutput(all.mid(i, 97), false);
        w.feedOutput(QByteArray(), true);
        QCoreApplication::processEvents();
        QVERIFY(w.isStarted());
        QVERIFY(w.isCompleted());
        QCOMPARE(w.secondStream(), 1);
        QCOMPARE(w.lastProgress(), 99);
        QCOMPARE(w.mergedFile(), QStringLiteral("temp.mp4.mkv"));
        for (int i = 1; i < seen.size(); ++i)
            QVERIFY2(seen.at(i) >= seen.at(i - 1), "progress went back");
        QVERIFY(!seen.contains(100));
    }

    void ffmpegTime_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addColumn<int>("mediaDuration");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isTime");
        QTest::addColumn<int>("progress");
        QTest::addColumn<bool>("stops");

        const QString stat = QStringLiteral("frame=  100 fps= 25 q=-1.0 size=    1024kB time=%1 bitrate= 800.0kbits/s speed=1x");
        QTest::newRow("live half") << true << 0 << stat.arg(QStringLiteral("00:02:30.04")) << true << 50 << false;
        QTest::newRow("live end") << true << 0 << stat.arg(QStringLiteral("00:05:00.00")) << true << 99 << true;
        QTest::newRow("unknown length") << false << 0 << stat.arg(QStringLiteral("00:00:10.00")) << true << -1 << false;
        QTest::newRow("known length") << false << 200 << stat.arg(QStringLiteral("00:01:40.00")) << true << 50 << false;
        const QString huge = stat.arg(QStringLiteral("2562047788015216:00:00.00"));
        QTest::newRow("hours beyond 64 bits, known length") << false << 200 << huge << true << 99 << false;
        QTest::newRow("hours beyond 64 bits, live") << true << 0 << huge << true << 99 << true;
        QTest::newRow("hours beyond any number") << false << 200
                                                 << stat.arg(QStringLiteral("99999999999999999999999999:00:00.00")) << true
                                                 << 99 << false;
        QTest::newRow("time in a text") << true << 0 << QStringLiteral("[info] the runtime=00:01:00 of the clip") << false
                                        << 0 << false;
        QTest::newRow("not a clock") << true << 0 << QStringLiteral("size=1kB time=N/A bitrate=N/A") << false << 0 << false;
        QTest::newRow("a title") << true << 0 << QStringLiteral("title: time=lapse") << false << 0 << false;
    }

    void ffmpegTime()
    {
        QFETCH(bool, live);
        QFETCH(int, mediaDuration);
        QFETCH(QString, text);
        QFETCH(bool, isTime);
        QFETCH(int, progress);
        QFETCH(bool, stops);

        QScopedPointer<DownloadItem> job(makeJob(1, false, live, mediaDuration));
        ItemDownloader w;
        w.beginRun(job.data());
        QString t = text;
        QCOMPARE(w.parseFfmpegTime(t), isTime);
        QCOMPARE(t.isEmpty(), isTime);
        QCOMPARE(job->progressSafe(), progress);
        QCOMPARE(w.isStopRequested(), stops);
        QCOMPARE(w.isCompleted(), isTime);
    }

    void errorStream()
    {
        QScopedPointer<DownloadItem> job(makeJob(1, false, true));
        ItemDownloader w;
        w.beginRun(job.data());
        QString errors;
        w.feedError("WARNING: something\nsize=  1kB time=00:02", false, errors);
        QCOMPARE(errors, QStringLiteral("WARNING: something\n"));
        w.feedError(":30.00 bitrate=1\r", false, errors);
        QCOMPARE(job->progressSafe(), 50);
        QCOMPARE(errors, QStringLiteral("WARNING: something\n"));
    }

    void helpers()
    {
        QVERIFY(ItemDownloader::formatUnavailable(QStringLiteral("ERROR: requested format not available")));
        QVERIFY(ItemDownloader::formatUnavailable(QStringLiteral("ERROR: [generic] v: Requested format is not available.")));
        QVERIFY(!ItemDownloader::formatUnavailable(QStringLiteral("ERROR: HTTP Error 404")));
        QVERIFY(ItemDownloader::isMediaFile(QStringLiteral("temp.f0.mp4")));
        QVERIFY(!ItemDownloader::isMediaFile(QStringLiteral("temp.en.vtt")));
        QVERIFY(!ItemDownloader::isMediaFile(QStringLiteral("temp.webp")));
        // A start 5 minutes behind the clock waits until tomorrow.
        const QTime now(12, 0, 0);
        QCOMPARE(ItemDownloader::msecsUntil(QTime(11, 55, 0), now), qint64(24 * 3600 - 300) * 1000);
        QCOMPARE(ItemDownloader::msecsUntil(QTime(12, 0, 30), now), qint64(30000));
    }
};

QTEST_GUILESS_MAIN(TstProgressParser)
#include "tst_progressparser.moc"
