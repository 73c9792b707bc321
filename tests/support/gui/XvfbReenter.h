#pragma once

// Starting a program again under xvfb-run (a private virtual X display, 96
// dpi, no compositor), for tests and benchmarks that need real windows.
//
//   XvfbMain::reenterUnderXvfb(argc, argv);   // first thing in main()

#include <QByteArray>
#include <QByteArrayList>
#include <QVector>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace XvfbMain {

// Returns only in the child, on the virtual display.
inline void reenterUnderXvfb(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("TW_XVFB_CHILD"))
        return;
    qputenv("TW_XVFB_CHILD", "1");
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_FONT_DPI", "96");
    qunsetenv("TW_COMPOSITION");
    QByteArrayList args = {"xvfb-run", "-a", "-s", "-screen 0 1600x1000x24 -nolisten tcp", argv[0]};
    for (int i = 1; i < argc; ++i)
        args << argv[i];
    QVector<char*> raw;
    for (QByteArray& a : args)
        raw << a.data();
    raw << nullptr;
    execvp("xvfb-run", raw.data());
    qFatal("cannot start xvfb-run: %s", strerror(errno));
}

} // namespace XvfbMain
