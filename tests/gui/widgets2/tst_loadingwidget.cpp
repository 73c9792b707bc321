// The loading overlay and the title label.
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/LoadingWidget.h"
#include "gui/common/PNLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace {
// Counts the mouse presses a widget receives.
class PressCounter : public QObject
{
public:
    int presses = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress)
            ++presses;
        return false;
    }
};

void sendEvent(QWidget* w, QEvent::Type type)
{
    QEvent e(type);
    QCoreApplication::sendEvent(w, &e);
}
}

class TestLoadingWidget : public QObject
{
    Q_OBJECT
private slots:
    void init() { UIBaseData::instance()->setScale(1.0f); }
    void cleanup()
    {
        UIBaseData::instance()->setScale(1.0f);
        UIBaseData::instance()->setMainPopup(nullptr);
    }

    void playsTheBusyAnimation();
    void parentlessBlocksOnlyTheMainWindow();
    void showCentred();
    void hoverAndClick_data();
    void hoverAndClick();
    void stopFontFollowsScale();
    void cutToTheCardWithoutCompositor();

    void titleLabel();
};

void TestLoadingWidget::playsTheBusyAnimation()
{
    QWidget host;
    LoadingWidget w(&host, false);
    // The background card is half its drawn height at scale 1 (240 px), and
    // the animation half its frame size (100 px).
    QCOMPARE(w.backgroundLabel()->pixmap(Qt::ReturnByValue).size(), QSize(120, 120));
    QCOMPARE(w.size(), QSize(120, 120));
    QCOMPARE(w.movieLabel()->minimumSize(), QSize(50, 50));
    QCOMPARE(w.movieLabel()->maximumSize(), QSize(50, 50));
    QMovie* movie = w.movieLabel()->movie();
    QVERIFY(movie);
    QCOMPARE(movie->fileName(), QStringLiteral(":/res/tongyong.gif"));
    QVERIFY(movie->isValid());
    QCOMPARE(movie->scaledSize(), QSize(50, 50));
    QVERIFY(w.isAnimating());
    const int first = w.currentFrame();
    QTRY_VERIFY(w.currentFrame() != first);
}

void TestLoadingWidget::parentlessBlocksOnlyTheMainWindow()
{
    PopupBase main(nullptr);
    main.resize(400, 300);
    UIBaseData::instance()->setMainPopup(&main);
    static_cast<QWidget&>(main).show();
    QWidget other;
    other.resize(200, 100);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(QTest::qWaitForWindowExposed(&other));

    LoadingWidget w(nullptr, false);
    QCOMPARE(w.parentWidget(), static_cast<QWidget*>(&main));
    QCOMPARE(w.windowModality(), Qt::WindowModal);
    QVERIFY(w.isWindow());
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    PressCounter onMain;
    PressCounter onOther;
    main.installEventFilter(&onMain);
    other.installEventFilter(&onOther);
    // Through the window system, where modality is enforced.
    QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(onMain.presses, 0);
    QCOMPARE(onOther.presses, 1);
}

void TestLoadingWidget::showCentred()
{
    QWidget host;
    host.setGeometry(100, 80, 500, 400);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    LoadingWidget w(&host, false);
    w.showCentred();
    const QPoint g = host.mapToGlobal(QPoint(0, 0));
    QCOMPARE(w.pos(), g + QPoint((500 - w.width()) / 2, (400 - w.height()) / 2));
}

void TestLoadingWidget::hoverAndClick_data()
{
    QTest::addColumn<bool>("stoppable");
    QTest::newRow("stoppable") << true;
    QTest::newRow("not stoppable") << false;
}

void TestLoadingWidget::hoverAndClick()
{
    QFETCH(bool, stoppable);
    QWidget host;
    LoadingWidget w(&host, stoppable);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy stop(&w, &LoadingWidget::doStop);
    QCOMPARE(w.stopLabel() != nullptr, stoppable);
    QVERIFY(w.movieLabel()->isVisible());

    sendEvent(&w, QEvent::Enter);
    QCOMPARE(w.movieLabel()->isVisible(), !stoppable);
    if (stoppable) {
        QVERIFY(w.stopLabel()->isVisible());
        QCOMPARE(w.stopLabel()->text(), QStringLiteral("Stop\nAnalyzing"));
        // Clicks land on the widget itself, not on the card.
        QVERIFY(w.backgroundLabel()->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    QTest::mouseClick(&w, Qt::LeftButton);
    QTest::mouseClick(&w, Qt::LeftButton);
    QCOMPARE(stop.count(), stoppable ? 2 : 0);
    if (stoppable)
        QCOMPARE(stop.at(0).at(0).toBool(), false);

    sendEvent(&w, QEvent::Leave);
    QVERIFY(w.movieLabel()->isVisible());
    if (stoppable)
        QVERIFY(!w.stopLabel()->isVisible());
}

void TestLoadingWidget::stopFontFollowsScale()
{
    UIBaseData::instance()->setScale(1.5f);
    QWidget host;
    LoadingWidget w(&host, true);
    QCOMPARE(w.stopLabel()->font().pixelSize(), 34);
    QCOMPARE(w.stopLabel()->size(), w.size());
    QCOMPARE(w.movieLabel()->minimumSize(), QSize(75, 75));
}

void TestLoadingWidget::cutToTheCardWithoutCompositor()
{
    const bool was = UIBaseData::instance()->isCompositionEnabled();
    UIBaseData::instance()->setCompositionEnabled(false);
    QWidget host;
    LoadingWidget w(&host, false);
    UIBaseData::instance()->setCompositionEnabled(was);
    const QRegion mask = w.mask();
    QVERIFY(mask.contains(QPoint(w.width() / 2, w.height() / 2)));
    QVERIFY(!mask.contains(QPoint(0, 0)));  // a rounded corner
}

void TestLoadingWidget::titleLabel()
{
    PNLabel label;
    QCOMPARE(label.text(), QStringLiteral("Tarnwick"));
    QCOMPARE(label.objectName(), QStringLiteral("PNLabel"));
    auto* layout = qobject_cast<QHBoxLayout*>(label.layout());
    QVERIFY(layout);
    QCOMPARE(layout->objectName(), QStringLiteral("horizontalLayout_2"));
    QCOMPARE(layout->spacing(), 0);
    label.setText(QStringLiteral("Settings"));
    QCOMPARE(label.text(), QStringLiteral("Settings"));

    // A style-sheet background is painted.
    label.setStyleSheet(QStringLiteral("background-color: #FC673A;"));
    label.setText(QString());
    label.resize(40, 20);
    const QImage img = label.grab().toImage();
    QCOMPARE(img.pixelColor(20, 10), QColor(QStringLiteral("#FC673A")));
}

QTEST_MAIN(TestLoadingWidget)
#include "tst_loadingwidget.moc"
