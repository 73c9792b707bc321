#include "GLTestFrames.h"
#include "function/QtAV/av/SubtitleFilter.h"
#include "function/QtAV/avwidgets/OpenGLWidgetRenderer.h"
#include "function/QtAV/include/VideoShaders.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace TwAV;
using namespace GLTestFrames;

class TestGLRenderer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void testsrcMatchesFfmpeg_data();
    void testsrcMatchesFfmpeg();
    void aspectModes_data();
    void aspectModes();
    void orientationTurnsThePicture_data();
    void orientationTurnsThePicture();
    void matrixAboutXMirrorsTheRows();
    void matrixIdentityIsAnnounced();
    void aSetterRepaintsOnlyWhatChanged_data();
    void aSetterRepaintsOnlyWhatChanged();
    void regionOfInterestShowsThatPart();
    void colourControls();
    void backgroundFillsTheBars();
    void grayShaderOnRed();
    void convolutionKeepsUniformFrames_data();
    void convolutionKeepsUniformFrames();
    void blurAveragesACheckerboard();
    void shadersSwitchAndGo();
    void chainCropsAndChangesWhilePaused();
    void refusedChainLeavesThePicture();
    void subtitleFileIsDrawnDuringItsCue();
    void subtitleCharsetOptionAndFormats_data();
    void subtitleCharsetOptionAndFormats();

private:
    QImage show(const VideoFrame& frame);
    QWidget* m_window = nullptr;
    OpenGLWidgetRenderer* m_renderer = nullptr;
};

namespace {

bool near(QRgb a, QColor b, int tolerance = 6)
{
    return qAbs(qRed(a) - b.red()) <= tolerance && qAbs(qGreen(a) - b.green()) <= tolerance
           && qAbs(qBlue(a) - b.blue()) <= tolerance;
}

QString describe(QRgb c)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).arg(qAlpha(c));
}

} // namespace

void TestGLRenderer::init()
{
    m_window = new QWidget;
    m_window->resize(640, 360);
    m_renderer = new OpenGLWidgetRenderer(m_window);
    m_renderer->widget()->setGeometry(0, 0, 640, 360);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestGLRenderer::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_renderer = nullptr;
}

QImage TestGLRenderer::show(const VideoFrame& frame)
{
    m_renderer->receive(frame);
    return m_renderer->grab().convertToFormat(QImage::Format_RGB32);
}

void TestGLRenderer::testsrcMatchesFfmpeg_data()
{
    QTest::addColumn<QString>("pixFmt");
    QTest::addColumn<int>("space");
    QTest::addColumn<QString>("matrix");
    QTest::newRow("yuv420p bt601") << "yuv420p" << int(AVCOL_SPC_UNSPECIFIED) << "bt601";
    QTest::newRow("yuv420p bt709") << "yuv420p" << int(AVCOL_SPC_BT709) << "bt709";
    QTest::newRow("nv12") << "nv12" << int(AVCOL_SPC_SMPTE170M) << "bt601";
}

void TestGLRenderer::testsrcMatchesFfmpeg()
{
    QFETCH(QString, pixFmt);
    QFETCH(int, space);
    QFETCH(QString, matrix);
    QByteArray raw;
    QImage reference;
    QVERIFY(testsrc(pixFmt, matrix, &raw, &reference));
    m_renderer->widget()->resize(320, 240);
    const QImage shot = show(rawFrame(raw, 320, 240, pixFmt == "nv12" ? AV_PIX_FMT_NV12 : AV_PIX_FMT_YUV420P,
                                      AVColorSpace(space)));
    QCOMPARE(shot.size(), QSize(320, 240));
    const double diff = AvTestMedia::imageDifference(shot, reference);
    QVERIFY2(diff < 3.0, qPrintable(QString::number(diff)));
}

void TestGLRenderer::aspectModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("custom");
    QTest::addColumn<int>("sarNum");
    QTest::addColumn<int>("sarDen");
    QTest::addColumn<QRect>("expected");
    // 320 x 240 (4:3) in 640 x 360 (16:9).
    QTest::newRow("video's own, 4:3") << int(VideoRenderer::VideoAspectRatio) << 0.0 << 1 << 1 << QRect(80, 0, 480, 360);
    QTest::newRow("anamorphic 4:3 pixels") << int(VideoRenderer::VideoAspectRatio) << 0.0 << 4 << 3 << QRect(0, 0, 640, 360);
    QTest::newRow("custom 1:1") << int(VideoRenderer::CustomAspectRation) << 1.0 << 1 << 1 << QRect(140, 0, 360, 360);
    QTest::newRow("custom 21:9") << int(VideoRenderer::CustomAspectRation) << 21.0 / 9 << 1 << 1 << QRect(0, 43, 640, 274);
    QTest::newRow("renderer's own") << int(VideoRenderer::RendererAspectRatio) << 0.0 << 1 << 1 << QRect(0, 0, 640, 360);
}

void TestGLRenderer::aspectModes()
{
    QFETCH(int, mode);
    QFETCH(double, custom);
    QFETCH(int, sarNum);
    QFETCH(int, sarDen);
    QFETCH(QRect, expected);
    // Mid grey, so that the picture's edge is never taken for a bar.
    const QByteArray raw(320 * 240 * 3 / 2, char(128));
    if (mode == VideoRenderer::CustomAspectRation)
        m_renderer->setOutAspectRatio(custom);
    else
        m_renderer->setOutAspectRatioMode(VideoRenderer::OutAspectRatioMode(mode));
    const QImage shot = show(rawFrame(raw, 320, 240, AV_PIX_FMT_YUV420P, AVCOL_SPC_UNSPECIFIED, {sarNum, sarDen}));
    QCOMPARE(m_renderer->videoRect(), expected);
    // Bars are the background, the picture starts right after them.
    if (expected.x() > 2) {
        QVERIFY(near(shot.pixel(expected.x() - 2, 180), Qt::black, 0));
        QVERIFY(!near(shot.pixel(expected.x() + 2, 180), Qt::black, 10));
        QVERIFY(near(shot.pixel(expected.right() + 2, 180), Qt::black, 0));
    }
    if (expected.y() > 2)
        QVERIFY(near(shot.pixel(320, expected.y() - 2), Qt::black, 0));
}

void TestGLRenderer::orientationTurnsThePicture_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomLeft");
    // Counter-clockwise, as the stripe table of the view expects.
    QTest::newRow("0") << 0 << QRect(80, 0, 480, 360) << QColor(Qt::red) << QColor(Qt::blue);
    QTest::newRow("90") << 90 << QRect(185, 0, 270, 360) << QColor(Qt::green) << QColor(Qt::red);
    QTest::newRow("180") << 180 << QRect(80, 0, 480, 360) << QColor(Qt::white) << QColor(Qt::green);
    QTest::newRow("270") << 270 << QRect(185, 0, 270, 360) << QColor(Qt::blue) << QColor(Qt::white);
    QTest::newRow("45 is ignored") << 45 << QRect(80, 0, 480, 360) << QColor(Qt::red) << QColor(Qt::blue);
}

void TestGLRenderer::orientationTurnsThePicture()
{
    QFETCH(int, degrees);
    QFETCH(QRect, rect);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomLeft);
    m_renderer->setOrientation(degrees);
    const QImage shot = show(VideoFrame(quadrants()));
    QCOMPARE(m_renderer->videoRect(), rect);
    const QRgb tl = shot.pixel(rect.x() + 10, rect.y() + 10);
    const QRgb bl = shot.pixel(rect.x() + 10, rect.bottom() - 10);
    QVERIFY2(near(tl, topLeft), qPrintable(describe(tl)));
    QVERIFY2(near(bl, bottomLeft), qPrintable(describe(bl)));
}

void TestGLRenderer::matrixAboutXMirrorsTheRows()
{
    QMatrix4x4 m;
    m.rotate(180, 1, 0, 0);
    m_renderer->setMatrix(m);
    const QImage shot = show(VideoFrame(quadrants()));
    QVERIFY(near(shot.pixel(90, 10), Qt::blue));
    QVERIFY(near(shot.pixel(90, 350), Qt::red));
    QVERIFY(near(shot.pixel(550, 10), Qt::white));
    m = QMatrix4x4();
    m.rotate(180, 0, 1, 0);
    m_renderer->setMatrix(m);
    const QImage mirrored = m_renderer->grab().convertToFormat(QImage::Format_RGB32);
    QVERIFY(near(mirrored.pixel(90, 10), Qt::green));
}

void TestGLRenderer::matrixIdentityIsAnnounced()
{
    QSignalSpy spy(m_renderer, &VideoRenderer::matrixIdentitied);
    QMatrix4x4 m;
    m.rotate(90, 0, 0, 1);
    m_renderer->setMatrix(m);
    QCOMPARE(spy.count(), 0);
    m_renderer->setMatrix(QMatrix4x4());
    QCOMPARE(spy.count(), 1);
}

namespace {

enum Setting { Orientation, AspectMode, AspectRatio, Background, Matrix, Region, FilterOn, FilterText };

// Applies the setting's resting value, or one that differs from it.
void apply(OpenGLWidgetRenderer* r, Setting which, bool changed)
{
    QMatrix4x4 turned;
    turned.rotate(90, 0, 0, 1);
    switch (which) {
    case Orientation: r->setOrientation(changed ? 90 : 0); break;
    case AspectMode:
        r->setOutAspectRatioMode(changed ? VideoRenderer::RendererAspectRatio : VideoRenderer::VideoAspectRatio);
        break;
    case AspectRatio: r->setOutAspectRatio(changed ? 2.0 : 16.0 / 9); break;
    case Background: r->setBackgroundColor(changed ? Qt::red : Qt::black); break;
    case Matrix: r->setMatrix(changed ? turned : QMatrix4x4()); break;
    case Region: r->setRegionOfInterest(changed ? QRectF(0, 0, 0.5, 0.5) : QRectF()); break;
    case FilterOn: r->setFilterEnabled(changed); break;
    case FilterText: r->setFilterOptions(changed ? QStringLiteral("hflip") : QString()); break;
    }
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

void TestGLRenderer::aSetterRepaintsOnlyWhatChanged_data()
{
    QTest::addColumn<int>("setting");
    QTest::newRow("orientation") << int(Orientation);
    QTest::newRow("aspect mode") << int(AspectMode);
    QTest::newRow("aspect ratio") << int(AspectRatio);
    QTest::newRow("background") << int(Background);
    QTest::newRow("matrix") << int(Matrix);
    QTest::newRow("region of interest") << int(Region);
    QTest::newRow("filter on") << int(FilterOn);
    QTest::newRow("filter text") << int(FilterText);
}

// Every repaint recomposes the whole window (slow in software GL), and a
// preview sets its view's defaults again at each play.
void TestGLRenderer::aSetterRepaintsOnlyWhatChanged()
{
    QFETCH(int, setting);
    const auto which = Setting(setting);
    PaintCounter counter;
    m_renderer->widget()->installEventFilter(&counter);
    // The pending repaints of a window are done when its update request is.
    const auto flush = [this] { QCoreApplication::sendPostedEvents(m_window, QEvent::UpdateRequest); };
    apply(m_renderer, which, false);
    flush();
    counter.paints = 0;

    apply(m_renderer, which, false);
    flush();
    QCOMPARE(counter.paints, 0);
    apply(m_renderer, which, true);
    flush();
    QVERIFY(counter.paints > 0);
    counter.paints = 0;
    apply(m_renderer, which, true);
    flush();
    QCOMPARE(counter.paints, 0);
}

void TestGLRenderer::regionOfInterestShowsThatPart()
{
    // The green quadrant only, as a 4:3 picture of its own.
    m_renderer->setRegionOfInterest(QRectF(160, 0, 160, 120));
    const QImage shot = show(VideoFrame(quadrants()));
    QCOMPARE(m_renderer->videoRect(), QRect(80, 0, 480, 360));
    for (QPoint p : {QPoint(85, 5), QPoint(320, 180), QPoint(555, 355)})
        QVERIFY2(near(shot.pixel(p), Qt::green), qPrintable(describe(shot.pixel(p))));
    m_renderer->resizeRenderer(160, 120);
    QCOMPARE(m_renderer->rendererSize(), QSize(160, 120));
}

void TestGLRenderer::colourControls()
{
    const QImage plain = show(VideoFrame(solid(QColor(100, 100, 100))));
    QVERIFY(m_renderer->setBrightness(0.5));
    const QImage lighter = m_renderer->grab().convertToFormat(QImage::Format_RGB32);
    QVERIFY2(qRed(lighter.pixel(320, 180)) > qRed(plain.pixel(320, 180)) + 100, qPrintable(describe(lighter.pixel(320, 180))));
    QVERIFY(!m_renderer->setBrightness(1.5));
    QCOMPARE(m_renderer->brightness(), 0.5);
    QVERIFY(m_renderer->setBrightness(0));
    QVERIFY(m_renderer->setContrast(-1.0));
    QVERIFY(near(m_renderer->grab().pixel(320, 180), QColor(128, 128, 128), 2));
    QVERIFY(m_renderer->setContrast(0));
    show(VideoFrame(solid(Qt::red)));
    QVERIFY(m_renderer->setSaturation(-1.0));
    const QRgb grey = m_renderer->grab().pixel(320, 180);
    QVERIFY2(qAbs(qRed(grey) - qGreen(grey)) <= 2 && qAbs(qGreen(grey) - qBlue(grey)) <= 2, qPrintable(describe(grey)));
    QVERIFY(m_renderer->setSaturation(0));
    QVERIFY(m_renderer->setHue(2.0 / 3.0));
    const QRgb turned = m_renderer->grab().pixel(320, 180);
    QVERIFY2(qGreen(turned) > 200 && qRed(turned) < 60, qPrintable(describe(turned)));
}

void TestGLRenderer::backgroundFillsTheBars()
{
    m_renderer->setBackgroundColor(QColor(0, 255, 0));
    const QImage shot = show(VideoFrame(solid(Qt::red)));
    QVERIFY(near(shot.pixel(10, 180), Qt::green, 0));
    QVERIFY(near(shot.pixel(320, 180), Qt::red, 2));
}

void TestGLRenderer::grayShaderOnRed()
{
    GrayShader gray;
    m_renderer->opengl()->setUserShader(&gray);
    m_renderer->receive(VideoFrame(solid(Qt::red)));
    const QImage out = m_renderer->grab().convertToFormat(QImage::Format_ARGB32);
    for (QPoint p : {QPoint(81, 1), QPoint(320, 180), QPoint(558, 358)}) {
        const QRgb c = out.pixel(p);
        QVERIFY2(qAbs(qRed(c) - 76) <= 1 && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qAlpha(c) == 255,
                 qPrintable(describe(c)));
    }
}

void TestGLRenderer::convolutionKeepsUniformFrames_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("blur") << int(ShaderBlur);
    QTest::newRow("sharpen") << int(ShaderSharpen);
}

void TestGLRenderer::convolutionKeepsUniformFrames()
{
    QFETCH(int, type);
    std::unique_ptr<TwAV::ConvolutionShader> shader;
    if (type == ShaderBlur)
        shader.reset(new MediumBlurShader);
    else
        shader.reset(new SharpnessShader);
    QCOMPARE(shader->kernelRadius(), 2);
    QCOMPARE(shader->kernelSize(), 25);
    m_renderer->opengl()->setUserShader(shader.get());
    const QColor colour(40, 120, 200);
    const QImage shot = show(VideoFrame(solid(colour)));
    for (QPoint p : {QPoint(82, 2), QPoint(320, 180), QPoint(557, 357)})
        QVERIFY2(near(shot.pixel(p), colour, 2), qPrintable(describe(shot.pixel(p))));
}

void TestGLRenderer::blurAveragesACheckerboard()
{
    m_renderer->widget()->resize(64, 64);
    const QImage sharp = show(VideoFrame(checkerboard()));
    QVERIFY(qRed(sharp.pixel(20, 20)) < 10 || qRed(sharp.pixel(20, 20)) > 245);
    MediumBlurShader blur;
    m_renderer->opengl()->setUserShader(&blur);
    const QImage soft = m_renderer->grab().convertToFormat(QImage::Format_RGB32);
    for (QPoint p : {QPoint(20, 20), QPoint(21, 20), QPoint(40, 33)}) {
        // 12 or 13 of 25 texels are white.
        const int v = qRed(soft.pixel(p));
        QVERIFY2(v > 110 && v < 145, qPrintable(describe(soft.pixel(p))));
    }
}

void TestGLRenderer::shadersSwitchAndGo()
{
    show(VideoFrame(solid(Qt::red)));
    auto* blur = new MediumBlurShader;
    m_renderer->opengl()->setUserShader(blur);
    QCOMPARE(m_renderer->opengl()->userShader(), blur);
    GrayShader gray;
    m_renderer->opengl()->setUserShader(&gray);
    delete blur;
    QCOMPARE(qRed(m_renderer->grab().pixel(320, 180)), qGreen(m_renderer->grab().pixel(320, 180)));
    m_renderer->opengl()->setUserShader(nullptr);
    QVERIFY(near(m_renderer->grab().pixel(320, 180), Qt::red, 2));
    // A shader object destroyed while set is dropped, not used.
    auto* gone = new SharpnessShader;
    m_renderer->opengl()->setUserShader(gone);
    delete gone;
    QVERIFY(!m_renderer->opengl()->userShader());
    QVERIFY(near(m_renderer->grab().pixel(320, 180), Qt::red, 2));
}

void TestGLRenderer::chainCropsAndChangesWhilePaused()
{
    QByteArray raw;
    QImage reference;
    QVERIFY(testsrc("yuv420p", "bt601", &raw, &reference));
    m_renderer->setFilterEnabled(true);
    m_renderer->setFilterOptions(QStringLiteral("format=pix_fmts=yuv420p[1]; [1]crop=w=160:h=120:x=0:y=0"));
    m_renderer->receive(rawFrame(raw, 320, 240, AV_PIX_FMT_YUV420P));
    QCOMPARE(m_renderer->currentFrame().size(), QSize(160, 120));
    // No new frame arrives (paused): the change applies to the one shown.
    m_renderer->setFilterOptions(QStringLiteral("crop=w=100:h=50:x=10:y=10"));
    QCOMPARE(m_renderer->currentFrame().size(), QSize(100, 50));
    m_renderer->setFilterEnabled(false);
    QCOMPARE(m_renderer->currentFrame().size(), QSize(320, 240));
    QVERIFY(m_renderer->framesReceived() >= 1);
    m_renderer->grab();
    QVERIFY(m_renderer->framesPainted() >= 1);
}

void TestGLRenderer::refusedChainLeavesThePicture()
{
    QByteArray raw;
    QImage reference;
    QVERIFY(testsrc("yuv420p", "bt601", &raw, &reference));
    m_renderer->widget()->resize(320, 240);
    m_renderer->setFilterEnabled(true);
    m_renderer->setFilterOptions(QStringLiteral("format=pix_fmts=yuv420p[1]; [1]nosuchfilter=3"));
    const QImage shot = show(rawFrame(raw, 320, 240, AV_PIX_FMT_YUV420P));
    QCOMPARE(m_renderer->currentFrame().size(), QSize(320, 240));
    QVERIFY(AvTestMedia::imageDifference(shot, reference) < 3.0);
}

void TestGLRenderer::subtitleFileIsDrawnDuringItsCue()
{
    QTemporaryDir dir;
    const QString vtt = dir.filePath("cues.vtt");
    QFile f(vtt);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("WEBVTT\n\n00:00:01.000 --> 00:00:02.000\n<b>\xE2\x96\x88\xE2\x96\x88\xE2\x96\x88</b>\n\n"
            "00:00:03.000 --> 00:00:04.000\nsecond\n");
    f.close();
    SubtitleFilter sub;
    sub.setFile(vtt);
    sub.setColor(Qt::yellow);
    QFont font;
    font.setPixelSize(40);
    sub.setFont(font);
    sub.setRect(QRectF(0, 280, 640, 80));
    QCOMPARE(sub.textAt(1.5), QStringLiteral("\u2588\u2588\u2588"));
    QCOMPARE(sub.textAt(2.5), QString());
    QCOMPARE(sub.textAt(3.0), QStringLiteral("second"));
    QVERIFY(m_renderer->installFilter(&sub));
    auto yellowIn = [](const QImage& image, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (near(image.pixel(x, y), Qt::yellow, 40))
                    ++n;
        return n;
    };
    const QImage during = show(VideoFrame(solid(Qt::black), 1.5));
    QVERIFY(yellowIn(during, QRect(0, 280, 640, 80)) > 200);
    QCOMPARE(yellowIn(during, QRect(0, 0, 640, 270)), 0);
    const QImage after = show(VideoFrame(solid(Qt::black), 2.5));
    QCOMPARE(yellowIn(after, QRect(0, 0, 640, 360)), 0);
    sub.setEnabled(false);
    QCOMPARE(yellowIn(show(VideoFrame(solid(Qt::black), 1.5)), QRect(0, 0, 640, 360)), 0);
    QVERIFY(m_renderer->uninstallFilter(&sub));
    // ASS text: override tags dropped, \N a line break.
    QCOMPARE(SubtitleFilter::plainText("0,0,Default,,0,0,0,,{\\i1}one{\\i0}\\Ntwo", true), QStringLiteral("one\ntwo"));
}

void TestGLRenderer::subtitleCharsetOptionAndFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("srt in cp1252") << "a.srt" << QByteArray("1\r\n00:00:01,000 --> 00:00:02,000\r\ncaf\xE9\r\n\r\n")
                                   << "CP1252" << QString::fromUtf8("caf\xC3\xA9");
    QTest::newRow("ass with tags") << "a.ass"
                                   << QByteArray("[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\n"
                                                 "Format: Name, Fontname, Fontsize\nStyle: Default,Arial,20\n\n"
                                                 "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, "
                                                 "MarginV, Effect, Text\nDialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,"
                                                 "{\\b1}bold{\\b0}\\Nnext\n")
                                   << QString() << "bold\nnext";
}

void TestGLRenderer::subtitleCharsetOptionAndFormats()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, charset);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QFile f(dir.filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    SubtitleFilter sub;
    if (!charset.isEmpty())
        sub.setCodecOptions({{"sub_charenc", charset}});
    sub.setFile(f.fileName());
    QCOMPARE(sub.textAt(1.5), expected);
    QCOMPARE(sub.textAt(0.5), QString());
    // A file that is not there shows nothing.
    sub.setFile(dir.filePath("missing.srt"));
    QCOMPARE(sub.textAt(1.5), QString());
}

QTEST_MAIN(TestGLRenderer)
#include "tst_glrenderer.moc"
