#pragma once

#include "gui/PopupBase.h"

#include <QList>
#include <QMap>
#include <QString>

class QComboBox;
class VerticalSmoothMove;

namespace Ui {
class SettingDialog_Downloader;
class SettingPage_Downloader;
}

// The settings window. Every control writes its key the moment it changes;
// the window has no OK or Cancel and is left through its close button. Only
// the language waits for the user to accept a restart. GUI thread only.
class SettingDialog : public PopupBase
{
    Q_OBJECT
public:
    explicit SettingDialog(QWidget* parent);
    ~SettingDialog() override;

    static constexpr int kLanguageRole = 65535;

    Ui::SettingDialog_Downloader* frame() const { return ui; }
    Ui::SettingPage_Downloader* page() const { return m_page; }
    QWidget* pageWidget() const { return m_pageWidget; }

signals:
    // The page scrolled; an open drop-down list closes.
    void doHideFloat();

private slots:
    void on_btn_close_clicked();
    void onScrollAreaValueChanged(int value);
    void onScrollAreaRangeChanged(int min, int max);
    void onSliderValueChanged(int value);
    void onLanguageChanged(int index);
    void on_comboBox_Lan_currentIndexChanged(int index);
    void on_check_openFolder_toggled(bool checked);
    void on_check_shutDown_toggled(bool checked);
    void on_check_notify_toggled(bool checked);
    void on_browse_output_video_clicked();
    void on_open_output_video_clicked();
    void on_box_format_currentIndexChanged(const QString& arg1);
    void on_box_resolution_currentIndexChanged(const QString& arg1);
    void on_check_once_clicked(bool checked);
    void on_check_already_clicked(bool checked);
    void on_edit_proxyServer_editingFinished();
    void on_edit_port_editingFinished();
    void on_check_proxy_clicked(bool checked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The page's and the slider's sheets at the current interface factor.
    void applyScaledSheets();
    void selectStoredLanguage();

    QMap<QString, QString> m_templates;
    Ui::SettingDialog_Downloader* ui;
    Ui::SettingPage_Downloader* m_page;
    QWidget* m_pageWidget = nullptr;
    VerticalSmoothMove* m_smooth = nullptr;
    QList<QComboBox*> m_dropDownCombos;
};
