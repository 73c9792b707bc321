#pragma once

// The player's time bar as painted: the played part and the handle's ring
// are drawn in the palette's orange, the rest in grey.
#include <QImage>
#include <QRect>

namespace PlayedBar {

inline bool isPlayedColour(QRgb c)
{
    return qAlpha(c) > 200 && qRed(c) > 200 && qGreen(c) < 160 && qBlue(c) < 120;
}

// Pixels of the played colour in the bar's middle row across the slider's
// holder.
inline int playedPixels(const QImage& bar, const QRect& holder)
{
    int n = 0;
    for (int x = holder.left(); x <= holder.right(); ++x)
        n += isPlayedColour(bar.pixel(x, bar.height() / 2)) ? 1 : 0;
    return n;
}

} // namespace PlayedBar
