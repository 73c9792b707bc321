#pragma once

#include "gui/common/CToolTip.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

class QTimer;
class QUxItemBase;
class QUxListWidget;
class CUxTrackItem;

namespace Ui {
class trackdropdownbox;
}

// A frameless popup that lists tracks under an anchor and lets the user
// tick and switch between them. It decides nothing itself: the owner gives
// plain callbacks (no context argument; an owner that needs one keeps
// itself in a process-wide pointer while the popup is open), and a null
// callback is a refusal (a missing mode query sets no mode, a missing
// replace query answers false). Used once: hiding it deletes it, and every
// delayed step takes the popup or its row as context, so none outlives it.
// Interface thread only.
class CUxTracksListBox : public QWidget
{
    Q_OBJECT
public:
    // Whether ticking (checked) or unticking row index is accepted; the
    // owner applies the change when it accepts.
    using CheckHandler = bool (*)(int index, bool checked);
    // The mode a row shows after an accepted tick or untick (0 track,
    // 1 built-in, 2 none).
    using ModeQuery = int (*)();
    // Why the last tick was refused: 0 too many tracks, 1 it may replace
    // another ticked row, 2 too many embedded subtitles, 3 too many external
    // subtitles, 4 unknown track, 6 external picture subtitle.
    using RefusalQuery = int (*)();
    using SwitchHandler = bool (*)(int index);
    using ReplaceQuery = bool (*)();

    enum BtnType { BtnUp = 0, BtnDown = 1 };

    // Rows shown at once; more rows bring the scroll bar.
    static constexpr int kVisibleRows = 20;
    // Design px the list widens by when its scroll bar shows.
    static constexpr int kScrollBarRoom = 11;
    // A refused click shows the button's new state this long before it returns.
    static constexpr int kReturnDelayMs = 200;

    CUxTracksListBox(CheckHandler checkHandler, ModeQuery modeQuery, RefusalQuery refusalQuery,
                     SwitchHandler switchHandler, ReplaceQuery replaceQuery, QWidget* parent, int minimumWidth);
    ~CUxTracksListBox() override;

    void addItem(QUxItemBase* row);
    void setItemCount(int n);
    void setAnchor(QPoint globalPos) { m_anchor = globalPos; }
    QPoint anchor() const { return m_anchor; }
    void popup(int index);

    void onItemToggled(int index, bool checked);
    void switchToItem(int index);
    void setItemChecked(int index, bool checked, bool delayed);
    // The row whose own index is index, or null.
    CUxTrackItem* trackItem(int index) const;
    // The balloon appears at the cursor; near is not used for placement.
    void showTip(const QString& text, QWidget* near = nullptr);

    QUxListWidget* listWidget() const { return m_list; }
    QWidget* panel() const;
    Ui::trackdropdownbox* form() const { return ui; }
    CToolTipText* currentTip() const { return m_tip; }

public slots:
    void onPressed(BtnType bt);
    void onReleased(BtnType bt);
    void onClicked(BtnType bt);

protected:
    virtual void afterItemToggled(int index, bool checked, bool accepted);
    virtual void afterItemSwitched(int index, bool accepted);

    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    // The first row other than index whose button is ticked, or null.
    CUxTrackItem* otherCheckedItem(int index) const;

    CheckHandler checkHandler;
    ModeQuery modeQuery;
    RefusalQuery refusalQuery;
    SwitchHandler switchHandler;
    ReplaceQuery replaceQuery;

private:
    void scrollStep(BtnType bt);

    Ui::trackdropdownbox* ui;
    QWidget* m_inner;
    QUxListWidget* m_list;
    QPointer<CToolTipText> m_tip;
    QPoint m_anchor;
    bool m_released = true;
    int m_pressCount = 0;
    QPointer<QTimer> m_repeat;
};
