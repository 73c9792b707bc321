#include "gui/DropShadowPainter.h"

#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QLabel>
#include <QVBoxLayout>

DropShadowPainter::DropShadowPainter()
{
    m_effect = new QGraphicsDropShadowEffect;
    m_effect->setOffset(0, 0);
    m_effect->setBlurRadius(5);
    m_effect->setColor(Qt::black);

    m_canvas.resize(320, 240);
    m_canvas.setWindowFlags(m_canvas.windowFlags() | Qt::FramelessWindowHint);
    m_canvas.setAttribute(Qt::WA_TranslucentBackground);
    m_canvas.setStyleSheet(QStringLiteral("background-color:white"));
    m_layout = new QVBoxLayout(&m_canvas);
    m_layout->setContentsMargins(10, 10, 10, 10);
    m_card = new QLabel(&m_canvas);
    m_card->setStyleSheet(QStringLiteral("background-color:white;"));
    // The card owns the effect from here on.
    m_card->setGraphicsEffect(m_effect);
    m_layout->addWidget(m_card);
}

DropShadowPainter::~DropShadowPainter() = default;

QPixmap DropShadowPainter::shadowPixmap(int radius, QSize size, QPointF offset, QColor colour)
{
    const int m = radius + 3;
    if (m == m_cachedMargin && size == m_cachedSize && offset == m_cachedOffset
        && colour == m_cachedColour && !m_cachedPixmap.isNull())
        return m_cachedPixmap;

    if (size != QSize(-1, -1))
        m_canvas.resize(size);
    m_effect->setOffset(offset);
    m_effect->setBlurRadius(radius + 6);
    m_effect->setColor(colour);
    m_layout->setContentsMargins(m, m, m, m);
    m_layout->activate();

    QImage image = m_canvas.grab(QRect(QPoint(0, 0), QSize(-1, -1))).toImage()
                       .convertToFormat(QImage::Format_ARGB32);
    // Only the ring around the card is kept; the window's own content covers
    // the inside.
    const QRgb clear = qRgba(255, 255, 255, 0);
    for (int y = m; y < image.height() - m; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = m; x < image.width() - m; ++x)
            line[x] = clear;
    }
    m_cachedPixmap = QPixmap::fromImage(image);
    m_cachedMargin = m;
    m_cachedSize = size;
    m_cachedOffset = offset;
    m_cachedColour = colour;
    ++m_renderCount;
    return m_cachedPixmap;
}
