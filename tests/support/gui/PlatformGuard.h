#pragma once

// Points every seam through which the program reaches outside itself at
// recorders for the life of the guard, and restores them: the file manager,
// web and mail links (QDesktopServices), detached starts, quitting,
// power-off, desktop composition (off) and the online state (online).
// The taskbar progress gets its seam with the main window; add it here then.

#include "platform/FileManager.h"

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
    QList<QUrl> links;
    QList<QPair<QString, QStringList>> started;
    int quits = 0;
    int powerOffs = 0;

    int total() const { return fileManager.size() + links.size() + started.size() + quits + powerOffs; }

public slots:
    void openUrl(const QUrl& url);
};
