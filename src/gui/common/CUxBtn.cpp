#include "gui/common/CUxBtn.h"

#include <QMouseEvent>

CUxBtn::CUxBtn(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

void CUxBtn::setState(int state)
{
    m_state = state;
    update();
}

void CUxBtn::setCheckable(bool checkable)
{
    m_checkable = checkable;
}

void CUxBtn::setChecked(bool checked)
{
    m_checked = checked;
    if (m_checkable)
        m_state = checked ? Pressed : Normal;
    update();
}

void CUxBtn::setBtnEnabled(bool enabled)
{
    setState(enabled ? Normal : Disabled);
    QWidget::setEnabled(enabled);
}

QRect CUxBtn::hitRect()
{
    return rect();
}

void CUxBtn::mousePressEvent(QMouseEvent* event)
{
    if (m_state == Disabled)
        return;
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (!hitRect().contains(event->pos()))
        return;
    if (m_checkable) {
        m_checked = !m_checked;
        // An unchecked button under the cursor looks hovered, not pressed.
        setState(m_checked ? Pressed : Hover);
        emit checked(m_checked);
    } else {
        setState(Pressed);
        emit pressed();
    }
}

void CUxBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_state == Disabled)
        return;
    if (event->button() == Qt::LeftButton && !m_checkable && m_state == Pressed) {
        setState(Normal);
        if (rect().contains(event->pos()) && hitRect().contains(event->pos()))
            emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

void CUxBtn::focusOutEvent(QFocusEvent* event)
{
    if (m_state == Disabled)
        return;
    if (!m_checkable)
        setState(Normal);
    QWidget::focusOutEvent(event);
}

void CUxBtn::enterEvent(QEvent* event)
{
    if (m_state == Disabled)
        return;
    if (!(m_checkable && m_checked))
        setState(Hover);
    QWidget::enterEvent(event);
}

void CUxBtn::leaveEvent(QEvent* event)
{
    if (m_state == Disabled)
        return;
    if (m_state != Pressed)
        setState(Normal);
    QWidget::leaveEvent(event);
}
