// The warm-up must have the display's OpenGL driver loaded for the first
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
    void driverIsLoadedBeforeTheFirstWindow()
    {
        QVERIFY2(loadedDriverLibraries().isEmpty(), qPrintable(loadedDriverLibraries().join(QLatin1Char(' '))));
        GraphicsWarmup warmup;
        QVERIFY(warmup.isActive());
        warmup.wait();
        const QStringList loaded = loadedDriverLibraries();
        QVERIFY(!loaded.isEmpty());

        // The window and an OpenGL context on it use what is loaded.
        QWidget window;
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QOpenGLContext context;
        QVERIFY(context.create());
        QVERIFY(context.makeCurrent(window.windowHandle()));
        context.doneCurrent();
        QCOMPARE(loadedDriverLibraries(), loaded);
    }

    // A program that ends at once (no space for its settings, say) ends
    // without waiting for the warm-up itself.
    void endingAtOnceDoesNotHang()
    {
        for (int i = 0; i < 3; ++i) {
            GraphicsWarmup warmup;
            QVERIFY(warmup.isActive());
        }
        GraphicsWarmup waited;
        waited.wait();
        waited.wait();
    }

    void nothingWhereQtUsesNoGlx_data()
    {
        QTest::addColumn<QByteArray>("integration");
        QTest::addColumn<bool>("active");
        QTest::newRow("default") << QByteArray() << true;
        QTest::newRow("glx") << QByteArray("xcb_glx") << true;
        QTest::newRow("egl") << QByteArray("xcb_egl") << false;
        QTest::newRow("none") << QByteArray("none") << false;
    }

    void nothingWhereQtUsesNoGlx()
    {
        QFETCH(QByteArray, integration);
        QFETCH(bool, active);
        if (integration.isEmpty())
            qunsetenv("QT_XCB_GL_INTEGRATION");
        else
            qputenv("QT_XCB_GL_INTEGRATION", integration);
        GraphicsWarmup warmup;
        qunsetenv("QT_XCB_GL_INTEGRATION");
        QCOMPARE(warmup.isActive(), active);
    }
};

TW_XVFB_TEST_MAIN(TestGraphicsWarmup)

#include "tst_graphicswarmup.moc"
