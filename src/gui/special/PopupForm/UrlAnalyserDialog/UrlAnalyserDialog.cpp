#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/accounts/CUxDlLog.h"
#include "gui/accounts/YoutubeAccount.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "gui/special/PopupForm/Unclassified/YtbUpgradeDialog.h"
#include "function/marbleto_library/arguments/util/util.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CUxAccountWatchLaterList.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbFirstLevelItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbSecVideoLinkItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoInfoItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoListSubArea.h"
#include "platform/TaskbarProgress.h"
#include "shell/ImageDownloader.h"
#include "shell/ServiceHosts.h"
#include "shell/SettingsStore.h"
#include "ui_UrlAnalyserDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QFileInfo>
#include <QHBoxLayout>
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

// The parent of the analysis's questions: the main window's popup when there is one.
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

// Tooltips guess rich text from the text itself; a site's title must read
// as written, tags and all.
QString literalToolTip(const QString& text)
{
    return text.isEmpty() ? QString() : QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
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

// The enabled row nearest to index, above first, then below; -1 for none.
int nearestEnabledRow(QUxListWidget* rows, int index)
{
    for (int i = index - 1; i >= 0; --i)
        if (rows->item(i) && rows->item(i)->isEnabled())
            return i;
    for (int i = index + 1; i < rows->count(); ++i)
        if (rows->item(i) && rows->item(i)->isEnabled())
            return i;
    return -1;
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
    // The chips fill their framed box, inside the frame's edge; without a
    // layout the area kept a new widget's size and showed one chip a row.
    auto* subLayout = new QHBoxLayout(ui->subArea);
    subLayout->setContentsMargins(UIBaseData::scaled(9), UIBaseData::scaled(4), UIBaseData::scaled(9),
                                  UIBaseData::scaled(4));
    subLayout->addWidget(subtitleArea);
    subtitleStatusLabel = new QLabel(tr("No subtitle"), subtitleArea);
    subtitleStatusLabel->setStyleSheet(QStringLiteral("color:#29506E;"));
    subtitleBusyLabel = new QLabel(subtitleArea);
    subtitleBusyLabel->setMovie(new QMovie(QStringLiteral(":/res/loading.gif"), QByteArray(), subtitleBusyLabel));
    subtitleBusyLabel->setScaledContents(true);
    subtitleBusyLabel->hide();
    subtitleArea->installEventFilter(this);

    // The engine emits on this thread, often from inside the window's own
    // calls into it: queued, so the window is never re-entered mid-call.
    Youtube* engine = Youtube::instance();
    connect(engine, &Youtube::doProgress, this, &UrlAnalyserDialog::onAnalyseProgress, Qt::QueuedConnection);
    connect(engine, &Youtube::doAnalyseFinished, this, &UrlAnalyserDialog::onAnalyseAllStoped, Qt::QueuedConnection);
    connect(engine, &Youtube::doLiveMusicToVideo, this, &UrlAnalyserDialog::onLiveMusicToVideo,
            Qt::QueuedConnection);
    connect(engine, &Youtube::doStartAnalyse, this, &UrlAnalyserDialog::onStartAnalyse, Qt::QueuedConnection);
    connect(engine, &Youtube::doYoutubeListRefresh, this, &UrlAnalyserDialog::onItemRefresh, Qt::QueuedConnection);
    connect(engine, &Youtube::doListInfoRefresh, subtitleArea, &CYtbVideoListSubArea::onSubListCatched,
            Qt::QueuedConnection);
    connect(engine, &Youtube::doListInfoRefresh, this, &UrlAnalyserDialog::onMediaListInfo, Qt::QueuedConnection);
    connect(ImageDownloader::instance(), &ImageDownloader::doImgDownloadFinished, this,
            &UrlAnalyserDialog::onUrlImageCatched);
    connect(listRows, &QUxListWidget::curSelectedItemChanged, this, &UrlAnalyserDialog::firMediaItemChanged);
    connect(itemRows, &QUxListWidget::Itemclicked, this, &UrlAnalyserDialog::secMediaItemChanged_left);
    // A row tells the engine of its choice after the list reports the click.
    connect(formatRows, &QUxListWidget::Itemclicked, this, &UrlAnalyserDialog::syncFormatChecks,
            Qt::QueuedConnection);
    ui->btnSubscribe->setCheckable(true);
    // Show All is not made checkable: its slot answers clicked(), which
    // CUxBtn sends only for buttons that do not toggle. Its text and arrow
    // show the choice.
    connect(ui->labError, &QLabel::linkActivated, this, &UrlAnalyserDialog::onLinkSupport);
    ui->ListInfoBg->installEventFilter(this);
    ui->medialistArea->installEventFilter(this);
    connect(ui->btnAnalyseOrStop, &QPushButton::toggled, ui->lineEdit, &QLineEdit::setReadOnly);
    connect(ui->lineEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        ui->btnAnalyseOrStop->setEnabled(!text.trimmed().isEmpty() && !ui->btnAnalyseOrStop->isChecked());
    });

    for (QLabel* l : {ui->label_10, ui->label_14, ui->label_4}) {
        auto* movie = new QMovie(QStringLiteral(":/res/loading.gif"), QByteArray(), l);
        l->setMovie(movie);
    }
    dressButtons();

    for (QWidget* w : {static_cast<QWidget*>(ui->btn_cancel), static_cast<QWidget*>(ui->btn_applyToAll),
                       static_cast<QWidget*>(ui->btn_doneAll), static_cast<QWidget*>(ui->btn_done),
                       static_cast<QWidget*>(ui->labTip), static_cast<QWidget*>(ui->checkBox)})
        w->hide();
    hideLanguageChoice();
    ui->btn_done->setText(tr("Download Selected Videos"));
    ui->btn_doneAll->setText(tr("Download Full Playlist"));
    ui->stacked_sub->setCurrentWidget(ui->page_search);
    ui->stackedWidget->setCurrentWidget(ui->page_preview);
    ui->btnWatchLaterlXiala->hide();
    ui->btn_clearAccount->hide();
    // The address label, the paste button and the watch-later link keep
    // their own widths from the left: shared out over the whole row, the
    // link's text moved right under "My YouTube playlist".
    ui->horizontalLayout_13->addStretch(1);
    ui->lineWidget->installEventFilter(this);
    // Plain text everywhere a site or a title may land.
    for (QLabel* l : {ui->labName, ui->labUrl, ui->labTip})
        l->setTextFormat(Qt::PlainText);

    ui->label_14->movie()->start();

    const QString edition = SettingsStore::instance()->value(QStringLiteral("base/site")).toLower();
    QString key = QStringLiteral("qorvdvd");
    if (edition == QLatin1String("pelodvd") || edition == QLatin1String("marbleton")
        || edition == QLatin1String("marbleton_4k"))
        key = edition;
    ui->lineEdit->setText(QStringLiteral("https://www.youtube.com/%1.html").arg(key));
    currentUrl = ui->lineEdit->text();
    ui->btnAnalyseOrStop->setEnabled(!currentUrl.trimmed().isEmpty());
    ui->checkBoxDownloadList->setChecked(SettingsStore::instance()->value(QStringLiteral("youtube/downloadFullList"))
                                         == QLatin1String("true"));
    installEventFilter(this);
    refreshWatchLaterButton(true);
    layoutTexts();
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
    placeUrlLabel();
}

// The address line moves up a little while the audio-language choice shows.
void UrlAnalyserDialog::placeUrlLabel()
{
    const QVariant base = ui->labUrl->property("basePos");
    if (!base.isValid())
        return;
    QPoint pos = UIBaseData::scaledPoint(base.toPoint());
    if (ui->comboBoxLangCode->isVisibleTo(this))
        pos.ry() -= UIBaseData::scaled(6);
    ui->labUrl->move(pos);
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
    currentListIndex = -1;
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
    // A start reported after the analysis already ended changes nothing.
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
    // The account the user just confirmed at the login goes alone on the retry.
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
        currentListIndex = -1;
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
        // The analysis ends here; without a page of its own the window would
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
        placePoster(QPoint(20, 16));
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
        const YoutubeItem& first = items.items.first();
        if (!first.analysed) {
            ui->rightStackedWidget->setCurrentIndex(2);
        } else if (first.status == YtbNoError
                   || (first.status == YtbSkipped && (first.downloadState == 0 || first.downloadState == 3))) {
            if (first.status == YtbNoError)
                setShowAllFormats(false);
            YoutubeList formats;
            Youtube::instance()->lists(formats, 1, 0);
            showItemFormats(formats, 0, false);
        } else if (first.status == YtbSkipped) {
            YoutubeList formats;
            Youtube::instance()->lists(formats, 1, 0);
            showItemState(formats, 0, first.downloadState);
        }
        return;
    }
    ui->btnBack->show();
    placePoster(QPoint(20, 30));
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
                       QString(), tr("OK"), QString(), QString(), mainPopupOr(this), warningTitle(), 1);
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

void UrlAnalyserDialog::on_btnWatchLaterlXiala_clicked()
{
    QList<SiteAccount*>* sites = Youtube::instance()->siteAccounts();
    if (!sites)
        return;
    CUxAccountWatchLaterList* popup = CUxAccountWatchLaterList::instance();
    qDeleteAll(popup->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly));
    QFont font;
    if (!UIBaseData::instance()->fontFamily().isEmpty())
        font.setFamily(UIBaseData::instance()->fontFamily());
    font.setPixelSize(UIBaseData::scaled(12));
    const QFontMetrics metrics(font);
    const QString style = QStringLiteral(
        "QPushButton{border:none;color:#0aa7f5;text-decoration: underline;text-align:left;}"
        "QPushButton:hover{color:#28C7F6;}QPushButton:disabled{color:gray;}");
    QList<QPushButton*> buttons;
    int widest = 0;
    for (int s = 0; s < sites->size(); ++s) {
        SiteAccount* site = sites->at(s);
        for (const QString& name : site->accountNames()) {
            auto* button = new QPushButton(popup);
            button->setText(tr("%1's %2 watch later playlist").arg(name, siteWord(site->website())));
            button->setFont(font);
            button->setFlat(true);
            button->setStyleSheet(style);
            widest = qMax(widest, metrics.horizontalAdvance(button->text()));
            const QString website = site->website();
            connect(button, &QPushButton::clicked, this, [this, website, name, button] {
                QList<SiteAccount*>* all = Youtube::instance()->siteAccounts();
                for (int i = 0; all && i < all->size(); ++i) {
                    if (all->at(i)->website() != website)
                        continue;
                    all->at(i)->setCurrentAccount(name);
                    Youtube::instance()->moveSiteAccountToFront(i);
                    break;
                }
                const QString text = button->text();
                CUxAccountWatchLaterList::instance()->hide();
                ui->btnLog->setText(text);
                on_btn_myList_clicked();
            });
            buttons << button;
        }
    }
    if (buttons.isEmpty())
        return;
    const int gap = UIBaseData::scaled(3);
    const int margin = UIBaseData::scaled(6);
    const int height = metrics.height();
    int y = margin;
    for (QPushButton* b : buttons) {
        b->setGeometry(popup->shadowMargin() + margin, y, widest, height);
        y += height + gap;
    }
    popup->showCard(ui->btnLog->mapToGlobal(QPoint(0, ui->btnLog->height())),
                    QSize(widest + 2 * margin, buttons.size() * height + (buttons.size() - 1) * gap + 2 * margin));
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
    if ((event->type() == QEvent::Show || event->type() == QEvent::Resize)) {
        if (watched == ui->ListInfoBg)
            placeTiles();
        else if (watched == subtitleArea)
            placeSubtitleStatus();
        else if (watched == ui->medialistArea)
            formatRows->setGeometry(QRect(QPoint(0, 0), ui->medialistArea->size()));
    }
    if (watched == ui->lineWidget && event->type() == QEvent::Paint)
        paintLineWidget();
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
    applyLooks();
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

// ---- results and choices ----

void UrlAnalyserDialog::placeTiles()
{
    if (!tileList)
        return;
    tileList->setGeometry(UIBaseData::scaled(20), UIBaseData::scaled(10),
                          ui->ListInfoBg->width() - UIBaseData::scaled(30),
                          ui->ListInfoBg->height() - UIBaseData::scaled(20));
    const QSize tile(UIBaseData::scaled(170), UIBaseData::scaled(160));
    for (int i = 0; i < tileList->count(); ++i)
        tileList->item(i)->setSizeHint(tile);
    // The engine's order stays: tiles are found by their record's index,
    // never by a sorted position.
    tileList->show();
}

QWidget* UrlAnalyserDialog::tileAt(int recordIndex) const
{
    if (!tileList)
        return nullptr;
    for (int i = 0; i < tileList->count(); ++i) {
        auto* tile = qobject_cast<CYtbSecVideoLinkItem*>(tileList->itemWidget(tileList->item(i)));
        if (tile && tile->item().index == recordIndex)
            return tile;
    }
    return nullptr;
}

void UrlAnalyserDialog::firMediaItemChanged(int iIndex)
{
    currentItemIndex = -1;
    if (iIndex < 0 || iIndex >= listRows->count())
        return;
    YoutubeList items;
    Youtube::instance()->lists(items, 0, iIndex);
    if (items.items.isEmpty()) {
        qInfo() << "displayYoutubePlayListItems there is no items!!";
        return;
    }
    if (tileList) {
        tileList->hide();
        tileList->deleteLater();
    }
    tileList = new QListWidget(ui->ListInfoBg);
    tileList->setObjectName(QStringLiteral("mySeclistWidget"));
    tileList->setViewMode(QListView::IconMode);
    tileList->setResizeMode(QListView::Adjust);
    tileList->setDragDropMode(QAbstractItemView::NoDragDrop);
    tileList->setMovement(QListView::Static);
    tileList->setSpacing(0);
    tileList->setStyleSheet(QStringLiteral("QListWidget{border:none;background-color:rgb(255,25,255,0);}"));
    tileList->setUpdatesEnabled(false);
    for (const YoutubeItem& item : items.items) {
        auto* entry = new QListWidgetItem(tileList);
        auto* tile = new CYtbSecVideoLinkItem(tileList);
        tile->setData(item);
        tileList->setItemWidget(entry, tile);
        connect(tile, &CYtbSecVideoLinkItem::getIn, this, &UrlAnalyserDialog::secMediaItemClicked_right);
    }
    tileList->setUpdatesEnabled(true);
    ui->btn_applyToAll->hide();
    hideLanguageChoice();
    ui->rightStackedWidget->setCurrentIndex(0);
    ui->ListInfoBg->hide();
    ui->ListInfoBg->show();
    placeTiles();
}

void UrlAnalyserDialog::secMediaItemChanged_left(int iIndex)
{
    if (iIndex == currentItemIndex)
        return;
    YoutubeList items;
    Youtube::instance()->lists(items, 0, 0);
    if (iIndex < 0 || iIndex >= items.items.size())
        return;
    const YoutubeItem& item = items.items.at(iIndex);
    currentItemIndex = iIndex;
    if (!item.analysed) {
        ui->rightStackedWidget->setCurrentIndex(2);
        return;
    }
    if (item.status == YtbNoError)
        setShowAllFormats(false);
    YoutubeList formats;
    Youtube::instance()->lists(formats, 1, iIndex);
    if (item.status == YtbNoError)
        showItemFormats(formats, iIndex, false);
    else
        showItemState(formats, iIndex, item.downloadState);
}

void UrlAnalyserDialog::secMediaItemClicked_right(int iIndex)
{
    if (iIndex == currentItemIndex)
        return;
    setShowAllFormats(false);
    YoutubeList formats;
    Youtube::instance()->lists(formats, 1, iIndex);
    currentItemIndex = iIndex;
    showItemFormats(formats, iIndex, false);
}

void UrlAnalyserDialog::showHeader(const YoutubeList& formats, int index)
{
    const QString title = formats.info.title;
    const QString url = formats.info.url;
    UIBaseData::setElidedText(ui->labName, title, Qt::ElideRight, ui->labName->width());
    ui->labName->setToolTip(literalToolTip(title));
    UIBaseData::setElidedText(ui->labUrl, url, Qt::ElideRight, ui->labUrl->width());
    ui->labUrl->setToolTip(literalToolTip(url));
    thumbnailUrl = formats.info.thumbnail;
    ui->poster->clear();
    if (!thumbnailUrl.isEmpty()) {
        const QImage img = ImageDownloader::instance()->getImage(thumbnailUrl);
        if (!img.isNull())
            ui->poster->setImage(img);
    }
    fillLanguageChoice(index);
}

void UrlAnalyserDialog::fillLanguageChoice(int index)
{
    currentListIndex = index;
    hideLanguageChoice();
    QStringList codes;
    int preferred = 0;
    if (!Youtube::instance()->audioLanguages(index, codes, preferred) || codes.size() < 3)
        return;
    const QSignalBlocker block(ui->comboBoxLangCode);
    for (int i = 0; i < codes.size(); ++i) {
        if (i == 0) {
            ui->comboBoxLangCode->addItem(tr("Auto"));
            continue;
        }
        QString code = codes.at(i);
        const iso639_entry* row = find_language_entry(code.toUtf8().constData());
        if (!row && code.contains(QLatin1Char('-')))
            row = find_language_entry(code.section(QLatin1Char('-'), 0, 0).toUtf8().constData());
        const QString name = row && row->nativeName && *row->nativeName ? QString::fromUtf8(row->nativeName) : code;
        ui->comboBoxLangCode->addItem(name);
    }
    ui->comboBoxLangCode->setCurrentIndex(qBound(0, preferred, codes.size() - 1));
    // The filled choice is shown: hiding it would leave it unreachable.
    ui->comboBoxLangCode->show();
    ui->labLangCode->show();
    ui->widLangCode->show();
    placeUrlLabel();
}

void UrlAnalyserDialog::fillFormatRows(const YoutubeList& formats)
{
    formatRows->clear();
    // Filled in one pass while hidden: no event loop runs between rows.
    formatRows->hide();
    QList<QUxItemBase*> rows;
    for (const YoutubeItem& f : formats.items)
        rows.append(new CYtbVideoInfoItem(f, formatRows));
    formatRows->addItems(rows);
    formatRows->scrollRowsTo(0);
    formatRows->show();
}

void UrlAnalyserDialog::showItemFormats(const YoutubeList& formats, int index, bool fromRefresh)
{
    Q_UNUSED(fromRefresh)
    showHeader(formats, index);
    if (formats.items.isEmpty()) {
        formatRows->clear();
        ui->rightStackedWidget->setCurrentIndex(3);
    } else {
        setItemStatePage(3);
        fillFormatRows(formats);
        switchToMediaUi();
        formatRows->show();
    }
    subtitleArea->onCleared();
    onMediaListInfo(formats.info);
    subtitleArea->setLanguages(formats.info.subLangs);
}

void UrlAnalyserDialog::showItemState(const YoutubeList& formats, int index, int state)
{
    showHeader(formats, index);
    switchToMediaUi();
    setItemStatePage(state);
}

void UrlAnalyserDialog::switchToMediaUi()
{
    if (ui->rightStackedWidget->currentIndex() == 1)
        return;
    ui->btn_applyToAll->show();
    ui->rightStackedWidget->setCurrentIndex(1);
}

void UrlAnalyserDialog::setItemStatePage(int state)
{
    const QList<QWidget*> formatParts = {ui->lineWidget, ui->medialistArea, ui->stacked_sub, ui->subArea};
    if (state == 3) {
        for (QWidget* w : formatParts)
            w->show();
        ui->btn_applyToAll->show();
        ui->subscribeMayRefresh->hide();
        return;
    }
    if (state < 0 || state > 2)
        return;
    ui->subscribeMayRefresh->show();
    for (QWidget* w : formatParts)
        w->hide();
    ui->btn_applyToAll->hide();
    hideLanguageChoice();
    ui->btnOpen->setVisible(state == 2);
    if (state == 0)
        ui->label_2->setText(tr("This video analyse failed,click 'analyse' to redownload."));
    else if (state == 1)
        ui->label_2->setText(tr("This video has been downloaded before,but not found, clicked 'analyse' to redownload."));
    else
        ui->label_2->setText(
            tr("This video has been downloaded,you can open folder to find the video or analyse to redownload."));
}

void UrlAnalyserDialog::setShowAllFormats(bool on)
{
    showAllFormats = on;
    Youtube::instance()->setShowAllMedia(on);
    ui->btnShowAll->setText(on ? tr("Hide") : tr("Show All"));
    ui->btnShowAll->setIconRotated(on);
    placeShowAll();
}

void UrlAnalyserDialog::onItemRefresh(YoutubeListType listType, Youtube_Structure::List* curList, int curIndex,
                                      YoutubeItem item)
{
    // The engine's list pointer and index are not used: the model they
    // point into may already belong to the next analysis.
    Q_UNUSED(curList)
    Q_UNUSED(curIndex)
    if (listType == YtbFormatsLevel) {
        for (int i = 0; i < formatRows->count(); ++i) {
            auto* row = qobject_cast<CYtbVideoInfoItem*>(formatRows->item(i));
            if (row && row->item().index == item.index) {
                row->setData(item);
                break;
            }
        }
        return;
    }
    if (listType == YtbListsLevel) {
        if (item.index == -1) {
            ui->checkBox->setChecked(item.checkState != 0);
            stopMovie(ui->label_4);
            ui->label_4->hide();
            ui->checkBox->show();
            return;
        }
        auto* row = qobject_cast<CYtbFirstLevelItem*>(listRows->item(item.index));
        if (!row)
            return;
        const bool firstTime = !row->isAnalysed() && item.analysed;
        const bool uploaderChanged = row->item().subTitle != item.subTitle;
        row->setData(item);
        if (!row->isEnabled() && listRows->currentIndex() == item.index) {
            // A list that cannot be opened (private) gives the selection away.
            const int next = nearestEnabledRow(listRows, item.index);
            if (next >= 0)
                listRows->selectItem(next);
            return;
        }
        if ((firstTime || uploaderChanged) && listRows->currentIndex() == item.index && currentItemIndex == -1) {
            qInfo() << "onItemRefresh listType = " << "PLAYLISTS";
            firMediaItemChanged(item.index);
        }
        return;
    }
    // One item: its tile (found by its record's index) and its row.
    if (auto* tile = qobject_cast<CYtbSecVideoLinkItem*>(tileAt(item.index)))
        tile->setData(item);
    auto* row = qobject_cast<CYtbFirstLevelItem*>(itemRows->item(item.index));
    if (!row)
        return;
    const bool wasAnalysed = row->isAnalysed();
    row->setData(item);
    if (item.index != currentItemIndex)
        return;
    if (!wasAnalysed && item.analysed) {
        if (item.downloadState == 3 && !row->isEnabled()) {
            // A failed item cannot be opened: its nearest openable neighbour
            // is shown instead, or the failure itself when there is none.
            const int next = nearestEnabledRow(itemRows, item.index);
            if (next >= 0) {
                itemRows->selectItem(next);
                secMediaItemChanged_left(next);
                return;
            }
        }
        YoutubeList formats;
        Youtube::instance()->lists(formats, 1, item.index);
        if (item.downloadState == 3) {
            if (row->isEnabled()) {
                setShowAllFormats(false);
                showItemFormats(formats, item.index, true);
            } else {
                showItemState(formats, item.index, 0);
            }
        } else if (item.status == YtbNoError) {
            showItemFormats(formats, item.index, true);
        } else {
            showItemState(formats, item.index, item.downloadState);
        }
    } else if (wasAnalysed && !item.analysed) {
        ui->rightStackedWidget->setCurrentIndex(2);
    }
}

// The engine keeps one chosen format per item: the other rows lose their tick.
void UrlAnalyserDialog::syncFormatChecks()
{
    if (currentItemIndex < 0 || formatRows->count() == 0)
        return;
    YoutubeList formats;
    Youtube::instance()->lists(formats, 1, currentItemIndex);
    for (int i = 0; i < formatRows->count(); ++i) {
        auto* row = qobject_cast<CYtbVideoInfoItem*>(formatRows->item(i));
        if (!row)
            continue;
        for (const YoutubeItem& f : formats.items)
            if (f.index == row->item().index && f.checkState != row->item().checkState)
                row->setData(f);
    }
}

void UrlAnalyserDialog::onMediaListInfo(YoutubeMediaListInfo mediaListInfo)
{
    if (mediaListInfo.searchingSubtitles) {
        subtitleStatusLabel->setText(tr("Searching subtitle..."));
        subtitleStatusLabel->adjustSize();
        showSubtitleBusy(true);
        ui->btn_search->setEnabled(false);
        return;
    }
    if (mediaListInfo.subLangs.isEmpty()) {
        subtitleStatusLabel->setText(tr("No subtitle"));
        subtitleStatusLabel->adjustSize();
        subtitleStatusLabel->show();
    } else {
        subtitleStatusLabel->hide();
    }
    ui->btn_search->setEnabled(true);
    showSubtitleBusy(false);
}

void UrlAnalyserDialog::onClearSubTitles()
{
    subtitleStatusLabel->setText(tr("No subtitle"));
    subtitleStatusLabel->show();
    showSubtitleBusy(false);
}

void UrlAnalyserDialog::showSubtitleBusy(bool busy)
{
    subtitleBusyLabel->setVisible(busy);
    if (busy)
        startMovie(subtitleBusyLabel);
    else
        stopMovie(subtitleBusyLabel);
    placeSubtitleStatus();
}

// The status text centred in the area, the busy animation left of it.
void UrlAnalyserDialog::placeSubtitleStatus()
{
    subtitleStatusLabel->adjustSize();
    const QSize area = subtitleArea->size();
    const QSize text = subtitleStatusLabel->size();
    subtitleStatusLabel->move((area.width() - text.width()) / 2, (area.height() - text.height()) / 2);
    const int side = qMax(1, text.height());
    subtitleBusyLabel->resize(side, side);
    subtitleBusyLabel->move(subtitleStatusLabel->x() - UIBaseData::scaled(6) - side,
                            (area.height() - side) / 2);
}

void UrlAnalyserDialog::placePoster(const QPoint& basePos)
{
    ui->poster->setProperty("basePos", basePos);
    ui->poster->move(UIBaseData::scaledPoint(basePos));
}

void UrlAnalyserDialog::onUrlImageCatched(QString url, QImage img)
{
    if (!url.isEmpty() && url == thumbnailUrl)
        ui->poster->setImage(img);
}

void UrlAnalyserDialog::on_btnBack_clicked()
{
    if (!tileList)
        return;
    currentItemIndex = -1;
    onSwitchToSecListUi();
}

void UrlAnalyserDialog::onSwitchToSecListUi()
{
    hideLanguageChoice();
    ui->btn_applyToAll->hide();
    ui->rightStackedWidget->setCurrentIndex(0);
}

void UrlAnalyserDialog::on_btnShowAll_clicked()
{
    if (currentItemIndex < 0)
        return;
    setShowAllFormats(!showAllFormats);
    YoutubeList formats;
    Youtube::instance()->lists(formats, 1, currentItemIndex);
    if (formats.items.size() != formatRows->count())
        fillFormatRows(formats);
}

void UrlAnalyserDialog::on_btnReload_clicked()
{
    setShowAllFormats(false);
    Youtube::instance()->reloadItem(-1);
}

void UrlAnalyserDialog::onLinkSupport(const QString& link)
{
    Q_UNUSED(link)
    const QString site = ServiceHosts::editionSite(SettingsStore::instance()->value(QStringLiteral("base/site")));
    UIBaseData::openPHPParams(QStringLiteral("ytbana"),
                              site + tr("/support/youtube-downloader-troubleshooting.html"));
}

void UrlAnalyserDialog::on_btnOpen_clicked()
{
    if (currentItemIndex < 0)
        return;
    YoutubeList formats;
    Youtube::instance()->lists(formats, 1, currentItemIndex);
    // The engine keeps the downloaded file's path in the item's note.
    const QString file = formats.info.note;
    if (file.isEmpty())
        return;
    const QFileInfo info(file);
    UIBaseData::OpenFolderAndSelectFiles(info.absolutePath(), {info.absoluteFilePath()});
}

void UrlAnalyserDialog::on_btn_search_clicked()
{
    ui->btn_search->setEnabled(false);
    subtitleStatusLabel->setText(tr("Searching subtitle..."));
    subtitleStatusLabel->show();
    showSubtitleBusy(true);
    subtitleArea->onCleared();
    Youtube::instance()->searchSubtitles();
}

void UrlAnalyserDialog::on_comboBoxLangCode_currentIndexChanged(int index)
{
    if (index < 0 || currentListIndex < 0)
        return;
    Youtube::instance()->setAudioLanguageIndex(currentListIndex, index);
}

void UrlAnalyserDialog::on_checkBox_uxClicked(bool checked)
{
    Youtube::instance()->setChecked(0, -1, checked);
}

void UrlAnalyserDialog::on_btn_applyToAll_clicked()
{
    if (ui->stackedWidget->currentWidget() != ui->mainPage || ui->rightStackedWidget->currentIndex() != 1)
        return;
    auto* row = qobject_cast<CYtbVideoInfoItem*>(formatRows->currentItem());
    if (row && row->item().index >= 0)
        Youtube::instance()->applyMediaToAll(row->item().index);
}

void UrlAnalyserDialog::on_btnSubscribe_checked(bool checked)
{
    if (!checked) {
        // A subscription is ended on the subscription page, not here.
        ui->btnSubscribe->setChecked(true);
        return;
    }
    Youtube::instance()->subscribeCurrentList();
}
