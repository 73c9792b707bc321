#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/FormatChoice.h"
#include "shell/SettingsStore.h"

#include <QtTest>

using Youtube_Structure::Item;
using Youtube_Structure::Media;

namespace {

Media media(const QString& id, const QString& ext, int height, bool video = true, bool audio = true,
            const QString& size = QString(), int fps = 0, int abr = 0)
{
    Media m;
    m.formatId = id;
    m.ext = ext;
    m.targetExt = ext;
    if (height > 0)
        m.height = QString::number(height);
    if (video)
        m.vcodec = QStringLiteral("avc1");
    if (audio)
        m.acodec = QStringLiteral("mp4a");
    m.filesize = size;
    if (fps > 0)
        m.fps = QString::number(fps);
    if (abr > 0)
        m.abr = QString::number(abr);
    return m;
}

Item itemOf(const QVector<Media>& medias, const QString& url = QStringLiteral("https://example.org/v/1"))
{
    Item it;
    it.url = url;
    it.medias = medias;
    for (int i = 0; i < it.medias.size(); ++i)
        it.medias[i].index = i;
    it.analysed = true;
    return it;
}

FormatChoice::Preference noPreference()
{
    FormatChoice::Preference p;
    p.preferredExt = QStringLiteral("mp4");
    return p;
}

} // namespace

class TestFormatChoice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SettingsStore::instance()->setValue("youtube/defaultResolution", QString());
        SettingsStore::instance()->setValue("youtube/defaultExt", QString());
    }

    void init()
    {
        FormatChoice::setPreference(noPreference());
    }

    void extensionBeforeHeight()
    {
        // The 1080p webm loses against the 720p mp4: extension decides first.
        const Item it = itemOf({media("a", "webm", 1080), media("b", "mp4", 720)});
        QCOMPARE(FormatChoice::pick(it), 1);
    }

    void heightsBeyondInt_data()
    {
        QTest::addColumn<QString>("odd");
        QTest::addColumn<QString>("expected");
        // Far too high reads as the highest there is; not a number as none.
        QTest::newRow("3e9") << "3e9" << "3e9";
        QTest::newRow("1e300") << "1e300" << "1e300";
        QTest::newRow("nan") << "nan" << "720";
        QTest::newRow("inf") << "inf" << "720";
        QTest::newRow("-1e300") << "-1e300" << "720";
    }

    void heightsBeyondInt()
    {
        QFETCH(QString, odd);
        QFETCH(QString, expected);
        QVector<Media> ms{media("a", "mp4", 720), media("b", "mp4", 480)};
        ms[1].height = odd;
        ms[1].fps = odd;
        ms[1].abr = odd;
        const Item it = itemOf(ms);
        const int k = FormatChoice::pick(it);
        QVERIFY(k >= 0);
        QCOMPARE(it.medias.at(k).height, expected);
    }

    void preferredHeight_data()
    {
        QTest::addColumn<QList<int>>("heights");
        QTest::addColumn<int>("pref");
        QTest::addColumn<int>("expectedHeight");
        QTest::newRow("exact wins") << QList<int>{1080, 720, 480} << 720 << 720;
        QTest::newRow("above beats below") << QList<int>{1080, 480} << 720 << 1080;
        QTest::newRow("below beats above? no") << QList<int>{480, 1080} << 720 << 1080;
        QTest::newRow("closer above") << QList<int>{2160, 1080} << 720 << 1080;
        QTest::newRow("closer below") << QList<int>{240, 480} << 720 << 480;
        QTest::newRow("no preference: highest") << QList<int>{480, 1080, 720} << -1 << 1080;
    }

    void preferredHeight()
    {
        QFETCH(QList<int>, heights);
        QFETCH(int, pref);
        QFETCH(int, expectedHeight);
        QVector<Media> ms;
        for (int h : heights)
            ms.append(media(QString::number(h), "mp4", h));
        FormatChoice::Preference p = noPreference();
        p.prefHeight = pref;
        FormatChoice::setPreference(p);
        const Item it = itemOf(ms);
        const int k = FormatChoice::pick(it);
        QVERIFY(k >= 0);
        QCOMPARE(it.medias.at(k).height.toInt(), expectedHeight);
    }

    void audioPreference()
    {
        const Item it = itemOf({media("v", "mp4", 720), media("a", "m4a", 0, false, true, QString(), 0, 128)});
        QCOMPARE(FormatChoice::pick(it), 0);
        Youtube::instance()->setDefaultExt(QStringLiteral("mp3"));
        QCOMPARE(FormatChoice::preference().prefVideo, false);
        QCOMPARE(FormatChoice::pick(it), 1);
        // Upper case is not one of the list, so it is not stored, but it
        // still means audio.
        Youtube::instance()->setDefaultExt(QStringLiteral("mp4"));
        QCOMPARE(FormatChoice::preference().prefVideo, true);
        Youtube::instance()->setDefaultExt(QStringLiteral("MP3"));
        QCOMPARE(FormatChoice::preference().prefVideo, false);
        QCOMPARE(SettingsStore::instance()->value("youtube/defaultExt"), QStringLiteral("mp4"));
        QCOMPARE(Youtube::instance()->defaultExt(), QStringLiteral("mp4"));
        Youtube::instance()->setDefaultExt(QStringLiteral("mp4"));
    }

    void ineligibleAndEmpty()
    {
        Item empty = itemOf({});
        QCOMPARE(FormatChoice::pick(empty), -1);
        Media forged = media("mp3", "mp3", 0, false, true);
        forged.forgeMediaForMp3 = true;
        QCOMPARE(FormatChoice::pick(itemOf({forged})), -1);
        QCOMPARE(FormatChoice::pick(itemOf({forged, media("v", "mp4", 360)})), 1);
    }

    void hlsNeverFirstOnTies()
    {
        // Tied up to the height: an "hls" format is never before the other,
        // whatever its frame rate says.
        const Item it = itemOf({media("hls-720", "mp4", 720, true, true, "900", 60),
                                media("http-720", "mp4", 720, true, true, "100", 30)});
        QCOMPARE(FormatChoice::pick(it), 1);
    }

    void comparisonCycleIsDeterministic()
    {
        // Three formats the comparison cannot tell apart: each is "before"
        // the next and the last before the first. The order of insertion
        // decides, and the earliest stays first, in every permutation.
        const FormatChoice::Preference p = noPreference();
        const Media a = media("a", "mp4", 720, true, true, "100");
        const Media b = media("b", "mp4", 720, true, true, "100");
        const Media c = media("c", "mp4", 720, true, true, "100");
        QVERIFY(FormatChoice::pickBefore(a, b, p));
        QVERIFY(FormatChoice::pickBefore(b, c, p));
        QVERIFY(FormatChoice::pickBefore(c, a, p));
        QCOMPARE(FormatChoice::pickOrder(itemOf({a, b, c})), (QList<int>{0, 1, 2}));
        const Item it = itemOf({c, a, b});
        QCOMPARE(it.medias.at(FormatChoice::pick(it)).formatId, QStringLiteral("c"));
        // And an incomparable pair (hls against a faster non-hls format) in
        // front of a comparable one still gives one stable answer.
        const Media h = media("hls-1", "mp4", 720, true, true, "100", 25);
        const Media f = media("f", "mp4", 720, true, true, "100", 60);
        const Item mixed = itemOf({h, f, a});
        QCOMPARE(FormatChoice::pickOrder(mixed), FormatChoice::pickOrder(mixed));
        QCOMPARE(mixed.medias.at(FormatChoice::pick(mixed)).formatId, QStringLiteral("f"));
    }

    void abrPreference()
    {
        FormatChoice::Preference p = noPreference();
        p.prefVideo = false;
        p.preferredExt = QStringLiteral("m4a");
        p.prefAbr = 128;
        FormatChoice::setPreference(p);
        const Item it = itemOf({media("a1", "m4a", 0, false, true, "10", 0, 256),
                                media("a2", "m4a", 0, false, true, "10", 0, 128),
                                media("a3", "m4a", 0, false, true, "10", 0, 64)});
        QCOMPARE(FormatChoice::pick(it), 1);
    }

    void takePreference()
    {
        Media v = media("v", "webm", 480, true, true, QString(), 30);
        FormatChoice::takePreference(v);
        FormatChoice::Preference p = FormatChoice::preference();
        QCOMPARE(p.preferredExt, QStringLiteral("webm"));
        QCOMPARE(p.prefHeight, 480);
        QCOMPARE(p.prefFps, 30);
        QCOMPARE(p.prefAbr, -1);
        QCOMPARE(p.prefVideo, true);
        Media a = media("a", "m4a", 0, false, true, QString(), 0, 0);
        FormatChoice::takePreference(a);
        p = FormatChoice::preference();
        QCOMPARE(p.prefHeight, -1);
        QCOMPARE(p.prefAbr, -1);
        QCOMPARE(p.prefVideo, false);
        Youtube::instance()->setDefaultExt(QStringLiteral("mp4"));
    }

    void preparationOrder()
    {
        Media m3u8 = media("m3u8-720", "mp4", 720);
        m3u8.isM3u8Native = true;
        Media m3u8NoAudio = media("m3u8-1080", "mp4", 1080, true, false);
        m3u8NoAudio.isM3u8Native = true;
        Item it = itemOf({media("audio", "m4a", 0, false, true),
                          m3u8NoAudio,
                          m3u8,
                          media("webm-720", "webm", 720),
                          media("mp4-720-small", "mp4", 720, true, true, "10"),
                          media("mp4-720-big", "mp4", 720, true, true, "20"),
                          media("mp4-1080", "mp4", 1080),
                          media("flv-720-60", "flv", 720, true, true, QString(), 60),
                          media("unknown-720", "mkv", 720)});
        FormatChoice::prepare(it);
        QStringList ids;
        for (int i = 0; i < it.medias.size(); ++i) {
            ids << it.medias.at(i).formatId;
            QCOMPARE(it.medias.at(i).index, i);
        }
        QCOMPARE(ids, (QStringList{"mp4-1080", "mp4-720-big", "mp4-720-small", "webm-720", "flv-720-60",
                                   "unknown-720", "m3u8-720", "m3u8-1080", "audio"}));
    }

    void shownFormats_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("showAll");
        QTest::addColumn<QList<int>>("expected");
        // formats 0-5 video, 6 and 7 audio only, 8 forged mp3
        QTest::newRow("other site, first four") << "https://example.org/v" << 1 << false << QList<int>{0, 1, 2, 3};
        QTest::newRow("chosen beyond four") << "https://example.org/v" << 5 << false << QList<int>{0, 1, 2, 5};
        QTest::newRow("show all, other site") << "https://example.org/v" << 0 << true
                                              << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("main site hides audio") << "https://www.youtube.com/watch?v=x" << 0 << true
                                               << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("main site, chosen audio") << "https://youtube.com/watch?v=x" << 7 << false
                                                 << QList<int>{0, 1, 2, 7};
    }

    void shownFormats()
    {
        QFETCH(QString, url);
        QFETCH(int, chosen);
        QFETCH(bool, showAll);
        QFETCH(QList<int>, expected);
        QVector<Media> ms;
        for (int i = 0; i < 6; ++i)
            ms.append(media(QString::number(i), "mp4", 1080 - i * 100));
        ms.append(media("6", "m4a", 0, false, true));
        ms.append(media("7", "webm", 0, false, true));
        Media forged = media("8", "mp3", 0, false, true);
        forged.forgeMediaForMp3 = true;
        ms.append(forged);
        Item it = itemOf(ms, url);
        it.chosenMediaIndex = chosen;
        it.showAllMedia = showAll;
        QCOMPARE(FormatChoice::shownFormats(it), expected);
    }

    void fewFormatsWithChosenAfter()
    {
        // Fewer than three listed: the chosen one is appended.
        Item it = itemOf({media("0", "mp4", 720), media("1", "m4a", 0, false, true)},
                         QStringLiteral("https://www.youtube.com/watch?v=x"));
        it.chosenMediaIndex = 1;
        QCOMPARE(FormatChoice::shownFormats(it), (QList<int>{0, 1}));
    }

    void formatRows()
    {
        Media onlyHeight = media("h", "mp4", 720, true, true, "1048576");
        Media none = media("n", "webm", 0, true, false);
        none.vcodec = QStringLiteral("vp9");
        Media audio = media("a", "m4a", 0, false, true, "500", 0, 128);
        audio.acodec = QStringLiteral("mp4a.40.2");
        audio.language = QStringLiteral("en");
        Item it = itemOf({onlyHeight, none, audio});
        it.chosenMediaIndex = 0;

        const YoutubeItem r0 = FormatChoice::formatRow(it, 0);
        QCOMPARE(r0.index, 0);
        QCOMPARE(r0.checkState, 2);
        QCOMPARE(r0.resolution, QStringLiteral("720"));
        QCOMPARE(r0.codec, QStringLiteral("avc1"));
        QCOMPARE(r0.fps, QStringLiteral("N/A"));
        QCOMPARE(r0.abr, QStringLiteral("N/A"));
        QCOMPARE(r0.size, QStringLiteral("1.00MB"));
        QCOMPARE(r0.downloadState, 3);

        const YoutubeItem r1 = FormatChoice::formatRow(it, 1);
        QCOMPARE(r1.checkState, 0);
        QCOMPARE(r1.resolution, QStringLiteral("N/A"));
        QCOMPARE(r1.size, QStringLiteral("N/A"));
        QCOMPARE(r1.ext, QStringLiteral("webm"));

        const YoutubeItem r2 = FormatChoice::formatRow(it, 2);
        QCOMPARE(r2.codec, QStringLiteral("mp4a.40.2"));
        QCOMPARE(r2.fps, QString());
        QCOMPARE(r2.abr, QStringLiteral("128"));
        QCOMPARE(r2.size, QStringLiteral("500B"));
        QCOMPARE(r2.language, QStringLiteral("en"));

        QCOMPARE(FormatChoice::formatRow(it, -1).index, 0);
        it.checkState = 0;
        QCOMPARE(FormatChoice::formatRow(it, 0).checkState, 0);
    }

    void formatList()
    {
        Item it = itemOf({media("0", "mp4", 720)});
        it.analysed = false;
        QVERIFY(FormatChoice::formatList(it).items.isEmpty());
        it.analysed = true;
        it.title = QStringLiteral("T");
        it.subLangs = {SubLang{QStringLiteral("en"), true}};
        YoutubeList l = FormatChoice::formatList(it);
        QCOMPARE(l.type, YtbFormatsLevel);
        QCOMPARE(l.items.size(), 1);
        QCOMPARE(l.info.title, QStringLiteral("T"));
        QCOMPARE(l.info.subLangs.size(), 1);
        QVERIFY(l.info.showFormats);
        it.status = YtbPrivateVideo;
        QVERIFY(!FormatChoice::formatList(it).info.showFormats);
        it.note = QStringLiteral("note");
        QVERIFY(FormatChoice::formatList(it).info.showFormats);
    }

    void sizeText_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("1 MiB") << "1048576" << "1.00MB";
        QTest::newRow("500") << "500" << "500B";
        QTest::newRow("0") << "0" << "0";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("1000 bytes") << "1000" << "0.98KB";
        QTest::newRow("1 GiB") << "1073741824" << "1.00GB";
        QTest::newRow("0.95 GiB stays MB") << "1020054732" << "972.80MB";
        QTest::newRow("not a number") << "abc" << "abc";
    }

    void sizeText()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(FormatChoice::sizeText(in), out);
    }

    void leadingInt_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("720p") << "720p" << 720;
        QTest::newRow("blanks and sign") << "  +480p" << 480;
        QTest::newRow("negative") << "-5x" << -5;
        QTest::newRow("words") << "Highest Resolution" << 0;
        QTest::newRow("empty") << "" << 0;
    }

    void leadingInt()
    {
        QFETCH(QString, in);
        QFETCH(int, out);
        QCOMPARE(FormatChoice::leadingInt(in), out);
    }

    void defaultResolution()
    {
        Youtube* y = Youtube::instance();
        const QStringList list = y->resolutionList();
        QCOMPARE(list.size(), 6);
        QCOMPARE(list.at(1), QStringLiteral("1080p"));
        QCOMPARE(y->extList(), (QStringList{"mp4", "webm", "flv", "3gp"}));

        y->setDefaultResolution(QStringLiteral("720p"));
        QCOMPARE(SettingsStore::instance()->value("youtube/defaultResolution"), QStringLiteral("720p"));
        QCOMPARE(y->defaultResolution(), QStringLiteral("720p"));
        QCOMPARE(FormatChoice::preference().prefHeight, 720);
        FormatChoice::reset();
        QCOMPARE(FormatChoice::preference().prefHeight, 720);

        y->setDefaultResolution(QStringLiteral("999p"));
        QCOMPARE(y->defaultResolution(), QStringLiteral("720p"));

        y->setDefaultResolution(list.first());
        QCOMPARE(SettingsStore::instance()->value("youtube/defaultResolution"), QString());
        QCOMPARE(FormatChoice::preference().prefHeight, -1);
    }

    void resetRestoresDefaults()
    {
        FormatChoice::Preference p;
        p.preferredExt = QStringLiteral("webm");
        p.prefHeight = 240;
        p.prefFps = 60;
        p.prefAbr = 128;
        p.prefVideo = false;
        FormatChoice::setPreference(p);
        FormatChoice::reset();
        const FormatChoice::Preference r = FormatChoice::preference();
        QCOMPARE(r.preferredExt, Youtube::instance()->defaultExt());
        QCOMPARE(r.prefFps, -1);
        QCOMPARE(r.prefAbr, -1);
        QCOMPARE(r.prefVideo, false);   // kept
    }
};

QTEST_GUILESS_MAIN(TestFormatChoice)
#include "tst_formatchoice.moc"
