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
    for (QWidget* w : qAsConst(m_batch)) {
        if (w->isHidden())
            m_waiting.insert(w);
        else
            w->ensurePolished();
    }
    m_batch.clear();
}
