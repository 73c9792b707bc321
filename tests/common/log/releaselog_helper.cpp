// argv[1]: what to do; argv[2]: the level word.
//   "exit":  log a debug and a critical message, then end normally.
//   "segv":  log a line, then crash.
//   "thread": a second thread logs without pause; a critical line, then the
//            application object goes (the exit routine runs) while that
//            thread goes on logging; "exit routine done" is printed once it
//            has; the thread is ended only after a hundred more messages.
// Started again with "crash" as the first word (the crash relaunch), it
// records that in "relaunched.txt" in HOME.
#include "common/log/ReleaseLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

namespace {

int logWhileExiting(int argc, char** argv)
{
    installAppHandlers(QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(argv[2]));
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    std::atomic<int> lines{0};
    std::atomic<bool> stop{false};
    std::thread worker([&] {
        while (!stop.load()) {
            qDebug("worker line");
            lines.fetch_add(1);
        }
    });
    while (lines.load() < 10)
        std::this_thread::yield();
    qCritical("helper critical line");
    app.reset();
    std::fputs("exit routine done\n", stdout);
    std::fflush(stdout);
    const int closedAt = lines.load();
    while (lines.load() < closedAt + 100)
        std::this_thread::yield();
    stop.store(true);
    worker.join();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "crash") == 0) {
        QFile record(QDir::homePath() + QStringLiteral("/relaunched.txt"));
        if (!record.open(QIODevice::WriteOnly))
            return 2;
        record.write(QByteArray(argv[1]) + " " + QByteArray::number(argc - 1));
        return 0;
    }
    if (argc < 3)
        return 2;
    if (std::strcmp(argv[1], "thread") == 0)
        return logWhileExiting(argc, argv);
    installAppHandlers(QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    qDebug("helper debug line");
    if (std::strcmp(argv[1], "segv") != 0 && std::strcmp(argv[1], "exit") != 0)
        return 2;
    if (std::strcmp(argv[1], "exit") == 0) {
        qCritical("helper critical line");
        return 0;
    }
    static volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
    return 1;
}
