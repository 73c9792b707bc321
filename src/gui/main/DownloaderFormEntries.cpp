// The download page's ways into the URL analysis, its output folders, the
// proxy handed to the preview, the account panel, web links and the preview
// player's button.
#include "gui/main/DownloaderForm.h"

#include "ui_DownloaderForm.h"

#include "function/QtAV/include/VideoPlay.h"
#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/UIBaseData/UIServiceHooks.h"
#include "gui/accounts/CUxDlLog.h"
#include "gui/accounts/CUxSubscribeDialog.h"
#include "gui/accounts/YoutubeAccount.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/common/SmallButtons.h"
#include "gui/common/cuxupdate.h"
#include "gui/main/cnorvideodlitem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "platform/FileManager.h"
#include "shell/ServiceHosts.h"
#include "shell/SettingsStore.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

namespace {

const char kLinkTag[] = "mainui";

QString setting(const QString& key)
{
    return SettingsStore::instance()->value(key);
}

// Addresses that come from the network or the engine are opened or played
// only when they name a web page.
bool isWebAddress(const QString& address)
{
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
}

void openWebPage(const QString& address)
{
    QDesktopServices::openUrl(QUrl(appendLinkParams(address, QString::fromLatin1(kLinkTag))));
}

} // namespace

// ------------------------------------------------------------ URL dialog

void DownloaderForm::runUrlDialog(bool musicMode, const std::function<int(UrlAnalyserDialog*)>& run)
{
    Youtube::instance()->setMusicMode(musicMode);
    UrlAnalyserDialog* dialog = urlAnalyser();
    const int result = run(dialog);
    dialog->resetUi();
    doAfterUrlAnalysis(result);
}

void DownloaderForm::onMenuBtn_addVideo_clicked()
{
    runUrlDialog(false, [](UrlAnalyserDialog* d) { return d->execMyList(false); });
}

void DownloaderForm::onMenuBtn_addMusic_clicked()
{
    runUrlDialog(true, [](UrlAnalyserDialog* d) { return d->execMyList(false); });
}

void DownloaderForm::on_btn_myList_clicked()
{
    runUrlDialog(false, [](UrlAnalyserDialog* d) { return d->execMyList(true); });
}

void DownloaderForm::onLabDownListClicked()
{
    m_labDownAllPressed = false;
    int index = -1;
    {
        CUxSubscribeDialog dialog(this);
        index = dialog.exec();
    }
    if (index < 0)
        return;
    // The dialog may have removed entries; the index counts in the fresh list.
    const QList<SubscribeRecord> records = Youtube::instance()->subscribeLists();
    if (index >= records.size())
        return;
    const QString url = records.at(index).url;
    runUrlDialog(false, [url](UrlAnalyserDialog* d) { return d->execAnalyse(url); });
}

bool DownloaderForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded && m_list && watched == m_list->contentWidget())
        followRow(static_cast<QChildEvent*>(event)->child());
    if (watched == ui->labDownAll) {
        switch (event->type()) {
        case QEvent::FontChange: {
            QFont font(UIBaseData::instance()->fontFamily());
            font.setPixelSize(UIBaseData::scaled(13));
            font.setUnderline(true);
            // Setting the font raises another change, which is ours.
            if (!m_settingLabelFont) {
                m_settingLabelFont = true;
                ui->labDownAll->setFont(font);
                m_settingLabelFont = false;
            }
            break;
        }
        case QEvent::Enter:
            ui->labDownAll->setCursor(Qt::PointingHandCursor);
            break;
        case QEvent::Leave:
            ui->labDownAll->setCursor(Qt::ArrowCursor);
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                m_labDownAllPressed = true;
            break;
        case QEvent::MouseButtonRelease:
            if (m_labDownAllPressed && ui->labDownAll->rect().contains(static_cast<QMouseEvent*>(event)->pos())) {
                m_labDownAllPressed = false;
                onLabDownListClicked();
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ------------------------------------------------------------ proxy

QHash<QString, QVariant> DownloaderForm::getProxy()
{
    // The engine's own rule: a proxy the user switched off, or one without
    // a host or a usable port, is no proxy at all.
    QHash<QString, QVariant> hash;
    if (setting(QStringLiteral("proxy/enabled")) != QLatin1String("true"))
        return hash;
    const QString host = setting(QStringLiteral("proxy/hostName")).trimmed();
    bool ok = false;
    const int port = setting(QStringLiteral("proxy/port")).trimmed().toInt(&ok);
    if (host.isEmpty() || !ok || port < 1 || port > 65535)
        return hash;
    QString value = QStringLiteral("%1:%2").arg(host).arg(port);
    if (!value.contains(QLatin1String("://")))
        value.prepend(QLatin1String("http://"));
    hash.insert(QStringLiteral("http_proxy"), value);
    return hash;
}

// ------------------------------------------------------------ folders

void DownloaderForm::refreshOutputPath()
{
    showOutputPath(SettingsStore::fromStoredPath(setting(QStringLiteral("youtube/download"))));
}

void DownloaderForm::showOutputPath(const QString& folder)
{
    QFont font(UIBaseData::instance()->fontFamily());
    font.setPixelSize(UIBaseData::scaled(ui->folder_path->property("baseFontSize").toFloat()));
    const QString elided = QFontMetrics(font).elidedText(folder, Qt::ElideRight, UIBaseData::scaled(290));
    ui->folder_path->setText(elided);
}

void DownloaderForm::chooseFolder(const QString& key, bool show)
{
    const QString current = SettingsStore::fromStoredPath(setting(key));
    const QString chosen = UIServiceHooks::chooseFolder(tr("Select Output Directory"), current);
    if (chosen.isEmpty())
        return;
    SettingsStore::instance()->setValue(key, SettingsStore::toStoredPath(chosen));
    if (show)
        showOutputPath(chosen);
}

void DownloaderForm::openFolder(const QString& key)
{
    const QString folder = SettingsStore::fromStoredPath(setting(key));
    if (folder.isEmpty())
        return;
    FileManager::openFolder(folder);
}

void DownloaderForm::on_folder_browse_clicked()
{
    chooseFolder(QStringLiteral("youtube/download"), true);
}

void DownloaderForm::on_folder_open_clicked()
{
    openFolder(QStringLiteral("youtube/download"));
}

void DownloaderForm::on_folder_browse_2_clicked()
{
    chooseFolder(QStringLiteral("youtube/download_music"), false);
}

void DownloaderForm::on_folder_open_2_clicked()
{
    openFolder(QStringLiteral("youtube/download_music"));
}

// ------------------------------------------------------------ web pages

void DownloaderForm::onSurpportedWeb()
{
    const bool sibling = setting(QStringLiteral("base/site")).toLower() == QLatin1String("pelodvd");
    const QString site = sibling ? ServiceHosts::pelodvdEditionSite() : ServiceHosts::defaultEditionSite();
    openWebPage(site + QStringLiteral("/tarnwick/online-video-sites-list.htm"));
}

void DownloaderForm::on_btnSupWebs_clicked()
{
    const QVariant url = ui->btnSupWebs->property("URL");
    if (!url.isValid()) {
        onSurpportedWeb();
        return;
    }
    if (isWebAddress(url.toString()))
        openWebPage(url.toString());
}

void DownloaderForm::on_btnLinkToMp3_clicked()
{
    const QString url = ui->btnLinkToMp3->property("URL").toString();
    if (isWebAddress(url))
        openWebPage(url);
}

void DownloaderForm::on_btnLinkDrovik_clicked()
{
    const QString url = ui->btnLinkDrovik->property("URL").toString();
    if (isWebAddress(url))
        openWebPage(url);
}

void DownloaderForm::on_btnCheckUpgrad_clicked()
{
    CUxUpdate::checkUpdate(this, true);
}

// ------------------------------------------------------------ account

void DownloaderForm::on_btnLogIn_clicked()
{
    // The panel follows the YouTube account through logged(), not this result.
    CUxDlLog dialog(this, 3);
    dialog.exec();
}

void DownloaderForm::on_btnLogOut_clicked()
{
    YoutubeAccount::clearPassword();
    showAccount(false);
}

// ------------------------------------------------------------ preview

void DownloaderForm::on_m_pBtnPlayPause_clicked()
{
    VideoPlay* player = ui->VideoPlayer;
    if (player->state() != TwAV::AVPlayer::StoppedState) {
        player->stop();
        return;
    }
    QString address;
    if (auto* r = static_cast<CNorVideoDlItem*>(downloadList()->currentItem())) {
        const QString file = r->firstOutputFile();
        if (!file.isEmpty() && QFileInfo(file).isFile())
            address = file;
        else if (isWebAddress(r->downloadItem()->preview))
            address = r->downloadItem()->preview;
    }
    if (address.isEmpty())
        return;
    PlayPara para;
    para.url = address;
    para.online = true;
    para.options = getProxy();
    ui->PhotoFrame->hide();
    player->play(para);
}

void DownloaderForm::onPlayStateChanged(TwAV::AVPlayer::State state)
{
    switch (state) {
    case TwAV::AVPlayer::PlayingState:
        ui->PhotoFrame->hide();
        ui->m_pBtnPlayPause->setStyleSheet(UIBaseData::buttonStyleSheet(QStringLiteral(":/res/play_stop_")));
        break;
    case TwAV::AVPlayer::PausedState:
        ui->m_pBtnPlayPause->setStyleSheet(UIBaseData::buttonStyleSheet(QStringLiteral(":/res/play_stop_")));
        break;
    case TwAV::AVPlayer::StoppedState:
        ui->m_pBtnPlayPause->setStyleSheet(UIBaseData::buttonStyleSheet(QStringLiteral(":/res/play_")));
        ui->PhotoFrame->show();
        break;
    }
}

void DownloaderForm::onLoadError()
{
    MsgDialog::showMsg(tr("Alert"), tr("This video was not successfully loaded."), QString(), tr("OK"), QString(),
                       QString(), UIBaseData::instance()->mainPopup(), warningTitle(), 1);
    ui->PhotoFrame->show();
}

void DownloaderForm::onLoading(bool loading)
{
    ui->m_pBtnPlayPause->setEnabled(!loading);
}

void DownloaderForm::onVoiceChanged(int value)
{
    ui->VideoPlayer->setVolume(value);
}
