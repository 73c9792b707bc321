#include "gui/main/DownloaderForm.h"

#include "ui_DownloaderForm.h"

#include "function/QtAV/include/VideoPlay.h"
#include "function/VersionCheck/NetVersionMgr.h"
#include "function/Youtube/Youtube.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/accounts/YoutubeAccount.h"
#include "gui/common/BtnWidget.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/DeferredPolish.h"
#include "gui/main/cnorvideodlitem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "gui/special/PopupForm/Unclassified/FileListDialog.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "platform/FreedMemory.h"
#include "shell/ImageDownloader.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QDebug>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>
#include <utility>

DownloaderForm::DownloaderForm(QWidget* parent) : QWidget(parent), ui(new Ui::DownloaderForm)
{
    qRegisterMetaType<TwAV::AVPlayer::State>("TwAV::AVPlayer::State");
    ui->setupUi(this);
    setStyleSheet(QStringLiteral("font-family:%1").arg(UIBaseData::instance()->fontFamily()));
    ui->LabLive->hide();
    // Texts from the version data are shown as they are, never as markup.
    for (QLabel* l : {ui->label_5, ui->label_6, ui->label_7, ui->label_9})
        l->setTextFormat(Qt::PlainText);

    setUpMenu();

    // Queued: the end of a batch opens modal dialogs, which must not run
    // inside the engine's own emission.
    connect(Youtube::instance(), &Youtube::doDownloadFinished, this, &DownloaderForm::onDownFinished,
            Qt::QueuedConnection);

    connect(ui->VideoPlayer, &VideoPlay::doPlayStateChanged, this, &DownloaderForm::onPlayStateChanged);
    connect(ui->VideoPlayer, &VideoPlay::doLoadError, this, &DownloaderForm::onLoadError);
    connect(ui->VideoPlayer, &VideoPlay::doLoading, this, &DownloaderForm::onLoading);

    // The picture lies over the player's view, in the player's own grid: the
    // player already has a layout, so the form cannot give it another.
    if (auto* grid = qobject_cast<QGridLayout*>(ui->VideoPlayer->layout()))
        grid->addWidget(ui->PhotoFrame, 0, 0);
    downloadList()->clear();
    // Rows added later want their thumbnails too, whether or not anything
    // was restored.
    connect(ImageDownloader::instance(), &ImageDownloader::doImgDownloadFinished, this,
            &DownloaderForm::onInitDownLoadItemImageCatched);
    restoreDownloads();
    ui->PhotoFrame->setPixmapFile(QStringLiteral(":/res/special/dl_icon.png"), 0.5f);
    {
        // The first row is selected without telling anyone.
        const QSignalBlocker blocker(downloadList());
        downloadList()->selectFirst(false);
    }

    ui->labDownAll->installEventFilter(this);
    ui->btn_myList->hide();
    // The account window itself is made when it is first opened.
    showAccount(YoutubeAccount::hasAccount());
    ui->widget_15->hide();
    dressCheckUpgrade();

    ui->btnLinkToMp3->setProperty("URL", tr("https://www.marbleto.example/mp3-converter.html"));
    ui->btnLinkDrovik->setProperty("URL", tr("https://www.drovik.example/iphone-transfer.html"));
    connect(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked, this, &DownloaderForm::onVersionChecked);
}

DownloaderForm::~DownloaderForm()
{
    releaseDownloads();
    delete ui;
}

void DownloaderForm::releaseDownloads()
{
    // The rows go with the page; their tasks stay listed for the next run.
    // A second release would write the then empty list over the file.
    if (m_released)
        return;
    m_released = true;
    Youtube::instance()->releaseDownloadingItems();
}

bool DownloaderForm::isDownloading()
{
    QUxListWidget* list = downloadList();
    for (int i = 0; i < list->count(); ++i)
        if (row(i)->isDownloading())
            return true;
    return false;
}

UrlAnalyserDialog* DownloaderForm::urlAnalyser()
{
    if (!m_urlAnalyser) {
        m_urlAnalyser = new UrlAnalyserDialog(this);
        connect(m_urlAnalyser, &UrlAnalyserDialog::logged, this, &DownloaderForm::onLogged);
    }
    return m_urlAnalyser;
}

QUxListWidget* DownloaderForm::downloadList()
{
    if (!m_list) {
        auto* container = new QWidget(ui->listStack);
        container->setStyleSheet(QStringLiteral("border:none"));
        m_list = new QUxListWidget(container);
        m_list->setItemDragEnabled(false);
        m_list->setScrollBarMargin(1);
        auto* layout = new QHBoxLayout(container);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_list);
        ui->listStack->addWidget(container);
        ui->listStack->setCurrentWidget(container);
        // Rows are made on the list's content widget, wherever they come from.
        m_list->contentWidget()->installEventFilter(this);
        connect(m_list, &QUxListWidget::curSelectedItemChanged, this, &DownloaderForm::onCurSelectedDownItemChanged);
        connect(m_list, &QUxListWidget::curItemClosed, this, &DownloaderForm::onCurrentItemClosed);
        connect(m_list, &QUxListWidget::emptied, this, &DownloaderForm::onDownLoadListCleared);
    }
    return m_list;
}

CNorVideoDlItem* DownloaderForm::row(int index)
{
    return static_cast<CNorVideoDlItem*>(downloadList()->item(index));
}

void DownloaderForm::restoreDownloads()
{
    QList<DownloadItem> tasks = Youtube::instance()->loadDownloadingItems();
    if (tasks.isEmpty()) {
        ui->stackedWidget->setCurrentIndex(0);
        return;
    }
    ui->downloadStacked->setVisible(!tasks.first().isLiveStream);
    ui->stackedWidget->setCurrentIndex(1);
    QList<DownloadItem*> held;
    held.reserve(tasks.size());
    QUxListWidget* list = downloadList();
    DeferredPolish polish;
    // Appended together: one by one, each new row moved every row before
    // it, out of sight, as the page is not shown yet.
    QList<QUxItemBase*> rows;
    rows.reserve(tasks.size());
    for (const DownloadItem& task : tasks) {
        auto* r = new CNorVideoDlItem(list, task, true);
        r->setProgress(task.progress);
        r->refreshInfo();
        r->refresh();
        // A restored row has had no look yet: give it the unselected one.
        r->setNormalStyle();
        rows.append(r);
        polish.add(r);
        held.append(r->downloadItem());
    }
    list->addItems(rows);
    Youtube::instance()->addDownloadingItems(held);
    // Each read task still waits for its queued start-up call; freed now,
    // each would search the whole event queue, so they go once those ran.
    auto* spent = new QList<DownloadItem>;
    spent->swap(tasks);
    QTimer::singleShot(0, qApp, [spent] {
        delete spent;
        // Reading and rewriting the list left its documents' memory free
        // but resident.
        FreedMemory::release();
    });
}

void DownloaderForm::setUpMenu()
{
    struct Entry
    {
        BtnWidget* button;
        const char* image;
        QString tip;
        void (DownloaderForm::*slot)();
    };
    const Entry entries[] = {
        {ui->menuBtn_back, ":/res/back.png", tr("Back to home page"), &DownloaderForm::onMenuBtn_back_clicked},
        {ui->menuBtn_addVideo, ":/res/add_url.png", tr("Add video"), &DownloaderForm::onMenuBtn_addVideo_clicked},
        {ui->menuBtn_clean, ":/res/clean.png", tr("Clean all"), &DownloaderForm::onMenuBtn_clean_clicked},
        {ui->menuBtn_cleanSucceed, ":/res/clean_succeed.png", tr("Clean succeeded"), &DownloaderForm::onMenuBtn_cleanSuccess_clicked},
        {ui->menuBtn_Setting, ":/res/special/dl_setting.png", tr("Setting"), &DownloaderForm::onMenuBtn_Setting_clicked},
    };
    for (const Entry& e : entries) {
        e.button->setImage(QString::fromLatin1(e.image));
        e.button->setTextColors(QStringLiteral("#434652"), QStringLiteral("#0074cc"), QString(), QString());
        e.button->setToolTip(e.tip);
        e.button->fitToText();
        e.button->setSpaceAnimated(true);
        connect(e.button, &BtnWidget::doClicked, this, e.slot);
    }
    ui->btn_websites->setImage(QStringLiteral(":/res/online_url.png"));
    ui->btn_websites->setTextColors(QStringLiteral("#434652"), QStringLiteral("#009cff"), QStringLiteral("#009cff"), QString());
    connect(ui->btn_websites, &BtnWidget::doClicked, this, &DownloaderForm::onSurpportedWeb);

    setBasePos(ui->menuBtn_addVideo, QPoint(32, 18));
    placeRightOfWidget(ui->menuBtn_clean, ui->menuBtn_addVideo, 50);
    placeRightOfWidget(ui->menuBtn_cleanSucceed, ui->menuBtn_clean, 66);
    placeRightOfWidget(ui->menuBtn_Setting, ui->menuBtn_cleanSucceed, 57);
}

void DownloaderForm::showAccount(bool loggedIn)
{
    ui->myYtbAccountLogIn->setVisible(loggedIn);
    ui->myYtbAccountLogOut->setVisible(!loggedIn);
    if (loggedIn)
        ui->btnLogOut->setExtraText(YoutubeAccount::account());
}

void DownloaderForm::dressCheckUpgrade()
{
    CUxTpTextIllus* b = ui->btnCheckUpgrad;
    const char* states[] = {"nor", "on", "down"};
    for (int s = 0; s < 3; ++s) {
        const QString base = QStringLiteral(":/res/special/check upgread %1_%2.png").arg(QLatin1String(states[s]));
        b->setStateImages(base.arg(1), base.arg(2), base.arg(3), 0.5f, s);
    }
    b->setText(tr("Check for Upgrade"));
    b->setContentMargins(5, 25);
    const QColor text(QStringLiteral("#626573"));
    b->setTextColors(text, text, text, QColor(96, 96, 96, 128));
    b->setIconVisible(false);
    b->setFontPixelSize(12);
}

void DownloaderForm::onVersionChecked(bool dataValid)
{
    qDebug() << "ddddddddd = " << dataValid;
    NetVersionMgr* mgr = NetVersionMgr::instance();
    QList<AdditionalToolInfo> tools;
    if (dataValid) {
        tools = mgr->getAdditionalToolsInfo_Downloader();
        qDebug() << "list.size() = " << tools.size();
    } else if (mgr->getLastAdditionalToolsInfo_Downloader(tools)) {
        qDebug() << "getLastAdditionalToolsInfo_Downloader list.size() = " << tools.size();
    } else {
        tools.clear();
    }
    if (tools.size() >= 2) {
        ui->label_5->setText(tools.at(0).product);
        ui->label_6->setText(tools.at(0).description);
        ui->btnLinkToMp3->setText(tools.at(0).button);
        ui->btnLinkToMp3->setProperty("URL", tools.at(0).url);
        ui->label_7->setText(tools.at(1).product);
        ui->label_9->setText(tools.at(1).description);
        ui->btnLinkDrovik->setText(tools.at(1).button);
        ui->btnLinkDrovik->setProperty("URL", tools.at(1).url);
    }
    LinkInfo link;
    bool haveLink = false;
    if (dataValid) {
        link = mgr->getWebsiteLink();
        haveLink = true;
    } else {
        haveLink = mgr->getLastWebsiteLink(link);
    }
    // A description without the link keeps the form's text.
    if (haveLink && !link.title.isEmpty()) {
        ui->btnSupWebs->setText(link.title);
        ui->btnSupWebs->setProperty("URL", link.url);
    }
}

QString DownloaderForm::warningTitle() const
{
    return QCoreApplication::translate("MsgDialog", "Warning");
}

// ------------------------------------------------------------ the list

void DownloaderForm::onCurSelectedDownItemChanged(int index)
{
    auto* list = qobject_cast<QUxListWidget*>(sender());
    if (!list)
        return;
    auto* r = static_cast<CNorVideoDlItem*>(list->item(index));
    if (!r) {
        ui->PhotoFrame->clear();
        qWarning() << "the point is NULL !";
        return;
    }
    r->updateThumbnail();
    ui->PhotoFrame->clear();
    ui->PhotoFrame->setImage(ImageDownloader::instance()->getImage(r->downloadItem()->thumbnail));
    ui->LabLive->setVisible(r->downloadItem()->isLiveStream);
    ui->VideoPlayer->stop();
}

void DownloaderForm::onInitDownLoadItemImageCatched(QString url, QImage)
{
    QUxListWidget* list = downloadList();
    const int current = list->currentIndex();
    for (int i = 0; i < list->count(); ++i) {
        CNorVideoDlItem* r = row(i);
        if (r->downloadItem()->thumbnail != url)
            continue;
        r->updateThumbnail();
        if (i == current)
            ui->PhotoFrame->setImage(ImageDownloader::instance()->getImage(url));
    }
}

void DownloaderForm::onDownLoadListCleared()
{
    ui->PhotoFrame->clear();
    ui->stackedWidget->setCurrentIndex(0);
    ui->downloadStacked->setCurrentWidget(ui->page_download);
    ui->downloadStacked->show();
}

void DownloaderForm::onCurrentItemClosed()
{
    ui->VideoPlayer->stop();
}

// ------------------------------------------------------------ batches

void DownloaderForm::on_btn_dowloadAll_clicked()
{
    startAllDownloads();
}

void DownloaderForm::startAllDownloads()
{
    QList<DownloadItem*> tasks;
    QUxListWidget* list = downloadList();
    for (int i = 0; i < list->count(); ++i) {
        CNorVideoDlItem* r = row(i);
        if (r->isSkipped() || r->isCompleted())
            continue;
        tasks.append(r->downloadItem());
    }
    if (tasks.isEmpty()) {
        MsgDialog::showMsg(tr("Info!"), tr("There is no files available to download."),
                           tr("you can click the button 'Add' to add some files."), tr("OK"), QString(), QString(),
                           UIBaseData::instance()->mainPopup(), warningTitle(), 1);
        return;
    }
    ui->downloadStacked->setCurrentWidget(ui->page_stop);
    m_batchStopped = false;
    Youtube::instance()->startDownload(tasks);
}

void DownloaderForm::followRow(QObject* child)
{
    // Told while the row's base is being built: its task exists only once
    // the construction has returned.
    QPointer<QObject> guarded(child);
    QMetaObject::invokeMethod(this, [this, guarded] {
        auto* r = qobject_cast<CNorVideoDlItem*>(guarded.data());
        if (!r)
            return;
        // Queued after the row's own slots, which set its flags.
        connect(r->downloadItem(), &DownloadItem::doStarted, this, [this] {
            if (isDownloading()) {
                ui->downloadStacked->setCurrentWidget(ui->page_stop);
                m_batchStopped = false;
            }
        }, Qt::QueuedConnection);
        connect(r->downloadItem(), &DownloadItem::doFinish, this, [this](int result, const QStringList& files) {
            if (result == DownloadItem::DownloadSuccess)
                m_batchFiles << files;
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void DownloaderForm::on_btn_stopAll_clicked()
{
    const int answer = MsgDialog::showMsg(QString(), tr("The media file is being downloaded."),
                                          tr("Do you really want to end the current download?"), tr("Yes"), tr("No"),
                                          QString(), UIBaseData::instance()->mainPopup(), warningTitle(), 1);
    if (answer != 0)
        return;
    m_batchStopped = true;
    Youtube::instance()->stopAllDownloads(false, false);
    ui->downloadStacked->setCurrentWidget(ui->page_download);
}

void DownloaderForm::onMenuBtn_cleanSuccess_clicked()
{
    QUxListWidget* list = downloadList();
    QUxItemBase* current = list->currentItem();
    // One call for all of them: the engine rewrites its file per call.
    QList<DownloadItem*> done;
    for (int i = 0; i < list->count(); ++i)
        if (row(i)->isCompleted())
            done.append(row(i)->downloadItem());
    if (!done.isEmpty())
        Youtube::instance()->removeDownloadingItems(done);
    for (int i = 0; i < list->count();) {
        CNorVideoDlItem* r = row(i);
        qDebug() << "i = " << i << "  completed = " << r->isCompleted();
        if (!r->isCompleted()) {
            ++i;
            continue;
        }
        if (r == current)
            ui->VideoPlayer->stop();
        list->removeItem(i, true, 0);
    }
}

void DownloaderForm::onMenuBtn_clean_clicked()
{
    if (clearDownloadList())
        ui->stackedWidget->setCurrentIndex(0);
}

void DownloaderForm::onMenuBtn_back_clicked()
{
    if (clearDownloadList()) {
        ui->stackedWidget->setCurrentIndex(0);
        emit doBack();
    }
}

bool DownloaderForm::clearDownloadList()
{
    QUxListWidget* list = downloadList();
    QUxItemBase* current = list->currentItem();
    bool running = false;
    for (int i = 0; i < list->count(); ++i) {
        CNorVideoDlItem* r = row(i);
        if (r->isDownloading()) {
            running = true;
            break;
        }
        if (r == current)
            ui->VideoPlayer->stop();
    }
    if (!running) {
        QList<DownloadItem*> tasks;
        for (int i = 0; i < list->count(); ++i)
            tasks.append(row(i)->downloadItem());
        Youtube::instance()->removeDownloadingItems(tasks);
        Youtube::instance()->clearDownloadingItems();
        list->clear();
        return true;
    }
    const int answer = MsgDialog::showMsg(QString(), tr("The media file is being downloaded."),
                                          tr("Do you still want to end the download and clear the list?"), tr("No"),
                                          tr("Yes"), QString(), UIBaseData::instance()->mainPopup(), warningTitle(), 1);
    if (answer != 1)
        return false;
    stopAllDownloads(true);
    list->clear();
    return true;
}

void DownloaderForm::stopAllDownloads(bool remove)
{
    m_batchStopped = true;
    Youtube::instance()->stopAllDownloads(remove, false);
    if (remove) {
        QList<DownloadItem*> tasks;
        QUxListWidget* list = downloadList();
        for (int i = 0; i < list->count(); ++i)
            tasks.append(row(i)->downloadItem());
        Youtube::instance()->removeDownloadingItems(tasks);
    }
    ui->downloadStacked->setCurrentWidget(ui->page_download);
}

void DownloaderForm::onDownFinished(QStringList successedFiles, QStringList failedFiles)
{
    if (!failedFiles.isEmpty()) {
        FileListDialog dialog(tr("Failed to download the files below"),
                              QStringLiteral("<p style='line-height:%1px'>")
                                  + tr("Something wrong with the download line, it may be the network problem or the "
                                       "chosen media track was no longer existed on website. Please check and try it one "
                                       "more time.")
                                  + QStringLiteral("</p>"),
                              failedFiles, false, UIBaseData::instance()->mainWindow());
        dialog.exec();
    }
    ui->downloadStacked->setCurrentWidget(ui->page_download);
    // The download thread's sleep inhibitor ended with its run, so the
    // system may sleep again without a call here.
    // What was finished comes from the rows' own record: the engine's report
    // names the jobs by title, not by their files.
    const bool stopped = std::exchange(m_batchStopped, false);
    const QStringList done = std::exchange(m_batchFiles, {});
    if (!stopped && !done.isEmpty()
        && SettingsStore::instance()->value(QStringLiteral("setting/openFolder")) == QLatin1String("true"))
        openCompletedFolder(done);
    // A batch the user stopped reports no file; nobody waits for its end.
    if (successedFiles.isEmpty() && failedFiles.isEmpty())
        return;
    if (SettingsStore::instance()->value(QStringLiteral("setting/shutdown")) == QLatin1String("true"))
        UIBaseData::askAutoShutdown();
}

void DownloaderForm::openCompletedFolder(const QStringList& files)
{
    // One window, on the folder of the first file, with the batch's files
    // there selected.
    QString folder;
    QStringList selected;
    for (const QString& f : files) {
        if (f.isEmpty())
            continue;
        const QString dir = QFileInfo(f).absolutePath();
        if (folder.isEmpty())
            folder = dir;
        if (dir == folder)
            selected << f;
    }
    if (folder.isEmpty())
        folder = SettingsStore::fromStoredPath(SettingsStore::instance()->value(QStringLiteral("youtube/download")));
    UIBaseData::OpenFolderAndSelectFiles(folder, selected);
}

// ------------------------------------------------------------ the rest

void DownloaderForm::onMenuBtn_Setting_clicked()
{
    emit doSetting();
}

void DownloaderForm::onLogged(bool in)
{
    showAccount(in);
}

void DownloaderForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshOutputPath();
}

