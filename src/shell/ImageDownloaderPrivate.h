#pragma once

#include <QHash>
#include <QImage>
#include <QNetworkProxy>
#include <QStringList>
#include <QThread>

#include <mutex>

class ImageDownloader;
class QEventLoop;
class SettingsStore;

// The worker of ImageDownloader. Its queue, priority address and cache are
// shared with callers on other threads and guarded by one mutex.
class ImageDownloaderPrivate : public QThread
{
    Q_OBJECT
public:
    ImageDownloaderPrivate(ImageDownloader* q, SettingsStore* settings);
    ~ImageDownloaderPrivate() override;

    void addUrl(const QString& url);
    QImage getImage(const QString& url);
    void stop();

    // The proxy the settings ask for (NoProxy-typed DefaultProxy when none).
    static QNetworkProxy proxyFromSettings(SettingsStore* settings);

    static constexpr int kTimeoutMs = 20000;
    // Thumbnails and promotion pictures are small; anything bigger is refused.
    static constexpr qint64 kMaxBodyBytes = 16 * 1024 * 1024;
    static constexpr qint64 kMaxPixels = 25 * 1000 * 1000;
    static constexpr int kMaxRedirects = 10;

signals:
    void doImgDownloadFinished(QString url, QImage img);

protected:
    void run() override;

private:
    void downloadImage(const QString& url);
    void ensureRunning();
    SettingsStore* settings() const;

    ImageDownloader* q;
    SettingsStore* m_settings;
    QHash<QString, QImage> m_cache;
    QStringList m_queue;
    QString m_priorityUrl;
    std::mutex m_mutex;              // guards the members above and the two below
    bool m_stopRequested = false;
    bool m_workerActive = false; // decided under m_mutex, so no request is left behind
    QEventLoop* m_loop = nullptr;
    std::mutex m_startMutex;         // serialises waiting for and starting the thread
};
