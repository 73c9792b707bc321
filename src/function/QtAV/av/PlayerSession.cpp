#include "PlayerSession.h"

#include "AVClock.h"
#include "AudioOutput.h"
#include "VideoCapture.h"
#include "VideoRenderer.h"

#include <QDebug>
#include <QRegularExpression>
#include <QThread>
#include <cmath>
#include <pthread.h>
#include <thread>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace TwAV {

namespace {
constexpr qint64 kMaxQueuedBytes = 48 * 1024 * 1024;
constexpr double kBufferTarget = 1.0;        // seconds of read-ahead before playing (network)
constexpr int kBlockSamples = 1024;
constexpr int kBlockBytes = kBlockSamples * 4;

void sleepMs(double ms)
{
    std::this_thread::sleep_for(std::chrono::microseconds(qint64(ms * 1000)));
}

AVCodecContext* openDecoder(const AVCodecParameters* params, int tbNum, int tbDen)
{
    const AVCodec* codec = avcodec_find_decoder(params->codec_id);
    if (!codec)
        return nullptr;
    AVCodecContext* ctx = avcodec_alloc_context3(codec);
    if (!ctx)
        return nullptr;
    if (avcodec_parameters_to_context(ctx, params) < 0) {
        avcodec_free_context(&ctx);
        return nullptr;
    }
    ctx->pkt_timebase = AVRational{tbNum, tbDen};
    // Small pictures decode far faster than real time on one thread; a pool
    // of frame threads would only cost its start-up and a few frames of
    // delay before the first picture. Larger ones get one per core.
    ctx->thread_count = params->width * params->height <= 640 * 480 ? 1 : 0;
    if (avcodec_open2(ctx, codec, nullptr) < 0) {
        avcodec_free_context(&ctx);
        return nullptr;
    }
    return ctx;
}

// The demux jobs run on threads that wait a little for the next job when
// theirs is done. On a busy machine a new thread queues behind everything
// that runs before it first runs, a woken one hardly waits: that queueing
// came before every first picture. Idle threads end after a while, so a
// player that stopped leaves none behind for long.
class DemuxThreads
{
public:
    static DemuxThreads& instance()
    {
        // Never destroyed: a thread may still be waiting on it at exit.
        static DemuxThreads* threads = new DemuxThreads;
        return *threads;
    }

    void run(std::function<void()> job)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.push_back(std::move(job));
        // Every queued job needs a waiting thread of its own: a job holds
        // its thread for a whole playback.
        if (m_idle >= int(m_jobs.size())) {
            m_cv.notify_one();
            return;
        }
        std::thread([this] { loop(); }).detach();
    }

private:
    static constexpr auto kIdleLife = std::chrono::seconds(2);

    void loop()
    {
        pthread_setname_np(pthread_self(), "tw-demux");
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            if (m_jobs.empty()) {
                ++m_idle;
                const bool got = m_cv.wait_for(lock, kIdleLife, [this] { return !m_jobs.empty(); });
                --m_idle;
                if (!got)
                    return;
            }
            std::function<void()> job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            job();
            job = nullptr;   // its captures go on this thread, before the next wait
            lock.lock();
        }
    }

    std::mutex m_mutex;   // guards the jobs and the idle count
    std::condition_variable m_cv;
    std::deque<std::function<void()>> m_jobs;
    int m_idle = 0;       // threads waiting for a job
};

double packetSeconds(const PacketQueue::Item& item)
{
    if (!item.packet || item.packet->duration <= 0 || item.tbDen == 0)
        return 0.0;
    return double(item.packet->duration) * item.tbNum / item.tbDen;
}

QString plainSubtitleText(const char* ass)
{
    // "ReadOrder,Layer,Style,Name,MarginL,MarginR,MarginV,Effect,Text"
    QString line = QString::fromUtf8(ass);
    if (line.startsWith(QLatin1String("Dialogue:")))
        line = line.mid(9).trimmed();
    int commas = 0, i = 0;
    for (; i < line.size() && commas < 8; ++i)
        if (line[i] == QLatin1Char(','))
            ++commas;
    if (commas == 8)
        line = line.mid(i);
    static const QRegularExpression tags(QStringLiteral("\\{[^}]*\\}"));
    line.remove(tags);
    line.replace(QLatin1String("\\N"), QLatin1String("\n")).replace(QLatin1String("\\n"), QLatin1String("\n"));
    return line;
}
} // namespace

PacketQueue::~PacketQueue()
{
    clear();
}

void PacketQueue::release(Item& item)
{
    av_packet_free(&item.packet);
    avcodec_parameters_free(&item.params);
}

void PacketQueue::push(Item item)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (item.packet)
        m_bytes += item.packet->size;
    m_seconds += packetSeconds(item);
    m_items.push_back(item);
    m_cv.notify_all();
}

bool PacketQueue::pop(Item* item, int ms)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_items.empty())
        m_cv.wait_for(lock, std::chrono::milliseconds(ms));
    if (m_items.empty())
        return false;
    *item = m_items.front();
    m_items.pop_front();
    if (item->packet)
        m_bytes -= item->packet->size;
    m_seconds = m_items.empty() ? 0.0 : qMax(0.0, m_seconds - packetSeconds(*item));
    return true;
}

void PacketQueue::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (Item& it : m_items)
        release(it);
    m_items.clear();
    m_bytes = 0;
    m_seconds = 0.0;
}

int PacketQueue::count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_items.size());
}

qint64 PacketQueue::bytes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bytes;
}

double PacketQueue::seconds() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seconds;
}

void PacketQueue::wake()
{
    m_cv.notify_all();
}

PlayerSession::PlayerSession(const QString& source, const QVariantHash& options, qint64 startMs,
                             int video, int audio, int subtitle,
                             AVClock* clock, AudioOutput* audioOut, VideoCapture* capture, SessionHooks hooks)
    : m_source(source), m_options(options), m_startMs(qMax<qint64>(0, startMs)),
      m_wantVideo(video), m_wantAudio(audio), m_wantSubtitle(subtitle),
      m_clock(clock), m_audio(audioOut), m_capture(capture), m_hooks(std::move(hooks))
{
    m_network = detail::isNetworkSource(source);
    m_seekTarget = m_startMs / 1000.0;
}

struct PlayerSession::OpenGate
{
    std::mutex mutex;
    bool entered = false;    // the thread runs on with the session
    bool detached = false;   // the session went first
    bool finished = false;   // the thread is done with the session
    std::condition_variable finishedCv;
    // The interrupt flag of the format context the thread opens: it must
    // live as long as the thread, not as long as the session.
    std::atomic_bool abort{false};
};

PlayerSession::~PlayerSession()
{
    {
        std::lock_guard<std::mutex> lock(m_ctl);
        m_abort = true;
    }
    if (m_gate)
        m_gate->abort = true;
    m_ctlCv.notify_all();
    m_vq.wake();
    m_aq.wake();
    if (m_gate) {
        std::unique_lock<std::mutex> lock(m_gate->mutex);
        m_gate->detached = !m_gate->entered;
        if (m_gate->entered)
            m_gate->finishedCv.wait(lock, [this] { return m_gate->finished; });
    }
    for (QThread* t : {m_videoThread, m_audioThread}) {
        if (t) {
            t->wait();
            delete t;
        }
    }
}

void PlayerSession::start()
{
    m_gate = std::make_shared<OpenGate>();
    // The open works on copies and the gate only, so it can outlive the
    // session while it waits for a name lookup.
    DemuxThreads::instance().run([this, gate = m_gate, source = m_source, options = m_options] {
        detail::markStage("thread");
        AVError err;
        AVFormatContext* fmt = detail::openSource(source, options, &gate->abort, &err);
        {
            std::lock_guard<std::mutex> lock(gate->mutex);
            if (gate->detached) {
                avformat_close_input(&fmt);
                return;
            }
            gate->entered = true;
        }
        demuxMain(fmt, err);
        // The session may go once this is seen: nothing of it is touched
        // after.
        std::lock_guard<std::mutex> lock(gate->mutex);
        gate->finished = true;
        gate->finishedCv.notify_all();
    });
}

void PlayerSession::setPaused(bool paused)
{
    m_paused = paused;
    m_ctlCv.notify_all();
}

void PlayerSession::seek(qint64 ms)
{
    {
        std::lock_guard<std::mutex> lock(m_ctl);
        m_seekRequested = true;
        m_seekRequestTarget = ms / 1000.0;
        m_seekTarget = ms / 1000.0;
        m_seekPending = true;
        ++m_serial;
    }
    m_ctlCv.notify_all();
}

void PlayerSession::selectStream(int kind, int n, qint64 positionMs)
{
    {
        std::lock_guard<std::mutex> lock(m_ctl);
        m_streamChangeKind = kind;
        wanted(kind) = n;
        m_seekRequested = true;
        m_seekRequestTarget = positionMs / 1000.0;
        m_seekTarget = positionMs / 1000.0;
        ++m_serial;
    }
    m_ctlCv.notify_all();
}

void PlayerSession::setWanted(int kind, int n)
{
    std::lock_guard<std::mutex> lock(m_ctl);
    wanted(kind) = n;
}

double PlayerSession::seekTarget() const
{
    return m_seekTarget;
}

bool PlayerSession::seeking() const
{
    return m_seekPending;
}

double PlayerSession::audioClock() const
{
    if (m_audioIndex < 0 || m_audioDone)
        return -1.0;
    if (!m_audioReady || m_audioSerial != m_serial)
        return m_seekTarget;
    return m_audio->sinkClock();
}

bool PlayerSession::queuesFull() const
{
    if (m_vq.bytes() + m_aq.bytes() > kMaxQueuedBytes)
        return true;
    auto enough = [](const PacketQueue& q) { return q.count() > 50 && q.seconds() > 3.0; };
    const bool videoEnough = m_videoIndex < 0 || m_info.videoIsStill || enough(m_vq);
    const bool audioEnough = m_audioIndex < 0 || enough(m_aq);
    return videoEnough && audioEnough;
}

void PlayerSession::updateBuffering(bool eof)
{
    if (!m_network) {
        if (!m_readyPosted) {
            m_readyPosted = true;
            m_clock->reset(m_startMs / 1000.0);
            m_hooks.post(m_hooks.ready);
        }
        return;
    }
    if (!m_buffering) {
        return;
    }
    double progress = 1.0;
    // With the queues full nothing more can be read ahead: play on.
    if (!eof && !queuesFull()) {
        auto fill = [](const PacketQueue& q) {
            return q.seconds() > 0.0 ? q.seconds() / kBufferTarget : q.count() / (25.0 * kBufferTarget);
        };
        if (m_videoIndex >= 0 && !m_info.videoIsStill)
            progress = qMin(progress, fill(m_vq));
        if (m_audioIndex >= 0)
            progress = qMin(progress, fill(m_aq));
    }
    progress = qBound(0.0, progress, 1.0);
    if (progress >= 1.0 || progress - m_lastBufferReport.load() >= 0.05) {
        m_lastBufferReport = progress;
        auto cb = m_hooks.buffer;
        m_hooks.post([cb, progress] { cb(progress); });
    }
    if (progress >= 1.0) {
        m_buffering = false;
        if (!m_readyPosted) {
            m_readyPosted = true;
            m_clock->reset(m_startMs / 1000.0);
            m_clock->setHeld(false);
            m_hooks.post(m_hooks.ready);
        } else {
            m_clock->setHeld(false);
        }
    }
}

void PlayerSession::enterUnderrun()
{
    // The demux thread may sit in a stalled read, so the hold and its first
    // report start here.
    if (!m_network || !m_readyPosted || m_buffering.exchange(true))
        return;
    m_clock->setHeld(true);
    m_lastBufferReport = 0.0;
    auto cb = m_hooks.buffer;
    m_hooks.post([cb] { cb(0.0); });
}

bool PlayerSession::waitWhileHeld()
{
    const int serial = m_serial;
    while (!m_abort && (m_paused || m_buffering || m_firstFrameGate) && serial == m_serial) {
        m_audio->sinkPause(true);
        sleepMs(5);
    }
    // Whatever paused the sink before, a block is about to be written: a
    // paused sink would never take it.
    m_audio->sinkPause(false);
    return !m_abort;
}

void PlayerSession::openSubtitleDecoder()
{
    avcodec_free_context(&m_subDecoder);
    m_subtitleIndex = -1;
    int want;
    {
        std::lock_guard<std::mutex> lock(m_ctl);
        want = m_wantSubtitle;
    }
    if (want < 0 || want >= m_info.subtitleStreams.size())
        return;
    m_subtitleIndex = m_info.subtitleStreams.at(want);
    const AVStream* st = m_fmt->streams[m_subtitleIndex];
    m_subDecoder = openDecoder(st->codecpar, st->time_base.num, st->time_base.den);
    m_info.subtitle = want;
}

void PlayerSession::handleSubtitle(AVPacket* pkt)
{
    if (!m_subDecoder)
        return;
    AVSubtitle sub;
    int got = 0;
    if (avcodec_decode_subtitle2(m_subDecoder, &sub, &got, pkt) < 0 || !got)
        return;
    const AVStream* st = m_fmt->streams[pkt->stream_index];
    const double base = pkt->pts == AV_NOPTS_VALUE ? 0.0 : pkt->pts * av_q2d(st->time_base) - m_startTime;
    SubtitleEvent ev;
    ev.start = base + sub.start_display_time / 1000.0;
    ev.end = pkt->duration > 0 ? base + pkt->duration * av_q2d(st->time_base) : base + sub.end_display_time / 1000.0;
    QStringList lines;
    for (unsigned i = 0; i < sub.num_rects; ++i) {
        const AVSubtitleRect* r = sub.rects[i];
        if (r->type == SUBTITLE_ASS && r->ass)
            lines << plainSubtitleText(r->ass);
        else if (r->type == SUBTITLE_TEXT && r->text)
            lines << QString::fromUtf8(r->text);
    }
    avsubtitle_free(&sub);
    ev.text = lines.join(QLatin1Char('\n'));
    for (VideoFilter* f : m_hooks.videoFilters())
        if (f->isEnabled())
            f->subtitleEvent(ev);
}

void PlayerSession::pushFlush(double target, int changedKind)
{
    const int serial = m_serial;
    if (m_videoThread && m_videoIndex >= 0) {
        const AVStream* st = m_fmt->streams[m_videoIndex];
        PacketQueue::Item it;
        it.kind = PacketQueue::Item::Flush;
        it.serial = serial;
        it.target = target;
        it.tbNum = st->time_base.num;
        it.tbDen = st->time_base.den;
        it.stillPicture = m_info.videoIsStill;
        if (changedKind == 0) {
            it.params = avcodec_parameters_alloc();
            avcodec_parameters_copy(it.params, st->codecpar);
        }
        m_vq.push(it);
        if (m_info.videoIsStill) {
            PacketQueue::Item pic;
            pic.serial = serial;
            pic.packet = av_packet_clone(&st->attached_pic);
            pic.tbNum = it.tbNum;
            pic.tbDen = it.tbDen;
            m_vq.push(pic);
            PacketQueue::Item eof;
            eof.kind = PacketQueue::Item::Eof;
            eof.serial = serial;
            m_vq.push(eof);
        }
    }
    if (m_audioThread && m_audioIndex >= 0) {
        const AVStream* st = m_fmt->streams[m_audioIndex];
        PacketQueue::Item it;
        it.kind = PacketQueue::Item::Flush;
        it.serial = serial;
        it.target = target;
        it.tbNum = st->time_base.num;
        it.tbDen = st->time_base.den;
        it.stillPicture = changedKind >= 0;   // audio: a stream switch, not a seek to announce
        if (changedKind == 1) {
            it.params = avcodec_parameters_alloc();
            avcodec_parameters_copy(it.params, st->codecpar);
        }
        m_aq.push(it);
    }
}

void PlayerSession::checkFinished()
{
    if (m_videoDone && m_audioDone && !m_finishedPosted.exchange(true))
        m_hooks.post(m_hooks.finished);
}

void PlayerSession::demuxMain(AVFormatContext* fmt, const AVError& err)
{
    m_fmt = fmt;
    if (!m_fmt) {
        if (!m_abort) {
            auto cb = m_hooks.failed;
            m_hooks.post([cb, err] { cb(err); });
        }
        return;
    }
    m_startTime = m_fmt->start_time != AV_NOPTS_VALUE ? m_fmt->start_time / double(AV_TIME_BASE) : 0.0;

    for (unsigned i = 0; i < m_fmt->nb_streams; ++i) {
        AVStream* st = m_fmt->streams[i];
        st->discard = AVDISCARD_ALL;
        const AVCodecParameters* par = st->codecpar;
        const QString lang = av_dict_get(st->metadata, "language", nullptr, 0)
            ? QString::fromUtf8(av_dict_get(st->metadata, "language", nullptr, 0)->value) : QString();
        QString title = av_dict_get(st->metadata, "title", nullptr, 0)
            ? QString::fromUtf8(av_dict_get(st->metadata, "title", nullptr, 0)->value) : QString();
        // MP4 keeps a track's title as its handler name; the muxers' own
        // default names are no title.
        if (title.isEmpty() && av_dict_get(st->metadata, "handler_name", nullptr, 0)) {
            const QString handler = QString::fromUtf8(av_dict_get(st->metadata, "handler_name", nullptr, 0)->value);
            static const QStringList defaults{"SubtitleHandler", "SoundHandler", "VideoHandler", "Core Media Audio",
                                              "Core Media Video", "Core Media Text"};
            if (!defaults.contains(handler))
                title = handler;
        }
        const QString codec = QString::fromUtf8(avcodec_get_name(par->codec_id));
        if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
            m_info.videoStreams << int(i);
        } else if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
            m_info.audioTracks << QVariantMap{{QStringLiteral("id"), m_info.audioStreams.size()},
                                              {QStringLiteral("codec"), codec}, {QStringLiteral("lang"), lang},
                                              {QStringLiteral("title"), title}};
            m_info.audioStreams << int(i);
        } else if (par->codec_type == AVMEDIA_TYPE_SUBTITLE) {
            m_info.subtitleTracks << QVariantMap{{QStringLiteral("id"), m_info.subtitleStreams.size()},
                                                 {QStringLiteral("codec"), codec}, {QStringLiteral("lang"), lang},
                                                 {QStringLiteral("title"), title}};
            m_info.subtitleStreams << int(i);
        }
    }
    auto choose = [](const QList<int>& list, int want) {
        if (list.isEmpty())
            return -1;
        return want >= 0 && want < list.size() ? want : 0;
    };
    {
        // Choices made while the source opened count.
        std::lock_guard<std::mutex> lock(m_ctl);
        m_info.video = choose(m_info.videoStreams, m_wantVideo);
        m_info.audio = choose(m_info.audioStreams, m_wantAudio);
    }
    m_videoIndex = m_info.video >= 0 ? m_info.videoStreams.at(m_info.video) : -1;
    m_audioIndex = m_info.audio >= 0 ? m_info.audioStreams.at(m_info.audio) : -1;
    openSubtitleDecoder();

    m_info.duration = m_fmt->duration > 0 ? m_fmt->duration / 1000 : 0;
    m_info.seekable = m_info.duration > 0 && !(m_fmt->ctx_flags & AVFMTCTX_UNSEEKABLE)
        && (!m_fmt->pb || (m_fmt->pb->seekable & AVIO_SEEKABLE_NORMAL));
    if (m_videoIndex >= 0) {
        const AVStream* st = m_fmt->streams[m_videoIndex];
        m_info.videoIsStill = st->disposition & AV_DISPOSITION_ATTACHED_PIC;
        m_info.videoCodec = QString::fromUtf8(avcodec_get_name(st->codecpar->codec_id));
        m_info.width = st->codecpar->width;
        m_info.height = st->codecpar->height;
        m_info.frameRate = st->avg_frame_rate.den ? av_q2d(st->avg_frame_rate) : 0.0;
    }
    if (m_audioIndex >= 0) {
        const AVStream* st = m_fmt->streams[m_audioIndex];
        m_info.audioCodec = QString::fromUtf8(avcodec_get_name(st->codecpar->codec_id));
        m_info.sampleRate = st->codecpar->sample_rate;
        m_info.channels = st->codecpar->ch_layout.nb_channels;
    }
    for (int idx : {int(m_videoIndex), int(m_audioIndex), m_subtitleIndex})
        if (idx >= 0)
            m_fmt->streams[idx]->discard = AVDISCARD_DEFAULT;

    {
        auto cb = m_hooks.opened;
        const SessionInfo info = m_info;
        m_hooks.post([cb, info] { cb(info); });
    }

    if (m_startMs > 0 && m_info.seekable) {
        const int64_t ts = int64_t(m_startMs) * 1000 + (m_fmt->start_time != AV_NOPTS_VALUE ? m_fmt->start_time : 0);
        avformat_seek_file(m_fmt, -1, INT64_MIN, ts, ts, 0);
    } else {
        m_startMs = 0;
        m_seekTarget = 0.0;
    }
    m_videoDone = m_videoIndex < 0;
    m_audioDone = m_audioIndex < 0;
    m_buffering = m_network;
    if (m_network)
        m_clock->setHeld(true);
    m_firstFrameGate = m_videoIndex >= 0 && !m_info.videoIsStill;
    {
        std::lock_guard<std::mutex> lock(m_ctl);
        if (m_abort) {
            avformat_close_input(&m_fmt);
            return;
        }
        // Sound starts first: its decoder and sink open while the first
        // picture decodes here, and it waits at the gate for that picture.
        if (m_audioIndex >= 0) {
            const AVStream* st = m_fmt->streams[m_audioIndex];
            AVCodecParameters* par = avcodec_parameters_alloc();
            avcodec_parameters_copy(par, st->codecpar);
            const int num = st->time_base.num, den = st->time_base.den;
            m_audioThread = QThread::create([this, par, num, den] { audioMain(par, num, den); });
            m_audioThread->setObjectName(QStringLiteral("tw-audio"));
            m_audioThread->start();
        }
    }

    AVPacket* pkt = av_packet_alloc();
    if (m_videoIndex >= 0) {
        const AVStream* st = m_fmt->streams[m_videoIndex];
        const int num = st->time_base.num, den = st->time_base.den;
        const bool still = m_info.videoIsStill;
        AVCodecContext* ctx = openDecoder(st->codecpar, num, den);
        detail::markStage("decoder");
        // The first picture is decoded on this thread, which has the packets
        // at hand: handing them to a decode thread first would put its start
        // and a wake-up on the way to the first frame. The decoder then goes
        // to the video thread with whatever it still holds.
        double lastPts = -1.0;
        if (ctx && !still)
            showFirstFrame(ctx, pkt, &lastPts);
        std::lock_guard<std::mutex> lock(m_ctl);
        if (m_abort) {
            avcodec_free_context(&ctx);
        } else {
            m_videoThread = QThread::create([this, ctx, num, den, still, lastPts] {
                videoMain(ctx, num, den, still, lastPts);
            });
            m_videoThread->setObjectName(QStringLiteral("tw-video"));
            m_videoThread->start();
            if (still) {
                PacketQueue::Item pic;
                pic.packet = av_packet_clone(&st->attached_pic);
                pic.tbNum = num;
                pic.tbDen = den;
                m_vq.push(pic);
                PacketQueue::Item eof;
                eof.kind = PacketQueue::Item::Eof;
                m_vq.push(eof);
            }
        }
    }

    bool eof = false;
    while (!m_abort) {
        bool seekNow = false;
        double target = 0.0;
        int changed = -1;
        int want = -1;
        {
            std::lock_guard<std::mutex> lock(m_ctl);
            if (m_seekRequested) {
                seekNow = true;
                target = m_seekRequestTarget;
                changed = m_streamChangeKind;
                want = changed == 0 ? m_wantVideo : m_wantAudio;
                m_seekRequested = false;
                m_streamChangeKind = -1;
            }
        }
        if (seekNow) {
            const QList<int>& list = changed == 0 ? m_info.videoStreams : m_info.audioStreams;
            if ((changed == 0 || changed == 1) && want >= 0 && want < list.size()) {
                const int old = changed == 0 ? m_videoIndex : m_audioIndex;
                const int idx = list.at(want);
                m_fmt->streams[old]->discard = AVDISCARD_ALL;
                m_fmt->streams[idx]->discard = AVDISCARD_DEFAULT;
                if (changed == 0) {
                    m_videoIndex = idx;
                    m_info.video = want;
                } else {
                    m_audioIndex = idx;
                    m_info.audio = want;
                }
            } else if (changed == 2) {
                if (m_subtitleIndex >= 0)
                    m_fmt->streams[m_subtitleIndex]->discard = AVDISCARD_ALL;
                openSubtitleDecoder();
                if (m_subtitleIndex >= 0)
                    m_fmt->streams[m_subtitleIndex]->discard = AVDISCARD_DEFAULT;
            }
            const int64_t ts = int64_t(target * AV_TIME_BASE)
                + (m_fmt->start_time != AV_NOPTS_VALUE ? m_fmt->start_time : 0);
            if (avformat_seek_file(m_fmt, -1, INT64_MIN, ts, ts, 0) < 0)
                qWarning() << "seek failed at" << target;
            m_vq.clear();
            m_aq.clear();
            eof = false;
            pushFlush(target, changed);
            continue;
        }
        if (eof || queuesFull()) {
            // A hold that began as the end was read must still end.
            updateBuffering(eof);
            // Requests notify; the nap only bounds how soon room in the
            // queues (which nobody announces) is seen.
            std::unique_lock<std::mutex> lock(m_ctl);
            m_ctlCv.wait_for(lock, std::chrono::milliseconds(eof ? 50 : 20),
                             [this] { return m_seekRequested || m_abort; });
            continue;
        }
        const int rc = av_read_frame(m_fmt, pkt);
        if (rc == AVERROR(EAGAIN))
            continue;
        if (rc < 0) {
            if (m_abort)
                break;
            // After a failed read the demuxer may only report the end; the
            // byte reader keeps the cause.
            const int cause = rc != AVERROR_EOF ? rc : m_fmt->pb && m_fmt->pb->error < 0 ? m_fmt->pb->error : 0;
            if (cause < 0 && !m_frameShown) {
                // Nothing was seen or heard yet: the source failed to load,
                // it did not end.
                qWarning() << "reading failed before the first frame:" << ffmpegErrorText(cause);
                auto cb = m_hooks.failed;
                const AVError failure(m_network ? AVError::NetworkError : AVError::ReadError, m_source, cause);
                m_hooks.post([cb, failure] { cb(failure); });
                break;
            }
            if (cause < 0)
                qWarning() << "reading stopped:" << ffmpegErrorText(cause);
            eof = true;
            for (PacketQueue* q : {&m_vq, &m_aq}) {
                PacketQueue::Item it;
                it.kind = PacketQueue::Item::Eof;
                it.serial = m_serial;
                if (!(q == &m_vq && m_info.videoIsStill))
                    q->push(it);
            }
            updateBuffering(true);
            continue;
        }
        queuePacket(pkt);
        av_packet_unref(pkt);
        updateBuffering(false);
    }
    av_packet_free(&pkt);
    // The decode threads hold no pointer into the format context.
    avcodec_free_context(&m_subDecoder);
    avformat_close_input(&m_fmt);
}

void PlayerSession::queuePacket(AVPacket* pkt)
{
    const AVStream* st = m_fmt->streams[pkt->stream_index];
    PacketQueue::Item it;
    it.serial = m_serial;
    it.tbNum = st->time_base.num;
    it.tbDen = st->time_base.den;
    if (pkt->stream_index == m_videoIndex && !m_info.videoIsStill) {
        it.packet = av_packet_clone(pkt);
        m_vq.push(it);
    } else if (pkt->stream_index == m_audioIndex) {
        it.packet = av_packet_clone(pkt);
        m_aq.push(it);
    } else if (pkt->stream_index == m_subtitleIndex) {
        handleSubtitle(pkt);
    }
}

void PlayerSession::present(const VideoFrame& frame)
{
    for (VideoRenderer* r : m_hooks.renderers())
        r->receive(frame);
    m_capture->setLastFrame(frame);
    m_frameShown = true;
}

void PlayerSession::showFirstFrame(AVCodecContext* ctx, AVPacket* pkt, double* lastPts)
{
    const double tb = av_q2d(m_fmt->streams[m_videoIndex]->time_base);
    const double frameDur = m_info.frameRate > 0.0 ? 1.0 / m_info.frameRate : 0.04;
    const double skipBefore = m_startMs / 1000.0;
    auto seekAsked = [this] {
        std::lock_guard<std::mutex> lock(m_ctl);
        return m_seekRequested;
    };
    AVFrame* frame = av_frame_alloc();
    bool shown = false;
    // A seek, full queues or the end leave the rest to the video thread.
    while (!shown && !m_abort && !seekAsked() && !queuesFull()) {
        const int rc = av_read_frame(m_fmt, pkt);
        if (rc == AVERROR(EAGAIN))
            continue;
        if (rc < 0)
            break;   // read again, and reported, by the demux loop
        if (pkt->stream_index != m_videoIndex) {
            queuePacket(pkt);
        } else if (avcodec_send_packet(ctx, pkt) >= 0) {
            while (!shown && avcodec_receive_frame(ctx, frame) >= 0) {
                detail::markStage("decoded");
                const int64_t ts = frame->best_effort_timestamp;
                const double pts = ts == AV_NOPTS_VALUE ? *lastPts + frameDur : ts * tb - m_startTime;
                const double dur = frame->pkt_duration > 0 ? frame->pkt_duration * tb : frameDur;
                *lastPts = pts;
                if (pts + dur > skipBefore + 1e-4) {
                    VideoFrame vf(frame, pts);
                    for (VideoFilter* f : m_hooks.videoFilters())
                        if (f->isEnabled())
                            f->process(&vf);
                    detail::markStage("converted");
                    present(vf);
                    detail::markStage("shown");
                    m_firstFrameGate = false;
                    m_clock->reset(pts);
                    shown = true;
                }
                av_frame_unref(frame);
            }
        }
        av_packet_unref(pkt);
        updateBuffering(false);
    }
    av_frame_free(&frame);
}

void PlayerSession::videoMain(AVCodecContext* ctx, int tbNum, int tbDen, bool still, double lastPts)
{
    if (!ctx) {
        qWarning() << "no video decoder";
        m_firstFrameGate = false;
    }
    double tb = double(tbNum) / tbDen;
    const double frameDur = m_info.frameRate > 0.0 ? 1.0 / m_info.frameRate : 0.04;
    double skipBefore = m_startMs / 1000.0;
    bool showNext = false;
    bool announce = false;
    int drops = 0;
    AVFrame* frame = av_frame_alloc();

    auto render = [&](const VideoFrame& vf) { present(vf); };
    auto finishSeek = [&](double target) {
        if (announce) {
            announce = false;
            m_seekPending = false;
            auto cb = m_hooks.seekDone;
            const qint64 ms = qint64(std::llround(target * 1000));
            m_hooks.post([cb, ms] { cb(ms); });
        }
        showNext = false;
    };
    auto handleFrame = [&](int serial) {
        if (serial != m_serial)
            return;
        const int64_t ts = frame->best_effort_timestamp;
        const double pts = ts == AV_NOPTS_VALUE ? lastPts + frameDur : ts * tb - m_startTime;
        const double dur = frame->pkt_duration > 0 ? frame->pkt_duration * tb : frameDur;
        lastPts = pts;
        if (!still && pts + dur <= skipBefore + 1e-4)
            return;
        VideoFrame vf(frame, still ? skipBefore : pts);
        for (VideoFilter* f : m_hooks.videoFilters())
            if (f->isEnabled())
                f->process(&vf);
        if (still || showNext || m_firstFrameGate) {
            render(vf);
            finishSeek(skipBefore);
            drops = 0;
            if (m_firstFrameGate.exchange(false) && !still)
                m_clock->reset(pts);
            return;
        }
        while (!m_abort && serial == m_serial) {
            if (m_paused || m_buffering) {
                sleepMs(5);
                continue;
            }
            const double diff = pts - m_clock->value();
            if (diff <= 0.002)
                break;
            // Wake just before the frame is due; a seek or a stop waits at
            // most one such nap.
            sleepMs(qMin(diff - 0.001, 0.02) * 1000);
        }
        if (m_abort || serial != m_serial)
            return;
        const double late = m_clock->value() - pts;
        if (late > qMax(0.1, 2 * dur) && drops < 3) {
            ++drops;
            return;
        }
        drops = 0;
        render(vf);
    };

    int serial = 0;
    // Pictures the decoder finished while the opening thread had it.
    if (ctx && !still) {
        while (!m_abort && avcodec_receive_frame(ctx, frame) >= 0) {
            handleFrame(serial);
            av_frame_unref(frame);
        }
    }
    while (!m_abort) {
        PacketQueue::Item it;
        if (!m_vq.pop(&it, 20)) {
            if (!m_videoDone && m_network && !m_buffering && !m_paused)
                enterUnderrun();
            continue;
        }
        if (it.kind == PacketQueue::Item::Flush) {
            if (it.params) {
                avcodec_free_context(&ctx);
                ctx = openDecoder(it.params, it.tbNum, it.tbDen);
                tb = double(it.tbNum) / it.tbDen;
            } else if (ctx) {
                avcodec_flush_buffers(ctx);
            }
            serial = it.serial;
            skipBefore = it.target;
            showNext = true;
            announce = true;
            still = it.stillPicture;
            m_videoDone = false;
            PacketQueue::release(it);
            continue;
        }
        if (it.serial != m_serial || !ctx) {
            if (it.kind == PacketQueue::Item::Eof && it.serial == m_serial) {
                m_videoDone = true;
                checkFinished();
            }
            PacketQueue::release(it);
            continue;
        }
        serial = it.serial;
        if (it.kind == PacketQueue::Item::Eof) {
            avcodec_send_packet(ctx, nullptr);
            while (avcodec_receive_frame(ctx, frame) >= 0) {
                handleFrame(serial);
                av_frame_unref(frame);
            }
            avcodec_flush_buffers(ctx);
            if (showNext)
                finishSeek(skipBefore);   // asked past the last frame
            m_firstFrameGate = false;     // no picture came
            if (serial == m_serial) {
                m_videoDone = true;
                checkFinished();
            }
            continue;
        }
        if (avcodec_send_packet(ctx, it.packet) >= 0) {
            while (avcodec_receive_frame(ctx, frame) >= 0) {
                handleFrame(serial);
                av_frame_unref(frame);
                if (m_abort || serial != m_serial)
                    break;
            }
        }
        PacketQueue::release(it);
    }
    m_firstFrameGate = false;
    av_frame_free(&frame);
    avcodec_free_context(&ctx);
}

void PlayerSession::audioMain(AVCodecParameters* params, int tbNum, int tbDen)
{
    AVCodecContext* ctx = openDecoder(params, tbNum, tbDen);
    avcodec_parameters_free(&params);
    if (!ctx)
        qWarning() << "no audio decoder";
    double tb = double(tbNum) / tbDen;
    const int rate = ctx && ctx->sample_rate >= 8000 && ctx->sample_rate <= 192000 ? ctx->sample_rate : 48000;
    m_audio->sinkOpen(rate);
    m_audio->sinkFlush(m_startMs / 1000.0);
    m_audioSerial = int(m_serial);
    m_audioReady = true;

    SwrContext* swr = nullptr;
    int swrFormat = -1, swrRate = 0;
    AVChannelLayout swrLayout{};
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    QByteArray fifo;
    double fifoPts = 0.0;
    double skipBefore = m_startMs / 1000.0;
    AVFrame* frame = av_frame_alloc();
    int serial = m_serial;

    auto emitBlock = [&](QByteArray block) {
        AudioFrame af(block, rate, 2, fifoPts);
        for (AudioFilter* f : m_hooks.audioFilters())
            if (f->isEnabled())
                f->process(&af);
        m_audio->deliver(af);
        if (!waitWhileHeld() || serial != m_serial)
            return;
        const double end = fifoPts + double(kBlockSamples) / rate;
        m_audio->sinkWrite(af.data(), end, m_abort);
        m_frameShown = true;
        fifoPts = end;
    };
    auto handleFrame = [&]() {
        if (frame->format != swrFormat || frame->sample_rate != swrRate
            || av_channel_layout_compare(&frame->ch_layout, &swrLayout) != 0 || !swr) {
            swr_free(&swr);
            av_channel_layout_uninit(&swrLayout);
            av_channel_layout_copy(&swrLayout, &frame->ch_layout);
            if (swrLayout.order == AV_CHANNEL_ORDER_UNSPEC)
                av_channel_layout_default(&swrLayout, swrLayout.nb_channels);
            swrFormat = frame->format;
            swrRate = frame->sample_rate;
            // Mono is doubled at its own level; the resampler's default
            // would lower it by 3 dB.
            static const double monoToStereo[2] = {1.0, 1.0};
            if (swr_alloc_set_opts2(&swr, &stereo, AV_SAMPLE_FMT_S16, rate, &swrLayout, AVSampleFormat(swrFormat),
                                    swrRate, 0, nullptr) < 0
                || (swrLayout.nb_channels == 1 && swr_set_matrix(swr, monoToStereo, 1) < 0)
                || swr_init(swr) < 0) {
                swr_free(&swr);
                return;
            }
        }
        const int outMax = swr_get_out_samples(swr, frame->nb_samples);
        if (outMax <= 0)
            return;
        QByteArray out(outMax * 4, Qt::Uninitialized);
        uint8_t* dst[1] = {reinterpret_cast<uint8_t*>(out.data())};
        const int n = swr_convert(swr, dst, outMax, const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
        if (n <= 0)
            return;
        out.truncate(n * 4);
        if (fifo.isEmpty() && frame->best_effort_timestamp != AV_NOPTS_VALUE)
            fifoPts = frame->best_effort_timestamp * tb - m_startTime - double(fifo.size() / 4) / rate;
        fifo.append(out);
        if (fifoPts < skipBefore) {
            const int drop = qMin(fifo.size() / 4, int(std::llround((skipBefore - fifoPts) * rate)));
            fifo.remove(0, drop * 4);
            fifoPts += double(drop) / rate;
        }
        while (fifo.size() >= kBlockBytes && !m_abort && serial == m_serial) {
            emitBlock(fifo.left(kBlockBytes));
            fifo.remove(0, kBlockBytes);
        }
    };

    while (!m_abort) {
        // While the read-ahead refills the sink stops too, so the clock holds.
        m_audio->sinkPause(m_buffering || m_paused || m_firstFrameGate);
        PacketQueue::Item it;
        if (!m_aq.pop(&it, 20)) {
            if (!m_audioDone && m_network && !m_buffering && !m_paused)
                enterUnderrun();
            continue;
        }
        if (it.kind == PacketQueue::Item::Flush) {
            if (it.params) {
                avcodec_free_context(&ctx);
                ctx = openDecoder(it.params, it.tbNum, it.tbDen);
                tb = double(it.tbNum) / it.tbDen;
            } else if (ctx) {
                avcodec_flush_buffers(ctx);
            }
            if (swr)
                swr_init(swr);
            fifo.clear();
            fifoPts = it.target;
            skipBefore = it.target;
            serial = it.serial;
            m_audio->sinkFlush(it.target);
            m_audioSerial = it.serial;
            m_audioDone = false;
            const bool videoShows = m_videoIndex >= 0 && !m_info.videoIsStill;
            if (!videoShows && !it.stillPicture && it.serial == m_serial) {
                m_seekPending = false;
                auto cb = m_hooks.seekDone;
                const qint64 ms = qint64(std::llround(it.target * 1000));
                m_hooks.post([cb, ms] { cb(ms); });
            }
            PacketQueue::release(it);
            continue;
        }
        if (it.serial != m_serial || !ctx) {
            if (it.kind == PacketQueue::Item::Eof && it.serial == m_serial) {
                m_audioDone = true;
                checkFinished();
            }
            PacketQueue::release(it);
            continue;
        }
        serial = it.serial;
        if (it.kind == PacketQueue::Item::Eof) {
            avcodec_send_packet(ctx, nullptr);
            while (avcodec_receive_frame(ctx, frame) >= 0) {
                handleFrame();
                av_frame_unref(frame);
            }
            avcodec_flush_buffers(ctx);
            if (!fifo.isEmpty() && serial == m_serial) {
                QByteArray last = fifo;
                last.append(QByteArray(kBlockBytes - last.size(), '\0'));
                emitBlock(last);
                fifo.clear();
            }
            // A device may keep a little queued for good; do not wait on it
            // forever, but a pause or a refill stops the count.
            for (int waited = 0; waited < 400 && !m_abort && serial == m_serial && m_audio->sinkBuffered() > 0.0;) {
                const bool hold = m_paused || m_buffering || m_firstFrameGate;
                m_audio->sinkPause(hold);
                if (!hold)
                    ++waited;
                sleepMs(5);
            }
            if (serial == m_serial && !m_abort) {
                m_clock->reset(qMax(0.0, m_audio->sinkClock()));
                m_audioDone = true;
                checkFinished();
            }
            continue;
        }
        if (avcodec_send_packet(ctx, it.packet) >= 0) {
            while (avcodec_receive_frame(ctx, frame) >= 0) {
                handleFrame();
                av_frame_unref(frame);
                if (m_abort || serial != m_serial)
                    break;
            }
        }
        PacketQueue::release(it);
    }
    av_frame_free(&frame);
    swr_free(&swr);
    av_channel_layout_uninit(&swrLayout);
    avcodec_free_context(&ctx);
    m_audio->sinkClose();
}

} // namespace TwAV
