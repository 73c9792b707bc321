#include "platform/Online.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMutex>
#include <QMutexLocker>
#include <QVariant>

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace {

QMutex g_mutex;
std::function<Online::State()> g_override;
std::function<bool()> g_interfaceCheck;

// NetworkManager's NMState values.
enum : uint {
    NmUnknown = 0,
    NmAsleep = 10,
    NmDisconnected = 20,
    NmDisconnecting = 30,
};

// Short, so that a stuck bus never holds up the caller for long.
const int kBusTimeoutMs = 1000;

// An interface besides loopback that is up, has a carrier and an address.
bool hasActiveInterface()
{
    std::function<bool()> fn;
    {
        QMutexLocker lock(&g_mutex);
        fn = g_interfaceCheck;
    }
    if (fn)
        return fn();
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return true;   // cannot tell: let the request be tried
    bool found = false;
    for (const ifaddrs* a = list; a && !found; a = a->ifa_next) {
        if (!a->ifa_addr || (a->ifa_flags & IFF_LOOPBACK) || !(a->ifa_flags & IFF_UP)
            || !(a->ifa_flags & IFF_RUNNING))
            continue;
        found = a->ifa_addr->sa_family == AF_INET || a->ifa_addr->sa_family == AF_INET6;
    }
    ::freeifaddrs(list);
    return found;
}

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
    if (st == NmAsleep || st == NmDisconnected || st == NmDisconnecting) {
        // NetworkManager counts only the devices it manages: a connection set
        // up elsewhere (ifupdown, systemd-networkd) leaves it "disconnected"
        // on a machine that is online. Its word is taken only when nothing
        // else is up either.
        return hasActiveInterface() ? Online::State::Unknown : Online::State::Offline;
    }
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

void setInterfaceCheckForTesting(std::function<bool()> fn)
{
    QMutexLocker lock(&g_mutex);
    g_interfaceCheck = std::move(fn);
}

}
