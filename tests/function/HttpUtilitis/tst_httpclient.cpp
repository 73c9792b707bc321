#include "function/HttpUtilitis/CHttpClient.h"

#include "LocalHttpServer.h"

#include <QSignalSpy>
#include <QTest>

using Route = LocalHttpServer::Route;

class TestHttpClient : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_server.start(true)); }
    void init() { m_server.clearRoutes(); }

    void getReplies_data();
    void getReplies();
    void postSendsItsBody();
    void lateReplyAfterTimeOutIsIgnored();
    void onlyHttpAddressesAndOneRequestAtATime();

private:
    LocalHttpServer m_server;
};

void TestHttpClient::getReplies_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("countHeader");
    QTest::addColumn<QString>("body");          // what the user is handed
    QTest::addColumn<int>("count");             // -1: readyRead, not readyReadCount
    QTest::addColumn<QString>("error");         // empty: no sendErrors
    QTest::newRow("200 with count") << 200 << QByteArray("250") << "payload" << 250 << QString();
    QTest::newRow("200 count not a number") << 200 << QByteArray("many") << "payload" << 0 << QString();
    QTest::newRow("200 without count") << 200 << QByteArray() << "payload" << -1 << QString();
    QTest::newRow("201") << 201 << QByteArray() << "payload" << -1 << QString();
    QTest::newRow("404") << 404 << QByteArray() << QString() << -1 << "HTTP ERROR (404: Not Found)";
}

void TestHttpClient::getReplies()
{
    QFETCH(int, status);
    QFETCH(QByteArray, countHeader);
    QFETCH(QString, body);
    QFETCH(int, count);
    QFETCH(QString, error);

    Route r;
    r.status = status;
    r.body = "payload";
    if (!countHeader.isEmpty())
        r.headers << qMakePair(QByteArray("X-Pagination-Total-Count"), countHeader);
    m_server.addRoute("/list", r);

    CHttpClient client;
    QSignalSpy plain(&client, &CHttpClient::readyRead);
    QSignalSpy counted(&client, &CHttpClient::readyReadCount);
    QSignalSpy errors(&client, &CHttpClient::sendErrors);
    QList<QString> order;
    connect(&client, &CHttpClient::sendErrors, this, [&] { order << "error"; });
    connect(&client, &CHttpClient::readyRead, this, [&] { order << "body"; });
    connect(&client, &CHttpClient::readyReadCount, this, [&] { order << "body"; });

    QVERIFY(client.get(m_server.url("/list"), true));
    QTRY_COMPARE_WITH_TIMEOUT(order.isEmpty() ? QString() : order.last(), QStringLiteral("body"), 20000);
    QVERIFY(!client.isPending());
    if (count >= 0) {
        QCOMPARE(counted.count(), 1);
        QCOMPARE(plain.count(), 0);
        QCOMPARE(counted.at(0).at(0).toString(), body);
        QCOMPARE(counted.at(0).at(1).toInt(), count);
    } else {
        QCOMPARE(plain.count(), 1);
        QCOMPARE(counted.count(), 0);
        QCOMPARE(plain.at(0).at(0).toString(), body);
    }
    if (error.isEmpty()) {
        QCOMPARE(errors.count(), 0);
    } else {
        QCOMPARE(order, QList<QString>({"error", "body"}));
        QCOMPARE(errors.at(0).at(0).toInt(), status);
        QCOMPARE(errors.at(0).at(1).toString(), error);
    }
}

void TestHttpClient::postSendsItsBody()
{
    Route r;
    r.status = 201;
    r.body = QByteArray("created\0tail", 12);   // a zero byte ends the text
    m_server.addRoute("/post", r, "POST");
    CHttpClient client;
    QSignalSpy plain(&client, &CHttpClient::readyRead);
    QVERIFY(client.post(m_server.url("/post"), "{\"a\":1}", "application/json"));
    QVERIFY(plain.wait(20000));
    QCOMPARE(plain.at(0).at(0).toString(), QStringLiteral("created"));
    const auto req = m_server.lastRequest("/post");
    QCOMPARE(req.method, QByteArray("POST"));
    QCOMPARE(req.body, QByteArray("{\"a\":1}"));
    QCOMPARE(req.header("Content-Type"), QByteArray("application/json"));
}

void TestHttpClient::lateReplyAfterTimeOutIsIgnored()
{
    Route slow;
    slow.delayMs = 1500;
    slow.body = "late";
    m_server.addRoute("/slow", slow);
    m_server.addFile("/fast", "fast");

    CHttpClient client;
    client.setTimeoutMs(300);
    QSignalSpy plain(&client, &CHttpClient::readyRead);
    QSignalSpy errors(&client, &CHttpClient::sendErrors);
    QVERIFY(client.get(m_server.url("/slow")));
    QVERIFY(plain.wait(20000));
    QCOMPARE(plain.at(0).at(0).toString(), QString());
    // The next request is not refused by a stale pending flag.
    QVERIFY(!client.isPending());
    client.setTimeoutMs(20000);
    QVERIFY(client.get(m_server.url("/fast")));
    QTRY_COMPARE_WITH_TIMEOUT(plain.count(), 2, 20000);
    QCOMPARE(plain.at(1).at(0).toString(), QStringLiteral("fast"));
    // Long enough for the slow answer to have come: it is never handled.
    QTest::qWait(1800);
    QCOMPARE(plain.count(), 2);
    QCOMPARE(errors.count(), 0);
}

void TestHttpClient::onlyHttpAddressesAndOneRequestAtATime()
{
    CHttpClient client;
    QVERIFY(!client.get(QUrl::fromLocalFile("/etc/passwd")));
    QVERIFY(!client.get(QUrl("ftp://127.0.0.1/x")));
    QVERIFY(!client.post(QUrl("file:///tmp/x"), "x", "text/plain"));
    QVERIFY(!client.isPending());

    Route slow;
    slow.delayMs = 300;
    m_server.addRoute("/busy", slow);
    QSignalSpy plain(&client, &CHttpClient::readyRead);
    QVERIFY(client.get(m_server.url("/busy")));
    QVERIFY(!client.get(m_server.url("/busy")));
    QVERIFY(!client.post(m_server.url("/busy"), "x", "text/plain"));
    QVERIFY(plain.wait(20000));
    QCOMPARE(m_server.requestCount("/busy"), 1);
}

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_httpclient.moc"
