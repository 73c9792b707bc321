#pragma once

#include "gui/PopupBase.h"

#include <QMap>
#include <QPoint>
#include <QString>

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
};
