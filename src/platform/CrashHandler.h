#pragma once

#include <QString>
#include <QStringList>

// Fatal-signal handling. Linux has no minidump writer, so a crash leaves a
// plain-text report (signal, fault address, backtrace, memory map) and starts
// the program again in its crash-report mode.
//
// Everything the handler needs (paths, argument vector, the unwinder) is
// prepared by install(); the handler itself only makes async-signal-safe
// calls.
namespace CrashHandler {

struct Options {
    // Where the report goes; created anew (mode 0600) at every crash.
    QString reportPath;
    // The program started after the report; empty means this executable.
    QString relaunchProgram;
    QStringList relaunchArguments = QStringList{QStringLiteral("crash")};
};

// Installs the handlers for SIGSEGV, SIGBUS, SIGILL, SIGFPE and SIGABRT and
// an alternate signal stack for the calling thread (call it from the main
// thread, so a stack overflow there can still be reported). Calling it again
// replaces the options. Returns false when a handler could not be installed.
bool install(const Options& options);

// Restores the default actions (tests; a program keeps the handlers).
void uninstall();

bool isInstalled();

// The real path of the running executable.
QString currentExecutable();

}
