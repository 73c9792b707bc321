#include "platform/Signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QtDebug>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};
volatile sig_atomic_t g_terminating = 0;

// Only async-signal-safe work here: one byte into the socket.
void onSignal(int sig)
{
    const int saved = errno;
    g_terminating = 1;
    const char byte = char(sig);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);
    errno = saved;
}
}

namespace Signals {

bool installQuitOnTerminate()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || g_pipe[0] >= 0)
        return false;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        qWarning() << "cannot create the signal socket:" << strerror(errno);
        return false;
    }
    auto* notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [] {
        char buffer[16];
        while (::read(g_pipe[1], buffer, sizeof buffer) > 0) {
        }
        qInfo() << "termination signal received, leaving the event loop";
        QCoreApplication::quit();
    });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    bool ok = ::sigaction(SIGTERM, &sa, nullptr) == 0;
    ok = ::sigaction(SIGINT, &sa, nullptr) == 0 && ok;
    return ok;
}

bool terminationRequested()
{
    return g_terminating != 0;
}

}
