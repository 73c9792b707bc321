#pragma once

// Runs a change in a child process (the test binary itself, started with
// "--kill-step <n> <args...>") that is killed at its n-th write step, for n
// = 1, 2, ... until the change completes without reaching step n. After each
// kill the caller reads the file back. The child side: KillSteps::childStep
// is installed as the write hook and ends the process with SIGKILL when the
// count is reached.

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <QtTest>

#include <csignal>
#include <functional>

namespace KillSteps {

inline int& killAt()
{
    static int n = 0;
    return n;
}

inline void childStep()
{
    static int steps = 0;
    if (++steps == killAt())
        ::raise(SIGKILL);
}

// Returns how many runs were killed; check is called after every run, with
// whether that run was killed.
inline int runUntilComplete(const QStringList& args, const std::function<void()>& prepare,
                            const std::function<void(bool killed)>& check)
{
    int kills = 0;
    for (int n = 1; n < 50; ++n) {
        prepare();
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), QStringList{"--kill-step", QString::number(n)} + args);
        if (!child.waitForStarted(20000) || !child.waitForFinished(60000))
            return -1;
        const bool killed = child.exitStatus() == QProcess::CrashExit;
        check(killed);
        if (!killed) {
            if (child.exitCode() != 0)
                return -1;
            return kills;
        }
        ++kills;
    }
    return -1;
}

} // namespace KillSteps
