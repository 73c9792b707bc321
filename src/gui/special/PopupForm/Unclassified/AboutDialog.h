#pragma once

#include "gui/PopupBase.h"

#include <QString>

namespace Ui {
class AboutDialog;
}

// The about window: product, running version and release date, the
// edition's web page and a feedback mail link. GUI thread only.
class AboutDialog : public PopupBase
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);
    ~AboutDialog() override;

    // The edition's feedback mailbox and product page, by base/site.
    static QString feedbackAddress();
    static QString productPage();

    Ui::AboutDialog* form() const { return ui; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_btn_close_clicked();
    void on_BtnSendEmail_clicked();
    void onLinkActivated(const QString& link);

private:
    void initLinkText();
    void updateVersionInfo();
    void fillLink(bool hovered);

    Ui::AboutDialog* ui;
    QString m_linkTemplate;
};
