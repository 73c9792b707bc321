#pragma once

#include "gui/BaseWidget.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>

class QAbstractAnimation;
class QAnimationGroup;
class QGraphicsOpacityEffect;
class QUxListWidget;

// Base of every row shown in a QUxListWidget: its place in the list, its
// selection and looks, the fade and slide animations, whether it is shown at
// the current scroll position, and the press-and-hold that lifts it for
// reordering.
class QUxItemBase : public BaseWidget
{
    Q_OBJECT

public:
    explicit QUxItemBase(QUxListWidget* list);
    ~QUxItemBase() override;

    virtual int itemHeight();
    virtual QRect clickRect();
    virtual void setSelectedStyle();
    virtual void setNormalStyle();
    virtual void setHoverStyle();
    virtual void setSelectedHoverStyle();
    virtual void onResize(QResizeEvent* event);
    virtual QString itemType();
    virtual QRect dragRect();
    virtual void onListScrolled();

    int index() const;
    void setIndex(int index);
    QUxListWidget* listWidget() const { return m_list; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    bool isDragging() const { return m_dragging; }

    QPoint layoutPos() const { return m_layoutPos; }
    // Records where the list wants the row and shows or hides it depending
    // on whether that lies near the visible area.
    void placeAt(const QPoint& p);
    void applyLayoutPos();
    void moveTo(const QPoint& p);
    void moveAnimated(const QPoint& from, const QPoint& to, QAnimationGroup* group, int ms);
    void slideIn(const QPoint& from, const QPoint& to);
    void setBasePos(QWidget* w, const QPoint& p);

    QGraphicsOpacityEffect* opacityEffect() const { return m_opacityEffect; }
    // Drops a pending "pos" animation so that a newer move wins.
    void stopMoveAnimation();

signals:
    void doSlipOut(int iNewIndex, bool bUx = true);
    void doSlipAway();
    void doSelect();
    void doSelectNot();
    void doubleClicked();
    void doErase();
    void toggled(bool bSelected);
    void firstDisplaied();
    void lastDisplaied();
    void indexChanged(int index);

public slots:
    void HoldingMouseleftPressedTime();
    void setDoleaveEvent(bool bDo);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;

private:
    friend class QUxListWidget;
    // Shows or hides the row for layout position y without storing it.
    void updateVisibility(int y);
    // Whether a row laid out at y lies in the window placeAt() shows.
    bool inShownWindow(int y);
    // The scaled height, step and extent of the visible window, kept until
    // the design height, the spacing or the factor change (the list runs
    // this for every row on every change).
    void updateMetrics();

    QUxListWidget* m_list;
    int m_index = -1;
    bool m_selected = false;
    bool m_dragging = false;
    QTimer m_holdTimer;
    QPoint m_layoutPos;
    QGraphicsOpacityEffect* m_opacityEffect = nullptr;
    bool m_doLeaveEvent = true;
    // Set while the row is in its list's row vector.
    bool m_inList = false;
    // The widget lags behind layoutPos while hidden; it is moved on showing.
    bool m_posStale = false;
    QPointer<QAbstractAnimation> m_moveAnimation;
    int m_metricsDesignHeight = -1;
    int m_metricsSpacing = -1;
    float m_metricsScale = 0.0f;
    int m_scaledHeight = 0;
    int m_step = 0;
    int m_extent = 0;
    // Connections to indexChanged over all rows: while there are none, a
    // list may renumber its rows when their index is read.
    static int s_indexWatchers;
};
