#include "BoxTestSupport.h"
#include "function/QtAV/include/CMoveBox.h"

#include <QGraphicsOpacityEffect>
#include <QSignalSpy>
#include <QtTest>

class TestMoveBox : public QObject
{
    Q_OBJECT
private slots:
    void formHasItsParts();
    void shadesTileTheOverlay_data();
    void shadesTileTheOverlay();
    void dragStopsAtTheEdges_data();
    void dragStopsAtTheEdges();
    void dragKeepsTheRealRectangleInSourceUnits();
    void rightButtonAndDisabledOverlayMoveNothing();
    void handleResizeUpdatesBothRectangles();
    void shadowOpacity();
    void badRatioIsIgnored();
    void keepRatioWithoutHeightTakesOne();
};

namespace {

struct Overlay
{
    Overlay()
    {
        box.resize(400, 300);
        box.show();
        box.setBoxRect(QRect(100, 80, 120, 90), false);
    }
    QWidget* part(const char* name) { return box.findChild<QWidget*>(QLatin1String(name)); }
    DashedBox box;
};

void checkShades(Overlay& o, const QRect& r)
{
    QCOMPARE(o.part("m_pWLeft")->geometry(), QRect(0, 0, r.x(), 300));
    QCOMPARE(o.part("m_pWTop")->geometry(), QRect(r.x(), 0, r.width(), r.y()));
    QCOMPARE(o.part("m_pWRight")->geometry(), QRect(r.right() + 1, 0, 400 - r.right() - 1, 300));
    QCOMPARE(o.part("m_pWBottom")->geometry(), QRect(r.x(), r.bottom() + 1, r.width(), 300 - r.bottom() - 1));
}

} // namespace

void TestMoveBox::formHasItsParts()
{
    Overlay o;
    QCOMPARE(o.box.objectName(), QStringLiteral("CMoveBox"));
    for (const char* name : {"m_pWZoomBox", "m_pWTop", "m_pWBottom", "m_pWLeft", "m_pWRight", "m_pWZoom"})
        QVERIFY2(o.part(name), name);
    QCOMPARE(o.part("m_pWZoom")->minimumSize(), QSize(20, 20));
    QCOMPARE(o.part("m_pWZoom")->cursor().shape(), Qt::SizeAllCursor);
    // The opacity effect belongs to the overlay but sits on no widget.
    QVERIFY(o.box.opacityEffect());
    QCOMPARE(o.box.opacityEffect()->opacity(), 1.0);
    for (QWidget* w : o.box.findChildren<QWidget*>())
        QVERIFY(!w->graphicsEffect());
    QVERIFY(!o.box.graphicsEffect());
}

void TestMoveBox::shadesTileTheOverlay_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::newRow("middle") << QRect(100, 80, 120, 90);
    QTest::newRow("top-left corner") << QRect(0, 0, 50, 40);
    QTest::newRow("bottom-right corner") << QRect(350, 260, 50, 40);
    QTest::newRow("whole overlay") << QRect(0, 0, 400, 300);
}

void TestMoveBox::shadesTileTheOverlay()
{
    QFETCH(QRect, rect);
    Overlay o;
    QSignalSpy spy(&o.box, &CMoveBox::doRectChanged);
    o.box.setBoxRect(rect, true);
    checkShades(o, rect);
    QCOMPARE(o.box.boxRect(), rect);
    QCOMPARE(spy.count(), 1);
    o.box.setBoxRect(rect, false);
    QCOMPARE(spy.count(), 1);
}

void TestMoveBox::dragStopsAtTheEdges_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("inside") << QPoint(30, -20) << QPoint(130, 60);
    QTest::newRow("past left") << QPoint(-500, 0) << QPoint(0, 80);
    QTest::newRow("past right") << QPoint(500, 0) << QPoint(280, 80);
    QTest::newRow("past top") << QPoint(0, -500) << QPoint(100, 0);
    QTest::newRow("past bottom") << QPoint(0, 500) << QPoint(100, 210);
    QTest::newRow("past bottom-right") << QPoint(900, 900) << QPoint(280, 210);
}

void TestMoveBox::dragStopsAtTheEdges()
{
    QFETCH(QPoint, delta);
    QFETCH(QPoint, expected);
    Overlay o;
    QSignalSpy spy(&o.box, &CMoveBox::doRectChanged);
    dragWidget(o.box.box(), QPoint(10, 10), QPoint(10, 10) + delta);
    const QRect now(expected, QSize(120, 90));
    QCOMPARE(o.box.box()->geometry(), now);
    checkShades(o, now);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toRect(), now);
}

void TestMoveBox::dragKeepsTheRealRectangleInSourceUnits()
{
    Overlay o;
    o.box.setRatio(2.0f);
    o.box.setRealRect(QRect(50, 40, 60, 45));
    dragWidget(o.box.box(), QPoint(10, 10), QPoint(11, -19));
    QCOMPARE(o.box.box()->pos(), QPoint(101, 51));
    QCOMPARE(o.box.realRect(), QRect(50, 25, 60, 45));
}

void TestMoveBox::rightButtonAndDisabledOverlayMoveNothing()
{
    Overlay o;
    dragWidget(o.box.box(), QPoint(10, 10), QPoint(60, 60), Qt::RightButton);
    QCOMPARE(o.box.box()->pos(), QPoint(100, 80));
    o.box.setEnabled(false);
    QMouseEvent press(QEvent::MouseButtonPress, QPoint(10, 10), o.box.box()->mapToGlobal(QPoint(10, 10)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(o.box.box(), &press);
    QMouseEvent move(QEvent::MouseMove, QPoint(60, 60), o.box.box()->mapToGlobal(QPoint(60, 60)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(o.box.box(), &move);
    QCOMPARE(o.box.box()->pos(), QPoint(100, 80));
}

void TestMoveBox::handleResizeUpdatesBothRectangles()
{
    Overlay o;
    o.box.setRatio(2.0f);
    QSignalSpy spy(&o.box, &CMoveBox::doRectChanged);
    dragWidget(o.box.zoomBox()->handle(4), QPoint(3, 3), QPoint(34, 14));
    const QRect now(100, 80, 151, 101);
    QCOMPARE(o.box.box()->geometry(), now);
    QCOMPARE(o.box.realRect(), QRect(50, 40, 75, 50));
    checkShades(o, now);
    QCOMPARE(spy.count(), 1);
}

void TestMoveBox::shadowOpacity()
{
    Overlay o;
    QCOMPARE(o.part("m_pWLeft")->styleSheet(), QStringLiteral("QWidget#m_pWLeft{background-color: #96000000}"));
    const QRect left = o.part("m_pWLeft")->geometry();
    o.box.setShadowOpacity(0.0);
    QCOMPARE(o.part("m_pWLeft")->styleSheet(), QStringLiteral("QWidget#m_pWLeft{background-color: #00000000}"));
    QCOMPARE(o.part("m_pWBottom")->styleSheet(), QStringLiteral("QWidget#m_pWBottom{background-color: #00000000}"));
    QCOMPARE(o.part("m_pWLeft")->geometry(), left);
    o.box.setShadowOpacity(0.5);
    QCOMPARE(o.box.shadowColor().alpha(), 127);
}

void TestMoveBox::badRatioIsIgnored()
{
    Overlay o;
    o.box.setRatio(2.0f);
    o.box.setRatio(0.0f);
    o.box.setRatio(-1.0f);
    QCOMPARE(o.box.ratio(), 2.0f);
}

void TestMoveBox::keepRatioWithoutHeightTakesOne()
{
    Overlay o;
    o.box.setKeepRatio(true, 3.0);
    QCOMPARE(o.box.zoomBox()->handle(0)->ratio(), 3.0);
    o.box.setBoxRect(QRect(10, 10, 50, 0), false);
    QCOMPARE(o.box.zoomBox()->handle(0)->ratio(), 1.0);
    o.box.setBoxRect(QRect(10, 10, 80, 40), false);
    QCOMPARE(o.box.zoomBox()->handle(0)->ratio(), 2.0);
}

QTEST_MAIN(TestMoveBox)
#include "tst_movebox.moc"
