// The analysis window drawn on a virtual X display.

#include "XvfbMain.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "ui_UrlAnalyserDialog.h"

#include <QDir>
#include <QScreen>
#include <QtTest>

class TestUrlAnalyserScreenshot : public QObject
{
    Q_OBJECT
private slots:
    void windowAtFactorOne()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QCOMPARE(UIBaseData::instance()->scale(), 1.0f);
        UrlAnalyserDialog dialog;
        dialog.form()->stackedWidget->setCurrentWidget(dialog.form()->page_preview);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(908, 610));
        QImage shot;
        int distinct = 0;
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = dialog.screen()
                        ->grabWindow(0, dialog.mapToGlobal(QPoint(0, 0)).x(), dialog.mapToGlobal(QPoint(0, 0)).y(),
                                     dialog.width(), dialog.height())
                        .toImage(),
             distinct = [&shot] {
                 QSet<QRgb> colours;
                 for (int y = 0; y < shot.height(); y += 2)
                     for (int x = 0; x < shot.width(); x += 2)
                         colours.insert(shot.pixel(x, y) & 0xFFFFFF);
                 return colours.size();
             }(),
             distinct > 20),
            5000);
        const QString dir = qEnvironmentVariable("TW_BINARY_DIR", QDir::tempPath()) + QStringLiteral("/screenshots");
        QDir().mkpath(dir);
        shot.save(dir + QStringLiteral("/urlanalyser.png"));
        QCOMPARE(shot.size(), QSize(908, 610));
        // The start page's picture and the orange Analyse button are drawn.
        const QImage done(QStringLiteral(":/res/done_nor.png"));
        const QRgb fill = done.pixel(done.width() / 2, done.height() / 2);
        int orange = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb c = shot.pixel(x, y);
                orange += qAbs(qRed(c) - qRed(fill)) < 16 && qAbs(qGreen(c) - qGreen(fill)) < 16
                          && qAbs(qBlue(c) - qBlue(fill)) < 16;
            }
        QVERIFY2(orange > 500, qPrintable(QString::number(orange)));
        dialog.close();
    }
};

TW_XVFB_TEST_MAIN(TestUrlAnalyserScreenshot)
#include "tst_urlanalyser_screenshot.moc"
