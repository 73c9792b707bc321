// The scripted engine plays the engine's rules on the model a test fills.

#include "ScriptedEngine.h"
#include "shell/SettingsStore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Youtube_Structure::Item;
using Youtube_Structure::List;
using Youtube_Structure::Media;

namespace {

Media media(const QString& id, const QString& height, const QString& ext = QStringLiteral("mp4"))
{
    Media m;
    m.formatId = id;
    m.vcodec = QStringLiteral("avc1");
    m.acodec = QStringLiteral("mp4a");
    m.height = height;
    m.width = QString::number(height.toInt() * 16 / 9);
    m.ext = ext;
    m.targetExt = ext;
    m.url = QStringLiteral("http://127.0.0.1:9/") + id;
    return m;
}

// One analysed list of three ready items, each with three formats.
void fillOneList()
{
    ScriptedEngine::reset();
    List list;
    list.title = QStringLiteral("Listed");
    list.analysed = true;
    for (int j = 0; j < 3; ++j) {
        Item item;
        item.title = QStringLiteral("Video %1").arg(j);
        item.uploader = QStringLiteral("Uploader");
        item.url = QStringLiteral("https://www.youtube.com/watch?v=v%1").arg(j);
        item.analysed = true;
        item.medias = {media("22", "720"), media("18", "360"), media("137", "1080")};
        for (int k = 0; k < item.medias.size(); ++k)
            item.medias[k].index = k;
        item.subLangs = {SubLang{QStringLiteral("en"), false}, SubLang{QStringLiteral("de"), false}};
        list.items.append(std::move(item));
    }
    ScriptedEngine::model().append(std::move(list));
}

} // namespace

class TestScriptedEngine : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), m_dir.path());
    }

    void init() { fillOneList(); }

    void oneListAnalysis()
    {
        Youtube* engine = Youtube::instance();
        QSignalSpy refresh(engine, &Youtube::doYoutubeListRefresh);
        QCOMPARE(engine->initAnalyser(QStringLiteral("https://www.youtube.com/playlist?list=PL1")), YtbNoError);
        QVERIFY(ScriptedEngine::isAnalysing());

        YoutubeList lists;
        engine->lists(lists, 0, -1);
        QCOMPARE(lists.items.size(), 1);
        QCOMPARE(lists.items.first().title, QStringLiteral("Listed"));
        QCOMPARE(lists.items.first().subTitle, QStringLiteral("3 Videos"));
        YoutubeList items;
        engine->lists(items, 0, 0);
        QCOMPARE(items.items.size(), 3);
        QCOMPARE(items.items.at(1).subTitle, QStringLiteral("Uploader"));
        YoutubeList formats;
        engine->lists(formats, 1, 1);
        QVERIFY(formats.items.size() >= 2);
        int chosen = -1;
        int other = -1;
        for (const YoutubeItem& f : formats.items) {
            if (f.checkState == 2)
                chosen = f.index;
            else if (other < 0)
                other = f.index;
        }
        QVERIFY(chosen >= 0 && other >= 0);

        // A format tick: the lost and the gained format, then the item.
        refresh.clear();
        engine->setChecked(2, other, true);
        QCOMPARE(refresh.size(), 3);
        QCOMPARE(refresh.at(0).at(0).value<YoutubeListType>(), YtbFormatsLevel);
        QCOMPARE(refresh.at(0).at(3).value<YoutubeItem>().index, chosen);
        QCOMPARE(refresh.at(0).at(3).value<YoutubeItem>().checkState, 0);
        QCOMPARE(refresh.at(1).at(0).value<YoutubeListType>(), YtbFormatsLevel);
        QCOMPARE(refresh.at(1).at(3).value<YoutubeItem>().index, other);
        QCOMPARE(refresh.at(1).at(3).value<YoutubeItem>().checkState, 2);
        QCOMPARE(refresh.at(2).at(0).value<YoutubeListType>(), YtbItemsLevel);
        QCOMPARE(refresh.at(2).at(3).value<YoutubeItem>().index, 1);
        QCOMPARE(ScriptedEngine::model().at(0).items.at(1).chosenMediaIndex, other);

        // An item unticked: the list becomes partly ticked.
        refresh.clear();
        engine->setChecked(1, 0, false);
        QCOMPARE(ScriptedEngine::model().at(0).items.at(0).checkState, 0);
        QCOMPARE(ScriptedEngine::model().at(0).checkState, 1);

        engine->setSubLangChecked(1, true);
        QVERIFY(ScriptedEngine::model().at(0).items.at(1).subLangs.at(1).checked);
        engine->setShowAllMedia(true);
        QVERIFY(ScriptedEngine::model().at(0).items.at(2).showAllMedia);
        engine->reloadItem(-1);
        engine->searchSubtitles();
        QCOMPARE(engine->selectedDownloadItems().size(), 2);

        const QStringList calls = ScriptedEngine::calls();
        const QStringList expected{"initAnalyser(https://www.youtube.com/playlist?list=PL1)", "lists(0,-1)", "lists(0,0)",
                                   "lists(1,1)", QStringLiteral("setChecked(2,%1,1)").arg(other), "setChecked(1,0,0)",
                                   "setSubLangChecked(1,1)", "setShowAllMedia(1)", "reloadItem(1)", "searchSubtitles()",
                                   "selectedDownloadItems()"};
        QCOMPARE(calls, expected);

        QSignalSpy finished(engine, &Youtube::doAnalyseFinished);
        ScriptedEngine::finishAnalysis();
        QCOMPARE(finished.size(), 1);
        QVERIFY(!ScriptedEngine::isAnalysing());
    }

    void delayedInitStopped()
    {
        Youtube* engine = Youtube::instance();
        QSignalSpy finished(engine, &Youtube::doAnalyseFinished);
        ScriptedEngine::queueInitAnswer(YtbNoError, 60000);
        QTimer::singleShot(0, engine, [engine] {
            QVERIFY(ScriptedEngine::isInitWaiting());
            engine->stopAnalyse();
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(engine->initAnalyser(QStringLiteral("https://vimeo.com/1")), YtbCancelled);
        QVERIFY(clock.elapsed() < 30000);
        QVERIFY(!ScriptedEngine::isInitWaiting());
        // Queued: one notice once the loop runs again, no more.
        QCOMPARE(finished.size(), 0);
        QTRY_COMPARE(finished.size(), 1);
        QTest::qWait(20);
        QCOMPARE(finished.size(), 1);
    }

    void failureAndUpgradeAnswers()
    {
        Youtube* engine = Youtube::instance();
        QSignalSpy finished(engine, &Youtube::doAnalyseFinished);
        ScriptedEngine::queueInitAnswer(YtbPrivateList);
        QCOMPARE(engine->initAnalyser(QStringLiteral("https://www.youtube.com/playlist?list=WL")), YtbPrivateList);
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(engine->initAnalyser(QString()), YtbAnalyseFailed);

        bool flag = false;
        ScriptedEngine::setCheckUpgradeAnswer(true, true);
        QVERIFY(engine->checkUpgrade(flag));
        QVERIFY(flag);
        QSignalSpy upgraded(engine, &Youtube::doUpgradeFinished);
        ScriptedEngine::setStartUpgradeAnswer(true, 60000);
        QTimer::singleShot(0, engine, [engine] { engine->stopUpgrade(); });
        QVERIFY(!engine->startUpgrade());
        QCOMPARE(upgraded.size(), 1);
        ScriptedEngine::setStartUpgradeAnswer(true);
        QVERIFY(engine->startUpgrade());

        QVERIFY(!engine->isMusicMode());
        ScriptedEngine::setMusicMode(true);
        QVERIFY(engine->isMusicMode());
    }

    void realStoresOnTemporaryFiles()
    {
        Youtube* engine = Youtube::instance();
        QList<SiteAccount*>* sites = engine->siteAccounts();
        QVERIFY(sites);
        QCOMPARE(sites->size(), 2);
        sites->at(0)->addAccount(QStringLiteral("me"), QStringLiteral("pw"));
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("AP"))));
        QCOMPARE(engine->loginSite(QStringLiteral("https://vimeo.com/5")), QStringLiteral("www.vimeo.com"));
        QVERIFY(engine->subscribeLists().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestScriptedEngine)
#include "tst_scriptedengine.moc"
