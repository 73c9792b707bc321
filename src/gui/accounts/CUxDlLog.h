#pragma once

#include "gui/PopupBase.h"

#include <QString>
#include <QWidget>

class CUxTextBesideBtn;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SiteAccount;

// One row of the account drop-down: the name and a remove button.
class CUxAccountItem : public QWidget
{
    Q_OBJECT
public:
    CUxAccountItem(const QString& name, int index, QWidget* parent = nullptr);

    void setIndex(int index) { m_index = index; }
    int index() const { return m_index; }
    QString name() const;
    QPushButton* removeButton() const { return m_btnRemove; }

signals:
    void clicked(int index);
    void remove(int index);

private slots:
    void on_btnRemove_clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* m_label = nullptr;
    QPushButton* m_btnRemove = nullptr;
    int m_index = 0;
};

// Chooses, adds, changes and removes the stored accounts of a video site.
// The accounts live in the engine's store (Youtube::siteAccounts), which
// saves itself on every change; changes stay when the dialog is cancelled.
// exec() returns 0 when an account was confirmed, else -1.
class CUxDlLog : public PopupBase
{
    Q_OBJECT
public:
    // site: 0 YouTube, 1 Dailymotion, 2 Vimeo, 3 the site confirmed last.
    CUxDlLog(QWidget* parent, int site);
    ~CUxDlLog() override;

    int exec() override;
    int result() const { return m_result; }

    int currentPosition() const { return m_curPos; }
    QComboBox* accountCombo() const { return m_editAccount; }
    QListWidget* accountList() const { return m_list; }
    QLineEdit* passwordEdit() const { return m_editPassword; }
    QPushButton* okButton() const { return m_btnOk; }
    QWidget* chosenBg() const { return m_chosenBg; }
    QWidget* tabHolder(int site) const;
    QString styleTemplate() const { return m_styleTemplate; }

    // Most accounts one site keeps.
    static constexpr int kMaxAccounts = 20;

public slots:
    void on_btnClose_clicked();
    void on_btnYtb_clicked();
    void on_btnDai_clicked();
    void on_btnVimeo_clicked();
    void onWebChanged(int index, bool init);
    void onWebChanged(int index);
    void on_btn_cancel_clicked();
    void on_btn_Ok_clicked();
    void on_comBoxIndexChanged(int index);
    void on_comBoxItemRemove(int index);
    void on_btnPwdVisiable_clicked(bool checked);
    void checkedExitOrNot(const QString& account, const QString& pwd);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildForm();
    void applyStyleTemplate();
    void findSitePositions();
    QWidget* holderOf(int position) const;
    SiteAccount* siteAt(int position) const;
    void loadSiteAccounts(int position);
    void addAccountRows(SiteAccount* site);
    void showAccount(int row, bool hidePopup);
    void onAccountEdited(const QString& text);
    void showLimitBalloon();

    QString m_styleTemplate;
    QListWidget* m_list = nullptr;
    QString m_okText;
    QString m_insertText;
    QString m_modifyText;
    int m_ytbPos = -1;
    int m_daiPos = -1;
    int m_vimeoPos = -1;
    int m_curPos = -1;
    int m_result = -1;

    QWidget* m_widget = nullptr;
    QPushButton* m_btnClose = nullptr;
    QWidget* m_tabBar = nullptr;
    QWidget* m_btnYtbWidget = nullptr;
    QWidget* m_btnVimeoWidget = nullptr;
    QWidget* m_btnDaiWidget = nullptr;
    CUxTextBesideBtn* m_btnYtb = nullptr;
    CUxTextBesideBtn* m_btnVimeo = nullptr;
    CUxTextBesideBtn* m_btnDai = nullptr;
    QWidget* m_chosenBg = nullptr;
    QLabel* m_label3 = nullptr;
    QComboBox* m_editAccount = nullptr;
    QLineEdit* m_editPassword = nullptr;
    QPushButton* m_btnPwdVisiable = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnOk = nullptr;
};
