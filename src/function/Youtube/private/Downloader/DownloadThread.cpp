#include "function/Youtube/private/Downloader/DownloadThread.h"

#include "function/Youtube/private/Downloader/ItemDownloader.h"
#include "platform/SleepInhibitor.h"

#include <QDebug>
#include <mutex>

DownloadThread::DownloadThread(QObject* parent) : FencedThread(parent)
{
    for (int i = 0; i < kWorkerCount; ++i) {
        auto* w = new ItemDownloader(this);
        w->setEndedCallback([this](ItemDownloader* worker, DownloadItem* job, const QString& title, int result) {
            workerEnded(worker, job, title, result);
        });
        m_workers.append(w);
    }
}

DownloadThread::~DownloadThread()
{
    {
        std::unique_lock l(m_lock);
        m_stopping = true;
        m_queue.clear();
        for (ItemDownloader* w : qAsConst(m_workers))
            w->stop(false);
        m_changed.notify_all();
    }
    for (ItemDownloader* w : qAsConst(m_workers))
        w->wait();
    wait();
}

int DownloadThread::busyCountLocked() const
{
    int n = 0;
    for (ItemDownloader* w : m_workers)
        if (w->isBusy())
            ++n;
    return n;
}

int DownloadThread::busyCount() const
{
    std::unique_lock l(m_lock);
    return busyCountLocked();
}

bool DownloadThread::isRunningJobLocked(const DownloadItem* item) const
{
    for (ItemDownloader* w : m_workers)
        if (w->isBusy() && w->currentJob() == item)
            return true;
    return false;
}

int DownloadThread::batchIndexLocked(const DownloadItem* item) const
{
    for (int i = 0; i < m_batchJobs.size(); ++i)
        if (m_batchJobs.at(i).job == item)
            return i;
    return -1;
}

QList<DownloadItem*> DownloadThread::runningJobs() const
{
    std::unique_lock l(m_lock);
    QList<DownloadItem*> jobs;
    for (ItemDownloader* w : m_workers)
        if (DownloadItem* j = w->currentJob())
            jobs.append(j);
    return jobs;
}

bool DownloadThread::isPending(const DownloadItem* item) const
{
    if (!item)
        return false;
    std::unique_lock l(m_lock);
    for (const DownloadItem* queued : m_queue)
        if (queued == item)
            return true;
    return isRunningJobLocked(item);
}

bool DownloadThread::add(const QList<DownloadItem*>& items)
{
    if (items.isEmpty() || items.contains(nullptr))
        return false;
    const bool live = items.first()->isLiveStream;
    for (DownloadItem* item : items)
        if (item->isLiveStream != live)
            return false;         // one batch is of one kind

    // A job tells the engine of its end through a connection that its
    // owner's thread makes in onInit, which the job's constructor queues. A
    // job handed over before that event ran could end on a worker first and
    // its news be lost: make the connection now, before a worker sees it.
    for (DownloadItem* item : items)
        if (item->thread() == QThread::currentThread())
            item->onInit();

    bool needStart = false;
    {
        std::unique_lock l(m_lock);
        const int pending = busyCountLocked() + m_queue.size();
        if (pending > 0 && live != m_liveBatch)
            return false;
        if (live) {
            // Every recording needs a worker of its own the moment it starts.
            int fresh = 0;
            for (DownloadItem* item : items)
                if (!m_queue.contains(item) && !isRunningJobLocked(item))
                    ++fresh;
            if (pending >= kWorkerCount || pending + fresh > kWorkerCount)
                return false;
        }
        m_liveBatch = live;
        for (DownloadItem* item : items) {
            if (batchIndexLocked(item) < 0)
                m_batchJobs.append(BatchJob{item});
            if (!m_queue.contains(item) && !isRunningJobLocked(item))
                m_queue.append(item);
        }
        // A run that was told to stop carries on with these jobs instead of
        // ending and dropping them.
        m_stopping = false;
        if (!m_active) {
            m_active = true;
            needStart = true;
        }
        m_changed.notify_all();
    }
    if (needStart) {
        // The last run has reported and is returning; let it.
        if (isRunning())
            wait();
        start(QThread::InheritPriority);
    }
    return true;
}

void DownloadThread::stop(DownloadItem* item, bool detach)
{
    if (!item)
        return;
    std::unique_lock l(m_lock);
    const bool queued = m_queue.removeAll(item) > 0;
    const bool running = isRunningJobLocked(item);
    bool finished = false;
    QString title;
    int result = 0;
    for (ItemDownloader* w : qAsConst(m_workers))
        if (w->stop(item, detach, &title, &result))
            finished = true;
    const int at = batchIndexLocked(item);
    if (at >= 0) {
        if (queued || (running && !finished)) {
            // The user's own stop: the job stands in neither list.
            m_batchJobs.removeAt(at);
        } else {
            // The job's run has ended already (its owner takes back a
            // finished job): nothing was stopped, and the end counts.
            BatchJob& b = m_batchJobs[at];
            if (finished) {
                b.ended = true;
                b.title = title;
                b.result = result;
            }
            if (detach && b.ended)
                b.job = nullptr;
        }
    }
    m_changed.notify_all();
}

void DownloadThread::stopAll(bool detach, bool waitForWorkers, const QList<DownloadItem*>& keepData)
{
    {
        std::unique_lock l(m_lock);
        m_queue.clear();
        m_batchJobs.clear();
        if (m_active)
            m_stopping = true;
        for (ItemDownloader* w : qAsConst(m_workers))
            w->stop(detach, keepData);
        m_changed.notify_all();
    }
    if (waitForWorkers) {
        for (ItemDownloader* w : qAsConst(m_workers)) {
            // A worker is idle once it has told its end; then its thread
            // only returns.
            while (w->isBusy())
                w->wait(50);
            w->wait();
        }
    }
}

void DownloadThread::workerEnded(ItemDownloader* worker, DownloadItem* job, const QString& title, int result)
{
    std::unique_lock l(m_lock);
    const int at = job ? batchIndexLocked(job) : -1;
    if (at >= 0) {
        BatchJob& b = m_batchJobs[at];
        b.ended = true;
        b.title = title;
        b.result = result;
    }
    worker->setIdle();
    m_changed.notify_all();
}

void DownloadThread::run()
{
    const RunFence fence(this);
    SleepInhibitor awake;
    awake.acquire(QStringLiteral("Downloading"));
    qDebug() << "Thread Test: DownloadThread start";

    QStringList succeeded, failed;
    {
        std::unique_lock l(m_lock);
        for (;;) {
            const int busy = busyCountLocked();
            if (m_stopping) {
                if (busy == 0)
                    break;
            } else if (!m_queue.isEmpty()) {
                ItemDownloader* idle = nullptr;
                for (ItemDownloader* w : qAsConst(m_workers))
                    if (!w->isBusy()) {
                        idle = w;
                        break;
                    }
                if (idle) {
                    idle->start(m_queue.takeFirst());
                    continue;
                }
            } else if (busy == 0) {
                break;
            }
            m_changed.wait(l);
        }
        // Decided under the lock: a batch added from now on starts a new run.
        m_stopping = false;
        m_queue.clear();
        for (const BatchJob& b : qAsConst(m_batchJobs)) {
            if (!b.ended)
                continue;          // never ran
            if (b.result == DownloadItem::DownloadSuccess)
                succeeded.append(b.title);
            else if (b.result == DownloadItem::DownloadFormatUnavailable
                     || b.result == DownloadItem::DownloadInterrupted || b.result == DownloadItem::DownloadFailed)
                failed.append(b.title);
        }
        m_batchJobs.clear();
        m_active = false;
    }
    emit doDownloadFinished(succeeded, failed);
    qDebug() << "Thread Test: DownloadThread end";
    awake.release();
}
