// Smooth wheel scrolling and the suggestion list.
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/SearchingTool.h"
#include "gui/common/VerticalSmoothMove.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {
// Sends a wheel turn of angleDelta (120 per notch, positive away from the
// user) to obj.
bool sendWheel(QObject* obj, int angleDelta)
{
    QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    // True when the event was consumed.
    return QCoreApplication::sendEvent(obj, &e);
}

// Runs the motion tick by tick (no event loop runs meanwhile, so the real
// timer never fires) and records the steps.
QList<int> runTicks(VerticalSmoothMove& mover, QScrollBar& bar, int maxTicks = 200)
{
    QList<int> steps;
    for (int i = 0; i < maxTicks && mover.isMoving(); ++i) {
        const int before = bar.value();
        QTimerEvent tick(mover.timerId());
        QCoreApplication::sendEvent(&mover, &tick);
        steps << bar.value() - before;
    }
    return steps;
}
}

class TestSmoothScroll : public QObject
{
    Q_OBJECT
private slots:
    void init() { UIBaseData::instance()->setScale(1.0f); }

    void notches_data();
    void notches();
    void reversalStops();
    void pressStops();
    void towardsStartStopsAtZero();
    void touchpadDeltasAccumulate();
    void horizontalWheelPasses();

    void suggestionRows_data();
    void suggestionRows();
    void suggestionClickAndOutsidePress();
    void suggestionTargetDeleted();
};

void TestSmoothScroll::notches_data()
{
    QTest::addColumn<int>("notches");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("speedAfterWheel");
    QTest::addColumn<QList<int>>("firstSteps");
    QTest::addColumn<int>("finalValue");

    QTest::newRow("one notch") << 1 << 1000 << 8 << QList<int>{1, 1, 1, 1, 1, 1, 1, 1} << 8;
    QTest::newRow("two notches") << 2 << 1000 << 16
                                 << QList<int>{3, 3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1} << 30;
    QTest::newRow("eight notches") << 8 << 1000 << 64 << QList<int>{15, 15, 15, 15, 15, 15, 15, 13}
                                   << -1;
    QTest::newRow("ten notches are capped") << 10 << 1000 << 64 << QList<int>{15} << -1;
    QTest::newRow("stops early at the maximum") << 8 << 30 << 64 << QList<int>{15, 15, 0} << 30;
}

void TestSmoothScroll::notches()
{
    QFETCH(int, notches);
    QFETCH(int, maximum);
    QFETCH(int, speedAfterWheel);
    QFETCH(QList<int>, firstSteps);
    QFETCH(int, finalValue);

    QWidget view;
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, maximum);
    VerticalSmoothMove mover(&view, &bar);
    for (int i = 0; i < notches; ++i)
        QVERIFY(sendWheel(&view, -120));  // towards the user: down the list
    QCOMPARE(mover.speed(), speedAfterWheel);
    QVERIFY(mover.isMoving());
    QCOMPARE(bar.value(), 0);  // the wheel handler itself never scrolls

    const QList<int> steps = runTicks(mover, bar);
    QCOMPARE(steps.mid(0, firstSteps.size()), firstSteps);
    QVERIFY(!mover.isMoving());
    if (finalValue >= 0) {
        QCOMPARE(steps.size(), firstSteps.size());
        QCOMPARE(bar.value(), finalValue);
    }
}

void TestSmoothScroll::reversalStops()
{
    QWidget view;
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 1000);
    VerticalSmoothMove mover(&view, &bar);
    sendWheel(&view, -120 * 3);
    QTimerEvent tick(mover.timerId());
    QCoreApplication::sendEvent(&mover, &tick);
    const int at = bar.value();
    QVERIFY(at > 0);
    QVERIFY(sendWheel(&bar, 120));  // the other way, on the slider itself
    QCOMPARE(mover.speed(), 0);
    QVERIFY(!mover.isMoving());
    QCOMPARE(bar.value(), at);  // no motion back
}

void TestSmoothScroll::pressStops()
{
    QWidget view;
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 1000);
    VerticalSmoothMove mover(&view, &bar);
    sendWheel(&view, -120 * 4);
    QVERIFY(mover.isMoving());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &press);
    QCOMPARE(mover.speed(), 0);
    QVERIFY(!mover.isMoving());
}

void TestSmoothScroll::towardsStartStopsAtZero()
{
    QWidget view;
    QScrollBar bar(Qt::Vertical);
    bar.setRange(-50, 100);
    bar.setValue(5);
    VerticalSmoothMove mover(&view, &bar);
    sendWheel(&view, 120 * 2);  // away from the user: towards the start
    QCOMPARE(mover.speed(), -16);
    // Steps of 3 from 5 would pass 0 into the overscroll range; the motion
    // ends at 0 instead.
    QCOMPARE(runTicks(mover, bar), (QList<int>{-3, -2, 0}));
    QCOMPARE(bar.value(), 0);
    QVERIFY(!mover.isMoving());
}

void TestSmoothScroll::touchpadDeltasAccumulate()
{
    QWidget view;
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 1000);
    VerticalSmoothMove mover(&view, &bar);
    // A touchpad delta of 12 is a tenth of a notch: alone it rounds to no
    // speed, but ten of them add up to exactly one notch.
    QVERIFY(sendWheel(&view, -12));
    QCOMPARE(mover.speed(), 0);
    for (int i = 1; i < 10; ++i)
        QVERIFY(sendWheel(&view, -12));
    QCOMPARE(mover.speed(), 8);
    // A small delta the other way stops the motion at once.
    QVERIFY(sendWheel(&view, 6));
    QCOMPARE(mover.speed(), 0);
    QVERIFY(!mover.isMoving());
}

void TestSmoothScroll::horizontalWheelPasses()
{
    QWidget view;
    QScrollBar bar(Qt::Vertical);
    VerticalSmoothMove mover(&view, &bar);
    QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(120, 0), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &e);
    QCOMPARE(mover.speed(), 0);
}

void TestSmoothScroll::suggestionRows_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rows");
    QTest::newRow("12 strings") << 12 << 10;
    QTest::newRow("3 strings") << 3 << 3;
    QTest::newRow("none") << 0 << 0;
}

void TestSmoothScroll::suggestionRows()
{
    QFETCH(int, count);
    QFETCH(int, rows);
    QWidget window;
    window.resize(400, 300);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(10, 10, 200, 24);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    SearchingTool tool;
    QCOMPARE(tool.objectName(), QStringLiteral("SearchingTool"));
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("suggestion %1").arg(i);
    tool.showList(edit, items, QFont());
    if (rows == 0) {
        QVERIFY(!tool.isVisible());
        return;
    }
    QVERIFY(tool.isVisible());
    QCOMPARE(tool.listWidget()->count(), count);
    QCOMPARE(tool.listWidget()->size(), QSize(200, 24 * rows));
    QCOMPARE(tool.size(), QSize(200, 24 * rows + 6));
    QCOMPARE(tool.pos(), edit->mapToGlobal(QPoint(0, 0)) + QPoint(0, 23));
    // Showing nothing afterwards hides it again.
    tool.showList(edit, {}, QFont());
    QVERIFY(!tool.isVisible());
}

void TestSmoothScroll::suggestionClickAndOutsidePress()
{
    QWidget window;
    window.resize(400, 300);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(10, 10, 200, 24);
    auto* other = new QWidget(&window);
    other->setGeometry(10, 200, 100, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    SearchingTool tool;
    QSignalSpy clicked(&tool, &SearchingTool::doClicked);
    tool.showList(edit, {QStringLiteral("alpha"), QStringLiteral("beta")}, QFont());
    QVERIFY(QTest::qWaitForWindowExposed(&tool));
    QListWidget* list = tool.listWidget();
    const QRect r = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("beta"));
    QVERIFY(tool.isVisible());

    QTest::mouseClick(other, Qt::LeftButton);
    QVERIFY(!tool.isVisible());
    // A press on the input shows the list again with the stored strings.
    QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(tool.isVisible());
    QCOMPARE(tool.listWidget()->count(), 2);
}

void TestSmoothScroll::suggestionTargetDeleted()
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    edit->resize(200, 24);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SearchingTool tool;
    tool.showList(edit, {QStringLiteral("alpha")}, QFont());
    delete edit;
    QVERIFY(tool.target() == nullptr);
    // Presses elsewhere must not touch the deleted input.
    QTest::mouseClick(&window, Qt::LeftButton);
    QVERIFY(!tool.isVisible());
}

QTEST_MAIN(TestSmoothScroll)
#include "tst_smoothscroll.moc"
