#pragma once

// The records of the site engine: the analysed model (Youtube_Structure),
// the row records the engine sends to the windows, the result code of an
// analysis and the subscription record.

#include "data_structure/OwnedList.h"

#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

// Result of an analysis and status of every analysed list and item.
enum YoutubeError : int {
    YtbNoError = 0,
    YtbAuthError = 1,        // failed cookie or authentication check
    YtbPrivateList = 2,      // the page needs a login
    YtbPrivateVideo = 3,     // private video, or a list that says it is private
    YtbVideoRemoved = 4,     // "This video has been removed by the user"
    YtbCancelled = 5,        // stopped by the user
    YtbUnsupportedUrl = 6,   // "ERROR: Unsupported URL"
    YtbSkipped = 7,          // excluded by the subscription settings
    YtbLimitReached = 8,     // not analysed: 1000 entries already taken in
    YtbAnalyseFailed = 9,    // any other failure
    YtbHttpsFailed = 10      // retry with the unencrypted scheme
};

// Level of a row list: 0 lists, 1 the items of one list, 2 the formats of one item.
enum YoutubeListType : int {
    YtbListsLevel = 0,
    YtbItemsLevel = 1,
    YtbFormatsLevel = 2
};

// One subtitle language of a video.
struct SubLang
{
    QString name;
    bool checked = false;

    bool operator==(const SubLang& o) const { return name == o.name && checked == o.checked; }
};

namespace Youtube_Structure {

using SubLang = ::SubLang;

// One downloadable format; texts as the downloader's JSON gives them.
struct Media
{
    int index = 0;
    QString formatId;
    QString url;
    QString filesize;
    QString vcodec;          // empty for an audio-only format
    QString acodec;
    QString width;
    QString height;
    QString fps;
    QString abr;
    QString asr;
    QString ext;
    QString targetExt;       // the extension the file will get
    QString language;
    bool isM3u8Native = false;
    bool forgeMediaForMp3 = false;
    int videoPartCount = 1;

    bool hasVideo() const { return !vcodec.isEmpty(); }
    bool hasAudio() const { return !acodec.isEmpty(); }
};

// One audio-language variant of an item.
struct AudioLan
{
    QString language;        // base language code
    QString name;            // the full language value
    QString formatId;
    QString ext;
    qint64 abr = 0;          // ranking: sample rate * 1000 + bit rate
};

// One video. Items live on the heap inside their list (OwnedList) and are
// handed out by pointer; an Item value can still be built off to the side
// and moved or copied into place.
struct Item
{
    QString title;
    QString uploader;
    QString url;
    QString thumbnail;
    QString preview;
    QString id;
    int duration = 0;                // seconds; -1 for a live m3u8 stream
    QList<SubLang> subLangs;
    bool searchingSubtitles = false;
    QVector<Media> medias;           // ordered by the format choice; index = position
    QVector<AudioLan> audioLans;
    int audioLanIndex = 0;
    int chosenMediaIndex = -1;       // -1: the format choice decides
    int checkState = 2;
    bool analysed = false;
    int status = YtbNoError;
    bool showAllMedia = false;
    bool isLive = false;
    bool isM3u8 = false;
    QString listFolder;
    QString accountUser;
    QString accountPassword;
    QString subscribeListId;
    QString subscribeListUrl;
    QString subscribeExtractor;
    int downloadState = 3;           // 0 new, 1 downloaded but file gone, 2 downloaded, 3 not looked up
    bool analysing = false;
    bool analyseIt = true;
    QImage image;
    QString note;
};

// One analysed page or playlist. It owns its items; it cannot be copied
// (the items are pointed at from elsewhere), only moved.
struct List
{
    QString title;
    QString siteTitle;
    QString url;
    QString id;
    QString extractor;
    QString thumbnail;
    bool analysed = false;
    int status = YtbNoError;
    int checkState = 2;
    OwnedList<Item> items;
    bool subscribable = false;
    bool subscribed = false;

    List() = default;
    List(const List&) = delete;
    List& operator=(const List&) = delete;
    List(List&&) noexcept = default;
    List& operator=(List&&) noexcept = default;
};

// The model of one analysis; the engine holds it on the heap and passes it
// by pointer.
using Lists = OwnedList<List>;

// Statuses whose rows are shown as analysed entries.
inline bool isDisplayableStatus(int status)
{
    return status == YtbNoError || status == YtbSkipped || status == YtbLimitReached;
}

// Title of a row whose list or item has none: "Loading..." before the
// analysis ended, "Untitled" for a displayable status, else "Invalid";
// translated in the context given.
QString placeholderTitle(bool analysed, int status, const char* context = "YoutubePrivate");
// The title itself, or the placeholder when it is empty.
QString displayTitle(const QString& title, bool analysed, int status, const char* context = "YoutubePrivate");
// Second line of a list row: "%1 %2" with the count and "Video"/"Videos";
// empty for an empty list.
QString itemCountText(int count, const char* context = "YoutubePrivate");
// "%1x%2" of width and height, the one present alone, else "N/A".
QString resolutionText(const QString& width, const QString& height);

} // namespace Youtube_Structure

// One row of a YoutubeList (a snapshot; changing it changes nothing in the engine).
struct YoutubeItem
{
    int index = 0;
    QString title;
    QString subTitle;
    QString thumbnail;
    QImage image;
    int checkState = 0;
    bool analysed = false;
    int status = YtbNoError;
    QString resolution;
    QString codec;
    QString ext;
    QString fps;
    QString abr;
    QString size;
    QString language;
    int downloadState = 3;
};

struct YoutubeMediaListInfo
{
    QString title;
    QString url;
    QString thumbnail;
    QImage image;
    QString note;
    QList<SubLang> subLangs;
    bool searchingSubtitles = false;
    bool showFormats = true;
};

// What Youtube::lists returns.
struct YoutubeList
{
    YoutubeListType type = YtbListsLevel;
    QList<YoutubeItem> items;
    YoutubeMediaListInfo info;
    bool subscribable = false;
    bool subscribed = false;
};

// One subscribed list; its database key is extractor + "_##_" + listId.
struct SubscribeRecord
{
    QString extractor;
    QString listId;
    QString url;
    QString title;

    QString key() const { return extractor + QStringLiteral("_##_") + listId; }
    bool operator==(const SubscribeRecord& o) const
    {
        return extractor == o.extractor && listId == o.listId && url == o.url && title == o.title;
    }
};

Q_DECLARE_METATYPE(YoutubeError)
Q_DECLARE_METATYPE(YoutubeListType)
Q_DECLARE_METATYPE(SubLang)
Q_DECLARE_METATYPE(YoutubeItem)
Q_DECLARE_METATYPE(YoutubeMediaListInfo)
Q_DECLARE_METATYPE(YoutubeList)
Q_DECLARE_METATYPE(SubscribeRecord)
Q_DECLARE_METATYPE(Youtube_Structure::Lists*)
Q_DECLARE_METATYPE(Youtube_Structure::List*)
Q_DECLARE_METATYPE(Youtube_Structure::Item*)

// Registers every record above that travels through queued connections,
// under the names the signals spell. Safe to call more than once and from
// any thread; the facade calls it when it is built, and a worker that emits
// one of these types before the facade exists may call it itself.
void registerYoutubeMetaTypes();
