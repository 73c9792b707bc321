#pragma once

// Points every seam through which the program reaches outside itself at
// recorders for the life of the guard, and restores them: the file manager,
// the mail program (answering mailAnswer), web and mail links
// (QDesktopServices), detached starts, quitting,
// power-off, desktop composition (off) and the online state (online).
// and the launcher-entry progress (taskbar), the application state (active
// unless a test sets applicationState) and window alerts (counted).

#include "platform/FileManager.h"
#include "platform/TaskbarProgress.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>

class PlatformGuard : public QObject
{
    Q_OBJECT
public:
    PlatformGuard();
    ~PlatformGuard() override;

    QList<FileManager::Request> fileManager;
    QList<QUrl> mails;
    // What the mail program is made to answer.
    bool mailAnswer = true;
    QList<QUrl> links;
    QList<QPair<QString, QStringList>> started;
    int quits = 0;
    int powerOffs = 0;
    QList<TaskbarProgress::Update> taskbar;
    Qt::ApplicationState applicationState = Qt::ApplicationActive;
    int alerts = 0;

    void clear()
    {
        fileManager.clear();
        mails.clear();
        links.clear();
        started.clear();
        taskbar.clear();
        quits = powerOffs = alerts = 0;
    }
    int total() const { return fileManager.size() + mails.size() + links.size() + started.size() + quits + powerOffs; }

public slots:
    void openUrl(const QUrl& url);
};
