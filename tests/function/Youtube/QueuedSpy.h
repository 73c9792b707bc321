#pragma once

#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QVariant>
#include <type_traits>

// Records the emissions of a signal like QSignalSpy, for signals that a
// worker thread emits.
//
// QSignalSpy records through a direct connection, on whatever thread emits,
// while the test reads it on its own thread: with a worker thread that is a
// data race on the spy's list. This spy is connected queued instead, so
// every emission is recorded on the test's thread by its event loop (which
// QTRY_* and wait() run). Emissions are recorded in the order they were
// made.
class QueuedSpy : public QObject, public QList<QList<QVariant>>
{
public:
    template <typename Sender, typename... Args>
    QueuedSpy(const Sender* sender, void (Sender::*signal)(Args...))
    {
        connect(sender, signal, this, [this](std::decay_t<Args>... args) {
            append(QList<QVariant>{QVariant::fromValue(args)...});
            if (m_loop)
                m_loop->quit();
        }, Qt::QueuedConnection);
    }

    // True when an emission is recorded within timeout milliseconds.
    bool wait(int timeout = 5000)
    {
        const int before = size();
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
        loop.exec();
        m_loop = nullptr;
        return size() > before;
    }

private:
    QEventLoop* m_loop = nullptr;
};
