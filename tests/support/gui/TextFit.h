#pragma once

// Finds texts a window does not show whole: a visible label or button whose
// text is wider (or taller) than the rectangle it is drawn in, a text that
// its parents or its window cut off, and two texts drawn over each other.
// Usable for any top-level widget, in any language and at any scale.

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

namespace TextFit {

struct Finding
{
    QPointer<QWidget> widget;
    QString text;
    // What is wrong, with the sizes involved.
    QString problem;
};

// The visible text widgets under top (top included) whose text is cut.
QList<Finding> clippedTexts(QWidget* top);
// The visible widgets under top that reach partly outside top's own
// rectangle, where nothing of them is painted (scrolled contents and
// widgets parked wholly outside their parents are left alone).
QList<Finding> outsideWindow(QWidget* top);
// One line per finding: object path, text, problem.
QString describe(const QList<Finding>& findings);

}
