#include "gui/common/CToolTip.h"

#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <QScreen>

#include <cmath>

namespace {
int scaledOnce(int v)
{
    return int(float(v) * UIBaseData::instance()->scale());
}
}

CToolTip::CToolTip(QWidget* parent)
    : BaseWidget(parent)
    , m_arrowA(scaledOnce(10))
    , m_arrowB(scaledOnce(20))
    , m_arrowC(scaledOnce(14))
    , m_arrowD(scaledOnce(10))
    , m_shadowWidth(scaledOnce(5))
    , m_shadowDx(scaledOnce(1))
    , m_shadowDy(scaledOnce(1))
{
    setWindowFlags(windowFlags() | Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setProperty("baseFontSize", 12);
    m_fadeTimer.setInterval(m_tickMs);
    connect(&m_fadeTimer, &QTimer::timeout, this, &CToolTip::uxOut);
}

void CToolTip::start(int durationMs)
{
    m_elapsedMs = 0;
    m_fadeTimer.stop();
    m_fadeTimer.start();
    m_durationMs = durationMs;
}

void CToolTip::stop()
{
    m_fadeTimer.stop();
    hide();
    emit finished();
}

void CToolTip::uxOut()
{
    if (m_durationMs <= 0) {
        // Nothing to fade over: the balloon is done at once.
        m_alpha = 0;
        m_fadeTimer.stop();
        update();
        emit finished();
        return;
    }
    if (m_elapsedMs <= m_durationMs) {
        const float inEnd = 0.2f * float(m_durationMs);
        const float outStart = 0.8f * float(m_durationMs);
        const float t = float(m_elapsedMs);
        if (t <= inEnd) {
            m_alpha = qMin(int(t / inEnd * 256.0f), 255);
        } else if (t > outStart) {
            m_alpha = int(256.0f - (t - outStart) / (float(m_durationMs) - outStart) * 256.0f);
        }
        m_alpha = qBound(0, m_alpha, 255);
        update();
        m_elapsedMs += m_tickMs;
        return;
    }
    m_fadeTimer.stop();
    emit finished();
}

QPainterPath CToolTip::balloonPath() const
{
    const int W = width();
    const int H = height();
    const int r = m_radius;
    const int s = m_shadowWidth;
    const int A = m_arrowA, B = m_arrowB, C = m_arrowC, D = m_arrowD;
    int L, R, T, Bt;
    if (m_shadowDx < 0) {
        L = s - m_shadowDx;
        R = W;
    } else {
        L = 0;
        R = W - s - m_shadowDx;
    }
    if (m_shadowDy < 0) {
        T = s - m_shadowDy;
        Bt = H;
    } else {
        T = 0;
        Bt = H - s - m_shadowDy;
    }

    QPainterPath path;
    // A rounded corner: both control points on the corner point.
    auto corner = [&path](QPointF at, QPointF to) { path.cubicTo(at, at, to); };
    switch (m_arrowMode) {
    case 0:
        path.moveTo(L, Bt);
        path.lineTo(L + A, Bt - C);
        path.lineTo(L + A, T + r);
        corner(QPointF(L + A, T), QPointF(L + A + r, T));
        path.lineTo(R - r, T);
        corner(QPointF(R, T), QPointF(R, T + r));
        path.lineTo(R, Bt - D - r);
        corner(QPointF(R, Bt - D), QPointF(R - r, Bt - D));
        path.lineTo(L + B, Bt - D);
        path.lineTo(L, Bt);
        break;
    case 1:
        path.moveTo(R, Bt);
        path.lineTo(R - A, Bt - C);
        path.lineTo(R - A, T + r);
        corner(QPointF(R - A, T), QPointF(R - A - r, T));
        path.lineTo(L + r, T);
        corner(QPointF(L, T), QPointF(L, T + r));
        path.lineTo(L, Bt - D - r);
        corner(QPointF(L, Bt - D), QPointF(L + r, Bt - D));
        path.lineTo(R - B, Bt - D);
        path.lineTo(R, Bt);
        break;
    case 2:
        if (m_shadowDx < 0 || m_shadowDy < 0)
            break;
        path.moveTo(0, 0);
        path.lineTo(A, C);
        path.lineTo(R - r, C);
        corner(QPointF(R, C), QPointF(R, C + r));
        path.lineTo(R, Bt - r);
        corner(QPointF(R, Bt), QPointF(R - r, Bt));
        path.lineTo(B + r, Bt);
        corner(QPointF(B, Bt), QPointF(B, Bt - r));
        path.lineTo(B, D);
        path.lineTo(0, 0);
        break;
    default:
        break;
    }
    if (!path.isEmpty())
        path.closeSubpath();
    return path;
}

void CToolTip::paintBalloon(QPainter& painter)
{
    const QPainterPath path = balloonPath();
    if (path.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 1; i <= m_shadowWidth; ++i) {
        float factor = 0.18f - 0.04f * float(i);
        if (factor < 0.000001f)
            factor = 0.0f;
        const int a = qMin(int(256.0f * factor), m_alpha);
        QPainterPath ring = path.translated(m_shadowDx + i, m_shadowDy + i);
        ring.setFillRule(Qt::WindingFill);
        const QColor c(0, 0, 0, qBound(0, a, 255));
        painter.setPen(c);
        painter.setBrush(c);
        painter.drawPath(ring);
    }
    QColor outline(Qt::white);
    outline.setAlpha(m_alpha);
    QColor body = m_backgroundColor;
    body.setAlpha(m_alpha);
    painter.setPen(outline);
    painter.setBrush(body);
    painter.drawPath(path);
}

void CToolTip::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paintBalloon(painter);
}

bool CToolTip::passesRightEdge(const QPoint& target, int width, const QRect& screen)
{
    return screen.isValid() && target.x() + width > screen.x() + screen.width();
}

void CToolTip::placeOverParent()
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    QPoint target = parent->mapToGlobal(QPoint(parent->width() / 2, -height()));
    QScreen* screen = PopupBase::cursorScreen();
    if (screen && passesRightEdge(target, width(), screen->geometry())) {
        m_arrowMode = 1;
        onArrowFlipped();
        applyShapeMask();
        target.rx() -= width();
    }
    move(target);
}

void CToolTip::applyShapeMask()
{
    if (UIBaseData::instance()->isCompositionEnabled()) {
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    const QPainterPath path = balloonPath();
    if (!path.isEmpty())
        setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void CToolTip::resizeEvent(QResizeEvent* event)
{
    placeOverParent();
    applyShapeMask();
    BaseWidget::resizeEvent(event);
}

void CToolTip::showEvent(QShowEvent* event)
{
    placeOverParent();
    BaseWidget::showEvent(event);
}

// ---- CToolTipText ---------------------------------------------------------

CToolTipText::CToolTipText(const QString& text, QWidget* parent)
    : CToolTip(parent)
    , m_text(text)
{
    m_arrowMode = 2;
    m_arrowA = 25;
    m_arrowB = 0;
    m_arrowC = 15;
    m_shadowWidth = 0;
    // Sized before the first paint so that placement knows its width.
    resize(textBalloonSize());
}

int CToolTipText::textBoxHeight() const
{
    const QFontMetrics fm(font());
    const int h = qMax(fm.height(), m_radius);
    return h < 50 ? 30 : h;
}

QPoint CToolTipText::textOrigin() const
{
    const QFontMetrics fm(font());
    int x = m_shadowDx < 0 ? m_shadowWidth - m_shadowDx : 0;
    int y = 0;
    if (m_arrowMode == 0) {
        x += m_arrowA;
    } else if (m_arrowMode == 2) {
        x += UIBaseData::scaled(8) + m_arrowB;
        y = m_arrowC + (textBoxHeight() - fm.height()) / 2;
    }
    return QPoint(x, y);
}

QSize CToolTipText::textBalloonSize() const
{
    const QFontMetrics fm(font());
    const int tw = fm.horizontalAdvance(m_text);
    const QPoint o = textOrigin();
    return QSize(UIBaseData::scaled(5) + m_shadowDx + tw + o.x() + m_shadowWidth,
                 m_arrowC + UIBaseData::scaled(3) + m_shadowDy + textBoxHeight() + m_shadowWidth);
}

void CToolTipText::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paintBalloon(painter);
    const QFontMetrics fm(font());
    const int tw = fm.horizontalAdvance(m_text);
    const QPoint o = textOrigin();
    QColor c = m_textColor;
    c.setAlpha(m_alpha);
    painter.setPen(c);
    painter.drawText(QRect(o.x(), o.y(), tw, textBoxHeight()), 0, m_text);
    painter.end();
    const QSize s = textBalloonSize();
    if (s != size())
        resize(s);
}

void CToolTipText::resizeEvent(QResizeEvent* event)
{
    applyShapeMask();
    QWidget::resizeEvent(event);
}
