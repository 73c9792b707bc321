#include "gui/accounts/YoutubeAccount.h"
#include "gui/UIBaseData/DesignGeometry.h"

#include "shell/SettingsStore.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>

namespace {

QString g_account;
QString g_password;
QMap<QWidget*, YoutubeAccount*> g_dialogs;

const char kAccountKey[] = "youtube/account";
const char kPasswordKey[] = "youtube/pw";

} // namespace

YoutubeAccount* YoutubeAccount::instance(QWidget* owner)
{
    auto it = g_dialogs.find(owner);
    if (it != g_dialogs.end())
        return it.value();
    auto* dialog = new YoutubeAccount(owner);
    g_dialogs.insert(owner, dialog);
    QObject::connect(dialog, &QObject::destroyed, [owner, dialog] {
        auto found = g_dialogs.find(owner);
        if (found != g_dialogs.end() && found.value() == dialog)
            g_dialogs.erase(found);
    });
    return dialog;
}

QString YoutubeAccount::account()
{
    if (g_account.isEmpty())
        g_account = SettingsStore::instance()->value(QLatin1String(kAccountKey));
    return g_account;
}

QString YoutubeAccount::password()
{
    if (g_password.isEmpty())
        g_password = SettingsStore::instance()->encryptedValue(QLatin1String(kPasswordKey));
    return g_password;
}

bool YoutubeAccount::hasAccount()
{
    return !account().isEmpty() && !password().isEmpty();
}

void YoutubeAccount::clearPassword()
{
    SettingsStore::instance()->setEncryptedValue(QLatin1String(kPasswordKey), QString());
    g_password.clear();
}

YoutubeAccount::YoutubeAccount(QWidget* owner) : PopupBase(owner)
{
    buildForm();
    m_checkRemember->hide();
    account();
    password();
    updateButtons();
    init(this, this, 1.0f, false);
}

YoutubeAccount::~YoutubeAccount() = default;

void YoutubeAccount::buildForm()
{
    setObjectName(QStringLiteral("YoutubeAccount"));
    setBaseSize(494, 280);
    resize(494, 280);
    auto* bg = new QWidget(this);
    bg->setObjectName(QStringLiteral("widget"));
    placeAtDesign(bg, 0, 0, 494, 280);
    bg->setStyleSheet(QStringLiteral("#widget{border-image:url(:/res/bg_2.png);}"));
    const QString editStyle = QStringLiteral(
        "QLineEdit{border-image:url(:/res/input_nor.png);color:#575d66;padding-left:3px;}"
        "QLineEdit:hover,QLineEdit:focus{border-image:url(:/res/input_on.png);}");

    m_label = new QLabel(tr("Account:"), bg);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label->setStyleSheet(QStringLiteral("color:#434652;"));
    m_label->setProperty("baseFontSize", 13);
    placeAtDesign(m_label, 30, 60, 110, 30);
    m_editAccount = new QLineEdit(bg);
    m_editAccount->setObjectName(QStringLiteral("edit_account"));
    m_editAccount->setPlaceholderText(tr("YouTube Account"));
    m_editAccount->setStyleSheet(editStyle);
    m_editAccount->setProperty("baseFontSize", 12);
    placeAtDesign(m_editAccount, 150, 60, 280, 30);

    m_label2 = new QLabel(tr("Password:"), bg);
    m_label2->setObjectName(QStringLiteral("label_2"));
    m_label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label2->setStyleSheet(QStringLiteral("color:#434652;"));
    m_label2->setProperty("baseFontSize", 13);
    placeAtDesign(m_label2, 30, 110, 110, 30);
    m_editPassword = new QLineEdit(bg);
    m_editPassword->setObjectName(QStringLiteral("edit_password"));
    m_editPassword->setEchoMode(QLineEdit::Password);
    m_editPassword->setPlaceholderText(tr("Input password"));
    m_editPassword->setStyleSheet(editStyle);
    m_editPassword->setProperty("baseFontSize", 12);
    placeAtDesign(m_editPassword, 150, 110, 280, 30);
    m_btnPwdVisiable = new QPushButton(bg);
    m_btnPwdVisiable->setObjectName(QStringLiteral("btnPwdVisiable"));
    m_btnPwdVisiable->setCheckable(true);
    m_btnPwdVisiable->setChecked(true);
    m_btnPwdVisiable->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/res/eye_opened.png);}"
                                                   "QPushButton:checked{border-image:url(:/res/eye_closed.png);}"));
    placeAtDesign(m_btnPwdVisiable, 440, 115, 22, 20);

    m_checkRemember = new QPushButton(tr("Remember the password"), bg);
    m_checkRemember->setObjectName(QStringLiteral("check_remember"));
    m_checkRemember->setCheckable(true);
    QIcon remember;
    remember.addFile(QStringLiteral(":/res/xuanzhong_nor.png"), QSize(), QIcon::Normal, QIcon::Off);
    remember.addFile(QStringLiteral(":/res/xuanzhong_on.png"), QSize(), QIcon::Normal, QIcon::On);
    m_checkRemember->setIcon(remember);
    m_checkRemember->setIconSize(QSize(18, 20));
    m_checkRemember->setProperty("baseIconSize", QSize(18, 20));
    m_checkRemember->setStyleSheet(QStringLiteral("QPushButton{border:none;color:#434652;text-align:left;}"));
    placeAtDesign(m_checkRemember, 150, 155, 280, 24);

    auto* bottom = new QWidget(bg);
    bottom->setObjectName(QStringLiteral("widget_bottom"));
    placeAtDesign(bottom, 0, 220, 494, 50);
    m_btnCancel = new QPushButton(tr("Cancel"), bottom);
    m_btnCancel->setObjectName(QStringLiteral("btn_cancel"));
    m_btnCancel->setStyleSheet(imageButtonStyle(QStringLiteral("cancle"), true));
    placeAtDesign(m_btnCancel, 90, 13, 86, 24);
    m_btnAnalyse = new QPushButton(tr("Analyze"), bottom);
    m_btnAnalyse->setObjectName(QStringLiteral("btn_analyse"));
    m_btnAnalyse->setStyleSheet(imageButtonStyle(QStringLiteral("done"), true));
    placeAtDesign(m_btnAnalyse, 320, 13, 86, 24);
    m_btnOk = new QPushButton(tr("OK"), bottom);
    m_btnOk->setObjectName(QStringLiteral("btn_Ok"));
    m_btnOk->setStyleSheet(imageButtonStyle(QStringLiteral("done"), true));
    placeAtDesign(m_btnOk, 320, 13, 86, 24);
    m_btnOk->raise();
    for (QPushButton* b : {m_btnCancel, m_btnAnalyse, m_btnOk}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        b->setProperty("baseFontSize", 12);
    }
    m_btnPwdVisiable->setAutoDefault(false);
    m_checkRemember->setAutoDefault(false);
    QMetaObject::connectSlotsByName(this);
}

int YoutubeAccount::exec()
{
    SettingsStore* settings = SettingsStore::instance();
    m_editAccount->setText(settings->value(QLatin1String(kAccountKey)));
    m_editPassword->setText(settings->encryptedValue(QLatin1String(kPasswordKey)));
    m_checkRemember->setChecked(!m_editPassword->text().isEmpty());
    m_confirmed = false;
    m_result = -1;
    PopupBase::exec(true);
    return m_result;
}

void YoutubeAccount::confirm()
{
    if (m_confirmed)
        return;
    m_confirmed = true;
    g_account = m_editAccount->text();
    g_password = m_editPassword->text();
    SettingsStore* settings = SettingsStore::instance();
    settings->setValue(QLatin1String(kAccountKey), g_account);
    // A password typed when none was stored stays in memory only.
    settings->setEncryptedValue(QLatin1String(kPasswordKey),
                                m_checkRemember->isChecked() ? g_password : QString());
    m_result = 0;
    close();
}

void YoutubeAccount::on_btn_analyse_clicked()
{
    confirm();
}

void YoutubeAccount::on_btn_Ok_clicked()
{
    confirm();
}

void YoutubeAccount::on_btn_cancel_clicked()
{
    m_result = -1;
    close();
}

void YoutubeAccount::updateButtons()
{
    const bool both = !m_editAccount->text().isEmpty() && !m_editPassword->text().isEmpty();
    m_btnAnalyse->setEnabled(both);
    m_btnOk->setEnabled(both);
}

void YoutubeAccount::on_edit_account_textChanged(const QString&)
{
    updateButtons();
}

void YoutubeAccount::on_edit_password_textChanged(const QString&)
{
    updateButtons();
}

void YoutubeAccount::on_edit_account_returnPressed()
{
    if (m_btnAnalyse->isEnabled() && !m_btnAnalyse->isHidden())
        on_btn_analyse_clicked();
}

void YoutubeAccount::on_edit_password_returnPressed()
{
    on_edit_account_returnPressed();
}

void YoutubeAccount::on_btnPwdVisiable_clicked(bool checked)
{
    m_editPassword->setEchoMode(checked ? QLineEdit::Password : QLineEdit::Normal);
}

void YoutubeAccount::keyPressEvent(QKeyEvent* event)
{
    PopupBase::keyPressEvent(event);
    if (event->key() == Qt::Key_Enter)
        on_edit_account_returnPressed();
}
