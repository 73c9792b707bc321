#include "AvTestMedia.h"
#include "LocalHttpServer.h"
#include "PlayedBar.h"
#include "function/QtAV/include/CSpectrum.h"
#include "function/QtAV/include/CVideoView.h"
#include "function/QtAV/include/VideoPlay.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/SmallButtons.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using TwAV::AVPlayer;

class TestVideoPlay : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void localFilePlaysWithoutLoadingLook();
    void clickOnTheSliderSeeks();
    void sliderIsPaintedAndClickedInPlace_data();
    void sliderIsPaintedAndClickedInPlace();
    void throttledOnlineAddressShowsTheLoadingLook();
    void stopWhileLoading();
    void missingAddressGivesOneLoadError();
    void onlineSourceCutShort_data();
    void onlineSourceCutShort();
    void audioOnlyLightsTheSpectrum();
    void endBringsBackZeroAndADisabledSlider();
    void dvdRequestAndItsMessage();
    void playWhilePlayingTearsDown();

private:
    PlayPara para(const QString& url, bool online = false) const
    {
        PlayPara p;
        p.url = url;
        p.online = online;
        return p;
    }
    QWidget* m_window = nullptr;
    VideoPlay* m_play = nullptr;
};

void TestVideoPlay::init()
{
    m_window = new QWidget;
    m_window->resize(514, 259);
    m_play = new VideoPlay(m_window);
    m_play->setGeometry(0, 0, 514, 259);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestVideoPlay::cleanup()
{
    delete m_window;
    m_window = nullptr;
    UIBaseData::instance()->setScale(1.0f);
}

namespace {

using PlayedBar::playedPixels;

} // namespace

void TestVideoPlay::localFilePlaysWithoutLoadingLook()
{
    QCOMPARE(m_play->objectName(), QStringLiteral("VideoPlay"));
    QVERIFY(m_play->findChild<CVideoView*>("VideoView"));
    QSignalSpy loading(m_play, &VideoPlay::doLoading);
    QSignalSpy states(m_play, &VideoPlay::doPlayStateChanged);
    m_play->play(para(AvTestMedia::h264Aac()));
    QVERIFY(!m_play->loadingButton()->isRunning());
    QCOMPARE(m_play->overlayOpacity(), 0.0);
    QTRY_COMPARE_WITH_TIMEOUT(m_play->state(), AVPlayer::PlayingState, 20000);
    QTRY_VERIFY(m_play->slider()->isEnabled());
    QCOMPARE(m_play->slider()->maximum(), 3);
    QVERIFY(!m_play->loadingButton()->isRunning());
    auto* time = m_play->findChild<QLabel*>("LabPlayTime");
    QTRY_COMPARE_WITH_TIMEOUT(time->text(), QStringLiteral("00:00:01"), 10000);
    QCOMPARE(m_play->slider()->value(), 1);
    QVERIFY(!loading.isEmpty());
    m_play->stop();
}

void TestVideoPlay::clickOnTheSliderSeeks()
{
    const QString clip = QDir(AvTestMedia::folder()).filePath("long30.mp4");
    QVERIFY(AvTestMedia::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=10", "-t", "30", "-c:v",
                                    "libx264", "-preset", "ultrafast", "-g", "10", "-pix_fmt", "yuv420p", clip}));
    PlayPara p = para(clip);
    p.duration = 8; // the caller's length wins over the player's
    m_play->play(p);
    QTRY_VERIFY_WITH_TIMEOUT(m_play->slider()->isEnabled(), 20000);
    QCOMPARE(m_play->slider()->maximum(), 8);
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QApplication::sendEvent(m_play->view(), &enter);
    QTRY_VERIFY(m_play->slider()->isVisible());
    ClickSlider* slider = m_play->slider();
    const int x = slider->width() * 3 / 4;
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, slider->height() / 2));
    const int expected = int(double(x) / slider->width() * 8); // 75 % of 8 s, truncated
    QCOMPARE(slider->value(), expected);
    QCOMPARE(m_play->player()->seekPos(), qint64(expected) * 1000);
    QTRY_VERIFY_WITH_TIMEOUT(m_play->player()->position() >= expected * 1000, 10000);
    // A drag seeks on release only.
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, QPoint(2, slider->height() / 2));
    QMouseEvent move(QEvent::MouseMove, QPoint(10, slider->height() / 2), slider->mapToGlobal(QPoint(10, 0)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
    QCOMPARE(m_play->player()->seekPos(), qint64(expected) * 1000);
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, QPoint(10, slider->height() / 2));
    QCOMPARE(m_play->player()->seekPos(), qint64(slider->value()) * 1000);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_play->view(), &leave);
    QVERIFY(!slider->isVisible());
    m_play->stop();
}

void TestVideoPlay::sliderIsPaintedAndClickedInPlace_data()
{
    QTest::addColumn<float>("scale");
    QTest::newRow("1.0") << 1.0f;
    QTest::newRow("1.25") << 1.25f;
}

// The mouse goes to the window, which hands it to whatever lies under it:
// a slider that is clipped away neither paints nor takes the click.
void TestVideoPlay::sliderIsPaintedAndClickedInPlace()
{
    QFETCH(float, scale);
    UIBaseData::instance()->setScale(scale);
    UIBaseData::instance()->rescaleWidget(m_play);
    const QString clip = QDir(AvTestMedia::folder()).filePath("long30.mp4");
    QVERIFY(AvTestMedia::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=10", "-t", "30", "-c:v",
                                    "libx264", "-preset", "ultrafast", "-g", "10", "-pix_fmt", "yuv420p", clip}));
    PlayPara p = para(clip);
    p.duration = 30;
    m_play->play(p);
    QTRY_VERIFY_WITH_TIMEOUT(m_play->slider()->isEnabled(), 20000);
    // The pointer itself goes over the picture, as the user's would.
    QCursor::setPos(m_window->mapToGlobal(QPoint(m_window->width() + 30, m_window->height() + 30)));
    QTRY_VERIFY(!m_play->view()->underMouse());
    QCursor::setPos(m_play->view()->mapToGlobal(QPoint(40, 40)));
    auto* bar = m_play->findChild<QWidget*>("WidgetSliderTime");
    auto* holder = m_play->findChild<QWidget*>("WidgetSlider");
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(bar->height(), UIBaseData::scaled(16));

    // Near the start only the handle and a little of the played part show
    // the played colour.
    const QRect h = holder->geometry();
    QVERIFY(playedPixels(bar->grab().toImage(), h) > 0);

    const QPoint at(h.left() + h.width() * 3 / 4, bar->height() / 2);
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, Qt::NoModifier, bar->mapTo(m_window, at));
    const int expected = int(double(at.x() - h.left()) / m_play->slider()->width() * 30);
    QCOMPARE(m_play->slider()->value(), expected);
    QCOMPARE(m_play->player()->seekPos(), qint64(expected) * 1000);
    auto* time = m_play->findChild<QLabel*>("LabPlayTime");
    QTRY_VERIFY_WITH_TIMEOUT(QTime(0, 0).secsTo(QTime::fromString(time->text(), "HH:mm:ss")) >= expected, 10000);
    // Now the played part reaches past the middle of the bar.
    const int played = playedPixels(bar->grab().toImage(), h);
    QVERIFY2(played > h.width() / 2, qPrintable(QStringLiteral("%1 of %2").arg(played).arg(h.width())));
    m_play->stop();
}

void TestVideoPlay::throttledOnlineAddressShowsTheLoadingLook()
{
    LocalHttpServer server;
    QFile f(AvTestMedia::h264Aac());
    QVERIFY(f.open(QIODevice::ReadOnly));
    LocalHttpServer::Route route;
    route.body = f.readAll();
    route.delayMs = 1500;
    route.headers << LocalHttpServer::Header{"Content-Type", "video/mp4"};
    server.addRoute("/clip.mp4", route);
    QVERIFY(server.start(true));
    QSignalSpy loading(m_play, &VideoPlay::doLoading);
    m_play->play(para(server.url("/clip.mp4").toString(), true));
    QVERIFY(m_play->loadingButton()->isRunning());
    QVERIFY(m_play->loadingButton()->isVisible());
    QTRY_COMPARE(m_play->overlayOpacity(), 0.55);
    QTRY_COMPARE_WITH_TIMEOUT(m_play->state(), AVPlayer::PlayingState, 20000);
    QTRY_VERIFY(!m_play->loadingButton()->isRunning());
    QTRY_COMPARE(m_play->overlayOpacity(), 0.0);
    QVERIFY(loading.first().first().toBool());
    m_play->stop();
}

void TestVideoPlay::stopWhileLoading()
{
    LocalHttpServer server;
    LocalHttpServer::Route route;
    route.stallBeforeHead = true;
    server.addRoute("/stall.mp4", route);
    QVERIFY(server.start(true));
    QSignalSpy loading(m_play, &VideoPlay::doLoading);
    QSignalSpy states(m_play, &VideoPlay::doPlayStateChanged);
    m_play->play(para(server.url("/stall.mp4").toString(), true));
    QVERIFY(m_play->loadingButton()->isRunning());
    m_play->stop();
    QTRY_VERIFY_WITH_TIMEOUT(!loading.isEmpty() && !loading.last().first().toBool(), 10000);
    QCOMPARE(m_play->state(), AVPlayer::StoppedState);
    QVERIFY(!m_play->loadingButton()->isRunning());
}

void TestVideoPlay::missingAddressGivesOneLoadError()
{
    LocalHttpServer server;
    LocalHttpServer::Route route;
    route.status = 404;
    server.addRoute("/missing.mp4", route);
    QVERIFY(server.start(true));
    QSignalSpy errors(m_play, &VideoPlay::doLoadError);
    m_play->play(para(server.url("/missing.mp4").toString(), true));
    QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 20000);
    QTRY_VERIFY(!m_play->player());
    QCOMPARE(errors.count(), 1);
    QVERIFY(!m_play->loadingButton()->isRunning());
    // An empty address fails at once.
    m_play->play(para(QString()));
    QCOMPARE(errors.count(), 2);
}

void TestVideoPlay::onlineSourceCutShort_data()
{
    QTest::addColumn<QString>("cut");
    QTest::addColumn<bool>("loadError");
    QTest::newRow("after the headers") << "headers" << true;
    QTest::newRow("after frames") << "frames" << false;
}

// The server drops the connection part way; nothing is seen before the cut
// only when it comes right after the file's headers.
void TestVideoPlay::onlineSourceCutShort()
{
    QFETCH(QString, cut);
    QFETCH(bool, loadError);
    QFile f(AvTestMedia::h264Aac());
    QVERIFY(f.open(QIODevice::ReadOnly));
    LocalHttpServer::Route route;
    route.body = f.readAll();
    route.headers << LocalHttpServer::Header{"Content-Type", "video/mp4"};
    const int media = route.body.indexOf("mdat") + 4;   // the clip keeps its headers first
    QVERIFY(media > 4);
    route.cutAfterBytes = cut == "headers" ? media + 16 : media + (route.body.size() - media) * 3 / 4;
    LocalHttpServer server;
    server.addRoute("/cut.mp4", route);
    QVERIFY(server.start(true));

    QSignalSpy errors(m_play, &VideoPlay::doLoadError);
    QSignalSpy states(m_play, &VideoPlay::doPlayStateChanged);
    m_play->play(para(server.url("/cut.mp4").toString(), true));
    QTRY_VERIFY_WITH_TIMEOUT(!m_play->player(), 30000);
    QTRY_VERIFY(!m_play->loadingButton()->isRunning());
    QCOMPARE(errors.count(), loadError ? 1 : 0);
    bool played = false;
    for (const QList<QVariant>& s : states)
        played = played || s.first().value<AVPlayer::State>() == AVPlayer::PlayingState;
    QCOMPARE(played, !loadError);
}

void TestVideoPlay::audioOnlyLightsTheSpectrum()
{
    PlayPara p = para(AvTestMedia::mp3WithCover());
    p.audioOnly = 1;
    m_play->play(p);
    QVERIFY(m_play->spectrum());
    QVERIFY(m_play->spectrum()->isVisible());
    QVERIFY(!m_play->player()->videoOutPut().contains(m_play->videoRenderer()));
    QTRY_VERIFY_WITH_TIMEOUT(m_play->spectrum()->worker(), 20000);
    auto lit = [this] {
        for (const Bar& b : m_play->spectrum()->bars())
            if (b.value > 0.3)
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(lit(), 20000);
    QCOMPARE(m_play->spectrum()->geometry(), QRect(0, 259 / 2, 514, 259 / 2));
    m_play->stop();
}

void TestVideoPlay::endBringsBackZeroAndADisabledSlider()
{
    QSignalSpy states(m_play, &VideoPlay::doPlayStateChanged);
    m_play->play(para(AvTestMedia::h264Aac()));
    QTRY_VERIFY_WITH_TIMEOUT(m_play->slider()->isEnabled(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!states.isEmpty()
                                 && states.last().first().value<AVPlayer::State>() == AVPlayer::StoppedState,
                             20000);
    QCOMPARE(m_play->findChild<QLabel*>("LabPlayTime")->text(), QStringLiteral("00:00:00"));
    QVERIFY(!m_play->slider()->isEnabled());
    QCOMPARE(m_play->slider()->value(), 0);
    QVERIFY(!m_play->player());
    QVERIFY(!m_play->spectrum());
}

void TestVideoPlay::dvdRequestAndItsMessage()
{
    QSignalSpy errors(m_play, &VideoPlay::doLoadError);
    PlayPara p = para(QStringLiteral("/no/dvd/here"));
    p.dvd.isDvd = true;
    p.dvd.title = 1;
    m_play->play(p);
    QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 20000);
    // A stop within a second of the start shows the message; answer it.
    bool shown = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        shown = true;
        auto* close = QApplication::activeModalWidget()->findChild<QPushButton*>("btn_close");
        QVERIFY(close);
        close->click();
    });
    m_play->play(p);
    m_play->onPlayStateChanged(AVPlayer::StoppedState);
    QVERIFY(shown);
}

void TestVideoPlay::playWhilePlayingTearsDown()
{
    m_play->setAudioStream(1);
    m_play->play(para(AvTestMedia::h264Aac()));
    QPointer<CPlayer> first = m_play->player();
    QTRY_COMPARE_WITH_TIMEOUT(m_play->state(), AVPlayer::PlayingState, 20000);
    m_play->setAudioStream(1);
    m_play->play(para(AvTestMedia::twoAudioWithSubtitle()));
    QVERIFY(m_play->player() != first);
    QTRY_VERIFY(!first);
    QTRY_COMPARE_WITH_TIMEOUT(m_play->player()->avPlayer()->currentAudioStream(), 1, 20000);
    // The same address while it still opens plays again, no false error.
    QSignalSpy errors(m_play, &VideoPlay::doLoadError);
    m_play->play(para(AvTestMedia::twoAudioWithSubtitle()));
    m_play->play(para(AvTestMedia::twoAudioWithSubtitle()));
    QTRY_COMPARE_WITH_TIMEOUT(m_play->state(), AVPlayer::PlayingState, 20000);
    QCOMPARE(errors.count(), 0);
    m_play->stop();
}

QTEST_MAIN(TestVideoPlay)
#include "tst_videoplay.moc"
