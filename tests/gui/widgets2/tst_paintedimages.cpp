// The painted stand-ins for the interface images.
#include "gui/common/PaintedImages.h"

#include <QFile>
#include <QTest>

class TestPaintedImages : public QObject
{
    Q_OBJECT
private slots:
    void everyNamePaints_data();
    void everyNamePaints();
    void unknownNames();
    void styleSheetUrls();
    void busyFramesMove();
};

void TestPaintedImages::everyNamePaints_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& n : PaintedImages::names())
        QTest::newRow(qPrintable(n)) << n;
}

void TestPaintedImages::everyNamePaints()
{
    QFETCH(QString, name);
    for (const QString& prefix : {QStringLiteral(":/res/"), QStringLiteral("://res/"), QString()}) {
        const QImage img = PaintedImages::paint(prefix + name);
        QVERIFY(!img.isNull());
        QVERIFY(img.hasAlphaChannel());
    }
    QVERIFY(!PaintedImages::pixmap(QStringLiteral(":/res/") + name).isNull());
    const QString file = PaintedImages::path(QStringLiteral(":/res/") + name);
    QVERIFY2(!QImage(file).isNull(), qPrintable(file));
    // Written once: the same file comes back.
    QCOMPARE(PaintedImages::path(QStringLiteral(":/res/") + name), file);
}

void TestPaintedImages::unknownNames()
{
    QVERIFY(PaintedImages::paint(QStringLiteral(":/res/nothing_here.png")).isNull());
    QCOMPARE(PaintedImages::path(QStringLiteral(":/res/nothing_here.png")),
             QStringLiteral(":/res/nothing_here.png"));
    QVERIFY(PaintedImages::pixmap(QStringLiteral(":/res/nothing_here.png")).isNull());
}

void TestPaintedImages::styleSheetUrls()
{
    const QString style = QStringLiteral(
        "QCheckBox::indicator:checked { border-image: url(:/res/xuanzhong_on.png); }"
        "QWidget { border-image: url(:/res/nothing_here.png); }");
    const QString resolved = PaintedImages::resolveStyleSheet(style);
    QVERIFY(resolved.contains(QStringLiteral("url(:/res/nothing_here.png)")));
    QVERIFY(resolved.contains(
        QStringLiteral("url(%1)").arg(PaintedImages::path(QStringLiteral(":/res/xuanzhong_on.png")))));
    QVERIFY(resolved.startsWith(QStringLiteral("QCheckBox::indicator:checked { border-image: url(")));
}

void TestPaintedImages::busyFramesMove()
{
    const QList<QImage> frames = PaintedImages::busyFrames(64, 12);
    QCOMPARE(frames.size(), 12);
    QCOMPARE(frames.first().size(), QSize(64, 64));
    QVERIFY(frames.at(0) != frames.at(1));
    QVERIFY(frames.at(0) != frames.at(6));
}

QTEST_MAIN(TestPaintedImages)
#include "tst_paintedimages.moc"
