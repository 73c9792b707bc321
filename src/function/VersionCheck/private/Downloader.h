#pragma once

#include <QAtomicInt>
#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QUrl>

class QEventLoop;

// One HTTP(S) transfer at a time on a thread of its own, for the update
// check. The object lives on the caller's thread; doFinished arrives there
// once per accepted download, with the body (empty on failure).
class Downloader : public QThread
{
    Q_OBJECT
public:
    explicit Downloader(QObject* parent = nullptr);
    ~Downloader() override;

    // False while a transfer runs. An offline computer or an address that is
    // not http(s) gives doFinished with empty bytes at once.
    bool download(const QUrl& url, const QString& tag);
    QString tag() const { return m_tag; }

    // Ends the running transfer's wait; it finishes with what has arrived.
    void stopTransfer();

    // Time one transfer (with its redirections) may take.
    void setTimeout(int ms) { m_timer.setInterval(ms); }
    int timeout() const { return m_timer.interval(); }

    static constexpr int kDefaultTimeoutMs = 30000;
    static constexpr int kMaxRedirects = 10;
    // The version file and the descriptions are a few kilobytes; a reply
    // beyond this is refused rather than held in memory.
    static constexpr qint64 kMaxBodyBytes = 8 * 1024 * 1024;

signals:
    void doFinished(QByteArray data);

public slots:
    void onFinished();

protected:
    void run() override;

private:
    QUrl m_url;
    QByteArray m_data;
    QString m_tag;
    QTimer m_timer;
    bool m_busy = false;
    QMutex m_loopMutex;          // guards m_loop and m_stop between the threads
    QEventLoop* m_loop = nullptr;
    bool m_stop = false;
};
