#pragma once

#include "function/QtAV/av/AVPlayer.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <functional>

class CNorVideoDlItem;
class QUxListWidget;
class UrlAnalyserDialog;

namespace Ui {
class DownloaderForm;
}

// The download page: the one download list with a row per task, the preview
// beside it, and the page-wide commands (start all, stop all, cleaning).
// The rows own their tasks; the engine holds pointers to them, so a row
// leaves the engine before it goes, and the page's end hands the unfinished
// tasks back to the engine's store untouched for the next run.
// GUI thread only; the engine's, the thumbnail fetcher's and the version
// manager's signals arrive queued.
class DownloaderForm : public QWidget
{
    Q_OBJECT
public:
    explicit DownloaderForm(QWidget* parent = nullptr);
    ~DownloaderForm() override;

    QUxListWidget* downloadList();
    Ui::DownloaderForm* form() const { return ui; }
    // Made at its first use: the window comes up without it.
    UrlAnalyserDialog* urlAnalyser();
    CNorVideoDlItem* row(int index);

    void startAllDownloads();
    bool clearDownloadList();
    void stopAllDownloads(bool remove);
    // Whether a row is downloading now.
    bool isDownloading();
    // At the end of the program: stops the downloads and hands the
    // unfinished rows to the engine's store for the next run, once.
    void releaseDownloads();

    // The list holds at most this many rows after an addition.
    static constexpr int kMaxRows = 2000;

signals:
    void doBack();
    void doSetting();

public slots:
    void doAfterUrlAnalysis(int result);
    void on_folder_browse_clicked();
    void on_folder_open_clicked();
    void on_folder_browse_2_clicked();
    void on_folder_open_2_clicked();
    void on_btn_dowloadAll_clicked();
    void on_btn_stopAll_clicked();
    void on_btnLogIn_clicked();
    void on_btnLogOut_clicked();
    void onLabDownListClicked();
    void onMenuBtn_back_clicked();
    void onLogged(bool in);
    void onMenuBtn_addVideo_clicked();
    void onMenuBtn_addMusic_clicked();
    void onMenuBtn_clean_clicked();
    void onMenuBtn_cleanSuccess_clicked();
    void onMenuBtn_Setting_clicked();
    void on_btnCheckUpgrad_clicked();
    void onSurpportedWeb();
    void onCurSelectedDownItemChanged(int index);
    void onDownLoadListCleared();
    void onDownFinished(QStringList successedFiles, QStringList failedFiles);
    void onInitDownLoadItemImageCatched(QString url, QImage img);
    void onPlayStateChanged(TwAV::AVPlayer::State state);
    void on_m_pBtnPlayPause_clicked();
    void onLoadError();
    void onLoading(bool loading);
    QHash<QString, QVariant> getProxy();
    void onVoiceChanged(int value);
    void onCurrentItemClosed();
    void refreshOutputPath();
    void on_btn_myList_clicked();
    void on_btnSupWebs_clicked();
    void on_btnLinkToMp3_clicked();
    void on_btnLinkDrovik_clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setUpMenu();
    void restoreDownloads();
    void showAccount(bool loggedIn);
    void dressCheckUpgrade();
    void onVersionChecked(bool dataValid);
    QString warningTitle() const;
    // Music mode, the dialog's run, its reset, then the selection it left.
    void runUrlDialog(bool musicMode, const std::function<int(UrlAnalyserDialog*)>& run);
    void showOutputPath(const QString& folder);
    void chooseFolder(const QString& key, bool show);
    void openFolder(const QString& key);
    // Follows a new row's task: a start of its own (its icon, reload) turns
    // the big button into "stop" as start all does, and the files it
    // finishes count for the batch's end.
    void followRow(QObject* row);
    void openCompletedFolder(const QStringList& files);

    Ui::DownloaderForm* ui;
    UrlAnalyserDialog* m_urlAnalyser = nullptr;
    bool m_labDownAllPressed = false;
    bool m_released = false;
    bool m_settingLabelFont = false;
    // The user stopped the batch that runs; its end opens no folder.
    bool m_batchStopped = false;
    // The files the rows finished since the last batch ended.
    QStringList m_batchFiles;
    QUxListWidget* m_list = nullptr;
};
