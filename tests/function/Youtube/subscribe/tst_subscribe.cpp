// The subscription database and manager against a real SQLite file.

#include "function/Youtube/private/SubscribeListMgr/SubscribeDatabase.h"
#include "function/Youtube/private/SubscribeListMgr/SubscribeListMgr.h"
#include "shell/ImageDownloader.h"
#include "shell/SettingsStore.h"
#include "../KillSteps.h"

#include "LocalHttpServer.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <link.h>
#include <memory>

using Youtube_Structure::Item;
using Youtube_Structure::List;
using Youtube_Structure::Lists;

namespace {

// Reads the file through a connection of the test's own.
QVariantList column(const QString& path, const QString& sql)
{
    QVariantList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tst_reader"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql))
                while (q.next())
                    out.append(q.value(0));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tst_reader"));
    return out;
}

void execSql(const QString& path, const QString& sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tst_writer"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tst_writer"));
}

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A one-list analysis result of a playlist with the given video addresses.
std::unique_ptr<Lists> oneList(const QString& extractor, const QString& id, const QStringList& urls)
{
    auto lists = std::make_unique<Lists>();
    List list;
    list.extractor = extractor;
    list.id = id;
    list.url = QStringLiteral("https://example.org/list/") + id;
    list.title = QStringLiteral("List ") + id;
    for (const QString& u : urls) {
        Item item;
        item.url = u;
        item.title = QStringLiteral("fresh title of ") + u;
        list.items.append(std::move(item));
    }
    lists->append(std::move(list));
    return lists;
}

QStringList itemUrls(const List& list)
{
    QStringList out;
    for (const Item& item : list.items)
        out.append(item.url);
    return out;
}

} // namespace

class TstSubscribe : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void driverStaysLoadedWithoutAConnection();
    void firstOpenCreatesSchema();
    void emptyOrPartialFileHeals();
    void listsWithQuotesAndDuplicates();
    void loadListsOrderAndBadKeys();
    void removeListDropsItsVideos();
    void addItemRecordsAndReplaces();
    void addItemStoresThumbnail();
    void readdedRecordSurvivesAKill();
    void refreshMarksAndPrunes();
    void refreshKeepsHistoryWhenIncomplete();
    void markingFromWorkerThread();
    void filterNotApplied();
    void filterBySettings_data();
    void filterBySettings();
    void filterEmptyAnalysisKeepsHistory();
    void addSubscribeListAddress_data();
    void addSubscribeListAddress();
    void downloadFinished();

private:
    QString dbPath() const { return m_dir->path() + QStringLiteral("/SubscribeLists.db"); }
    void setSetting(const char* key, const char* value)
    {
        SettingsStore::instance()->setValue(QString::fromLatin1(key), QString::fromLatin1(value));
    }
    // A downloaded file that exists, and the path of one that does not.
    QString existingFile(const QString& name)
    {
        const QString p = m_dir->path() + QLatin1Char('/') + name;
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        return p;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstSubscribe::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), SettingsStore::toStoredPath(m_dir->path()));
    setSetting("youtube/subscribeNew", "true");
    setSetting("youtube/subscribeOnce", "false");
    setSetting("youtube/subscribeDownloaded", "false");
}

void TstSubscribe::cleanup()
{
    m_dir.reset();
}

void TstSubscribe::driverStaysLoadedWithoutAConnection()
{
    const auto sqliteDriverLoaded = [] {
        bool found = false;
        dl_iterate_phdr(
            [](dl_phdr_info* info, size_t, void* data) {
                if (QByteArray(info->dlpi_name).endsWith("/libqsqlite.so"))
                    *static_cast<bool*>(data) = true;
                return 0;
            },
            &found);
        return found;
    };
    QVERIFY(!sqliteDriverLoaded());
    SubscribeDatabase::loadDriver();
    QVERIFY(sqliteDriverLoaded());
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
}

void TstSubscribe::firstOpenCreatesSchema()
{
    SubscribeDatabase db;
    QCOMPARE(db.filePath(), dbPath());
    QVERIFY(!QFile::exists(dbPath()));
    QVERIFY(db.openDataBase());
    QVERIFY(QFile::exists(dbPath()));
    const QVariantList tables = column(dbPath(), QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"));
    QCOMPARE(tables, (QVariantList{QStringLiteral("subscribeList"), QStringLiteral("subscribeLists"), QStringLiteral("version")}));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT version_ FROM version")), QVariantList{QStringLiteral("1.0.0")});

    // A second open of a complete file adds nothing.
    SubscribeDatabase again;
    QVERIFY(again.openDataBase());
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT count(*) FROM version")), QVariantList{1});
}

void TstSubscribe::emptyOrPartialFileHeals()
{
    // A file left empty by a crash.
    {
        QFile f(dbPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    {
        SubscribeDatabase db;
        QVERIFY(db.openDataBase());
        QVERIFY(db.addList(QStringLiteral("youtube:tab"), QStringLiteral("PL1"), QStringLiteral("u"), QStringLiteral("t")));
        QCOMPARE(db.loadLists().size(), 1);
    }
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT version_ FROM version")), QVariantList{QStringLiteral("1.0.0")});

    // A file with the version table emptied and the video table missing.
    execSql(dbPath(), QStringLiteral("DROP TABLE subscribeList"));
    execSql(dbPath(), QStringLiteral("DELETE FROM version"));
    {
        SubscribeDatabase db;
        QVERIFY(db.openDataBase());
        QCOMPARE(db.loadLists().size(), 1);    // the list survived
    }
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT count(*) FROM subscribeList")), QVariantList{0});
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT version_ FROM version")), QVariantList{QStringLiteral("1.0.0")});
}

void TstSubscribe::listsWithQuotesAndDuplicates()
{
    SubscribeDatabase db;
    QVERIFY(db.openDataBase());
    const QString title = QStringLiteral("Rock 'n' Roll \"Live\"; DROP TABLE version; --");
    QVERIFY(db.addList(QStringLiteral("youtube:tab"), QStringLiteral("PL'x"), QStringLiteral("https://x/'a'"), title));
    QVERIFY(db.listRowId(QStringLiteral("youtube:tab"), QStringLiteral("PL'x")) >= 0);
    QCOMPARE(db.listRowId(QStringLiteral("youtube:tab"), QStringLiteral("other")), -1);

    // The same key again fails and keeps the stored row.
    const QVariantList timeBefore = column(dbPath(), QStringLiteral("SELECT time FROM subscribeLists"));
    QVERIFY(!db.addList(QStringLiteral("youtube:tab"), QStringLiteral("PL'x"), QStringLiteral("other"), QStringLiteral("other")));
    QList<SubscribeRecord> lists = db.loadLists();
    QCOMPARE(lists.size(), 1);
    QCOMPARE(lists.first().title, title);
    QCOMPARE(lists.first().url, QStringLiteral("https://x/'a'"));
    QCOMPARE(lists.first().extractor, QStringLiteral("youtube:tab"));
    QCOMPARE(lists.first().listId, QStringLiteral("PL'x"));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT time FROM subscribeLists")), timeBefore);

    SubscribeRecord r = lists.first();
    r.title = QStringLiteral("It's renamed");
    db.updateListTitle(r);
    QCOMPARE(db.loadLists().first().title, QStringLiteral("It's renamed"));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT count(*) FROM version")), QVariantList{1});
}

void TstSubscribe::loadListsOrderAndBadKeys()
{
    SubscribeDatabase db;
    QVERIFY(db.openDataBase());
    QVERIFY(db.addList(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("u1"), QStringLiteral("old")));
    QVERIFY(db.addList(QStringLiteral("b"), QStringLiteral("2"), QStringLiteral("u2"), QStringLiteral("new")));
    QVERIFY(db.addList(QStringLiteral("c_##_x"), QStringLiteral("3"), QStringLiteral("u3"), QStringLiteral("bad key")));
    execSql(dbPath(), QStringLiteral("UPDATE subscribeLists SET time = 10 WHERE title = 'old'"));
    execSql(dbPath(), QStringLiteral("UPDATE subscribeLists SET time = 20 WHERE title = 'new'"));
    const QList<SubscribeRecord> lists = db.loadLists();
    QCOMPARE(lists.size(), 2);
    QCOMPARE(lists.at(0).title, QStringLiteral("new"));
    QCOMPARE(lists.at(1).title, QStringLiteral("old"));

    // The time value counts seconds from 2018-08-14 10:42:00 local time.
    const qint64 expected = QDateTime(QDate(2018, 8, 14), QTime(10, 42)).secsTo(QDateTime::currentDateTime());
    QVERIFY(qAbs(SubscribeDatabase::currentTimeValue() - expected) <= 2);
    QCOMPARE(SubscribeDatabase::makeKey(QStringLiteral("ex"), QStringLiteral("id")), QStringLiteral("ex_##_id"));
}

void TstSubscribe::removeListDropsItsVideos()
{
    SubscribeDatabase db;
    QVERIFY(db.openDataBase());
    QVERIFY(db.addList(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("u1"), QStringLiteral("one")));
    QVERIFY(db.addList(QStringLiteral("b"), QStringLiteral("2"), QStringLiteral("u2"), QStringLiteral("two")));
    QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v1"), QStringLiteral("/p1"), QStringLiteral("t"), QString()));
    QVERIFY(db.addItem(QStringLiteral("b"), QStringLiteral("2"), QStringLiteral("v2"), QStringLiteral("/p2"), QStringLiteral("t"), QString()));
    db.removeList(QStringLiteral("a"), QStringLiteral("1"));
    db.removeList(QStringLiteral("zz"), QStringLiteral("9"));   // absent: nothing happens
    QCOMPARE(db.loadLists().size(), 1);
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT url FROM subscribeList")), QVariantList{QStringLiteral("v2")});
}

void TstSubscribe::addItemRecordsAndReplaces()
{
    SubscribeDatabase db;
    QVERIFY(db.openDataBase());
    QVERIFY(db.addList(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("u1"), QStringLiteral("one")));
    const QString url = QStringLiteral("https://v/watch?v='q'");
    QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), url, QStringLiteral("/p/it's.mp4"), QStringLiteral("Don't stop"), QString()));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT title FROM subscribeList")), QVariantList{QStringLiteral("Don't stop")});
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT list_rowid FROM subscribeList")),
             QVariantList{QString::number(db.listRowId(QStringLiteral("a"), QStringLiteral("1")))});

    // Downloaded again: one row per address.
    QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), url, QStringLiteral("/p/new.mp4"), QStringLiteral("again"), QString()));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT path FROM subscribeList")), QVariantList{QStringLiteral("/p/new.mp4")});

    // A list that is not subscribed: the stored row of the address goes, nothing is added.
    QVERIFY(!db.addItem(QStringLiteral("zz"), QStringLiteral("9"), url, QStringLiteral("/p/x.mp4"), QStringLiteral("x"), QString()));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT count(*) FROM subscribeList")), QVariantList{0});
}

void TstSubscribe::addItemStoresThumbnail()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    {
        QBuffer b(&png);
        b.open(QIODevice::WriteOnly);
        picture.save(&b, "PNG");
    }
    LocalHttpServer::Route route;
    route.body = png;
    route.headers.append(LocalHttpServer::Header("Content-Type", "image/png"));
    server.addRoute(QStringLiteral("/thumb.png"), route);
    const QString thumb = server.url(QStringLiteral("/thumb.png")).toString();

    // The first ask queues the picture; once it is cached it is stored.
    QSignalSpy arrived(ImageDownloader::instance(), &ImageDownloader::doImgDownloadFinished);
    QVERIFY(ImageDownloader::instance()->getImage(thumb).isNull());
    QVERIFY(arrived.wait(10000));

    SubscribeDatabase db;
    QVERIFY(db.openDataBase());
    QVERIFY(db.addList(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("u1"), QStringLiteral("one")));
    QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v1"), QStringLiteral("/p1"), QStringLiteral("t"), thumb));
    auto lists = oneList(QStringLiteral("a"), QStringLiteral("1"), {QStringLiteral("v1")});
    db.refreshList(lists->ptr(0));
    const Item& item = lists->first().items.first();
    QVERIFY(!item.image.isNull());
    QCOMPARE(item.image.pixelColor(5, 5), QColor(Qt::red));
}

void TstSubscribe::refreshMarksAndPrunes()
{
    SubscribeDatabase db;
    QVERIFY(db.openDataBase());
    QVERIFY(db.addList(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("u1"), QStringLiteral("one")));
    const QString kept = existingFile(QStringLiteral("kept.mp4"));
    const QString gone = m_dir->path() + QStringLiteral("/gone.mp4");
    QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v1"), kept, QStringLiteral("stored one"), QString()));
    QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v2"), gone, QStringLiteral("stored two"), QString()));
    QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v9"), gone, QStringLiteral("left the list"), QString()));
    execSql(dbPath(), QStringLiteral("UPDATE subscribeLists SET time = 5"));

    auto lists = oneList(QStringLiteral("a"), QStringLiteral("1"), {QStringLiteral("v1"), QStringLiteral("v2"), QStringLiteral("v3")});
    db.refreshList(lists->ptr(0), true);
    const List& list = lists->first();
    QCOMPARE(list.items[0].downloadState, 2);
    QCOMPARE(list.items[0].title, QStringLiteral("stored one"));
    QCOMPARE(list.items[0].note, kept);
    QCOMPARE(list.items[1].downloadState, 1);
    QCOMPARE(list.items[1].note, gone);
    QCOMPARE(list.items[2].downloadState, 3);       // no history: left to the filter
    QCOMPARE(list.items[2].title, QStringLiteral("fresh title of v3"));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT url FROM subscribeList ORDER BY url")),
             (QVariantList{QStringLiteral("v1"), QStringLiteral("v2")}));
    QVERIFY(column(dbPath(), QStringLiteral("SELECT time FROM subscribeLists")).first().toInt() > 5);
}

void TstSubscribe::refreshKeepsHistoryWhenIncomplete()
{
    SubscribeDatabase db;
    QVERIFY(db.openDataBase());
    QVERIFY(db.addList(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("u1"), QStringLiteral("one")));
    QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v1"), QStringLiteral("/p"), QStringLiteral("t"), QString()));
    QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v9"), QStringLiteral("/p"), QStringLiteral("t"), QString()));
    auto lists = oneList(QStringLiteral("a"), QStringLiteral("1"), {QStringLiteral("v1")});
    db.refreshList(lists->ptr(0), false);
    QCOMPARE(lists->first().items.first().downloadState, 1);
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT count(*) FROM subscribeList")), QVariantList{2});
}

void TstSubscribe::markingFromWorkerThread()
{
    SubscribeListMgr mgr;     // its connection belongs to this thread
    auto record = oneList(QStringLiteral("a"), QStringLiteral("1"), {});
    mgr.addSubscribeList(record->ptr(0));
    const QString kept = existingFile(QStringLiteral("kept.mp4"));
    QVERIFY(mgr.database()->addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v1"), kept,
                                    QStringLiteral("stored"), QString()));

    auto lists = oneList(QStringLiteral("a"), QStringLiteral("1"), {QStringLiteral("v1"), QStringLiteral("v2")});
    bool filtered = false;
    std::unique_ptr<QThread> worker(QThread::create([&] { filtered = mgr.filterSubscribedList(lists.get()); }));
    worker->start();
    QVERIFY(worker->wait(10000));
    QVERIFY(filtered);
    const List& list = lists->first();
    QVERIFY(list.subscribed);
    QCOMPARE(itemUrls(list), (QStringList{QStringLiteral("v2"), QStringLiteral("v1")}));
    QCOMPARE(list.items[1].downloadState, 2);
    QCOMPARE(list.items[1].status, int(YtbSkipped));

    // The worker's connection is gone with its operation; this thread's still works.
    QCOMPARE(mgr.subscribeLists().size(), 1);
    QVERIFY(QSqlDatabase::connectionNames().size() <= 1);
}

void TstSubscribe::filterNotApplied()
{
    SubscribeListMgr mgr;
    auto two = std::make_unique<Lists>();
    two->append(List());
    two->append(List());
    QVERIFY(!mgr.filterSubscribedList(two.get()));
    QVERIFY(!two->first().subscribable);

    // A single video: the list's address is the item's.
    auto single = oneList(QStringLiteral("a"), QStringLiteral("1"), {QStringLiteral("x")});
    single->first().url = QStringLiteral("x");
    QVERIFY(!mgr.filterSubscribedList(single.get()));
    QVERIFY(!single->first().subscribable);
    QVERIFY(!single->first().subscribed);

    // A real list that is not subscribed: subscribable only.
    auto notSubscribed = oneList(QStringLiteral("a"), QStringLiteral("1"), {QStringLiteral("x"), QStringLiteral("y")});
    QVERIFY(!mgr.filterSubscribedList(notSubscribed.get()));
    QVERIFY(notSubscribed->first().subscribable);
    QVERIFY(!notSubscribed->first().subscribed);
    QCOMPARE(notSubscribed->first().items.first().downloadState, 3);
}

void TstSubscribe::filterBySettings_data()
{
    QTest::addColumn<QString>("takeNew");
    QTest::addColumn<QString>("takeOnce");
    QTest::addColumn<QString>("takeDownloaded");
    QTest::addColumn<QString>("analysed");   // per item in the final order: 1 = to analyse

    // The list holds (in analysed order) there1, new1, gone1, new2, there2;
    // the final order is always new1 new2 gone1 there1 there2.
    QTest::newRow("defaults") << "true" << "false" << "false" << "11000";
    QTest::newRow("once") << "true" << "true" << "false" << "11100";
    QTest::newRow("all") << "true" << "true" << "true" << "11111";
    QTest::newRow("downloaded only") << "false" << "false" << "true" << "00011";
    QTest::newRow("none") << "false" << "false" << "false" << "00000";
    QTest::newRow("not exactly true") << "TRUE" << "yes" << "1" << "00000";
}

void TstSubscribe::filterBySettings()
{
    QFETCH(QString, takeNew);
    QFETCH(QString, takeOnce);
    QFETCH(QString, takeDownloaded);
    QFETCH(QString, analysed);
    SettingsStore::instance()->setValue(QStringLiteral("youtube/subscribeNew"), takeNew);
    SettingsStore::instance()->setValue(QStringLiteral("youtube/subscribeOnce"), takeOnce);
    SettingsStore::instance()->setValue(QStringLiteral("youtube/subscribeDownloaded"), takeDownloaded);

    SubscribeListMgr mgr;
    auto record = oneList(QStringLiteral("youtube:tab"), QStringLiteral("PL"), {});
    mgr.addSubscribeList(record->ptr(0));
    const QString there = existingFile(QStringLiteral("there.mp4"));
    const QString gone = m_dir->path() + QStringLiteral("/gone.mp4");
    SubscribeDatabase* db = mgr.database();
    QVERIFY(db->addItem(QStringLiteral("youtube:tab"), QStringLiteral("PL"), QStringLiteral("there1"), there, QStringLiteral("T1"), QString()));
    QVERIFY(db->addItem(QStringLiteral("youtube:tab"), QStringLiteral("PL"), QStringLiteral("there2"), there, QStringLiteral("T2"), QString()));
    QVERIFY(db->addItem(QStringLiteral("youtube:tab"), QStringLiteral("PL"), QStringLiteral("gone1"), gone, QStringLiteral("G1"), QString()));

    auto lists = oneList(QStringLiteral("youtube:tab"), QStringLiteral("PL"),
                         {QStringLiteral("there1"), QStringLiteral("new1"), QStringLiteral("gone1"), QStringLiteral("new2"),
                          QStringLiteral("there2")});
    QVector<const Item*> before;
    for (const Item& item : lists->first().items)
        before.append(&item);
    QVERIFY(mgr.filterSubscribedList(lists.get()));
    const List& list = lists->first();
    QVERIFY(list.subscribable);
    QVERIFY(list.subscribed);
    QCOMPARE(itemUrls(list), (QStringList{QStringLiteral("new1"), QStringLiteral("new2"), QStringLiteral("gone1"),
                                          QStringLiteral("there1"), QStringLiteral("there2")}));
    const QVector<int> states{0, 0, 1, 2, 2};
    for (int i = 0; i < list.items.size(); ++i) {
        const Item& item = list.items[i];
        QVERIFY(before.contains(&item));          // moved, never copied
        QCOMPARE(item.downloadState, states[i]);
        const bool take = analysed.at(i) == QLatin1Char('1');
        QCOMPARE(item.analyseIt, take);
        QCOMPARE(item.status, take ? int(YtbNoError) : int(YtbSkipped));
        QCOMPARE(item.analysed, !take);
        QCOMPARE(item.checkState, take ? 2 : 0);
    }
}

void TstSubscribe::filterEmptyAnalysisKeepsHistory()
{
    SubscribeListMgr mgr;
    auto record = oneList(QStringLiteral("a"), QStringLiteral("1"), {});
    mgr.addSubscribeList(record->ptr(0));
    QVERIFY(mgr.database()->addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v1"), QStringLiteral("/p"), QStringLiteral("t"), QString()));
    QVERIFY(mgr.database()->addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v2"), QStringLiteral("/p"), QStringLiteral("t"), QString()));

    auto empty = oneList(QStringLiteral("a"), QStringLiteral("1"), {});
    QVERIFY(mgr.filterSubscribedList(empty.get()));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT count(*) FROM subscribeList")), QVariantList{2});

    // A list cut short by the entry cap keeps the history of what it did not see.
    auto cut = oneList(QStringLiteral("a"), QStringLiteral("1"), {QStringLiteral("v1"), QStringLiteral("v3")});
    QVERIFY(mgr.filterSubscribedList(cut.get(), false));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT count(*) FROM subscribeList")), QVariantList{2});

    // A complete analysis forgets the videos the list no longer holds.
    auto full = oneList(QStringLiteral("a"), QStringLiteral("1"), {QStringLiteral("v1"), QStringLiteral("v3")});
    QVERIFY(mgr.filterSubscribedList(full.get(), true));
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT url FROM subscribeList")), QVariantList{QStringLiteral("v1")});
}

void TstSubscribe::addSubscribeListAddress_data()
{
    QTest::addColumn<QString>("extractor");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("stored");
    QTest::newRow("youtube without address") << "youtube:tab" << "" << "https://www.youtube.com/playlist?list=PL%20x";
    QTest::newRow("youtube with address") << "youtube:tab" << "https://a/b" << "https://a/b";
    QTest::newRow("youtube search") << "youtube:search_url" << "" << "";
    QTest::newRow("other site") << "vimeo:album" << "" << "";
}

void TstSubscribe::addSubscribeListAddress()
{
    QFETCH(QString, extractor);
    QFETCH(QString, url);
    QFETCH(QString, stored);
    SubscribeListMgr mgr;
    List list;
    list.extractor = extractor;
    list.id = QStringLiteral("PL x");
    list.url = url;
    list.title = QStringLiteral("Mine");
    mgr.addSubscribeList(&list);
    const QList<SubscribeRecord> records = mgr.subscribeLists();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().url, stored);
    QCOMPARE(records.first().title, QStringLiteral("Mine"));

    // Rename and remove go through the cache as well.
    SubscribeRecord r = records.first();
    r.title = QStringLiteral("Renamed");
    mgr.updateSubscribeList(r);
    QCOMPARE(mgr.subscribeLists().first().title, QStringLiteral("Renamed"));
    mgr.removeSubscribeList(r);
    QVERIFY(mgr.subscribeLists().isEmpty());
}

void TstSubscribe::downloadFinished()
{
    SubscribeListMgr mgr;
    auto record = oneList(QStringLiteral("a"), QStringLiteral("1"), {});
    mgr.addSubscribeList(record->ptr(0));
    QVERIFY(mgr.database()->addItem(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("v1"), QStringLiteral("/old"), QStringLiteral("t"), QString()));

    DownloadItemSummary s;
    s.url = QStringLiteral("v1");
    s.title = QStringLiteral("O'Brien");
    s.finalFilePath = QStringLiteral("/new");
    s.subscribeExtractor = QStringLiteral("a");
    s.subscribeListId = QStringLiteral("1");

    // Failed, stopped and cancelled downloads leave the file as it is.
    const QByteArray before = fileHash(dbPath());
    for (int result : {1, 2, 3, 4, 5}) {
        s.result = result;
        mgr.onDownloadItemFinished(s);
    }
    QCOMPARE(fileHash(dbPath()), before);

    s.result = 0;
    mgr.onDownloadItemFinished(s);
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT path FROM subscribeList")), QVariantList{QStringLiteral("/new")});
    QCOMPARE(column(dbPath(), QStringLiteral("SELECT title FROM subscribeList")), QVariantList{QStringLiteral("O'Brien")});
}

void TstSubscribe::readdedRecordSurvivesAKill()
{
    const QString url = QStringLiteral("https://www.youtube.com/watch?v=r");
    const int kills = KillSteps::runUntilComplete(
        {"readd-record", m_dir->path(), url},
        [&] {
            QFile::remove(dbPath());
            SubscribeDatabase db;
            QVERIFY(db.openDataBase());
            QVERIFY(db.addList(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("u1"), QStringLiteral("one")));
            QVERIFY(db.addItem(QStringLiteral("a"), QStringLiteral("1"), url, QStringLiteral("/p/old.mp4"), QStringLiteral("old"), QString()));
        },
        [&](bool killed) {
            const QVariantList paths = column(dbPath(), QStringLiteral("SELECT path FROM subscribeList"));
            QCOMPARE(paths.size(), 1);
            if (!killed)
                QCOMPARE(paths.first().toString(), QStringLiteral("/p/new.mp4"));
        });
    QVERIFY(kills >= 1);
}

// The test binary doubles as the process the kill test ends.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 6 && qstrcmp(argv[1], "--kill-step") == 0 && qstrcmp(argv[3], "readd-record") == 0) {
        KillSteps::killAt() = atoi(argv[2]);
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"),
                                            SettingsStore::toStoredPath(QString::fromLocal8Bit(argv[4])));
        SubscribeDatabase db;
        if (!db.openDataBase())
            return 2;
        SubscribeDatabase::s_afterStatement = &KillSteps::childStep;
        const bool ok = db.addItem(QStringLiteral("a"), QStringLiteral("1"), QString::fromLocal8Bit(argv[5]),
                                   QStringLiteral("/p/new.mp4"), QStringLiteral("new"), QString());
        return ok ? 0 : 3;
    }
    TstSubscribe tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_subscribe.moc"
