// Crashes on purpose in the way its first argument names, after installing
// the crash handler. Started again with "crash", it records its arguments in
// the file named by TW_CRASH_RECORD and ends.
#include "platform/CrashHandler.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>

extern "C" {

__attribute__((noinline)) void crashOnPurposeSegv()
{
    static volatile uintptr_t address = 0x10;
    *reinterpret_cast<volatile int*>(address) = 1;
}

__attribute__((noinline)) void crashOnPurposeFpe()
{
    volatile int a = 1;
    volatile int b = 0;
    volatile int c = a / b;
    (void)c;
}

__attribute__((noinline)) void crashOnPurposeIll()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_trap();
#else
    std::raise(SIGILL);
#endif
}

__attribute__((noinline)) void crashOnPurposeBus(const char* folder)
{
    // Reading a mapped page past the end of an empty file is a bus error.
    const QByteArray path = QByteArray(folder) + "/empty.bin";
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        std::exit(3);
    void* page = ::mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fd, 0);
    if (page == MAP_FAILED)
        std::exit(3);
    volatile char c = *static_cast<volatile char*>(page);
    (void)c;
}

static volatile int g_maxDepth = 1 << 30;

__attribute__((noinline)) int crashOnPurposeRecurse(int depth)
{
    volatile char pad[512];
    pad[0] = char(depth);
    if (depth >= g_maxDepth)
        return 0;
    return crashOnPurposeRecurse(depth + 1) + pad[0];
}

}

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "crash") == 0) {
        QFile record(QString::fromLocal8Bit(qgetenv("TW_CRASH_RECORD")));
        if (!record.open(QIODevice::WriteOnly))
            return 2;
        QStringList args;
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        record.write(args.join(QLatin1Char('\n')).toUtf8());
        return 0;
    }
    if (argc < 4)
        return 2;
    const QByteArray kind = argv[1];
    CrashHandler::Options options;
    options.reportPath = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[3], "self") != 0) {
        options.relaunchProgram = QString::fromLocal8Bit(argv[3]);
        options.relaunchArguments.clear();
        for (int i = 4; i < argc; ++i)
            options.relaunchArguments << QString::fromLocal8Bit(argv[i]);
    }
    if (!CrashHandler::install(options))
        return 2;

    if (kind == "segv")
        crashOnPurposeSegv();
    else if (kind == "abort")
        std::abort();
    else if (kind == "fpe")
        crashOnPurposeFpe();
    else if (kind == "ill")
        crashOnPurposeIll();
    else if (kind == "bus")
        crashOnPurposeBus(qgetenv("TW_CRASH_TMP").constData());
    else if (kind == "overflow")
        return crashOnPurposeRecurse(0);
    else if (kind == "thread")
        std::thread([] { crashOnPurposeSegv(); }).join();
    return 1;   // no crash happened
}
