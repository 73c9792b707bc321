#pragma once

#include "data_structure/DownloadItem/DownloadItem.h"
#include "function/Youtube/private/FencedThread.h"

#include <QList>
#include <QStringList>
#include <QThread>
#include <condition_variable>
#include <mutex>

class ItemDownloader;

// The engine's download dispatcher: a queue of waiting jobs and five
// workers. A worker that ends takes the next waiting job at once. When the
// queue is empty and every worker idle, the batch is reported with one
// doDownloadFinished. The jobs belong to the download page's rows.
class DownloadThread : public FencedThread
{
    Q_OBJECT
public:
    static constexpr int kWorkerCount = 5;

    explicit DownloadThread(QObject* parent = nullptr);
    ~DownloadThread() override;

    // Queues a batch; false (nothing queued) for an empty batch, a batch
    // that mixes live recordings and ordinary jobs, one of the other kind
    // than the jobs queued or running, or live recordings that would not
    // all get a worker at once.
    bool add(const QList<DownloadItem*>& items);
    int busyCount() const;
    QList<DownloadItem*> runningJobs() const;
    // Whether item waits in the queue or a worker runs it.
    bool isPending(const DownloadItem* item) const;
    // Takes item out of the queue and stops its run. detach: the caller
    // destroys item right after. A job whose run has already finished it
    // keeps its place in the batch's report.
    void stop(DownloadItem* item, bool detach);
    // Empties the queue and stops every worker; wait: returns only when
    // every worker has ended. The running jobs among keepData keep their
    // temp folders.
    void stopAll(bool detach, bool wait, const QList<DownloadItem*>& keepData = {});

    const QList<ItemDownloader*>& workers() const { return m_workers; }

signals:
    // The titles of the batch's jobs that succeeded and that failed; jobs
    // the user stopped or cancelled stand in neither.
    void doDownloadFinished(QStringList successedFiles, QStringList failedFiles);

protected:
    void run() override;

private:
    void workerEnded(ItemDownloader* worker, DownloadItem* job, const QString& title, int result);
    int busyCountLocked() const;
    bool isRunningJobLocked(const DownloadItem* item) const;
    int batchIndexLocked(const DownloadItem* item) const;

    // A job of the batch and, once its run has ended, how it ended. The
    // result is kept here because the job's owner may take the job back
    // (and destroy it) the moment it hears of the end, before the batch is
    // reported; such an entry forgets the job's address, which a later job
    // may come to have.
    struct BatchJob
    {
        DownloadItem* job = nullptr;
        bool ended = false;
        QString title;
        int result = 0;
    };

    mutable std::mutex m_lock;             // everything below but m_workers
    std::condition_variable m_changed;          // a job came, a worker ended, a stop
    bool m_stopping = false;
    QList<DownloadItem*> m_queue;
    QList<ItemDownloader*> m_workers;
    bool m_liveBatch = false;
    QList<BatchJob> m_batchJobs;           // in the order they were added
    bool m_active = false;             // a dispatch run is under way
};
