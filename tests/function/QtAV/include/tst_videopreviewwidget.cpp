#include "AvTestMedia.h"
#include "function/QtAV/include/CVideoPreviewWidget.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class TestVideoPreviewWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void timeText_data();
    void timeText();
    void queueDropsNearRequestsAndKeepsFive();
    void framesArriveForTheQueueInOrder();
    void undecodableFileClearsAndMovesOn();
    void fileChangeMidExtractionShowsNoOldFrame();
    void showOnceAndOpacity();
};

void TestVideoPreviewWidget::initTestCase()
{
    QVERIFY(!AvTestMedia::h264Aac().isEmpty());
}

void TestVideoPreviewWidget::timeText_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "00:00:00";
    QTest::newRow("part of a second") << qint64(999) << "00:00:00";
    QTest::newRow("3,725,000") << qint64(3725000) << "01:02:05";
    QTest::newRow("wraps at a day") << qint64(90061000) << "01:01:01";
}

void TestVideoPreviewWidget::timeText()
{
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(CVideoPreviewWidget::timeTextFor(ms), text);
    CVideoPreviewWidget w;
    w.resize(160, 90);
    w.setFile(AvTestMedia::h264Aac());
    w.requestFrame(ms, 14);
    QCOMPARE(w.timeText(), text);
}

void TestVideoPreviewWidget::queueDropsNearRequestsAndKeepsFive()
{
    CVideoPreviewWidget w;
    w.setFile(AvTestMedia::h264Aac());
    w.requestFrame(1000, 12);
    w.requestFrame(1050, 12); // rounds to 1000: dropped
    QCOMPARE(w.queue(), QList<int>({1000}));
    w.requestFrame(1150, 12);
    QCOMPARE(w.queue(), QList<int>({1000, 1150}));
    w.requestFrame(1200, 12);
    w.requestFrame(1300, 12);
    w.requestFrame(1400, 12);
    QCOMPARE(w.queue().size(), 5);
    w.requestFrame(1500, 12); // five queued: the first goes
    QCOMPARE(w.queue(), QList<int>({1150, 1200, 1300, 1400, 1500}));
}

void TestVideoPreviewWidget::framesArriveForTheQueueInOrder()
{
    CVideoPreviewWidget w;
    w.resize(160, 120);
    w.show();
    w.setFile(AvTestMedia::h264Aac());
    w.requestFrame(500, 12);
    w.requestFrame(2000, 12);
    QCOMPARE(w.timeText(), QStringLiteral("00:00:00"));
    QTRY_VERIFY_WITH_TIMEOUT(w.queue().isEmpty(), 20000);
    QCOMPARE(w.timeText(), QStringLiteral("00:00:02"));
    QVERIFY(!w.picture().isNull());
    QCOMPARE(w.picture().size(), QSize(160, 120));
}

void TestVideoPreviewWidget::undecodableFileClearsAndMovesOn()
{
    CVideoPreviewWidget w;
    w.resize(160, 120);
    w.setFile(AvTestMedia::h264Aac());
    w.requestFrame(500, 12);
    QTRY_VERIFY_WITH_TIMEOUT(w.queue().isEmpty(), 20000);
    QVERIFY(!w.picture().isNull());
    w.setFile(AvTestMedia::textFile());
    w.requestFrame(500, 12);
    w.requestFrame(900, 12);
    QTRY_VERIFY_WITH_TIMEOUT(w.queue().isEmpty(), 20000);
    QVERIFY(w.picture().isNull());
    QCOMPARE(w.timeText(), QStringLiteral("00:00:00"));
}

void TestVideoPreviewWidget::fileChangeMidExtractionShowsNoOldFrame()
{
    CVideoPreviewWidget w;
    w.resize(160, 120);
    w.setFile(AvTestMedia::h264Full());
    w.requestFrame(2500, 12);
    QCOMPARE(w.queue().size(), 1);
    // Changed before the old file's answer came: that answer is not shown.
    w.setFile(AvTestMedia::textFile());
    QVERIFY(w.picture().isNull());
    w.requestFrame(100, 12);
    QTRY_VERIFY_WITH_TIMEOUT(w.queue().isEmpty(), 20000);
    QTest::qWait(0);
    QVERIFY(w.picture().isNull());
}

void TestVideoPreviewWidget::showOnceAndOpacity()
{
    CVideoPreviewWidget w;
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!w.graphicsEffect());
    QCOMPARE(w.opacity(), 0.0f);
    w.setProperty("opacity", 0.4f);
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(w.graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(float(effect->opacity()), 0.4f);
    QCOMPARE(w.property("opacity").toFloat(), 0.4f);
    w.setFile(AvTestMedia::h264Aac());
    w.requestFrame(500, 12);
    w.requestFrame(900, 12);
    w.showOnce();
    QVERIFY(w.isVisible());
    QVERIFY(w.queue().isEmpty());
    w.hide();
    w.requestFrame(1500, 12);
    w.showOnce();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.queue(), QList<int>({1500}));
    QTRY_VERIFY_WITH_TIMEOUT(w.queue().isEmpty(), 20000);
    QCOMPARE(w.timeText(), QStringLiteral("00:00:01"));
}

QTEST_MAIN(TestVideoPreviewWidget)
#include "tst_videopreviewwidget.moc"
