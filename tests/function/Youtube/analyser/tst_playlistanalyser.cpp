// The playlist parse: flat lists to items, the named video, the entry cap.

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Analyser/PlaylistAnalyser.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QtTest>
#include <memory>

using Youtube_Structure::Item;
using Youtube_Structure::List;

namespace {

QByteArray fixture(const QString& name)
{
    QFile f(QString::fromLocal8Bit(qgetenv("TW_SOURCE_DIR")) + QStringLiteral("/tests/fixtures/analyser/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return f.readAll();
}

// A flat playlist of count entries "<prefix>0", "<prefix>1", ...
QByteArray flatList(const QString& extractor, int count, const QString& prefix = QStringLiteral("id"),
                    bool withFormats = false)
{
    QJsonArray entries;
    for (int i = 0; i < count; ++i) {
        QJsonObject e{{QStringLiteral("id"), prefix + QString::number(i)},
                      {QStringLiteral("url"), prefix + QString::number(i)},
                      {QStringLiteral("title"), QStringLiteral("Video %1").arg(i)}};
        if (withFormats)
            e.insert(QStringLiteral("formats"),
                     QJsonArray{QJsonObject{{QStringLiteral("format_id"), QStringLiteral("18")},
                                            {QStringLiteral("vcodec"), QStringLiteral("avc1")},
                                            {QStringLiteral("acodec"), QStringLiteral("mp4a")},
                                            {QStringLiteral("ext"), QStringLiteral("mp4")}}});
        entries.append(e);
    }
    QJsonObject top{{QStringLiteral("_type"), QStringLiteral("playlist")},
                    {QStringLiteral("extractor"), extractor},
                    {QStringLiteral("id"), QStringLiteral("PL1")},
                    {QStringLiteral("title"), QStringLiteral("My list")},
                    {QStringLiteral("entries"), entries}};
    return QJsonDocument(top).toJson(QJsonDocument::Compact);
}

QStringList urls(const List& list)
{
    QStringList out;
    for (const Item& item : list.items)
        out.append(item.url);
    return out;
}

} // namespace

class TstPlaylistAnalyser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Youtube::instance(); }
    void init() { PlaylistAnalyser::resetAnalysedItemCount(); }

    void videoIdFromUrl_data();
    void videoIdFromUrl();

    void namedVideoFirst();
    void namedVideoAbsent();
    void bareIdsBecomeWatchAddresses_data();
    void bareIdsBecomeWatchAddresses();
    void listTexts_data();
    void listTexts();
    void entryTitleNone();
    void notAPlaylist_data();
    void notAPlaylist();
    void entriesWithFormatsAreParsed();
    void capturedFeed();

    void capSharedAcrossThreads();
    void capReachedKeepsTheListIntact();
};

void TstPlaylistAnalyser::videoIdFromUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("vid");
    QTest::newRow("v then list") << "https://www.youtube.com/watch?v=abc&list=PL1" << "abc";
    QTest::newRow("shortest match") << "https://www.youtube.com/watch?v=abc&x=1&y=2" << "abc";
    QTest::newRow("v last after &") << "https://www.youtube.com/playlist?list=PL1&v=xyz" << "xyz";
    QTest::newRow("v alone") << "https://www.youtube.com/watch?v=abc" << "";
    QTest::newRow("none") << "https://www.youtube.com/playlist?list=PL1" << "";
}

void TstPlaylistAnalyser::videoIdFromUrl()
{
    QFETCH(QString, url);
    QFETCH(QString, vid);
    QCOMPARE(PlaylistAnalyser::videoIdFromUrl(url), vid);
}

void TstPlaylistAnalyser::namedVideoFirst()
{
    PlaylistAnalyser p;
    List list;
    list.url = QStringLiteral("https://www.youtube.com/watch?v=id2&list=PL1");
    QVERIFY(p.parsePlayList(flatList(QStringLiteral("youtube:tab"), 4), &list));
    QCOMPARE(list.checkState, 1);
    QCOMPARE(list.items.size(), 4);
    QCOMPARE(list.items[0].id, QStringLiteral("id2"));
    QCOMPARE(list.items[0].checkState, 2);
    for (int i = 1; i < 4; ++i)
        QCOMPARE(list.items[i].checkState, 0);
    QCOMPARE(list.items[1].id, QStringLiteral("id0"));
    QCOMPARE(list.items[0].url, PlaylistAnalyser::watchUrl(QStringLiteral("id2")));
    QCOMPARE(PlaylistAnalyser::analysedItemCount(), 4);
}

void TstPlaylistAnalyser::namedVideoAbsent()
{
    // The named video is not among the entries and no entry is kept: one
    // item for it alone.
    PlaylistAnalyser p;
    List list;
    list.url = QStringLiteral("https://www.youtube.com/watch?v=zzz&list=PL1");
    QByteArray json = flatList(QStringLiteral("youtube:tab"), 0);
    json.replace("\"entries\":[]", "\"entries\":[1,2]");     // entries that are no objects
    p.parsePlayList(json, &list);
    QCOMPARE(list.items.size(), 1);
    QCOMPARE(list.items[0].title, QStringLiteral("zzz"));
    QCOMPARE(list.items[0].url, PlaylistAnalyser::watchUrl(QStringLiteral("zzz")));
    QCOMPARE(list.items[0].checkState, 2);
    QCOMPARE(PlaylistAnalyser::analysedItemCount(), 0);      // dropped entries are not counted
}

void TstPlaylistAnalyser::bareIdsBecomeWatchAddresses_data()
{
    QTest::addColumn<QString>("extractor");
    QTest::addColumn<bool>("converted");
    QTest::newRow("main site") << "youtube:tab" << true;
    QTest::newRow("main site, upper case") << "YouTube" << true;
    QTest::newRow("other site") << "vimeo:album" << false;
}

void TstPlaylistAnalyser::bareIdsBecomeWatchAddresses()
{
    QFETCH(QString, extractor);
    QFETCH(bool, converted);
    QJsonObject top{{QStringLiteral("_type"), QStringLiteral("playlist")},
                    {QStringLiteral("extractor"), extractor},
                    {QStringLiteral("entries"),
                     QJsonArray{QJsonObject{{QStringLiteral("url"), QStringLiteral("a1")}},
                                QJsonObject{{QStringLiteral("url"), QStringLiteral("HTTPS://x/y")}},
                                QJsonObject{{QStringLiteral("url"), QStringLiteral("http://x/z")}}}}};
    PlaylistAnalyser p;
    List list;
    list.url = QStringLiteral("https://list");
    p.parsePlayList(QJsonDocument(top).toJson(), &list);
    const QString first = converted ? PlaylistAnalyser::watchUrl(QStringLiteral("a1")) : QStringLiteral("a1");
    QCOMPARE(urls(list), (QStringList{first, QStringLiteral("HTTPS://x/y"), QStringLiteral("http://x/z")}));
    QCOMPARE(PlaylistAnalyser::watchUrl(QStringLiteral("a1")), QStringLiteral("https://www.youtube.com/watch?v=a1"));
    for (const Item& item : list.items) {
        QCOMPARE(item.subscribeExtractor, extractor);
        QCOMPARE(item.subscribeListUrl, QStringLiteral("https://list"));
        QCOMPARE(item.subscribeListId, QStringLiteral("https://list"));   // no id: the address
    }
}

void TstPlaylistAnalyser::listTexts_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("extractor");
    QTest::addColumn<QString>("expectedTitle");
    QTest::addColumn<QString>("expectedId");
    QTest::addColumn<QString>("expectedExtractor");
    QTest::newRow("plain") << "T" << "I" << "E" << "T" << "I" << "E";
    QTest::newRow("title null: id") << "null" << "I" << "none" << "I" << "I" << "";
    QTest::newRow("title and id empty: address") << "NONE" << "" << "E" << "https://list" << "https://list" << "E";
}

void TstPlaylistAnalyser::listTexts()
{
    QFETCH(QString, title);
    QFETCH(QString, id);
    QFETCH(QString, extractor);
    QFETCH(QString, expectedTitle);
    QFETCH(QString, expectedId);
    QFETCH(QString, expectedExtractor);
    QJsonObject top{{QStringLiteral("_type"), QStringLiteral("Playlist")},
                    {QStringLiteral("extractor"), extractor},
                    {QStringLiteral("title"), title},
                    {QStringLiteral("id"), id},
                    {QStringLiteral("entries"), QJsonArray{QJsonObject{{QStringLiteral("url"), QStringLiteral("http://v")}}}}};
    PlaylistAnalyser p;
    List list;
    list.url = QStringLiteral("https://list");
    p.parsePlayList(QJsonDocument(top).toJson(), &list);
    QCOMPARE(list.title, expectedTitle);
    QCOMPARE(list.siteTitle, expectedTitle);
    QCOMPARE(list.id, expectedId);
    QCOMPARE(list.extractor, expectedExtractor);
    QCOMPARE(list.checkState, 2);
    QCOMPARE(list.items[0].checkState, 2);
}

void TstPlaylistAnalyser::entryTitleNone()
{
    QJsonObject top{{QStringLiteral("_type"), QStringLiteral("playlist")},
                    {QStringLiteral("entries"),
                     QJsonArray{QJsonObject{{QStringLiteral("url"), QStringLiteral("http://v1")}, {QStringLiteral("title"), QStringLiteral("none")}},
                                QJsonObject{{QStringLiteral("title"), QStringLiteral("Null")}, {QStringLiteral("id"), 42}},
                                QJsonObject{{QStringLiteral("url"), QStringLiteral("http://v3")}, {QStringLiteral("title"), QStringLiteral("0")}}}}};
    PlaylistAnalyser p;
    List list;
    list.url = QStringLiteral("https://list");
    p.parsePlayList(QJsonDocument(top).toJson(), &list);
    QCOMPARE(list.items.size(), 3);
    QCOMPARE(list.items[0].title, QString());
    QCOMPARE(list.items[1].title, QString());
    QCOMPARE(list.items[1].url, QStringLiteral("https://list"));    // no address: the list's
    QCOMPARE(list.items[1].id, QStringLiteral("42"));
    QCOMPARE(list.items[2].title, QStringLiteral("0"));
}

void TstPlaylistAnalyser::notAPlaylist_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("listUrl");
    QTest::addColumn<QString>("itemUrl");
    QTest::addColumn<QString>("itemId");
    QTest::newRow("single video") << QByteArray(R"({"_type":"video","id":"x","extractor":"generic"})")
                                  << "https://site/v" << "https://site/v" << "";
    QTest::newRow("empty entries") << QByteArray(R"({"_type":"playlist","entries":[]})")
                                   << "https://site/v" << "https://site/v" << "";
    QTest::newRow("not json") << QByteArray("garbage") << "https://site/v" << "https://site/v" << "";
    QTest::newRow("main site, named video")
        << QByteArray(R"({"extractor":"youtube","id":"abc"})") << "https://www.youtube.com/watch?v=abc&t=1"
        << "https://www.youtube.com/watch?v=abc" << "abc";
}

void TstPlaylistAnalyser::notAPlaylist()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, listUrl);
    QFETCH(QString, itemUrl);
    QFETCH(QString, itemId);
    PlaylistAnalyser p;
    List list;
    list.url = listUrl;
    p.parsePlayList(json, &list);
    QCOMPARE(list.items.size(), 1);
    QCOMPARE(list.items[0].url, itemUrl);
    QCOMPARE(list.items[0].id, itemId);
    QCOMPARE(list.items[0].title, QString());
    QCOMPARE(PlaylistAnalyser::analysedItemCount(), 0);
}

void TstPlaylistAnalyser::entriesWithFormatsAreParsed()
{
    PlaylistAnalyser p;
    List list;
    list.url = QStringLiteral("https://list");
    p.parsePlayList(flatList(QStringLiteral("generic"), 2, QStringLiteral("http://v/"), true), &list);
    QCOMPARE(list.items.size(), 2);
    QCOMPARE(list.items[0].medias.size(), 2);       // the format and its mp3 entry
    QCOMPARE(list.items[0].title, QStringLiteral("Video 0"));
    QVERIFY(!list.items[0].analysed);               // finished by the item analyser
}

void TstPlaylistAnalyser::capturedFeed()
{
    // Real yt-dlp 2023.03 flat output of an RSS feed on 127.0.0.1.
    PlaylistAnalyser p;
    List list;
    list.url = QStringLiteral("http://127.0.0.1:8765/feed.xml");
    QVERIFY(p.parsePlayList(fixture(QStringLiteral("ytdlp_feed.json")), &list));
    QCOMPARE(list.title, QStringLiteral("Local feed"));
    QCOMPARE(list.extractor, QStringLiteral("generic"));
    QCOMPARE(urls(list), (QStringList{QStringLiteral("http://127.0.0.1:8765/page1.html"),
                                      QStringLiteral("http://127.0.0.1:8765/page1.html?b=2")}));
    QCOMPARE(list.items[1].title, QStringLiteral("Item two"));
}

void TstPlaylistAnalyser::capSharedAcrossThreads()
{
    // Two lists of 2000 entries parsed at once keep 3000 between them.
    const QByteArray a = flatList(QStringLiteral("generic"), 2000, QStringLiteral("http://a/"));
    const QByteArray b = flatList(QStringLiteral("generic"), 2000, QStringLiteral("http://b/"));
    for (int round = 0; round < 5; ++round) {
        PlaylistAnalyser::resetAnalysedItemCount();
        List la, lb;
        la.url = QStringLiteral("http://a");
        lb.url = QStringLiteral("http://b");
        bool completeA = true, completeB = true;
        PlaylistAnalyser pa, pb;
        std::unique_ptr<QThread> ta(QThread::create([&] { completeA = pa.parsePlayList(a, &la); }));
        std::unique_ptr<QThread> tb(QThread::create([&] { completeB = pb.parsePlayList(b, &lb); }));
        ta->start();
        tb->start();
        QVERIFY(ta->wait(20000));
        QVERIFY(tb->wait(20000));
        QCOMPARE(la.items.size() + lb.items.size(), PlaylistAnalyser::kMaxAnalysedItems);
        QCOMPARE(PlaylistAnalyser::analysedItemCount(), PlaylistAnalyser::kMaxAnalysedItems);
        QVERIFY(!completeA || !completeB);
    }
}

void TstPlaylistAnalyser::capReachedKeepsTheListIntact()
{
    PlaylistAnalyser p;
    List first;
    first.url = QStringLiteral("http://a");
    QVERIFY(!p.parsePlayList(flatList(QStringLiteral("generic"), 3005, QStringLiteral("http://a/")), &first));
    QCOMPARE(first.items.size(), 3000);
    QCOMPARE(first.items.last().url, QStringLiteral("http://a/2999"));

    // Nothing more is taken, and an empty list is not trimmed further.
    List second;
    second.url = QStringLiteral("http://b");
    QVERIFY(!p.parsePlayList(flatList(QStringLiteral("generic"), 3, QStringLiteral("http://b/")), &second));
    QCOMPARE(second.items.size(), 0);
    QCOMPARE(PlaylistAnalyser::analysedItemCount(), 3000);
}

QTEST_GUILESS_MAIN(TstPlaylistAnalyser)
#include "tst_playlistanalyser.moc"
