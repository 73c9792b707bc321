#include "gui/BaseWidget.h"

#include "gui/UIBaseData/UIBaseData.h"

#include <QCloseEvent>
#include <QFont>
#include <QResizeEvent>
#include <QVariant>

#include <cmath>

namespace {

void rescaleOne(QWidget* w, double f)
{
    const QSize bs = w->baseSize();
    if (bs.width() != 0)
        w->setMinimumWidth(int(bs.width() * f));
    if (bs.height() != 0)
        w->setMinimumHeight(int(bs.height() * f));
    w->resize(bs.width() != 0 ? int(bs.width() * f) : w->width(),
              bs.height() != 0 ? int(bs.height() * f) : w->height());

    const QVariant pos = w->property("basePos");
    if (pos.isValid()) {
        const QPoint p = pos.toPoint();
        w->move(int(std::floor(p.x() * f + 0.5)), int(std::floor(p.y() * f + 0.5)));
    }
    const QVariant fontSize = w->property("baseFontSize");
    if (fontSize.isValid()) {
        QFont font = w->font();
        font.setPixelSize(qMax(1, int(fontSize.toInt() * f)));
        const QVariant weight = w->property("baseFontWeight");
        if (weight.isValid())
            font.setWeight(weight.toInt());
        w->setFont(font);
    }
    const QVariant iconSize = w->property("baseIconSize");
    if (iconSize.isValid()) {
        const QSize s = iconSize.toSize();
        w->setProperty("iconSize", QSize(int(std::floor(s.width() * f + 0.5)),
                                         int(std::floor(s.height() * f + 0.5))));
    }
}

void rescaleChildren(QObject* root, double f)
{
    // A copy: resizing a child runs its handlers, which may add objects to
    // root (an animation, a layout) while the walk is under way.
    const QObjectList children = root->children();
    for (QObject* child : children) {
        if (child->isWidgetType())
            rescaleOne(static_cast<QWidget*>(child), f);
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
