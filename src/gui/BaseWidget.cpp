#include "gui/BaseWidget.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/UIBaseData/WidgetRescale.h"

#include <QCloseEvent>
#include <QResizeEvent>

namespace {

void rescaleChildren(QObject* root, double f)
{
    // A copy: resizing a child runs its handlers, which may add objects to
    // root (an animation, a layout) while the walk is under way.
    const QObjectList children = root->children();
    for (QObject* child : children) {
        if (child->isWidgetType())
            WidgetRescale::applyDesignProperties(static_cast<QWidget*>(child), f, true);
        rescaleChildren(child, f);
    }
}

} // namespace

BaseWidget::BaseWidget(QWidget* parent)
    : QWidget(parent)
{
}

void BaseWidget::rescaleWidgetTree(QWidget* root, double factor)
{
    if (root)
        rescaleChildren(root, factor);
}

bool BaseWidget::needsRescale(float s, const QSize& newSize, float& lastScale, QSize& lastSize)
{
    if (qFuzzyCompare(s, lastScale) && newSize == lastSize)
        return false;
    lastScale = s;
    lastSize = newSize;
    return true;
}

void BaseWidget::resizeEvent(QResizeEvent* event)
{
    const float s = UIBaseData::instance()->scale();
    if (needsRescale(s, event->size(), m_lastScale, m_lastSize))
        rescaleWidgetTree(this, s);
    QWidget::resizeEvent(event);
}

void BaseWidget::closeEvent(QCloseEvent* event)
{
    // A close from the window system (Alt+F4, the title bar) is ignored; the
    // program closes its own windows.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
