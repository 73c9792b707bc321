#include "platform/CrashHandler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace CrashHandler {
namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr int kMaxFrames = 128;

// Everything the handler reads, built once by install() and never freed while
// installed: the handler must not allocate or format through the C library.
struct Prepared {
    QByteArray reportPath;
    QByteArray program;
    QList<QByteArray> argStorage;
    std::vector<char*> argv;
    QByteArray header;
    int maxFd = 1024;
};

std::atomic<Prepared*> g_prepared{nullptr};
std::atomic<long> g_handlingThread{0};
std::atomic<bool> g_installed{false};
struct sigaction g_previous[sizeof(kSignals) / sizeof(kSignals[0])];
void* g_altStack = nullptr;

// --- async-signal-safe output helpers -------------------------------------

void writeAll(int fd, const char* data, size_t len)
{
    while (len > 0) {
        const ssize_t n = ::write(fd, data, len);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        data += n;
        len -= size_t(n);
    }
}

void writeText(int fd, const char* text)
{
    writeAll(fd, text, std::strlen(text));
}

void writeUnsigned(int fd, unsigned long long value, unsigned base)
{
    char buf[32];
    int pos = int(sizeof(buf));
    do {
        const unsigned digit = unsigned(value % base);
        buf[--pos] = char(digit < 10 ? '0' + digit : 'a' + digit - 10);
        value /= base;
    } while (value != 0 && pos > 0);
    if (base == 16) {
        buf[--pos] = 'x';
        buf[--pos] = '0';
    }
    writeAll(fd, buf + pos, sizeof(buf) - size_t(pos));
}

void writeSigned(int fd, long long value)
{
    if (value < 0) {
        writeText(fd, "-");
        writeUnsigned(fd, static_cast<unsigned long long>(-(value + 1)) + 1u, 10);
    } else {
        writeUnsigned(fd, static_cast<unsigned long long>(value), 10);
    }
}

const char* signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV (invalid memory access)";
    case SIGBUS: return "SIGBUS (bus error)";
    case SIGILL: return "SIGILL (illegal instruction)";
    case SIGFPE: return "SIGFPE (arithmetic error)";
    case SIGABRT: return "SIGABRT (aborted)";
    default: return "unexpected signal";
    }
}

void copyFile(int out, const char* path)
{
    const int in = ::open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(in, buf, sizeof(buf));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        writeAll(out, buf, size_t(n));
    }
    ::close(in);
}

void writeReport(int fd, const Prepared& p, int sig, const siginfo_t* info)
{
    writeAll(fd, p.header.constData(), size_t(p.header.size()));

    writeText(fd, "Signal: ");
    writeSigned(fd, sig);
    writeText(fd, " ");
    writeText(fd, signalName(sig));
    writeText(fd, "\nSignal code: ");
    writeSigned(fd, info ? info->si_code : 0);
    writeText(fd, "\n");
    if (info && info->si_code > 0 && sig != SIGABRT) {
        // Raised by the hardware: the address is the faulting one.
        writeText(fd, "Fault address: ");
        writeUnsigned(fd, reinterpret_cast<uintptr_t>(info->si_addr), 16);
        writeText(fd, "\n");
    } else if (info) {
        writeText(fd, "Sent by process: ");
        writeSigned(fd, info->si_pid);
        writeText(fd, "\n");
    }

    writeText(fd, "Process: ");
    writeSigned(fd, ::getpid());
    writeText(fd, "\nThread: ");
    writeSigned(fd, ::syscall(SYS_gettid));
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    writeText(fd, "\nTime: ");
    writeSigned(fd, now.tv_sec);
    writeText(fd, " (seconds since 1970-01-01 UTC)\n");

    writeText(fd, "\nBacktrace:\n");
    void* frames[kMaxFrames];
    const int count = ::backtrace(frames, kMaxFrames);
    ::backtrace_symbols_fd(frames, count, fd);

    // Addresses are only meaningful with the load addresses of this run.
    writeText(fd, "\nMemory map:\n");
    copyFile(fd, "/proc/self/maps");
}

void closeInheritedFiles(int maxFd)
{
    // The new instance must not keep this one's files open (the log, the
    // single-instance lock).
#ifdef SYS_close_range
    if (::syscall(SYS_close_range, 3u, ~0u, 0u) == 0)
        return;
#endif
    for (int fd = 3; fd < maxFd; ++fd)
        ::close(fd);
}

void relaunch(const Prepared& p)
{
    if (p.program.isEmpty())
        return;
    // _Fork runs no fork handlers, so a crash inside malloc or another
    // locked section cannot hang here.
    const pid_t pid = ::_Fork();
    if (pid != 0)
        return;
    // The fatal signal is still blocked in this thread and exec keeps the
    // mask: the new instance would otherwise die silently on its own fault.
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    closeInheritedFiles(p.maxFd);
    ::setsid();
    ::execve(p.program.constData(), const_cast<char* const*>(p.argv.data()), environ);
    ::_exit(127);
}

void onFatalSignal(int sig, siginfo_t* info, void*)
{
    const long self = ::syscall(SYS_gettid);
    long expected = 0;
    if (!g_handlingThread.compare_exchange_strong(expected, self)) {
        if (expected == self)
            ::_exit(128 + sig);   // a fault while reporting: give up at once
        for (;;)
            ::pause();            // the first crashing thread ends the process
    }

    const Prepared* p = g_prepared.load();
    if (p) {
        const int fd = ::open(p->reportPath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd >= 0) {
            writeReport(fd, *p, sig, info);
            ::fsync(fd);
            ::close(fd);
        }
        relaunch(*p);
    }
    ::_exit(128 + sig);
}

bool installAltStack()
{
    if (g_altStack)
        return true;
    long size = ::sysconf(_SC_SIGSTKSZ);
    if (size < 128 * 1024)
        size = 128 * 1024;
    void* mem = std::malloc(size_t(size));
    if (!mem)
        return false;
    stack_t ss{};
    ss.ss_sp = mem;
    ss.ss_size = size_t(size);
    ss.ss_flags = 0;
    if (::sigaltstack(&ss, nullptr) != 0) {
        std::free(mem);
        return false;
    }
    g_altStack = mem;
    return true;
}

} // namespace

QString currentExecutable()
{
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return exe;
}

bool install(const Options& options)
{
    auto* p = new Prepared;
    p->reportPath = QFile::encodeName(QDir::toNativeSeparators(options.reportPath));
    const QString program = options.relaunchProgram.isEmpty() ? currentExecutable()
                                                              : options.relaunchProgram;
    p->program = QFile::encodeName(program);
    p->argStorage.append(p->program);
    for (const QString& arg : options.relaunchArguments)
        p->argStorage.append(arg.toLocal8Bit());
    for (QByteArray& arg : p->argStorage)
        p->argv.push_back(arg.data());
    p->argv.push_back(nullptr);
    p->header = "Crash report\nProgram: " + QFile::encodeName(currentExecutable()) + "\n";
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        p->maxFd = int(qMin<rlim_t>(limit.rlim_cur, 65536));

    // The first backtrace() loads the unwinder, which allocates; do it now.
    void* frames[2];
    ::backtrace(frames, 2);

    // An older set is leaked on purpose: a crashing thread may still read it.
    g_prepared.store(p);

    bool ok = installAltStack();
    if (!g_installed.load()) {
        struct sigaction sa {};
        sa.sa_sigaction = onFatalSignal;
        sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&sa.sa_mask);
        for (int sig : kSignals)
            sigaddset(&sa.sa_mask, sig);
        for (size_t i = 0; i < sizeof(kSignals) / sizeof(kSignals[0]); ++i) {
            if (::sigaction(kSignals[i], &sa, &g_previous[i]) != 0)
                ok = false;
        }
        g_installed.store(true);
    }
    return ok;
}

void uninstall()
{
    if (!g_installed.exchange(false))
        return;
    for (size_t i = 0; i < sizeof(kSignals) / sizeof(kSignals[0]); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
}

bool isInstalled()
{
    return g_installed.load();
}

}
