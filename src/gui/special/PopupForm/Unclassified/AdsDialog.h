#pragma once

#include "gui/PopupBase.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QUrl>

namespace Ui {
class AdsDialog;
}

// The promotion window: the version manager's ad record (of this run's
// check, else the one kept from an earlier run) with its picture
// ("update.png" in the settings folder), title, details and two buttons.
// GUI thread only.
class AdsDialog : public PopupBase
{
    Q_OBJECT
public:
    explicit AdsDialog(QWidget* parent);
    ~AdsDialog() override;

    // Writes the three texts at the current interface factor.
    void applyScaledTexts();

    Ui::AdsDialog* form() const { return ui; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_btn_done_clicked();
    void on_btn_cancel_clicked();
    void on_btnclose_clicked();

private:
    void showPicture();

    Ui::AdsDialog* ui;
    QMap<QString, QString> m_styleTemplates;
    QUrl m_link;
    QString m_titleTemplate;
    QList<int> m_titlePx;
    QString m_detailsTemplate;
    QList<int> m_detailsPx;
    QString m_picTitleTemplate;
    QList<int> m_picTitlePx;
};
