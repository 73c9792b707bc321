#include "function/Youtube/private/Analyser/AnalyseThread.h"

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Analyser/PlayItemAnalyser.h"
#include "function/Youtube/private/Analyser/PlaylistAnalyser.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "shell/Utils.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <mutex>
#include <shared_mutex>

using Youtube_Structure::Item;
using Youtube_Structure::List;
using Youtube_Structure::Lists;

namespace {
QString validName(QString text)
{
    return toValidFileName(text, QStringLiteral(" "));
}
}

AnalyseThread::AnalyseThread(QObject* parent) : FencedThread(parent)
{
    registerYoutubeMetaTypes();
}

AnalyseThread::~AnalyseThread()
{
    stopMembers();
    // The thread first: it may be about to hand a job to a member. Each
    // member ends its thread once its job is over.
    wait();
    qDeleteAll(m_playlistPool);
    qDeleteAll(m_itemPool);
}

std::shared_mutex& AnalyseThread::modelLock()
{
    static std::shared_mutex lock;
    return lock;
}

void AnalyseThread::pauseUnlessStopped(const std::atomic<int>& stop, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!stop.load() && timer.elapsed() < ms)
        QThread::msleep(20);
}

Lists* AnalyseThread::init(const QString& url, const QString& user, const QString& password, int* error)
{
    if (isRunning())
        return nullptr;
    m_filtered = false;
    m_stop.store(0);
    m_ready.store(0);
    m_lists = new Lists;
    m_url = url;
    m_user = user;
    m_password = password;
    m_accountSite = Youtube::instance()->loginSite(url);
    m_singleVideoOutput.clear();
    m_singleVideoItem = nullptr;
    m_error = YtbNoError;
    {
        std::unique_lock l(m_queueLock);
        m_additional = false;
        m_serving = true;
        m_queue.clear();
    }
    m_progress.store(0);
    m_total.store(0);

    {
        // Blocking-queued: the thread goes on only once this loop has let go.
        QEventLoop loop;
        const QMetaObject::Connection c = connect(this, &AnalyseThread::doReady, &loop, &QEventLoop::quit,
                                                  Qt::BlockingQueuedConnection);
        start();
        loop.exec();
        disconnect(c);
        // A hand-over the loop did not take is dropped with the loop, which
        // lets the thread go on.
    }
    // The blocking hand-over orders the thread's writes before this point
    // through Qt's own semaphore; the ready flag it set first says so in a
    // form a thread checker sees too.
    if (!m_ready.load(std::memory_order_acquire)) {
        // The loop was ended from outside: the program is leaving its event
        // loop. The result is still the thread's, which may yet free it or
        // announce it; it is stopped and waited for, so that the result
        // has one owner again when this returns.
        stopMembers();
        wait();
        if (error)
            *error = YtbCancelled;
        return m_lists.load();
    }
    if (error)
        *error = m_error;
    return m_lists.load();
}

void AnalyseThread::stop()
{
    if (!isRunning())
        return;
    stopMembers();
}

void AnalyseThread::stopMembers()
{
    m_stop.store(1);
    std::unique_lock l(m_poolLock);
    for (PlaylistAnalyser* p : qAsConst(m_playlistPool))
        p->stop();
    for (PlayItemAnalyser* p : qAsConst(m_itemPool))
        p->stop();
    m_memberFreed.notify_all();
}

void AnalyseThread::analyseItem(int index)
{
    // Only after the first pass announced its result; before that the
    // caller is still waiting in init.
    if (!m_filtered || !m_ready.load())
        return;
    Lists* result = lists();
    if (!result || result->isEmpty())
        return;
    Item* item = nullptr;
    {
        std::unique_lock l(modelLock());
        item = result->first().items.ptr(index);
        if (!item)
            return;
        if (item->analysing && item->status == YtbNoError)
            return;
        item->analysed = false;
        item->status = YtbNoError;
    }
    itemNotification(0, index);

    std::unique_lock l(m_queueLock);
    m_queue.append(item);
    if (!m_serving) {
        m_serving = true;
        m_additional = true;
        // The thread may still be leaving after deciding to end; it no
        // longer waits for anything from this thread.
        if (isRunning())
            wait();
        start();
    }
}

void AnalyseThread::setReady()
{
    m_ready.store(1);
    emit doReady();
}

void AnalyseThread::itemNotification(int playlistIndex, int index)
{
    if (!m_ready.load())
        return;
    emit doPlaylistItemReady(playlistIndex, index, nullptr);
    if (index == 0)
        emit doPlaylistItemReady(playlistIndex, -1, nullptr);
    if (index == -1)
        return;
    const int total = m_total.load();
    if (total > 1)
        emit doProgress(m_progress.fetch_add(1) + 1, total);
}

void AnalyseThread::onPlaylistItemReady(int playlistIndex, int index)
{
    itemNotification(playlistIndex, index);
}

// Runs on the member's thread. Whether the news is passed on is decided by
// the ready flag as it stands when the entry ends, not when the graphical
// thread gets round to it: a one-item analysis that turns ready meanwhile
// must not report its item after the fact.
void AnalyseThread::relayMemberReady(int playlistIndex, int index)
{
    if (!m_ready.load())
        return;
    // By name: the queued call then carries plain copies of the two indexes,
    // not a functor object made on this thread.
    QMetaObject::invokeMethod(this, "onPlaylistItemReady", Qt::QueuedConnection, Q_ARG(int, playlistIndex),
                              Q_ARG(int, index));
}

bool AnalyseThread::getListsJsonArray(const QJsonObject& object, QJsonArray* array, const QByteArray& json)
{
    if (!object.contains(QStringLiteral("_type"))
        || object.value(QStringLiteral("_type")).toString().toLower() != QLatin1String("playlist"))
        return false;
    if (!object.contains(QStringLiteral("extractor"))
        || !object.value(QStringLiteral("extractor")).toString().toLower().contains(QLatin1String("playlists")))
        return false;
    if (!object.contains(QStringLiteral("entries"))) {
        qWarning() << "playlist(s) json analyse error: entries is empty :" << json;
        return false;
    }
    *array = object.value(QStringLiteral("entries")).toArray();
    return true;
}

bool AnalyseThread::parseLists(const QByteArray& json, Lists* lists, const QString& url)
{
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    // Output that describes nothing builds no list (a failed analysis, not
    // a list of one unknown item).
    if (!doc.isObject() || !DownloaderProgram::describesMedia(doc.object()))
        return false;
    const QJsonObject top = doc.object();
    QJsonArray entries;
    if (getListsJsonArray(top, &entries, json)) {
        Lists built;
        for (const QJsonValue& e : qAsConst(entries)) {
            if (!e.isObject())
                continue;
            List list;
            list.url = e.toObject().value(QStringLiteral("url")).toString();
            if (list.url.isEmpty())
                return false;
            built.append(std::move(list));
        }
        std::unique_lock l(modelLock());
        while (!built.isEmpty())
            lists->append(built.takeAt(0));
        return true;
    }
    List list;
    list.title = QStringLiteral("Loading...");
    list.url = url;
    std::unique_lock l(modelLock());
    lists->append(std::move(list));
    return true;
}

QByteArray AnalyseThread::getPlayLists()
{
    QByteArray output;
    Lists* result = lists();
    m_error = DownloaderRun::pageRun(
        m_url, m_user, m_password, [this] { return m_stop.load() != 0; },
        [&](const QByteArray& json) {
            output = json;
            return parseLists(json, result, m_url);
        });
    if (m_error == YtbNoError && result->size() == 1)
        return output;
    return QByteArray();
}

void AnalyseThread::endAnalysis()
{
    m_sleepInhibitor.release();
    qInfo() << "Ytb AnalyseThread end";
}

void AnalyseThread::analyseError(bool announced)
{
    Lists* result = m_lists.exchange(nullptr);
    if (!announced)
        delete result;
    setReady();
    {
        std::unique_lock l(m_queueLock);
        m_serving = false;
        m_queue.clear();
    }
    endAnalysis();
}

void AnalyseThread::releaseMember(QThread* member)
{
    std::unique_lock l(m_poolLock);
    m_busy.remove(member);
    m_memberFreed.notify_all();
}

// Both pools work alike: a member is made while the pool has room, else the
// first idle one is taken, else the hand-out waits until one is released.
// A member's thread outlives its jobs, so one that has just finished a job
// takes the next at once.
template <class Member>
Member* AnalyseThread::freeMember(QList<Member*>& pool)
{
    std::unique_lock l(m_poolLock);
    for (;;) {
        if (m_stop.load())
            return nullptr;
        if (pool.size() < kPoolSize) {
            auto* p = new Member;
            p->moveToThread(thread());
            connect(p, &Member::doPlaylistItemReady, this, &AnalyseThread::relayMemberReady, Qt::DirectConnection);
            p->setJobDone([this, p] { releaseMember(p); });
            pool.append(p);
            m_busy.insert(p);
            return p;
        }
        for (Member* p : qAsConst(pool)) {
            if (!m_busy.contains(p)) {
                m_busy.insert(p);
                return p;
            }
        }
        m_memberFreed.wait(l);
    }
}

template <class Member>
void AnalyseThread::waitPool(const QList<Member*>& pool)
{
    std::unique_lock l(m_poolLock);
    m_memberFreed.wait(l, [&] {
        for (Member* p : pool)
            if (m_busy.contains(p))
                return false;
        return true;
    });
}

void AnalyseThread::handToItemAnalyser(PlayItemAnalyser* member, Item* item, int listIndex, int itemIndex,
                                       QString* listThumbnail, bool several)
{
    QString url;
    {
        std::shared_lock l(modelLock());
        url = item->url;
    }
    QString user, password;
    accountFor(url, &user, &password);
    if (item == m_singleVideoItem && !m_singleVideoOutput.isEmpty()) {
        // The page run printed this video whole, with the options its own
        // run would have used: a second run would fetch the same again.
        const QByteArray output = std::move(m_singleVideoOutput);
        m_singleVideoOutput.clear();
        m_singleVideoItem = nullptr;
        member->analyseFromOutput(item, listIndex, itemIndex, listThumbnail, user, password, several, output);
        releaseMember(member);
    } else if (!member->analyse(item, listIndex, itemIndex, listThumbnail, user, password, several)) {
        // Finished here without a run; a run releases the member as it ends.
        releaseMember(member);
    }
}

void AnalyseThread::accountFor(const QString& url, QString* user, QString* password) const
{
    // The account belongs to the site of the analysed address; an entry on
    // any other host (a look-alike one included) runs without it.
    if (Youtube::instance()->accountFits(url, m_accountSite)) {
        *user = m_user;
        *password = m_password;
    }
}

void AnalyseThread::keepSingleVideoOutput(const QByteArray& json, List* list)
{
    m_singleVideoOutput.clear();
    m_singleVideoItem = nullptr;
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    if (!doc.isObject())
        return;
    const QJsonObject top = doc.object();
    const QString type = top.value(QStringLiteral("_type")).toString().toLower();
    const QJsonValue formats = top.value(QStringLiteral("formats"));
    if (type == QLatin1String("playlist") || type == QLatin1String("multi_video") || !formats.isArray()
        || formats.toArray().isEmpty())
        return;
    Item* item = nullptr;
    {
        std::shared_lock l(modelLock());
        if (list->items.size() != 1)
            return;
        item = list->items.ptr(0);
        // The video run would ask for another address.
        if (item->url != m_url || !item->medias.isEmpty())
            return;
    }
    // ... or with other credentials: the page run used the analysis's own,
    // the video run those of its site (and the stored account once several
    // videos needed a login).
    QString user, password;
    accountFor(m_url, &user, &password);
    if (user != m_user || password != m_password || DownloaderProgram::accountRetryCount().loadAcquire() > 4)
        return;
    m_singleVideoOutput = json;
    m_singleVideoItem = item;
}

void AnalyseThread::setItemCancelled(Item* item)
{
    std::unique_lock l(modelLock());
    item->analysed = true;
    item->status = YtbCancelled;
    item->checkState = 0;
    item->analysing = false;
}

void AnalyseThread::run()
{
    const RunFence fence(this);
    emit doStart();
    bool additional = false;
    {
        std::unique_lock l(m_queueLock);
        additional = m_additional;
    }
    if (additional) {
        getAdditionalItems();
        return;
    }

    qInfo() << "Ytb AnalyseThread start:" << m_url;
    m_sleepInhibitor.acquire(QStringLiteral("Analysing a web address"));
    m_ready.store(0);

    QByteArray json = getPlayLists();
    bool several = json.isEmpty();
    Lists* result = lists();
    if (result->isEmpty() && m_error == YtbHttpsFailed) {
        m_url.replace(QStringLiteral("https://"), QStringLiteral("http://"));
        json = getPlayLists();
        several = json.isEmpty();
    }
    if (result->isEmpty()) {
        analyseError(false);
        return;
    }
    if (result->size() != 1)
        setReady();

    PlaylistAnalyser::resetAnalysedItemCount();
    if (several) {
        for (int i = 0; i < result->size(); ++i) {
            PlaylistAnalyser* member = freeMember(m_playlistPool);
            const bool stopping = m_stop.load() != 0;
            if (stopping || !member || PlaylistAnalyser::analysedItemCount() >= kListEntryLimit) {
                if (member)
                    releaseMember(member);
                waitPool(m_playlistPool);
                for (int j = i; j < result->size(); ++j) {
                    {
                        std::unique_lock l(modelLock());
                        (*result)[j].status = stopping || !member ? YtbCancelled : YtbLimitReached;
                    }
                    itemNotification(j, -1);
                }
                break;
            }
            QString listUrl, user, password;
            {
                std::shared_lock l(modelLock());
                listUrl = result->at(i).url;
            }
            accountFor(listUrl, &user, &password);
            member->analyse(result->ptr(i), i, user, password);
        }
    } else {
        PlaylistAnalyser* member = freeMember(m_playlistPool);
        if (member) {
            const bool complete = member->parsePlayList(json, result->ptr(0));
            releaseMember(member);
            keepSingleVideoOutput(json, result->ptr(0));
            std::unique_lock l(modelLock());
            m_filtered = Youtube::instance()->filterSubscribedList(result, complete);
        }
    }

    waitPool(m_playlistPool);
    emit doPlaylistItemReady(-1, -1, result);

    if (!m_ready.load()) {
        int count = 0;
        {
            std::shared_lock l(modelLock());
            count = result->first().items.size();
        }
        if (count == 0) {
            analyseError(true);
            return;
        }
        if (count != 1)
            setReady();
    }

    List& first = result->first();
    if (m_filtered) {
        QList<int> skipped;
        {
            std::shared_lock l(modelLock());
            for (int k = 0; k < first.items.size(); ++k)
                if (!first.items[k].analyseIt)
                    skipped.append(k);
        }
        for (int k : qAsConst(skipped))
            itemNotification(0, k);
    }

    {
        std::shared_lock l(modelLock());
        int total = m_total.load();
        for (const List& list : qAsConst(*result))
            for (const Item& item : list.items)
                if (item.analyseIt)
                    ++total;
        m_total.store(total);
    }

    const bool manyItems = m_total.load() > 1;
    QString firstTitle;
    {
        std::shared_lock l(modelLock());
        firstTitle = validName(first.title);
    }
    for (int l = 0; l < result->size(); ++l) {
        List& list = (*result)[l];
        int itemCount = 0;
        QString listFolder;
        {
            std::shared_lock lock(modelLock());
            itemCount = list.items.size();
            if (several)
                listFolder = QStringLiteral("%1/%2/").arg(firstTitle, validName(list.title));
            else if (itemCount > 1)
                listFolder = validName(list.siteTitle) + QLatin1Char('/');
        }
        for (int k = 0; k < itemCount; ++k) {
            Item* item = list.items.ptr(k);
            {
                std::unique_lock lock(modelLock());
                if (!item->analyseIt)
                    continue;
                item->analysing = true;
            }
            PlayItemAnalyser* member = freeMember(m_itemPool);
            if (m_stop.load()) {
                if (member)
                    releaseMember(member);
                waitPool(m_itemPool);
                {
                    std::unique_lock lock(modelLock());
                    item->analysing = false;
                }
                for (int idx = k; idx < itemCount; ++idx) {
                    setItemCancelled(list.items.ptr(idx));
                    itemNotification(l, idx);
                }
                break;
            }
            if (!member) {
                std::unique_lock lock(modelLock());
                item->analysing = false;
                continue;
            }
            if (!listFolder.isEmpty()) {
                std::unique_lock lock(modelLock());
                item->listFolder = listFolder;
            }
            handToItemAnalyser(member, item, l, k, k == 0 ? &list.thumbnail : nullptr, manyItems);
        }

        waitPool(m_itemPool);
        {
            std::unique_lock lock(modelLock());
            int n = list.items.size();
            int checked = 0;
            int unchecked = 0;
            for (Item& item : list.items) {
                if (item.status == YtbNoError) {
                    if (item.checkState == 2)
                        ++checked;
                    else
                        ++unchecked;
                } else {
                    item.checkState = 0;
                    --n;
                }
            }
            list.checkState = 1;
            if (checked == n)
                list.checkState = 2;
            if (unchecked == n)
                list.checkState = 0;
            if (n == 0) {
                // A list that was never analysed (entry limit) or whose own
                // run failed keeps the status that says why.
                if (!list.subscribed && list.status == YtbNoError)
                    list.status = m_stop.load() ? YtbCancelled : YtbAnalyseFailed;
                list.checkState = 0;
            }
            list.analysed = true;
        }
        itemNotification(l, -1);
    }

    waitPool(m_itemPool);
    // Items asked for later are analysed afresh.
    m_singleVideoOutput.clear();
    m_singleVideoItem = nullptr;
    emit doPlaylistItemReady(-1, -1, result);

    if (!m_ready.load()) {
        {
            std::shared_lock lock(modelLock());
            if (result->size() == 1 && result->first().items.size() == 1)
                m_error = result->first().items.first().status;
        }
        if (m_error != YtbNoError)
            m_lists = nullptr;      // announced above: the receiver owns it
        setReady();
        if (m_error != YtbNoError) {
            {
                std::unique_lock l(m_queueLock);
                m_serving = false;
                m_queue.clear();
            }
            m_stop.store(0);
            endAnalysis();
            return;
        }
    }
    getAdditionalItems();
}

void AnalyseThread::getAdditionalItems()
{
    qInfo() << "Ytb additionl anlyse start";
    for (;;) {
        Item* item = nullptr;
        {
            std::unique_lock l(m_queueLock);
            if (m_queue.isEmpty()) {
                l.unlock();
                waitPool(m_itemPool);
                l.lock();
                if (m_queue.isEmpty()) {
                    // From here a new request starts the thread anew.
                    m_serving = false;
                    l.unlock();
                    emit doPlaylistItemReady(-1, -1, lists());
                    emit doFinished();
                    m_stop.store(0);
                    endAnalysis();
                    return;
                }
            }
            item = m_queue.takeFirst();
        }
        {
            std::unique_lock l(modelLock());
            item->analysing = true;
        }
        PlayItemAnalyser* member = freeMember(m_itemPool);
        Lists* result = lists();
        List& first = result->first();
        if (m_stop.load()) {
            if (member)
                releaseMember(member);
            waitPool(m_itemPool);
            setItemCancelled(item);
            int k = -1;
            {
                std::shared_lock l(modelLock());
                k = first.items.indexOf(item);
            }
            if (k >= 0)
                itemNotification(0, k);
            continue;
        }
        if (!member) {
            std::unique_lock l(modelLock());
            item->analysing = false;
            continue;
        }
        int k = -1;
        int count = 0;
        {
            std::unique_lock l(modelLock());
            item->listFolder = validName(first.siteTitle) + QLatin1Char('/');
            k = first.items.indexOf(item);
            count = first.items.size();
            if (k < 0)
                item->analysing = false;
        }
        if (k < 0) {
            releaseMember(member);
            continue;
        }
        handToItemAnalyser(member, item, 0, k, k == 0 ? &first.thumbnail : nullptr, count > 1);
    }
}
