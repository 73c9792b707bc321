#pragma once

class QWidget;

// The one-widget step shared by the rescaling tree walks of UIBaseData and
// BaseWidget: base size (truncated), "basePos" and "baseIconSize" (half
// up), "baseFontSize" (truncated, at least 1). Only the BaseWidget walk
// honours "baseFontWeight".
namespace WidgetRescale {
void applyDesignProperties(QWidget* w, double factor, bool applyFontWeight);
}
