#include "gui/common/CUxCircleBtn.h"

#include <QFontMetrics>
#include <QPainter>

CUxCircleBtn::CUxCircleBtn(QWidget* parent)
    : QPushButton(parent)
{
}

void CUxCircleBtn::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    p.setPen(QColor(QStringLiteral("#4a4d59")));
    const QFontMetrics fm(font());
    const qreal tw = fm.horizontalAdvance(text());
    const qreal th = fm.height();
    p.drawText(QRectF((width() - tw) / 2.0, (height() - th) / 2.0, tw, th), Qt::AlignLeft, text());
}
