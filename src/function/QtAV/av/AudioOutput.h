#pragma once

// Sound output of a player: signed 16-bit interleaved stereo into the
// system's device through Qt Multimedia, or, without a device (or when
// forced), into a null sink that consumes samples in real time on a monotonic
// clock. Volume is a factor 0..1 (1 leaves samples unchanged).
//
// Threads: the AudioOutput lives on the player's thread; the sink calls
// (`sink*`) are made by the player's audio thread only. deliverAudioFrame is
// emitted on the AudioOutput's own thread with each 1024-sample block before
// volume and mute apply.

#include "Frame.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <atomic>
#include <memory>

namespace TwAV {

class AudioOutput : public QObject
{
    Q_OBJECT
public:
    enum Backend { DeviceBackend, NullBackend };
    // Process-wide default for new outputs; TW_AUDIO_SINK=null also forces
    // the null sink.
    static void setDefaultBackend(Backend backend);
    static Backend defaultBackend();

    explicit AudioOutput(QObject* parent = nullptr);
    ~AudioOutput() override;

    void setBackend(Backend backend);   // applies at the next open
    Backend backend() const;
    // True after an open that ended on the null sink.
    bool isNullSink() const;

    void setVolume(qreal volume);
    qreal volume() const;
    void setMute(bool mute);
    bool isMute() const;

    // What the null sink consumed since recording was switched on (tests,
    // hand checks): interleaved S16 stereo at recordedSampleRate().
    void setRecording(bool on);
    QByteArray recorded() const;
    int recordedSampleRate() const;

    // --- Audio thread of the player ---
    bool sinkOpen(int sampleRate);
    int sinkSampleRate() const;
    // Blocks while the sink is full; false when `abort` was raised.
    bool sinkWrite(const QByteArray& block, double endPts, const std::atomic_bool& abort);
    // Media time the sink has consumed; negative before any open.
    double sinkClock() const;
    double sinkBuffered() const;
    void sinkFlush(double pts);
    void sinkPause(bool paused);
    void sinkClose();
    // Emits deliverAudioFrame on this object's thread.
    void deliver(const AudioFrame& frame);

signals:
    void volumeChanged(qreal volume);
    void muteChanged(bool mute);
    void deliverAudioFrame(const TwAV::AudioFrame& frame);

private:
    struct Sink;
    mutable QMutex m_mutex;
    Backend m_backend;
    qreal m_volume = 1.0;
    bool m_mute = false;
    bool m_recording = false;
    QByteArray m_recorded;
    int m_recordedRate = 0;
    std::unique_ptr<Sink> m_sink;
    std::atomic_bool m_null{false};
};

} // namespace TwAV
