#include "gui/special/PopupForm/UrlAnalyserDialog/CUxAccountWatchLaterList.h"

#include "gui/UIBaseData/UIBaseData.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QRegion>

CUxAccountWatchLaterList* CUxAccountWatchLaterList::instance()
{
    static QPointer<CUxAccountWatchLaterList> list;
    if (!list) {
        list = new CUxAccountWatchLaterList;
        // A top-level widget must go before the application does.
        qAddPostRoutine([] { delete list; });
    }
    return list;
}

CUxAccountWatchLaterList::CUxAccountWatchLaterList(QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
{
    setObjectName(QStringLiteral("lllll"));
    // The card is painted white below; the window itself is see-through so
    // the shadow can fade out around it.
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("#lllll{background-color:rgba(255,255,255,1);}"));
}

QRect CUxAccountWatchLaterList::cardRect() const
{
    return QRect(m_shadowMargin, 0, width() - 2 * m_shadowMargin, height() - m_shadowMargin);
}

void CUxAccountWatchLaterList::showCard(const QPoint& globalTopLeft, const QSize& cardSize)
{
    resize(cardSize.width() + 2 * m_shadowMargin, cardSize.height() + m_shadowMargin);
    move(globalTopLeft.x() - m_shadowMargin, globalTopLeft.y());
    // Without a compositor the shadow would show black: the window is cut
    // to the card instead.
    if (!UIBaseData::instance()->isCompositionEnabled())
        setMask(QRegion(cardRect()));
    else
        clearMask();
    show();
}

void CUxAccountWatchLaterList::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter p(this);
    p.drawPixmap(rect(), m_shadowPainter.shadowPixmap(m_shadowMargin, size(), QPointF(0, 3),
                                                      QColor(QStringLiteral("#555555"))));
    p.fillRect(cardRect(), Qt::white);
}

void CUxAccountWatchLaterList::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit hided();
}
