// Format rows and the format list area, through the scripted engine.

#include "ScriptedEngine.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoInfoItem.h"
#include "shell/SettingsStore.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using Youtube_Structure::Item;
using Youtube_Structure::List;
using Youtube_Structure::Media;

namespace {

Media media(int index, const QString& id, const QString& height, bool audioOnly = false)
{
    Media m;
    m.index = index;
    m.formatId = id;
    if (!audioOnly) {
        m.vcodec = QStringLiteral("avc1");
        m.height = height;
        m.width = QString::number(height.toInt() * 16 / 9);
        m.fps = QStringLiteral("30");
    }
    m.acodec = QStringLiteral("mp4a");
    m.abr = QStringLiteral("128");
    m.ext = QStringLiteral("mp4");
    m.targetExt = QStringLiteral("mp4");
    m.url = QStringLiteral("http://127.0.0.1:9/") + id;
    return m;
}

// Item 0 with formats, item 1 with none.
void fillModel()
{
    ScriptedEngine::reset();
    List list;
    list.title = QStringLiteral("L");
    list.analysed = true;
    Item withFormats;
    withFormats.title = QStringLiteral("With formats");
    withFormats.url = QStringLiteral("https://www.youtube.com/watch?v=a");
    withFormats.analysed = true;
    // Six video formats (four shown until all are asked for) and an audio
    // one, which the main site's items never show.
    withFormats.medias = {media(0, "22", "720"), media(1, "18", "360"), media(2, "137", "1080"),
                          media(3, "136", "720"),  media(4, "135", "480"), media(5, "134", "360"),
                          media(6, "140", "", true)};
    withFormats.subLangs = {SubLang{QStringLiteral("en"), false}};
    list.items.append(std::move(withFormats));
    Item bare;
    bare.title = QStringLiteral("Bare");
    bare.url = QStringLiteral("https://www.youtube.com/watch?v=b");
    bare.analysed = true;
    list.items.append(std::move(bare));
    ScriptedEngine::model().append(std::move(list));
    YoutubeList items;
    Youtube::instance()->lists(items, 0, 0);
    ScriptedEngine::clearCalls();
}

CYtbVideoInfoItem* row(CYtbVideoInfoListArea& area, int i)
{
    return static_cast<CYtbVideoInfoItem*>(area.list()->item(i));
}

} // namespace

class TestVideoInfoItem : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), m_dir.path());
        Youtube::instance();
    }

    void init() { fillModel(); }

    void texts_data()
    {
        QTest::addColumn<QString>("fps");
        QTest::addColumn<QString>("other");
        QTest::newRow("video") << "30" << "Frame Rate: 30";
        QTest::newRow("audio only") << "" << "Bit Rate: 128k";
    }
    void texts()
    {
        QFETCH(QString, fps);
        QFETCH(QString, other);
        QUxListWidget list;
        YoutubeItem r;
        r.index = 0;
        r.resolution = QStringLiteral("1280x720");
        r.ext = QStringLiteral("mp4");
        r.fps = fps;
        r.abr = QStringLiteral("128k");
        r.size = QStringLiteral("10MB");
        auto* item = new CYtbVideoInfoItem(r, &list);
        list.insertItem(item, false, -1);
        QCOMPARE(item->qualityLabel()->text(), QStringLiteral("Quality: 1280x720"));
        QCOMPARE(item->codecLabel()->text(), QStringLiteral("Extention: mp4"));
        QCOMPARE(item->otherLabel()->text(), other);
        QCOMPARE(item->sizeLabel()->text(), QStringLiteral("Size: 10MB"));
        QVERIFY(!item->checkButton()->isChecked());
        QCOMPARE(ScriptedEngine::calls(), QStringList());
    }

    void musicModeAddsTheLanguage()
    {
        ScriptedEngine::setMusicMode(true);
        QUxListWidget list;
        YoutubeItem r;
        r.resolution = QStringLiteral("N/A");
        r.language = QStringLiteral("de");
        auto* withLanguage = new CYtbVideoInfoItem(r, &list);
        QCOMPARE(withLanguage->qualityLabel()->text(), QStringLiteral("Quality: N/A (de)"));
        r.language.clear();
        auto* without = new CYtbVideoInfoItem(r, &list);
        QCOMPARE(without->qualityLabel()->text(), QStringLiteral("Quality: N/A"));
        ScriptedEngine::setMusicMode(false);
        withLanguage->setData(withLanguage->item());
        QCOMPARE(withLanguage->qualityLabel()->text(), QStringLiteral("Quality: N/A"));
        delete withLanguage;
        delete without;
    }

    void chosenRowTellsTheEngineOnce()
    {
        QUxListWidget list;
        YoutubeItem r;
        r.index = 1;
        r.checkState = 2;
        auto* item = new CYtbVideoInfoItem(r, &list);
        QVERIFY(item->checkButton()->isChecked());
        QCOMPARE(ScriptedEngine::calls(), QStringList{"setChecked(2,1,1)"});
        delete item;
    }

    void areaSignalsInOrder_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("with formats") << 0
                                      << QStringList{"TitleCatched", "UrlCatched", "revertShowAllBtn", "switchRightToMedia",
                                                     "SubsCatched"};
        QTest::newRow("without formats")
            << 1 << QStringList{"TitleCatched", "UrlCatched", "revertShowAllBtn", "SubsCatched"};
    }
    void areaSignalsInOrder()
    {
        QFETCH(int, item);
        QFETCH(QStringList, order);
        CYtbVideoInfoListArea area;
        area.resize(517, 202);
        QStringList seen;
        bool showAll = false;
        connect(&area, &CYtbVideoInfoListArea::TitleCatched, [&](const QString&) { seen << "TitleCatched"; });
        connect(&area, &CYtbVideoInfoListArea::UrlCatched, [&](int, const QString&, const QString&) { seen << "UrlCatched"; });
        connect(&area, qOverload<bool>(&CYtbVideoInfoListArea::revertShowAllBtn), [&](bool on) {
            seen << "revertShowAllBtn";
            showAll = on;
        });
        connect(&area, &CYtbVideoInfoListArea::switchRightToMedia, [&] { seen << "switchRightToMedia"; });
        connect(&area, &CYtbVideoInfoListArea::SubsCatched, [&](const YoutubeMediaListInfo&) { seen << "SubsCatched"; });
        area.onMediaInfoLoaded(item, true);
        QCOMPARE(seen, order);
        QCOMPARE(showAll, item == 0);
        QCOMPARE(area.currentItem(), item);
        YoutubeList formats;
        Youtube::instance()->lists(formats, 1, item);
        QCOMPARE(area.list()->count(), formats.items.size());
        QCOMPARE(formats.items.isEmpty(), item != 0);
        QSignalSpy cleared(&area, &CYtbVideoInfoListArea::SubsCleared);
        area.onMediaCleared();
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(area.currentItem(), -1);
        QCOMPARE(area.list()->count(), 0);
    }

    void choosingAnotherFormat()
    {
        CYtbVideoInfoListArea area;
        area.resize(517, 202);
        QList<YoutubeItem> refreshed;
        connect(Youtube::instance(), &Youtube::doYoutubeListRefresh, &area,
                [&](YoutubeListType type, Youtube_Structure::List*, int, const YoutubeItem& r) {
                    if (type == YtbFormatsLevel) {
                        refreshed << r;
                        area.onMediaCatched(r.index, r);
                    }
                });
        area.onMediaInfoLoaded(0, true);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        int chosen = -1;
        for (int i = 0; i < area.list()->count(); ++i)
            if (row(area, i)->checkButton()->isChecked())
                chosen = i;
        QVERIFY(chosen >= 0);
        const int other = chosen == 0 ? 1 : 0;
        refreshed.clear();
        QTest::mouseClick(row(area, other)->checkButton(), Qt::LeftButton);
        QCOMPARE(refreshed.size(), 2);
        QCOMPARE(refreshed.at(0).index, row(area, chosen)->item().index);
        QCOMPARE(refreshed.at(1).index, row(area, other)->item().index);
        QVERIFY(row(area, other)->checkButton()->isChecked());
        QVERIFY(!row(area, chosen)->checkButton()->isChecked());
        QCOMPARE(ScriptedEngine::model().at(0).items.at(0).chosenMediaIndex, row(area, other)->item().index);
    }

    void coloursAlternateByPosition()
    {
        CYtbVideoInfoListArea area;
        area.resize(517, 202);
        area.onMediaInfoLoaded(0, false);
        area.onShowAll(true);
        QCOMPARE(area.list()->count(), 6);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        auto colourOf = [](CYtbVideoInfoItem* r) {
            return r->styleSheet().contains(QStringLiteral("248,248,249")) ? 0 : 1;
        };
        QTRY_VERIFY(row(area, 5)->isVisible());
        for (int i = 0; i < area.list()->count(); ++i)
            QCOMPARE(colourOf(row(area, i)), i % 2);
        area.list()->removeItem(0, true, 0, true);
        QTRY_COMPARE(area.list()->count(), 5);
        area.hide();
        area.show();
        for (int i = 0; i < area.list()->count(); ++i) {
            QCOMPARE(row(area, i)->index(), i);
            QCOMPARE(colourOf(row(area, i)), i % 2);
        }
    }

    void showAllWithTheSameCountKeepsTheRows()
    {
        CYtbVideoInfoListArea area;
        area.onMediaInfoLoaded(0, true);
        QList<QUxItemBase*> before;
        for (int i = 0; i < area.list()->count(); ++i)
            before << area.list()->item(i);
        area.onShowAll(false);
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("setShowAllMedia(0)")));
        QCOMPARE(area.list()->count(), before.size());
        for (int i = 0; i < before.size(); ++i)
            QCOMPARE(area.list()->item(i), before.at(i));
        // More formats: the rows are made again.
        area.onShowAll(true);
        QCOMPARE(area.list()->count(), 6);
        area.onMediaCleared();
        ScriptedEngine::clearCalls();
        area.onShowAll(false);
        QCOMPARE(ScriptedEngine::calls(), QStringList());
    }
};

QTEST_MAIN(TestVideoInfoItem)
#include "tst_videoinfoitem.moc"
