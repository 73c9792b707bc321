#include "platform/Online.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMutex>
#include <QMutexLocker>
#include <QVariant>

namespace {

QMutex g_mutex;
std::function<Online::State()> g_override;

// NetworkManager's NMState values.
enum : uint {
    NmUnknown = 0,
    NmAsleep = 10,
    NmDisconnected = 20,
    NmDisconnecting = 30,
};

// Short, so that a stuck bus never holds up the caller for long.
const int kBusTimeoutMs = 1000;

Online::State askNetworkManager()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return Online::State::Unknown;
    QDBusMessage msg = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.NetworkManager"), QStringLiteral("/org/freedesktop/NetworkManager"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    msg << QStringLiteral("org.freedesktop.NetworkManager") << QStringLiteral("State");
    const QDBusMessage reply = bus.call(msg, QDBus::Block, kBusTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return Online::State::Unknown;
    const QVariant v = reply.arguments().constFirst().value<QDBusVariant>().variant();
    bool ok = false;
    const uint st = v.toUInt(&ok);
    if (!ok || st == NmUnknown)
        return Online::State::Unknown;
    if (st == NmAsleep || st == NmDisconnected || st == NmDisconnecting)
        return Online::State::Offline;
    return Online::State::Online;
}

} // namespace

namespace Online {

State state()
{
    std::function<State()> fn;
    {
        QMutexLocker lock(&g_mutex);
        fn = g_override;
    }
    return fn ? fn() : askNetworkManager();
}

bool isOnline()
{
    return state() != State::Offline;
}

void setStateOverride(std::function<State()> fn)
{
    QMutexLocker lock(&g_mutex);
    g_override = std::move(fn);
}

}
