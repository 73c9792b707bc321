#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "function/Youtube/private/Analyser/AnalyseThread.h"
#include "function/Youtube/private/Downloader/DownloadThread.h"
#include "function/Youtube/private/Downloader/DownloadingStore.h"
#include "function/Youtube/private/FormatChoice.h"
#include "function/Youtube/private/Subtitle/SubtitleThread.h"
#include "function/Youtube/private/Upgrade/UpgradeYtb.h"

#include <QList>
#include <QString>
#include <QThread>
#include <QVector>

class Youtube;

// The working half of the engine facade: owns the worker objects, wires
// their signals to the facade, drives one analysis (with its retries),
// keeps the analysed model and the user's place in it, builds the rows the
// windows show and keeps the ticks of lists, items and formats consistent.
// Lives on the graphical thread; every operation and slot runs there. It is
// a QThread only by descent and is never started.
class YoutubePrivate : public QThread
{
    Q_OBJECT
public:
    explicit YoutubePrivate(Youtube* owner);
    ~YoutubePrivate() override;

    // One analysis with up to three attempts; a YoutubeError value.
    int initAnalyser(const QString& url, const QString& user, const QString& password, bool forceLogin);
    void stopAnalyse();

    void lists(YoutubeList& out, int level, int index);
    Youtube_Structure::List* currentListPtr() const;
    void setChecked(int level, int index, bool checked);
    void setSubLangChecked(int index, bool checked);
    bool audioLanguages(int itemIndex, QStringList& codes, int& preferred);
    void setAudioLanguageIndex(int itemIndex, int index);
    void setShowAllMedia(bool on);
    void applyMediaToAll(int mediaIndex);
    void reloadItem(int index);
    void searchSubtitles();
    QList<DownloadItem> selectedDownloadItems() const;

    bool startDownload(const QList<DownloadItem*>& items);
    void addDownloadingItems(const QList<DownloadItem*>& items);
    void removeDownloadingItems(const QList<DownloadItem*>& items);
    void clearDownloadingItems();
    QList<DownloadItem> loadDownloadingItems();
    bool stopDownload(DownloadItem* item, bool detach);
    bool isDownloadPending(const DownloadItem* item) const;
    bool stopAllDownloads(bool detach, bool wait);
    void releaseDownloadingItems();

    bool checkUpgrade(bool& forceUpgrade);
    bool startUpgrade();
    void stopUpgrade();

    // The secure watch address of the video an address names, or empty.
    static QString normalisedWatchUrl(const QString& url);

    // The held model (tests and the facade).
    Youtube_Structure::Lists* model() const { return m_lists; }
    int currentListIndex() const { return currentList; }
    int currentItemIndex() const { return currentItem; }

    AnalyseThread* analyseThread() { return &analyser; }
    DownloadThread* downloads() { return &downloadThread; }
    SubtitleThread* subtitles() { return &subtitleThread; }
    UpgradeYtb* upgrader() { return &upgrade; }
    DownloadingStore* downloadingStore() { return &downloading; }

signals:
    void doYoutubeListRefresh(YoutubeListType listType, Youtube_Structure::List* curList, int index, YoutubeItem item);
    void doListInfoRefresh(YoutubeMediaListInfo mediaListInfo);

public slots:
    void onPlaylistItemReady(int playlistIndex, int index, Youtube_Structure::Lists* lists);
    void onSubtitleReady(Youtube_Structure::Item* item);
    void onThumbnailReady(QString thumbnail);
    void onAnalyseFinished();

private:
    // One attempt on the analysis thread; adopts (or frees) what it made.
    int attempt(const QString& url, const QString& user, const QString& password);
    // Ends whatever the previous analysis still runs and delivers what it
    // has already sent, so its model can be freed safely.
    void settlePreviousAnalysis();

    // Rows, built under the model's read lock by the caller.
    YoutubeItem listRow(int i) const;
    YoutubeItem summaryRow() const;
    YoutubeItem itemRow(int i, int j) const;
    Youtube_Structure::Item* itemAt(int i, int j) const;

    // The tick propagation. Rows are collected while the model is locked
    // and emitted once it is free, in the order they were made.
    enum TickFlags { Down = 1, Up = 2, DownUp = 3 };
    struct Emission
    {
        YoutubeListType type;
        YoutubeItem row;
    };
    void setListChecked(int i, int flags, int state);
    void setAllListsChecked(int flags, int state);
    void setItemChecked(int i, int j, int flags, int state);
    void setFormatChecked(int k, int flags, int state);
    void queueRow(YoutubeListType type, const YoutubeItem& row);
    void emitQueued();

    Youtube* q;
    AnalyseThread analyser;
    FormatChoice formatChoice;
    DownloadThread downloadThread;
    SubtitleThread subtitleThread;
    DownloadingStore downloading;
    Youtube_Structure::Lists* m_lists = nullptr;
    UpgradeYtb upgrade;
    int currentList = 0;
    int currentItem = 0;
    bool cancelled = false;

    bool m_initRunning = false;
    QVector<Emission> m_pending;
};
