#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "function/Youtube/private/FencedThread.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QThread>
#include <mutex>

class SubtitleAnalyser;

// Lists the subtitle languages of the videos the user asks about, up to
// eight at a time, on a thread of its own. The video records belong to the
// analysis model on the graphical thread: they are read (address) and
// written (languages, the searching flag) only there, so a listing that
// ends after a stop never touches a record that has been freed.
class SubtitleThread : public FencedThread
{
    Q_OBJECT
public:
    static constexpr int kMaxAnalysers = 8;
    static constexpr int kKnownAnswerDelayMs = 1000;

    explicit SubtitleThread(QObject* parent = nullptr);
    ~SubtitleThread() override;

    // Queues a video (graphical thread). One whose languages are known is
    // answered after a second without running anything; a queued one moves
    // to the front; a running one is left alone.
    void addItem(Youtube_Structure::Item* item);
    // Closes every listing without an answer, empties the queue and drops
    // every answer still on its way (graphical thread, before the model the
    // videos belong to is freed).
    void stop();

    // Videos waiting, in order, and running (tests).
    QList<Youtube_Structure::Item*> queuedItems() const;
    int queuedCount() const;
    int runningCount() const;

signals:
    void doFinished(Youtube_Structure::Item* item);

private slots:
    void onSubtitleReady(Youtube_Structure::Item* item, bool sendOutput, QStringList languages, quint64 generation);
    void onTrickSubtitleReady();

protected:
    void run() override;

private:
    struct Entry
    {
        Youtube_Structure::Item* item = nullptr;
        QString url;
        quint64 generation = 0;
    };
    // On the worker thread: hands waiting videos to free analysers, and
    // ends the thread's loop when nothing is waiting or running.
    // True when it decided that the thread ends.
    bool dispatch();
    void listingEnded(Youtube_Structure::Item* item, quint64 generation);
    SubtitleAnalyser* freeAnalyser();
    bool isRunningLocked(Youtube_Structure::Item* item) const;

    QList<SubtitleAnalyser*> m_analysers;     // worker thread only
    QObject* m_context = nullptr;              // lives on the worker thread

    mutable std::mutex m_lock;                     // everything below
    QList<Entry> m_queue;
    QList<Entry> m_running;
    bool m_alive = false;                      // the worker's loop takes requests
    bool m_shuttingDown = false;
    quint64 m_generation = 1;

    Youtube_Structure::Item* m_pendingKnown = nullptr;
    quint64 m_pendingGeneration = 0;
};
