#pragma once

#include "gui/common/MediaListWidget/QUxItemBase.h"

#include <QString>

class CUxTracksListBox;
class QPushButton;

namespace Ui {
class trackitem;
}

// One row of a track chooser: a check button and a name. The row reports
// clicks to its box, which asks the owner's callbacks.
class CUxTrackItem : public QUxItemBase
{
    Q_OBJECT
public:
    // maxNameWidth: design px the name is elided to; -1 for no limit.
    CUxTrackItem(const QString& text, bool checked, int index, CUxTracksListBox* box, int maxNameWidth);
    ~CUxTrackItem() override;

    int itemHeight() override { return 20; }
    bool isChecked() const;
    int rowIndex() const { return m_rowIndex; }
    CUxTracksListBox* box() const { return m_box; }
    Ui::trackitem* form() const { return ui; }

    // Selects the row and sets its button, at once or (a refused click)
    // after the box's return delay.
    virtual void setChecked(bool checked, bool delayed);
    // Places the name and the button; returns the row's width in design px.
    virtual int layoutRow();

public slots:
    void on_pushButton_clicked(bool checked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    Ui::trackitem* ui;
    CUxTracksListBox* m_box;
    int m_rowIndex;
    int m_maxNameWidth;
};

// A subtitle or audio stream row with a mode button: "S" as a track, "H"
// built in. No owner in this program builds one.
class CUxSubStreamTrackItem : public CUxTrackItem
{
    Q_OBJECT
public:
    // Whether row index may take targetMode; on a refusal reason may say
    // why (6: external picture subtitle); on acceptance otherIndex may name
    // a row that takes otherMode.
    using ModeHandler = bool (*)(int index, int targetMode, int* reason, int* otherIndex, int* otherMode);

    CUxSubStreamTrackItem(const QString& text, bool checked, int index, CUxTracksListBox* box, int maxNameWidth,
                          ModeHandler modeHandler, int mode);

    void setMode(int mode);
    int mode() const { return m_mode; }
    QPushButton* modeButton() const { return m_modeButton; }
    int layoutRow() override;

public slots:
    void moudelBtnClicked();

private:
    QPushButton* m_modeButton;
    ModeHandler m_modeHandler;
    int m_mode = 2;
};
