#include "gui/common/VerticalSmoothMove.h"

#include <QAbstractSlider>
#include <QEvent>
#include <QTimerEvent>
#include <QWheelEvent>

namespace {
constexpr int kMaxSpeed = 64;
}

VerticalSmoothMove::VerticalSmoothMove(QObject* view, QAbstractSlider* slider)
    : QObject(view)
    , m_slider(slider)
    , m_view(view)
{
    if (view)
        view->installEventFilter(this);
    if (slider)
        slider->installEventFilter(this);
}

void VerticalSmoothMove::stop()
{
    m_speed = 0;
    if (m_timerId != -1) {
        killTimer(m_timerId);
        m_timerId = -1;
    }
}

bool VerticalSmoothMove::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view && watched != m_slider)
        return QObject::eventFilter(watched, event);

    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int dy = wheel->angleDelta().y();
        if (dy == 0)
            return QObject::eventFilter(watched, event);  // horizontal wheel
        const int travel = -8 * dy;
        // Any movement against the motion stops it, however small.
        if ((m_speed > 0 && travel < 0) || (m_speed < 0 && travel > 0)) {
            stop();
            m_remainder = 0;
            return true;
        }
        // A change of direction drops what was left of the other way.
        if ((travel > 0 && m_remainder < 0) || (travel < 0 && m_remainder > 0))
            m_remainder = 0;
        const int total = m_remainder + travel;
        const int d = total / 120;
        m_remainder = total - d * 120;
        if (d != 0) {
            m_speed = qBound(-kMaxSpeed, m_speed + d, kMaxSpeed);
            if (m_timerId == -1)
                m_timerId = startTimer(m_interval, Qt::CoarseTimer);
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        stop();
        m_remainder = 0;
    }
    return QObject::eventFilter(watched, event);
}

void VerticalSmoothMove::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId) {
        QObject::timerEvent(event);
        return;
    }
    if (!m_slider) {
        stop();
        return;
    }
    const int v = m_speed;
    int step = 0;
    if (v >= 1) {
        m_speed = v - 1;
        step = ((v - 2) / 8) * 2 + 1;
        if (m_slider->value() == m_slider->maximum())
            m_speed = 0;
    } else if (v < 0) {
        m_speed = v + 1;
        step = ((v + 2) / 8) * 2 - 1;
        // The start is 0 even when the range reaches below it (room for an
        // overscroll bounce): the motion ends there and never carries past.
        const int value = m_slider->value();
        if (value <= 0) {
            m_speed = 0;
            step = 0;
        } else if (value + step < 0) {
            step = -value;
        }
    }
    if (m_speed == 0 && m_timerId != -1) {
        killTimer(m_timerId);
        m_timerId = -1;
    }
    m_slider->setValue(m_slider->value() + step);
}
