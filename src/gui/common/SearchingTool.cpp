#include "gui/common/SearchingTool.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/DropDownDialog.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QScrollBar>

namespace {
bool isSameOrAncestor(const QObject* ancestor, const QObject* obj)
{
    for (const QObject* o = obj; o; o = o->parent()) {
        if (o == ancestor)
            return true;
    }
    return false;
}
}

SearchingTool::SearchingTool(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("SearchingTool"));
    resize(400, 300);
    setWindowTitle(QStringLiteral("Form"));
    setAttribute(Qt::WA_MouseTracking);
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

SearchingTool::~SearchingTool()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void SearchingTool::showList(QWidget* target, QStringList items, QFont font)
{
    if (items.isEmpty() || !target) {
        m_items.clear();
        hide();
        return;
    }
    m_target = target;
    m_items = items;
    m_font = font;
    const QPoint g = target->mapToGlobal(QPoint(0, 0));
    const int w = target->width();
    const int h = target->height();

    if (!m_list) {
        m_list = new QListWidget(this);
        m_list->move(0, 0);
        m_list->setAttribute(Qt::WA_MouseTracking);
        m_list->setFocusPolicy(Qt::StrongFocus);
        m_list->installEventFilter(this);
        m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(m_list, &QListWidget::itemClicked, this, &SearchingTool::onItemClicked);
    }
    m_list->clear();
    m_list->setStyleSheet(DropDownDialog::itemStyleTemplate().arg(6));
    m_list->verticalScrollBar()->resize(UIBaseData::scaled(7), height());
    m_list->verticalScrollBar()->setStyleSheet(UIBaseData::scrollBarStyleSheet(7));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    for (const QString& text : qAsConst(m_items)) {
        auto* item = new QListWidgetItem(text, m_list);
        item->setFont(m_font);
        item->setSizeHint(QSize(w, h));
    }
    const int rows = qMin(m_list->count(), m_maxRows);
    m_list->resize(w, h * rows);
    resize(w, h * rows + 6);
    move(g.x(), g.y() + h - 1);
    show();
}

void SearchingTool::onItemClicked(QListWidgetItem* item)
{
    if (item)
        emit doClicked(item->text());
}

bool SearchingTool::isInside(QObject* watched) const
{
    return isSameOrAncestor(this, watched) || (m_target && isSameOrAncestor(m_target, watched));
}

bool SearchingTool::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the application passes here; none is consumed. Window
    // objects see a press before the widget under it does, so only widgets
    // decide.
    if (!watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (isInside(watched)) {
            if (m_target && !m_items.isEmpty() && !isVisible())
                showList(m_target, m_items, m_font);
        } else if (isVisible()) {
            hide();
        }
        break;
    case QEvent::FocusOut:
        if (m_target && watched == m_target && isVisible()) {
            // Focus moving into the list itself (a click on a row) keeps it.
            QWidget* next = QApplication::focusWidget();
            if (!next || !isSameOrAncestor(this, next))
                hide();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
