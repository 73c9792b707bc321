#pragma once

#include "data_structure/DownloadItem/DownloadItem.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

// The download jobs that are on the download page and not finished, and
// their file "downloading.json" in the engine folder. The file is written
// whole and atomically on every change of the list and, at most once a
// second, when a listed job's temp folder, progress or start flag changes,
// so that the unfinished downloads and their partial data survive a crash
// or a restart. The jobs belong to the download page's rows.
class DownloadingStore : public QObject
{
    Q_OBJECT
public:
    explicit DownloadingStore(QObject* parent = nullptr);
    // Writes a change that is still waiting.
    ~DownloadingStore() override;

    // Lists the jobs that are not yet listed and are not live recordings.
    void add(const QList<DownloadItem*>& list);
    // Unlists the jobs; each will remove its temp folder when destroyed.
    void remove(const QList<DownloadItem*>& list);
    void clear();
    // Writes the list once and forgets the jobs, leaving them listed in the
    // file and their temp folders in place (the owners are about to go).
    void release();
    // The jobs of the file as fresh copies; only the first call reads.
    QList<DownloadItem> read();

    const QList<DownloadItem*>& items() const { return m_items; }
    // "<engine folder>/downloading.json".
    static QString filePath();

    // The document of a list of jobs, and a job rebuilt from one entry.
    static QByteArray document(const QList<DownloadItem*>& items);
    static void jobFromJson(const QJsonObject& object, DownloadItem& job);
    // Writes items to filePath() whole; false when it could not.
    static bool write(const QList<DownloadItem*>& items);

    // The delay of a write that follows a job's progress.
    static constexpr int kProgressWriteDelayMs = 1000;

private:
    void watch(DownloadItem* job);
    void unwatch(DownloadItem* job);
    void writeNow();
    void scheduleWrite();

    QList<DownloadItem*> m_items;
    bool m_firstRead = true;
    QTimer m_writeTimer;
};
