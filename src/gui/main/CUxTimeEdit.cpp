#include "gui/main/CUxTimeEdit.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTime>
#include <QTimeEdit>

QString CUxTimeEdit::s_CurrentTimeText = QStringLiteral("Current Time");
QPointer<CUxTimeEdit> CUxTimeEdit::timeEditPopup;

CUxTimeEdit::CUxTimeEdit(int type, QWidget* parent)
    : QWidget(parent), timeEdit(new QTimeEdit(this)), iType(type)
{
    s_CurrentTimeText = tr("Current Time");
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    timeEdit->setObjectName(QStringLiteral("timeEdit"));
    timeEdit->setStyleSheet(QStringLiteral("border:3px;border-color:blue;border-radius:4px;"));
    timeEdit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    timeEdit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(timeEdit);
}

void CUxTimeEdit::setTime(const QString& text)
{
    qDebug() << "setTime" << text << s_CurrentTimeText;
    if (text == s_CurrentTimeText)
        timeEdit->setTime(QTime::currentTime());
    else
        timeEdit->setTime(QTime::fromString(text, QStringLiteral("HH:mm:ss")));
}

void CUxTimeEdit::keyReleaseEvent(QKeyEvent* event)
{
    // The field ignores the release of Return and keypad Enter, so it
    // reaches the popup here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        hide();
    QWidget::keyReleaseEvent(event);
}

void CUxTimeEdit::hideEvent(QHideEvent* event)
{
    emit hided(timeEdit->time().toString(QStringLiteral("HH:mm:ss")), iType);
    QWidget::hideEvent(event);
}
