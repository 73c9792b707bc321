#include "platform/SleepInhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDebug>
#include <QMutexLocker>

#include <fcntl.h>
#include <unistd.h>

namespace {
// logind answers at once or not at all; a missing service must not hold up
// the analysis.
constexpr int kCallTimeoutMs = 2000;
}

SleepInhibitor::~SleepInhibitor()
{
    release();
}

bool SleepInhibitor::acquire(const QString& why)
{
    QMutexLocker l(&m_lock);
    if (m_fd >= 0)
        return true;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    QString who = QCoreApplication::applicationName();
    if (who.isEmpty())
        who = QStringLiteral("Tarnwick");
    call << QStringLiteral("sleep") << who << why << QStringLiteral("block");
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qInfo() << "sleep inhibitor not available:" << reply.errorMessage();
        return false;
    }
    const QDBusUnixFileDescriptor fd = reply.arguments().first().value<QDBusUnixFileDescriptor>();
    if (!fd.isValid())
        return false;
    // The message's descriptor closes with it; keep a duplicate of our own.
    m_fd = ::fcntl(fd.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
    return m_fd >= 0;
}

void SleepInhibitor::release()
{
    QMutexLocker l(&m_lock);
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool SleepInhibitor::isActive() const
{
    QMutexLocker l(&m_lock);
    return m_fd >= 0;
}
