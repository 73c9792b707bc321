#include "function/Youtube/private/Accounts/AccountTrusteeship.h"
#include "function/Youtube/private/Accounts/Extractor.h"
#include "shell/SettingsStore.h"
#include "../KillSteps.h"

#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <sys/stat.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

int fileMode(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 0777);
}

QByteArray entryJson(const QString& website, const QString& name, const QList<QPair<QString, QString>>& accounts)
{
    QJsonArray test;
    for (const auto& a : accounts)
        test.append(QJsonObject{{"playlist", SettingsStore::encryptText(a.first)},
                                {"id", SettingsStore::encryptText(a.second)}});
    return QJsonDocument(QJsonObject{{"website", website}, {"name", name}, {"test", test}}).toJson(QJsonDocument::Compact);
}

} // namespace

class TestAccounts : public QObject
{
    Q_OBJECT
private slots:
    void replacedAccountSurvivesAKill();
    void extractorMatch_data();
    void extractorMatch();
    void createExtractorKeys();

    void accountForUrl_data();
    void accountForUrl();

    void missingFileBuildsTwoEntriesAndWritesNothing();
    void unreadableFiles_data();
    void unreadableFiles();
    void fileWithBothSitesKeepsItsOrderAndAccounts();
    void addRemoveCurrent();
    void fileIsEncipheredPrivateAndStable();
    void defaultPathFollowsEngineFolder();
    void movingEntriesWhileAThreadAsks();
};

void TestAccounts::extractorMatch_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("match");

    const QString yt = SiteKeys::youtube();
    const QString vi = SiteKeys::vimeo();
    const QString dm = SiteKeys::dailymotion();
    const QString fb = SiteKeys::facebook();

    QTest::newRow("full https www") << yt << "https://www.youtube.com/watch?v=abc" << true;
    QTest::newRow("no scheme") << yt << "youtube.com/watch?v=abc" << true;
    QTest::newRow("slashes only") << yt << "//www.youtube.com/watch?v=abc" << true;
    QTest::newRow("upper case") << yt << "HTTPS://WWW.YOUTUBE.COM/WATCH?v=abc" << true;
    QTest::newRow("short link") << yt << "https://youtu.be/abc" << true;
    QTest::newRow("no-cookie") << yt << "https://www.youtube-nocookie.com/embed/abc" << true;
    QTest::newRow("api host") << yt << "https://youtube.googleapis.com/v/abc" << true;
    QTest::newRow("host only") << yt << "youtube.com" << true;
    QTest::newRow("port") << yt << "https://www.youtube.com:443/watch?v=abc" << true;
    QTest::newRow("link service path") << yt << "https://deturl.com/www.youtube.com/watch?v=abc" << true;
    QTest::newRow("link service other path") << yt << "https://deturl.com/www.example.com/watch" << false;
    QTest::newRow("link service look-alike path") << yt << "https://deturl.com/www.youtube.com.evil.example/x" << false;
    QTest::newRow("mobile host") << yt << "https://m.youtube.com/watch?v=abc" << false;
    QTest::newRow("look-alike suffix") << yt << "https://youtube.com.evil.example/watch?v=abc" << false;
    QTest::newRow("look-alike www suffix") << yt << "https://www.youtube.com.evil.example/" << false;
    QTest::newRow("extra w") << yt << "https://wwyoutube.com/" << false;
    QTest::newRow("many w") << yt << "https://wwww.youtube.com/" << false;
    QTest::newRow("user info") << yt << "https://www.youtube.com@evil.example/watch" << false;
    QTest::newRow("backslash") << yt << "https://evil.example\\@www.youtube.com/" << false;
    // Python's address parser sends this one to evil.example.
    QTest::newRow("backslash before user info") << yt << "https://www.youtube.com\\@evil.example/watch" << false;
    QTest::newRow("host further on") << yt << "https://example.com/?u=https://www.youtube.com/" << false;
    QTest::newRow("other scheme") << yt << "ftp://www.youtube.com/" << false;
    QTest::newRow("empty") << yt << "" << false;

    QTest::newRow("vimeo") << vi << "https://vimeo.com/12345" << true;
    QTest::newRow("vimeo player") << vi << "https://player.vimeo.com/video/12345" << true;
    QTest::newRow("vimeo pro") << vi << "https://www.vimeopro.com/x/y" << true;
    QTest::newRow("vimeo w look-alike") << vi << "https://wvimeo.com/12345" << false;
    QTest::newRow("vimeo not youtube") << vi << "https://www.youtube.com/watch?v=abc" << false;
    QTest::newRow("dailymotion") << dm << "https://www.dailymotion.com/video/x1" << true;
    QTest::newRow("facebook") << fb << "https://www.facebook.com/watch/?v=1" << true;
    QTest::newRow("facebook look-alike") << fb << "https://facebook.com.evil.example/" << false;
}

void TestAccounts::extractorMatch()
{
    QFETCH(QString, site);
    QFETCH(QString, url);
    QFETCH(bool, match);
    std::unique_ptr<Extractor> e(createExtractor(site));
    QVERIFY(e);
    const QString before = url;
    QCOMPARE(e->matchUrl(url), match);
    QCOMPARE(url, before);
}

void TestAccounts::createExtractorKeys()
{
    std::unique_ptr<Extractor> yt(createExtractor(QStringLiteral("www.youtube.com")));
    QVERIFY(dynamic_cast<extractor_youtube*>(yt.get()));
    QCOMPARE(yt->hostList().size(), 9);
    std::unique_ptr<Extractor> vi(createExtractor(QStringLiteral("www.vimeo.com")));
    QVERIFY(dynamic_cast<extractor_vimeo*>(vi.get()));
    QCOMPARE(vi->hostList().size(), 3);
    std::unique_ptr<Extractor> fb(createExtractor(QStringLiteral("www.facebook.com")));
    QVERIFY(dynamic_cast<extractor_facebook*>(fb.get()));
    std::unique_ptr<Extractor> dm(createExtractor(QStringLiteral("www.dailymotion.com")));
    QVERIFY(dynamic_cast<extractor_dailymotion*>(dm.get()));
    QVERIFY(!createExtractor(QStringLiteral("WWW.YOUTUBE.COM")));
    QVERIFY(!createExtractor(QStringLiteral("youtube.com")));
    QVERIFY(!createExtractor(QString()));
    // No listed host begins with "w" or carries a scheme or "www.".
    for (const QString& h : yt->hostList() + vi->hostList() + fb->hostList() + dm->hostList()) {
        QVERIFY2(!h.startsWith('w') && !h.contains("://") && h == h.toLower(), qPrintable(h));
    }
}

void TestAccounts::accountForUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("site");

    QTest::newRow("youtube") << "https://www.youtube.com/playlist?list=WL" << true << "yt-user" << "www.youtube.com";
    QTest::newRow("vimeo empty account") << "https://vimeo.com/1" << true << "" << "www.vimeo.com";
    QTest::newRow("look-alike youtube") << "https://youtube.com.evil.example/watch?v=1" << false << "" << "";
    QTest::newRow("look-alike vimeo") << "https://wvimeo.com/1" << false << "" << "";
    QTest::newRow("other site") << "https://example.com/video" << false << "" << "";
    QTest::newRow("dailymotion has no entry") << "https://www.dailymotion.com/video/x1" << false << "" << "";
}

void TestAccounts::accountForUrl()
{
    QFETCH(QString, url);
    QFETCH(bool, found);
    QFETCH(QString, user);
    QFETCH(QString, site);

    QTemporaryDir dir;
    const QString path = dir.filePath("AP");
    AccountTrusteeship store(path);
    store.sites()->at(0)->addAccount("yt-user", "yt-secret");

    QString u = "untouched";
    QString p = "untouched";
    QCOMPARE(store.accountForUrl(url, u, p), found);
    if (found) {
        QCOMPARE(u, user);
        QCOMPARE(p, user.isEmpty() ? QString() : QStringLiteral("yt-secret"));
    } else {
        QCOMPARE(u, QStringLiteral("untouched"));
        QCOMPARE(p, QStringLiteral("untouched"));
    }
    QCOMPARE(store.loginSite(url), site);
}

void TestAccounts::missingFileBuildsTwoEntriesAndWritesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("AP");
    AccountTrusteeship store(path);
    QCOMPARE(store.sites()->size(), 2);
    QCOMPARE(store.sites()->at(0)->website(), SiteKeys::youtube());
    QCOMPARE(store.sites()->at(0)->name(), QStringLiteral("youtube"));
    QCOMPARE(store.sites()->at(1)->website(), SiteKeys::vimeo());
    QCOMPARE(store.sites()->at(1)->name(), QStringLiteral("vimeo"));
    QVERIFY(store.sites()->at(1)->id() > store.sites()->at(0)->id());
    QVERIFY(store.sites()->at(0)->accounts().isEmpty());
    QVERIFY(!QFile::exists(path));
    const AccountInfo none = store.sites()->at(0)->firstAccount();
    QVERIFY(none.name.isEmpty() && none.password.isEmpty());
}

void TestAccounts::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not json") << QByteArray("this is { not json");
    QTest::newRow("object not array") << QByteArray("{\"website\":\"www.youtube.com\"}");
    QTest::newRow("empty array") << QByteArray("[]");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("third site") << QByteArray("[" + entryJson("www.youtube.com", "youtube", {{"a", "b"}}) + ","
                                              + entryJson("www.vimeo.com", "vimeo", {}) + ","
                                              + entryJson("www.dailymotion.com", "dailymotion", {}) + "]");
    QTest::newRow("two youtube") << QByteArray("[" + entryJson("www.youtube.com", "youtube", {{"a", "b"}}) + ","
                                               + entryJson("www.youtube.com", "youtube", {}) + "]");
}

void TestAccounts::unreadableFiles()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath("AP");
    writeFile(path, content);
    AccountTrusteeship store(path);
    QCOMPARE(store.sites()->size(), 2);
    QCOMPARE(store.sites()->at(0)->website(), SiteKeys::youtube());
    QCOMPARE(store.sites()->at(1)->website(), SiteKeys::vimeo());
    QVERIFY(store.sites()->at(0)->accounts().isEmpty());
    QVERIFY(store.sites()->at(1)->accounts().isEmpty());
    // The file is left as it was until the next change.
    QCOMPARE(readAll(path), content);
}

void TestAccounts::fileWithBothSitesKeepsItsOrderAndAccounts()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("AP");
    // Vimeo first, an unknown extra key and an unknown account key.
    QJsonArray doc = QJsonDocument::fromJson("[" + entryJson("www.vimeo.com", "vimeo", {{"v1", "pv1"}}) + ","
                                             + entryJson("www.youtube.com", "youtube", {{"first", "p1"}, {"second", "p2"}}) + "]")
                         .array();
    QJsonObject extra = doc[0].toObject();
    extra["colour"] = "blue";
    doc[0] = extra;
    writeFile(path, QJsonDocument(doc).toJson());

    AccountTrusteeship store(path);
    QCOMPARE(store.sites()->size(), 2);
    SiteAccount* vimeo = store.sites()->at(0);
    SiteAccount* youtube = store.sites()->at(1);
    QCOMPARE(vimeo->website(), SiteKeys::vimeo());
    QCOMPARE(vimeo->accountNames(), QStringList{"v1"});
    QCOMPARE(youtube->accountNames(), (QStringList{"first", "second"}));
    QCOMPARE(youtube->firstAccount().password, QStringLiteral("p1"));

    QString user, password;
    QVERIFY(store.accountForUrl("https://youtu.be/x", user, password));
    QCOMPARE(user, QStringLiteral("first"));
    QCOMPARE(password, QStringLiteral("p1"));
}

void TestAccounts::addRemoveCurrent()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("AP");
    AccountTrusteeship store(path);
    SiteAccount* yt = store.sites()->at(0);

    yt->addAccount("alice", "pa");
    QVERIFY(QFile::exists(path));
    yt->addAccount("bob", "pb");
    QCOMPARE(yt->accountNames(), (QStringList{"bob", "alice"}));

    // Re-adding replaces the password and makes it current.
    yt->addAccount("alice", "pa2");
    QCOMPARE(yt->accountNames(), (QStringList{"alice", "bob"}));
    QString name = "alice";
    QCOMPARE(yt->password(name), QStringLiteral("pa2"));

    // An empty name means the current account and is filled in.
    QString empty;
    QCOMPARE(yt->password(empty), QStringLiteral("pa2"));
    QCOMPARE(empty, QStringLiteral("alice"));
    QString nobody = "nobody";
    QCOMPARE(yt->password(nobody), QString());

    QVERIFY(yt->setCurrentAccount("bob"));
    QCOMPARE(yt->firstAccount().name, QStringLiteral("bob"));
    QVERIFY(!yt->setCurrentAccount("nobody"));
    QVERIFY(!yt->removeAccount("nobody"));
    QVERIFY(yt->removeAccount("bob"));
    QCOMPARE(yt->accountNames(), QStringList{"alice"});

    // What was saved reads back the same.
    AccountTrusteeship reread(path);
    QCOMPARE(reread.sites()->at(0)->accountNames(), QStringList{"alice"});
    QString n = "alice";
    QCOMPARE(reread.sites()->at(0)->password(n), QStringLiteral("pa2"));
    QCOMPARE(reread.sites()->at(1)->website(), SiteKeys::vimeo());
}

// The login dialog reorders the store on the graphical thread while
// analysis threads ask which site an address belongs to.
void TestAccounts::movingEntriesWhileAThreadAsks()
{
    QTemporaryDir dir;
    AccountTrusteeship store(dir.filePath("AP"));
    QVERIFY(!store.moveToFront(-1));
    QVERIFY(!store.moveToFront(2));
    std::atomic<bool> stop {false};
    std::atomic<int> wrong {0};
    std::atomic<int> asked {0};
    std::thread reader([&] {
        while (!stop.load()) {
            if (store.loginSite("https://www.youtube.com/watch?v=abc") != SiteKeys::youtube())
                ++wrong;
            if (store.loginSite("https://vimeo.com/12345") != SiteKeys::vimeo())
                ++wrong;
            QString user;
            QString password;
            store.accountForUrl("https://vimeo.com/12345", user, password);
            ++asked;
        }
    });
    SiteAccount* vimeo = store.sites()->at(1);
    for (int i = 0; i < 2000 || asked.load() < 100; ++i) {
        QVERIFY(store.moveToFront(1));
        if (i % 200 == 0)
            vimeo->addAccount(QStringLiteral("v%1").arg(i), QStringLiteral("p"));
    }
    stop = true;
    reader.join();
    QCOMPARE(wrong.load(), 0);
    // The order is memory only: the file keeps what the last save wrote.
    const QString front = store.sites()->at(0)->website();
    store.moveToFront(1);
    QVERIFY(store.sites()->at(0)->website() != front);
}

void TestAccounts::fileIsEncipheredPrivateAndStable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("AP");
    {
        AccountTrusteeship store(path);
        store.sites()->at(0)->addAccount("plainuser@example.com", "Sekrit-Passw0rd");
        store.sites()->at(1)->addAccount("vimeo-person", "Sekrit-Passw0rd");
    }
    const QByteArray bytes = readAll(path);
    QVERIFY(!bytes.isEmpty());
    QVERIFY(!bytes.contains("plainuser"));
    QVERIFY(!bytes.contains("Sekrit"));
    QVERIFY(!bytes.contains("vimeo-person"));
    QCOMPARE(fileMode(path), 0600);

    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    QVERIFY(doc.isArray());
    const QJsonObject yt = doc.array().at(0).toObject();
    QCOMPARE(yt.keys(), (QStringList{"name", "test", "website"}));
    const QJsonObject account = yt["test"].toArray().at(0).toObject();
    QCOMPARE(account.keys(), (QStringList{"id", "playlist"}));
    QCOMPARE(account["playlist"].toString(), SettingsStore::encryptText("plainuser@example.com"));
    // The same text enciphers to the same text.
    const QString vimeoPw = doc.array().at(1).toObject()["test"].toArray().at(0).toObject()["id"].toString();
    QCOMPARE(account["id"].toString(), vimeoPw);
    // Indented form.
    QVERIFY(bytes.contains("\n    "));

    // A file that was readable by others becomes private on the next save.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    AccountTrusteeship again(path);
    again.sites()->at(0)->addAccount("x", "y");
    QCOMPARE(fileMode(path), 0600);
    // No temporary files left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"AP"});
}

void TestAccounts::defaultPathFollowsEngineFolder()
{
    const QString engine = SettingsStore::fromStoredPath(SettingsStore::instance()->value("youtube/path"));
    QVERIFY(!engine.isEmpty());
    QCOMPARE(AccountTrusteeship::defaultFilePath(), engine + "/AP");
    QFile::remove(engine + "/AP");
    AccountTrusteeship store;
    QCOMPARE(store.filePath(), engine + "/AP");
    store.sites()->at(1)->addAccount("v", "w");
    QVERIFY(QFile::exists(engine + "/AP"));
    QFile::remove(engine + "/AP");
}

void TestAccounts::replacedAccountSurvivesAKill()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("AP");
    int saves = 0;
    const int kills = KillSteps::runUntilComplete(
        {"replace-account", path},
        [&] {
            QFile::remove(path);
            AccountTrusteeship store(path);
            store.sites()->at(0)->addAccount("bob", "old");
            store.sites()->at(0)->addAccount("alice", "a");
        },
        [&](bool killed) {
            AccountTrusteeship back(path);
            const QStringList names = back.sites()->at(0)->accountNames();
            QVERIFY2(names.contains("bob") && names.contains("alice"), qPrintable(names.join(',')));
            QString name = "bob";
            const QString password = back.sites()->at(0)->password(name);
            QVERIFY(password == "old" || password == "new");
            if (!killed) {
                QCOMPARE(password, QStringLiteral("new"));
                QCOMPARE(names.first(), QStringLiteral("bob"));
            }
            ++saves;
        });
    QVERIFY(kills >= 1);
    QCOMPARE(kills, 1);        // one write for the whole replacement
    QCOMPARE(saves, kills + 1);
}

// The test binary doubles as the process the kill test ends.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--kill-step") == 0 && qstrcmp(argv[3], "replace-account") == 0) {
        KillSteps::killAt() = atoi(argv[2]);
        AccountTrusteeship::s_afterSave = &KillSteps::childStep;
        AccountTrusteeship store(QString::fromLocal8Bit(argv[4]));
        store.sites()->at(0)->addAccount("bob", "new");
        return 0;
    }
    TestAccounts tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_accounts.moc"
