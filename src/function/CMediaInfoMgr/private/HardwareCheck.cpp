#include "function/CMediaInfoMgr/private/HardwareCheck.h"

#include "platform/ProcessTree.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>

HardwareCheck::HardwareCheck(QObject* parent)
    : QThread(parent)
{
}

QString HardwareCheck::probeFolder() const
{
    return m_folder.isEmpty() ? QCoreApplication::applicationDirPath() : m_folder;
}

void HardwareCheck::checkHardware()
{
    start(QThread::InheritPriority);
}

void HardwareCheck::onReadOutputs()
{
}

void HardwareCheck::run()
{
    const QString folder = probeFolder();
    QByteArray drivers;
    {
        GroupProcess process;
        process.setWorkingDirectory(folder);
        process.start(folder + QStringLiteral("/DisplayDrivers"), QStringList(), QIODevice::ReadWrite);
        if (!process.waitForStarted(30000) || !process.waitForFinished(m_driverMs)) {
            process.terminateTree();
            QThread::msleep(1000);
            emit doShowInfo(false);
            return;
        }
        drivers = process.readAllStandardOutput();
        process.close();
    }
    qDebug() << "output: " << drivers;
    emit doShowInfo(drivers);
    QThread::msleep(20);

    struct Vendor
    {
        const char* prefix;
        const char* program;
        const char* letter;
    };
    static const Vendor vendors[] = {{"pro:I", "IntelCheck", "I"}, {"pro:N", "NvidiaCheck", "N"}, {"pro:A", "AMDCheck", "A"}};

    const QStringList lines = QString::fromUtf8(drivers).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        const Vendor* vendor = nullptr;
        for (const Vendor& v : vendors) {
            if (line.startsWith(QLatin1String(v.prefix), Qt::CaseInsensitive)) {
                vendor = &v;
                break;
            }
        }
        if (!vendor)
            continue;
        GroupProcess process;
        process.setWorkingDirectory(folder);
        process.start(folder + QLatin1Char('/') + QLatin1String(vendor->program), QStringList(), QIODevice::ReadWrite);
        QElapsedTimer clock;
        clock.start();
        bool ran = true;
        bool hung = false;
        for (;;) {
            if (process.state() == QProcess::NotRunning) {
                ran = false;
                break;
            }
            if (process.waitForFinished(100))
                break;
            // A probe that hangs (a driver that never answers) must not hold
            // the whole check: end its group and report it as failed.
            if (clock.elapsed() >= m_vendorMs) {
                process.terminateTree();
                hung = true;
                break;
            }
        }
        if (hung) {
            emit doShowInfo(QString::fromLatin1(vendor->letter) + QStringLiteral("Error"));
        } else if (ran) {
            const QByteArray err = process.readAllStandardError().trimmed();
            if (!err.isEmpty())
                emit doShowInfo(QString::fromLatin1(vendor->letter) + QStringLiteral("Error"));
            else
                emit doShowInfo(QString::fromLatin1(vendor->letter) + QString::fromUtf8(process.readAllStandardOutput()));
        }
        process.close();
        QThread::msleep(20);
    }
    emit doShowInfo(true);
    qDebug() << "Check Finished.";
}
