#pragma once

// What the download page's tests share: rows made from scripted tasks, the
// titles "downloading.json" holds, and the debug lines the page writes.

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Downloader/DownloadingStore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QStringList>
#include <QtGlobal>

namespace PageTestEnv {

inline DownloadItem task(const QString& title, const QString& path)
{
    DownloadItem t;
    t.title = title;
    t.url = QStringLiteral("http://fake.example") + path;
    DownloadMedia m;
    m.formatID = QStringLiteral("18");
    m.srcExt = QStringLiteral("mp4");
    m.tarExt = QStringLiteral("mp4");
    m.format = QStringLiteral("mp4");
    t.medias.append(m);
    t.setChosenMediaIndex(0);
    return t;
}

// The titles of the unfinished downloads the store holds, in its order.
inline QStringList storedTitles()
{
    QFile f(DownloadingStore::filePath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList titles;
    const QJsonArray a = QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("Downloadings")).toArray();
    for (const QJsonValue& v : a)
        titles << v.toObject().value(QStringLiteral("title")).toString();
    return titles;
}

// Debug lines, kept while a Capture lives.
class Capture
{
public:
    Capture() { s_lines.clear(); s_previous = qInstallMessageHandler(&Capture::handler); }
    ~Capture() { qInstallMessageHandler(s_previous); }
    QStringList lines() const
    {
        QMutexLocker l(&s_mutex);
        return s_lines;
    }

private:
    static void handler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
    {
        {
            QMutexLocker l(&s_mutex);
            s_lines.append(msg);
        }
        if (s_previous && type != QtDebugMsg)
            s_previous(type, ctx, msg);
    }
    static inline QtMessageHandler s_previous = nullptr;
    static inline QStringList s_lines;
    static inline QMutex s_mutex;
};

} // namespace PageTestEnv
