#include "function/QtAV/include/WaterMark.h"
#include "shell/Utils.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <QtTest>

// The kill case runs this binary again as a child that writes jobs forever.
static const char* kWriterEnv = "TW_WATERMARK_WRITER";

class TestWaterMark : public QObject
{
    Q_OBJECT
private slots:
    void textMarkIsWrittenAtItsSavePath();
    void largerBoxSurvivesSpacingAndOpacity();
    void fontSizeChangeSnapsTheBox();
    void colourIndexOutsidePaletteIsWhite_data();
    void colourIndexOutsidePaletteIsWhite();
    void dateTimeRunsAtTheSameSize();
    void brightImageGetsGreyHandles_data();
    void brightImageGetsGreyHandles();
    void imageMarkIsWrittenWithItsOpacity();
    void nullImageFailsAndWritesNothing();
    void firstLoadFitsTheImage();
    void opacityIsClamped();
    void jobsOnOnePathEndWithTheLatest();
    void killedWriterLeavesNoHalfFile();

private:
    QTemporaryDir m_dir;
};

namespace {

TextMarkInfo line(const QString& text, int pointSize, int colour = 0)
{
    TextMarkInfo t;
    t.text = text;
    t.font.setPointSize(pointSize);
    t.colorIndex = colour;
    return t;
}

struct Mark
{
    Mark()
    {
        mark.resize(640, 360);
        mark.show();
    }
    WaterMark mark;
};

QImage solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

void TestWaterMark::textMarkIsWrittenAtItsSavePath()
{
    Mark m;
    const QString path = m_dir.filePath("text.png");
    QList<TextMarkInfo> lines{line("Tarnwick", 15), line(QString(), 30), line("mark", 12, 2)};
    m.mark.setText(lines, path);
    QCOMPARE(m.mark.kind(), int(WaterMark::Text));
    QImage saved(path, "PNG");
    QVERIFY(!saved.isNull());
    // Written four times as large as the box's own block.
    QVERIFY(saved.width() > 3 * m.mark.boxRect().width());
    QVERIFY(lines[0].size.isValid() && lines[0].size.width() > 0);
    QCOMPARE(m.mark.boxRect().size(), m.mark.storedSize());
    QVERIFY(m.mark.zoomBox()->handle(0)->isVisible());
}

void TestWaterMark::largerBoxSurvivesSpacingAndOpacity()
{
    Mark m;
    const QString path = m_dir.filePath("spacing.png");
    QList<TextMarkInfo> lines{line("Tarnwick", 15)};
    m.mark.setText(lines, path);
    const QRect block = m.mark.boxRect();
    // The user made the box larger (as a handle drag would report it).
    const QRect larger(block.x(), block.y(), block.width() + 60, block.height() + 30);
    m.mark.setBoxRect(larger, true);
    QCOMPARE(m.mark.storedSize(), larger.size());
    m.mark.setTextSpacing(6);
    QCOMPARE(m.mark.boxRect().size(), larger.size());
    m.mark.setContentOpacity(0.5);
    QCOMPARE(m.mark.boxRect().size(), larger.size());
    m.mark.saveTempImageOpacityChanged();
    QCOMPARE(m.mark.boxRect().size(), larger.size());
    QVERIFY(QFile::exists(path));
}

void TestWaterMark::fontSizeChangeSnapsTheBox()
{
    Mark m;
    const QString path = m_dir.filePath("snap.png");
    QList<TextMarkInfo> lines{line("Tarnwick", 15)};
    m.mark.setText(lines, path);
    const QRect block = m.mark.boxRect();
    m.mark.setBoxRect(QRect(block.topLeft(), block.size() + QSize(80, 40)), true);
    QList<TextMarkInfo> bigger{line("Tarnwick", 20)};
    m.mark.setText(bigger, path);
    const QSize snapped = m.mark.boxRect().size();
    QVERIFY(snapped.width() > block.width());
    QVERIFY(snapped.width() < block.width() + 80);
    QCOMPARE(snapped, bigger[0].size.isValid() ? m.mark.storedSize() : QSize());
}

void TestWaterMark::colourIndexOutsidePaletteIsWhite_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("first") << 0 << QColor("#FFFFFF");
    QTest::newRow("orange") << 2 << QColor("#FC673A");
    QTest::newRow("last") << 8 << QColor("#FC3746");
    QTest::newRow("nine") << 9 << QColor("#FFFFFF");
    QTest::newRow("negative") << -1 << QColor("#FFFFFF");
}

void TestWaterMark::colourIndexOutsidePaletteIsWhite()
{
    QFETCH(int, index);
    QFETCH(QColor, expected);
    Mark m;
    const QString path = m_dir.filePath("colour.png");
    QList<TextMarkInfo> lines{line(QStringLiteral("\u2588\u2588\u2588\u2588"), 30, index)};
    m.mark.setText(lines, path);
    const QImage saved = QImage(path, "PNG").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!saved.isNull());
    // The most opaque pixel carries the text colour.
    QRgb best = 0;
    for (int y = 0; y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x)
            if (qAlpha(saved.pixel(x, y)) > qAlpha(best))
                best = saved.pixel(x, y);
    QCOMPARE(qAlpha(best), 255);
    QCOMPARE(QColor(best).rgb(), expected.rgb());
}

void TestWaterMark::dateTimeRunsAtTheSameSize()
{
    Mark m;
    DateTimeMarkInfo info;
    info.dateTime = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59));
    info.format = QStringLiteral("HH:mm:ss");
    m.mark.setDateTime(info, true);
    QCOMPARE(m.mark.kind(), int(WaterMark::DateTime));
    QCOMPARE(m.mark.currentText(), QStringLiteral("23:59:59"));
    const QRect box = m.mark.boxRect();
    QCOMPARE(box.topRight(), QPoint(639, 0));
    QVERIFY(!m.mark.zoomBox()->handle(0)->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(m.mark.currentText(), QStringLiteral("00:00:00"), 5000);
    QCOMPARE(m.mark.boxRect(), box);
    // A text mark stops the clock.
    QList<TextMarkInfo> lines{line("stop", 12)};
    m.mark.setText(lines, m_dir.filePath("stop.png"));
    QVERIFY(m.mark.findChildren<QTimer*>().isEmpty());
}

void TestWaterMark::brightImageGetsGreyHandles_data()
{
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("handles");
    QTest::newRow("white") << QColor(Qt::white) << QSize(100, 80) << QColor(150, 150, 150);
    QTest::newRow("just above 190") << QColor(191, 191, 191) << QSize(100, 80) << QColor(150, 150, 150);
    QTest::newRow("190 is not bright") << QColor(190, 250, 250) << QSize(100, 80) << QColor(Qt::white);
    QTest::newRow("dark") << QColor(20, 20, 20) << QSize(100, 80) << QColor(Qt::white);
    QTest::newRow("smaller than a handle") << QColor(Qt::white) << QSize(4, 4) << QColor(Qt::white);
}

void TestWaterMark::brightImageGetsGreyHandles()
{
    QFETCH(QColor, fill);
    QFETCH(QSize, size);
    QFETCH(QColor, handles);
    Mark m;
    QVERIFY(m.mark.setImage(solid(size, fill), m_dir.filePath("bright.png")));
    QCOMPARE(m.mark.zoomBox()->handle(0)->color(), handles);
    QThreadPool::globalInstance()->waitForDone();
}

void TestWaterMark::imageMarkIsWrittenWithItsOpacity()
{
    Mark m;
    const QString path = m_dir.filePath("image.png");
    m.mark.setContentOpacity(0.5);
    QVERIFY(m.mark.setImage(solid(QSize(64, 32), Qt::red), path));
    QThreadPool::globalInstance()->waitForDone();
    QImage saved(path, "PNG");
    QCOMPARE(saved.size(), QSize(64, 32));
    QVERIFY(qAbs(qAlpha(saved.pixel(10, 10)) - 127) <= 1);
    m.mark.setContentOpacity(1.0);
    m.mark.saveTempImageOpacityChanged();
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(qAlpha(QImage(path, "PNG").pixel(10, 10)), 255);
}

void TestWaterMark::nullImageFailsAndWritesNothing()
{
    Mark m;
    const QString path = m_dir.filePath("null.png");
    QVERIFY(!m.mark.setImage(QImage(), path));
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(m.mark.kind(), int(WaterMark::None));
}

void TestWaterMark::firstLoadFitsTheImage()
{
    Mark m;
    m.mark.setBoxRect(QRect(0, 0, 50, 50), true);
    QVERIFY(m.mark.setImage(solid(QSize(1280, 360), Qt::blue), m_dir.filePath("fit.png"), true));
    // The picture is fitted into the overlay keeping its shape.
    QCOMPARE(m.mark.boxRect(), QRect(0, 0, 640, 180));
    // The stored size is the image's own (as far as the overlay holds it).
    QCOMPARE(m.mark.storedSize(), QSize(640, 360));
    QCOMPARE(m.mark.kind(), int(WaterMark::Image));
    QThreadPool::globalInstance()->waitForDone();
}

void TestWaterMark::opacityIsClamped()
{
    Mark m;
    m.mark.setContentOpacity(1.5);
    QCOMPARE(m.mark.contentOpacity(), 1.0);
    m.mark.setContentOpacity(-0.5);
    QCOMPARE(m.mark.contentOpacity(), 0.0);
}

void TestWaterMark::jobsOnOnePathEndWithTheLatest()
{
    const QString path = m_dir.filePath("latest.png");
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    for (int round = 0; round < 5; ++round) {
        for (const QColor& c : colours)
            QThreadPool::globalInstance()->start(new TransImageAlpha(solid(QSize(900, 600), c), path, 255));
        QThreadPool::globalInstance()->waitForDone();
        const QImage saved(path, "PNG");
        QCOMPARE(saved.size(), QSize(900, 600));
        QCOMPARE(QColor(saved.pixel(450, 300)).rgb(), QColor(Qt::magenta).rgb());
    }
    // A null image after a real one leaves the real one.
    QThreadPool::globalInstance()->start(new TransImageAlpha(QImage(), path, 255));
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(!QImage(path, "PNG").isNull());
}

void TestWaterMark::killedWriterLeavesNoHalfFile()
{
    const QString path = m_dir.filePath("killed.png");
    for (int attempt = 0; attempt < 3; ++attempt) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(kWriterEnv), path);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForStarted());
        // Killed while it keeps writing, after its first file landed.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 20000);
        child.kill();
        QVERIFY(child.waitForFinished());
        if (QFile::exists(path)) {
            const QImage saved(path, "PNG");
            QVERIFY2(!saved.isNull() && saved.size() == QSize(1600, 1200), "a half-written PNG was left");
        }
    }
}

int main(int argc, char** argv)
{
    const QByteArray writerPath = qgetenv(kWriterEnv);
    if (!writerPath.isEmpty()) {
        QGuiApplication app(argc, argv);
        const QString path = QString::fromLocal8Bit(writerPath);
        fputs("writing\n", stdout);
        fflush(stdout);
        for (int i = 0;; ++i) {
            QImage image(1600, 1200, QImage::Format_ARGB32);
            image.fill(QColor::fromHsv(i % 360, 200, 200));
            for (int y = 0; y < 1200; y += 7)
                image.setPixel(i % 1600, y, qRgb(y % 256, i % 256, 9));
            QThreadPool::globalInstance()->start(new TransImageAlpha(image, path, 200));
            if (i % 8 == 7)
                QThreadPool::globalInstance()->waitForDone();
        }
    }
    QApplication app(argc, argv);
    TestWaterMark test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_watermark.moc"
