// Screenshots of real windows on a virtual X display (XvfbMain.h), grabbed
// from the screen where the windows are.

#include "gui/ShadowDilaog.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/cuxupdate.h"
#include "gui/main/MainWindow.h"
#include "gui/settings/SettingDialog.h"
#include "gui/special/PopupForm/Unclassified/AboutDialog.h"
#include "gui/special/PopupForm/Unclassified/AdsDialog.h"
#include "gui/special/PopupForm/Unclassified/ErrorDialog.h"
#include "gui/special/PopupForm/Unclassified/FileListDialog.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "gui/special/PopupForm/Unclassified/YtbUpgradeDialog.h"
#include "platform/Composition.h"
#include "shell/SettingsStore.h"
#include "XvfbMain.h"
#include "ui_checkUpdate.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QtTest>

namespace {

QImage grabScreen(QWidget* w)
{
    const QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
    return w->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
}

struct Colours
{
    int distinct = 0;
    double dominantShare = 1.0;
};

Colours analyse(const QImage& img)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++counts[img.pixel(x, y) & 0xFFFFFF];
    int top = 0;
    for (int c : qAsConst(counts))
        top = qMax(top, c);
    Colours out;
    out.distinct = counts.size();
    out.dominantShare = img.isNull() ? 1.0 : double(top) / (img.width() * img.height());
    return out;
}

bool near(QRgb c, QRgb ref, int tolerance)
{
    return qAbs(qRed(c) - qRed(ref)) <= tolerance && qAbs(qGreen(c) - qGreen(ref)) <= tolerance
        && qAbs(qBlue(c) - qBlue(ref)) <= tolerance;
}

// The fill of the "done" buttons, as the interface pictures paint it.
QRgb doneFill()
{
    const QImage done(QStringLiteral(":/res/done_nor.png"));
    return done.pixel(done.width() / 2, done.height() / 2);
}

int countNear(const QImage& img, QRgb ref, int tolerance)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += near(img.pixel(x, y), ref, tolerance) ? 1 : 0;
    return n;
}

void save(const QImage& img, const QString& name)
{
    const QString dir = qEnvironmentVariable("TW_BINARY_DIR", QDir::tempPath()) + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    img.save(dir + QLatin1Char('/') + name);
}

}

class TestScreenshots : public QObject
{
    Q_OBJECT

    MainWindow* m_window = nullptr;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        // A bare X server runs no compositing manager.
        QVERIFY(!Composition::isEnabled());
    }

    void mainWindow()
    {
        m_window = new MainWindow(nullptr);
        m_window->show(true);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QCOMPARE(UIBaseData::instance()->scale(), 1.0f);
        QCOMPARE(m_window->size(), QSize(1078, 710));

        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = grabScreen(m_window), analyse(shot).distinct > 8), 5000);
        save(shot, QStringLiteral("mainwindow.png"));
        QCOMPARE(shot.size(), QSize(1078, 710));
        const Colours c = analyse(shot);
        QVERIFY2(c.dominantShare < 0.98, qPrintable(QString::number(c.dominantShare)));
        // A dark title bar over a light page.
        QVERIFY(qGray(shot.pixel(300, 12)) < 100);
        QVERIFY(qGray(shot.pixel(500, 400)) > 200);
        // No compositor: an opaque window, black under the page's rounded
        // corner as a translucent one would show there.
        QVERIFY(!m_window->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(shot.pixel(2, 27) & 0xFFFFFFu, 0u);
    }

    void messageBox()
    {
        QVERIFY(m_window);
        MsgDialog box(QStringLiteral("Automatic shutdown"), QString(), QString(), QStringLiteral("Shutdown Now"),
                      QStringLiteral("Cancel"), QString(), nullptr, QStringLiteral("Warning"), 0);
        QCOMPARE(box.parentWidget(), static_cast<QWidget*>(m_window));
        box.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.size(), QSize(888, 590));
        // Centred over the main window.
        QCOMPARE(box.mapToGlobal(QPoint(0, 0)) - m_window->mapToGlobal(QPoint(0, 0)),
                 QPoint((1078 - 888) / 2, (710 - 590) / 2));

        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = grabScreen(&box), countNear(shot, doneFill(), 12) > 500), 5000);
        save(shot, QStringLiteral("msgdialog.png"));
        QCOMPARE(shot.size(), QSize(888, 590));
        const Colours c = analyse(shot);
        QVERIFY(c.distinct > 20);
        QVERIFY(c.dominantShare < 0.95);
        // The warning sign is painted in the palette's yellow.
        QVERIFY(countNear(shot, qRgb(0xFE, 0xCE, 0x5B), 10) > 200);
        box.close();
    }

    void errorDialog()
    {
        QVERIFY(m_window);
        // A release log and a dump: two of the three rows show.
        for (const char* key : {"base/Log", "base/dump"}) {
            QFile f(SettingsStore::fromStoredPath(SettingsStore::instance()->value(QLatin1String(key))));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("report\n");
        }
        QFile::remove(SettingsStore::fromStoredPath(SettingsStore::instance()->value(QStringLiteral("base/errorZip"))));
        ErrorDialog dialog(nullptr, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(888, 590));
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = grabScreen(&dialog), countNear(shot, doneFill(), 12) > 500), 5000);
        save(shot, QStringLiteral("errordialog.png"));
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("widget_log"))->isVisible());
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("widget_dump"))->isVisible());
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("widget_zip"))->isVisible());
        QVERIFY(analyse(shot).distinct > 20);
        dialog.close();
    }

    // Engine page, file list and about window: their size and a painted,
    // varied picture (not one flat colour).
    void otherDialogs_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QSize>("size");
        QTest::newRow("engine update") << "ytbupgrade" << QSize(554, 180);
        QTest::newRow("file list") << "filelist" << QSize(888, 590);
        QTest::newRow("about") << "about" << QSize(840, 571);
        QTest::newRow("promotion") << "ads" << QSize(800, 470);
        QTest::newRow("checking popup") << "checking" << QSize(570, 250);
        QTest::newRow("update") << "update" << QSize(888, 590);
        QTest::newRow("settings") << "settings" << QSize(888, 590);
    }
    void otherDialogs()
    {
        QFETCH(QString, which);
        QFETCH(QSize, size);
        QVERIFY(m_window);
        PopupBase* dialog = nullptr;
        if (which == "ytbupgrade") {
            dialog = new YtbUpgradeDialog(false, nullptr);
        } else if (which == "filelist") {
            QStringList files;
            for (int i = 0; i < 40; ++i)
                files << QStringLiteral("/home/u/Videos/clip %1.mp4").arg(i);
            dialog = new FileListDialog(QStringLiteral("Failed to download the files below"),
                                        QStringLiteral("<p style='line-height:%1px'>Something went wrong.</p>"), files,
                                        false, nullptr);
        } else if (which == "checking") {
            // The update check's popup is a plain popup with its form.
            auto* popup = new PopupBase(nullptr);
            static Ui::checkUpdate form;
            form.setupUi(popup);
            form.label->setText(QStringLiteral("Tarnwick"));
            popup->init(popup, popup, 1.0f, false);
            dialog = popup;
        } else if (which == "update") {
            auto* window = new CUxUpdate(nullptr);
            window->loadUpgradeInfo();
            dialog = window;
        } else if (which == "settings") {
            dialog = new SettingDialog(nullptr);
        } else if (which == "ads") {
            // Without a record the window shows the program's icon and its
            // action button.
            dialog = new AdsDialog(nullptr);
        } else {
            dialog = new AboutDialog(nullptr);
        }
        dialog->show(true);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->size(), size);
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = grabScreen(dialog), analyse(shot).distinct > 20), 5000);
        save(shot, which + QStringLiteral(".png"));
        QCOMPARE(shot.size(), size);
        const Colours c = analyse(shot);
        QVERIFY2(c.dominantShare < 0.95, qPrintable(QString::number(c.dominantShare)));
        // A long list opens at its top, its slider shown beside it.
        if (which == "filelist") {
            auto* slider = dialog->findChild<QWidget*>(QStringLiteral("vSlider"));
            QVERIFY(slider->isVisible());
            QCOMPARE(slider->property("value").toInt(), 0);
        }
        dialog->close();
        delete dialog;
    }

    void cleanupTestCase()
    {
        if (m_window) {
            m_window->close();
            // The main window is a child of its shadow window when it has one.
            QWidget* top = m_window->shadow() && m_window->parentWidget() == m_window->shadow()
                ? static_cast<QWidget*>(m_window->shadow())
                : static_cast<QWidget*>(m_window);
            delete top;
        }
    }
};

TW_XVFB_TEST_MAIN(TestScreenshots)

#include "tst_screenshots.moc"
