#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "function/Youtube/private/Analyser/PoolThread.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <mutex>

// Turns the flat JSON of one playlist into the list's texts and its items,
// without analysing the videos themselves. Keeps the whole analysis within
// kMaxAnalysedItems entries, across every instance that runs at once.
class PlaylistAnalyser : public PoolThread
{
    Q_OBJECT
public:
    static constexpr int kMaxAnalysedItems = 3000;

    explicit PlaylistAnalyser(QObject* parent = nullptr);
    ~PlaylistAnalyser() override;

    // Hands the list's run to the member's thread.
    void analyse(Youtube_Structure::List* list, int index, const QString& user, const QString& password);
    void stop();
    bool isStopping() const { return m_stop.load() != 0; }

    // Parses json into list. The list is filled off to the side and handed
    // over in one step under the model lock. Returns false when the entry
    // cap kept some entries out (the list is then incomplete).
    bool parsePlayList(const QByteArray& json, Youtube_Structure::List* list);

    // The id named by "v=" in the list's address, empty when none.
    static QString videoIdFromUrl(const QString& url);
    static bool isOtherSite(const QJsonObject& top);
    static QString watchUrl(const QString& videoId);

    // Entries taken in by the running analysis; shared by every instance
    // and the analysis thread.
    static int analysedItemCount();
    static void resetAnalysedItemCount();

signals:
    void doPlaylistItemReady(int playlistIndex, int itemIndex = -1);

protected:
    void runJob() override;

private:
    Youtube_Structure::List* m_list = nullptr;
    std::atomic<int> m_stop{0};
    int m_index = 0;
    QString m_user;
    QString m_password;
};
