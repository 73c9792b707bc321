#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CUxBtn.h"
#include "gui/common/CUxPushButton.h"
#include "gui/common/CUxTpTextIllus.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestUxButtons : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // A solid image of one colour, saved for the buttons to load.
    QString image(const QString& name, QSize size, QColor colour)
    {
        QImage img(size, QImage::Format_ARGB32);
        img.fill(colour);
        const QString path = m_dir.filePath(name + QStringLiteral(".png"));
        if (!QFile::exists(path))
            img.save(path);
        return path;
    }

    static QImage render(QWidget& w)
    {
        return w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }

    static void press(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        QMouseEvent ev(QEvent::MouseButtonPress, p, w->mapToGlobal(p), b, b, Qt::NoModifier);
        QApplication::sendEvent(w, &ev);
    }
    static void release(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        QMouseEvent ev(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), b, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(w, &ev);
    }
    static void send(QWidget* w, QEvent::Type t)
    {
        if (t == QEvent::FocusOut) {
            QFocusEvent ev(t);
            QApplication::sendEvent(w, &ev);
        } else {
            QEvent ev(t);
            QApplication::sendEvent(w, &ev);
        }
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void cleanup() { UIBaseData::instance()->setScale(1.0f); }

    // Events: e enter, l leave, p press inside, P press outside the hit
    // area, r release inside, R release outside, f focus out, x right press.
    void stateMachine_data()
    {
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QList<bool>>("checks");
        QTest::newRow("hover") << false << "e" << 1 << 0 << 0 << QList<bool>();
        QTest::newRow("hover and leave") << false << "el" << 0 << 0 << 0 << QList<bool>();
        QTest::newRow("press") << false << "ep" << 2 << 0 << 1 << QList<bool>();
        QTest::newRow("click") << false << "epr" << 0 << 1 << 1 << QList<bool>();
        QTest::newRow("release outside") << false << "epR" << 0 << 0 << 1 << QList<bool>();
        QTest::newRow("leave while pressed") << false << "epl" << 2 << 0 << 1 << QList<bool>();
        QTest::newRow("leave while pressed, release outside") << false << "eplR" << 0 << 0 << 1
                                                              << QList<bool>();
        QTest::newRow("press outside hit area") << false << "eP" << 1 << 0 << 0 << QList<bool>();
        QTest::newRow("other button") << false << "ex" << 1 << 0 << 0 << QList<bool>();
        QTest::newRow("focus out") << false << "epf" << 0 << 0 << 1 << QList<bool>();
        QTest::newRow("checkable once") << true << "epr" << 2 << 0 << 0 << QList<bool>({true});
        QTest::newRow("checkable twice") << true << "eprpr" << 1 << 0 << 0
                                         << QList<bool>({true, false});
        QTest::newRow("checkable twice, leave") << true << "eprprl" << 0 << 0 << 0
                                                << QList<bool>({true, false});
        QTest::newRow("checked keeps look on leave, enter, focus out") << true << "eprlef" << 2 << 0 << 0
                                                                       << QList<bool>({true});
    }

    void stateMachine()
    {
        QFETCH(bool, checkable);
        QFETCH(QString, events);
        QFETCH(int, state);
        QFETCH(int, clicks);
        QFETCH(int, presses);
        QFETCH(QList<bool>, checks);

        struct Btn : CUxBtn
        {
            using CUxBtn::CUxBtn;
            // Only the left half counts.
            QRect hitRect() override { return QRect(0, 0, width() / 2, height()); }
        } btn(nullptr);
        btn.resize(100, 30);
        btn.setCheckable(checkable);
        QSignalSpy clicked(&btn, &CUxBtn::clicked);
        QSignalSpy pressed(&btn, &CUxBtn::pressed);
        QSignalSpy checkedSpy(&btn, &CUxBtn::checked);
        for (QChar c : events) {
            switch (c.toLatin1()) {
            case 'e': send(&btn, QEvent::Enter); break;
            case 'l': send(&btn, QEvent::Leave); break;
            case 'f': send(&btn, QEvent::FocusOut); break;
            case 'p': press(&btn, QPoint(10, 10)); break;
            case 'P': press(&btn, QPoint(80, 10)); break;
            case 'r': release(&btn, QPoint(10, 10)); break;
            case 'R': release(&btn, QPoint(300, 10)); break;
            case 'x': press(&btn, QPoint(10, 10), Qt::RightButton); break;
            }
        }
        QCOMPARE(btn.state(), state);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(pressed.count(), presses);
        QList<bool> got;
        for (const QList<QVariant>& args : checkedSpy)
            got << args.at(0).toBool();
        QCOMPARE(got, checks);
    }

    void disabledIgnoresEverything()
    {
        CUxBtn btn;
        btn.resize(50, 20);
        btn.setBtnEnabled(false);
        QCOMPARE(btn.state(), 3);
        QVERIFY(!btn.isEnabled());
        QSignalSpy clicked(&btn, &CUxBtn::clicked);
        send(&btn, QEvent::Enter);
        send(&btn, QEvent::Leave);
        QCOMPARE(btn.state(), 3);
        btn.setBtnEnabled(true);
        QCOMPARE(btn.state(), 0);
        QVERIFY(btn.isEnabled());
    }

    void setCheckedSetsLook()
    {
        CUxBtn btn;
        btn.setChecked(true);
        QCOMPARE(btn.state(), 0); // not checkable: only stored
        QVERIFY(btn.isChecked());
        btn.setCheckable(true);
        btn.setChecked(true);
        QCOMPARE(btn.state(), 2);
        btn.setChecked(false);
        QCOMPARE(btn.state(), 0);
    }

    void pushButtonPaintsStateImage()
    {
        CUxPushButton btn;
        btn.resize(60, 20);
        btn.setImages(image("n", {12, 8}, Qt::red), image("h", {12, 8}, Qt::green),
                      image("d", {12, 8}, Qt::blue), 1.0f);
        QCOMPARE(render(btn).pixelColor(30, 10), QColor(Qt::red));
        QCOMPARE(render(btn).pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(render(btn).pixelColor(58, 18), QColor(Qt::red));
        send(&btn, QEvent::Enter);
        QCOMPARE(render(btn).pixelColor(30, 10), QColor(Qt::green));
        press(&btn, QPoint(5, 5));
        QCOMPARE(render(btn).pixelColor(30, 10), QColor(Qt::blue));
        // Disabled has no image: nothing is drawn.
        btn.setBtnEnabled(false);
        QCOMPARE(render(btn).pixel(30, 10), render(btn).pixel(30, 10));
        QVERIFY(render(btn).pixelColor(30, 10) != QColor(Qt::blue));
    }

    void stateImagesForAllStates()
    {
        CUxTpTextIllus btn;
        btn.setStateImages("l", "m", "r", 0.5f, 4);
        for (int s = 0; s < 4; ++s) {
            QCOMPARE(btn.image(s, CUxTpTextIllus::LeftSlice), QStringLiteral("l"));
            QCOMPARE(btn.image(s, CUxTpTextIllus::MiddleSlice), QStringLiteral("m"));
            QCOMPARE(btn.image(s, CUxTpTextIllus::RightSlice), QStringLiteral("r"));
        }
        btn.setStateImages("L", "M", "R", 0.5f, 1);
        QCOMPARE(btn.image(1, CUxTpTextIllus::LeftSlice), QStringLiteral("L"));
        QCOMPARE(btn.image(0, CUxTpTextIllus::LeftSlice), QStringLiteral("l"));
    }

    void disabledIconIsGreySilhouette()
    {
        CUxTpTextIllus btn;
        btn.setIcons(image("icon", {16, 16}, Qt::red), QString(), QString(), QString(), 1.0f);
        const QImage normal = btn.currentIcon().toImage();
        QCOMPARE(normal.pixelColor(8, 8), QColor(Qt::red));
        btn.setBtnEnabled(false);
        const QImage grey = btn.currentIcon().toImage().convertToFormat(QImage::Format_ARGB32);
        const QColor c = grey.pixelColor(8, 8);
        QCOMPARE(c.alpha(), 128);
        QCOMPARE(qRed(grey.pixel(8, 8)), qGreen(grey.pixel(8, 8)));
        // Hover without its own icon shows nothing.
        btn.setBtnEnabled(true);
        send(&btn, QEvent::Enter);
        QVERIFY(btn.currentIcon().isNull());
    }

    void iconAndTextSizeTheButton()
    {
        CUxTpTextIllus btn;
        btn.resize(10, 30);
        btn.setText(QStringLiteral("Download"));
        QCOMPARE(btn.toolTip(), QStringLiteral("Download"));
        btn.setIcons(image("ic2", {20, 20}, Qt::blue), QString(), QString(), QString(), 0.5f);
        btn.grab();
        QFont font;
        font.setPixelSize(12);
        const int textWidth = QFontMetrics(font).horizontalAdvance(QStringLiteral("Download"));
        // textMargin 3 + iconMargin 3 + spacing 6 + icon 10 + text.
        QCOMPARE(btn.width(), 3 + 3 + 6 + 10 + textWidth);
        QCOMPARE(btn.contentSize().width(), 6 + 2 * 3 + textWidth + 10);
    }

    // Three slices under an icon: the text is painted beside the icon.
    void slicesWithIconShowTheText()
    {
        CUxTpTextIllus btn;
        btn.resize(200, 30);
        const QString slice = image("slice", {8, 30}, Qt::black);
        btn.setStateImages(slice, slice, slice, 1.0f, 4);
        btn.setIcons(image("ic3", {20, 20}, Qt::blue), QString(), QString(), QString(), 0.5f);
        btn.setLayoutMode(2);
        btn.setTextColors(Qt::white, Qt::white, Qt::white, Qt::white);
        btn.setText(QStringLiteral("Paste"));
        const QImage withText = btn.grab().toImage();
        btn.setText(QString());
        const QImage withoutText = btn.grab().toImage();
        QVERIFY(withText != withoutText);
    }

    void backgroundModeSizesToText()
    {
        CUxTpTextIllus btn;
        btn.setBackgroundImages(image("bg", {40, 20}, Qt::gray), QString(), QString(), QString(), 10, 20,
                                1.0f, 0);
        btn.setIconVisible(false);
        btn.setText(QString());
        btn.grab();
        // Empty text: middle at its 30 px minimum, caps of 10 px each.
        QCOMPARE(btn.size(), QSize(10 + 30 + 10, 20));
    }

    // A button that resized itself in its first paint made its window paint
    // twice; it has its size from the moment it is shown.
    void slicedButtonIsSizedWhenShown_data()
    {
        QTest::addColumn<bool>("background");
        QTest::addColumn<QString>("text");
        QTest::newRow("background, empty text") << true << QString();
        QTest::newRow("background, text") << true << QStringLiteral("Check for Upgrade");
        QTest::newRow("three slices, text") << false << QStringLiteral("Check for Upgrade");
    }

    void slicedButtonIsSizedWhenShown()
    {
        QFETCH(bool, background);
        QFETCH(QString, text);
        QFont font;
        font.setPixelSize(12);
        const int textWidth = QFontMetrics(font).horizontalAdvance(text);
        CUxTpTextIllus btn;
        btn.resize(5, 5);
        btn.setIconVisible(false);
        QSize expected;
        if (background) {
            btn.setBackgroundImages(image("bg", {40, 20}, Qt::gray), QString(), QString(), QString(), 10, 20,
                                    1.0f, 0);
            expected = QSize(10 + qMax(textWidth + 6, 30) + 10, 20);
        } else {
            const QString slice = image("slice", {8, 30}, Qt::black);
            btn.setStateImages(slice, slice, slice, 1.0f, 4);
            expected = QSize(8 + qMax(textWidth, 8) + 8, 30);
        }
        btn.setText(text);
        btn.show();
        QCOMPARE(btn.size(), expected);
        // And its paint keeps that size.
        QVERIFY(QTest::qWaitForWindowExposed(&btn));
        btn.grab();
        QCOMPARE(btn.size(), expected);
    }
};

QTEST_MAIN(TestUxButtons)
#include "tst_uxbuttons.moc"
