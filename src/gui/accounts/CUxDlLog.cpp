#include "gui/accounts/CUxDlLog.h"
#include "gui/UIBaseData/DesignGeometry.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CToolTip.h"
#include "gui/common/SmallButtons.h"

#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSpacerItem>

namespace {

// The store's hosts for the three sites the dialog knows.
const QString& ytbHost()
{
    static const QString h = SiteKeys::youtube();
    return h;
}

} // namespace

// ---------------------------------------------------------------- account row

CUxAccountItem::CUxAccountItem(const QString& name, int index, QWidget* parent) : QWidget(parent), m_index(index)
{
    setObjectName(QStringLiteral("accountForm"));
    setBaseSize(243, 40);
    resize(243, 40);
    setMinimumHeight(UIBaseData::scaled(40));
    // Opaque, so the list item's own text beneath never shows through.
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(9, 0, 9, 0);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setText(name);
    QFont f = m_label->font();
    f.setPixelSize(UIBaseData::scaled(12));
    m_label->setFont(f);
    layout->addWidget(m_label);
    layout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_btnRemove = new QPushButton(this);
    m_btnRemove->setObjectName(QStringLiteral("btnRemove"));
    m_btnRemove->setFixedSize(UIBaseData::scaled(9), UIBaseData::scaled(9));
    m_btnRemove->setFocusPolicy(Qt::NoFocus);
    m_btnRemove->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/res/subscribe_close_nor.png);}"
                                              "QPushButton:hover{border-image:url(:/res/subscribe_close_hover.png);}"
                                              "QPushButton:pressed{border-image:url(:/res/subscribe_close_down.png);}"));
    layout->addWidget(m_btnRemove);
    QMetaObject::connectSlotsByName(this);
}

QString CUxAccountItem::name() const
{
    return m_label->text();
}

void CUxAccountItem::on_btnRemove_clicked()
{
    emit remove(m_index);
}

void CUxAccountItem::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit clicked(m_index);
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

// --------------------------------------------------------------------- dialog

CUxDlLog::CUxDlLog(QWidget* parent, int site) : PopupBase(parent)
{
    m_result = -1;
    m_okText = tr("OK");
    m_insertText = tr("Insert");
    m_modifyText = tr("Modify");

    buildForm();
    m_btnDaiWidget->hide();
    m_btnYtbWidget->installEventFilter(this);
    m_btnVimeoWidget->installEventFilter(this);
    m_editAccount->installEventFilter(this);

    applyStyleTemplate();
    m_editAccount->lineEdit()->setPlaceholderText(tr("Input Account"));

    init(this, this, 73.0f / 390.0f, false);
    setCloseButton(m_btnClose);

    m_list = new QListWidget(m_editAccount);
    m_list->setObjectName(QStringLiteral("accountList"));
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSpacing(0);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_editAccount->setEditable(true);
    m_editAccount->setModel(m_list->model());
    m_editAccount->setView(m_list);
    // Typed names are taken as typed: an inline completion would show one
    // name while the mode is judged on another.
    m_editAccount->setCompleter(nullptr);

    m_btnYtb->setStateImages(QStringLiteral(":/res/subscribe_youtube_icon.png"),
                             QStringLiteral(":/res/subscribe_youtube_icon.png"),
                             QStringLiteral(":/res/subscribe_youtube_icon.png"), QString(), 0.5f);
    m_btnVimeo->setStateImages(QStringLiteral(":/res/subscribe_vimeo_icon.png"),
                               QStringLiteral(":/res/subscribe_vimeo_icon.png"),
                               QStringLiteral(":/res/subscribe_vimeo_icon.png"), QString(), 0.5f);
    m_btnDai->setStateImages(QStringLiteral(":/res/subscribe_dailymotion_icon.png"),
                             QStringLiteral(":/res/subscribe_dailymotion_icon.png"),
                             QStringLiteral(":/res/subscribe_dailymotion_icon.png"), QString(), 0.5f);
    // Site names are not translated.
    m_btnYtb->setText(QStringLiteral("YouTube"));
    m_btnVimeo->setText(QStringLiteral("Vimeo"));
    m_btnDai->setText(QStringLiteral("Dailymotion"));
    for (CUxTextBesideBtn* b : {m_btnYtb, m_btnVimeo, m_btnDai}) {
        b->setFontPixelSize(15);
        b->setTextColors(QColor(QStringLiteral("#4c4f59")), QColor(QStringLiteral("#4c4f59")),
                         QColor(QStringLiteral("#4c4f59")), QColor(96, 96, 96, 128));
    }
    m_ytbPos = m_daiPos = m_vimeoPos = m_curPos = -1;

    connect(m_editPassword, &QLineEdit::textEdited, this,
            [this](const QString& text) { checkedExitOrNot(m_editAccount->currentText(), text); });
    connect(m_editAccount->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { onAccountEdited(text); });

    QList<SiteAccount*>* sites = Youtube::instance()->siteAccounts();
    if (!sites || sites->isEmpty())
        return;
    findSitePositions();
    switch (site) {
    case 0: onWebChanged(m_ytbPos, true); break;
    case 1: onWebChanged(m_daiPos, true); break;
    case 3:
        if (holderOf(0) != nullptr && (m_ytbPos == 0 || m_vimeoPos == 0 || m_daiPos == 0))
            onWebChanged(0, true);
        break;
    default: onWebChanged(m_vimeoPos, true); break;
    }
}

CUxDlLog::~CUxDlLog() = default;

void CUxDlLog::buildForm()
{
    setObjectName(QStringLiteral("logForm"));
    setBaseSize(578, 390);
    resize(578, 390);
    // Applied once its placeholders are filled (applyStyleTemplate).
    m_styleTemplate = (QStringLiteral(
        "QComboBox#edit_account{border-image:url(:/res/input_nor.png);color:#575d66;padding-left:3px;}\n"
        "QComboBox#edit_account:hover,QComboBox#edit_account:focus{border-image:url(:/res/input_on.png);}\n"
        "QComboBox#edit_account::drop-down{subcontrol-origin:padding;subcontrol-position:top right;"
        "width:%1px;height:%2px;right:%3px;top:%4px;border:none;}\n"
        "QComboBox#edit_account::down-arrow{border-image:url(:/res/account_xiala.png);width:%1px;height:%2px;}\n"
        "QListWidget#accountList{background:white;border:1px solid #cbcbcb;outline:none;}\n"));

    m_widget = new QWidget(this);
    m_widget->setObjectName(QStringLiteral("widget"));
    placeAtDesign(m_widget, 0, 0, 578, 390);
    m_widget->setStyleSheet(QStringLiteral("#widget{border-image:url(:/res/bg_2.png);}"));

    m_btnClose = new QPushButton(m_widget);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/res/close_nor1.png);}"
                                             "QPushButton:hover{border-image:url(:/res/close_hover.png);}"
                                             "QPushButton:pressed{border-image:url(:/res/close_down.png);}"
                                             "QPushButton:disabled{border-image:url(:/res/close_dis1.png);}"));
    placeAtDesign(m_btnClose, 532, 0, 46, 24);

    m_tabBar = new QWidget(m_widget);
    m_tabBar->setObjectName(QStringLiteral("widget_2"));
    placeAtDesign(m_tabBar, 0, 28, 578, 49);
    m_chosenBg = new QWidget(m_tabBar);
    m_chosenBg->setObjectName(QStringLiteral("chosenBg"));
    m_chosenBg->setStyleSheet(QStringLiteral("border-image: url(:/res/choose_bg.png);"));
    m_chosenBg->setAttribute(Qt::WA_StyledBackground, true);
    placeAtDesign(m_chosenBg, -200, -10, 145, 49);
    const struct
    {
        const char* holder;
        const char* button;
        int x;
        QWidget** holderOut;
        CUxTextBesideBtn** buttonOut;
    } tabs[] = {{"btnYtbWidget", "btnYtb", 144, &m_btnYtbWidget, &m_btnYtb},
                {"btnVimeoWidget", "btnVimeo", 289, &m_btnVimeoWidget, &m_btnVimeo},
                {"btnDaiWidget", "btnDai", 762, &m_btnDaiWidget, &m_btnDai}};
    for (const auto& t : tabs) {
        auto* holder = new QWidget(m_tabBar);
        holder->setObjectName(QLatin1String(t.holder));
        placeAtDesign(holder, t.x, 0, 145, 47);
        auto* layout = new QHBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* button = new CUxTextBesideBtn(holder);
        button->setObjectName(QLatin1String(t.button));
        layout->addWidget(button);
        *t.holderOut = holder;
        *t.buttonOut = button;
    }
    const struct
    {
        const char* name;
        int y;
        const char* style;
    } rules[] = {{"line_3", 46, "background-color: rgb(183, 183, 184);"},
                 {"line_2", 47, "background-color: rgba(218, 218, 218, 219);"},
                 {"line", 48, "background-color: rgb(255, 255, 255);"}};
    for (const auto& r : rules) {
        auto* line = new QFrame(m_tabBar);
        line->setObjectName(QLatin1String(r.name));
        line->setStyleSheet(QLatin1String(r.style));
        line->setFrameShape(QFrame::NoFrame);
        placeAtDesign(line, 0, r.y, 578, 1);
    }

    m_label3 = new QLabel(m_widget);
    m_label3->setObjectName(QStringLiteral("label_3"));
    m_label3->setAlignment(Qt::AlignCenter);
    m_label3->setProperty("baseFontSize", 20);
    QFont headingFont = m_label3->font();
    headingFont.setWeight(75);
    m_label3->setFont(headingFont);
    placeAtDesign(m_label3, 0, 107, 578, 26);

    auto* label = new QLabel(tr("Account:"), m_widget);
    label->setObjectName(QStringLiteral("label"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color:#434652;"));
    label->setProperty("baseFontSize", 13);
    placeAtDesign(label, 20, 160, 120, 30);
    m_editAccount = new QComboBox(m_widget);
    m_editAccount->setObjectName(QStringLiteral("edit_account"));
    m_editAccount->setEditable(true);
    m_editAccount->setInsertPolicy(QComboBox::NoInsert);
    placeAtDesign(m_editAccount, 150, 160, 340, 30);
    QFont editFont = m_editAccount->font();
    editFont.setPixelSize(UIBaseData::scaled(12));
    m_editAccount->lineEdit()->setFont(editFont);

    auto* label2 = new QLabel(tr("Password:"), m_widget);
    label2->setObjectName(QStringLiteral("label_2"));
    label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label2->setStyleSheet(QStringLiteral("color:#434652;"));
    label2->setProperty("baseFontSize", 13);
    placeAtDesign(label2, 20, 220, 120, 30);
    auto* frame = new QWidget(m_widget);
    frame->setObjectName(QStringLiteral("widget_3"));
    frame->setAttribute(Qt::WA_StyledBackground, true);
    frame->setStyleSheet(QStringLiteral("#widget_3{border-image:url(:/res/input_nor.png);}"
                                        "#widget_3:hover{border-image:url(:/res/input_on.png);}"));
    placeAtDesign(frame, 150, 220, 340, 30);
    m_editPassword = new QLineEdit(frame);
    m_editPassword->setObjectName(QStringLiteral("edit_password"));
    m_editPassword->setEchoMode(QLineEdit::Password);
    m_editPassword->setPlaceholderText(tr("Input password"));
    m_editPassword->setStyleSheet(QStringLiteral("QLineEdit{border:none;background:transparent;color:#575d66;}"));
    m_editPassword->setProperty("baseFontSize", 12);
    placeAtDesign(m_editPassword, 6, 3, 300, 24);
    m_btnPwdVisiable = new QPushButton(frame);
    m_btnPwdVisiable->setObjectName(QStringLiteral("btnPwdVisiable"));
    m_btnPwdVisiable->setCheckable(true);
    m_btnPwdVisiable->setChecked(true);
    m_btnPwdVisiable->setFocusPolicy(Qt::NoFocus);
    m_btnPwdVisiable->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/res/password_see.png);}"
                                                   "QPushButton:checked{border-image:url(:/res/password_dont_see.png);}"));
    placeAtDesign(m_btnPwdVisiable, 314, 10, 17, 10);

    auto* row = new QWidget(m_widget);
    row->setObjectName(QStringLiteral("widget_6"));
    placeAtDesign(row, 87, 318, 412, 29);
    m_btnCancel = new QPushButton(tr("Cancel"), row);
    m_btnCancel->setObjectName(QStringLiteral("btn_cancel"));
    m_btnCancel->setStyleSheet(imageButtonStyle(QStringLiteral("cancle"), false));
    placeAtDesign(m_btnCancel, 0, 0, 104, 29);
    m_btnOk = new QPushButton(tr("OK"), row);
    m_btnOk->setObjectName(QStringLiteral("btn_Ok"));
    m_btnOk->setStyleSheet(imageButtonStyle(QStringLiteral("done"), true));
    placeAtDesign(m_btnOk, 308, 0, 104, 29);
    for (QPushButton* b : {m_btnCancel, m_btnOk, m_btnClose}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    m_btnCancel->setProperty("baseFontSize", 12);
    m_btnOk->setProperty("baseFontSize", 12);

    connect(m_btnClose, &QPushButton::clicked, this, &CUxDlLog::on_btnClose_clicked);
    connect(m_btnCancel, &QPushButton::clicked, this, &CUxDlLog::on_btn_cancel_clicked);
    connect(m_btnOk, &QPushButton::clicked, this, &CUxDlLog::on_btn_Ok_clicked);
    connect(m_btnPwdVisiable, &QPushButton::clicked, this, &CUxDlLog::on_btnPwdVisiable_clicked);
    connect(m_btnYtb, &CUxTextBesideBtn::clicked, this, &CUxDlLog::on_btnYtb_clicked);
    connect(m_btnVimeo, &CUxTextBesideBtn::clicked, this, &CUxDlLog::on_btnVimeo_clicked);
    connect(m_btnDai, &CUxTextBesideBtn::clicked, this, &CUxDlLog::on_btnDai_clicked);
}

void CUxDlLog::applyStyleTemplate()
{
    setStyleSheet(m_styleTemplate.arg(QString::number(UIBaseData::scaled(17)), QString::number(UIBaseData::scaled(10)),
                                      QString::number(UIBaseData::scaled(11)), QString::number(UIBaseData::scaled(8))));
}

int CUxDlLog::exec()
{
    PopupBase::exec(true);
    return m_result;
}

QWidget* CUxDlLog::tabHolder(int site) const
{
    switch (site) {
    case 0: return m_btnYtbWidget;
    case 1: return m_btnDaiWidget;
    case 2: return m_btnVimeoWidget;
    default: return nullptr;
    }
}

void CUxDlLog::findSitePositions()
{
    m_ytbPos = m_daiPos = m_vimeoPos = -1;
    QList<SiteAccount*>* sites = Youtube::instance()->siteAccounts();
    if (!sites)
        return;
    for (int i = 0; i < sites->size(); ++i) {
        const QString host = sites->at(i)->website();
        if (host == ytbHost())
            m_ytbPos = i;
        else if (host == SiteKeys::dailymotion())
            m_daiPos = i;
        else if (host == SiteKeys::vimeo())
            m_vimeoPos = i;
    }
}

QWidget* CUxDlLog::holderOf(int position) const
{
    if (m_ytbPos == position)
        return m_btnYtbWidget;
    if (m_vimeoPos == position)
        return m_btnVimeoWidget;
    if (m_daiPos == position)
        return m_btnDaiWidget;
    return nullptr;
}

SiteAccount* CUxDlLog::siteAt(int position) const
{
    QList<SiteAccount*>* sites = Youtube::instance()->siteAccounts();
    if (!sites || position < 0 || position >= sites->size())
        return nullptr;
    return sites->at(position);
}

void CUxDlLog::onWebChanged(int index, bool init)
{
    m_chosenBg->raise();
    m_btnYtbWidget->raise();
    m_btnDaiWidget->raise();
    m_btnVimeoWidget->raise();
    QWidget* from = holderOf(m_curPos);
    QWidget* to = holderOf(index);
    const QPoint start = from ? from->pos() : QPoint(0, 0);
    const QPoint end = to ? to->pos() : QPoint(0, 0);
    if (init) {
        // A slide of no length: in place at once.
        m_chosenBg->move(end);
        loadSiteAccounts(index);
        return;
    }
    auto* slide = new QPropertyAnimation(m_chosenBg, "pos", this);
    slide->setStartValue(start);
    slide->setEndValue(end);
    slide->setDuration(150);
    connect(slide, &QPropertyAnimation::finished, this, [this, slide, index] {
        slide->deleteLater();
        loadSiteAccounts(index);
    });
    slide->start();
}

void CUxDlLog::onWebChanged(int index)
{
    onWebChanged(index, false);
}

void CUxDlLog::on_btnYtb_clicked()
{
    if (m_ytbPos != -1)
        onWebChanged(m_ytbPos);
}

void CUxDlLog::on_btnDai_clicked()
{
    if (m_daiPos != -1)
        onWebChanged(m_daiPos);
}

void CUxDlLog::on_btnVimeo_clicked()
{
    if (m_vimeoPos != -1)
        onWebChanged(m_vimeoPos);
}

void CUxDlLog::addAccountRows(SiteAccount* site)
{
    const QStringList names = site->accountNames();
    for (int row = 0; row < names.size(); ++row) {
        auto* item = new QListWidgetItem(names.at(row), m_list);
        auto* widget = new CUxAccountItem(names.at(row), row);
        widget->resize(m_editAccount->width(), UIBaseData::scaled(40));
        item->setSizeHint(QSize(m_editAccount->width(), UIBaseData::scaled(40)));
        m_list->setItemWidget(item, widget);
        connect(widget, &CUxAccountItem::clicked, this, &CUxDlLog::on_comBoxIndexChanged);
        connect(widget, &CUxAccountItem::remove, this, &CUxDlLog::on_comBoxItemRemove);
    }
}

void CUxDlLog::loadSiteAccounts(int position)
{
    m_editAccount->clear();
    m_editAccount->setEditText(QString());
    m_list->clear();
    SiteAccount* site = siteAt(position);
    if (!site)
        return;
    addAccountRows(site);
    const AccountInfo current = site->firstAccount();
    m_editAccount->setCurrentIndex(site->accountNames().indexOf(current.name));
    m_curPos = position;
    m_editAccount->setEditText(current.name);
    QString name = current.name;
    m_editPassword->setText(current.name.isEmpty() ? QString() : site->password(name));
    checkedExitOrNot(m_editAccount->currentText(), m_editPassword->text());
}

void CUxDlLog::showAccount(int row, bool hidePopup)
{
    SiteAccount* site = siteAt(m_curPos);
    QString name;
    QString password;
    if (site) {
        const QStringList names = site->accountNames();
        if (row >= 0 && row < names.size()) {
            name = names.at(row);
            password = site->password(name);
        }
    }
    m_editAccount->setEditText(name);
    if (password.isEmpty())
        m_editPassword->clear();
    else
        m_editPassword->setText(password);
    if (hidePopup)
        m_editAccount->hidePopup();
    checkedExitOrNot(m_editAccount->currentText(), m_editPassword->text());
}

void CUxDlLog::onAccountEdited(const QString& text)
{
    SiteAccount* site = siteAt(m_curPos);
    const int row = site ? site->accountNames().indexOf(text) : -1;
    if (row >= 0) {
        m_editAccount->setCurrentIndex(row);
        showAccount(row, false);
    } else {
        m_editPassword->clear();
    }
    checkedExitOrNot(m_editAccount->currentText(), m_editPassword->text());
}

void CUxDlLog::checkedExitOrNot(const QString& account, const QString& pwd)
{
    if (account.isEmpty()) {
        m_editPassword->clear();
        m_btnOk->setText(m_insertText);
        m_btnOk->setEnabled(false);
        return;
    }
    SiteAccount* site = siteAt(m_curPos);
    if (!site) {
        m_btnOk->setEnabled(true);
        return;
    }
    if (site->accountNames().contains(account)) {
        QString name = account;
        if (site->password(name) == pwd) {
            m_btnOk->setText(m_okText);
            m_btnOk->setEnabled(true);
        } else {
            m_btnOk->setText(m_modifyText);
            m_btnOk->setEnabled(!pwd.isEmpty());
        }
        return;
    }
    m_btnOk->setText(m_insertText);
    m_btnOk->setEnabled(!pwd.isEmpty());
}

void CUxDlLog::on_comBoxIndexChanged(int index)
{
    m_editAccount->setCurrentIndex(index);
    showAccount(index, true);
}

void CUxDlLog::on_comBoxItemRemove(int index)
{
    SiteAccount* site = siteAt(m_curPos);
    if (!site)
        return;
    const QStringList names = site->accountNames();
    if (index < 0 || index >= names.size())
        return;
    site->removeAccount(names.at(index));
    delete m_list->takeItem(index);
    for (int row = 0; row < m_list->count(); ++row)
        if (auto* w = qobject_cast<CUxAccountItem*>(m_list->itemWidget(m_list->item(row))))
            w->setIndex(row);
    if (m_editAccount->currentIndex() >= 0)
        showAccount(m_editAccount->currentIndex(), false);
    checkedExitOrNot(m_editAccount->currentText(), m_editPassword->text());
}

void CUxDlLog::on_btnPwdVisiable_clicked(bool checked)
{
    m_editPassword->setEchoMode(checked ? QLineEdit::Password : QLineEdit::Normal);
}

void CUxDlLog::on_btnClose_clicked()
{
    m_result = -1;
    close();
}

void CUxDlLog::on_btn_cancel_clicked()
{
    on_btnClose_clicked();
}

void CUxDlLog::on_btn_Ok_clicked()
{
    const QString mode = m_btnOk->text();
    const QString account = m_editAccount->currentText();
    const QString password = m_editPassword->text();
    SiteAccount* site = siteAt(m_curPos);
    if (mode == m_okText) {
        if (site) {
            site->setCurrentAccount(account);
            // The site confirmed last goes first, in memory: the next
            // opening for "the last site" shows it.
            Youtube::instance()->moveSiteAccountToFront(m_curPos);
            findSitePositions();
            m_curPos = 0;
        }
        m_result = 0;
        close();
        return;
    }
    if (account.isEmpty() || password.isEmpty() || !site)
        return;
    site->addAccount(account, password);
    if (mode == m_insertText && site->accountNames().size() > kMaxAccounts) {
        site->removeAccount(account);
        showLimitBalloon();
        return;
    }
    // Rows are rebuilt after a change too: the changed account moved to
    // the front of the store, and rows must keep matching its order (a
    // removal goes by row).
    m_list->clear();
    addAccountRows(site);
    const int row = site->accountNames().indexOf(account);
    m_editAccount->setCurrentIndex(row);
    m_editAccount->setEditText(account);
    m_editPassword->setText(password);
    m_btnOk->setText(m_okText);
    m_btnOk->setEnabled(true);
}

void CUxDlLog::showLimitBalloon()
{
    auto* balloon = new CToolTipText(tr("error more than 20."), this);
    balloon->setObjectName(QStringLiteral("limitBalloon"));
    balloon->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    balloon->setTextColor(QColor(QStringLiteral("#919499")));
    balloon->move(QCursor::pos() + QPoint(10, 10));
    balloon->show();
    balloon->start(1500);
    connect(balloon, &CToolTip::finished, balloon, &QObject::deleteLater);
}

bool CUxDlLog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Move && watched != nullptr && watched == holderOf(m_curPos) && m_curPos != -1) {
        m_chosenBg->move(static_cast<QWidget*>(watched)->pos());
    } else if (event->type() == QEvent::Resize && watched == m_editAccount && m_list) {
        const QSize hint(m_editAccount->width(), UIBaseData::scaled(40));
        for (int row = 0; row < m_list->count(); ++row) {
            QListWidgetItem* item = m_list->item(row);
            item->setSizeHint(hint);
            if (QWidget* w = m_list->itemWidget(item))
                w->resize(hint);
        }
        // With no site shown there is nothing to show again, and the OK
        // button keeps the look that lets the user close with it.
        if (m_curPos != -1)
            showAccount(m_editAccount->currentIndex(), true);
    }
    return PopupBase::eventFilter(watched, event);
}

void CUxDlLog::resizeEvent(QResizeEvent* event)
{
    if (!m_styleTemplate.isEmpty())
        applyStyleTemplate();
    PopupBase::resizeEvent(event);
}
