#include "platform/Volumes.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStorageInfo>

namespace {

QMutex g_lock;
Volumes::Lister g_lister;

bool isOptical(const QString& device)
{
    const QString dev = QFileInfo(device).fileName();
    if (!dev.startsWith(QLatin1String("sr")))
        return false;
    QFile type(QStringLiteral("/sys/block/%1/device/type").arg(dev));
    return type.open(QIODevice::ReadOnly) && type.readAll().trimmed() == "5";
}

} // namespace

namespace Volumes {

QList<Volume> mounted()
{
    {
        QMutexLocker locker(&g_lock);
        if (g_lister)
            return g_lister();
    }
    QList<Volume> result;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady())
            continue;
        Volume v;
        v.mountPoint = s.rootPath();
        v.device = QString::fromLocal8Bit(s.device());
        v.name = s.name();
        v.totalBytes = quint64(qMax<qint64>(0, s.bytesTotal()));
        v.freeBytes = quint64(qMax<qint64>(0, s.bytesFree()));
        v.optical = isOptical(v.device);
        result.append(v);
    }
    return result;
}

void setListerForTest(Lister lister)
{
    QMutexLocker locker(&g_lock);
    g_lister = std::move(lister);
}

}
