// The analysis thread end to end, with the scripted stand-in downloader.

#include "../QueuedSpy.h"
#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Analyser/AnalyseThread.h"
#include "function/Youtube/private/Analyser/PlaylistAnalyser.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/SelectionToTasks.h"
#include "function/Youtube/private/SubscribeListMgr/SubscribeListMgr.h"
#include "platform/ProcessTree.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <shared_mutex>

// Waits for child processes are generous: the tests run in parallel on a
// loaded machine, and a wait ends as soon as its condition holds.
static constexpr int kWaitMs = 20000;

using Youtube_Structure::Item;
using Youtube_Structure::List;
using Youtube_Structure::Lists;

namespace {

QJsonObject video(const QString& id, const QString& title = QString())
{
    QJsonArray formats{
        QJsonObject{{"format_id", "18"}, {"vcodec", "avc1"}, {"acodec", "mp4a"}, {"ext", "mp4"}, {"height", 360}, {"url", "http://127.0.0.1:9/18"}},
        QJsonObject{{"format_id", "22"}, {"vcodec", "avc1"}, {"acodec", "mp4a"}, {"ext", "mp4"}, {"height", 720}, {"url", "http://127.0.0.1:9/22"}}};
    return QJsonObject{{"id", id}, {"title", title.isEmpty() ? QStringLiteral("Title ") + id : title},
                       {"extractor", "youtube"}, {"formats", formats}, {"duration", 10}};
}

// A video as a page run that did not print it whole shows it: without its
// formats, so that its own video run follows.
QJsonObject pageOnly(QJsonObject v)
{
    v.remove("formats");
    return v;
}

QString text(const QJsonObject& o)
{
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QJsonObject answer(const QJsonObject& stdoutJson, double delay = 0)
{
    QJsonObject a{{"stdout", text(stdoutJson)}};
    if (delay > 0)
        a.insert("delay", delay);
    return a;
}

// A flat list of count bare ids "<prefix>N"; withFormats makes every entry
// a full one, which needs no run of its own.
QJsonObject flatList(const QString& id, int count, const QString& prefix, bool withFormats = false)
{
    QJsonArray entries;
    for (int i = 0; i < count; ++i) {
        QJsonObject e{{"id", prefix + QString::number(i)}, {"url", prefix + QString::number(i)}, {"title", QStringLiteral("E%1").arg(i)}};
        if (withFormats)
            e.insert("formats", QJsonArray{QJsonObject{{"format_id", "18"}, {"vcodec", "avc1"}, {"acodec", "mp4a"}, {"ext", "mp4"}}});
        entries.append(e);
    }
    return QJsonObject{{"_type", "playlist"}, {"extractor", "youtube:tab"}, {"id", id}, {"title", QStringLiteral("List ") + id},
                       {"entries", entries}};
}

QJsonObject playlistsPage(const QStringList& listUrls)
{
    QJsonArray entries;
    for (const QString& u : listUrls)
        entries.append(QJsonObject{{"_type", "url"}, {"url", u}});
    return QJsonObject{{"_type", "playlist"}, {"extractor", "youtube:playlists"}, {"id", "chan"}, {"entries", entries}};
}

// Everything the thread reports, in the order the graphical thread sees it.
class Recorder : public QObject
{
public:
    explicit Recorder(AnalyseThread* t)
    {
        connect(t, &AnalyseThread::doStart, this, [this] { log << "start"; });
        connect(t, &AnalyseThread::doReady, this, [this] { log << "ready"; });
        connect(t, &AnalyseThread::doFinished, this, [this] { log << "finished"; });
        connect(t, &AnalyseThread::doProgress, this, [this](int c, int n) { log << QStringLiteral("progress %1/%2").arg(c).arg(n); });
        connect(t, &AnalyseThread::doPlaylistItemReady, this, [this](int p, int k, Lists* l) {
            log << QStringLiteral("item %1 %2%3").arg(p).arg(k).arg(l ? " L" : "");
            if (l)
                announced = l;
        });
    }
    int indexOf(const QString& s) const { return log.indexOf(s); }
    QStringList log;
    Lists* announced = nullptr;
};

// The ids of the threads of this process at this moment.
QSet<QString> threadIds()
{
    const QStringList ids = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return QSet<QString>(ids.begin(), ids.end());
}

} // namespace

class TstAnalyseThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void oneVideo();
    void oneVideoFailed();
    void privateVideoKeepsTheAccountItTook();
    void singleVideoRuns_data();
    void singleVideoRuns();
    void liveStreamPageInOneRun();
    void accountStaysOnItsSite_data();
    void accountStaysOnItsSite();
    void outputThatDescribesNothing_data();
    void outputThatDescribesNothing();
    void stopCutsThePauseShort();
    void pageErrors_data();
    void pageErrors();
    void httpsRetriedAsHttp();
    void emptyPlaylistsPage();
    void oneList();
    void longListOnFewThreads();
    void threeLists();
    void entryLimitLeavesListsUnanalysed();
    void twoListsShareTheCap();
    void stopCancelsAndEndsEveryChild();
    void itemsAppearWhole();
    void subscribedListAndLaterItems();
    void analyseItemWithoutFilter();

private:
    void writeScript(const QJsonObject& script);
    QList<QJsonObject> logLines() const;
    QString engine() const { return m_engine.path(); }

    QTemporaryDir m_engine;
};

void TstAnalyseThread::initTestCase()
{
    QVERIFY(m_engine.isValid());
    SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), SettingsStore::toStoredPath(engine()));
    SettingsStore::instance()->setValue(QStringLiteral("youtube/downloadFullList"), QStringLiteral("true"));
    QVERIFY(QDir().mkpath(engine() + QStringLiteral("/downloader-dlp")));
    const QString fake = QString::fromLocal8Bit(qgetenv("TW_SOURCE_DIR")) + QStringLiteral("/tests/fixtures/fake_downloader.py");
    QVERIFY(QFile::copy(fake, engine() + QStringLiteral("/downloader-dlp/downloader")));
    Youtube::instance();
}

void TstAnalyseThread::init()
{
    QFile::remove(engine() + QStringLiteral("/downloader-dlp/fake_log.jsonl"));
}

void TstAnalyseThread::writeScript(const QJsonObject& script)
{
    QFile f(engine() + QStringLiteral("/downloader-dlp/fake_script.json"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QJsonDocument(script).toJson(QJsonDocument::Compact));
}

QList<QJsonObject> TstAnalyseThread::logLines() const
{
    QList<QJsonObject> out;
    QFile f(engine() + QStringLiteral("/downloader-dlp/fake_log.jsonl"));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            out.append(QJsonDocument::fromJson(line).object());
    return out;
}

void TstAnalyseThread::oneVideo()
{
    const QString url = QStringLiteral("https://example.org/video/1");
    writeScript({{"routes", QJsonObject{{url, answer(video("v1", "One video"))}}}});
    AnalyseThread t;
    Recorder rec(&t);
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QCOMPARE(error, 0);
    QVERIFY(lists);
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), 10000);
    QCOMPARE(rec.log, (QStringList{"start", "item -1 -1 L", "item -1 -1 L", "ready", "item -1 -1 L", "finished"}));
    QCOMPARE(rec.announced, lists.get());
    QCOMPARE(lists->size(), 1);
    const List& list = lists->first();
    QCOMPARE(list.items.size(), 1);
    const Item& item = list.items.first();
    QCOMPARE(item.title, QStringLiteral("One video"));
    QVERIFY(item.analysed);
    QCOMPARE(item.status, 0);
    QCOMPARE(item.listFolder, QString());            // one list of one item: no folder
    QCOMPARE(item.medias.size(), 3);                  // two formats and the mp3 entry
    QCOMPARE(item.medias.first().height, QStringLiteral("720"));   // ordered by the format choice
    QCOMPARE(item.medias.first().index, 0);
    QVERIFY(list.analysed);
    QCOMPARE(logLines().size(), 1);                   // the page run printed the video whole
    QVERIFY(!t.isRunning() || t.wait(5000));
}

void TstAnalyseThread::oneVideoFailed()
{
    const QString url = QStringLiteral("https://example.org/video/gone");
    const QJsonObject removed{{"stderr", "ERROR: This video has been removed by the user"}, {"exit", 1}};
    writeScript({{"routes", QJsonObject{{url, QJsonArray{answer(pageOnly(video("g"))), removed}}}}});
    AnalyseThread t;
    Recorder rec(&t);
    int error = -1;
    QElapsedTimer timer;
    timer.start();
    Lists* lists = t.init(url, QString(), QString(), &error);
    QCOMPARE(error, int(YtbVideoRemoved));
    QVERIFY(!lists);
    QVERIFY(t.wait(5000));
    QVERIFY(timer.elapsed() >= AnalyseThread::kFailurePauseMs - 100);   // the pause after a failed entry
    QCOMPARE(rec.log, (QStringList{"start", "item -1 -1 L", "item -1 -1 L", "ready"}));
    // Announced before the failure was known: the receiver owns it.
    QVERIFY(rec.announced);
    QCOMPARE(rec.announced->first().items.first().status, int(YtbVideoRemoved));
    delete rec.announced;
}

void TstAnalyseThread::privateVideoKeepsTheAccountItTook()
{
    // The video run needs a login, takes the stored account and succeeds:
    // the item must carry that account, or its download lacks the login.
    const QString url = QStringLiteral("https://www.youtube.com/watch?v=private");
    const QJsonObject login{{"stderr", "ERROR: This video is private"}, {"exit", 1}};
    writeScript({{"routes", QJsonObject{{url, QJsonArray{answer(pageOnly(video("p"))), login, answer(video("p", "Private"))}}}}});
    DownloaderProgram::resetAccountRetryCount();
    Youtube::instance()->setAccountInfo(QStringLiteral("bob"), QStringLiteral("pw"), Youtube::instance()->loginSite(url));
    AnalyseThread t;
    Recorder rec(&t);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished") || !lists, 10000);
    QVERIFY(!t.isRunning() || t.wait(5000));
    Youtube::instance()->clearAccountInfo();
    QCOMPARE(error, 0);
    QVERIFY(lists);
    QCOMPARE(logLines().size(), 3);
    QVERIFY(logLines().at(2)["config"].toString().contains("'bob'"));
    std::shared_lock l(AnalyseThread::modelLock());
    const Item& item = lists->first().items.first();
    QCOMPARE(item.title, QStringLiteral("Private"));
    QCOMPARE(item.accountUser, QStringLiteral("bob"));
    QCOMPARE(item.accountPassword, QStringLiteral("pw"));
}

void TstAnalyseThread::singleVideoRuns_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("itemUser");
    QTest::addColumn<bool>("manyLogins");
    QTest::newRow("no account: one run") << "https://example.org/video/1" << "" << 1 << "" << false;
    QTest::newRow("the site's account: one run, the item keeps it")
        << "https://www.youtube.com/watch?v=one" << "bob" << 1 << "bob" << false;
    // The page run logged in; the video run of an address of no site would not.
    QTest::newRow("an account the video run would not use: two runs") << "https://example.org/video/2" << "bob" << 2 << ""
                                                                       << false;
    // After several videos needed a login the video run starts with the
    // stored account, which the page run did not use.
    QTest::newRow("the video run would log in: two runs, the item keeps the account")
        << "https://www.youtube.com/watch?v=three" << "" << 2 << "carol" << true;
}

void TstAnalyseThread::singleVideoRuns()
{
    QFETCH(QString, url);
    QFETCH(QString, user);
    QFETCH(int, runs);
    QFETCH(QString, itemUser);
    QFETCH(bool, manyLogins);
    writeScript({{"routes", QJsonObject{{url, answer(video("v1", "One video"))}}}});
    DownloaderProgram::resetAccountRetryCount();
    if (manyLogins) {
        DownloaderProgram::accountRetryCount().storeRelease(5);
        Youtube::instance()->setAccountInfo(QStringLiteral("carol"), QStringLiteral("pw"),
                                            Youtube::instance()->loginSite(url));
    }
    const auto cleanup = qScopeGuard([] {
        DownloaderProgram::resetAccountRetryCount();
        Youtube::instance()->clearAccountInfo();
    });
    AnalyseThread t;
    Recorder rec(&t);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, user, user.isEmpty() ? QString() : QStringLiteral("pw"), &error));
    QCOMPARE(error, 0);
    QVERIFY(lists);
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), kWaitMs);
    QCOMPARE(rec.log, (QStringList{"start", "item -1 -1 L", "item -1 -1 L", "ready", "item -1 -1 L", "finished"}));
    QCOMPARE(logLines().size(), runs);
    std::shared_lock l(AnalyseThread::modelLock());
    const Item& item = lists->first().items.first();
    QCOMPARE(item.title, QStringLiteral("One video"));
    QCOMPARE(item.status, 0);
    QVERIFY(item.analysed);
    QCOMPARE(item.checkState, 2);
    QCOMPARE(item.medias.size(), 3);
    QCOMPARE(item.medias.first().height, QStringLiteral("720"));
    QCOMPARE(item.accountUser, itemUser);
    QCOMPARE(item.accountPassword, itemUser.isEmpty() ? QString() : QStringLiteral("pw"));
    DownloadItem task;
    SelectionToTasks::fillTask(item, task);
    QCOMPARE(task.accountUser, itemUser);
}

void TstAnalyseThread::liveStreamPageInOneRun()
{
    const QString url = QStringLiteral("https://example.org/live/1");
    QJsonObject live = video("stream", QStringLiteral(" "));
    live.remove("duration");
    live.insert("title", QJsonValue::Null);
    live.insert("protocol", "m3u8");
    writeScript({{"routes", QJsonObject{{url, answer(live)}}}});
    AnalyseThread t;
    Recorder rec(&t);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QCOMPARE(error, 0);
    QVERIFY(lists);
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), kWaitMs);
    QCOMPARE(logLines().size(), 1);
    std::shared_lock l(AnalyseThread::modelLock());
    const Item& item = lists->first().items.first();
    QVERIFY(item.isLive);
    QCOMPARE(item.duration, -1);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{6}-\\d{6}$")).match(item.id).hasMatch(), qPrintable(item.id));
    QCOMPARE(item.title, item.id);
}

void TstAnalyseThread::accountStaysOnItsSite_data()
{
    QTest::addColumn<bool>("fromStart");
    // The list itself needed the account: the attempt runs with it.
    QTest::newRow("from the start") << true;
    // The entries ask for a login and the run retries with the stored one.
    QTest::newRow("on the retry") << false;
}

void TstAnalyseThread::accountStaysOnItsSite()
{
    QFETCH(bool, fromStart);
    const QString url = QStringLiteral("https://www.youtube.com/playlist?list=PLA");
    const QString own = QStringLiteral("https://www.youtube.com/watch?v=own");
    const QStringList foreign{QStringLiteral("https://youtube.com.evil.example/watch?v=x"),
                              QStringLiteral("https://www.youtube.com.evil.example/watch?v=y"),
                              QStringLiteral("https://evil.example/www.youtube.com/watch?v=z")};
    QJsonArray entries{QJsonObject{{"id", "own"}, {"url", own}, {"title", "Own"}}};
    for (const QString& f : foreign)
        entries.append(QJsonObject{{"id", f.right(1)}, {"url", f}, {"title", f}});
    const QJsonObject list{{"_type", "playlist"}, {"extractor", "youtube:tab"}, {"id", "PLA"}, {"title", "A"},
                           {"entries", entries}};
    const QJsonObject login{{"stderr", "ERROR: This video is private"}, {"exit", 1}};
    QJsonObject routes{{url, answer(list)}};
    for (const QString& entry : QStringList{own} + foreign)
        routes.insert(entry, fromStart ? QJsonValue(answer(video("e"))) : QJsonValue(QJsonArray{login, answer(video("e"))}));
    writeScript({{"routes", routes}});

    DownloaderProgram::resetAccountRetryCount();
    const QString site = Youtube::instance()->loginSite(url);
    QVERIFY(!site.isEmpty());
    Youtube::instance()->setAccountInfo(QStringLiteral("bob"), QStringLiteral("pw"), site);
    AnalyseThread t;
    Recorder rec(&t);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, fromStart ? QStringLiteral("bob") : QString(),
                                        fromStart ? QStringLiteral("pw") : QString(), &error));
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), kWaitMs);
    QVERIFY(!t.isRunning() || t.wait(5000));
    Youtube::instance()->clearAccountInfo();
    QCOMPARE(error, 0);
    QVERIFY(lists);

    for (const QJsonObject& run : logLines()) {
        const QString address = run["address"].toString();
        const bool withAccount = run["config"].toString().contains("'bob'");
        if (foreign.contains(address))
            QVERIFY2(!withAccount && run["config"].isNull(), qPrintable(address));
    }
    const auto runsOf = [this](const QString& address) {
        QList<QJsonObject> runs;
        for (const QJsonObject& run : logLines())
            if (run["address"].toString() == address)
                runs.append(run);
        return runs;
    };
    const QList<QJsonObject> ownRuns = runsOf(own);
    QVERIFY(!ownRuns.isEmpty());
    QVERIFY(ownRuns.last()["config"].toString().contains("'bob'"));
    for (const QString& f : foreign)
        QCOMPARE(runsOf(f).size(), 1);     // no retry with the account either

    std::shared_lock l(AnalyseThread::modelLock());
    for (const Item& item : lists->first().items) {
        if (item.url == own) {
            QCOMPARE(item.status, 0);
            QCOMPARE(item.accountUser, QStringLiteral("bob"));
            QCOMPARE(item.accountPassword, QStringLiteral("pw"));
        } else {
            QVERIFY2(item.accountUser.isEmpty() && item.accountPassword.isEmpty(), qPrintable(item.url));
        }
    }
}

void TstAnalyseThread::outputThatDescribesNothing_data()
{
    QTest::addColumn<QString>("output");
    QTest::newRow("garbage") << QStringLiteral("this is not JSON at all");
    QTest::newRow("truncated") << QStringLiteral("{\"id\": \"abc\", \"formats\": [{\"format_id\": \"18\"");
    QTest::newRow("array") << QStringLiteral("[{\"id\": \"abc\"}]");
    QTest::newRow("empty object") << QStringLiteral("{}");
}

void TstAnalyseThread::outputThatDescribesNothing()
{
    QFETCH(QString, output);
    // The same output for the page run and the video run.
    writeScript({{"default", QJsonObject{{"stdout", output}}}});
    AnalyseThread t;
    Recorder rec(&t);
    int error = -1;
    Lists* lists = t.init(QStringLiteral("https://example.org/video/odd"), QString(), QString(), &error);
    QCOMPARE(error, int(YtbAnalyseFailed));
    QVERIFY(!lists);
    QVERIFY(t.wait(kWaitMs));
    QCOMPARE(rec.log, (QStringList{"start", "ready"}));
    QCOMPARE(logLines().size(), 1);

    // A video run alone gets nothing out of it either: no item, no format.
    const QString video = QStringLiteral("https://example.org/video/odd2");
    writeScript({{"routes", QJsonObject{{video, QJsonArray{answer(pageOnly(::video("ok"))), QJsonObject{{"stdout", output}}}}}}});
    AnalyseThread t2;
    Recorder rec2(&t2);
    lists = t2.init(video, QString(), QString(), &error);
    QCOMPARE(error, int(YtbAnalyseFailed));
    QVERIFY(!lists);
    QVERIFY(t2.wait(kWaitMs));
    QVERIFY(rec2.announced);
    const Item& item = rec2.announced->first().items.first();
    QCOMPARE(item.status, int(YtbAnalyseFailed));
    QVERIFY(item.medias.isEmpty());
    QCOMPARE(item.checkState, 0);
    delete rec2.announced;
}

void TstAnalyseThread::stopCutsThePauseShort()
{
    const QString url = QStringLiteral("https://example.org/video/private");
    const QJsonObject denied{{"stderr", "ERROR: This video is private"}, {"exit", 1}};
    writeScript({{"routes", QJsonObject{{url, QJsonArray{answer(pageOnly(video("p"))), denied}}}}});
    AnalyseThread t;
    Recorder rec(&t);
    QElapsedTimer timer;
    // Stopped while the analyser waits after the failed video; the caller
    // is still inside init then, as a window would be.
    QTimer::singleShot(0, this, [&] {
        QTimer* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&, poll] {
            if (logLines().size() >= 2) {
                poll->deleteLater();
                QTimer::singleShot(200, this, [&] { timer.start(); t.stop(); });
            }
        });
        poll->start(20);
    });
    int error = -1;
    Lists* lists = t.init(url, QString(), QString(), &error);
    QVERIFY(timer.isValid());
    QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!lists);
    QCOMPARE(error, int(YtbPrivateVideo));
    QVERIFY(t.wait(5000));
    delete rec.announced;
}

void TstAnalyseThread::pageErrors_data()
{
    QTest::addColumn<QString>("stderrText");
    QTest::addColumn<int>("error");
    QTest::newRow("unsupported") << "ERROR: Unsupported URL: https://x" << int(YtbUnsupportedUrl);
    QTest::newRow("login") << "ERROR: Unsupported URL\nUnable to log in" << int(YtbPrivateList);
    QTest::newRow("nothing") << "" << int(YtbAnalyseFailed);
}

void TstAnalyseThread::pageErrors()
{
    QFETCH(QString, stderrText);
    QFETCH(int, error);
    writeScript({{"default", QJsonObject{{"stderr", stderrText}, {"exit", 1}}}});
    AnalyseThread t;
    Recorder rec(&t);
    int got = -1;
    QVERIFY(!t.init(QStringLiteral("https://example.org/nothing"), QString(), QString(), &got));
    QCOMPARE(got, error);
    QVERIFY(t.wait(5000));
    QCOMPARE(rec.log, (QStringList{"start", "ready"}));
}

void TstAnalyseThread::httpsRetriedAsHttp()
{
    const QJsonObject hint{{"stderr", "ERROR: try replacing \"https:\" with \"http:\""}, {"exit", 1}};
    writeScript({{"routes", QJsonObject{{"https://example.org/v/2", hint}, {"http://example.org/v/2", answer(video("h"))}}}});
    AnalyseThread t;
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(QStringLiteral("https://example.org/v/2"), QString(), QString(), &error));
    QCOMPARE(error, 0);
    QVERIFY(lists);
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 10000);
    QCOMPARE(lists->first().items.first().title, QStringLiteral("Title h"));
}

void TstAnalyseThread::emptyPlaylistsPage()
{
    writeScript({{"default", answer(playlistsPage({}))}});
    AnalyseThread t;
    Recorder rec(&t);
    int error = -1;
    QVERIFY(!t.init(QStringLiteral("https://www.youtube.com/@empty/playlists"), QString(), QString(), &error));
    QCOMPARE(error, 0);
    QVERIFY(t.wait(5000));
    QTRY_COMPARE_WITH_TIMEOUT(rec.log, (QStringList{"start", "ready"}), kWaitMs);
}

void TstAnalyseThread::oneList()
{
    const QString url = QStringLiteral("https://www.youtube.com/playlist?list=PL3");
    writeScript({{"routes", QJsonObject{{url, answer(flatList("PL3", 3, "v"))}}},
                 {"contains", QJsonArray{QJsonObject{{"text", "watch?v="}, {"answer", answer(video("x"), 0.05)}}}}});
    AnalyseThread t;
    Recorder rec(&t);
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QVERIFY(lists);
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), 10000);

    // The result is announced once the list is read, the window is released
    // (3 items), then each item, the list, and the two closing announcements.
    QCOMPARE(rec.log.mid(0, 3), (QStringList{"start", "item -1 -1 L", "ready"}));
    QCOMPARE(rec.log.mid(rec.log.size() - 4), (QStringList{"item 0 -1", "item -1 -1 L", "item -1 -1 L", "finished"}));
    QStringList middle = rec.log.mid(3, rec.log.size() - 7);
    QCOMPARE(middle.filter("progress"), (QStringList{"progress 1/3", "progress 2/3", "progress 3/3"}));
    middle.erase(std::remove_if(middle.begin(), middle.end(), [](const QString& s) { return s.startsWith("progress"); }),
                 middle.end());
    QCOMPARE(middle.size(), 4);
    QVERIFY(middle.indexOf("item 0 0") >= 0 && middle.indexOf("item 0 -1") == middle.indexOf("item 0 0") + 1);
    QVERIFY(middle.contains("item 0 1") && middle.contains("item 0 2"));

    const List& list = lists->first();
    QCOMPARE(list.title, QStringLiteral("List PL3"));
    QCOMPARE(list.checkState, 2);
    QVERIFY(list.analysed);
    QCOMPARE(list.items.size(), 3);
    for (const Item& item : list.items) {
        QVERIFY(item.analysed);
        QCOMPARE(item.status, 0);
        QCOMPARE(item.listFolder, QStringLiteral("List PL3/"));
        QCOMPARE(item.medias.size(), 3);
    }
    QCOMPARE(list.items[1].url, QStringLiteral("https://www.youtube.com/watch?v=v1"));
    QCOMPARE(logLines().size(), 4);
}

void TstAnalyseThread::longListOnFewThreads()
{
    // Forty videos go through the eight places of the item pool; a thread
    // started per video would show up as some forty new thread ids.
    const int count = 40;
    const QString url = QStringLiteral("https://www.youtube.com/playlist?list=PL40");
    writeScript({{"routes", QJsonObject{{url, answer(flatList("PL40", count, "v"))}}},
                 {"contains", QJsonArray{QJsonObject{{"text", "watch?v="}, {"answer", answer(video("x"), 0.05)}}}}});
    const QSet<QString> before = threadIds();
    QSet<QString> seen;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] { seen += threadIds(); });
    sampler.start(2);
    AnalyseThread t;
    Recorder rec(&t);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QVERIFY(lists);
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), kWaitMs);
    sampler.stop();
    QCOMPARE(rec.log.filter("progress").last(), QStringLiteral("progress %1/%1").arg(count));
    for (const Item& item : lists->first().items) {
        QVERIFY(item.analysed);
        QCOMPARE(item.status, 0);
    }
    QCOMPARE(logLines().size(), count + 1);
    // The analysis thread, eight members and a little room for Qt's own.
    const QSet<QString> added = seen - before;
    QVERIFY2(added.size() <= 1 + AnalyseThread::kPoolSize + 3, qPrintable(QString::number(added.size())));
}

void TstAnalyseThread::threeLists()
{
    const QString url = QStringLiteral("https://www.youtube.com/@chan/playlists");
    const QStringList listUrls{"https://www.youtube.com/playlist?list=A", "https://www.youtube.com/playlist?list=B",
                               "https://www.youtube.com/playlist?list=C"};
    QJsonObject routes{{url, answer(playlistsPage(listUrls))}};
    for (int i = 0; i < 3; ++i) {
        const QString id = QString(QChar('A' + i));
        routes.insert(listUrls[i], answer(flatList(id, 2, id + "v"), 0.05 * (3 - i)));
    }
    writeScript({{"routes", routes},
                 {"contains", QJsonArray{QJsonObject{{"text", "watch?v="}, {"answer", answer(video("x"))}}}}});
    AnalyseThread t;
    Recorder rec(&t);
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QVERIFY(lists);
    QCOMPARE(lists->size(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), 15000);

    // Ready before any list run ended; every list reported when its run
    // ends, then the result.
    QCOMPARE(rec.log.mid(0, 2), (QStringList{"start", "ready"}));
    const int resultAt = rec.indexOf("item -1 -1 L");
    QCOMPARE(resultAt, 5);
    QStringList listRuns = rec.log.mid(2, 3);
    listRuns.sort();
    QCOMPARE(listRuns, (QStringList{"item 0 -1", "item 1 -1", "item 2 -1"}));
    QCOMPARE(rec.log.filter("progress").size(), 6);
    QCOMPARE(rec.log.last(), QStringLiteral("finished"));
    // The list summaries come in list order after their items.
    const int s0 = rec.log.lastIndexOf("item 0 -1"), s1 = rec.log.lastIndexOf("item 1 -1"), s2 = rec.log.lastIndexOf("item 2 -1");
    QVERIFY(s0 > resultAt && s0 < s1 && s1 < s2);
    QVERIFY(rec.log.lastIndexOf("item 2 1") < s2);

    for (int i = 0; i < 3; ++i) {
        const List& list = (*lists)[i];
        QCOMPARE(list.status, 0);
        QCOMPARE(list.items.size(), 2);
        QCOMPARE(list.items[0].listFolder, QStringLiteral("List A/List %1/").arg(QChar('A' + i)));
        QVERIFY(list.items[1].analysed);
    }
}

void TstAnalyseThread::entryLimitLeavesListsUnanalysed()
{
    // Ten lists of 1000 full entries: eight analysers take the first eight;
    // when one is free again at least 1000 entries are in, so the last two
    // are left unanalysed.
    const QString url = QStringLiteral("https://www.youtube.com/@big/playlists");
    QStringList listUrls;
    QJsonObject routes;
    for (int i = 0; i < 10; ++i) {
        listUrls << QStringLiteral("https://www.youtube.com/playlist?list=L%1").arg(i);
        const QString file = engine() + QStringLiteral("/list%1.json").arg(i);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(flatList(QStringLiteral("L%1").arg(i), 1000, QStringLiteral("L%1_").arg(i), true)).toJson(QJsonDocument::Compact));
        routes.insert(listUrls.last(), QJsonObject{{"stdout_file", file}});
    }
    routes.insert(url, answer(playlistsPage(listUrls)));
    writeScript({{"routes", routes}});
    AnalyseThread t;
    Recorder rec(&t);
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QVERIFY(lists);
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), 30000);
    int total = 0;
    for (int i = 0; i < 10; ++i)
        total += (*lists)[i].items.size();
    QCOMPARE(total, PlaylistAnalyser::kMaxAnalysedItems);
    QCOMPARE((*lists)[8].status, int(YtbLimitReached));
    QCOMPARE((*lists)[9].status, int(YtbLimitReached));
    QCOMPARE((*lists)[8].title, QString());
    QVERIFY(rec.indexOf("item 8 -1") < rec.indexOf("item -1 -1 L"));
    QVERIFY(rec.indexOf("item 9 -1") < rec.indexOf("item -1 -1 L"));
    for (int i = 0; i < 8; ++i)
        QVERIFY((*lists)[i].status == YtbNoError || (*lists)[i].items.isEmpty());
    QCOMPARE(logLines().size(), 9);     // the page and eight list runs
}

void TstAnalyseThread::twoListsShareTheCap()
{
    const QString url = QStringLiteral("https://www.youtube.com/@two/playlists");
    const QStringList listUrls{"https://www.youtube.com/playlist?list=X", "https://www.youtube.com/playlist?list=Y"};
    QJsonObject routes{{url, answer(playlistsPage(listUrls))}};
    for (int i = 0; i < 2; ++i) {
        const QString file = engine() + QStringLiteral("/two%1.json").arg(i);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(flatList(QString::number(i), 2000, QStringLiteral("T%1_").arg(i), true)).toJson(QJsonDocument::Compact));
        routes.insert(listUrls[i], QJsonObject{{"stdout_file", file}});
    }
    writeScript({{"routes", routes}});
    AnalyseThread t;
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QVERIFY(lists);
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 30000);
    const int total = (*lists)[0].items.size() + (*lists)[1].items.size();
    QVERIFY(total <= PlaylistAnalyser::kMaxAnalysedItems);
    QCOMPARE(total, PlaylistAnalyser::kMaxAnalysedItems);
    for (const List& list : *lists)
        for (const Item& item : list.items)
            QVERIFY(item.analysed && item.status == 0);
}

void TstAnalyseThread::stopCancelsAndEndsEveryChild()
{
    const QString url = QStringLiteral("https://www.youtube.com/playlist?list=SLOW");
    const QJsonObject slow{{"grandchild", true}, {"delay", 60}, {"stdout", text(video("s"))}};
    writeScript({{"routes", QJsonObject{{url, answer(flatList("SLOW", 12, "s"))}}},
                 {"contains", QJsonArray{QJsonObject{{"text", "watch?v="}, {"answer", slow}}}}});
    AnalyseThread t;
    Recorder rec(&t);
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QVERIFY(lists);
    // The page run and eight video runs, each with a grandchild.
    QTRY_COMPARE_WITH_TIMEOUT(logLines().size(), 9, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!logLines().last().value("grandchild").isNull(), 5000);
    QElapsedTimer timer;
    timer.start();
    t.stop();
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), 10000);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(t.wait(5000));

    const List& list = lists->first();
    QCOMPARE(list.items.size(), 12);
    for (const Item& item : list.items) {
        QCOMPARE(item.status, int(YtbCancelled));
        QCOMPARE(item.checkState, 0);
        QVERIFY(item.analysed);
        QVERIFY(!item.analysing);
    }
    QCOMPARE(list.status, int(YtbCancelled));
    QCOMPARE(list.checkState, 0);
    QCOMPARE(logLines().size(), 9);      // nothing started after the stop
    for (const QJsonObject& run : logLines()) {
        const qint64 group = qint64(run.value("pgid").toDouble());
        QTRY_VERIFY_WITH_TIMEOUT(!ProcessTree::groupAlive(group), 2000);
    }
    QCOMPARE(rec.log.last(), QStringLiteral("finished"));
}

void TstAnalyseThread::itemsAppearWhole()
{
    // Read the model the way the windows do, as often as possible while
    // eight analysers fill it: an item is either untouched or complete.
    const QString url = QStringLiteral("https://www.youtube.com/playlist?list=WHOLE");
    writeScript({{"routes", QJsonObject{{url, answer(flatList("WHOLE", 24, "w"))}}},
                 {"contains", QJsonArray{QJsonObject{{"text", "watch?v="}, {"answer", answer(video("x", "Whole"), 0.02)}}}}});
    AnalyseThread t;
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QVERIFY(lists);
    int reads = 0;
    int bad = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        std::shared_lock lock(AnalyseThread::modelLock());
        for (const Item& item : lists->first().items) {
            const bool whole = item.analysed && item.status == 0 && item.medias.size() == 3
                               && item.title == QStringLiteral("Whole") && item.medias.first().index == 0;
            const bool untouched = !item.analysed && item.medias.isEmpty() && item.title.startsWith(QLatin1Char('E'));
            if (!whole && !untouched)
                ++bad;
        }
        ++reads;
    });
    poll.start(0);
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 20000);
    poll.stop();
    QCOMPARE(bad, 0);
    QVERIFY(reads > 10);
}

void TstAnalyseThread::subscribedListAndLaterItems()
{
    // A subscribed list whose videos 1 to 5 were downloaded before: they are
    // skipped (7) and analysed only when asked for afterwards.
    const QString url = QStringLiteral("https://www.youtube.com/playlist?list=SUB");
    writeScript({{"routes", QJsonObject{{url, answer(flatList("SUB", 6, "u"))}}},
                 {"contains", QJsonArray{QJsonObject{{"text", "watch?v="}, {"answer", answer(video("x"))}}}}});
    SubscribeListMgr* mgr = Youtube::instance()->subscribeListMgr();
    QVERIFY(mgr);
    List record;
    record.extractor = QStringLiteral("youtube:tab");
    record.id = QStringLiteral("SUB");
    record.title = QStringLiteral("Subscribed");
    mgr->addSubscribeList(&record);
    const QString kept = engine() + QStringLiteral("/kept.mp4");
    QFile(kept).open(QIODevice::WriteOnly);
    for (int i = 1; i <= 5; ++i)
        QVERIFY(mgr->database()->addItem(QStringLiteral("youtube:tab"), QStringLiteral("SUB"),
                                         PlaylistAnalyser::watchUrl(QStringLiteral("u%1").arg(i)), kept,
                                         QStringLiteral("Stored %1").arg(i), QString()));

    AnalyseThread t;
    Recorder rec(&t);
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QVERIFY(lists);
    QTRY_VERIFY_WITH_TIMEOUT(rec.log.contains("finished"), 10000);
    const List& list = lists->first();
    QVERIFY(list.subscribed);
    QCOMPARE(list.items.size(), 6);
    QCOMPARE(list.items[0].url, PlaylistAnalyser::watchUrl(QStringLiteral("u0")));
    QCOMPARE(list.items[0].status, 0);
    for (int i = 1; i <= 5; ++i) {
        const Item& skipped = list.items[i];
        QCOMPARE(skipped.status, int(YtbSkipped));
        QCOMPARE(skipped.downloadState, 2);
        QCOMPARE(skipped.title, QStringLiteral("Stored %1").arg(i));
        QVERIFY(skipped.medias.isEmpty());
    }
    // The skipped items are shown before any is analysed, without progress.
    QVERIFY(rec.indexOf("item 0 5") < rec.indexOf("item 0 0"));
    QVERIFY(rec.log.filter("progress").isEmpty());
    QCOMPARE(list.status, 0);
    QCOMPARE(logLines().size(), 2);

    // Out of range: ignored.
    t.analyseItem(7);
    t.analyseItem(-1);
    QVERIFY(t.wait(5000));
    QVERIFY(!t.isRunning());

    // One by one, each asked for the moment the previous is reported, when
    // the thread is deciding whether to end: none is lost.
    rec.log.clear();
    QueuedSpy reported(&t, &AnalyseThread::doPlaylistItemReady);
    for (int i = 1; i <= 5; ++i) {
        // What the thread sent before is recorded before the slate is wiped.
        QCoreApplication::sendPostedEvents(&reported, QEvent::MetaCall);
        reported.clear();
        t.analyseItem(i);
        QTRY_VERIFY_WITH_TIMEOUT(!reported.isEmpty(), kWaitMs);
        QCOMPARE(reported.first(), (QVariantList{0, i, QVariant::fromValue<Lists*>(nullptr)}));   // shown as loading
        QTRY_VERIFY_WITH_TIMEOUT(reported.size() >= 2, 10000);
    }
    QTRY_COMPARE_WITH_TIMEOUT(rec.log.last(), QStringLiteral("finished"), 10000);
    QVERIFY(t.wait(5000));
    for (int i = 1; i <= 5; ++i) {
        const Item& item = list.items[i];
        QCOMPARE(item.status, 0);
        QVERIFY(item.analysed);
        QCOMPARE(item.medias.size(), 3);
        QCOMPARE(item.listFolder, QStringLiteral("List SUB/"));
    }
    QCOMPARE(logLines().size(), 7);

    // A finished item is analysing with status 0: asking again does nothing.
    rec.log.clear();
    t.analyseItem(1);
    QVERIFY(!t.isRunning());
    QVERIFY(rec.log.isEmpty());

    mgr->removeSubscribeList(SubscribeRecord{QStringLiteral("youtube:tab"), QStringLiteral("SUB"), QString(), QString()});
}

void TstAnalyseThread::analyseItemWithoutFilter()
{
    const QString url = QStringLiteral("https://www.youtube.com/playlist?list=NF");
    writeScript({{"routes", QJsonObject{{url, answer(flatList("NF", 2, "n"))}}},
                 {"contains", QJsonArray{QJsonObject{{"text", "watch?v="}, {"answer", answer(video("x"))}}}}});
    AnalyseThread t;
    QueuedSpy finished(&t, &AnalyseThread::doFinished);
    int error = -1;
    std::unique_ptr<Lists> lists(t.init(url, QString(), QString(), &error));
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 10000);
    QVERIFY(t.wait(5000));
    QueuedSpy started(&t, &AnalyseThread::doStart);
    t.analyseItem(0);
    QTest::qWait(100);
    QCOMPARE(started.size(), 0);
    QVERIFY(!t.isRunning());
}

QTEST_GUILESS_MAIN(TstAnalyseThread)
#include "tst_analysethread.moc"

