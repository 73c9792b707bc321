#include "LocalHttpServer.h"
#include "function/VersionCheck/NetVersionMgr.h"
#include "function/VersionCheck/private/Downloader.h"
#include "platform/Online.h"
#include "shell/ImageDownloader.h"
#include "shell/SettingsStore.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray description(const QString& marker, const QString& picture = QString())
{
    return QStringLiteral("{\"upgrade\":{\"version\":{\"old\":[\"o\"],\"new\":[\"n\"]},\"description\":{\"old\":[\"d\"],\"new\":[\"%1\"]}," "\"upgradelog\":[\"l\"],\"upgradeurl\":\"https://up/normal\",\"forcedurl\":\"https://up/forced\"}," "\"ads\":{\"title\":\"Ad %1\",\"details\":[\"x\"],\"bigpicture\":\"%2\"}," "\"additional\":{\"t\":{\"product\":\"P\"}},\"convert\":{\"c\":{\"title\":\"C\"}},\"website\":{\"title\":\"W %1\",\"url\":\"u\"}}")
        .arg(marker, picture)
        .toUtf8();
}

} // namespace

class TestNetVersionMgr : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<ImageDownloader> m_images;
    std::unique_ptr<LocalHttpServer> m_srv;
    QString m_profileDir;

    void serveVersion(const QString& path, const QString& version, const QMap<QString, QString>& codes,
                      const QString& forced = "8.0")
    {
        QString json = QStringLiteral("{\"version\":\"%1\",\"Date\":\"2026-2-1\",\"forced\":\"%2\"").arg(version, forced);
        for (auto it = codes.constBegin(); it != codes.constEnd(); ++it)
            json += QStringLiteral(",\"%1\":\"%2\"").arg(it.key(), it.value());
        json += '}';
        m_srv->addFile(path, json.toUtf8(), "application/json");
    }

    std::unique_ptr<NetVersionMgr> manager(const QString& versionPath, int timeoutMs = 0)
    {
        NetVersionMgr::Environment env;
        env.settings = m_store.get();
        env.images = m_images.get();
        env.versionFileUrl = m_srv->url(versionPath);
        env.transferTimeoutMs = timeoutMs;
        return std::make_unique<NetVersionMgr>(env);
    }

    QString localCopy() const { return m_profileDir + "/upd"; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_store.reset(new SettingsStore(m_dir.path(), false));
        m_profileDir = m_dir.filePath("profile");
        QDir().mkpath(m_profileDir);
        m_store->setValue("base/customProfilePath", SettingsStore::toStoredPath(m_profileDir));
        m_images.reset(new ImageDownloader(m_store.get()));
        Online::setStateOverride([] { return Online::State::Online; });
    }

    void init()
    {
        m_srv.reset(new LocalHttpServer);
        QVERIFY(m_srv->start(true));
        m_store->setValue("base/language", "en");
        QFile::remove(localCopy());
        Online::setStateOverride([] { return Online::State::Online; });
    }

    void fullCheckAndStates()
    {
        serveVersion("/version.json", "8.4.0.0", {{"en", m_srv->url("/en.json").toString()}});
        m_srv->addFile("/en.json", description("en"), "application/json");
        auto mgr = manager("/version.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        QVERIFY(!mgr->checkVersion(false));
        QVERIFY(mgr->isChecking());
        // A second call while the check runs changes nothing.
        QVERIFY(!mgr->checkVersion(false));
        QVERIFY(!mgr->checkVersion(true));
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QVERIFY(mgr->isDataValid());
        QVERIFY(!mgr->isChecking());
        QCOMPARE(m_srv->requestCount("/version.json"), 1);
        QCOMPARE(m_srv->requestCount("/en.json"), 1);
        QCOMPARE(m_srv->lastRequest().header("User-Agent"),
                 QByteArray("Mozilla/5.0 (Windows NT 6.1; WOW64; rv:53.0) Gecko/20100101 Firefox/53.0"));

        QCOMPARE(mgr->getVersionInfo().version, QString("8.4.0.0"));
        QCOMPARE(mgr->getUpgradeInfo().newDescription, QString("en"));
        QCOMPARE(mgr->getAdsInfo().title, QString("Ad en"));
        QCOMPARE(mgr->getWebsiteLink().title, QString("W en"));
        QCOMPARE(mgr->getConvertInfo().size(), 1);
        QCOMPARE(mgr->getAdditionalToolsInfo_Downloader().size(), 1);
        QVERIFY(mgr->getAdsMap().isEmpty());
        QVERIFY(mgr->getAttachedAdsInfo().title.isEmpty());
        bool need = false, force = true;
        QCOMPARE(mgr->getUpgradeUrl(&need, &force), QString("https://up/normal"));
        QVERIFY(need);
        QVERIFY(!force);
        QCOMPARE(mgr->upgradeUrl(), QString("https://up/normal"));
        QCOMPARE(mgr->getUpgradeUrl(nullptr, nullptr), QString("https://up/normal"));

        // The good description is kept as the local copy.
        QFile local(localCopy());
        QVERIFY(local.open(QIODevice::ReadOnly));
        QCOMPARE(local.readAll(), description("en"));

        // Holding an answer: non-forced returns true and emits nothing.
        QVERIFY(mgr->checkVersion(false));
        QVERIFY(!spy.wait(200));
        QCOMPARE(m_srv->requestCount("/version.json"), 1);
        // Forced: a new check.
        QVERIFY(!mgr->checkVersion(true));
        QVERIFY(spy.wait(5000));
        QCOMPARE(m_srv->requestCount("/version.json"), 2);
    }

    void forcedUpdate()
    {
        serveVersion("/v.json", "9.0", {{"en", m_srv->url("/en.json").toString()}}, "8.9");
        m_srv->addFile("/en.json", description("en"), "application/json");
        auto mgr = manager("/v.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QVERIFY(spy.wait(5000));
        bool need = false, force = false;
        QCOMPARE(mgr->getUpgradeUrl(&need, &force), QString("https://up/forced"));
        QVERIFY(need && force);
    }

    void languageChoice_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("fetched");
        QTest::newRow("fr falls back to en") << "fr" << QStringList{"en"} << "en";
        QTest::newRow("fr present") << "fr" << QStringList{"en", "fr"} << "fr";
        QTest::newRow("unset language") << "" << QStringList{"de", "en"} << "en";
    }
    void languageChoice()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, codes);
        QFETCH(QString, fetched);
        m_store->setValue("base/language", language);
        QMap<QString, QString> map;
        for (const QString& c : codes) {
            map.insert(c, m_srv->url("/" + c + ".json").toString());
            m_srv->addFile("/" + c + ".json", description(c), "application/json");
        }
        serveVersion("/version.json", "8.4", map);
        auto mgr = manager("/version.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(mgr->getUpgradeInfo().newDescription, fetched);
        QCOMPARE(m_srv->requestCount("/" + fetched + ".json"), 1);
    }

    void redirects_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("valid");
        QTest::newRow("absolute 301") << "ABS" << 301 << true;
        QTest::newRow("relative 302") << "../version.json" << 302 << true;
        QTest::newRow("root-relative 307") << "/version.json" << 307 << true;
        QTest::newRow("200 with Location not followed") << "/version.json" << 200 << false;
        QTest::newRow("to file scheme") << "file:///etc/passwd" << 302 << false;
    }
    void redirects()
    {
        QFETCH(QString, location);
        QFETCH(int, status);
        QFETCH(bool, valid);
        serveVersion("/version.json", "8.4", {{"en", m_srv->url("/en.json").toString()}});
        m_srv->addFile("/en.json", description("en"), "application/json");
        LocalHttpServer::Route r;
        r.status = status;
        r.headers.append({"Location", location == "ABS" ? m_srv->url("/version.json").toEncoded() : location.toUtf8()});
        r.body = "not json";
        m_srv->addRoute("/start/old.json", r);
        auto mgr = manager("/start/old.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), valid);
        QCOMPARE(m_srv->requestCount("/version.json"), valid ? 1 : 0);
    }

    void redirectLoopEnds()
    {
        m_srv->addRedirect("/loop", "/loop", 302);
        auto mgr = manager("/loop");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QCOMPARE(m_srv->requestCount("/loop"), Downloader::kMaxRedirects + 1);
    }

    // A reply beyond the size limit is refused, even one that would parse:
    // the version file comes over plain HTTP and is never this large.
    void oversizedReplyRefused()
    {
        m_srv->addFile("/en.json", description("en"), "application/json");
        const QByteArray json = QStringLiteral("{\"version\":\"8.4\",\"en\":\"%1\"}")
                                    .arg(m_srv->url("/en.json").toString())
                                    .toUtf8();
        LocalHttpServer::Route padded;
        padded.body = json + QByteArray(int(Downloader::kMaxBodyBytes), ' ');
        m_srv->addRoute("/version.json", padded);
        auto mgr = manager("/version.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QVERIFY(spy.wait(10000));
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QCOMPARE(m_srv->requestCount("/en.json"), 0);
        // Within the limit the same document is read.
        padded.body = json + QByteArray(1000, ' ');
        m_srv->addRoute("/version.json", padded);
        QVERIFY(!mgr->checkVersion(true));
        QVERIFY(spy.wait(10000));
        QCOMPARE(spy.at(1).at(0).toBool(), true);
    }

    void stalledTransferEndsByTimer()
    {
        LocalHttpServer::Route stall;
        stall.body = "{\"version\":\"8.4\",\"en\":\"http://127.0.0.1:1/en.json\"}";
        stall.stallAfterBytes = 10;
        m_srv->addRoute("/version.json", stall);
        auto mgr = manager("/version.json", 300);
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QVERIFY(!mgr->isDataValid());
        // The answer is held: a non-forced check returns true.
        QVERIFY(mgr->checkVersion(false));
    }

    // The timer belongs to one transfer: a slow first transfer must not eat
    // into the time of the second.
    void timerRestartsPerTransfer()
    {
        LocalHttpServer::Route slowVersion;
        slowVersion.delayMs = 250;
        slowVersion.body = QStringLiteral("{\"version\":\"8.4\",\"en\":\"%1\"}").arg(m_srv->url("/en.json").toString()).toUtf8();
        m_srv->addRoute("/version.json", slowVersion);
        LocalHttpServer::Route slowDesc;
        slowDesc.delayMs = 250;
        slowDesc.body = description("en");
        m_srv->addRoute("/en.json", slowDesc);
        auto mgr = manager("/version.json", 400);
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), true);
    }

    void cancelDuringVersionFile()
    {
        LocalHttpServer::Route stall;
        stall.stallBeforeHead = true;
        m_srv->addRoute("/version.json", stall);
        auto mgr = manager("/version.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QTRY_COMPARE(m_srv->requestCount("/version.json"), 1);
        mgr->cancelCheck();
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QVERIFY(!mgr->isDataValid());
        QCOMPARE(m_srv->requestCount(), 1);
    }

    void cancelDuringDescription()
    {
        serveVersion("/version.json", "8.4", {{"en", m_srv->url("/en.json").toString()}});
        LocalHttpServer::Route slow;
        slow.delayMs = 300;
        slow.body = description("en");
        m_srv->addRoute("/en.json", slow);
        auto mgr = manager("/version.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QTRY_COMPARE(m_srv->requestCount("/en.json"), 1);
        mgr->cancelCheck();
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QVERIFY(!mgr->isDataValid());
        QVERIFY(!QFile::exists(localCopy()));
    }

    void badDescriptionAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("file scheme") << "file:///etc/passwd";
        QTest::newRow("empty") << "";
        QTest::newRow("no description for en") << "NONE";
    }
    void badDescriptionAddresses()
    {
        QFETCH(QString, address);
        if (address == "NONE")
            serveVersion("/version.json", "8.4", {{"de", m_srv->url("/de.json").toString()}});
        else
            serveVersion("/version.json", "8.4", {{"en", address}});
        auto mgr = manager("/version.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QCOMPARE(m_srv->requestCount(), 1);
    }

    void offlineWithLocalCopy()
    {
        {
            QFile f(localCopy());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(description("cached"));
        }
        Online::setStateOverride([] { return Online::State::Offline; });
        serveVersion("/version.json", "8.4", {{"en", m_srv->url("/en.json").toString()}});
        auto mgr = manager("/version.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        QVERIFY(!mgr->checkVersion(false));
        // Answered from inside the call.
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QVERIFY(!mgr->isDataValid());
        QCOMPARE(m_srv->requestCount(), 0);
        AdsInfo ads;
        QVERIFY(mgr->getLastAdsInfo(ads));
        QCOMPARE(ads.title, QString("Ad cached"));
        LinkInfo site;
        QVERIFY(mgr->getLastWebsiteLink(site));
        QCOMPARE(site.title, QString("W cached"));
        QList<LinkInfo> convert;
        QVERIFY(mgr->getLastConvertInfo(convert));
        QList<AdditionalToolInfo> tools;
        QVERIFY(mgr->getLastAdditionalToolsInfo_Downloader(tools));
        QCOMPARE(tools.size(), 1);
        // An unknown answer counts as online: the request is simply tried.
        Online::setStateOverride([] { return Online::State::Unknown; });
        QVERIFY(!mgr->checkVersion(true));
        QVERIFY(spy.wait(5000));
        QCOMPARE(m_srv->requestCount("/version.json"), 1);
    }

    void noLocalCopy()
    {
        serveVersion("/version.json", "", {{"en", m_srv->url("/en.json").toString()}});
        auto mgr = manager("/version.json");
        AdsInfo ads;
        ads.title = "untouched";
        QVERIFY(!mgr->getLastAdsInfo(ads));
        QCOMPARE(ads.title, QString("untouched"));
        LinkInfo site;
        QVERIFY(!mgr->getLastWebsiteLink(site));
        // An empty announced version never asks for an update.
        bool need = true, force = true;
        QVERIFY(mgr->getUpgradeUrl(&need, &force).isEmpty());
        QVERIFY(!need && !force);
    }

    void tlsVerification()
    {
        QByteArray cert, key;
        if (!LocalHttpServer::makeSelfSignedCertificate(m_dir.path(), &cert, &key))
            QSKIP("openssl program missing");
        LocalHttpServer tls;
        QVERIFY(tls.startTls(cert, key, true));
        tls.addFile("/version.json",
                    QStringLiteral("{\"version\":\"8.4\",\"en\":\"%1\"}").arg(tls.url("/en.json").toString()).toUtf8());
        tls.addFile("/en.json", description("en"));
        NetVersionMgr::Environment env;
        env.settings = m_store.get();
        env.images = m_images.get();
        env.versionFileUrl = tls.url("/version.json");
        {
            NetVersionMgr mgr(env);
            QSignalSpy spy(&mgr, &NetVersionMgr::doNetVersionChecked);
            mgr.checkVersion(false);
            QVERIFY(spy.wait(5000));
            QCOMPARE(spy.at(0).at(0).toBool(), false);
            QCOMPARE(tls.requestCount(), 0);
        }
        const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusted = saved;
        trusted.setCaCertificates(trusted.caCertificates() << QSslCertificate(cert));
        QSslConfiguration::setDefaultConfiguration(trusted);
        NetVersionMgr mgr(env);
        QSignalSpy spy(&mgr, &NetVersionMgr::doNetVersionChecked);
        mgr.checkVersion(false);
        const bool answered = spy.wait(5000);
        QSslConfiguration::setDefaultConfiguration(saved);
        QVERIFY(answered);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(tls.requestCount(), 2);
    }

    void promotionPictureArrives()
    {
        QImage img(60, 40, QImage::Format_RGB32);
        img.fill(Qt::green);
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "PNG");
        m_srv->addFile("/ad.png", png, "image/png");
        serveVersion("/version.json", "8.4", {{"en", m_srv->url("/en.json").toString()}});
        m_srv->addFile("/en.json", description("en", m_srv->url("/ad.png").toString()), "application/json");
        QFile::remove(m_store->configDir() + "/update.png");
        auto mgr = manager("/version.json");
        QSignalSpy spy(mgr.get(), &NetVersionMgr::doNetVersionChecked);
        mgr->checkVersion(false);
        QVERIFY(spy.wait(5000));
        QTRY_VERIFY(QFile::exists(m_store->configDir() + "/update.png"));
        // Pictures arrive scaled to the thumbnail box.
        QCOMPARE(QImage(m_store->configDir() + "/update.png").size(), QSize(336, 224));
    }
};

QTEST_GUILESS_MAIN(TestNetVersionMgr)
#include "tst_netversionmgr.moc"
