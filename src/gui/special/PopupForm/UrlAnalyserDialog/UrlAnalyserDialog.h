#pragma once

#include "gui/BaseDialog.h"

namespace Ui {
class UrlAnalyserDialog;
}

// The URL analysis window: the address field, the analysed lists and items
// with their formats and subtitles, and the buttons that hand the selection
// to the download page. Frameless, with a 10-pixel shadow band around its
// content, dragged by its top band and rescaled by the interface factor.
class UrlAnalyserDialog : public BaseDialog
{
    Q_OBJECT
public:
    explicit UrlAnalyserDialog(QWidget* parent = nullptr);
    ~UrlAnalyserDialog() override;

    Ui::UrlAnalyserDialog* form() const { return ui; }

    // Places and sizes every widget of the form from its design properties
    // at the current interface factor (half away from zero, like
    // UIBaseData::scaled), the window itself included.
    void rescaleForm();

signals:
    // The user logged in or out inside the dialog.
    void logged(bool in);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Ui::UrlAnalyserDialog* ui = nullptr;
    bool m_rescaling = false;
};
