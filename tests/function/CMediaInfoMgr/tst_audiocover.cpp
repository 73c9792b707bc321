#include "function/CMediaInfoMgr/private/caudiocloundmetadata.h"
#include "shell/SettingsStore.h"

#include "LocalHttpServer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Route = LocalHttpServer::Route;

namespace {

QByteArray pngBytes()
{
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

QByteArray albumReply(const QList<QPair<QString, QString>>& images)
{
    QJsonArray arr;
    for (const auto& i : images)
        arr.append(QJsonObject{{"#text", i.first}, {"size", i.second}});
    return QJsonDocument(QJsonObject{{"album", QJsonObject{{"image", arr}}}}).toJson();
}

} // namespace

class TestAudioCover : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void chosenAddress_data();
    void chosenAddress();
    void coverIsSavedOnceUnderItsName();
    void nothingIsWritten_data();
    void nothingIsWritten();
    void selfSignedServerSavesNothing();
    void endlessBodyIsCutNearTheLimit();

private:
    // Hands the service's reply to the object, as the request side would.
    void feed(CGetAudioCloudMetaData& meta, const QByteArray& json);
    QString imageFolder() const { return SettingsStore::fromStoredPath(m_store->value("temp/image")); }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    LocalHttpServer m_server;
};

void TestAudioCover::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_store.reset(new SettingsStore(m_dir.path()));
    QVERIFY(QDir(imageFolder()).exists());
    QVERIFY(m_server.start(true));
}

void TestAudioCover::init()
{
    m_server.clearRoutes();
    m_server.clearRequests();
    QDir folder(imageFolder());
    for (const QString& f : folder.entryList(QDir::Files))
        folder.remove(f);
}

void TestAudioCover::feed(CGetAudioCloudMetaData& meta, const QByteArray& json)
{
    m_server.addFile("/album.json", json, "application/json");
    QNetworkAccessManager nam;
    QNetworkReply* reply = nam.get(QNetworkRequest(m_server.url("/album.json")));
    QSignalSpy done(reply, &QNetworkReply::finished);
    QVERIFY(done.wait(20000));
    meta.replyFinished(reply);
    delete reply;
}

void TestAudioCover::chosenAddress_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("fetched");   // empty: nothing fetched, cover null
    QTest::newRow("large before others") << albumReply({{"/s.png", "small"}, {"/l.png", "large"}, {"/x.png", "extralarge"}})
                                         << "/l.png";
    QTest::newRow("no large: last non-empty") << albumReply({{"/s.png", "small"}, {"/m.png", "medium"}, {"", "large"}})
                                              << "/m.png";
    QTest::newRow("image not an array") << QByteArray(R"({"album":{"image":"x"}})") << QString();
    QTest::newRow("empty array") << albumReply({}) << QString();
}

void TestAudioCover::chosenAddress()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, fetched);
    const QByteArray png = pngBytes();
    for (const char* p : {"/s.png", "/m.png", "/l.png", "/x.png"})
        m_server.addFile(p, png, "image/png");
    // Addresses in the reply are relative to the test server.
    json.replace("\"/", ("\"" + m_server.baseUrl().toString() + "/").toUtf8());

    CGetAudioCloudMetaData meta(m_store.get());
    meta.setTimeoutMs(20000);
    feed(meta, json);
    if (fetched.isEmpty()) {
        QVERIFY(meta.metaData().coverImage.isNull());
        QVERIFY(meta.metaData().coverPath.isEmpty());
        QCOMPARE(m_server.requestCount("/l.png") + m_server.requestCount("/m.png"), 0);
    } else {
        QCOMPARE(m_server.requestCount(fetched), 1);
        QCOMPARE(meta.metaData().coverPath, imageFolder() + fetched);
        QVERIFY(QFile::exists(imageFolder() + fetched));
    }
}

void TestAudioCover::coverIsSavedOnceUnderItsName()
{
    m_server.addFile("/covers/c.png", pngBytes(), "image/png");
    CGetAudioCloudMetaData meta(m_store.get());
    // The query is part of the saved name.
    const QString address = m_server.url("/covers/c.png?v=2").toString();
    meta.fetchCover(address);
    const QString path = imageFolder() + "/c.png?v=2";
    QCOMPARE(meta.metaData().coverPath, path);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), pngBytes());
    f.close();

    // An existing file of that name is used, not rewritten.
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("mine");
    f.close();
    CGetAudioCloudMetaData other(m_store.get());
    other.fetchCover(address);
    QCOMPARE(other.metaData().coverPath, path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("mine"));
}

void TestAudioCover::nothingIsWritten_data()
{
    QTest::addColumn<QString>("address");    // relative: on the test server
    QTest::newRow("404") << "/missing.png";
    QTest::newRow("stall") << "/stall.png";
    QTest::newRow("oversized body") << "/huge.png";
    QTest::newRow("dot-dot name") << "/covers/..";
    QTest::newRow("empty name") << "/covers/";
    QTest::newRow("file address") << "file:///etc/hostname";
    QTest::newRow("plain path") << "/etc/hostname";
}

void TestAudioCover::nothingIsWritten()
{
    QFETCH(QString, address);
    Route missing;
    missing.status = 404;
    m_server.addRoute("/missing.png", missing);
    Route stall;
    stall.stallBeforeHead = true;
    m_server.addRoute("/stall.png", stall);
    Route huge;
    huge.generatedBodySize = 21LL * 1024 * 1024;
    m_server.addRoute("/huge.png", huge);

    if (address.startsWith("/") && !address.startsWith("/etc"))
        address = m_server.url(address).toString();
    CGetAudioCloudMetaData meta(m_store.get());
    meta.setTimeoutMs(address.contains("stall") ? 500 : 20000);
    meta.fetchCover(address);
    QVERIFY(meta.metaData().coverPath.isEmpty());
    QVERIFY(QDir(imageFolder()).entryList(QDir::Files).isEmpty());
}

void TestAudioCover::selfSignedServerSavesNothing()
{
    QByteArray cert, key;
    if (!LocalHttpServer::makeSelfSignedCertificate(m_dir.path(), &cert, &key))
        QSKIP("openssl is missing");
    LocalHttpServer tls;
    QVERIFY(tls.startTls(cert, key, true));
    tls.addFile("/c.png", pngBytes(), "image/png");
    CGetAudioCloudMetaData meta(m_store.get());
    meta.fetchCover(tls.url("/c.png").toString());
    QVERIFY(meta.metaData().coverPath.isEmpty());
    QVERIFY(QDir(imageFolder()).entryList(QDir::Files).isEmpty());
}

void TestAudioCover::endlessBodyIsCutNearTheLimit()
{
    // No length announced and no end: only counting the body as it comes
    // stops it, and reading no faster than it is counted keeps the rest of
    // it on the server's side.
    Route endless;
    endless.generatedBodySize = 4LL * 1024 * 1024 * 1024;
    endless.sendContentLength = false;
    m_server.addRoute("/endless.png", endless);
    const qint64 before = m_server.bodyBytesSent();
    CGetAudioCloudMetaData meta(m_store.get());
    meta.setTimeoutMs(60000);
    meta.fetchCover(m_server.url("/endless.png").toString());
    QVERIFY(meta.metaData().coverPath.isEmpty());
    QVERIFY(QDir(imageFolder()).entryList(QDir::Files).isEmpty());
    const qint64 sent = m_server.bodyBytesSent() - before;
    QVERIFY2(sent < 36LL * 1024 * 1024, qPrintable(QString("%1 bytes sent").arg(sent)));
}

QTEST_GUILESS_MAIN(TestAudioCover)
#include "tst_audiocover.moc"
