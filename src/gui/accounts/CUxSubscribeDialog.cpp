#include "gui/accounts/CUxSubscribeDialog.h"
#include "gui/UIBaseData/DesignGeometry.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextDocument>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// The record a row shows, when the engine's list still has one there.
bool recordAt(int index, SubscribeRecord& out)
{
    const QList<SubscribeRecord> records = Youtube::instance()->subscribeLists();
    if (index < 0 || index >= records.size())
        return false;
    out = records.at(index);
    return true;
}

} // namespace

// ------------------------------------------------------------------ editor

QUxLineEdit::QUxLineEdit(QWidget* row) : QLineEdit(row)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("QLineEdit{border-image:url(:/res/input_nor.png);color:#575d66;padding-left:3px;}"
                                 "QLineEdit:hover,QLineEdit:focus{border-image:url(:/res/input_on.png);}"));
    row->installEventFilter(this);
}

bool QUxLineEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Move)
        hide();
    return QLineEdit::eventFilter(watched, event);
}

void QUxLineEdit::focusOutEvent(QFocusEvent*)
{
    emit editingFinished();
}

// --------------------------------------------------------------------- row

CUxSubscribeItem::CUxSubscribeItem(QUxListWidget* list) : QUxItemBase(list)
{
    setObjectName(QStringLiteral("SubscribeItemForm"));
    setBaseSize(520, 56);
    resize(520, 56);
    setAttribute(Qt::WA_TranslucentBackground);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* holder = new QWidget(this);
    holder->setObjectName(QStringLiteral("jjjjjkkkk"));
    outer->addWidget(holder);
    auto* holderLayout = new QVBoxLayout(holder);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    m_main = new QWidget(holder);
    m_main->setObjectName(QStringLiteral("main"));
    m_main->setAttribute(Qt::WA_StyledBackground, true);
    holderLayout->addWidget(m_main);

    auto* grid = new QGridLayout(m_main);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto* left = new QWidget(m_main);
    left->setObjectName(QStringLiteral("widget_4"));
    left->setFixedWidth(UIBaseData::scaled(22));
    grid->addWidget(left, 1, 0, 3, 1);
    m_labName = new QLabel(m_main);
    m_labName->setObjectName(QStringLiteral("labName"));
    m_labName->setTextFormat(Qt::PlainText);
    m_labName->setStyleSheet(QStringLiteral("color:#545766;"));
    QFont nameFont = m_labName->font();
    nameFont.setPixelSize(UIBaseData::scaled(13));
    nameFont.setWeight(75);
    m_labName->setFont(nameFont);
    grid->addWidget(m_labName, 1, 1);
    auto* gap = new QWidget(m_main);
    gap->setObjectName(QStringLiteral("widget_3"));
    gap->setFixedHeight(UIBaseData::scaled(6));
    gap->setBaseSize(400, 6);
    grid->addWidget(gap, 2, 1);
    m_labUrl = new QLabel(m_main);
    m_labUrl->setObjectName(QStringLiteral("labUrl"));
    m_labUrl->setTextFormat(Qt::PlainText);
    m_labUrl->setStyleSheet(QStringLiteral("color: rgb(98, 104, 115);"));
    QFont urlFont = m_labUrl->font();
    urlFont.setPixelSize(UIBaseData::scaled(13));
    m_labUrl->setFont(urlFont);
    grid->addWidget(m_labUrl, 3, 1);
    grid->addItem(new QSpacerItem(10, 10, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 2, 3, 1);
    m_btnRemove = new QPushButton(m_main);
    m_btnRemove->setObjectName(QStringLiteral("btnRemove"));
    m_btnRemove->setFixedSize(UIBaseData::scaled(9), UIBaseData::scaled(9));
    m_btnRemove->setFocusPolicy(Qt::NoFocus);
    m_btnRemove->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/res/subscribe_close_nor.png);}"
                                              "QPushButton:hover{border-image:url(:/res/subscribe_close_hover.png);}"
                                              "QPushButton:pressed{border-image:url(:/res/subscribe_close_down.png);}"));
    grid->addWidget(m_btnRemove, 1, 3, 3, 1);
    auto* right = new QWidget(m_main);
    right->setObjectName(QStringLiteral("widget_5"));
    right->setFixedWidth(UIBaseData::scaled(14));
    grid->addWidget(right, 0, 4, 5, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(4, 1);

    m_labName->installEventFilter(this);
    m_labUrl->installEventFilter(this);
    connect(m_btnRemove, &QPushButton::clicked, this, &CUxSubscribeItem::on_btnRemove_clicked);
    setNormalStyle();
}

int CUxSubscribeItem::itemHeight()
{
    return 56;
}

QRect CUxSubscribeItem::clickRect()
{
    return QRect(m_main->mapTo(this, QPoint(0, 0)), m_main->size());
}

void CUxSubscribeItem::setMainStyle(const char* image)
{
    m_main->setStyleSheet(QStringLiteral("#%1{border-image: url(:/res/%2);border:none;}")
                              .arg(m_main->objectName(), QLatin1String(image)));
}

void CUxSubscribeItem::setNormalStyle()
{
    setMainStyle("subscribe_hengtiao_nor.png");
}

void CUxSubscribeItem::setHoverStyle()
{
    setMainStyle("subscribe_hengtiao_hover.png");
}

void CUxSubscribeItem::setSelectedStyle()
{
    setMainStyle("subscribe_hengtiao_checked.png");
}

void CUxSubscribeItem::refreshTexts()
{
    SubscribeRecord record;
    if (!recordAt(index(), record))
        return;
    const int width = UIBaseData::scaled(400);
    const struct
    {
        QLabel* label;
        QString text;
    } rows[] = {{m_labName, record.title}, {m_labUrl, record.url}};
    for (const auto& r : rows) {
        r.label->setToolTip(r.text.isEmpty() ? QString() : Qt::convertFromPlainText(r.text));
        r.label->setText(QFontMetrics(r.label->font()).elidedText(r.text, Qt::ElideRight, width));
    }
}

void CUxSubscribeItem::openEditor()
{
    SubscribeRecord record;
    if (!recordAt(index(), record))
        return;
    auto* editor = new QUxLineEdit(this);
    m_editor = editor;
    editor->setText(record.title);
    editor->resize(m_labName->width(), UIBaseData::scaled(30));
    const QPoint anchor(-UIBaseData::scaled(2), UIBaseData::scaled(2) - m_labName->y());
    editor->move(m_labName->mapToGlobal(anchor));
    connect(editor, &QLineEdit::editingFinished, this, [this, editor] { onTitleEdited(editor); });
    editor->show();
    editor->activateWindow();
    editor->setFocus(Qt::OtherFocusReason);
}

void CUxSubscribeItem::onTitleEdited(QUxLineEdit* editor)
{
    // A finished editor also loses the focus; that second notice is not a
    // second edit.
    if (!editor->isVisible())
        return;
    const QString title = editor->text();
    if (title.isEmpty())
        return;
    editor->hide();
    SubscribeRecord record;
    if (!recordAt(index(), record))
        return;
    record.title = title;
    Youtube::instance()->updateSubscribeList(record);
    refreshTexts();
}

void CUxSubscribeItem::on_btnRemove_clicked()
{
    if (m_removing)
        return;
    SubscribeRecord record;
    if (!recordAt(index(), record))
        return;
    m_removing = true;
    Youtube::instance()->removeSubscribeList(record);
    listWidget()->removeItem(index(), true, 150, true);
}

bool CUxSubscribeItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_labName || watched == m_labUrl) {
        if (event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            QToolTip::showText(help->globalPos(), static_cast<QLabel*>(watched)->toolTip());
            return true;
        }
        if (watched == m_labName && event->type() == QEvent::MouseButtonDblClick) {
            openEditor();
            return true;
        }
    }
    return QUxItemBase::eventFilter(watched, event);
}

void CUxSubscribeItem::resizeEvent(QResizeEvent* event)
{
    refreshTexts();
    QUxItemBase::resizeEvent(event);
}

// ------------------------------------------------------------------ dialog

CUxSubscribeDialog::CUxSubscribeDialog(QWidget* parent) : PopupBase(parent)
{
    m_result = -1;
    buildForm();
    init(this, this, 0.125f, false);
    setCloseButton(m_btnClose);
}

void CUxSubscribeDialog::buildForm()
{
    setObjectName(QStringLiteral("SubscribeForm"));
    setBaseSize(518, 600);
    resize(518, 600);
    auto* bg = new QWidget(this);
    bg->setObjectName(QStringLiteral("Bg"));
    bg->setAttribute(Qt::WA_StyledBackground, true);
    bg->setStyleSheet(QStringLiteral("#Bg{border-image:url(:/res/bg_2.png);}"));
    placeAtDesign(bg, 0, 0, 518, 600);
    m_btnClose = new QPushButton(bg);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/res/close_nor1.png);}"
                                             "QPushButton:hover{border-image:url(:/res/close_hover.png);}"
                                             "QPushButton:pressed{border-image:url(:/res/close_down.png);}"
                                             "QPushButton:disabled{border-image:url(:/res/close_dis1.png);}"));
    placeAtDesign(m_btnClose, 472, 0, 46, 24);
    auto* title = new QLabel(tr("Subscribe Urls"), bg);
    title->setObjectName(QStringLiteral("label"));
    title->setAlignment(Qt::AlignCenter);
    title->setProperty("baseFontSize", 20);
    placeAtDesign(title, 0, 24, 518, 31);
    auto* frame = new QWidget(bg);
    frame->setObjectName(QStringLiteral("widget_2"));
    frame->setAttribute(Qt::WA_StyledBackground, true);
    frame->setStyleSheet(QStringLiteral("#widget_2{border-image:url(:/res/subscribe_bg.png) 40 40 40 40;"
                                        "border-width:40px;}"));
    placeAtDesign(frame, 0, 75, 518, 428);
    m_list = new QUxListWidget(frame);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setStyleSheet(QStringLiteral("border:none;"));
    placeAtDesign(m_list, 6, 8, 506, 410);
    auto* row = new QWidget(bg);
    row->setObjectName(QStringLiteral("widget_3"));
    placeAtDesign(row, 50, 520, 420, 31);
    m_btnCancel = new QPushButton(tr("Cancel"), row);
    m_btnCancel->setObjectName(QStringLiteral("btn_cancel"));
    m_btnCancel->setStyleSheet(imageButtonStyle(QStringLiteral("cancle"), false));
    placeAtDesign(m_btnCancel, 0, 1, 104, 29);
    m_btnDone = new QPushButton(tr("Analysis"), row);
    m_btnDone->setObjectName(QStringLiteral("btn_done"));
    m_btnDone->setStyleSheet(imageButtonStyle(QStringLiteral("done"), true));
    placeAtDesign(m_btnDone, 316, 1, 104, 29);
    for (QPushButton* b : {m_btnCancel, m_btnDone, m_btnClose}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        b->setProperty("baseFontSize", 12);
    }
    connect(m_btnClose, &QPushButton::clicked, this, &CUxSubscribeDialog::on_btnClose_clicked);
    connect(m_btnCancel, &QPushButton::clicked, this, &CUxSubscribeDialog::on_btn_cancel_clicked);
    connect(m_btnDone, &QPushButton::clicked, this, &CUxSubscribeDialog::on_btn_done_clicked);
}

int CUxSubscribeDialog::exec()
{
    PopupBase::exec(true);
    return m_result;
}

void CUxSubscribeDialog::fillList()
{
    m_list->setItemDragEnabled(false);
    m_list->setContentsMargins(0, 0, 0, 0);
    m_list->setBaseSize(506, 410);
    m_list->resize(UIBaseData::scaledSize(QSize(506, 410)));
    const QList<SubscribeRecord> records = Youtube::instance()->subscribeLists();
    for (int i = 0; i < records.size(); ++i) {
        auto* item = new CUxSubscribeItem(m_list);
        m_list->insertItem(item, false, -1);
        item->refreshTexts();
    }
    if (m_list->count() > 0)
        m_list->selectFirst();
    connect(m_list, &QUxListWidget::curSelectedItemChanged, this, &CUxSubscribeDialog::onListItemChanged);
    m_btnDone->setEnabled(!records.isEmpty() && m_list->currentIndex() != -1);
}

void CUxSubscribeDialog::showEvent(QShowEvent* event)
{
    if (!m_filled) {
        m_filled = true;
        fillList();
    }
    PopupBase::showEvent(event);
}

void CUxSubscribeDialog::onListItemChanged(int index)
{
    m_btnDone->setEnabled(index != -1);
}

void CUxSubscribeDialog::on_btn_done_clicked()
{
    m_result = m_list->currentIndex();
    close();
}

void CUxSubscribeDialog::on_btnClose_clicked()
{
    close();
}

void CUxSubscribeDialog::on_btn_cancel_clicked()
{
    close();
}
