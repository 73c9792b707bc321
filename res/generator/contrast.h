#pragma once

// Relative luminance and contrast ratio as WCAG 2 defines them, so that a
// picture meant to carry text is painted dark or light enough for that text.

#include <QColor>
#include <cmath>

namespace Contrast {

inline double channel(int v)
{
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline double luminance(const QColor& c)
{
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

inline double ratio(const QColor& a, const QColor& b)
{
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return x > y ? x / y : y / x;
}

// The fill, kept in hue and saturation, darkened (for light ink) or
// lightened (for dark ink) step by step until the ink reads on it at the
// given ratio. A little over 4.5 so that antialiased edges and gradients
// stay above it.
inline QColor readableUnder(QColor fill, const QColor& ink, double wanted = 4.7)
{
    const bool lightInk = luminance(ink) > luminance(fill);
    for (int i = 0; i < 400 && ratio(fill, ink) < wanted; ++i) {
        if (lightInk) {
            // Less light, not less value: an orange stays orange, not brown.
            const QColor hsl = fill.toHsl();
            fill = hsl.lightness() > 2 ? QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), hsl.lightness() - 2).toRgb()
                                       : QColor(0, 0, 0);
        } else {
            // lighter() stalls on saturated colours once the value is full.
            QColor next = fill.lighter(103);
            if (next == fill)
                next = QColor::fromRgbF(qMin(1.0, fill.redF() + 0.02), qMin(1.0, fill.greenF() + 0.02),
                                        qMin(1.0, fill.blueF() + 0.02));
            fill = next;
        }
    }
    return fill;
}

}
