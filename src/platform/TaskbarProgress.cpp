#include "platform/TaskbarProgress.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QVariantMap>
#include <mutex>

namespace {

std::mutex g_lock;
std::function<void(const TaskbarProgress::Update&)> g_handler;
QString g_desktopId;

QString desktopId()
{
    if (!g_desktopId.isEmpty())
        return g_desktopId;
    QString id = QGuiApplication::desktopFileName();
    if (id.endsWith(QLatin1String(".desktop")))
        id.chop(8);
    if (id.isEmpty())
        id = QCoreApplication::applicationName();
    return id;
}

void send(const TaskbarProgress::Update& u)
{
    std::function<void(const TaskbarProgress::Update&)> handler;
    QString id;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        handler = g_handler;
        id = desktopId();
    }
    if (handler) {
        handler(u);
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || id.isEmpty())
        return;
    QDBusMessage msg = QDBusMessage::createSignal(QStringLiteral("/com/canonical/unity/launcherentry/tarnwick"),
                                                  QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                  QStringLiteral("Update"));
    QVariantMap props;
    props.insert(QStringLiteral("progress"), u.maximum > 0 ? double(u.value) / double(u.maximum) : 0.0);
    props.insert(QStringLiteral("progress-visible"), u.visible);
    msg << QStringLiteral("application://%1.desktop").arg(id) << props;
    bus.send(msg);
}

} // namespace

namespace TaskbarProgress {

void setProgress(int value, int maximum)
{
    if (maximum < 1)
        return;
    Update u;
    u.visible = true;
    u.maximum = maximum;
    u.value = qBound(0, value, maximum);
    send(u);
}

void hide()
{
    send(Update());
}

void setDesktopId(const QString& id)
{
    std::lock_guard<std::mutex> guard(g_lock);
    g_desktopId = id;
}

void setHandlerForTesting(std::function<void(const Update&)> handler)
{
    std::lock_guard<std::mutex> guard(g_lock);
    g_handler = std::move(handler);
}

} // namespace TaskbarProgress
