// The profile reader and its "save" and "convert" writers, the option sets
// and value parsers they share, on profile texts built per case.
#include "function/marbleto_library/arguments/util/media_profile.h"

#include "ProfileFixtures.h"

#include <QTest>

#include <json-c/json.h>

#include <cstdlib>
#include <memory>

using namespace fixtures;

namespace {

struct ProfileFree
{
    void operator()(media_profile* p) const { media_profile_free(p); }
};
using ProfilePtr = std::unique_ptr<media_profile, ProfileFree>;

ProfilePtr read(const QJsonObject& o)
{
    return ProfilePtr(media_profile_from_json(text(o).constData()));
}

QJsonObject parsed(char* text)
{
    const QJsonObject o = QJsonDocument::fromJson(QByteArray(text ? text : "")).object();
    std::free(text);
    return o;
}

QString jsonText(json_object* o)
{
    return QString::fromUtf8(json_object_to_json_string_ext(o, JSON_C_TO_STRING_PLAIN));
}

} // namespace

class TestMediaProfile : public QObject
{
    Q_OBJECT
private slots:
    void listCountsFromBothEnds();
    void parseRatio_data();
    void parseRatio();
    void valueParsers();
    void readerRefusesIncompleteDocuments_data();
    void readerRefusesIncompleteDocuments();
    void audioOnlyProfileHasNoVideo();
    void optionKeepsOnlyAllowedValue_data();
    void optionKeepsOnlyAllowedValue();
    void wrongTypesNeverAbort_data();
    void wrongTypesNeverAbort();
    void codecWithoutNameKeepsItsPlace();
    void settersCopyAndRefuse();
    void saveWritesBitrateAboveTen_data();
    void saveWritesBitrateAboveTen();
    void saveKeepsCurrentChoicesOnReread();
    void exportsLeaveTheSourceUntouched();
    void convertMarksUserChoicesAndKind();
    void convertWritesPassthroughOnlyWhenPresent();
};

void TestMediaProfile::listCountsFromBothEnds()
{
    media_list* list = media_list_create_texts();
    QVERIFY(!media_list_append(list, nullptr));
    for (const char* t : {"a", "b", "c"})
        QVERIFY(media_list_append(list, strdup(t)));
    QCOMPARE(list->count, 3u);
    QCOMPARE(static_cast<const char*>(media_list_get(list, 0)), "a");
    QCOMPARE(static_cast<const char*>(media_list_get(list, -1)), "c");
    QCOMPARE(static_cast<const char*>(media_list_get(list, -3)), "a");
    QVERIFY(!media_list_get(list, 3));
    QVERIFY(!media_list_get(list, -4));
    media_list_free(list);
}

void TestMediaProfile::parseRatio_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("size") << "1920x1080" << true << 1920 << 1080;
    QTest::newRow("aspect") << "16:9" << true << 16 << 9;
    QTest::newRow("decimal") << "2.35:1" << true << 235 << 100;
    QTest::newRow("slash") << "4/3" << true << 4 << 3;
    QTest::newRow("text before") << "Custom 640x480" << true << 640 << 480;
    QTest::newRow("no pair") << "keep original" << false << -1 << -1;
    QTest::newRow("zero second") << "16:0" << false << -1 << -1;
    QTest::newRow("no separator") << "1920 1080" << false << -1 << -1;
    QTest::newRow("too large") << "99999999999x1" << false << -1 << -1;
    QTest::newRow("too large by scale") << "2147483647:1.5" << false << -1 << -1;
}

void TestMediaProfile::parseRatio()
{
    QFETCH(QString, input);
    int32_t a = 0, b = 0;
    QFETCH(bool, ok);
    QCOMPARE(parse_ratio(input.toUtf8().constData(), &a, &b), ok);
    QFETCH(int, first);
    QCOMPARE(a, first);
    QFETCH(int, second);
    QCOMPARE(b, second);
}

void TestMediaProfile::valueParsers()
{
    auto integer = [](const char* t) {
        auto* v = static_cast<int32_t*>(parse_integer_value(t));
        const int r = v ? *v : -999;
        std::free(v);
        return r;
    };
    QCOMPARE(integer("5.1 Surround"), 6);
    QCOMPARE(integer("2"), 2);
    QCOMPARE(integer("128 kbps"), 128);
    QCOMPARE(integer(""), -999);
    auto rate = [](const char* t) {
        auto* v = static_cast<float*>(parse_frame_rate_value(t));
        const float r = v ? *v : -999.0f;
        std::free(v);
        return r;
    };
    QCOMPARE(rate("29.97"), 29.97f);
    QCOMPARE(rate("29,97"), -1.0f);
    QCOMPARE(rate("keep original"), -1.0f);
    QVERIFY(!parse_text_value(""));
}

void TestMediaProfile::readerRefusesIncompleteDocuments_data()
{
    QTest::addColumn<QByteArray>("document");
    QJsonObject noType = videoProfile();
    noType.remove("Type");
    QJsonObject noId = videoProfile();
    noId.remove("ID");
    QJsonObject noStreams = videoProfile();
    noStreams.remove("Video");
    noStreams.remove("Audio");
    QJsonObject typeNumber = videoProfile();
    typeNumber["Type"] = 3;
    QTest::newRow("no Type") << text(noType);
    QTest::newRow("no ID") << text(noId);
    QTest::newRow("neither Video nor Audio") << text(noStreams);
    QTest::newRow("Type a number") << text(typeNumber);
    QTest::newRow("not JSON") << QByteArray("{\"ID\": 1, ");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("array") << QByteArray("[1, 2]");
}

void TestMediaProfile::readerRefusesIncompleteDocuments()
{
    QFETCH(QByteArray, document);
    QVERIFY(!media_profile_from_json(document.constData()));
}

void TestMediaProfile::audioOnlyProfileHasNoVideo()
{
    QJsonObject o{{"ID", 7}, {"Type", "Music"},
                  {"Audio", QJsonObject{{"DefaultCodec", "MP3"}, {"TrackNumLimit", 1},
                                        {"Codecs", QJsonArray{audioCodec("MP3", "5.1 Surround")}},
                                        {"CodecsPassthru", QJsonArray{"MP3", "AAC", 5, "FLAC"}}}}};
    ProfilePtr p = read(o);
    QVERIFY(p);
    QVERIFY(!p->video);
    QVERIFY(p->audio);
    QCOMPARE(p->audio->codecs->count, 1u);
    audio_codec_entry* e = media_profile_audio_entry(p.get(), 0);
    QCOMPARE(*static_cast<int32_t*>(e->channel->current.value), 6);
    // The pass-through list stops at the first element that is no text.
    QCOMPARE(p->audio->passthrough->count, 2u);
    QCOMPARE(media_profile_get_quality(p.get()), 0);
    QCOMPARE(media_profile_get_quality(nullptr), -1);
}

void TestMediaProfile::optionKeepsOnlyAllowedValue_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("current");
    QTest::newRow("fixed, not a preset") << false << "900p" << "";
    QTest::newRow("editable, not a preset") << true << "900p" << "900p";
    QTest::newRow("fixed, a preset") << false << "1080p" << "1080p";
}

void TestMediaProfile::optionKeepsOnlyAllowedValue()
{
    QFETCH(bool, editable);
    QFETCH(QString, value);
    QJsonObject o = videoProfile();
    QJsonObject video = o["Video"].toObject();
    QJsonArray codecs = video["Codecs"].toArray();
    QJsonObject codec = codecs[0].toObject();
    QJsonObject bitrate = option(value, {"720p", "1080p"}, editable);
    bitrate["Mode"] = "CBR";
    bitrate["2PassEncode"] = true;
    codec["Bitrate"] = bitrate;
    codecs[0] = codec;
    video["Codecs"] = codecs;
    o["Video"] = video;
    ProfilePtr p = read(o);
    QVERIFY(p);
    video_codec_entry* e = media_profile_video_entry(p.get(), 0);
    QVERIFY(e && e->bitrate);
    QFETCH(QString, current);
    QCOMPARE(QString::fromUtf8(option_set_text(e->bitrate)), current);
    QCOMPARE(QString::fromUtf8(e->mode), QStringLiteral("CBR"));
    QVERIFY(e->twoPass);
}

void TestMediaProfile::wrongTypesNeverAbort_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("record");
    QTest::addColumn<bool>("video");
    QTest::addColumn<int>("videoEntries");

    QJsonObject codecsString = videoProfile();
    QJsonObject v = codecsString["Video"].toObject();
    v["Codecs"] = "H.264";
    codecsString["Video"] = v;
    QTest::newRow("Codecs a string") << text(codecsString) << true << false << 0;

    QJsonObject presetsNumber = videoProfile();
    v = presetsNumber["Video"].toObject();
    QJsonArray codecs = v["Codecs"].toArray();
    QJsonObject c = codecs[0].toObject();
    QJsonObject r = c["Resolution"].toObject();
    r["Presets"] = 5;
    c["Resolution"] = r;
    codecs[0] = c;
    v["Codecs"] = codecs;
    presetsNumber["Video"] = v;
    QTest::newRow("Presets a number") << text(presetsNumber) << true << true << 2;

    QJsonObject videoArray = videoProfile();
    videoArray["Video"] = QJsonArray{1, 2};
    QTest::newRow("Video an array") << text(videoArray) << true << false << 0;

    QJsonObject both = videoProfile();
    both["Video"] = QJsonArray{};
    both["Audio"] = "AAC";
    QTest::newRow("no stream an object") << text(both) << false << false << 0;

    QJsonObject elements = videoProfile();
    v = elements["Video"].toObject();
    v["Codecs"] = QJsonArray{"H.264", 3, QJsonArray{}, videoCodec("H.264")};
    elements["Video"] = v;
    QTest::newRow("codec elements of other types") << text(elements) << true << true << 4;

    QJsonObject limits = videoProfile();
    v = limits["Video"].toObject();
    codecs = v["Codecs"].toArray();
    c = codecs[0].toObject();
    c["Limit"] = QJsonArray{};
    c["GOP"] = "250";
    codecs[0] = c;
    v["Codecs"] = codecs;
    limits["Video"] = v;
    QTest::newRow("Limit an array, GOP a string") << text(limits) << true << true << 2;

    QJsonObject scalars = videoProfile();
    scalars["ToDevice"] = "PC";
    scalars["Quality"] = "high";
    scalars["Subtitle"] = 1;
    scalars["Summary"] = QJsonArray{};
    QTest::newRow("scalars of other types") << text(scalars) << true << true << 2;
}

void TestMediaProfile::wrongTypesNeverAbort()
{
    QFETCH(QByteArray, document);
    media_profile* p = media_profile_from_json(document.constData());
    QFETCH(bool, record);
    QCOMPARE(p != nullptr, record);
    if (p) {
        QFETCH(bool, video);
        QCOMPARE(p->video != nullptr, video);
        QFETCH(int, videoEntries);
        if (p->video)
            QCOMPARE(int(p->video->codecs->count), videoEntries);
        // Whatever was read, both writers run over it.
        std::free(media_profile_save_json(p, "t", "d", 0));
        std::free(media_profile_convert_json(p));
    }
    media_profile_free(p);
}

void TestMediaProfile::codecWithoutNameKeepsItsPlace()
{
    QJsonObject o = videoProfile("MPEG4");
    QJsonObject v = o["Video"].toObject();
    QJsonArray codecs = v["Codecs"].toArray();
    QJsonObject nameless = codecs[0].toObject();
    nameless.remove("Codec");
    codecs[0] = nameless;
    v["Codecs"] = codecs;
    o["Video"] = v;
    ProfilePtr p = read(o);
    QVERIFY(p && p->video);
    QCOMPARE(p->video->codecs->count, 2u);
    QVERIFY(!media_profile_video_entry(p.get(), 0)->codec);
    QCOMPARE(media_profile_video_entry(p.get(), 1)->codec, "MPEG4");
    // The save form pairs source objects and entries by position.
    const QJsonObject saved = parsed(media_profile_save_json(p.get(), "t", "d", 0));
    const QJsonArray out = saved["Video"].toObject()["Codecs"].toArray();
    QCOMPARE(out.size(), 1);
    QCOMPARE(out[0].toObject()["Codec"].toString(), QStringLiteral("MPEG4"));
    QVERIFY(!media_profile_set_default_video_codec(p.get(), "H.264"));
    QVERIFY(media_profile_set_default_video_codec(p.get(), "MPEG4"));
}

void TestMediaProfile::settersCopyAndRefuse()
{
    ProfilePtr p = read(videoProfile());
    QVERIFY(p);
    QVERIFY(!media_profile_set_target(p.get(), ""));
    QVERIFY(!media_profile_set_target(p.get(), nullptr));
    QVERIFY(!media_profile_set_target(nullptr, "x"));
    char buffer[] = "Phone";
    QVERIFY(media_profile_set_target(p.get(), buffer));
    buffer[0] = 'X';
    QCOMPARE(media_profile_get_target(p.get()), "Phone");
    QVERIFY(!media_profile_set_default_audio_codec(p.get(), "aac"));   // exact names only
    QVERIFY(media_profile_set_default_audio_codec(p.get(), "MP3"));
    QCOMPARE(media_profile_get_default_audio_codec(p.get()), "MP3");
    video_codec_entry* e = media_profile_video_entry(p.get(), 0);
    QVERIFY(!option_set_set_current(e->aspect, "2.35:1"));  // not editable, not a preset
    QVERIFY(option_set_set_current(e->aspect, "4:3"));
    QVERIFY(!option_set_set_current(e->aspect, ""));
    QVERIFY(!option_set_add_preset(e->aspect, "4:3"));
}

void TestMediaProfile::saveWritesBitrateAboveTen_data()
{
    QTest::addColumn<int>("bitrate");
    QTest::addColumn<bool>("written");
    QTest::newRow("10") << 10 << false;
    QTest::newRow("11") << 11 << true;
}

void TestMediaProfile::saveWritesBitrateAboveTen()
{
    QFETCH(int, bitrate);
    ProfilePtr p = read(videoProfile());
    const QJsonObject saved = parsed(media_profile_save_json(p.get(), "Mine", "My own", bitrate));
    QFETCH(bool, written);
    QCOMPARE(saved.contains("CustomVideoBitRate"), written);
    if (saved.contains("CustomVideoBitRate"))
        QCOMPARE(saved["CustomVideoBitRate"].toInt(), bitrate);
    QCOMPARE(saved["CustomProfile"].toInt(), 1);
    const QJsonObject summary = saved["Summary"].toObject();
    QCOMPARE(summary["Titles"].toObject(), (QJsonObject{{"en", "Mine"}}));
    QCOMPARE(summary["Descriptions"].toObject(), (QJsonObject{{"en", "My own"}}));
    QCOMPARE(summary["VideoCodec"].toString(), QStringLiteral("H.264"));
    QCOMPARE(summary["AudioCodec"].toString(), QStringLiteral("AAC"));
    QCOMPARE(summary["Recommend"].toBool(true), false);
    QCOMPARE(summary["ShortTitles"].toObject(), (QJsonObject{{"en", "MP4"}}));
    // Only the default codecs' objects are written.
    QCOMPARE(saved["Video"].toObject()["Codecs"].toArray().size(), 1);
    QCOMPARE(saved["Audio"].toObject()["Codecs"].toArray().size(), 1);
}

void TestMediaProfile::saveKeepsCurrentChoicesOnReread()
{
    ProfilePtr p = read(videoProfile());
    video_codec_entry* e = media_profile_video_entry(p.get(), 0);
    QVERIFY(option_set_set_current(e->resolution, "1280x720"));
    QVERIFY(option_set_set_current(e->frameRate, "25"));
    QVERIFY(option_set_set_current(e->bFrames, "0"));
    QVERIFY(option_set_set_current(e->profileLevel, "baseline"));
    std::free(e->level);
    e->level = strdup("3.2");
    std::free(e->mode);
    e->mode = strdup("CBR");
    e->twoPass = true;
    e->gop = 120;
    audio_codec_entry* a = media_profile_audio_entry(p.get(), 0);
    QVERIFY(option_set_set_current(a->bitrate, "192"));
    QVERIFY(option_set_set_current(a->channel, "5.1 Surround"));
    p->quality = 5;

    char* saved = media_profile_save_json(p.get(), "Mine", "", 2500);
    ProfilePtr again(media_profile_from_json(saved));
    std::free(saved);
    QVERIFY(again);
    video_codec_entry* e2 = media_profile_video_entry(again.get(), 0);
    QVERIFY(e2);
    QCOMPARE(option_set_text(e2->resolution), "1280x720");
    QCOMPARE(option_set_text(e2->frameRate), "25");
    QCOMPARE(option_set_text(e2->bFrames), "0");
    QCOMPARE(option_set_text(e2->profileLevel), "baseline");
    QCOMPARE(e2->level, "3.2");
    QCOMPARE(e2->mode, "CBR");
    QVERIFY(e2->twoPass);
    QCOMPARE(e2->gop, 120);
    audio_codec_entry* a2 = media_profile_audio_entry(again.get(), 0);
    QCOMPARE(option_set_text(a2->bitrate), "192");
    QCOMPARE(option_set_text(a2->channel), "5.1 Surround");
    QCOMPARE(again->quality, 5);
    QCOMPARE(again->customVideoBitRate, 2500);
    QCOMPARE(again->customProfile, 1);
}

void TestMediaProfile::exportsLeaveTheSourceUntouched()
{
    ProfilePtr p = read(videoProfile());
    const QString before = jsonText(p->json);
    option_set_set_current(media_profile_video_entry(p.get(), 0)->resolution, "640x360");
    char* s1 = media_profile_save_json(p.get(), "a", "b", 0);
    char* s2 = media_profile_save_json(p.get(), "a", "b", 0);
    char* c1 = media_profile_convert_json(p.get());
    char* c2 = media_profile_convert_json(p.get());
    QVERIFY(s1 && s2 && c1 && c2);
    QCOMPARE(QByteArray(s1), QByteArray(s2));
    QCOMPARE(QByteArray(c1), QByteArray(c2));
    QCOMPARE(jsonText(p->json), before);
    for (char* t : {s1, s2, c1, c2})
        std::free(t);
}

void TestMediaProfile::convertMarksUserChoicesAndKind()
{
    ProfilePtr p = read(videoProfile());
    video_codec_entry* e = media_profile_video_entry(p.get(), 0);
    QVERIFY(option_set_set_current(e->resolution, "1280x720"));
    e->resolution->modified = true;
    QVERIFY(option_set_set_current(e->frameRate, "25"));   // not marked: source value stays
    QVERIFY(option_set_set_current(e->bitrate, "Manual"));
    const QJsonObject out = parsed(media_profile_convert_json(p.get()));
    const QJsonArray codecs = out["Video"].toObject()["Codecs"].toArray();
    QCOMPARE(codecs.size(), 2);
    const QJsonObject c = codecs[0].toObject();
    QCOMPARE(c["Resolution"].toObject()["Value"].toString(), QStringLiteral("1280x720"));
    QVERIFY(c["Resolution"].toObject()["Modified"].toBool());
    QCOMPARE(c["FrameRate"].toObject()["Value"].toString(), QStringLiteral("30"));
    QCOMPARE(c["Bitrate"].toObject()["Value"].toString(), QStringLiteral("Manual"));
    QCOMPARE(c["Resolution"].toObject()["Presets"].toArray().size(), 5);
    QCOMPARE(out["CustomProfile"].toInt(), 2);
    QCOMPARE(out["Summary"].toObject()["VideoCodec"].toString(), QStringLiteral("H.264"));
    QVERIFY(!out.contains("CustomVideoBitRate"));

    QJsonObject saved = videoProfile();
    saved["CustomProfile"] = 1;
    saved["CustomVideoBitRate"] = 3000;
    ProfilePtr own = read(saved);
    const QJsonObject out2 = parsed(media_profile_convert_json(own.get()));
    QCOMPARE(out2["CustomProfile"].toInt(), 1);
    QCOMPARE(out2["CustomVideoBitRate"].toInt(), 3000);
}

void TestMediaProfile::convertWritesPassthroughOnlyWhenPresent()
{
    ProfilePtr without = read(videoProfile());
    const QJsonObject a = parsed(media_profile_convert_json(without.get()))["Audio"].toObject();
    QVERIFY(!a.contains("CodecsPassthru"));
    QJsonObject o = videoProfile();
    QJsonObject audio = o["Audio"].toObject();
    audio["CodecsPassthru"] = QJsonArray{"AAC", "AC3"};
    o["Audio"] = audio;
    ProfilePtr with = read(o);
    const QJsonObject b = parsed(media_profile_convert_json(with.get()))["Audio"].toObject();
    QCOMPARE(b["CodecsPassthru"].toArray(), (QJsonArray{"AAC", "AC3"}));
}

QTEST_GUILESS_MAIN(TestMediaProfile)
#include "tst_mediaprofile.moc"
