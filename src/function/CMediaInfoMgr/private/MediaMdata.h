#pragma once

#include <QEventLoop>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>

// The tags of one media file. Copies take the texts and flags; each copy has
// its own mutex.
struct MediaMetadata
{
    QString title;
    QString performer;
    QString album;
    QString genre;
    QString description;
    QString lyrics;
    bool flag1 = false;
    bool flag2 = false;
    bool flag3 = false;
    QMutex mutex;
    bool flag4 = false;

    MediaMetadata() = default;
    MediaMetadata(const MediaMetadata& other);
    MediaMetadata& operator=(const MediaMetadata& other);
};
Q_DECLARE_METATYPE(MediaMetadata)

struct MediaInfoEntry
{
    QString key;
    QString value;
    QList<MediaInfoEntry> children;
};

struct MediaInfoSection
{
    QString name;
    QList<MediaInfoEntry> entries;
};

using MediaInfoReport = QList<MediaInfoSection>;

// Reads the tags of media files on its own thread, one at a time, through
// the MediaInfo library, caching each file's report by its path (as given)
// for the worker's life.
//
// Callers live on the thread that owns the worker (the GUI thread): they
// queue paths with open(), or wait for one file with openAndWait(). The
// mutex guards the queue, the current path, the notify flag, the running
// flag and the cache; library calls and signals happen without it.
// doMetaDataFinished is emitted on the worker's thread.
class MediaMdata : public QThread
{
    Q_OBJECT
public:
    explicit MediaMdata(QObject* parent = nullptr);
    ~MediaMdata() override;

    // Queues a file; starts the worker when it is not reading.
    void open(const QString& path);
    // Reads one file ahead of the queue and returns when its report is in
    // the cache (at once when it is already), or when the worker stops.
    // Runs an event loop meanwhile. Returns whether the report is cached.
    bool openAndWait(const QString& path);
    // Ends the reading after the current file; releases a waiting caller.
    void stop();
    bool cachedReport(const QString& path, MediaInfoReport* report) const;

    static MediaInfoReport readReport(const QString& path);
    // The report of a text as MediaInfo writes it, with "Complete name"
    // lines carrying `path`.
    static MediaInfoReport parseReport(const QString& text, const QString& path);
    static QString reportValue(const MediaInfoReport& report, const QString& section, const QString& key);
    static MediaMetadata makeMetadata(const QString& path, const MediaInfoReport& report, int videoIndex);

signals:
    void doCurInfoFinished();
    void doMetaDataFinished(QString file, MediaMetadata metadata);

protected:
    void run() override;

private:
    void startLocked();

    QMap<QString, MediaInfoReport> m_cache;
    QStringList m_queue;
    mutable QMutex m_mutex;
    bool m_stop = false;
    bool m_notify = false;
    bool m_running = false;
    QString m_current;
    QEventLoop m_loop;
};
