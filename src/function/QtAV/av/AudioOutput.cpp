#include "AudioOutput.h"

#include <QMetaMethod>

#include <QAbstractEventDispatcher>
#include <QAudioDeviceInfo>
#include <QAudioOutput>
#include <QDebug>
#include <QElapsedTimer>
#include <QThread>
#include <cstring>
#include <mutex>
#include <thread>

namespace TwAV {

namespace {
std::atomic<int> g_defaultBackend{-1};
constexpr int kBytesPerFrame = 4;      // S16 stereo
constexpr double kNullAhead = 0.1;     // seconds the null sink lets a writer run ahead

void pumpEvents()
{
    if (auto* ed = QThread::currentThread()->eventDispatcher())
        ed->processEvents(QEventLoop::AllEvents);
}
} // namespace

// The sink state; touched by the audio thread, read (clock) by any thread
// under the output's mutex.
struct AudioOutput::Sink
{
    int rate = 0;
    bool null = true;
    QAudioOutput* device = nullptr;
    QIODevice* io = nullptr;
    double endPts = 0.0;     // media time at the end of what was written
    bool paused = false;
    // Null sink: frames written and the monotonic time their consumption
    // started (shifted on underruns and pauses).
    QElapsedTimer timer;
    qint64 written = 0;
    double startSec = 0.0;
    double pausedAt = 0.0;

    double nowSec() const { return double(timer.nsecsElapsed()) / 1e9; }
    double nullConsumedSec(double now) const
    {
        const double total = double(written) / rate;
        const double elapsed = (paused ? pausedAt : now) - startSec;
        return qBound(0.0, elapsed, total);
    }
    double buffered() const
    {
        if (rate <= 0)
            return 0.0;
        if (null)
            return double(written) / rate - nullConsumedSec(nowSec());
        if (!device)
            return 0.0;
        const int queued = device->bufferSize() - device->bytesFree();
        return double(qMax(0, queued)) / (rate * kBytesPerFrame);
    }
};

void AudioOutput::setDefaultBackend(Backend backend)
{
    g_defaultBackend = backend;
}

AudioOutput::Backend AudioOutput::defaultBackend()
{
    const int b = g_defaultBackend.load();
    if (b >= 0)
        return Backend(b);
    return qgetenv("TW_AUDIO_SINK") == "null" ? NullBackend : DeviceBackend;
}

AudioOutput::AudioOutput(QObject* parent)
    : QObject(parent), m_backend(defaultBackend())
{
    m_null = m_backend == NullBackend;
    static const bool registered = qRegisterMetaType<TwAV::AudioFrame>("TwAV::AudioFrame") > 0;
    Q_UNUSED(registered)
}

AudioOutput::~AudioOutput() = default;

void AudioOutput::setBackend(Backend backend)
{
    QMutexLocker lock(&m_mutex);
    m_backend = backend;
}

AudioOutput::Backend AudioOutput::backend() const
{
    QMutexLocker lock(&m_mutex);
    return m_backend;
}

bool AudioOutput::isNullSink() const
{
    return m_null;
}

void AudioOutput::setVolume(qreal volume)
{
    // Callers pass whole numbers too; nothing may amplify past full scale.
    const qreal v = qBound<qreal>(0.0, volume, 1.0);
    {
        QMutexLocker lock(&m_mutex);
        if (qFuzzyCompare(v + 1, m_volume + 1))
            return;
        m_volume = v;
    }
    emit volumeChanged(v);
}

qreal AudioOutput::volume() const
{
    QMutexLocker lock(&m_mutex);
    return m_volume;
}

void AudioOutput::setMute(bool mute)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_mute == mute)
            return;
        m_mute = mute;
    }
    emit muteChanged(mute);
}

bool AudioOutput::isMute() const
{
    QMutexLocker lock(&m_mutex);
    return m_mute;
}

void AudioOutput::setRecording(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_recording = on;
    m_recorded.clear();
}

QByteArray AudioOutput::recorded() const
{
    QMutexLocker lock(&m_mutex);
    return m_recorded;
}

int AudioOutput::recordedSampleRate() const
{
    QMutexLocker lock(&m_mutex);
    return m_recordedRate;
}

bool AudioOutput::sinkOpen(int sampleRate)
{
    sinkClose();
    auto sink = std::make_unique<Sink>();
    sink->rate = sampleRate;
    sink->timer.start();
    if (backend() == DeviceBackend) {
        const QAudioDeviceInfo info = QAudioDeviceInfo::defaultOutputDevice();
        QAudioFormat fmt;
        fmt.setSampleRate(sampleRate);
        fmt.setChannelCount(2);
        fmt.setSampleSize(16);
        fmt.setSampleType(QAudioFormat::SignedInt);
        fmt.setByteOrder(QAudioFormat::LittleEndian);
        fmt.setCodec(QStringLiteral("audio/pcm"));
        if (!info.isNull() && info.isFormatSupported(fmt)) {
            sink->device = new QAudioOutput(info, fmt);
            sink->device->setBufferSize(sampleRate * kBytesPerFrame / 5);   // 200 ms
            sink->io = sink->device->start();
            if (!sink->io || sink->device->error() != QAudio::NoError) {
                delete sink->device;
                sink->device = nullptr;
                sink->io = nullptr;
            }
        }
        if (sink->device) {
            sink->null = false;
        } else {
            static std::once_flag once;
            std::call_once(once, [] { qWarning() << "no sound device: playing into a silent null sink"; });
        }
    }
    QMutexLocker lock(&m_mutex);
    m_null = sink->null;
    if (m_recording)
        m_recordedRate = sampleRate;
    m_sink = std::move(sink);
    return true;
}

int AudioOutput::sinkSampleRate() const
{
    QMutexLocker lock(&m_mutex);
    return m_sink ? m_sink->rate : 0;
}

bool AudioOutput::sinkWrite(const QByteArray& blockIn, double endPts, const std::atomic_bool& abort)
{
    QByteArray block = blockIn;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_sink)
            return false;
        if (m_mute) {
            block.fill(0);
        } else if (m_volume < 1.0) {
            auto* s = reinterpret_cast<qint16*>(block.data());
            const int n = block.size() / 2;
            for (int i = 0; i < n; ++i)
                s[i] = qint16(s[i] * m_volume);
        }
    }
    int offset = 0;
    while (offset < block.size()) {
        if (abort)
            return false;
        QMutexLocker lock(&m_mutex);
        Sink* s = m_sink.get();
        if (s->null) {
            const double now = s->nowSec();
            if (!s->paused && s->buffered() <= kNullAhead) {
                // An underrun lets the wall clock run past what was written;
                // consumption restarts from now rather than skipping ahead.
                if (now - s->startSec > double(s->written) / s->rate)
                    s->startSec = now - double(s->written) / s->rate;
                const int frames = (block.size() - offset) / kBytesPerFrame;
                s->written += frames;
                if (m_recording)
                    m_recorded.append(block.constData() + offset, block.size() - offset);
                offset = block.size();
                s->endPts = endPts;
                break;
            }
            // Sleep until there is room again, but wake often enough to see
            // an abort, a pause or a flush.
            const double wait = s->paused ? 0.005 : s->buffered() - kNullAhead;
            lock.unlock();
            std::this_thread::sleep_for(std::chrono::microseconds(qBound<qint64>(1000, qint64(wait * 1e6), 20000)));
            continue;
        }
        const int room = s->paused ? 0 : s->device->bytesFree();
        if (room >= kBytesPerFrame) {
            const int n = qMin(room, block.size() - offset) / kBytesPerFrame * kBytesPerFrame;
            const qint64 w = s->io->write(block.constData() + offset, n);
            if (w > 0)
                offset += int(w);
            if (offset >= block.size())
                s->endPts = endPts;
            else
                s->endPts = endPts - double(block.size() - offset) / (s->rate * kBytesPerFrame);
            continue;
        }
        lock.unlock();
        pumpEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

double AudioOutput::sinkClock() const
{
    QMutexLocker lock(&m_mutex);
    if (!m_sink)
        return -1.0;
    return m_sink->endPts - m_sink->buffered();
}

double AudioOutput::sinkBuffered() const
{
    QMutexLocker lock(&m_mutex);
    return m_sink ? m_sink->buffered() : 0.0;
}

void AudioOutput::sinkFlush(double pts)
{
    QMutexLocker lock(&m_mutex);
    Sink* s = m_sink.get();
    if (!s)
        return;
    if (s->device) {
        s->device->reset();
        s->io = s->device->start();
        if (s->paused)
            s->device->suspend();
    }
    s->written = 0;
    s->startSec = s->nowSec();
    s->pausedAt = s->startSec;
    s->endPts = pts;
}

void AudioOutput::sinkPause(bool paused)
{
    QMutexLocker lock(&m_mutex);
    Sink* s = m_sink.get();
    if (!s || s->paused == paused)
        return;
    const double now = s->nowSec();
    if (paused) {
        s->pausedAt = now;
    } else {
        s->startSec += now - s->pausedAt;
    }
    s->paused = paused;
    if (s->device) {
        if (paused)
            s->device->suspend();
        else
            s->device->resume();
    }
}

void AudioOutput::sinkClose()
{
    std::unique_ptr<Sink> old;
    {
        QMutexLocker lock(&m_mutex);
        old = std::move(m_sink);
    }
    if (old && old->device) {
        old->device->stop();
        delete old->device;
    }
}

void AudioOutput::deliver(const AudioFrame& frame)
{
    // Nobody listening (a picture's preview): no wake-up of this thread for
    // each block.
    static const QMetaMethod signal = QMetaMethod::fromSignal(&AudioOutput::deliverAudioFrame);
    if (!isSignalConnected(signal))
        return;
    QMetaObject::invokeMethod(this, [this, frame] { emit deliverAudioFrame(frame); }, Qt::QueuedConnection);
}

} // namespace TwAV
