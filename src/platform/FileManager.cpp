#include "platform/FileManager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>
#include <QDesktopServices>
#include <QMutex>
#include <QMutexLocker>
#include <QUrl>

namespace {

QMutex g_mutex;
std::function<bool(const FileManager::Request&)> g_handler;

// A file manager that has to start first may take a moment to answer.
const int kBusTimeoutMs = 5000;

bool handled(const FileManager::Request& req, bool* result)
{
    std::function<bool(const FileManager::Request&)> h;
    {
        QMutexLocker lock(&g_mutex);
        h = g_handler;
    }
    if (!h)
        return false;
    *result = h(req);
    return true;
}

bool openFolderOnDesktop(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

bool showItemsOverBus(const QStringList& files)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QStringList uris;
    for (const QString& f : files)
        uris << QUrl::fromLocalFile(f).toString(QUrl::FullyEncoded);
    QDBusMessage msg = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    msg << uris << QString();
    const QDBusMessage reply = bus.call(msg, QDBus::Block, kBusTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        qWarning() << "FileManager1.ShowItems failed:" << reply.errorName() << reply.errorMessage();
        return false;
    }
    return true;
}

} // namespace

namespace FileManager {

bool showItems(const QString& folder, const QStringList& files)
{
    Request req;
    req.kind = Request::ShowItems;
    req.folder = folder;
    req.files = files;
    bool result = false;
    if (handled(req, &result))
        return result;
    if (!files.isEmpty() && showItemsOverBus(files))
        return true;
    return openFolderOnDesktop(folder);
}

bool openFolder(const QString& folder)
{
    Request req;
    req.kind = Request::OpenFolder;
    req.folder = folder;
    bool result = false;
    if (handled(req, &result))
        return result;
    return openFolderOnDesktop(folder);
}

void setHandlerForTesting(std::function<bool(const Request&)> handler)
{
    QMutexLocker lock(&g_mutex);
    g_handler = std::move(handler);
}

}
