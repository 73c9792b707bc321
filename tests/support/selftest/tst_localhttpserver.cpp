#include "LocalHttpServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

class TestLocalHttpServer : public QObject
{
    Q_OBJECT
private:
    struct Result
    {
        int status = 0;
        QByteArray body;
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
        QNetworkReply* reply = nullptr;
    };

    Result fetch(QNetworkAccessManager& nam, const QUrl& url, const QByteArray& range = QByteArray(),
                 const QByteArray& verb = "GET")
    {
        QNetworkRequest req(url);
        req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        if (!range.isEmpty())
            req.setRawHeader("Range", range);
        QNetworkReply* reply = verb == "HEAD" ? nam.head(req) : nam.get(req);
        QSignalSpy done(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            done.wait(5000);
        Result r;
        r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        r.body = reply->readAll();
        r.error = reply->error();
        r.reply = reply;
        reply->deleteLater();
        return r;
    }

    QTemporaryDir m_dir;
    QByteArray m_data;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (int i = 0; i < 100000; ++i)
            m_data.append(char(i % 251));
        QFile f(m_dir.filePath("clip.mp4"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(m_data);
        f.close();
        QFile j(m_dir.filePath("v.json"));
        QVERIFY(j.open(QIODevice::WriteOnly));
        j.write("{}");
    }

    void folderAndRanges_data()
    {
        QTest::addColumn<QByteArray>("range");
        QTest::addColumn<int>("status");
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("length");
        QTest::newRow("whole") << QByteArray() << 200 << qint64(0) << qint64(100000);
        QTest::newRow("closed") << QByteArray("bytes=10-19") << 206 << qint64(10) << qint64(10);
        QTest::newRow("open") << QByteArray("bytes=99990-") << 206 << qint64(99990) << qint64(10);
        QTest::newRow("suffix") << QByteArray("bytes=-5") << 206 << qint64(99995) << qint64(5);
        QTest::newRow("past end clipped") << QByteArray("bytes=99999-200000") << 206 << qint64(99999) << qint64(1);
        QTest::newRow("unsatisfiable") << QByteArray("bytes=100000-") << 416 << qint64(0) << qint64(0);
    }
    void folderAndRanges()
    {
        QFETCH(QByteArray, range);
        QFETCH(int, status);
        QFETCH(qint64, from);
        QFETCH(qint64, length);
        LocalHttpServer srv;
        QVERIFY(srv.start());
        srv.serveFolder("/media", m_dir.path());
        QNetworkAccessManager nam;
        const Result r = fetch(nam, srv.url("/media/clip.mp4"), range);
        QCOMPARE(r.status, status);
        QCOMPARE(r.body, m_data.mid(int(from), int(length)));
        if (status != 416) {
            QCOMPARE(r.reply->header(QNetworkRequest::ContentTypeHeader).toString(), QString("video/mp4"));
            QCOMPARE(r.reply->rawHeader("Accept-Ranges"), QByteArray("bytes"));
        }
        QCOMPARE(srv.lastRequest().header("range"), range);
    }

    void headAndMissing()
    {
        LocalHttpServer srv;
        QVERIFY(srv.start());
        srv.serveFolder("/media", m_dir.path());
        QNetworkAccessManager nam;
        Result r = fetch(nam, srv.url("/media/v.json"), QByteArray(), "HEAD");
        QCOMPARE(r.status, 200);
        QVERIFY(r.body.isEmpty());
        QCOMPARE(r.reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(), 2LL);
        QCOMPARE(r.reply->header(QNetworkRequest::ContentTypeHeader).toString(), QString("application/json"));
        QCOMPARE(fetch(nam, srv.url("/media/none.bin")).status, 404);
        QCOMPARE(fetch(nam, srv.url("/media/../etc/passwd")).status, 404);
        QCOMPARE(fetch(nam, srv.url("/nothing")).status, 404);
        QCOMPARE(srv.requestCount(), 4);
        QCOMPARE(srv.requests().first().method, QByteArray("HEAD"));
    }

    void scriptedRoutes()
    {
        LocalHttpServer srv;
        QVERIFY(srv.start());
        srv.addFile("/target", "hello", "text/plain");
        srv.addRedirect("/abs", srv.url("/target").toString());
        srv.addRedirect("/rel", "target", 301);
        int calls = 0;
        srv.addHandler("/counted", [&calls](const LocalHttpServer::Request& req) {
            LocalHttpServer::Route r;
            r.body = QByteArray::number(++calls) + req.query("x").toUtf8();
            return r;
        });
        QNetworkAccessManager nam;
        QCOMPARE(fetch(nam, srv.url("/abs")).body, QByteArray("hello"));
        QCOMPARE(fetch(nam, srv.url("/rel")).body, QByteArray("hello"));
        QCOMPARE(fetch(nam, srv.url("/counted?x=a%20b")).body, QByteArray("1a b"));
        QCOMPARE(fetch(nam, srv.url("/counted")).body, QByteArray("2"));
        QCOMPARE(srv.requestCount("/target"), 2);

        LocalHttpServer::Route big;
        big.generatedBodySize = 3 * 1024 * 1024;
        big.sendContentLength = false;
        srv.addRoute("/big", big);
        const Result r = fetch(nam, srv.url("/big"));
        QCOMPARE(r.body.size(), 3 * 1024 * 1024);

        LocalHttpServer::Route drop;
        drop.closeWithoutReply = true;
        srv.addRoute("/drop", drop);
        QVERIFY(fetch(nam, srv.url("/drop")).error != QNetworkReply::NoError);
    }

    void stallAndThrottle()
    {
        LocalHttpServer srv;
        QVERIFY(srv.start());
        LocalHttpServer::Route stall;
        stall.generatedBodySize = 1000;
        stall.stallAfterBytes = 10;
        srv.addRoute("/stall", stall);
        QNetworkAccessManager nam;
        QNetworkReply* reply = nam.get(QNetworkRequest(srv.url("/stall")));
        QSignalSpy ready(reply, &QNetworkReply::readyRead);
        QVERIFY(ready.wait(3000));
        QSignalSpy done(reply, &QNetworkReply::finished);
        QVERIFY(!done.wait(300));
        reply->abort();
        delete reply;

        LocalHttpServer::Route slow;
        slow.generatedBodySize = 20000;
        slow.bytesPerSecond = 100000;
        srv.addRoute("/slow", slow);
        QElapsedTimer t;
        t.start();
        QCOMPARE(fetch(nam, srv.url("/slow")).body.size(), 20000);
        QVERIFY2(t.elapsed() >= 150, qPrintable(QString::number(t.elapsed())));
    }

    void tls()
    {
        QByteArray cert, key;
        if (!LocalHttpServer::makeSelfSignedCertificate(m_dir.path(), &cert, &key))
            QSKIP("openssl program missing");
        LocalHttpServer srv;
        QVERIFY(srv.startTls(cert, key));
        srv.addFile("/s", "secret");
        QCOMPARE(srv.baseUrl().scheme(), QString("https"));
        QNetworkAccessManager nam;
        // Not trusted: refused.
        Result r = fetch(nam, srv.url("/s"));
        QCOMPARE(r.error, QNetworkReply::SslHandshakeFailedError);
        // Trusted through the request's own configuration (and a manager
        // without the refused connection cached): answered.
        QNetworkRequest req(srv.url("/s"));
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setCaCertificates(ssl.caCertificates() << QSslCertificate(cert));
        req.setSslConfiguration(ssl);
        QNetworkAccessManager nam2;
        QNetworkReply* reply = nam2.get(req);
        QSignalSpy done(reply, &QNetworkReply::finished);
        QVERIFY(done.wait(5000));
        QCOMPARE(reply->error(), QNetworkReply::NoError);
        QCOMPARE(reply->readAll(), QByteArray("secret"));
        delete reply;
    }

    // A test thread that blocks still gets answers when the server has its own thread.
    void ownThread()
    {
        LocalHttpServer srv;
        QVERIFY(srv.start(true));
        srv.addFile("/x", "abc");
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, srv.port());
        QVERIFY(s.waitForConnected(3000));
        s.write("GET /x HTTP/1.1\r\nHost: a\r\n\r\nGET /x HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n");
        QByteArray all;
        while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(3000))
            all += s.readAll();
        all += s.readAll();
        QCOMPARE(all.count("HTTP/1.1 200 OK"), 2);
        QVERIFY(all.endsWith("abc"));
        QCOMPARE(srv.requestCount("/x"), 2);
        QCOMPARE(srv.requests().at(0).connectionId, srv.requests().at(1).connectionId);
        QTRY_COMPARE(srv.openConnections(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLocalHttpServer)
#include "tst_localhttpserver.moc"
