#include "gui/common/DropDownDialog.h"

#include "gui/UIBaseData/UIBaseData.h"

#include <QComboBox>
#include <QEvent>
#include <QListWidget>
#include <QPainter>
#include <QPropertyAnimation>
#include <QRegion>
#include <QScrollBar>
#include <QVariant>

namespace {
QPointer<DropDownDialog> g_current;
}

DropDownDialog::DropDownDialog(QWidget* parent, int maxRows)
    : QDialog(parent)
    , m_maxRows(maxRows)
    , m_itemStyle(itemStyleTemplate())
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_content = new QWidget(this);
    m_content->show();
    m_slide = new QPropertyAnimation(m_content, "pos", this);
    m_slide->setDuration(100);
    connect(m_slide, &QPropertyAnimation::finished, this, &DropDownDialog::finished);
}

QString DropDownDialog::itemStyleTemplate()
{
    return QStringLiteral(
        "QListWidget {border: 0px;background-color: white;color: #656770;outline:0px;}"
        "QListWidget::item {color: #656770;    background-color: white;    padding-left: %1px;}"
        "QListWidget::item:selected {                      color: #656770;background-color: "
        "white;padding-left: %1px;icon:none;}"
        "QListWidget::item:hover {color: white;background-color: #3399FF;padding-left: %1px;}");
}

DropDownDialog::~DropDownDialog()
{
    if (g_current == this)
        g_current = nullptr;
}

DropDownDialog* DropDownDialog::current()
{
    return g_current.data();
}

DropDownDialog* DropDownDialog::popup(QPoint pos, QSize itemSize, QComboBox* combo,
                                      bool withToolTips, int itemPadding)
{
    if (DropDownDialog* open = g_current.data()) {
        open->clear();
        return nullptr;
    }
    // An empty list would stay registered, hidden, and swallow the next
    // request.
    if (!combo || combo->count() == 0)
        return nullptr;
    auto* dialog = new DropDownDialog(combo->window(), 10);
    g_current = dialog;
    dialog->showPopup(pos, itemSize, combo, withToolTips, itemPadding);
    return dialog;
}

void DropDownDialog::showPopup(QPoint pos, QSize itemSize, QComboBox* combo, bool withToolTips,
                               int itemPadding)
{
    if (!combo || combo->count() == 0)
        return;
    if (isVisible()) {
        if (m_list)
            m_list->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_combo = combo;
    connect(combo, &QObject::destroyed, this, &DropDownDialog::clear, Qt::UniqueConnection);

    m_list = new QListWidget(m_content);
    m_list->installEventFilter(this);
    m_list->setStyleSheet(m_itemStyle.arg(itemPadding));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->verticalScrollBar()->resize(UIBaseData::scaled(7), m_content->height());
    m_list->verticalScrollBar()->setStyleSheet(UIBaseData::scrollBarStyleSheet(7));
    m_list->setIconSize(UIBaseData::scaledSize(combo->property("baseIconSize").toSize()));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    connect(m_list, &QListWidget::itemClicked, this, &DropDownDialog::onItemClicked);

    for (int i = 0; i < combo->count(); ++i) {
        auto* item = new QListWidgetItem(combo->itemIcon(i), combo->itemText(i), m_list);
        item->setSizeHint(itemSize);
        QFont f;
        if (combo->font().pixelSize() > 0)
            f.setPixelSize(combo->font().pixelSize());
        item->setFont(f);
        if (withToolTips)
            item->setToolTip(combo->itemText(i));
    }
    m_list->setCurrentRow(combo->currentIndex());

    const int rows = qMin(m_list->count(), m_maxRows);
    m_list->resize(itemSize.width(), itemSize.height() * rows);
    move(pos.x() - m_shadowMargin, pos.y() + itemSize.height() - 1);
    resize(itemSize.width() + 2 * m_shadowMargin, itemSize.height() * rows + 6);
    // Without a compositor the shadow margin would show black: the window
    // is cut to the list instead.
    if (!UIBaseData::instance()->isCompositionEnabled())
        setMask(QRegion(m_shadowMargin, 0, itemSize.width(), height()));
    m_content->resize(itemSize.width(), height() + 2 - m_shadowMargin);
    m_content->move(m_shadowMargin, -height());

    m_slide->setEndValue(QPoint(m_shadowMargin, 0));
    m_slide->start();
    show();
    m_list->setFocus(Qt::OtherFocusReason);
}

void DropDownDialog::dispose()
{
    close();
    m_combo = nullptr;
    if (m_list) {
        m_list->removeEventFilter(this);
        m_list->clear();
        delete m_list;
        m_list = nullptr;
    }
    deleteLater();
}

void DropDownDialog::clear()
{
    if (g_current == this)
        g_current = nullptr;
    if (m_slide->state() == QAbstractAnimation::Running) {
        if (m_content->y() == 0)
            update();
        else
            dispose();
        return;
    }
    if (!m_list)
        return;  // already slid up and going away
    m_slide->setEndValue(QPoint(m_shadowMargin, -m_content->height()));
    m_slide->start();
    emit doChosenIndex(-1);
}

void DropDownDialog::finished()
{
    if (m_content->y() == 0)
        update();
    else
        dispose();
}

void DropDownDialog::onItemClicked(QListWidgetItem* item)
{
    if (!m_list || !item)
        return;
    const int row = m_list->row(item);
    if (m_combo)
        m_combo->setCurrentIndex(row);
    else
        emit doChosenIndex(row);
    QMetaObject::invokeMethod(this, "clear", Qt::QueuedConnection);
}

bool DropDownDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::FocusOut)
        QMetaObject::invokeMethod(this, "clear", Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void DropDownDialog::paintEvent(QPaintEvent* event)
{
    if (m_slide->state() != QAbstractAnimation::Running) {
        const QPixmap shadow =
            m_shadowPainter.shadowPixmap(m_shadowMargin, size(), QPointF(0, 3), QColor(QStringLiteral("#555555")));
        QPainter p(this);
        p.drawPixmap(rect(), shadow);
    }
    QWidget::paintEvent(event);
}
