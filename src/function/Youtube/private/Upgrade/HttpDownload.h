#pragma once

#include "function/Youtube/private/FencedThread.h"

#include <QByteArray>
#include <QString>
#include <QThread>
#include <QUrl>
#include <atomic>

// One HTTP GET on a thread of its own; the caller waits in a local event
// loop, so a graphical caller stays responsive. Only https addresses (and
// plain http to this computer) are fetched, redirects included.
class HttpDownload : public FencedThread
{
    Q_OBJECT
public:
    // A transfer that moves no byte for this long fails.
    static constexpr int kStallTimeoutMs = 20000;

    explicit HttpDownload(QObject* parent = nullptr);
    ~HttpDownload() override;

    // Fetches address into out (replacing it). True only for a finished
    // 200 answer without error whose body arrived whole. Blocks the caller.
    bool getUrl(const QString& address, QByteArray& out);
    // Asks the running fetch to end; it then fails. Any thread.
    void stop();

    void setStallTimeout(int ms) { m_stallTimeoutMs = ms; }
    int stallTimeout() const { return m_stallTimeoutMs; }

    // https, or http to a loopback address.
    static bool isAllowedUrl(const QUrl& url);

signals:
    void doProgress(qlonglong cur, qlonglong total);

protected:
    void run() override;

private:
    std::atomic<bool> stopRequested{false};
    QUrl url;
    bool success = true;
    QByteArray* target = nullptr;
    int m_stallTimeoutMs = kStallTimeoutMs;
};
