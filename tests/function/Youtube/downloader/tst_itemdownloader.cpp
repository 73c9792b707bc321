#include "EngineTestEnv.h"
#include "FakeScripts.h"
#include "../QueuedSpy.h"

#include "function/Youtube/private/Downloader/ItemDownloader.h"

#include <QElapsedTimer>
#include <QtTest>
#include <atomic>
#include <memory>

// Waits for child processes are generous: the tests run in parallel on a
// loaded machine, and a wait ends as soon as its condition holds.
static constexpr int kWaitMs = 20000;

// One worker running jobs against the scripted fake downloader: the result
// rules, the attempts, stops (also between jobs and with a detaching copy),
// the scheduled start and the end of every child process.
class TstItemDownloader : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;

    static std::unique_ptr<DownloadItem> makeJob(const QString& path, const QString& tarExt = QStringLiteral("mp4"))
    {
        auto job = std::make_unique<DownloadItem>();
        job->title = QStringLiteral("Job ") + QString(path).remove(QLatin1Char('/'));
        job->url = QStringLiteral("http://fake.example") + path;
        DownloadMedia m;
        m.formatID = QStringLiteral("18");
        m.srcExt = QStringLiteral("mp4");
        m.tarExt = tarExt;
        m.fileSize = QStringLiteral("1.00KB");
        job->medias.append(m);
        job->setChosenMediaIndex(0);
        // Set up on this thread before a worker sees it, as the dispatcher
        // does when a batch is added.
        job->onInit();
        return job;
    }

    struct Ended
    {
        std::atomic<int> count{0};
        std::atomic<int> result{-1};
    };

    static void hook(ItemDownloader& w, Ended& e)
    {
        w.setEndedCallback([&e](ItemDownloader* self, DownloadItem*, const QString&, int result) {
            e.result.store(result);
            self->setIdle();
            e.count.fetch_add(1);
        });
    }

    // Runs job on a fresh worker and returns its result.
    int runOne(DownloadItem* job, int timeoutMs = 15000)
    {
        ItemDownloader w;
        Ended e;
        hook(w, e);
        w.start(job);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(e.count.load() == 1, timeoutMs); }();
        w.wait();
        return e.result.load();
    }

    QList<QJsonObject> runsOf(const QString& path)
    {
        QList<QJsonObject> out;
        for (const QJsonObject& r : EngineTestEnv::fakeRuns(m_f))
            if (r.value(QStringLiteral("address")).toString().endsWith(path))
                out.append(r);
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        QVERIFY(EngineTestEnv::installFake(m_f, FakeScripts::downloads()));
    }

    void cleanup()
    {
        QCoreApplication::processEvents();
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
    }

    void results_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("tarExt");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("output");     // file in the video folder, empty: none
        QTest::addColumn<bool>("tempKept");

        QTest::newRow("success") << "/ok" << "mp4" << 0 << "Job ok.mp4" << false;
        QTest::newRow("nothing came") << "/fail" << "mp4" << 5 << "" << false;
        QTest::newRow("format not offered") << "/noformat" << "mp4" << 3 << "" << false;
        QTest::newRow("merged into another container") << "/merge" << "mkv" << 0 << "Job merge.mkv" << false;
        QTest::newRow("media under another name") << "/othername" << "mp4" << 4 << "" << true;
        QTest::newRow("only a subtitle came") << "/subsonly" << "mp4" << 5 << "" << false;
        // Exited well and left media: never deleted, whatever the parser saw.
        QTest::newRow("silent run left media") << "/silentmedia" << "mp4" << 4 << "" << true;
    }

    void results()
    {
        QFETCH(QString, path);
        QFETCH(QString, tarExt);
        QFETCH(int, result);
        QFETCH(QString, output);
        QFETCH(bool, tempKept);

        auto job = makeJob(path, tarExt);
        if (path == QLatin1String("/merge"))
            job->medias[0].attachedFormatID = QStringLiteral("140");
        QueuedSpy finished(job.get(), &DownloadItem::doFinish);
        QueuedSpy progress(job.get(), &DownloadItem::doProgress);
        QCOMPARE(runOne(job.get()), result);
        QCOMPARE(job->resultSafe(), result);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kWaitMs);
        if (!output.isEmpty()) {
            const QString file = QDir(m_f.video).filePath(output);
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
            QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), kWaitMs);
            QCOMPARE(progress.last().at(0).toInt(), 100);
            QFile::remove(file);
        }
        const QString temp = job->tempFilePathSafe();
        QCOMPARE(!temp.isEmpty() && QFileInfo(temp).isDir(), tempKept);
        if (tempKept) {
            job->removeTempFolder(true);
            QVERIFY(!QFileInfo(temp).exists());
        }
        const QStringList left = QDir(m_f.video).entryList(QStringList{QStringLiteral("temp_*")}, QDir::Dirs);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
    }

    void noFormatRunsNothing()
    {
        auto job = makeJob(QStringLiteral("/noid"));
        job->medias[0].formatID.clear();
        const int before = EngineTestEnv::fakeRuns(m_f).size();
        QueuedSpy finished(job.get(), &DownloadItem::doFinish);
        QCOMPARE(runOne(job.get()), 3);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kWaitMs);        // finished once
        QCOMPARE(EngineTestEnv::fakeRuns(m_f).size(), before);
    }

    void attempts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("runs");
        QTest::newRow("interrupted five times") << "/drop" << 5;
        // Exit code 3 adds an attempt each time, but only five of them.
        QTest::newRow("exit code 3, capped") << "/drop3" << 10;
    }

    void attempts()
    {
        QFETCH(QString, path);
        QFETCH(int, runs);
        auto job = makeJob(path);
        QCOMPARE(runOne(job.get(), 30000), 4);
        QCOMPARE(runsOf(path).size(), runs);
        // Every attempt works in the same temp folder, which stays for a resume.
        const QString temp = job->tempFilePathSafe();
        QVERIFY(QFileInfo(temp).isDir());
        for (const QJsonObject& r : runsOf(path))
            QCOMPARE(r.value(QStringLiteral("cwd")).toString(), QFileInfo(temp).canonicalFilePath());
        job->removeTempFolder(true);
    }

    void stopEndsTheWholeTree()
    {
        auto job = makeJob(QStringLiteral("/child"));
        ItemDownloader w;
        Ended e;
        hook(w, e);
        w.start(job.get());
        QTRY_COMPARE_WITH_TIMEOUT(runsOf(QStringLiteral("/child")).size(), 1, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(job->progressSafe() >= 10, kWaitMs);
        QElapsedTimer t;
        t.start();
        w.stop(job.get(), false);
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 1, 5000);
        QVERIFY2(t.elapsed() < 3000, "a stop ends the run quickly");
        w.wait();
        QCOMPARE(e.result.load(), 2);
        const QJsonObject run = runsOf(QStringLiteral("/child")).first();
        const qint64 pid = run.value(QStringLiteral("pid")).toVariant().toLongLong();
        const qint64 grandchild = run.value(QStringLiteral("grandchild")).toVariant().toLongLong();
        QVERIFY(grandchild > 0);
        QCOMPARE(run.value(QStringLiteral("pgid")).toVariant().toLongLong(), pid);   // a group of its own
        QTRY_VERIFY_WITH_TIMEOUT(!EngineTestEnv::processAlive(pid), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!EngineTestEnv::processAlive(grandchild), kWaitMs);
        // Stopped: the partial data stays.
        QVERIFY(QFileInfo(job->tempFilePathSafe()).isDir());
        job->removeTempFolder(true);
    }

    // The caller destroys the job right after a detaching stop: the worker
    // carries on with its own copy and cleans the copy's temp folder.
    void detachingStop()
    {
        auto job = makeJob(QStringLiteral("/slow-detach"));
        ItemDownloader w;
        Ended e;
        hook(w, e);
        w.start(job.get());
        QTRY_VERIFY_WITH_TIMEOUT(!job->tempFilePathSafe().isEmpty() && runsOf(QStringLiteral("/slow-detach")).size() == 1, kWaitMs);
        const QString temp = job->tempFilePathSafe();
        w.stop(job.get(), true);
        job.reset();
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 1, kWaitMs);
        w.wait();
        QCOMPARE(e.result.load(), 2);
        QVERIFY(!QFileInfo(temp).exists());
    }

    // The program ends: a listed job is stopped detached, but its data stays
    // for the next run, also when the worker takes another job after it.
    void quitStopKeepsAListedJobsData()
    {
        auto job = makeJob(QStringLiteral("/slow-quit"));
        ItemDownloader w;
        Ended e;
        hook(w, e);
        w.start(job.get());
        QTRY_VERIFY_WITH_TIMEOUT(!job->tempFilePathSafe().isEmpty() && runsOf(QStringLiteral("/slow-quit")).size() == 1, kWaitMs);
        const QString temp = job->tempFilePathSafe();
        w.stop(true, {job.get()});
        job.reset();
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 1, kWaitMs);
        w.wait();
        QCOMPARE(e.result.load(), 2);
        QVERIFY(QFileInfo(temp).isDir());

        auto next = makeJob(QStringLiteral("/ok-after-quit"));
        w.start(next.get());
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 2, kWaitMs);
        w.wait();
        QCOMPARE(e.result.load(), 0);
        QVERIFY(QFileInfo(temp).isDir());
        QVERIFY(QDir(temp).removeRecursively());
    }

    // A scheduled job that kept a temp folder from an earlier run and is
    // dropped while it waits: the folder goes with it.
    void detachedWhileWaiting()
    {
        auto job = makeJob(QStringLiteral("/ok-dropped"));
        job->isLiveStream = true;
        job->startNow = false;
        job->startTime = QTime::currentTime().addSecs(-300);   // tomorrow
        const QString temp = QDir(m_f.video).filePath(QStringLiteral("temp_kept01"));
        QVERIFY(QDir().mkpath(temp));
        job->tempFilePath = temp;
        ItemDownloader w;
        Ended e;
        hook(w, e);
        w.start(job.get());
        w.stop(job.get(), true);
        job.reset();
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 1, kWaitMs);
        w.wait();
        QCOMPARE(e.result.load(), 1);
        QVERIFY(!QFileInfo::exists(temp));
        QCOMPARE(runsOf(QStringLiteral("/ok-dropped")).size(), 0);
    }

    // A listed job whose kept temp folder has gone (cleaned by hand, or by
    // an older version at the program's end) starts over in a new folder
    // instead of failing in the missing one.
    void missingTempFolderStartsOver()
    {
        auto job = makeJob(QStringLiteral("/ok-gone"));
        const QString gone = QDir(m_f.video).filePath(QStringLiteral("temp_gone01"));
        job->tempFilePath = gone;
        job->progress = 40;
        QueuedSpy progress(job.get(), &DownloadItem::doProgress);
        QCOMPARE(runOne(job.get()), 0);
        QVERIFY(QFileInfo(QDir(m_f.video).filePath(QStringLiteral("Job ok-gone.mp4"))).isFile());
        QVERIFY(!QFileInfo::exists(gone));
        // The reports come queued: the last may still be on its way when the
        // run has ended.
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(0).toInt() == 100, kWaitMs);
        QCOMPARE(progress.first().at(0).toInt(), 0);
        QVERIFY(QDir(m_f.video).entryList(QStringList{QStringLiteral("temp_*")}, QDir::Dirs).isEmpty());
    }

    // A stop meant for a job that has already ended does not touch the next.
    void stopBelongsToItsJob()
    {
        auto first = makeJob(QStringLiteral("/ok-first"));
        auto second = makeJob(QStringLiteral("/delay/second"));
        ItemDownloader w;
        Ended e;
        hook(w, e);
        w.start(first.get());
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 1, kWaitMs);
        w.stop(first.get(), false);          // late: the first run is over
        w.stop(false);                       // and the worker is idle
        w.start(second.get());
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 2, 10000);
        w.wait();
        QCOMPARE(e.result.load(), 0);
        QFile::remove(QDir(m_f.video).filePath(QStringLiteral("Job ok-first.mp4")));
        QFile::remove(QDir(m_f.video).filePath(QStringLiteral("Job delaysecond.mp4")));
    }

    void scheduledStart()
    {
        auto job = makeJob(QStringLiteral("/ok-scheduled"));
        job->isLiveStream = true;
        job->startNow = false;
        job->startTime = QTime::currentTime().addMSecs(1500);
        ItemDownloader w;
        Ended e;
        hook(w, e);
        QElapsedTimer t;
        t.start();
        w.start(job.get());
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 1, 10000);
        w.wait();
        QVERIFY2(t.elapsed() >= 1300, "waited for its start time");
        QCOMPARE(runsOf(QStringLiteral("/ok-scheduled")).size(), 1);
        QVERIFY(EngineTestEnv::fakeArgv(runsOf(QStringLiteral("/ok-scheduled")).first()).contains(QStringLiteral("--downloader")));
        QFile::remove(QDir(m_f.video).filePath(QStringLiteral("Job ok-scheduled.mp4")));

        // Stopped while waiting: cancelled before its start, nothing run,
        // no finish signal, and the worker takes the next job at once.
        auto waiting = makeJob(QStringLiteral("/ok-never"));
        waiting->isLiveStream = true;
        waiting->startNow = false;
        waiting->startTime = QTime::currentTime().addSecs(-300);   // tomorrow
        QueuedSpy finished(waiting.get(), &DownloadItem::doFinish);
        w.start(waiting.get());
        QTest::qWait(100);
        t.restart();
        w.stop(waiting.get(), false);
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 2, kWaitMs);
        QVERIFY(t.elapsed() < 1500);
        QCOMPARE(e.result.load(), 1);
        QCOMPARE(runsOf(QStringLiteral("/ok-never")).size(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), 0);
        auto next = makeJob(QStringLiteral("/ok-next"));
        w.start(next.get());
        QTRY_COMPARE_WITH_TIMEOUT(e.count.load(), 3, kWaitMs);
        w.wait();
        QCOMPARE(e.result.load(), 0);
        QFile::remove(QDir(m_f.video).filePath(QStringLiteral("Job ok-next.mp4")));
    }

    void accountGoesToAPrivateFile()
    {
        auto job = makeJob(QStringLiteral("/ok-account"));
        job->accountUser = QStringLiteral("me");
        job->accountPassword = QStringLiteral("se'cret");
        QCOMPARE(runOne(job.get()), 0);
        const QJsonObject run = runsOf(QStringLiteral("/ok-account")).first();
        const QStringList argv = EngineTestEnv::fakeArgv(run);
        QVERIFY(!argv.contains(QStringLiteral("se'cret")));
        QVERIFY(!argv.contains(QStringLiteral("-p")));
        QVERIFY(argv.contains(QStringLiteral("--config-locations")));
        QCOMPARE(run.value(QStringLiteral("config_mode")).toString(), QStringLiteral("0o600"));
        QVERIFY(run.value(QStringLiteral("config")).toString().contains(QStringLiteral("-u 'me'")));
        QVERIFY(run.value(QStringLiteral("env_pythonhome")).isNull());
        QFile::remove(QDir(m_f.video).filePath(QStringLiteral("Job ok-account.mp4")));
    }
};

QTEST_GUILESS_MAIN(TstItemDownloader)
#include "tst_itemdownloader.moc"

