#pragma once

// The player: opens a local file or an http(s) address off the calling
// thread, demuxes on a thread of its own into bounded queues, decodes sound
// and picture on two more threads, and hands frames to its renderers when the
// master clock (the sound sink's, else a monotonic one) says they are due.
//
// Threads: an AVPlayer is used from the thread it lives on; every signal is
// emitted there. Renderers and filters are called on the decode threads.
// stop() and the destructor cut a blocked open or read short and return when
// every thread of the player has ended.

#include "AVClock.h"
#include "AVGlobal.h"
#include "AudioOutput.h"
#include "Filter.h"
#include "Frame.h"
#include "VideoCapture.h"
#include "VideoRenderer.h"

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QVariantHash>
#include <QVariantList>
#include <QVector>
#include <memory>

class QTimer;

namespace TwAV {

class PlayerSession;

class AVPlayer : public QObject
{
    Q_OBJECT
public:
    enum State { StoppedState = 0, PlayingState = 1, PausedState = 2 };
    Q_ENUM(State)

    struct Statistics
    {
        QString url;
        qint64 duration = 0;       // ms
        struct Video {
            bool available = false;
            QString codec;
            int width = 0;
            int height = 0;
            double frameRate = 0.0;
            QSize size() const { return QSize(width, height); }
        } video, video_only;       // video_only: the same values under the older name
        struct Audio {
            bool available = false;
            QString codec;
            int sampleRate = 0;
            int channels = 0;
        } audio, audio_only;
    };

    explicit AVPlayer(QObject* parent = nullptr);
    ~AVPlayer() override;

    void setFile(const QString& path);
    QString file() const;
    // Starts what setFile named (restarting when something plays).
    void play();
    // Plays `path`, starting at `startMs` when the source allows seeking.
    void play(const QString& path, qint64 startMs = 0);
    void pause(bool p = true);
    void togglePause();
    void stop();
    State state() const;
    // Same as play()/pause()/stop() by number.
    void setState(State state);
    bool isPlaying() const { return state() != StoppedState; }
    bool isPaused() const { return state() == PausedState; }
    // True from play() until the media is open or the open failed.
    bool isLoading() const;

    qint64 position() const;   // ms from the media's start
    qint64 duration() const;   // ms; 0 when unknown
    bool isSeekable() const;
    void setPosition(qint64 ms);
    void seek(qint64 ms) { setPosition(ms); }
    qreal bufferProgress() const;

    // Stream numbers count within their kind (0 = first audio stream). A
    // choice before the open applies at the open, later at once, keeping the
    // position; an out-of-range number keeps the current stream (false).
    bool setVideoStream(int n);
    bool setAudioStream(int n);
    bool setSubtitleStream(int n);
    int currentVideoStream() const;
    int currentAudioStream() const;
    int currentSubtitleStream() const;
    int videoStreamCount() const;
    int audioStreamCount() const;
    int subtitleStreamCount() const;
    // {"id", "codec", "lang", "title"} per subtitle track.
    QVariantList internalSubtitleTracks() const;

    // Options for libavformat, as texts; they apply at the next open.
    void setOptionsForFormat(const QVariantHash& options);
    QVariantHash optionsForFormat() const;
    void setOptionsForIOCodec(const QVariantHash& options);
    QVariantHash optionsForIOCodec() const;
    void setOptionsForAudioCodec(const QVariantHash& options);
    void setOptionsForVideoCodec(const QVariantHash& options);
    void setOptionsForSubtitleCodec(const QVariantHash& options);
    QVariantHash optionsForSubtitleCodec() const;

    // The sound output's volume (a factor, clamped to 0..1) and mute.
    void setVolume(qreal volume);
    qreal volume() const;
    void setMute(bool mute);
    bool isMute() const;

    AudioOutput* audio() const;
    VideoCapture* videoCapture() const;
    AVClock* masterClock() const;

    void setRenderer(VideoRenderer* renderer);
    VideoRenderer* renderer() const;
    void addVideoRenderer(VideoRenderer* renderer);
    void removeVideoRenderer(VideoRenderer* renderer);
    void clearVideoRenderers();
    QList<VideoRenderer*> videoOutputs() const;

    // Filters run in ascending priority on the decode threads.
    bool installFilter(VideoFilter* filter, int priority = 0x7fffffff);
    bool installFilter(AudioFilter* filter, int priority = 0x7fffffff);
    bool uninstallFilter(VideoFilter* filter);
    bool uninstallFilter(AudioFilter* filter);

    // Only software decoding exists; other ids are skipped.
    void setPriority(const QVector<VideoDecoderId>& ids);
    QVector<VideoDecoderId> priority() const;

    void setSpeed(double speed);
    double speed() const;
    Statistics statistics() const;

signals:
    void stateChanged(TwAV::AVPlayer::State state);
    void started();
    void stopped();
    void error(const TwAV::AVError& error);
    void positionChanged(qint64 position);
    void durationChanged(qint64 duration);
    void seekableChanged(bool seekable);
    void seekFinished(qint64 position);
    void bufferProgressChanged(qreal progress);
    void internalSubtitleTracksChanged(const QVariantList& tracks);
    void internalAudioTracksChanged(const QVariantList& tracks);
    void loaded();

private:
    friend class PlayerSession;
    struct Private;
    void teardown();
    // Runs the oldest work the session posted; invoked by name, queued.
    Q_INVOKABLE void runPosted();
    void finishSession(bool emitStop);
    std::unique_ptr<Private> d;
};

} // namespace TwAV

Q_DECLARE_METATYPE(TwAV::AVPlayer::State)
