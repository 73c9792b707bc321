#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "gui/BaseDialog.h"

#include <QImage>
#include <QListWidget>
#include <QPointer>
#include <QString>

namespace Ui {
class UrlAnalyserDialog;
}

class QLabel;
class QMovie;
class QUxListWidget;
class CYtbVideoListSubArea;
class CUxTpTextIllus;

// The URL analysis window: the address field, the analysed lists and items
// with their formats and subtitles, and the buttons that hand the selection
// to the download page. Frameless, with a 10-pixel shadow band around its
// content, dragged by its top band and rescaled by the interface factor.
//
// The engine's model changes under the window while an analysis runs and
// is replaced by the next one, so no engine pointer is kept: the current
// list is read from the facade at each use.
class UrlAnalyserDialog : public BaseDialog
{
    Q_OBJECT
public:
    explicit UrlAnalyserDialog(QWidget* parent = nullptr);
    ~UrlAnalyserDialog() override;

    Ui::UrlAnalyserDialog* form() const { return ui; }

    // Places and sizes every widget of the form from its design properties
    // at the current interface factor (half away from zero, like
    // UIBaseData::scaled), the window itself included.
    void rescaleForm();

    void resetUi();
    int execAnalyse(const QString& url);
    int execMyList(bool myList);
    int exec() override;

    static bool isHttpUrl(const QString& text);
    // The request for plain words: "ytsearchdate<count>:<words>".
    static QString searchRequest(const QString& words);

    // Whether the next analysis first checks the engine pack for an upgrade
    // (process-wide; tests re-arm it).
    static bool upgradeCheckArmed();
    static void setUpgradeCheckArmed(bool armed);

    QUxListWidget* listRowsWidget() const { return listRows; }
    QUxListWidget* itemRowsWidget() const { return itemRows; }
    QString currentRequest() const { return currentUrl; }
    QUxListWidget* formatRowsWidget() const { return formatRows; }
    QListWidget* tiles() const { return tileList; }
    int shownItem() const { return currentItemIndex; }

signals:
    // The user logged in or out inside the dialog.
    void logged(bool in);

public slots:
    void onAnalyseUrl(const QString& url);
    void on_btnAnalyseOrStop_clicked(bool bChecked);
    void on_btn_paste_clicked();
    void analyseUrl(const QString& url);
    void onAnalyseProgress(int cur, int total);
    void onAnalyseAllStoped();
    void onLiveMusicToVideo();
    void on_btnLogIn_clicked();
    void on_btn_clearAccount_clicked();
    void on_btn_myList_clicked();
    void on_btnLog_clicked();
    void on_btnWatchLaterlXiala_clicked();
    void on_btn_done_clicked();
    void on_btn_doneAll_clicked();
    void on_btn_cancel_clicked();
    void on_closebtn_clicked();
    void on_checkBoxDownloadList_uxClicked(bool checked);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

public slots:
    void onItemRefresh(YoutubeListType listType, Youtube_Structure::List* curList, int curIndex, YoutubeItem item);
    void onMediaListInfo(YoutubeMediaListInfo mediaListInfo);
    void onUrlImageCatched(QString url, QImage img);
    void firMediaItemChanged(int iIndex);
    void secMediaItemChanged_left(int iIndex);
    void secMediaItemClicked_right(int iIndex);
    void on_btnBack_clicked();
    void on_btnShowAll_clicked();
    void on_btnReload_clicked();
    void on_btnOpen_clicked();
    void onLinkSupport(const QString& link);
    void on_btn_search_clicked();
    void on_comboBoxLangCode_currentIndexChanged(int index);
    void on_checkBox_uxClicked(bool checked);
    void on_btn_applyToAll_clicked();
    void on_btnSubscribe_checked(bool checked);
    void onSwitchToSecListUi();
    void onClearSubTitles();

private slots:
    void onStartAnalyse();
    void handUrlData();
    void syncFormatChecks();

private:
    void resetAnalyseButton();
    void runningLook(bool fromEngine);
    bool handleAnalyseResult(YoutubeError ret, bool& relogin, QString& site);
    bool askAgain();
    void showPreview();
    void refreshWatchLaterButton(bool enabled);
    void hideLanguageChoice();
    void startMovie(QLabel* label);
    void stopMovie(QLabel* label);
    void finish(int result);
    void showItemFormats(const YoutubeList& formats, int index, bool fromRefresh);
    void showItemState(const YoutubeList& formats, int index, int state);
    void showHeader(const YoutubeList& formats, int index);
    void fillLanguageChoice(int index);
    void switchToMediaUi();
    void setItemStatePage(int state);
    void setShowAllFormats(bool on);
    void fillFormatRows(const YoutubeList& formats);
    void placeTiles();
    void placePoster(const QPoint& basePos);
    void placeUrlLabel();
    // The window's own dressing (UrlAnalyserDialogLooks.cpp).
    void dressButtons();
    void fitToContent(CUxTpTextIllus* button);
    void layoutTexts();
    void placeShowAll();
    void applyLooks();
    void paintLineWidget();
    void placeSubtitleStatus();
    void showSubtitleBusy(bool busy);
    QWidget* tileAt(int recordIndex) const;

    Ui::UrlAnalyserDialog* ui = nullptr;
    bool m_rescaling = false;
    QUxListWidget* listRows = nullptr;
    QUxListWidget* itemRows = nullptr;
    QUxListWidget* formatRows = nullptr;
    CYtbVideoListSubArea* subtitleArea = nullptr;
    QLabel* subtitleStatusLabel = nullptr;
    QLabel* subtitleBusyLabel = nullptr;
    QPointer<QListWidget> tileList;
    QString thumbnailUrl;
    int currentItemIndex = -1;
    bool showAllFormats = false;
    QString currentUrl;
    bool taskbarShown = false;
    // The item of the current list whose audio languages the combo shows.
    int currentListIndex = -1;
};
