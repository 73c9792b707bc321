#pragma once

#include "gui/PopupBase.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The one account name and password that go with every analysis, and the
// small dialog that enters them. Name and password are shared by every
// object (loaded once from youtube/account and youtube/pw); each caller
// reaches its own dialog through instance(owner). GUI thread only.
class YoutubeAccount : public PopupBase
{
    Q_OBJECT
public:
    // The owner's dialog, made on the first request. A dialog is its owner's
    // child and is forgotten when it goes, so a later owner at the same
    // address gets a new one.
    static YoutubeAccount* instance(QWidget* owner);

    static QString account();
    static QString password();
    static bool hasAccount();
    // Empties the stored and the cached password; the name stays.
    static void clearPassword();

    explicit YoutubeAccount(QWidget* owner);
    ~YoutubeAccount() override;

    // Fills the form from the settings, runs the dialog and returns 0 after
    // Analyze or OK, -1 after Cancel.
    int exec() override;
    int result() const { return m_result; }

    QLineEdit* accountEdit() const { return m_editAccount; }
    QLineEdit* passwordEdit() const { return m_editPassword; }

private slots:
    void on_btn_analyse_clicked();
    void on_btn_cancel_clicked();
    void on_btn_Ok_clicked();
    void on_edit_account_textChanged(const QString& text);
    void on_edit_password_textChanged(const QString& text);
    void on_edit_account_returnPressed();
    void on_edit_password_returnPressed();
    void on_btnPwdVisiable_clicked(bool checked);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildForm();
    void updateButtons();
    void confirm();

    QLabel* m_label = nullptr;
    QLineEdit* m_editAccount = nullptr;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_editPassword = nullptr;
    QPushButton* m_btnPwdVisiable = nullptr;
    QPushButton* m_checkRemember = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnAnalyse = nullptr;
    int m_result = -1;
    // One confirmation per run: a keypad Enter in a field reaches the field
    // (returnPressed) and then the dialog.
    bool m_confirmed = false;
};
