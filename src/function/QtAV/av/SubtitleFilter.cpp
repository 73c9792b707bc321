#include "SubtitleFilter.h"

#include "AVGlobal.h"
#include "AVPlayer.h"

#include <QDebug>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace TwAV {

// Installed on the player: takes its chosen track's events over.
class SubtitleFilter::Listener : public VideoFilter
{
public:
    explicit Listener(SubtitleFilter* owner) : m_owner(owner) {}
    void process(VideoFrame* frame) override { Q_UNUSED(frame) }
    void subtitleEvent(const SubtitleEvent& event) override
    {
        m_owner->addCue(event.start, event.end, event.text);
    }
private:
    SubtitleFilter* m_owner;
};

SubtitleFilter::SubtitleFilter(QObject* parent)
    : PaintingFilter(parent)
{
    m_font.setPixelSize(24);
}

SubtitleFilter::~SubtitleFilter()
{
    setPlayer(nullptr);
}

void SubtitleFilter::setPlayer(AVPlayer* player)
{
    if (m_player == player && (player || !m_listener))
        return;
    if (m_listener) {
        if (m_player)
            m_player->uninstallFilter(m_listener);
        delete m_listener;
        m_listener = nullptr;
    }
    m_player = player;
    {
        QMutexLocker lock(&m_mutex);
        m_trackCues.clear();
    }
    if (player) {
        m_listener = new Listener(this);
        player->installFilter(m_listener);
    }
}

AVPlayer* SubtitleFilter::player() const
{
    return m_player.data();
}

void SubtitleFilter::setFile(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    m_file = path;
    m_fileCues.clear();
    m_fileDirty = !path.isEmpty();
}

QString SubtitleFilter::file() const
{
    QMutexLocker lock(&m_mutex);
    return m_file;
}

void SubtitleFilter::setCodecOptions(const QVariantHash& options)
{
    QMutexLocker lock(&m_mutex);
    m_codecOptions = options;
    m_fileDirty = !m_file.isEmpty();
}

QVariantHash SubtitleFilter::codecOptions() const
{
    QMutexLocker lock(&m_mutex);
    return m_codecOptions;
}

void SubtitleFilter::setRect(const QRectF& rect) { QMutexLocker l(&m_mutex); m_rect = rect; }
QRectF SubtitleFilter::rect() const { QMutexLocker l(&m_mutex); return m_rect; }
void SubtitleFilter::setFont(const QFont& font) { QMutexLocker l(&m_mutex); m_font = font; }
QFont SubtitleFilter::font() const { QMutexLocker l(&m_mutex); return m_font; }
void SubtitleFilter::setColor(const QColor& color) { QMutexLocker l(&m_mutex); m_color = color; }
QColor SubtitleFilter::color() const { QMutexLocker l(&m_mutex); return m_color; }

QString SubtitleFilter::plainText(const QString& input, bool ass)
{
    QString line = input;
    if (ass) {
        // "ReadOrder,Layer,Style,Name,MarginL,MarginR,MarginV,Effect,Text",
        // with an older "Dialogue:" form that has a start and end as well.
        int fields = 8;
        if (line.startsWith(QLatin1String("Dialogue:"))) {
            line = line.mid(9).trimmed();
            fields = 9;
        }
        int commas = 0, i = 0;
        for (; i < line.size() && commas < fields; ++i)
            if (line[i] == QLatin1Char(','))
                ++commas;
        if (commas == fields)
            line = line.mid(i);
        static const QRegularExpression tags(QStringLiteral("\\{[^}]*\\}"));
        line.remove(tags);
        line.replace(QLatin1String("\\N"), QLatin1String("\n")).replace(QLatin1String("\\n"), QLatin1String("\n"));
        line.replace(QLatin1String("\\h"), QLatin1String(" "));
    }
    return line.trimmed();
}

void SubtitleFilter::addCue(double start, double end, const QString& text)
{
    QMutexLocker lock(&m_mutex);
    // A seek decodes a cue again: keep one per start time.
    for (Cue& c : m_trackCues) {
        if (qFuzzyCompare(c.start + 1.0, start + 1.0)) {
            c.end = end;
            c.text = text;
            return;
        }
    }
    m_trackCues.append(Cue{start, end, text});
}

void SubtitleFilter::loadFile()
{
    QString path;
    QVariantHash options;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_fileDirty)
            return;
        m_fileDirty = false;
        path = m_file;
        options = m_codecOptions;
    }
    detail::ensureLogHook();
    QVector<Cue> cues;
    bool ok = false;
    AVFormatContext* fmt = nullptr;
    AVCodecContext* dec = nullptr;
    AVPacket* pkt = av_packet_alloc();
    bool bitmapLogged = false;
    int stream = -1;
    if (avformat_open_input(&fmt, QFile::encodeName(path).constData(), nullptr, nullptr) < 0) {
        qWarning() << "subtitle file does not open:" << path;
        goto done;
    }
    if (avformat_find_stream_info(fmt, nullptr) < 0)
        goto done;
    stream = av_find_best_stream(fmt, AVMEDIA_TYPE_SUBTITLE, -1, -1, nullptr, 0);
    if (stream < 0) {
        qWarning() << "no subtitle stream in" << path;
        goto done;
    }
    {
        const AVCodec* codec = avcodec_find_decoder(fmt->streams[stream]->codecpar->codec_id);
        dec = codec ? avcodec_alloc_context3(codec) : nullptr;
        if (!dec || avcodec_parameters_to_context(dec, fmt->streams[stream]->codecpar) < 0)
            goto done;
        dec->pkt_timebase = fmt->streams[stream]->time_base;
        AVDictionary* dict = nullptr;
        for (auto it = options.cbegin(); it != options.cend(); ++it)
            av_dict_set(&dict, it.key().toUtf8().constData(), it.value().toString().toUtf8().constData(), 0);
        const int rc = avcodec_open2(dec, codec, &dict);
        av_dict_free(&dict);
        if (rc < 0) {
            qWarning() << "subtitle decoder does not open:" << ffmpegErrorText(rc);
            goto done;
        }
    }
    ok = true;
    while (av_read_frame(fmt, pkt) >= 0) {
        if (pkt->stream_index == stream) {
            AVSubtitle sub;
            int got = 0;
            if (avcodec_decode_subtitle2(dec, &sub, &got, pkt) >= 0 && got) {
                const AVRational tb = fmt->streams[stream]->time_base;
                const double base = pkt->pts == AV_NOPTS_VALUE ? 0.0 : pkt->pts * av_q2d(tb);
                const double start = base + sub.start_display_time / 1000.0;
                const double end = pkt->duration > 0 ? base + pkt->duration * av_q2d(tb)
                                                     : base + sub.end_display_time / 1000.0;
                QStringList lines;
                for (unsigned i = 0; i < sub.num_rects; ++i) {
                    const AVSubtitleRect* r = sub.rects[i];
                    if (r->type == SUBTITLE_ASS && r->ass)
                        lines << plainText(QString::fromUtf8(r->ass), true);
                    else if (r->type == SUBTITLE_TEXT && r->text)
                        lines << plainText(QString::fromUtf8(r->text), false);
                    else if (r->type == SUBTITLE_BITMAP && !bitmapLogged) {
                        qInfo() << "bitmap subtitles are not drawn:" << path;
                        bitmapLogged = true;
                    }
                }
                avsubtitle_free(&sub);
                if (!lines.isEmpty())
                    cues.append(Cue{start, end, lines.join(QLatin1Char('\n'))});
            }
        }
        av_packet_unref(pkt);
    }
done:
    av_packet_free(&pkt);
    avcodec_free_context(&dec);
    avformat_close_input(&fmt);
    {
        QMutexLocker lock(&m_mutex);
        if (m_file == path)
            m_fileCues = cues;
    }
    emit loaded(ok);
}

QString SubtitleFilter::textAt(double seconds)
{
    loadFile();
    QMutexLocker lock(&m_mutex);
    const QVector<Cue>& cues = m_file.isEmpty() ? m_trackCues : m_fileCues;
    QStringList lines;
    for (const Cue& c : cues)
        if (seconds >= c.start && seconds < c.end && !c.text.isEmpty())
            lines << c.text;
    return lines.join(QLatin1Char('\n'));
}

void SubtitleFilter::paint(QPainter* painter, const QRect& target, double seconds)
{
    if (!isEnabled())
        return;
    const QString text = textAt(seconds);
    if (text.isEmpty())
        return;
    QRectF area;
    QFont font;
    QColor colour;
    {
        QMutexLocker lock(&m_mutex);
        area = m_rect.isEmpty() ? QRectF(target) : m_rect;
        font = m_font;
        colour = m_color;
    }
    painter->save();
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(area, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, text);
    painter->restore();
}

} // namespace TwAV
