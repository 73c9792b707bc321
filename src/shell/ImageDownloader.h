#pragma once

#include <QImage>
#include <QObject>
#include <QString>

class ImageDownloaderPrivate;
class SettingsStore;

// The process-wide thumbnail fetcher. Addresses are downloaded one at a time
// on a worker thread, scaled to thumbnail size and kept in a memory cache;
// every finished picture is announced by doImgDownloadFinished, queued to the
// receivers' threads. Callable from any thread.
class ImageDownloader : public QObject
{
    Q_OBJECT
public:
    static ImageDownloader* instance();

    // A separate downloader (tests); settings null means the process store.
    explicit ImageDownloader(SettingsStore* settings = nullptr, QObject* parent = nullptr);
    ~ImageDownloader() override;

    // Queues the address.
    void download(const QString& url);
    // The cached picture, or a null image after queueing the address ahead
    // of the others.
    QImage getImage(const QString& url);

    // Aborts the running transfer and waits for the worker to end; later
    // calls of download or getImage start it again.
    void shutdown();

    // Box that pictures are scaled into.
    static constexpr int kThumbWidth = 336;
    static constexpr int kThumbHeight = 252;

signals:
    // url is the address exactly as it was queued.
    void doImgDownloadFinished(QString url, QImage img);

private:
    ImageDownloaderPrivate* d;
};
