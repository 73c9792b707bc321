// The preview inside the whole main window, at the scales the window is
// drawn at: its time bar is painted where the mouse finds it, and a click
// on it moves the time. Runs on a virtual display: the preview plays for
// real.

#include "AvTestMedia.h"
#include "EngineTestEnv.h"
#include "LocalHttpServer.h"
#include "PageTestEnv.h"
#include "PlatformGuard.h"
#include "PlayedBar.h"
#include "XvfbMain.h"

#include "ui_DownloaderForm.h"

#include "function/QtAV/include/CVideoView.h"
#include "function/QtAV/include/VideoPlay.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/common/SmallButtons.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/MainWindow.h"
#include "gui/main/cnorvideodlitem.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

static constexpr int kWaitMs = 30000;

namespace {

const char kVersionPath[] = "/update.qorvdvd.com/tarnwick/dll/version.json";

using PlayedBar::playedPixels;

} // namespace

class TstMainWindowPreview : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    LocalHttpServer m_server;
    std::unique_ptr<PlatformGuard> m_guard;
    QString m_clip;

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QVERIFY(m_server.start(true));
        // The version file is asked and never answered: no promotion window
        // comes over the page.
        LocalHttpServer::Route stall;
        stall.stallBeforeHead = true;
        m_server.addRoute(QLatin1String(kVersionPath), stall);
        qputenv("TW_SERVICE_BASE", m_server.baseUrl().toString().toUtf8());
        m_f = EngineTestEnv::setUp(m_root.path());
        EngineTestEnv::setSetting(QStringLiteral("base/AdCheckDate"),
                                  QDate::currentDate().toString(QStringLiteral("yyyy MM dd")));
        m_guard.reset(new PlatformGuard);
        m_clip = QDir(m_root.path()).filePath(QStringLiteral("long.mp4"));
        QVERIFY(AvTestMedia::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=10", "-t", "30", "-c:v",
                                        "libx264", "-preset", "ultrafast", "-g", "10", "-pix_fmt", "yuv420p", m_clip}));
    }

    void cleanup()
    {
        m_guard->clear();
        UIBaseData::instance()->setScale(1.0f);
    }

    void timeBarPaintedAndClickedInTheWindow_data()
    {
        QTest::addColumn<float>("scale");
        QTest::newRow("1.0") << 1.0f;
        QTest::newRow("1.25") << 1.25f;
    }

    void timeBarPaintedAndClickedInTheWindow()
    {
        QFETCH(float, scale);
        UIBaseData::instance()->setScale(scale);
        MainWindow w;
        w.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        DownloaderForm* page = w.downloaderForm();
        Ui::DownloaderForm* f = page->form();
        DownloadItem t = PageTestEnv::task(QStringLiteral("Long"), QStringLiteral("/row/long"));
        auto* row = new CNorVideoDlItem(page->downloadList(), t, true);
        page->downloadList()->insertItem(row, false, -1);
        f->stackedWidget->setCurrentIndex(1);
        row->onDownFinished(0, {m_clip});
        page->downloadList()->selectFirst(false);
        QTRY_VERIFY_WITH_TIMEOUT(f->m_pBtnPlayPause->isEnabled(), kWaitMs);
        QTest::mouseClick(f->m_pBtnPlayPause, Qt::LeftButton);

        VideoPlay* play = f->VideoPlayer;
        QTRY_COMPARE_WITH_TIMEOUT(play->state(), TwAV::AVPlayer::PlayingState, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(play->slider()->isEnabled(), kWaitMs);
        QWindow* window = w.window()->windowHandle();
        QWidget* top = w.window();
        // The pointer itself goes over the picture, as the user's would.
        QCursor::setPos(f->m_pBtnPlayPause->mapToGlobal(f->m_pBtnPlayPause->rect().center()));
        QTRY_VERIFY(!play->view()->underMouse());
        QCursor::setPos(play->view()->mapToGlobal(QPoint(40, 40)));
        auto* bar = play->findChild<QWidget*>("WidgetSliderTime");
        auto* holder = play->findChild<QWidget*>("WidgetSlider");
        QTRY_VERIFY(bar->isVisible());
        QCOMPARE(bar->height(), UIBaseData::scaled(16));

        // Near the start the handle and a little of the played part show
        // the played colour; after a click at three quarters, most of it.
        const QRect h = holder->geometry();
        QVERIFY(playedPixels(bar->grab().toImage(), h) > 0);
        const QPoint at(h.left() + h.width() * 3 / 4, bar->height() / 2);
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, bar->mapTo(top, at));
        const int max = play->slider()->maximum();
        QVERIFY(max >= 29);
        const int expected = int(double(at.x() - h.left()) / play->slider()->width() * max);
        QCOMPARE(play->slider()->value(), expected);
        auto* time = play->findChild<QLabel*>("LabPlayTime");
        QTRY_VERIFY_WITH_TIMEOUT(QTime(0, 0).secsTo(QTime::fromString(time->text(), "HH:mm:ss")) >= expected,
                                 kWaitMs);
        const int played = playedPixels(bar->grab().toImage(), h);
        QVERIFY2(played > h.width() / 2, qPrintable(QStringLiteral("%1 of %2").arg(played).arg(h.width())));
        play->stop();
        QTRY_COMPARE_WITH_TIMEOUT(play->state(), TwAV::AVPlayer::StoppedState, kWaitMs);
        page->clearDownloadList();
    }
};

TW_XVFB_TEST_MAIN(TstMainWindowPreview)
#include "tst_mainwindow_preview.moc"
