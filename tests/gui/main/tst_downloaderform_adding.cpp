// The download page takes the selection of an analysis: selections made by
// the real engine from the fake downloader's answers and ticked through the
// facade, the one-kind rule with its question, the row limit, the record of
// unfinished downloads and the immediate start while downloads run.

#include "DialogAnswerer.h"
#include "EngineTestEnv.h"
#include "FakeScripts.h"
#include "PageTestEnv.h"
#include "PlatformGuard.h"

#include "ui_DownloaderForm.h"

#include "function/Youtube/private/Downloader/DownloadingStore.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/cnorvideodlitem.h"

#include <QPushButton>
#include <QtTest>
#include <memory>

// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.
static constexpr int kWaitMs = 60000;

namespace {

Youtube* yt()
{
    return Youtube::instance();
}

QJsonObject entry(const QString& id, bool live)
{
    const QJsonArray formats{QJsonObject{{"format_id", "18"}, {"vcodec", "avc1"}, {"acodec", "mp4a"}, {"ext", "mp4"},
                                         {"height", 360}, {"url", "http://127.0.0.1:9/18"}}};
    // Ordinary items download slowly, so a started one is seen downloading.
    const QString url = QStringLiteral("http://fake.example/slow/") + id;
    QJsonObject o{{"id", id}, {"title", "Title " + id}, {"extractor", "generic"}, {"formats", formats},
                  {"url", url}, {"webpage_url", url}};
    if (live)
        o.insert("is_live", true);
    else
        o.insert("duration", 10);
    return o;
}

} // namespace

class TstDownloaderFormAdding : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    std::unique_ptr<PlatformGuard> m_guard;
    int m_lists = 0;

    // Analyses a page holding `ordinary` ordinary and `live` live items
    // through the engine, ticks everything, and checks the selection.
    void select(int ordinary, int live)
    {
        const int n = ++m_lists;
        const QString address = QStringLiteral("http://fake.example/list/%1").arg(n);
        QJsonObject answer;
        if (ordinary + live == 1) {
            // One item is a page of its own, as a single live stream is.
            answer.insert("stdout", QString::fromUtf8(QJsonDocument(entry(QStringLiteral("s%1").arg(n), live == 1))
                                                          .toJson(QJsonDocument::Compact)));
        } else {
            QJsonArray entries;
            for (int i = 0; i < ordinary; ++i)
                entries.append(entry(QStringLiteral("L%1o%2").arg(n).arg(i), false));
            for (int i = 0; i < live; ++i)
                entries.append(entry(QStringLiteral("L%1l%2").arg(n).arg(i), true));
            const QJsonObject list{{"_type", "playlist"}, {"extractor", "generic"}, {"id", QStringLiteral("list%1").arg(n)},
                                   {"title", QStringLiteral("List %1").arg(n)}, {"entries", entries}};
            answer.insert("stdout", QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)));
        }
        QJsonObject script = FakeScripts::downloads();
        script.insert("routes", QJsonObject{{address, answer}});
        QVERIFY(EngineTestEnv::installFake(m_f, script));

        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        QCOMPARE(int(yt()->initAnalyser(address)), int(YtbNoError));
        QVERIFY(finished.count() > 0 || finished.wait(kWaitMs));
        YoutubeList lists;
        yt()->lists(lists, 0, -1);
        yt()->setChecked(0, -1, true);
        const QList<DownloadItem> selected = yt()->selectedDownloadItems();
        int liveSeen = 0;
        for (const DownloadItem& t : selected)
            liveSeen += t.isLiveStream ? 1 : 0;
        QCOMPARE(selected.size(), ordinary + live);
        QCOMPARE(liveSeen, live);
    }

    // count rows of one kind put straight into the list and the engine.
    QList<CNorVideoDlItem*> fill(DownloaderForm& page, int count, bool live, const QString& prefix)
    {
        QList<QUxItemBase*> rows;
        QList<CNorVideoDlItem*> out;
        QList<DownloadItem*> tasks;
        for (int i = 0; i < count; ++i) {
            DownloadItem t = PageTestEnv::task(prefix + QString::number(i), QStringLiteral("/slow/%1%2").arg(prefix).arg(i));
            t.isLiveStream = live;
            auto* r = new CNorVideoDlItem(page.downloadList(), t, true);
            rows << r;
            out << r;
            tasks << r->downloadItem();
        }
        yt()->addDownloadingItems(tasks);
        page.downloadList()->addItems(rows);
        page.form()->downloadStacked->setVisible(!live);
        page.form()->stackedWidget->setCurrentIndex(1);
        return out;
    }

    static void kinds(DownloaderForm& page, int* ordinary, int* live)
    {
        *ordinary = *live = 0;
        for (int i = 0; i < page.downloadList()->count(); ++i)
            (page.row(i)->downloadItem()->isLiveStream ? *live : *ordinary) += 1;
    }

    // Leaves the engine and the file empty for the next case.
    static void empty(DownloaderForm& page)
    {
        page.stopAllDownloads(true);
        page.downloadList()->clear();
        yt()->clearDownloadingItems();
    }

    static void answer(DialogAnswerer& answerer, int button)
    {
        if (button >= 0)
            answerer.press("MsgDialog", button == 3 ? QStringLiteral("btn_close") : QStringLiteral("btn_%1").arg(button));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        QVERIFY(EngineTestEnv::installFake(m_f, FakeScripts::downloads()));
        m_guard.reset(new PlatformGuard);
        // The list of the last run holds more than the limit.
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        QList<DownloadItem*> ptrs;
        for (int i = 0; i < 2100; ++i) {
            jobs.push_back(std::make_unique<DownloadItem>(PageTestEnv::task(QStringLiteral("Kept %1").arg(i), QStringLiteral("/k/%1").arg(i))));
            ptrs << jobs.back().get();
        }
        QVERIFY(DownloadingStore::write(ptrs));
    }

    void cleanup()
    {
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
    }

    // The engine restores once per process: this case comes first.
    void restoredAboveTheLimitTakesNothing()
    {
        DownloaderForm page;
        QCOMPARE(page.downloadList()->count(), 2100);
        select(3, 0);
        DialogAnswerer answerer;
        QStringList buttons;
        answerer.run("MsgDialog", [&](QWidget* box) {
            for (const char* name : {"btn_0", "btn_1", "btn_2"}) {
                auto* b = box->findChild<QPushButton*>(QLatin1String(name));
                buttons << (b && b->isVisibleTo(box) ? b->text() : QString());
            }
            box->findChild<QPushButton*>(QStringLiteral("btn_1"))->click();
        });
        page.doAfterUrlAnalysis(1);
        QVERIFY(answerer.allAnswered());
        QVERIFY(answerer.seen.value(0).texts.contains(QStringLiteral("There're more than 2000 downloading tasks!")));
        QCOMPARE(buttons, (QStringList{" Clean Completed And Add ", " Add directly ", QString()}));
        QCOMPARE(page.downloadList()->count(), 2100);
        QCOMPARE(PageTestEnv::storedTitles().size(), 2100);
        QVERIFY(!PageTestEnv::storedTitles().contains(QStringLiteral("Title L1o0")));
        empty(page);
    }

    void cancelledOrEmptyChangesNothing()
    {
        DownloaderForm page;
        select(2, 0);
        page.doAfterUrlAnalysis(0);
        QCOMPARE(page.downloadList()->count(), 0);
        yt()->setChecked(0, -1, false);
        QVERIFY(yt()->selectedDownloadItems().isEmpty());
        page.doAfterUrlAnalysis(1);
        QCOMPARE(page.downloadList()->count(), 0);
        QCOMPARE(page.form()->stackedWidget->currentIndex(), 0);
    }

    // Rows are polished as they are built, in batches; a widget that was
    // waiting for its polish when the selection came still gets it.
    void rowsAndWaitingWidgetsArePolished()
    {
        DownloaderForm page;
        select(70, 0);
        QWidget waiting;
        QVERIFY(!waiting.testAttribute(Qt::WA_WState_Polished));
        page.doAfterUrlAnalysis(1);
        QCOMPARE(page.downloadList()->count(), 70);
        QCoreApplication::processEvents();
        for (int i = 0; i < 70; ++i) {
            const QList<QWidget*> parts = page.row(i)->findChildren<QWidget*>();
            QVERIFY(page.row(i)->testAttribute(Qt::WA_WState_Polished));
            for (QWidget* w : parts)
                QVERIFY2(w->testAttribute(Qt::WA_WState_Polished), qPrintable(w->objectName()));
        }
        QTRY_VERIFY_WITH_TIMEOUT(waiting.testAttribute(Qt::WA_WState_Polished), kWaitMs);
        empty(page);
    }

    void addingTable_data()
    {
        QTest::addColumn<QString>("before");   // "", "ordinary", "running", "live"
        QTest::addColumn<int>("newOrdinary");
        QTest::addColumn<int>("newLive");
        QTest::addColumn<int>("button");        // -1: no question; 0 Live, 1 Non Live, 3 closed
        QTest::addColumn<int>("ordinaryAfter");
        QTest::addColumn<int>("liveAfter");
        QTest::addColumn<int>("storedAfter");
        QTest::addColumn<bool>("stackedShown");
        QTest::addColumn<bool>("newStart");

        QTest::newRow("empty, ordinary") << "" << 2 << 0 << -1 << 2 << 0 << 2 << true << false;
        QTest::newRow("empty, live") << "" << 0 << 2 << -1 << 0 << 2 << 0 << false << false;
        QTest::newRow("empty, both, Live") << "" << 2 << 1 << 0 << 0 << 1 << 0 << false << false;
        QTest::newRow("empty, both, Non Live") << "" << 2 << 1 << 1 << 2 << 0 << 2 << true << false;
        QTest::newRow("empty, both, closed") << "" << 1 << 1 << 3 << 0 << 0 << 0 << true << false;
        QTest::newRow("ordinary, ordinary") << "ordinary" << 2 << 0 << -1 << 4 << 0 << 4 << true << false;
        QTest::newRow("running, ordinary") << "running" << 2 << 0 << -1 << 4 << 0 << 4 << true << true;
        QTest::newRow("ordinary, live, Live") << "ordinary" << 0 << 1 << 0 << 0 << 1 << 0 << false << false;
        QTest::newRow("ordinary, both, Live") << "ordinary" << 1 << 1 << 0 << 0 << 1 << 0 << false << false;
        QTest::newRow("ordinary, live, Non Live") << "ordinary" << 0 << 1 << 1 << 2 << 0 << 2 << true << false;
        QTest::newRow("ordinary, both, Non Live") << "ordinary" << 1 << 1 << 1 << 3 << 0 << 3 << true << false;
        QTest::newRow("running, both, Non Live") << "running" << 1 << 1 << 1 << 3 << 0 << 3 << true << true;
        QTest::newRow("ordinary, live, closed") << "ordinary" << 0 << 1 << 3 << 2 << 0 << 2 << true << false;
        QTest::newRow("live, live") << "live" << 0 << 1 << -1 << 0 << 2 << 0 << false << false;
        QTest::newRow("live, both, Live") << "live" << 1 << 1 << 0 << 0 << 2 << 0 << false << false;
        QTest::newRow("live, ordinary, Live") << "live" << 2 << 0 << 0 << 0 << 1 << 0 << false << false;
        QTest::newRow("live, both, Non Live") << "live" << 2 << 1 << 1 << 2 << 0 << 2 << true << false;
    }

    void addingTable()
    {
        QFETCH(QString, before);
        QFETCH(int, newOrdinary);
        QFETCH(int, newLive);
        QFETCH(int, button);
        QFETCH(int, ordinaryAfter);
        QFETCH(int, liveAfter);
        QFETCH(int, storedAfter);
        QFETCH(bool, stackedShown);
        QFETCH(bool, newStart);

        DownloaderForm page;
        Ui::DownloaderForm* f = page.form();
        QCOMPARE(PageTestEnv::storedTitles().size(), 0);
        QList<CNorVideoDlItem*> old;
        if (before == QLatin1String("live"))
            old = fill(page, 1, true, QStringLiteral("live"));
        else if (!before.isEmpty())
            old = fill(page, 2, false, QStringLiteral("old"));
        if (before == QLatin1String("running")) {
            page.startAllDownloads();
            QTRY_VERIFY_WITH_TIMEOUT(old.at(0)->isDownloading() && old.at(1)->isDownloading(), kWaitMs);
        }
        const int oldCount = page.downloadList()->count();
        select(newOrdinary, newLive);

        PageTestEnv::Capture capture;
        {
            DialogAnswerer answerer;
            answer(answerer, button);
            page.doAfterUrlAnalysis(1);
            QVERIFY(answerer.allAnswered());
            if (button >= 0)
                QVERIFY(answerer.seen.value(0).texts.contains(
                    QStringLiteral("You can only choose to add live connections file or non live connections.")));
        }
        int ordinary = 0;
        int live = 0;
        kinds(page, &ordinary, &live);
        QCOMPARE(ordinary, ordinaryAfter);
        QCOMPARE(live, liveAfter);
        QCOMPARE(PageTestEnv::storedTitles().size(), storedAfter);
        QCOMPARE(!f->downloadStacked->isHidden(), stackedShown);
        const bool listed = page.downloadList()->count() > 0;
        QCOMPARE(f->stackedWidget->currentIndex(), listed ? 1 : 0);
        if (listed)
            QCOMPARE(page.downloadList()->currentIndex(), page.downloadList()->count() - 1);
        if (newStart) {
            QCOMPARE(f->downloadStacked->currentWidget(), f->page_stop);
            QVERIFY(capture.lines().contains(QStringLiteral("is run add new source")));
            for (int i = oldCount; i < page.downloadList()->count(); ++i) {
                CNorVideoDlItem* r = page.row(i);
                QTRY_VERIFY_WITH_TIMEOUT(r->isDownloading(), kWaitMs);
            }
        } else {
            QVERIFY(!capture.lines().contains(QStringLiteral("is run add new source")));
            if (before != QLatin1String("running"))
                for (int i = 0; i < page.downloadList()->count(); ++i)
                    QVERIFY(!page.row(i)->isDownloading());
        }
        if (stackedShown && before != QLatin1String("running"))
            QCOMPARE(f->downloadStacked->currentWidget(), f->page_download);
        // A replaced list leaves neither its rows nor their records.
        if (!old.isEmpty() && (ordinaryAfter + liveAfter) < oldCount)
            for (const QString& t : PageTestEnv::storedTitles())
                QVERIFY2(!t.startsWith(QLatin1String("old")), qPrintable(t));
        empty(page);
    }

    void rowLimit_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("completed");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("button");   // -1: no question
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<int>("added");    // entries of the selection taken, from its start

        QTest::newRow("1998 + 5, add directly") << 1998 << 0 << 5 << 1 << 2000 << 2;
        QTest::newRow("2000 + 1, add directly") << 2000 << 0 << 1 << 1 << 2000 << 0;
        QTest::newRow("1990 with 30 completed + 50, clean and add") << 1990 << 30 << 50 << 0 << 2000 << 40;
        QTest::newRow("exactly 2000") << 1995 << 0 << 5 << -1 << 2000 << 5;
        QTest::newRow("1998 + 5, closed") << 1998 << 0 << 5 << 3 << 1998 << 0;
    }

    void rowLimit()
    {
        QFETCH(int, rows);
        QFETCH(int, completed);
        QFETCH(int, selected);
        QFETCH(int, button);
        QFETCH(int, rowsAfter);
        QFETCH(int, added);

        DownloaderForm page;
        QList<CNorVideoDlItem*> old = fill(page, rows, false, QStringLiteral("old"));
        for (int i = 0; i < completed; ++i)
            old.at(i * 2)->onDownFinished(0, {QStringLiteral("/x/%1.mp4").arg(i)});
        page.form()->stackedWidget->setCurrentIndex(0);
        select(selected, 0);
        const QList<DownloadItem> selection = yt()->selectedDownloadItems();

        DialogAnswerer answerer;
        answer(answerer, button);
        page.doAfterUrlAnalysis(1);
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.seen.size(), button >= 0 ? 1 : 0);
        if (button >= 0)
            QVERIFY(answerer.seen.at(0).texts.contains(QStringLiteral("There're more than 2000 downloading tasks!")));
        QCOMPARE(page.downloadList()->count(), rowsAfter);
        QStringList newTitles;
        for (int i = 0; i < page.downloadList()->count(); ++i)
            if (page.row(i)->downloadItem()->title.startsWith(QLatin1String("Title ")))
                newTitles << page.row(i)->downloadItem()->title;
        QStringList expected;
        for (int i = 0; i < added; ++i)
            expected << selection.at(i).title;
        QCOMPARE(newTitles, expected);
        QCOMPARE(PageTestEnv::storedTitles().size(), rowsAfter);
        // The list page shows only after an addition.
        QCOMPARE(page.form()->stackedWidget->currentIndex(), added > 0 ? 1 : 0);
        empty(page);
    }
};

QTEST_MAIN(TstDownloaderFormAdding)
#include "tst_downloaderform_adding.moc"
