#include "CMoveBox.h"

#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QMouseEvent>

CMoveBox::CMoveBox(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CMoveBox"));
    resize(423, 326);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    m_pWZoomBox = new QWidget(this);
    m_pWZoomBox->setObjectName(QStringLiteral("m_pWZoomBox"));
    grid->addWidget(m_pWZoomBox, 0, 0);
    auto panel = [this](const char* name) {
        auto* w = new QWidget(m_pWZoomBox);
        w->setObjectName(QLatin1String(name));
        return w;
    };
    m_pWTop = panel("m_pWTop");
    m_pWBottom = panel("m_pWBottom");
    m_pWLeft = panel("m_pWLeft");
    m_pWRight = panel("m_pWRight");
    m_pWZoom = new QPushButton(m_pWZoomBox);
    m_pWZoom->setObjectName(QStringLiteral("m_pWZoom"));
    m_pWZoom->setMinimumSize(20, 20);
    m_pWZoom->setStyleSheet(QStringLiteral("background-color: transparent;"));
    m_pWZoom->setFocusPolicy(Qt::NoFocus);

    m_pWZoom->setMouseTracking(true);
    m_pWZoom->installEventFilter(this);

    m_opacity = new QGraphicsOpacityEffect(this);
    m_opacity->setOpacity(1.0);
    m_zoomBox = std::make_unique<CZoomBox>(this);
    connect(m_zoomBox.get(), &CZoomBox::doSizeChanged, this, &CMoveBox::onBoxSizeChanged);
    m_zoomBox->setZoomWidget(m_pWZoom);

    m_shadowColor = QColor(0, 0, 0, 150);
    applyShadowStyle();
    resetShadow(m_pWZoom->geometry(), true);
}

CMoveBox::~CMoveBox()
{
    // The zoom box watches children of this widget: it goes first.
    m_zoomBox.reset();
}

QRect CMoveBox::divided(const QRect& r, float ratio, bool size)
{
    return QRect(int(r.x() / ratio), int(r.y() / ratio), size ? int(r.width() / ratio) : r.width(),
                 size ? int(r.height() / ratio) : r.height());
}

void CMoveBox::setBoxRect(const QRect& rect, bool emitSignal)
{
    m_boxRect = rect;
    m_pWZoom->setGeometry(rect);
    resetShadow(m_pWZoom->geometry(), emitSignal);
    if (m_keepRatio)
        m_zoomBox->setZoomByRatio(true, rect.height() > 0 ? double(rect.width()) / rect.height() : 1.0);
}

void CMoveBox::setBoxMinimumSize(const QSize& size)
{
    m_pWZoom->setMinimumSize(size);
}

void CMoveBox::setRatio(float ratio)
{
    if (ratio > 0)
        m_ratio = ratio;
}

void CMoveBox::setShadowOpacity(double opacity)
{
    m_shadowColor.setAlpha(qBound(0, int(opacity * 255), 255));
    applyShadowStyle();
}

void CMoveBox::applyShadowStyle()
{
    const QString colour = m_shadowColor.name(QColor::HexArgb);
    m_pWLeft->setStyleSheet(QStringLiteral("QWidget#m_pWLeft{background-color: %1}").arg(colour));
    m_pWRight->setStyleSheet(QStringLiteral("QWidget#m_pWRight{background-color: %1}").arg(colour));
    m_pWTop->setStyleSheet(QStringLiteral("QWidget#m_pWTop{background-color: %1}").arg(colour));
    m_pWBottom->setStyleSheet(QStringLiteral("QWidget#m_pWBottom{background-color: %1}").arg(colour));
}

void CMoveBox::setHandleColor(const QColor& color) { m_zoomBox->setHandleColor(color); }
void CMoveBox::setHandleSize(const QSize& size) { m_zoomBox->setHandleSize(size); }
QSize CMoveBox::handleSize() const { return m_zoomBox->handleSize(); }
void CMoveBox::setHandlesVisible(bool visible) { m_zoomBox->setHandlesVisible(visible); }

void CMoveBox::setKeepRatio(bool keep, double ratio)
{
    m_keepRatio = keep;
    m_zoomBox->setZoomByRatio(keep, ratio);
}

void CMoveBox::onBoxSizeChanged(QRect rect)
{
    m_realRect = divided(rect, m_ratio, true);
    resetShadow(rect, true);
}

void CMoveBox::resetShadow(QRect rect)
{
    resetShadow(rect, true);
}

void CMoveBox::resetShadow(QRect rect, bool bEmitSignal)
{
    const int w = width(), h = height();
    m_pWLeft->setGeometry(0, 0, rect.x(), h);
    m_pWTop->setGeometry(rect.x(), 0, rect.width(), rect.y());
    m_pWRight->setGeometry(rect.right() + 1, 0, w - rect.right() - 1, h);
    m_pWBottom->setGeometry(rect.x(), rect.bottom() + 1, rect.width(), h - rect.bottom() - 1);
    if (bEmitSignal)
        emit doRectChanged(rect);
}

bool CMoveBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_pWZoom || !isEnabled())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            m_dragging = true;
            m_pressBoxPos = m_pWZoom->pos();
            m_pressPoint = m_pWZoomBox->mapFromGlobal(me->globalPos());
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    case QEvent::MouseMove: {
        if (!m_dragging)
            break;
        auto* me = static_cast<QMouseEvent*>(event);
        QPoint p = m_pressBoxPos + (m_pWZoomBox->mapFromGlobal(me->globalPos()) - m_pressPoint);
        p.setX(qBound(0, p.x(), qMax(0, width() - m_pWZoom->width())));
        p.setY(qBound(0, p.y(), qMax(0, height() - m_pWZoom->height())));
        m_realRect = QRect(int(p.x() / m_ratio), int(p.y() / m_ratio), m_realRect.width(), m_realRect.height());
        m_pWZoom->move(p);
        resetShadow(m_pWZoom->geometry(), true);
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

DashedBox::DashedBox(QWidget* parent)
    : CMoveBox(parent)
{
    m_pWZoom->setCursor(Qt::SizeAllCursor);
}
