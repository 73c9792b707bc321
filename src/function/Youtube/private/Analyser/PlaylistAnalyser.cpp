#include "function/Youtube/private/Analyser/PlaylistAnalyser.h"

#include "function/Youtube/private/Analyser/AnalyseThread.h"
#include "function/Youtube/private/Analyser/PlayItemAnalyser.h"
#include "function/Youtube/private/DownloaderProgram.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>
#include <memory>
#include <mutex>
#include <shared_mutex>

using Youtube_Structure::Item;
using Youtube_Structure::List;

namespace {

std::mutex g_countLock;
int g_analysedItemCount = 0;

// A list text: empty when missing or "null"/"none" in any case.
QString listText(const QJsonObject& object, const QString& key)
{
    const QString text = object.value(key).toString();
    const QString lower = text.toLower();
    if (lower == QLatin1String("null") || lower == QLatin1String("none"))
        return QString();
    return text;
}

QString valueText(const QJsonValue& v)
{
    if (v.isString())
        return v.toString();
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 17);
    return QString();
}

} // namespace

PlaylistAnalyser::PlaylistAnalyser(QObject* parent) : PoolThread(parent) {}

PlaylistAnalyser::~PlaylistAnalyser()
{
    m_stop.store(1);
    shutDown();
}

int PlaylistAnalyser::analysedItemCount()
{
    std::unique_lock l(g_countLock);
    return g_analysedItemCount;
}

void PlaylistAnalyser::resetAnalysedItemCount()
{
    std::unique_lock l(g_countLock);
    g_analysedItemCount = 0;
}

QString PlaylistAnalyser::videoIdFromUrl(const QString& url)
{
    static const QRegularExpression re(QStringLiteral("v=(.*)&"), QRegularExpression::InvertedGreedinessOption);
    const QRegularExpressionMatch m = re.match(url);
    if (m.hasMatch())
        return m.captured(1);
    const int at = url.indexOf(QLatin1String("&v="));
    if (at >= 0)
        return url.mid(at + 3);
    return QString();
}

bool PlaylistAnalyser::isOtherSite(const QJsonObject& top)
{
    return !top.value(QStringLiteral("extractor")).toString().toLower().contains(QLatin1String("youtube"));
}

QString PlaylistAnalyser::watchUrl(const QString& videoId)
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QStringLiteral("www.youtube.com"));
    url.setPath(QStringLiteral("/watch"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("v"), videoId);
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

bool PlaylistAnalyser::parsePlayList(const QByteArray& json, List* list)
{
    QString listUrl;
    int listCheck = 2;
    {
        std::shared_lock l(AnalyseThread::modelLock());
        listUrl = list->url;
        listCheck = list->checkState;
    }
    const QJsonObject top = QJsonDocument::fromJson(json).object();
    const QString vid = videoIdFromUrl(listUrl);
    const bool otherSite = isOtherSite(top);

    OwnedList<Item> items;
    bool complete = true;
    bool isPlaylist = false;
    QString extractor, id, title;
    const QJsonValue entriesValue = top.value(QStringLiteral("entries"));
    if (top.contains(QStringLiteral("_type")) && top.value(QStringLiteral("_type")).toString().toLower() == QLatin1String("playlist")
        && entriesValue.isArray() && !entriesValue.toArray().isEmpty()) {
        isPlaylist = true;
        if (!vid.isEmpty())
            listCheck = 1;
        extractor = listText(top, QStringLiteral("extractor"));
        id = listText(top, QStringLiteral("id"));
        if (id.isEmpty())
            id = listUrl;
        title = listText(top, QStringLiteral("title"));
        if (title.isEmpty())
            title = id;
        if (title.isEmpty())
            title = listUrl;

        const QJsonArray entries = entriesValue.toArray();
        items.reserve(entries.size());
        bool found = false;
        for (const QJsonValue& e : entries) {
            {
                // Test and take a place in one step, so instances running at
                // once never go past the cap together.
                std::unique_lock l(g_countLock);
                if (g_analysedItemCount >= kMaxAnalysedItems) {
                    complete = false;
                    break;
                }
                ++g_analysedItemCount;
            }
            if (!e.isObject()) {
                std::unique_lock l(g_countLock);
                --g_analysedItemCount;
                continue;
            }
            const QJsonObject entry = e.toObject();
            auto item = std::make_unique<Item>();
            if (listCheck != 2)
                item->checkState = 0;
            item->title = listText(entry, QStringLiteral("title"));
            item->url = entry.value(QStringLiteral("url")).toString();
            if (item->url.isEmpty())
                item->url = listUrl;
            if (entry.contains(QStringLiteral("id")))
                item->id = valueText(entry.value(QStringLiteral("id")));
            item->subscribeExtractor = extractor;
            item->subscribeListId = id;
            item->subscribeListUrl = listUrl;
            const QJsonValue formats = entry.value(QStringLiteral("formats"));
            if (formats.isArray() && !formats.toArray().isEmpty())
                PlayItemAnalyser::parseVideo(entry, item.get());
            // The flat list of the main site names its videos by bare id (an
            // older downloader) or by watch address with the id beside it.
            if (!vid.isEmpty() && (item->url == vid || item->id == vid)) {
                found = true;
                item->checkState = 2;
                items.insert(0, std::move(item));
            } else {
                items.append(std::move(item));
            }
        }
        if (!found && !vid.isEmpty() && items.isEmpty()) {
            auto item = std::make_unique<Item>();
            item->title = vid;
            item->url = vid;
            item->checkState = 2;
            items.insert(0, std::move(item));
        }
        {
            std::unique_lock l(g_countLock);
            while (g_analysedItemCount > kMaxAnalysedItems && !items.isEmpty()) {
                items.removeLast();
                --g_analysedItemCount;
                complete = false;
            }
        }
        if (!otherSite) {
            for (Item& item : items) {
                if (!item.url.startsWith(QLatin1String("http:"), Qt::CaseInsensitive)
                    && !item.url.startsWith(QLatin1String("https:"), Qt::CaseInsensitive))
                    item.url = watchUrl(item.url);
            }
        }
    } else {
        auto item = std::make_unique<Item>();
        if (listCheck != 2)
            item->checkState = 0;
        item->url = listUrl;
        if (!otherSite && !vid.isEmpty()) {
            item->id = vid;
            item->url = watchUrl(vid);
        }
        items.append(std::move(item));
    }

    std::unique_lock l(AnalyseThread::modelLock());
    if (isPlaylist) {
        list->extractor = extractor;
        list->id = id;
        list->title = title;
        list->siteTitle = title;
    }
    list->checkState = listCheck;
    if (list->items.isEmpty()) {
        list->items = std::move(items);
    } else {
        while (!items.isEmpty())
            list->items.append(items.takeAt(0));
    }
    return complete;
}

void PlaylistAnalyser::analyse(List* list, int index, const QString& user, const QString& password)
{
    m_list = list;
    m_index = index;
    m_user = user;
    m_password = password;
    m_stop.store(0);
    post();
}

void PlaylistAnalyser::stop()
{
    if (isBusy())
        m_stop.store(1);
}

void PlaylistAnalyser::runJob()
{
    QString url;
    {
        std::shared_lock l(AnalyseThread::modelLock());
        url = m_list->url;
    }
    const int status = DownloaderRun::playlistRun(
        url, m_user, m_password, [this] { return isStopping(); },
        [this](const QByteArray& out) { parsePlayList(out, m_list); });
    {
        std::unique_lock l(AnalyseThread::modelLock());
        m_list->status = status;
        if (status != YtbNoError)
            m_list->checkState = 0;
    }
    if (status != YtbNoError)
        AnalyseThread::pauseUnlessStopped(m_stop, AnalyseThread::kFailurePauseMs);
    emit doPlaylistItemReady(m_index, -1);
    m_stop.store(0);
}
