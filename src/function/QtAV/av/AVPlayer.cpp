#include "AVPlayer.h"

#include "PlayerSession.h"

#include <QDebug>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <mutex>

namespace TwAV {

struct AVPlayer::Private
{
    QString file;
    QVariantHash formatOptions, ioOptions, subtitleOptions;
    AudioOutput* audio = nullptr;
    VideoCapture* capture = nullptr;
    AVClock* clock = nullptr;
    QTimer* positionTimer = nullptr;
    std::unique_ptr<PlayerSession> session;
    int generation = 0;
    State state = StoppedState;
    bool loading = false;
    bool open = false;             // the session reported its streams
    bool pausedWanted = false;
    SessionInfo info;
    int wantVideo = 0, wantAudio = 0, wantSubtitle = -1;
    qreal buffer = 0.0;
    QVector<VideoDecoderId> priority{SoftwareDecoderId};

    // Read by the decode threads. std::mutex, as below: the thread checker
    // sees it, while Debian's uninstrumented QMutex would look like no lock.
    mutable std::mutex outputsMutex;
    // What the session's threads hand to this thread, in order.
    std::mutex postedMutex;
    std::deque<std::function<void()>> posted;
    QList<VideoRenderer*> renderers;
    QList<QPair<int, VideoFilter*>> videoFilters;
    QList<QPair<int, AudioFilter*>> audioFilters;
};

AVPlayer::AVPlayer(QObject* parent)
    : QObject(parent), d(new Private)
{
    detail::ensureLogHook();
    // Once: each registration searches the type table under a lock, and a
    // player is made for every preview.
    static const bool registered = [] {
        qRegisterMetaType<TwAV::AVPlayer::State>("TwAV::AVPlayer::State");
        qRegisterMetaType<TwAV::VideoFrame>("TwAV::VideoFrame");
        qRegisterMetaType<TwAV::AudioFrame>("TwAV::AudioFrame");
        return true;
    }();
    Q_UNUSED(registered)
    d->audio = new AudioOutput(this);
    d->capture = new VideoCapture(this);
    d->clock = new AVClock(this);
    d->positionTimer = new QTimer(this);
    d->positionTimer->setInterval(200);
    connect(d->positionTimer, &QTimer::timeout, this, [this] {
        if (d->state == PlayingState)
            emit positionChanged(position());
    });
}

AVPlayer::~AVPlayer()
{
    teardown();
}

void AVPlayer::teardown()
{
    ++d->generation;
    d->positionTimer->stop();
    // The clock must stop asking the session before the session goes.
    d->clock->setAudioSource(nullptr);
    // Joins every thread; the interrupt callback cuts a blocked read short.
    d->session.reset();
    d->clock->setHeld(false);
    d->clock->pause(false);
    d->open = false;
}

void AVPlayer::runPosted()
{
    std::function<void()> fn;
    {
        std::lock_guard<std::mutex> lock(d->postedMutex);
        if (d->posted.empty())
            return;
        fn = std::move(d->posted.front());
        d->posted.pop_front();
    }
    fn();
}

void AVPlayer::setFile(const QString& path)
{
    d->file = path;
}

QString AVPlayer::file() const
{
    return d->file;
}

void AVPlayer::play(const QString& path, qint64 startMs)
{
    if (d->session)
        stop();
    d->file = path;
    d->pausedWanted = false;
    d->buffer = 0.0;
    d->info = SessionInfo();
    const int gen = ++d->generation;
    QPointer<AVPlayer> self(this);
    SessionHooks hooks;
    hooks.post = [this, gen](std::function<void()> fn) {
        // The work travels through a locked queue, the queued call only
        // wakes this thread for it.
        {
            std::lock_guard<std::mutex> lock(d->postedMutex);
            d->posted.push_back([this, gen, fn] {
                if (d->generation == gen)
                    fn();
            });
        }
        QMetaObject::invokeMethod(this, [this] { runPosted(); }, Qt::QueuedConnection);
    };
    hooks.renderers = [this] {
        std::lock_guard<std::mutex> lock(d->outputsMutex);
        return d->renderers;
    };
    hooks.videoFilters = [this] {
        std::lock_guard<std::mutex> lock(d->outputsMutex);
        QList<VideoFilter*> out;
        for (const auto& p : d->videoFilters)
            out << p.second;
        return out;
    };
    hooks.audioFilters = [this] {
        std::lock_guard<std::mutex> lock(d->outputsMutex);
        QList<AudioFilter*> out;
        for (const auto& p : d->audioFilters)
            out << p.second;
        return out;
    };
    hooks.opened = [this](const SessionInfo& info) {
        d->info = info;
        d->open = true;
        // A choice that came after the session had chosen applies now (an
        // out-of-range one keeps the session's).
        setVideoStream(d->wantVideo);
        setAudioStream(d->wantAudio);
        setSubtitleStream(d->wantSubtitle);
        emit durationChanged(info.duration);
        emit seekableChanged(info.seekable);
        emit internalAudioTracksChanged(info.audioTracks);
        emit internalSubtitleTracksChanged(info.subtitleTracks);
        emit loaded();
    };
    hooks.ready = [this] {
        d->loading = false;
        d->state = d->pausedWanted ? PausedState : PlayingState;
        if (d->pausedWanted) {
            d->session->setPaused(true);
            d->clock->pause(true);
        }
        d->positionTimer->start();
        emit stateChanged(d->state);
        emit started();
        emit positionChanged(position());
    };
    hooks.buffer = [this](double p) {
        d->buffer = p;
        emit bufferProgressChanged(p);
    };
    hooks.failed = [this](const AVError& e) {
        const bool wasLoading = d->loading;
        teardown();
        d->loading = false;
        if (!wasLoading && d->state != StoppedState) {
            d->state = StoppedState;
            emit error(e);
            emit stopped();
            emit stateChanged(StoppedState);
            return;
        }
        emit error(e);
    };
    hooks.finished = [this] { finishSession(true); };
    hooks.seekDone = [this](qint64 ms) {
        emit seekFinished(ms);
        emit positionChanged(position());
    };

    d->clock->reset(qMax<qint64>(0, startMs) / 1000.0);
    d->clock->pause(false);
    d->loading = true;
    d->session.reset(new PlayerSession(path, d->formatOptions, startMs, d->wantVideo, d->wantAudio,
                                       d->wantSubtitle, d->clock, d->audio, d->capture, hooks));
    PlayerSession* s = d->session.get();
    d->clock->setAudioSource([s] { return s->audioClockValue(); });
    s->start();
}

void AVPlayer::play()
{
    play(d->file, 0);
}

void AVPlayer::finishSession(bool emitStop)
{
    const bool active = d->loading || d->state != StoppedState;
    teardown();
    d->loading = false;
    d->state = StoppedState;
    if (emitStop && active) {
        emit stopped();
        emit stateChanged(StoppedState);
    }
}

void AVPlayer::stop()
{
    // Also ends an open still in progress, so a caller's loading look ends.
    finishSession(true);
}

void AVPlayer::pause(bool p)
{
    if (d->loading) {
        d->pausedWanted = p;
        return;
    }
    if (d->state == StoppedState || !d->session)
        return;
    const State next = p ? PausedState : PlayingState;
    if (next == d->state)
        return;
    d->session->setPaused(p);
    d->clock->pause(p);
    d->state = next;
    emit stateChanged(next);
}

void AVPlayer::togglePause()
{
    pause(d->state != PausedState);
}

AVPlayer::State AVPlayer::state() const
{
    return d->state;
}

void AVPlayer::setState(State state)
{
    switch (state) {
    case StoppedState: stop(); break;
    case PlayingState:
        if (d->state == StoppedState && !d->loading)
            play();
        else
            pause(false);
        break;
    case PausedState: pause(true); break;
    }
}

bool AVPlayer::isLoading() const
{
    return d->loading;
}

qint64 AVPlayer::position() const
{
    if (!d->session || !d->open)
        return 0;
    double sec = d->session->seeking() ? d->session->seekTarget() : d->clock->value();
    qint64 ms = qint64(sec * 1000.0 + 0.5);
    if (d->info.duration > 0)
        ms = qMin(ms, d->info.duration);
    return qMax<qint64>(0, ms);
}

qint64 AVPlayer::duration() const
{
    return d->info.duration;
}

bool AVPlayer::isSeekable() const
{
    return d->open && d->info.seekable;
}

void AVPlayer::setPosition(qint64 ms)
{
    if (!d->session || d->loading || d->state == StoppedState || !isSeekable())
        return;
    ms = qBound<qint64>(0, ms, d->info.duration);
    d->clock->reset(ms / 1000.0);
    d->session->seek(ms);
}

qreal AVPlayer::bufferProgress() const
{
    return d->buffer;
}

namespace {
bool validChoice(int n, int count) { return n >= 0 && n < count; }
} // namespace

bool AVPlayer::setVideoStream(int n)
{
    if (!d->open) {
        d->wantVideo = n;
        if (d->session)
            d->session->setWanted(0, n);
        return true;
    }
    if (!validChoice(n, d->info.videoStreams.size()))
        return false;
    d->wantVideo = n;
    if (n != d->info.video && d->session) {
        d->info.video = n;
        d->session->selectStream(0, n, position());
    }
    return true;
}

bool AVPlayer::setAudioStream(int n)
{
    if (!d->open) {
        d->wantAudio = n;
        if (d->session)
            d->session->setWanted(1, n);
        return true;
    }
    if (!validChoice(n, d->info.audioStreams.size()))
        return false;
    d->wantAudio = n;
    if (n != d->info.audio && d->session) {
        d->info.audio = n;
        d->session->selectStream(1, n, position());
    }
    return true;
}

bool AVPlayer::setSubtitleStream(int n)
{
    if (!d->open) {
        d->wantSubtitle = n;
        if (d->session)
            d->session->setWanted(2, n);
        return true;
    }
    if (n != -1 && !validChoice(n, d->info.subtitleStreams.size()))
        return false;
    d->wantSubtitle = n;
    if (n != d->info.subtitle && d->session) {
        d->info.subtitle = n;
        d->session->selectStream(2, n, position());
    }
    return true;
}

int AVPlayer::currentVideoStream() const { return d->open ? d->info.video : d->wantVideo; }
int AVPlayer::currentAudioStream() const { return d->open ? d->info.audio : d->wantAudio; }
int AVPlayer::currentSubtitleStream() const { return d->open ? d->info.subtitle : d->wantSubtitle; }
int AVPlayer::videoStreamCount() const { return d->info.videoStreams.size(); }
int AVPlayer::audioStreamCount() const { return d->info.audioStreams.size(); }
int AVPlayer::subtitleStreamCount() const { return d->info.subtitleStreams.size(); }
QVariantList AVPlayer::internalSubtitleTracks() const { return d->info.subtitleTracks; }

void AVPlayer::setOptionsForFormat(const QVariantHash& options) { d->formatOptions = options; }
QVariantHash AVPlayer::optionsForFormat() const { return d->formatOptions; }
// Codec options are for the demuxer too here: libavformat takes them as its
// own (a DVD title, ...); unknown keys are ignored by FFmpeg.
void AVPlayer::setOptionsForIOCodec(const QVariantHash& options)
{
    d->ioOptions = options;
    for (auto it = options.cbegin(); it != options.cend(); ++it)
        d->formatOptions.insert(it.key(), it.value());
}
QVariantHash AVPlayer::optionsForIOCodec() const { return d->ioOptions; }
void AVPlayer::setOptionsForAudioCodec(const QVariantHash& options) { Q_UNUSED(options) }
void AVPlayer::setOptionsForVideoCodec(const QVariantHash& options) { Q_UNUSED(options) }
void AVPlayer::setOptionsForSubtitleCodec(const QVariantHash& options) { d->subtitleOptions = options; }
QVariantHash AVPlayer::optionsForSubtitleCodec() const { return d->subtitleOptions; }

void AVPlayer::setVolume(qreal volume) { d->audio->setVolume(volume); }
qreal AVPlayer::volume() const { return d->audio->volume(); }
void AVPlayer::setMute(bool mute) { d->audio->setMute(mute); }
bool AVPlayer::isMute() const { return d->audio->isMute(); }
AudioOutput* AVPlayer::audio() const { return d->audio; }
VideoCapture* AVPlayer::videoCapture() const { return d->capture; }
AVClock* AVPlayer::masterClock() const { return d->clock; }

void AVPlayer::setRenderer(VideoRenderer* renderer)
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    d->renderers.clear();
    if (renderer)
        d->renderers << renderer;
}

VideoRenderer* AVPlayer::renderer() const
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    return d->renderers.value(0);
}

void AVPlayer::addVideoRenderer(VideoRenderer* renderer)
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    if (renderer && !d->renderers.contains(renderer))
        d->renderers << renderer;
}

void AVPlayer::removeVideoRenderer(VideoRenderer* renderer)
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    d->renderers.removeAll(renderer);
}

void AVPlayer::clearVideoRenderers()
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    d->renderers.clear();
}

QList<VideoRenderer*> AVPlayer::videoOutputs() const
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    return d->renderers;
}

namespace {
template <typename F>
bool insertByPriority(QList<QPair<int, F*>>& list, F* filter, int priority)
{
    if (!filter)
        return false;
    for (int i = 0; i < list.size(); ++i)
        if (list[i].second == filter)
            list.removeAt(i--);
    auto pos = std::upper_bound(list.begin(), list.end(), priority,
                                [](int p, const QPair<int, F*>& e) { return p < e.first; });
    list.insert(pos, qMakePair(priority, filter));
    return true;
}

template <typename F>
bool removeFilter(QList<QPair<int, F*>>& list, F* filter)
{
    for (int i = 0; i < list.size(); ++i)
        if (list[i].second == filter) {
            list.removeAt(i);
            return true;
        }
    return false;
}
} // namespace

bool AVPlayer::installFilter(VideoFilter* filter, int priority)
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    return insertByPriority(d->videoFilters, filter, priority);
}

bool AVPlayer::installFilter(AudioFilter* filter, int priority)
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    return insertByPriority(d->audioFilters, filter, priority);
}

bool AVPlayer::uninstallFilter(VideoFilter* filter)
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    return removeFilter(d->videoFilters, filter);
}

bool AVPlayer::uninstallFilter(AudioFilter* filter)
{
    std::lock_guard<std::mutex> lock(d->outputsMutex);
    return removeFilter(d->audioFilters, filter);
}

void AVPlayer::setPriority(const QVector<VideoDecoderId>& ids)
{
    d->priority.clear();
    for (VideoDecoderId id : ids)
        if (id == SoftwareDecoderId)
            d->priority << id;
    if (d->priority.isEmpty())
        d->priority << SoftwareDecoderId;
}

QVector<VideoDecoderId> AVPlayer::priority() const
{
    return d->priority;
}

void AVPlayer::setSpeed(double speed)
{
    d->clock->setSpeed(speed);
}

double AVPlayer::speed() const
{
    return d->clock->speed();
}

AVPlayer::Statistics AVPlayer::statistics() const
{
    Statistics s;
    s.url = d->file;
    s.duration = d->info.duration;
    s.video.available = d->info.video >= 0;
    s.video.codec = d->info.videoCodec;
    s.video.width = d->info.width;
    s.video.height = d->info.height;
    s.video.frameRate = d->info.frameRate;
    s.video_only = s.video;
    s.audio.available = d->info.audio >= 0;
    s.audio.codec = d->info.audioCodec;
    s.audio.sampleRate = d->info.sampleRate;
    s.audio.channels = d->info.channels;
    s.audio_only = s.audio;
    return s;
}

} // namespace TwAV
