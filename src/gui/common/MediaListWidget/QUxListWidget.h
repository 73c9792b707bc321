#pragma once

#include <QCursor>
#include <QList>
#include <QMargins>
#include <QPointer>
#include <QSize>
#include <QVector>
#include <QWidget>

#include <climits>

class QAbstractAnimation;
class QAnimationGroup;
class QLabel;
class QParallelAnimationGroup;
class QScrollBar;
class QUxDrag;
class QUxItemBase;

// The program's animated list: a vertical stack of row widgets inside a
// clipped content widget with a thin scroll bar. Scrolling moves the rows,
// not the content widget; every change is animated.
//
// Every row's layout position is kept up to date on every change, but only
// rows in or entering the visible window are actually moved or animated;
// the others are moved when they are shown again.
class QUxListWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QUxListWidget(QWidget* parent = nullptr);
    ~QUxListWidget() override;

    // Rows and content.
    void insertItem(QUxItemBase* row, bool animated = true, int index = -1, bool noEventPump = true);
    void addItems(const QList<QUxItemBase*>& rows);
    void removeItem(int index, bool closeSelection = true, int ms = -1, bool noEventPump = true);
    void removeAll();
    void clear();
    QUxItemBase* item(int index) const;
    int count() const { return m_rows.size(); }
    QWidget* contentWidget() const { return m_content; }
    QScrollBar* scrollBar() const { return m_scrollBar; }
    int itemSpacing() const { return m_spacing; }
    void setItemSpacing(int spacing);
    void setScrollBarMargin(int margin) { m_scrollBarMargin = margin; }
    void setScrollBarVisible(bool visible) { m_scrollBarShown = visible; }
    void setItemDragEnabled(bool enabled) { m_itemDragEnabled = enabled; }
    bool isItemDragEnabled() const { return m_itemDragEnabled; }
    void setMultiSelection(int multi) { m_multiSelection = multi; }
    void setContentsMargins(int left, int top, int right, int bottom);
    void setContentsMargins(const QMargins& margins);
    void setScrollBarBeside(bool beside) { m_scrollBarBeside = beside; }
    void setOverlayInset(int inset) { m_overlayInset = inset; }
    void setDefaultDuration(int ms) { m_defaultDuration = ms; }
    int defaultDuration() const { return m_defaultDuration; }
    int contentHeight() const { return m_contentHeight; }
    void updateLayout();
    void relayoutItems();
    void setCursorShape(Qt::CursorShape shape);
    void restoreCursor();

    // Selection.
    QUxItemBase* currentItem() const;
    int currentIndex() const;
    void setCurrentItem(QUxItemBase* row, bool scrollToIt = false);
    void selectFirst(bool scrollToIt = false);
    void selectLast(bool scrollToIt = false);
    void selectItem(int index, bool scrollToIt = false);
    QList<QUxItemBase*> selectedItems() const { return m_selection; }

    // Scrolling.
    int scrollValue() const;
    int scrollMaximum() const;
    int scrollBy(int delta, bool bounce = true);
    void scrollRowsTo(int value, bool noEventPump = true);
    void animateRowsTo(int value, bool noEventPump = true, int ms = -1, int lastIndex = -1);
    void moveRows(int delta, int from = -1, int to = -1, bool noEventPump = true, int ms = -1);
    void scrollToItem(int index);
    void scrollToTop();
    void setSmoothScroll(bool smooth);
    bool isSmoothScroll() const { return m_smoothScroll; }
    void bounce(int offset);

    // Reordering.
    QUxDrag* dragPicture() const { return m_drag; }
    QWidget* dropLine() const { return m_dropLine; }
    bool isRowDragging() const;
    // Puts a lifted row back where it came from (Escape, focus loss).
    void cancelRowDrag();

    QUxItemBase* firstVisibleItem() const { return m_firstVisible; }
    QUxItemBase* lastVisibleItem() const { return m_lastVisible; }

signals:
    void emptied();
    void curSelectedItemChanged(int iSelectedIndex);
    void Itemclicked(int iIndex);
    void curItemClosed();

public slots:
    void onUxHover(int value);
    void onHover(int value);
    void GroupAinimoFinished_slot();
    void onSilerValueChanged(int value);
    void onItemSlipOut(int iNewItemIndex, bool bUx = true);
    void onItemSlipAway();
    void onItemSelected();
    void onItemNotSelected();
    void onItemErase();
    void onDownOneItemPos(int idex);
    void onUpOneItemPos(int idex);

protected:
    virtual void onCleared();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class QUxItemBase;
    friend class QUxDrag;

    // Layout of the visible window that placeAt() decides against.
    int viewHeight() const;
    void layoutWithScrollBar();
    void layoutWithoutScrollBar();
    void refit();
    void applyScrollBarStyle();
    // Moves one row by dy: animated into group when it is in or entering
    // the view, else only its layout position is updated.
    void shiftRow(QUxItemBase* row, int dy, QAnimationGroup* group, int ms);
    void takeOut(QUxItemBase* row, bool closeSelection);
    void swapRows(int upper);
    int dropIndexAt(const QPoint& globalPos) const;
    void updateDrag(const QPoint& globalPos);
    void finishDrag();
    void forgetRow(QUxItemBase* row);
    void moveRowTo(QUxItemBase* row, const QPoint& to, QAnimationGroup* group, int ms);
    void startGroup(QAnimationGroup* group);
    void renumber();
    // Runs fn on rows from..to. With pumping, the event loop runs before
    // each row and may change the list meanwhile, so the rows are taken
    // from a guarded snapshot and rows that left the list are skipped.
    template <typename Fn>
    void forEachRow(int from, int to, bool noEventPump, Fn fn);

    QWidget* m_content = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QLabel* m_label = nullptr;
    QVector<QUxItemBase*> m_rows;
    // Rows from this place on may still carry the index they had before a
    // removal; their place in m_rows is the truth. Reading a row's index
    // settles them up to that row, so that removing many rows one by one
    // does not renumber the rest of the list each time.
    mutable int m_staleFrom = INT_MAX;
    void settleIndexes(const QUxItemBase* upTo) const;
    QList<QUxItemBase*> m_selection;
    int m_contentHeight = 0;
    int m_scrollValue = 0;
    QCursor m_cursor;
    Qt::CursorShape m_cursorShape = Qt::ArrowCursor;
    QUxItemBase* m_firstVisible = nullptr;
    QUxItemBase* m_lastVisible = nullptr;
    QWidget* m_dropLine = nullptr;
    QUxDrag* m_drag = nullptr;
    int m_spacing = 3;
    int m_scaledSpacing = 3;
    int m_scrollBarMargin = 4;
    int m_scrollBarWidth = 7;
    int m_defaultDuration = 0;
    QMargins m_margins {4, 5, 4, 4};
    bool m_scrollBarShown = true;
    bool m_scrollBarBeside = true;
    int m_overlayInset = 0;
    bool m_smoothScroll = true;
    bool m_itemDragEnabled = true;
    QString m_scrollBarStyle;
    int m_multiSelection = 0;
    int m_previousMaximum = 0;
    QPointer<QAbstractAnimation> m_bounceAnimation;
    bool m_destroying = false;
};
