#include "gui/common/MediaListWidget/QUxItemBase.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/BtnWidget.h"
#include "gui/common/MediaListWidget/QUxDrag.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"

#include <QAnimationGroup>
#include <QCursor>
#include <QDebug>
#include <QDragEnterEvent>
#include <QGraphicsOpacityEffect>
#include <QMetaMethod>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QStyleOption>

QUxItemBase::QUxItemBase(QUxListWidget* list)
    : BaseWidget(list->contentWidget())
    , m_list(list)
{
    setIndex(list->count());

    connect(this, qOverload<int, bool>(&QUxItemBase::doSlipOut), list, &QUxListWidget::onItemSlipOut);
    connect(this, &QUxItemBase::doSlipAway, list, &QUxListWidget::onItemSlipAway);
    connect(this, &QUxItemBase::doSelect, list, &QUxListWidget::onItemSelected);
    connect(this, &QUxItemBase::doSelectNot, list, &QUxListWidget::onItemNotSelected);
    connect(this, &QUxItemBase::doErase, list, &QUxListWidget::onItemErase);

    setAcceptDrops(true);
    m_opacityEffect = new QGraphicsOpacityEffect(this);
    m_opacityEffect->setOpacity(1.0);
    setGraphicsEffect(m_opacityEffect);
    m_holdTimer.setInterval(1000);
    connect(&m_holdTimer, &QTimer::timeout, this, &QUxItemBase::HoldingMouseleftPressedTime);
}

QUxItemBase::~QUxItemBase()
{
    // A row deleted by its owner must not stay behind in the list.
    m_list->forgetRow(this);
}

int QUxItemBase::itemHeight() { return 10; }
QRect QUxItemBase::clickRect() { return rect(); }
void QUxItemBase::setSelectedStyle() {}
void QUxItemBase::setNormalStyle() {}
void QUxItemBase::setHoverStyle() {}
void QUxItemBase::setSelectedHoverStyle() {}
void QUxItemBase::onResize(QResizeEvent*) {}
QString QUxItemBase::itemType() { return QStringLiteral("Base"); }
QRect QUxItemBase::dragRect() { return rect(); }
void QUxItemBase::onListScrolled() {}

int QUxItemBase::s_indexWatchers = 0;

int QUxItemBase::index() const
{
    // A row still to be numbered stands at or after the first such place,
    // and a removal only lowers a place: its old index is not below it.
    if (m_inList && m_index >= m_list->m_staleFrom)
        m_list->settleIndexes(this);
    return m_index;
}

void QUxItemBase::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&QUxItemBase::indexChanged))
        ++s_indexWatchers;
    BaseWidget::connectNotify(signal);
}

void QUxItemBase::disconnectNotify(const QMetaMethod& signal)
{
    // A disconnection of every signal at once does not say whether this one
    // was among them; counting too many only keeps the numbering eager.
    if (signal == QMetaMethod::fromSignal(&QUxItemBase::indexChanged))
        s_indexWatchers = qMax(0, s_indexWatchers - 1);
    BaseWidget::disconnectNotify(signal);
}

void QUxItemBase::setIndex(int index)
{
    if (m_index == index)
        return;
    m_index = index;
    emit indexChanged(index);
}

void QUxItemBase::setSelected(bool selected)
{
    m_selected = selected;
    if (selected)
        setSelectedStyle();
    else
        setNormalStyle();
    emit toggled(selected);
}

void QUxItemBase::placeAt(const QPoint& p)
{
    m_layoutPos = p;
    updateVisibility(p.y());
}

void QUxItemBase::updateMetrics()
{
    const int designHeight = itemHeight();
    const int spacing = m_list->itemSpacing();
    const float scale = UIBaseData::instance()->scale();
    if (designHeight == m_metricsDesignHeight && spacing == m_metricsSpacing && scale == m_metricsScale)
        return;
    m_metricsDesignHeight = designHeight;
    m_metricsSpacing = spacing;
    m_metricsScale = scale;
    const int scaledSpacing = UIBaseData::scaled(spacing);
    m_scaledHeight = UIBaseData::scaled(designHeight);
    m_step = UIBaseData::scaled(scaledSpacing + designHeight);
    m_extent = m_scaledHeight + scaledSpacing;
}

void QUxItemBase::updateVisibility(int py)
{
    updateMetrics();
    const int y = py + 2 * m_step;

    if (py < 0 && py + m_extent > 0)
        emit firstDisplaied();

    bool shown;
    if (y < 0) {
        shown = y + m_extent > 0;
        if (shown)
            m_list->m_firstVisible = this;
    } else {
        const int limit = m_list->viewHeight() + 4 * m_step;
        shown = y < limit;
        if (shown && y + m_scaledHeight >= limit) {
            m_list->m_lastVisible = this;
            emit lastDisplaied();
        }
    }

    if (shown) {
        if (isHidden()) {
            if (m_posStale)
                applyLayoutPos();
            show();
        }
    } else if (!isHidden()) {
        hide();
    }
}

void QUxItemBase::applyLayoutPos()
{
    move(m_layoutPos);
    m_posStale = false;
}

void QUxItemBase::moveTo(const QPoint& p)
{
    stopMoveAnimation();
    placeAt(p);
    if (isHidden()) {
        // Moved when it comes into view again.
        m_posStale = true;
    } else {
        applyLayoutPos();
    }
}

void QUxItemBase::stopMoveAnimation()
{
    if (m_moveAnimation) {
        // Deleting it also takes it out of its group.
        delete m_moveAnimation.data();
        m_moveAnimation = nullptr;
    }
}

void QUxItemBase::moveAnimated(const QPoint& from, const QPoint& to, QAnimationGroup* group, int ms)
{
    stopMoveAnimation();
    auto* anim = new QPropertyAnimation(this, "pos");
    anim->setEasingCurve(QEasingCurve::InOutCubic);
    anim->setStartValue(from);
    placeAt(to);
    anim->setEndValue(to);
    anim->setDuration(ms);
    group->addAnimation(anim);
    m_moveAnimation = anim;
    m_posStale = false;
}

void QUxItemBase::slideIn(const QPoint& from, const QPoint& to)
{
    stopMoveAnimation();
    placeAt(to);
    if (isHidden()) {
        // Nobody sees it arrive: no animation for rows outside the view.
        m_opacityEffect->setOpacity(1.0);
        m_posStale = true;
        return;
    }
    auto* pos = new QPropertyAnimation(this, "pos", this);
    pos->setStartValue(from);
    pos->setEndValue(to);
    pos->setDuration(200);
    auto* fade = new QPropertyAnimation(m_opacityEffect, "opacity", this);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->setDuration(200);
    m_moveAnimation = pos;
    m_posStale = false;
    move(from);
    pos->start(QAbstractAnimation::DeleteWhenStopped);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void QUxItemBase::setBasePos(QWidget* w, const QPoint& p)
{
    ::setBasePos(w, p);
}

void QUxItemBase::setDoleaveEvent(bool bDo)
{
    m_doLeaveEvent = bDo;
}

void QUxItemBase::HoldingMouseleftPressedTime()
{
    qDebug() << "HoldingMouseleftPressedTime";
    m_holdTimer.stop();
    const QPoint cursor = QCursor::pos();
    const QRect global(mapToGlobal(QPoint(0, 0)), size());
    if (!global.contains(cursor) || !m_inList || m_list->isRowDragging())
        return;

    m_dragging = true;
    QUxDrag* drag = m_list->dragPicture();
    drag->setDraggedRow(this);
    drag->setTargetIndex(-2);
    drag->setPicture(grab(dragRect()));
    drag->setOpacity(0.8f);
    emit doSlipAway();
    m_list->setFocus(Qt::OtherFocusReason);
    drag->showAt(global.topLeft());
    m_list->setCursor(Qt::ClosedHandCursor);
}

void QUxItemBase::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_list->isItemDragEnabled())
        m_holdTimer.start();
    QWidget::mousePressEvent(event);
}

void QUxItemBase::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_list->isRowDragging()) {
        if (event->button() == Qt::LeftButton) {
            m_dragging = false;
            m_holdTimer.stop();
            if (clickRect().contains(event->pos()))
                emit doSelect();
        }
        m_list->restoreCursor();
    }
    // Not accepted, so the list's content widget sees it too (it ends drags).
    QWidget::mouseReleaseEvent(event);
}

void QUxItemBase::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_selected && rect().contains(event->pos()))
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

void QUxItemBase::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
}

void QUxItemBase::enterEvent(QEvent* event)
{
    if (m_selected)
        setSelectedHoverStyle();
    else
        setHoverStyle();
    QWidget::enterEvent(event);
}

void QUxItemBase::leaveEvent(QEvent* event)
{
    if (m_doLeaveEvent) {
        if (m_selected)
            setSelectedStyle();
        else
            setNormalStyle();
    }
    QWidget::leaveEvent(event);
}

void QUxItemBase::paintEvent(QPaintEvent* event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}

void QUxItemBase::resizeEvent(QResizeEvent* event)
{
    onResize(event);
    BaseWidget::resizeEvent(event);
}

// File and link drops over a row are left unaccepted, so they travel on to
// the list and its ancestors. Drags of rows themselves are never trusted:
// reordering runs on mouse events, and a payload is no object reference.
void QUxItemBase::dragEnterEvent(QDragEnterEvent* event)
{
    event->ignore();
}

void QUxItemBase::dragMoveEvent(QDragMoveEvent* event)
{
    event->ignore();
}

void QUxItemBase::dropEvent(QDropEvent* event)
{
    event->ignore();
}

bool QUxItemBase::inShownWindow(int py)
{
    updateMetrics();
    const int y = py + 2 * m_step;
    if (y < 0)
        return y + m_extent > 0;
    return y < m_list->viewHeight() + 4 * m_step;
}
