#pragma once

#include "gui/PopupBase.h"

#include <QMap>
#include <QPoint>
#include <QString>
#include <QTimer>

class DownloaderForm;

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
    void promotion();

    Ui::MainWindow* ui;
    DownloaderForm* m_pDownloaderForm = nullptr;
    QMap<QString, QString> m_styles;
    int m_pageMode = 0;
    bool m_readyLatch = false;
    QTimer m_alertTimer;
};
