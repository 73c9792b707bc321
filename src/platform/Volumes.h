#pragma once

#include <QList>
#include <QString>

#include <functional>

// The mounted volumes, as the optical-drive detection sees them: on Linux
// every mount point Qt knows, with its device; a volume is optical when its
// device is a /dev/sr* whose kernel SCSI type (/sys/block/<dev>/device/type)
// is 5 (CD/DVD). Only mounted discs are seen. Tests replace the lister.
namespace Volumes {

struct Volume
{
    QString mountPoint;     // absolute, with "/"
    QString device;
    QString name;           // the volume label; empty when it has none
    quint64 totalBytes = 0;
    quint64 freeBytes = 0;
    bool optical = false;
};

using Lister = std::function<QList<Volume>()>;

QList<Volume> mounted();
// Null restores the system's list.
void setListerForTest(Lister lister);

}
