#include "platform/GraphicsWarmup.h"

#include <QByteArray>
#include <QX11Info>

#include <GL/glx.h>
#include <X11/Xlib.h>

GraphicsWarmup::GraphicsWarmup()
{
    // Only where Qt itself goes through GLX (its default on X11).
    const QByteArray integration = qgetenv("QT_XCB_GL_INTEGRATION");
    if (!QX11Info::isPlatformX11() || (!integration.isEmpty() && integration != "xcb_glx"))
        return;
    Display* display = QX11Info::display();
    if (!display)
        return;
    const int screen = QX11Info::appScreen();
    m_active = true;
    // Xlib locks the connection for each call (libX11 1.8 makes every
    // display thread-safe), and the driver serialises its own set-up of a
    // display, so the interface thread may use both meanwhile. The driver
    // is chosen and loaded when the display's GLX is first asked anything.
    m_thread = std::thread([display, screen] { glXQueryExtensionsString(display, screen); });
}

GraphicsWarmup::~GraphicsWarmup()
{
    wait();
}

bool GraphicsWarmup::isActive() const
{
    return m_active;
}

void GraphicsWarmup::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
