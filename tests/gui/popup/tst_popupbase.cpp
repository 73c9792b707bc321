#include "gui/PopupBase.h"
#include "gui/ShadowDilaog.h"
#include "gui/UIBaseData/UIBaseData.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {
ScreenMetrics g_metrics;

void pretendScreen(qreal dpi, const QRect& geometry, const QRect& available = QRect())
{
    g_metrics.logicalDpi = dpi;
    g_metrics.geometry = geometry;
    g_metrics.available = available.isNull() ? geometry : available;
}

// A popup the way dialogs use it: a design size and a frame from init.
class Popup : public PopupBase
{
public:
    explicit Popup(QWidget* parent = nullptr, QSize base = QSize(400, 300), ShadowDilaog* shadow = nullptr)
        : PopupBase(parent, shadow)
    {
        setBaseSize(base);
    }
};
}

// Runs when the popup's modal loop has started.
class LoopProbe : public QObject
{
    Q_OBJECT
public:
    PopupBase* popup = nullptr;
    int calls = 0;
    int argument = 0;
    bool wasModal = false;
    bool wasVisible = false;
public slots:
    void closeIt(int value)
    {
        ++calls;
        argument = value;
        wasModal = popup->isModalRunning();
        wasVisible = popup->isVisible();
        popup->close();
    }
};

class TestPopupBase : public QObject
{
    Q_OBJECT

    Popup* m_main = nullptr;

private slots:
    void initTestCase()
    {
        PopupBase::setScreenMetricsProvider([](QScreen*) { return g_metrics; });
        pretendScreen(96, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
        UIBaseData::instance()->setCompositionEnabled(true);
        m_main = new Popup(nullptr, QSize(1078, 710), new ShadowDilaog(nullptr));
        UIBaseData::instance()->setTopLevelWindow(m_main->shadow());
        m_main->init(m_main, m_main, 1.0f, true);
        QCOMPARE(UIBaseData::instance()->mainPopup(), m_main);
        QCOMPARE(UIBaseData::instance()->fontFamily(), QStringLiteral("Tahoma"));
        QCOMPARE(UIBaseData::instance()->scale(), 1.0f);
        // No host: centred on the available area of the screen.
        QCOMPARE(m_main->pos(), QPoint((1920 - 1078) / 2, (1040 - 710) / 2));
        QCOMPARE(m_main->shadow()->pos(), m_main->pos() - QPoint(4, 4));
    }

    void cleanupTestCase()
    {
        delete m_main->shadow();   // the main popup is its child
    }

    void fitDpiRatio_data()
    {
        QTest::addColumn<float>("ratio");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<float>("expected");
        QTest::newRow("fits at 1.0") << 1.0f << QSize(1920, 1080) << 1.0f;
        QTest::newRow("144 dpi on 1600x900") << 1.5f << QSize(1600, 900) << 1.2f;
        QTest::newRow("144 dpi on 1920x1080") << 1.5f << QSize(1920, 1080) << 1.4f;
        QTest::newRow("192 dpi on 4k") << 2.0f << QSize(3840, 2160) << 2.0f;
        QTest::newRow("small screen") << 1.0f << QSize(800, 600) << 0.7f;
        QTest::newRow("tiny screen stops at the floor") << 1.0f << QSize(320, 240) << PopupBase::kMinDpiRatio;
    }
    void fitDpiRatio()
    {
        QFETCH(float, ratio);
        QFETCH(QSize, screen);
        QFETCH(float, expected);
        QVERIFY2(qAbs(PopupBase::fitDpiRatio(ratio, screen) - expected) < 0.001f,
                 qPrintable(QString::number(PopupBase::fitDpiRatio(ratio, screen))));
    }

    void applyDpiRatioThroughScreen()
    {
        pretendScreen(144, QRect(0, 0, 1600, 900));
        Popup popup(nullptr, QSize(888, 590));
        popup.init(&popup, &popup, 0.11525424f);
        QVERIFY(qAbs(popup.dpiRatio() - 1.2f) < 0.001f);
        QCOMPARE(popup.size(), QSize(1066, 708));
        QCOMPARE(popup.minimumSize(), popup.maximumSize());
        QVERIFY(popup.shadow());
        QCOMPARE(popup.shadow()->size(), QSize(1074, 716));
        // Only the main window's ratio becomes the interface factor.
        QCOMPARE(UIBaseData::instance()->scale(), 1.0f);
        pretendScreen(96, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
    }

    void mainWindowRatioIsTheInterfaceFactor()
    {
        pretendScreen(144, QRect(0, 0, 1600, 900));
        {
            Popup main(nullptr, QSize(1078, 710));
            main.init(&main, &main, 1.0f, true);
            QVERIFY(qAbs(UIBaseData::instance()->scale() - 1.2f) < 0.001f);
            QCOMPARE(main.size(), QSize(1294, 852));
            // Children are rescaled from their design properties.
            auto* child = new QLabel(&main);
            child->setProperty("basePos", QPoint(10, 20));
            child->setProperty("baseFontSize", 14);
            child->setBaseSize(100, 20);
            main.rescaleChildren(1.2f);
            QCOMPARE(child->pos(), QPoint(12, 24));
            QCOMPARE(child->size(), QSize(120, 24));
            QCOMPARE(child->font().pixelSize(), 16);
        }
        // A destroyed main window leaves no dangling main popup behind.
        QVERIFY(!UIBaseData::instance()->mainPopup());
        UIBaseData::instance()->setMainPopup(m_main);
        UIBaseData::instance()->setScale(1.0f);
        pretendScreen(96, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
    }

    void nestedPopupsRescaleThemselves()
    {
        Popup outer(nullptr, QSize(300, 200));
        auto* inner = new Popup(&outer, QSize(100, 50));
        inner->resize(7, 7);
        outer.rescaleChildren(2.0f);
        QCOMPARE(inner->size(), QSize(7, 7));
    }

    void parentlessPopupKeepsItsWindow()
    {
        Popup popup;
        QCOMPARE(popup.parentWidget(), m_main);
        QVERIFY(popup.isWindow());
    }

    // The shadow that init makes takes the popup's parent of that moment.
    // A popup parented elsewhere later may see that parent, and with it the
    // shadow, go first: it then carries on without a shadow.
    void shadowDeletedBeforeThePopup()
    {
        auto* first = new QWidget;
        QWidget second;
        auto* popup = new Popup(first);
        popup->init(popup);
        QPointer<ShadowDilaog> shadow = popup->shadow();
        QVERIFY(shadow);
        popup->setParent(&second, popup->windowFlags());
        delete first;
        QVERIFY(!shadow);
        QVERIFY(!popup->shadow());
        popup->show(true);
        QVERIFY(popup->isVisible());
        popup->close();
        QVERIFY(!popup->isVisible());
        delete popup;
    }

    void secondInitChangesNothing()
    {
        Popup popup;
        QWidget band(&popup);
        popup.init(&popup, &popup, 0.5f);
        popup.init(&popup, &band, 0.25f, true);
        QCOMPARE(popup.dragWidget(), &popup);
        QCOMPARE(popup.dragRatio(), 0.5f);
        QVERIFY(!popup.isMainWindowPopup());
        QCOMPARE(UIBaseData::instance()->mainPopup(), m_main);
    }

    void placement()
    {
        // Centred over the main popup, its host.
        m_main->move(100, 50);
        Popup popup(nullptr, QSize(400, 300));
        popup.init(&popup);
        popup.placeWindow();
        const QPoint mainPos = m_main->mapToGlobal(QPoint(0, 0));
        QCOMPARE(popup.pos(), mainPos + QPoint((1078 - 400) / 2, (710 - 300) / 2));
        QCOMPARE(popup.shadow()->pos(), popup.pos() - QPoint(4, 4));

        // A host hanging off the screen's edge: clamped into the available area.
        m_main->move(1700, 900);
        popup.placeWindow();
        QCOMPARE(popup.x(), 1920 - 400);
        QCOMPARE(popup.y(), 1040 - 300);
        m_main->move(0, 0);
    }

    void execRunsTheModalLoopAndReturnsZero()
    {
        Popup popup;
        popup.init(&popup);
        LoopProbe probe;
        probe.popup = &popup;
        int value = 7;
        popup.setPendingMethod(&probe, "closeIt", Q_ARG(int, value));
        QCOMPARE(popup.exec(true), 0);
        QCOMPARE(probe.calls, 1);
        QCOMPARE(probe.argument, 7);
        QVERIFY(probe.wasModal);
        QVERIFY(probe.wasVisible);
        QVERIFY(!popup.isModalRunning());
        QVERIFY(!popup.isVisible());
        QVERIFY(!popup.shadow()->isVisible());

        // The pending method runs once only.
        QTimer::singleShot(50, &popup, [&popup] { popup.close(); });
        popup.exec();
        QCOMPARE(probe.calls, 1);
    }

    void execWithoutComposition()
    {
        UIBaseData::instance()->setCompositionEnabled(false);
        Popup popup;
        popup.init(&popup);
        UIBaseData::instance()->setCompositionEnabled(true);
        QVERIFY(!popup.shadow());
        LoopProbe probe;
        probe.popup = &popup;
        popup.setPendingMethod(&probe, "closeIt", Q_ARG(int, 3));
        QCOMPARE(popup.exec(true), 0);
        QCOMPARE(probe.calls, 1);
        QVERIFY(probe.wasModal);
    }

    // Without a compositor the window is opaque (a translucent one only
    // costs the X server a redirected copy) and black where nothing paints,
    // which is how the server shows a translucent window's clear parts.
    void backgroundFollowsComposition_data()
    {
        QTest::addColumn<bool>("composition");
        QTest::newRow("composited") << true;
        QTest::newRow("bare X server") << false;
    }

    void backgroundFollowsComposition()
    {
        QFETCH(bool, composition);
        UIBaseData::instance()->setCompositionEnabled(composition);
        Popup popup(nullptr, QSize(60, 40));
        popup.init(&popup);
        UIBaseData::instance()->setCompositionEnabled(true);
        auto* card = new QLabel(&popup);
        card->setStyleSheet(QStringLiteral("background-color: white;"));
        card->setGeometry(10, 10, 20, 20);
        popup.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        QCOMPARE(popup.testAttribute(Qt::WA_TranslucentBackground), composition);

        const QImage shot = popup.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shot.pixel(20, 20), qRgb(255, 255, 255));
        QCOMPARE(shot.pixel(45, 30), composition ? qRgba(0, 0, 0, 0) : qRgb(0, 0, 0));
        // Where the card was is cleared again once it has moved.
        card->move(35, 10);
        const QImage again = popup.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(again.pixel(20, 20), composition ? qRgba(0, 0, 0, 0) : qRgb(0, 0, 0));
        popup.close();
    }

    void closesItDidNotAskForAreIgnored()
    {
        Popup popup;
        popup.init(&popup);
        popup.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        popup.QWidget::close();   // what the window manager does
        QVERIFY(popup.isVisible());
        QTest::keyClick(&popup, Qt::Key_Escape);
        QVERIFY(popup.isVisible());
        popup.shadow()->QWidget::close();
        QVERIFY(popup.shadow()->isVisible());
        popup.close();
        QVERIFY(!popup.isVisible());
        QVERIFY(!popup.shadow()->isVisible());
    }

    void cornerMask()
    {
        Popup popup(nullptr, QSize(40, 30));
        popup.init(&popup);
        popup.show(true);   // a hidden window gets its resize event when shown
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        const QRegion mask = popup.mask();
        QVERIFY(!mask.isEmpty());
        for (const QPoint& p : {QPoint(0, 0), QPoint(1, 0), QPoint(2, 0), QPoint(0, 1), QPoint(0, 2), QPoint(1, 1),
                                QPoint(39, 0), QPoint(37, 0), QPoint(38, 1), QPoint(0, 29), QPoint(39, 29),
                                QPoint(38, 28)})
            QVERIFY2(!mask.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        for (const QPoint& p : {QPoint(3, 0), QPoint(2, 1), QPoint(1, 2), QPoint(20, 15), QPoint(36, 0)})
            QVERIFY2(mask.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }

    void closeButtonTintsTheShadow()
    {
        Popup popup;
        popup.init(&popup);
        QPushButton button(&popup);
        popup.setCloseButton(&button);
        ShadowDilaog* shadow = popup.shadow();
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&button, &enter);
        QCOMPARE(shadow->currentColour(), QStringLiteral("FB604F"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
        QCOMPARE(shadow->currentColour(), QStringLiteral("ffffff"));

        popup.setCloseButton(nullptr);
        QCoreApplication::sendEvent(&button, &enter);
        QCOMPARE(shadow->currentColour(), QStringLiteral("ffffff"));
        QVERIFY(!shadow->closeButton());
    }

    void shadowLooksAsItsBorderImage()
    {
        // The frame paints the shadow ring itself; it must look exactly as
        // the border image of a style sheet does.
        ShadowDilaog shadow(nullptr);
        QWidget* frame = shadow.frame();
        frame->show();
        QWidget reference;
        reference.setStyleSheet(QStringLiteral("border-image:url(://res/shadow.png);border-width:7px;"));
        for (const QSize size : {QSize(120, 90), QSize(1086, 718)}) {
            shadow.resize(size);
            shadow.layout()->setGeometry(QRect(QPoint(), size));
            QCOMPARE(frame->size(), size);
            reference.resize(size);
            QImage ours(size, QImage::Format_ARGB32_Premultiplied);
            QImage theirs(size, QImage::Format_ARGB32_Premultiplied);
            ours.fill(Qt::white);
            theirs.fill(Qt::white);
            const QRegion whole(QRect(QPoint(), size));
            frame->render(&ours, QPoint(), whole, QWidget::RenderFlags());
            reference.render(&theirs, QPoint(), whole, QWidget::RenderFlags());
            QVERIFY(ours.pixel(size.width() / 2, 3) != qRgb(255, 255, 255));   // the ring is drawn
            QCOMPARE(ours, theirs);
        }
    }

    void dragMovesWindowAndShadowAndStopsAtTheBottom()
    {
        pretendScreen(96, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
        Popup popup(nullptr, QSize(400, 300));
        QWidget* band = &popup;
        popup.init(&popup, band, 0.2f);
        popup.move(100, 100);
        auto send = [band](QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button,
                           Qt::MouseButtons buttons) {
            QMouseEvent e(type, local, global, button, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(band, &e);
        };
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QPoint start = screen->geometry().topLeft() + QPoint(150, 110);
        send(QEvent::MouseButtonPress, QPoint(50, 10), start, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, QPoint(80, 15), start + QPoint(30, 5), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(popup.pos(), QPoint(130, 105));
        QCOMPARE(popup.shadow()->pos(), QPoint(126, 101));
        send(QEvent::MouseMove, QPoint(80, 15), start + QPoint(30, 5000), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(popup.y(), 1040 - 10);
        send(QEvent::MouseButtonRelease, QPoint(80, 15), start, Qt::LeftButton, Qt::NoButton);
        const QPoint stopped = popup.pos();
        send(QEvent::MouseMove, QPoint(80, 15), start + QPoint(-50, -50), Qt::NoButton, Qt::NoButton);
        QCOMPARE(popup.pos(), stopped);

        // A press below the band does not drag.
        send(QEvent::MouseButtonPress, QPoint(50, 200), start, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, QPoint(50, 200), start + QPoint(40, 40), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(popup.pos(), stopped);
    }

    // A popup that goes away in the middle of a drag (a countdown box that
    // ends itself) never sees the release; the next popup must not move
    // from the stale drag.
    void aLostReleaseLeavesNoStaleDrag()
    {
        pretendScreen(96, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
        auto send = [](QWidget* w, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button,
                       Qt::MouseButtons buttons) {
            QMouseEvent e(type, local, global, button, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &e);
        };
        const QPoint g(500, 500);
        {
            Popup gone(nullptr, QSize(400, 300));
            gone.init(&gone, &gone, 0.2f);
            send(&gone, QEvent::MouseButtonPress, QPoint(50, 10), g, Qt::LeftButton, Qt::LeftButton);
        }
        Popup next(nullptr, QSize(400, 300));
        next.init(&next, &next, 0.2f);
        next.move(100, 100);
        // A press below the band, then a move with the button held.
        send(&next, QEvent::MouseButtonPress, QPoint(50, 200), g + QPoint(300, 300), Qt::LeftButton,
             Qt::LeftButton);
        send(&next, QEvent::MouseMove, QPoint(60, 210), g + QPoint(310, 310), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(next.pos(), QPoint(100, 100));

        // A move with no button held ends a drag whose release went
        // elsewhere (such moves reach drag widgets that track the mouse).
        next.setMouseTracking(true);
        send(&next, QEvent::MouseButtonPress, QPoint(50, 10), g, Qt::LeftButton, Qt::LeftButton);
        send(&next, QEvent::MouseMove, QPoint(60, 10), g + QPoint(10, 0), Qt::NoButton, Qt::NoButton);
        send(&next, QEvent::MouseMove, QPoint(60, 10), g + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(next.pos(), QPoint(100, 100));
    }

    void dpiChangeOfTheCurrentScreenRescalesAndCentres()
    {
        Popup popup(nullptr, QSize(400, 300));
        popup.init(&popup);
        QCOMPARE(popup.size(), QSize(400, 300));
        pretendScreen(144, QRect(0, 0, 3840, 2160), QRect(0, 0, 3840, 2100));
        QScreen* screen = PopupBase::currentScreen();
        emit screen->logicalDotsPerInchChanged(144);
        QCOMPARE(popup.dpiRatio(), 1.5f);
        QCOMPARE(popup.size(), QSize(600, 450));
        QCOMPARE(popup.pos(), QPoint((3840 - 600) / 2, (2100 - 450) / 2));
        pretendScreen(96, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
        emit screen->logicalDotsPerInchChanged(96);
        QCOMPARE(popup.size(), QSize(400, 300));
        // The main popup followed as well, and with it the interface factor.
        QCOMPARE(UIBaseData::instance()->scale(), 1.0f);
    }

    void screensFallBackToThePrimary()
    {
        QCOMPARE(PopupBase::widgetScreen(nullptr), QGuiApplication::primaryScreen());
        QVERIFY(PopupBase::cursorScreen());
        QVERIFY(PopupBase::currentScreen());
    }
};

QTEST_MAIN(TestPopupBase)
#include "tst_popupbase.moc"
