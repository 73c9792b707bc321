#pragma once

#include "gui/PopupBase.h"

#include <QMap>
#include <QString>

namespace Ui {
class YtbUpgradeDialog;
}

// Updates the downloader engine's pack with a progress bar and Cancel (the
// engine page), or tells the user that the program itself needs an update
// first (the program page). exec() answers -1 when the engine refused or
// failed the update, else 0.
//
// GUI thread. The engine's progress and end arrive from its upgrade thread
// as queued signals while Youtube::startUpgrade waits in a local event loop
// inside this dialog's modal run.
class YtbUpgradeDialog : public PopupBase
{
    Q_OBJECT
public:
    YtbUpgradeDialog(bool programUpgrade, QWidget* parent);
    ~YtbUpgradeDialog() override;

    int exec() override;

    Ui::YtbUpgradeDialog* form() const { return ui; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_btn_cancel_clicked();
    void onProgress(qlonglong cur, qlonglong total);
    void onFinished();
    void startUpgrade();
    void on_btn_continue_clicked();
    void on_btn_upgrade_clicked();

private:
    Ui::YtbUpgradeDialog* ui;
    QMap<QString, QString> m_textTemplates;
    QMap<QString, QString> m_styleTemplates;
    int m_result = 0;
};
