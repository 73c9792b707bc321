#pragma once

#include "gui/PopupBase.h"

#include <QMap>
#include <QPoint>
#include <QString>
#include <QTimer>

class DownloaderForm;

class MenuAction;

namespace Ui {
class MainWindow;
}

// The program's one top-level window: a frameless popup on its own shadow
// window (when the desktop composes) with a 24 px title bar (options,
// minimise, close, title) and a page stack holding the download page.
// It starts the program-version check, flashes the taskbar entry when an
// analysis ends in the background, and runs the promotion step once both
// its own start and the version answer have come. GUI thread only.
class MainWindow : public PopupBase
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow* form() const { return ui; }
    DownloaderForm* downloaderForm() const { return m_pDownloaderForm; }
    QTimer* alertTimer() { return &m_alertTimer; }
    // Set by the first of the window's start and the version answer.
    bool isHalfReady() const { return m_readyLatch; }

signals:
    void doSettingChanged();
    void doMoved(QPoint rect);

public slots:
    void onShowAlert();
    void onBack();
    void on_btn_close_clicked();
    void on_btn_minimum_clicked();
    void onShowSetting();
    void createForms();
    void onInit();
    void onNetVersionChecked(bool isDataValied);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void onReadinessEvent();
    // The program-version check, once: after the window's first paint (its
    // transfer thread and the TLS library it loads would otherwise compete
    // with the window's own start), or from onInit when the window is not
    // shown, or a second after onInit at the latest.
    void askVersion();

    Ui::MainWindow* ui;
    DownloaderForm* m_pDownloaderForm = nullptr;
    QMap<QString, QString> m_styles;
    int m_pageMode = 0;
    bool m_readyLatch = false;
    bool m_versionAsked = false;
    QTimer m_alertTimer;

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
    void onShowUpdate();
    void onShowAbout();
    void onShowHelp();
    void onShowAds();
    void onLanguageFix();
    void initLangMenuAction(MenuAction* menu);
    MenuAction* addLangAction(MenuAction* menu, QString shortName, QString longName, int margin);
};
