#include "AVClock.h"

namespace TwAV {

AVClock::AVClock(QObject* parent)
    : QObject(parent)
{
    m_timer.start();
}

void AVClock::setClockType(ClockType type)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const double now = m_audio && m_type == AudioClock ? m_audio() : -1.0;
    if (now >= 0.0)
        m_base = now;
    else
        rebaseLocked();
    m_timer.restart();
    m_type = type == VideoClock ? ExternalClock : type;
}

AVClock::ClockType AVClock::clockType() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_type;
}

bool AVClock::isActiveAudio() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_type == AudioClock && m_audio && m_audio() >= 0.0;
}

double AVClock::externalLocked() const
{
    if (m_paused || m_held)
        return m_base;
    return m_base + m_speed * double(m_timer.nsecsElapsed()) / 1e9;
}

void AVClock::rebaseLocked()
{
    m_base = externalLocked();
    m_timer.restart();
}

double AVClock::value() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_type == AudioClock && m_audio) {
        const double a = m_audio();
        if (a >= 0.0)
            return a;
    }
    return externalLocked();
}

void AVClock::reset(double seconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_base = seconds;
    m_timer.restart();
}

void AVClock::pause(bool paused)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (paused == m_paused)
        return;
    rebaseLocked();
    m_paused = paused;
}

bool AVClock::isPaused() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_paused;
}

void AVClock::setHeld(bool held)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (held == m_held)
        return;
    rebaseLocked();
    m_held = held;
}

void AVClock::setSpeed(double speed)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (speed <= 0.0)
        return;
    rebaseLocked();
    m_speed = speed;
}

double AVClock::speed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_speed;
}

void AVClock::setAudioSource(std::function<double()> source)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // Continue from where the sink left off, so the switch shows no jump.
    if (m_audio && !source) {
        const double a = m_audio();
        if (a >= 0.0) {
            m_base = a;
            m_timer.restart();
        }
    }
    m_audio = std::move(source);
}

} // namespace TwAV
