#include "VideoFrameExtractor.h"

#include "AVGlobal.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <thread>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace TwAV {

struct VideoFrameExtractor::Worker
{
    struct Request
    {
        QString source;
        qint64 position = 0;
        int generation = 0;
    };

    std::mutex mutex;
    std::condition_variable cv;
    std::deque<Request> queue;
    std::atomic_bool quit{false};
    std::atomic_int generation{0};
    std::atomic_bool interrupt{false};   // cuts the open or read of an abandoned source
    QVariantHash options;
    std::thread thread;
    // Cleared by the extractor's destructor. A name lookup inside an open
    // does not heed the interrupt, so a destructor that finds the worker
    // opening leaves it behind; from then on it touches only this struct.
    VideoFrameExtractor* owner = nullptr;
    bool opening = false;

    // Worker thread only.
    QString openSource;
    AVFormatContext* fmt = nullptr;
    AVCodecContext* codec = nullptr;
    int stream = -1;
    qint64 durationMs = 0;

    void closeSource()
    {
        avcodec_free_context(&codec);
        avformat_close_input(&fmt);
        openSource.clear();
        stream = -1;
    }

    QString open(const QString& source)
    {
        closeSource();
        AVError err;
        QVariantHash opts;
        {
            std::lock_guard<std::mutex> lock(mutex);
            opts = options;
        }
        fmt = detail::openSource(source, opts, &interrupt, &err);
        if (!fmt)
            return err.string();
        stream = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (stream < 0) {
            closeSource();
            return QStringLiteral("no video stream in %1").arg(source);
        }
        const AVStream* st = fmt->streams[stream];
        const AVCodec* dec = avcodec_find_decoder(st->codecpar->codec_id);
        codec = dec ? avcodec_alloc_context3(dec) : nullptr;
        if (!codec || avcodec_parameters_to_context(codec, st->codecpar) < 0) {
            closeSource();
            return QStringLiteral("no decoder for %1").arg(source);
        }
        codec->pkt_timebase = st->time_base;
        codec->thread_count = 0;
        if (avcodec_open2(codec, dec, nullptr) < 0) {
            closeSource();
            return QStringLiteral("no decoder for %1").arg(source);
        }
        durationMs = fmt->duration > 0 ? fmt->duration / 1000 : 0;
        openSource = source;
        return QString();
    }

    // The first frame at or after `ms`, like a precise seek in ffmpeg; the
    // last frame when `ms` falls after it but within the media.
    VideoFrame decodeAt(qint64 ms, QString* errorText)
    {
        const AVStream* st = fmt->streams[stream];
        const double tb = av_q2d(st->time_base);
        const double start = fmt->start_time != AV_NOPTS_VALUE ? fmt->start_time / double(AV_TIME_BASE) : 0.0;
        const double target = ms / 1000.0;
        const int64_t ts = int64_t(ms) * 1000 + (fmt->start_time != AV_NOPTS_VALUE ? fmt->start_time : 0);
        if (st->disposition & AV_DISPOSITION_ATTACHED_PIC) {
            AVFrame* f = av_frame_alloc();
            VideoFrame out;
            if (avcodec_send_packet(codec, &st->attached_pic) >= 0 && avcodec_receive_frame(codec, f) >= 0)
                out = VideoFrame(f, target);
            av_frame_free(&f);
            avcodec_flush_buffers(codec);
            if (!out.isValid())
                *errorText = QStringLiteral("cover picture cannot be decoded");
            return out;
        }
        if (avformat_seek_file(fmt, -1, INT64_MIN, ts, ts, 0) < 0)
            avformat_seek_file(fmt, -1, INT64_MIN, ts, INT64_MAX, 0);
        avcodec_flush_buffers(codec);
        AVPacket* pkt = av_packet_alloc();
        AVFrame* f = av_frame_alloc();
        VideoFrame last, found;
        bool draining = false;
        while (!found.isValid() && !quit && !interrupt) {
            int rc = 0;
            if (!draining) {
                rc = av_read_frame(fmt, pkt);
                if (rc < 0) {
                    draining = true;
                    avcodec_send_packet(codec, nullptr);
                } else if (pkt->stream_index != stream) {
                    av_packet_unref(pkt);
                    continue;
                } else {
                    avcodec_send_packet(codec, pkt);
                    av_packet_unref(pkt);
                }
            }
            bool gotAny = false;
            while (avcodec_receive_frame(codec, f) >= 0) {
                gotAny = true;
                const int64_t t = f->best_effort_timestamp;
                const double pts = t == AV_NOPTS_VALUE ? target : t * tb - start;
                VideoFrame vf(f, pts);
                av_frame_unref(f);
                if (pts >= target - 0.001) {
                    found = vf;
                    break;
                }
                last = vf;
            }
            if (draining && !gotAny)
                break;
        }
        av_packet_free(&pkt);
        av_frame_free(&f);
        // No flush here: with frame threads it would wait for the frames
        // still being decoded after the one found, delaying the answer. The
        // next request flushes after its seek.
        if (!found.isValid())
            found = last;
        if (!found.isValid())
            *errorText = QStringLiteral("no frame at %1 ms").arg(ms);
        return found;
    }

    void run()
    {
        while (true) {
            Request req;
            {
                std::unique_lock<std::mutex> lock(mutex);
                cv.wait(lock, [this] { return quit || !queue.empty(); });
                if (quit)
                    break;
                req = queue.front();
                queue.pop_front();
                interrupt = false;
            }
            QString errorText;
            VideoFrame frame;
            if (req.source.isEmpty()) {
                errorText = QStringLiteral("no source to extract from at %1 ms").arg(req.position);
            } else {
                if (req.source != openSource || !fmt) {
                    {
                        std::lock_guard<std::mutex> lock(mutex);
                        if (quit)
                            break;
                        opening = true;
                    }
                    errorText = open(req.source);
                    std::lock_guard<std::mutex> lock(mutex);
                    opening = false;
                }
                if (errorText.isEmpty()) {
                    if (req.position < 0 || (durationMs > 0 && req.position > durationMs))
                        errorText = QStringLiteral("position %1 ms is outside the media").arg(req.position);
                    else
                        frame = decodeAt(req.position, &errorText);
                }
            }
            const bool stale = req.generation != generation;
            if (frame.isValid())
                frame.setMetaData(QStringLiteral("requestedPosition"), req.position);
            VideoFrameExtractor* o = nullptr;
            {
                std::lock_guard<std::mutex> lock(mutex);
                o = owner;
            }
            if (!o)
                break;
            QMetaObject::invokeMethod(o, [o, frame, errorText, stale, req] {
                if (stale)
                    emit o->aborted(QStringLiteral("source changed before %1 ms was extracted").arg(req.position));
                else if (frame.isValid())
                    emit o->frameExtracted(frame);
                else
                    emit o->error(errorText);
            }, Qt::QueuedConnection);
        }
        closeSource();
    }
};

VideoFrameExtractor::VideoFrameExtractor(QObject* parent)
    : QObject(parent), m_worker(std::make_shared<Worker>())
{
    detail::ensureLogHook();
    static const bool registered = qRegisterMetaType<TwAV::VideoFrame>("TwAV::VideoFrame") > 0;
    Q_UNUSED(registered)
    m_worker->owner = this;
}

void VideoFrameExtractor::ensureWorker()
{
    // Started by the first request: a player makes an extractor for its
    // captures, and a thread started for each play (most never capture)
    // would compete with the opening of the media.
    if (m_worker->thread.joinable())
        return;
    auto w = m_worker;
    m_worker->thread = std::thread([w] {
        pthread_setname_np(pthread_self(), "tw-extract");
        w->run();
    });
}

VideoFrameExtractor::~VideoFrameExtractor()
{
    bool detach = false;
    {
        std::lock_guard<std::mutex> lock(m_worker->mutex);
        m_worker->quit = true;
        m_worker->interrupt = true;
        m_worker->owner = nullptr;
        detach = m_worker->opening;
    }
    m_worker->cv.notify_all();
    if (!m_worker->thread.joinable())
        return;
    if (detach)
        m_worker->thread.detach();
    else
        m_worker->thread.join();
}

void VideoFrameExtractor::setSource(const QString& source)
{
    if (source == m_source)
        return;
    m_source = source;
    std::deque<Worker::Request> dropped;
    {
        std::lock_guard<std::mutex> lock(m_worker->mutex);
        ++m_worker->generation;
        m_worker->interrupt = true;
        dropped.swap(m_worker->queue);
    }
    for (const auto& r : dropped)
        QMetaObject::invokeMethod(this, [this, r] {
            emit aborted(QStringLiteral("source changed before %1 ms was extracted").arg(r.position));
        }, Qt::QueuedConnection);
    emit sourceChanged();
}

QString VideoFrameExtractor::source() const { return m_source; }

void VideoFrameExtractor::setPosition(qint64 ms)
{
    if (ms == m_position)
        return;
    m_position = ms;
    emit positionChanged();
    if (m_auto)
        extract();
}

qint64 VideoFrameExtractor::position() const { return m_position; }
void VideoFrameExtractor::setAutoExtract(bool on) { m_auto = on; }
bool VideoFrameExtractor::autoExtract() const { return m_auto; }
void VideoFrameExtractor::setAsync(bool on) { m_async = on; }
bool VideoFrameExtractor::isAsync() const { return m_async; }

void VideoFrameExtractor::setOptionsForFormat(const QVariantHash& options)
{
    std::lock_guard<std::mutex> lock(m_worker->mutex);
    m_worker->options = options;
}

void VideoFrameExtractor::extract()
{
    {
        std::lock_guard<std::mutex> lock(m_worker->mutex);
        m_worker->queue.push_back({m_source, m_position, m_worker->generation});
    }
    ensureWorker();
    m_worker->cv.notify_all();
}

} // namespace TwAV
