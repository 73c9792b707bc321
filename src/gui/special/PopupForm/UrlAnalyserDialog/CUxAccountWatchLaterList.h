#pragma once

#include "gui/DropShadowPainter.h"

#include <QWidget>

// The drop-down of stored site accounts under the watch-later link: one
// link-looking button per account on a white card with a soft shadow to
// its left, right and below, as the program's other drop-downs have. One
// exists for the process (instance()).
class CUxAccountWatchLaterList : public QWidget
{
    Q_OBJECT
public:
    static CUxAccountWatchLaterList* instance();

    explicit CUxAccountWatchLaterList(QWidget* parent = nullptr);

    // Room the shadow takes beside and below the card.
    int shadowMargin() const { return m_shadowMargin; }
    // The white card inside the window; the buttons belong in it.
    QRect cardRect() const;
    // Shows the card with its top-left corner at globalTopLeft.
    void showCard(const QPoint& globalTopLeft, const QSize& cardSize);

signals:
    void hided();

protected:
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    DropShadowPainter m_shadowPainter;
    int m_shadowMargin = 7;
};
