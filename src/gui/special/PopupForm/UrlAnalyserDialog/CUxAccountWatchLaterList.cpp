#include "gui/special/PopupForm/UrlAnalyserDialog/CUxAccountWatchLaterList.h"

#include <QCoreApplication>
#include <QPointer>

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
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#lllll{background-color:rgba(255,255,255,1);}"));
}

void CUxAccountWatchLaterList::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit hided();
}
