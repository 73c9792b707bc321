#pragma once

#include "gui/PopupBase.h"

#include <QMap>
#include <QString>

namespace Ui {
class ErrorDialog;
}

// Tells the user that the program failed and offers the report files (the
// copy of the release log, the crash dump and an error archive), one row
// each, shown only when the file exists.
class ErrorDialog : public PopupBase
{
    Q_OBJECT
public:
    ErrorDialog(QWidget* parent, bool isMainWindow);
    ~ErrorDialog() override;

    // Prepares the rows and runs the window centred and modal.
    int exec() override;
    // Prepares the rows and shows the window centred, not modal.
    void show();

    Ui::ErrorDialog* form() const { return ui; }
    // The support mailbox of the edition named by base/site.
    static QString supportAddress();

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_btn_close_clicked();
    void on_btn_doen_clicked();
    void on_btn_copyLogPath_clicked();
    void on_btn_copyLog_clicked();
    void on_btn_copyDumpPath_clicked();
    void on_btn_copyDump_clicked();
    void on_btn_copyZipPath_clicked();
    void on_btn_copyZip_clicked();

private:
    void initTipText();
    void prepare();
    void copyPath(const char* key);
    void copyFile(const char* key);

    Ui::ErrorDialog* ui;
    QMap<QString, QString> m_templates;
    QString m_message;
};
