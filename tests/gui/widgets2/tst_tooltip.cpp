// The balloon tooltip: fade, shape, text balloon size and placement.
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CToolTip.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using Checkpoints = QList<QPair<int, int>>;  // elapsed ms -> alpha

namespace {
// Opens the protected measures for the shape checks.
class ShapeTip : public CToolTip
{
public:
    void setMode(int mode) { m_arrowMode = mode; }
    void setShadowOffset(int dx, int dy)
    {
        m_shadowDx = dx;
        m_shadowDy = dy;
    }
};

class FlipCounter : public CToolTipText
{
public:
    using CToolTipText::CToolTipText;
    int flips = 0;

protected:
    void onArrowFlipped() override { ++flips; }
};

// Alpha after the tick that processed each elapsed time (ticks of 10 ms).
QList<int> runFade(CToolTip& tip, int durationMs, QSignalSpy& finished)
{
    QList<int> alphas;
    tip.start(durationMs);
    for (int i = 0; i < durationMs / 10 + 5 && finished.isEmpty(); ++i) {
        tip.uxOut();
        alphas << tip.alpha();
    }
    return alphas;
}
}

class TestToolTip : public QObject
{
    Q_OBJECT
private slots:
    void init() { UIBaseData::instance()->setScale(1.0f); }

    void fade_data();
    void fade();
    void zeroDurationEndsAtOnce_data();
    void zeroDurationEndsAtOnce();
    void timerDrivesTheFade();
    void stopHidesAndFinishes();
    void opaqueBeforeStart();
    void shape_data();
    void shape();
    void textBalloonSize();
    void placement_data();
    void placement();
    void rightEdgeOfAnyScreen_data();
    void rightEdgeOfAnyScreen();
    void shapeMaskWithoutCompositor_data();
    void shapeMaskWithoutCompositor();
};

void TestToolTip::fade_data()
{
    QTest::addColumn<int>("duration");
    QTest::addColumn<Checkpoints>("checkpoints");
    QTest::newRow("2500 ms") << 2500
                             << Checkpoints{{0, 0},      {250, 128},  {490, 250},
                                                       {500, 255},  {1000, 255}, {2000, 255},
                                                       {2250, 128}, {2490, 5},   {2500, 0}};
    QTest::newRow("1500 ms") << 1500
                             << Checkpoints{{0, 0}, {150, 128}, {300, 255},
                                                       {1200, 255}, {1350, 128}, {1500, 0}};
}

void TestToolTip::fade()
{
    QFETCH(int, duration);
    QFETCH(Checkpoints, checkpoints);
    CToolTipText tip(QStringLiteral("Only 5 are allowed at the same time"));
    QSignalSpy finished(&tip, &CToolTip::finished);
    const QList<int> alphas = runFade(tip, duration, finished);
    // One tick per 10 ms from 0 to the duration, then the one that finishes.
    QCOMPARE(alphas.size(), duration / 10 + 2);
    QCOMPARE(finished.count(), 1);
    for (const auto& c : checkpoints)
        QVERIFY2(alphas.at(c.first / 10) == c.second,
                 qPrintable(QStringLiteral("at %1 ms: %2").arg(c.first).arg(alphas.at(c.first / 10))));
    QCOMPARE(alphas.last(), 0);
    QVERIFY(!tip.isFading());
}

void TestToolTip::zeroDurationEndsAtOnce_data()
{
    QTest::addColumn<int>("duration");
    QTest::newRow("0") << 0;
    QTest::newRow("negative") << -5;
}

void TestToolTip::zeroDurationEndsAtOnce()
{
    QFETCH(int, duration);
    CToolTip tip;
    QSignalSpy finished(&tip, &CToolTip::finished);
    tip.start(duration);
    tip.uxOut();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(tip.alpha(), 0);
    QVERIFY(!tip.isFading());
}

void TestToolTip::timerDrivesTheFade()
{
    CToolTipText tip(QStringLiteral("Done"));
    tip.show();
    QSignalSpy finished(&tip, &CToolTip::finished);
    tip.start(100);
    QVERIFY(finished.wait(3000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(tip.alpha(), 0);
    // The caller hides it; the fade itself leaves it shown, transparent.
    QVERIFY(tip.isVisible());
    // It can be started again from transparent.
    tip.start(100);
    tip.uxOut();
    QCOMPARE(tip.alpha(), 0);
    QVERIFY(finished.wait(3000));
}

void TestToolTip::stopHidesAndFinishes()
{
    CToolTipText tip(QStringLiteral("Stop me"));
    tip.show();
    QSignalSpy finished(&tip, &CToolTip::finished);
    tip.start(2500);
    tip.uxOut();
    tip.stop();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!tip.isVisible());
    QVERIFY(!tip.isFading());
}

void TestToolTip::opaqueBeforeStart()
{
    CToolTip tip;
    QCOMPARE(tip.alpha(), 255);
    QCOMPARE(tip.shadowWidth(), 5);
    CToolTipText text(QStringLiteral("x"));
    QCOMPARE(text.shadowWidth(), 0);  // a text balloon casts no shadow
    QCOMPARE(text.arrowMode(), 2);
    QCOMPARE(tip.property("baseFontSize").toInt(), 12);
    QVERIFY(tip.testAttribute(Qt::WA_TranslucentBackground));
}

void TestToolTip::shape_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<QRect>("bounds");  // empty: nothing is drawn

    // 200 x 100 with the default measures at scale 1: shadow 5, offset 1.
    QTest::newRow("tip bottom-left") << 0 << 1 << 1 << QRect(QPoint(0, 0), QPoint(194, 94));
    QTest::newRow("tip bottom-right") << 1 << 1 << 1 << QRect(QPoint(0, 0), QPoint(194, 94));
    QTest::newRow("tip top-left") << 2 << 1 << 1 << QRect(QPoint(0, 0), QPoint(194, 94));
    QTest::newRow("shadow up-left") << 0 << -1 << -1 << QRect(QPoint(6, 6), QPoint(200, 100));
    QTest::newRow("top-left with a negative offset") << 2 << -1 << 1 << QRect();
    QTest::newRow("unknown mode") << 7 << 1 << 1 << QRect();
}

void TestToolTip::shape()
{
    QFETCH(int, mode);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(QRect, bounds);
    ShapeTip tip;
    tip.resize(200, 100);
    tip.setMode(mode);
    tip.setShadowOffset(dx, dy);
    const QPainterPath path = tip.balloonPath();
    if (bounds.isNull()) {
        QVERIFY(path.isEmpty());
        return;
    }
    QCOMPARE(path.boundingRect().toAlignedRect(), QRect(bounds.topLeft(), bounds.size() - QSize(1, 1)));
    // The tip is the first point.
    const QPointF first = path.elementAt(0);
    if (mode == 0)
        QCOMPARE(first, QPointF(bounds.left(), bounds.bottom()));
    else if (mode == 1)
        QCOMPARE(first, QPointF(bounds.right(), bounds.bottom()));
    else
        QCOMPARE(first, QPointF(0, 0));
}

void TestToolTip::textBalloonSize()
{
    const QString text = QStringLiteral("Only 5 are allowed at the same time");
    CToolTipText tip(text);
    const int tw = QFontMetrics(tip.font()).horizontalAdvance(text);
    QCOMPARE(tip.textBalloonSize(), QSize(tw + 14, 49));
    tip.resize(10, 10);
    tip.grab();  // a paint sizes the balloon to its text
    QCOMPARE(tip.size(), QSize(tw + 14, 49));
}

void TestToolTip::placement_data()
{
    QTest::addColumn<int>("fromRight");  // host's left edge, from the screen's right edge
    QTest::addColumn<bool>("flips");
    QTest::newRow("room to the right") << 700 << false;
    QTest::newRow("at the right edge") << 60 << true;
}

void TestToolTip::placement()
{
    QFETCH(int, fromRight);
    QFETCH(bool, flips);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget host;
    host.setGeometry(screen.x() + screen.width() - fromRight, screen.y() + 300, 100, 40);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCursor::setPos(host.geometry().center());

    FlipCounter tip(QStringLiteral("Only 5 are allowed at the same time"), &host);
    tip.show();
    const QPoint anchor = host.mapToGlobal(QPoint(50, 0));
    QCOMPARE(tip.arrowMode(), flips ? 1 : 2);
    QCOMPARE(tip.flips > 0, flips);
    QCOMPARE(tip.pos(), QPoint(anchor.x() - (flips ? tip.width() : 0), anchor.y() - tip.height()));
}

void TestToolTip::rightEdgeOfAnyScreen_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("passes");
    const QRect first(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);  // right of the first one
    QTest::newRow("first, room") << first << 1700 << false;
    QTest::newRow("first, at the edge") << first << 1720 << false;
    QTest::newRow("first, past the edge") << first << 1721 << true;
    QTest::newRow("second, room") << second << 2500 << false;
    QTest::newRow("second, past the edge") << second << 3001 << true;
}

void TestToolTip::rightEdgeOfAnyScreen()
{
    QFETCH(QRect, screen);
    QFETCH(int, x);
    QFETCH(bool, passes);
    // A balloon 200 wide.
    QCOMPARE(CToolTip::passesRightEdge(QPoint(x, 500), 200, screen), passes);
}

void TestToolTip::shapeMaskWithoutCompositor_data()
{
    QTest::addColumn<bool>("composited");
    QTest::newRow("compositor") << true;
    QTest::newRow("no compositor") << false;
}

void TestToolTip::shapeMaskWithoutCompositor()
{
    QFETCH(bool, composited);
    const bool was = UIBaseData::instance()->isCompositionEnabled();
    UIBaseData::instance()->setCompositionEnabled(composited);
    CToolTipText tip(QStringLiteral("Only 5 are allowed at the same time"));
    tip.show();
    UIBaseData::instance()->setCompositionEnabled(was);
    if (composited) {
        QVERIFY(tip.mask().isEmpty());  // translucency does the shaping
        return;
    }
    // Cut to the balloon: the body is in, the corner beside the tail is out.
    const QRegion mask = tip.mask();
    QVERIFY(mask.contains(QPoint(tip.width() / 2, tip.height() / 2)));
    QVERIFY(!mask.contains(QPoint(tip.width() - 1, 0)));
    QVERIFY(!mask.contains(QPoint(0, tip.height() - 1)));
}

QTEST_MAIN(TestToolTip)
#include "tst_tooltip.moc"
