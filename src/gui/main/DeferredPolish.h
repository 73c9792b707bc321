#pragma once

#include <QList>
#include <QSet>

class QWidget;

// Polishing a row under the application's style sheet matches and keeps
// the style rules of each of its widgets: most of a row's memory and time.
// Rows out of view are hidden, and Qt polishes a hidden widget when it is
// shown, so this leaves them unpolished until they scroll into view; rows
// in view at the end are polished then. Every new widget also posts a polish
// request, and a layout request is compressed by scanning the whole queue
// of posted events; the requests are therefore dropped every few rows, and
// those of widgets outside the waiting rows are posted again at the end.
class DeferredPolish
{
public:
    DeferredPolish() = default;
    DeferredPolish(const DeferredPolish&) = delete;
    DeferredPolish& operator=(const DeferredPolish&) = delete;
    ~DeferredPolish();

    // A row of the list; by the end it is in the list, shown or hidden as
    // its place asks.
    void add(QWidget* row);

private:
    void flush();

    QList<QWidget*> m_batch;
    QList<QWidget*> m_rows;
    QSet<QWidget*> m_waiting;
    bool m_dropped = false;
};
