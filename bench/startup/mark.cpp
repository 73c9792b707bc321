// Linked into both programs the start-up benchmark runs. Once the first
// top-level window has been painted, prints the monotonic clock and the
// resident memory, then ends the program through its event loop.

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

long long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            // The window's children are painted in the same pass, right after
            // it: the mark comes when the pass has ended, ahead of whatever
            // the program queued meanwhile.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return false;
    }

protected:
    void customEvent(QEvent*) override
    {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        std::printf("mark %lld %lld\n", (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec, residentKiB());
        std::fflush(stdout);
        QCoreApplication::quit();
    }

private:
    bool m_seen = false;
};

void installMark()
{
    if (qEnvironmentVariableIsSet("TW_STARTUP_MARK"))
        qApp->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installMark)
