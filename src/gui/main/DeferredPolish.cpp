#include "gui/main/DeferredPolish.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

constexpr int kBatch = 64;

} // namespace

DeferredPolish::~DeferredPolish()
{
    flush();
    // Only where the rows ended up counts: appending moves the earlier ones
    // out of view.
    for (QWidget* row : qAsConst(m_rows)) {
        if (row->isHidden())
            m_waiting.insert(row);
        else
            row->ensurePolished();
    }
    if (!m_dropped)
        return;
    const QWidgetList all = QApplication::allWidgets();
    for (QWidget* w : all) {
        if (w->testAttribute(Qt::WA_WState_Polished))
            continue;
        bool waits = false;
        for (QWidget* p = w; p && !waits; p = p->parentWidget())
            waits = m_waiting.contains(p);
        if (!waits)
            QCoreApplication::postEvent(w, new QEvent(QEvent::PolishRequest));
    }
}

void DeferredPolish::add(QWidget* row)
{
    m_batch.append(row);
    if (m_batch.size() == kBatch)
        flush();
}

void DeferredPolish::flush()
{
    if (m_batch.isEmpty())
        return;
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    m_dropped = true;
    m_rows += m_batch;
    m_batch.clear();
}
