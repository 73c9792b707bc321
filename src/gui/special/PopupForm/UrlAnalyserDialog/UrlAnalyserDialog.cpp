#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "ui_UrlAnalyserDialog.h"

#include <QResizeEvent>
#include <QShowEvent>
#include <cmath>

namespace {

void rescaleOne(QWidget* w, float f)
{
    const QSize bs = w->baseSize();
    if (bs.width() != 0 || bs.height() != 0) {
        const QSize s(bs.width() != 0 ? UIBaseData::scaled(float(bs.width())) : w->width(),
                      bs.height() != 0 ? UIBaseData::scaled(float(bs.height())) : w->height());
        if (bs.width() != 0)
            w->setMinimumWidth(s.width());
        if (bs.height() != 0)
            w->setMinimumHeight(s.height());
        w->resize(s);
    }
    // The design position wins over whatever geometry the form gave.
    const QVariant pos = w->property("basePos");
    if (pos.isValid())
        w->move(UIBaseData::scaledPoint(pos.toPoint()));
    const QVariant fontSize = w->property("baseFontSize");
    if (fontSize.isValid()) {
        QFont font = w->font();
        font.setPixelSize(qMax(1, int(std::trunc(float(fontSize.toInt()) * f))));
        const QVariant weight = w->property("baseFontWeight");
        if (weight.isValid())
            font.setWeight(weight.toInt());
        w->setFont(font);
    }
    const QVariant iconSize = w->property("baseIconSize");
    if (iconSize.isValid())
        w->setProperty("iconSize", UIBaseData::scaledSize(iconSize.toSize()));
}

void rescaleTree(QObject* o, float f)
{
    const QObjectList children = o->children();
    for (QObject* child : children) {
        if (child->isWidgetType()) {
            auto* w = static_cast<QWidget*>(child);
            // Windows of their own (drop-downs, tooltips) size themselves.
            if (w->isWindow())
                continue;
            rescaleOne(w, f);
        }
        rescaleTree(child, f);
    }
}

} // namespace

UrlAnalyserDialog::UrlAnalyserDialog(QWidget* parent) : BaseDialog(parent), ui(new Ui::UrlAnalyserDialog)
{
    ui->setupUi(this);
    setShadowWidth(10);
    setDragWidget(ui->top);
    rescaleForm();
}

UrlAnalyserDialog::~UrlAnalyserDialog()
{
    delete ui;
}

void UrlAnalyserDialog::rescaleForm()
{
    if (m_rescaling)
        return;
    m_rescaling = true;
    const float f = UIBaseData::instance()->scale();
    setFixedSize(UIBaseData::scaledSize(baseSize()));
    rescaleTree(this, f);
    m_rescaling = false;
}

void UrlAnalyserDialog::resizeEvent(QResizeEvent* event)
{
    BaseDialog::resizeEvent(event);
    rescaleForm();
}

void UrlAnalyserDialog::showEvent(QShowEvent* event)
{
    BaseDialog::showEvent(event);
    rescaleForm();
}
