// The picture-and-text button.
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/BtnWidget.h"

#include <QAnimationGroup>
#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Fixture
{
    BtnWidget button;
    QWidget* pic = nullptr;
    QWidget* space = nullptr;
    QLabel* text = nullptr;

    Fixture()
    {
        // The parts sit one level down, as a form lays them out.
        auto* frame = new QWidget(&button);
        frame->setObjectName(QStringLiteral("frame"));
        auto* layout = new QHBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        pic = new QWidget(frame);
        pic->setObjectName(QStringLiteral("BtnWidget_Pic_download"));
        pic->setBaseSize(20, 20);
        space = new QWidget(frame);
        space->setObjectName(QStringLiteral("horizontalspace"));
        space->setBaseSize(6, 0);
        text = new QLabel(QStringLiteral("Download"), frame);
        text->setObjectName(QStringLiteral("label_text"));
        text->setProperty("baseFontSize", 12);
        layout->addWidget(pic);
        layout->addWidget(space);
        layout->addWidget(text);
        button.setObjectName(QStringLiteral("downloadButton"));
        button.resize(120, 30);
    }
};

void writeImage(const QString& path)
{
    QImage img(8, 8, QImage::Format_ARGB32);
    img.fill(Qt::red);
    QVERIFY(img.save(path));
}

void send(QWidget* w, QEvent::Type type)
{
    QEvent e(type);
    QCoreApplication::sendEvent(w, &e);
}
}

class TestBtnWidget : public QObject
{
    Q_OBJECT
private slots:
    void init() { UIBaseData::instance()->setScale(1.0f); }
    void cleanup() { UIBaseData::instance()->setScale(1.0f); }

    void stateImage_data();
    void stateImage();
    void findsItsParts();
    void picturePerState();
    void textColors_data();
    void textColors();
    void clicks();
    void fitToText();
    void hop();
    void checkedIgnoresEvents();
    void basePositions();
};

void TestBtnWidget::stateImage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("expected");
    const QString f = QDir::tempPath() + QStringLiteral("/F");
    QTest::newRow("normal") << f + "/back.png" << 0 << f + "/back_nor.png";
    QTest::newRow("hover") << f + "/back.png" << 1 << f + "/back_hover.png";
    QTest::newRow("pressed") << f + "/back.png" << 2 << f + "/back_down.png";
    QTest::newRow("checked") << f + "/back.png" << 3 << f + "/back_checked.png";
    QTest::newRow("disabled") << f + "/back.png" << 4 << f + "/back_dis.png";
    QTest::newRow("unknown state") << f + "/back.png" << 5 << f + "/back.png";
    QTest::newRow("resource") << ":/res/back.png" << 1 << ":/res/back_hover.png";
    QTest::newRow("two dots") << f + "/my.icon.png" << 1 << f + "/my_hover.icon.png";
    QTest::newRow("empty") << QString() << 1 << QString();
}

void TestBtnWidget::stateImage()
{
    QFETCH(QString, path);
    QFETCH(int, state);
    QFETCH(QString, expected);
    QCOMPARE(BtnWidget::stateImage(path, state), expected);
}

void TestBtnWidget::findsItsParts()
{
    Fixture f;
    f.button.fitToText();
    QCOMPARE(f.button.picWidget(), f.pic);
    QCOMPARE(f.button.spaceWidget(), f.space);
    QCOMPARE(f.button.textLabel(), f.text);
}

void TestBtnWidget::picturePerState()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString base = dir.filePath(QStringLiteral("back.png"));
    writeImage(dir.filePath(QStringLiteral("back_nor.png")));
    writeImage(dir.filePath(QStringLiteral("back_hover.png")));
    writeImage(dir.filePath(QStringLiteral("back_down.png")));
    // No back_dis.png.
    Fixture f;
    f.button.setImage(base);
    QVERIFY(f.pic->styleSheet().contains(QStringLiteral("back_nor.png")));
    send(&f.button, QEvent::Enter);
    QVERIFY(f.pic->styleSheet().contains(QStringLiteral("back_hover.png")));
    QTest::mousePress(&f.button, Qt::LeftButton);
    QVERIFY(f.pic->styleSheet().contains(QStringLiteral("back_down.png")));
    QTest::mouseRelease(&f.button, Qt::LeftButton, {}, QPoint(500, 500));
    send(&f.button, QEvent::Leave);
    QVERIFY(f.pic->styleSheet().contains(QStringLiteral("back_nor.png")));
    // The disabled picture is missing: the one shown stays.
    f.button.setEnabled(false);
    QVERIFY(f.pic->styleSheet().contains(QStringLiteral("back_nor.png")));
}

void TestBtnWidget::textColors_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("used");  // normal, hover, pressed, disabled
    QTest::newRow("only normal") << QStringList{"#111111", "", "", ""}
                                 << QStringList{"#111111", "#111111", "#111111", "#111111"};
    QTest::newRow("pressed takes hover") << QStringList{"#111111", "#222222", "", ""}
                                         << QStringList{"#111111", "#222222", "#222222", "#111111"};
    QTest::newRow("all four") << QStringList{"#111111", "#222222", "#333333", "#444444"}
                              << QStringList{"#111111", "#222222", "#333333", "#444444"};
}

void TestBtnWidget::textColors()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, used);
    Fixture f;
    f.button.show();
    f.button.setTextColors(given[0], given[1], given[2], given[3]);
    QCOMPARE(f.button.currentTextColor(), used[0]);
    QVERIFY(f.button.styleSheet().contains(QStringLiteral("QWidget{color:%1; }").arg(used[0])));
    send(&f.button, QEvent::Enter);
    QCOMPARE(f.button.currentTextColor(), used[1]);
    QTest::mousePress(&f.button, Qt::LeftButton);
    QCOMPARE(f.button.currentTextColor(), used[2]);
    QTest::mouseRelease(&f.button, Qt::LeftButton, {}, QPoint(500, 500));
    send(&f.button, QEvent::Leave);
    QCOMPARE(f.button.currentTextColor(), used[0]);
    f.button.setEnabled(false);
    QCOMPARE(f.button.currentTextColor(), used[3]);
}

void TestBtnWidget::clicks()
{
    Fixture f;
    f.button.setTextColors(QStringLiteral("#111111"), QStringLiteral("#222222"), QString(), QString());
    f.button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.button));
    QSignalSpy clicked(&f.button, &BtnWidget::doClicked);

    // Pressed, dragged out and released outside: nothing.
    QTest::mousePress(&f.button, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 5), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.button, &move);
    QCOMPARE(f.button.currentTextColor(), QStringLiteral("#111111"));  // normal look outside
    QTest::mouseRelease(&f.button, Qt::LeftButton, {}, QPoint(300, 5));
    QCOMPARE(clicked.count(), 0);

    // A click over it without keyboard focus: one doClicked, normal look.
    send(&f.button, QEvent::Enter);
    QTest::mouseClick(&f.button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    QVERIFY(!f.button.hasFocus());
    QCOMPARE(f.button.currentTextColor(), QStringLiteral("#111111"));
}

void TestBtnWidget::fitToText()
{
    Fixture f;
    f.button.fitToText();
    QFont font(UIBaseData::instance()->fontFamily());
    font.setPixelSize(12);
    const int tw = QFontMetrics(font).horizontalAdvance(QStringLiteral("Download"));
    QCOMPARE(f.button.baseSize(), QSize(20 + tw + 6, 20));
    QCOMPARE(f.button.size(), QSize(tw + 6 + 20 + 2, 20));
    QCOMPARE(f.button.minimumSize(), f.button.size());
    QCOMPARE(f.text->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);

    UIBaseData::instance()->setScale(1.5f);
    f.button.fitToText();
    font.setPixelSize(18);
    const int tw15 = QFontMetrics(font).horizontalAdvance(QStringLiteral("Download"));
    QCOMPARE(f.button.size(), QSize(tw15 + 9 + 30 + 2, 30));
}

void TestBtnWidget::hop()
{
    Fixture f;
    f.button.setSpaceAnimated(true);
    send(&f.button, QEvent::Enter);
    QVERIFY(f.button.spaceAnimation());
    QCOMPARE(f.button.spaceAnimation()->state(), QAbstractAnimation::Running);
    QTRY_COMPARE(f.button.spaceAnimation()->state(), QAbstractAnimation::Stopped);
    QCOMPARE(f.space->minimumWidth(), UIBaseData::scaled(3));
}

void TestBtnWidget::checkedIgnoresEvents()
{
    Fixture f;
    f.button.setTextColors(QStringLiteral("#111111"), QStringLiteral("#222222"), QString(), QString());
    f.button.setProperty("BtnWidget_groupID", 4);
    QSignalSpy clicked(&f.button, &BtnWidget::doClicked);
    f.button.setChecked(true);
    QVERIFY(!f.button.isChecked());  // not checkable: nothing
    f.button.setCheckable(true);
    QTest::mouseClick(&f.button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    QVERIFY(f.button.isChecked());
    // Checked: hover and clicks are ignored until unchecked.
    send(&f.button, QEvent::Enter);
    QCOMPARE(f.button.currentTextColor(), QStringLiteral("#111111"));
    QTest::mouseClick(&f.button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    // Nothing enters buttons into the exclusive groups.
    QVERIFY(BtnWidget::groupMembers(4).isEmpty());
    f.button.setChecked(false);
    QVERIFY(!f.button.isChecked());
}

void TestBtnWidget::basePositions()
{
    UIBaseData::instance()->setScale(1.5f);
    QWidget parent;
    QWidget anchor(&parent);
    QWidget next(&parent);
    setBasePos(&anchor, QPoint(10, 5));
    anchor.setBaseSize(40, 20);
    QCOMPARE(anchor.property("basePos").toPoint(), QPoint(10, 5));
    QCOMPARE(anchor.pos(), QPoint(15, 8));  // 7.5 rounds away from zero
    placeRightOfWidget(&next, &anchor, 6);
    QCOMPARE(next.property("basePos").toPoint(), QPoint(56, 5));
    QCOMPARE(next.pos(), QPoint(84, 8));
}

QTEST_MAIN(TestBtnWidget)
#include "tst_btnwidget.moc"
