#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "function/Youtube/private/FencedThread.h"
#include "platform/SleepInhibitor.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <shared_mutex>

class PlaylistAnalyser;
class PlayItemAnalyser;

// Turns one address into the engine's analysis result: the lists found at
// the address, the items of each list and the formats of each item. Runs
// the page itself, hands playlists to a pool of at most eight playlist
// analysers and items to a pool of at most eight item analysers, reports
// every finished list and item, and afterwards analyses items asked for
// later, one by one.
//
// Ownership of the result: init hands it to its caller. A result that
// init reports as null is freed here when it was never announced; once it
// has been announced through doPlaylistItemReady(-1, -1, lists) it belongs
// to whoever received that signal.
class AnalyseThread : public FencedThread
{
    Q_OBJECT
public:
    static constexpr int kPoolSize = 8;
    static constexpr int kListEntryLimit = 1000;
    static constexpr int kFailurePauseMs = 2000;

    explicit AnalyseThread(QObject* parent = nullptr);
    ~AnalyseThread() override;

    // Starts an analysis and waits in a local event loop until the thread
    // is ready; null at once (error untouched) while one is running. When
    // the program leaves its event loop meanwhile, the analysis is stopped
    // and waited for, and the error is YtbCancelled.
    Youtube_Structure::Lists* init(const QString& url, const QString& user, const QString& password, int* error);
    void stop();
    // Asks for item index of the first list again (a subscribed list's
    // skipped item, or one the user wants anew).
    void analyseItem(int index);

    // Guards the analysed model: worker threads take it for writing when
    // they hand over what they filled, readers on other threads (the
    // windows drawing rows) take it for reading.
    static std::shared_mutex& modelLock();

    // Builds the lists of a page from the page run's JSON; false when it
    // is a playlists page with an entry that has no address.
    static bool parseLists(const QByteArray& json, Youtube_Structure::Lists* lists, const QString& url);
    static bool getListsJsonArray(const QJsonObject& object, QJsonArray* array, const QByteArray& json);

    // Sleeps up to ms, or less when stop becomes set.
    static void pauseUnlessStopped(const std::atomic<int>& stop, int ms);

    int error() const { return m_error; }

signals:
    void doReady();
    void doPlaylistItemReady(int playlistIndex, int index, Youtube_Structure::Lists* lists = nullptr);
    void doStart();
    void doProgress(int cur, int total);
    void doFinished();

public slots:
    void onPlaylistItemReady(int playlistIndex, int index);

protected:
    void run() override;

private:
    QByteArray getPlayLists();
    void analyseError(bool announced);
    void getAdditionalItems();
    void itemNotification(int playlistIndex, int index);
    void relayMemberReady(int playlistIndex, int index);
    void setReady();
    void endAnalysis();

    // Sets the stop flag and passes it on to every pool member.
    void stopMembers();
    template <class Member>
    Member* freeMember(QList<Member*>& pool);
    template <class Member>
    void waitPool(const QList<Member*>& pool);
    void releaseMember(QThread* member);
    void handToItemAnalyser(PlayItemAnalyser* member, Youtube_Structure::Item* item, int listIndex, int itemIndex,
                            QString* listThumbnail, bool several);
    void setItemCancelled(Youtube_Structure::Item* item);
    // The analysis's account when the address belongs to its site, else
    // nothing.
    void accountFor(const QString& url, QString* user, QString* password) const;
    // Keeps the page run's output when it is a single video that the video
    // run would fetch again with the same options.
    void keepSingleVideoOutput(const QByteArray& json, Youtube_Structure::List* list);
    Youtube_Structure::Lists* lists() const { return m_lists.load(); }

    std::atomic<int> m_stop{0};
    std::atomic<int> m_ready{0};
    QString m_url;
    QString m_user;
    QString m_password;
    QString m_accountSite;      // the loginSite of the analysed address
    QByteArray m_singleVideoOutput;
    Youtube_Structure::Item* m_singleVideoItem = nullptr;
    std::atomic<Youtube_Structure::Lists*> m_lists{nullptr};

    // The pools; a member is busy from being handed a job until the job has
    // ended, and a waiting hand-out wakes the moment one ends.
    std::mutex m_poolLock;
    std::condition_variable m_memberFreed;
    QList<PlaylistAnalyser*> m_playlistPool;
    QList<PlayItemAnalyser*> m_itemPool;
    QSet<QThread*> m_busy;

    int m_error = 0;
    std::mutex m_queueLock;
    std::atomic<bool> m_filtered{false};
    bool m_additional = false;
    // True from a start until the thread has decided to end (under the
    // queue lock), so a request in between is served rather than lost.
    bool m_serving = false;
    QList<Youtube_Structure::Item*> m_queue;
    std::atomic<int> m_progress{0};
    std::atomic<int> m_total{0};

    SleepInhibitor m_sleepInhibitor;
};
