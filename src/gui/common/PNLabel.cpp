#include "gui/common/PNLabel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

PNLabel::PNLabel(QWidget* parent)
    : QLabel(parent)
{
    setupUi();
    QLabel::setText(m_productName);
}

void PNLabel::setupUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("PNLabel"));
    resize(736, 686);
    setStyleSheet(QString());
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setObjectName(QStringLiteral("horizontalLayout_2"));
    layout->setContentsMargins(0, 0, 0, 0);
    setWindowTitle(tr("Form"));
}

void PNLabel::setText(const QString& text)
{
    QLabel::setText(text);
    repaint();
}

void PNLabel::paintEvent(QPaintEvent* event)
{
    QStyleOption opt;
    opt.initFrom(this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_Widget, &opt, &p, this);
    p.end();
    QLabel::paintEvent(event);
}
