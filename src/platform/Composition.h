#pragma once

// Whether the desktop draws translucent windows (a compositing manager runs).
namespace Composition {
// On X11 whether the compositing-manager selection of the application's
// screen has an owner, as Qt's own connection follows it; any other
// platform is taken as composited.
// The environment variable TW_COMPOSITION ("0" or "1") and setOverride()
// take precedence, so tests can run either way.
bool isEnabled();
// -1 removes the override, 0 forces off, 1 forces on.
void setOverride(int state);
}
