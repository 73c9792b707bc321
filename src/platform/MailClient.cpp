#include "platform/MailClient.h"

#include <QDebug>
#include <QDesktopServices>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>

namespace {

QMutex g_mutex;
std::function<bool(const QUrl&)> g_handler;

// The query reads a few small files; a desktop that takes longer is broken.
const int kQueryTimeoutMs = 1000;

bool desktopNamesMailHandler()
{
    QProcess query;
    query.setProcessChannelMode(QProcess::SeparateChannels);
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForStarted(kQueryTimeoutMs)) {
        qWarning() << "xdg-mime is missing; no mail handler known";
        return false;
    }
    if (!query.waitForFinished(kQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished(kQueryTimeoutMs);
        qWarning() << "xdg-mime did not answer; no mail handler known";
        return false;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return false;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

}

namespace MailClient {

bool open(const QUrl& link)
{
    std::function<bool(const QUrl&)> handler;
    {
        QMutexLocker lock(&g_mutex);
        handler = g_handler;
    }
    if (handler)
        return handler(link);
    if (!desktopNamesMailHandler())
        return false;
    return QDesktopServices::openUrl(link);
}

void setHandlerForTesting(std::function<bool(const QUrl&)> fn)
{
    QMutexLocker lock(&g_mutex);
    g_handler = std::move(fn);
}

}
