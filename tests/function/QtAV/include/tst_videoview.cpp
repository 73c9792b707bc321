#include "../avwidgets/GLTestFrames.h"
#include "function/QtAV/include/CMoveBox.h"
#include "function/QtAV/include/CVideoView.h"
#include "function/QtAV/include/WaterMark.h"

#include <QOpenGLWidget>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace TwAV;
using namespace GLTestFrames;

namespace {
const char* kFormat = "format=pix_fmts=yuv420p";
const char* kStripe[5] = {nullptr, "color=yellow@0.1:t=fill[D1];[D1]drawbox=x=0:y=ih/4:",
                          "color=yellow@0.1:t=fill[D1];[D1]drawbox=x=iw/4:y=0:",
                          "color=purple@0.1:t=fill[D1];[D1]drawbox=x=0:y=ih/4:",
                          "color=purple@0.1:t=fill[D1];[D1]drawbox=x=iw/4:y=0:"};
} // namespace

class TestVideoView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void chainIsBuiltFromPieces_data();
    void chainIsBuiltFromPieces();
    void stripesFollowOrientationAndMirrors_data();
    void stripesFollowOrientationAndMirrors();
    void rotationsAndReset();
    void regionRatioDividesTheCrop();
    void videoAspect();
    void shaderSelection();
    void realGraphCropsTintsAndSurvivesBadPieces();
    void overlayRatioAndRectangles();
    void overlaySizesBeforeAndAfterBoxes();
    void rendererMadeLateLiesUnderTheOverlays();
    void badOverlayRatiosAreIgnored();
    void subtitleRectangleAndFontSize();
    void zoomAnimationsEndAtTheirRectangles();
    void centredInParent();
    void playerDrivesTheViewAndPausedChangesShow();
    void internalTrackSubtitleShowsDuringItsCue();
    void anamorphicFileFillsTheWidth();
    void subtitleRectOfAViewNotYetShown();
    void secondConstructorTakesPlayerAndPlace();
    void twplayGrabsTheFilteredPicture();

private:
    QWidget* m_window = nullptr;
    CVideoView* m_view = nullptr;
};

void TestVideoView::init()
{
    m_window = new QWidget;
    m_window->resize(800, 600);
    m_view = new CVideoView(m_window);
    m_view->setGeometry(0, 0, 640, 360);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestVideoView::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_view = nullptr;
}

void TestVideoView::chainIsBuiltFromPieces_data()
{
    QTest::addColumn<QStringList>("pieces"); // key, text, key, text, ...
    QTest::addColumn<QString>("chain");
    QTest::addColumn<bool>("enabled");
    const QString f = QLatin1String(kFormat);
    QTest::newRow("none") << QStringList() << QString() << false;
    QTest::newRow("crop only") << QStringList{"f_region", "crop=w=10:h=20:x=1:y=2"}
                               << f + "[1]; [1]crop=w=10:h=20:x=1:y=2" << true;
    QTest::newRow("region and extend lead, others by key")
        << QStringList{"z_last", "hflip", "a_first", "vflip", "f_extend", "pad=w=iw+2", "f_region", "crop=w=8:h=8:x=0:y=0"}
        << f + "[1]; [1]crop=w=8:h=8:x=0:y=0[f_region]; [f_region]pad=w=iw+2[f_extend]; [f_extend]vflip[a_first]; "
               "[a_first]hflip"
        << true;
    QTest::newRow("empty piece skipped without a label")
        << QStringList{"f_region", "", "f_effect", "negate"} << f + "[1]; [1]negate" << true;
    QTest::newRow("only empty pieces") << QStringList{"f_extend", ""} << f << true;
}

void TestVideoView::chainIsBuiltFromPieces()
{
    QFETCH(QStringList, pieces);
    QFETCH(QString, chain);
    QFETCH(bool, enabled);
    for (int i = 0; i + 1 < pieces.size(); i += 2)
        m_view->insertFilterOptions(pieces[i], pieces[i + 1]);
    m_view->updateFilter();
    QCOMPARE(m_view->videoRenderer()->filterOptions(), chain);
    QCOMPARE(m_view->videoRenderer()->isFilterEnabled(), enabled);
    // Removing every piece switches filtering off.
    for (int i = 0; i + 1 < pieces.size(); i += 2)
        QVERIFY(m_view->uninstallFilterOptions(pieces[i]));
    QVERIFY(!m_view->uninstallFilterOptions(QStringLiteral("f_region")));
    m_view->updateFilter();
    QVERIFY(!m_view->videoRenderer()->isFilterEnabled());
    QCOMPARE(m_view->videoRenderer()->filterOptions(), QString());
}

void TestVideoView::stripesFollowOrientationAndMirrors_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("mirrorX");
    QTest::addColumn<bool>("mirrorY");
    QTest::addColumn<int>("pattern");
    QTest::newRow("0") << 0 << false << false << 2;
    QTest::newRow("0, vertical axis") << 0 << false << true << 4;
    QTest::newRow("0, horizontal axis") << 0 << true << false << 2;
    QTest::newRow("90") << 90 << false << false << 1;
    QTest::newRow("90, horizontal axis") << 90 << true << false << 3;
    QTest::newRow("180") << 180 << false << false << 4;
    QTest::newRow("180, vertical axis") << 180 << false << true << 2;
    QTest::newRow("270") << 270 << false << false << 3;
    QTest::newRow("270, horizontal axis") << 270 << true << true << 1;
    QTest::newRow("-90 is 270") << -90 << false << false << 3;
}

void TestVideoView::stripesFollowOrientationAndMirrors()
{
    QFETCH(int, orientation);
    QFETCH(bool, mirrorX);
    QFETCH(bool, mirrorY);
    QFETCH(int, pattern);
    m_view->insertFilterOptions("f_effect", "drawbox=anything");
    QVERIFY(m_view->isSpecialFilterSet());
    if (mirrorX)
        m_view->rotate(180, 0);
    if (mirrorY)
        m_view->rotate(180, 1);
    m_view->rotate(orientation, 2);
    const QString effect = m_view->filterPieces().value("f_effect");
    QVERIFY2(effect.contains(QLatin1String(kStripe[pattern])), qPrintable(effect));
    QVERIFY(effect.endsWith(QLatin1String("[D4];[D4]format=pix_fmts=yuv420p")));
    QCOMPARE(effect, CVideoView::stripePattern(orientation, mirrorX ? 180 : 0, mirrorY ? 180 : 0));
    QCOMPARE(m_view->videoRenderer()->filterOptions(), QStringLiteral("format=pix_fmts=yuv420p[1]; [1]") + effect);
    // An orientation that is no multiple of 90 leaves the pattern alone.
    m_view->rotate(45, 2);
    QCOMPARE(m_view->filterPieces().value("f_effect"), effect);
    // Only "drawbox" at the start makes an effect special.
    m_view->insertFilterOptions("f_effect", "Drawbox=x");
    QVERIFY(!m_view->isSpecialFilterSet());
}

void TestVideoView::rotationsAndReset()
{
    QSignalSpy identity(m_view, &CVideoView::doMatrixIdentitied);
    m_view->rotate(90, 2);
    QCOMPARE(m_view->orientation(), 90);
    m_view->rotate(180, 1);
    QCOMPARE(m_view->rotationY(), 180);
    m_view->rotate(180, 1);
    QCOMPARE(m_view->rotationY(), 0);
    QCOMPARE(identity.count(), 1);
    m_view->rotate(270, 0);
    m_view->rotate(180, 0);
    QCOMPARE(m_view->rotationX(), 90);
    m_view->rotate(30, 7); // unknown type
    QCOMPARE(m_view->rotationX(), 90);
    m_view->setRegionRatio(2.0f);
    m_view->resetVideoView();
    QCOMPARE(m_view->storedOrientation(), 0);
    QCOMPARE(m_view->rotationX(), 0);
    QVERIFY(m_view->glRenderer()->matrix().isIdentity());
    QCOMPARE(identity.count(), 2);
    QCOMPARE(m_view->regionRatio(), 1.0f);
    QCOMPARE(m_view->regionRect(), QRect(0, 0, 0, 0));
    // The renderer keeps its own orientation.
    QCOMPARE(m_view->orientation(), 90);
    m_view->rotate(180, 1);
    m_view->clearRotation();
    QCOMPARE(m_view->rotationY(), 0);
    QVERIFY(!m_view->glRenderer()->matrix().isIdentity());
}

void TestVideoView::regionRatioDividesTheCrop()
{
    m_view->setRegionRatio(2.0f);
    m_view->setRegionOfInterest(QRect(100, 50, 640, 360));
    QCOMPARE(m_view->filterPieces().value("f_region"), QStringLiteral("crop=w=320:h=180:x=50:y=25"));
    QCOMPARE(m_view->glRenderer()->regionOfInterest(), QRectF(0, 0, 320, 180));
    QCOMPARE(m_view->renderRegion(), QSize(640, 360));
    // A new ratio applies to the stored rectangle again; 0 is ignored.
    m_view->setRegionRatio(4.0f);
    QCOMPARE(m_view->filterPieces().value("f_region"), QStringLiteral("crop=w=160:h=90:x=25:y=12"));
    m_view->setRegionRatio(0.0f);
    QCOMPARE(m_view->regionRatio(), 4.0f);
    m_view->setRegionRatio(1.0f);
    QCOMPARE(m_view->filterPieces().value("f_region"), QStringLiteral("crop=w=640:h=360:x=100:y=50"));
    m_view->clearRegion(QSize(1280, 720));
    QVERIFY(!m_view->filterPieces().contains("f_region"));
    QCOMPARE(m_view->renderRegion(), QSize(1280, 720));
    QVERIFY(!m_view->videoRenderer()->isFilterEnabled());
}

void TestVideoView::videoAspect()
{
    QCOMPARE(m_view->glRenderer()->outAspectRatioMode(), VideoRenderer::CustomAspectRation);
    QCOMPARE(m_view->glRenderer()->backgroundColor(), QColor(0, 0, 0, 255));
    m_view->setVideoAspect(16, 9);
    QCOMPARE(m_view->glRenderer()->outAspectRatio(), 16.0 / 9.0);
    m_view->setVideoAspect(0, 9);
    QCOMPARE(m_view->glRenderer()->outAspectRatioMode(), VideoRenderer::VideoAspectRatio);
}

void TestVideoView::shaderSelection()
{
    QCOMPARE(m_view->shaderType(), ShaderNone);
    m_view->setShader(ShaderBlur);
    VideoShader* blur = m_view->glRenderer()->opengl()->userShader();
    QVERIFY(dynamic_cast<MediumBlurShader*>(blur));
    m_view->setShader(ShaderSharpen, "ignored text");
    QCOMPARE(m_view->shaderType(), ShaderSharpen);
    QVERIFY(dynamic_cast<SharpnessShader*>(m_view->glRenderer()->opengl()->userShader()));
    m_view->setShader(ShaderGray);
    m_view->glRenderer()->receive(VideoFrame(solid(Qt::red)));
    const QRgb c = m_view->glRenderer()->grab().pixel(320, 180);
    QVERIFY(qAbs(qRed(c) - 76) <= 1 && qRed(c) == qBlue(c));
    m_view->clearShader();
    QCOMPARE(m_view->shaderType(), ShaderNone);
    QVERIFY(!m_view->glRenderer()->opengl()->userShader());
    QVERIFY(QMetaType::type("SubtitleSet") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("ShaderType") != QMetaType::UnknownType);
}

void TestVideoView::realGraphCropsTintsAndSurvivesBadPieces()
{
    // Mid grey: each stripe's tint shows plainly.
    const QByteArray raw(320 * 240 * 3 / 2, char(128));
    const VideoFrame grey = rawFrame(raw, 320, 240, AV_PIX_FMT_YUV420P);
    OpenGLWidgetRenderer* r = m_view->glRenderer();
    r->receive(grey);
    m_view->insertFilterOptions("f_region", "crop=w=200:h=100:x=10:y=20");
    m_view->updateFilter();
    QCOMPARE(r->currentFrame().size(), QSize(200, 100));

    m_view->uninstallFilterOptions("f_region");
    m_view->insertFilterOptions("f_effect", "drawbox");
    m_view->updateFilter();
    QCOMPARE(r->currentFrame().size(), QSize(320, 240));
    const QImage tinted = r->currentFrame().toImage(QImage::Format_RGB32);
    QColor bands[4];
    for (int i = 0; i < 4; ++i)
        bands[i] = QColor(tinted.pixel(40 + 80 * i, 120));
    // Yellow, green, red, purple from the left, each a slight tint on grey.
    QVERIFY(bands[0].blue() < bands[0].red() && bands[0].blue() < bands[0].green());
    QVERIFY(bands[1].green() > bands[1].red() && bands[1].green() > bands[1].blue());
    QVERIFY(bands[2].red() > bands[2].green() && bands[2].red() > bands[2].blue());
    QVERIFY(bands[3].green() < bands[3].red() && bands[3].green() < bands[3].blue());
    for (const QColor& c : bands)
        QVERIFY(qAbs(c.red() - 128) < 70 && qAbs(c.green() - 128) < 70 && qAbs(c.blue() - 128) < 70);

    // A piece libavfilter refuses: the picture stays, unfiltered.
    m_view->insertFilterOptions("f_effect", "nosuchfilter=1");
    m_view->updateFilter();
    QCOMPARE(r->currentFrame().size(), QSize(320, 240));
    QVERIFY(QColor(r->currentFrame().toImage(QImage::Format_RGB32).pixel(40, 120)).blue() > 100);
    const QRgb shown = r->grab().pixel(320, 180);
    QVERIFY(qAbs(qRed(shown) - 128) < 12);
}

void TestVideoView::overlayRatioAndRectangles()
{
    m_view->setDashedBoxRect(QRect(1, 1, 50, 50));
    m_view->setWaterMarkRect(QRect(1, 1, 50, 50));
    m_view->setWaterMarkVisible(true);
    m_view->setScaledByRatio(true);
    QVERIFY(!m_view->dashedBox());
    QCOMPARE(m_view->getDashedBoxRect(), m_view->rect());
    QCOMPARE(m_view->getWaterMarkRect(), QRect());

    m_view->initDashedBox(2.0f);
    QCOMPARE(m_view->dashedBox()->geometry(), m_view->rect());
    QCOMPARE(m_view->dashedBox()->box()->minimumSize(), QSize(40, 40));
    QSignalSpy crop(m_view, &CVideoView::doDashedBoxRectChanged);
    m_view->setDashedBoxRect(QRect(101, 51, 300, 201));
    QCOMPARE(m_view->dashedBox()->box()->geometry(), QRect(101, 51, 300, 201));
    QCOMPARE(m_view->dashedBox()->realRect(), QRect(50, 25, 150, 100));
    QCOMPARE(crop.count(), 1);
    m_view->blockCropSignals(true);
    m_view->setDashedBoxRect(QRect(10, 10, 100, 100));
    QCOMPARE(crop.count(), 1);
    m_view->blockCropSignals(false);
    m_view->setDashedBoxRect(QRect(10, 10, 100, 100), false);
    QCOMPARE(crop.count(), 1);
    QCOMPARE(m_view->getDashedBoxRect(), QRect(10, 10, 100, 100));

    m_view->initWaterMark(2.0f);
    QCOMPARE(m_view->waterMark()->box()->minimumSize(), QSize(40, 40));
    QSignalSpy mark(m_view, &CVideoView::doWaterMarkRectChanged);
    m_view->setWaterMarkRect(QRect(60, 40, 120, 80));
    QCOMPARE(mark.count(), 1);
    QCOMPARE(m_view->waterMark()->storedSize(), QSize(120, 80));
    QCOMPARE(m_view->waterMark()->realRect(), QRect(30, 20, 60, 40));

    // Rescaling moves both boxes by their rectangles in source units.
    m_view->resizeAttachs(1.25f);
    QCOMPARE(m_view->storedHandleSize(), QSize(7, 7));
    QCOMPARE(m_view->storedDashedBoxMinSize(), QSize(25, 25));
    QCOMPARE(m_view->dashedBox()->handleSize(), QSize(7, 7));
    QCOMPARE(m_view->waterMark()->box()->minimumSize(), QSize(25, 25));
    QCOMPARE(m_view->waterMark()->boxRect(), QRect(37, 25, 75, 50));
    QCOMPARE(m_view->dashedBox()->boxRect(), QRect(6, 6, 62, 62));
    m_view->setWaterMarkVisible(false);
    QVERIFY(!m_view->waterMark()->isVisible());
    m_view->freeWaterMark();
    QVERIFY(!m_view->waterMark());
}

void TestVideoView::overlaySizesBeforeAndAfterBoxes()
{
    m_view->setHandleSize(QSize(9, 9));
    m_view->setDashedBoxMinSize(QSize(30, 30));
    m_view->setWaterMarkBoxMinSize(QSize(33, 33));
    QCOMPARE(m_view->storedHandleSize(), QSize(9, 9));
    QCOMPARE(m_view->storedWaterMarkMinSize(), QSize(33, 33));
    // A box whose rectangle in source units is still 0 x 0 keeps its place.
    m_view->initDashedBox(1.0f);
    m_view->dashedBox()->setBoxRect(QRect(5, 6, 70, 80), false);
    m_view->resizeAttachs(3.0f);
    QCOMPARE(m_view->dashedBox()->boxRect(), QRect(5, 6, 70, 80));
    m_view->setHandleSize(QSize(5, 5));
    QCOMPARE(m_view->dashedBox()->handleSize(), QSize(5, 5));
    m_view->setDashedBoxMinSize(QSize(22, 22));
    QCOMPARE(m_view->dashedBox()->box()->minimumSize(), QSize(22, 22));
    m_view->setWaterMarkDefaultRect(QRect(1, 2, 3, 4));
    QCOMPARE(m_view->waterMarkDefaultRect(), QRect(1, 2, 3, 4));
    QCOMPARE(m_view->sceneRect(), QRect(0, 0, 0, 0));
    // The view resizes its renderer and boxes with itself.
    m_view->resize(500, 300);
    QCOMPARE(m_view->glRenderer()->widget()->size(), QSize(500, 300));
    QCOMPARE(m_view->dashedBox()->size(), QSize(500, 300));
}

// A view that nothing has played on holds no OpenGL widget (it would turn the
// whole window over to OpenGL); the renderer made later still has the view's
// size, shows, and lies under boxes that were there before it.
void TestVideoView::rendererMadeLateLiesUnderTheOverlays()
{
    QVERIFY(!m_view->hasRenderer());
    QVERIFY(!m_view->findChild<QOpenGLWidget*>());
    m_view->initDashedBox(1.0f);
    m_view->initWaterMark(1.0f);
    m_view->resize(500, 300);
    QVERIFY(!m_view->hasRenderer());

    QWidget* gl = m_view->glRenderer()->widget();
    QVERIFY(m_view->hasRenderer());
    QCOMPARE(gl->size(), QSize(500, 300));
    QVERIFY(gl->isVisible());
    const QObjectList stack = m_view->children();
    QVERIFY(stack.indexOf(gl) < stack.indexOf(m_view->dashedBox()));
    QVERIFY(stack.indexOf(gl) < stack.indexOf(m_view->waterMark()));
    QCOMPARE(m_view->videoRenderer(), static_cast<VideoRenderer*>(m_view->glRenderer()));
}

void TestVideoView::badOverlayRatiosAreIgnored()
{
    m_view->initDashedBox(2.0f);
    for (float bad : {0.0f, -1.0f}) {
        m_view->resetRatio(bad);
        m_view->initSubtitleRatio(bad);
        m_view->resizeAttachs(bad);
        QCOMPARE(m_view->overlayRatio(), 2.0f);
        QCOMPARE(m_view->dashedBox()->ratio(), 2.0f);
        QCOMPARE(m_view->storedHandleSize(), QSize(12, 12));
    }
    m_view->setDashedBoxRect(QRect(20, 20, 100, 100));
    QCOMPARE(m_view->dashedBox()->realRect(), QRect(10, 10, 50, 50));
    m_view->resetRatio();
    QCOMPARE(m_view->overlayRatio(), 1.0f);
}

void TestVideoView::subtitleRectangleAndFontSize()
{
    SubtitleSet set;
    set.id = 3;
    set.size = 54;
    set.colorName = QStringLiteral("#FECE5B");
    set.rect = QRect(0, 0, 640, 100);
    set.file = QStringLiteral("/no/such/file.srt");
    SubtitleFilter* filter = m_view->addSubtitle(set, 1080, true);
    QVERIFY(filter);
    QCOMPARE(m_view->subtitle(3), filter);
    QVERIFY(!filter->isEnabled());
    QVERIFY(!filter->autoLoad());
    QVERIFY(filter->file().isEmpty());
    QCOMPARE(filter->font().pixelSize(), 27); // 54 x 540 / 1080
    QCOMPARE(filter->color(), QColor("#FECE5B"));
    QVERIFY(m_view->glRenderer()->filters().contains(filter));

    m_view->setSubtitleRect(filter, 54, 0, 540);
    QCOMPARE(filter->rect(), QRectF(0, 360 - 67, 640, 67));
    m_view->setSubtitlePosition(filter, 100);
    QCOMPARE(filter->rect(), QRectF(0, 0, 640, 67));
    m_view->setSubtitlePosition(filter, 50);
    QCOMPARE(filter->rect(), QRectF(0, 146, 640, 67)); // (360 - 67) / 2, truncated

    QFont font;
    font.setPixelSize(1);
    m_view->setSubtitleFont(filter, font, 5400);
    QCOMPARE(filter->font().pixelSize(), 1);
    font.setPixelSize(40);
    m_view->setSubtitleFont(filter, font, 135);
    QCOMPARE(filter->font().pixelSize(), 20);

    set.size = 0; // a tenth of the view's height: 36
    set.colorName = QStringLiteral("red");
    m_view->setSubtitle(set, 270);
    QCOMPARE(filter->font().pixelSize(), 36);
    QCOMPARE(filter->color(), QColor(Qt::red));
    m_view->setSubtitleVisible(3, false);
    QVERIFY(!m_view->glRenderer()->filters().contains(filter));
    m_view->setSubtitleVisible(3, true);
    m_view->installSubtitle(filter);
    QVERIFY(filter->isEnabled());
    m_view->uninstallSubtitle(filter);
    QVERIFY(!filter->isEnabled());
    QVERIFY(!m_view->glRenderer()->filters().contains(filter));
}

void TestVideoView::zoomAnimationsEndAtTheirRectangles()
{
    const QRect scene = m_view->geometry();
    m_view->zoomIn(QRect(10, 20, 300, 200));
    QVERIFY(m_view->isZoomIn());
    QTRY_COMPARE_WITH_TIMEOUT(m_view->geometry(), QRect(10, 20, 300, 200), 5000);
    m_view->zoomOut();
    QVERIFY(!m_view->isZoomIn());
    QTRY_COMPARE_WITH_TIMEOUT(m_view->geometry(), scene, 5000);
    QTRY_VERIFY(m_view->findChildren<QPropertyAnimation*>().isEmpty());
}

void TestVideoView::centredInParent()
{
    QSignalSpy spy(m_view, &CVideoView::doRenderSizeChanged);
    m_view->setViewCenterInParent(QSize(401, 301));
    QCOMPARE(m_view->geometry(), QRect(199, 149, 401, 301));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toSize(), QSize(401, 301));
}

void TestVideoView::playerDrivesTheViewAndPausedChangesShow()
{
    AVPlayer player;
    m_view->setPlayer(&player);
    m_view->setShowVideoFrame(true);
    QCOMPARE(player.videoOutputs().count(m_view->videoRenderer()), 1);
    m_view->setShowVideoFrame(true);
    QCOMPARE(player.videoOutputs().count(m_view->videoRenderer()), 1);
    OpenGLWidgetRenderer* r = m_view->glRenderer();
    player.play(AvTestMedia::h264Aac());
    QTRY_VERIFY_WITH_TIMEOUT(r->framesPainted() >= 5, 20000);
    player.pause(true);
    QTRY_VERIFY_WITH_TIMEOUT(player.isPaused(), 5000);
    const double shownAt = r->currentFrame().timestamp();
    const QImage before = r->grab();
    QCOMPARE(r->currentFrame().size(), QSize(320, 240));

    m_view->setRegionOfInterest(QRect(0, 0, 160, 120));
    QCOMPARE(r->currentFrame().size(), QSize(160, 120));
    const QImage cropped = r->grab();
    QVERIFY(AvTestMedia::imageDifference(before, cropped) > 10);
    QCOMPARE(r->videoRect(), QRect(80, 0, 480, 360));

    m_view->rotate(90, 2);
    QCOMPARE(r->videoRect(), QRect(185, 0, 270, 360));
    QVERIFY(AvTestMedia::imageDifference(cropped, r->grab()) > 10);
    QCOMPARE(r->currentFrame().timestamp(), shownAt); // the same frame, changed
    m_view->setShowVideoFrame(false);
    QVERIFY(!player.videoOutputs().contains(m_view->videoRenderer()));
    player.stop();
}

void TestVideoView::internalTrackSubtitleShowsDuringItsCue()
{
    AVPlayer player;
    m_view->setPlayer(&player);
    m_view->setShowVideoFrame(true);
    SubtitleSet set;
    set.size = 60;
    set.colorName = QStringLiteral("yellow");
    SubtitleFilter* filter = m_view->addSubtitle(set, 540, false);
    m_view->setSubtitleRect(filter, 60, 0, 270);
    m_view->installSubtitle(filter, 0);
    QCOMPARE(filter->player(), &player);
    OpenGLWidgetRenderer* r = m_view->glRenderer();
    // What the subtitle adds to the paused picture: pixels that change
    // when it is hidden.
    auto drawn = [&] {
        const QImage with = r->grab();
        m_view->setSubtitleVisible(0, false);
        const QImage without = r->grab();
        m_view->setSubtitleVisible(0, true);
        int n = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y)) {
                    if (y < 360 - 150) // 60 px at 270 of 270, x 2.5
                        return -1; // outside the subtitle's rectangle
                    ++n;
                }
        return n;
    };
    player.play(AvTestMedia::twoAudioWithSubtitle());
    QTRY_VERIFY_WITH_TIMEOUT(r->currentFrame().timestamp() > 0.9, 20000);
    player.pause(true);
    QTRY_VERIFY_WITH_TIMEOUT(player.isPaused(), 5000);
    QVERIFY2(r->currentFrame().timestamp() < 2.0, "the clip ran past the cue before the pause");
    QCOMPARE(filter->textAt(r->currentFrame().timestamp()), QStringLiteral("Hello there"));
    QVERIFY(drawn() > 50);
    player.pause(false);
    QTRY_VERIFY_WITH_TIMEOUT(r->currentFrame().timestamp() > 2.1, 20000);
    player.pause(true);
    QTRY_VERIFY_WITH_TIMEOUT(player.isPaused(), 5000);
    QCOMPARE(drawn(), 0);
    player.stop();
}

void TestVideoView::anamorphicFileFillsTheWidth()
{
    // 320 x 240 stored, pixels 4:3 wide: shown as 16:9. Five seconds: a
    // loaded machine drops late frames, and a one-second clip could end
    // before two were painted.
    const QString file = QDir(AvTestMedia::folder()).filePath("anamorphic.mp4");
    QVERIFY(AvTestMedia::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-t", "5", "-vf",
                                    "setsar=4/3", "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p",
                                    file}));
    AVPlayer player;
    m_view->setPlayer(&player);
    m_view->setShowVideoFrame(true);
    m_view->setVideoAspect(0, 0);
    OpenGLWidgetRenderer* r = m_view->glRenderer();
    player.play(file);
    QTRY_VERIFY_WITH_TIMEOUT(r->framesPainted() >= 2, 20000);
    QCOMPARE(r->currentFrame().size(), QSize(320, 240));
    QCOMPARE(r->videoRect(), QRect(0, 0, 640, 360));
    m_view->setVideoAspect(1, 1);
    QCOMPARE(r->videoRect(), QRect(140, 0, 360, 360));
    player.stop();
}

void TestVideoView::subtitleRectOfAViewNotYetShown()
{
    CVideoView hidden;
    hidden.setGeometry(0, 0, 640, 360);
    SubtitleFilter* filter = hidden.addSubtitle(SubtitleSet(), 540, true);
    hidden.setSubtitleRect(filter, 54, 0, 540);
    QCOMPARE(filter->rect(), QRectF(0, 360 - 67, 640, 67));
}

void TestVideoView::secondConstructorTakesPlayerAndPlace()
{
    AVPlayer player;
    CVideoView view(m_window, &player, QRect(10, 20, 320, 180));
    QCOMPARE(view.geometry(), QRect(10, 20, 320, 180));
    view.setShowVideoFrame(true);
    QVERIFY(player.videoOutputs().contains(view.videoRenderer()));
    // Zooming out returns to the rectangle it was built with.
    view.zoomIn(QRect(0, 0, 400, 300));
    QTRY_COMPARE_WITH_TIMEOUT(view.geometry(), QRect(0, 0, 400, 300), 5000);
    view.zoomOut();
    QTRY_COMPARE_WITH_TIMEOUT(view.geometry(), QRect(10, 20, 320, 180), 5000);
}

void TestVideoView::twplayGrabsTheFilteredPicture()
{
    QTemporaryDir dir;
    const QString shot = dir.filePath("shot.png");
    const QString srt = dir.filePath("a.srt");
    QFile f(srt);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("1\n00:00:00,000 --> 00:00:03,000\nHi\n");
    f.close();
    QProcess twplay;
    twplay.start(qEnvironmentVariable("TW_BINARY_DIR") + "/bin/twplay",
                 {"--audio", "null", "--gl", "--filter", "crop=w=160:h=120:x=0:y=0", "--shader", "gray",
                  "--subtitle", srt, "--orientation", "90", "--aspect", "4:3", "--grab", "500:" + shot,
                  "--stop-after", "1000", AvTestMedia::h264Aac()});
    QVERIFY(twplay.waitForFinished(30000));
    const QByteArray output = twplay.readAllStandardOutput();
    QCOMPARE(twplay.exitCode(), 0);
    QVERIFY2(output.contains("\"event\":\"grab\""), output.constData());
    const QImage image(shot);
    QCOMPARE(image.size(), QSize(640, 360));
    // Grey, turned to 3:4 between black bars.
    const QRgb inside = image.pixel(320, 100);
    QVERIFY(qRed(inside) == qGreen(inside) && qGreen(inside) == qBlue(inside));
    QCOMPARE(image.pixel(100, 180), qRgb(0, 0, 0));
    QVERIFY(output.contains("\"event\":\"render\""));
    // A bad value is refused with the usage.
    QProcess bad;
    bad.start(qEnvironmentVariable("TW_BINARY_DIR") + "/bin/twplay", {"--shader", "sepia", AvTestMedia::h264Aac()});
    QVERIFY(bad.waitForFinished(30000));
    QCOMPARE(bad.exitCode(), 1);
}

QTEST_MAIN(TestVideoView)
#include "tst_videoview.moc"
