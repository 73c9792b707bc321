#pragma once

#include "gui/PopupBase.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace Ui {
class FileListDialog;
}

// A heading and a read-only list of file names with a slim scroll bar of its
// own, under a warning (the downloads that failed) or a choice with Cancel
// and Continue. exec() answers 1 only after Continue. GUI thread only.
class FileListDialog : public PopupBase
{
    Q_OBJECT
public:
    // text is rich text with %1 where the line height in px goes.
    FileListDialog(const QString& title, const QString& text, QStringList files, bool choose, QWidget* parent);
    ~FileListDialog() override;

    int exec() override;

    // The name the list shows for one entry: the last component of an
    // absolute path (either separator, with or without a drive letter);
    // anything else, such as a title with a slash in it, whole.
    static QString shownName(const QString& entry);

    Ui::FileListDialog* form() const { return ui; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onRangeChanged(int min, int max);
    void onValuedChanged(int val);
    void on_vSlider_sliderMoved(int position);
    void on_btn_close_clicked();
    void on_btn_cancel_clicked();
    void on_btn_continue_clicked();

private:
    void updateSliderVisibility();

    Ui::FileListDialog* ui;
    QMap<QString, QString> m_styleTemplates;
    QString m_warningTemplate;
    bool m_result = false;
};
