#include "function/VersionCheck/private/Downloader.h"

#include "platform/Online.h"

#include <QDebug>
#include <QEventLoop>
#include <QMetaEnum>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

namespace {

const char kUserAgent[] = "Mozilla/5.0 (Windows NT 6.1; WOW64; rv:53.0) Gecko/20100101 Firefox/53.0";

bool isWebAddress(const QUrl& u)
{
    const QString s = u.scheme().toLower();
    return u.isValid() && !u.host().isEmpty() && (s == QLatin1String("http") || s == QLatin1String("https"));
}

} // namespace

Downloader::Downloader(QObject* parent)
    : QThread(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDefaultTimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &Downloader::stopTransfer);
    connect(this, &QThread::finished, this, &Downloader::onFinished, Qt::QueuedConnection);
}

Downloader::~Downloader()
{
    stopTransfer();
    wait();
}

bool Downloader::download(const QUrl& url, const QString& tag)
{
    m_tag = tag;
    if (m_busy || isRunning())
        return false;
    if (!Online::isOnline()) {
        qWarning() << "Computer is offline.";
        emit doFinished(QByteArray());
        return true;
    }
    if (!isWebAddress(url)) {
        qWarning() << m_tag << "refusing address" << url.toString();
        emit doFinished(QByteArray());
        return true;
    }
    m_url = url;
    m_data.clear();
    {
        QMutexLocker lock(&m_loopMutex);
        m_stop = false;
    }
    m_busy = true;
    m_timer.start();
    start(QThread::InheritPriority);
    return true;
}

void Downloader::stopTransfer()
{
    QMutexLocker lock(&m_loopMutex);
    m_stop = true;
    if (m_loop)
        QMetaObject::invokeMethod(m_loop, "quit", Qt::QueuedConnection);
}

void Downloader::onFinished()
{
    m_timer.stop();
    m_busy = false;
    emit doFinished(m_data);
}

void Downloader::run()
{
    QNetworkAccessManager nam;
    QByteArray body;
    int redirects = 0;
    while (!m_url.isEmpty()) {
        QNetworkRequest request(m_url);
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setProtocol(QSsl::SecureProtocols);
        request.setSslConfiguration(ssl);
        request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(kUserAgent));
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);

        QNetworkReply* reply = nam.get(request);
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        bool tooLarge = false;
        connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
            if (!tooLarge && qMax(received, total) > kMaxBodyBytes) {
                tooLarge = true;
                reply->abort();
            }
        });
        bool stopped;
        {
            QMutexLocker lock(&m_loopMutex);
            stopped = m_stop;
            if (!stopped)
                m_loop = &loop;
        }
        if (!stopped && !reply->isFinished())
            loop.exec();
        {
            QMutexLocker lock(&m_loopMutex);
            m_loop = nullptr;
        }
        const bool finished = reply->isFinished();

        if (tooLarge) {
            qWarning().noquote() << m_tag + QStringLiteral(" download err: reply larger than")
                                 << kMaxBodyBytes << "bytes";
            body.clear();
        } else if (reply->error() != QNetworkReply::NoError) {
            qWarning().noquote() << m_tag + QStringLiteral(" download err:")
                                 << QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(reply->error())
                                 << reply->errorString();
            body.clear();
        } else {
            // A stopped transfer ends with what has arrived.
            body = reply->readAll();
        }

        QUrl next;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QByteArray location = reply->rawHeader("Location");
        if (finished && !tooLarge && status >= 300 && status <= 399 && !location.isEmpty()) {
            const QUrl target = m_url.resolved(QUrl::fromEncoded(location.trimmed()));
            if (!isWebAddress(target))
                qWarning() << m_tag << "refusing redirection to" << target.toString();
            else if (++redirects > kMaxRedirects)
                qWarning() << m_tag << "too many redirections";
            else
                next = target;
        }
        if (!finished)
            reply->abort();
        delete reply;
        m_url = next;
    }
    m_data = body;
}
