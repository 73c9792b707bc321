#include "gui/common/MediaListWidget/QUxDrag.h"

#include "gui/common/MediaListWidget/QUxItemBase.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"

#include <QCursor>
#include <QLabel>
#include <QPainter>

QUxDrag::QUxDrag(QUxListWidget* list, QWidget* parent)
    : QDialog(parent)
    , m_label(new QLabel(this))
    , m_list(list)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    // The picture must not take the focus from the list: keys (Escape) and
    // the wheel keep working on the list during a drag.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    m_label->move(0, 0);
    hide();
}

void QUxDrag::setPicture(const QPixmap& pixmap)
{
    m_label->resize(pixmap.size());
    m_label->setPixmap(pixmap);
    m_label->move(0, 0);
    resize(m_label->size());
}

void QUxDrag::setOpacity(float opacity)
{
    const QPixmap source = m_label->pixmap(Qt::ReturnByValue);
    if (source.isNull())
        return;
    QPixmap result(source.size());
    result.setDevicePixelRatio(source.devicePixelRatio());
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawPixmap(0, 0, source);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.fillRect(result.rect(), QColor(0, 0, 0, int(opacity * 255)));
    }
    m_label->setPixmap(result);
}

void QUxDrag::showAt(const QPoint& global)
{
    move(global);
    show();
    m_lastCursor = QCursor::pos();
}

void QUxDrag::keyPressEvent(QKeyEvent* event)
{
    m_list->keyPressEvent(event);
}

void QUxDrag::wheelEvent(QWheelEvent* event)
{
    m_list->wheelEvent(event);
}
