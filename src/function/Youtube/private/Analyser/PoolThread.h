#pragma once

#include "function/Youtube/private/FencedThread.h"

#include <condition_variable>
#include <functional>
#include <mutex>

// A pool member whose thread lives as long as the member: each job is handed
// to the waiting thread instead of starting a thread per job, so a member
// that has finished one job can take the next at once, and a thousand
// entries cost eight threads, not a thousand.
//
// A subclass puts its job into runJob(), hands jobs over with post(), and
// calls shutDown() first thing in its destructor (the thread must be gone
// before the subclass's members are).
class PoolThread : public FencedThread
{
public:
    using FencedThread::FencedThread;

    // Called on the member's thread after each job, once the member takes
    // jobs again.
    void setJobDone(std::function<void()> done) { m_jobDone = std::move(done); }

    // From being handed a job until that job has ended.
    bool isBusy() const
    {
        std::lock_guard l(m_lock);
        return m_busy;
    }

protected:
    virtual void runJob() = 0;

    // Hands the job whose data the caller has just set to the thread,
    // starting the thread the first time.
    void post()
    {
        {
            std::lock_guard l(m_lock);
            m_busy = true;
            m_pending = true;
        }
        m_wake.notify_one();
        if (!QThread::isRunning())
            start();
    }

    // Ends the thread once its current job is over; the caller has asked the
    // job to stop.
    void shutDown()
    {
        {
            std::lock_guard l(m_lock);
            m_quit = true;
        }
        m_wake.notify_one();
        wait();
    }

    void run() final
    {
        const RunFence fence(this);
        for (;;) {
            {
                std::unique_lock l(m_lock);
                m_wake.wait(l, [this] { return m_pending || m_quit; });
                if (!m_pending)
                    return;
                m_pending = false;
            }
            runJob();
            {
                std::lock_guard l(m_lock);
                m_busy = false;
            }
            if (m_jobDone)
                m_jobDone();
        }
    }

private:
    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_pending = false;
    bool m_busy = false;
    bool m_quit = false;
    std::function<void()> m_jobDone;
};
