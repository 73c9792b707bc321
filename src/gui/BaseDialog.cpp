#include "gui/BaseDialog.h"

#include "gui/BaseWidget.h"
#include "gui/UIBaseData/UIBaseData.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWindow>

BaseDialog::BaseDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    installEventFilter(this);
}

int BaseDialog::exec()
{
    if (QWidget* p = parentWidget()) {
        if (QWidget* w = p->window()) {
            move(w->pos() + QPoint((w->width() - width()) / 2, (w->height() - height()) / 2));
        }
    }
    return QDialog::exec();
}

void BaseDialog::rescaleWidgetTree(QWidget* root, double factor)
{
    BaseWidget::rescaleWidgetTree(root, factor);
}

void BaseDialog::setDragWidget(QWidget* w)
{
    if (m_dragWidget)
        m_dragWidget->removeEventFilter(this);
    m_dragWidget = w;
    m_manualDrag = false;
    if (w)
        w->installEventFilter(this);
}

bool BaseDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (m_dragWidget) {
        if (watched == m_dragWidget) {
            switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* me = static_cast<QMouseEvent*>(event);
                if (me->button() == Qt::LeftButton && me->pos().y() >= 0
                    && me->pos().y() < m_dragWidget->height()) {
                    // Let the window system move the window when it can; the
                    // manual move covers platforms that cannot.
                    QWindow* handle = window()->windowHandle();
                    m_manualDrag = !(handle && handle->startSystemMove());
                    if (m_manualDrag)
                        m_dragOffset = me->globalPos() - window()->pos();
                    return true;
                }
                break;
            }
            case QEvent::MouseMove:
                if (m_manualDrag) {
                    auto* me = static_cast<QMouseEvent*>(event);
                    if (me->buttons() & Qt::LeftButton)
                        window()->move(me->globalPos() - m_dragOffset);
                    else
                        m_manualDrag = false;
                    return true;
                }
                break;
            case QEvent::MouseButtonRelease:
                if (m_manualDrag && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    m_manualDrag = false;
                    return true;
                }
                break;
            default:
                break;
            }
        }
        if (watched == this
            && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void BaseDialog::paintEvent(QPaintEvent* event)
{
    if (m_shadowWidth > 0) {
        const int r = UIBaseData::scaled(m_shadowWidth);
        // The ring is rendered at the dialog's own size so that it is drawn
        // unstretched around the content.
        const QPixmap pixmap = m_shadowPainter.shadowPixmap(r, size(), QPointF(0, 0), Qt::black);
        QPainter painter(this);
        painter.drawPixmap(rect(), pixmap);
    }
    QDialog::paintEvent(event);
}

void BaseDialog::resizeEvent(QResizeEvent* event)
{
    const float s = UIBaseData::instance()->scale();
    if (!qFuzzyCompare(s, m_lastScale) || event->size() != m_lastSize) {
        m_lastScale = s;
        m_lastSize = event->size();
        rescaleWidgetTree(this, s);
    }
    QDialog::resizeEvent(event);
}

void BaseDialog::showEvent(QShowEvent* event)
{
    rescaleWidgetTree(this, UIBaseData::instance()->scale());
    QDialog::showEvent(event);
}

void BaseDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape must not reject the dialog; only its own buttons end it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BaseDialog::closeEvent(QCloseEvent* event)
{
    // Alt+F4 and the window system's close are ignored; the dialog closes
    // itself through its own buttons.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
