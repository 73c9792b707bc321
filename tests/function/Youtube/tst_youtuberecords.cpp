#include "function/Youtube/Youtube.h"
#include "function/Youtube/YoutubeStructure.h"

#include <QtTest>
#include <thread>
#include <type_traits>

// Waits for child processes are generous: the tests run in parallel on a
// loaded machine, and a wait ends as soon as its condition holds.
static constexpr int kWaitMs = 20000;

using namespace Youtube_Structure;

// The model is pointed at from the GUI and from workers: lists and the
// model cannot be copied by accident, only moved.
static_assert(!std::is_copy_constructible<List>::value, "a List must not be copyable");
static_assert(!std::is_copy_assignable<List>::value, "a List must not be copyable");
static_assert(!std::is_copy_constructible<Lists>::value, "the model must not be copyable");
static_assert(std::is_move_constructible<List>::value, "a List can be moved");
static_assert(std::is_copy_constructible<YoutubeList>::value, "rows are values");

class Emitter : public QObject
{
    Q_OBJECT
signals:
    void row(YoutubeListType type, Youtube_Structure::List* list, int index, YoutubeItem item);
    void info(YoutubeMediaListInfo info);
    void ready(int a, int b, Youtube_Structure::Lists* lists);
    void item(Youtube_Structure::Item* item);
};

class TestYoutubeRecords : public QObject
{
    Q_OBJECT
private slots:
    void defaults()
    {
        List l;
        QVERIFY(l.title.isEmpty());
        QCOMPARE(l.analysed, false);
        QCOMPARE(l.status, 0);
        QCOMPARE(l.checkState, 2);
        QVERIFY(l.items.isEmpty());
        QCOMPARE(l.subscribable, false);
        QCOMPARE(l.subscribed, false);

        Item it;
        QCOMPARE(it.duration, 0);
        QCOMPARE(it.audioLanIndex, 0);
        QCOMPARE(it.chosenMediaIndex, -1);
        QCOMPARE(it.checkState, 2);
        QCOMPARE(it.downloadState, 3);
        QCOMPARE(it.analyseIt, true);
        QCOMPARE(it.analysing, false);
        QVERIFY(it.image.isNull());

        Media m;
        QCOMPARE(m.videoPartCount, 1);
        QCOMPARE(m.forgeMediaForMp3, false);

        YoutubeItem row;
        QCOMPARE(row.status, 0);
        QCOMPARE(row.downloadState, 3);
        QCOMPARE(row.analysed, false);
        YoutubeMediaListInfo info;
        QCOMPARE(info.showFormats, true);
        QCOMPARE(info.searchingSubtitles, false);
        YoutubeList yl;
        QCOMPARE(yl.subscribable, false);

        SubscribeRecord r{QStringLiteral("Youtube"), QStringLiteral("PL1"), QString(), QString()};
        QCOMPARE(r.key(), QStringLiteral("Youtube_##_PL1"));
        QCOMPARE(int(YtbHttpsFailed), 10);
        QCOMPARE(int(YtbLimitReached), 8);
    }

    void itemsNeverMove()
    {
        Lists lists;
        List* first = lists.append(List());
        first->title = QStringLiteral("first");
        Item* a = first->items.append(Item());
        a->title = QStringLiteral("a");
        QVector<Item*> ptrs;
        for (int i = 0; i < 1000; ++i)
            ptrs.append(first->items.append(Item()));
        for (int i = 0; i < 100; ++i)
            lists.append(List());
        QCOMPARE(lists.ptr(0), first);
        QCOMPARE(first->items.ptr(0), a);
        QCOMPARE(a->title, QStringLiteral("a"));
        first->items.removeAt(1);
        QCOMPARE(first->items.ptr(1), ptrs.at(1));
        QCOMPARE(first->items.indexOf(ptrs.at(1)), 1);
        first->items.move(0, 5);
        QCOMPARE(first->items.indexOf(a), 5);
        // Moving the model keeps every address.
        Lists moved = std::move(lists);
        QCOMPARE(moved.ptr(0), first);
        QCOMPARE(moved.first().items.ptr(5), a);
        int n = 0;
        for (const Item& it : moved.first().items) {
            Q_UNUSED(it)
            ++n;
        }
        QCOMPARE(n, 1000);
        moved.first().items.truncate(10);
        QCOMPARE(moved.first().items.size(), 10);
        QVERIFY(moved.first().items.ptr(10) == nullptr);
    }

    void placeholders_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("analysed");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected");
        QTest::newRow("loading") << "" << false << 0 << "Loading...";
        QTest::newRow("loading despite status") << "" << false << 4 << "Loading...";
        QTest::newRow("removed") << "" << true << 4 << "Invalid";
        QTest::newRow("skipped") << "" << true << 7 << "Untitled";
        QTest::newRow("limit") << "" << true << 8 << "Untitled";
        QTest::newRow("ok") << "" << true << 0 << "Untitled";
        QTest::newRow("failed") << "" << true << 9 << "Invalid";
        QTest::newRow("titled") << "T" << true << 9 << "T";
    }

    void placeholders()
    {
        QFETCH(QString, title);
        QFETCH(bool, analysed);
        QFETCH(int, status);
        QFETCH(QString, expected);
        QCOMPARE(displayTitle(title, analysed, status), expected);
    }

    void countAndResolution()
    {
        QCOMPARE(itemCountText(0), QString());
        QCOMPARE(itemCountText(1), QStringLiteral("1 Video"));
        QCOMPARE(itemCountText(2), QStringLiteral("2 Videos"));
        QCOMPARE(resolutionText("1280", "720"), QStringLiteral("1280x720"));
        QCOMPARE(resolutionText("", "720"), QStringLiteral("720"));
        QCOMPARE(resolutionText("1280", ""), QStringLiteral("1280"));
        QCOMPARE(resolutionText("", ""), QStringLiteral("N/A"));
    }

    void queuedSignalsCarryRecords()
    {
        Youtube::instance();   // registers the records
        QCOMPARE(QMetaType::type("YoutubeList"), qMetaTypeId<YoutubeList>());
        QCOMPARE(QMetaType::type("YoutubeItem"), qMetaTypeId<YoutubeItem>());
        QCOMPARE(QMetaType::type("YoutubeMediaListInfo"), qMetaTypeId<YoutubeMediaListInfo>());
        QVERIFY(QMetaType::typeFlags(QMetaType::type("YoutubeListType")) & QMetaType::IsEnumeration);

        Emitter e;
        QObject receiver;
        QList<YoutubeItem> got;
        QList<Youtube_Structure::Lists*> gotLists;
        QList<Youtube_Structure::Item*> gotItems;
        connect(&e, &Emitter::row, &receiver, [&](YoutubeListType, List*, int, YoutubeItem it) { got << it; },
                Qt::QueuedConnection);
        connect(&e, &Emitter::ready, &receiver, [&](int, int, Lists* l) { gotLists << l; }, Qt::QueuedConnection);
        connect(&e, &Emitter::item, &receiver, [&](Item* i) { gotItems << i; }, Qt::QueuedConnection);
        Lists model;
        Item* it = model.append(List())->items.append(Item());
        // Emitted on a thread of its own; a standard thread's start and join
        // order this test's data for a thread checker too.
        std::thread worker([&] {
            YoutubeItem row;
            row.index = 3;
            row.title = QStringLiteral("row");
            emit e.row(YtbItemsLevel, nullptr, 0, row);
            emit e.ready(0, -1, &model);
            emit e.item(it);
        });
        worker.join();
        QTRY_COMPARE_WITH_TIMEOUT(got.size(), 1, kWaitMs);
        QCOMPARE(got.first().title, QStringLiteral("row"));
        QTRY_COMPARE_WITH_TIMEOUT(gotLists.size(), 1, kWaitMs);
        QCOMPARE(gotLists.first(), &model);
        QTRY_COMPARE_WITH_TIMEOUT(gotItems.size(), 1, kWaitMs);
        QCOMPARE(gotItems.first(), it);
    }

    void facadeCore()
    {
        Youtube* y = Youtube::instance();
        QCOMPARE(Youtube::instance(), y);
        QString u = QStringLiteral("keep"), p = QStringLiteral("keep");
        y->setAccountInfo(QStringLiteral("user"), QString());
        QVERIFY(!y->accountInfo(u, p));
        QCOMPARE(u, QStringLiteral("keep"));
        y->setAccountInfo(QStringLiteral("user"), QStringLiteral("pw"));
        QVERIFY(y->accountInfo(u, p));
        QCOMPARE(u, QStringLiteral("user"));
        QCOMPARE(p, QStringLiteral("pw"));
        y->clearAccountInfo();
        QVERIFY(!y->accountInfo(u, p));
        y->setLastError(QStringLiteral("e"));
        QCOMPARE(y->lastErrorText(), QStringLiteral("e"));
        y->setMusicMode(true);
        QVERIFY(!y->isMusicMode());
        QVERIFY(!y->filterSubscribedList(nullptr));

        // The signals in their declared order.
        const QMetaObject* mo = y->metaObject();
        const int base = mo->methodOffset();
        const QStringList expected{
            "doYtbUpgradeProcess(qlonglong,qlonglong)", "doUpgradeFinished()",
            "doYoutubeListRefresh(YoutubeListType,Youtube_Structure::List*,int,YoutubeItem)",
            "doListInfoRefresh(YoutubeMediaListInfo)", "doStartAnalyse()", "doProgress(int,int)",
            "doAnalyseFinished()", "doDownloadFinished(QStringList,QStringList)", "doLiveMusicToVideo()"};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(QString::fromLatin1(mo->method(base + i).methodSignature()), expected.at(i));
    }

    void loginSite_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("youtube");
        QTest::newRow("www") << "https://www.youtube.com/watch?v=x" << true;
        QTest::newRow("bare") << "youtube.com/watch?v=x" << true;
        QTest::newRow("short") << "https://youtu.be/x" << true;
        QTest::newRow("look-alike") << "https://youtube.com.evil.example/x" << false;
        QTest::newRow("other") << "https://example.org/youtube" << false;
        QTest::newRow("empty") << "" << false;
    }

    void loginSite()
    {
        QFETCH(QString, url);
        QFETCH(bool, youtube);
        QCOMPARE(Youtube::instance()->loginSite(url).contains("youtube"), youtube);
    }
};

QTEST_GUILESS_MAIN(TestYoutubeRecords)
#include "tst_youtuberecords.moc"

