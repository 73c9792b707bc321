#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxDrag.h"
#include "gui/common/MediaListWidget/QUxItemBase.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace {

class Row : public QUxItemBase
{
public:
    explicit Row(QUxListWidget* list, int tag = 0) : QUxItemBase(list), tag(tag) {}
    int itemHeight() override { return 40; }
    void setSelectedStyle() override { look = QStringLiteral("selected"); }
    void setNormalStyle() override { look = QStringLiteral("normal"); }
    void setHoverStyle() override { look = QStringLiteral("hover"); }
    void setSelectedHoverStyle() override { look = QStringLiteral("selected-hover"); }
    void pressAndHold() { HoldingMouseleftPressedTime(); }
    void erase() { emit doErase(); }
    void slipAway() { emit doSlipAway(); }
    void slipOut(int i) { emit doSlipOut(i, false); }
    int tag;
    QString look;
};

// Records the list's four signals in the order they come.
struct SignalLog : QObject
{
    explicit SignalLog(QUxListWidget* l)
    {
        connect(l, &QUxListWidget::emptied, this, [this] { events << QStringLiteral("emptied"); });
        connect(l, &QUxListWidget::curItemClosed, this, [this] { events << QStringLiteral("closed"); });
        connect(l, &QUxListWidget::curSelectedItemChanged, this,
                [this](int i) { events << QStringLiteral("selected(%1)").arg(i); });
        connect(l, &QUxListWidget::Itemclicked, this,
                [this](int i) { events << QStringLiteral("clicked(%1)").arg(i); });
    }
    QStringList events;
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestUxList : public QObject
{
    Q_OBJECT

private:
    // 400 x 300 list: content 392 wide before a scroll bar, 291 high.
    std::unique_ptr<QUxListWidget> makeList(int rows = 0)
    {
        auto list = std::make_unique<QUxListWidget>();
        list->resize(400, 300);
        list->show();
        if (!QTest::qWaitForWindowExposed(list.get()))
            qWarning("list window not exposed");
        for (int i = 0; i < rows; ++i)
            list->insertItem(new Row(list.get(), i), false, -1, true);
        return list;
    }

    static Row* row(QUxListWidget& l, int i) { return static_cast<Row*>(l.item(i)); }

    static QList<int> tags(QUxListWidget& l)
    {
        QList<int> t;
        for (int i = 0; i < l.count(); ++i)
            t << row(l, i)->tag;
        return t;
    }

    // Row i at i * (h + s) - scroll, index() equal to the position, the
    // scroll maximum from the content height, and the visible rows where
    // their layout says once animations have run.
    static void checkInvariant(QUxListWidget& l)
    {
        const int h = UIBaseData::scaled(40);
        const int step = h + UIBaseData::scaled(3);
        const int value = l.scrollValue();
        const int n = l.count();
        const int viewH = l.contentWidget()->height();
        const int content = n > 0 ? n * step - UIBaseData::scaled(3) : 0;
        QCOMPARE(l.contentHeight(), content);
        QCOMPARE(l.scrollMaximum(), qMax(content - viewH, 0));
        QVERIFY(value >= 0 && value <= l.scrollMaximum());
        for (int i = 0; i < n; ++i) {
            QUxItemBase* r = l.item(i);
            QCOMPARE(r->index(), i);
            QCOMPARE(r->layoutPos(), QPoint(0, i * step - value));
            QCOMPARE(r->height(), h);
            QCOMPARE(r->width(), l.contentWidget()->width());
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                for (int i = 0; i < l.count(); ++i) {
                    QUxItemBase* r = l.item(i);
                    if (!r->isHidden() && (r->pos() != r->layoutPos() || r->opacityEffect()->opacity() < 1.0))
                        return false;
                }
                return true;
            }(),
            2000);
    }

    // Content-coordinate top of a row that is in the shown window.
    QPoint globalCenterOf(QUxItemBase* r) { return r->mapToGlobal(r->rect().center()); }

    void sendMove(QUxListWidget& l, const QPoint& global, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        QWidget* c = l.contentWidget();
        QMouseEvent ev(QEvent::MouseMove, c->mapFromGlobal(global), global, Qt::NoButton, buttons,
                       Qt::NoModifier);
        QApplication::sendEvent(c, &ev);
    }

    void sendRelease(QUxListWidget& l, const QPoint& global)
    {
        QWidget* c = l.contentWidget();
        QMouseEvent ev(QEvent::MouseButtonRelease, c->mapFromGlobal(global), global, Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(c, &ev);
    }

    // Lifts row i as the 1000 ms hold would.
    Row* lift(QUxListWidget& l, int i)
    {
        Row* r = row(l, i);
        QCursor::setPos(globalCenterOf(r));
        r->pressAndHold();
        return r;
    }

private slots:
    void cleanup()
    {
        UIBaseData::instance()->setScale(1.0f);
    }

    void operations_data()
    {
        QTest::addColumn<QString>("ops");
        QTest::newRow("append to empty") << "p1";
        QTest::newRow("append within view") << "p5";
        QTest::newRow("append until overflow, animated") << "a12";
        QTest::newRow("append to overflowing list") << "p20,a3";
        QTest::newRow("append after scrolling up") << "p20,t40,a2";
        QTest::newRow("batch add to empty") << "b30";
        QTest::newRow("batch add after rows and scroll") << "p10,t0,b25";
        QTest::newRow("insert in the middle") << "p20,i5,i0";
        QTest::newRow("insert at index beyond count") << "p3,i99";
        QTest::newRow("remove in short list") << "p5,r2,r0,r2";
        QTest::newRow("remove at bottom of long list") << "p20,r19,r10,r0";
        QTest::newRow("remove near bottom, partly scrolled") << "p10,t100,r3";
        QTest::newRow("remove until no overflow") << "p8,r7,r0,r3";
        QTest::newRow("remove at top of scrolled list") << "p20,t0,r0,r5";
        QTest::newRow("scroll and clamp") << "p20,s50,s-10,s5000,s-99999";
        QTest::newRow("erase by signal") << "p12,e3,e0";
        QTest::newRow("swaps") << "p6,d0,u5,d4,u0,d9";
        QTest::newRow("slip away and back") << "p8,w3,o3";
        QTest::newRow("relayout at 1.25") << "p20,t100,R125";
        QTest::newRow("relayout at 1.5 then 1") << "p30,R150,i2,R100,r4";
        QTest::newRow("clear then add") << "p10,c,p3";
        QTest::newRow("remove only row") << "p1,r0";
        QTest::newRow("at 1.5: appends, removals, scrolls") << "S150,p12,a3,r14,r0,s40,i3,e2";
        QTest::newRow("at 1.25: batch, swaps, relayout to 1") << "S125,b20,d3,u7,t50,R100,r5";
        QTest::newRow("at 2: short list to long and back") << "S200,p3,a4,r6,r0,r0,r0";
        // '!' leaves out the check after the step, so that nothing reads an
        // index between the removals; z reads them from the last row up.
        QTest::newRow("removals unread, then read from the end") << "p30,!r0,!r0,!r5,!r10,z";
        QTest::newRow("removals unread, then insert and swap") << "p30,!r2,!r2,!i10,!d15,z,!r0,!e3,z";
        QTest::newRow("removals unread, then batch add") << "p20,!r0,!r3,!b5,z";
        QTest::newRow("removals unread, then clear") << "p20,!r0,!r0,c,p4,z";
    }

    void operations()
    {
        QFETCH(QString, ops);
        if (ops.startsWith(QLatin1Char('S'))) {
            const QString first = ops.section(QLatin1Char(','), 0, 0);
            UIBaseData::instance()->setScale(first.mid(1).toInt() / 100.0f);
            ops = ops.section(QLatin1Char(','), 1);
        }
        auto list = makeList();
        QUxListWidget& l = *list;
        int tag = 1000;
        QPointer<Row> slipped;
        for (QString op : ops.split(QLatin1Char(','))) {
            const bool check = !op.startsWith(QLatin1Char('!'));
            if (!check)
                op = op.mid(1);
            const QChar c = op.at(0);
            const int n = op.mid(1).toInt();
            switch (c.toLatin1()) {
            case 'p':
                for (int i = 0; i < n; ++i)
                    l.insertItem(new Row(&l, tag++), false, -1, true);
                break;
            case 'a':
                for (int i = 0; i < n; ++i)
                    l.insertItem(new Row(&l, tag++), true, -1, true);
                break;
            case 'b': {
                QList<QUxItemBase*> rows;
                for (int i = 0; i < n; ++i)
                    rows << new Row(&l, tag++);
                l.addItems(rows);
                break;
            }
            case 'i': l.insertItem(new Row(&l, tag++), true, n, true); break;
            case 'r': l.removeItem(n, true, 150, true); break;
            case 's': l.scrollBy(n, false); break;
            case 't': l.scrollBar()->setValue(n); break;
            case 'e': row(l, n)->erase(); break;
            case 'd': l.onDownOneItemPos(n); break;
            case 'u': l.onUpOneItemPos(n); break;
            case 'w': slipped = row(l, n); slipped->slipAway(); break;
            case 'o': QVERIFY(slipped); slipped->slipOut(n); break;
            case 'R':
                UIBaseData::instance()->setScale(n / 100.0f);
                l.relayoutItems();
                break;
            case 'c': l.clear(); break;
            case 'z':
                for (int i = l.count() - 1; i >= 0; --i)
                    QCOMPARE(l.item(i)->index(), i);
                break;
            default: QFAIL("bad op");
            }
            if (check)
                checkInvariant(l);
        }
        flushDeletes();
        QCOMPARE(l.contentWidget()->findChildren<Row*>().size(), l.count());
    }

    void appendingToEmptyListPlacesRowAtOrigin()
    {
        auto list = makeList(1);
        QCOMPARE(list->item(0)->layoutPos(), QPoint(0, 0));
        QCOMPARE(list->contentHeight(), 40);
    }

    void appendingToOverflowingListKeepsViewAtEnd()
    {
        auto list = makeList(20);
        list->scrollRowsTo(10);
        list->insertItem(new Row(list.get()), false, -1, true);
        QCOMPARE(list->scrollValue(), list->scrollMaximum());
        QVERIFY(list->scrollMaximum() > 0);
        QVERIFY(list->scrollBar()->isVisible());
    }

    void removingSelectedOnlyRowSignalOrder()
    {
        auto list = makeList(1);
        list->selectFirst();
        SignalLog log(list.get());
        QSignalSpy emptied(list.get(), &QUxListWidget::emptied);
        list->removeItem(0, true, 150, true);
        QCOMPARE(log.events, QStringList({"closed", "selected(-1)", "closed", "emptied"}));
        QCOMPARE(list->count(), 0);
        QCOMPARE(list->currentItem(), nullptr);
    }

    void removingSelectedFirstRowSelectsNext()
    {
        auto list = makeList(3);
        Row* second = row(*list, 1);
        list->selectFirst();
        SignalLog log(list.get());
        list->removeItem(0, true, 150, true);
        QCOMPARE(log.events, QStringList({"closed", "selected(1)"}));
        QCOMPARE(list->currentItem(), second);
        QCOMPARE(second->index(), 0);
        QVERIFY(second->isSelected());
    }

    void removingSelectedRowSelectsPrevious()
    {
        auto list = makeList(3);
        list->selectItem(2);
        SignalLog log(list.get());
        list->removeItem(2, true, 150, true);
        QCOMPARE(log.events, QStringList({"closed", "selected(1)"}));
        QCOMPARE(list->currentIndex(), 1);
    }

    void removingUnselectedRowKeepsSelection()
    {
        auto list = makeList(3);
        list->selectItem(2);
        SignalLog log(list.get());
        list->removeItem(0, true, 150, true);
        QVERIFY(log.events.isEmpty());
        QCOMPARE(list->currentIndex(), 1);
    }

    void selection()
    {
        auto list = makeList(4);
        SignalLog log(list.get());
        list->selectItem(1);
        list->selectItem(1); // the current row again: nothing
        list->selectItem(3);
        list->selectItem(9); // out of range: nothing
        QCOMPARE(log.events, QStringList({"selected(1)", "selected(3)"}));
        QVERIFY(!row(*list, 1)->isSelected());
        QCOMPARE(row(*list, 1)->look, QStringLiteral("normal"));
        QCOMPARE(list->currentIndex(), 3);

        list->setMultiSelection(1);
        list->selectItem(0);
        QVERIFY(row(*list, 3)->isSelected());
        QVERIFY(row(*list, 0)->isSelected());
        QCOMPARE(list->currentIndex(), 3);
        QCOMPARE(list->selectedItems().size(), 2);

        emit row(*list, 3)->doSelectNot();
        QVERIFY(!row(*list, 3)->isSelected());
        QCOMPARE(list->currentIndex(), 0);
    }

    void clickSelectsAndHoverLooks()
    {
        auto list = makeList(3);
        SignalLog log(list.get());
        Row* r = row(*list, 1);
        QTest::mousePress(r, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(r, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(log.events, QStringList({"clicked(1)", "selected(1)"}));
        QVERIFY(!list->isRowDragging());
        QVERIFY(!list->dragPicture()->isVisible());

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(r, &enter);
        QCOMPARE(r->look, QStringLiteral("selected-hover"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(r, &leave);
        QCOMPARE(r->look, QStringLiteral("selected"));

        Row* other = row(*list, 2);
        other->setDoleaveEvent(false);
        QApplication::sendEvent(other, &enter);
        QApplication::sendEvent(other, &leave);
        QCOMPARE(other->look, QStringLiteral("hover"));
    }

    void indexAndSelectedSignals()
    {
        auto list = makeList(1);
        Row* r = row(*list, 0);
        QSignalSpy index(r, &QUxItemBase::indexChanged);
        QSignalSpy toggled(r, &QUxItemBase::toggled);
        r->setIndex(0);
        QCOMPARE(index.count(), 0);
        r->setSelected(false);
        r->setSelected(false);
        QCOMPARE(toggled.count(), 2);
    }

    void farRowsAreHiddenUntilScrolledIntoRange()
    {
        auto list = makeList(60);
        list->scrollToTop();
        // 291 px view, 43 px per row, two steps of slack on either side.
        QVERIFY(!row(*list, 0)->isHidden());
        QVERIFY(!row(*list, 8)->isHidden());
        QVERIFY(row(*list, 20)->isHidden());
        QVERIFY(row(*list, 59)->isHidden());
        list->scrollBy(20 * 43, false);
        QVERIFY(!row(*list, 25)->isHidden());
        QVERIFY(row(*list, 0)->isHidden());
        QCOMPARE(row(*list, 25)->pos(), row(*list, 25)->layoutPos());
        checkInvariant(*list);
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        // Start at 200 of a maximum of 40 * 43 - 3 - 291 = 1426.
        QTest::newRow("home") << int(Qt::Key_Home) << 0;
        QTest::newRow("end") << int(Qt::Key_End) << 1426;
        QTest::newRow("up") << int(Qt::Key_Up) << 190;
        QTest::newRow("down") << int(Qt::Key_Down) << 210;
        QTest::newRow("left") << int(Qt::Key_Left) << 200 - 291;
        QTest::newRow("pageup") << int(Qt::Key_PageUp) << 200 - 291;
        QTest::newRow("right") << int(Qt::Key_Right) << 491;
        QTest::newRow("pagedown") << int(Qt::Key_PageDown) << 491;
        QTest::newRow("other key") << int(Qt::Key_A) << 200;
        QTest::newRow("enter") << int(Qt::Key_Return) << 200;
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, expected);
        for (bool smooth : {true, false}) {
            auto list = makeList(40);
            list->setSmoothScroll(smooth);
            list->scrollRowsTo(200);
            list->scrollBar()->setValue(200);
            QCOMPARE(list->scrollMaximum(), 1426);
            QTest::keyClick(list.get(), Qt::Key(key));
            const int value = qBound(0, expected, 1426);
            QCOMPARE(list->scrollValue(), value);
            checkInvariant(*list);
        }
    }

    void scrollRowsToClamps()
    {
        auto list = makeList(20);
        list->scrollRowsTo(0);
        list->scrollBar()->setValue(0);
        const int max = list->scrollMaximum();
        const QPoint before = row(*list, 3)->layoutPos();
        list->scrollRowsTo(max + 500);
        QCOMPARE(row(*list, 3)->layoutPos(), before - QPoint(0, max));
        list->scrollRowsTo(-50);
        QCOMPARE(row(*list, 3)->layoutPos(), before);
    }

    void scrollToItem()
    {
        auto list = makeList(30);
        list->scrollToTop();
        list->scrollToItem(20);
        QTRY_COMPARE(row(*list, 20)->layoutPos().y() + 40, list->contentWidget()->height());
        list->scrollToItem(2);
        QTRY_COMPARE(row(*list, 2)->layoutPos().y(), 0);
        checkInvariant(*list);
    }

    void wheelNotchScrollsThirtyPixels()
    {
        auto list = makeList(30);
        list->scrollToTop();
        QWheelEvent down(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list.get(), &down);
        QCOMPARE(list->scrollValue(), 30);
        checkInvariant(*list);
    }

    void bounceAtTheTop()
    {
        auto list = makeList(30);
        list->scrollToTop();
        QWidget* content = list->contentWidget();
        const QPoint home = content->pos();
        list->scrollBy(-30, true); // at the top; records the time
        QTest::qWait(250);         // the bounce needs 200 ms between notches
        int lowest = home.y();
        QObject::connect(list->scrollBar(), &QScrollBar::valueChanged, [] {});
        struct Watch : QObject {
            int* lowest;
            QWidget* c;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Move)
                    *lowest = qMax(*lowest, c->y());
                return false;
            }
        } watch;
        watch.lowest = &lowest;
        watch.c = content;
        content->installEventFilter(&watch);
        list->scrollBy(-30, true);
        QTRY_VERIFY(lowest >= home.y() + 50);
        QVERIFY(lowest <= home.y() + 60);
        QTRY_COMPARE(content->pos(), home);
        content->removeEventFilter(&watch);
    }

    void firstNotchReachingTheEndDoesNotBounce()
    {
        auto list = makeList(30);
        list->scrollBar()->setValue(list->scrollMaximum() - 10);
        list->scrollBy(-5, true);
        QTest::qWait(250);
        QWidget* content = list->contentWidget();
        const QPoint home = content->pos();
        int moves = 0;
        struct Watch : QObject {
            int* moves;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Move)
                    ++*moves;
                return false;
            }
        } watch;
        watch.moves = &moves;
        content->installEventFilter(&watch);
        QCOMPARE(list->scrollBy(30, true), list->scrollMaximum());
        QTest::qWait(120);
        QCOMPARE(moves, 0);
        QCOMPARE(content->pos(), home);
        content->removeEventFilter(&watch);
    }

    void dragReorder()
    {
        auto list = makeList(5);
        Row* lifted = lift(*list, 1);
        QVERIFY(list->isRowDragging());
        QVERIFY(lifted->isDragging());
        QVERIFY(list->dragPicture()->isVisible());
        QCOMPARE(list->count(), 4);
        QCOMPARE(lifted->opacityEffect()->opacity(), 0.0);
        QCOMPARE(tags(*list), QList<int>({0, 2, 3, 4}));

        // Picture top from 43 to 93: the first row at or below it is the
        // one at 129 (index 3).
        const QPoint start = QCursor::pos();
        const QPoint to = start + QPoint(0, 50);
        sendMove(*list, to);
        QVERIFY(list->dropLine()->isVisible());
        QCOMPARE(list->dragPicture()->targetIndex(), 3);
        sendRelease(*list, to);
        QVERIFY(!list->dragPicture()->isVisible());
        QVERIFY(!list->dropLine()->isVisible());
        QVERIFY(!list->isRowDragging());
        QCOMPARE(tags(*list), QList<int>({0, 2, 3, 1, 4}));
        checkInvariant(*list);
        QCOMPARE(lifted->opacityEffect()->opacity(), 1.0);
    }

    void dragBelowAllRowsGoesToTheEnd()
    {
        auto list = makeList(3);
        lift(*list, 0);
        const QPoint to = QCursor::pos() + QPoint(0, 200);
        sendMove(*list, to);
        sendRelease(*list, to);
        QCOMPARE(tags(*list), QList<int>({1, 2, 0}));
        checkInvariant(*list);
    }

    void dropOutsideTheListPutsRowBack()
    {
        auto list = makeList(5);
        lift(*list, 2);
        const QPoint outside = list->mapToGlobal(QPoint(list->width() + 40, 60));
        sendMove(*list, outside);
        sendRelease(*list, outside);
        QCOMPARE(tags(*list), QList<int>({0, 1, 2, 3, 4}));
        checkInvariant(*list);
    }

    void cancelledDrags_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("escape") << 0;
        QTest::newRow("release lost (move without button)") << 1;
        QTest::newRow("release without a target") << 2;
    }

    void cancelledDrags()
    {
        QFETCH(int, how);
        auto list = makeList(5);
        SignalLog log(list.get());
        lift(*list, 3);
        if (how == 0) {
            sendMove(*list, QCursor::pos() + QPoint(0, -100));
            QTest::keyClick(list.get(), Qt::Key_Escape);
        } else if (how == 1) {
            sendMove(*list, QCursor::pos() + QPoint(0, -100), Qt::NoButton);
        } else {
            sendRelease(*list, QCursor::pos());
        }
        QVERIFY(!list->isRowDragging());
        QVERIFY(!list->dragPicture()->isVisible());
        QCOMPARE(tags(*list), QList<int>({0, 1, 2, 3, 4}));
        QVERIFY(!log.events.contains("emptied"));
        checkInvariant(*list);
    }

    void liftedOnlyRowComesBack()
    {
        auto list = makeList(1);
        QSignalSpy emptied(list.get(), &QUxListWidget::emptied);
        Row* r = lift(*list, 0);
        QCOMPARE(list->count(), 0);
        QCOMPARE(emptied.count(), 0);
        sendMove(*list, QCursor::pos() + QPoint(0, 30));
        sendRelease(*list, QCursor::pos() + QPoint(0, 30));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0), r);
        QCOMPARE(emptied.count(), 0);
        checkInvariant(*list);
    }

    void clearDuringLiftDeletesTheRow()
    {
        auto list = makeList(3);
        QSignalSpy emptied(list.get(), &QUxListWidget::emptied);
        QPointer<Row> r = lift(*list, 1);
        list->clear();
        QCOMPARE(emptied.count(), 1);
        QVERIFY(!list->dragPicture()->isVisible());
        QVERIFY(!list->isRowDragging());
        flushDeletes();
        QVERIFY(r.isNull());
        // A late release does nothing.
        sendRelease(*list, QCursor::pos());
        QCOMPARE(list->count(), 0);
    }

    void holdWithCursorOffTheRowStartsNoDrag()
    {
        auto list = makeList(3);
        Row* r = row(*list, 1);
        QCursor::setPos(r->mapToGlobal(QPoint(5, r->height() + 20)));
        r->pressAndHold();
        QVERIFY(!list->isRowDragging());
        QCOMPARE(list->count(), 3);
    }

    void holdingThePressLiftsTheRow()
    {
        auto list = makeList(3);
        Row* r = row(*list, 1);
        QCursor::setPos(globalCenterOf(r));
        // Through the window, so that the application knows the button is
        // down (the moves Qt synthesises while rows show and hide carry it).
        QWindow* window = list->windowHandle();
        const QPoint inWindow = r->mapTo(list.get(), r->rect().center());
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow);
        QTRY_VERIFY_WITH_TIMEOUT(list->isRowDragging(), 3000);
        QCOMPARE(list->count(), 2);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inWindow);
        QCOMPARE(tags(*list), QList<int>({0, 1, 2}));
    }

    void noLiftWhenRowDragIsDisabled()
    {
        auto list = makeList(3);
        list->setItemDragEnabled(false);
        Row* r = row(*list, 1);
        QCursor::setPos(globalCenterOf(r));
        QTest::mousePress(r, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::qWait(1200); // longer than the hold; nothing to wait for
        QVERIFY(!list->isRowDragging());
        QTest::mouseRelease(r, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(list->currentIndex(), 1);
    }

    void eraseDeletesLater()
    {
        auto list = makeList(3);
        QPointer<Row> r = row(*list, 1);
        // Deleting inside its own emission would crash the emitter.
        r->erase();
        QVERIFY(!r.isNull());
        QVERIFY(r->isHidden());
        QCOMPARE(list->count(), 2);
        flushDeletes();
        QVERIFY(r.isNull());
        checkInvariant(*list);
    }

    void deletingARowDirectlyLeavesNoDanglingPointer()
    {
        auto list = makeList(4);
        list->selectItem(2);
        delete list->item(2);
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentItem(), nullptr);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(list->item(i)->index(), i);
    }

    void relayoutKeepsScrollProportion()
    {
        auto list = makeList(40);
        list->scrollBar()->setValue(list->scrollMaximum() / 2);
        const double before = double(list->scrollValue()) / list->scrollMaximum();
        UIBaseData::instance()->setScale(1.5f);
        list->relayoutItems();
        const double after = double(list->scrollValue()) / list->scrollMaximum();
        QVERIFY(qAbs(before - after) < 0.01);
        checkInvariant(*list);
    }

    void resizeAwayFromDesignSizeKeepsLayout()
    {
        auto list = makeList(3);
        list->setBaseSize(QSize(400, 300));
        const QRect content = list->contentWidget()->geometry();
        list->resize(500, 400);
        QCOMPARE(list->contentWidget()->geometry(), content);
        list->resize(401, 302);
        QCOMPARE(list->contentWidget()->width(), 401 - 8);
    }

    void scrollBarBesideOrOverContent_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<int>("contentWidth");
        QTest::addColumn<int>("barX");
        // 400 wide, margins 4 + 4, scroll bar 7 wide, 4 from the content.
        QTest::newRow("beside") << true << 400 - 8 - 4 - 7 << 4 + 381 + 4;
        QTest::newRow("over the content") << false << 392 << 4 + 392 - 7 - 2;
    }

    void scrollBarBesideOrOverContent()
    {
        QFETCH(bool, beside);
        QFETCH(int, contentWidth);
        QFETCH(int, barX);
        auto list = makeList();
        list->setScrollBarBeside(beside);
        list->setOverlayInset(2);
        for (int i = 0; i < 4; ++i)
            list->insertItem(new Row(list.get(), i), false, -1, true);
        QVERIFY(!list->scrollBar()->isVisible());
        QCOMPARE(list->contentWidget()->width(), 392);
        for (int i = 4; i < 12; ++i)
            list->insertItem(new Row(list.get(), i), false, -1, true);
        QVERIFY(list->scrollBar()->isVisible());
        QCOMPARE(list->contentWidget()->width(), contentWidth);
        QCOMPARE(list->scrollBar()->x(), barX);
        QCOMPARE(list->scrollBar()->size(), QSize(7, 291));
        QCOMPARE(list->item(5)->width(), contentWidth);
        // Back to a short list: the bar goes and the rows widen again.
        while (list->count() > 3)
            list->removeItem(0, true, 0, true);
        QVERIFY(!list->scrollBar()->isVisible());
        QCOMPARE(list->contentWidget()->width(), 392);
        QCOMPARE(list->item(0)->width(), 392);
        checkInvariant(*list);
    }

    void hiddenScrollBarTakesNoRoom()
    {
        auto list = makeList();
        list->setScrollBarVisible(false);
        for (int i = 0; i < 12; ++i)
            list->insertItem(new Row(list.get(), i), false, -1, true);
        QVERIFY(!list->scrollBar()->isVisible());
        QCOMPARE(list->contentWidget()->width(), 392);
        checkInvariant(*list);
    }

    void clearSignalsAndResetsContent()
    {
        struct Counting : QUxListWidget
        {
            int cleared = 0;
            void onCleared() override { ++cleared; }
        } list;
        list.resize(400, 300);
        list.show();
        for (int i = 0; i < 12; ++i)
            list.insertItem(new Row(&list, i), false, -1, true);
        list.selectItem(3);
        SignalLog log(&list);
        list.clear();
        QCOMPARE(log.events, QStringList({"closed", "emptied"}));
        QCOMPARE(list.cleared, 1);
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.scrollMaximum(), 0);
        QVERIFY(!list.scrollBar()->isVisible());
        QCOMPARE(list.contentWidget()->size(), QSize(392, 291));
        QCOMPARE(list.currentItem(), nullptr);
        flushDeletes();
        QVERIFY(list.contentWidget()->findChildren<Row*>().isEmpty());
    }

    void fileDropsOverRowsReachTheListsAncestors()
    {
        struct Host : QWidget
        {
            int enters = 0;
            void dragEnterEvent(QDragEnterEvent* e) override
            {
                ++enters;
                if (e->mimeData()->hasUrls())
                    e->acceptProposedAction();
            }
        } host;
        host.setAcceptDrops(true);
        host.resize(500, 400);
        auto* list = new QUxListWidget(&host);
        list->resize(400, 300);
        host.show();
        list->insertItem(new Row(list, 0), false, -1, true);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->item(0), &enter);
        QCOMPARE(host.enters, 1);
        QVERIFY(enter.isAccepted());

        // A row-kind payload is never taken as an object reference.
        QMimeData rowData;
        rowData.setData(QStringLiteral("Base"), QByteArray("0x1234"));
        QDragEnterEvent rowEnter(QPoint(5, 5), Qt::MoveAction, &rowData, Qt::LeftButton,
                                 Qt::NoModifier);
        QApplication::sendEvent(list->item(0), &rowEnter);
        QVERIFY(!rowEnter.isAccepted());
    }

    void setBasePosScalesChildren()
    {
        UIBaseData::instance()->setScale(1.5f);
        auto list = makeList(1);
        auto* child = new QWidget(list->item(0));
        list->item(0)->setBasePos(child, QPoint(5, -5));
        QCOMPARE(child->property("basePos").toPoint(), QPoint(5, -5));
        QCOMPARE(child->pos(), QPoint(8, -8));
    }

    void dragPictureOpacityAndForwarding()
    {
        auto list = makeList(30);
        QUxDrag* drag = list->dragPicture();
        QPixmap solid(20, 10);
        solid.fill(Qt::red);
        drag->setPicture(solid);
        QCOMPARE(drag->size(), QSize(20, 10));
        drag->setOpacity(0.8f);
        const QImage img = drag->label()->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(qAlpha(img.pixel(3, 3)), 204);

        list->scrollToTop();
        QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(drag, &wheel);
        QCOMPARE(list->scrollValue(), 30);
        QTest::keyClick(drag, Qt::Key_End);
        QCOMPARE(list->scrollValue(), list->scrollMaximum());
    }

    void sliderValueAndSmoothSwitch()
    {
        auto list = makeList(30);
        list->scrollToTop();
        QSignalSpy changed(list->scrollBar(), &QScrollBar::valueChanged);
        list->onSilerValueChanged(100);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(list->scrollValue(), 100);
        list->setDefaultDuration(80);
        list->setSmoothScroll(true);
        list->scrollBar()->setValue(300);
        // Animated: the rows get there over 80 ms.
        QCOMPARE(row(*list, 10)->layoutPos().y(), 10 * 43 - 300);
        checkInvariant(*list);
        list->setSmoothScroll(false);
        list->scrollBar()->setValue(0);
        QCOMPARE(row(*list, 0)->pos(), QPoint(0, 0));
        checkInvariant(*list);
    }

    void slideInFadesNewRowsInView()
    {
        auto list = makeList(2);
        auto* r = new Row(list.get(), 9);
        list->insertItem(r, true, 1, true);
        QVERIFY(r->opacityEffect()->opacity() < 1.0);
        QTRY_COMPARE(r->opacityEffect()->opacity(), 1.0);
        QTRY_COMPARE(r->pos(), QPoint(0, 43));
        // Far below the view: placed without animation.
        auto big = makeList(40);
        big->scrollToTop();
        auto* far = new Row(big.get(), 9);
        big->insertItem(far, true, 35, true);
        QVERIFY(far->isHidden());
        QCOMPARE(far->opacityEffect()->opacity(), 1.0);
    }

    void eventPumpingSurvivesChangesMeanwhile_data()
    {
        QTest::addColumn<int>("op");
        QTest::newRow("insert while a row is erased") << 0;
        QTest::newRow("remove while a row is erased") << 1;
        QTest::newRow("scroll while the list is cleared") << 2;
    }

    void eventPumpingSurvivesChangesMeanwhile()
    {
        QFETCH(int, op);
        auto list = makeList(20);
        QUxListWidget* l = list.get();
        QPointer<Row> victim = row(*l, 15);
        // Queued: runs from inside the operation's event pump.
        QMetaObject::invokeMethod(
            l, [=] { if (op == 2) l->clear(); else if (victim) victim->erase(); }, Qt::QueuedConnection);
        if (op == 0)
            l->insertItem(new Row(l, 99), false, 3, false);
        else if (op == 1)
            l->removeItem(3, true, 0, false);
        else
            l->scrollRowsTo(0, false);
        flushDeletes();
        QCOMPARE(l->count(), op == 0 ? 20 : op == 1 ? 18 : 0);
        for (int i = 0; i < l->count(); ++i)
            QCOMPARE(l->item(i)->index(), i);
    }
};

QTEST_MAIN(TestUxList)
#include "tst_uxlist.moc"
