#pragma once

// Whether painted text can be read: the contrast ratio of WCAG 2 between the
// text's pixels and the fill they sit on, measured on grabbed pixels.

#include <QColor>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <cmath>

namespace Legibility {

inline double luminance(const QColor& c)
{
    const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

inline double contrast(const QColor& a, const QColor& b)
{
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return x > y ? x / y : y / x;
}

// A pixel as it shows over white (a translucent window's empty parts).
inline QColor shown(QRgb px)
{
    const QColor c = QColor::fromRgba(qUnpremultiply(px));
    const double a = c.alphaF();
    return QColor::fromRgbF(c.redF() * a + (1 - a), c.greenF() * a + (1 - a), c.blueF() * a + (1 - a));
}

// The widget as its window shows it on the screen, with whatever shows
// behind it and through the window's own painting (effects included).
inline QImage shot(QWidget* w)
{
    QWidget* top = w->window();
    top->repaint();
    const QPoint at = w->mapTo(top, QPoint(0, 0));
    QScreen* screen = top->windowHandle() ? top->windowHandle()->screen() : QGuiApplication::primaryScreen();
    return screen->grabWindow(top->winId(), at.x(), at.y(), w->width(), w->height())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// The colour most pixels of the area share: the fill behind the text.
inline QColor fill(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[shown(image.pixel(x, y)).rgb()];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return QColor::fromRgb(best);
}

// How many pixels of the area stand out from its fill at `ratio` or more:
// the cores of glyphs that can be read. Blank or washed-out text gives 0.
inline int readablePixels(const QImage& image, const QRect& area, double ratio = 4.5)
{
    const QColor under = fill(image, area);
    const QRect r = area.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += contrast(shown(image.pixel(x, y)), under) >= ratio;
    return n;
}

}
