#include "gui/common/CMenu.h"

#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QPointer<CMenu> g_openMenu;
int g_panelCounter = 0;

const char* const kTextNormal = "color: #787878";
const char* const kTextHover = "color: #0A9BF6";

// Painted into the resources with the other frame images.
const char* const kShadowImage = "://res/shadow.png";

// Gives every row below row that has no parent yet to owner, so that the
// rows of submenus never opened are deleted with the menu too.
void adoptSubRows(MenuAction* row, QWidget* owner)
{
    const QList<MenuAction*> subs = row->subActions();
    for (MenuAction* sub : subs) {
        if (!sub)
            continue;
        if (!sub->parent()) {
            sub->setParent(owner);
            sub->hide();
        }
        adoptSubRows(sub, owner);
    }
}

// The widget that stands for "what was clicked" at pos: the nearest button
// around the widget under the pointer, or that widget itself.
QWidget* openerAt(const QPoint& global)
{
    QWidget* w = QApplication::widgetAt(global);
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (p->isWindow())
            break;
        if (qobject_cast<QAbstractButton*>(p) || p->inherits("CUxBtn") || p->inherits("BtnWidget"))
            return p;
    }
    return w;
}
}

// ---- MenuAction -------------------------------------------------------------

MenuAction::MenuAction()
{
    setupUi();
}

MenuAction::MenuAction(const QString& iconBase, const QString& text, int spacing)
    : m_iconBase(iconBase)
{
    setupUi();
    m_subMenuLab->hide();
    m_leftMargin->setMinimumWidth(UIBaseData::scaled(spacing));
    m_rightMargin->setMinimumWidth(UIBaseData::scaled(spacing + 2));
    m_labPic->setMinimumWidth(UIBaseData::scaled(18));
    m_space->setMinimumWidth(UIBaseData::scaled(10));
    m_labPic->setStyleSheet(QStringLiteral("border-image: url(%1_nor.png)").arg(m_iconBase));
    m_labText->setText(text);
    applyRowFont();
    setMinimumWidth(2 * m_leftMargin->minimumWidth() + m_space->minimumWidth()
                    + m_labPic->minimumWidth() + UIBaseData::scaled(7) + textWidth(text));
}

MenuAction::MenuAction(const QString& text, int margin, bool withPicture)
{
    setupUi();
    m_subMenuLab->hide();
    m_space->hide();
    m_rightMargin->setMinimumWidth(UIBaseData::scaled(margin));
    m_labText->setText(text);
    applyRowFont();
    if (withPicture) {
        m_leftMargin->hide();
        m_labPic->setMinimumWidth(UIBaseData::scaled(18));
        setMinimumWidth(m_rightMargin->minimumWidth() + m_labPic->minimumWidth()
                        + UIBaseData::scaled(7) + textWidth(text));
    } else {
        m_labPic->hide();
        m_leftMargin->setMinimumWidth(UIBaseData::scaled(margin));
        setMinimumWidth(m_rightMargin->minimumWidth() + m_leftMargin->minimumWidth()
                        + UIBaseData::scaled(7) + textWidth(text));
    }
}

MenuAction::~MenuAction() = default;

void MenuAction::setupUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("MenuAction"));
    resize(146, 30);
    setBaseSize(146, 30);
    setStyleSheet(QStringLiteral("border:1px solid transparent;"));
    auto* rowLayout = new QVBoxLayout(this);
    rowLayout->setSpacing(0);
    rowLayout->setContentsMargins(0, 0, 0, 0);

    m_bg = new QWidget(this);
    m_bg->setObjectName(QStringLiteral("bg"));
    m_bg->setAttribute(Qt::WA_StyledBackground);
    auto* bgLayout = new QVBoxLayout(m_bg);
    bgLayout->setSpacing(0);
    bgLayout->setContentsMargins(0, 0, 0, 0);
    bgLayout->addItem(new QSpacerItem(20, 2, QSizePolicy::Minimum, QSizePolicy::Expanding));
    auto* h = new QHBoxLayout;
    h->setSpacing(0);
    h->setContentsMargins(0, 0, 0, 0);
    bgLayout->addLayout(h);
    bgLayout->addItem(new QSpacerItem(20, 2, QSizePolicy::Minimum, QSizePolicy::Expanding));
    bgLayout->setStretch(0, 5);
    bgLayout->setStretch(1, 18);
    bgLayout->setStretch(2, 5);

    auto fixedPart = [this](const char* name, int w) {
        auto* part = new QWidget(m_bg);
        part->setObjectName(QString::fromLatin1(name));
        part->setMinimumSize(w, 0);
        part->setBaseSize(w, 0);
        return part;
    };
    m_leftMargin = fixedPart("leftMargin", 4);
    m_labPic = fixedPart("lab_pic", 18);
    m_labPic->setAttribute(Qt::WA_StyledBackground);
    m_space = fixedPart("space", 10);
    m_labText = new QLabel(m_bg);
    m_labText->setObjectName(QStringLiteral("lab_text"));
    m_labText->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_labText->setStyleSheet(QStringLiteral("color: #787878;\nborder:1px solid #02ffffff;"));
    m_subMenuLab = new QLabel(m_bg);
    m_subMenuLab->setObjectName(QStringLiteral("subMenuLab"));
    m_rightMargin = new QWidget(m_bg);
    m_rightMargin->setObjectName(QStringLiteral("rightMargin"));
    h->addWidget(m_leftMargin);
    h->addWidget(m_labPic);
    h->addWidget(m_space);
    h->addWidget(m_labText);
    h->addWidget(m_subMenuLab);
    h->addWidget(m_rightMargin);

    m_line = new QWidget(this);
    m_line->setObjectName(QStringLiteral("widget"));
    m_line->setAttribute(Qt::WA_StyledBackground);
    m_line->setStyleSheet(QStringLiteral(
        "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 rgba(255, 255, "
        "255, 255), stop:1 rgba(232, 232, 232, 255));\nmargin-left:7px;\nmargin-right:7px;"));
    rowLayout->addWidget(m_bg);
    rowLayout->addWidget(m_line);
    rowLayout->setStretch(0, 28);
    rowLayout->setStretch(1, 2);
}

void MenuAction::applyRowFont()
{
    QFont f = m_labText->font();
    f.setPixelSize(qMax(1, UIBaseData::scaled(12)));
    const QString family = UIBaseData::instance()->fontFamily();
    if (!family.isEmpty())
        f.setFamily(family);
    m_labText->setFont(f);
    m_subMenuLab->setFont(f);
}

int MenuAction::textWidth(const QString& text) const
{
    return QFontMetrics(m_labText->font()).horizontalAdvance(text);
}

QString MenuAction::text() const
{
    return m_labText->text();
}

void MenuAction::addSubAction(MenuAction* sub)
{
    if (!sub)
        return;
    m_subActions.append(sub);
    sub->m_owner = this;
}

void MenuAction::setCurrentMark(const QString& imagePath)
{
    m_marked = true;
    m_labPic->setStyleSheet(QStringLiteral("border-image: url(%1)").arg(imagePath));
    m_labText->setStyleSheet(QStringLiteral("color: #83cb3a"));
}

void MenuAction::showSubMenuArrow()
{
    m_subMenuLab->setText(QStringLiteral(">"));
    m_subMenuLab->show();
    m_subMenuLab->adjustSize();
    setMinimumWidth(minimumWidth() + textWidth(QStringLiteral(">")));
}

void MenuAction::enterEvent(QEvent* event)
{
    if (!m_marked) {
        m_labPic->setStyleSheet(QStringLiteral("border-image: url(%1_hover.png)").arg(m_iconBase));
        m_labText->setStyleSheet(QString::fromLatin1(kTextHover));
        m_subMenuLab->setStyleSheet(QString::fromLatin1(kTextHover));
        m_bg->setStyleSheet(QStringLiteral("#bg{background-color:#F3F9FF;}"));
        emit doHover();
    }
    QWidget::enterEvent(event);
}

void MenuAction::leaveEvent(QEvent* event)
{
    if (!m_marked) {
        m_labPic->setStyleSheet(QStringLiteral("border-image: url(%1_nor.png)").arg(m_iconBase));
        m_labText->setStyleSheet(QString::fromLatin1(kTextNormal));
        m_subMenuLab->setStyleSheet(QString::fromLatin1(kTextNormal));
        m_bg->setStyleSheet(QString());
    }
    QWidget::leaveEvent(event);
}

void MenuAction::mouseReleaseEvent(QMouseEvent* event)
{
    // The current choice swallows its click; any other row lets the list
    // see the release and report the click.
    if (m_marked) {
        event->accept();
        return;
    }
    event->ignore();
}

// ---- CMenu ----------------------------------------------------------------------

CMenu* CMenu::instance()
{
    return g_openMenu.data();
}

CMenu::CMenu(QWidget* parent, QScreen* screen)
    : QDialog(parent)
    , m_listStyle(QStringLiteral(
          "QListWidget { border: 0px; background-color: white; outline:0px; } QListWidget::item { "
          "border: none; }"))
{
    m_screenWindow = UIBaseData::instance()->isCompositionEnabled();
    if (!screen)
        screen = PopupBase::cursorScreen();
    m_screenRect = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    if (m_screenWindow) {
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_TranslucentBackground);
        setGeometry(m_screenRect);
    } else {
        // Opaque panel-sized windows that take no focus and are placed
        // exactly where asked, with or without a window manager.
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint
                       | Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    m_screenWidget = new QWidget(this);
    m_screenWidget->setObjectName(QStringLiteral("screen"));
    m_screenWidget->setGeometry(0, 0, width(), height());
}

CMenu::~CMenu()
{
    if (qApp)
        qApp->removeEventFilter(this);
    if (g_openMenu == this)
        g_openMenu = nullptr;
}

CMenu* CMenu::popup(const QList<MenuAction*>& rows, QPoint pos, QSize itemSize, QScreen* screen)
{
    if (CMenu* open = g_openMenu.data()) {
        open->clear();
        // The rows were built for a menu that is not shown.
        for (MenuAction* row : rows) {
            if (row && !row->parent()) {
                adoptSubRows(row, row);
                row->deleteLater();
            }
        }
        return nullptr;
    }
    QWidget* parent = UIBaseData::instance()->mainPopup();
    auto* menu = new CMenu(parent, screen);
    g_openMenu = menu;
    menu->m_opener = openerAt(QCursor::pos());
    menu->build(rows, pos, itemSize);
    return menu;
}

QListWidget* CMenu::makeList(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setStyleSheet(m_listStyle);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFrameShape(QFrame::NoFrame);
    connect(list, &QListWidget::itemClicked, this, &CMenu::onItemClicked);
    return list;
}

void CMenu::build(const QList<MenuAction*>& rows, QPoint pos, QSize itemSize)
{
    if (rows.isEmpty())
        return;  // stays registered until the next popup or clear
    m_root = new MenuAction;
    m_root->setParent(this);
    m_root->hide();
    for (MenuAction* row : rows)
        m_root->addSubAction(row);
    for (MenuAction* row : rows)
        adoptSubRows(row, m_root);

    const int count = rows.size();
    // Position inside the screen area, shifted so that the rows fit.
    QPoint p = QPoint(pos.x() - 2, pos.y()) - m_screenRect.topLeft();
    if (p.x() >= 0 && p.x() + itemSize.width() > m_screenRect.width())
        p.setX(m_screenRect.width() - itemSize.width());
    if (p.x() < 0)
        p.setX(0);
    if (p.y() + itemSize.height() * count > m_screenRect.height())
        p.setY(m_screenRect.height() - itemSize.height() * count);

    const int itemWidth = itemSize.width() - 2;
    const QSize panelSize(itemWidth + 4, itemSize.height() * count + 2);
    if (!m_screenWindow) {
        setGeometry(QRect(m_screenRect.topLeft() + p, panelSize));
        m_screenWidget->setGeometry(0, 0, panelSize.width(), panelSize.height());
        p = QPoint(0, 0);
    }
    m_panel = new QWidget(m_screenWidget);
    m_panel->setObjectName(QStringLiteral("shadow"));
    m_panel->setAttribute(Qt::WA_StyledBackground);
    m_panel->setStyleSheet(QStringLiteral("#shadow{border-image:url(%1);border-width:4px;}")
                               .arg(QLatin1String(kShadowImage)));
    m_panel->setGeometry(QRect(p, panelSize));
    m_panels.append(m_panel);

    m_list = makeList(m_panel);
    m_list->setGeometry(2, 0, itemWidth + 4, itemSize.height() * count);
    m_list->verticalScrollBar()->resize(UIBaseData::scaled(7), m_panel->height());
    m_list->verticalScrollBar()->setStyleSheet(UIBaseData::scrollBarStyleSheet(7));
    for (MenuAction* row : rows) {
        auto* item = new QListWidgetItem(m_list);
        item->setSizeHint(QSize(itemWidth, itemSize.height()));
        m_list->setItemWidget(item, row);
        connect(row, &MenuAction::doHover, this, &CMenu::onItemHover);
    }
    m_list->setCurrentRow(0);
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive)
            return;
        // Focus hops between our own windows pass through "inactive" for a
        // moment; only a lasting loss (another program) closes the menu.
        QTimer::singleShot(100, this, [this] {
            if (QGuiApplication::applicationState() != Qt::ApplicationActive && !m_closing)
                clear();
        });
    });
    show();
}

QWidget* CMenu::subMenuPanel(MenuAction* row) const
{
    return m_subPanels.value(row).data();
}

QRect CMenu::globalRect(QWidget* panel)
{
    if (!panel)
        return QRect();
    return QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size());
}

void CMenu::openSubMenu(MenuAction* row)
{
    if (QWidget* existing = m_subPanels.value(row).data()) {
        existing->show();
        existing->raise();
        return;
    }
    const QList<MenuAction*> subs = row->subActions();
    int width = 0;
    for (MenuAction* sub : subs)
        width = qMax(width, sub->minimumWidth());
    const int itemHeight = UIBaseData::scaled(30);
    const int n = subs.size();

    const QPoint g = row->mapToGlobal(QPoint(0, 0));
    int x = g.x() - width - 5;
    if (x < m_screenRect.x())
        x = g.x() + 5 + row->width();
    int y = g.y();
    if (m_screenRect.y() + m_screenRect.height() < n * itemHeight + y)
        y = g.y() - (n - 1) * itemHeight;
    // The frame adds 4 pixels: keep its last row on the screen too.
    const int panelHeight = n * itemHeight + 4;
    if (y + panelHeight > m_screenRect.y() + m_screenRect.height())
        y = m_screenRect.y() + m_screenRect.height() - panelHeight;

    const int id = ++g_panelCounter;
    const QString name = QStringLiteral("shadow_%1").arg(id);
    const QSize size(width + 4, panelHeight);
    QWidget* panel;
    if (m_screenWindow) {
        panel = new QWidget(m_screenWidget);
        panel->setGeometry(QRect(m_screenWidget->mapFromGlobal(QPoint(x, y)), size));
    } else {
        panel = new QWidget(this, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint
                                      | Qt::WindowStaysOnTopHint);
        panel->setAttribute(Qt::WA_ShowWithoutActivating);
        panel->setGeometry(QRect(QPoint(x, y), size));
    }
    panel->setObjectName(name);
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("#%1{border-image:url(%2);border-width:7px;}")
                             .arg(name, QLatin1String(kShadowImage)));
    m_subPanels.insert(row, panel);
    m_panels.append(panel);

    QListWidget* list = makeList(panel);
    list->setGeometry(2, 2, size.width() - 4, size.height() - 4);
    for (MenuAction* sub : subs) {
        auto* item = new QListWidgetItem(list);
        item->setSizeHint(QSize(width, itemHeight));
        list->setItemWidget(item, sub);
        connect(sub, &MenuAction::doHover, this, &CMenu::onItemHover);
    }
    list->setCurrentRow(0);
    panel->show();
    panel->raise();
    connect(row, &MenuAction::doLeave, panel, &QWidget::hide);
}

void CMenu::hover(MenuAction* row)
{
    MenuAction* owner = row->owner();
    if (owner && owner->expandedChild() && owner->expandedChild() != row)
        emit owner->expandedChild()->doLeave();
    if (row->hasSubActions()) {
        openSubMenu(row);
        if (owner)
            owner->setExpandedChild(row);
    }
}

void CMenu::onItemHover()
{
    if (auto* row = qobject_cast<MenuAction*>(sender()))
        hover(row);
}

void CMenu::onItemClicked(QListWidgetItem* item)
{
    auto* list = qobject_cast<QListWidget*>(sender());
    auto* row = list ? qobject_cast<MenuAction*>(list->itemWidget(item)) : nullptr;
    if (!row) {
        QMetaObject::invokeMethod(this, "clear", Qt::QueuedConnection);
        return;
    }
    hover(row);
    if (row->hasSubActions())
        return;
    m_closing = true;
    hideAll();
    emit row->doClicked();
    QMetaObject::invokeMethod(this, "clear", Qt::QueuedConnection);
}

void CMenu::hideAll()
{
    for (const QPointer<QWidget>& p : qAsConst(m_panels)) {
        if (p && p->isWindow())
            p->hide();
    }
    hide();
}

void CMenu::clear()
{
    if (g_openMenu == this)
        g_openMenu = nullptr;
    // A second call must not discard the delete the first one posted.
    if (m_cleared)
        return;
    m_cleared = true;
    QCoreApplication::removePostedEvents(this);
    qApp->removeEventFilter(this);
    emit doClose();
    hideAll();
    close();
    deleteLater();
}

bool CMenu::insidePanels(const QPoint& global) const
{
    for (const QPointer<QWidget>& p : m_panels) {
        if (p && p->isVisible() && globalRect(p).contains(global))
            return true;
    }
    return false;
}

bool CMenu::isOpenerAt(const QPoint& global) const
{
    return m_opener && m_opener->isVisible() && globalRect(m_opener).contains(global);
}

bool CMenu::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    // Once a row was clicked the menu is hidden and its queued clear() ends
    // it; presses meanwhile (in a dialog the row opened) are not for it.
    if ((t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick) && watched->isWidgetType()
        && !m_cleared && !m_closing) {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPos();
        if (!insidePanels(global)) {
            // A press on the menu's own transparent area, or on the widget
            // that opened it, only closes the menu; any other press also
            // goes on to where it was aimed.
            const bool own = watched == this || isAncestorOf(static_cast<QWidget*>(watched));
            const bool opener = isOpenerAt(global);
            clear();
            return own || opener;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CMenu::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate && m_screenWindow && !m_closing) {
        clear();
        return true;
    }
    return QDialog::event(event);
}
