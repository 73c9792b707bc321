#pragma once

// The master clock of a player, in seconds of media time. With sound it
// follows the sink (the media time the sink has consumed); without sound, or
// when asked, it runs on a monotonic timer. Thread-safe: the decode threads
// read it while the player's thread seeks and pauses it.

#include <QObject>
#include <mutex>
#include <QElapsedTimer>
#include <functional>

namespace TwAV {

class AVClock : public QObject
{
    Q_OBJECT
public:
    enum ClockType { AudioClock, ExternalClock, VideoClock };
    Q_ENUM(ClockType)

    explicit AVClock(QObject* parent = nullptr);

    void setClockType(ClockType type);
    ClockType clockType() const;
    // The type in force: audio only while a sink drives the clock.
    bool isActiveAudio() const;

    double value() const;
    // Restarts the clock at `seconds` (after an open or a seek).
    void reset(double seconds);
    void pause(bool paused);
    bool isPaused() const;
    // Held while the read-ahead buffer refills; no time passes meanwhile.
    void setHeld(bool held);
    void setSpeed(double speed);
    double speed() const;

    // Set by the player: the audio time the sink has consumed, or a
    // negative value while no sink runs.
    void setAudioSource(std::function<double()> source);

private:
    double externalLocked() const;
    void rebaseLocked();

    mutable std::mutex m_mutex;   // std::mutex: the thread checker sees it, an uninstrumented QMutex it does not
    ClockType m_type = AudioClock;
    std::function<double()> m_audio;
    QElapsedTimer m_timer;
    double m_base = 0.0;
    bool m_paused = false;
    bool m_held = false;
    double m_speed = 1.0;
};

} // namespace TwAV
