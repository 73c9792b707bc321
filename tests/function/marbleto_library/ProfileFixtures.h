#pragma once

// Profile and disc JSON texts for the media library's tests, built as Qt JSON
// so that each case changes only what it is about.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace fixtures {

inline QJsonObject option(const QString& value, const QStringList& presets, bool editable = false)
{
    return QJsonObject{{"Value", value}, {"Editable", editable}, {"Presets", QJsonArray::fromStringList(presets)}};
}

inline QJsonObject videoCodec(const QString& codec, const QString& resolution = "1920x1080",
                              const QString& frameRate = "30", const QString& bitrate = "Auto")
{
    QJsonObject bitrateObject = option(bitrate, {"Auto", "Manual"}, true);
    bitrateObject["Mode"] = "VBR";
    bitrateObject["2PassEncode"] = false;
    QJsonObject profileLevel = option("high", {"baseline", "main", "high"});
    profileLevel["Level"] = "4.1";
    return QJsonObject{
        {"Codec", codec},
        {"Bitrate", bitrateObject},
        {"Resolution", option(resolution, {"keep original", "640x360", "1280x720", "1920x1080", "2560x1440"}, true)},
        {"FrameRate", option(frameRate, {"keep original", "24", "25", "29.97", "30"}, true)},
        {"Aspect", option("16:9", {"keep original", "4:3", "16:9"})},
        {"ProfileLevel", profileLevel},
        {"BFrames", option("2", {"0", "1", "2", "3"})},
        {"GOP", 250},
        {"Limit", QJsonObject{{"MaxWidth", 4096}, {"MaxHeight", 2160}, {"MaxBitRate", 50000}, {"AllowBFrames", 1},
                              {"MaxFrameRate", 60}, {"AllowPassthrough", 1}}},
    };
}

inline QJsonObject audioCodec(const QString& codec, const QString& channel = "2", const QString& bitrate = "128",
                              const QString& sampleRate = "44100")
{
    return QJsonObject{
        {"Codec", codec},
        {"Channel", option(channel, {"keep original", "1", "2", "5.1 Surround"})},
        {"Bitrate", option(bitrate, {"96", "128", "192", "256", "320"})},
        {"SampleRate", option(sampleRate, {"22050", "44100", "48000"})},
    };
}

// A complete video profile: H.264 default with a further MPEG-4 entry, AAC audio.
inline QJsonObject videoProfile(const QString& defaultVideo = "H.264", int quality = 3)
{
    return QJsonObject{
        {"ID", 101},
        {"Type", "Video"},
        {"Extension", "mp4"},
        {"Target", "MP4"},
        {"Quality", quality},
        {"CustomProfile", 0},
        {"PadForce", false},
        {"PadValue", true},
        {"ToDevice", QJsonArray{"PC", "Phone"}},
        {"Comment", "general"},
        {"Summary", QJsonObject{{"Titles", QJsonObject{{"en", "MP4"}}}, {"ShortTitles", QJsonObject{{"en", "MP4"}}},
                                {"Descriptions", QJsonObject{{"en", "MPEG-4 video"}}}, {"Recommend", true}}},
        {"Video", QJsonObject{{"DefaultCodec", defaultVideo}, {"TrackNumLimit", 1},
                              {"Codecs", QJsonArray{videoCodec(defaultVideo), videoCodec("MPEG4")}}}},
        {"Audio", QJsonObject{{"DefaultCodec", "AAC"}, {"TrackNumLimit", 1},
                              {"Codecs", QJsonArray{audioCodec("AAC"), audioCodec("MP3")}}}},
        {"Subtitle", QJsonObject{{"TrackNumLimit", 1}, {"AllowImageSubTrack", true}, {"BurnedInDefault", false}}},
    };
}

inline QByteArray text(const QJsonObject& o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

inline QJsonObject videoTrack(int width, int height)
{
    return QJsonObject{{"standard", "PAL"}, {"width", width}, {"height", height}, {"aspect_width", 16},
                       {"aspect_height", 9}};
}

inline QJsonObject audioTrack(int id, const QString& language, int channels)
{
    return QJsonObject{{"id", id}, {"standard", "ac3"}, {"channels", channels}, {"language", language}};
}

inline QJsonObject title(bool main, const QJsonArray& video, const QJsonArray& audio = {},
                         const QJsonArray& subtitles = {}, const QJsonArray& chapters = {})
{
    return QJsonObject{{"fps", 25.0}, {"main", main}, {"duration", 60000}, {"palette", "0x000000"},
                       {"video", video}, {"audio", audio}, {"subtitle", subtitles}, {"chapter", chapters}};
}

inline QJsonObject disc(const QJsonArray& titles, int number = -1)
{
    return QJsonObject{{"css scrambled", false}, {"disney protected", false}, {"track model", 1},
                       {"title number", number < 0 ? titles.size() : number}, {"titles", titles}};
}

} // namespace fixtures
