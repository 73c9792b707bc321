#include "platform/GraphicsWarmup.h"

#include <QGuiApplication>
#include <QtGlobal>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <GL/glx.h>
#include <X11/Xlib.h>

struct GraphicsWarmup::State
{
    std::mutex mutex;
    std::condition_variable changed;
    bool loaded = false;
    bool released = false;
    std::thread thread;

    void run()
    {
        // A connection of our own: the interface thread's one is Qt's, and
        // Xlib objects are not shared across threads here.
        Display* display = XOpenDisplay(nullptr);
        if (display) {
            // The vendor library and the driver are chosen and loaded when a
            // display's GLX is first asked anything.
            glXQueryExtensionsString(display, DefaultScreen(display));
        }
        std::unique_lock<std::mutex> lock(mutex);
        loaded = true;
        changed.notify_all();
        changed.wait(lock, [this] { return released; });
        lock.unlock();
        if (display)
            XCloseDisplay(display);
    }
};

GraphicsWarmup::GraphicsWarmup()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    d = std::make_unique<State>();
    d->thread = std::thread([state = d.get()] { state->run(); });
}

GraphicsWarmup::~GraphicsWarmup()
{
    if (!d)
        return;
    release();
    d->thread.join();
}

bool GraphicsWarmup::isActive() const
{
    return d != nullptr;
}

void GraphicsWarmup::release()
{
    if (!d)
        return;
    std::lock_guard<std::mutex> lock(d->mutex);
    d->released = true;
    d->changed.notify_all();
}

void GraphicsWarmup::waitUntilLoaded()
{
    if (!d)
        return;
    std::unique_lock<std::mutex> lock(d->mutex);
    d->changed.wait(lock, [this] { return d->loaded; });
}
