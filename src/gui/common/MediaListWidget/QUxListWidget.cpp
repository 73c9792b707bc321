#include "gui/common/MediaListWidget/QUxListWidget.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxDrag.h"
#include "gui/common/MediaListWidget/QUxItemBase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QSequentialAnimationGroup>
#include <QSignalBlocker>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>

namespace {

const char kScrollBarStyle[] =
    "QScrollBar:vertical{border:none;border-radius:4px;min-width:0%1px;max-width:0%1px;"
    "background:rgba(166,166,166,0);margin:3px 0 3px 0;}"
    "QScrollBar::handle:vertical{background:white;background-color:rgb(166,166,166);"
    "border-radius:0%2px;min-width:0%1px;max-width:0%1px;min-height:59px;max-height:59px;}"
    "QScrollBar::handle:vertical:hover{background:white;background-color:rgb(166,166,166);"
    "border-radius:0%2px;min-width:0%1px;max-width:0%1px;min-height:59px;max-height:59px;}"
    "QScrollBar::add-line:vertical{border:none;background:#32CC99;height:0px;"
    "subcontrol-position:bottom;subcontrol-origin:margin;}"
    "QScrollBar::sub-line:vertical{border:none;background:#32CC99;height:0px;"
    "subcontrol-position:top;subcontrol-origin:margin;}"
    "QScrollBar::up-arrow:vertical,QScrollBar::down-arrow:vertical{border:none;width:0px;"
    "height:0px;background:white;}"
    "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}";

const int kRowMoveMs = 150;

inline int sc(float v)
{
    return UIBaseData::scaled(v);
}

// The rows follow the bar through its valueChanged handlers; moves the list
// makes itself set the bar without them.
void setValueSilently(QScrollBar* bar, int value)
{
    const QSignalBlocker blocker(bar);
    bar->setValue(value);
}

} // namespace

QUxListWidget::QUxListWidget(QWidget* parent)
    : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("NewMediaList"));
    resize(788, 544);
    setWindowTitle(QStringLiteral("Form"));

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("ItemsWidget"));
    m_content->setGeometry(20, 30, 645, 412);
    m_content->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    m_scrollBar = new QScrollBar(this);
    m_scrollBar->setObjectName(QStringLiteral("verticalScrollBar"));
    m_scrollBar->setGeometry(700, 30, 0, 412);
    m_scrollBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_scrollBar->setOrientation(Qt::Vertical);
    m_scrollBar->setInvertedControls(true);
    m_scrollBarStyle = QString::fromLatin1(kScrollBarStyle);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setGeometry(330, 490, 54, 12);
    m_label->setStyleSheet(QStringLiteral("font:1px;"));
    m_label->setLineWidth(0);
    m_label->hide();

    setWindowFlag(Qt::FramelessWindowHint);
    setCursor(m_cursor);

    applyScrollBarStyle();
    m_scrollBar->setRange(0, 0);
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &QUxListWidget::onUxHover);

    m_content->move(sc(4), sc(5));
    setAcceptDrops(true);
    m_content->setAcceptDrops(true);
    m_content->installEventFilter(this);
    m_content->setMouseTracking(true);
    setFocusPolicy(Qt::WheelFocus);

    m_drag = new QUxDrag(this, m_content);
    m_dropLine = new QWidget(m_content);
    m_dropLine->resize(m_content->width() - sc(20), sc(m_spacing));
    m_dropLine->setStyleSheet(QStringLiteral("background-color:rgb(10,156,244);"));
    m_dropLine->hide();

    // A lifted row whose release is lost when the program loses the screen
    // goes back to its place.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive)
            cancelRowDrag();
    });
}

QUxListWidget::~QUxListWidget()
{
    m_destroying = true;
    m_rows.clear();
    m_selection.clear();
    delete m_content;
    m_content = nullptr;
}

// ---------------------------------------------------------------- layout

int QUxListWidget::viewHeight() const
{
    const QSize bs = baseSize();
    if (bs.width() == 0 && bs.height() == 0)
        return m_content->height();
    return sc(bs.height());
}

void QUxListWidget::applyScrollBarStyle()
{
    const QString style = m_scrollBarStyle.arg(sc(7)).arg(sc(3));
    if (m_scrollBar->styleSheet() != style)
        m_scrollBar->setStyleSheet(style);
}

void QUxListWidget::layoutWithScrollBar()
{
    const int avail = width() - sc(m_margins.left() + m_margins.right());
    const int innerHeight = height() - sc(m_margins.top() + m_margins.bottom());
    const int x = sc(m_margins.left());
    const int y = sc(m_margins.top());
    const int barWidth = sc(m_scrollBarWidth);
    if (m_scrollBarShown)
        m_scrollBar->show();
    m_scrollBar->resize(barWidth, innerHeight);
    if (m_scrollBarBeside) {
        int contentWidth = avail;
        if (m_scrollBarShown)
            contentWidth -= sc(m_scrollBarMargin) + barWidth;
        m_content->setGeometry(x, y, contentWidth, innerHeight);
        m_scrollBar->move(x + contentWidth + sc(m_scrollBarMargin), y);
    } else {
        m_content->setGeometry(x, y, avail, innerHeight);
        m_scrollBar->move(x + avail - barWidth - sc(m_overlayInset), y);
        m_scrollBar->raise();
    }
}

void QUxListWidget::layoutWithoutScrollBar()
{
    const int avail = width() - sc(m_margins.left() + m_margins.right());
    const int innerHeight = height() - sc(m_margins.top() + m_margins.bottom());
    m_scrollBar->hide();
    m_content->setGeometry(sc(m_margins.left()), sc(m_margins.top()), avail, innerHeight);
}

void QUxListWidget::updateLayout()
{
    if (m_scrollBar->maximum() > 0)
        layoutWithScrollBar();
    else
        layoutWithoutScrollBar();
}

void QUxListWidget::refit()
{
    const int current = m_scrollBar->maximum();
    // A change of the content width reaches relayoutItems() through the
    // event filter, which resizes the rows.
    if (m_previousMaximum < 1 && current > 0 && m_scrollBarShown)
        layoutWithScrollBar();
    else if (m_previousMaximum >= 1 && current < 1)
        layoutWithoutScrollBar();
    m_previousMaximum = current;
}

void QUxListWidget::relayoutItems()
{
    if (!m_content)
        return;
    m_dropLine->resize(m_content->width() - sc(20), sc(m_spacing));
    const int newSpacing = sc(m_spacing);
    const int width = m_content->width();
    int shift = 0;
    int total = 0;
    for (int i = 0; i < m_rows.size(); ++i) {
        QUxItemBase* row = m_rows.at(i);
        const int oldHeight = row->height();
        const int h = sc(row->itemHeight());
        row->resize(width, h);
        row->moveTo(row->layoutPos() + QPoint(0, shift));
        shift += (h - oldHeight) + (newSpacing - m_scaledSpacing);
        total += h + (i > 0 ? newSpacing : 0);
    }
    m_contentHeight = total;
    m_scaledSpacing = newSpacing;

    const int oldMaximum = m_scrollBar->maximum();
    const int newMaximum = qMax(total - m_content->height(), 0);
    int value = 0;
    if (oldMaximum > 0)
        value = int(std::lround(double(total - m_content->height()) * m_scrollValue / oldMaximum));
    value = qBound(0, value, newMaximum);
    const QSignalBlocker blocker(m_scrollBar);
    m_scrollBar->setRange(0, newMaximum);
    scrollRowsTo(value, true);
    m_scrollBar->setValue(value);
}

void QUxListWidget::setItemSpacing(int spacing)
{
    m_spacing = spacing;
    m_scaledSpacing = spacing;
}

void QUxListWidget::setContentsMargins(int left, int top, int right, int bottom)
{
    setContentsMargins(QMargins(left, top, right, bottom));
}

void QUxListWidget::setContentsMargins(const QMargins& margins)
{
    m_margins = margins;
    m_content->move(sc(margins.left()), sc(margins.top()));
}

void QUxListWidget::setCursorShape(Qt::CursorShape shape)
{
    m_cursorShape = shape;
    m_cursor = QCursor(shape);
    setCursor(m_cursor);
}

void QUxListWidget::restoreCursor()
{
    setCursor(m_cursor);
}

// ------------------------------------------------------------------ rows

QUxItemBase* QUxListWidget::item(int index) const
{
    return m_rows.value(index, nullptr);
}

void QUxListWidget::moveRowTo(QUxItemBase* row, const QPoint& to, QAnimationGroup* group, int ms)
{
    // Only rows in or entering the view are animated; the rest only take
    // their new layout position and are moved when they are shown.
    if (group && ms > 0 && (!row->isHidden() || row->inShownWindow(to.y())))
        row->moveAnimated(row->layoutPos(), to, group, ms);
    else
        row->moveTo(to);
}

void QUxListWidget::shiftRow(QUxItemBase* row, int dy, QAnimationGroup* group, int ms)
{
    moveRowTo(row, row->layoutPos() + QPoint(0, dy), group, ms);
}

template <typename Fn>
void QUxListWidget::forEachRow(int from, int to, bool noEventPump, Fn fn)
{
    if (noEventPump) {
        for (int i = from; i <= to; ++i)
            fn(m_rows.at(i), i);
        return;
    }
    QVector<QPointer<QUxItemBase>> snapshot;
    snapshot.reserve(to - from + 1);
    for (int i = from; i <= to; ++i)
        snapshot.append(m_rows.at(i));
    int i = from;
    for (const QPointer<QUxItemBase>& row : qAsConst(snapshot)) {
        QCoreApplication::processEvents();
        if (row && row->m_inList)
            fn(row.data(), i);
        ++i;
    }
}

void QUxListWidget::startGroup(QAnimationGroup* group)
{
    if (!group)
        return;
    if (group->animationCount() == 0) {
        delete group;
        return;
    }
    connect(group, &QAbstractAnimation::finished, this, &QUxListWidget::GroupAinimoFinished_slot);
    group->start();
}

void QUxListWidget::insertItem(QUxItemBase* row, bool animated, int index, bool noEventPump)
{
    if (!row || row->m_list != this || row->m_inList)
        return;
    const int n = m_rows.size();
    if (index < 0 || index > n)
        index = n;
    const int h = sc(row->itemHeight());
    const int gap = h + m_scaledSpacing;
    const int viewH = m_content->height();
    row->resize(m_content->width(), h);

    QParallelAnimationGroup* group = animated ? new QParallelAnimationGroup(this) : nullptr;

    QPoint target(0, 0);
    if (n > 0 && index == n) {
        int shift = 0;
        if (m_contentHeight + gap <= viewH) {
            shift = 0;
        } else if (m_contentHeight >= viewH) {
            // Jump to the end first, then make room for the new row.
            shift = (m_scrollBar->maximum() - m_scrollValue) + gap;
        } else {
            shift = m_contentHeight + gap - viewH;
        }
        if (shift != 0) {
            forEachRow(0, n - 1, noEventPump,
                       [&](QUxItemBase* r, int) { shiftRow(r, -shift, group, kRowMoveMs); });
        }
        if (!m_rows.isEmpty()) {
            const QUxItemBase* last = m_rows.last();
            target = QPoint(last->layoutPos().x(),
                            last->layoutPos().y() + last->height() + m_scaledSpacing);
        }
    } else if (n > 0) {
        target = m_rows.at(index)->layoutPos();
        forEachRow(index, n - 1, noEventPump, [&](QUxItemBase* r, int i) {
            shiftRow(r, gap, group, kRowMoveMs);
            r->setIndex(i + 1);
        });
    }
    if (row->m_inList || row->m_list != this)
        return; // put in meanwhile by a slot run from the event pump
    if (!noEventPump)
        index = qMin(index, m_rows.size());

    if (animated) {
        row->slideIn(QPoint(target.x() - row->width(), target.y() + row->height()), target);
    } else {
        row->m_opacityEffect->setOpacity(1.0);
        row->moveTo(target);
    }
    startGroup(group);

    row->setIndex(index);
    m_rows.insert(index, row);
    row->m_inList = true;
    m_contentHeight += (m_rows.size() == 1) ? h : gap;
    const int maximum = qMax(m_contentHeight - viewH, 0);
    {
        const QSignalBlocker blocker(m_scrollBar);
        m_scrollBar->setRange(0, maximum);
        if (index == m_rows.size() - 1) {
            m_scrollBar->setValue(maximum);
            m_scrollValue = maximum;
        }
    }
    if (!noEventPump)
        renumber();
    refit();
}

void QUxListWidget::renumber()
{
    m_staleFrom = INT_MAX;
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows.at(i)->setIndex(i);
}

void QUxListWidget::settleIndexes(const QUxItemBase* upTo) const
{
    while (m_staleFrom < m_rows.size()) {
        const int i = m_staleFrom++;
        QUxItemBase* row = m_rows.at(i);
        row->setIndex(i);
        if (row == upTo)
            return;
    }
    m_staleFrom = INT_MAX;
}

void QUxListWidget::addItems(const QList<QUxItemBase*>& rows)
{
    QList<QUxItemBase*> fresh;
    fresh.reserve(rows.size());
    for (QUxItemBase* row : rows) {
        if (row && row->m_list == this && !row->m_inList) {
            // Marked at once, so that a row listed twice is added once.
            row->m_inList = true;
            fresh.append(row);
        }
    }
    if (fresh.size() < 2) {
        for (QUxItemBase* row : qAsConst(fresh)) {
            row->m_inList = false;
            insertItem(row, false, -1, true);
        }
        return;
    }

    // Same end state as appending the rows one by one, but every row is
    // placed once instead of the whole list moving for each new row.
    const int viewH = m_content->height();
    const int width = m_content->width();
    const int oldCount = m_rows.size();
    int x = 0;
    int nextTop = 0; // in content coordinates (scroll offset 0)
    if (oldCount > 0) {
        const QUxItemBase* last = m_rows.last();
        x = last->layoutPos().x();
        nextTop = last->layoutPos().y() + m_scrollValue + last->height() + m_scaledSpacing;
    }
    QVector<int> tops;
    tops.reserve(fresh.size());
    int total = m_contentHeight;
    for (QUxItemBase* row : qAsConst(fresh)) {
        const int h = sc(row->itemHeight());
        row->resize(width, h);
        row->m_opacityEffect->setOpacity(1.0);
        tops.append(nextTop);
        total += m_rows.isEmpty() ? h : h + m_scaledSpacing;
        nextTop += h + m_scaledSpacing;
        row->setIndex(m_rows.size());
        m_rows.append(row);
        row->m_inList = true;
    }
    m_contentHeight = total;
    const int maximum = qMax(total - viewH, 0);
    const int delta = m_scrollValue - maximum;
    if (delta != 0) {
        for (int i = 0; i < oldCount; ++i)
            m_rows.at(i)->moveTo(m_rows.at(i)->layoutPos() + QPoint(0, delta));
    }
    for (int i = 0; i < fresh.size(); ++i)
        fresh.at(i)->moveTo(QPoint(x, tops.at(i) - maximum));
    {
        const QSignalBlocker blocker(m_scrollBar);
        m_scrollBar->setRange(0, maximum);
        m_scrollBar->setValue(maximum);
        m_scrollValue = maximum;
    }
    refit();
}

void QUxListWidget::takeOut(QUxItemBase* row, bool closeSelection)
{
    const int index = row->index();
    if (closeSelection) {
        if (m_selection.removeOne(row)) {
            row->m_selected = false;
            emit curItemClosed();
            if (index > 0)
                setCurrentItem(m_rows.at(index - 1), false);
            else if (index + 1 < m_rows.size())
                setCurrentItem(m_rows.at(index + 1), false);
            else
                emit curSelectedItemChanged(-1);
        }
        row->stopMoveAnimation();
        row->hide();
        // The row may be in the middle of emitting the signal that removes
        // it, so it is deleted once control is back in the event loop.
        row->deleteLater();
    } else {
        row->m_opacityEffect->setOpacity(0.0);
    }
    m_rows.remove(index);
    row->m_inList = false;
    if (m_firstVisible == row)
        m_firstVisible = nullptr;
    if (m_lastVisible == row)
        m_lastVisible = nullptr;
}

void QUxListWidget::removeItem(int index, bool closeSelection, int ms, bool noEventPump)
{
    if (index < 0 || index >= m_rows.size())
        return;
    if (ms == -1)
        ms = m_defaultDuration;
    QUxItemBase* row = m_rows.at(index);
    if (row->index() != index)
        row->setIndex(index);
    const int gap = row->height() + m_scaledSpacing;
    const int value = m_scrollValue;
    const int maximum = m_scrollBar->maximum();
    const int viewH = m_content->height();
    m_contentHeight = (m_rows.size() == 1) ? 0 : m_contentHeight - gap;

    // Rows before the removed one move down by `before`, the rows after it
    // up by `after`, so that the view stays filled.
    int before = 0;
    int after = gap;
    int newValue = 0;
    const bool overflow = m_contentHeight > viewH;
    if (overflow) {
        if (maximum - value < gap) {
            before = qMin(value, gap - (maximum - value));
            after = maximum - value;
            newValue = qMax(m_contentHeight - viewH, 0);
        } else {
            newValue = value;
        }
    } else {
        if (maximum - value < gap) {
            if (maximum < gap) {
                before = value;
                after = gap - value;
            } else {
                before = gap - (maximum - value);
                after = maximum - value;
            }
        }
        newValue = 0;
    }
    // Taken out first: the shifts below may run the event loop.
    takeOut(row, closeSelection);
    if (before != 0 && index > 0)
        moveRows(before, 0, qMin(index, m_rows.size()) - 1, noEventPump, ms);
    if (index < m_rows.size())
        moveRows(-after, index, -1, noEventPump, ms);

    {
        const QSignalBlocker blocker(m_scrollBar);
        m_scrollBar->setRange(0, qMax(m_contentHeight - viewH, 0));
        m_scrollBar->setValue(newValue);
        m_scrollValue = m_scrollBar->value();
    }
    if (!overflow)
        refit();

    if (m_rows.isEmpty() && !isRowDragging())
        clear();
}

void QUxListWidget::removeAll()
{
    if (QUxItemBase* lifted = m_drag->draggedRow()) {
        // The lifted row belongs to the list as well.
        m_drag->setDraggedRow(nullptr);
        m_drag->hide();
        lifted->m_dragging = false;
        lifted->hide();
        lifted->deleteLater();
        restoreCursor();
    }
    m_dropLine->hide();
    for (QUxItemBase* row : qAsConst(m_rows)) {
        row->m_inList = false;
        row->stopMoveAnimation();
        row->hide();
        row->deleteLater();
    }
    m_rows.clear();
    m_contentHeight = 0;
    m_scrollValue = 0;
    {
        const QSignalBlocker blocker(m_scrollBar);
        m_scrollBar->setRange(0, 0);
    }
    m_scrollBar->hide();
    m_selection.clear();
    m_firstVisible = nullptr;
    m_lastVisible = nullptr;
    m_previousMaximum = 0;
    m_content->resize(width() - sc(m_margins.left() + m_margins.right()),
                      height() - sc(m_margins.top() + m_margins.bottom()));
    onCleared();
}

void QUxListWidget::clear()
{
    removeAll();
    emit curItemClosed();
    emit emptied();
}

void QUxListWidget::onCleared() {}

void QUxListWidget::forgetRow(QUxItemBase* row)
{
    if (m_destroying)
        return;
    if (row->m_inList) {
        m_rows.removeOne(row);
        row->m_inList = false;
        renumber();
    }
    m_selection.removeOne(row);
    if (m_firstVisible == row)
        m_firstVisible = nullptr;
    if (m_lastVisible == row)
        m_lastVisible = nullptr;
}

// ------------------------------------------------------------- selection

QUxItemBase* QUxListWidget::currentItem() const
{
    return m_selection.isEmpty() ? nullptr : m_selection.first();
}

int QUxListWidget::currentIndex() const
{
    QUxItemBase* row = currentItem();
    return row ? row->index() : -1;
}

void QUxListWidget::setCurrentItem(QUxItemBase* row, bool scrollToIt)
{
    if (!row || m_selection.contains(row))
        return;
    if (m_multiSelection == 0) {
        const QList<QUxItemBase*> old = m_selection;
        m_selection.clear();
        for (QUxItemBase* r : old)
            r->setSelected(false);
    }
    m_selection.append(row);
    row->setSelected(true);
    if (scrollToIt) {
        setValueSilently(m_scrollBar, m_scrollBar->value() + row->layoutPos().y());
        scrollRowsTo(m_scrollBar->value(), true);
    }
    emit curSelectedItemChanged(row->index());
}

void QUxListWidget::selectFirst(bool scrollToIt)
{
    if (!m_rows.isEmpty())
        setCurrentItem(m_rows.first(), scrollToIt);
}

void QUxListWidget::selectLast(bool scrollToIt)
{
    if (!m_rows.isEmpty())
        setCurrentItem(m_rows.last(), scrollToIt);
}

void QUxListWidget::selectItem(int index, bool scrollToIt)
{
    if (QUxItemBase* row = item(index))
        setCurrentItem(row, scrollToIt);
}

// ----------------------------------------------------------------- slots

void QUxListWidget::onItemSlipOut(int iNewItemIndex, bool bUx)
{
    if (auto* row = qobject_cast<QUxItemBase*>(sender()))
        insertItem(row, bUx, iNewItemIndex, true);
}

void QUxListWidget::onItemSlipAway()
{
    auto* row = qobject_cast<QUxItemBase*>(sender());
    if (row && row->m_list == this && row->m_inList)
        removeItem(m_rows.indexOf(row), false, kRowMoveMs, true);
}

void QUxListWidget::onItemSelected()
{
    auto* row = qobject_cast<QUxItemBase*>(sender());
    if (!row || !row->m_inList)
        return;
    emit Itemclicked(row->index());
    setCurrentItem(row, false);
}

void QUxListWidget::onItemNotSelected()
{
    auto* row = qobject_cast<QUxItemBase*>(sender());
    if (row && m_selection.removeOne(row))
        row->setSelected(false);
}

void QUxListWidget::onItemErase()
{
    auto* row = qobject_cast<QUxItemBase*>(sender());
    if (!row || row->m_list != this)
        return;
    if (row->m_inList) {
        removeItem(m_rows.indexOf(row), true, kRowMoveMs, true);
    } else if (row == m_drag->draggedRow()) {
        // Erased while lifted: it will not come back.
        m_drag->setDraggedRow(nullptr);
        m_drag->hide();
        m_dropLine->hide();
        restoreCursor();
        m_selection.removeOne(row);
        row->hide();
        row->deleteLater();
        if (m_rows.isEmpty())
            clear();
    }
}

void QUxListWidget::swapRows(int upper)
{
    if (upper < 0 || upper + 1 >= m_rows.size())
        return;
    QUxItemBase* top = m_rows.at(upper);
    QUxItemBase* bottom = m_rows.at(upper + 1);
    bottom->raise();
    auto* group = new QParallelAnimationGroup(this);
    const QPoint topPos = top->layoutPos();
    moveRowTo(bottom, topPos, group, kRowMoveMs);
    moveRowTo(top, QPoint(topPos.x(), topPos.y() + sc(bottom->itemHeight()) + sc(m_spacing)), group,
              kRowMoveMs);
    startGroup(group);
    m_rows[upper] = bottom;
    m_rows[upper + 1] = top;
    bottom->setIndex(upper);
    top->setIndex(upper + 1);
}

void QUxListWidget::onDownOneItemPos(int idex)
{
    if (idex >= 0 && idex + 1 < m_rows.size())
        swapRows(idex);
}

void QUxListWidget::onUpOneItemPos(int idex)
{
    if (idex < m_rows.size() && idex - 1 >= 0)
        swapRows(idex - 1);
}

void QUxListWidget::GroupAinimoFinished_slot()
{
    if (QObject* s = sender())
        s->deleteLater();
}

// ------------------------------------------------------------- scrolling

int QUxListWidget::scrollValue() const
{
    return m_scrollBar->value();
}

int QUxListWidget::scrollMaximum() const
{
    return m_scrollBar->maximum();
}

void QUxListWidget::scrollRowsTo(int value, bool noEventPump)
{
    if (value == m_scrollValue)
        return;
    value = qBound(0, value, m_scrollBar->maximum());
    const int delta = m_scrollValue - value;
    m_scrollValue = value;
    if (delta == 0)
        return;
    forEachRow(0, m_rows.size() - 1, noEventPump,
               [delta](QUxItemBase* row, int) { row->moveTo(row->layoutPos() + QPoint(0, delta)); });
}

void QUxListWidget::animateRowsTo(int value, bool noEventPump, int ms, int lastIndex)
{
    if (value == m_scrollValue)
        return;
    value = qBound(0, value, m_scrollBar->maximum());
    const int delta = m_scrollValue - value;
    m_scrollValue = value;
    if (ms == -1)
        ms = m_defaultDuration;
    if (lastIndex < 0 || lastIndex >= m_rows.size())
        lastIndex = m_rows.size() - 1;
    if (delta == 0)
        return;
    // A zero-length animation ends where it starts: move at once.
    QParallelAnimationGroup* group = ms > 0 ? new QParallelAnimationGroup(this) : nullptr;
    forEachRow(0, lastIndex, noEventPump,
               [&](QUxItemBase* row, int) { shiftRow(row, delta, group, ms); });
    startGroup(group);
}

void QUxListWidget::moveRows(int delta, int from, int to, bool noEventPump, int ms)
{
    if (from < 0)
        from = 0;
    if (to < 0 || to >= m_rows.size())
        to = m_rows.size() - 1;
    if (ms == -1)
        ms = m_defaultDuration;
    if (delta == 0 && noEventPump && to == m_rows.size() - 1 && QUxItemBase::s_indexWatchers == 0) {
        // Nothing moves: the rows are numbered when their index is read.
        m_staleFrom = qMin(m_staleFrom, from);
        return;
    }
    QParallelAnimationGroup* group =
        (delta != 0 && ms > 0) ? new QParallelAnimationGroup(this) : nullptr;
    forEachRow(from, to, noEventPump, [&](QUxItemBase* row, int i) {
        row->setIndex(i);
        if (delta != 0)
            shiftRow(row, delta, group, ms);
    });
    startGroup(group);
    if (!noEventPump)
        renumber();
}

int QUxListWidget::scrollBy(int delta, bool bounceAtEnd)
{
    // Shared by every list: the wheel's last value and when it came.
    static int s_lastValue = 0;
    static QElapsedTimer s_lastCall;

    const int target = m_scrollBar->value() + delta;
    setValueSilently(m_scrollBar, target);
    if (m_smoothScroll)
        animateRowsTo(target, true, -1, -1);
    else
        scrollRowsTo(target, true);

    const int value = m_scrollBar->value();
    const int maximum = m_scrollBar->maximum();
    const bool atEnd = value == 0 || value == maximum;
    const bool wasAtEnd = s_lastValue == 0 || s_lastValue == maximum;
    // Wall-clock time: the notches must be apart in real time, whatever
    // the processor did in between.
    if (bounceAtEnd && s_lastCall.isValid() && s_lastCall.elapsed() > 200 && atEnd && wasAtEnd)
        bounce(-2 * delta);
    s_lastCall.start();
    s_lastValue = value;
    return value;
}

void QUxListWidget::bounce(int offset)
{
    if (m_bounceAnimation) {
        m_bounceAnimation->stop();
        delete m_bounceAnimation.data();
    }
    const QPoint home(sc(m_margins.left()), sc(m_margins.top()));
    const QPoint target(home.x(), home.y() + qBound(-300, offset, 300));
    const QPoint current = m_content->pos();
    const int out = qMin(std::abs(std::abs(target.y()) - std::abs(current.y())) * 5 / 3, 200);
    const int back = qMin(std::abs(std::abs(target.y()) - std::abs(home.y())) * 5 / 2, 200);

    auto* sequence = new QSequentialAnimationGroup;
    auto* away = new QPropertyAnimation(m_content, "pos");
    away->setEasingCurve(QEasingCurve::InQuad);
    away->setStartValue(current);
    away->setEndValue(target);
    away->setDuration(out);
    auto* home_ = new QPropertyAnimation(m_content, "pos");
    home_->setEasingCurve(QEasingCurve::OutQuad);
    home_->setStartValue(target);
    home_->setEndValue(home);
    home_->setDuration(back);
    sequence->addAnimation(away);
    sequence->addAnimation(home_);
    m_bounceAnimation = sequence;
    sequence->start(QAbstractAnimation::DeleteWhenStopped);
}

void QUxListWidget::scrollToItem(int index)
{
    QUxItemBase* row = item(index);
    if (!row)
        return;
    const int y = row->layoutPos().y();
    const int h = sc(row->itemHeight());
    // Lists without a design size use their content height as the view.
    const int view = viewHeight();
    int value = 0;
    int delay = 0;
    if (y < 0) {
        value = m_scrollBar->value() + y;
        delay = 50;
    } else if (y + h > view) {
        value = m_scrollBar->value() + y - view + h;
        delay = 0;
    } else {
        return;
    }
    setValueSilently(m_scrollBar, value);
    QTimer::singleShot(delay, this, [this, value] { scrollRowsTo(value, true); });
}

void QUxListWidget::scrollToTop()
{
    setValueSilently(m_scrollBar, 0);
    scrollRowsTo(0, true);
}

void QUxListWidget::setSmoothScroll(bool smooth)
{
    m_smoothScroll = smooth;
    disconnect(m_scrollBar, &QScrollBar::valueChanged, this, &QUxListWidget::onUxHover);
    disconnect(m_scrollBar, &QScrollBar::valueChanged, this, &QUxListWidget::onHover);
    if (smooth)
        connect(m_scrollBar, &QScrollBar::valueChanged, this, &QUxListWidget::onUxHover);
    else
        connect(m_scrollBar, &QScrollBar::valueChanged, this, &QUxListWidget::onHover);
}

void QUxListWidget::onUxHover(int value)
{
    animateRowsTo(value, true, -1, -1);
}

void QUxListWidget::onHover(int value)
{
    scrollRowsTo(value, true);
}

void QUxListWidget::onSilerValueChanged(int value)
{
    setValueSilently(m_scrollBar, value);
    animateRowsTo(value, true, -1, -1);
}

// ------------------------------------------------------------- reordering

bool QUxListWidget::isRowDragging() const
{
    return m_drag && m_drag->draggedRow() != nullptr;
}

int QUxListWidget::dropIndexAt(const QPoint& globalPos) const
{
    QUxItemBase* dragged = m_drag->draggedRow();
    const int x = mapFromGlobal(globalPos).x();
    if (x < 0 || x >= width())
        return dragged ? qBound(0, dragged->index(), m_rows.size()) : m_rows.size();

    // Walked from the top rather than from the remembered first visible row,
    // which goes stale once the list is scrolled back to the top.
    const int pictureTop = m_content->mapFromGlobal(m_drag->pos()).y();
    const int bottom = m_content->height();
    int i = 0;
    for (; i < m_rows.size(); ++i) {
        const QUxItemBase* row = m_rows.at(i);
        const int top = row->layoutPos().y();
        if (top + row->height() > bottom)
            break;
        if (top >= pictureTop)
            return i;
    }
    // Below every fully shown row: after the last of them.
    return i;
}

void QUxListWidget::updateDrag(const QPoint& globalPos)
{
    m_drag->move(m_drag->pos() + (globalPos - m_drag->lastCursor()));
    m_drag->setLastCursor(globalPos);
    if (m_rows.isEmpty())
        return;
    const int target = dropIndexAt(globalPos);
    int lineY = 0;
    int lineX = 0;
    if (target < m_rows.size()) {
        const QUxItemBase* row = m_rows.at(target);
        lineX = row->layoutPos().x();
        lineY = row->layoutPos().y() - m_scaledSpacing;
    } else {
        const QUxItemBase* row = m_rows.last();
        lineX = row->layoutPos().x();
        lineY = row->layoutPos().y() + row->height();
    }
    m_dropLine->move(sc(10) + lineX, lineY);
    m_dropLine->show();
    m_dropLine->raise();
    m_drag->setTargetIndex(target);
}

void QUxListWidget::finishDrag()
{
    m_drag->hide();
    m_dropLine->hide();
    QUxItemBase* row = m_drag->draggedRow();
    if (row) {
        row->m_opacityEffect->setOpacity(1.0);
        row->m_dragging = false;
        const int n = m_rows.size();
        const int t = m_drag->targetIndex();
        int index = -1;
        if (t >= 0 && t <= n)
            index = t;
        else if (t != -1)
            index = qBound(0, row->index(), n);
        m_drag->setDraggedRow(nullptr);
        insertItem(row, true, index, true);
    }
    restoreCursor();
}

void QUxListWidget::cancelRowDrag()
{
    if (!isRowDragging())
        return;
    m_drag->setTargetIndex(-2);
    finishDrag();
}

bool QUxListWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_content) {
        switch (event->type()) {
        case QEvent::MouseMove:
            if (m_drag->isVisible()) {
                auto* me = static_cast<QMouseEvent*>(event);
                if (!(me->buttons() & Qt::LeftButton) && isRowDragging()) {
                    // The release went elsewhere: put the row back.
                    cancelRowDrag();
                    return true;
                }
                updateDrag(me->globalPos());
                if (m_rows.isEmpty())
                    return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (m_drag->isVisible() || isRowDragging())
                finishDrag();
            m_dropLine->hide();
            break;
        case QEvent::Resize:
            relayoutItems();
            break;
        case QEvent::Move:
            for (QUxItemBase* row : qAsConst(m_rows))
                row->onListScrolled();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --------------------------------------------------------------- events

void QUxListWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
}

void QUxListWidget::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    scrollBy(-(delta / 4), true);
    event->accept();
}

void QUxListWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && isRowDragging()) {
        cancelRowDrag();
        return;
    }
    const int value = m_scrollBar->value();
    int next = value;
    switch (event->key()) {
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = m_scrollBar->maximum();
        break;
    case Qt::Key_Up:
        next = value - sc(10);
        break;
    case Qt::Key_Down:
        next = value + sc(10);
        break;
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        next = value - m_content->height();
        break;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        next = value + m_content->height();
        break;
    default:
        return;
    }
    m_scrollBar->setValue(next);
}

void QUxListWidget::enterEvent(QEvent* event)
{
    restoreCursor();
    QWidget::enterEvent(event);
}

void QUxListWidget::resizeEvent(QResizeEvent* event)
{
    const QSize bs = baseSize();
    const bool noDesignSize = bs.width() == 0 && bs.height() == 0;
    if (noDesignSize
        || (std::abs(width() - sc(bs.width())) < 3 && std::abs(height() - sc(bs.height())) < 3))
        updateLayout();
    applyScrollBarStyle();
    QWidget::resizeEvent(event);
}

void QUxListWidget::showEvent(QShowEvent* event)
{
    updateLayout();
    QWidget::showEvent(event);
}

void QUxListWidget::focusOutEvent(QFocusEvent* event)
{
    // Focus going to the drag picture itself (window systems that activate
    // it) is part of the drag; any other focus loss ends it.
    if (QApplication::activeWindow() != m_drag)
        cancelRowDrag();
    QWidget::focusOutEvent(event);
}
