#pragma once

#include "data_structure/DownloadItem/DownloadItem.h"
#include "gui/main/CUxTrackItem.h"
#include "gui/main/CUxTracksListBox.h"

#include <QString>

// The download format chooser: the single-choice track chooser, one row per
// format of a task. Exactly one row is ticked, the task's chosen format; the
// download row decides every change through the callbacks.
class CUxDlTracksListBox : public CUxTracksListBox
{
    Q_OBJECT
public:
    CUxDlTracksListBox(CheckHandler checkHandler, ModeQuery modeQuery, RefusalQuery refusalQuery,
                       SwitchHandler switchHandler, QWidget* parent);

protected:
    void afterItemToggled(int index, bool checked, bool accepted) override;
    void afterItemSwitched(int index, bool accepted) override;
};

// A format row: format, resolution and size painted as three columns that
// line up across every format row and popup of the run.
class CUxDlTrackItem : public CUxTrackItem
{
    Q_OBJECT
public:
    CUxDlTrackItem(const DownloadMedia& entry, bool checked, int index, CUxDlTracksListBox* box);

    int layoutRow() override;

    QString formatText() const { return m_formatText; }
    QString resolutionText() const { return m_resolutionText; }
    QString sizeText() const { return m_sizeText; }
    const DownloadMedia& media() const { return m_media; }

    // The widest format, resolution and size texts of the run, in pixels;
    // they only grow.
    static int formatColumnWidth();
    static int resolutionColumnWidth();
    static int sizeColumnWidth();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_formatText;
    QString m_resolutionText;
    QString m_sizeText;
    DownloadMedia m_media;
};
