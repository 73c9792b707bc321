// The title and track model of an analysed disc: default tracks by
// "dvd/lang", the main title, subtitle styles, the even split and what the
// model owns.
#include "function/CMediaInfoMgr/DVDFormatEdit.h"
#include "function/marbleto_library/arguments/util/media_task.h"
#include "function/marbleto_library/arguments/util/util.h"
#include "shell/SettingsStore.h"

#include "../marbleto_library/ProfileFixtures.h"

#include <QTest>

#include <memory>

using namespace fixtures;

namespace {

QJsonObject sub(const QString& language)
{
    return QJsonObject{{"id", 1}, {"language", language}};
}

QJsonObject timed(QJsonObject title, int duration)
{
    title["duration"] = duration;
    return title;
}

// The model takes the task it is given.
DVD_format_edit_s* model(const QJsonArray& titles)
{
    media_task* task = create_media_task("d", "/m", 0, text(disc(titles)).constData(), text(videoProfile()).constData());
    return task ? new DVD_format_edit_s(task, "Disc", "/m") : nullptr;
}

struct Counter : TitleEditObject
{
    static int alive;
    Counter() { ++alive; }
    ~Counter() override { --alive; }
};
int Counter::alive = 0;

} // namespace

class TestDVDFormatEdit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void splitEvenly_data();
    void splitEvenly();
    void defaultTracksByLanguage_data();
    void defaultTracksByLanguage();
    void mainTitle_data();
    void mainTitle();
    void modelOfADisc();
    void titleWithoutVideoOrSubtitles();
    void outOfRangeIndexes();
    void copiedTitlesShareTheirObjects();
    void resets();
};

void TestDVDFormatEdit::initTestCase()
{
    media_congfig_global_init();
}

void TestDVDFormatEdit::splitEvenly_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("expected");   // start, length pairs
    QTest::newRow("an hour and a half") << qint64(0) << qint64(5399) << 10
                                        << QList<int>{0, 539, 539, 539, 1078, 539, 1617, 539, 2156, 539, 2695, 539,
                                                      3234, 539, 3773, 539, 4312, 539, 4851, 548};
    QTest::newRow("one") << qint64(100) << qint64(200) << 1 << QList<int>{100, 100};
    QTest::newRow("no count") << qint64(0) << qint64(100) << 0 << QList<int>{};
    QTest::newRow("zero duration") << qint64(0) << qint64(-1) << 10 << QList<int>{};
    QTest::newRow("empty range") << qint64(5) << qint64(5) << 3 << QList<int>{};
}

void TestDVDFormatEdit::splitEvenly()
{
    QFETCH(qint64, start);
    QFETCH(qint64, end);
    QFETCH(int, count);
    QFETCH(QList<int>, expected);
    ClipEditInfo clip;
    clip.start = start;
    clip.end = end;
    clip.split.splitCount = count;
    clip.split.segments.append({-7, 7});    // appended after what is there
    clip.splitEvenly();
    QList<int> got;
    for (int i = 1; i < clip.split.segments.size(); ++i)
        got << clip.split.segments[i].start << clip.split.segments[i].length;
    QCOMPARE(got, expected);
    QCOMPARE(clip.split.segments.first().start, -7);
}

void TestDVDFormatEdit::defaultTracksByLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("audio");
    QTest::addColumn<int>("subtitle");
    QTest::newRow("en never equals a three-letter code") << "en" << 0 << 0;
    QTest::newRow("spa") << "spa" << 1 << 0;
    QTest::newRow("ENG") << "ENG" << 0 << 1;
    QTest::newRow("fra") << "fra" << 0 << 0;
}

void TestDVDFormatEdit::defaultTracksByLanguage()
{
    QFETCH(QString, language);
    SettingsStore::instance()->setValue("dvd/lang", language);
    std::unique_ptr<DVD_format_edit_s> m(model(QJsonArray{title(
        true, QJsonArray{videoTrack(720, 576)}, QJsonArray{audioTrack(1, "en", 2), audioTrack(2, "es", 2)},
        QJsonArray{sub("de"), sub("en")})}));
    QVERIFY(m);
    const TitleEditInfo& t = m->titles[0];
    QFETCH(int, audio);
    QFETCH(int, subtitle);
    QCOMPARE(t.defaultAudio, audio);
    QCOMPARE(t.chosenAudio, QList<int>{audio});
    QCOMPARE(t.defaultSubtitle, subtitle);
    QCOMPARE(t.chosenSubtitles, QList<int>{subtitle});
    QCOMPARE(t.defaultVideo, 0);
    SettingsStore::instance()->setValue("dvd/lang", "en");
}

void TestDVDFormatEdit::mainTitle_data()
{
    QTest::addColumn<QList<int>>("durations");
    QTest::addColumn<int>("main");
    QTest::newRow("longest") << QList<int>{10, 30, 20} << 1;
    QTest::newRow("tie keeps the first") << QList<int>{30, 30} << 0;
    QTest::newRow("all zero") << QList<int>{0, 0} << -1;
    QTest::newRow("negative") << QList<int>{-5} << -1;
}

void TestDVDFormatEdit::mainTitle()
{
    QFETCH(QList<int>, durations);
    QJsonArray titles;
    for (int d : durations)
        titles.append(timed(title(false, QJsonArray{videoTrack(720, 576)}), d));
    std::unique_ptr<DVD_format_edit_s> m(model(titles));
    QVERIFY(m);
    QFETCH(int, main);
    QCOMPARE(m->reader->mainTitle(), main);
}

void TestDVDFormatEdit::modelOfADisc()
{
    std::unique_ptr<DVD_format_edit_s> m(model(QJsonArray{
        timed(title(true, QJsonArray{videoTrack(720, 576)}, QJsonArray{audioTrack(1, "en", 2)},
                    QJsonArray{sub("de"), sub("fr")}),
              5400),
        timed(title(false, QJsonArray{videoTrack(720, 576)}), 0)}));
    QVERIFY(m);
    QCOMPARE(m->output.name, QStringLiteral("Disc"));
    QCOMPARE(m->titles.size(), 2);
    const TitleEditInfo& t = m->titles[0];
    QCOMPARE(t.reader, m->reader);
    QCOMPARE(t.subtitleTracks.size(), 2);
    QCOMPARE(t.subtitleTracks[1].track.toInt(), 1);
    QCOMPARE(t.subtitleTracks[1].title.toInt(), 0);
    const QList<SubtitleEditInfo> styles = t.subtitleStyles.value(0).first;
    QCOMPARE(t.subtitleStyles.value(0).second, -1);
    QCOMPARE(styles.size(), 2);
    QCOMPARE(styles[0].languageCode, QStringLiteral("deu"));
    QCOMPARE(styles[1].text, QStringLiteral("fra"));
    QCOMPARE(styles[1].track, 1);
    QCOMPARE(styles[0].font.pixelSize(), 50);
    const SegmentEditInfo seg = t.segments.value(0);
    QCOMPARE(seg.clip.start, 0);
    QCOMPARE(seg.clip.end, 5399);
    QCOMPARE(seg.clip.split.segments.size(), 10);
    QCOMPARE(seg.clip.split.segments.last().length, 548);
    QCOMPARE(seg.clip.stereo.input, QStringLiteral("sbsl"));
    // A title of no length has an empty split.
    QVERIFY(m->titles[1].segments.value(0).clip.split.segments.isEmpty());
    QCOMPARE(m->titles[1].segments.value(0).clip.end, -1);
}

void TestDVDFormatEdit::titleWithoutVideoOrSubtitles()
{
    std::unique_ptr<DVD_format_edit_s> m(model(QJsonArray{title(true, QJsonArray{}, QJsonArray{audioTrack(1, "en", 2)})}));
    QVERIFY(m);
    const TitleEditInfo& t = m->titles[0];
    QCOMPARE(t.defaultVideo, -1);
    QVERIFY(t.chosenVideo.isEmpty());
    QCOMPARE(t.defaultAudio, 0);
    QCOMPARE(t.defaultSubtitle, -1);
    QVERIFY(t.subtitleTracks.isEmpty());
    QVERIFY(t.subtitleStyles.value(0).first.isEmpty());
    QVERIFY(t.chosenSubtitles.isEmpty());
}

void TestDVDFormatEdit::outOfRangeIndexes()
{
    std::unique_ptr<DVD_format_edit_s> m(model(QJsonArray{title(true, QJsonArray{videoTrack(720, 576)}, {}, QJsonArray{sub("de")})}));
    const DVDContentReader* r = m->reader;
    QCOMPARE(r->titleCount(), 1);
    for (int title : {-1, 1, 500}) {
        QCOMPARE(r->trackCount(title, 0), 0);
        QCOMPARE(r->defaultTrack(title, 0), -1);
        QCOMPARE(r->subtitleLanguage(title, 0), QString());
    }
    QCOMPARE(r->trackCount(0, 3), 0);
    QCOMPARE(r->defaultTrack(0, -1), -1);
    QCOMPARE(r->subtitleLanguage(0, -1), QString());
    QCOMPARE(r->subtitleLanguage(0, 1), QString());
    QCOMPARE(r->subtitleLanguage(0, 0), QStringLiteral("deu"));
}

void TestDVDFormatEdit::copiedTitlesShareTheirObjects()
{
    {
        QMap<int, TitleEditInfo> titles;
        TitleEditInfo t;
        t.objects.insert(1, QSharedPointer<TitleEditObject>(new Counter));
        t.object1.reset(new Counter);
        titles.insert(0, t);
        titles.insert(1, t);
        TitleEditInfo copy = titles[0];
        QCOMPARE(Counter::alive, 2);
    }
    QCOMPARE(Counter::alive, 0);
}

void TestDVDFormatEdit::resets()
{
    WaterMarkInfo w;
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1000);
    w.dateTime.dateTime = when;
    w.dateTime.format = "x";
    w.opacity = 0.2;
    w.texts[1].text = "t";
    w.reset();
    QCOMPARE(w.dateTime.dateTime, when);
    QCOMPARE(w.dateTime.format, QStringLiteral("HH:mm:ss"));
    QCOMPARE(w.opacity, 1.0);
    QCOMPARE(w.texts[1], TextMarkInfo());
    ClipEditInfo c;
    c.split.bySegments = false;
    c.split.splitCount = 3;
    c.reset();
    QCOMPARE(c.split.splitCount, 10);
    QVERIFY(!c.split.bySegments);
    QCOMPARE(c.start, -1);
}

QTEST_MAIN(TestDVDFormatEdit)
#include "tst_dvdformatedit.moc"
