#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// One HTTP GET or POST at a time over a fresh QNetworkAccessManager, the body
// handed over by signal, with a time-out. TLS verification stays on. Lives on
// one thread (the one that calls get/post); its handlers run on that thread's
// event loop.
class CHttpClient : public QObject
{
    Q_OBJECT
public:
    explicit CHttpClient(QObject* parent = nullptr);
    ~CHttpClient() override;

    // False while a request is pending or for an address that is not http(s).
    // With wantTotalCount, a reply carrying "X-Pagination-Total-Count" ends
    // in readyReadCount instead of readyRead.
    bool get(const QUrl& url, bool wantTotalCount = false);
    bool post(const QUrl& url, const QByteArray& body, const QByteArray& contentType);

    void setTimeoutMs(int ms);      // 30 s unless set
    int timeoutMs() const { return m_timeoutMs; }
    bool isPending() const { return getPending || postPending; }

signals:
    void readyRead(QString body);
    void httpFinished(CHttpClient* client);
    void readyReadCount(QString body, int nTotalCount);
    void sendErrors(int nStateCode, QString errorString, CHttpClient* client);

public slots:
    void getFinished(QNetworkReply* r);
    void postFinished(QNetworkReply* r);
    void timeOut();

private:
    bool startRequest(const QUrl& url, bool isPost, const QByteArray& body, const QByteArray& contentType);
    void resetTimeOutTimer();
    QString readReply(QNetworkReply* r);
    void releaseManager();

    bool getPending = false;
    bool postPending = false;
    bool wantTotalCount = false;
    QTimer* timeoutTimer = nullptr;
    QNetworkAccessManager* manager = nullptr;
    // Guarded: the reply goes with its manager.
    QPointer<QNetworkReply> reply;
    int m_timeoutMs = 30000;
};
