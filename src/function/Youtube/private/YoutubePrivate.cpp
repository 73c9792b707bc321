#include "function/Youtube/private/YoutubePrivate.h"

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/SelectionToTasks.h"
#include "shell/ImageDownloader.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpression>
#include <shared_mutex>

using Youtube_Structure::Item;
using Youtube_Structure::List;
using Youtube_Structure::Lists;

namespace {

std::shared_mutex& modelLock() { return AnalyseThread::modelLock(); }

const char kYoutubeHost[] = "www.youtube.com";

} // namespace

YoutubePrivate::YoutubePrivate(Youtube* owner)
    : QThread(owner),
      q(owner),
      analyser(this),
      downloadThread(this),
      subtitleThread(this),
      downloading(this),
      upgrade(this)
{
    connect(&analyser, &AnalyseThread::doPlaylistItemReady, this, &YoutubePrivate::onPlaylistItemReady);
    connect(this, &YoutubePrivate::doYoutubeListRefresh, q, &Youtube::doYoutubeListRefresh);
    connect(&analyser, &AnalyseThread::doStart, q, &Youtube::doStartAnalyse);
    connect(&analyser, &AnalyseThread::doProgress, q, &Youtube::doProgress);
    connect(&analyser, &AnalyseThread::doFinished, this, &YoutubePrivate::onAnalyseFinished);
    connect(&downloadThread, &DownloadThread::doDownloadFinished, q, &Youtube::doDownloadFinished);
    connect(&subtitleThread, &SubtitleThread::doFinished, this, &YoutubePrivate::onSubtitleReady);
    connect(this, &YoutubePrivate::doListInfoRefresh, q, &Youtube::doListInfoRefresh);
    connect(&upgrade, &UpgradeYtb::doProgress, q, &Youtube::doYtbUpgradeProcess);
    connect(&upgrade, &UpgradeYtb::doFinished, q, &Youtube::doUpgradeFinished);
    connect(ImageDownloader::instance(), &ImageDownloader::doImgDownloadFinished, this,
            [this](const QString& url, const QImage&) { onThumbnailReady(url); });
}

YoutubePrivate::~YoutubePrivate()
{
    // The workers write into the model; they end before it is freed.
    subtitleThread.stop();
    analyser.stop();
    analyser.wait();
    delete m_lists;
    m_lists = nullptr;
}

// ---------------------------------------------------------------- analysis

void YoutubePrivate::settlePreviousAnalysis()
{
    analyser.stop();
    analyser.wait();
    // News the finished analysis posted but this thread has not yet taken
    // (rows, its end) is delivered now, while its model still exists.
    QCoreApplication::sendPostedEvents(&analyser, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

int YoutubePrivate::attempt(const QString& url, const QString& user, const QString& password)
{
    // A retry follows a thread that has said it is ready but may still be
    // on its way out.
    analyser.wait();
    int error = YtbAnalyseFailed;
    Lists* result = analyser.init(url, user, password, &error);
    if (result) {
        if (m_lists && m_lists != result)
            delete m_lists;
        m_lists = result;
    } else {
        // A failed attempt may have handed its model over before failing;
        // it was announced to this object, so it is freed here. An attempt
        // cut short by a quit may not have had its announcement delivered
        // yet: it is taken now, or nobody would free that model.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        if (m_lists) {
            std::unique_lock l(modelLock());
            delete m_lists;
            m_lists = nullptr;
        }
    }
    return error;
}

int YoutubePrivate::initAnalyser(const QString& url, const QString& user, const QString& password, bool forceLogin)
{
    if (m_initRunning) {
        // Called again from the event loop the running analysis waits in.
        qWarning() << "an analysis is starting; a second one is refused";
        return YtbAnalyseFailed;
    }
    m_initRunning = true;
    qInfo() << "Youtube Analyse start";

    subtitleThread.stop();
    settlePreviousAnalysis();

    currentList = 0;
    currentItem = 0;
    cancelled = false;
    FormatChoice::reset();
    DownloaderProgram::resetAccountRetryCount();
    {
        std::unique_lock l(modelLock());
        delete m_lists;
        m_lists = nullptr;
    }
    // The item analysers read these through the facade while it runs.
    q->setAccountInfo(user, password, q->loginSite(url));

    int error = attempt(url, forceLogin ? user : QString(), forceLogin ? password : QString());
    qInfo() << "ytb analyse first error" << error;

    if (error == YtbPrivateList && !cancelled) {
        bool done = false;
        if (!user.isEmpty() && !password.isEmpty()) {
            error = attempt(url, user, password);
            qInfo() << "ytb analyse second error" << error;
            done = error == YtbNoError;
        }
        const QString watch = normalisedWatchUrl(url);
        if (!done && !cancelled && !watch.isEmpty()) {
            error = attempt(watch, QString(), QString());
            qInfo() << "ytb analyse third error" << error;
        }
    }

    // An analysis that ends without a result never gets the thread's own
    // end notice; the windows are told here, once.
    bool empty = false;
    {
        std::shared_lock l(modelLock());
        empty = !m_lists || m_lists->isEmpty();
    }
    if (error == YtbNoError && empty)
        error = YtbAnalyseFailed;
    if (error != YtbNoError)
        QMetaObject::invokeMethod(this, &YoutubePrivate::onAnalyseFinished, Qt::QueuedConnection);

    if (cancelled)
        error = YtbCancelled;
    qInfo() << "Youtube init analyse URL: " << url;
    qInfo() << "Youtube init analyse finished, error:" << error;
    m_initRunning = false;
    return error;
}

void YoutubePrivate::stopAnalyse()
{
    analyser.stop();
    cancelled = true;
}

QString YoutubePrivate::normalisedWatchUrl(const QString& url)
{
    if (!url.contains(QLatin1String(kYoutubeHost)))
        return QString();
    QString id;
    static const QRegularExpression re(QStringLiteral("v=(.*)&"), QRegularExpression::InvertedGreedinessOption);
    const QRegularExpressionMatch m = re.match(url);
    if (m.hasMatch()) {
        id = m.captured(1);
    } else {
        const int at = url.indexOf(QLatin1String("&v="));
        if (at < 0)
            return QString();
        id = url.mid(at + 3);
    }
    if (id.isEmpty())
        return QString();
    return QStringLiteral("https://%1/watch?v=%2").arg(QLatin1String(kYoutubeHost), id);
}

// -------------------------------------------------------------------- rows

Item* YoutubePrivate::itemAt(int i, int j) const
{
    if (!m_lists || i < 0 || i >= m_lists->size())
        return nullptr;
    List& list = (*m_lists)[i];
    if (j < 0 || j >= list.items.size())
        return nullptr;
    return list.items.ptr(j);
}

YoutubeItem YoutubePrivate::listRow(int i) const
{
    if (i < 0)
        return summaryRow();
    YoutubeItem row;
    row.index = i;
    if (!m_lists || i >= m_lists->size())
        return row;
    const List& l = m_lists->at(i);
    row.checkState = l.checkState;
    row.analysed = l.analysed;
    row.status = l.status;
    row.title = Youtube_Structure::displayTitle(l.title, l.analysed, l.status);
    row.thumbnail = l.thumbnail;
    row.subTitle = Youtube_Structure::itemCountText(l.items.size());
    return row;
}

YoutubeItem YoutubePrivate::summaryRow() const
{
    YoutubeItem row;
    row.index = -1;
    int c = 0;
    int u = 0;
    int n = 0;
    if (m_lists) {
        for (const List& l : *m_lists) {
            if (l.status != YtbNoError)
                continue;
            ++n;
            if (l.checkState == 2)
                ++c;
            else if (l.checkState == 0)
                ++u;
        }
    }
    row.checkState = u == n ? 0 : (c == n ? 2 : 1);
    return row;
}

YoutubeItem YoutubePrivate::itemRow(int i, int j) const
{
    YoutubeItem row;
    row.index = j;
    const Item* item = itemAt(i, j);
    if (!item)
        return row;
    row.checkState = item->checkState;
    row.analysed = item->analysed;
    row.status = item->status;
    row.title = Youtube_Structure::displayTitle(item->title, item->analysed, item->status);
    row.thumbnail = item->thumbnail;
    row.image = item->image;
    row.downloadState = item->downloadState;
    row.subTitle = item->uploader;
    return row;
}

void YoutubePrivate::lists(YoutubeList& out, int level, int index)
{
    out = YoutubeList();
    std::shared_lock l(modelLock());
    if (!m_lists)
        return;
    if (level == 0) {
        if (index < 0) {
            out.type = YtbListsLevel;
            for (int i = 0; i < m_lists->size(); ++i)
                out.items.append(listRow(i));
            return;
        }
        if (index >= m_lists->size())
            return;
        currentList = index;
        const List& list = m_lists->at(index);
        out.type = YtbItemsLevel;
        if (list.status != YtbNoError && list.status != YtbSkipped)
            return;
        for (int j = 0; j < list.items.size(); ++j)
            out.items.append(itemRow(index, j));
        out.subscribable = list.subscribable;
        out.subscribed = list.subscribed;
        return;
    }
    if (level == 1) {
        const Item* item = itemAt(currentList, index);
        if (!item)
            return;
        currentItem = index;
        out = FormatChoice::formatList(*item);
    }
}

Youtube_Structure::List* YoutubePrivate::currentListPtr() const
{
    if (!m_lists || currentList < 0 || currentList >= m_lists->size())
        return nullptr;
    return m_lists->ptr(currentList);
}

// ------------------------------------------------------------------- ticks

void YoutubePrivate::queueRow(YoutubeListType type, const YoutubeItem& row)
{
    m_pending.append({type, row});
}

void YoutubePrivate::emitQueued()
{
    const QVector<Emission> rows = std::move(m_pending);
    m_pending.clear();
    for (const Emission& e : rows)
        emit doYoutubeListRefresh(e.type, nullptr, 0, e.row);
}

void YoutubePrivate::setListChecked(int i, int flags, int state)
{
    if (i == -1)
        i = currentList;
    if (!m_lists || i < 0 || i >= m_lists->size())
        return;
    List& list = (*m_lists)[i];
    if (list.checkState == state || list.status != YtbNoError)
        return;
    list.checkState = state;
    queueRow(YtbListsLevel, listRow(i));
    if (flags & Down) {
        for (int j = 0; j < list.items.size(); ++j)
            setItemChecked(i, j, Down, state);
    }
    if (flags & Up) {
        if (flags != DownUp)
            queueRow(YtbListsLevel, listRow(currentList));
        bool anyPartial = false;
        bool anyTicked = false;
        bool anyUnticked = false;
        for (const List& l : *m_lists) {
            if (l.status != YtbNoError)
                continue;
            anyPartial = anyPartial || l.checkState == 1;
            anyTicked = anyTicked || l.checkState == 2;
            anyUnticked = anyUnticked || l.checkState == 0;
        }
        const int summary = anyPartial ? 1 : (!anyTicked ? 0 : (anyUnticked ? 1 : 2));
        setAllListsChecked(Up, summary);
    }
}

void YoutubePrivate::setAllListsChecked(int flags, int state)
{
    if (flags == DownUp) {
        for (int i = 0; m_lists && i < m_lists->size(); ++i)
            setListChecked(i, Down, state);
    } else if (flags == Up) {
        YoutubeItem row;
        row.index = -1;
        row.checkState = state;
        queueRow(YtbListsLevel, row);
    }
}

void YoutubePrivate::setItemChecked(int i, int j, int flags, int state)
{
    if (i == -1)
        i = currentList;
    if (j == -1)
        j = currentItem;
    Item* item = itemAt(i, j);
    if (!item || item->checkState == state || item->status != YtbNoError)
        return;
    item->checkState = state;
    if (i == currentList)
        queueRow(YtbItemsLevel, itemRow(i, j));
    if (flags & Down) {
        const int k = item->chosenMediaIndex != -1 ? item->chosenMediaIndex : FormatChoice::pick(*item);
        if (i == currentList && j == currentItem)
            setFormatChecked(k, Down, state);
    }
    if (flags & Up) {
        if (flags != DownUp)
            queueRow(YtbItemsLevel, itemRow(currentList, currentItem));
        if (!m_lists || currentList < 0 || currentList >= m_lists->size())
            return;
        int n = 0;
        int ticked = 0;
        for (const Item& it : m_lists->at(currentList).items) {
            if (it.status != YtbNoError)
                continue;
            ++n;
            if (it.checkState == 2)
                ++ticked;
        }
        const int listState = ticked == 0 ? 0 : (ticked == n ? 2 : 1);
        setListChecked(currentList, Up, listState);
    }
}

void YoutubePrivate::setFormatChecked(int k, int flags, int state)
{
    Item* item = itemAt(currentList, currentItem);
    // A format the current item does not have changes nothing: ticking it
    // would tick the item with a choice no download could use.
    if (!item || k < 0 || k >= item->medias.size())
        return;
    if (flags == DownUp)
        setItemChecked(currentList, currentItem, Up, state);
    const int old = item->chosenMediaIndex != -1 ? item->chosenMediaIndex : FormatChoice::pick(*item);
    YoutubeItem oldRow = FormatChoice::formatRow(*item, old);
    oldRow.checkState = 0;
    queueRow(YtbFormatsLevel, oldRow);
    if (state == 2) {
        item->chosenMediaIndex = k;
        queueRow(YtbFormatsLevel, FormatChoice::formatRow(*item, k));
    }
}

void YoutubePrivate::setChecked(int level, int index, bool checked)
{
    const int state = checked ? 2 : 0;
    {
        std::unique_lock l(modelLock());
        if (!m_lists)
            return;
        switch (level) {
        case 0:
            if (index >= 0)
                setListChecked(index, DownUp, state);
            else
                setAllListsChecked(DownUp, state);
            break;
        case 1: setItemChecked(currentList, index, DownUp, state); break;
        case 2: setFormatChecked(index, DownUp, state); break;
        default: break;
        }
    }
    emitQueued();
}

void YoutubePrivate::setSubLangChecked(int index, bool checked)
{
    std::unique_lock l(modelLock());
    Item* item = itemAt(currentList, currentItem);
    if (!item)
        return;
    if (index < 0 || index >= item->subLangs.size()) {
        qWarning() << "sub-lang index isn't matching";
        return;
    }
    item->subLangs[index].checked = checked;
}

bool YoutubePrivate::audioLanguages(int itemIndex, QStringList& codes, int& preferred)
{
    std::unique_lock l(modelLock());
    const Item* item = itemAt(currentList, itemIndex);
    if (!item)
        return false;
    codes.clear();
    for (const Youtube_Structure::AudioLan& lan : item->audioLans)
        codes << lan.language;
    preferred = item->audioLanIndex;
    return true;
}

void YoutubePrivate::setAudioLanguageIndex(int itemIndex, int index)
{
    std::unique_lock l(modelLock());
    Item* item = itemAt(currentList, itemIndex);
    if (item && index >= 0 && index < item->audioLans.size())
        item->audioLanIndex = index;
}

void YoutubePrivate::setShowAllMedia(bool on)
{
    std::unique_lock l(modelLock());
    if (!m_lists)
        return;
    for (List& list : *m_lists)
        for (Item& item : list.items)
            item.showAllMedia = on;
}

void YoutubePrivate::applyMediaToAll(int mediaIndex)
{
    std::unique_lock l(modelLock());
    Item* current = itemAt(currentList, currentItem);
    if (!current || mediaIndex < 0 || mediaIndex >= current->medias.size())
        return;
    for (List& list : *m_lists)
        for (Item& item : list.items)
            if (&item != current)
                item.chosenMediaIndex = -1;
    FormatChoice::takePreference(current->medias.at(mediaIndex));
}

void YoutubePrivate::reloadItem(int index)
{
    analyser.analyseItem(index == -1 ? currentItem : index);
}

void YoutubePrivate::searchSubtitles()
{
    Item* item = nullptr;
    {
        std::shared_lock l(modelLock());
        if (currentList < 0 || currentItem < 0)
            return;
        item = itemAt(currentList, currentItem);
    }
    if (item)
        subtitleThread.addItem(item);
}

QList<DownloadItem> YoutubePrivate::selectedDownloadItems() const
{
    std::shared_lock l(modelLock());
    if (!m_lists)
        return {};
    return SelectionToTasks::selectedTasks(m_lists);
}

// --------------------------------------------------------------- downloads

bool YoutubePrivate::startDownload(const QList<DownloadItem*>& items)
{
    return downloadThread.add(items);
}

void YoutubePrivate::addDownloadingItems(const QList<DownloadItem*>& items)
{
    downloading.add(items);
}

void YoutubePrivate::removeDownloadingItems(const QList<DownloadItem*>& items)
{
    downloading.remove(items);
    for (DownloadItem* item : items)
        stopDownload(item, true);
}

void YoutubePrivate::clearDownloadingItems()
{
    downloading.clear();
}

QList<DownloadItem> YoutubePrivate::loadDownloadingItems()
{
    return downloading.read();
}

bool YoutubePrivate::isDownloadPending(const DownloadItem* item) const
{
    return downloadThread.isPending(item);
}

bool YoutubePrivate::stopDownload(DownloadItem* item, bool detach)
{
    if (!downloadThread.isRunning())
        return false;
    downloadThread.stop(item, detach);
    return true;
}

bool YoutubePrivate::stopAllDownloads(bool detach, bool wait)
{
    if (!downloadThread.isRunning())
        return false;
    downloadThread.stopAll(detach, wait);
    return true;
}

void YoutubePrivate::releaseDownloadingItems()
{
    // The program ends: the listed jobs stay listed for the next run, and
    // so does their partial data.
    if (downloadThread.isRunning())
        downloadThread.stopAll(true, false, downloading.items());
    downloading.release();
}

// ----------------------------------------------------------------- upgrade

bool YoutubePrivate::checkUpgrade(bool& forceUpgrade)
{
    return upgrade.checkUpgrade(forceUpgrade);
}

bool YoutubePrivate::startUpgrade()
{
    return upgrade.startDownload();
}

void YoutubePrivate::stopUpgrade()
{
    upgrade.stopDownload();
}

// ------------------------------------------------------------------- slots

void YoutubePrivate::onPlaylistItemReady(int playlistIndex, int index, Youtube_Structure::Lists* lists)
{
    if (lists && lists != m_lists) {
        // Every announcement of one analysis carries the same model; a
        // different one replaces the held model, which nothing else
        // reaches any more (the analysis that made it has been settled).
        std::unique_lock l(modelLock());
        delete m_lists;
        m_lists = lists;
    }
    YoutubeItem row;
    YoutubeListType type = YtbListsLevel;
    {
        std::shared_lock l(modelLock());
        if (!m_lists)
            return;
        if (index != -1) {
            if (playlistIndex != currentList)
                return;
            type = YtbItemsLevel;
            row = itemRow(playlistIndex, index);
        } else {
            row = listRow(playlistIndex);
        }
    }
    emit doYoutubeListRefresh(type, nullptr, 0, row);
}

void YoutubePrivate::onSubtitleReady(Youtube_Structure::Item* item)
{
    YoutubeMediaListInfo info;
    {
        std::shared_lock l(modelLock());
        if (!item || item != itemAt(currentList, currentItem))
            return;
        info.title = item->title;
        info.url = item->url;
        info.thumbnail = item->thumbnail;
        info.searchingSubtitles = item->searchingSubtitles;
        info.subLangs = item->subLangs;
        info.showFormats = true;
    }
    emit doListInfoRefresh(info);
}

void YoutubePrivate::onThumbnailReady(QString thumbnail)
{
    QVector<Emission> rows;
    {
        std::shared_lock l(modelLock());
        if (!m_lists || m_lists->isEmpty())
            return;
        for (int i = 0; i < m_lists->size(); ++i)
            if (m_lists->at(i).thumbnail == thumbnail)
                rows.append({YtbListsLevel, listRow(i)});
        if (currentList >= 0 && currentList < m_lists->size()) {
            const List& list = m_lists->at(currentList);
            for (int j = 0; j < list.items.size(); ++j)
                if (list.items.at(j).thumbnail == thumbnail)
                    rows.append({YtbItemsLevel, itemRow(currentList, j)});
        }
    }
    for (const Emission& e : qAsConst(rows))
        emit doYoutubeListRefresh(e.type, nullptr, 0, e.row);
}

void YoutubePrivate::onAnalyseFinished()
{
    q->clearAccountInfo();
    emit q->doAnalyseFinished();
}
