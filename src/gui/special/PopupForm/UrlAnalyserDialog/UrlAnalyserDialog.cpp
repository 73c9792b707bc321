#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/accounts/CUxDlLog.h"
#include "gui/accounts/YoutubeAccount.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "gui/special/PopupForm/Unclassified/YtbUpgradeDialog.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbFirstLevelItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoListSubArea.h"
#include "platform/TaskbarProgress.h"
#include "shell/ImageDownloader.h"
#include "shell/SettingsStore.h"
#include "ui_UrlAnalyserDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QKeyEvent>
#include <QListWidget>
#include <QMovie>
#include <QResizeEvent>
#include <QShowEvent>
#include <QUrl>
#include <cmath>

namespace {

void rescaleOne(QWidget* w, float f)
{
    const QSize bs = w->baseSize();
    if (bs.width() != 0 || bs.height() != 0) {
        const QSize s(bs.width() != 0 ? UIBaseData::scaled(float(bs.width())) : w->width(),
                      bs.height() != 0 ? UIBaseData::scaled(float(bs.height())) : w->height());
        if (bs.width() != 0)
            w->setMinimumWidth(s.width());
        if (bs.height() != 0)
            w->setMinimumHeight(s.height());
        w->resize(s);
    }
    // The design position wins over whatever geometry the form gave.
    const QVariant pos = w->property("basePos");
    if (pos.isValid())
        w->move(UIBaseData::scaledPoint(pos.toPoint()));
    const QVariant fontSize = w->property("baseFontSize");
    if (fontSize.isValid()) {
        QFont font = w->font();
        font.setPixelSize(qMax(1, int(std::trunc(float(fontSize.toInt()) * f))));
        const QVariant weight = w->property("baseFontWeight");
        if (weight.isValid())
            font.setWeight(weight.toInt());
        w->setFont(font);
    }
    const QVariant iconSize = w->property("baseIconSize");
    if (iconSize.isValid())
        w->setProperty("iconSize", UIBaseData::scaledSize(iconSize.toSize()));
}

void rescaleTree(QObject* o, float f)
{
    const QObjectList children = o->children();
    for (QObject* child : children) {
        if (child->isWidgetType()) {
            auto* w = static_cast<QWidget*>(child);
            // Windows of their own (drop-downs, tooltips) size themselves.
            if (w->isWindow())
                continue;
            rescaleOne(w, f);
        }
        rescaleTree(child, f);
    }
}

bool g_upgradeCheckArmed = true;

const char* const kStopStyle =
    "QPushButton\n{\n\tborder-image: url(:/res/ytb_stop_button_nor.png);\n\tcolor:white;\n}\nQPushButton::hover\n{\n"
    "border-image: url(:/res/ytb_stop_button_on.png);\n}\nQPushButton::pressed\n{\n\tborder-image: "
    "url(:/res/ytb_stop_button_down.png);\n}\nQPushButton::disabled\n{\n\tborder-image: url(:/res/done_dis.png);\n}";
const char* const kRestStyle =
    "QPushButton\n{\n\tborder-image: url(:/res/done_nor.png);\n\tcolor:white;\n}\nQPushButton::hover\n{\n\tborder-image: "
    "url(:/res/done_hover.png);\n}\nQPushButton::pressed\n{\n\tborder-image: url(:/res/done_down.png);\n}\n"
    "QPushButton::disabled\n{\n\tborder-image: url(:/res/done_dis.png);\n}\n";

// The parent of the road's questions: the main window's popup when there is one.
QWidget* mainPopupOr(QWidget* fallback)
{
    QWidget* main = UIBaseData::instance()->mainPopup();
    return main ? main : fallback;
}

QString warningTitle()
{
    return QCoreApplication::translate("MsgDialog", "Warning");
}

QString siteWord(QString website)
{
    return website.remove(QStringLiteral("www.")).remove(QStringLiteral(".com"));
}

// The site tab of the login dialog for an account-store website.
int loginTab(const QString& site)
{
    if (site.contains(QLatin1String("youtube.com")))
        return 0;
    if (site.contains(QLatin1String("dailymotion.com")))
        return 1;
    if (site.contains(QLatin1String("vimeo.com")))
        return 2;
    return 3;
}

} // namespace

UrlAnalyserDialog::UrlAnalyserDialog(QWidget* parent) : BaseDialog(parent), ui(new Ui::UrlAnalyserDialog)
{
    ui->setupUi(this);
    setShadowWidth(10);
    setDragWidget(ui->top);
    YoutubeAccount::instance(this);

    listRows = new QUxListWidget(ui->mediaAreaStacked);
    listRows->setObjectName(QStringLiteral("listRows"));
    itemRows = new QUxListWidget(ui->mediaAreaStacked);
    itemRows->setObjectName(QStringLiteral("itemRows"));
    ui->mediaAreaStacked->addWidget(listRows);
    ui->mediaAreaStacked->addWidget(itemRows);
    formatRows = new QUxListWidget(ui->medialistArea);
    formatRows->setObjectName(QStringLiteral("formatRows"));
    subtitleArea = new CYtbVideoListSubArea(ui->subArea);
    subtitleStatusLabel = new QLabel(tr("No subtitle"), subtitleArea);
    subtitleStatusLabel->setStyleSheet(QStringLiteral("color:#29506E;"));
    subtitleBusyLabel = new QLabel(subtitleArea);
    subtitleBusyLabel->hide();

    // The engine emits on this thread, often from inside the window's own
    // calls into it: queued, so the window is never re-entered mid-call.
    Youtube* engine = Youtube::instance();
    connect(engine, &Youtube::doProgress, this, &UrlAnalyserDialog::onAnalyseProgress, Qt::QueuedConnection);
    connect(engine, &Youtube::doAnalyseFinished, this, &UrlAnalyserDialog::onAnalyseAllStoped, Qt::QueuedConnection);
    connect(engine, &Youtube::doLiveMusicToVideo, this, &UrlAnalyserDialog::onLiveMusicToVideo,
            Qt::QueuedConnection);
    connect(engine, &Youtube::doStartAnalyse, this, &UrlAnalyserDialog::onStartAnalyse, Qt::QueuedConnection);
    connect(ui->btnAnalyseOrStop, &QPushButton::toggled, ui->lineEdit, &QLineEdit::setReadOnly);
    connect(ui->lineEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        ui->btnAnalyseOrStop->setEnabled(!text.trimmed().isEmpty() && !ui->btnAnalyseOrStop->isChecked());
    });

    for (QLabel* l : {ui->label_10, ui->label_14, ui->label_4}) {
        auto* movie = new QMovie(QStringLiteral(":/res/loading.gif"), QByteArray(), l);
        l->setMovie(movie);
    }
    ui->btn_paste->setText(tr("Paste URL & Analyse"));
    ui->btnSubscribe->setText(tr("Subscribe"));
    ui->btnShowAll->setText(tr("Show All"));
    ui->btn_search->setText(tr("Search"));

    for (QWidget* w : {static_cast<QWidget*>(ui->btn_cancel), static_cast<QWidget*>(ui->btn_applyToAll),
                       static_cast<QWidget*>(ui->btn_doneAll), static_cast<QWidget*>(ui->btn_done),
                       static_cast<QWidget*>(ui->labTip), static_cast<QWidget*>(ui->checkBox)})
        w->hide();
    hideLanguageChoice();
    ui->btn_done->setText(tr("Download Selected Videos"));
    ui->btn_doneAll->setText(tr("Download Full Playlist"));
    ui->btnBack->setToolTip(tr("Back"));
    ui->stacked_sub->setCurrentWidget(ui->page_search);
    ui->stackedWidget->setCurrentWidget(ui->page_preview);
    ui->btnWatchLaterlXiala->hide();
    ui->btn_clearAccount->hide();
    // Plain text everywhere a site or a title may land.
    for (QLabel* l : {ui->labName, ui->labUrl, ui->labTip})
        l->setTextFormat(Qt::PlainText);

    ui->label_14->movie()->start();

    const QString edition = SettingsStore::instance()->value(QStringLiteral("base/site")).toLower();
    QString key = QStringLiteral("qorvdvd");
    if (edition == QLatin1String("pelodvd") || edition == QLatin1String("marbleton")
        || edition == QLatin1String("marbleton_4k"))
        key = edition;
    ui->lineEdit->setText(tr(QStringLiteral("https://www.youtube.com/%1.html").arg(key).toUtf8().constData()));
    currentUrl = ui->lineEdit->text();
    ui->btnAnalyseOrStop->setEnabled(!currentUrl.trimmed().isEmpty());
    ui->checkBoxDownloadList->setChecked(SettingsStore::instance()->value(QStringLiteral("youtube/downloadFullList"))
                                         == QLatin1String("true"));
    installEventFilter(this);
    refreshWatchLaterButton(true);
    rescaleForm();
}

bool UrlAnalyserDialog::upgradeCheckArmed()
{
    return g_upgradeCheckArmed;
}

void UrlAnalyserDialog::setUpgradeCheckArmed(bool armed)
{
    g_upgradeCheckArmed = armed;
}

void UrlAnalyserDialog::startMovie(QLabel* label)
{
    if (label->movie())
        label->movie()->start();
}

void UrlAnalyserDialog::stopMovie(QLabel* label)
{
    if (label->movie())
        label->movie()->stop();
}

void UrlAnalyserDialog::hideLanguageChoice()
{
    const QSignalBlocker block(ui->comboBoxLangCode);
    ui->comboBoxLangCode->clear();
    ui->comboBoxLangCode->hide();
    ui->widLangCode->hide();
    ui->labLangCode->hide();
}

void UrlAnalyserDialog::resetUi()
{
    for (QLabel* l : {ui->labName, ui->labUrl}) {
        l->clear();
        l->setToolTip(QString());
    }
    ui->stackedWidget->setCurrentWidget(ui->page_preview);
    for (QWidget* w : {static_cast<QWidget*>(ui->labTip), static_cast<QWidget*>(ui->btn_done),
                       static_cast<QWidget*>(ui->btn_doneAll), static_cast<QWidget*>(ui->btn_applyToAll)})
        w->hide();
    hideLanguageChoice();
    listRows->clear();
    itemRows->clear();
    ui->closebtn->setEnabled(true);
}

int UrlAnalyserDialog::execAnalyse(const QString& url)
{
    resetUi();
    resetAnalyseButton();
    ImageDownloader::instance()->blockSignals(false);
    QMetaObject::invokeMethod(this, "onAnalyseUrl", Qt::QueuedConnection, Q_ARG(QString, url));
    return BaseDialog::exec();
}

int UrlAnalyserDialog::execMyList(bool myList)
{
    resetUi();
    resetAnalyseButton();
    ImageDownloader::instance()->blockSignals(false);
    if (myList)
        QMetaObject::invokeMethod(this, "on_btn_myList_clicked", Qt::QueuedConnection);
    return BaseDialog::exec();
}

int UrlAnalyserDialog::exec()
{
    resetUi();
    resetAnalyseButton();
    ImageDownloader::instance()->blockSignals(false);
    return BaseDialog::exec();
}

void UrlAnalyserDialog::onAnalyseUrl(const QString& url)
{
    ui->lineEdit->setText(url);
    currentUrl = url;
    ui->btnAnalyseOrStop->setChecked(true);
    on_btnAnalyseOrStop_clicked(true);
}

bool UrlAnalyserDialog::isHttpUrl(const QString& text)
{
    const QString t = text.trimmed();
    const QUrl url(t, QUrl::TolerantMode);
    return !url.isRelative() && t.left(4).toUpper() == QLatin1String("HTTP");
}

QString UrlAnalyserDialog::searchRequest(const QString& words)
{
    QString count = SettingsStore::instance()->value(QStringLiteral("youtube/searchRecordCount"));
    if (count.isEmpty())
        count = QStringLiteral("10");
    return QStringLiteral("ytsearchdate%1:%2").arg(count, words);
}

void UrlAnalyserDialog::on_btnAnalyseOrStop_clicked(bool bChecked)
{
    if (bChecked) {
        QString text = ui->lineEdit->text().trimmed();
        if (text.isEmpty()) {
            ui->btnAnalyseOrStop->setChecked(false);
            return;
        }
        if (!isHttpUrl(text)) {
            text = searchRequest(text);
            qInfo().noquote() << "it's not a valid URL path! set defual url = " << text;
        }
        currentUrl = text;
        analyseUrl(text);
        return;
    }
    ui->btnAnalyseOrStop->setText(tr("Stopping"));
    for (QLabel* l : {ui->label_4, ui->label_10, ui->label_14})
        stopMovie(l);
    for (QUxListWidget* rows : {listRows, itemRows})
        for (int i = 0; i < rows->count(); ++i)
            if (auto* row = qobject_cast<CYtbFirstLevelItem*>(rows->item(i)))
                if (row->loadingLabel() && row->loadingLabel()->movie())
                    row->loadingLabel()->movie()->stop();
    ui->btnAnalyseOrStop->setEnabled(false);
    Youtube::instance()->stopAnalyse();
}

void UrlAnalyserDialog::on_btn_paste_clicked()
{
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    if (text.isEmpty())
        return;
    currentUrl = text;
    ui->lineEdit->setText(text);
    if (!isHttpUrl(text)) {
        currentUrl = searchRequest(text);
        qInfo().noquote() << "it's not a valid URL path! set defual url = " << currentUrl;
    }
    analyseUrl(currentUrl);
}

void UrlAnalyserDialog::runningLook(bool fromEngine)
{
    {
        const QSignalBlocker block(ui->btnAnalyseOrStop);
        ui->btnAnalyseOrStop->setChecked(true);
    }
    ui->lineEdit->setReadOnly(true);
    ui->btnAnalyseOrStop->setStyleSheet(QLatin1String(kStopStyle));
    ui->btn_paste->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(ui->lineEdit), static_cast<QWidget*>(ui->btn_myList),
                       static_cast<QWidget*>(ui->btnLog), static_cast<QWidget*>(ui->btnWatchLaterlXiala),
                       static_cast<QWidget*>(ui->btn_done), static_cast<QWidget*>(ui->btn_doneAll),
                       static_cast<QWidget*>(ui->closebtn)})
        w->setEnabled(false);
    if (!fromEngine) {
        ui->checkBoxDownloadList->setEnabled(false);
        ui->labelDownloadList->setEnabled(false);
    }
    startMovie(ui->label_10);
    ui->label_14->show();
    startMovie(ui->label_14);
    ui->labTip->hide();
}

void UrlAnalyserDialog::onStartAnalyse()
{
    // A start reported after the road already ended changes nothing.
    if (!ui->btnAnalyseOrStop->isChecked())
        return;
    runningLook(true);
    ui->btnAnalyseOrStop->setText(tr("Stop"));
}

void UrlAnalyserDialog::analyseUrl(const QString& url)
{
    currentUrl = url;
    ui->btn_doneAll->hide();
    ui->btn_done->hide();
    ui->btn_applyToAll->hide();
    hideLanguageChoice();
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    ui->labTip->hide();
    // The account just confirmed in the login road goes alone on the retry.
    bool useDialogAccount = true;
    for (;;) {
        runningLook(false);
        ui->btnAnalyseOrStop->setEnabled(false);
        ui->btnAnalyseOrStop->setText(tr("Initializing"));
        listRows->clear();
        itemRows->clear();
        {
            const QSignalBlocker block(ui->comboBoxLangCode);
            ui->comboBoxLangCode->clear();
        }

        if (g_upgradeCheckArmed) {
            bool needed = false;
            if (!Youtube::instance()->checkUpgrade(needed)) {
                g_upgradeCheckArmed = false;
            } else if (needed) {
                g_upgradeCheckArmed = false;
                YtbUpgradeDialog dialog(true, this);
                dialog.exec();
            } else {
                if (ui->label_10->movie())
                    ui->label_10->movie()->setPaused(true);
                YtbUpgradeDialog dialog(false, this);
                g_upgradeCheckArmed = dialog.exec() == -1;
                if (ui->label_10->movie())
                    ui->label_10->movie()->setPaused(false);
            }
        }

        ui->btnAnalyseOrStop->setEnabled(true);
        ui->btnAnalyseOrStop->setText(tr("Stop"));

        // The account dialog holds a YouTube account: it goes with YouTube
        // addresses only, never to another site's extractor.
        QString account;
        QString password;
        if (useDialogAccount && Youtube::instance()->loginSite(url) == QLatin1String("www.youtube.com")) {
            account = YoutubeAccount::account();
            password = YoutubeAccount::password();
        }
        const YoutubeError ret = Youtube::instance()->initAnalyser(url, account, password);
        qInfo() << "Youtube::YoutubeError ret = " << int(ret);

        bool relogin = false;
        QString site;
        if (handleAnalyseResult(ret, relogin, site))
            return;
        if (!relogin)
            continue;

        stopMovie(ui->label_10);
        CUxDlLog login(this, loginTab(site));
        if (login.exec() != 0) {
            showPreview();
            resetAnalyseButton();
            return;
        }
        useDialogAccount = false;
        refreshWatchLaterButton(true);
        startMovie(ui->label_10);
    }
}

void UrlAnalyserDialog::showPreview()
{
    ui->stackedWidget->setCurrentWidget(ui->page_preview);
    ui->labTip->hide();
}

bool UrlAnalyserDialog::askAgain()
{
    stopMovie(ui->label_10);
    const int answer = MsgDialog::showMsg(tr("Analysis Failed"), tr("Would you like to analyze again?"), QString(),
                                          tr("No"), tr("Yes"), QString(), mainPopupOr(this), warningTitle(), 1);
    if (answer != MsgDialog::Button1) {
        showPreview();
        return true;
    }
    startMovie(ui->label_10);
    return false;
}

bool UrlAnalyserDialog::handleAnalyseResult(YoutubeError ret, bool& relogin, QString& site)
{
    relogin = false;
    stopMovie(ui->label_10);
    switch (ret) {
    case YtbNoError: {
        if (YoutubeAccount::hasAccount() && !YoutubeAccount::password().isEmpty()) {
            ui->btn_myList->setText(tr("%1's playlist").arg(YoutubeAccount::account()));
            ui->btn_myList->setProperty("loged", 1);
            emit logged(true);
        }
        runningLook(false);
        ui->btnAnalyseOrStop->setText(tr("Stop"));
        ui->btn_applyToAll->hide();
        hideLanguageChoice();
        ui->rightStackedWidget->setCurrentIndex(0);
        if (tileList) {
            tileList->hide();
            tileList->deleteLater();
            tileList = nullptr;
        }
        handUrlData();
        return true;
    }
    case YtbCancelled:
        showPreview();
        return true;
    case YtbAuthError:
        site = Youtube::instance()->loginSite(currentUrl);
        if (site.isEmpty())
            return askAgain();
        MsgDialog::showMsg(tr("Analysis Failed"),
                           tr("Incorrect account / password or authentication error!(logining on the website may "
                              "solve the authentication error)!"),
                           QString(), QString(), QString(), QString(), this, warningTitle(), 1);
        relogin = true;
        startMovie(ui->label_10);
        return false;
    case YtbPrivateVideo:
    case YtbPrivateList: {
        site = Youtube::instance()->loginSite(currentUrl);
        if (site.isEmpty())
            return askAgain();
        const QString text = ret == YtbPrivateVideo
            ? tr("This video is private. If your account has authority to watch, please login.")
            : tr("This playlist is private. If your account has authority to watch, please login.");
        const int answer = MsgDialog::showMsg(tr("Analysis Failed"), text, QString(), tr("OK"), tr("Cancel"), QString(),
                                              mainPopupOr(this), warningTitle(), 1);
        if (answer == MsgDialog::Button0) {
            relogin = true;
            startMovie(ui->label_10);
            return false;
        }
        // Nothing else will move the window off the waiting page.
        showPreview();
        return true;
    }
    case YtbUnsupportedUrl:
    case YtbAnalyseFailed:
        return askAgain();
    default:
        // The road ends here; without a page of its own the window would
        // keep saying "Please wait..." after the engine has given up.
        ui->stackedWidget->setCurrentWidget(ui->page);
        return true;
    }
}

void UrlAnalyserDialog::handUrlData()
{
    listRows->clear();
    itemRows->clear();
    currentItemIndex = -1;
    ui->btnSubscribe->hide();
    YoutubeList lists;
    Youtube::instance()->lists(lists, 0, -1);
    if (lists.items.isEmpty()) {
        ui->stackedWidget->setCurrentWidget(ui->page);
        return;
    }
    ui->btn_doneAll->show();
    ui->btn_done->show();
    ui->stackedWidget->setCurrentWidget(ui->mainPage);
    if (lists.items.size() < 2) {
        ui->btnBack->hide();
        ui->mediaAreaStacked->setCurrentWidget(itemRows);
        YoutubeList items;
        Youtube::instance()->lists(items, 0, 0);
        ui->btnSubscribe->setVisible(items.subscribable);
        ui->btnSubscribe->setChecked(items.subscribed);
        if (items.items.isEmpty())
            return;
        qInfo() << "sec youtubeLists.items size = " << items.items.size();
        QList<QUxItemBase*> rows;
        for (const YoutubeItem& item : items.items)
            rows.append(new CYtbFirstLevelItem(1, item, itemRows));
        itemRows->addItems(rows);
        itemRows->selectItem(0);
        currentItemIndex = 0;
        return;
    }
    ui->btnBack->show();
    ui->mediaAreaStacked->setCurrentWidget(listRows);
    ui->label_4->show();
    startMovie(ui->label_4);
    ui->checkBox->hide();
    qInfo() << "fir youtubeLists.items size = " << lists.items.size();
    QList<QUxItemBase*> rows;
    for (const YoutubeItem& item : lists.items)
        rows.append(new CYtbFirstLevelItem(0, item, listRows));
    listRows->addItems(rows);
    listRows->selectItem(0);
}

void UrlAnalyserDialog::resetAnalyseButton()
{
    {
        const QSignalBlocker block(ui->btnAnalyseOrStop);
        ui->btnAnalyseOrStop->setChecked(false);
    }
    ui->lineEdit->setReadOnly(false);
    ui->btnAnalyseOrStop->setText(tr("Analyse"));
    ui->btnAnalyseOrStop->setStyleSheet(QLatin1String(kRestStyle));
    for (QWidget* w : {static_cast<QWidget*>(ui->btn_paste), static_cast<QWidget*>(ui->lineEdit),
                       static_cast<QWidget*>(ui->btn_myList), static_cast<QWidget*>(ui->checkBoxDownloadList),
                       static_cast<QWidget*>(ui->labelDownloadList)})
        w->setEnabled(true);
    refreshWatchLaterButton(true);
    if (!ui->lineEdit->text().trimmed().isEmpty())
        ui->btnAnalyseOrStop->setEnabled(true);
    for (QWidget* w : {static_cast<QWidget*>(ui->btn_done), static_cast<QWidget*>(ui->btn_cancel),
                       static_cast<QWidget*>(ui->btn_doneAll), static_cast<QWidget*>(ui->closebtn)})
        w->setEnabled(true);
    stopMovie(ui->label_14);
    ui->label_14->hide();
}

void UrlAnalyserDialog::onAnalyseProgress(int cur, int total)
{
    qInfo() << "onAnalyseProgress" << cur << total;
    if (total < 1)
        return;
    taskbarShown = true;
    TaskbarProgress::setProgress(cur, total);
}

void UrlAnalyserDialog::onAnalyseAllStoped()
{
    auto* rows = qobject_cast<QUxListWidget*>(ui->mediaAreaStacked->currentWidget());
    int invalid = 0;
    if (rows) {
        for (int i = 0; i < rows->count(); ++i) {
            auto* row = qobject_cast<CYtbFirstLevelItem*>(rows->item(i));
            if (!row)
                continue;
            const YoutubeItem r = row->item();
            if ((r.status == YtbVideoRemoved || r.status == YtbCancelled || r.status == YtbAnalyseFailed)
                && r.downloadState == 3)
                ++invalid;
        }
    }
    if (invalid == 1)
        ui->labTip->setText(tr("There is an invalid url in the list."));
    else if (invalid > 1)
        ui->labTip->setText(tr("There are %1 invalid urls in the list.").arg(invalid));
    if (taskbarShown) {
        TaskbarProgress::hide();
        taskbarShown = false;
    }
    resetAnalyseButton();
}

void UrlAnalyserDialog::onLiveMusicToVideo()
{
    MsgDialog::showMsg(tr("The analyzed item is a live video."), tr("The analysis result will change to video mode."),
                       QString(), QStringLiteral("OK"), QString(), QString(), mainPopupOr(this), warningTitle(), 1);
}

void UrlAnalyserDialog::refreshWatchLaterButton(bool enabled)
{
    QList<SiteAccount*>* sites = Youtube::instance()->siteAccounts();
    const SiteAccount* chosen = nullptr;
    QString name;
    if (enabled && sites) {
        for (const SiteAccount* s : *sites) {
            const AccountInfo info = s->firstAccount();
            if (!info.name.isEmpty()) {
                chosen = s;
                name = info.name;
                break;
            }
        }
    }
    if (!chosen) {
        ui->btnLog->setText(tr("My watch later playlist"));
        ui->btnLog->setEnabled(false);
        ui->btnWatchLaterlXiala->setEnabled(false);
        return;
    }
    ui->btnLog->setEnabled(true);
    ui->btnWatchLaterlXiala->setEnabled(true);
    ui->btnLog->setText(tr("%1 's %2 watch later playlist").arg(name, siteWord(chosen->website())));
}

void UrlAnalyserDialog::on_btnLogIn_clicked()
{
    CUxDlLog login(this, 3);
    login.exec();
    refreshWatchLaterButton(true);
}

void UrlAnalyserDialog::on_btn_clearAccount_clicked()
{
    YoutubeAccount::clearPassword();
    ui->btn_myList->setText(tr("My YouTube playlist"));
    ui->btn_myList->setProperty("loged", 0);
    ui->btnLog->setText(tr("My watch later playlist"));
    ui->btnLog->setEnabled(false);
    ui->btnWatchLaterlXiala->setEnabled(false);
    emit logged(false);
}

void UrlAnalyserDialog::on_btn_myList_clicked()
{
    QList<SiteAccount*>* sites = Youtube::instance()->siteAccounts();
    if (!sites || sites->isEmpty())
        return;
    const QString website = sites->first()->website();
    if (website == QLatin1String("www.youtube.com"))
        currentUrl = QStringLiteral("https://www.youtube.com/playlist?list=WL");
    else if (website == QLatin1String("www.vimeo.com"))
        currentUrl = QStringLiteral("https://vimeo.com/watchlater");
    if (currentUrl != ui->lineEdit->text())
        ui->lineEdit->setText(currentUrl);
    analyseUrl(currentUrl);
}

void UrlAnalyserDialog::on_btnLog_clicked()
{
    on_btn_myList_clicked();
}

void UrlAnalyserDialog::finish(int result)
{
    Youtube::instance()->stopAnalyse();
    resetUi();
    resetAnalyseButton();
    repaint();
    done(result);
}

void UrlAnalyserDialog::on_btn_done_clicked()
{
    if (Youtube::instance()->selectedDownloadItems().isEmpty()) {
        const int answer =
            MsgDialog::showMsg(tr("Tips"), tr("No video/audio is selected. Would you like to continue to quit?"),
                               QString(), tr("No"), tr("Yes"), QString(), this, warningTitle(), 1);
        if (answer != MsgDialog::Button1)
            return;
    }
    ui->closebtn->setEnabled(false);
    ui->btn_cancel->setEnabled(false);
    finish(1);
}

void UrlAnalyserDialog::on_btn_doneAll_clicked()
{
    ui->checkBox->setChecked(true);
    Youtube::instance()->setChecked(0, -1, true);
    finish(1);
}

void UrlAnalyserDialog::on_btn_cancel_clicked()
{
    finish(0);
}

void UrlAnalyserDialog::on_closebtn_clicked()
{
    finish(0);
}

void UrlAnalyserDialog::on_checkBoxDownloadList_uxClicked(bool checked)
{
    SettingsStore::instance()->setValue(QStringLiteral("youtube/downloadFullList"),
                                        checked ? QStringLiteral("true") : QStringLiteral("false"));
}

bool UrlAnalyserDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        return true;
    return BaseDialog::eventFilter(watched, event);
}

// No shortcuts: Escape and Return close nothing.
void UrlAnalyserDialog::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

void UrlAnalyserDialog::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
}


UrlAnalyserDialog::~UrlAnalyserDialog()
{
    delete ui;
}

void UrlAnalyserDialog::rescaleForm()
{
    if (m_rescaling)
        return;
    m_rescaling = true;
    const float f = UIBaseData::instance()->scale();
    setFixedSize(UIBaseData::scaledSize(baseSize()));
    rescaleTree(this, f);
    m_rescaling = false;
}

void UrlAnalyserDialog::resizeEvent(QResizeEvent* event)
{
    BaseDialog::resizeEvent(event);
    rescaleForm();
}

void UrlAnalyserDialog::showEvent(QShowEvent* event)
{
    BaseDialog::showEvent(event);
    rescaleForm();
}
