#pragma once

#include <QObject>
#include <QPointer>

class QAbstractSlider;

// Inertial wheel scrolling for a scroll area: each notch adds speed, a
// coarse 16 ms timer moves the slider by a step that shrinks as the speed
// decays, and a reversed notch or a mouse press stops the motion.
class VerticalSmoothMove : public QObject
{
    Q_OBJECT
public:
    VerticalSmoothMove(QObject* view, QAbstractSlider* slider);

    int speed() const { return m_speed; }
    bool isMoving() const { return m_timerId != -1; }
    int interval() const { return m_interval; }
    int timerId() const { return m_timerId; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void stop();

    QPointer<QAbstractSlider> m_slider;
    QObject* m_view = nullptr;
    int m_timerId = -1;
    int m_interval = 16;
    int m_speed = 0;
    // Wheel travel (in 1/120 of a notch, times 8) not yet turned into speed:
    // touchpads send many small deltas that alone round to nothing.
    int m_remainder = 0;
};
