#include "shell/MessageHook.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QPair>
#include <QThread>
#include <QVector>

namespace MessageHook {
namespace {

struct HookState {
    QMutex mutex;
    CriticalFn fn;
    FatalFn fatalFn;
    QVector<QPair<QString, QString>> pending;
};

HookState& state()
{
    static HookState s;
    return s;
}

bool onApplicationThread()
{
    QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// Shows what is pending; only on the application's thread, with the hook
// called outside the lock (it runs a modal window and may report again).
void showPending()
{
    HookState& s = state();
    QVector<QPair<QString, QString>> messages;
    CriticalFn fn;
    {
        QMutexLocker locker(&s.mutex);
        if (!s.fn || !QCoreApplication::instance())
            return;
        fn = s.fn;
        messages.swap(s.pending);
    }
    for (const auto& m : qAsConst(messages))
        fn(m.first, m.second);
}

void showPendingOnApplicationThread()
{
    if (onApplicationThread()) {
        showPending();
        return;
    }
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { showPending(); }, Qt::QueuedConnection);
}

} // namespace

void installCritical(CriticalFn fn)
{
    HookState& s = state();
    QMutexLocker locker(&s.mutex);
    s.fn = std::move(fn);
}

void critical(const QString& title, const QString& text)
{
    // A warning, not a critical message: a message for the user does not by
    // itself mark the run for an error report, and the log handler then never
    // writes the settings store (which may be what is reporting here).
    qWarning("%s: %s", qUtf8Printable(title), qUtf8Printable(text));
    {
        HookState& s = state();
        QMutexLocker locker(&s.mutex);
        s.pending.append(qMakePair(title, text));
    }
    showPendingOnApplicationThread();
}

bool hasPending()
{
    HookState& s = state();
    QMutexLocker locker(&s.mutex);
    return !s.pending.isEmpty();
}

void flushPending()
{
    showPendingOnApplicationThread();
}

void installFatal(FatalFn fn)
{
    HookState& s = state();
    QMutexLocker locker(&s.mutex);
    s.fatalFn = std::move(fn);
}

void fatal(const QString& text)
{
    qCritical("%s", qUtf8Printable(text));
    FatalFn fn;
    {
        HookState& s = state();
        QMutexLocker locker(&s.mutex);
        fn = s.fatalFn;
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    auto report = [fn, text] {
        if (fn)
            fn(text);
        else
            QCoreApplication::exit(-1);
    };
    if (onApplicationThread())
        report();
    else
        QMetaObject::invokeMethod(app, report, Qt::QueuedConnection);
}

}
