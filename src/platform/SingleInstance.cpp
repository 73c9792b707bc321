#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QtDebug>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
std::atomic<bool> g_holding{false};
std::atomic<bool> g_waiting{false};

int openLockFile(const QString& name)
{
    const QByteArray path = QFile::encodeName(SingleInstance::lockFilePath(name));
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        qWarning() << "single instance: cannot open" << path << strerror(errno);
        return fd;
    }
    // Without a runtime folder the file lies in the shared temporary folder,
    // where another user could make it first and hold its lock to keep the
    // program from ever starting. Only a file of our own counts.
    struct stat st;
    if (::fstat(fd, &st) != 0 || st.st_uid != ::getuid()) {
        qWarning() << "single instance: ignoring a lock file that is not ours:" << path;
        ::close(fd);
        return -1;
    }
    return fd;
}
}

namespace SingleInstance {

QString lockFilePath(const QString& name)
{
    const QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + QLatin1Char('/') + name + QStringLiteral(".lock");
    return QDir::tempPath() + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(::getuid())
        + QStringLiteral(".lock");
}

bool acquire(const QString& name)
{
    if (g_holding.load())
        return true;
    const int fd = openLockFile(name);
    if (fd < 0)
        return true;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0) {
        g_holding.store(true);   // the descriptor stays open until the process ends
        return true;
    }
    const int err = errno;
    ::close(fd);
    if (err == EWOULDBLOCK)
        return false;
    qWarning() << "single instance: cannot lock" << lockFilePath(name) << strerror(err);
    return true;
}

void acquireWhenFree(const QString& name)
{
    if (g_holding.load() || g_waiting.exchange(true))
        return;
    const int fd = openLockFile(name);
    if (fd < 0)
        return;
    // The ending instance releases its lock when its process goes; the wait
    // is a blocking flock on a thread of its own, so the lock passes over at
    // once and the interface never waits for it.
    std::thread([fd] {
        int rc;
        do {
            rc = ::flock(fd, LOCK_EX);
        } while (rc != 0 && errno == EINTR);
        if (rc == 0)
            g_holding.store(true);
        else
            ::close(fd);
    }).detach();
}

bool holdsLock()
{
    return g_holding.load();
}

}
