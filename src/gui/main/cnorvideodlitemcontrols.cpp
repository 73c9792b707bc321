// The row's controls: the live control with the scheduled recording, the
// download icon, reload, skip, close, open folder, the time editor, the
// format change and the tool links.
#include "gui/main/cnorvideodlitem.h"

#include "ui_livevideoform.h"
#include "ui_mediadlitemform.h"

#include "function/Youtube/Youtube.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CToolTip.h"
#include "gui/main/CUxDlTracksListBox.h"
#include "gui/main/CUxTimeEdit.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"

#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTime>
#include <QUrl>

namespace {

// The refusal balloons, built on first use and kept for the run; guarded,
// since the window they sit on may go first.
QPointer<CToolTipText> g_balloons[3];

int secondsOfDay(const QTime& t)
{
    return t.hour() * 3600 + t.minute() * 60 + t.second();
}

} // namespace

QPointer<CNorVideoDlItem> CNorVideoDlItem::trackChooserRow;
QPointer<CUxDlTracksListBox> CNorVideoDlItem::trackChooser;

CToolTipText* CNorVideoDlItem::refusalBalloon(int which)
{
    return (which >= 0 && which < 3) ? g_balloons[which].data() : nullptr;
}

void CNorVideoDlItem::showRefusal(int which)
{
    QPointer<CToolTipText>& balloon = g_balloons[which];
    if (!balloon) {
        const QString text = which == 2 ? tr("Can't reserve download. Only 5 are allowed at one time.")
                                        : tr("can't start to download,Only 5 are allowed at the same time.");
        balloon = new CToolTipText(text, UIBaseData::instance()->mainPopup());
        balloon->setObjectName(QStringLiteral("refusalBalloon%1").arg(which));
        balloon->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    }
    balloon->setTextColor(QColor(QStringLiteral("#919499")));
    balloon->show();
    balloon->move(QCursor::pos());
    balloon->start(2500);
}

void CNorVideoDlItem::on_btnContrl_clicked()
{
    if (!liveForm)
        return;
    Youtube* engine = Youtube::instance();
    if (downloading) {
        engine->stopDownload(&item, false);
        liveState = 0;
    } else {
        switch (liveState) {
        case 0:
            if (engine->startDownload({&item}))
                liveState = 1;
            else
                showRefusal(1);
            break;
        case 2:
            if (engine->startDownload({&item}))
                liveState = 3;
            else
                showRefusal(2);
            break;
        case 3: {
            engine->stopDownload(&item, false);
            liveState = 2;
            // An order cancelled at its own second is dropped; one whose time
            // has passed keeps it and, ordered again, runs the next day.
            const QTime t = QTime::fromString(liveForm->labStartTime->text(), QStringLiteral("HH:mm:ss"));
            const int d = t.isValid() ? secondsOfDay(t) - secondsOfDay(QTime::currentTime()) : 0;
            if (d >= -1 && d <= 1)
                liveState = 0;
            break;
        }
        default:
            break;   // asked for and not yet started
        }
    }
    refreshLive();
}

void CNorVideoDlItem::on_DlIcon_clicked()
{
    if (liveForm || completed)
        return;
    Youtube* engine = Youtube::instance();
    if (downloading) {
        engine->stopDownload(&item, false);
        return;
    }
    if (lastResult == DownloadItem::DownloadFormatUnavailable || lastResult == DownloadItem::DownloadFailed)
        return;   // BtnReload is offered instead
    if (!engine->startDownload({&item}))
        showRefusal(0);
}

void CNorVideoDlItem::on_BtnReload_clicked()
{
    completed = false;
    if (liveForm) {
        liveForm->progressBar->setValue(0);
    } else {
        setProgress(0);
        if (form) {
            form->BtnReload->hide();
            form->btnOpenFolder->hide();
        }
    }
    Youtube::instance()->addDownloadingItems({&item});
    Youtube::instance()->startDownload({&item});
}

void CNorVideoDlItem::on_BtnSkip_clicked()
{
    skipOverlay->show();
    skipOverlay->raise();
}

void CNorVideoDlItem::onRestroSkip()
{
    skipOverlay->hide();
}

void CNorVideoDlItem::on_btnClose_clicked()
{
    if (downloading) {
        const int answer = MsgDialog::showMsg(QString(), tr("The media file is being downloaded."),
                                              tr("Do you really want to end the current download?"), tr("Yes"), tr("No"),
                                              QString(), UIBaseData::instance()->mainPopup(), tr("Warning"), 1);
        if (answer != MsgDialog::Button0)
            return;
    }
    Youtube::instance()->stopDownload(&item, true);
    Youtube::instance()->removeDownloadingItems({&item});
    // The list deletes the row on this; nothing may follow it.
    emit doErase();
}

void CNorVideoDlItem::on_btnOpenFolder_clicked()
{
    if (outputFiles.isEmpty())
        return;
    UIBaseData::OpenFolderAndSelectFiles(QFileInfo(outputFiles.first()).absolutePath(), outputFiles);
}

void CNorVideoDlItem::on_btnRevertStartTime_clicked()
{
    if (!liveForm || downloading || liveState == 3)
        return;
    liveForm->labStartTime->setText(currentTimeText());
    item.startNow = true;
    liveState = 0;
    refreshLive();
}

void CNorVideoDlItem::on_btnEditStartTime_clicked()
{
    popUpTimeEdit(0);
}

void CNorVideoDlItem::on_btnEditDurTime_clicked()
{
    popUpTimeEdit(1);
}

CUxTimeEdit* CNorVideoDlItem::timeEditor() const
{
    return m_timeEdit;
}

void CNorVideoDlItem::popUpTimeEdit(int iType)
{
    if (!liveForm || downloading || liveState == 3)
        return;
    if (CUxTimeEdit::timeEditPopup) {
        CUxTimeEdit::timeEditPopup->deleteLater();
        CUxTimeEdit::timeEditPopup = nullptr;
    }
    auto* editor = new CUxTimeEdit(iType, this);
    CUxTimeEdit::timeEditPopup = editor;
    m_timeEdit = editor;
    connect(editor, &CUxTimeEdit::hided, this, &CNorVideoDlItem::onPopUpTimeEditFinished);
    QLabel* anchor = iType == 0 ? liveForm->labStartTime : liveForm->labDuration;
    const QPoint pos = anchor->mapToGlobal(QPoint(0, -UIBaseData::scaled(2.0f)));
    editor->resize(anchor->width() + UIBaseData::scaled(2.0f), anchor->height() + UIBaseData::scaled(4.0f));
    editor->setTime(anchor->text());
    editor->move(pos);
    editor->show();
}

void CNorVideoDlItem::onPopUpTimeEditFinished(QString time, int iType)
{
    if (!liveForm)
        return;
    const QTime t = QTime::fromString(time, QStringLiteral("HH:mm:ss"));
    const QTime now = QTime::currentTime();
    if (iType == 0 && t.isValid()) {
        const int d = secondsOfDay(t) - secondsOfDay(now);
        if (d > 1) {
            liveForm->labStartTime->setText(t.toString(QStringLiteral("HH:mm:ss")));
            item.startNow = false;
            liveState = 2;
            item.startTime = t;
        } else {
            liveForm->labStartTime->setText(currentTimeText());
            item.startNow = true;
            liveState = 0;
            item.startTime = now;
        }
    } else if (iType == 1 && t.isValid() && secondsOfDay(t) > 0) {
        // A recording of no length would end before it began.
        liveForm->labDuration->setText(time);
        item.duration = secondsOfDay(t);
    }
    refreshLive();
}

void CNorVideoDlItem::on_btnTrack_clicked()
{
    trackChooserRow = this;
    QWidget* button = liveForm ? static_cast<QWidget*>(liveForm->btnTrack) : static_cast<QWidget*>(mediaForm()->btnTrack);
    auto* chooser = new CUxDlTracksListBox(&CNorVideoDlItem::onTrackChosen, nullptr, nullptr, &CNorVideoDlItem::applyTrack, this);
    trackChooser = chooser;
    chooser->setItemCount(item.medias.size());
    const int chosen = item.chosenMediaIndex();
    for (int i = 0; i < item.medias.size(); ++i)
        chooser->addItem(new CUxDlTrackItem(item.medias.at(i), i == chosen, i, chooser));
    chooser->setAnchor(button->mapToGlobal(QPoint(0, button->height())));
    chooser->popup(-1);
}

bool CNorVideoDlItem::onTrackChosen(int index, bool apply)
{
    CNorVideoDlItem* row = trackChooserRow;
    if (!row)
        return false;
    DownloadItem& task = row->item;
    if (!apply)
        return index != task.chosenMediaIndex();
    if (index == task.chosenMediaIndex() || index < 0 || index >= task.medias.size())
        return false;
    // A task the engine has queued or runs, though its start has not yet
    // reached the row, must keep its format and its temporary folder.
    if (Youtube::instance()->isDownloadPending(&task))
        return false;
    if (row->progress() > 0) {
        QPointer<CNorVideoDlItem> guard(row);
        const int answer = MsgDialog::showMsg(tr("Waring"), tr("Change track will loss current downloaded data."),
                                              tr("continue to change?"), tr("Yes"), tr("No"), QString(),
                                              UIBaseData::instance()->mainPopup(), tr("Warning"), 1);
        // The question runs an event loop: the row may have gone or its
        // task been started meanwhile.
        if (answer != MsgDialog::Button0 || !guard || guard->downloading || Youtube::instance()->isDownloadPending(&task))
            return false;
    }
    if (!task.setChosenMediaIndex(index))
        return false;
    Youtube::instance()->addDownloadingItems({&task});
    row->refreshInfo();
    row->setProgress(0);
    row->completed = false;
    if (row->liveForm) {
        row->liveForm->labStartTime->setText(currentTimeText());
        task.startNow = true;
        row->liveState = 0;
        row->refreshLive();
    } else {
        row->refreshOrdinary();
        row->linksOffered = false;
        if (row->form)
            row->form->linkWidget->hide();
    }
    return true;
}

bool CNorVideoDlItem::applyTrack(int index)
{
    return onTrackChosen(index, true);
}

void CNorVideoDlItem::openToolLink(QWidget* button)
{
    const QString address = button->property("URL").toString();
    // Only web addresses go to the browser: the value comes from the
    // version data.
    const QString scheme = QUrl(address).scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return;
    QDesktopServices::openUrl(QUrl(appendLinkParams(address, QStringLiteral("mainui")), QUrl::TolerantMode));
}

void CNorVideoDlItem::on_btnToMp3_clicked()
{
    if (form)
        openToolLink(form->btnToMp3);
}

void CNorVideoDlItem::on_btnMarbletone_clicked()
{
    if (form)
        openToolLink(form->btnMarbletone);
}
