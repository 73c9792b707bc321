#include "DialogAnswerer.h"
#include "LocalHttpServer.h"
#include "PlatformGuard.h"

#include "ui_MainWindow.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CMenu.h"
#include "gui/main/MainWindow.h"
#include "shell/ProgramVersion.h"
#include "shell/SettingsStore.h"

#include <QDate>
#include <QPushButton>
#include <QtTest>

// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.
static constexpr int kWaitMs = 20000;

namespace {

SettingsStore* settings()
{
    return SettingsStore::instance();
}

QString today(int daysAgo = 0)
{
    return QDate::currentDate().addDays(-daysAgo).toString(QStringLiteral("yyyy MM dd"));
}

}

class TstMainWindowMenus : public QObject
{
    Q_OBJECT
    LocalHttpServer m_server;
    MainWindow* m_window = nullptr;

    Ui::MainWindow* ui() const { return m_window->form(); }
    // The pointer rests on the button, as a user's does.
    void pressOptions()
    {
        QPushButton* b = ui()->btn_opt;
        QCursor::setPos(b->mapToGlobal(b->rect().center()));
        QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
    }

    // The row of the open menu with this text (sub rows included).
    static MenuAction* row(const QString& text)
    {
        CMenu* menu = CMenu::instance();
        if (!menu)
            return nullptr;
        for (MenuAction* r : menu->findChildren<MenuAction*>())
            if (r->text() == text)
                return r;
        for (MenuAction* r : menu->findChildren<MenuAction*>())
            for (MenuAction* sub : r->subActions())
                if (sub->text() == text)
                    return sub;
        return nullptr;
    }
    void closeMenu()
    {
        if (CMenu::instance())
            pressOptions();
        QTRY_VERIFY_WITH_TIMEOUT(!CMenu::instance(), kWaitMs);
    }

    // The version service answers with these versions and promotion odds.
    void serve(const QString& version, const QString& forced, int rate, int nextRate)
    {
        m_server.clearRoutes();
        LocalHttpServer::Route v;
        v.body = QJsonDocument(QJsonObject{{"version", version}, {"forced", forced}, {"en", m_server.url("/en.json").toString()}})
                     .toJson();
        m_server.addRoute("/version.json", v);
        QJsonObject root;
        root["upgrade"] = QJsonObject{{"version", QJsonObject{{"old", QJsonArray{"o"}}, {"new", QJsonArray{"n"}}}},
                                      {"description", QJsonObject{{"old", QJsonArray{"d"}}, {"new", QJsonArray{"e"}}}},
                                      {"upgradelog", QJsonArray{"l"}},
                                      {"upgradeurl", "https://up.example/normal"},
                                      {"forcedurl", "https://up.example/forced"}};
        root["ads"] = QJsonObject{{"title", "Try it"}, {"rate", rate}, {"next_rate", nextRate}};
        m_server.addFile("/en.json", QJsonDocument(root).toJson());
    }
    // A fresh version manager; checked: with a finished check of the served data.
    void manager(bool checked)
    {
        NetVersionMgr::Environment env;
        env.versionFileUrl = m_server.url("/version.json");
        NetVersionMgr::setInstanceEnvironmentForTesting(env);
        if (!checked)
            return;
        QSignalSpy spy(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked);
        NetVersionMgr::instance()->checkVersion(true);
        QVERIFY(spy.wait(kWaitMs));
        QVERIFY(spy.at(0).at(0).toBool());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start(true));
        ProgramVersion::overrideCurrentForTesting(QStringLiteral("8.3.0.0"));
        settings()->setValue("base/language", "en");
        m_window = new MainWindow(nullptr);
        m_window->show();
    }
    void cleanupTestCase() { delete m_window; }
    void init()
    {
        settings()->setValue("base/language", "en");
        settings()->setValue("base/site", "");
    }
    void cleanup()
    {
        closeMenu();
        // A forced update window ends the loop with -1; Qt starts loops
        // again only after the application's own loop ran once more.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    void optionsMenuHasItsRows()
    {
        settings()->setValue("base/language", "de");
        pressOptions();
        QVERIFY(CMenu::instance());
        QVERIFY(!ui()->bg_opt->isHidden());
        QVERIFY(!ui()->optLine->isHidden());
        for (const char* text : {"Settings", "Language", "Check Update", "About", "Help"})
            QVERIFY2(row(QLatin1String(text)), text);
        MenuAction* language = row(QStringLiteral("Language"));
        const QStringList names = {QStringLiteral("English"), QStringLiteral("Français"), QStringLiteral("Español"),
                                   QStringLiteral("Deutsch"), QStringLiteral("日本語"), QStringLiteral("中文(简体)"),
                                   QStringLiteral("中文(繁體)")};
        const QStringList codes = {"en", "fr", "es", "de", "ja", "zh-hans", "zh-hant"};
        QCOMPARE(language->subActions().size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            MenuAction* sub = language->subActions().at(i);
            QCOMPARE(sub->text(), names.at(i));
            QCOMPARE(sub->property("base_language").toString(), codes.at(i));
            QCOMPARE(sub->isMarked(), codes.at(i) == QLatin1String("de"));
        }
        QVERIFY(language->subMenuLabel() && !language->subMenuLabel()->isHidden());
    }

    void secondPressClosesMenuAndTile()
    {
        pressOptions();
        QPointer<CMenu> menu = CMenu::instance();
        QVERIFY(menu);
        pressOptions();
        QTRY_VERIFY_WITH_TIMEOUT(!CMenu::instance(), kWaitMs);
        QVERIFY(ui()->bg_opt->isHidden());
        QVERIFY(ui()->optLine->isHidden());
        // And a third opens it again.
        pressOptions();
        QVERIFY(CMenu::instance());
        QVERIFY(!ui()->bg_opt->isHidden());
    }

    void languageChange_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("answer");      // empty: no question expected
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("continue") << "fr" << "btn_0" << "fr" << true;
        QTest::newRow("cancel") << "ja" << "btn_1" << "en" << false;
        QTest::newRow("closed box") << "es" << "btn_close" << "en" << false;
        QTest::newRow("current language") << "en" << "" << "en" << false;
    }
    void languageChange()
    {
        QFETCH(QString, code);
        QFETCH(QString, answer);
        QFETCH(QString, stored);
        QFETCH(bool, restarted);
        PlatformGuard guard;
        pressOptions();
        MenuAction* language = row(QStringLiteral("Language"));
        QVERIFY(language);
        MenuAction* choice = nullptr;
        for (MenuAction* sub : language->subActions())
            if (sub->property("base_language").toString() == code)
                choice = sub;
        QVERIFY(choice);
        DialogAnswerer answerer;
        if (!answer.isEmpty())
            answerer.press("MsgDialog", answer);
        emit choice->doClicked();
        QVERIFY(answerer.allAnswered());
        if (!answer.isEmpty())
            QVERIFY(answerer.seen.first().texts.contains(QStringLiteral("Changing Language")));
        QCOMPARE(settings()->value("base/language"), stored);
        QCOMPARE(guard.started.size(), restarted ? 1 : 0);
        QCOMPARE(guard.quits, restarted ? 1 : 0);
        if (restarted) {
            QCOMPARE(guard.started.first().first, QCoreApplication::applicationFilePath());
            QCOMPARE(guard.started.first().second, (QStringList{"normal", "restart"}));
        }
    }

    void helpOpensTheEditionsPage_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("page");
        QTest::newRow("product") << "" << "https://www.qorvdvd.com/help.html?ttsoft=";
        QTest::newRow("sibling in any case") << "PeloDVD" << "https://www.pelodvd.com/help.html?ttsoft=";
    }
    void helpOpensTheEditionsPage()
    {
        QFETCH(QString, site);
        QFETCH(QString, page);
        settings()->setValue("base/site", site);
        PlatformGuard guard;
        pressOptions();
        emit row(QStringLiteral("Help"))->doClicked();
        QCOMPARE(guard.links.size(), 1);
        QVERIFY2(guard.links.first().toString().startsWith(page), qPrintable(guard.links.first().toString()));
        QVERIFY(guard.links.first().toString().contains(QStringLiteral("-help-")));
        QVERIFY(ui()->bg_opt->isHidden());
    }

    void aboutAndSettingsWindows()
    {
        DialogAnswerer answerer;
        answerer.press("AboutDialog", QStringLiteral("btn_close"));
        m_window->onShowAbout();
        QVERIFY(answerer.allAnswered());
        QSignalSpy changed(m_window, &MainWindow::doSettingChanged);
        answerer.press("SettingDialog", QStringLiteral("btn_close"));
        m_window->onShowSetting();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(changed.count(), 1);
    }

    // The once-a-run decision between the update window, the promotion
    // window and nothing.
    void promotion_data()
    {
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("stored");     // base/AdCheckDate before
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("forced");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("nextRate");
        QTest::addColumn<QString>("lowChance");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<bool>("update");        // the update window shows
        QTest::addColumn<int>("delayMs");        // the promotion scheduled, -1: not
        const QString older = QStringLiteral("8.0");
        const QString newer = QStringLiteral("9.1");
        QTest::newRow("invalid data") << false << "" << "" << older << older << 100 << 100 << "" << QList<int>{} << false << -1;
        QTest::newRow("first run, certain") << true << "" << "" << older << older << 100 << 100 << "" << QList<int>{100, 0} << false << 20000;
        QTest::newRow("another day, latest delay") << true << "" << today(1) << older << older << 100 << 100 << "" << QList<int>{0, 10} << false << 30000;
        QTest::newRow("stored in another form") << true << "" << "11 03" << older << older << 100 << 100 << "" << QList<int>{0, 4} << false << 24000;
        QTest::newRow("same day") << true << "" << today() << older << older << 100 << 100 << "" << QList<int>{0, 0} << false << -1;
        QTest::newRow("same day, newer version") << true << "" << today() << newer << older << 100 << 100 << "" << QList<int>{} << true << -1;
        QTest::newRow("newer forced only") << true << "" << "" << older << newer << 100 << 100 << "" << QList<int>{} << true << -1;
        QTest::newRow("draw above the chance") << true << "" << "" << older << older << 30 << 100 << "" << QList<int>{31, 0} << false << -1;
        QTest::newRow("draw at the chance") << true << "" << "" << older << older << 30 << 100 << "" << QList<int>{30, 0} << false << 20000;
        QTest::newRow("chance 0, draw 0") << true << "" << "" << older << older << 0 << 100 << "" << QList<int>{0, 0} << false << 20000;
        QTest::newRow("low chance") << true << "" << "" << older << older << 100 << 10 << "true" << QList<int>{11, 0} << false << -1;
        QTest::newRow("sibling edition") << true << "pelodvd" << "" << newer << newer << 100 << 100 << "" << QList<int>{0, 0} << false << -1;
    }
    void promotion()
    {
        QFETCH(bool, valid);
        QFETCH(QString, site);
        QFETCH(QString, stored);
        QFETCH(QString, version);
        QFETCH(QString, forced);
        QFETCH(int, rate);
        QFETCH(int, nextRate);
        QFETCH(QString, lowChance);
        QFETCH(QList<int>, draws);
        QFETCH(bool, update);
        QFETCH(int, delayMs);
        settings()->setValue("base/site", site);
        settings()->setValue("base/AdCheckDate", stored);
        settings()->setValue("base/lowChanceShowingAd", lowChance);
        serve(version, forced, rate, nextRate);
        manager(valid);
        MainWindow::setPromotionDone(false);
        PlatformGuard guard;
        guard.draws = draws;
        DialogAnswerer answerer;
        if (update)
            answerer.press("CUxUpdate", QStringLiteral("btnclose"));
        m_window->promotion();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(MainWindow::isPromotionDone(), valid);
        QCOMPARE(settings()->value("base/AdCheckDate"), valid ? today() : stored);
        QCOMPARE(guard.delayed.size(), delayMs < 0 ? 0 : 1);
        if (delayMs >= 0) {
            QCOMPARE(guard.delayed.first().ms, delayMs);
            QCOMPARE(guard.drawRanges, (QList<QPair<int, int>>{{0, 100}, {0, 10}}));
            // The timer shows the promotion window.
            answerer.press("AdsDialog", QStringLiteral("btnclose"));
            QCOMPARE(guard.runDelayed(), 1);
            QVERIFY(answerer.allAnswered());
        }
        // Once a run.
        guard.draws = draws;
        m_window->promotion();
        QCOMPARE(guard.delayed.size(), 0);
    }
};

QTEST_MAIN(TstMainWindowMenus)
#include "tst_mainwindowmenus.moc"
