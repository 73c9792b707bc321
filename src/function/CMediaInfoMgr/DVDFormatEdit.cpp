#include "function/CMediaInfoMgr/DVDFormatEdit.h"

#include "function/marbleto_library/arguments/util/media_task.h"
#include "shell/SettingsStore.h"

void WaterMarkInfo::reset()
{
    enabled = false;
    kind = 0;
    for (TextMarkInfo& t : texts)
        t.reset();
    for (QString& i : images)
        i.clear();
    // The stamp keeps its date-time.
    dateTime.flag = true;
    dateTime.format = QStringLiteral("HH:mm:ss");
    dateTime.textMark.reset();
    opacity = 1.0;
    for (qint64& v : values)
        v = 0;
}

void RegionEditInfo::reset()
{
    enabled = false;
    rect = QRect(0, 0, 0, 0);
    for (qint64& v : values)
        v = 0;
    flags[0] = flags[1] = false;
    mode = 0;
}

void PictureEditInfo::reset()
{
    rotation = 0;
    flip = 0;
    contrast = 1.0f;
    saturation = 1.0f;
    brightness = 0.0f;
    volume = 1.0f;
    images.clear();
}

void ClipEditInfo::reset()
{
    first = 15;
    start = -1;
    end = -1;
    param1 = 0;
    param2 = 1;
    flag = false;
    text = ClipTextInfo();
    params[0] = 5.0f;
    params[1] = 15.0f;
    params[2] = 6.0f;
    params[3] = 0.3f;
    split.splitCount = 10;
    split.splitMinutes = 60;
    param3 = 0;
    param4 = -1.0f;
    for (float& r : region)
        r = 0.5f;
    scale = 0.65f;
    offsets[0] = offsets[1] = 0;
    limits[0] = 2000;
    limits[1] = 500;
}

void ClipEditInfo::splitEvenly()
{
    const int n = split.splitCount;
    // A range that is empty or reversed (a title of no length) has nothing to cut.
    if (n < 1 || end <= start)
        return;
    const int step = int((end - start) / n);
    for (int i = 0; i < n; ++i) {
        const qint64 segmentStart = start + qint64(i) * step;
        const qint64 segmentEnd = i == n - 1 ? end : segmentStart + step;
        split.segments.append({int(segmentStart), int(segmentEnd - segmentStart)});
    }
}

SubtitleEditInfo::SubtitleEditInfo()
{
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(50);
}

DVDContentReader::DVDContentReader(media_task* task, const QString& discName, const QString& sourcePath)
    : m_task(task)
    , m_discName(discName)
    , m_sourcePath(sourcePath)
{
    const int count = titleCount();
    for (int i = 0; i < count; ++i)
        m_selections.append(title_selection_at(task->selection, i));
    int longest = 0;
    for (int i = 0; i < count; ++i) {
        const dvd_title* t = task->disc->titles[i];
        if (t && t->duration > longest) {
            longest = t->duration;
            m_mainTitle = i;
        }
    }
}

int DVDContentReader::titleCount() const
{
    return m_task && m_task->disc ? m_task->disc->titleCount : 0;
}

namespace {

const dvd_title* titleAt(const media_task* task, int title, int count)
{
    // A negative index is out of range like a large one.
    if (title < 0 || title >= count)
        return nullptr;
    return task->disc->titles[title];
}

} // namespace

int DVDContentReader::trackCount(int title, int kind) const
{
    const dvd_title* t = titleAt(m_task, title, titleCount());
    if (!t)
        return 0;
    switch (kind) {
    case 0: return t->videoCount;
    case 1: return t->audioCount;
    case 2: return t->subtitleCount;
    default: return 0;
    }
}

int DVDContentReader::defaultTrack(int title, int kind) const
{
    const QString language = SettingsStore::instance()->value(QStringLiteral("dvd/lang")).toLower();
    const dvd_title* t = titleAt(m_task, title, titleCount());
    if (!t || kind < 0 || kind > 2 || trackCount(title, kind) < 1)
        return -1;
    if (kind == 0)
        return 0;
    const int count = trackCount(title, kind);
    for (int i = 0; i < count; ++i) {
        const char* code = kind == 1 ? (t->audioTracks[i] ? t->audioTracks[i]->languageCode : nullptr)
                                     : (t->subtitleTracks[i] ? t->subtitleTracks[i]->languageCode : nullptr);
        if (code && QString::fromLatin1(code).toLower() == language)
            return i;
    }
    return 0;
}

QString DVDContentReader::subtitleLanguage(int title, int index) const
{
    const dvd_title* t = titleAt(m_task, title, titleCount());
    if (!t || index < 0 || index >= t->subtitleCount || !t->subtitleTracks[index])
        return QString();
    return QString::fromLatin1(t->subtitleTracks[index]->languageCode);
}

DVD_format_edit_s::DVD_format_edit_s(media_task* task, const QString& discName, const QString& sourcePath)
    : reader(new DVDContentReader(task, discName, sourcePath))
{
    output.name = discName;
    const int count = reader->titleCount();
    for (int t = 0; t < count; ++t)
        titles.insert(t, TitleEditInfo());
    for (int t = 0; t < count; ++t) {
        TitleEditInfo& title = titles[t];
        title.reader = reader;
        const int subtitles = reader->trackCount(t, 2);
        for (int s = 0; s < subtitles; ++s) {
            SubtitleTrackEntry entry;
            entry.track = s;
            entry.title = t;
            title.subtitleTracks.append(entry);
        }
        SegmentEditInfo segment;
        segment.clip.stereo.reset();
        segment.clip.start = 0;
        segment.clip.end = qint64(task->disc->titles[t]->duration) - 1;
        segment.clip.splitEvenly();
        title.segments.insert(0, segment);
        QList<SubtitleEditInfo> styles;
        for (int i = 0; i < title.subtitleTracks.size(); ++i) {
            SubtitleEditInfo style;
            style.track = title.subtitleTracks[i].track.toInt();
            style.languageCode = style.text = reader->subtitleLanguage(t, i);
            styles.append(style);
        }
        title.subtitleStyles.insert(0, qMakePair(styles, -1));
        title.defaultVideo = reader->defaultTrack(t, 0);
        if (title.defaultVideo != -1)
            title.chosenVideo.append(title.defaultVideo);
        title.defaultAudio = reader->defaultTrack(t, 1);
        if (title.defaultAudio != -1)
            title.chosenAudio.append(title.defaultAudio);
        title.defaultSubtitle = reader->defaultTrack(t, 2);
        if (title.defaultSubtitle != -1)
            title.chosenSubtitles.append(title.defaultSubtitle);
    }
}

DVD_format_edit_s::~DVD_format_edit_s()
{
    media_task* task = reader ? reader->task() : nullptr;
    delete reader;
    free_media_task(task);
}
