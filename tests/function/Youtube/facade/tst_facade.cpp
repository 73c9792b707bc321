// The engine facade and its private part: rows, the tick propagation, the
// analysis attempts and their end notices, with the scripted stand-in
// downloader.

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Analyser/AnalyseThread.h"
#include "function/Youtube/private/FormatChoice.h"
#include "function/Youtube/private/YoutubePrivate.h"
#include "shell/SettingsStore.h"

#include <QtTest>

using Youtube_Structure::Item;
using Youtube_Structure::List;
using Youtube_Structure::Lists;
using Youtube_Structure::Media;

namespace {

QString text(const QJsonObject& o)
{
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QJsonObject video(const QString& id)
{
    const QJsonArray formats{QJsonObject{{"format_id", "18"}, {"vcodec", "avc1"}, {"acodec", "mp4a"}, {"ext", "mp4"},
                                         {"height", 360}, {"url", "http://127.0.0.1:9/18"}}};
    return QJsonObject{{"id", id}, {"title", "Title " + id}, {"extractor", "youtube"}, {"formats", formats},
                       {"duration", 10}};
}

QJsonObject ok(const QJsonObject& json, double delay = 0)
{
    QJsonObject a{{"stdout", text(json)}};
    if (delay > 0)
        a["delay"] = delay;
    return a;
}

QJsonObject loginError()
{
    return QJsonObject{{"stderr", "ERROR: Unable to log in: this list is private"}, {"exit", 1}};
}

QJsonObject flatList(const QString& id, int count)
{
    QJsonArray entries;
    for (int i = 0; i < count; ++i)
        entries.append(QJsonObject{{"id", QStringLiteral("%1e%2").arg(id).arg(i)},
                                   {"url", QStringLiteral("https://example.org/%1/v%2").arg(id).arg(i)},
                                   {"title", QStringLiteral("E%1").arg(i)}});
    return QJsonObject{{"_type", "playlist"}, {"extractor", "generic"}, {"id", id}, {"title", "List " + id},
                       {"entries", entries}};
}

Media media(const QString& id, const QString& height)
{
    Media m;
    m.formatId = id;
    m.vcodec = "avc1";
    m.acodec = "mp4a";
    m.height = height;
    m.width = QString::number(height.toInt() * 16 / 9);
    m.ext = "mp4";
    m.targetExt = "mp4";
    return m;
}

Item item(const QString& title, int status = YtbNoError)
{
    Item it;
    it.title = title;
    it.uploader = "up " + title;
    it.thumbnail = "thumb-" + title;
    it.analysed = true;
    it.status = status;
    it.checkState = status == YtbNoError ? 2 : 0;
    it.medias = {media("a", "720"), media("b", "360"), media("c", "240")};
    for (int k = 0; k < it.medias.size(); ++k)
        it.medias[k].index = k;
    return it;
}

// Two lists: the first with three items (the third private), the second
// with one item; a third list that failed.
Lists* handBuilt()
{
    auto* lists = new Lists;
    List a;
    a.title = "Alpha";
    a.thumbnail = "thumb-list-a";
    a.analysed = true;
    a.items.append(item("a0"));
    a.items.append(item("a1"));
    a.items.append(item("a2", YtbPrivateVideo));
    a.subscribable = true;
    lists->append(std::move(a));
    List b;
    b.title = "Beta";
    b.analysed = true;
    b.items.append(item("b0"));
    lists->append(std::move(b));
    List c;
    c.analysed = true;
    c.status = YtbAnalyseFailed;
    c.checkState = 0;
    lists->append(std::move(c));
    return lists;
}

struct Row
{
    int type;
    int index;
    int checkState;
    bool operator==(const Row& o) const { return type == o.type && index == o.index && checkState == o.checkState; }
};

char* toString(const Row& r)
{
    return QTest::toString(QStringLiteral("(%1,%2,%3)").arg(r.type).arg(r.index).arg(r.checkState));
}

QList<Row> rows(const QSignalSpy& spy)
{
    QList<Row> out;
    for (const QList<QVariant>& args : spy) {
        const YoutubeItem it = args.at(3).value<YoutubeItem>();
        out.append({args.at(0).value<YoutubeListType>(), it.index, it.checkState});
    }
    return out;
}

bool pidAlive(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = f.readAll();
    const int close = s.lastIndexOf(')');
    return close > 0 && s.mid(close + 2, 1) != "Z";
}

} // namespace

Q_DECLARE_METATYPE(Row)

class TestFacade : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_engine;
    QString fakeDir() const { return m_engine.path() + "/downloader-dlp"; }
    Youtube* yt() const { return Youtube::instance(); }

    void writeScript(const QJsonObject& script)
    {
        QFile f(fakeDir() + "/fake_script.json");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QJsonDocument(script).toJson(QJsonDocument::Compact));
        QFile::remove(fakeDir() + "/fake_log.jsonl");
    }

    QList<QJsonObject> runs() const
    {
        QList<QJsonObject> out;
        QFile f(fakeDir() + "/fake_log.jsonl");
        if (!f.open(QIODevice::ReadOnly))
            return out;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                out.append(QJsonDocument::fromJson(line).object());
        return out;
    }

    // Page runs only: the analysis attempts (they carry no --no-playlist
    // difference here, but they are the ones with "-J" on the given
    // addresses).
    QStringList attemptsOn(const QStringList& addresses) const
    {
        QStringList out;
        for (const QJsonObject& r : runs()) {
            const QString a = r["address"].toString();
            if (!addresses.contains(a))
                continue;
            const QString config = r["config"].toString();
            out << a + (config.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(config.contains("'stored'") ? "stored" : config.contains("'given'") ? "given" : "other"));
        }
        return out;
    }

    // Waits for the end notice of the analysis that is running and checks
    // that it comes once.
    void settle(QSignalSpy& finished)
    {
        if (finished.isEmpty())
            QVERIFY(finished.wait(15000));
        // Anything queued behind it gets its chance to show up.
        QTest::qWait(150);
        QCOMPARE(finished.count(), 1);
    }

    void setStoredAccount(bool on)
    {
        SiteAccount* site = yt()->siteAccounts()->at(0);
        site->removeAccount("stored");
        if (on)
            site->addAccount("stored", "spw");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_engine.isValid());
        SettingsStore::instance()->setValue("youtube/path", SettingsStore::toStoredPath(m_engine.path()));
        SettingsStore::instance()->setValue("youtube/downloadFullList", "true");
        QVERIFY(QDir().mkpath(fakeDir()));
        const QString fake = qEnvironmentVariable("TW_SOURCE_DIR") + "/tests/fixtures/fake_downloader.py";
        QVERIFY(QFile::copy(fake, fakeDir() + "/downloader"));
        qRegisterMetaType<YoutubeItem>();
        Youtube::instance();
    }

    // The windows and the engine's own wiring rely on these names and this
    // order.
    void signalsInDeclaredOrder()
    {
        const QMetaObject& mo = Youtube::staticMetaObject;
        const int base = mo.methodOffset();
        const QList<QByteArray> expected{
            "doYtbUpgradeProcess(qlonglong,qlonglong)",
            "doUpgradeFinished()",
            "doYoutubeListRefresh(YoutubeListType,Youtube_Structure::List*,int,YoutubeItem)",
            "doListInfoRefresh(YoutubeMediaListInfo)",
            "doStartAnalyse()",
            "doProgress(int,int)",
            "doAnalyseFinished()",
            "doDownloadFinished(QStringList,QStringList)",
            "doLiveMusicToVideo()"};
        for (int i = 0; i < expected.size(); ++i) {
            const QMetaMethod m = mo.method(base + i);
            QCOMPARE(m.methodType(), QMetaMethod::Signal);
            QCOMPARE(m.methodSignature(), expected.at(i));
        }
        QCOMPARE(mo.method(base + expected.size()).name(), QByteArray("onDownloadItemFinished"));
    }

    void emptyAddressFailsAtOnce()
    {
        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        QSignalSpy started(yt(), &Youtube::doStartAnalyse);
        QCOMPARE(yt()->initAnalyser(QString()), YtbAnalyseFailed);
        QTest::qWait(50);
        QCOMPARE(finished.count(), 0);
        QCOMPARE(started.count(), 0);
    }

    void rowsOfAHandBuiltModel()
    {
        YoutubePrivate* d = yt()->privatePart();
        d->onPlaylistItemReady(-1, -1, handBuilt());
        YoutubeList out;

        yt()->lists(out, 0, -1);
        QCOMPARE(out.type, YtbListsLevel);
        QCOMPARE(out.items.size(), 3);
        QCOMPARE(out.items[0].title, QStringLiteral("Alpha"));
        QCOMPARE(out.items[0].subTitle, QStringLiteral("3 Videos"));
        QCOMPARE(out.items[1].subTitle, QStringLiteral("1 Video"));
        QCOMPARE(out.items[2].title, QStringLiteral("Invalid"));
        QCOMPARE(out.items[2].subTitle, QString());
        QCOMPARE(out.items[0].thumbnail, QStringLiteral("thumb-list-a"));

        yt()->lists(out, 0, 2);   // failed list: no rows
        QCOMPARE(out.type, YtbItemsLevel);
        QVERIFY(out.items.isEmpty());
        yt()->lists(out, 0, 7);   // beyond the lists: the default
        QVERIFY(out.items.isEmpty());
        QCOMPARE(d->currentListIndex(), 2);

        yt()->lists(out, 0, 0);
        QCOMPARE(d->currentListIndex(), 0);
        QCOMPARE(yt()->currentList()->title, QStringLiteral("Alpha"));
        QCOMPARE(out.items.size(), 3);
        QVERIFY(out.subscribable);
        QCOMPARE(out.items[1].title, QStringLiteral("a1"));
        QCOMPARE(out.items[1].subTitle, QStringLiteral("up a1"));
        QCOMPARE(out.items[2].status, int(YtbPrivateVideo));

        yt()->lists(out, 1, 1);
        QCOMPARE(d->currentItemIndex(), 1);
        QCOMPARE(out.type, YtbFormatsLevel);
        QVERIFY(!out.items.isEmpty());
        QCOMPARE(out.info.title, QStringLiteral("a1"));
        yt()->lists(out, 1, 9);
        QCOMPARE(d->currentItemIndex(), 1);
        QVERIFY(out.items.isEmpty());
        yt()->lists(out, 1, 0);
        QCOMPARE(d->currentItemIndex(), 0);
    }

    // Runs after rowsOfAHandBuiltModel: current list 0, current item 0.
    void tickPropagation()
    {
        YoutubePrivate* d = yt()->privatePart();
        d->onPlaylistItemReady(-1, -1, handBuilt());
        YoutubeList out;
        yt()->lists(out, 0, 0);
        yt()->lists(out, 1, 0);
        const Item& a0 = d->model()->at(0).items.at(0);
        const int pick0 = FormatChoice::pick(a0);
        QVERIFY(pick0 >= 0);
        const int other = pick0 == 1 ? 2 : 1;

        QSignalSpy spy(yt(), &Youtube::doYoutubeListRefresh);

        // Unticking a list: its row, its items (the current one with its
        // chosen format), the summary row.
        yt()->setChecked(0, 0, false);
        QCOMPARE(rows(spy), (QList<Row>{{0, 0, 0}, {1, 0, 0}, {2, pick0, 0}, {1, 1, 0}, {0, -1, 1}}));
        for (const QList<QVariant>& args : spy) {
            QVERIFY(!args.at(1).value<List*>());
            QCOMPARE(args.at(2).toInt(), 0);
        }
        QCOMPARE(d->model()->at(0).items.at(2).checkState, 0);   // private item untouched

        // Ticking one item back: its row, the list's row twice, the summary.
        spy.clear();
        yt()->setChecked(1, 1, true);
        QCOMPARE(rows(spy), (QList<Row>{{1, 1, 2}, {0, 0, 1}, {0, 0, 1}, {0, -1, 1}}));

        // Ticking a format of the current (unticked) item: the item ticks,
        // the list follows, the tick moves from the old choice to it.
        spy.clear();
        yt()->setChecked(2, other, true);
        QCOMPARE(rows(spy), (QList<Row>{{1, 0, 2}, {1, 0, 2}, {0, 0, 2}, {0, 0, 2}, {0, -1, 2},
                                        {2, pick0, 0}, {2, other, 2}}));
        QCOMPARE(d->model()->at(0).items.at(0).chosenMediaIndex, other);

        // Ticking what is already ticked, a list that failed, or a format
        // the item does not have: nothing.
        spy.clear();
        yt()->setChecked(0, 0, true);
        yt()->setChecked(0, 2, true);
        yt()->setChecked(1, 2, true);
        yt()->setChecked(2, a0.medias.size(), true);
        yt()->setChecked(2, -2, true);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(d->model()->at(0).items.at(0).chosenMediaIndex, other);

        // Unticking every list: each list and its items, no summary row.
        yt()->setChecked(0, -1, false);
        QCOMPARE(rows(spy), (QList<Row>{{0, 0, 0}, {1, 0, 0}, {2, other, 0}, {1, 1, 0}, {0, 1, 0}}));

        // Ticking one list: its row, its items (the current one's chosen
        // format moves its tick to itself), the summary row.
        spy.clear();
        yt()->setChecked(0, 0, true);
        QCOMPARE(rows(spy), (QList<Row>{{0, 0, 2}, {1, 0, 2}, {2, other, 0}, {2, other, 2}, {1, 1, 2}, {0, -1, 1}}));

        // Unticking a format unticks its item, list and summary.
        yt()->setChecked(0, -1, true);
        spy.clear();
        yt()->setChecked(2, other, false);
        QCOMPARE(rows(spy), (QList<Row>{{1, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 0, 1}, {0, -1, 1}, {2, other, 0}}));
    }

    void subtitleLanguagesAndMediaPreference()
    {
        YoutubePrivate* d = yt()->privatePart();
        d->onPlaylistItemReady(-1, -1, handBuilt());
        YoutubeList out;
        yt()->lists(out, 0, 0);
        yt()->lists(out, 1, 1);
        Item* a1 = d->model()->ptr(0)->items.ptr(1);
        a1->subLangs = {{"en", false}, {"fr", false}};
        yt()->setSubLangChecked(1, true);
        yt()->setSubLangChecked(5, true);
        QCOMPARE(a1->subLangs.at(1).checked, true);
        QCOMPARE(a1->subLangs.at(0).checked, false);

        QSignalSpy info(yt(), &Youtube::doListInfoRefresh);
        d->onSubtitleReady(d->model()->ptr(0)->items.ptr(0));   // not the current item
        QCOMPARE(info.count(), 0);
        d->onSubtitleReady(a1);
        QCOMPARE(info.count(), 1);
        const YoutubeMediaListInfo got = info.first().at(0).value<YoutubeMediaListInfo>();
        QCOMPARE(got.title, QStringLiteral("a1"));
        QCOMPARE(got.subLangs.size(), 2);

        yt()->setShowAllMedia(true);
        QVERIFY(d->model()->at(1).items.at(0).showAllMedia);
        d->model()->ptr(1)->items.ptr(0)->chosenMediaIndex = 1;
        yt()->applyMediaToAll(2);
        QCOMPARE(d->model()->at(1).items.at(0).chosenMediaIndex, -1);
        QCOMPARE(FormatChoice::preference().prefHeight, 240);
        FormatChoice::reset();

        // Thumbnails: the list rows and the current list's item rows that use it.
        QSignalSpy spy(yt(), &Youtube::doYoutubeListRefresh);
        d->onThumbnailReady("thumb-a1");
        QCOMPARE(rows(spy), (QList<Row>{{1, 1, 2}}));
        spy.clear();
        d->onThumbnailReady("thumb-list-a");
        QCOMPARE(rows(spy), (QList<Row>{{0, 0, 2}}));
        spy.clear();
        d->onThumbnailReady("thumb-b0");    // not in the current list
        QCOMPARE(spy.count(), 0);
    }

    void normalisedWatchAddress_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("watch");
        QTest::newRow("id and list") << "https://www.youtube.com/watch?v=abc&list=PL1" << "https://www.youtube.com/watch?v=abc";
        QTest::newRow("id alone") << "https://www.youtube.com/watch?v=abc" << "";
        QTest::newRow("v after another") << "https://www.youtube.com/watch?list=PL1&v=xyz" << "https://www.youtube.com/watch?v=xyz";
        QTest::newRow("other host") << "https://youtube.com/watch?v=abc&list=PL1" << "";
        QTest::newRow("no id") << "https://www.youtube.com/playlist?list=PL1" << "";
        QTest::newRow("empty id") << "https://www.youtube.com/watch?v=&list=PL1" << "";
    }
    void normalisedWatchAddress()
    {
        QFETCH(QString, url);
        QFETCH(QString, watch);
        QCOMPARE(YoutubePrivate::normalisedWatchUrl(url), watch);
    }

    void attemptChain_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QJsonObject>("routes");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("givenUser");
        QTest::addColumn<QString>("givenPassword");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("attempts");

        const QString list = "https://www.youtube.com/playlist?list=PRIV";
        const QString mixed = "https://www.youtube.com/watch?v=abc&list=PRIV";
        const QString watch = "https://www.youtube.com/watch?v=abc";
        const QJsonArray twoLoginErrors{loginError(), loginError()};

        QTest::newRow("login needed, nothing to retry with")
            << list << QJsonObject{{list, loginError()}} << false << "" << "" << int(YtbPrivateList) << QStringList{list};
        QTest::newRow("second attempt with the stored account")
            << list << QJsonObject{{list, QJsonArray{loginError(), ok(video("p"))}}} << true << "" << ""
            << int(YtbNoError) << QStringList{list, list + " [stored]"};
        QTest::newRow("third attempt on the watch address")
            << mixed << QJsonObject{{mixed, twoLoginErrors}, {watch, ok(video("abc"))}} << true << "" << ""
            << int(YtbNoError) << QStringList{mixed, mixed + " [stored]", watch};
        QTest::newRow("no account, straight to the watch address")
            << mixed << QJsonObject{{mixed, loginError()}, {watch, ok(video("abc"))}} << false << "" << ""
            << int(YtbNoError) << QStringList{mixed, watch};
        QTest::newRow("all three fail")
            << mixed << QJsonObject{{mixed, twoLoginErrors}, {watch, loginError()}} << true << "" << ""
            << int(YtbPrivateList) << QStringList{mixed, mixed + " [stored]", watch};
        QTest::newRow("watch address with the id alone")
            << watch << QJsonObject{{watch, loginError()}} << false << "" << "" << int(YtbPrivateList) << QStringList{watch};
        QTest::newRow("given credentials log in at once")
            << list << QJsonObject{{list, ok(video("p"))}} << true << "given" << "gpw" << int(YtbNoError)
            << QStringList{list + " [given]"};
        QTest::newRow("given name without password is ignored")
            << list << QJsonObject{{list, QJsonArray{loginError(), ok(video("p"))}}} << true << "given" << ""
            << int(YtbNoError) << QStringList{list, list + " [stored]"};
        QTest::newRow("unsupported")
            << list << QJsonObject{{list, QJsonObject{{"stderr", "ERROR: Unsupported URL: x"}, {"exit", 1}}}} << true
            << "" << "" << int(YtbUnsupportedUrl) << QStringList{list};
    }

    void attemptChain()
    {
        QFETCH(QString, url);
        QFETCH(QJsonObject, routes);
        QFETCH(bool, stored);
        QFETCH(QString, givenUser);
        QFETCH(QString, givenPassword);
        QFETCH(int, result);
        QFETCH(QStringList, attempts);

        setStoredAccount(stored);
        writeScript({{"routes", routes}, {"contains", QJsonArray{QJsonObject{{"text", "example.org"}, {"answer", ok(video("x"))}}}}});
        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        QCOMPARE(int(yt()->initAnalyser(url, givenUser, givenPassword)), result);
        settle(finished);
        QStringList seen = attemptsOn({url, "https://www.youtube.com/playlist?list=PRIV",
                                       "https://www.youtube.com/watch?v=abc&list=PRIV",
                                       "https://www.youtube.com/watch?v=abc"});
        // A successful analysis goes on to run its item, possibly on the
        // same address; the attempts are what comes first.
        if (result == YtbNoError)
            seen = seen.mid(0, attempts.size());
        QCOMPARE(seen, attempts);
        // The credentials live only as long as the analysis.
        QString u, p;
        QVERIFY(!yt()->accountInfo(u, p));
        if (result == YtbNoError)
            QVERIFY(yt()->privatePart()->model());
        else
            QVERIFY(!yt()->privatePart()->model());
        setStoredAccount(false);
    }

    void emptyResultIsAFailureWithItsNotice()
    {
        // The page run succeeds but yields a page of playlists without any.
        const QString url = "https://example.net/empty";
        writeScript({{"routes", QJsonObject{{url, ok(QJsonObject{{"_type", "playlist"}, {"extractor", "youtube:playlists"},
                                                                  {"id", "e"}, {"entries", QJsonArray()}})}}}});
        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        QCOMPARE(yt()->initAnalyser(url), YtbAnalyseFailed);
        settle(finished);
        YoutubeList out;
        yt()->lists(out, 0, -1);
        QVERIFY(out.items.isEmpty());
        QVERIFY(yt()->selectedDownloadItems().isEmpty());
    }

    void stopDuringAnalysisGivesCancelled()
    {
        const QString url = "https://example.net/slow";
        writeScript({{"routes", QJsonObject{{url, QJsonObject{{"delay", 30}, {"grandchild", true}}}}}});
        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        // Stop once the stand-in has logged its run (a busy machine may take
        // a while to start it); a stop before that would leave nothing to check.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (!runs().isEmpty()) {
                poll.stop();
                yt()->stopAnalyse();
            }
        });
        poll.start(20);
        QElapsedTimer t;
        t.start();
        QCOMPARE(yt()->initAnalyser(url), YtbCancelled);
        QVERIFY(t.elapsed() < 10000);
        settle(finished);
        const QList<QJsonObject> r = runs();
        QCOMPARE(r.size(), 1);
        const qint64 pid = r.first()["pid"].toVariant().toLongLong();
        const qint64 grandchild = r.first()["grandchild"].toVariant().toLongLong();
        QVERIFY(pid > 0 && grandchild > 0);
        QTRY_VERIFY_WITH_TIMEOUT(!pidAlive(pid) && !pidAlive(grandchild), 5000);
    }

    void reentrantStartIsRefused()
    {
        const QString url = "https://example.net/one";
        writeScript({{"routes", QJsonObject{{url, ok(video("one"), 0.3)}}}});
        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        int nested = -1;
        QMetaObject::Connection c = connect(yt(), &Youtube::doStartAnalyse, this, [&] {
            if (nested == -1)
                nested = yt()->initAnalyser("https://example.net/other");
        });
        QCOMPARE(yt()->initAnalyser(url), YtbNoError);
        disconnect(c);
        QCOMPARE(nested, int(YtbAnalyseFailed));
        settle(finished);
        QCOMPARE(yt()->privatePart()->model()->first().items.first().title, QStringLiteral("Title one"));
    }

    void newAnalysisEndsThePreviousOneFirst()
    {
        // A list whose items take a while; a second analysis starts while
        // they are being analysed.
        const QString first = "https://example.org/list";
        const QString second = "https://example.net/second";
        writeScript({{"routes", QJsonObject{{first, ok(flatList("L", 6))}, {second, ok(video("s"))}}},
                     {"contains", QJsonArray{QJsonObject{{"text", "example.org/L/"}, {"answer", ok(video("x"), 1.0)}}}}});
        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        QCOMPARE(yt()->initAnalyser(first), YtbNoError);
        QVERIFY(yt()->privatePart()->analyseThread()->isRunning());
        QCOMPARE(yt()->initAnalyser(second), YtbNoError);
        // The first analysis's end was delivered before the second began.
        QCOMPARE(finished.count(), 1);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.count(), 2);
        QCOMPARE(yt()->privatePart()->model()->size(), 1);
        QCOMPARE(yt()->privatePart()->model()->first().items.first().title, QStringLiteral("Title s"));
    }

    void accountsThroughTheFacade()
    {
        QList<SiteAccount*>* sites = yt()->siteAccounts();
        QCOMPARE(sites->size(), 2);
        QCOMPARE(yt()->loginSite("https://www.youtube.com/watch?v=1"), QStringLiteral("www.youtube.com"));
        QCOMPARE(yt()->loginSite("https://youtube.com.evil.example/watch?v=1"), QString());
        sites->at(1)->addAccount("v", "w");
        QVERIFY(QFile::exists(m_engine.path() + "/AP"));
        sites->at(1)->removeAccount("v");
    }
};

QTEST_GUILESS_MAIN(TestFacade)
#include "tst_facade.moc"
