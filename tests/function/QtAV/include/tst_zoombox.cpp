#include "BoxTestSupport.h"
#include "function/QtAV/include/CZoomBox.h"

#include <QSignalSpy>
#include <QtTest>

// An owner 400 x 300 holding a container that fills it, with the target
// inside, as the movable box lays them out.
class ZoomFixture
{
public:
    ZoomFixture()
    {
        owner.resize(400, 300);
        container = new QWidget(&owner);
        container->setGeometry(0, 0, 400, 300);
        target = new QWidget(container);
        target->setGeometry(100, 80, 120, 90);
        box.reset(new CZoomBox(&owner));
        box->setZoomWidget(target);
        owner.show();
        QVERIFY_FIXTURE(QTest::qWaitForWindowExposed(&owner));
    }
    QWidget owner;
    QWidget* container;
    QWidget* target;
    std::unique_ptr<CZoomBox> box;
    bool ok = true;
private:
    bool QVERIFY_FIXTURE(bool b) { ok = ok && b; return b; }
};

class TestZoomBox : public QObject
{
    Q_OBJECT
private slots:
    void handlesSitOnTheTargetsEdges();
    void dragsResize_data();
    void dragsResize();
    void minimumWinsOverTheDrag_data();
    void minimumWinsOverTheDrag();
    void keepRatioShowsCornersAndHoldsTheRatio();
    void keepRatioIsCutByTheParentEdge();
    void rightButtonMovesNothing();
    void secondTargetReplacesTheHandles();
    void colourAndVisibility();
};

void TestZoomBox::handlesSitOnTheTargetsEdges()
{
    ZoomFixture f;
    QVERIFY(f.ok);
    // x 100, y 80, w 120, h 90, handles 6 x 6.
    const QPoint expected[8] = {{102, 82}, {157, 82}, {212, 82}, {212, 122},
                                {212, 162}, {157, 162}, {102, 162}, {102, 122}};
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(f.box->handle(i)->pos(), expected[i]);
        QCOMPARE(f.box->handle(i)->size(), QSize(6, 6));
        QVERIFY(f.box->handle(i)->isVisible());
    }
    QCOMPARE(f.box->dash()->geometry(), QRect(100, 80, 120, 90));
    // The handles follow a target that moves.
    f.target->move(10, 20);
    QCOMPARE(f.box->handle(0)->pos(), QPoint(12, 22));
    f.box->setHandleSize(QSize(10, 10));
    QCOMPARE(f.box->handle(4)->pos(), QPoint(10 + 120 - 2 - 10, 20 + 90 - 2 - 10));
}

void TestZoomBox::dragsResize_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("bottom-right grows") << 4 << QPoint(30, 20) << QRect(100, 80, 150, 110);
    QTest::newRow("top-left grows, bottom-right stays") << 0 << QPoint(-30, -20) << QRect(70, 60, 150, 110);
    QTest::newRow("right edge only") << 3 << QPoint(25, 40) << QRect(100, 80, 145, 90);
    QTest::newRow("bottom edge only") << 5 << QPoint(40, 25) << QRect(100, 80, 120, 115);
    QTest::newRow("left edge stops at the parent") << 7 << QPoint(-250, 0) << QRect(0, 80, 220, 90);
    QTest::newRow("top edge stops at the parent") << 1 << QPoint(0, -250) << QRect(100, 0, 120, 170);
    QTest::newRow("right edge stops at the parent") << 2 << QPoint(250, 0) << QRect(100, 80, 300, 90);
    QTest::newRow("bottom edge stops at the parent") << 6 << QPoint(0, 250) << QRect(100, 80, 120, 220);
}

void TestZoomBox::dragsResize()
{
    QFETCH(int, index);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    ZoomFixture f;
    QVERIFY(f.ok);
    QSignalSpy spy(f.box.get(), &CZoomBox::doSizeChanged);
    dragWidget(f.box->handle(index), QPoint(3, 3), QPoint(3, 3) + delta);
    QCOMPARE(f.target->geometry(), expected);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toRect(), expected);
    QCOMPARE(f.box->dash()->geometry(), expected);
}

void TestZoomBox::minimumWinsOverTheDrag_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("targetMinimum");
    QTest::addColumn<QRect>("expected");
    // 3 x 6 + 2 = 20 with 6 x 6 handles; the edge opposite the drag stays.
    QTest::newRow("top-left, handle minimum") << 0 << QSize(0, 0) << QRect(200, 150, 20, 20);
    QTest::newRow("bottom-right, handle minimum") << 4 << QSize(0, 0) << QRect(100, 80, 20, 20);
    QTest::newRow("top-left, larger own minimum") << 0 << QSize(40, 30) << QRect(180, 140, 40, 30);
    QTest::newRow("bottom-left, larger own minimum") << 6 << QSize(40, 30) << QRect(180, 80, 40, 30);
}

void TestZoomBox::minimumWinsOverTheDrag()
{
    QFETCH(int, index);
    QFETCH(QSize, targetMinimum);
    QFETCH(QRect, expected);
    ZoomFixture f;
    QVERIFY(f.ok);
    f.target->setMinimumSize(targetMinimum);
    // Drag towards the opposite corner by far more than the target's size,
    // but not into the guard band near the parent's far edge.
    const QPoint towards[8] = {{110, 80}, {0, 80}, {-110, 80}, {-110, 0},
                               {-110, -80}, {0, -80}, {110, -80}, {110, 0}};
    dragWidget(f.box->handle(index), QPoint(3, 3), QPoint(3, 3) + towards[index]);
    QCOMPARE(f.target->geometry(), expected);
}

void TestZoomBox::keepRatioShowsCornersAndHoldsTheRatio()
{
    ZoomFixture f;
    QVERIFY(f.ok);
    f.box->setZoomByRatio(true, 2.0);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(f.box->handle(i)->isVisible(), i % 2 == 0);
    dragWidget(f.box->handle(4), QPoint(3, 3), QPoint(43, 3));
    QCOMPARE(f.target->size(), QSize(160, 80));
    dragWidget(f.box->handle(0), QPoint(3, 3), QPoint(-37, 3));
    QCOMPARE(f.target->size(), QSize(200, 100));
    // The bottom-right corner stayed where it was.
    QCOMPARE(f.target->geometry().bottomRight(), QPoint(259, 159));
    f.box->setZoomByRatio(false, 0);
    for (int i = 0; i < 8; ++i)
        QVERIFY(f.box->handle(i)->isVisible());
}

void TestZoomBox::keepRatioIsCutByTheParentEdge()
{
    ZoomFixture f;
    QVERIFY(f.ok);
    f.box->setZoomByRatio(true, 1.0);
    // Bottom edge is 300 - 80 = 220 away: a width of 280 is cut to 220 x 220.
    dragWidget(f.box->handle(4), QPoint(3, 3), QPoint(163, 3));
    QCOMPARE(f.target->geometry(), QRect(100, 80, 220, 220));
    // A ratio of 0 takes the target's own shape.
    f.box->setZoomByRatio(true, 0);
    QCOMPARE(f.box->handle(0)->ratio(), 1.0);
}

void TestZoomBox::rightButtonMovesNothing()
{
    ZoomFixture f;
    QVERIFY(f.ok);
    QSignalSpy spy(f.box.get(), &CZoomBox::doSizeChanged);
    dragWidget(f.box->handle(4), QPoint(3, 3), QPoint(50, 50), Qt::RightButton);
    QCOMPARE(f.target->geometry(), QRect(100, 80, 120, 90));
    QCOMPARE(spy.count(), 0);
}

void TestZoomBox::secondTargetReplacesTheHandles()
{
    ZoomFixture f;
    QVERIFY(f.ok);
    auto* other = new QWidget(f.container);
    other->setGeometry(10, 10, 50, 50);
    f.box->setZoomWidget(other);
    QCOMPARE(f.owner.findChildren<CZoomHandle*>(QString(), Qt::FindDirectChildrenOnly).size(), 8);
    QCOMPARE(f.owner.findChildren<CZoomDash*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    QCOMPARE(f.box->dash()->geometry(), QRect(10, 10, 50, 50));
    // The old target no longer drives the handles.
    f.target->move(0, 0);
    QCOMPARE(f.box->handle(0)->pos(), QPoint(12, 12));
    f.box->setZoomWidget(nullptr);
    for (int i = 0; i < 8; ++i)
        QVERIFY(!f.box->handle(i)->isVisible());
}

void TestZoomBox::colourAndVisibility()
{
    ZoomFixture f;
    QVERIFY(f.ok);
    f.box->setHandleColor(QColor(150, 150, 150));
    QCOMPARE(f.box->handle(3)->color(), QColor(150, 150, 150));
    QCOMPARE(f.box->dash()->pen.color(), QColor(150, 150, 150));
    QCOMPARE(f.box->dash()->pen.dashPattern(), QVector<qreal>({4, 2, 4, 2}));
    f.box->setHandlesVisible(false);
    QVERIFY(!f.box->handle(0)->isVisible());
    f.box->setHandlesVisible(true);
    QVERIFY(f.box->handle(0)->isVisible());
    QCOMPARE(f.box->handle(0)->cursor().shape(), Qt::SizeFDiagCursor);
    QCOMPARE(f.box->handle(2)->cursor().shape(), Qt::SizeBDiagCursor);
    QCOMPARE(f.box->handle(1)->cursor().shape(), Qt::SizeVerCursor);
    QCOMPARE(f.box->handle(7)->cursor().shape(), Qt::SizeHorCursor);
}

QTEST_MAIN(TestZoomBox)
#include "tst_zoombox.moc"
