// The popup menu on a real X server without a compositor, once in each of
// its two window layouts.
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CMenu.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {
const QSize kItem(150, 30);

struct Rows
{
    QList<MenuAction*> all;
    MenuAction* settings = nullptr;
    MenuAction* language = nullptr;
    MenuAction* about = nullptr;
    MenuAction* english = nullptr;
    MenuAction* french = nullptr;
};

// An options menu: two plain rows and a language row with a submenu whose
// current language is marked.
Rows makeRows()
{
    Rows r;
    r.settings = new MenuAction(QStringLiteral(":/res/menu_setting"), QStringLiteral("Settings"), 4);
    r.language = new MenuAction(QStringLiteral(":/res/menu_language"), QStringLiteral("Language"), 4);
    r.about = new MenuAction(QStringLiteral(":/res/menu_about"), QStringLiteral("About"), 4);
    r.english = new MenuAction(QStringLiteral("English"), 10, true);
    r.french = new MenuAction(QStringLiteral("Français"), 10, true);
    r.english->setCurrentMark(QStringLiteral(":/res/menu_mark.png"));
    r.language->addSubAction(r.english);
    r.language->addSubAction(r.french);
    r.language->showSubMenuArrow();
    r.all = {r.settings, r.language, r.about};
    return r;
}

void send(QWidget* w, QEvent::Type type)
{
    QEvent e(type);
    QCoreApplication::sendEvent(w, &e);
}

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}
}

class TestMenu : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void toggleThroughTheButton_data() { modes(); }
    void toggleThroughTheButton();
    void edgeShift_data() { modes(); }
    void edgeShift();
    void subMenuSides_data() { modes(); }
    void subMenuSides();
    void hoverSwitchesSubMenus_data() { modes(); }
    void hoverSwitchesSubMenus();
    void oneClickPerRow_data() { modes(); }
    void oneClickPerRow();
    void markedRowDoesNothing_data() { modes(); }
    void markedRowDoesNothing();
    void outsidePressCloses_data() { modes(); }
    void outsidePressCloses();
    void pressInsideKeepsItOpen_data() { modes(); }
    void pressInsideKeepsItOpen();
    void pressWhileARowRuns_data() { modes(); }
    void pressWhileARowRuns();
    void clearTwiceStillDeletes();
    void emptyMenu();
    void rowsDieWithTheMenu();

private:
    void modes();
    void waitClosed();
};

void TestMenu::modes()
{
    QTest::addColumn<bool>("composited");
    QTest::newRow("panel windows") << false;
    QTest::newRow("screen window") << true;
}

void TestMenu::init()
{
    UIBaseData::instance()->setScale(1.0f);
    if (QTest::currentDataTag())
        UIBaseData::instance()->setCompositionEnabled(
            QByteArray(QTest::currentDataTag()) == "screen window");
}

void TestMenu::cleanup()
{
    if (CMenu* m = CMenu::instance())
        m->clear();
    waitClosed();
    UIBaseData::instance()->setCompositionEnabled(false);
}

void TestMenu::waitClosed()
{
    QTRY_VERIFY(CMenu::instance() == nullptr);
    // Let the deferred deletes run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMenu::toggleThroughTheButton()
{
    QFETCH(bool, composited);
    QWidget window;
    window.setGeometry(available().x() + 200, available().y() + 200, 400, 300);
    auto* button = new QPushButton(QStringLiteral("Options"), &window);
    button->setGeometry(300, 10, 80, 30);
    int opened = 0;
    connect(button, &QPushButton::clicked, [&] {
        if (CMenu::popup(makeRows().all, button->mapToGlobal(QPoint(0, button->height())), kItem,
                         nullptr))
            ++opened;
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseMove(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(opened, 1);
    CMenu* menu = CMenu::instance();
    QVERIFY(menu);
    QCOMPARE(menu->usesScreenWindow(), composited);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    if (!composited) {
        // Only the panel is a window: the rest of the screen stays usable.
        QCOMPARE(menu->geometry(), CMenu::globalRect(menu->panel()));
        QVERIFY(!menu->testAttribute(Qt::WA_TranslucentBackground));
    }
    QSignalSpy closed(menu, &CMenu::doClose);

    // The second click on the button closes the menu and does not reopen it.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    waitClosed();
    QCOMPARE(opened, 1);

    // The third opens it again.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(opened, 2);
    QVERIFY(CMenu::instance());

    // Asking for a menu while one is open only closes it.
    QVERIFY(!CMenu::popup(makeRows().all, QPoint(10, 10), kItem, nullptr));
    waitClosed();
}

void TestMenu::edgeShift()
{
    const QRect a = available();
    Rows rows = makeRows();
    CMenu* menu = CMenu::popup(rows.all, QPoint(a.right() - 3, a.bottom() - 10), kItem, nullptr);
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const QRect panel = CMenu::globalRect(menu->panel());
    // The full item width fits at the right, the rows fit at the bottom.
    QCOMPARE(panel.x(), a.x() + a.width() - kItem.width());
    QCOMPARE(panel.y(), a.y() + a.height() - kItem.height() * 3);
    QCOMPARE(panel.size(), QSize(kItem.width() - 2 + 4, kItem.height() * 3 + 2));
    QCOMPARE(menu->list()->count(), 3);

    menu->clear();
    waitClosed();
    // Left of the screen: x becomes 0.
    rows = makeRows();
    menu = CMenu::popup(rows.all, QPoint(a.x() + 1, a.y() + 100), kItem, nullptr);
    QVERIFY(menu);
    QCOMPARE(CMenu::globalRect(menu->panel()).topLeft(), QPoint(a.x(), a.y() + 100));
}

void TestMenu::subMenuSides()
{
    QFETCH(bool, composited);
    const QRect a = available();
    // Room on the left of the row: the submenu opens there.
    Rows rows = makeRows();
    CMenu* menu = CMenu::popup(rows.all, QPoint(a.x() + 600, a.y() + 100), kItem, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    send(rows.language, QEvent::Enter);
    QWidget* sub = menu->subMenuPanel(rows.language);
    QVERIFY(sub);
    QVERIFY(sub->isVisible());
    // Without composition every panel is a window of its own.
    QCOMPARE(sub->isWindow(), !composited);
    const QRect row = CMenu::globalRect(rows.language);
    QRect s = CMenu::globalRect(sub);
    QVERIFY2(s.right() < row.left(), qPrintable(QStringLiteral("%1 %2").arg(s.right()).arg(row.left())));
    QCOMPARE(s.top(), row.top());
    menu->clear();
    waitClosed();

    // At the left edge of the screen it flips to the right of the row.
    rows = makeRows();
    menu = CMenu::popup(rows.all, QPoint(a.x(), a.y() + 100), kItem, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    send(rows.language, QEvent::Enter);
    sub = menu->subMenuPanel(rows.language);
    QVERIFY(sub);
    s = CMenu::globalRect(sub);
    QCOMPARE(s.left(), CMenu::globalRect(rows.language).right() + 1 + 5);
    menu->clear();
    waitClosed();

    // The last row at the bottom of the screen: the submenu ends at its row
    // instead of starting there.
    rows = makeRows();
    const QList<MenuAction*> languageLast{rows.settings, rows.about, rows.language};
    menu = CMenu::popup(languageLast, QPoint(a.x() + 600, a.bottom()), kItem, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    send(rows.language, QEvent::Enter);
    sub = menu->subMenuPanel(rows.language);
    QVERIFY(sub);
    s = CMenu::globalRect(sub);
    const int itemHeight = UIBaseData::scaled(30);
    // Its frame is 4 pixels taller than its rows, and stays on the screen.
    QCOMPARE(s.top(), qMin(CMenu::globalRect(rows.language).top() - itemHeight,
                           a.y() + a.height() - (2 * itemHeight + 4)));
    QCOMPARE(s.bottom(), a.bottom());
}

void TestMenu::hoverSwitchesSubMenus()
{
    Rows rows = makeRows();
    CMenu* menu = CMenu::popup(rows.all, QPoint(available().x() + 600, available().y() + 100), kItem,
                               nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    send(rows.language, QEvent::Enter);
    QWidget* sub = menu->subMenuPanel(rows.language);
    QVERIFY(sub && sub->isVisible());
    QCOMPARE(menu->root()->expandedChild(), rows.language);
    send(rows.language, QEvent::Leave);
    send(rows.about, QEvent::Enter);
    QVERIFY(!sub->isVisible());
    // Back on the row: the same panel shows again.
    send(rows.language, QEvent::Enter);
    QCOMPARE(menu->subMenuPanel(rows.language), sub);
    QVERIFY(sub->isVisible());
}

void TestMenu::oneClickPerRow()
{
    Rows rows = makeRows();
    QSignalSpy settings(rows.settings, &MenuAction::doClicked);
    QSignalSpy about(rows.about, &MenuAction::doClicked);
    CMenu* menu = CMenu::popup(rows.all, QPoint(available().x() + 300, available().y() + 100), kItem,
                               nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QSignalSpy closed(menu, &CMenu::doClose);
    QTest::mouseClick(rows.about, Qt::LeftButton);
    QCOMPARE(about.count(), 1);
    QCOMPARE(settings.count(), 0);
    QVERIFY(!menu->isVisible());  // hidden at once
    waitClosed();
    QCOMPARE(closed.count(), 1);

    // A row of a submenu closes the whole menu.
    rows = makeRows();
    QSignalSpy french(rows.french, &MenuAction::doClicked);
    menu = CMenu::popup(rows.all, QPoint(available().x() + 600, available().y() + 100), kItem, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(rows.language, Qt::LeftButton);  // opens the submenu only
    QVERIFY(menu->subMenuPanel(rows.language));
    QVERIFY(CMenu::instance());
    QWidget* sub = menu->subMenuPanel(rows.language);
    QVERIFY(QTest::qWaitForWindowExposed(sub));
    QTest::mouseClick(rows.french, Qt::LeftButton);
    QCOMPARE(french.count(), 1);
    QVERIFY(!sub->isVisible());
    waitClosed();
}

void TestMenu::markedRowDoesNothing()
{
    Rows rows = makeRows();
    QSignalSpy english(rows.english, &MenuAction::doClicked);
    CMenu* menu = CMenu::popup(rows.all, QPoint(available().x() + 600, available().y() + 100), kItem,
                               nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    send(rows.language, QEvent::Enter);
    QWidget* sub = menu->subMenuPanel(rows.language);
    QVERIFY(QTest::qWaitForWindowExposed(sub));
    const QString look = rows.english->textLabel()->styleSheet();
    send(rows.english, QEvent::Enter);
    QCOMPARE(rows.english->textLabel()->styleSheet(), look);  // keeps its mark
    QTest::mouseClick(rows.english, Qt::LeftButton);
    QCOMPARE(english.count(), 0);
    QCOMPARE(CMenu::instance(), menu);
    QVERIFY(menu->isVisible());
}

void TestMenu::outsidePressCloses()
{
    QWidget window;
    window.setGeometry(available().x() + 700, available().y() + 500, 300, 200);
    auto* other = new QPushButton(QStringLiteral("Other"), &window);
    other->setGeometry(10, 10, 100, 30);
    QSignalSpy otherClicked(other, &QPushButton::clicked);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    Rows rows = makeRows();
    CMenu* menu = CMenu::popup(rows.all, QPoint(available().x() + 100, available().y() + 100), kItem,
                               nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QSignalSpy closed(menu, &CMenu::doClose);
    // Through the window system, as a real press arrives.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(50, 25));
    QCOMPARE(closed.count(), 1);
    waitClosed();
    // The press was not meant for the menu: it reaches its target.
    QCOMPARE(otherClicked.count(), 1);
}

void TestMenu::pressInsideKeepsItOpen()
{
    Rows rows = makeRows();
    CMenu* menu = CMenu::popup(rows.all, QPoint(available().x() + 100, available().y() + 100), kItem,
                               nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mousePress(rows.settings, Qt::LeftButton);
    QCOMPARE(CMenu::instance(), menu);
    QTest::mouseRelease(rows.settings, Qt::LeftButton);
    waitClosed();  // that was a click on a plain row
}

void TestMenu::pressWhileARowRuns()
{
    // A row's handler that opens a dialog: the user clicks in it before the
    // menu, already hidden, is cleared.
    QWidget dialog;
    dialog.setGeometry(available().x() + 700, available().y() + 500, 300, 200);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    Rows rows = makeRows();
    QPointer<CMenu> menu = CMenu::popup(rows.all, QPoint(available().x() + 100, available().y() + 100),
                                        kItem, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QSignalSpy closed(menu.data(), &CMenu::doClose);
    int closedInHandler = -1;
    connect(rows.settings, &MenuAction::doClicked, [&] {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(50, 50));
        closedInHandler = closed.count();
    });
    QTest::mouseClick(rows.settings, Qt::LeftButton);
    QCOMPARE(closedInHandler, 0);
    QTRY_VERIFY(menu.isNull());
    QCOMPARE(closed.count(), 1);
}

void TestMenu::clearTwiceStillDeletes()
{
    Rows rows = makeRows();
    QPointer<CMenu> menu = CMenu::popup(rows.all, QPoint(100, 100), kItem, nullptr);
    QVERIFY(menu);
    QSignalSpy closed(menu.data(), &CMenu::doClose);
    menu->clear();
    menu->clear();
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(menu.isNull());
}

void TestMenu::emptyMenu()
{
    CMenu* menu = CMenu::popup({}, QPoint(10, 10), kItem, nullptr);
    QVERIFY(menu);
    QVERIFY(!menu->isVisible());
    QCOMPARE(CMenu::instance(), menu);
    // It stays registered until the next request, which only removes it.
    QVERIFY(!CMenu::popup({}, QPoint(10, 10), kItem, nullptr));
    waitClosed();
}

void TestMenu::rowsDieWithTheMenu()
{
    // Rows of a submenu that was never opened, and rows handed to a request
    // that only closed the open menu, go with the menu.
    Rows rows = makeRows();
    QPointer<MenuAction> french = rows.french;
    QPointer<MenuAction> settings = rows.settings;
    QVERIFY(CMenu::popup(rows.all, QPoint(100, 100), kItem, nullptr));
    Rows unused = makeRows();
    QPointer<MenuAction> unusedFrench = unused.french;
    QPointer<MenuAction> unusedAbout = unused.about;
    QVERIFY(!CMenu::popup(unused.all, QPoint(100, 100), kItem, nullptr));
    waitClosed();
    QTRY_VERIFY(french.isNull() && settings.isNull());
    QTRY_VERIFY(unusedFrench.isNull() && unusedAbout.isNull());
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
