#include "gui/common/CUxCheckBox.h"

#include "gui/UIBaseData/UIBaseData.h"

#include <QMouseEvent>

CUxCheckBox::CUxCheckBox(QWidget* parent)
    : QCheckBox(parent)
    , m_indicatorStyle(QStringLiteral(
          "QCheckBox::indicator {    width: %1px;    height: %2px;}"
          "QCheckBox::indicator:unchecked {    border-image: url(:/res/xuanzhong_nor.png);}"
          "QCheckBox::indicator:unchecked:hover {    border-image: url(:/res/xuanzhong_nor.png);}"
          "QCheckBox::indicator:unchecked:pressed {    border-image: url(:/res/xuanzhong_nor.png);}"
          "QCheckBox::indicator:unchecked:disabled {    border-image: url(:/res/xuanzhong_dis.png);}"
          "QCheckBox::indicator:checked {    border-image: url(:/res/xuanzhong_on.png);}"
          "QCheckBox::indicator:checked:hover {    border-image: url(:/res/xuanzhong_on.png);}"
          "QCheckBox::indicator:checked:pressed {    border-image: url(:/res/xuanzhong_on.png);}"
          "QCheckBox::indicator:indeterminate {    border-image: url(:/res/indeterminate.png);}"
          "QCheckBox::indicator:indeterminate:hover {    border-image: url(:/res/indeterminate.png);}"
          "QCheckBox::indicator:indeterminate:pressed {    image: url(:/res/indeterminate.png);}"))
{
}

QString CUxCheckBox::indicatorStyle(int width, int height) const
{
    return m_indicatorStyle.arg(width).arg(height);
}

void CUxCheckBox::onSetCheckState(Qt::CheckState state)
{
    setCheckState(state);
}

void CUxCheckBox::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    event->accept();
}

void CUxCheckBox::mouseMoveEvent(QMouseEvent* event)
{
    // While the button is held the pointer is grabbed and no leave event
    // arrives, so leaving the box is seen here.
    if (m_pressed && !rect().contains(event->pos()))
        m_pressed = false;
    event->accept();
}

void CUxCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressed && rect().contains(event->pos())) {
        blockSignals(false);
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        emit uxClicked(checkState() == Qt::Checked);
        blockSignals(true);
    }
    m_pressed = false;
    event->accept();
}

void CUxCheckBox::leaveEvent(QEvent* event)
{
    m_pressed = false;
    QCheckBox::leaveEvent(event);
}

void CUxCheckBox::resizeEvent(QResizeEvent* event)
{
    const QString style = indicatorStyle(UIBaseData::scaled(18), UIBaseData::scaled(20));
    if (styleSheet() != style)
        setStyleSheet(style);
    QCheckBox::resizeEvent(event);
}
