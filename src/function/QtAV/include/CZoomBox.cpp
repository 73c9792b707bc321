#include "CZoomBox.h"

#include <QDebug>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

bool movesLeft(int i) { return i == 0 || i == 6 || i == 7; }
bool movesRight(int i) { return i == 2 || i == 3 || i == 4; }
bool movesTop(int i) { return i == 0 || i == 1 || i == 2; }
bool movesBottom(int i) { return i == 4 || i == 5 || i == 6; }
bool isCorner(int i) { return i == 0 || i == 2 || i == 4 || i == 6; }
bool isSide(int i) { return i == 1 || i == 3 || i == 5 || i == 7; }

Qt::CursorShape cursorFor(int i)
{
    switch (i) {
    case 0: case 4: return Qt::SizeFDiagCursor;
    case 2: case 6: return Qt::SizeBDiagCursor;
    case 1: case 5: return Qt::SizeVerCursor;
    default: return Qt::SizeHorCursor;
    }
}

} // namespace

CZoomHandle::CZoomHandle(QWidget* owner, int index)
    : QWidget(owner), m_index(index)
{
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(false);
    setAutoFillBackground(true);
    applyCursor();
}

void CZoomHandle::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void CZoomHandle::applyCursor()
{
    setCursor(cursorFor(m_index));
}

void CZoomHandle::setZoomByRatio(bool keep, double ratio)
{
    m_keepRatio = keep;
    qDebug() << "setZoomByRatio-->" << keep;
    if (!keep)
        return;
    if (ratio > 0)
        m_ratio = ratio;
    else if (m_target && m_target->height() > 0)
        m_ratio = double(m_target->width()) / m_target->height();
    else
        m_ratio = 1.0; // a target without height has no shape to keep
}

void CZoomHandle::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_target || !m_target->parentWidget())
        return;
    QWidget* parent = m_target->parentWidget();
    m_pressPoint = parent->mapFromGlobal(event->globalPos());
    m_pressTargetPos = m_target->pos();
    m_pressParentSize = parent->size();
    m_pressGeometry = m_target->geometry();
}

void CZoomHandle::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
}

void CZoomHandle::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_target || !m_target->parentWidget() || !(event->buttons() & Qt::LeftButton) || m_pressGeometry.isNull())
        return;
    applyCursor();
    QWidget* parent = m_target->parentWidget();
    const QPoint m = parent->mapFromGlobal(event->globalPos());
    const int hw = width(), hh = height();
    const int i = m_index;
    if ((movesLeft(i) && m.x() > parent->width() - 2 * hw) || (movesRight(i) && m.x() < 2 * hw)
        || (movesTop(i) && m.y() > parent->height() - 2 * hh) || (movesBottom(i) && m.y() < 2 * hh))
        return;

    const int x0 = m_pressGeometry.x(), y0 = m_pressGeometry.y();
    const int w0 = m_pressGeometry.width(), h0 = m_pressGeometry.height();
    const int pw = m_pressParentSize.width(), ph = m_pressParentSize.height();
    const int dx = m.x() - m_pressPoint.x(), dy = m.y() - m_pressPoint.y();

    int W = m_target->width(), H = m_target->height();
    int capW = 0, capH = 0;
    if (movesLeft(i)) { capW = w0 + x0; W = qMin(w0 - dx, capW); }
    if (movesRight(i)) { capW = pw - x0; W = qMin(w0 + dx, capW); }
    if (movesTop(i)) { capH = h0 + y0; H = qMin(h0 - dy, capH); }
    if (movesBottom(i)) { capH = ph - y0; H = qMin(h0 + dy, capH); }
    if (m_keepRatio && isCorner(i) && m_ratio > 0) {
        H = int(W / m_ratio);
        if (H > capH) {
            H = capH;
            W = int(H * m_ratio);
        }
    }

    const int minW = qMax(m_target->minimumWidth(), 3 * hw + 2);
    const int minH = qMax(m_target->minimumHeight(), 3 * hh + 2);
    const int outW = qMax(W, minW), outH = qMax(H, minH);
    int x = m_target->x(), y = m_target->y();
    // The edge opposite the dragged one stays where it was at the press,
    // also when the minimum size stops the drag.
    if (movesLeft(i))
        x = x0 + w0 - outW;
    if (movesTop(i))
        y = y0 + h0 - outH;
    emit sizeChanged(x, y, outW, outH);
}

void CZoomHandle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(m_color);
    p.setBrush(m_color);
    p.drawRect(0, 0, width() - 1, height() - 1);
}

CZoomDash::CZoomDash(QWidget* owner)
    : QWidget(owner)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    pen.setColor(Qt::white);
    pen.setDashPattern({4, 2, 4, 2});
}

void CZoomDash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(pen);
    p.drawRect(0, 0, width() - 1, height() - 1);
}

CZoomBox::CZoomBox(QWidget* owner)
    : QObject(nullptr), m_owner(owner)
{
}

CZoomBox::~CZoomBox()
{
    if (m_target)
        watchChain(m_target, false);
}

CZoomHandle* CZoomBox::handle(int index) const
{
    return index >= 0 && index < HandleCount ? m_handles[index].data() : nullptr;
}

void CZoomBox::watchChain(QWidget* target, bool watch)
{
    for (QWidget* w = target; w && w != m_owner; w = w->parentWidget()) {
        if (watch)
            w->installEventFilter(this);
        else
            w->removeEventFilter(this);
    }
}

void CZoomBox::removeHandles()
{
    for (auto& h : m_handles) {
        delete h.data();
        h = nullptr;
    }
    delete m_dash.data();
}

void CZoomBox::setZoomWidget(QWidget* target)
{
    if (m_target)
        watchChain(m_target, false);
    if (!target) {
        for (auto& h : m_handles)
            if (h)
                h->hide();
        m_target = nullptr;
        return;
    }
    // A new target gets the only set of handles: earlier ones would stay
    // behind on the old place and still resize the new target.
    removeHandles();
    m_target = target;
    for (int i = 0; i < HandleCount; ++i) {
        auto* h = new CZoomHandle(m_owner, i);
        h->setObjectName(QStringLiteral("zoomHandle%1").arg(i));
        h->resize(m_handleSize);
        h->setTarget(target);
        connect(h, &CZoomHandle::sizeChanged, this, &CZoomBox::changedsize);
        m_handles[i] = h;
    }
    m_dash = new CZoomDash(m_owner);
    m_dash->show();
    watchChain(target, true);
    layout();
    showHandles();
}

void CZoomBox::showHandles()
{
    if (m_dash)
        m_dash->raise();
    for (auto& h : m_handles) {
        if (!h)
            continue;
        h->setVisible(m_handlesVisible && !(m_keepRatio && isSide(h->index())));
        h->raise();
    }
}

void CZoomBox::layout()
{
    if (!m_target || !m_target->parentWidget() || !m_owner)
        return;
    const QRect r(m_target->parentWidget()->mapTo(m_owner, m_target->pos()), m_target->size());
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const int hw = m_handleSize.width(), hh = m_handleSize.height();
    const QPoint pos[HandleCount] = {
        {x + 2, y + 2},
        {x + w / 2 - hw / 2, y + 2},
        {x + w - 2 - hw, y + 2},
        {x + w - 2 - hw, y + h / 2 - hh / 2},
        {x + w - 2 - hw, y + h - 2 - hh},
        {x + w / 2 - hw / 2, y + h - 2 - hh},
        {x + 2, y + h - 2 - hh},
        {x + 2, y + h / 2 - hh / 2},
    };
    if (m_dash)
        m_dash->setGeometry(r);
    for (int i = 0; i < HandleCount; ++i)
        if (m_handles[i])
            m_handles[i]->move(pos[i]);
}

bool CZoomBox::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ParentChange:
        layout();
        break;
    case QEvent::ZOrderChange:
        showHandles();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CZoomBox::changedsize(int x, int y, int width, int height)
{
    if (!m_target)
        return;
    m_target->setGeometry(x, y, width, height);
    layout();
    emit doSizeChanged(QRect(x, y, width, height));
}

void CZoomBox::setHandleSize(const QSize& size)
{
    m_handleSize = size;
    for (auto& h : m_handles) {
        if (h) {
            h->resize(size);
            h->update();
        }
    }
    layout();
}

void CZoomBox::setHandleColor(const QColor& color)
{
    for (auto& h : m_handles)
        if (h)
            h->setColor(color);
    if (m_dash) {
        m_dash->pen.setColor(color);
        m_dash->update();
    }
}

void CZoomBox::setHandlesVisible(bool visible)
{
    m_handlesVisible = visible;
    showHandles();
}

void CZoomBox::setZoomByRatio(bool keep, double ratio)
{
    m_keepRatio = keep;
    for (auto& h : m_handles)
        if (h)
            h->setZoomByRatio(keep, ratio);
    showHandles();
}
