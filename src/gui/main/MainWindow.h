#pragma once

#include "gui/PopupBase.h"

#include <QMap>
#include <QPoint>
#include <QString>

class MenuAction;

namespace Ui {
class MainWindow;
}

// The program's one top-level window: a frameless popup on its own shadow
// window with a 24 px title bar (options, minimise, close, title) and a page
// stack that will hold the download page.
class MainWindow : public PopupBase
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow* form() const { return ui; }

signals:
    void doSettingChanged();
    void doMoved(QPoint rect);

private slots:
    void onBack();
    void on_btn_close_clicked();
    void on_btn_minimum_clicked();
    void createForms();

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Ui::MainWindow* ui;
    QMap<QString, QString> m_styles;
    int m_pageMode = 0;

    // Options and language menus, the windows behind them, the update
    // prompt and the promotion timing (MainWindowMenus.cpp).
public:
    // Once a run, with valid version data: the update window, or by chance
    // on the first run of a day the promotion window 20 to 30 s later.
    void promotion();
    void promotion_qorvdvd();
    // The process-wide flag that lets promotion decide once a run.
    static bool isPromotionDone();
    static void setPromotionDone(bool done);

public slots:
    void on_btn_opt_pressed();
    void onBtn_opt_Close();
    void onShowSetting();
    void onShowUpdate();
    void onShowAbout();
    void onShowHelp();
    void onShowAds();
    void onLanguageFix();
    void initLangMenuAction(MenuAction* menu);
    MenuAction* addLangAction(MenuAction* menu, QString shortName, QString longName, int margin);
};
