// The small buttons and labels of the dialogs.
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/SmallButtons.h"

#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QMovie>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A 1 x 1 GIF with two frames (black, then white).
const unsigned char kTwoFrameGif[] = {
    'G', 'I', 'F', '8', '9', 'a', 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
    0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF,
    0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00,
    0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00,
    0x02, 0x02, 0x44, 0x01, 0x00,
    0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00,
    0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00,
    0x02, 0x02, 0x4C, 0x01, 0x00,
    0x3B};

void send(QWidget* w, QEvent::Type type)
{
    QEvent e(type);
    QCoreApplication::sendEvent(w, &e);
}

// The widget painted over a transparent background.
QImage render(QWidget* w)
{
    QImage img(w->size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    w->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

int distinctColours(const QImage& img)
{
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            colours.insert(img.pixel(x, y));
    return colours.size();
}

QFont uiFont(int px)
{
    QFont f(UIBaseData::instance()->fontFamily());
    f.setPixelSize(px);
    return f;
}
}

class TestSmallButtons : public QObject
{
    Q_OBJECT
private slots:
    void init() { UIBaseData::instance()->setScale(1.0f); }
    void cleanup() { UIBaseData::instance()->setScale(1.0f); }

    void gifButtonRestartsAtFrameZero();
    void gifButtonLabelFollowsSize();
    void textInCheckedText_data();
    void textInCheckedText();
    void textInStates();
    void textBesideClicks();
    void textBesideDisabledSilhouette();
    void specialButtonPaints();
    void dpiButtonSize_data();
    void dpiButtonSize();
    void wrapLabelElides();
    void countDownFlash();
    void iconButtonRelays();
};

void TestSmallButtons::gifButtonRestartsAtFrameZero()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("spin.gif"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(kTwoFrameGif), sizeof(kTwoFrameGif));
    f.close();
    if (!QMovie(file).isValid())
        QSKIP("no GIF reader in this Qt build");

    GifButton button;
    button.resize(40, 40);
    button.setGif(file, false);
    QCOMPARE(button.frameCount(), 2);
    QVERIFY(!button.isRunning());
    button.start();
    QVERIFY(button.isRunning());
    QTRY_COMPARE(button.currentFrame(), 1);
    QVERIFY(!button.label()->pixmap(Qt::ReturnByValue).isNull());
    QTRY_COMPARE(button.currentFrame(), 0);  // wraps after the last frame
    QTRY_COMPARE(button.currentFrame(), 1);
    button.stop();
    QCOMPARE(button.currentFrame(), 0);
    QVERIFY(!button.isRunning());
    button.start();
    // The first tick after a restart shows frame 0 again.
    QMetaObject::invokeMethod(&button, "nextFrame");
    QCOMPARE(button.currentFrame(), 1);
    QCOMPARE(button.label()->pixmap(Qt::ReturnByValue).toImage().pixelColor(0, 0), QColor(Qt::black));
}

void TestSmallButtons::gifButtonLabelFollowsSize()
{
    UIBaseData::instance()->setScale(1.5f);
    GifButton button;
    button.resize(60, 30);
    button.show();
    QCOMPARE(button.label()->geometry(), QRect(1, 1, 58, 28));
    QVERIFY(button.label()->styleSheet().contains(QStringLiteral("background-color:transparent")));
    QVERIFY(button.label()->styleSheet().contains(QStringLiteral("border-radius: 9px")));
}

void TestSmallButtons::textInCheckedText_data()
{
    QTest::addColumn<QString>("checkedText");
    QTest::addColumn<QString>("shownChecked");
    QTest::newRow("empty falls back") << QString() << QStringLiteral("Select all");
    QTest::newRow("own text") << QStringLiteral("Clear all") << QStringLiteral("Clear all");
}

void TestSmallButtons::textInCheckedText()
{
    QFETCH(QString, checkedText);
    QFETCH(QString, shownChecked);
    CUxBtnTextIn button(nullptr, QStringLiteral("first"));
    QCOMPARE(button.checkedText(), QStringLiteral("first"));
    button.setCheckable(true);
    button.setText(QStringLiteral("Select all"), checkedText);
    QCOMPARE(button.toolTip(), QStringLiteral("Select all"));
    QCOMPARE(button.shownText(), QStringLiteral("Select all"));
    button.setChecked(true);
    QCOMPARE(button.shownText(), shownChecked);
}

void TestSmallButtons::textInStates()
{
    CUxBtnTextIn button(nullptr, QStringLiteral("Go"));
    button.resize(80, 30);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QCOMPARE(button.currentTextColor(), QColor(Qt::black));
    send(&button, QEvent::Enter);
    QCOMPARE(button.state(), 1);
    QCOMPARE(button.currentTextColor(), QColor(81, 187, 245));
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(button.state(), 2);
    QCOMPARE(button.currentTextColor(), QColor(Qt::white));
    send(&button, QEvent::Leave);
    QCOMPARE(button.state(), 2);  // pressed survives leaving
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(button.state(), 1);
    QCOMPARE(clicked.count(), 1);  // the push button still clicks
    send(&button, QEvent::Leave);
    QCOMPARE(button.state(), 0);
    button.setEnabled(false);
    QCOMPARE(button.currentTextColor(), QColor(Qt::gray));
}

void TestSmallButtons::textBesideClicks()
{
    CUxTextBesideBtn button;
    button.setText(QStringLiteral("Open folder"));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    button.grab();  // the paint sizes it to its content
    const QFontMetrics fm(uiFont(12));
    const QSize content(6 + fm.horizontalAdvance(QStringLiteral("Open folder")), fm.height());
    QCOMPARE(button.size(), content);
    QCOMPARE(button.hitRect(), QRect(QPoint(0, 0), content));
    QCOMPARE(button.toolTip(), QStringLiteral("Open folder"));

    QSignalSpy pressed(&button, &CUxTextBesideBtn::pressed);
    QSignalSpy clicked(&button, &CUxTextBesideBtn::clicked);
    // Wider than its content (a layout may do that): only the content counts.
    button.resize(content.width() + 100, content.height());
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(content.width() + 50, 2));
    QCOMPARE(pressed.count(), 0);
    QCOMPARE(button.state(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(content.width() + 50, 2));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(button.state(), 1);
    // Released outside the widget: no click, back to normal.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(-20, 3));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(button.state(), 0);

    button.setEnabled(false);
    QCOMPARE(button.state(), 3);
    send(&button, QEvent::Enter);
    QCOMPARE(button.state(), 3);
}

void TestSmallButtons::textBesideDisabledSilhouette()
{
    QTemporaryDir dir;
    const QString normal = dir.filePath(QStringLiteral("icon.png"));
    QImage red(20, 20, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(normal));

    CUxTextBesideBtn button;
    button.setStateImages(normal, QString(), QString(), QString(), 1.0f);
    button.grab();
    QCOMPARE(button.size(), QSize(20 + 6, qMax(20, QFontMetrics(uiFont(12)).height())));
    QImage img = render(&button);
    QCOMPARE(img.pixelColor(10, button.height() / 2).rgba(), QColor(Qt::red).rgba());
    button.setEnabled(false);
    img = render(&button);
    // The normal image greyed out: the overlay colour where it is opaque.
    QCOMPARE(img.pixelColor(10, button.height() / 2).rgba(), QColor(96, 96, 96, 128).rgba());
}

void TestSmallButtons::specialButtonPaints()
{
    CUxSpecialBtn button;
    button.setStyleSheet(QStringLiteral("QPushButton{background-color:#21AAD4; border:none;}"));
    button.resize(120, 40);
    QCOMPARE(distinctColours(render(&button)), 1);  // only the background
    button.setExtraText(QStringLiteral("someone@example.com"));
    QVERIFY(distinctColours(render(&button)) > 1);
}

void TestSmallButtons::dpiButtonSize_data()
{
    QTest::addColumn<QVariant>("fontSize");
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("px");
    QTest::newRow("no property: 12 px") << QVariant() << 1.0f << 12;
    QTest::newRow("16 px") << QVariant(16) << 1.0f << 16;
    QTest::newRow("12 px at 1.5") << QVariant() << 1.5f << 12;
}

void TestSmallButtons::dpiButtonSize()
{
    QFETCH(QVariant, fontSize);
    QFETCH(float, scale);
    QFETCH(int, px);
    UIBaseData::instance()->setScale(scale);
    CUxDpiBtn button;
    button.setText(QStringLiteral("Download"));
    if (fontSize.isValid())
        button.setProperty("baseFontSize", fontSize);
    button.show();
    const QFontMetrics fm(uiFont(px));
    const QSize design(fm.horizontalAdvance(QStringLiteral("Download")) + 12, fm.height() + 12);
    QCOMPARE(button.baseSize(), design);
    QCOMPARE(button.size(), UIBaseData::scaledSize(design));
    QCOMPARE(button.minimumSize(), UIBaseData::scaledSize(design));
}

void TestSmallButtons::wrapLabelElides()
{
    WrapLabel label;
    label.resize(80, 20);
    const QString full = QStringLiteral("A rather long title that cannot fit");
    label.setElideText(full);
    QCOMPARE(label.fullText(), full);
    QVERIFY(label.text() != full);
    QVERIFY(label.text().endsWith(QChar(0x2026)));
    QVERIFY(QFontMetrics(label.font()).horizontalAdvance(label.text()) <= 78);
    label.setElideMode(Qt::ElideLeft);
    QVERIFY(label.text().startsWith(QChar(0x2026)));
    label.setElideText(QStringLiteral("ok"));
    QCOMPARE(label.text(), QStringLiteral("ok"));
}

void TestSmallButtons::countDownFlash()
{
    CCountDownFlashWidget flash;
    QSignalSpy over(&flash, &CCountDownFlashWidget::over);
    flash.start(1, 1);
    QVERIFY(flash.isRunning());
    QVERIFY(over.wait(5000));
    QCOMPARE(over.count(), 1);
    QCOMPARE(flash.progress(), 0.0f);
    QVERIFY(!flash.isRunning());
}

void TestSmallButtons::iconButtonRelays()
{
    IconButton button;
    QSignalSpy clicked(&button, &IconButton::doClicked);
    button.click();
    QCOMPARE(clicked.count(), 1);
    button.setChecked(true);
    QVERIFY(button.isChecked());
}

QTEST_MAIN(TestSmallButtons)
#include "tst_smallbuttons.moc"
