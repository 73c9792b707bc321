#pragma once

// The interface's named colours, in the order that stored colour indexes
// (watermark texts, for one) refer to them.

#include <QColor>

namespace UiPalette {

constexpr int count = 9;
constexpr const char* names[count] = {"#FFFFFF", "#999999", "#FC673A", "#FECE5B", "#17A249",
                                      "#21AAD4", "#D05ACE", "#FD6096", "#FC3746"};

// Any index outside the palette paints white, so an index from a newer or
// damaged record still draws something readable.
inline QColor color(int index)
{
    return QColor(QLatin1String(index >= 0 && index < count ? names[index] : names[0]));
}

} // namespace UiPalette
