#pragma once

// Mouse drags for the overlay tests. QTest's own move carries no buttons in
// Qt 5, so the move is sent as an event with the button held.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

inline void dragWidget(QWidget* w, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(w, button, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, button, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, button, Qt::NoModifier, to);
}
