#include "function/Youtube/private/SubscribeListMgr/SubscribeListMgr.h"

#include "shell/SettingsStore.h"

#include <QUrl>
#include <QUrlQuery>
#include <memory>
#include <mutex>
#include <vector>

SubscribeListMgr::SubscribeListMgr(QObject* parent)
    : QObject(parent)
    , m_database(this)
{
    m_database.openDataBase();
}

QString SubscribeListMgr::youtubePlaylistUrl(const QString& listId)
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QStringLiteral("www.youtube.com"));
    url.setPath(QStringLiteral("/playlist"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("list"), listId);
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

QList<SubscribeRecord> SubscribeListMgr::subscribeLists()
{
    std::unique_lock l(m_lock);
    if (m_changed) {
        m_cache = m_database.loadLists();
        m_changed = false;
    }
    return m_cache;
}

void SubscribeListMgr::addSubscribeList(Youtube_Structure::List* list)
{
    if (!list)
        return;
    std::unique_lock l(m_lock);
    QString url = list->url;
    const QString extractor = list->extractor.toLower();
    if (extractor.contains(QLatin1String("youtube")) && !extractor.contains(QLatin1String("youtube:search_url"))
        && url.isEmpty())
        url = youtubePlaylistUrl(list->id);
    m_database.addList(list->extractor, list->id, url, list->title);
    m_changed = true;
}

void SubscribeListMgr::updateSubscribeList(const SubscribeRecord& record)
{
    std::unique_lock l(m_lock);
    m_database.updateListTitle(record);
    m_changed = true;
}

void SubscribeListMgr::removeSubscribeList(const SubscribeRecord& record)
{
    std::unique_lock l(m_lock);
    m_database.removeList(record.extractor, record.listId);
    m_changed = true;
}

bool SubscribeListMgr::filterSubscribedList(Youtube_Structure::Lists* lists, bool complete)
{
    if (!lists || lists->size() != 1)
        return false;
    Youtube_Structure::List& list = lists->first();
    if (list.items.size() == 1 && list.url == list.items.first().url)
        return false;
    list.subscribable = true;

    std::unique_lock l(m_lock);
    if (m_database.listRowId(list.extractor, list.id) < 0)
        return false;
    list.subscribed = true;
    // An analysis that gave no item has not seen the list at all.
    m_database.refreshList(&list, complete && !list.items.isEmpty());

    SettingsStore* settings = SettingsStore::instance();
    const bool takeNew = settings->value(QStringLiteral("youtube/subscribeNew")) == QLatin1String("true");
    const bool takeOnce = settings->value(QStringLiteral("youtube/subscribeOnce")) == QLatin1String("true");
    const bool takeDownloaded = settings->value(QStringLiteral("youtube/subscribeDownloaded")) == QLatin1String("true");

    std::vector<std::unique_ptr<Youtube_Structure::Item>> fileGone;
    std::vector<std::unique_ptr<Youtube_Structure::Item>> fileThere;
    for (int i = 0; i < list.items.size();) {
        Youtube_Structure::Item& item = list.items[i];
        if (item.downloadState != 1 && item.downloadState != 2)
            item.downloadState = 0;
        const bool take = item.downloadState == 0 ? takeNew : item.downloadState == 1 ? takeOnce : takeDownloaded;
        item.analyseIt = take;
        if (!take) {
            item.checkState = 0;
            item.analysed = true;
            item.status = YtbSkipped;
        }
        if (item.downloadState == 1)
            fileGone.push_back(list.items.takeAt(i));
        else if (item.downloadState == 2)
            fileThere.push_back(list.items.takeAt(i));
        else
            ++i;
    }
    // Items keep their addresses while they move to the back.
    for (auto& p : fileGone)
        list.items.append(std::move(p));
    for (auto& p : fileThere)
        list.items.append(std::move(p));

    m_changed = true;
    return true;
}

void SubscribeListMgr::onDownloadItemFinished(const DownloadItemSummary& summary)
{
    if (summary.result != 0)
        return;
    std::unique_lock l(m_lock);
    m_database.addItem(summary.subscribeExtractor, summary.subscribeListId, summary.url, summary.finalFilePath,
                       summary.title, summary.thumbnail);
}
