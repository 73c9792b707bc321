#include "platform/Composition.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <atomic>
#include <dlfcn.h>
#include <xcb/xcb.h>

namespace {
std::atomic<int> g_override{-1};

// libxcb is loaded at run time, so a build or a session without X needs
// nothing of it.
bool x11CompositorRunning()
{
    void* lib = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!lib)
        return false;
    auto connect = reinterpret_cast<decltype(&xcb_connect)>(dlsym(lib, "xcb_connect"));
    auto disconnect = reinterpret_cast<decltype(&xcb_disconnect)>(dlsym(lib, "xcb_disconnect"));
    auto hasError = reinterpret_cast<decltype(&xcb_connection_has_error)>(dlsym(lib, "xcb_connection_has_error"));
    auto internAtom = reinterpret_cast<decltype(&xcb_intern_atom)>(dlsym(lib, "xcb_intern_atom"));
    auto internAtomReply = reinterpret_cast<decltype(&xcb_intern_atom_reply)>(dlsym(lib, "xcb_intern_atom_reply"));
    auto getOwner = reinterpret_cast<decltype(&xcb_get_selection_owner)>(dlsym(lib, "xcb_get_selection_owner"));
    auto getOwnerReply = reinterpret_cast<decltype(&xcb_get_selection_owner_reply)>(dlsym(lib, "xcb_get_selection_owner_reply"));
    bool running = false;
    if (connect && disconnect && hasError && internAtom && internAtomReply && getOwner && getOwnerReply) {
        int screen = 0;
        xcb_connection_t* c = connect(nullptr, &screen);
        if (c && !hasError(c)) {
            const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
            xcb_intern_atom_reply_t* atom =
                internAtomReply(c, internAtom(c, 1, uint16_t(name.size()), name.constData()), nullptr);
            if (atom && atom->atom != XCB_ATOM_NONE) {
                xcb_get_selection_owner_reply_t* owner =
                    getOwnerReply(c, getOwner(c, atom->atom), nullptr);
                running = owner && owner->owner != XCB_WINDOW_NONE;
                free(owner);
            }
            free(atom);
        }
        if (c)
            disconnect(c);
    }
    dlclose(lib);
    return running;
}
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
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return x11CompositorRunning();
    return true;
}

void setOverride(int state)
{
    g_override.store(state < 0 ? -1 : (state ? 1 : 0));
}

}
