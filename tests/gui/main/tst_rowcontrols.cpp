#include "DialogAnswerer.h"
#include "EngineTestEnv.h"
#include "FakeScripts.h"
#include "PlatformGuard.h"

#include "ui_livevideoform.h"
#include "ui_mediadlitemform.h"
#include "ui_trackitem.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "function/Youtube/Youtube.h"
#include "gui/common/CToolTip.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/CUxDlTracksListBox.h"
#include "gui/main/CUxTimeEdit.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/cnorvideodlitem.h"

#include <QPointer>
#include <QPushButton>
#include <QTimeEdit>
#include <QtTest>
#include <memory>
#include <vector>

// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.
static constexpr int kWaitMs = 30000;

namespace {

int secondsOfDay(const QTime& t)
{
    return t.hour() * 3600 + t.minute() * 60 + t.second();
}

bool nearMidnight()
{
    const int s = secondsOfDay(QTime::currentTime());
    return s > 86400 - 300 || s < 120;
}

}

// The row's controls against the real engine, which plays the fake
// downloader: the engine alone decides whether a start is granted.
class TstRowControls : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    std::unique_ptr<QUxListWidget> m_list;
    std::vector<std::unique_ptr<CNorVideoDlItem>> m_rows;

    static DownloadItem task(const QString& path, bool live)
    {
        DownloadItem t;
        t.title = QStringLiteral("Title ") + path;
        t.url = QStringLiteral("http://fake.example") + path;
        t.isLiveStream = live;
        for (const char* format : {"mp4", "webm"}) {
            DownloadMedia m;
            m.formatID = QStringLiteral("18");
            m.srcExt = m.tarExt = QStringLiteral("mp4");
            m.format = QLatin1String(format);
            m.fileSize = QStringLiteral("1.00MB");
            t.medias.append(m);
        }
        t.setChosenMediaIndex(0);
        return t;
    }
    CNorVideoDlItem* row(const QString& path, bool live = false)
    {
        m_rows.push_back(std::make_unique<CNorVideoDlItem>(m_list.get(), task(path, live), true));
        return m_rows.back().get();
    }
    int runsOf(const QString& path) const
    {
        int n = 0;
        for (const QJsonObject& run : EngineTestEnv::fakeRuns(m_f))
            if (EngineTestEnv::fakeArgv(run).contains(QStringLiteral("http://fake.example") + path))
                ++n;
        return n;
    }
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // Orders a live row's recording secondsAhead from now through the editor.
    static void order(CNorVideoDlItem* r, int secondsAhead)
    {
        r->popUpTimeEdit(0);
        r->timeEditor()->timeEditor()->setTime(QTime::currentTime().addSecs(secondsAhead));
        r->timeEditor()->hide();
        QCOMPARE(r->liveControlState(), 2);
    }
    // Five live rows recording: the engine has no free worker left.
    void fillWithRecordings()
    {
        QList<CNorVideoDlItem*> busy;
        for (int i = 0; i < 5; ++i) {
            CNorVideoDlItem* r = row(QStringLiteral("/slow/busy%1").arg(i), true);
            click(r->liveVideoForm()->btnContrl);
            QCOMPARE(r->liveControlState(), 1);
            busy << r;
        }
        for (CNorVideoDlItem* r : busy)
            QTRY_VERIFY_WITH_TIMEOUT(r->isDownloading(), kWaitMs);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        QVERIFY(EngineTestEnv::installFake(m_f, FakeScripts::downloads()));
        m_list.reset(new QUxListWidget);
        m_list->resize(780, 500);
        // The version service is never asked here; were it, it would not
        // reach beyond this machine.
        NetVersionMgr::Environment env;
        env.versionFileUrl = QUrl(QStringLiteral("http://127.0.0.1:9/version.json"));
        NetVersionMgr::createInstance(env);
    }

    // Every row leaves the engine before it goes.
    void cleanup()
    {
        for (auto& r : m_rows)
            Youtube::instance()->removeDownloadingItems({r->downloadItem()});
        m_rows.clear();
        Youtube::instance()->stopAllDownloads(true, true);
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
    }

    // The control button of a live row, with the engine answering.
    void liveControl_data()
    {
        QTest::addColumn<QString>("from");       // idle, ordered, queued
        QTest::addColumn<bool>("full");          // five recordings run already
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("balloon");        // -1: none
        QTest::addColumn<bool>("held");          // the engine holds the task afterwards
        QTest::newRow("start, slot granted") << "idle" << false << 1 << -1 << true;
        QTest::newRow("sixth start refused") << "idle" << true << 0 << 1 << false;
        QTest::newRow("order, slot granted") << "ordered" << false << 3 << -1 << true;
        QTest::newRow("sixth order refused") << "ordered" << true << 2 << 2 << false;
        QTest::newRow("order cancelled") << "queued" << false << 2 << -1 << false;
    }
    void liveControl()
    {
        QFETCH(QString, from);
        QFETCH(bool, full);
        QFETCH(int, to);
        QFETCH(int, balloon);
        QFETCH(bool, held);
        if (nearMidnight())
            QSKIP("the day wraps under the order");
        if (full)
            fillWithRecordings();
        CNorVideoDlItem* r = row(QStringLiteral("/slow/subject"), true);
        if (from != QLatin1String("idle"))
            order(r, 120);
        if (from == QLatin1String("queued")) {
            click(r->liveVideoForm()->btnContrl);
            QCOMPARE(r->liveControlState(), 3);
            QVERIFY(Youtube::instance()->isDownloadPending(r->downloadItem()));
        }
        click(r->liveVideoForm()->btnContrl);
        QCOMPARE(r->liveControlState(), to);
        QCOMPARE(r->liveVideoForm()->btnContrl->text(), CNorVideoDlItem::controlText(to));
        // A cancelled order's worker winds down on its own thread.
        QTRY_COMPARE_WITH_TIMEOUT(Youtube::instance()->isDownloadPending(r->downloadItem()), held, kWaitMs);
        if (balloon >= 0) {
            CToolTipText* tip = CNorVideoDlItem::refusalBalloon(balloon);
            QVERIFY(tip && tip->isVisible());
            QCOMPARE(tip->text(), balloon == 2 ? QStringLiteral("Can't reserve download. Only 5 are allowed at one time.")
                                               : QStringLiteral("can't start to download,Only 5 are allowed at the same time."));
            QCOMPARE(tip->textColor(), QColor(QStringLiteral("#919499")));
        }
        if (to == 2) {
            // The order keeps its time; the editors open again.
            QCOMPARE(r->downloadItem()->startNow, false);
            QVERIFY(!r->liveVideoForm()->btnEditStartTime->isHidden());
        }
    }

    void recordingStartsAndStops()
    {
        CNorVideoDlItem* r = row(QStringLiteral("/slow/rec"), true);
        QSignalSpy started(r->downloadItem(), &DownloadItem::doStarted);
        click(r->liveVideoForm()->btnContrl);
        // A second click before the start shows does nothing.
        click(r->liveVideoForm()->btnContrl);
        QCOMPARE(r->liveControlState(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(r->isDownloading(), kWaitMs);
        QCOMPARE(r->liveVideoForm()->btnContrl->text(), QStringLiteral("Stop Recording"));
        QVERIFY(!r->liveVideoForm()->btnTrack->isEnabled());
        // The start shows once the child runs, before the downloader has
        // logged its run; a stop at once may end it before that.
        QTRY_COMPARE_WITH_TIMEOUT(runsOf(QStringLiteral("/slow/rec")), 1, kWaitMs);
        click(r->liveVideoForm()->btnContrl);
        QCOMPARE(r->liveControlState(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!r->isDownloading(), kWaitMs);
        QCOMPARE(r->liveVideoForm()->btnContrl->text(), QStringLiteral("Start Recording"));
        QCOMPARE(started.count(), 1);
        QCOMPARE(runsOf(QStringLiteral("/slow/rec")), 1);
    }

    void cancelledOrderStartsNoChild()
    {
        if (nearMidnight())
            QSKIP("the day wraps under the order");
        CNorVideoDlItem* r = row(QStringLiteral("/delay/cancelled"), true);
        QSignalSpy started(r->downloadItem(), &DownloadItem::doStarted);
        order(r, 3);
        const QTime due = r->downloadItem()->startTime;
        click(r->liveVideoForm()->btnContrl);
        QCOMPARE(r->liveControlState(), 3);
        click(r->liveVideoForm()->btnContrl);
        QCOMPARE(r->liveControlState(), 2);
        // Past the ordered second, nothing has started.
        QTRY_VERIFY_WITH_TIMEOUT(secondsOfDay(QTime::currentTime()) > secondsOfDay(due) + 2, kWaitMs);
        QCoreApplication::processEvents();
        QCOMPARE(started.count(), 0);
        QCOMPARE(runsOf(QStringLiteral("/delay/cancelled")), 0);
        QVERIFY(!Youtube::instance()->isDownloadPending(r->downloadItem()));
        // The passed time stays; the button orders it again (for tomorrow).
        QCOMPARE(r->liveVideoForm()->labStartTime->text(), due.toString(QStringLiteral("HH:mm:ss")));
        QCOMPARE(r->liveVideoForm()->btnContrl->text(), QStringLiteral("Order Recording"));
    }

    void iconStartsAndStops()
    {
        CNorVideoDlItem* r = row(QStringLiteral("/slow/icon"));
        click(r->mediaForm()->DlIcon);
        QTRY_VERIFY_WITH_TIMEOUT(r->isDownloading(), kWaitMs);
        QVERIFY(r->mediaForm()->DlIcon->styleSheet().contains(QStringLiteral("download_pause_nor")));
        click(r->mediaForm()->DlIcon);
        QTRY_VERIFY_WITH_TIMEOUT(!r->isDownloading(), kWaitMs);
        QCOMPARE(r->lastResultCode(), int(DownloadItem::DownloadStopped));
        QVERIFY(!r->mediaForm()->BtnSkip->isHidden());
    }

    void failedRowReloads()
    {
        CNorVideoDlItem* r = row(QStringLiteral("/fail/reload"));
        click(r->mediaForm()->DlIcon);
        QTRY_COMPARE_WITH_TIMEOUT(r->lastResultCode(), int(DownloadItem::DownloadFailed), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!Youtube::instance()->isDownloadPending(r->downloadItem()), kWaitMs);
        QVERIFY(!r->mediaForm()->BtnReload->isHidden());
        // The icon of a failed row does nothing; reload runs it again.
        click(r->mediaForm()->DlIcon);
        QVERIFY(!Youtube::instance()->isDownloadPending(r->downloadItem()));
        QCOMPARE(runsOf(QStringLiteral("/fail/reload")), 1);
        click(r->mediaForm()->BtnReload);
        QCOMPARE(r->progress(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(runsOf(QStringLiteral("/fail/reload")), 2, kWaitMs);
    }

    void skipAndRestore()
    {
        CNorVideoDlItem* r = row(QStringLiteral("/skip"));
        click(r->mediaForm()->BtnSkip);
        QVERIFY(r->isSkipped());
        r->restoreCoverButton()->show();
        click(r->restoreCoverButton());
        QVERIFY(!r->isSkipped());
    }

    void skippedRowIsLeftOutOfStartAll()
    {
        DownloaderForm page;
        auto* skipped = new CNorVideoDlItem(page.downloadList(), task(QStringLiteral("/slow/skipped"), false), true);
        auto* kept = new CNorVideoDlItem(page.downloadList(), task(QStringLiteral("/slow/kept"), false), true);
        page.downloadList()->insertItem(skipped, false, -1);
        page.downloadList()->insertItem(kept, false, -1);
        // The rows leave the engine before the page deletes them, whatever fails.
        struct Leave
        {
            QList<DownloadItem*> tasks;
            ~Leave() { Youtube::instance()->removeDownloadingItems(tasks); }
        } leave{{skipped->downloadItem(), kept->downloadItem()}};
        click(skipped->mediaForm()->BtnSkip);
        page.startAllDownloads();
        QVERIFY(Youtube::instance()->isDownloadPending(kept->downloadItem()));
        QVERIFY(!Youtube::instance()->isDownloadPending(skipped->downloadItem()));
        // Restored (its button shows while the pointer is over the cover), it is taken again.
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(skipped->skipCover(), &enter);
        click(skipped->restoreCoverButton());
        QVERIFY(!skipped->isSkipped());
        page.startAllDownloads();
        QVERIFY(Youtube::instance()->isDownloadPending(skipped->downloadItem()));
    }

    void closeAsksOnlyWhileDownloading_data()
    {
        QTest::addColumn<bool>("downloading");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("erased");
        QTest::newRow("idle row goes at once") << false << "" << true;
        QTest::newRow("downloading, no") << true << "btn_1" << false;
        QTest::newRow("downloading, closed box") << true << "btn_close" << false;
        QTest::newRow("downloading, yes") << true << "btn_0" << true;
    }
    void closeAsksOnlyWhileDownloading()
    {
        QFETCH(bool, downloading);
        QFETCH(QString, answer);
        QFETCH(bool, erased);
        CNorVideoDlItem* r = row(QStringLiteral("/slow/close"));
        if (downloading) {
            click(r->mediaForm()->DlIcon);
            QTRY_VERIFY_WITH_TIMEOUT(r->isDownloading(), kWaitMs);
        }
        QSignalSpy erase(r, &QUxItemBase::doErase);
        DialogAnswerer answerer;
        if (!answer.isEmpty())
            answerer.press("MsgDialog", answer);
        click(r->mediaForm()->btnClose);
        QVERIFY(answerer.allAnswered());
        QCOMPARE(erase.count(), erased ? 1 : 0);
        if (!answer.isEmpty())
            QCOMPARE(answerer.seen.first().texts.contains(QStringLiteral("The media file is being downloaded.")), true);
        QTRY_COMPARE_WITH_TIMEOUT(Youtube::instance()->isDownloadPending(r->downloadItem()), !erased && downloading, kWaitMs);
    }

    void openFolderSelectsAllOutputs()
    {
        PlatformGuard guard;
        CNorVideoDlItem* r = row(QStringLiteral("/open"));
        const QStringList files = {m_f.video + QStringLiteral("/clip.mp4"), m_f.video + QStringLiteral("/clip.en.srt")};
        for (const QString& f : files) {
            QFile file(f);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        r->onDownFinished(0, files);
        click(r->mediaForm()->btnOpenFolder);
        QCOMPARE(guard.fileManager.size(), 1);
        QCOMPARE(guard.fileManager.first().kind, FileManager::Request::ShowItems);
        QCOMPARE(guard.fileManager.first().folder, m_f.video);
        QCOMPARE(guard.fileManager.first().files, files);
        // No outputs: nothing opens.
        CNorVideoDlItem* none = row(QStringLiteral("/open/none"));
        none->onDownFinished(0, {});
        none->on_btnOpenFolder_clicked();
        QCOMPARE(guard.fileManager.size(), 1);
    }

    void toolButtonsOpenOnlyWebAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opened");
        QTest::newRow("https") << "https://tools.example/convert" << true;
        QTest::newRow("http with query") << "http://tools.example/c?x=1" << true;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << false;
        QTest::newRow("empty") << "" << false;
    }
    void toolButtonsOpenOnlyWebAddresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, opened);
        PlatformGuard guard;
        CNorVideoDlItem* r = row(QStringLiteral("/tools"));
        r->onDownFinished(0, {});
        r->mediaForm()->btnToMp3->setProperty("URL", address);
        r->on_btnToMp3_clicked();
        QCOMPARE(guard.links.size(), opened ? 1 : 0);
        if (opened) {
            QVERIFY(guard.links.first().toString().startsWith(address));
            QVERIFY(guard.links.first().toString().contains(QStringLiteral("mainui")));
        }
    }

    // A task queued behind five downloads keeps its format and its partial
    // data: the worker may take it up at any moment.
    void formatChangeOnAQueuedRowIsRefused()
    {
        for (int i = 0; i < 5; ++i) {
            CNorVideoDlItem* busy = row(QStringLiteral("/slow/q%1").arg(i));
            click(busy->mediaForm()->DlIcon);
            QTRY_VERIFY_WITH_TIMEOUT(busy->isDownloading(), kWaitMs);
        }
        CNorVideoDlItem* r = row(QStringLiteral("/slow/queued"));
        const QString temp = m_f.video + QStringLiteral("/temp_queued");
        QVERIFY(QDir().mkpath(temp));
        r->downloadItem()->tempFilePath = temp;
        r->downloadItem()->setProgress(30);
        r->setProgress(30);
        click(r->mediaForm()->DlIcon);
        QVERIFY(Youtube::instance()->isDownloadPending(r->downloadItem()));
        QVERIFY(!r->isDownloading());
        click(r->mediaForm()->btnTrack);
        QPointer<CUxDlTracksListBox> chooser = CNorVideoDlItem::trackChooser;
        QVERIFY(chooser);
        DialogAnswerer answerer;   // no question may come
        click(chooser->trackItem(1)->form()->pushButton);
        QCOMPARE(r->downloadItem()->chosenMediaIndex(), 0);
        QVERIFY(QFileInfo(temp).isDir());
        QTRY_VERIFY_WITH_TIMEOUT(!chooser->trackItem(1)->isChecked(), kWaitMs);
        chooser->hide();
    }
};

QTEST_MAIN(TstRowControls)
#include "tst_rowcontrols.moc"
