#include "EngineTestEnv.h"
#include "FakeScripts.h"
#include "../QueuedSpy.h"

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Downloader/DownloadThread.h"
#include "function/Youtube/private/Downloader/ItemDownloader.h"
#include "function/Youtube/private/SubscribeListMgr/SubscribeListMgr.h"

#include <QElapsedTimer>
#include <QtTest>
#include <memory>
#include <vector>

// Waits for child processes are generous: the tests run in parallel on a
// loaded machine, and a wait ends as soon as its condition holds.
static constexpr int kWaitMs = 20000;

// The dispatcher: five workers, the next job the moment one ends, the
// admission rules and the batch report.
class TstDownloadThread : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;

    static std::unique_ptr<DownloadItem> makeJob(const QString& path, bool live = false)
    {
        auto job = std::make_unique<DownloadItem>();
        job->title = QStringLiteral("T") + QString(path).remove(QLatin1Char('/'));
        job->url = QStringLiteral("http://fake.example") + path;
        job->isLiveStream = live;
        DownloadMedia m;
        m.formatID = QStringLiteral("18");
        m.srcExt = QStringLiteral("mp4");
        m.tarExt = QStringLiteral("mp4");
        job->medias.append(m);
        job->setChosenMediaIndex(0);
        return job;
    }

    static QList<DownloadItem*> ptrs(const std::vector<std::unique_ptr<DownloadItem>>& jobs)
    {
        QList<DownloadItem*> out;
        for (const auto& j : jobs)
            out.append(j.get());
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
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
        for (const QString& f : QDir(m_f.video).entryList(QDir::Files))
            QFile::remove(QDir(m_f.video).filePath(f));
    }

    void sixJobs()
    {
        DownloadThread dt;
        QueuedSpy report(&dt, &DownloadThread::doDownloadFinished);
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        jobs.push_back(makeJob(QStringLiteral("/delay/1")));        // ends first, after ~0.2 s
        for (int i = 2; i <= 5; ++i)
            jobs.push_back(makeJob(QStringLiteral("/slow%1").arg(i)));
        jobs.push_back(makeJob(QStringLiteral("/ok6")));

        QElapsedTimer firstEnd;
        QElapsedTimer sixthStart;
        connect(jobs[0].get(), &DownloadItem::doFinish, this, [&] { firstEnd.start(); });
        connect(jobs[5].get(), &DownloadItem::doStarted, this, [&] { sixthStart.start(); });

        QVERIFY(dt.add(ptrs(jobs)));
        // Queued or running, every job is held from the moment it is added.
        for (const auto& j : jobs)
            QVERIFY(dt.isPending(j.get()));
        QTRY_COMPARE_WITH_TIMEOUT(dt.busyCount(), 5, kWaitMs);
        QCOMPARE(dt.runningJobs().size(), 5);
        QVERIFY(!dt.runningJobs().contains(jobs[5].get()));
        // Adding a running or queued job again changes nothing.
        QVERIFY(dt.add({jobs[1].get(), jobs[5].get()}));

        QTRY_VERIFY_WITH_TIMEOUT(firstEnd.isValid() && sixthStart.isValid(), kWaitMs);
        // Started by the worker that ended, without a scan interval.
        QVERIFY2(firstEnd.elapsed() - sixthStart.elapsed() < 600,
                 qPrintable(QString::number(firstEnd.elapsed() - sixthStart.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(jobs[5]->resultSafe() == 0 && dt.busyCount() == 4, kWaitMs);

        // The slow ones are stopped by the user: in neither list.
        QTRY_VERIFY_WITH_TIMEOUT(!dt.isPending(jobs[0].get()) && !dt.isPending(jobs[5].get()), kWaitMs);
        for (int i = 1; i <= 4; ++i)
            dt.stop(jobs[i].get(), false);
        QTRY_COMPARE_WITH_TIMEOUT(report.count(), 1, 10000);
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!dt.isPending(jobs[i].get()));
        QCOMPARE(report.first().at(0).toStringList(), (QStringList{"Tdelay1", "Tok6"}));
        QCOMPARE(report.first().at(1).toStringList(), QStringList());
        for (int i = 1; i <= 4; ++i)
            jobs[i]->removeTempFolder(true);
    }

    void batchReport()
    {
        DownloadThread dt;
        QueuedSpy report(&dt, &DownloadThread::doDownloadFinished);
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        jobs.push_back(makeJob(QStringLiteral("/ok-a")));
        jobs.push_back(makeJob(QStringLiteral("/slow-b")));
        jobs.push_back(makeJob(QStringLiteral("/fail-c")));
        QVERIFY(dt.add(ptrs(jobs)));
        QTRY_VERIFY_WITH_TIMEOUT(jobs[1]->progressSafe() >= 10, kWaitMs);
        dt.stop(jobs[1].get(), false);
        QTRY_COMPARE_WITH_TIMEOUT(report.count(), 1, 10000);
        QCOMPARE(report.first().at(0).toStringList(), QStringList{QStringLiteral("Tok-a")});
        QCOMPARE(report.first().at(1).toStringList(), QStringList{QStringLiteral("Tfail-c")});
        jobs[1]->removeTempFolder(true);

        // The dispatcher is idle again and takes the next batch.
        QTRY_VERIFY_WITH_TIMEOUT(!dt.isRunning(), kWaitMs);
        auto again = makeJob(QStringLiteral("/ok-d"));
        QVERIFY(dt.add({again.get()}));
        QTRY_COMPARE_WITH_TIMEOUT(report.count(), 2, kWaitMs);
        QCOMPARE(report.last().at(0).toStringList(), QStringList{QStringLiteral("Tok-d")});
    }

    // The download page takes a finished job off the unfinished-download
    // list as soon as its news arrives, which also stops it in the engine:
    // the batch's report still names every job that ended. A slow job that
    // the user stops at last holds the batch open until then.
    void jobsTakenOffTheListAsTheyEndStayInTheReport_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<bool>("holdOpen");
        QTest::addColumn<QStringList>("succeeded");
        QTest::addColumn<QStringList>("failed");
        QTest::newRow("three quick successes")
            << QStringList{"/ok-q1", "/ok-q2", "/ok-q3"} << false << QStringList{"Tok-q1", "Tok-q2", "Tok-q3"}
            << QStringList();
        QTest::newRow("a success and a failure")
            << QStringList{"/ok-s", "/fail-f"} << false << QStringList{"Tok-s"} << QStringList{"Tfail-f"};
        QTest::newRow("one success, held open")
            << QStringList{"/ok-h"} << true << QStringList{"Tok-h"} << QStringList();
        QTest::newRow("a success and a failure, held open")
            << QStringList{"/ok-hs", "/fail-hf"} << true << QStringList{"Tok-hs"} << QStringList{"Tfail-hf"};
    }

    void jobsTakenOffTheListAsTheyEndStayInTheReport()
    {
        QFETCH(QStringList, paths);
        QFETCH(bool, holdOpen);
        QFETCH(QStringList, succeeded);
        QFETCH(QStringList, failed);
        Youtube* engine = Youtube::instance();
        QueuedSpy report(engine, &Youtube::doDownloadFinished);
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        for (const QString& p : paths)
            jobs.push_back(makeJob(p));
        int ended = 0;
        for (const auto& j : jobs) {
            DownloadItem* job = j.get();
            connect(job, &DownloadItem::doFinish, this, [engine, job, &ended] {
                engine->removeDownloadingItems({job});
                ++ended;
            }, Qt::QueuedConnection);
        }
        engine->addDownloadingItems(ptrs(jobs));
        auto holder = makeJob(QStringLiteral("/slow-hold"));
        QList<DownloadItem*> batch = ptrs(jobs);
        if (holdOpen)
            batch.append(holder.get());
        QVERIFY(engine->startDownload(batch));
        QTRY_COMPARE_WITH_TIMEOUT(ended, int(jobs.size()), kWaitMs);
        if (holdOpen) {
            QCOMPARE(report.count(), 0);
            QVERIFY(engine->isDownloadPending(holder.get()));
            engine->stopDownload(holder.get(), false);
        }
        QTRY_COMPARE_WITH_TIMEOUT(report.count(), 1, kWaitMs);
        QCOMPARE(report.first().at(0).toStringList(), succeeded);
        QCOMPARE(report.first().at(1).toStringList(), failed);
        QTRY_VERIFY_WITH_TIMEOUT(!engine->isDownloadPending(holder.get()), kWaitMs);
        holder->removeTempFolder(true);
    }

    // A job handed over before the event loop ran may end before the loop
    // gets round to it: the engine still hears of its end (here it records
    // the finished video of a subscribed list).
    void endBeforeTheLoopRuns()
    {
        const QString extractor = QStringLiteral("youtube:tab");
        const QString listId = QStringLiteral("EARLY");
        SubscribeDatabase* db = Youtube::instance()->subscribeListMgr()->database();
        QVERIFY(db->addList(extractor, listId, SubscribeListMgr::youtubePlaylistUrl(listId), QStringLiteral("Early")));

        DownloadThread dt;
        auto job = makeJob(QStringLiteral("/ok-early"));
        job->subscribeExtractor = extractor;
        job->subscribeListId = listId;
        QVERIFY(dt.add({job.get()}));
        QVERIFY(dt.wait(kWaitMs));      // no event is handled meanwhile
        QCOMPARE(job->resultSafe(), 0);

        Youtube_Structure::List list;
        list.extractor = extractor;
        list.id = listId;
        Youtube_Structure::Item video;
        video.url = job->url;
        list.items.append(std::move(video));
        QTRY_VERIFY_WITH_TIMEOUT((db->refreshList(&list, false), list.items[0].downloadState != 3), kWaitMs);
        db->removeList(extractor, listId);
    }

    void admission()
    {
        DownloadThread dt;
        QVERIFY(!dt.add({}));
        auto live1 = makeJob(QStringLiteral("/slow-l1"), true);
        auto normal = makeJob(QStringLiteral("/slow-n"));
        QVERIFY(!dt.add({live1.get(), normal.get()}));      // one batch, one kind

        QVERIFY(dt.add({normal.get()}));
        QVERIFY(!dt.add({live1.get()}));                    // not while a normal one runs
        dt.stopAll(false, true);
        QCOMPARE(dt.busyCount(), 0);
        for (ItemDownloader* w : dt.workers())
            QVERIFY(!w->isRunning());
        normal->removeTempFolder(true);

        std::vector<std::unique_ptr<DownloadItem>> lives;
        for (int i = 0; i < 3; ++i)
            lives.push_back(makeJob(QStringLiteral("/slow-live%1").arg(i), true));
        QVERIFY(dt.add(ptrs(lives)));
        auto n2 = makeJob(QStringLiteral("/ok-n2"));
        QVERIFY(!dt.add({n2.get()}));                       // nor the reverse
        auto l4 = makeJob(QStringLiteral("/slow-l4"), true);
        auto l5 = makeJob(QStringLiteral("/slow-l5"), true);
        auto l6 = makeJob(QStringLiteral("/slow-l6"), true);
        QVERIFY(!dt.add({l4.get(), l5.get(), l6.get()}));   // six recordings, five workers
        QVERIFY(dt.add({l4.get(), l5.get()}));
        QVERIFY(!dt.add({l6.get()}));
        QTRY_COMPARE_WITH_TIMEOUT(dt.busyCount(), 5, kWaitMs);

        // stopAll with wait returns only once every worker has ended.
        dt.stopAll(false, true);
        for (ItemDownloader* w : dt.workers()) {
            QVERIFY(!w->isBusy());
            QVERIFY(!w->isRunning());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!dt.isRunning(), kWaitMs);
        QVERIFY(dt.add({n2.get()}));                        // a normal batch after the live ones
        QTRY_VERIFY_WITH_TIMEOUT(!dt.isRunning() && n2->resultSafe() == 0, kWaitMs);
        for (auto& j : lives)
            j->removeTempFolder(true);
        l4->removeTempFolder(true);
        l5->removeTempFolder(true);
    }

    // Jobs added while the dispatcher decides to end are neither lost nor
    // reported twice: every job runs, every report names only jobs that ran.
    void addWhileEnding()
    {
        DownloadThread dt;
        QStringList reported;
        connect(&dt, &DownloadThread::doDownloadFinished, this,
                [&reported](const QStringList& ok, const QStringList&) { reported += ok; });
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        for (int i = 0; i < 6; ++i) {
            jobs.push_back(makeJob(QStringLiteral("/ok-race%1").arg(i)));
            QVERIFY(dt.add({jobs.back().get()}));
            QTest::qWait(40 * i);
        }
        QTRY_COMPARE_WITH_TIMEOUT(reported.size(), 6, 15000);
        reported.sort();
        QCOMPARE(reported, (QStringList{"Tok-race0", "Tok-race1", "Tok-race2", "Tok-race3", "Tok-race4", "Tok-race5"}));
    }

    void destroyWhileRunning()
    {
        auto job = makeJob(QStringLiteral("/slow-destroy"));
        QElapsedTimer t;
        {
            DownloadThread dt;
            QVERIFY(dt.add({job.get()}));
            QTRY_VERIFY_WITH_TIMEOUT(job->progressSafe() >= 10, kWaitMs);
            t.start();
        }
        QVERIFY(t.elapsed() < 5000);
        job->removeTempFolder(true);
    }
};

QTEST_GUILESS_MAIN(TstDownloadThread)
#include "tst_downloadthread.moc"

