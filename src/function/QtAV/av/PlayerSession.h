#pragma once

// One open of one source: the demux thread, the decode threads and their
// queues. Internal to AVPlayer; results reach the player through callbacks
// that are queued onto the player's thread.

#include "AVGlobal.h"
#include "Filter.h"

#include <QList>
#include <QString>
#include <QVariantHash>
#include <QVariantList>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QThread;
struct AVPacket;
struct AVCodecParameters;
struct AVFormatContext;
struct AVCodecContext;

namespace TwAV {

class AVClock;
class AudioOutput;
class VideoCapture;
class VideoRenderer;

// Bounded by the demux thread's own checks; the queue itself only counts.
class PacketQueue
{
public:
    struct Item
    {
        enum Kind { Packet, Eof, Flush } kind = Packet;
        AVPacket* packet = nullptr;
        int serial = 0;
        double target = 0.0;                 // Flush: where the seek lands
        AVCodecParameters* params = nullptr; // Flush: a new stream's codec (owned)
        int tbNum = 0, tbDen = 1;
        bool stillPicture = false;
    };
    ~PacketQueue();
    void push(Item item);
    // Waits up to `ms`; false when nothing came.
    bool pop(Item* item, int ms);
    void clear();
    int count() const;
    qint64 bytes() const;
    double seconds() const;
    void wake();
    static void release(Item& item);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<Item> m_items;
    qint64 m_bytes = 0;
    double m_seconds = 0.0;
};

struct SessionInfo
{
    qint64 duration = 0;
    bool seekable = false;
    QList<int> videoStreams, audioStreams, subtitleStreams;   // stream indices by kind
    int video = -1, audio = -1, subtitle = -1;                // chosen, within kind
    QVariantList subtitleTracks, audioTracks;
    bool videoIsStill = false;
    QString videoCodec, audioCodec;
    int width = 0, height = 0, sampleRate = 0, channels = 0;
    double frameRate = 0.0;
};

struct SessionHooks
{
    std::function<void(std::function<void()>)> post;   // runs on the player's thread
    std::function<QList<VideoRenderer*>()> renderers;
    std::function<QList<VideoFilter*>()> videoFilters;
    std::function<QList<AudioFilter*>()> audioFilters;
    std::function<void(const SessionInfo&)> opened;
    std::function<void()> ready;
    std::function<void(double)> buffer;
    std::function<void(const AVError&)> failed;
    std::function<void()> finished;
    std::function<void(qint64)> seekDone;
};

class PlayerSession
{
public:
    PlayerSession(const QString& source, const QVariantHash& options, qint64 startMs,
                  int video, int audio, int subtitle,
                  AVClock* clock, AudioOutput* audio_, VideoCapture* capture, SessionHooks hooks);
    ~PlayerSession();   // stops and joins every thread

    void start();
    void setPaused(bool paused);
    void seek(qint64 ms);
    // Kind: 0 video, 1 audio, 2 subtitle. Called only after the open.
    void selectStream(int kind, int n, qint64 positionMs);
    // A choice made while the source still opens: it applies at the open.
    void setWanted(int kind, int n);
    double seekTarget() const;
    // The sink's media time, or negative when sound does not drive the clock.
    double audioClockValue() const { return audioClock(); }
    bool seeking() const;

private:
    struct OpenGate;
    void demuxMain(AVFormatContext* fmt, const AVError& openError);
    // `ctx` comes open (or null), `lastPts` is the picture already shown.
    void videoMain(AVCodecContext* ctx, int tbNum, int tbDen, bool still, double lastPts);
    void showFirstFrame(AVCodecContext* ctx, AVPacket* pkt, double* lastPts);
    // Hands a packet read by the demux thread to its stream's consumer.
    void queuePacket(AVPacket* pkt);
    void present(const VideoFrame& frame);
    void audioMain(AVCodecParameters* params, int tbNum, int tbDen);
    bool queuesFull() const;
    void updateBuffering(bool eof);
    // A decode thread found its queue dry while reading goes on.
    void enterUnderrun();
    void handleSubtitle(AVPacket* pkt);
    void openSubtitleDecoder();
    void pushFlush(double target, int changedKind);
    void checkFinished();
    double audioClock() const;
    bool waitWhileHeld();
    // The chosen stream of a kind; m_ctl held.
    int& wanted(int kind) { return kind == 0 ? m_wantVideo : kind == 1 ? m_wantAudio : m_wantSubtitle; }

    QString m_source;
    QVariantHash m_options;
    qint64 m_startMs;
    int m_wantVideo, m_wantAudio, m_wantSubtitle;
    AVClock* m_clock;
    AudioOutput* m_audio;
    VideoCapture* m_capture;
    SessionHooks m_hooks;
    bool m_network = false;

    std::atomic_bool m_abort{false};
    std::atomic_bool m_paused{false};
    std::atomic_bool m_buffering{false};
    std::atomic_bool m_videoDone{true};
    std::atomic_bool m_audioDone{true};
    std::atomic_bool m_audioReady{false};
    std::atomic_bool m_finishedPosted{false};
    std::atomic_int m_serial{0};
    std::atomic_int m_audioSerial{0};
    std::atomic<double> m_seekTarget{0.0};
    std::atomic_bool m_seekPending{false};
    std::atomic<double> m_lastAudioClock{0.0};

    std::mutex m_ctl;   // guards the requests below and thread creation
    std::condition_variable m_ctlCv;
    bool m_seekRequested = false;
    double m_seekRequestTarget = 0.0;
    int m_streamChangeKind = -1;

    AVFormatContext* m_fmt = nullptr;   // demux thread only
    double m_startTime = 0.0;
    SessionInfo m_info;
    std::atomic_int m_videoIndex{-1}, m_audioIndex{-1};
    int m_subtitleIndex = -1;
    AVCodecContext* m_subDecoder = nullptr;
    PacketQueue m_vq, m_aq;
    // The demux thread opens the source first. A name lookup inside the
    // open does not heed the interrupt callback, so a session that goes
    // before the open returns leaves the open behind instead of waiting;
    // the gate tells the thread whether the session is still there to run
    // for, and the session whether the thread is done with it.
    std::shared_ptr<OpenGate> m_gate;
    QThread* m_videoThread = nullptr;
    QThread* m_audioThread = nullptr;
    std::atomic<double> m_lastBufferReport{-1.0};
    std::atomic_bool m_readyPosted{false};
    // Closed from the open until the first picture is shown: the sound (and
    // with it the clock) waits for the picture, so a slow decoder start does
    // not make the first frames late.
    std::atomic_bool m_firstFrameGate{false};
    // A picture or a block of sound went out: from then on a failed read
    // ends the media instead of failing its load.
    std::atomic_bool m_frameShown{false};
};

} // namespace TwAV
