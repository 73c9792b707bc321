#include "function/VersionCheck/private/JsonAnalyser_Downloader.h"
#include "shell/ImageDownloader.h"
#include "shell/SettingsStore.h"

#include <QTemporaryDir>
#include <QtTest>

// The readers of the version file and the upgrade description.
class TestVersionJson : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<ImageDownloader> m_images;

    std::unique_ptr<JsonAnalyser_Downloader> reader()
    {
        return std::make_unique<JsonAnalyser_Downloader>(nullptr, m_images.get(), m_store.get());
    }

    static QByteArray completeUpgrade()
    {
        return "{\"upgrade\":{\"version\":{\"old\":[\"Version #current#\"],\"new\":[\"Version \",\"#new#\"]}," "\"description\":{\"old\":[\"a\"],\"new\":[\"b\"]},\"upgradelog\":[\"one\",\"two\"]," "\"upgradeurl\":\"https://u.example/up\",\"forcedurl\":\"https://u.example/force\"}}";
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_store.reset(new SettingsStore(m_dir.path(), false));
        m_images.reset(new ImageDownloader(m_store.get()));
    }

    void versionFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("complete") << QByteArray("{\"version\":\"8.4.0.0\",\"Date\":\"2026-2-1\",\"forced\":\"8.0\",\"en\":\"http://x/en\"}")
                                  << true << "8.4.0.0" << QStringList{"en"};
        QTest::newRow("version only") << QByteArray("{\"version\":\"8.4\"}") << false << "8.4" << QStringList();
        QTest::newRow("empty version") << QByteArray("{\"version\":\"\",\"en\":\"http://x\"}") << false << ""
                                       << QStringList{"en"};
        QTest::newRow("comment becomes a code") << QByteArray("{\"version\":\"9\",\"comment\":\"hi\",\"fr\":\"http://f\"}")
                                                << true << "9" << QStringList{"comment", "fr"};
        QTest::newRow("date is case sensitive") << QByteArray("{\"version\":\"9\",\"date\":\"x\"}") << true << "9"
                                                << QStringList{"date"};
        QTest::newRow("number version reads empty") << QByteArray("{\"version\":8.4,\"en\":\"e\"}") << false << ""
                                                    << QStringList{"en"};
        QTest::newRow("not json") << QByteArray("<html>") << false << "" << QStringList();
        QTest::newRow("array root") << QByteArray("[\"version\"]") << false << "" << QStringList();
    }
    void versionFile()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, usable);
        QFETCH(QString, version);
        QFETCH(QStringList, codes);
        auto r = reader();
        QCOMPARE(r->analyseVersion(json), usable);
        QCOMPARE(r->versionInfo.version, version);
        QCOMPARE(r->versionInfo.descriptionUrls.keys(), codes);
    }

    void versionFileKeepsWhatIsAbsent()
    {
        auto r = reader();
        QVERIFY(r->analyseVersion("{\"version\":\"8.4\",\"Date\":\"d1\",\"forced\":\"8.1\",\"en\":\"http://e\"}"));
        QVERIFY(r->analyseVersion("{\"version\":\"8.5\",\"fr\":\"http://f\"}"));
        QCOMPARE(r->versionInfo.date, QString("d1"));
        QCOMPARE(r->versionInfo.forced, QString("8.1"));
        QCOMPARE(r->versionInfo.descriptionUrls.keys(), (QStringList{"en", "fr"}));
    }

    void upgradeSection()
    {
        auto r = reader();
        QVERIFY(r->analyseUpgrade(completeUpgrade()));
        QCOMPARE(r->upgradeInfo.oldVersionText, QString("Version #current#"));
        // Array elements joined with nothing between them.
        QCOMPARE(r->upgradeInfo.newVersionText, QString("Version #new#"));
        QCOMPARE(r->upgradeInfo.upgradeLog, (QStringList{"one", "two"}));
        QCOMPARE(r->upgradeInfo.forcedUrl, QString("https://u.example/force"));

        QByteArray noForced = completeUpgrade();
        noForced.replace("\"https://u.example/force\"", "\"\"");
        QVERIFY(!r->analyseUpgrade(noForced));
        QVERIFY(r->upgradeInfo.forcedUrl.isEmpty());
        QVERIFY(!r->analyseUpgrade("{\"upgrade\":{}}"));
        QVERIFY(r->upgradeInfo.upgradeLog.isEmpty());
    }

    void adsSection_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("nextRate");
        QTest::newRow("no ads keeps defaults") << QByteArray("{}") << "" << 100 << 100;
        // The picture is fetched at once: loopback addresses on a closed
        // port, so that the test never reaches out to the network.
        QTest::newRow("picture when bigpicture empty")
            << QByteArray("{\"ads\":{\"bigpicture\":\"\",\"picture\":\"http://127.0.0.1:1/s.png\",\"rate\":30,\"next_rate\":70}}")
            << "http://127.0.0.1:1/s.png" << 30 << 70;
        QTest::newRow("bigpicture first")
            << QByteArray("{\"ads\":{\"bigpicture\":\"http://127.0.0.1:1/b\",\"picture\":\"http://127.0.0.1:1/p\"}}")
            << "http://127.0.0.1:1/b" << 0 << 0;
        QTest::newRow("fraction cut") << QByteArray("{\"ads\":{\"rate\":12.9,\"next_rate\":-3.7}}") << "" << 12 << -3;
        QTest::newRow("out of range clamped") << QByteArray("{\"ads\":{\"rate\":1e20,\"next_rate\":-1e20}}") << ""
                                              << int(std::numeric_limits<qint32>::max())
                                              << int(std::numeric_limits<qint32>::min());
        QTest::newRow("text number reads 0") << QByteArray("{\"ads\":{\"rate\":\"50\"}}") << "" << 0 << 0;
    }
    void adsSection()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, picture);
        QFETCH(int, rate);
        QFETCH(int, nextRate);
        auto r = reader();
        QVERIFY(!r->analyseUpgrade(json));
        QCOMPARE(r->adsInfo.picture, picture);
        QCOMPARE(r->adsInfo.rate, rate);
        QCOMPARE(r->adsInfo.nextRate, nextRate);
    }

    void listSections()
    {
        auto r = reader();
        const QByteArray json = "{\"additional\":{\"b\":{\"product\":\"B\"},\"a\":{\"product\":\"A\",\"url\":\"http://a\"}}," "\"convert\":{\"z\":{\"title\":\"Z\"},\"m\":{\"title\":\"M\",\"url\":\"u\"}}," "\"website\":{\"title\":\"Site\",\"url\":\"http://s\"}}";
        r->analyseUpgrade(json);
        r->analyseUpgrade(json);   // a second parse replaces, it does not add
        QCOMPARE(r->additionalTools.size(), 2);
        QCOMPARE(r->additionalTools.at(0).product, QString("A"));
        QCOMPARE(r->additionalTools.at(0).url, QString("http://a"));
        QCOMPARE(r->convertLinks.size(), 2);
        QCOMPARE(r->convertLinks.at(0).title, QString("M"));
        QCOMPARE(r->websiteLink.title, QString("Site"));
        // A description without "website" leaves the link as it was.
        r->analyseUpgrade("{\"convert\":{}}");
        QCOMPARE(r->websiteLink.url, QString("http://s"));
        QVERIFY(r->convertLinks.isEmpty());
        QCOMPARE(r->additionalTools.size(), 2);
        // A repeated member name keeps its last value.
        r->analyseUpgrade("{\"additional\":{\"a\":{\"product\":\"first\"},\"a\":{\"product\":\"second\"}}}");
        QCOMPARE(r->additionalTools.size(), 1);
        QCOMPARE(r->additionalTools.at(0).product, QString("second"));
    }

    void promotionPictureSaved()
    {
        auto r = reader();
        r->adsInfo.picture = "http://pics/ad.png";
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::blue);
        r->onImgFinished("http://pics/other.png", img);
        QVERIFY(!QFile::exists(r->picturePath()));
        r->onImgFinished("http://pics/ad.png", img);
        QCOMPARE(r->picturePath(), m_store->configDir() + "/update.png");
        QImage saved(r->picturePath());
        QCOMPARE(saved.size(), QSize(40, 30));
    }
};

QTEST_GUILESS_MAIN(TestVersionJson)
#include "tst_versionjson.moc"
