// The interface images compiled into ":/res": every listed one is present
// and readable, the widget images keep their drawn sizes, and the busy
// animation is a looping GIF that matches the frames it was built from.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QFileInfo>
#include <QTest>

#ifndef TW_RESOURCE_NAMES
#define TW_RESOURCE_NAMES ""
#endif

// At file scope: the macro declares the registration function, which lives in
// the global namespace.
static void registerInterfaceResources()
{
    Q_INIT_RESOURCE(tarnwick_res);
}

namespace {
const char* const kAnimation = ":/res/tongyong.gif";
const int kFrameMs = 80;

int coveredPixels(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 0;
    return n;
}
}

class TestPaintedImages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerInterfaceResources(); }

    void everyListedResourceLoads_data();
    void everyListedResourceLoads();
    void widgetImages_data();
    void widgetImages();
    void busyAnimationFrames();
    void busyAnimationMatchesPaintedFrames();
    void busyAnimationLoops();
};

void TestPaintedImages::everyListedResourceLoads_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = QString::fromLatin1(TW_RESOURCE_NAMES).split(QLatin1Char(','), Qt::SkipEmptyParts);
    QVERIFY2(!names.isEmpty(), "the build lists no interface images");
    for (const QString& n : names)
        QTest::newRow(qPrintable(n)) << n;
}

void TestPaintedImages::everyListedResourceLoads()
{
    QFETCH(QString, name);
    const QString path = QStringLiteral(":/res/") + name;
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    // The body is what the name says, so a style sheet or QMovie reading it
    // by its suffix gets the right decoder.
    QCOMPARE(QString::fromLatin1(reader.format()), QFileInfo(name).suffix().toLower());
    QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
}

void TestPaintedImages::widgetImages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("clearCorner");
    // Check-box indicators at twice their 18 x 20 design size.
    for (const char* n : {"xuanzhong_nor.png", "xuanzhong_dis.png", "xuanzhong_on.png", "indeterminate.png"})
        QTest::newRow(n) << QString::fromLatin1(n) << QSize(36, 40) << true;
    QTest::newRow("gif_bg.png") << QStringLiteral("gif_bg.png") << QSize(240, 240) << true;
    QTest::newRow("recently_tiao_hover.png") << QStringLiteral("recently_tiao_hover.png") << QSize(120, 32) << false;
    QTest::newRow("recently_tiao_down.png") << QStringLiteral("recently_tiao_down.png") << QSize(120, 32) << false;
}

void TestPaintedImages::widgetImages()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, clearCorner);
    const QImage img(QStringLiteral(":/res/") + name);
    QCOMPARE(img.size(), size);
    QVERIFY(img.hasAlphaChannel());
    // Drawn over most of the picture, with rounded corners left clear.
    QVERIFY(coveredPixels(img) * 2 > size.width() * size.height());
    if (clearCorner)
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
}

void TestPaintedImages::busyAnimationFrames()
{
    QImageReader reader(QString::fromLatin1(kAnimation));
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.imageCount(), 12);
    QImage previous;
    for (int i = 0; i < reader.imageCount(); ++i) {
        const QImage frame = reader.read();
        QVERIFY2(!frame.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(frame.size(), QSize(100, 100));
        // The delay that follows this frame.
        QCOMPARE(reader.nextImageDelay(), kFrameMs);
        // Transparent around and inside the ring of dots.
        QCOMPARE(qAlpha(frame.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(frame.pixel(50, 50)), 0);
        if (!previous.isNull())
            QVERIFY2(frame != previous, qPrintable(QStringLiteral("frame %1 repeats").arg(i)));
        previous = frame;
    }
}

void TestPaintedImages::busyAnimationMatchesPaintedFrames()
{
    // The frames the generator painted for this build.
    const QDir frames(qEnvironmentVariable("TW_BINARY_DIR") + QStringLiteral("/res/busy_frames"));
    QImageReader reader(QString::fromLatin1(kAnimation));
    const int count = reader.imageCount();
    QCOMPARE(frames.entryList({QStringLiteral("frame_*.png")}, QDir::Files).size(), count);
    for (int i = 0; i < count; ++i) {
        const QImage gif = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QImage png = QImage(frames.filePath(QStringLiteral("frame_%1.png").arg(i, 2, 10, QLatin1Char('0'))))
                               .convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!png.isNull());
        QCOMPARE(gif.size(), png.size());
        int worst = 0;
        for (int y = 0; y < png.height(); ++y) {
            for (int x = 0; x < png.width(); ++x) {
                const QRgb a = gif.pixel(x, y);
                const QRgb b = png.pixel(x, y);
                // Transparency survives exactly: nothing left over from the
                // previous frame, no hole in this one.
                if (qAlpha(a) != qAlpha(b))
                    QFAIL(qPrintable(QStringLiteral("frame %1: alpha %2 instead of %3 at (%4, %5)")
                                         .arg(i).arg(qAlpha(a)).arg(qAlpha(b)).arg(x).arg(y)));
                if (qAlpha(b) == 0)
                    continue;
                worst = qMax(worst, qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)));
            }
        }
        // The shared palette stays close to every painted colour.
        QVERIFY2(worst <= 24, qPrintable(QStringLiteral("frame %1: colour off by %2").arg(i).arg(worst)));
    }
}

void TestPaintedImages::busyAnimationLoops()
{
    QMovie movie(QString::fromLatin1(kAnimation));
    QVERIFY(movie.isValid());
    QCOMPARE(movie.loopCount(), -1);  // forever
    QCOMPARE(movie.frameCount(), 12);
    QList<int> seen;
    connect(&movie, &QMovie::frameChanged, this, [&seen](int n) { seen << n; });
    movie.start();
    // Past the last frame it starts over.
    QTRY_VERIFY_WITH_TIMEOUT(seen.count(0) >= 2, 5000);
    QCOMPARE(movie.state(), QMovie::Running);
    QVERIFY(seen.contains(11));
    movie.stop();
}

QTEST_MAIN(TestPaintedImages)
#include "tst_paintedimages.moc"
