#include "ScriptedEngine.h"

#include "function/Youtube/private/FormatChoice.h"
#include "function/Youtube/private/SelectionToTasks.h"
#include "shell/ImageDownloader.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QQueue>
#include <QSet>
#include <QTimer>
#include <memory>

using Youtube_Structure::Item;
using Youtube_Structure::List;

namespace {

enum TickFlags { Down = 1, Up = 2, DownUp = 3 };

struct InitAnswer
{
    YoutubeError answer = YtbNoError;
    int delayMs = 0;
};

struct Emission
{
    YoutubeListType type;
    YoutubeItem row;
};

struct State
{
    std::unique_ptr<Youtube_Structure::Lists> lists;
    QStringList calls;
    QQueue<InitAnswer> initAnswers;
    QPointer<QEventLoop> initLoop;
    bool initStopped = false;
    bool analysing = false;
    bool checkOffered = false;
    bool checkFlag = false;
    bool upgradeResult = false;
    int upgradeDelayMs = 0;
    QPointer<QEventLoop> upgradeLoop;
    bool upgradeStopped = false;
    bool musicMode = false;
    QQueue<bool> startAnswers;
    QSet<const DownloadItem*> pendingTasks;
    int currentList = -1;
    int currentItem = -1;
    QVector<Emission> pending;
};

State& state()
{
    static State s;
    return s;
}

Youtube_Structure::Lists& modelRef()
{
    State& s = state();
    if (!s.lists)
        s.lists = std::make_unique<Youtube_Structure::Lists>();
    return *s.lists;
}

void log(const QString& call)
{
    state().calls.append(call);
}

Item* itemAt(int i, int j)
{
    Youtube_Structure::Lists& l = modelRef();
    if (i < 0 || i >= l.size())
        return nullptr;
    List& list = l[i];
    if (j < 0 || j >= list.items.size())
        return nullptr;
    return list.items.ptr(j);
}

YoutubeItem summaryRow()
{
    YoutubeItem row;
    row.index = -1;
    int c = 0;
    int u = 0;
    int n = 0;
    for (const List& l : modelRef()) {
        if (l.status != YtbNoError)
            continue;
        ++n;
        if (l.checkState == 2)
            ++c;
        else if (l.checkState == 0)
            ++u;
    }
    row.checkState = u == n ? 0 : (c == n ? 2 : 1);
    return row;
}

YoutubeItem listRow(int i)
{
    if (i < 0)
        return summaryRow();
    YoutubeItem row;
    row.index = i;
    if (i >= modelRef().size())
        return row;
    const List& l = modelRef().at(i);
    row.checkState = l.checkState;
    row.analysed = l.analysed;
    row.status = l.status;
    row.title = Youtube_Structure::displayTitle(l.title, l.analysed, l.status);
    row.thumbnail = l.thumbnail;
    row.subTitle = Youtube_Structure::itemCountText(l.items.size());
    return row;
}

YoutubeItem itemRow(int i, int j)
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

void queueRow(YoutubeListType type, const YoutubeItem& row)
{
    state().pending.append({type, row});
}

void setItemChecked(int i, int j, int flags, int st);

void setAllListsChecked(int flags, int st);

void setListChecked(int i, int flags, int st)
{
    State& s = state();
    if (i == -1)
        i = s.currentList;
    if (i < 0 || i >= modelRef().size())
        return;
    List& list = modelRef()[i];
    if (list.checkState == st || list.status != YtbNoError)
        return;
    list.checkState = st;
    queueRow(YtbListsLevel, listRow(i));
    if (flags & Down) {
        for (int j = 0; j < list.items.size(); ++j)
            setItemChecked(i, j, Down, st);
    }
    if (flags & Up) {
        bool anyPartial = false;
        bool anyTicked = false;
        bool anyUnticked = false;
        for (const List& l : modelRef()) {
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

void setAllListsChecked(int flags, int st)
{
    if (flags == DownUp) {
        for (int i = 0; i < modelRef().size(); ++i)
            setListChecked(i, Down, st);
    } else if (flags == Up) {
        YoutubeItem row;
        row.index = -1;
        row.checkState = st;
        queueRow(YtbListsLevel, row);
    }
}

void listFollowsItems()
{
    State& s = state();
    if (s.currentList < 0 || s.currentList >= modelRef().size())
        return;
    int n = 0;
    int ticked = 0;
    for (const Item& it : modelRef().at(s.currentList).items) {
        if (it.status != YtbNoError)
            continue;
        ++n;
        if (it.checkState == 2)
            ++ticked;
    }
    setListChecked(s.currentList, Up, ticked == 0 ? 0 : (ticked == n ? 2 : 1));
}

void setFormatChecked(int k, int flags, int st);

void setItemChecked(int i, int j, int flags, int st)
{
    State& s = state();
    if (i == -1)
        i = s.currentList;
    if (j == -1)
        j = s.currentItem;
    Item* item = itemAt(i, j);
    if (!item || item->checkState == st || item->status != YtbNoError)
        return;
    item->checkState = st;
    if (i == s.currentList)
        queueRow(YtbItemsLevel, itemRow(i, j));
    if ((flags & Down) && i == s.currentList && j == s.currentItem)
        setFormatChecked(FormatChoice::chosen(*item), Down, st);
    if (flags & Up)
        listFollowsItems();
}

void setFormatChecked(int k, int flags, int st)
{
    State& s = state();
    Item* item = itemAt(s.currentList, s.currentItem);
    if (!item || k < 0 || k >= item->medias.size())
        return;
    // The format rows first (the one that lost the choice, the one that
    // gained it), then the item they belong to.
    YoutubeItem oldRow = FormatChoice::formatRow(*item, FormatChoice::chosen(*item));
    oldRow.checkState = 0;
    queueRow(YtbFormatsLevel, oldRow);
    if (st == 2) {
        item->chosenMediaIndex = k;
        queueRow(YtbFormatsLevel, FormatChoice::formatRow(*item, k));
    }
    if (flags == DownUp) {
        if (item->checkState != st)
            setItemChecked(s.currentList, s.currentItem, Up, st);
        else
            queueRow(YtbItemsLevel, itemRow(s.currentList, s.currentItem));
    }
}

QString flag(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

// ------------------------------------------------------------ test controls

namespace ScriptedEngine {

Youtube_Structure::Lists& model()
{
    return modelRef();
}

void reset()
{
    State& s = state();
    s.lists.reset();
    s.calls.clear();
    s.initAnswers.clear();
    s.analysing = false;
    s.checkOffered = false;
    s.checkFlag = false;
    s.upgradeResult = false;
    s.upgradeDelayMs = 0;
    s.musicMode = false;
    s.startAnswers.clear();
    s.pendingTasks.clear();
    s.currentList = -1;
    s.currentItem = -1;
    s.pending.clear();
}

QStringList calls()
{
    return state().calls;
}

void clearCalls()
{
    state().calls.clear();
}

void queueInitAnswer(YoutubeError answer, int delayMs)
{
    state().initAnswers.enqueue({answer, delayMs});
}

bool isInitWaiting()
{
    return !state().initLoop.isNull();
}

void finishAnalysis()
{
    state().analysing = false;
    emit Youtube::instance()->doAnalyseFinished();
}

bool isAnalysing()
{
    return state().analysing;
}

void setCheckUpgradeAnswer(bool offered, bool programUpdate)
{
    state().checkOffered = offered;
    state().checkFlag = programUpdate;
}

void setStartUpgradeAnswer(bool result, int delayMs)
{
    state().upgradeResult = result;
    state().upgradeDelayMs = delayMs;
}

void queueStartAnswer(bool answer)
{
    state().startAnswers.enqueue(answer);
}

void setDownloadPending(const DownloadItem* item, bool pending)
{
    if (pending)
        state().pendingTasks.insert(item);
    else
        state().pendingTasks.remove(item);
}

void setMusicMode(bool on)
{
    state().musicMode = on;
}

int currentList()
{
    return state().currentList;
}

int currentItem()
{
    return state().currentItem;
}

} // namespace ScriptedEngine

// ------------------------------------------------------------------ facade

Youtube::Youtube(QObject* parent) : QObject(parent), accounts(this), subscriptions(this)
{
    registerYoutubeMetaTypes();
    qRegisterMetaType<DownloadItemSummary>("DownloadItemSummary");
    qRegisterMetaType<DownloadItem*>("DownloadItem*");
    ImageDownloader::instance();
}

Youtube::~Youtube() = default;

Youtube* Youtube::instance()
{
    static Youtube engine;
    return &engine;
}

YoutubeError Youtube::initAnalyser(const QString& url, const QString& givenUser, const QString& givenPassword)
{
    log(QStringLiteral("initAnalyser(%1)").arg(url));
    if (url.isEmpty())
        return YtbAnalyseFailed;
    State& s = state();
    setAccountInfo(givenUser, givenPassword, loginSite(url));
    const InitAnswer a = s.initAnswers.isEmpty() ? InitAnswer() : s.initAnswers.dequeue();
    s.initStopped = false;
    YoutubeError result = a.answer;
    emit doStartAnalyse();
    if (a.delayMs > 0) {
        QEventLoop loop;
        s.initLoop = &loop;
        QTimer::singleShot(a.delayMs, &loop, &QEventLoop::quit);
        loop.exec();
        s.initLoop = nullptr;
    }
    if (s.initStopped)
        result = YtbCancelled;
    s.analysing = result == YtbNoError;
    if (result != YtbNoError)
        QMetaObject::invokeMethod(this, &Youtube::doAnalyseFinished, Qt::QueuedConnection);
    return result;
}

void Youtube::stopAnalyse()
{
    log(QStringLiteral("stopAnalyse()"));
    State& s = state();
    if (s.initLoop) {
        s.initStopped = true;
        s.initLoop->quit();
        return;
    }
    if (s.analysing) {
        s.analysing = false;
        QMetaObject::invokeMethod(this, &Youtube::doAnalyseFinished, Qt::QueuedConnection);
    }
}

void Youtube::lists(YoutubeList& out, int level, int index)
{
    out = YoutubeList();
    State& s = state();
    log(QStringLiteral("lists(%1,%2)").arg(level).arg(index));
    if (level == 0) {
        if (index < 0) {
            out.type = YtbListsLevel;
            for (int i = 0; i < modelRef().size(); ++i)
                out.items.append(listRow(i));
            return;
        }
        if (index >= modelRef().size())
            return;
        s.currentList = index;
        const List& list = modelRef().at(index);
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
        const Item* item = itemAt(s.currentList, index);
        if (!item)
            return;
        s.currentItem = index;
        out = FormatChoice::formatList(*item);
    }
}

Youtube_Structure::List* Youtube::currentList()
{
    const int i = state().currentList;
    if (i < 0 || i >= modelRef().size())
        return nullptr;
    return modelRef().ptr(i);
}

void Youtube::reloadItem(int index)
{
    const int j = index == -1 ? state().currentItem : index;
    log(QStringLiteral("reloadItem(%1)").arg(j));
    if (Item* item = itemAt(state().currentList, j))
        item->analysing = true;
}

void Youtube::setChecked(int level, int index, bool checked)
{
    log(QStringLiteral("setChecked(%1,%2,%3)").arg(level).arg(index).arg(flag(checked)));
    if (modelRef().isEmpty())
        return;
    const int st = checked ? 2 : 0;
    switch (level) {
    case 0:
        if (index >= 0)
            setListChecked(index, DownUp, st);
        else
            setAllListsChecked(DownUp, st);
        break;
    case 1: setItemChecked(state().currentList, index, DownUp, st); break;
    case 2: setFormatChecked(index, DownUp, st); break;
    default: break;
    }
    const QVector<Emission> rows = std::move(state().pending);
    state().pending.clear();
    for (const Emission& e : rows)
        emit doYoutubeListRefresh(e.type, currentList(), e.row.index, e.row);
}

void Youtube::setSubLangChecked(int index, bool checked)
{
    log(QStringLiteral("setSubLangChecked(%1,%2)").arg(index).arg(flag(checked)));
    Item* item = itemAt(state().currentList, state().currentItem);
    if (item && index >= 0 && index < item->subLangs.size())
        item->subLangs[index].checked = checked;
}

bool Youtube::audioLanguages(int itemIndex, QStringList& codes, int& preferred)
{
    log(QStringLiteral("audioLanguages(%1)").arg(itemIndex));
    const Item* item = itemAt(state().currentList, itemIndex);
    if (!item)
        return false;
    codes.clear();
    for (const Youtube_Structure::AudioLan& lan : item->audioLans)
        codes << lan.language;
    preferred = item->audioLanIndex;
    return true;
}

void Youtube::setAudioLanguageIndex(int itemIndex, int index)
{
    log(QStringLiteral("setAudioLanguageIndex(%1,%2)").arg(itemIndex).arg(index));
    Item* item = itemAt(state().currentList, itemIndex);
    if (item && index >= 0 && index < item->audioLans.size())
        item->audioLanIndex = index;
}

void Youtube::setShowAllMedia(bool on)
{
    log(QStringLiteral("setShowAllMedia(%1)").arg(flag(on)));
    for (List& list : modelRef())
        for (Item& item : list.items)
            item.showAllMedia = on;
}

void Youtube::applyMediaToAll(int mediaIndex)
{
    log(QStringLiteral("applyMediaToAll(%1)").arg(mediaIndex));
    Item* current = itemAt(state().currentList, state().currentItem);
    if (!current || mediaIndex < 0 || mediaIndex >= current->medias.size())
        return;
    for (List& list : modelRef())
        for (Item& item : list.items)
            if (&item != current)
                item.chosenMediaIndex = -1;
    FormatChoice::takePreference(current->medias.at(mediaIndex));
}

void Youtube::searchSubtitles()
{
    log(QStringLiteral("searchSubtitles()"));
    if (Item* item = itemAt(state().currentList, state().currentItem))
        item->searchingSubtitles = true;
}

QList<DownloadItem> Youtube::selectedDownloadItems()
{
    log(QStringLiteral("selectedDownloadItems()"));
    return SelectionToTasks::selectedTasks(&modelRef());
}

bool Youtube::startDownload(const QList<DownloadItem*>& items)
{
    log(QStringLiteral("startDownload(%1)").arg(items.size()));
    return state().startAnswers.isEmpty() ? true : state().startAnswers.dequeue();
}

void Youtube::addDownloadingItems(const QList<DownloadItem*>& items)
{
    log(QStringLiteral("addDownloadingItems(%1)").arg(items.size()));
}

void Youtube::removeDownloadingItems(const QList<DownloadItem*>& items)
{
    log(QStringLiteral("removeDownloadingItems(%1)").arg(items.size()));
}

void Youtube::clearDownloadingItems()
{
    log(QStringLiteral("clearDownloadingItems()"));
}

QList<DownloadItem> Youtube::loadDownloadingItems()
{
    log(QStringLiteral("loadDownloadingItems()"));
    return {};
}

bool Youtube::isDownloadPending(const DownloadItem* item) const
{
    log(QStringLiteral("isDownloadPending()"));
    return state().pendingTasks.contains(item);
}

bool Youtube::stopDownload(DownloadItem*, bool detach)
{
    log(QStringLiteral("stopDownload(%1)").arg(flag(detach)));
    return true;
}

bool Youtube::stopAllDownloads(bool detach, bool wait)
{
    log(QStringLiteral("stopAllDownloads(%1,%2)").arg(flag(detach), flag(wait)));
    return true;
}

void Youtube::releaseDownloadingItems()
{
    log(QStringLiteral("releaseDownloadingItems()"));
}

bool Youtube::checkUpgrade(bool& needUpgrade)
{
    log(QStringLiteral("checkUpgrade()"));
    needUpgrade = state().checkFlag;
    return state().checkOffered;
}

bool Youtube::startUpgrade()
{
    log(QStringLiteral("startUpgrade()"));
    State& s = state();
    s.upgradeStopped = false;
    if (s.upgradeDelayMs > 0) {
        QEventLoop loop;
        s.upgradeLoop = &loop;
        QTimer::singleShot(s.upgradeDelayMs, &loop, &QEventLoop::quit);
        loop.exec();
        s.upgradeLoop = nullptr;
    }
    const bool result = s.upgradeResult && !s.upgradeStopped;
    emit doUpgradeFinished();
    return result;
}

void Youtube::stopUpgrade()
{
    log(QStringLiteral("stopUpgrade()"));
    State& s = state();
    s.upgradeStopped = true;
    if (s.upgradeLoop)
        s.upgradeLoop->quit();
}

QList<SiteAccount*>* Youtube::siteAccounts()
{
    return accounts.sites();
}

void Youtube::saveSiteAccounts()
{
    accounts.save();
}

bool Youtube::moveSiteAccountToFront(int position)
{
    log(QStringLiteral("moveSiteAccountToFront(%1)").arg(position));
    return accounts.moveToFront(position);
}

QList<SubscribeRecord> Youtube::subscribeLists()
{
    return subscriptions.subscribeLists();
}

void Youtube::subscribeCurrentList()
{
    log(QStringLiteral("subscribeCurrentList()"));
    if (List* list = currentList()) {
        subscriptions.addSubscribeList(list);
        list->subscribed = true;
    }
}

void Youtube::updateSubscribeList(const SubscribeRecord& record)
{
    subscriptions.updateSubscribeList(record);
}

void Youtube::removeSubscribeList(const SubscribeRecord& record)
{
    subscriptions.removeSubscribeList(record);
}

bool Youtube::accountInfo(QString& outUser, QString& outPassword)
{
    std::unique_lock l(m_accountLock);
    if (user.isEmpty() || password.isEmpty())
        return false;
    outUser = user;
    outPassword = password;
    return true;
}

void Youtube::clearAccountInfo()
{
    std::unique_lock l(m_accountLock);
    user.clear();
    password.clear();
    accountSite.clear();
}

void Youtube::setAccountInfo(const QString& newUser, const QString& newPassword, const QString& site)
{
    std::unique_lock l(m_accountLock);
    user = newUser;
    password = newPassword;
    accountSite = site;
}

bool Youtube::accountFits(const QString& url, const QString& site) const
{
    return !site.isEmpty() && loginSite(url) == site;
}

bool Youtube::accountInfoFor(const QString& url, QString& outUser, QString& outPassword)
{
    std::unique_lock l(m_accountLock);
    if (user.isEmpty() || password.isEmpty() || !accountFits(url, accountSite))
        return false;
    outUser = user;
    outPassword = password;
    return true;
}

void Youtube::setLastError(const QString& text)
{
    std::unique_lock l(m_accountLock);
    lastError = text;
}

QString Youtube::lastErrorText() const
{
    std::unique_lock l(m_accountLock);
    return lastError;
}

bool Youtube::isMusicMode() const
{
    return state().musicMode;
}

void Youtube::setMusicMode(bool on)
{
    musicMode = on;
}

QString Youtube::loginSite(const QString& url) const
{
    return accounts.loginSite(url);
}

bool Youtube::filterSubscribedList(Youtube_Structure::Lists* l, bool complete)
{
    return subscriptions.filterSubscribedList(l, complete);
}

QStringList Youtube::extList() const
{
    return FormatChoice::extList();
}

QString Youtube::defaultExt() const
{
    return FormatChoice::defaultExt();
}

void Youtube::setDefaultExt(const QString& ext)
{
    FormatChoice::setDefaultExt(ext);
}

QStringList Youtube::resolutionList() const
{
    return FormatChoice::resolutionList();
}

QString Youtube::defaultResolution() const
{
    return FormatChoice::defaultResolution();
}

void Youtube::setDefaultResolution(const QString& text)
{
    FormatChoice::setDefaultResolution(text);
}

void Youtube::onDownloadItemFinished(const DownloadItemSummary& summary)
{
    subscriptions.onDownloadItemFinished(summary);
}
