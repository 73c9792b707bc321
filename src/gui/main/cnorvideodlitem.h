#pragma once

#include "data_structure/DownloadItem/DownloadItem.h"
#include "gui/common/MediaListWidget/QUxItemBase.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class CToolTipText;
class CUxDlTracksListBox;
class CUxTimeEdit;
class QLabel;
class QPushButton;
class QTimer;
class QUxListWidget;
class CUxTpTextIllus;

namespace Ui {
class mediadlitemform;
class livevideoform;
}

// One row of the download list. The row owns its download task by value;
// the engine and the page work on that embedded task by pointer, so the
// task must be out of the engine before the row goes.
//
// The row opens the time editor and the format chooser; it deletes both
// before it goes, so neither reaches a dead row.
//
// Threads: everything here runs on the interface thread. The task's
// doStarted and doProgress come from a download worker and arrive queued
// (one thread emits both, so the start is always shown before the first
// progress); doFinish arrives queued too when a worker emits it.
class CNorVideoDlItem : public QUxItemBase
{
    Q_OBJECT
public:
    CNorVideoDlItem(QUxListWidget* list, const DownloadItem& task, bool trackChangeable);
    ~CNorVideoDlItem() override;

    DownloadItem* downloadItem() { return &item; }
    bool isDownloading() const { return downloading; }
    bool isCompleted() const { return completed; }
    bool isSkipped() const;
    bool isLive() const { return liveForm != nullptr; }
    int progress() const;
    int lastResultCode() const { return lastResult; }
    int liveControlState() const { return liveState; }
    QString firstOutputFile() const { return outputFiles.value(0); }
    QStringList outputFileList() const { return outputFiles; }

    void setProgress(int value);
    // Opens the time editor over the start time (0) or the length (1);
    // nothing while recording or while an order is queued.
    void popUpTimeEdit(int iType);
    CUxTimeEdit* timeEditor() const;
    void refreshInfo();
    void refresh();
    void updateThumbnail();

    // An ordinary row builds its form when first polished, that is when it
    // first comes into view, or when asked for it here.
    Ui::mediadlitemform* mediaForm() const;
    bool hasMediaForm() const { return form != nullptr; }
    Ui::livevideoform* liveVideoForm() const { return liveForm; }
    QWidget* skipCover() const { return skipOverlay; }
    // The cover's button is made when first needed.
    QPushButton* restoreCoverButton() const;
    QTimer* pulseTimer() const { return lightTimer; }
    int pulseStep() const { return lightStep; }

    // The control texts of a live row by state, and the start-time text,
    // shared by every row and the time editor; each row refills them from
    // the current translation.
    static QString currentTimeText();
    static QString controlText(int state);

    // The format chooser's decisions. The callbacks take no context: the
    // row whose chooser opened last is trackChooserRow.
    static bool onTrackChosen(int index, bool apply);
    static bool applyTrack(int index);
    static QPointer<CNorVideoDlItem> trackChooserRow;
    static QPointer<CUxDlTracksListBox> trackChooser;

    // The refusal balloons, kept for the run once shown: the download
    // icon's (0), the control button's (1) and the order's (2).
    static CToolTipText* refusalBalloon(int which);

    int itemHeight() override { return m_itemHeight; }
    QRect clickRect() override;
    void setSelectedStyle() override;
    void setNormalStyle() override;
    void setHoverStyle() override;
    void setSelectedHoverStyle() override;
    void onResize(QResizeEvent* event) override;

    // The style sheet of a state button: border image per state under
    // ":/res/" (".png" added), extra appended to the normal state.
    static QString stateSheet(const QString& normal, const QString& hover, const QString& pressed,
                              const QString& extra = QString(), const QString& checked = QString());

public slots:
    void onDownStarted();
    void onProgressCatched(int cur);
    void onDownFinished(int iRet, QStringList output);
    void onPopUpTimeEditFinished(QString time, int iType);
    void on_btnTrack_clicked();
    void on_btnClose_clicked();
    void on_BtnReload_clicked();
    void on_BtnSkip_clicked();
    void on_DlIcon_clicked();
    void on_btnContrl_clicked();
    void on_btnOpenFolder_clicked();
    void on_btnRevertStartTime_clicked();
    void on_btnEditStartTime_clicked();
    void on_btnEditDurTime_clicked();
    void onRestroSkip();
    void showlight();
    void on_btnToMp3_clicked();
    void on_btnMarbletone_clicked();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLive();
    void prepareOrdinary();
    void buildOrdinary();
    void ensureForm();
    void refreshOrdinary();
    void refreshLive();
    void applyOrdinaryLook(bool selected);
    void setRowImage(const QString& image);
    // Fills the two tool buttons from the version data's convert links.
    void onConvertLinksReady(bool dataValid);
    QLabel* processLabel() const;
    void showRefusal(int which);
    void openToolLink(QWidget* button);
    void placeRestoreButton();

    DownloadItem item;
    bool trackChangeable;
    bool downloading = false;
    bool completed = false;
    int lastResult = 0;
    QStringList outputFiles;
    int liveState = 0;
    int m_itemHeight = 120;
    Ui::mediadlitemform* form = nullptr;
    Ui::livevideoform* liveForm = nullptr;
    // What an ordinary row went through before its form was built, handed
    // to the form when it is: the progress bar's value and the percentage
    // text (null while the form's own stands), the look given last (-1 none,
    // 0 normal, 1 selected) and whether the tool links were offered.
    int pendingProgress = 0;
    QString pendingProcessText;
    int lookGiven = -1;
    bool linksOffered = false;
    QWidget* skipOverlay = nullptr;
    QPushButton* restoreButton = nullptr;
    QTimer* lightTimer = nullptr;
    int lightStep = 0;
    bool lightRising = true;
    QPointer<CUxTimeEdit> m_timeEdit;
};
