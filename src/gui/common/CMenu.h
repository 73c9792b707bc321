#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QScreen;

// One row of the program's popup menus: an icon, a text and, for rows with
// a submenu, a ">" mark.
class MenuAction : public QWidget
{
    Q_OBJECT
public:
    // An option row with an icon (iconBase + "_nor.png" / "_hover.png").
    MenuAction(const QString& iconBase, const QString& text, int spacing);
    // A text row; withPicture keeps room for a mark picture on the left.
    MenuAction(const QString& text, int margin, bool withPicture);
    // The bare form; a menu's root row.
    MenuAction();
    ~MenuAction() override;

    void addSubAction(MenuAction* sub);
    virtual void setCurrentMark(const QString& imagePath);
    virtual void showSubMenuArrow();

    QList<MenuAction*> subActions() const { return m_subActions; }
    bool hasSubActions() const { return !m_subActions.isEmpty(); }
    MenuAction* owner() const { return m_owner; }
    MenuAction* expandedChild() const { return m_expandedChild; }
    void setExpandedChild(MenuAction* child) { m_expandedChild = child; }
    bool isMarked() const { return m_marked; }
    QString text() const;

    QWidget* bg() const { return m_bg; }
    QWidget* picture() const { return m_labPic; }
    QLabel* textLabel() const { return m_labText; }
    QLabel* subMenuLabel() const { return m_subMenuLab; }

signals:
    void doHover();
    void doLeave();
    void doClicked();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setupUi();
    void applyRowFont();
    int textWidth(const QString& text) const;

    QString m_iconBase;
    QList<MenuAction*> m_subActions;
    QPointer<MenuAction> m_owner;
    QPointer<MenuAction> m_expandedChild;
    bool m_marked = false;

    QWidget* m_bg = nullptr;
    QWidget* m_leftMargin = nullptr;
    QWidget* m_labPic = nullptr;
    QWidget* m_space = nullptr;
    QLabel* m_labText = nullptr;
    QLabel* m_subMenuLab = nullptr;
    QWidget* m_rightMargin = nullptr;
    QWidget* m_line = nullptr;
};

// The program's own popup menu. Only one is open at a time; asking for one
// while it is open closes it. A press outside its panels closes it.
//
// With desktop composition the menu is a translucent window over the
// screen's available area with the panels inside it. Without composition
// such a window would black out the screen, so every panel is then a window
// of its own size.
class CMenu : public QDialog
{
    Q_OBJECT
public:
    // Opens a menu of rows at pos (global) with rows of itemSize on screen,
    // or closes the open one. Returns the menu opened, null when it closed
    // one instead. The menu owns the rows it shows.
    static CMenu* popup(const QList<MenuAction*>& rows, QPoint pos, QSize itemSize,
                        QScreen* screen);
    static CMenu* instance();

    ~CMenu() override;

    bool usesScreenWindow() const { return m_screenWindow; }
    QRect screenRect() const { return m_screenRect; }
    QWidget* panel() const { return m_panel; }
    QListWidget* list() const { return m_list; }
    MenuAction* root() const { return m_root; }
    // The panel of row's submenu, null before it was opened.
    QWidget* subMenuPanel(MenuAction* row) const;
    // Global rectangle of a panel.
    static QRect globalRect(QWidget* panel);

signals:
    void doClose();

public slots:
    void clear();
    void onItemClicked(QListWidgetItem* item);
    void onItemHover();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CMenu(QWidget* parent, QScreen* screen);
    void build(const QList<MenuAction*>& rows, QPoint pos, QSize itemSize);
    void openSubMenu(MenuAction* row);
    void hover(MenuAction* row);
    bool insidePanels(const QPoint& global) const;
    bool isOpenerAt(const QPoint& global) const;
    void hideAll();
    QListWidget* makeList(QWidget* parent);

    QPointer<MenuAction> m_root;
    QListWidget* m_list = nullptr;
    QString m_listStyle;
    QWidget* m_screenWidget = nullptr;
    QWidget* m_panel = nullptr;
    QRect m_screenRect;
    bool m_closing = false;

    bool m_screenWindow = true;
    bool m_cleared = false;
    QHash<MenuAction*, QPointer<QWidget>> m_subPanels;
    QList<QPointer<QWidget>> m_panels;
    // The widget that asked for the menu: a press on it while the menu is
    // open only closes the menu, so that the widget toggles it.
    QPointer<QWidget> m_opener;
};
