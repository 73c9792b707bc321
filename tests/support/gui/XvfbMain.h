#pragma once

// A test main for tests that need real windows: the test starts itself again
// under xvfb-run (a private virtual X display, 96 dpi, no compositor) and
// runs there.
//
//   TW_XVFB_TEST_MAIN(TestClass)

#include "XvfbReenter.h"

#include <QApplication>
#include <QtTest>

#define TW_XVFB_TEST_MAIN(TestObject)                          \
    int main(int argc, char** argv)                            \
    {                                                          \
        XvfbMain::reenterUnderXvfb(argc, argv);                \
        QApplication app(argc, argv);                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);               \
        TestObject tc;                                         \
        return QTest::qExec(&tc, argc, argv);                  \
    }
