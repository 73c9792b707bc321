// Network options of the media layer: TLS verification with the system's
// trust or a given "ca_file", and "http_proxy" (plain requests and CONNECT
// tunnels) through a small proxy the test runs on 127.0.0.1.

#include "AvTestMedia.h"
#include "LocalHttpServer.h"
#include "PlayerProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace TwAV;

namespace {

// Forwards absolute-form GET requests and tunnels CONNECT, counting both.
class TinyProxy : public QObject
{
public:
    int plainRequests = 0;
    int tunnels = 0;

    bool start() { connect(&m_server, &QTcpServer::newConnection, this, [this] { accept(); });
                   return m_server.listen(QHostAddress::LocalHost); }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

private:
    void accept()
    {
        while (QTcpSocket* client = m_server.nextPendingConnection()) {
            client->setParent(this);
            auto* buffer = new QByteArray;
            connect(client, &QObject::destroyed, [buffer] { delete buffer; });
            connect(client, &QTcpSocket::readyRead, this, [this, client, buffer] {
                if (client->property("upstream").isValid())
                    return;
                buffer->append(client->readAll());
                const int end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QList<QByteArray> first = buffer->left(buffer->indexOf("\r\n")).split(' ');
                if (first.size() < 3)
                    return client->close();
                QByteArray hostPort;
                QByteArray forward;
                if (first[0] == "CONNECT") {
                    ++tunnels;
                    hostPort = first[1];
                } else {
                    ++plainRequests;
                    const QUrl u(QString::fromLatin1(first[1]));
                    hostPort = u.host().toLatin1() + ':' + QByteArray::number(u.port(80));
                    QByteArray path = u.path(QUrl::FullyEncoded).toLatin1();
                    if (u.hasQuery())
                        path += '?' + u.query(QUrl::FullyEncoded).toLatin1();
                    forward = first[0] + ' ' + path + ' ' + first[2] + buffer->mid(buffer->indexOf("\r\n"));
                }
                auto* up = new QTcpSocket(client);
                client->setProperty("upstream", true);
                const int colon = hostPort.lastIndexOf(':');
                up->connectToHost(QString::fromLatin1(hostPort.left(colon)), hostPort.mid(colon + 1).toUShort());
                const bool tunnel = first[0] == "CONNECT";
                connect(up, &QTcpSocket::connected, this, [client, up, tunnel, forward] {
                    if (tunnel)
                        client->write("HTTP/1.1 200 Connection established\r\n\r\n");
                    else
                        up->write(forward);
                    if (client->bytesAvailable())
                        up->write(client->readAll());
                });
                connect(up, &QTcpSocket::readyRead, client, [client, up] { client->write(up->readAll()); });
                connect(client, &QTcpSocket::readyRead, up, [client, up] {
                    if (up->state() == QAbstractSocket::ConnectedState)
                        up->write(client->readAll());
                });
                connect(up, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
                connect(client, &QTcpSocket::disconnected, up, &QTcpSocket::disconnectFromHost);
                connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
            });
        }
    }
    QTcpServer m_server;
};

} // namespace

class TestAVNetwork : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_certFile;
    LocalHttpServer m_http, m_https;

    static bool playsThrough(const QString& url, const QVariantHash& options, QString* why)
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        player.setOptionsForFormat(options);
        player.play(url);
        if (!QTest::qWaitFor([&] { return probe.renderer.count() > 0 || probe.ended(); }, 30000))
            return false;
        *why = probe.lastError;
        return probe.renderer.count() > 0;
    }

private slots:
    void initTestCase()
    {
        setLogLevel(LogOff);
        QVERIFY(!AvTestMedia::h264Aac().isEmpty());
        QByteArray cert, key;
        QVERIFY(LocalHttpServer::makeSelfSignedCertificate(m_dir.path(), &cert, &key));
        m_certFile = m_dir.filePath("ca.pem");
        QFile f(m_certFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(cert);
        f.close();
        QVERIFY(m_http.start(true));
        QVERIFY(m_https.startTls(cert, key, true));
        m_http.serveFolder("/media", AvTestMedia::folder());
        m_https.serveFolder("/media", AvTestMedia::folder());
    }

    void selfSignedCertificateIsRefused()
    {
        QString why;
        const QString url = m_https.url("/media/" + QFileInfo(AvTestMedia::h264Aac()).fileName()).toString();
        QVERIFY(!playsThrough(url, {}, &why));
        QVERIFY(!why.isEmpty());
    }

    void caFileLetsItPlay()
    {
        QString why;
        const QString url = m_https.url("/media/" + QFileInfo(AvTestMedia::h264Aac()).fileName()).toString();
        QVERIFY2(playsThrough(url, {{"ca_file", m_certFile}}, &why), qPrintable(why));
    }

    void proxyCarriesHttpAndHttps()
    {
        TinyProxy proxy;
        QVERIFY(proxy.start());
        QString why;
        const QString name = "/media/" + QFileInfo(AvTestMedia::h264Aac()).fileName();
        QVERIFY2(playsThrough(m_http.url(name).toString(), {{"http_proxy", proxy.address()}}, &why), qPrintable(why));
        QVERIFY(proxy.plainRequests >= 1);
        QVERIFY2(playsThrough(m_https.url(name).toString(), {{"http_proxy", proxy.address()}, {"ca_file", m_certFile}},
                              &why), qPrintable(why));
        QVERIFY(proxy.tunnels >= 1);
    }

    void proxyWithoutHostIsIgnored()
    {
        QString why;
        const QString name = "/media/" + QFileInfo(AvTestMedia::h264Aac()).fileName();
        QVERIFY2(playsThrough(m_http.url(name).toString(), {{"http_proxy", "http://:0"}}, &why), qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(TestAVNetwork)
#include "tst_avnetwork.moc"
