// argv[1]: what to do; argv[2]: the level word.
//   "exit":  log a debug and a critical message, then end normally.
//   "segv":  log a line, then crash.
// Started again with "crash" as the first word (the crash relaunch), it
// records that in "relaunched.txt" in HOME.
#include "common/log/ReleaseLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstring>

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
