#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QTimeEdit;

// The small popup in which a live row's start time or recording length is
// edited over its label. It reports the edited time on every hide and stays
// until the next editor opens or its row goes; one editor at a time in the
// whole program. Interface thread only.
class CUxTimeEdit : public QWidget
{
    Q_OBJECT
public:
    // iType 0: the start time; 1: the recording length.
    CUxTimeEdit(int iType, QWidget* parent);

    // A label's text into the field; the current-time text gives the clock.
    void setTime(const QString& text);

    int type() const { return iType; }
    QTimeEdit* timeEditor() const { return timeEdit; }

    // The translated "Current Time", shared with the download rows, which
    // show it while a recording starts at once.
    static QString s_CurrentTimeText;
    // The editor opened last; cleared when it is deleted.
    static QPointer<CUxTimeEdit> timeEditPopup;

signals:
    void hided(QString time, int iType);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimeEdit* timeEdit;
    int iType;
};
