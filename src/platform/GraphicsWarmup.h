#pragma once

#include <memory>

// On X11 the first native window loads the display's OpenGL driver (Mesa's
// with LLVM: a large share of the start-up), because widget windows may host
// OpenGL views. A warm-up loads it on a thread of its own, through a display
// connection of its own, while the interface thread builds the main window;
// that window's creation then finds the driver in memory.
//
// Construct it on the interface thread once the QGuiApplication exists, and
// only there. Elsewhere than on X11 it does nothing.
class GraphicsWarmup
{
public:
    GraphicsWarmup();
    // Releases and waits for the thread.
    ~GraphicsWarmup();

    GraphicsWarmup(const GraphicsWarmup&) = delete;
    GraphicsWarmup& operator=(const GraphicsWarmup&) = delete;

    // False where there is nothing to warm up (a platform other than X11).
    bool isActive() const;

    // The thread keeps its connection, and with it its hold on the driver,
    // until this is called: closing it before the program's own windows
    // have loaded the driver would unload it again. Call it once the first
    // window is up; the thread then closes the connection and ends.
    void release();

    // Blocks until the driver has been loaded (or the attempt failed).
    void waitUntilLoaded();

private:
    struct State;
    std::unique_ptr<State> d;
};
