#pragma once

#include "data_structure/DownloadItem/DownloadItem.h"
#include "function/Youtube/YoutubeStructure.h"
#include "function/Youtube/private/Accounts/AccountTrusteeship.h"
#include "function/Youtube/private/SubscribeListMgr/SubscribeListMgr.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <mutex>

class YoutubePrivate;

// The site engine as the rest of the program sees it: a process-wide
// singleton reached through Youtube::instance(). Windows call its operations
// on the graphical thread; the engine's worker threads call only
// isMusicMode, accountInfo, loginSite, setLastError and
// filterSubscribedList. Results come back through the signals below.
class Youtube : public QObject
{
    Q_OBJECT
public:
    static Youtube* instance();
    ~Youtube() override;

    Youtube(const Youtube&) = delete;
    Youtube& operator=(const Youtube&) = delete;

    // Analysis. initAnalyser blocks in a local event loop until the first
    // result (or failure) and returns a YoutubeError value; on a failure
    // doAnalyseFinished follows (queued), once.
    YoutubeError initAnalyser(const QString& url, const QString& user = QString(), const QString& password = QString());
    void stopAnalyse();
    // Rows: level 0 index -1 the lists, level 0 index i the items of list i
    // (it becomes current), level 1 index j the formats of item j of the
    // current list (it becomes current).
    void lists(YoutubeList& out, int level, int index);
    Youtube_Structure::List* currentList();
    void reloadItem(int index);
    void setChecked(int level, int index, bool checked);
    void setSubLangChecked(int index, bool checked);
    // The audio-language codes of item itemIndex of the current list and
    // its preferred entry; false when there is no such item. The setter
    // writes only the preferred index, under the model's lock, so analysis
    // threads publishing into the item lose nothing.
    bool audioLanguages(int itemIndex, QStringList& codes, int& preferred);
    void setAudioLanguageIndex(int itemIndex, int index);
    void setShowAllMedia(bool on);
    void applyMediaToAll(int mediaIndex);
    void searchSubtitles();
    QList<DownloadItem> selectedDownloadItems();

    // Downloads. The jobs belong to the caller (the download page's rows).
    bool startDownload(const QList<DownloadItem*>& items);
    void addDownloadingItems(const QList<DownloadItem*>& items);
    void removeDownloadingItems(const QList<DownloadItem*>& items);
    void clearDownloadingItems();
    QList<DownloadItem> loadDownloadingItems();
    bool stopDownload(DownloadItem* item, bool detach);
    // Whether the engine holds item queued or running; true already before
    // the row has seen its start, so the row keeps the task's files alone.
    bool isDownloadPending(const DownloadItem* item) const;
    bool stopAllDownloads(bool detach, bool wait);
    // At the end of the program: stops every download detached, writes the
    // list of unfinished downloads once and forgets the jobs without
    // unlisting them, so their owners may go while "downloading.json" and
    // the partial data stay for the next run.
    void releaseDownloadingItems();

    // Engine-pack upgrade.
    bool checkUpgrade(bool& needUpgrade);
    bool startUpgrade();
    void stopUpgrade();

    // Site accounts. The list is the store's own; its order changes only
    // through moveSiteAccountToFront, which analysis threads are safe from.
    QList<SiteAccount*>* siteAccounts();
    void saveSiteAccounts();
    // The entry at position goes first (the site confirmed last); not saved.
    bool moveSiteAccountToFront(int position);

    // Subscriptions.
    QList<SubscribeRecord> subscribeLists();
    void subscribeCurrentList();
    void updateSubscribeList(const SubscribeRecord& record);
    void removeSubscribeList(const SubscribeRecord& record);
    // The subscription manager; made with the facade, on the graphical thread.
    SubscribeListMgr* subscribeListMgr() { return &subscriptions; }

    // The working half (tests).
    YoutubePrivate* privatePart() const { return d; }

    // Credentials of the running analysis: false (and the arguments left
    // alone) when either is empty.
    bool accountInfo(QString& user, QString& password);
    void clearAccountInfo();
    // Sets the credentials the analysis runs with and the site they belong
    // to (a loginSite value); the analysis start calls it before the first
    // worker reads them.
    void setAccountInfo(const QString& user, const QString& password, const QString& site = QString());
    // The credentials for one address: only when the address's loginSite is
    // the site they belong to, so that a list's entry on another host never
    // receives them.
    bool accountInfoFor(const QString& url, QString& user, QString& password);
    // True when site is non-empty and the address's loginSite is that site.
    bool accountFits(const QString& url, const QString& site) const;

    void setLastError(const QString& text);
    QString lastErrorText() const;

    // Music mode cannot be entered in this program: the flag is stored but
    // isMusicMode always answers false.
    bool isMusicMode() const;
    void setMusicMode(bool on);

    // The website of the site entry whose extractor accepts the address,
    // empty when none does.
    QString loginSite(const QString& url) const;

    // Lets the subscription filter mark the items of subscribed lists;
    // true when something was filtered. complete is false when the entry
    // cap cut the list short (its unseen videos keep their history).
    bool filterSubscribedList(Youtube_Structure::Lists* lists, bool complete = true);

    // Format choice.
    QStringList extList() const;
    QString defaultExt() const;
    void setDefaultExt(const QString& ext);
    QStringList resolutionList() const;
    QString defaultResolution() const;
    void setDefaultResolution(const QString& text);

signals:
    void doYtbUpgradeProcess(qlonglong cur, qlonglong total);
    void doUpgradeFinished();
    void doYoutubeListRefresh(YoutubeListType listType, Youtube_Structure::List* curList, int curIndex, YoutubeItem item);
    void doListInfoRefresh(YoutubeMediaListInfo mediaListInfo);
    void doStartAnalyse();
    void doProgress(int cur, int total);
    void doAnalyseFinished();
    void doDownloadFinished(QStringList successedFiles, QStringList failedFiles);
    void doLiveMusicToVideo();

public slots:
    // A job has finished; the summary was taken when it finished (on the
    // worker's thread), so the job itself may already be gone.
    void onDownloadItemFinished(const DownloadItemSummary& summary);

private:
    explicit Youtube(QObject* parent = nullptr);

    bool musicMode = false;
    YoutubePrivate* d = nullptr;
    AccountTrusteeship accounts;
    SubscribeListMgr subscriptions;
    // The credentials are written on the graphical thread around an
    // analysis and read by its workers; the lock keeps each read whole.
    mutable std::mutex m_accountLock;
    QString user;
    QString password;
    QString accountSite;
    QString lastError;
};
