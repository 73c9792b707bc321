#pragma once

#include "data_structure/DownloadItem/DownloadItem.h"
#include "function/Youtube/YoutubeStructure.h"
#include "function/Youtube/private/SubscribeListMgr/SubscribeDatabase.h"

#include <QList>
#include <QObject>
#include <mutex>

// The engine side of subscriptions: the subscription screens' operations,
// the analysis thread's filter and the record of finished downloads. The
// filter runs on the analysis thread while the screens call in from the
// graphical thread, so every operation is serialised by one lock.
class SubscribeListMgr : public QObject
{
    Q_OBJECT
public:
    explicit SubscribeListMgr(QObject* parent = nullptr);

    QList<SubscribeRecord> subscribeLists();
    void addSubscribeList(Youtube_Structure::List* list);
    void updateSubscribeList(const SubscribeRecord& record);
    void removeSubscribeList(const SubscribeRecord& record);

    // Marks and reorders the items of a subscribed list by the three
    // subscription settings; true when the result was a subscribed list.
    // complete says whether the list holds every entry of the playlist (the
    // entry cap did not cut it); only then are stored videos that it no
    // longer holds forgotten.
    bool filterSubscribedList(Youtube_Structure::Lists* lists, bool complete = true);

    // Records a successful download of a subscribed list's video; any other
    // result leaves the database alone.
    void onDownloadItemFinished(const DownloadItemSummary& summary);

    SubscribeDatabase* database() { return &m_database; }

    // "https://www.youtube.com/playlist?list=<id>"
    static QString youtubePlaylistUrl(const QString& listId);

private:
    std::mutex m_lock;
    SubscribeDatabase m_database;
    QList<SubscribeRecord> m_cache;
    bool m_changed = true;
};
