// The drop-down list of combo boxes and the format button.
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/DropDownDialog.h"
#include "gui/common/FormatBtn.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QListWidget>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {
const QSize kRow(160, 24);

struct Fixture
{
    QWidget window;
    QPointer<QComboBox> combo;

    explicit Fixture(int items)
    {
        window.setGeometry(100, 100, 400, 400);
        combo = new QComboBox(&window);
        combo->setGeometry(20, 20, kRow.width(), kRow.height());
        for (int i = 0; i < items; ++i)
            combo->addItem(QStringLiteral("Entry %1").arg(i));
        window.show();
    }

    DropDownDialog* open()
    {
        return DropDownDialog::popup(combo->mapToGlobal(QPoint(0, 0)), kRow, combo, false, 13);
    }
};

void waitSlide(DropDownDialog* d)
{
    QTRY_COMPARE(d->slide()->state(), QAbstractAnimation::Stopped);
}
}

class TestDropDown : public QObject
{
    Q_OBJECT
private slots:
    void init() { UIBaseData::instance()->setScale(1.0f); }
    void cleanup()
    {
        if (DropDownDialog* d = DropDownDialog::current())
            d->clear();
        QTRY_VERIFY(DropDownDialog::current() == nullptr);
    }

    void opens_data();
    void opens();
    void toggles_data();
    void toggles();
    void clickChooses_data();
    void clickChooses();
    void focusLossKeepsIndex_data();
    void focusLossKeepsIndex();
    void comboDeletedWhileOpen_data();
    void comboDeletedWhileOpen();
    void windowDeletedWhileOpen();
    void nothingToShow();
    void cutToTheListWithoutCompositor();

    void formatButtonStrips();
    void formatButtonTakesItsStrips();
};

void TestDropDown::opens_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("rows");
    QTest::newRow("25 items") << 25 << 10;
    QTest::newRow("3 items") << 3 << 3;
}

void TestDropDown::opens()
{
    QFETCH(int, items);
    QFETCH(int, rows);
    Fixture f(items);
    f.combo->setCurrentIndex(2);
    DropDownDialog* d = f.open();
    QVERIFY(d);
    QCOMPARE(DropDownDialog::current(), d);
    QCOMPARE(d->list()->count(), items);
    QCOMPARE(d->list()->currentRow(), 2);
    QCOMPARE(d->list()->size(), QSize(kRow.width(), kRow.height() * rows));
    const QPoint g = f.combo->mapToGlobal(QPoint(0, 0));
    QCOMPARE(d->pos(), QPoint(g.x() - 7, g.y() + kRow.height() - 1));
    QCOMPARE(d->size(), QSize(kRow.width() + 14, kRow.height() * rows + 6));
    // It slides down from above into place.
    QVERIFY(d->content()->y() < 0);
    waitSlide(d);
    QCOMPARE(d->content()->pos(), QPoint(7, 0));
    QCOMPARE(d->list()->verticalScrollBar()->maximum() > 0, items > rows);
}

void TestDropDown::toggles_data()
{
    opens_data();
}

void TestDropDown::toggles()
{
    QFETCH(int, items);
    Fixture f(items);
    QPointer<DropDownDialog> d = f.open();
    waitSlide(d);
    QSignalSpy chosen(d.data(), &DropDownDialog::doChosenIndex);
    QVERIFY(!f.open());  // asking again closes it
    QVERIFY(DropDownDialog::current() == nullptr);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), -1);
    QTRY_VERIFY(d.isNull());  // slid up and gone
    // And the next request opens a fresh one.
    QVERIFY(f.open());
}

void TestDropDown::clickChooses_data()
{
    opens_data();
}

void TestDropDown::clickChooses()
{
    QFETCH(int, items);
    Fixture f(items);
    QPointer<DropDownDialog> d = f.open();
    waitSlide(d);
    QSignalSpy chosen(d.data(), &DropDownDialog::doChosenIndex);
    QListWidget* list = d->list();
    const QRect r = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(f.combo->currentIndex(), 1);
    QTRY_COMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), -1);
    QTRY_VERIFY(d.isNull());
}

void TestDropDown::focusLossKeepsIndex_data()
{
    opens_data();
}

void TestDropDown::focusLossKeepsIndex()
{
    QFETCH(int, items);
    Fixture f(items);
    f.combo->setCurrentIndex(2);
    QPointer<DropDownDialog> d = f.open();
    waitSlide(d);
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(d->list(), &out);
    QTRY_VERIFY(d.isNull());
    QCOMPARE(f.combo->currentIndex(), 2);
}

void TestDropDown::comboDeletedWhileOpen_data()
{
    QTest::addColumn<bool>("sliding");
    QTest::addColumn<int>("items");
    QTest::newRow("while sliding, 25") << true << 25;
    QTest::newRow("while sliding, 3") << true << 3;
    QTest::newRow("open, 25") << false << 25;
    QTest::newRow("open, 3") << false << 3;
}

void TestDropDown::comboDeletedWhileOpen()
{
    QFETCH(bool, sliding);
    QFETCH(int, items);
    Fixture f(items);
    QPointer<DropDownDialog> d = f.open();
    if (!sliding)
        waitSlide(d);
    QSignalSpy chosen(d.data(), &DropDownDialog::doChosenIndex);
    QListWidget* list = d->list();
    delete f.combo.data();
    QVERIFY(d.isNull() || d->combo() == nullptr);
    if (!sliding && d) {
        // A click that still lands on the closing list reports the row.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QVERIFY(chosen.contains(QVariantList{1}));
    }
    QTRY_VERIFY(d.isNull());
    QVERIFY(DropDownDialog::current() == nullptr);
}

void TestDropDown::windowDeletedWhileOpen()
{
    auto* f = new Fixture(5);
    QPointer<DropDownDialog> d = f->open();
    QVERIFY(d);
    delete f;
    QVERIFY(d.isNull());
    QVERIFY(DropDownDialog::current() == nullptr);
    Fixture g(3);
    QVERIFY(g.open());  // nothing left registered
}

void TestDropDown::nothingToShow()
{
    Fixture f(0);
    QVERIFY(!f.open());
    QVERIFY(DropDownDialog::current() == nullptr);
    QVERIFY(!DropDownDialog::popup(QPoint(), kRow, nullptr, false, 13));
    f.combo->addItem(QStringLiteral("now one"));
    QVERIFY(f.open());  // the empty request left nothing behind
}

void TestDropDown::cutToTheListWithoutCompositor()
{
    const bool was = UIBaseData::instance()->isCompositionEnabled();
    UIBaseData::instance()->setCompositionEnabled(false);
    Fixture f(3);
    DropDownDialog* d = f.open();
    UIBaseData::instance()->setCompositionEnabled(was);
    QCOMPARE(d->mask(), QRegion(7, 0, kRow.width(), d->height()));
}

void TestDropDown::formatButtonStrips()
{
    QWidget parent;
    parent.resize(300, 100);
    auto* button = new FormatBtn(&parent);
    button->setGeometry(50, 20, 100, 30);
    button->setStripSize(120, 32);
    parent.show();
    button->setState(1);
    QVERIFY(button->hoverStrip());
    QCOMPARE(button->hoverStrip()->parentWidget(), &parent);
    QCOMPARE(button->hoverStrip()->geometry(), QRect(43, 20, 120, 32));
    QVERIFY(button->hoverStrip()->isVisible());
    QVERIFY(button->hoverStrip()->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(button->styleSheet(), QStringLiteral("border:none; color:#494c59;"));
    button->setState(2);
    QVERIFY(!button->hoverStrip()->isVisible());
    QVERIFY(button->downStrip()->isVisible());
    QCOMPARE(button->styleSheet(), QStringLiteral("border:none; color:white;"));
    button->setCheckable(true);
    button->setChecked(true);  // onChecked: state 3
    QCOMPARE(button->state(), 3);
    QVERIFY(!button->downStrip()->isVisible());
    button->setChecked(false);
    QCOMPARE(button->state(), 0);
    // The strip images exist (resource or painted).
    QVERIFY(button->hoverStrip()->styleSheet().contains(QStringLiteral("recently_tiao_hover")));

    UIBaseData::instance()->setScale(1.5f);
    button->setState(1);
    QCOMPARE(button->hoverStrip()->geometry(), QRect(40, 20, 180, 48));
}

void TestDropDown::formatButtonTakesItsStrips()
{
    // The strips live in the parent; a button deleted while lit (a format
    // list rebuilt under the pointer) must not leave one shown.
    QWidget parent;
    parent.resize(300, 100);
    auto* button = new FormatBtn(&parent);
    button->setGeometry(50, 20, 100, 30);
    parent.show();
    button->setState(1);
    button->setState(2);
    QPointer<QWidget> hover = button->hoverStrip();
    QPointer<QWidget> down = button->downStrip();
    QVERIFY(hover && down && down->isVisible());
    delete button;
    QVERIFY(hover.isNull());
    QVERIFY(down.isNull());
    QVERIFY(parent.findChildren<QWidget*>().isEmpty());
}

QTEST_MAIN(TestDropDown)
#include "tst_dropdown.moc"
