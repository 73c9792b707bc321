#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoListSubArea.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextDocument>

CAreaItem::CAreaItem(int index, const SubLang& entry, QWidget* parent)
    : BaseWidget(parent), m_index(index), m_code(entry.name), m_checked(entry.checked)
{
    setObjectName(QStringLiteral("ytbSubItem"));
    setBaseSize(74, 20);
    resize(74, 20);
    m_subItem = new QWidget(this);
    m_subItem->setObjectName(QStringLiteral("subItem"));
    m_subItem->setGeometry(0, 0, 74, 20);
    m_subItem->setBaseSize(74, 20);
    m_subItem->setProperty("basePos", QPoint(0, 0));
    m_subItem->setStyleSheet(QStringLiteral(
        "#subItem\n{\nborder:none;\n\n\tborder-image: url(:/res/subtitles_kuang.png);\n}\n"));
    m_btnChecked = new QPushButton(m_subItem);
    m_btnChecked->setObjectName(QStringLiteral("BtnChecked"));
    m_btnChecked->setCheckable(true);
    m_btnChecked->setGeometry(7, 4, 12, 12);
    m_btnChecked->setBaseSize(12, 12);
    m_btnChecked->setProperty("basePos", QPoint(7, 4));
    m_btnChecked->setFocusPolicy(Qt::NoFocus);
    m_btnChecked->setStyleSheet(QStringLiteral(
        "QPushButton{border-image: url(:/res/choose_nor.png);color:white;}"
        "QPushButton:hover{border-image: url(:/res/choose_nor.png);}"
        "QPushButton:checked{border-image: url(:/res/choose_on.png);}"));
    m_labText = new QLabel(m_subItem);
    m_labText->setObjectName(QStringLiteral("labText"));
    m_labText->setGeometry(23, 0, 46, 20);
    m_labText->setBaseSize(46, 20);
    m_labText->setProperty("basePos", QPoint(23, 0));
    m_labText->setProperty("baseFontSize", 11);
    m_labText->setStyleSheet(QStringLiteral("color: rgb(98, 104, 115);"));
    m_labText->setTextFormat(Qt::PlainText);
    rescaleWidgetTree(this, UIBaseData::instance()->scale());
    // The area sizes the name and the frame to the name's width.
    m_labText->setMinimumSize(0, 0);
    m_subItem->setMinimumSize(0, 0);

    connect(m_btnChecked, &QPushButton::clicked, this, &CAreaItem::clicked);
    m_btnChecked->setChecked(m_checked);
    const QString name = UIBaseData::languageNativeName(m_code);
    m_labText->setText(name);
    m_labText->setToolTip(name.isEmpty() ? QString() : Qt::convertFromPlainText(name));
    m_labText->installEventFilter(this);
}

CAreaItem::~CAreaItem() = default;

bool CAreaItem::isChecked() const
{
    return m_btnChecked->isChecked();
}

bool CAreaItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_labText && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_btnChecked->setChecked(!m_btnChecked->isChecked());
        emit clicked(m_btnChecked->isChecked());
    }
    return BaseWidget::eventFilter(watched, event);
}

void CAreaItem::resizeEvent(QResizeEvent* event)
{
    // The area sets a chip's size; the design-size rescale must not undo it.
    QWidget::resizeEvent(event);
}

void CAreaItem::showEvent(QShowEvent* event)
{
    BaseWidget::showEvent(event);
}

CYtbVideoListSubArea::CYtbVideoListSubArea(QWidget* parent) : QWidget(parent)
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("mySublistWidget"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setDragEnabled(false);
    m_list->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_list->setAcceptDrops(false);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setStyleSheet(QStringLiteral(
        "QListWidget#mySublistWidget\n{\nborder:none;\n\tbackground-color: rgba(34, 34, 56, 0);\n}\n"
        "QScrollBar:vertical{width:7px;border:none;background:rgba(166, 166, 166, 0);margin:3px 0 3px 0;"
        "border-radius:4px;}"
        "QScrollBar::handle:vertical{background:rgb(166, 166, 166);border-radius:3px;min-height:59px;"
        "max-height:59px;}"
        "QScrollBar::handle:vertical:hover{background:rgb(166, 166, 166);border-radius:3px;min-height:59px;"
        "max-height:59px;}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;border:none;}"
        "QScrollBar::up-arrow:vertical,QScrollBar::down-arrow:vertical{border:none;background:none;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}"));
    m_list->installEventFilter(this);
}

CYtbVideoListSubArea::~CYtbVideoListSubArea() = default;

QList<CAreaItem*> CYtbVideoListSubArea::chips() const
{
    QList<CAreaItem*> out;
    for (int i = 0; i < m_list->count(); ++i)
        if (auto* chip = qobject_cast<CAreaItem*>(m_list->itemWidget(m_list->item(i))))
            out.append(chip);
    return out;
}

void CYtbVideoListSubArea::setLanguages(const QList<SubLang>& languages)
{
    // No sorting: a list sort over equal keys is not stable, and the chips
    // must stay in the engine's order.
    for (int i = 0; i < languages.size(); ++i) {
        auto* item = new QListWidgetItem(m_list);
        auto* chip = new CAreaItem(i, languages.at(i), m_list);
        connect(chip, &CAreaItem::clicked, this, &CYtbVideoListSubArea::onSubCheckedItemclicked);
        m_list->setItemWidget(item, chip);
        chip->show();
    }
    // Hidden and shown again: the Show event runs the chip sizing.
    m_list->hide();
    m_list->show();
}

void CYtbVideoListSubArea::onCleared()
{
    m_list->clear();
}

void CYtbVideoListSubArea::onSubListCatched(YoutubeMediaListInfo subs)
{
    onCleared();
    if (!subs.subLangs.isEmpty())
        setLanguages(subs.subLangs);
}

void CYtbVideoListSubArea::onSubCheckedItemclicked(bool bCheck)
{
    if (auto* chip = qobject_cast<CAreaItem*>(sender()))
        Youtube::instance()->setSubLangChecked(chip->index(), bCheck);
}

void CYtbVideoListSubArea::sizeChips()
{
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        auto* chip = qobject_cast<CAreaItem*>(m_list->itemWidget(item));
        if (!chip)
            continue;
        QLabel* label = chip->nameLabel();
        const int w = QFontMetrics(label->font()).horizontalAdvance(label->text());
        label->resize(w, UIBaseData::scaled(20));
        chip->frame()->resize(w + UIBaseData::scaled(23) + UIBaseData::scaled(7), UIBaseData::scaled(20));
        chip->resize(UIBaseData::scaled(15) + chip->frame()->width(), UIBaseData::scaled(23));
        item->setSizeHint(chip->size());
    }
}

bool CYtbVideoListSubArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && (event->type() == QEvent::Show || event->type() == QEvent::Resize)) {
        sizeChips();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CYtbVideoListSubArea::paintEvent(QPaintEvent*)
{
}

void CYtbVideoListSubArea::resizeEvent(QResizeEvent* event)
{
    m_list->setGeometry(0, 0, width(), height());
    QWidget::resizeEvent(event);
}

void CYtbVideoListSubArea::showEvent(QShowEvent* event)
{
    m_list->setGeometry(0, 0, width(), height());
    QWidget::showEvent(event);
}
