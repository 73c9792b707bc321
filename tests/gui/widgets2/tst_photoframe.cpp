// Photo frame, round button and check box.
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CUxCheckBox.h"
#include "gui/common/CUxCircleBtn.h"
#include "gui/common/CUxPhotoFrame.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
void sendMouse(QWidget* w, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, pos, w->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void send(QWidget* w, QEvent::Type type)
{
    QEvent e(type);
    QCoreApplication::sendEvent(w, &e);
}
}

class TestPhotoFrame : public QObject
{
    Q_OBJECT
private slots:
    void init() { UIBaseData::instance()->setScale(1.0f); }
    void cleanup() { UIBaseData::instance()->setScale(1.0f); }

    void fit_data();
    void fit();
    void fitAtScale();
    void placeholder();
    void nullImage();
    void picturesGivenLate();

    void circleButtonPaintsText();

    void checkBoxGestures_data();
    void checkBoxGestures();
    void checkBoxSignalsAfterFirstToggle();
    void checkBoxIndicatorStyle_data();
    void checkBoxIndicatorStyle();
};

void TestPhotoFrame::fit_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("picture");
    QTest::newRow("16:9 in 170x100") << QSize(170, 100) << QSize(640, 360) << QRect(1, 4, 168, 92);
    QTest::newRow("square in a wide frame") << QSize(170, 100) << QSize(300, 300) << QRect(35, 0, 100, 100);
    QTest::newRow("tall picture") << QSize(170, 100) << QSize(100, 400) << QRect(73, 0, 24, 100);
    QTest::newRow("same ratio") << QSize(160, 100) << QSize(320, 200) << QRect(0, 0, 160, 100);
    QTest::newRow("odd frame") << QSize(171, 101) << QSize(640, 360) << QRect(1, 2, 168, 96);
}

void TestPhotoFrame::fit()
{
    QFETCH(QSize, frame);
    QFETCH(QSize, image);
    QFETCH(QRect, picture);
    CUxPhotoFrame f;
    f.resize(frame);
    f.show();
    QImage img(image, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(f.setImage(img));
    QCOMPARE(f.pictureLabel()->geometry(), picture);
    QCOMPARE(f.pictureBaseSize(), picture.size());
    QVERIFY(f.pictureLabel()->isVisible());
    QVERIFY(!f.placeholderLabel()->isVisible());
}

void TestPhotoFrame::fitAtScale()
{
    UIBaseData::instance()->setScale(2.0f);
    CUxPhotoFrame f;
    f.resize(340, 200);
    f.show();
    QImage img(640, 360, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(f.setImage(img));
    QCOMPARE(f.pictureLabel()->size(), QSize(340, 188));
    QCOMPARE(f.pictureBaseSize(), QSize(170, 94));
    // A resize keeps the design size and centres it again.
    f.resize(400, 300);
    QCOMPARE(f.pictureLabel()->geometry(), QRect(30, 56, 340, 188));
}

void TestPhotoFrame::placeholder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("placeholder.png"));
    QImage ph(40, 30, QImage::Format_ARGB32);
    ph.fill(Qt::gray);
    QVERIFY(ph.save(path));

    CUxPhotoFrame f(nullptr, path);
    f.resize(170, 100);
    f.show();
    QVERIFY(f.placeholderLabel()->isVisible());
    QVERIFY(!f.pictureLabel()->isVisible());
    QCOMPARE(f.placeholderBaseSize(), QSize(40, 30));
    QCOMPARE(f.placeholderLabel()->geometry(), QRect(65, 35, 40, 30));

    QImage img(640, 360, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(f.setImage(img));
    QVERIFY(!f.placeholderLabel()->isVisible());
    // A new placeholder while a picture is shown keeps the picture.
    f.setPixmapFile(path, 0.5f);
    QCOMPARE(f.placeholderBaseSize(), QSize(20, 15));
    QVERIFY(f.pictureLabel()->isVisible());
    QVERIFY(!f.placeholderLabel()->isVisible());
    // A file that does not load changes nothing.
    f.setPixmapFile(dir.filePath(QStringLiteral("missing.png")), 1.0f);
    QCOMPARE(f.placeholderBaseSize(), QSize(20, 15));

    f.clear();
    QVERIFY(!f.pictureLabel()->isVisible());
    QVERIFY(f.placeholderLabel()->isVisible());
}

void TestPhotoFrame::nullImage()
{
    CUxPhotoFrame f;
    f.resize(170, 100);
    f.show();
    QImage img(64, 36, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(f.setImage(img));
    QVERIFY(!f.setImage(QImage()));
    QVERIFY(!f.pictureLabel()->isVisible());
    QVERIFY(f.placeholderLabel()->isVisible());
}

// A frame on screen that gets its first placeholder, or a hidden frame that
// gets its first picture, shows them as a frame built with them would.
void TestPhotoFrame::picturesGivenLate()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("placeholder.png"));
    QImage ph(40, 30, QImage::Format_ARGB32);
    ph.fill(Qt::gray);
    QVERIFY(ph.save(path));

    CUxPhotoFrame shown;
    shown.resize(170, 100);
    shown.show();
    shown.setPixmapFile(path, 1.0f);
    QVERIFY(shown.placeholderLabel()->isVisible());
    QCOMPARE(shown.placeholderLabel()->geometry(), QRect(65, 35, 40, 30));
    QCOMPARE(shown.grab().toImage().pixelColor(85, 50), QColor(Qt::gray));
    QImage img(640, 360, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(shown.setImage(img));
    QCOMPARE(shown.grab().toImage().pixelColor(85, 50), QColor(Qt::blue));
    shown.clear();
    QCOMPARE(shown.grab().toImage().pixelColor(85, 50), QColor(Qt::gray));

    CUxPhotoFrame hidden;
    hidden.resize(170, 100);
    QVERIFY(hidden.setImage(img));
    hidden.show();
    QVERIFY(hidden.pictureLabel()->isVisible());
    QVERIFY(!hidden.placeholderLabel()->isVisible());
    QCOMPARE(hidden.grab().toImage().pixelColor(85, 50), QColor(Qt::blue));
}

void TestPhotoFrame::circleButtonPaintsText()
{
    CUxCircleBtn button;
    button.setStyleSheet(QStringLiteral("QPushButton{background:white; border:none; color:white;}"));
    button.setText(QStringLiteral("OK"));
    button.resize(60, 60);
    QImage img(button.size(), QImage::Format_ARGB32);
    img.fill(Qt::white);
    button.render(&img);
    // The style draws the text in white; the grey copy on top is what shows.
    int dark = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                ++dark;
    QVERIFY(dark > 0);
}

void TestPhotoFrame::checkBoxGestures_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<bool>("toggles");
    QTest::newRow("click") << "press release" << true;
    QTest::newRow("release outside") << "press release-out" << false;
    QTest::newRow("leave and return") << "press leave enter release" << false;
    QTest::newRow("drag out and back") << "press move-out move-in release" << false;
    QTest::newRow("release without press") << "release" << false;
}

void TestPhotoFrame::checkBoxGestures()
{
    QFETCH(QString, gesture);
    QFETCH(bool, toggles);
    CUxCheckBox box;
    box.setText(QStringLiteral("Subtitles"));
    box.resize(120, 24);
    box.show();
    QSignalSpy ux(&box, &CUxCheckBox::uxClicked);
    const QPoint in(10, 10);
    const QPoint out(300, 10);
    for (const QString& step : gesture.split(QLatin1Char(' '))) {
        if (step == QLatin1String("press"))
            sendMouse(&box, QEvent::MouseButtonPress, in);
        else if (step == QLatin1String("release"))
            sendMouse(&box, QEvent::MouseButtonRelease, in);
        else if (step == QLatin1String("release-out"))
            sendMouse(&box, QEvent::MouseButtonRelease, out);
        else if (step == QLatin1String("move-out"))
            sendMouse(&box, QEvent::MouseMove, out);
        else if (step == QLatin1String("move-in"))
            sendMouse(&box, QEvent::MouseMove, in);
        else if (step == QLatin1String("leave"))
            send(&box, QEvent::Leave);
        else if (step == QLatin1String("enter"))
            send(&box, QEvent::Enter);
    }
    QCOMPARE(box.isChecked(), toggles);
    QCOMPARE(ux.count(), toggles ? 1 : 0);
    if (toggles)
        QCOMPARE(ux.at(0).at(0).toBool(), true);
}

void TestPhotoFrame::checkBoxSignalsAfterFirstToggle()
{
    CUxCheckBox box;
    box.resize(120, 24);
    box.show();
    QSignalSpy state(&box, &QCheckBox::stateChanged);
    QSignalSpy ux(&box, &CUxCheckBox::uxClicked);
    box.onSetCheckState(Qt::Checked);
    QCOMPARE(state.count(), 1);  // before any user toggle the box still reports

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(box.checkState(), Qt::Unchecked);
    QCOMPARE(ux.count(), 1);
    QCOMPARE(ux.at(0).at(0).toBool(), false);
    QCOMPARE(state.count(), 2);

    box.onSetCheckState(Qt::Checked);
    QCOMPARE(box.checkState(), Qt::Checked);
    QCOMPARE(state.count(), 2);  // silent now
    QCOMPARE(ux.count(), 1);

    // A partially checked box becomes checked on a click.
    box.onSetCheckState(Qt::PartiallyChecked);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(box.checkState(), Qt::Checked);
    QCOMPARE(ux.count(), 2);
}

void TestPhotoFrame::checkBoxIndicatorStyle_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::newRow("1.0") << 1.0f << 18 << 20;
    QTest::newRow("1.5") << 1.5f << 27 << 30;
}

void TestPhotoFrame::checkBoxIndicatorStyle()
{
    QFETCH(float, scale);
    QFETCH(int, w);
    QFETCH(int, h);
    UIBaseData::instance()->setScale(scale);
    CUxCheckBox box;
    box.resize(100, 30);
    box.show();
    const QString style = box.styleSheet();
    QVERIFY(style.contains(QStringLiteral("width: %1px;").arg(w)));
    QVERIFY(style.contains(QStringLiteral("height: %1px;").arg(h)));
    QVERIFY(!style.contains(QStringLiteral(":/images/")));
    // Every image named is there: the resource or its painted stand-in.
    static const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
    auto it = url.globalMatch(style);
    int count = 0;
    while (it.hasNext()) {
        const QString file = it.next().captured(1);
        QVERIFY2(!QImage(file).isNull(), qPrintable(file));
        ++count;
    }
    QCOMPARE(count, 10);
}

QTEST_MAIN(TestPhotoFrame)
#include "tst_photoframe.moc"
