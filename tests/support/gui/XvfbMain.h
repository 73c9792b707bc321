#pragma once

// A test main for tests that need real windows: the test starts itself again
// under xvfb-run (a private virtual X display, 96 dpi, no compositor) and
// runs there.
//
//   TW_XVFB_TEST_MAIN(TestClass)

#include <QApplication>
#include <QByteArrayList>
#include <QVector>
#include <QtTest>
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

#define TW_XVFB_TEST_MAIN(TestObject)                          \
    int main(int argc, char** argv)                            \
    {                                                          \
        XvfbMain::reenterUnderXvfb(argc, argv);                \
        QApplication app(argc, argv);                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);               \
        TestObject tc;                                         \
        return QTest::qExec(&tc, argc, argv);                  \
    }
