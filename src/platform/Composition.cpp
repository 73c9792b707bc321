#include "platform/Composition.h"

#include <QByteArray>
#include <QX11Info>
#include <atomic>

namespace {
std::atomic<int> g_override{-1};
}

namespace Composition {

bool isEnabled()
{
    const int forced = g_override.load();
    if (forced >= 0)
        return forced == 1;
    const QByteArray env = qgetenv("TW_COMPOSITION");
    if (env == "0")
        return false;
    if (env == "1")
        return true;
    // Qt follows the owner of the compositing-manager selection on its own
    // connection, so this asks the server nothing.
    if (QX11Info::isPlatformX11())
        return QX11Info::isCompositingManagerRunning();
    return true;
}

void setOverride(int state)
{
    g_override.store(state < 0 ? -1 : (state ? 1 : 0));
}

}
