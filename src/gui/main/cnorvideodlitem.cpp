#include "gui/main/cnorvideodlitem.h"

#include "ui_livevideoform.h"
#include "ui_mediadlitemform.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "gui/main/CUxDlTracksListBox.h"
#include "gui/main/CUxTimeEdit.h"
#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/common/RowParts.h"
#include "shell/ImageDownloader.h"

#include <QDebug>
#include <QEvent>
#include <QHelpEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QTime>
#include <QTimer>
#include <QToolTip>

namespace {

// Filled before the translator exists and refilled by every new row, so
// that they follow the interface language.
QString g_controlTexts[4] = {QStringLiteral("Start Recording"), QStringLiteral("Stop Recording"),
                             QStringLiteral("Order Recording"), QStringLiteral("Cancle order")};

const QColor kDisabledText(96, 96, 96, 128);
const char kToolPlaceholderUrl[] = "https://www.tarnwick.example/";

// Tooltips are rich text to QToolTip when they look like markup; site texts
// are shown as they are.
QString plainTip(const QString& text)
{
    if (text.isEmpty())
        return QString();
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString colourSheet(const QColor& c)
{
    return RowParts::sharedSheet(
        QStringLiteral("color:rgba(%1,%2,%3,%4);").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha()));
}

void setToolImages(CUxTpTextIllus* b, const QString& kind)
{
    // Every row's two buttons keep these nine paths: one copy of each.
    const QString base = QStringLiteral(":/res/special/button_%1_%2%3.png");
    const char* states[] = {"nor", "on", "down"};
    for (int s = 0; s < 3; ++s) {
        QString slices[3];
        for (int i = 0; i < 3; ++i)
            slices[i] = RowParts::sharedSheet(base.arg(kind, QLatin1String(states[s])).arg(i + 1));
        b->setStateImages(slices[0], slices[1], slices[2], 0.5f, s);
    }
}

} // namespace

QString CNorVideoDlItem::currentTimeText()
{
    return CUxTimeEdit::s_CurrentTimeText;
}

QString CNorVideoDlItem::controlText(int state)
{
    return g_controlTexts[qBound(0, state, 3)];
}

QString CNorVideoDlItem::stateSheet(const QString& normal, const QString& hover, const QString& pressed,
                                   const QString& extra, const QString& checked)
{
    QString s = QStringLiteral("QPushButton{border:none;border-image: url(:/res/%1.png);%4}\n"
                               "QPushButton:hover{border-image: url(:/res/%2.png);}\n"
                               "QPushButton:pressed{border-image: url(:/res/%3.png);}")
                    .arg(normal, hover, pressed, extra);
    if (!checked.isEmpty())
        s += QStringLiteral("\nQPushButton:checked{border-image: url(:/res/%1.png);}").arg(checked);
    return RowParts::sharedSheet(s);
}

CNorVideoDlItem::CNorVideoDlItem(QUxListWidget* list, const DownloadItem& task, bool trackChangeable)
    : QUxItemBase(list), item(task), trackChangeable(trackChangeable)
{
    skipOverlay = new QWidget(this);
    lightTimer = new QTimer(this);
    g_controlTexts[0] = tr("Start Recording");
    g_controlTexts[1] = tr("Stop Recording");
    g_controlTexts[2] = tr("Order Recording");
    g_controlTexts[3] = tr("Cancle order");
    CUxTimeEdit::s_CurrentTimeText = tr("Current Time");

    if (item.isLiveStream)
        buildLive();
    else
        prepareOrdinary();

    refreshInfo();

    // Queued, not blocking: the worker announces the start while it holds
    // its job's lock, and a stop from this thread at that moment would wait
    // for that lock for ever.
    connect(&item, &DownloadItem::doStarted, this, &CNorVideoDlItem::onDownStarted, Qt::QueuedConnection);
    connect(&item, &DownloadItem::doProgress, this, &CNorVideoDlItem::onProgressCatched, Qt::QueuedConnection);
    connect(&item, &DownloadItem::doFinish, this, &CNorVideoDlItem::onDownFinished);

    skipOverlay->installEventFilter(this);
    skipOverlay->setObjectName(QStringLiteral("SkipSupernatant"));
    skipOverlay->setAttribute(Qt::WA_StyledBackground, true);
    skipOverlay->setStyleSheet(QStringLiteral("#SkipSupernatant{background-color:rgba(54,60,76,128);}"));
    setBasePos(skipOverlay, QPoint(4, 3));
    skipOverlay->hide();

    lightTimer->setInterval(18);
    connect(lightTimer, &QTimer::timeout, this, &CNorVideoDlItem::showlight);

    refresh();
}

CNorVideoDlItem::~CNorVideoDlItem()
{
    // The editor reports its time when it hides, and it hides as it goes:
    // it must not reach this row once the row is half destroyed.
    if (m_timeEdit) {
        disconnect(m_timeEdit, nullptr, this, nullptr);
        delete m_timeEdit;
    }
    if (trackChooser && trackChooser->parent() == this)
        delete trackChooser;
    delete form;
    delete liveForm;
}

void CNorVideoDlItem::buildLive()
{
    m_itemHeight = 138;
    liveForm = new Ui::livevideoform;
    liveForm->setupUi(this);
    RowParts::shareSheets(this);
    if (!styleSheet().isEmpty())
        setStyleSheet(RowParts::sharedSheet(styleSheet()));
    Ui::livevideoform* f = liveForm;
    f->DlIcon->hide();
    f->btnOpenFolder->hide();
    f->labProcess->hide();
    f->btnTrack->setImages(QString(), QStringLiteral(":/res/video_kuang.png"), QStringLiteral(":/res/video_kuang.png"), 1.0f);
    f->btnTrack->setBtnEnabled(liveState == 0 || liveState == 2);
    f->progressBar->setValue(0);
    f->btnContrl->setText(controlText(liveState));
    f->btnContrl->setBackgroundImages(QStringLiteral(":/res/stop_red_nor.png"), QStringLiteral(":/res/stop_red_hover.png"),
                                      QStringLiteral(":/res/stop_red_down.png"), QString(), 27, 250, 0.5f, 0);
    f->btnContrl->setTextColors(QColor(QStringLiteral("#434652")), QColor(QStringLiteral("#434777")),
                                QColor(QStringLiteral("#434652")), kDisabledText);
    for (QLabel* l : {f->labStartTime, f->labDuration, f->labTitle, f->labFormat, f->labResolution, f->labSize})
        l->installEventFilter(this);
    for (QLabel* l : {f->labTitle, f->labFormat, f->labResolution, f->labSize})
        l->setTextFormat(Qt::PlainText);
    // A fresh recording keeps the task's own length, which the form's
    // "00:05:00" shows, so the two agree before the user edits either.
}

void CNorVideoDlItem::prepareOrdinary()
{
    // A restored list may hold thousands of rows of which a few are ever
    // seen, and a built form costs tens of kilobytes under the style
    // sheets: until it is built the row stands as the form's root would,
    // with its name, design size and strip.
    m_itemHeight = 120;
    setObjectName(QStringLiteral("mediadlitemform"));
    resize(752, 120);
    setRowImage(QStringLiteral("video_tiao_nor.png"));
}

Ui::mediadlitemform* CNorVideoDlItem::mediaForm() const
{
    const_cast<CNorVideoDlItem*>(this)->ensureForm();
    return form;
}

void CNorVideoDlItem::ensureForm()
{
    if (form || liveForm)
        return;
    buildOrdinary();
    // The cover stays over the form made after it.
    if (!skipOverlay->isHidden())
        skipOverlay->raise();
    BaseWidget::rescaleWidgetTree(this, UIBaseData::instance()->scale());
    onResize(nullptr);
    form->progressBar->setValue(pendingProgress);
    if (!pendingProcessText.isNull())
        form->labProcess->setText(pendingProcessText);
    if (linksOffered) {
        form->linkWidget->show();
        onConvertLinksReady(NetVersionMgr::instance()->isDataValid());
    }
    if (lookGiven >= 0)
        applyOrdinaryLook(lookGiven == 1);
    refreshInfo();
    refreshOrdinary();
}

void CNorVideoDlItem::buildOrdinary()
{
    // The form sets the root's design size and its unselected strip; the
    // row keeps the size its list gave it and the strip its look gave it.
    const QString strip = styleSheet();
    const QSize size = this->size();
    form = new Ui::mediadlitemform;
    form->setupUi(this);
    RowParts::shareSheets(this);
    if (styleSheet() != strip)
        setStyleSheet(strip);
    resize(size);
    Ui::mediadlitemform* f = form;
    f->btnTrack->setImages(QString(), QStringLiteral(":/res/video_kuang.png"), QStringLiteral(":/res/video_kuang.png"), 1.0f);
    f->btnTrack->setBtnEnabled(trackChangeable);
    f->progressBar->setValue(0);
    f->BtnReload->hide();
    f->labProcess->hide();
    f->btnOpenFolder->hide();
    for (QLabel* l : {f->labTitle, f->labFormat, f->labResolution, f->labTime, f->labSize}) {
        l->installEventFilter(this);
        l->setTextFormat(Qt::PlainText);
    }
    const QString texts[2] = {tr("Convert to mp3"), tr("Marbleton")};
    CUxTpTextIllus* tools[2] = {f->btnToMp3, f->btnMarbletone};
    for (int i = 0; i < 2; ++i) {
        CUxTpTextIllus* b = tools[i];
        setToolImages(b, QStringLiteral("b"));
        b->setIconVisible(false);
        b->setText(texts[i]);
        b->setContentMargins(5, 5);
        b->setTextColors(Qt::white, Qt::white, Qt::white, kDisabledText);
        b->installEventFilter(this);
        b->setProperty("URL", QString::fromLatin1(kToolPlaceholderUrl));
    }
    connect(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked, this, &CNorVideoDlItem::onConvertLinksReady);
    for (CUxTpTextIllus* b : tools)
        b->resize(UIBaseData::scaledSize(b->contentSize()));
    f->linkWidget->hide();
}

QPushButton* CNorVideoDlItem::restoreCoverButton() const
{
    // Few rows are ever skipped, and a button costs several kilobytes under
    // the style sheets: it is made when the cover first needs it.
    if (!restoreButton) {
        auto* self = const_cast<CNorVideoDlItem*>(this);
        auto* b = new QPushButton(skipOverlay);
        self->restoreButton = b;
        b->setText(tr("Restore"));
        connect(b, &QPushButton::clicked, self, &CNorVideoDlItem::onRestroSkip);
        b->setStyleSheet(RowParts::sharedSheet(QStringLiteral(
            "QPushButton{border-image:url(:/res/restore_nor.png);color:\"#f0f0f0\";}"
            "QPushButton:hover{border-image:url(:/res/restore_on.png);color:white;}"
            "QPushButton:pressed{border-image:url(:/res/restore_down.png);color:\"#f0f0f0\";}")));
        b->setProperty("baseFontSize", 18);
        b->setBaseSize(86, 28);
        b->resize(UIBaseData::scaledSize(QSize(86, 28)));
        b->hide();
        // Made after the row was last rescaled: it takes the current scale
        // now, and its place on the cover as the cover's resize gives it.
        BaseWidget::rescaleWidgetTree(skipOverlay, UIBaseData::instance()->scale());
        self->placeRestoreButton();
    }
    return restoreButton;
}

void CNorVideoDlItem::placeRestoreButton()
{
    if (!restoreButton)
        return;
    const QSize base = UIBaseData::scaledSize(restoreButton->baseSize());
    restoreButton->move((skipOverlay->width() - base.width()) / 2, (skipOverlay->height() - base.height()) / 2);
}

bool CNorVideoDlItem::isSkipped() const
{
    return !liveForm && !skipOverlay->isHidden();
}

int CNorVideoDlItem::progress() const
{
    if (liveForm)
        return liveForm->progressBar->value();
    return form ? form->progressBar->value() : pendingProgress;
}

QLabel* CNorVideoDlItem::processLabel() const
{
    if (liveForm)
        return liveForm->labProcess;
    return form ? form->labProcess : nullptr;
}

void CNorVideoDlItem::setProgress(int value)
{
    if (liveForm) {
        liveForm->progressBar->setValue(value);
        return;
    }
    pendingProgress = value;
    pendingProcessText = QStringLiteral("%1%").arg(value);
    if (form) {
        form->progressBar->setValue(value);
        form->labProcess->setText(pendingProcessText);
    }
}

void CNorVideoDlItem::refreshInfo()
{
    if (!form && !liveForm)
        return;
    // A stored task may name no format or one that no longer exists.
    const DownloadMedia* m = item.chosenMedia();
    const QString format = m ? m->format : QString();
    const QString resolution = m ? m->resolution : QString();
    const QString size = m ? m->fileSize : QString();
    QLabel* title = form ? form->labTitle : liveForm->labTitle;
    QLabel* fmt = form ? form->labFormat : liveForm->labFormat;
    QLabel* res = form ? form->labResolution : liveForm->labResolution;
    QLabel* sz = form ? form->labSize : liveForm->labSize;

    UIBaseData::setElidedText(title, item.title, Qt::ElideRight, title->width());
    title->setToolTip(plainTip(item.title));
    UIBaseData::setElidedText(fmt, format.toUpper(), Qt::ElideRight, -1);
    fmt->setToolTip(plainTip(format));
    UIBaseData::setElidedText(res, resolution, Qt::ElideRight, res->width());
    res->setToolTip(plainTip(resolution));
    UIBaseData::setElidedText(sz, size, Qt::ElideRight, sz->width());
    sz->setToolTip(plainTip(size));
    (form ? form->VideoTrackNumBtn : liveForm->VideoTrackNumBtn)->setText(QString::number(item.medias.size()));
    if (form) {
        const QString t = QTime(0, 0, 0).addSecs(item.mediaDuration).toString(QStringLiteral("hh:mm:ss"));
        form->labTime->setText(t);
        form->labTime->setToolTip(t);
    }
}

void CNorVideoDlItem::refresh()
{
    if (liveForm)
        refreshLive();
    else
        refreshOrdinary();
}

void CNorVideoDlItem::updateThumbnail()
{
    if (!form && !liveForm)
        return;
    CUxPhotoFrame* poster = form ? form->PosterWidget : liveForm->PosterWidget;
    poster->setImage(ImageDownloader::instance()->getImage(item.thumbnail));
}

void CNorVideoDlItem::refreshOrdinary()
{
    // The pulse runs while downloading whether the form is built or not.
    if (downloading && !completed)
        lightTimer->start();
    else
        lightTimer->stop();
    Ui::mediadlitemform* f = form;
    if (!f)
        return;
    const bool selected = isSelected();
    f->btnTrack->setBtnEnabled(trackChangeable && !downloading);
    RowParts::setVisible(f->IconTrack, f->btnTrack->isEnabled());
    if (selected)
        f->VideoTrackNumBtn->setStyleSheet(f->btnTrack->isEnabled() ? QStringLiteral("color:\"#ffffff\";")
                                                                     : QStringLiteral("color:rgba(255,255,255,154);"));
    else
        f->VideoTrackNumBtn->setStyleSheet(f->btnTrack->isEnabled() ? QStringLiteral("color:\"#434652\";")
                                                                     : QStringLiteral("color:rgba(96,96,96,128);"));

    if (completed) {
        f->DlIcon->setStyleSheet(selected ? QStringLiteral("QPushButton{border-image: url(:/res/complete_white.png);}")
                                          : QStringLiteral("QPushButton{border-image: url(:/res/complete_black.png);}"));
    } else if (downloading) {
        f->DlIcon->setStyleSheet(stateSheet(QStringLiteral("download_pause_nor"), QStringLiteral("download_pause_hover"),
                                            QStringLiteral("download_pause_down")));
    } else {
        f->DlIcon->setStyleSheet(stateSheet(selected ? QStringLiteral("download_nor_w") : QStringLiteral("download_nor_b"),
                                            QStringLiteral("download_hover"), QStringLiteral("download_down")));
        if (lastResult != 0) {
            f->btnTrack->setBtnEnabled(true);
            RowParts::setVisible(f->IconTrack, true);
            f->VideoTrackNumBtn->setStyleSheet(selected ? QStringLiteral("color:\"#ffffff\";") : QStringLiteral("color:\"#434652\";"));
            if (lastResult == DownloadItem::DownloadFormatUnavailable || lastResult == DownloadItem::DownloadFailed)
                f->DlIcon->setStyleSheet(QStringLiteral("QPushButton{border-image: url(:/res/notcomplete_white.png);}"));
        }
    }

    if (completed) {
        f->labProcess->hide();
        f->BtnSkip->hide();
        RowParts::setVisible(f->BtnReload, true);
        RowParts::setVisible(f->btnOpenFolder, true);
    } else {
        f->BtnReload->hide();
        f->btnOpenFolder->hide();
        if (downloading) {
            RowParts::setVisible(f->labProcess, true);
            f->BtnSkip->hide();
        } else {
            f->labProcess->hide();
            if (lastResult > 2) {
                f->BtnSkip->hide();
                RowParts::setVisible(f->BtnReload, true);
                f->btnTrack->setBtnEnabled(true);
                RowParts::setVisible(f->IconTrack, true);
            } else {
                RowParts::setVisible(f->BtnSkip, true);
            }
        }
    }
}

void CNorVideoDlItem::refreshLive()
{
    Ui::livevideoform* f = liveForm;
    const bool selected = isSelected();
    const bool e = liveState == 0 || liveState == 2;
    f->btnTrack->setBtnEnabled(e);
    for (QWidget* w : {static_cast<QWidget*>(f->IconTrack), static_cast<QWidget*>(f->btnEditStartTime),
                       static_cast<QWidget*>(f->btnEditDurTime), static_cast<QWidget*>(f->btnRevertStartTime)})
        RowParts::setVisible(w, e);
    for (QLabel* l : {f->labDurFlag, f->labStFlag, f->labStartTime, f->labDuration})
        l->setEnabled(e);
    RowParts::setVisible(f->labProcess, liveState == 1);
    if (liveState == 1)
        f->btnOpenFolder->hide();

    for (QLabel* l : {f->labTrack, f->labStartTime, f->labDuration, f->labDurFlag, f->labStFlag}) {
        QColor c;
        if (selected)
            c = l->isEnabled() ? QColor(QStringLiteral("#ffffff")) : QColor(255, 255, 255, 153);
        else
            c = l->isEnabled() ? QColor(QStringLiteral("#434652")) : kDisabledText;
        l->setStyleSheet(colourSheet(c));
    }

    if (!downloading) {
        lightTimer->stop();
    } else if (!lightTimer->isActive()) {
        lightTimer->start();
        f->labStartTime->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    }

    f->btnContrl->setText(controlText(liveState));
    QString images;
    QColor text = Qt::white;
    switch (liveState) {
    case 0:
        images = QStringLiteral("stop_green");
        break;
    case 2:
        images = selected ? QStringLiteral("stop_white") : QStringLiteral("setting_up");
        if (selected)
            text = QColor(QStringLiteral("#434652"));
        break;
    default:
        images = QStringLiteral("stop_red");
        break;
    }
    f->btnContrl->setBackgroundImages(QStringLiteral(":/res/%1_nor.png").arg(images), QStringLiteral(":/res/%1_hover.png").arg(images),
                                      QStringLiteral(":/res/%1_down.png").arg(images), QString(), 27, 250, 0.5f, 0);
    f->btnContrl->setTextColors(text, text, text, kDisabledText);

    const QString side = selected ? QStringLiteral("w") : QStringLiteral("b");
    f->FormatIcon->setStyleSheet(RowParts::sharedSheet(QStringLiteral("border-image: url(:/res/video_%1.png);").arg(side)));
    f->ResolutionIcon->setStyleSheet(RowParts::sharedSheet(QStringLiteral("border-image: url(:/res/screen_%1.png);").arg(side)));
    f->SizeIcon->setStyleSheet(RowParts::sharedSheet(QStringLiteral("border-image: url(:/res/folder_icon_%1.png);").arg(side)));
    f->labTitle->setStyleSheet(selected ? QStringLiteral("color:\"#ffffff\";") : QStringLiteral("color:\"#434652\";"));
    for (QLabel* l : {f->labFormat, f->labResolution, f->labSize})
        l->setStyleSheet(selected ? QStringLiteral("color:\"#f0f1f2\";") : QStringLiteral("color:\"#575d66\";"));
    f->IconTrack->setStyleSheet(selected ? QStringLiteral("border:none;\nborder-image: url(:/res/narrow_on.png);")
                                         : QStringLiteral("border:none;\nborder-image: url(:/res/narrow_nor.png);"));
    const QString font1 = QStringLiteral("font:1px;");
    f->btnRevertStartTime->setStyleSheet(selected ? stateSheet(QStringLiteral("Return_time_nor_b"), QStringLiteral("Return_time_nor_w"), QStringLiteral("Return_time_down"), font1)
                                                  : stateSheet(QStringLiteral("Return_time_nor_b"), QStringLiteral("Return_time_hover"), QStringLiteral("Return_time_down"), font1));
    const QString edit = selected ? stateSheet(QStringLiteral("youtube_edit_nor_w"), QStringLiteral("youtube_edit_hover_w"), QStringLiteral("youtube_edit_down"), font1)
                                  : stateSheet(QStringLiteral("youtube_edit_nor_b"), QStringLiteral("youtube_edit_hover"), QStringLiteral("youtube_edit_down"), font1);
    f->btnEditStartTime->setStyleSheet(edit);
    f->btnEditDurTime->setStyleSheet(edit);
    f->btnOpenFolder->setStyleSheet(selected ? stateSheet(QStringLiteral("liveVideo_Folderopen_icon_nor_w"), QStringLiteral("liveVideo_Folderopen_icon_hover_w"), QStringLiteral("liveVideo_Folderopen_icon_down"))
                                             : stateSheet(QStringLiteral("liveVideo_Folderopen_icon_nor_b"), QStringLiteral("liveVideo_Folderopen_icon_hover"), QStringLiteral("liveVideo_Folderopen_icon_down")));
    f->btnClose->setStyleSheet(stateSheet(QStringLiteral("guanbi_nor"), selected ? QStringLiteral("guanbi_on_b") : QStringLiteral("guanbi_on"), QStringLiteral("guanbi_down")));
}

void CNorVideoDlItem::applyOrdinaryLook(bool selected)
{
    lookGiven = selected ? 1 : 0;
    Ui::mediadlitemform* f = form;
    if (!f)
        return;
    const QString side = selected ? QStringLiteral("w") : QStringLiteral("b");
    f->FormatIcon->setStyleSheet(RowParts::sharedSheet(QStringLiteral("border-image: url(:/res/video_%1.png);").arg(side)));
    f->ResolutionIcon->setStyleSheet(RowParts::sharedSheet(QStringLiteral("border-image: url(:/res/screen_%1.png);").arg(side)));
    f->TimeIcon->setStyleSheet(RowParts::sharedSheet(QStringLiteral("border-image: url(:/res/time_%1.png);").arg(side)));
    f->SizeIcon->setStyleSheet(RowParts::sharedSheet(QStringLiteral("border-image: url(:/res/folder_icon_%1.png);").arg(side)));
    f->labTitle->setStyleSheet(selected ? QStringLiteral("color:\"#ffffff\";") : QStringLiteral("color:\"#434652\";"));
    // The format chooser's words sit on the row's strip too; on the dark
    // selected strip they turn white, as a live row's do.
    f->labTrack->setStyleSheet(RowParts::sharedSheet(
        selected ? QStringLiteral("QLabel{color:#ffffff;}\nQLabel:disabled{color:rgba(255,255,255,153);}\n")
                 : QStringLiteral("QLabel{color:#434652;}\nQLabel:disabled{color:gray;}\n\n")));
    const QString info = selected ? QStringLiteral("color:\"#f0f1f2\";") : QStringLiteral("color:\"#575d66\";");
    for (QLabel* l : {f->labFormat, f->labResolution, f->labTime, f->labSize})
        l->setStyleSheet(info);
    if (!downloading)
        f->labProcess->setStyleSheet(info);
    f->IconTrack->setStyleSheet(selected ? QStringLiteral("border-image: url(:/res/narrow_on.png);")
                                         : QStringLiteral("border-image: url(:/res/narrow_nor.png);"));
    f->InfoWidget->setStyleSheet(selected ? QStringLiteral("#InfoWidget\n{\nborder-image: url(:/res/neirong_bg_down.png);\n}\n")
                                          : QStringLiteral("#InfoWidget\n{\nborder-image: url(:/res/neirong_bg_nor.png);\n}\n"));
    f->BtnSkip->setStyleSheet(stateSheet(QStringLiteral("skip_nor"), selected ? QStringLiteral("skip_hover_w") : QStringLiteral("skip_hover_b"),
                                         QStringLiteral("skip_down"), QString(), QStringLiteral("skip_down")));
    f->btnClose->setStyleSheet(stateSheet(QStringLiteral("guanbi_nor"), selected ? QStringLiteral("guanbi_on_b") : QStringLiteral("guanbi_on"), QStringLiteral("guanbi_down")));
    f->BtnReload->setStyleSheet(stateSheet(QStringLiteral("reload_nor"), selected ? QStringLiteral("reload_hover_w") : QStringLiteral("reload_hover"), QStringLiteral("reload_down")));
    f->btnOpenFolder->setStyleSheet(selected ? stateSheet(QStringLiteral("liveVideo_Folderopen_icon_nor_w"), QStringLiteral("liveVideo_Folderopen_icon_hover_w"), QStringLiteral("liveVideo_Folderopen_icon_down"))
                                             : stateSheet(QStringLiteral("liveVideo_Folderopen_icon_nor_b"), QStringLiteral("liveVideo_Folderopen_icon_hover"), QStringLiteral("liveVideo_Folderopen_icon_down")));
    for (CUxTpTextIllus* b : {f->btnToMp3, f->btnMarbletone}) {
        if (selected) {
            setToolImages(b, QStringLiteral("w"));
            b->setTextColors(QColor(QStringLiteral("#33363d")), QColor(QStringLiteral("#33363d")), Qt::white, kDisabledText);
        } else {
            setToolImages(b, QStringLiteral("b"));
            b->setTextColors(Qt::white, Qt::white, Qt::white, kDisabledText);
        }
    }
}

void CNorVideoDlItem::setRowImage(const QString& image)
{
    setStyleSheet(RowParts::sharedSheet(QStringLiteral("#%1\n{\nborder-image: url(:/res/%2);\n}\n").arg(objectName(), image)));
}

void CNorVideoDlItem::setSelectedStyle()
{
    setRowImage(QStringLiteral("video_tiao_on.png"));
    if (!liveForm) {
        applyOrdinaryLook(true);
        lightStep = 0;
        lightRising = true;
        refreshOrdinary();
    } else {
        refreshLive();
    }
}

void CNorVideoDlItem::setNormalStyle()
{
    setRowImage(QStringLiteral("video_tiao_nor.png"));
    if (!liveForm) {
        applyOrdinaryLook(false);
        lightStep = 0;
        lightRising = true;
        refreshOrdinary();
    } else {
        refreshLive();
    }
}

void CNorVideoDlItem::setHoverStyle()
{
    setRowImage(QStringLiteral("video_tiao_hover.png"));
}

void CNorVideoDlItem::setSelectedHoverStyle()
{
    setRowImage(QStringLiteral("video_tiao_on_hover.png"));
}

void CNorVideoDlItem::showlight()
{
    const double k = lightStep;
    double r, g, b;
    int top;
    if (isSelected()) {
        r = 255 - k * 50 / 13;
        g = 255 - k * 1;
        b = 255 - k * 49 / 13;
        top = 39;
    } else {
        r = 67 + k * 19 / 13;
        g = 70 + k * 73 / 13;
        b = 82 + k * 1;
        top = 26;
    }
    if (QLabel* label = processLabel())
        label->setStyleSheet(QStringLiteral("color:rgb(%1,%2,%3)").arg(r, 0, 'g', 6).arg(g, 0, 'g', 6).arg(b, 0, 'g', 6));
    if (lightRising) {
        ++lightStep;
        lightRising = top > lightStep;
    } else {
        --lightStep;
        lightRising = 0.0001 > lightStep;
    }
}

void CNorVideoDlItem::onProgressCatched(int cur)
{
    if (!liveForm) {
        setProgress(cur);
        return;
    }
    liveForm->progressBar->setValue(cur);
    liveForm->labProcess->setText(QStringLiteral("%1%").arg(cur));
}

void CNorVideoDlItem::onDownStarted()
{
    downloading = true;
    if (!liveForm) {
        linksOffered = false;
        if (form)
            form->linkWidget->hide();
        refreshOrdinary();
    } else {
        liveState = 1;
        liveForm->labProcess->setText(QStringLiteral("0%"));
        liveForm->progressBar->setValue(0);
        refreshLive();
    }
}

void CNorVideoDlItem::onDownFinished(int iRet, QStringList output)
{
    qDebug() << "iRet = " << iRet;
    downloading = false;
    lastResult = iRet;
    if (iRet == DownloadItem::DownloadSuccess) {
        completed = true;
        outputFiles = output;
        if (!liveForm) {
            pendingProgress = 100;
            linksOffered = true;
            if (form) {
                form->progressBar->setValue(100);
                form->linkWidget->show();
                onConvertLinksReady(NetVersionMgr::instance()->isDataValid());
            }
            Youtube::instance()->removeDownloadingItems({&item});
        } else {
            liveForm->progressBar->setValue(100);
            liveForm->btnOpenFolder->show();
        }
    }
    if (liveForm) {
        liveForm->labStartTime->setText(currentTimeText());
        item.startNow = true;
        liveState = 0;
        if (lastResult != 0) {
            liveForm->labProcess->setText(QStringLiteral("0%"));
            liveForm->progressBar->setValue(0);
        }
        refreshLive();
    } else {
        refreshOrdinary();
    }
}

void CNorVideoDlItem::onConvertLinksReady(bool dataValid)
{
    if (!form)
        return;
    NetVersionMgr* mgr = NetVersionMgr::instance();
    QList<LinkInfo> links;
    if (dataValid)
        links = mgr->getConvertInfo();
    else if (!mgr->getLastConvertInfo(links))
        links.clear();
    if (links.size() >= 2) {
        form->btnToMp3->setText(links.at(0).title);
        form->btnToMp3->setProperty("URL", links.at(0).url);
        form->btnMarbletone->setText(links.at(1).title);
        form->btnMarbletone->setProperty("URL", links.at(1).url);
    }
    for (CUxTpTextIllus* b : {form->btnToMp3, form->btnMarbletone})
        b->resize(UIBaseData::scaledSize(b->contentSize()));
}

QRect CNorVideoDlItem::clickRect()
{
    return QRect(UIBaseData::scaled(4.0f), UIBaseData::scaled(3.0f), width() - UIBaseData::scaled(8),
                 height() - UIBaseData::scaled(7));
}

void CNorVideoDlItem::onResize(QResizeEvent*)
{
    if (!form && !liveForm)
        return;
    QPushButton* close = form ? form->btnClose : liveForm->btnClose;
    QUxListWidget* list = listWidget();
    setBasePos(close, (list && list->scrollMaximum() > 0) ? QPoint(728, 8) : QPoint(738, 8));
}

void CNorVideoDlItem::resizeEvent(QResizeEvent* event)
{
    skipOverlay->setGeometry(clickRect());
    QUxItemBase::resizeEvent(event);
}

void CNorVideoDlItem::paintEvent(QPaintEvent* event)
{
    QUxItemBase::paintEvent(event);
}

void CNorVideoDlItem::showEvent(QShowEvent* event)
{
    refreshInfo();
    updateThumbnail();
    QUxItemBase::showEvent(event);
}

bool CNorVideoDlItem::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::PolishRequest:
        // A row out of view is polished, and builds its form, when it is
        // shown; polished now it would build a form no one may ever see.
        if (isHidden())
            return true;
        break;
    case QEvent::Polish:
        // Children made here are polished by the same polish, after the row.
        ensureForm();
        break;
    default:
        break;
    }
    return QUxItemBase::event(event);
}

bool CNorVideoDlItem::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (liveForm) {
        if (type == QEvent::MouseButtonDblClick && (watched == liveForm->labStartTime || watched == liveForm->labDuration)) {
            popUpTimeEdit(watched == liveForm->labStartTime ? 0 : 1);
            return true;
        }
        if (type == QEvent::ToolTip && (watched == liveForm->labTitle || watched == liveForm->labFormat
                                        || watched == liveForm->labResolution || watched == liveForm->labSize)) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), static_cast<QWidget*>(watched)->toolTip());
            return true;
        }
        return QUxItemBase::eventFilter(watched, event);
    }
    if (form && type == QEvent::ToolTip
        && (watched == form->labTitle || watched == form->labFormat || watched == form->labResolution || watched == form->labTime
            || watched == form->labSize || watched == form->btnToMp3 || watched == form->btnMarbletone)) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), static_cast<QWidget*>(watched)->toolTip());
        return true;
    }
    if (watched == skipOverlay) {
        switch (type) {
        case QEvent::Enter:
            restoreCoverButton()->show();
            return false;
        case QEvent::Leave:
            if (restoreButton)
                restoreButton->hide();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::Resize:
            placeRestoreButton();
            return false;
        default:
            break;
        }
    }
    return QUxItemBase::eventFilter(watched, event);
}
