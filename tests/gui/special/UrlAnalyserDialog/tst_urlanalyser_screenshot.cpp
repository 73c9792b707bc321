// The analysis window drawn on a virtual X display.

#include "XvfbMain.h"
#include "ScriptedEngine.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoListSubArea.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "ui_UrlAnalyserDialog.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
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

    // The subtitle box shows at least two whole rows of language chips,
    // inside its frame and above the bottom button bar.
    void subtitleBoxShowsTwoRowsAtFactorOne()
    {
        ScriptedEngine::reset();
        Youtube_Structure::List l;
        l.title = QStringLiteral("A");
        l.analysed = true;
        Youtube_Structure::Item it;
        it.title = QStringLiteral("v0");
        it.url = QStringLiteral("https://www.youtube.com/watch?v=v0");
        it.analysed = true;
        it.downloadState = 3;
        Youtube_Structure::Media m;
        m.formatId = QStringLiteral("18");
        m.vcodec = QStringLiteral("avc1");
        m.acodec = QStringLiteral("mp4a");
        m.height = QStringLiteral("360");
        m.width = QStringLiteral("640");
        m.ext = m.targetExt = QStringLiteral("mp4");
        it.medias = {m};
        for (const char* code : {"en", "de", "fr", "es", "it", "ja", "ko", "pt", "ru", "nl", "sv", "pl", "tr", "ar"})
            it.subLangs.append(SubLang{QString::fromLatin1(code), false});
        l.items.append(it);
        ScriptedEngine::model().append(std::move(l));
        UrlAnalyserDialog::setUpgradeCheckArmed(false);
        UrlAnalyserDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.form()->lineEdit->setText(QStringLiteral("https://www.youtube.com/watch?v=v0"));
        QTest::mouseClick(dialog.form()->btnAnalyseOrStop, Qt::LeftButton);
        QCOMPARE(UIBaseData::instance()->scale(), 1.0f);
        QCOMPARE(dialog.form()->rightStackedWidget->currentIndex(), 1);
        auto* area = dialog.findChild<CYtbVideoListSubArea*>();
        QVERIFY(area);
        QTRY_COMPARE(area->chips().size(), 14);
        QWidget* viewport = area->findChild<QListWidget*>()->viewport();
        QMap<int, QList<CAreaItem*>> rows;
        QTRY_VERIFY(area->chips().first()->isVisible());
        for (CAreaItem* chip : area->chips())
            if (chip->isVisible())
                rows[chip->mapTo(viewport, QPoint(0, 0)).y()].append(chip);
        QVERIFY2(rows.size() >= 2, qPrintable(QString::number(rows.size())));
        auto rectIn = [&dialog](QWidget* w) { return QRect(w->mapTo(&dialog, QPoint(0, 0)), w->size()); };
        const QRect shown = rectIn(viewport) & rectIn(area) & rectIn(dialog.form()->subArea) & rectIn(dialog.form()->UrlAnalyserMain);
        const QRect bar = rectIn(dialog.form()->bottom);
        const QImage shot = dialog.grab().toImage();
        int row = 0;
        for (auto it = rows.cbegin(); it != rows.cend() && row < 2; ++it, ++row) {
            for (CAreaItem* chip : it.value()) {
                const QRect r = rectIn(chip);
                const QString where = QStringLiteral("row %1 chip %2 at %3,%4 %5x%6, shown %7,%8 %9x%10")
                                          .arg(row).arg(chip->nameLabel()->text()).arg(r.x()).arg(r.y())
                                          .arg(r.width()).arg(r.height()).arg(shown.x()).arg(shown.y())
                                          .arg(shown.width()).arg(shown.height());
                QVERIFY2(shown.contains(r), qPrintable(where));
                QVERIFY2(!bar.intersects(r), qPrintable(where));
                // What the window paints there is the chip's tick box and name.
                const QImage own = chip->frame()->grab().toImage();
                const QPoint at = chip->frame()->mapTo(&dialog, QPoint(0, 0));
                int same = 0, total = 0;
                for (int y = 0; y < own.height(); ++y)
                    for (int x = 0; x < own.width(); ++x) {
                        const QRgb a = own.pixel(x, y), b = shot.pixel(at + QPoint(x, y));
                        if (qAlpha(a) < 255)
                            continue;   // shows what lies below the chip
                        ++total;
                        same += qAbs(qRed(a) - qRed(b)) < 24 && qAbs(qGreen(a) - qGreen(b)) < 24
                                && qAbs(qBlue(a) - qBlue(b)) < 24;
                    }
                QVERIFY2(total > 0 && same * 10 >= total * 9, qPrintable(where + QStringLiteral(": %1 of %2").arg(same).arg(total)));
            }
        }
        ScriptedEngine::finishAnalysis();
        dialog.close();
    }
};

TW_XVFB_TEST_MAIN(TestUrlAnalyserScreenshot)
#include "tst_urlanalyser_screenshot.moc"
