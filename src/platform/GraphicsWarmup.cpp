#include "platform/GraphicsWarmup.h"

#include <QAccessible>
#include <QByteArray>
#include <QSemaphore>
#include <QThreadPool>
#include <QX11Info>

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <memory>

namespace {

// The C library sets up a new thread's thread-local storage under a lock
// that dlopen holds while it relocates the driver, some 90 ms. A thread the
// interface thread started meanwhile would keep it waiting that long, so the
// threads it builds its first window with are started before the driver:
// the accessibility bridge's D-Bus thread, which the first text set on a
// label would start, and the global pool's threads, among which Qt splits
// the conversion of a large image (the window's largest in three parts; a
// fourth thread leaves room).
void startInterfaceThreadsFirst()
{
    QAccessible::isActive();

    QThreadPool* pool = QThreadPool::globalInstance();
    const int threads = std::min(pool->maxThreadCount(), 4);
    // Each task holds its thread until all have been given out, so that
    // none finds another one idle and every start makes a thread.
    auto allStarted = std::make_shared<QSemaphore>();
    for (int i = 0; i < threads; ++i)
        pool->start([allStarted] {
            allStarted->acquire();
            allStarted->release();
        });
    allStarted->release();
}

} // namespace

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
    startInterfaceThreadsFirst();
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
