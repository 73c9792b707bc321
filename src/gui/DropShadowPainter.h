#pragma once

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QSize>
#include <QWidget>

class QGraphicsDropShadowEffect;
class QLabel;
class QVBoxLayout;

// Renders the soft shadow ring of a frameless window off screen and keeps
// the last one: painting only draws the cached pixmap until the size, the
// radius, the offset or the colour changes.
class DropShadowPainter
{
public:
    DropShadowPainter();
    ~DropShadowPainter();
    DropShadowPainter(const DropShadowPainter&) = delete;
    DropShadowPainter& operator=(const DropShadowPainter&) = delete;

    // A size of (-1, -1) keeps the canvas at its current size.
    QPixmap shadowPixmap(int radius, QSize size, QPointF offset, QColor colour);

    // How many times a shadow was rendered (the rest came from the cache).
    int renderCount() const { return m_renderCount; }

private:
    QGraphicsDropShadowEffect* m_effect = nullptr;
    QWidget m_canvas;
    QLabel* m_card = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QSize m_cachedSize {0, 0};
    int m_cachedMargin = 0;
    QPointF m_cachedOffset;
    QColor m_cachedColour;
    QPixmap m_cachedPixmap;
    int m_renderCount = 0;
};
