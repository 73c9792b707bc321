// The warm-up must leave the display's OpenGL driver loaded for the first
// window, and must never hold the program up when it ends.

#include "platform/GraphicsWarmup.h"
#include "XvfbMain.h"

#include <QOpenGLContext>
#include <QStringList>
#include <QWidget>
#include <QtTest>
#include <link.h>

namespace {

// GLVND vendor libraries (libGLX_<vendor>) and Mesa's DRI drivers.
QStringList loadedDriverLibraries()
{
    QStringList found;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            const QString name = QString::fromLocal8Bit(info->dlpi_name);
            const QString file = name.section(QLatin1Char('/'), -1);
            if (file.startsWith(QLatin1String("libGLX_")) || file.contains(QLatin1String("_dri.so")))
                static_cast<QStringList*>(data)->append(file);
            return 0;
        },
        &found);
    return found;
}

} // namespace

class TestGraphicsWarmup : public QObject
{
    Q_OBJECT

private slots:
    void driverIsLoadedBeforeTheFirstWindowAndStaysWithIt()
    {
        QVERIFY2(loadedDriverLibraries().isEmpty(), qPrintable(loadedDriverLibraries().join(QLatin1Char(' '))));
        auto warmup = std::make_unique<GraphicsWarmup>();
        QVERIFY(warmup->isActive());
        warmup->waitUntilLoaded();
        QVERIFY(!loadedDriverLibraries().isEmpty());

        // The window takes its own hold on the driver before the warm-up lets
        // go of its own.
        QWidget window;
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList withWindow = loadedDriverLibraries();
        warmup->release();
        warmup.reset();
        QCOMPARE(loadedDriverLibraries(), withWindow);

        // And the driver still works for an OpenGL context on that display.
        QOpenGLContext context;
        QVERIFY(context.create());
        QVERIFY(context.makeCurrent(window.windowHandle()));
        context.doneCurrent();
    }

    // A program that ends at once (no space for its settings, say) ends
    // without anyone releasing the warm-up.
    void endingWithoutReleaseDoesNotHang()
    {
        for (int i = 0; i < 3; ++i) {
            GraphicsWarmup warmup;
            QVERIFY(warmup.isActive());
        }
        GraphicsWarmup waited;
        waited.waitUntilLoaded();
        waited.release();
        waited.release();
    }
};

TW_XVFB_TEST_MAIN(TestGraphicsWarmup)

#include "tst_graphicswarmup.moc"
