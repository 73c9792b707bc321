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

    // A playlist's segment lines are addresses the player opens too: from
    // the web they may only lead back to the web, from this machine they
    // may name its files.
    void playlistSegmentsStayWithTheirSource_data()
    {
        QTest::addColumn<QString>("segmentPrefix");
        QTest::addColumn<bool>("servedOverHttp");
        QTest::addColumn<bool>("plays");
        const QString segments = QFileInfo(AvTestMedia::hlsPlaylist()).absolutePath();
        QTest::newRow("web list, web segments") << QString() << true << true;
        QTest::newRow("web list, file: segments") << QUrl::fromLocalFile(segments).toString() + '/' << true << false;
        QTest::newRow("local list, local segments") << QString() << false << true;
    }
    void playlistSegmentsStayWithTheirSource()
    {
        QFETCH(QString, segmentPrefix);
        QFETCH(bool, servedOverHttp);
        QFETCH(bool, plays);
        QFile original(AvTestMedia::hlsPlaylist());
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray list;
        for (const QByteArray& line : original.readAll().split('\n'))
            list += (line.endsWith(".ts") ? segmentPrefix.toUtf8() + line : line) + '\n';
        const QString listFile = QFileInfo(original).absolutePath() + "/named.m3u8";
        QFile named(listFile);
        QVERIFY(named.open(QIODevice::WriteOnly));
        named.write(list);
        named.close();
        m_http.clearRequests();
        const QString source = servedOverHttp ? m_http.url("/media/hls/named.m3u8").toString() : listFile;

        AVPlayer player;
        PlayerProbe probe(&player);
        player.play(source);
        QTRY_VERIFY_WITH_TIMEOUT(probe.ended(), 30000);
        if (plays) {
            QVERIFY2(probe.countOf("error") == 0, qPrintable(probe.lastError));
            QVERIFY(probe.renderer.count() > 0);
            if (servedOverHttp)
                QVERIFY(m_http.requestCount("/media/hls/seg0.ts") >= 1);
        } else {
            QCOMPARE(probe.countOf("error"), 1);
            QVERIFY(!probe.events.contains("started"));
            QCOMPARE(probe.renderer.count(), 0);
        }
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
