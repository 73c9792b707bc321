// A disc description and a profile make a conversion task: disc limits, the
// default selection and track limits, the working profile's rules (no
// upscaling, the H.264 profile and level, the computed bitrate) and the
// profile choices and exports.
#include "function/marbleto_library/arguments/util/media_task.h"
#include "function/marbleto_library/arguments/util/util.h"

#include "ProfileFixtures.h"

#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

using namespace fixtures;

namespace {

struct TaskFree
{
    void operator()(media_task* t) const { free_media_task(t); }
};
using TaskPtr = std::unique_ptr<media_task, TaskFree>;

TaskPtr makeTask(const QJsonObject& discObject, const QJsonObject& profile)
{
    return TaskPtr(create_media_task("disc", "/media/disc", 1, text(discObject).constData(), text(profile).constData()));
}

QJsonObject oneTitle(int width, int height)
{
    return disc(QJsonArray{title(true, QJsonArray{videoTrack(width, height)}, QJsonArray{audioTrack(1, "en", 2)})});
}

QJsonObject withResolution(QJsonObject profile, const QString& resolution, const QString& frameRate = "30",
                           const QString& bitrate = "Auto")
{
    QJsonObject v = profile["Video"].toObject();
    QJsonArray codecs = v["Codecs"].toArray();
    codecs[0] = videoCodec(v["DefaultCodec"].toString(), resolution, frameRate, bitrate);
    v["Codecs"] = codecs;
    profile["Video"] = v;
    return profile;
}

// What the readers print on standard error while `run` runs.
template <typename F>
QByteArray stderrOf(F run)
{
    QTemporaryFile file;
    if (!file.open())
        return QByteArray();
    std::fflush(stderr);
    const int saved = dup(2);
    dup2(file.handle(), 2);
    run();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    file.seek(0);
    return file.readAll();
}

} // namespace

class TestMediaTask : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void discKeepsItsLimits();
    void chaptersStartAfterThePreviousOnes();
    void missingKeysAreReported();
    void subtitleSizeComesFromVideo();
    void languageLookup();
    void audioChoiceByLanguageAndChannels_data();
    void audioChoiceByLanguageAndChannels();
    void titleSelectionDefaults();
    void trackLimits();
    void musicProfileSelectsNoVideo();
    void unparsableDiscGivesNoTask();
    void unparsableProfileLeavesTaskWithoutProfile();
    void h264Rule_data();
    void h264Rule();
    void computedBitrate_data();
    void computedBitrate();
    void hostileValuesGiveSaneBitrates_data();
    void hostileValuesGiveSaneBitrates();
    void manualBitrateKept();
    void noUpscaling();
    void customVideoBitrate_data();
    void customVideoBitrate();
    void optionKinds();
    void profileChoice();
    void exportsUseTheWorkingProfile();
};

void TestMediaTask::initTestCase()
{
    media_congfig_global_init();
}

void TestMediaTask::discKeepsItsLimits()
{
    QJsonArray titles;
    QJsonArray audio;
    for (int i = 0; i < 40; ++i)
        audio.append(audioTrack(i, "en", 2));
    QJsonArray chapters;
    for (int i = 0; i < 120; ++i)
        chapters.append(1000);
    titles.append(title(true, QJsonArray{videoTrack(720, 576)}, audio, {}, chapters));
    for (int i = 1; i < 120; ++i)
        titles.append(title(false, QJsonArray{videoTrack(720, 576)}));
    QJsonObject d = disc(titles);
    d["track model"] = 7;
    dvd_info* info = create_dvdinfo_from_JSON(text(d).constData());
    QVERIFY(info);
    QCOMPARE(info->titleCount, 99);
    QCOMPARE(info->titles[0]->audioCount, 32);
    QCOMPARE(info->titles[0]->chapterCount, 99);
    QCOMPARE(info->trackModel, 0);
    free_dvd_info(info);
}

void TestMediaTask::chaptersStartAfterThePreviousOnes()
{
    dvd_info* info = create_dvdinfo_from_JSON(
        text(disc(QJsonArray{title(true, QJsonArray{videoTrack(720, 576)}, {}, {}, QJsonArray{10, 20, 30})}))
            .constData());
    QVERIFY(info);
    const dvd_title* t = info->titles[0];
    QCOMPARE(t->chapterCount, 3);
    QCOMPARE(t->chapters[0]->start, 0);
    QCOMPARE(t->chapters[1]->start, 10);
    QCOMPARE(t->chapters[2]->start, 30);
    QCOMPARE(t->chapters[2]->length, 30);
    free_dvd_info(info);
}

void TestMediaTask::missingKeysAreReported()
{
    // Three titles announced, one given: the other two are read from nothing.
    QJsonObject d = disc(QJsonArray{title(true, QJsonArray{videoTrack(720, 576)})}, 3);
    d.remove("css scrambled");
    dvd_info* info = nullptr;
    const QByteArray err = stderrOf([&] { info = create_dvdinfo_from_JSON(text(d).constData()); });
    QVERIFY(info);
    QCOMPARE(info->titleCount, 3);
    QCOMPARE(info->titles[2]->videoCount, 0);
    QVERIFY(err.contains("create_dvdinfo_from_JSON: css scrambled failed\n"));
    QCOMPARE(err.count("new_dvd_title_from_JSONObj: fps failed\n"), 2);
    QCOMPARE(err.count("new_dvd_title_from_JSONObj: chapter failed\n"), 2);
    free_dvd_info(info);
}

void TestMediaTask::subtitleSizeComesFromVideo()
{
    const QJsonArray subs{QJsonObject{{"id", 1}, {"language", "fr"}}};
    dvd_info* info = create_dvdinfo_from_JSON(
        text(disc(QJsonArray{title(true, QJsonArray{videoTrack(0, 576), videoTrack(720, 480)}, {}, subs),
                             title(false, QJsonArray{videoTrack(0, 576), videoTrack(352, 0)}, {}, subs),
                             title(false, QJsonArray{}, {}, subs)}))
            .constData());
    QVERIFY(info);
    QCOMPARE(info->titles[0]->subtitleTracks[0]->width, 720);
    QCOMPARE(info->titles[0]->subtitleTracks[0]->height, 480);
    QCOMPARE(info->titles[1]->subtitleTracks[0]->width, 352);   // the last track's
    QCOMPARE(info->titles[1]->subtitleTracks[0]->height, 0);
    QCOMPARE(info->titles[2]->subtitleTracks[0]->width, 0);
    QCOMPARE(info->titles[2]->subtitleTracks[0]->height, 0);
    free_dvd_info(info);
}

void TestMediaTask::languageLookup()
{
    const QJsonArray subs{QJsonObject{{"id", 1}, {"language", "fr"}}, QJsonObject{{"id", 2}, {"language", "xx"}},
                          QJsonObject{{"id", 3}, {"language", ""}}};
    dvd_info* info = create_dvdinfo_from_JSON(
        text(disc(QJsonArray{title(true, QJsonArray{videoTrack(720, 576)}, QJsonArray{audioTrack(1, "German", 2)}, subs)}))
            .constData());
    QVERIFY(info);
    const dvd_title* t = info->titles[0];
    QCOMPARE(t->subtitleTracks[0]->languageCode, "fra");
    QCOMPARE(t->subtitleTracks[0]->languageName, "French");
    QCOMPARE(t->subtitleTracks[1]->languageCode, "");
    QVERIFY(!t->subtitleTracks[1]->languageName);
    QCOMPARE(t->subtitleTracks[2]->languageCode, "");
    QCOMPARE(t->audioTracks[0]->languageCode, "deu");
    free_dvd_info(info);
}

void TestMediaTask::audioChoiceByLanguageAndChannels_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QList<int>>("channels");
    QTest::addColumn<int>("chosen");
    QTest::newRow("English stereo and 5.1") << QStringList{"en", "en"} << QList<int>{2, 6} << 1;
    QTest::newRow("English before louder French") << QStringList{"fr", "en"} << QList<int>{6, 2} << 1;
    QTest::newRow("only French") << QStringList{"fr", "fr", "fr"} << QList<int>{2, 6, 6} << 1;
    QTest::newRow("unknown languages") << QStringList{"", "xx"} << QList<int>{2, 8} << 1;
}

void TestMediaTask::audioChoiceByLanguageAndChannels()
{
    QFETCH(QStringList, languages);
    QFETCH(QList<int>, channels);
    QJsonArray audio;
    for (int i = 0; i < languages.size(); ++i)
        audio.append(audioTrack(i, languages[i], channels[i]));
    QJsonObject profile = videoProfile();
    QJsonObject a = profile["Audio"].toObject();
    a["TrackNumLimit"] = 8;
    profile["Audio"] = a;
    TaskPtr task = makeTask(disc(QJsonArray{title(true, QJsonArray{videoTrack(720, 576)}, audio)}), profile);
    QVERIFY(task);
    const title_selection* s = title_selection_at(task->selection, 0);
    QFETCH(int, chosen);
    for (int i = 0; i < languages.size(); ++i) {
        QCOMPARE(audio_choice_at(s, i)->selected, i == chosen);
        QCOMPARE(audio_choice_at(s, i)->isDefault, i == chosen);
    }
}

void TestMediaTask::titleSelectionDefaults()
{
    const QJsonArray subs{QJsonObject{{"id", 1}, {"language", "en"}}};
    QJsonObject d = disc(QJsonArray{title(false, QJsonArray{videoTrack(720, 576), videoTrack(720, 576)}, {}, subs,
                                          QJsonArray{10, 20}),
                                    title(false, QJsonArray{videoTrack(720, 576)})});
    TaskPtr task = makeTask(d, videoProfile());
    QVERIFY(task);
    const title_selection* first = title_selection_at(task->selection, 0);
    QVERIFY(first->selected);   // no main title: the first is taken
    QVERIFY(!title_selection_at(task->selection, 1)->selected);
    QVERIFY(!title_selection_at(task->selection, 2));
    QVERIFY(video_choice_at(first, 0)->selected && video_choice_at(first, 0)->isDefault);
    QVERIFY(!video_choice_at(first, 1)->selected);
    QCOMPARE(video_choice_at(first, 0)->layout, "sbsl");
    QCOMPARE(video_choice_at(first, 0)->regionWidth, 0.65f);
    const subtitle_choice* sub = subtitle_choice_at(first, 0);
    QVERIFY(sub && !sub->selected);
    QCOMPARE(sub->placementCount, 2);
    QCOMPARE(sub->placements[1].values[0], -1);
    QVERIFY(first->hasChapters);
    QCOMPARE(first->chapterCount, 2);
    QVERIFY(!subtitle_choice_at(first, 1));
    QVERIFY(!video_choice_at(first, -1));
}

void TestMediaTask::trackLimits()
{
    QJsonArray video{videoTrack(720, 576), videoTrack(720, 576), videoTrack(720, 576)};
    TaskPtr task = makeTask(disc(QJsonArray{title(true, video, QJsonArray{audioTrack(1, "en", 2), audioTrack(2, "en", 2)},
                                                  QJsonArray{QJsonObject{{"id", 1}, {"language", "en"}},
                                                             QJsonObject{{"id", 2}, {"language", "de"}}})}),
                            videoProfile());
    QVERIFY(task);
    title_selection* s = title_selection_at(task->selection, 0);
    for (int i = 0; i < 3; ++i)
        video_choice_at(s, i)->selected = true;
    audio_choice_at(s, 0)->selected = audio_choice_at(s, 1)->selected = true;
    subtitle_choice_at(s, 0)->selected = subtitle_choice_at(s, 1)->selected = true;
    apply_track_limits(task.get());
    QVERIFY(video_choice_at(s, 0)->selected);
    QVERIFY(!video_choice_at(s, 1)->selected);
    QVERIFY(!video_choice_at(s, 2)->selected);
    QVERIFY(audio_choice_at(s, 0)->selected);
    QVERIFY(!audio_choice_at(s, 1)->selected);
    QVERIFY(subtitle_choice_at(s, 0)->selected);
    QVERIFY(!subtitle_choice_at(s, 1)->selected);

    // Nothing selected: the defaults come back.
    for (int i = 0; i < 3; ++i)
        video_choice_at(s, i)->selected = false;
    audio_choice_at(s, 0)->selected = false;
    apply_track_limits(task.get());
    QVERIFY(video_choice_at(s, 0)->selected);
    QVERIFY(audio_choice_at(s, 0)->selected);
}

void TestMediaTask::musicProfileSelectsNoVideo()
{
    QJsonObject music{{"ID", 9}, {"Type", "Music"},
                      {"Audio", QJsonObject{{"DefaultCodec", "MP3"}, {"TrackNumLimit", 1}, {"Codecs", QJsonArray{audioCodec("MP3")}}}}};
    TaskPtr task = makeTask(oneTitle(720, 576), music);
    QVERIFY(task && task->profile->working);
    const title_selection* s = title_selection_at(task->selection, 0);
    QVERIFY(!video_choice_at(s, 0)->selected);
    QVERIFY(audio_choice_at(s, 0)->selected);
    apply_track_limits(task.get());
    QVERIFY(!video_choice_at(s, 0)->selected);
    // The exact word only: with "music" a title left without video gets its default back.
    music["Type"] = "music";
    TaskPtr lower = makeTask(oneTitle(720, 576), music);
    video_choice* v = video_choice_at(title_selection_at(lower->selection, 0), 0);
    v->selected = false;
    apply_track_limits(lower.get());
    QVERIFY(v->selected);
}

void TestMediaTask::unparsableDiscGivesNoTask()
{
    QVERIFY(!create_media_task("a", "b", 0, "{\"titles\": [", text(videoProfile()).constData()));
    QVERIFY(!create_media_task("a", "b", 0, nullptr, text(videoProfile()).constData()));
}

void TestMediaTask::unparsableProfileLeavesTaskWithoutProfile()
{
    TaskPtr task(create_media_task("a", "b", 0, text(oneTitle(720, 576)).constData(), "not json"));
    QVERIFY(task);
    QVERIFY(!task->profile->working);
    QVERIFY(!set_video_option(task.get(), VIDEO_OPTION_RESOLUTION, "1280x720"));
    QVERIFY(!task_save_profile_json(task.get(), "t", "d"));
    QVERIFY(!task_convert_profile_json(task.get()));
}

void TestMediaTask::h264Rule_data()
{
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("bFrames");
    QTest::newRow("1280x720") << "1280x720" << "baseline" << "3.2" << "0";
    QTest::newRow("640x360") << "640x360" << "baseline" << "3.2" << "0";
    QTest::newRow("1920x1080") << "1920x1080" << "main" << "4.2" << "2";
    QTest::newRow("2048x1080") << "2048x1080" << "main" << "4.2" << "2";
    QTest::newRow("2560x1440") << "2560x1440" << "high" << "5.2" << "2";
}

void TestMediaTask::h264Rule()
{
    QFETCH(QString, resolution);
    // A large source, so that nothing is scaled down to the source.
    TaskPtr task = makeTask(oneTitle(3840, 2160), withResolution(videoProfile(), resolution));
    QVERIFY(task);
    const profile_holder* h = task->profile;
    QFETCH(QString, profile);
    QCOMPARE(QString(get_video_option(h, VIDEO_OPTION_PROFILE)), profile);
    QFETCH(QString, level);
    QCOMPARE(QString(get_video_option(h, VIDEO_OPTION_LEVEL)), level);
    QFETCH(QString, bFrames);
    QCOMPARE(QString(get_video_option(h, VIDEO_OPTION_BFRAMES)), bFrames);

    // Changing the size runs the rule again.
    QVERIFY(set_video_option(task.get(), VIDEO_OPTION_RESOLUTION, "2560x1440"));
    QCOMPARE(get_video_option(h, VIDEO_OPTION_PROFILE), "high");
}

void TestMediaTask::computedBitrate_data()
{
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<int>("quality");
    QTest::addColumn<int>("bitrate");
    QTest::newRow("H.264 1080p30 q3") << "H.264" << "1920x1080" << "30" << 3 << 4600;
    QTest::newRow("HEVC 1080p30 q3") << "HEVC" << "1920x1080" << "30" << 3 << 3700;
    QTest::newRow("H.264 360p24 q1") << "H.264" << "640x360" << "24" << 1 << 500;
}

void TestMediaTask::computedBitrate()
{
    QFETCH(int, quality);
    QFETCH(QString, codec);
    QFETCH(QString, resolution);
    QFETCH(QString, frameRate);
    QJsonObject p = withResolution(videoProfile(codec, quality), resolution, frameRate);
    TaskPtr task = makeTask(oneTitle(1920, 1080), p);
    QVERIFY(task);
    QFETCH(int, bitrate);
    QCOMPARE(task->profile->videoBitrate, bitrate);
}

void TestMediaTask::hostileValuesGiveSaneBitrates_data()
{
    // Written into the texts as they stand: json-c reads the huge ones as the
    // nearest 32-bit value and accepts NaN and Infinity.
    QTest::addColumn<QByteArray>("quality");
    QTest::addColumn<QByteArray>("fps");
    QTest::newRow("quality at the lowest int") << QByteArray("-2147483648") << QByteArray("25");
    QTest::newRow("quality below the int range") << QByteArray("-9999999999") << QByteArray("25");
    QTest::newRow("quality -1e300") << QByteArray("-1e300") << QByteArray("25");
    QTest::newRow("quality at the highest int") << QByteArray("2147483647") << QByteArray("25");
    QTest::newRow("disc fps NaN") << QByteArray("3") << QByteArray("NaN");
    QTest::newRow("disc fps -Infinity") << QByteArray("3") << QByteArray("-Infinity");
    QTest::newRow("disc fps 1e300") << QByteArray("3") << QByteArray("1e300");
}

void TestMediaTask::hostileValuesGiveSaneBitrates()
{
    QFETCH(QByteArray, quality);
    QFETCH(QByteArray, fps);
    QByteArray profile = text(withResolution(videoProfile("H.264", 3), "1920x1080", "keep original"));
    QByteArray discText = text(oneTitle(1920, 1080));
    QVERIFY(profile.contains("\"Quality\":3"));
    QVERIFY(discText.contains("\"fps\":25"));
    profile.replace("\"Quality\":3", "\"Quality\":" + quality);
    discText.replace("\"fps\":25", "\"fps\":" + fps);
    TaskPtr task(create_media_task("disc", "/media/disc", 1, discText.constData(), profile.constData()));
    QVERIFY(task);
    QVERIFY(task->profile);
    // 1080p asks for a few thousand kbit/s at any quality and frame rate.
    const int bitrate = task->profile->videoBitrate;
    QVERIFY2(bitrate >= 100 && bitrate <= 50000, qPrintable(QString::number(bitrate)));
}

void TestMediaTask::manualBitrateKept()
{
    TaskPtr task = makeTask(oneTitle(1920, 1080), withResolution(videoProfile(), "1920x1080", "30", "Manual"));
    QVERIFY(task);
    task->profile->videoBitrate = 7777;
    QVERIFY(set_video_option(task.get(), VIDEO_OPTION_RESOLUTION, "640x360"));
    QCOMPARE(task->profile->videoBitrate, 7777);
    QVERIFY(set_video_option(task.get(), VIDEO_OPTION_BITRATE, "Auto"));
    QCOMPARE(task->profile->videoBitrate, 900);   // 640x360 at 30 fps, quality 3
}

void TestMediaTask::noUpscaling()
{
    TaskPtr task = makeTask(oneTitle(720, 576), videoProfile());
    QVERIFY(task);
    QCOMPARE(get_video_option(task->profile, VIDEO_OPTION_RESOLUTION), "keep original");
    int32_t w = 0, h = 0;
    target_resolution(task.get(), &w, &h);
    QCOMPARE(w, 720);
    QCOMPARE(h, 576);
    // A size the user chose stays.
    QJsonObject p = videoProfile();
    QJsonObject v = p["Video"].toObject();
    QJsonArray codecs = v["Codecs"].toArray();
    QJsonObject c = codecs[0].toObject();
    QJsonObject r = c["Resolution"].toObject();
    r["Modified"] = true;
    c["Resolution"] = r;
    codecs[0] = c;
    v["Codecs"] = codecs;
    p["Video"] = v;
    TaskPtr chosen = makeTask(oneTitle(720, 576), p);
    QCOMPARE(get_video_option(chosen->profile, VIDEO_OPTION_RESOLUTION), "1920x1080");
    // The loaded profile is not changed by the rule.
    QCOMPARE(option_set_text(media_profile_video_entry(task->profile->loaded, 0)->resolution), "1920x1080");
}

void TestMediaTask::customVideoBitrate_data()
{
    QTest::addColumn<int>("custom");
    QTest::addColumn<int>("bitrate");
    QTest::newRow("10 keeps the computed one") << 10 << 4600;
    QTest::newRow("2500") << 2500 << 2500;
}

void TestMediaTask::customVideoBitrate()
{
    QJsonObject p = videoProfile();
    p["CustomProfile"] = 1;
    QFETCH(int, custom);
    p["CustomVideoBitRate"] = custom;
    TaskPtr task = makeTask(oneTitle(1920, 1080), p);
    QVERIFY(task);
    QFETCH(int, bitrate);
    QCOMPARE(task->profile->videoBitrate, bitrate);
}

void TestMediaTask::optionKinds()
{
    TaskPtr task = makeTask(oneTitle(1920, 1080), videoProfile());
    media_task* t = task.get();
    QVERIFY(!set_video_option(t, VIDEO_OPTION_CODEC, "mpeg4"));
    QVERIFY(set_video_option(t, VIDEO_OPTION_CODEC, "MPEG4"));
    QCOMPARE(task->profile->video.name, "MPEG4");
    QCOMPARE(get_video_option(task->profile, VIDEO_OPTION_CODEC), "MPEG4");
    QVERIFY(set_video_option(t, VIDEO_OPTION_CODEC, "H.264"));
    QVERIFY(set_video_option(t, VIDEO_OPTION_FRAME_RATE, "25"));
    QVERIFY(set_video_option(t, VIDEO_OPTION_ASPECT, "4:3"));
    QVERIFY(!set_video_option(t, VIDEO_OPTION_ASPECT, "5:4"));
    QVERIFY(set_video_option(t, VIDEO_OPTION_PROFILE, "high"));
    QCOMPARE(get_video_option(task->profile, VIDEO_OPTION_LEVEL), "5.2");
    QVERIFY(set_video_option(t, VIDEO_OPTION_LEVEL, "4.0"));
    QVERIFY(set_video_option(t, VIDEO_OPTION_BFRAMES, "3"));
    QVERIFY(!set_video_option(t, VIDEO_OPTION_BFRAMES, ""));
    QVERIFY(!set_video_option(t, 8, "x"));
    QVERIFY(!get_video_option(task->profile, 8));
    QCOMPARE(get_video_option(task->profile, VIDEO_OPTION_BFRAMES), "3");
    QCOMPARE(default_video_codec_index(task->profile->working), 0);
    QCOMPARE(video_frame_rate_value(task->profile->working, 0), 25.0f);
}

void TestMediaTask::profileChoice()
{
    QJsonObject p = withResolution(videoProfile(), "1920x1080", "30", "Manual");
    profile_choice* choice = create_profile_choice(text(p).constData(), 3333);
    QVERIFY(choice);
    QVERIFY(!create_profile_choice("{", 1));
    video_codec_entry* e = media_profile_video_entry(choice->profile, 0);
    QVERIFY(option_set_set_current(e->profileLevel, "main"));
    std::free(e->level);
    e->level = strdup("4.0");
    TaskPtr task = makeTask(oneTitle(1280, 720), videoProfile());
    QVERIFY(apply_profile_choice(task.get(), choice));
    QCOMPARE(get_video_option(task->profile, VIDEO_OPTION_PROFILE), "main");
    QCOMPARE(get_video_option(task->profile, VIDEO_OPTION_LEVEL), "4.0");
    QCOMPARE(task->profile->videoBitrate, 3333);
    char* saved = choice_save_profile_json(choice, "Kept", "");
    QVERIFY(saved && QByteArray(saved).contains("\"Kept\""));
    QVERIFY(!QByteArray(saved).contains("CustomVideoBitRate"));
    std::free(saved);
    free_profile_choice(choice);
    free_profile_choice(nullptr);
}

void TestMediaTask::exportsUseTheWorkingProfile()
{
    TaskPtr task = makeTask(oneTitle(1920, 1080), videoProfile());
    QVERIFY(set_video_option(task.get(), VIDEO_OPTION_RESOLUTION, "1280x720"));
    const QJsonObject saved = QJsonDocument::fromJson([&] {
        char* t = task_save_profile_json(task.get(), "Mine", "");
        QByteArray b(t);
        std::free(t);
        return b;
    }()).object();
    const QJsonObject codec = saved["Video"].toObject()["Codecs"].toArray()[0].toObject();
    QCOMPARE(codec["Resolution"].toObject()["Value"].toString(), QStringLiteral("1280x720"));
    QCOMPARE(codec["ProfileLevel"].toObject()["Value"].toString(), QStringLiteral("baseline"));
    QCOMPARE(saved["CustomVideoBitRate"].toInt(), task->profile->videoBitrate);
    char* held = choice_save_profile_json(task->profile, "Held", "");
    QVERIFY(held && !QByteArray(held).contains("CustomVideoBitRate"));
    std::free(held);
    char* converted = task_convert_profile_json(task.get());
    QVERIFY(converted && QByteArray(converted).contains("\"CustomProfile\": 2"));
    std::free(converted);
}

QTEST_GUILESS_MAIN(TestMediaTask)
#include "tst_mediatask.moc"
