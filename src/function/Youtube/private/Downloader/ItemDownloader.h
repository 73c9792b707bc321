#pragma once

#include "data_structure/DownloadItem/DownloadItem.h"
#include "function/Youtube/private/FencedThread.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

class GroupProcess;

// One of the download thread's five workers: runs one job at a time. It
// waits for a scheduled live recording's start, prepares the job's temp
// folder, runs the downloader program (or ffmpeg for a live stream), turns
// their output into the job's progress, retries an interrupted download,
// decides the result and finishes the job.
//
// The job belongs to the download page and may be stopped and destroyed by
// the graphical thread at any moment: every access to it from the worker
// happens under the worker's job lock, and a detaching stop switches the
// worker, under that lock, to a copy it owns.
class ItemDownloader : public FencedThread
{
    Q_OBJECT
public:
    explicit ItemDownloader(QObject* parent = nullptr);
    ~ItemDownloader() override;

    // Called by the download thread when the worker is idle.
    void start(DownloadItem* item);

    // Stops the run of item, when this worker runs it. detach: the caller
    // destroys item right after; the worker carries on with its own copy.
    // True when the run has already finished item, so that nothing is left
    // to stop: title and result then tell how it ended.
    bool stop(const DownloadItem* item, bool detach, QString* title = nullptr, int* result = nullptr);
    // Stops whatever this worker runs. A job among keepData (the jobs that
    // stay listed for the next run) keeps its temp folder, also when
    // detached: the program is ending, not dropping the download.
    void stop(bool detach, const QList<DownloadItem*>& keepData = {});

    // A job was handed over and its run has not ended yet.
    bool isBusy() const { return m_busy.load(); }
    void setIdle() { m_busy.store(false); }
    // The job as its owner passed it (null when idle or detached).
    DownloadItem* currentJob() const;

    // Told on the worker's thread as the run ends, with the job as its owner
    // passed it (null after a detaching stop), its title and its result.
    // The callback is expected to mark the worker idle (setIdle); when there
    // is none, the worker does so itself.
    using EndedFn = std::function<void(ItemDownloader*, DownloadItem*, const QString&, int)>;
    void setEndedCallback(EndedFn fn) { m_ended = std::move(fn); }

    // The output parsers; public so that recorded transcripts can be fed in.
    // beginRun resets the per-run state for item as start() does.
    void beginRun(DownloadItem* item);
    // Whole text: split at LF and CR, every piece a line.
    void analyseOutput(const QString& text);
    // Raw bytes as a read gives them: complete lines are parsed, an
    // unfinished tail waits for the next read (or for final).
    void feedOutput(const QByteArray& bytes, bool final);
    // The error stream: ffmpeg's statistics lines feed the time parser, the
    // rest goes to errorText.
    void feedError(const QByteArray& bytes, bool final, QString& errorText);
    void analyseOutputLine(const QString& line);
    // True (and text emptied) when text was an ffmpeg statistics line.
    bool parseFfmpegTime(QString& text);

    int lastProgress() const { return m_lastProgress; }
    bool isStarted() const { return m_started; }
    bool isCompleted() const { return m_completed; }
    bool isStopRequested() const { return m_stopRequested.load(); }
    QString mergedFile() const { return m_mergedFile; }
    int partsDone() const { return m_partsDone; }
    int secondStream() const { return m_secondStream; }

    // Milliseconds from now to the clock time start, wrapped to the next day
    // when it has passed today.
    static qint64 msecsUntil(const QTime& start, const QTime& now);
    // Extra attempts that exit code 3 may add to a run.
    static constexpr int kMaxAttempts = 5;
    static constexpr int kMaxExtraAttempts = 5;
    static constexpr int kPollMs = 500;
    // The error text kept of one run, in characters.
    static constexpr int kMaxErrorText = 256 * 1024;

    // The error text says the format is not offered.
    static bool formatUnavailable(const QString& errorText);
    // A subtitle, thumbnail, description or info file rather than media.
    static bool isMediaFile(const QString& path);

public slots:
    // The scheduled start time of a live job has come.
    void onTimeout();

protected:
    void run() override;

private:
    enum class RunEnd { Ran, FinishedItself };
    RunEnd runDownloader(QString& errorText, int& exitCode);
    void runFfmpeg(QString& errorText, int& exitCode);
    void watch(GroupProcess& process, QString& errorText, int& exitCode);
    void endTree(GroupProcess& process, bool live);
    // Under m_jobLock: switches the run to m_jobCopy.
    void detachLocked();
    bool waitForStart();
    int decideResult(const QString& errorText, int exitCode);
    bool keepMedia(int exitCode);
    // Finishes the job and notes its result under the job lock, so that a
    // stop that follows the job's news finds the run finished.
    void finishJob(DownloadItem::DownloadError err);
    void endRun(int result);
    void showProgress(int v);

    template <typename F>
    auto withJob(F f) -> decltype(f(*static_cast<DownloadItem*>(nullptr)))
    {
        std::unique_lock l(m_jobLock);
        return f(*m_job);
    }

    mutable std::mutex m_jobLock;          // m_job, m_original, m_jobCopy
    std::condition_variable m_wake;             // a stop or the start time
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_busy{false};
    DownloadItem* m_job = nullptr;
    DownloadItem* m_original = nullptr;
    DownloadItem m_jobCopy;
    bool m_keepCopyData = false;           // under m_jobLock
    bool m_jobFinished = false;            // under m_jobLock
    int m_finishedResult = 0;              // under m_jobLock

    int m_lastProgress = -1;
    int m_secondStream = 0;
    bool m_started = false;
    bool m_completed = false;
    std::atomic<bool> m_startReached{true};
    QDeadlineTimer m_startDeadline;
    int m_recordSeconds = 0;
    int m_partsDone = 0;

    // What the parsers keep between lines.
    QByteArray m_outTail;
    QByteArray m_errTail;
    bool m_destIsMedia = true;
    QString m_mergedFile;
    bool m_live = false;
    bool m_merged = false;
    int m_partCount = 1;
    qint64 m_mediaDuration = 0;

    EndedFn m_ended;
};
