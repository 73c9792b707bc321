#include "function/Youtube/private/Upgrade/HttpDownload.h"

#include "platform/Online.h"

#include <QDebug>
#include <QEventLoop>
#include <QHostAddress>
#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

// How often the fetch looks at the stop request.
constexpr int kStopPollMs = 50;
constexpr int kMaxRedirects = 10;

// A finished 3xx answer that names where to go.
bool isRedirect(const QNetworkReply* reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 300 && status < 400 && reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid();
}

} // namespace

HttpDownload::HttpDownload(QObject* parent) : FencedThread(parent)
{
}

HttpDownload::~HttpDownload()
{
    stop();
    wait();
}

bool HttpDownload::isAllowedUrl(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return false;
    const QString host = url.host().toLower();
    if (host == QLatin1String("localhost"))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

bool HttpDownload::getUrl(const QString& address, QByteArray& out)
{
    if (!Online::isOnline()) {
        qWarning() << "ytb upgrade error: check network online failed!";
        return false;
    }
    if (isRunning()) {
        qWarning() << "a fetch is already running";
        return false;
    }
    const QUrl address_ = QUrl::fromUserInput(address.trimmed());
    if (!isAllowedUrl(address_)) {
        qWarning() << "refusing to fetch an address that is neither https nor local:" << address;
        return false;
    }
    url = address_;
    target = &out;
    success = false;
    startAndWait();
    target = nullptr;
    return success;
}

void HttpDownload::stop()
{
    if (isRunning())
        qInfo() << "http donwload interrupting cmd";
    stopRequested = true;
}

void HttpDownload::run()
{
    const RunFence fence(this);
    qDebug() << "Thread Test: HttpDownload start";
    bool ok = false;
    QByteArray body;
    if (!stopRequested) {
        QNetworkAccessManager manager;
        // Redirects are followed here, one fresh reply per hop: when Qt
        // follows them itself, the final reply may still carry the headers
        // (and length) of a redirect answer.
        QUrl current = url;
        for (int hop = 0;; ++hop) {
            QNetworkRequest request(current);
            request.setHeader(QNetworkRequest::UserAgentHeader,
                              QByteArray("Mozilla/5.0 (Windows NT 6.1; WOW64; rv:53.0) Gecko/20100101 Firefox/53.0"));
            // The body is kept as sent, so its length can be checked against
            // the announced one.
            request.setRawHeader("Accept-Encoding", "identity");
            request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
            // A transfer that moves nothing for this long fails; every byte
            // received starts the period again.
            request.setTransferTimeout(m_stallTimeoutMs);

            QNetworkReply* reply = manager.get(request);
            // Reported from this thread; listeners on other threads get it queued.
            connect(reply, &QNetworkReply::downloadProgress, reply, [this, reply](qint64 received, qint64 total) {
                if (!isRedirect(reply))
                    emit doProgress(received, total);
            });

            QEventLoop local;
            QTimer poll;
            poll.setInterval(kStopPollMs);
            connect(&poll, &QTimer::timeout, reply, [this, reply] {
                if (stopRequested && !reply->isFinished())
                    reply->abort();
            });
            connect(reply, &QNetworkReply::finished, &local, &QEventLoop::quit);
            poll.start();
            if (!reply->isFinished())
                local.exec();
            poll.stop();

            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (reply->error() == QNetworkReply::NoError && isRedirect(reply) && !stopRequested) {
                const QUrl to = current.resolved(reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
                delete reply;
                if (hop >= kMaxRedirects) {
                    qWarning() << "too many redirects, the last to" << to.toString();
                    break;
                }
                if (!isAllowedUrl(to)) {
                    qWarning() << "refusing a redirect to" << to.toString();
                    break;
                }
                current = to;
                continue;
            }

            if (reply->isOpen())
                body = reply->readAll();
            const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
            const bool whole = !announced.isValid() || announced.toLongLong() == body.size();
            ok = reply->isFinished() && reply->error() == QNetworkReply::NoError && status == 200 && whole
                 && !stopRequested;

            if (!ok) {
                const QMetaEnum errors = QMetaEnum::fromType<QNetworkReply::NetworkError>();
                qWarning() << "ytb upgrade reply error: " << errors.valueToKey(reply->error()) << reply->errorString();
                qWarning() << QStringLiteral("HTTP ERROR (%1: %2)")
                                  .arg(status)
                                  .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
                if (!whole)
                    qWarning() << "body ended after" << body.size() << "of" << announced.toLongLong() << "bytes";
            }
            delete reply;
            break;
        }
        if (!ok)
            body.clear();
    }
    if (stopRequested)
        qInfo() << "user stop download";
    if (ok && target)
        *target = body;
    success = ok;
    stopRequested = false;
    qDebug() << "Thread Test: HttpDownload end";
}
