#include "function/HttpUtilitis/CHttpClient.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

CHttpClient::CHttpClient(QObject* parent)
    : QObject(parent)
{
}

CHttpClient::~CHttpClient()
{
    resetTimeOutTimer();
    delete manager;
}

void CHttpClient::setTimeoutMs(int ms)
{
    m_timeoutMs = qMax(1, ms);
}

bool CHttpClient::get(const QUrl& url, bool wantCount)
{
    if (!startRequest(url, false, QByteArray(), QByteArray()))
        return false;
    wantTotalCount = wantCount;
    return true;
}

bool CHttpClient::post(const QUrl& url, const QByteArray& body, const QByteArray& contentType)
{
    return startRequest(url, true, body, contentType);
}

bool CHttpClient::startRequest(const QUrl& url, bool isPost, const QByteArray& body, const QByteArray& contentType)
{
    const QString scheme = url.scheme().toLower();
    if (isPending() || !url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;

    manager = new QNetworkAccessManager(this);
    connect(manager, &QNetworkAccessManager::finished, this,
            isPost ? &CHttpClient::postFinished : &CHttpClient::getFinished);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    if (isPost) {
        if (!contentType.isEmpty())
            request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
        reply = manager->post(request, body);
        postPending = true;
    } else {
        reply = manager->get(request);
        getPending = true;
    }
    timeoutTimer = new QTimer(this);
    timeoutTimer->setSingleShot(true);
    connect(timeoutTimer, &QTimer::timeout, this, &CHttpClient::timeOut);
    timeoutTimer->start(m_timeoutMs);
    return true;
}

void CHttpClient::resetTimeOutTimer()
{
    if (!timeoutTimer) {
        qDebug() << "CHttpClient:reset time out timer failed";
        return;
    }
    timeoutTimer->disconnect();
    timeoutTimer->stop();
    delete timeoutTimer;
    timeoutTimer = nullptr;
}

void CHttpClient::releaseManager()
{
    if (!manager)
        return;
    disconnect(manager, &QNetworkAccessManager::finished, nullptr, nullptr);
    manager->deleteLater();
    manager = nullptr;
    reply = nullptr;
}

QString CHttpClient::readReply(QNetworkReply* r)
{
    QString result;
    // The finished reply decides, not whatever `reply` points at by now.
    const int status = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 200 || status == 201) {
        const QByteArray body = r->readAll();
        result = QString::fromUtf8(body.constData(), int(qstrnlen(body.constData(), uint(body.size()))));
    } else {
        const QString reason = r->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        emit sendErrors(status, QStringLiteral("HTTP ERROR (%1: %2)").arg(status).arg(reason), this);
    }
    releaseManager();
    return result;
}

void CHttpClient::getFinished(QNetworkReply* r)
{
    resetTimeOutTimer();
    if (wantTotalCount && r->hasRawHeader("X-Pagination-Total-Count")) {
        const int count = r->rawHeader("X-Pagination-Total-Count").trimmed().toInt();
        qDebug() << "hangshu-->" << count;
        const QString body = readReply(r);
        getPending = false;
        emit readyReadCount(body, count);
    } else {
        const QString body = readReply(r);
        getPending = false;
        emit readyRead(body);
    }
}

void CHttpClient::postFinished(QNetworkReply* r)
{
    qDebug() << "post finished!";
    resetTimeOutTimer();
    const QString body = readReply(r);
    postPending = false;
    emit readyRead(body);
}

void CHttpClient::timeOut()
{
    qWarning() << "CHttpClient:post/get timeout";
    resetTimeOutTimer();
    releaseManager();
    // Cleared so the next request is not refused for ever; the late reply
    // went with its manager and is never handled.
    getPending = false;
    postPending = false;
    emit readyRead(QString());
}
