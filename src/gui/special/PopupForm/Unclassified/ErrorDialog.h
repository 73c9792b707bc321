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

    // Opens the support mail naming the report files that exist; true when
    // a mail client took the link.
    bool mailToUxSupport();
    // Opens the settings folder with the report files selected.
    void openReportFolder();

    Ui::ErrorDialog* form() const { return ui; }
    // The support mailbox of the edition named by base/site.
    static QString supportAddress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_btn_close_clicked();
    void on_btn_doen_clicked();
    void on_btn_mailbox_clicked();
    void on_btn_copyLogPath_clicked();
    void on_btn_copyLog_clicked();
    void on_btn_copyDumpPath_clicked();
    void on_btn_copyDump_clicked();
    void on_btn_copyZipPath_clicked();
    void on_btn_copyZip_clicked();
    void on_tip_linkActivated(const QString& link);

private:
    void initTipText();
    void prepare();
    void copyPath(const char* key);
    void copyFile(const char* key);

    Ui::ErrorDialog* ui;
    QMap<QString, QString> m_templates;
    QString m_message;
};

// Shows the report window modally, then ends the program's event loop with
// -1. The message is not shown (the caller logs it). Callable from any
// thread: from another one the window is queued to the GUI thread and the
// call returns at once.
void showFatalErrorAndExit(const QString& message);
