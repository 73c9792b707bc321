#include "LocalHttpServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QMimeDatabase>
#include <QPointer>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUrlQuery>
#include <condition_variable>
#include <mutex>

namespace {

const qint64 kWriteHighWater = 256 * 1024;
const qint64 kChunk = 64 * 1024;

QByteArray reasonFor(int status)
{
    switch (status) {
    case 200: return "OK";
    case 201: return "Created";
    case 204: return "No Content";
    case 206: return "Partial Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 304: return "Not Modified";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 416: return "Range Not Satisfiable";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

bool hasHeader(const QList<LocalHttpServer::Header>& headers, const QByteArray& name)
{
    for (const auto& h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Parses a single "bytes=a-b" range against a body of the given size.
// Returns 0 when there is no usable Range header (serve everything),
// 1 for a satisfiable range, -1 for an unsatisfiable one.
int parseRange(const QByteArray& value, qint64 size, qint64* from, qint64* to)
{
    QByteArray v = value.trimmed();
    if (!v.startsWith("bytes="))
        return 0;
    v = v.mid(6).trimmed();
    if (v.contains(','))
        return 0;   // several ranges: answering with the whole body is allowed
    const int dash = v.indexOf('-');
    if (dash < 0)
        return 0;
    const QByteArray a = v.left(dash).trimmed();
    const QByteArray b = v.mid(dash + 1).trimmed();
    bool okA = true, okB = true;
    if (a.isEmpty()) {
        const qint64 suffix = b.toLongLong(&okB);
        if (!okB || suffix <= 0)
            return -1;
        *from = qMax<qint64>(0, size - suffix);
        *to = size - 1;
    } else {
        *from = a.toLongLong(&okA);
        *to = b.isEmpty() ? qMax<qint64>(size - 1, *from) : b.toLongLong(&okB);
        if (!okA || !okB || *from < 0 || *to < *from)
            return 0;
        if (*from >= size)
            return -1;
        *to = qMin(*to, size - 1);
    }
    if (size == 0)
        return -1;
    return 1;
}

} // namespace

QByteArray LocalHttpServer::Request::header(const QByteArray& name) const
{
    for (const auto& h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return QByteArray();
}

QString LocalHttpServer::Request::query(const QString& key) const
{
    return QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded);
}

struct LocalHttpServer::Shared
{
    struct Entry
    {
        QString path;
        QByteArray method;
        Route route;
        Handler handler;
    };
    mutable std::mutex mutex;
    QList<Entry> routes;
    QList<QPair<QString, QString>> folders;   // url prefix, folder
    QList<Request> requests;
    quint16 port = 0;
    bool tls = false;
    QSslCertificate certificate;
    QSslKey privateKey;
    int openConnections = 0;
    int nextConnectionId = 1;
    qint64 bodyBytesSent = 0;
    // Set by the server's own thread once it has tried to listen.
    bool answered = false;
    std::condition_variable listenAnswered;
};

// ---------------------------------------------------------------------------

class LocalHttpServerConnection : public QObject
{
public:
    LocalHttpServerConnection(QTcpSocket* socket, LocalHttpServer* owner,
                              std::shared_ptr<LocalHttpServer::Shared> shared)
        : QObject(socket), m_socket(socket), m_owner(owner), m_shared(std::move(shared))
    {
        {
            std::unique_lock lock(m_shared->mutex);
            m_id = m_shared->nextConnectionId++;
            ++m_shared->openConnections;
        }
        connect(socket, &QTcpSocket::readyRead, this, &LocalHttpServerConnection::onReadyRead);
        connect(socket, &QTcpSocket::bytesWritten, this, [this] { pump(); });
        connect(socket, &QTcpSocket::disconnected, this, [this] { finish(); });
        m_throttle.setInterval(20);
        connect(&m_throttle, &QTimer::timeout, this, [this] { pump(); });
        m_delay.setSingleShot(true);
        connect(&m_delay, &QTimer::timeout, this, [this] { sendHead(); });
    }

    ~LocalHttpServerConnection() override
    {
        if (!m_finished) {
            std::unique_lock lock(m_shared->mutex);
            --m_shared->openConnections;
        }
    }

private:
    enum class State { Reading, Waiting, Sending, Stalled, Done };

    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        m_state = State::Done;
        m_throttle.stop();
        m_delay.stop();
        {
            std::unique_lock lock(m_shared->mutex);
            --m_shared->openConnections;
        }
        m_socket->deleteLater();
    }

    void onReadyRead()
    {
        m_buffer += m_socket->readAll();
        processBuffer();
    }

    void processBuffer()
    {
        if (m_state != State::Reading)
            return;
        const int headEnd = m_buffer.indexOf("\r\n\r\n");
        if (headEnd < 0) {
            if (m_buffer.size() > 1024 * 1024)
                m_socket->abort();
            return;
        }
        const QList<QByteArray> lines = m_buffer.left(headEnd).split('\n');
        LocalHttpServer::Request req;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        if (first.size() < 2) {
            m_socket->abort();
            return;
        }
        req.method = first.at(0).toUpper();
        req.target = first.at(1);
        m_http10 = first.value(2).trimmed() == "HTTP/1.0";
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const int colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            req.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
        }
        const qint64 contentLength = req.header("Content-Length").toLongLong();
        if (m_buffer.size() < headEnd + 4 + contentLength)
            return;   // wait for the rest of the body
        req.body = m_buffer.mid(headEnd + 4, int(contentLength));
        m_buffer.remove(0, headEnd + 4 + int(contentLength));

        QUrl base;
        {
            std::unique_lock lock(m_shared->mutex);
            base = QUrl(QStringLiteral("%1://127.0.0.1:%2")
                            .arg(m_shared->tls ? QStringLiteral("https") : QStringLiteral("http"))
                            .arg(m_shared->port));
        }
        req.url = base.resolved(QUrl::fromEncoded(req.target));
        req.path = req.url.path(QUrl::FullyDecoded);
        if (req.path.isEmpty())
            req.path = QStringLiteral("/");
        req.received = QDateTime::currentDateTime();
        req.connectionId = m_id;
        const QByteArray connection = req.header("Connection").toLower();
        m_clientWantsClose = connection.contains("close") || (m_http10 && !connection.contains("keep-alive"));

        {
            std::unique_lock lock(m_shared->mutex);
            m_shared->requests.append(req);
        }
        if (m_owner) {
            QPointer<LocalHttpServer> owner = m_owner;
            const QString method = QString::fromLatin1(req.method);
            const QString path = req.path;
            QMetaObject::invokeMethod(m_owner, [owner, method, path] {
                if (owner)
                    emit owner->requestReceived(method, path);
            }, Qt::QueuedConnection);
        }
        answer(req);
    }

    void answer(const LocalHttpServer::Request& req)
    {
        m_isHead = req.method == "HEAD";
        m_file.reset();
        m_route = LocalHttpServer::Route();

        enum class Match { None, Route, Folder };
        Match match = Match::None;
        LocalHttpServer::Handler handler;
        QString folderPath;
        {
            std::unique_lock lock(m_shared->mutex);
            for (int i = m_shared->routes.size() - 1; i >= 0; --i) {
                const auto& e = m_shared->routes.at(i);
                if (e.path == req.path && (e.method.isEmpty() || e.method == req.method)) {
                    match = Match::Route;
                    if (e.handler)
                        handler = e.handler;
                    else
                        m_route = e.route;
                    break;
                }
            }
            if (match == Match::None) {
                for (const auto& f : qAsConst(m_shared->folders)) {
                    QString prefix = f.first;
                    if (!prefix.endsWith('/'))
                        prefix += '/';
                    if (!req.path.startsWith(prefix))
                        continue;
                    match = Match::Folder;
                    const QString root = QDir(f.second).absolutePath();
                    const QString full = QDir::cleanPath(root + '/' + req.path.mid(prefix.size()));
                    if (full.startsWith(root + '/'))
                        folderPath = full;
                    break;
                }
            }
        }
        m_fileSize = -1;
        if (handler) {
            m_route = handler(req);
        } else if (match == Match::Folder && !folderPath.isEmpty()) {
            prepareFile(folderPath);
        } else if (match != Match::Route) {
            m_route.status = 404;
            m_route.body = "not found";
        }

        if (m_route.closeWithoutReply) {
            m_state = State::Done;
            m_socket->abort();
            return;
        }
        m_range = req.header("Range");
        m_state = State::Waiting;
        if (m_route.stallBeforeHead)
            return;
        if (m_route.delayMs > 0)
            m_delay.start(m_route.delayMs);
        else
            sendHead();
    }

    void prepareFile(const QString& path)
    {
        QFileInfo fi(path);
        auto file = std::make_unique<QFile>(path);
        if (!fi.isFile() || !file->open(QIODevice::ReadOnly)) {
            m_route.status = 404;
            m_route.body = "not found";
            return;
        }
        static QMimeDatabase db;
        const QString mime = db.mimeTypeForFile(fi, QMimeDatabase::MatchExtension).name();
        m_route.headers.append(LocalHttpServer::Header("Content-Type", mime.toLatin1()));
        m_route.headers.append(LocalHttpServer::Header("Last-Modified", fi.lastModified().toUTC().toString(QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'")).toLatin1()));
        m_route.acceptRanges = true;
        m_fileSize = fi.size();
        m_file = std::move(file);
    }

    void sendHead()
    {
        if (m_state != State::Waiting)
            return;
        const qint64 fullSize = m_file ? m_fileSize
                                       : (m_route.generatedBodySize >= 0 ? m_route.generatedBodySize
                                                                         : m_route.body.size());
        int status = m_route.status;
        m_bodyFrom = 0;
        m_bodyTo = fullSize;   // exclusive
        QList<LocalHttpServer::Header> headers = m_route.headers;
        if (m_route.acceptRanges && status == 200) {
            headers.append(LocalHttpServer::Header("Accept-Ranges", "bytes"));
            qint64 a = 0, b = 0;
            const int r = m_range.isEmpty() ? 0 : parseRange(m_range, fullSize, &a, &b);
            if (r == 1) {
                status = 206;
                m_bodyFrom = a;
                m_bodyTo = b + 1;
                headers.append(LocalHttpServer::Header("Content-Range", QByteArray("bytes ") + QByteArray::number(a) + '-'
                                                    + QByteArray::number(b) + '/' + QByteArray::number(fullSize)));
            } else if (r == -1) {
                status = 416;
                m_bodyFrom = m_bodyTo = 0;
                m_file.reset();
                m_route.generatedBodySize = -1;
                m_route.body.clear();
                headers.append(LocalHttpServer::Header("Content-Range", QByteArray("bytes */") + QByteArray::number(fullSize)));
            }
        }
        const bool noBodyStatus = status == 204 || status == 304 || (status >= 100 && status < 200);
        const bool closeAfter = m_route.closeAfterReply || m_clientWantsClose
                                || (!m_route.sendContentLength && !noBodyStatus && !m_isHead);
        QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' '
                          + (m_route.reason.isEmpty() ? reasonFor(status) : m_route.reason) + "\r\n";
        for (const auto& h : qAsConst(headers))
            head += h.first + ": " + h.second + "\r\n";
        if (!hasHeader(headers, "Content-Type") && !noBodyStatus)
            head += "Content-Type: application/octet-stream\r\n";
        if (m_route.sendContentLength && !noBodyStatus && !hasHeader(headers, "Content-Length"))
            head += "Content-Length: " + QByteArray::number(m_bodyTo - m_bodyFrom) + "\r\n";
        head += closeAfter ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
        head += "\r\n";
        m_socket->write(head);
        m_closeAfter = closeAfter;
        m_sent = 0;
        if (m_isHead || noBodyStatus)
            m_bodyTo = m_bodyFrom;
        if (m_file && m_bodyFrom > 0)
            m_file->seek(m_bodyFrom);
        m_state = State::Sending;
        m_clock.start();
        if (m_route.bytesPerSecond > 0)
            m_throttle.start();
        pump();
    }

    void pump()
    {
        if (m_state != State::Sending)
            return;
        const qint64 total = m_bodyTo - m_bodyFrom;
        while (m_sent < total && m_socket->bytesToWrite() < kWriteHighWater) {
            qint64 n = qMin(kChunk, total - m_sent);
            if (m_route.stallAfterBytes >= 0)
                n = qMin(n, m_route.stallAfterBytes - m_sent);
            if (m_route.cutAfterBytes >= 0)
                n = qMin(n, m_route.cutAfterBytes - m_sent);
            if (m_route.bytesPerSecond > 0) {
                const qint64 allowed = m_route.bytesPerSecond * qMax<qint64>(m_clock.elapsed(), 1) / 1000;
                n = qMin(n, qMax<qint64>(0, allowed - m_sent));
            }
            if (n <= 0)
                break;
            QByteArray chunk;
            if (m_file) {
                chunk = m_file->read(n);
                if (chunk.isEmpty()) {
                    m_socket->abort();
                    return;
                }
            } else if (m_route.generatedBodySize >= 0) {
                chunk = QByteArray(int(n), 'x');
            } else {
                chunk = m_route.body.mid(int(m_bodyFrom + m_sent), int(n));
            }
            m_socket->write(chunk);
            m_sent += chunk.size();
            std::unique_lock lock(m_shared->mutex);
            m_shared->bodyBytesSent += chunk.size();
        }
        if (m_route.stallAfterBytes >= 0 && m_sent >= m_route.stallAfterBytes && m_sent < total) {
            m_state = State::Stalled;
            m_throttle.stop();
            return;
        }
        if (m_route.cutAfterBytes >= 0 && m_sent >= m_route.cutAfterBytes && m_sent < total) {
            // What was written still goes out; then the peer sees the close.
            m_state = State::Done;
            m_throttle.stop();
            m_file.reset();
            m_socket->disconnectFromHost();
            return;
        }
        if (m_sent >= total) {
            m_throttle.stop();
            m_file.reset();
            if (m_closeAfter) {
                m_state = State::Done;
                m_socket->disconnectFromHost();
                return;
            }
            m_state = State::Reading;
            m_fileSize = -1;
            if (!m_buffer.isEmpty())
                QTimer::singleShot(0, this, [this] { processBuffer(); });
        }
    }

    QTcpSocket* m_socket;
    QPointer<LocalHttpServer> m_owner;
    std::shared_ptr<LocalHttpServer::Shared> m_shared;
    int m_id = 0;
    QByteArray m_buffer;
    State m_state = State::Reading;
    bool m_finished = false;
    bool m_http10 = false;
    bool m_clientWantsClose = false;
    bool m_closeAfter = false;
    bool m_isHead = false;
    LocalHttpServer::Route m_route;
    std::unique_ptr<QFile> m_file;
    qint64 m_fileSize = -1;
    QByteArray m_range;
    qint64 m_bodyFrom = 0;
    qint64 m_bodyTo = 0;
    qint64 m_sent = 0;
    QTimer m_throttle;
    QTimer m_delay;
    QElapsedTimer m_clock;
};

// ---------------------------------------------------------------------------

class LocalHttpServerCore : public QTcpServer
{
    Q_OBJECT
public:
    LocalHttpServerCore(LocalHttpServer* owner, std::shared_ptr<LocalHttpServer::Shared> shared)
        : m_owner(owner), m_shared(std::move(shared))
    {
    }

    Q_INVOKABLE bool startListening()
    {
        const bool ok = listen(QHostAddress::LocalHost, 0);
        std::unique_lock lock(m_shared->mutex);
        if (ok)
            m_shared->port = serverPort();
        m_shared->answered = true;
        m_shared->listenAnswered.notify_all();
        return ok;
    }

    Q_INVOKABLE void shutDown()
    {
        close();
        const auto sockets = findChildren<QTcpSocket*>(QString(), Qt::FindDirectChildrenOnly);
        for (QTcpSocket* s : sockets) {
            s->abort();
            delete s;
        }
    }

protected:
    void incomingConnection(qintptr handle) override
    {
        bool tls;
        QSslCertificate cert;
        QSslKey key;
        {
            std::unique_lock lock(m_shared->mutex);
            tls = m_shared->tls;
            cert = m_shared->certificate;
            key = m_shared->privateKey;
        }
        QTcpSocket* socket = tls ? new QSslSocket(this) : new QTcpSocket(this);
        if (!socket->setSocketDescriptor(handle)) {
            delete socket;
            return;
        }
        new LocalHttpServerConnection(socket, m_owner, m_shared);
        if (tls) {
            auto* ssl = static_cast<QSslSocket*>(socket);
            ssl->setLocalCertificate(cert);
            ssl->setPrivateKey(key);
            ssl->setPeerVerifyMode(QSslSocket::VerifyNone);
            // A client that refuses the certificate just drops the connection.
            connect(ssl, QOverload<const QList<QSslError>&>::of(&QSslSocket::sslErrors), ssl,
                    [ssl] { ssl->abort(); });
            ssl->startServerEncryption();
        }
    }

private:
    LocalHttpServer* m_owner;
    std::shared_ptr<LocalHttpServer::Shared> m_shared;
};

// ---------------------------------------------------------------------------

LocalHttpServer::LocalHttpServer(QObject* parent)
    : QObject(parent), d(std::make_shared<Shared>())
{
}

LocalHttpServer::~LocalHttpServer()
{
    stop();
}

bool LocalHttpServer::start(bool ownThread)
{
    if (m_core)
        return true;
    m_core = new LocalHttpServerCore(this, d);
    bool ok = false;
    {
        std::lock_guard lock(d->mutex);
        d->answered = false;
    }
    if (ownThread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("LocalHttpServer"));
        m_core->moveToThread(m_thread);
        m_thread->start();
        // The answer comes through the shared state, under its lock, rather
        // than as the return value of a blocking call: that hands it over
        // (and the call's arguments, on this thread's stack) through a Qt
        // semaphore, which a thread checker cannot see.
        QMetaObject::invokeMethod(m_core, "startListening", Qt::QueuedConnection);
        std::unique_lock lock(d->mutex);
        d->listenAnswered.wait(lock, [this] { return d->answered; });
        ok = d->port != 0;
    } else {
        ok = m_core->startListening();
    }
    if (!ok)
        stop();
    return ok;
}

void LocalHttpServer::stop()
{
    if (!m_core)
        return;
    if (m_thread) {
        QMetaObject::invokeMethod(m_core, "shutDown", Qt::BlockingQueuedConnection);
        QMetaObject::invokeMethod(m_core, [core = m_core] { delete core; }, Qt::BlockingQueuedConnection);
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    } else {
        m_core->shutDown();
        delete m_core;
    }
    m_core = nullptr;
    std::unique_lock lock(d->mutex);
    d->port = 0;
}

bool LocalHttpServer::isRunning() const
{
    return m_core != nullptr;
}

quint16 LocalHttpServer::port() const
{
    std::unique_lock lock(d->mutex);
    return d->port;
}

QUrl LocalHttpServer::baseUrl() const
{
    std::unique_lock lock(d->mutex);
    return QUrl(QStringLiteral("%1://127.0.0.1:%2").arg(d->tls ? QStringLiteral("https") : QStringLiteral("http")).arg(d->port));
}

bool LocalHttpServer::startTls(const QByteArray& certificatePem, const QByteArray& privateKeyPem, bool ownThread)
{
    const QSslCertificate cert(certificatePem, QSsl::Pem);
    const QSslKey key(privateKeyPem, QSsl::Rsa, QSsl::Pem);
    if (cert.isNull() || key.isNull() || !QSslSocket::supportsSsl())
        return false;
    {
        std::unique_lock lock(d->mutex);
        d->tls = true;
        d->certificate = cert;
        d->privateKey = key;
    }
    return start(ownThread);
}

bool LocalHttpServer::makeSelfSignedCertificate(const QString& folder, QByteArray* certificatePem,
                                                QByteArray* privateKeyPem)
{
    const QString cert = folder + QStringLiteral("/cert.pem");
    const QString key = folder + QStringLiteral("/key.pem");
    QProcess p;
    p.start(QStringLiteral("openssl"),
            {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
             QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
             QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
             QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return false;
    QFile c(cert), k(key);
    if (!c.open(QIODevice::ReadOnly) || !k.open(QIODevice::ReadOnly))
        return false;
    *certificatePem = c.readAll();
    *privateKeyPem = k.readAll();
    return true;
}

QUrl LocalHttpServer::url(const QString& pathAndQuery) const
{
    QString p = pathAndQuery;
    if (!p.startsWith('/'))
        p.prepend('/');
    return QUrl(baseUrl().toString() + p);
}

void LocalHttpServer::serveFolder(const QString& urlPrefix, const QString& folder)
{
    QString prefix = urlPrefix;
    if (!prefix.startsWith('/'))
        prefix.prepend('/');
    std::unique_lock lock(d->mutex);
    d->folders.append({prefix, folder});
}

void LocalHttpServer::addRoute(const QString& path, const Route& route, const QByteArray& method)
{
    std::unique_lock lock(d->mutex);
    for (int i = d->routes.size() - 1; i >= 0; --i) {
        if (d->routes.at(i).path == path && d->routes.at(i).method == method.toUpper())
            d->routes.removeAt(i);
    }
    d->routes.append({path, method.toUpper(), route, Handler()});
}

void LocalHttpServer::addHandler(const QString& path, Handler handler, const QByteArray& method)
{
    std::unique_lock lock(d->mutex);
    for (int i = d->routes.size() - 1; i >= 0; --i) {
        if (d->routes.at(i).path == path && d->routes.at(i).method == method.toUpper())
            d->routes.removeAt(i);
    }
    d->routes.append({path, method.toUpper(), Route(), std::move(handler)});
}

void LocalHttpServer::addRedirect(const QString& path, const QString& location, int status)
{
    Route r;
    r.status = status;
    r.headers.append(LocalHttpServer::Header("Location", location.toUtf8()));
    r.body = "moved";
    addRoute(path, r);
}

void LocalHttpServer::addFile(const QString& path, const QByteArray& body, const QByteArray& contentType)
{
    Route r;
    r.body = body;
    r.headers.append(LocalHttpServer::Header("Content-Type", contentType));
    r.acceptRanges = true;
    addRoute(path, r);
}

void LocalHttpServer::removeRoute(const QString& path)
{
    std::unique_lock lock(d->mutex);
    for (int i = d->routes.size() - 1; i >= 0; --i) {
        if (d->routes.at(i).path == path)
            d->routes.removeAt(i);
    }
}

void LocalHttpServer::clearRoutes()
{
    std::unique_lock lock(d->mutex);
    d->routes.clear();
    d->folders.clear();
}

QList<LocalHttpServer::Request> LocalHttpServer::requests() const
{
    std::unique_lock lock(d->mutex);
    return d->requests;
}

qint64 LocalHttpServer::bodyBytesSent() const
{
    std::unique_lock lock(d->mutex);
    return d->bodyBytesSent;
}

int LocalHttpServer::requestCount(const QString& path) const
{
    std::unique_lock lock(d->mutex);
    if (path.isEmpty())
        return d->requests.size();
    int n = 0;
    for (const auto& r : qAsConst(d->requests)) {
        if (r.path == path)
            ++n;
    }
    return n;
}

LocalHttpServer::Request LocalHttpServer::lastRequest(const QString& path) const
{
    std::unique_lock lock(d->mutex);
    for (int i = d->requests.size() - 1; i >= 0; --i) {
        if (path.isEmpty() || d->requests.at(i).path == path)
            return d->requests.at(i);
    }
    return Request();
}

void LocalHttpServer::clearRequests()
{
    std::unique_lock lock(d->mutex);
    d->requests.clear();
}

int LocalHttpServer::openConnections() const
{
    std::unique_lock lock(d->mutex);
    return d->openConnections;
}

#include "LocalHttpServer.moc"
