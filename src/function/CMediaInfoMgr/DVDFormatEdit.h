#pragma once

#include "function/CMediaInfoMgr/MarkInfo.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QMutex>
#include <QPair>
#include <QRect>
#include <QSharedPointer>
#include <QString>
#include <QVariant>
#include <QVector>

struct media_task;
struct title_selection;

// The editable description of one analysed DVD source: per title the default
// tracks (audio and subtitles by the setting "dvd/lang"), the subtitle
// tracks with a default style, and one default set of edit settings for the
// whole title. Built once on the GUI thread by the analyser; nothing here
// takes a lock. QFont members need a QGuiApplication.

struct WaterMarkInfo
{
    WaterMarkInfo() { reset(); }
    void reset();

    bool enabled = false;
    int kind = 0;
    TextMarkInfo texts[3];
    QString images[3];
    DateTimeMarkInfo dateTime;
    double opacity = 1.0;
    qint64 values[3] = {0, 0, 0};
};

struct RegionEditInfo
{
    RegionEditInfo() { reset(); }
    void reset();

    bool enabled = false;
    QRect rect;
    qint64 values[4] = {0, 0, 0, 0};
    bool flags[2] = {false, false};
    int mode = 0;
};

struct PictureEditInfo
{
    PictureEditInfo() { reset(); }
    void reset();

    int rotation = 0;
    int flip = 0;
    float contrast = 1.0f;
    float saturation = 1.0f;
    float brightness = 0.0f;
    float volume = 1.0f;
    QMap<int, QImage> images;
};

struct ClipTextInfo
{
    float size = 5.0f;
    QString text;
    bool flags[2] = {false, false};
};

// The input and output layouts of ffmpeg's stereo3d filter.
struct StereoLayout
{
    void reset()
    {
        input = QStringLiteral("sbsl");
        output = QStringLiteral("ml");
    }
    QString input = QStringLiteral("sbsl");
    QString output = QStringLiteral("ml");
};

struct SplitSegment
{
    int start = 0;
    int length = 0;
};

struct SplitInfo
{
    bool bySegments = true;
    bool byCount = true;
    int splitCount = 10;
    int splitMinutes = 60;
    QList<SplitSegment> segments;
};

struct ClipEditInfo
{
    ClipEditInfo() { reset(); }
    void reset();
    // Cuts start..end into splitCount equal segments, the last one taking
    // the rest; appends to the list. Nothing when end is not after start.
    void splitEvenly();

    int first = 15;
    qint64 start = -1;
    qint64 end = -1;
    int param1 = 0;
    int param2 = 1;
    bool flag = false;
    ClipTextInfo text;
    float params[4] = {5.0f, 15.0f, 6.0f, 0.3f};
    StereoLayout stereo;
    SplitInfo split;
    int param3 = 0;
    float param4 = -1.0f;
    float region[4] = {0.5f, 0.5f, 0.5f, 0.5f};
    float scale = 0.65f;
    int offsets[2] = {0, 0};
    int limits[2] = {2000, 500};
};

struct ImagePair
{
    QImage first;
    QImage second;
};

struct SegmentEditInfo
{
    int values[5] = {0, 0, -1, 0, -1};
    RegionEditInfo region;
    WaterMarkInfo waterMark;
    QList<ImagePair> images;
    PictureEditInfo picture;
    ClipEditInfo clip;
    int tail[2] = {0, -1};
};

struct SubtitleTrackEntry
{
    QVariant track;
    QVariant title;
    int value = 0;
    bool flags[2] = {false, false};
    qint64 extra = 0;
};

struct SubtitleEditInfo
{
    SubtitleEditInfo();

    int track = -1;
    bool flag = false;
    qint64 value1 = 0;
    QFont font;
    qint64 value2 = 0;
    QString languageCode;
    QString text;
};

using SubtitleStyles = QMap<int, QPair<QList<SubtitleEditInfo>, int>>;

class DVDContentReader;

// Objects a title keeps for editors; shared, so copies of a title record
// never free them twice.
struct TitleEditObject
{
    virtual ~TitleEditObject() = default;
};

struct TitleEditInfo
{
    QMap<int, SegmentEditInfo> segments;
    qint64 value1 = 1;
    float value2 = 1.0f;
    int value3 = 2;
    QVector<SubtitleTrackEntry> subtitleTracks;
    QString text1;
    SubtitleStyles subtitleStyles;
    bool flag1 = true;
    QList<int> chosenVideo;
    QList<int> chosenAudio;
    QList<int> chosenSubtitles;
    int defaultVideo = -1;
    int defaultAudio = -1;
    int defaultSubtitle = -1;
    bool flags[3] = {true, true, true};
    QMap<int, QSharedPointer<TitleEditObject>> objects;
    int value4 = 0;
    QString text2;
    QSharedPointer<TitleEditObject> object1;
    QSharedPointer<TitleEditObject> object2;
    bool flag2 = true;
    DVDContentReader* reader = nullptr;     // the model's, not owned
    QVector<SubtitleTrackEntry> subtitleTracks2;
    SubtitleStyles subtitleStyles2;
};

struct DiscOutputInfo
{
    DiscOutputInfo() = default;
    DiscOutputInfo(const DiscOutputInfo&) = delete;
    DiscOutputInfo& operator=(const DiscOutputInfo&) = delete;

    QString name;
    QString texts[4];
    bool flags[2] = {false, false};
    QMutex mutex;
    bool flag = false;
};

// The model's view of the media library's task of a disc (not owned).
class DVDContentReader
{
public:
    DVDContentReader(media_task* task, const QString& discName, const QString& sourcePath);

    int titleCount() const;
    // kind 0 video, 1 audio, 2 subtitle.
    int trackCount(int title, int kind) const;
    int defaultTrack(int title, int kind) const;
    QString subtitleLanguage(int title, int index) const;
    void setTag(int tag) { m_tag = tag; }
    int tag() const { return m_tag; }
    int mainTitle() const { return m_mainTitle; }
    media_task* task() const { return m_task; }
    QString discName() const { return m_discName; }
    QString sourcePath() const { return m_sourcePath; }

private:
    media_task* m_task;
    QString m_discName;
    QString m_sourcePath;
    QString m_text;
    QList<title_selection*> m_selections;
    int m_mainTitle = -1;
    int m_tag = 0;
    QMap<int, int> m_map1;
    QMap<int, int> m_map2;
    QString m_text2;
    int m_value = 1;
};

// Owns its reader and the media_task it reads (freed with the model); the
// receiver of the analyser's doDVDContentInfo owns the model.
struct DVD_format_edit_s
{
    DVD_format_edit_s(media_task* task, const QString& discName, const QString& sourcePath);
    ~DVD_format_edit_s();
    DVD_format_edit_s(const DVD_format_edit_s&) = delete;
    DVD_format_edit_s& operator=(const DVD_format_edit_s&) = delete;

    QString texts1[2];
    int sourceKind = 0;     // 0 disc drive, 1 image file, 2 folder
    QString texts2[2];
    QMap<int, TitleEditInfo> titles;
    qint64 value = 0;
    DiscOutputInfo output;
    DVDContentReader* reader = nullptr;
    int value2 = 0;
};
Q_DECLARE_METATYPE(DVD_format_edit_s*)
