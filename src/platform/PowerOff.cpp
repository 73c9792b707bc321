#include "platform/PowerOff.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMutex>
#include <QtDebug>

namespace {

class LogindPowerOff : public PowerOffBackend
{
public:
    bool powerOff() override
    {
        if (qEnvironmentVariableIsSet("TW_NO_POWEROFF")) {
            qWarning() << "power-off refused: TW_NO_POWEROFF is set";
            return false;
        }
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected()) {
            qWarning() << "power-off: no system bus";
            return false;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
        call << false;   // not interactive: no authentication dialog
        const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            qWarning() << "power-off refused:" << reply.errorName() << reply.errorMessage();
            return false;
        }
        return true;
    }
};

QMutex& backendMutex()
{
    static QMutex mutex;
    return mutex;
}

std::unique_ptr<PowerOffBackend>& backendSlot()
{
    static std::unique_ptr<PowerOffBackend> backend;
    return backend;
}

}

namespace PowerOff {

std::unique_ptr<PowerOffBackend> makeLogindBackend()
{
    return std::make_unique<LogindPowerOff>();
}

void setBackend(std::unique_ptr<PowerOffBackend> backend)
{
    QMutexLocker locker(&backendMutex());
    backendSlot() = std::move(backend);
}

bool request()
{
    QMutexLocker locker(&backendMutex());
    if (!backendSlot())
        backendSlot() = makeLogindBackend();
    return backendSlot()->powerOff();
}

}
