// The main window's options menu with its language submenu, the windows
// reached from it, and the once-a-run update prompt and promotion timing.
#include "gui/main/MainWindow.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CMenu.h"
#include "gui/common/cuxupdate.h"
#include "gui/settings/SettingDialog.h"
#include "gui/special/PopupForm/Unclassified/AboutDialog.h"
#include "gui/special/PopupForm/Unclassified/AdsDialog.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "platform/DelayedCall.h"
#include "platform/RandomDraw.h"
#include "shell/ProgramVersion.h"
#include "shell/ServiceHosts.h"
#include "shell/SettingsStore.h"
#include "ui_MainWindow.h"

#include <QDate>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QUrl>

namespace {

bool g_promotionDone = false;

const char kDateFormat[] = "yyyy MM dd";
const char kSiblingEdition[] = "pelodvd";

QString setting(const char* key)
{
    return SettingsStore::instance()->value(QString::fromLatin1(key));
}

// The interface languages of the menu, with their fixed native names.
struct Language
{
    const char* code;
    const char* name;
};
const Language kLanguages[] = {
    {"en", "English"}, {"fr", "Français"}, {"es", "Español"}, {"de", "Deutsch"},
    {"ja", "日本語"}, {"zh-hans", "中文(简体)"}, {"zh-hant", "中文(繁體)"},
};

} // namespace

bool MainWindow::isPromotionDone()
{
    return g_promotionDone;
}

void MainWindow::setPromotionDone(bool done)
{
    g_promotionDone = done;
}

void MainWindow::on_btn_opt_pressed()
{
    int menuWidth = UIBaseData::scaled(111.0f);
    ui->optLine->show();
    ui->bg_opt->show();
    ui->btn_opt->raise();
    const QPoint anchor = ui->bg_opt->mapToGlobal(QPoint(0, ui->bg_opt->height() - 1));

    QList<MenuAction*> rows;
    auto add = [&](MenuAction* row) {
        rows.append(row);
        menuWidth = qMax(menuWidth, row->minimumWidth());
    };
    auto* settings = new MenuAction(QStringLiteral(":/res/set"), tr("Settings"), 4);
    connect(settings, &MenuAction::doClicked, this, &MainWindow::onShowSetting);
    add(settings);
    auto* language = new MenuAction(QStringLiteral("://res/langrage"), tr("Language"), 4);
    initLangMenuAction(language);
    add(language);
    auto* update = new MenuAction(QStringLiteral(":/res/update"), tr("Check Update"), 4);
    connect(update, &MenuAction::doClicked, this, &MainWindow::onShowUpdate);
    add(update);
    auto* about = new MenuAction(QStringLiteral(":/res/ding_info"), tr("About"), 4);
    connect(about, &MenuAction::doClicked, this, &MainWindow::onShowAbout);
    add(about);
    auto* help = new MenuAction(QStringLiteral(":/res/ding_help"), tr("Help"), 4);
    connect(help, &MenuAction::doClicked, this, &MainWindow::onShowHelp);
    add(help);

    // A press while the menu is open closes it and opens none; the closed
    // menu's doClose has taken the tile away.
    CMenu* menu = CMenu::popup(rows, anchor, QSize(menuWidth, UIBaseData::scaled(30.0f)), PopupBase::widgetScreen(ui->btn_opt));
    if (menu)
        connect(menu, &CMenu::doClose, this, &MainWindow::onBtn_opt_Close);
    else
        onBtn_opt_Close();
}

void MainWindow::onBtn_opt_Close()
{
    ui->optLine->hide();
    ui->bg_opt->hide();
}

void MainWindow::initLangMenuAction(MenuAction* menu)
{
    for (const Language& l : kLanguages)
        addLangAction(menu, QString::fromLatin1(l.code), QString::fromUtf8(l.name), 20);
    menu->showSubMenuArrow();
}

MenuAction* MainWindow::addLangAction(MenuAction* menu, QString shortName, QString longName, int margin)
{
    auto* row = new MenuAction(longName, margin, true);
    row->setProperty("base_language", shortName);
    connect(row, &MenuAction::doClicked, this, &MainWindow::onLanguageFix);
    menu->addSubAction(row);
    if (setting("base/language") == shortName)
        row->setCurrentMark(QStringLiteral(":/res/diandian.png"));
    return row;
}

void MainWindow::onLanguageFix()
{
    QObject* row = sender();
    if (!row)
        return;
    const QString code = row->property("base_language").toString();
    if (code == setting("base/language"))
        return;
    const int answer = MsgDialog::showMsg(
        tr("Changing Language"),
        tr("Program will restart after changing language, If you are sure to change, please click \"Continue\" button."),
        QString(), tr("Continue"), tr("Cancel"), QString(), UIBaseData::instance()->mainPopup(), tr("Warning"), 1);
    if (answer != MsgDialog::Button0)
        return;
    SettingsStore::instance()->setValue(QStringLiteral("base/language"), code);
    UIBaseData::restartApplication();
}

void MainWindow::onShowSetting()
{
    onBtn_opt_Close();
    {
        SettingDialog dialog(this);
        dialog.exec(true);
    }
    emit doSettingChanged();
}

void MainWindow::onShowUpdate()
{
    onBtn_opt_Close();
    CUxUpdate::checkUpdate(this, true);
}

void MainWindow::onShowAbout()
{
    onBtn_opt_Close();
    AboutDialog dialog(this);
    dialog.exec(true);
}

void MainWindow::onShowHelp()
{
    onBtn_opt_Close();
    const bool sibling = setting("base/site").toLower() == QLatin1String(kSiblingEdition);
    const QString address = sibling ? tr("%1/help.html").arg(ServiceHosts::pelodvdEditionSite())
                                    : tr("%1/help.html").arg(ServiceHosts::defaultEditionSite());
    QDesktopServices::openUrl(QUrl(appendLinkParams(address, QStringLiteral("help"))));
}

void MainWindow::onShowAds()
{
    AdsDialog dialog(this);
    dialog.exec(true);
}

void MainWindow::promotion()
{
    if (!NetVersionMgr::instance()->isDataValid() || g_promotionDone)
        return;
    g_promotionDone = true;
    if (setting("base/site").toLower() != QLatin1String(kSiblingEdition))
        promotion_qorvdvd();
    // Written after the decision, which compares with the previous run's day.
    const QString today = QDateTime::currentDateTime().toString(QLatin1String(kDateFormat));
    qDebug() << today;
    SettingsStore::instance()->setValue(QStringLiteral("base/AdCheckDate"), today);
}

void MainWindow::promotion_qorvdvd()
{
    NetVersionMgr* mgr = NetVersionMgr::instance();
    const VersionInfo version = mgr->getVersionInfo();
    const AdsInfo ads = mgr->getAdsInfo();
    const int chance = setting("base/lowChanceShowingAd") == QLatin1String("true") ? ads.nextRate : ads.rate;

    // A stored day in any other form counts as another day.
    const QString format = QLatin1String(kDateFormat);
    const QDate stored = QDate::fromString(setting("base/AdCheckDate"), format);
    bool dayCheck = true;
    if (!stored.toString(format).isEmpty()) {
        const QDate today = QDate::fromString(QDateTime::currentDateTime().toString(format), format);
        dayCheck = today != stored;
    }
    const bool newer = compareWithProgramVersion(version.version) > 0;
    qDebug() << "\033[32m";
    qDebug() << "dayCheck" << dayCheck;
    qDebug() << "need upgrade" << newer;
    qDebug() << "\033[37m";

    if (compareWithProgramVersion(version.forced) > 0 || newer) {
        CUxUpdate::checkUpdate(this, false);
        return;
    }
    if (!dayCheck)
        return;
    // A chance of 0 still shows the window in one case of 101.
    if (RandomDraw::bounded(0, 100) > chance)
        return;
    const int delaySeconds = 20 + RandomDraw::bounded(0, 10);
    DelayedCall::after(delaySeconds * 1000, this, [this] { onShowAds(); });
}
