// The warm-up must have the display's OpenGL driver loaded for the first
// window, and must never hold the program up when it ends.

#include "platform/GraphicsWarmup.h"
#include "XvfbMain.h"

#include <QDir>
#include <QFile>
#include <QOpenGLContext>
#include <QStringList>
#include <QThreadPool>
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

QStringList threadNames()
{
    QStringList names;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task) + QStringLiteral("/comm"));
        if (comm.open(QIODevice::ReadOnly))
            names << QString::fromLocal8Bit(comm.readAll().trimmed());
    }
    return names;
}

} // namespace

class TestGraphicsWarmup : public QObject
{
    Q_OBJECT

private slots:
    void driverIsLoadedBeforeTheFirstWindow()
    {
        QVERIFY2(loadedDriverLibraries().isEmpty(), qPrintable(loadedDriverLibraries().join(QLatin1Char(' '))));
        QVERIFY(!threadNames().contains(QStringLiteral("Thread (pooled)")));
        const int threadsBefore = threadNames().size();
        GraphicsWarmup warmup;
        QVERIFY(warmup.isActive());
        // Threads started while the driver loads would wait for it, so those
        // the first window needs exist as soon as the warm-up has begun: the
        // pool's, which convert large images, and the accessibility bridge's
        // D-Bus thread. (A thread names itself once it runs.)
        const int poolThreads = qMin(QThreadPool::globalInstance()->maxThreadCount(), 4);
        QVERIFY(threadNames().size() >= threadsBefore + poolThreads + 1);
        QTRY_COMPARE(threadNames().count(QStringLiteral("Thread (pooled)")), poolThreads);
        QTRY_VERIFY(threadNames().contains(QStringLiteral("QDBusConnection")));
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
