#pragma once

// Keeps a test away from the desktop: while a guard lives, mail links, the
// file manager and web links (http, https, file) go to recorders instead of
// real programs. Build one per test case (or one for the whole test object);
// the answers given back to the program are chosen by the test.
//
// GUI thread only. Header-only, so any test can use it without linking the
// platform layer twice.

#include "platform/FileManager.h"
#include "platform/MailClient.h"

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class PlatformGuard : public QObject
{
    Q_OBJECT
public:
    PlatformGuard()
    {
        MailClient::setHandlerForTesting([this](const QUrl& u) {
            mails << u;
            return mailAnswer;
        });
        FileManager::setHandlerForTesting([this](const FileManager::Request& r) {
            folders << r;
            return true;
        });
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
    }
    ~PlatformGuard() override
    {
        MailClient::setHandlerForTesting(nullptr);
        FileManager::setHandlerForTesting(nullptr);
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    void clear()
    {
        mails.clear();
        folders.clear();
        links.clear();
    }

    // What the mail client is made to answer.
    bool mailAnswer = true;
    QList<QUrl> mails;
    QList<FileManager::Request> folders;
    QList<QUrl> links;

public slots:
    void openUrl(const QUrl& url) { links << url; }
};
