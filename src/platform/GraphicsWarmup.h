#pragma once

#include <thread>

// On X11 the first native window loads the display's OpenGL driver (Mesa's
// with LLVM: a large share of the start-up), because widget windows may host
// OpenGL views. A warm-up asks the application's display connection for its
// OpenGL on a thread of its own, which loads the driver while the interface
// thread builds the main window; that window's creation then finds it ready.
//
// Construct it on the interface thread once the QGuiApplication exists, and
// destroy it before the application. While the driver loads, loading a
// library or starting a thread waits for it: the warm-up first starts the
// threads the interface needs for its first window, and whatever plug-in
// that window needs beyond the application's own is best loaded before it.
// Elsewhere than on X11 through GLX it does nothing.
class GraphicsWarmup
{
public:
    GraphicsWarmup();
    // Waits for the thread.
    ~GraphicsWarmup();

    GraphicsWarmup(const GraphicsWarmup&) = delete;
    GraphicsWarmup& operator=(const GraphicsWarmup&) = delete;

    // False where there is nothing to warm up (a platform other than X11, or
    // Qt told to use EGL or no OpenGL there).
    bool isActive() const;

    // Blocks until the driver has been loaded (or the attempt failed).
    void wait();

private:
    bool m_active = false;
    std::thread m_thread;
};
