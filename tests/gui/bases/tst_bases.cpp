#include "gui/BaseDialog.h"
#include "gui/BaseWidget.h"
#include "gui/DropShadowPainter.h"
#include "gui/UIBaseData/UIBaseData.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

// A child whose base size makes every walk visible: a walk resizes it to
// its design size times the factor.
struct Probe : QWidget
{
    explicit Probe(QWidget* parent) : QWidget(parent) { setBaseSize(50, 20); }
};

struct Dialog : BaseDialog
{
    using BaseDialog::BaseDialog;
    int keys = 0;
    void keyPressEvent(QKeyEvent* e) override
    {
        ++keys;
        BaseDialog::keyPressEvent(e);
    }
};

} // namespace

class TestBases : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { UIBaseData::instance()->setScale(1.0f); }

    void rescaleWalk_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QPoint>("basePos");
        QTest::addColumn<QSize>("baseSize");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QSize>("size");
        QTest::newRow("negative half rounds up") << 1.5 << QPoint(-5, 3) << QSize(0, 0)
                                                 << QPoint(-7, 5) << QSize(30, 30);
        QTest::newRow("sizes truncate") << 1.25 << QPoint(0, 0) << QSize(101, 10) << QPoint(0, 0)
                                        << QSize(126, 12);
        QTest::newRow("zero width keeps width") << 2.0 << QPoint(1, 1) << QSize(0, 40) << QPoint(2, 2)
                                                << QSize(30, 80);
    }

    void rescaleWalk()
    {
        QFETCH(double, factor);
        QFETCH(QPoint, basePos);
        QFETCH(QSize, baseSize);
        QFETCH(QPoint, pos);
        QFETCH(QSize, size);
        QWidget root;
        root.resize(300, 300);
        root.setBaseSize(10, 10);
        auto* child = new QWidget(&root);
        child->resize(30, 30);
        child->setProperty("basePos", basePos);
        child->setBaseSize(baseSize);
        BaseWidget::rescaleWidgetTree(&root, factor);
        QCOMPARE(child->pos(), pos);
        QCOMPARE(child->size(), size);
        if (baseSize.width() != 0)
            QCOMPARE(child->minimumWidth(), size.width());
        // The root itself is left alone.
        QCOMPARE(root.size(), QSize(300, 300));
    }

    void rescaleWalkFontsAndIcons()
    {
        QWidget root;
        auto* label = new QLabel(&root);
        label->setProperty("baseFontSize", 12);
        label->setProperty("baseFontWeight", int(QFont::Bold));
        auto* inner = new QWidget(label);
        inner->setProperty("basePos", QPoint(10, 0));
        auto* button = new QPushButton(&root);
        button->setProperty("baseIconSize", QSize(15, 9));
        BaseDialog::rescaleWidgetTree(&root, 1.5);
        QCOMPARE(label->font().pixelSize(), 18);
        QCOMPARE(label->font().weight(), int(QFont::Bold));
        QCOMPARE(inner->pos(), QPoint(15, 0));
        QCOMPARE(button->iconSize(), QSize(23, 14));
    }

    // Resizing a child runs its handlers, which may add objects to the
    // parent being walked (animations, layouts): the walk goes on over the
    // children it started with.
    void rescaleWalkSurvivesChildrenAddedMeanwhile()
    {
        struct Grower : QWidget
        {
            using QWidget::QWidget;
            void resizeEvent(QResizeEvent* e) override
            {
                for (int i = 0; i < 500; ++i)
                    new QObject(parentWidget());
                QWidget::resizeEvent(e);
            }
        };
        QWidget root;
        root.resize(300, 200);
        auto* grower = new Grower(&root);
        grower->setBaseSize(40, 20);
        auto* after = new QWidget(&root);
        after->setBaseSize(10, 10);
        root.show();   // visible children get their resize events at once
        QVERIFY(QTest::qWaitForWindowExposed(&root));
        BaseWidget::rescaleWidgetTree(&root, 2.0);
        QCOMPARE(grower->size(), QSize(80, 40));
        QCOMPARE(after->size(), QSize(20, 20));
    }

    void baseWidgetRescalesOnlyOnChange()
    {
        BaseWidget w;
        auto* probe = new Probe(&w);
        w.resize(200, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(probe->size(), QSize(50, 20));
        QCOMPARE(w.lastSize(), QSize(200, 100));

        // Same size, same factor: nothing. (A resize() to the same size
        // sends no event at all, so the event is sent by hand; the probe is
        // put off its design size so that a walk would show.)
        probe->setMinimumSize(0, 0);
        probe->resize(7, 7);
        QResizeEvent again(QSize(200, 100), QSize(200, 100));
        QApplication::sendEvent(&w, &again);
        QCOMPARE(probe->size(), QSize(7, 7));
        // A new factor alone rescales.
        UIBaseData::instance()->setScale(2.0f);
        QResizeEvent same(QSize(200, 100), QSize(200, 100));
        QApplication::sendEvent(&w, &same);
        QCOMPARE(probe->size(), QSize(100, 40));
        QCOMPARE(w.lastScale(), 2.0f);
        // A new size rescales too (the probe's walk resize shows it).
        UIBaseData::instance()->setScale(1.0f);
        w.resize(210, 100);
        QCOMPARE(probe->size(), QSize(50, 20));
    }

    void spontaneousCloseIsIgnored()
    {
        for (int kind = 0; kind < 2; ++kind) {
            std::unique_ptr<QWidget> w;
            if (kind == 0)
                w = std::make_unique<BaseWidget>();
            else
                w = std::make_unique<BaseDialog>();
            w->resize(100, 100);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            // What the window system sends for Alt+F4 or the title bar.
            QVERIFY(!w->windowHandle()->close());
            QVERIFY(w->isVisible());
            // The program's own close still works.
            QVERIFY(w->close());
            QVERIFY(!w->isVisible());
        }
    }

    void escapeNeverRejects_data()
    {
        QTest::addColumn<bool>("withDragWidget");
        QTest::newRow("without title area") << false;
        QTest::newRow("with title area") << true;
    }

    void escapeNeverRejects()
    {
        QFETCH(bool, withDragWidget);
        Dialog d;
        d.resize(200, 150);
        auto* title = new QWidget(&d);
        title->setGeometry(0, 0, 200, 30);
        if (withDragWidget)
            d.setDragWidget(title);
        QSignalSpy rejected(&d, &QDialog::rejected);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::keyClick(&d, Qt::Key_Escape);
        QTest::keyClick(&d, Qt::Key_A);
        QCOMPARE(rejected.count(), 0);
        QVERIFY(d.isVisible());
        // With a title area the dialog swallows every key; without, keys
        // reach it (Escape is still eaten there).
        QCOMPARE(d.keys, withDragWidget ? 0 : 2);
    }

    void titleDragMovesTheWindow()
    {
        BaseDialog d;
        d.resize(200, 150);
        auto* title = new QWidget(&d);
        title->setGeometry(0, 0, 200, 30);
        d.setDragWidget(title);
        d.move(100, 100);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QPoint start = d.pos();
        // The offscreen platform cannot move windows itself, so the manual
        // fallback runs.
        const QPoint g = title->mapToGlobal(QPoint(20, 10));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 10), g, Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(title, &press);
        QVERIFY(press.isAccepted());
        QMouseEvent move(QEvent::MouseMove, QPointF(60, 40), g + QPoint(40, 30), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(title, &move);
        QCOMPARE(d.pos(), start + QPoint(40, 30));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(60, 40), g + QPoint(40, 30),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(title, &release);
        QMouseEvent after(QEvent::MouseMove, QPointF(80, 40), g + QPoint(80, 30), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(title, &after);
        QCOMPARE(d.pos(), start + QPoint(40, 30));
    }

    void execCentresOverParentWindow()
    {
        QWidget host;
        host.setGeometry(100, 100, 600, 400);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        BaseDialog d(&host);
        d.resize(200, 100);
        QPoint seen;
        QTimer::singleShot(0, &d, [&] {
            seen = d.pos();
            d.accept();
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(seen, host.pos() + QPoint(200, 150));
    }

    void shadowIsCachedPerSize()
    {
        DropShadowPainter painter;
        const QPixmap a = painter.shadowPixmap(6, QSize(120, 80), QPointF(0, 0), Qt::black);
        QCOMPARE(a.size(), QSize(120, 80));
        QCOMPARE(painter.renderCount(), 1);
        const QPixmap b = painter.shadowPixmap(6, QSize(120, 80), QPointF(0, 0), Qt::black);
        QCOMPARE(painter.renderCount(), 1);
        QCOMPARE(a.cacheKey(), b.cacheKey());
        painter.shadowPixmap(6, QSize(140, 80), QPointF(0, 0), Qt::black);
        QCOMPARE(painter.renderCount(), 2);
        painter.shadowPixmap(8, QSize(140, 80), QPointF(0, 0), Qt::black);
        QCOMPARE(painter.renderCount(), 3);

        // The inside is cleared; the ring carries the shadow.
        const QImage img = a.toImage();
        const int m = 9;
        QCOMPARE(qAlpha(img.pixel(60, 40)), 0);
        QCOMPARE(qAlpha(img.pixel(m, m)), 0);
        int shaded = 0;
        for (int x = 0; x < m; ++x)
            shaded += qAlpha(img.pixel(x, 40)) > 0 ? 1 : 0;
        QVERIFY(shaded > 0);
    }

    void dialogPaintsItsShadowOnce()
    {
        BaseDialog d;
        d.setShadowWidth(6);
        d.resize(200, 150);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.repaint();
        d.repaint();
        QCOMPARE(d.shadowPainter().renderCount(), 1);
        d.resize(220, 150);
        d.repaint();
        QCOMPARE(d.shadowPainter().renderCount(), 2);
    }

    void dialogRescalesOnShow()
    {
        UIBaseData::instance()->setScale(1.5f);
        BaseDialog d;
        auto* child = new QWidget(&d);
        child->setBaseSize(40, 20);
        child->setProperty("basePos", QPoint(10, 10));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(child->size(), QSize(60, 30));
        QCOMPARE(child->pos(), QPoint(15, 15));
        QCOMPARE(d.lastScale(), 1.5f);
    }
};

QTEST_MAIN(TestBases)
#include "tst_bases.moc"
