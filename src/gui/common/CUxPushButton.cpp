#include "gui/common/CUxPushButton.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/ButtonImages.h"

#include <QPainter>

CUxPushButton::CUxPushButton(QWidget* parent)
    : CUxBtn(parent)
{
}

void CUxPushButton::setImages(const QString& normal, const QString& hover, const QString& pressed,
                              float imageScale)
{
    m_stateImages[Normal] = normal;
    m_stateImages[Hover] = hover;
    m_stateImages[Pressed] = pressed;
    m_imageScale = imageScale;
    update();
}

void CUxPushButton::paintEvent(QPaintEvent* event)
{
    const QPixmap image = ButtonImages::scaledBy(m_stateImages[m_state & 3], m_imageScale);
    if (!image.isNull()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const int cap = qMin(4, image.width() / 2);
        const int capWidth = UIBaseData::scaled(4);
        const int h = height();
        const int middleSource = image.width() - 2 * cap;
        painter.drawPixmap(QRect(0, 0, capWidth, h), image, QRect(0, 0, cap, image.height()));
        if (middleSource > 0)
            painter.drawPixmap(QRect(capWidth, 0, width() - 2 * capWidth, h), image,
                               QRect(cap, 0, middleSource, image.height()));
        painter.drawPixmap(QRect(width() - capWidth, 0, capWidth, h), image,
                           QRect(image.width() - cap, 0, cap, image.height()));
    }
    QWidget::paintEvent(event);
}
