#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for network tests. It serves folders
// of files (with Range and HEAD support, so media downloaders can use it)
// and scripted routes (status, headers, body, delays, stalls, throttling),
// and it records every request it receives.
//
// Typical use:
//     LocalHttpServer srv;
//     QVERIFY(srv.start());                       // or srv.start(true) for its own thread
//     srv.serveFolder("/media", dir.path());      // GET /media/a.mp4 -> <dir>/a.mp4
//     LocalHttpServer::Route r;
//     r.status = 302; r.headers.append({"Location", "/media/a.mp4"});
//     srv.addRoute("/old", r);
//     QUrl u = srv.url("/old");
//     ...
//     QCOMPARE(srv.requestCount("/media/a.mp4"), 1);
//
// All methods are thread-safe. Routes and folders may be changed while the
// server runs; a change applies to the next request.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QThread;
class LocalHttpServerCore;

class LocalHttpServer : public QObject
{
    Q_OBJECT
public:
    using Header = QPair<QByteArray, QByteArray>;

    // One request as it arrived.
    struct Request
    {
        QByteArray method;          // "GET", "HEAD", ...
        QByteArray target;          // raw request target, e.g. "/a/b?x=1"
        QString path;               // decoded path without the query, e.g. "/a/b"
        QUrl url;                   // full address (server base + target)
        QList<Header> headers;      // as received, names in their original case
        QByteArray body;
        QDateTime received;
        int connectionId = 0;       // same value for requests on one kept-alive connection

        // Case-insensitive header lookup; empty when absent.
        QByteArray header(const QByteArray& name) const;
        QString query(const QString& key) const;  // query item value, decoded
    };

    // A scripted answer.
    struct Route
    {
        int status = 200;
        QByteArray reason;          // empty: the usual phrase for the status
        QList<Header> headers;      // extra headers (Location, Content-Type, ...)
        QByteArray body;
        // Instead of body: this many filler bytes ('x'), generated while
        // sending, so big bodies cost no memory. -1: use body.
        qint64 generatedBodySize = -1;
        // Content-Length is sent unless this is false; without it the body
        // ends when the server closes the connection.
        bool sendContentLength = true;
        // Answer "Range: bytes=..." requests with 206/416 over the body.
        bool acceptRanges = false;

        int delayMs = 0;            // wait before sending anything
        bool stallBeforeHead = false;   // accept the request, never answer
        qint64 stallAfterBytes = -1;    // send the head and this many body bytes, then hang
        qint64 cutAfterBytes = -1;      // send the head and this many body bytes, then drop the connection
        qint64 bytesPerSecond = 0;      // throttle the body (0: as fast as possible)
        bool closeWithoutReply = false; // drop the connection at once
        bool closeAfterReply = false;   // "Connection: close" and close after the body
    };

    // Called on the server's thread for a request that matches its path;
    // returns the answer to send.
    using Handler = std::function<Route(const Request&)>;

    explicit LocalHttpServer(QObject* parent = nullptr);
    ~LocalHttpServer() override;

    // Listens on 127.0.0.1 with a random port. With ownThread the sockets
    // live on a thread of their own, so a test may block its own thread
    // (e.g. QProcess::waitForFinished) while the server answers.
    bool start(bool ownThread = false);
    // Like start, but speaks HTTPS with the given PEM certificate and key
    // (baseUrl() then gives "https://127.0.0.1:<port>").
    bool startTls(const QByteArray& certificatePem, const QByteArray& privateKeyPem, bool ownThread = false);
    // Makes a self-signed certificate for 127.0.0.1 (with the address as
    // subject alternative name) with the openssl program. False when that
    // program is missing.
    static bool makeSelfSignedCertificate(const QString& folder, QByteArray* certificatePem,
                                          QByteArray* privateKeyPem);
    void stop();
    bool isRunning() const;

    quint16 port() const;
    QUrl baseUrl() const;                  // "http://127.0.0.1:<port>" (https after startTls)
    QUrl url(const QString& pathAndQuery) const;  // base + "/x?y"

    // GET/HEAD <urlPrefix>/<relative> serves <folder>/<relative>. Paths
    // that leave the folder answer 404. Content-Type comes from the
    // extension; Range requests answer 206 (single range) or 416.
    void serveFolder(const QString& urlPrefix, const QString& folder);

    // Exact path match (without the query). An empty method matches any
    // method. A later route for the same path and method replaces the
    // earlier one.
    void addRoute(const QString& path, const Route& route, const QByteArray& method = QByteArray());
    void addHandler(const QString& path, Handler handler, const QByteArray& method = QByteArray());
    // Convenience: status with a Location header.
    void addRedirect(const QString& path, const QString& location, int status = 302);
    // Convenience: 200 with the body and content type.
    void addFile(const QString& path, const QByteArray& body, const QByteArray& contentType = "application/octet-stream");
    void removeRoute(const QString& path);
    void clearRoutes();                    // routes and folders

    // Recorded requests, oldest first.
    QList<Request> requests() const;
    int requestCount(const QString& path = QString()) const;  // empty: all paths
    Request lastRequest(const QString& path = QString()) const;
    void clearRequests();
    // Connections currently open (clients that have not closed theirs).
    int openConnections() const;
    // Body bytes handed to the sockets so far, over all connections; a
    // client that stops reading holds this back, as the socket fills.
    qint64 bodyBytesSent() const;

signals:
    // Emitted (queued onto this object's thread) for each request received.
    void requestReceived(const QString& method, const QString& path);

public:
    struct Shared;   // internal state shared with the socket thread

private:
    std::shared_ptr<Shared> d;
    LocalHttpServerCore* m_core = nullptr;
    QThread* m_thread = nullptr;
};
