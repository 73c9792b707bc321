#pragma once

#include <QEventLoop>
#include <QThread>
#include <atomic>
#include <climits>

// A QThread whose start and end are ordering points a thread checker can see.
//
// QThread tells that a run has begun or ended (isRunning(), wait(),
// finished) through Qt's own locks, which are built on bare futexes in Qt 5;
// ThreadSanitizer cannot see through them, so what one thread wrote before
// starting a run, or what a run wrote before ending, looks unordered against
// the thread that goes on once isRunning() or wait() has answered. Here
// start() releases before it starts the run, each run releases as it ends,
// and isRunning() and a successful wait() acquire, which states that
// ordering explicitly. Behaviour is QThread's.
//
// A subclass opens run() with `const RunFence fence(this);`, so the release
// comes after every other local of the run has been destroyed, on every
// return path. The hiding functions work when called through the subclass.
class FencedThread : public QThread
{
public:
    using QThread::QThread;

    void start(Priority priority = InheritPriority)
    {
        release();
        QThread::start(priority);
    }

    bool wait(unsigned long ms = ULONG_MAX)
    {
        const bool ended = QThread::wait(ms);
        if (ended)
            acquire();
        return ended;
    }

    bool isRunning() const
    {
        const bool running = QThread::isRunning();
        acquire();
        return running;
    }

    // Runs the thread and returns once it has ended, waiting in a local
    // event loop so that a graphical caller stays responsive meanwhile.
    void startAndWait()
    {
        QEventLoop loop;
        // Queued: a thread that ends before the loop runs still quits it.
        connect(this, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        start();
        loop.exec();
        wait();
    }

protected:
    class RunFence
    {
    public:
        explicit RunFence(FencedThread* thread) : m_thread(thread) {}
        ~RunFence() { m_thread->release(); }
        RunFence(const RunFence&) = delete;
        RunFence& operator=(const RunFence&) = delete;

    private:
        FencedThread* m_thread;
    };

private:
    void release() { m_handOvers.fetch_add(1, std::memory_order_release); }
    void acquire() const { (void)m_handOvers.load(std::memory_order_acquire); }

    std::atomic<unsigned> m_handOvers{0};
};
