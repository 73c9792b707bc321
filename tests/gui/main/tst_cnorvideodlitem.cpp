#include "EngineTestEnv.h"
#include "FakeScripts.h"

#include "ui_livevideoform.h"
#include "ui_mediadlitemform.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/cnorvideodlitem.h"

#include <QPointer>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>

// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.
static constexpr int kWaitMs = 30000;

class TstCNorVideoDlItem : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    std::unique_ptr<QUxListWidget> m_list;

    static DownloadItem task(const QString& path, bool live = false)
    {
        DownloadItem t;
        t.title = QStringLiteral("Title ") + path;
        t.url = QStringLiteral("http://fake.example") + path;
        t.isLiveStream = live;
        t.mediaDuration = 3725;
        DownloadMedia m;
        m.formatID = QStringLiteral("18");
        m.srcExt = QStringLiteral("mp4");
        m.tarExt = QStringLiteral("mp4");
        m.format = QStringLiteral("mp4");
        m.resolution = QStringLiteral("1280x720");
        m.fileSize = QStringLiteral("12.30MB");
        t.medias.append(m);
        t.setChosenMediaIndex(0);
        return t;
    }

    static bool sheetHas(QWidget* w, const char* image) { return w->styleSheet().contains(QLatin1String(image)); }

    // What a user sees of a built row: the row's strip and size, and each
    // part's shown state, sheet, text, enabled state and, where it shows,
    // its place.
    static QStringList looks(CNorVideoDlItem& row)
    {
        QStringList out;
        out << row.objectName() << row.styleSheet() << QStringLiteral("%1x%2").arg(row.width()).arg(row.height())
            << QString::number(row.progress()) << QString::number(row.pulseTimer()->isActive());
        for (QWidget* w : row.findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w == row.skipCover())
                continue;
            // Layouts inside a hidden part place it when it shows.
            const QRect g = w->isVisibleTo(&row) ? w->geometry() : QRect();
            // The pulse colours the percentage on its own clock.
            const QString sheet = row.isDownloading() && w == row.mediaForm()->labProcess ? QString() : w->styleSheet();
            out << QStringLiteral("%1 %2,%3 %4x%5 hidden=%6 enabled=%7 sheet=%8 text=%9")
                       .arg(w->objectName()).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                       .arg(w->isHidden()).arg(w->isEnabled()).arg(sheet, w->property("text").toString());
        }
        out << QString::number(row.mediaForm()->progressBar->value()) << row.mediaForm()->btnToMp3->property("URL").toString();
        return out;
    }

    static void play(CNorVideoDlItem& row, const QStringList& steps)
    {
        for (const QString& step : steps) {
            const QStringList w = step.split(QLatin1Char(' '));
            const int n = w.value(1).toInt();
            if (w.first() == QLatin1String("select"))
                row.setSelected(true);
            else if (w.first() == QLatin1String("normal"))
                row.setNormalStyle();
            else if (w.first() == QLatin1String("progress"))
                row.setProgress(n);
            else if (w.first() == QLatin1String("start"))
                row.onDownStarted();
            else if (w.first() == QLatin1String("caught"))
                row.onProgressCatched(n);
            else if (w.first() == QLatin1String("finish"))
                row.onDownFinished(n, n == 0 ? QStringList{QStringLiteral("/out/a.mp4")} : QStringList());
            else if (w.first() == QLatin1String("resize"))
                row.resize(n, 120);
            else
                QFAIL(qPrintable(step));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        QVERIFY(EngineTestEnv::installFake(m_f, FakeScripts::downloads()));
        m_list.reset(new QUxListWidget);
        m_list->resize(780, 500);
    }

    void formsHaveTheirWidgets()
    {
        CNorVideoDlItem row(m_list.get(), task(QStringLiteral("/a")), true);
        Ui::mediadlitemform* f = row.mediaForm();
        QVERIFY(f && !row.liveVideoForm());
        QCOMPARE(row.objectName(), QStringLiteral("mediadlitemform"));
        QCOMPARE(row.itemHeight(), 120);
        const char* names[] = {"PosterWidget", "labTitle", "InfoWidget", "DlIcon", "progressBar", "BtnSkip", "labProcess",
                               "BtnReload", "btnClose", "btnOpenFolder", "widget", "linkWidget", "btnTrack", "labTrack",
                               "IconTrack", "VideoTrackNumBtn", "btnToMp3", "btnMarbletone", "FormatIcon", "labFormat",
                               "ResolutionIcon", "labResolution", "TimeIcon", "labTime", "SizeIcon", "labSize"};
        for (const char* n : names)
            QVERIFY2(row.findChild<QWidget*>(QLatin1String(n)), n);
        QCOMPARE(QByteArray(f->btnToMp3->metaObject()->className()), QByteArray("CUxTpTextIllus"));
        QCOMPARE(QByteArray(f->btnTrack->metaObject()->className()), QByteArray("CUxPushButton"));
        QCOMPARE(QByteArray(f->VideoTrackNumBtn->metaObject()->className()), QByteArray("CUxCircleBtn"));
        QCOMPARE(f->btnToMp3->property("text").toString(), QStringLiteral("Convert to mp3"));

        UIBaseData::rescaleWidgetTree(&row, 1.0);
        QCOMPARE(f->labProcess->pos(), f->BtnSkip->pos());
        QCOMPARE(f->BtnReload->pos(), f->BtnSkip->pos());
        QCOMPARE(f->BtnSkip->pos(), QPoint(703, 94));

        CNorVideoDlItem live(m_list.get(), task(QStringLiteral("/l"), true), true);
        Ui::livevideoform* lf = live.liveVideoForm();
        QVERIFY(lf && !live.mediaForm());
        QCOMPARE(live.itemHeight(), 138);
        QCOMPARE(lf->labDuration->text(), QStringLiteral("00:05:00"));
        QCOMPARE(live.downloadItem()->duration, 300);
        QVERIFY(!live.findChild<QWidget*>(QStringLiteral("BtnSkip")));
        UIBaseData::rescaleWidgetTree(&live, 1.0);
        QCOMPARE(lf->labProcess->pos(), lf->btnOpenFolder->pos());
        QCOMPARE(lf->labLiveIcon->pos(), QPoint(13, 105));
    }

    void infoTextsArePlainAndSafe()
    {
        DownloadItem t = task(QStringLiteral("/b"));
        t.title = QStringLiteral("<b>bold</b> & co");
        CNorVideoDlItem row(m_list.get(), t, true);
        Ui::mediadlitemform* f = row.mediaForm();
        QCOMPARE(f->labTitle->textFormat(), Qt::PlainText);
        QVERIFY(f->labTitle->toolTip().contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt; &amp; co")));
        QCOMPARE(f->labTime->text(), QStringLiteral("01:02:05"));
        QCOMPARE(f->VideoTrackNumBtn->text(), QStringLiteral("1"));
        QVERIFY(f->labFormat->text().startsWith(QStringLiteral("MP")));

        // A stored task whose chosen index lies outside its formats.
        DownloadItem bad = task(QStringLiteral("/c"));
        bad.setChosenMediaIndexRaw(7);
        CNorVideoDlItem badRow(m_list.get(), bad, true);
        QVERIFY(badRow.mediaForm()->labFormat->text().isEmpty());
        QVERIFY(badRow.mediaForm()->labSize->text().isEmpty());
        DownloadItem none;
        none.title = QStringLiteral("no formats");
        CNorVideoDlItem noneRow(m_list.get(), none, true);
        QCOMPARE(noneRow.mediaForm()->VideoTrackNumBtn->text(), QStringLiteral("0"));
    }

    // A row out of view builds its form when it first comes into view; by
    // then it must show all it went through, as a row built at once does.
    void formBuiltLateShowsWhatTheRowWentThrough_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("untouched") << QStringList();
        QTest::newRow("restored") << QStringList{"progress 25", "normal", "resize 760"};
        QTest::newRow("selected") << QStringList{"resize 700", "select"};
        QTest::newRow("downloading") << QStringList{"normal", "start", "caught 40"};
        QTest::newRow("succeeded") << QStringList{"normal", "start", "caught 40", "finish 0"};
        QTest::newRow("stopped") << QStringList{"normal", "start", "caught 40", "finish 2"};
        QTest::newRow("failed") << QStringList{"start", "finish 5"};
        QTest::newRow("succeeded, selected") << QStringList{"start", "caught 60", "finish 0", "select"};
        QTest::newRow("selected then normal") << QStringList{"select", "start", "caught 10", "normal"};
        QTest::newRow("started again") << QStringList{"start", "finish 0", "progress 0", "start", "caught 5"};
    }
    void formBuiltLateShowsWhatTheRowWentThrough()
    {
        QFETCH(QStringList, steps);
        QUxListWidget list;
        list.resize(780, 300);
        CNorVideoDlItem early(&list, task(QStringLiteral("/early")), true);
        QVERIFY(early.mediaForm());
        play(early, steps);

        CNorVideoDlItem late(&list, task(QStringLiteral("/early")), true);
        play(late, steps);
        QVERIFY(!late.hasMediaForm());
        late.ensurePolished();
        QVERIFY(late.hasMediaForm());
        QCOMPARE(looks(late), looks(early));
    }

    // A row the list hides out of view leaves its polish, and its form, to
    // its showing.
    void rowOutOfViewWaitsForItsShowing()
    {
        QWidget window;
        window.resize(780, 300);
        auto* list = new QUxListWidget(&window);
        list->resize(780, 300);
        // As in the program, the list stands polished before its rows come.
        window.ensurePolished();
        auto* row = new CNorVideoDlItem(list, task(QStringLiteral("/w")), true);
        row->hide();
        QCoreApplication::processEvents();
        QVERIFY(!row->testAttribute(Qt::WA_WState_Polished));
        QVERIFY(!row->hasMediaForm());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!row->hasMediaForm());
        row->show();
        QVERIFY(row->isVisible());
        QVERIFY(row->hasMediaForm());
        for (QWidget* part : {static_cast<QWidget*>(row->mediaForm()->BtnSkip), static_cast<QWidget*>(row->mediaForm()->labTitle)}) {
            QVERIFY2(part->isVisible(), qPrintable(part->objectName()));
            QVERIFY2(part->testAttribute(Qt::WA_WState_Polished), qPrintable(part->objectName()));
        }
        QCOMPARE(row->mediaForm()->labTitle->text(), QStringLiteral("Title /w"));
    }

    void resultTable_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<int>("progress");
        const QStringList all = {"labProcess", "BtnSkip", "BtnReload", "btnOpenFolder", "linkWidget"};
        QTest::newRow("success") << false << 0 << "complete_black" << QStringList{"BtnReload", "btnOpenFolder", "linkWidget"}
                                 << QStringList{"labProcess", "BtnSkip"} << 100;
        QTest::newRow("stopped") << false << 2 << "download_nor_b" << QStringList{"BtnSkip"}
                                 << QStringList{"labProcess", "BtnReload", "btnOpenFolder"} << 40;
        QTest::newRow("no format") << false << 3 << "notcomplete_white" << QStringList{"BtnReload"}
                                   << QStringList{"labProcess", "BtnSkip", "btnOpenFolder"} << 40;
        QTest::newRow("interrupted") << false << 4 << "download_nor_b" << QStringList{"BtnReload"}
                                     << QStringList{"labProcess", "BtnSkip", "btnOpenFolder"} << 40;
        QTest::newRow("failed") << false << 5 << "notcomplete_white" << QStringList{"BtnReload"}
                                << QStringList{"labProcess", "BtnSkip", "btnOpenFolder"} << 40;
        QTest::newRow("live success") << true << 0 << "" << QStringList{"btnOpenFolder", "btnEditStartTime"}
                                      << QStringList{"labProcess"} << 100;
        QTest::newRow("live stopped") << true << 2 << "" << QStringList{"btnEditStartTime"}
                                      << QStringList{"labProcess", "btnOpenFolder"} << 0;
    }
    void resultTable()
    {
        QFETCH(bool, live);
        QFETCH(int, result);
        QFETCH(QString, icon);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        QFETCH(int, progress);
        // Rows built with a fixed format chooser show that a failure opens it.
        CNorVideoDlItem row(m_list.get(), task(QStringLiteral("/r%1").arg(result), live), false);
        // As a row in view has it.
        row.mediaForm();
        row.onDownStarted();
        QVERIFY(row.isDownloading());
        QVERIFY(row.pulseTimer()->isActive());
        row.onProgressCatched(40);
        row.onDownFinished(result, result == 0 ? QStringList{QStringLiteral("/out/a.mp4")} : QStringList());
        QVERIFY(!row.isDownloading());
        QVERIFY(!row.pulseTimer()->isActive());
        QCOMPARE(row.isCompleted(), result == 0);
        QCOMPARE(row.firstOutputFile(), result == 0 ? QStringLiteral("/out/a.mp4") : QString());
        QCOMPARE(row.progress(), progress);
        for (const QString& n : shown)
            QVERIFY2(!row.findChild<QWidget*>(n)->isHidden(), qPrintable(n));
        for (const QString& n : hidden)
            QVERIFY2(row.findChild<QWidget*>(n)->isHidden(), qPrintable(n));
        if (live) {
            QCOMPARE(row.liveControlState(), 0);
            QCOMPARE(row.liveVideoForm()->labStartTime->text(), CNorVideoDlItem::currentTimeText());
            QVERIFY(row.liveVideoForm()->btnTrack->isEnabled());
            QCOMPARE(row.liveVideoForm()->btnContrl->text(), QStringLiteral("Start Recording"));
            QVERIFY(row.downloadItem()->startNow);
        } else {
            QVERIFY2(sheetHas(row.mediaForm()->DlIcon, qPrintable(icon)), qPrintable(row.mediaForm()->DlIcon->styleSheet()));
            QCOMPARE(row.mediaForm()->btnTrack->isEnabled(), result != 0);
        }
    }

    void liveStartShowsRecording()
    {
        CNorVideoDlItem row(m_list.get(), task(QStringLiteral("/ls"), true), true);
        row.onDownStarted();
        QCOMPARE(row.liveControlState(), 1);
        QCOMPARE(row.liveVideoForm()->btnContrl->text(), QStringLiteral("Stop Recording"));
        QVERIFY(!row.liveVideoForm()->btnTrack->isEnabled());
        QVERIFY(!row.liveVideoForm()->labProcess->isHidden());
        QCOMPARE(row.liveVideoForm()->labProcess->text(), QStringLiteral("0%"));
        QVERIFY(QTime::fromString(row.liveVideoForm()->labStartTime->text(), QStringLiteral("hh:mm:ss")).isValid());
    }

    void pulse_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("swing");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("normal") << false << 52 << "color:rgb(67,70,82)" << "color:rgb(68.4615,75.6154,83)";
        QTest::newRow("selected") << true << 78 << "color:rgb(255,255,255)" << "color:rgb(251.154,254,251.231)";
    }
    void pulse()
    {
        QFETCH(bool, selected);
        QFETCH(int, swing);
        QFETCH(QString, first);
        QFETCH(QString, second);
        CNorVideoDlItem row(m_list.get(), task(QStringLiteral("/p")), true);
        row.setSelected(selected);
        row.onDownStarted();
        row.pulseTimer()->stop();
        QLabel* lab = row.mediaForm()->labProcess;
        row.showlight();
        QCOMPARE(lab->styleSheet(), first);
        row.showlight();
        QCOMPARE(lab->styleSheet(), second);
        int ticks = 2;
        while (row.pulseStep() != 0 && ticks < 1000) {
            row.showlight();
            ++ticks;
        }
        QCOMPARE(ticks, swing);
        // The top of the swing is the same green on both looks.
        row.setSelected(selected);
        for (int i = 0; i <= swing / 2; ++i)
            row.showlight();
        QCOMPARE(lab->styleSheet(), QStringLiteral("color:rgb(105,216,108)"));
        // A new look starts the pulse again.
        row.setSelected(!selected);
        QCOMPARE(row.pulseStep(), 0);
    }

    void closeButtonMakesRoomForTheScrollBar()
    {
        QUxListWidget list;
        list.resize(780, 300);
        CNorVideoDlItem row(&list, task(QStringLiteral("/g")), true);
        QResizeEvent resize(QSize(752, 120), QSize(752, 100));
        QCoreApplication::sendEvent(&row, &resize);
        QCOMPARE(list.scrollMaximum(), 0);
        QCOMPARE(row.mediaForm()->btnClose->property("basePos").toPoint(), QPoint(738, 8));
        QCOMPARE(row.clickRect(), QRect(4, 3, row.width() - 8, row.height() - 7));
    }

    void skippedRowSwallowsClicks()
    {
        CNorVideoDlItem row(m_list.get(), task(QStringLiteral("/s")), true);
        QVERIFY(!row.isSkipped());
        QResizeEvent resize(QSize(752, 120), QSize(752, 100));
        QCoreApplication::sendEvent(&row, &resize);
        row.skipCover()->show();
        QVERIFY(row.isSkipped());
        QCOMPARE(row.skipCover()->objectName(), QStringLiteral("SkipSupernatant"));
        QCOMPARE(row.skipCover()->geometry(), QRect(4, 3, 744, 113));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(row.skipCover(), &enter);
        QVERIFY(!row.restoreCoverButton()->isHidden());
        // Centred on the cover, at its design size and font.
        QCOMPARE(row.restoreCoverButton()->geometry(), QRect(329, 42, 86, 28));
        QCOMPARE(row.restoreCoverButton()->font().pixelSize(), 18);
        QCOMPARE(row.restoreCoverButton()->text(), QStringLiteral("Restore"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(row.skipCover(), &leave);
        QVERIFY(row.restoreCoverButton()->isHidden());
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QVERIFY(QCoreApplication::sendEvent(row.skipCover(), &press));
    }

    // The fake downloader plays a download; its worker thread emits.
    void startProgressAndFinishInOrder()
    {
        CNorVideoDlItem row(m_list.get(), task(QStringLiteral("/delay/one")), true);
        QStringList seen;
        // Queued after the row's own connections, so each runs right after
        // the row has handled the same news.
        connect(row.downloadItem(), &DownloadItem::doStarted, &row, [&] { seen << (row.isDownloading() ? "started" : "not shown"); }, Qt::QueuedConnection);
        connect(row.downloadItem(), &DownloadItem::doProgress, &row, [&](int) { seen << (row.isDownloading() ? "progress" : "progress before start"); }, Qt::QueuedConnection);
        connect(row.downloadItem(), &DownloadItem::doFinish, &row, [&](int, QStringList) { seen << "finished"; }, Qt::QueuedConnection);
        QVERIFY(Youtube::instance()->startDownload({row.downloadItem()}));
        QTRY_VERIFY_WITH_TIMEOUT(seen.contains(QStringLiteral("finished")), kWaitMs);
        QCOMPARE(seen.first(), QStringLiteral("started"));
        QVERIFY2(!seen.contains(QStringLiteral("progress before start")), qPrintable(seen.join(',')));
        QVERIFY(seen.contains(QStringLiteral("progress")));
        QVERIFY(row.isCompleted());
        QCOMPARE(row.progress(), 100);
        QVERIFY(QFileInfo::exists(row.firstOutputFile()));
    }

    // A stop from this thread while the worker announces the start (holding
    // its job's lock) must come back.
    void stopWhileStartIsAnnouncedReturns()
    {
        for (int run = 0; run < 5; ++run) {
            auto row = std::make_unique<CNorVideoDlItem>(m_list.get(), task(QStringLiteral("/slow/%1").arg(run)), true);
            DownloadItem* job = row->downloadItem();
            std::atomic<bool> stopped {false};
            QObject guard;
            connect(job, &DownloadItem::doStarted, job, [&] {
                QMetaObject::invokeMethod(&guard, [&] {
                    Youtube::instance()->stopDownload(job, false);
                    stopped = true;
                }, Qt::QueuedConnection);
                // Hold the announcement until the stop has been asked.
                for (int i = 0; i < 200 && !stopped; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }, Qt::DirectConnection);
            QSignalSpy finished(job, &DownloadItem::doFinish);
            QVERIFY(Youtube::instance()->startDownload({job}));
            QTRY_VERIFY_WITH_TIMEOUT(stopped, kWaitMs);
            QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1, kWaitMs);
            QTRY_VERIFY_WITH_TIMEOUT(!row->isDownloading(), kWaitMs);
            QCOMPARE(row->lastResultCode(), int(DownloadItem::DownloadStopped));
            Youtube::instance()->removeDownloadingItems({job});
        }
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
    }
};

QTEST_MAIN(TstCNorVideoDlItem)
#include "tst_cnorvideodlitem.moc"
