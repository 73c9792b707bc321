#include "common/log/ReleaseLog.h"
#include "function/Youtube/private/SubscribeListMgr/SubscribeDatabase.h"
#include "gui/ShadowDilaog.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/main/MainWindow.h"
#include "gui/special/PopupForm/Unclassified/ErrorDialog.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "platform/GraphicsWarmup.h"
#include "platform/PowerOff.h"
#include "platform/Signals.h"
#include "platform/SingleInstance.h"
#include "shell/MessageHook.h"
#include "shell/SettingsStore.h"
#include "shell/Utils.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImageReader>
#include <QLayout>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QtDebug>
#include <memory>

#ifdef TW_LAZY_MEDIA
// The media libraries are opened at their first call (see
// cmake/LazyLibraries.cmake); these open them at once.
extern "C" void tw_ffmpeg_load(void);
extern "C" void tw_multimedia_load(void);
#endif

namespace {

const char* const kInstanceName = "Tarnwick";

bool isFirstInstance()
{
    return SingleInstance::acquire(QLatin1String(kInstanceName));
}

// OpenGL ES through ANGLE exists only on Windows; the desktop OpenGL of the
// platform is used here.
void enableAngleOpenGl()
{
}

bool shutdownWindows()
{
    return PowerOff::request();
}

// English first, then the chosen language over it. A file that cannot be
// loaded leaves the translator empty, and the built-in English shows.
void installTranslator(QTranslator& translator)
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QString english = folder + QStringLiteral("/translation/en.qm");
    if (!translator.load(english))
        qInfo() << "no English translation at" << english;
    const QString code = SettingsStore::instance()->value(QStringLiteral("base/language"));
    const QString chosen = folder + QStringLiteral("/translation/%1.qm").arg(code);
    if (chosen != english && !translator.load(chosen))
        qWarning() << "cannot load translation" << chosen << "- showing built-in English";
    QCoreApplication::installTranslator(&translator);
}

// Services tell the user things through this hook; before the main window
// exists the box simply has no parent.
void installMessageHook()
{
    MessageHook::installCritical([](const QString& title, const QString& text) {
        MsgDialog::showMsg(text, QString(), QString(), QString(), QString(), QString(), nullptr, title, 1);
    });
    // A broken profile tree cannot be worked around: the report window says
    // so and the program ends.
    MessageHook::installFatal([](const QString& text) { showFatalErrorAndExit(text); });
    MessageHook::flushPending();
}

// Saves write a temporary file beside the target and rename it over; a kill
// in between leaves the temporary file. Only this instance (it holds the
// lock) can be saving now, so whatever is left is garbage.
void removeKilledSaveLeftovers(SettingsStore* store)
{
    const QString engine = SettingsStore::fromStoredPath(store->value(QStringLiteral("youtube/path")));
    removeSaveLeftovers(SettingsStore::fromStoredPath(store->configFilePath()));
    if (!engine.isEmpty()) {
        removeSaveLeftovers(engine + QStringLiteral("/downloading.json"));
        removeSaveLeftovers(engine + QStringLiteral("/AP"));
    }
}

// Opening the media libraries takes some 60 ms; done on a thread of its own
// a little after the window is up, so that neither the start nor the first
// preview waits for it. Null where they are linked as usual.
std::unique_ptr<QThread> preloadMediaLater()
{
#ifdef TW_LAZY_MEDIA
    std::unique_ptr<QThread> thread(QThread::create([] {
        tw_ffmpeg_load();
        tw_multimedia_load();
    }));
    QThread* t = thread.get();
    QTimer::singleShot(1500, t, [t] { t->start(QThread::LowPriority); });
    return thread;
#else
    return nullptr;
#endif
}

int runCrashReport(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTranslator translator;
    installTranslator(translator);
    installMessageHook();
    Signals::installQuitOnTerminate();
    ErrorDialog dialog(nullptr, true);
    dialog.show();
    return app.exec();
}

int runNormal(int argc, char** argv)
{
    const QString level = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("normal");
    const bool restart = argc > 2 && qstrcmp(argv[2], "restart") == 0;

    // The instance test comes before the log is opened: opening the log
    // empties it, and a refused second start must not wipe the log of the
    // running instance.
    const bool first = isFirstInstance();
    if (restart) {
        // The instance that restarted us is still ending; the lock passes
        // to us as soon as it has gone.
        SingleInstance::acquireWhenFree(QLatin1String(kInstanceName));
    } else if (!first) {
        return -1;
    }

    enableAngleOpenGl();
    installAppHandlers(QString::fromLocal8Bit(argv[0]), level);

    auto app = std::make_unique<QApplication>(argc, argv);
    app->setStyleSheet(QStringLiteral("QPushButton:focus{outline: none;}"));
    // The warm-up comes after the application, whose display it asks. A
    // library loaded while the driver loads waits for the whole of it, so
    // the application's plug-ins come first, and so does the one the engine
    // opens its database with.
    SubscribeDatabase::loadDriver();
    // The window's first picture without a named format (a style sheet's
    // image) has every image plug-in try it, which opens them all; opened
    // while the driver loads, they waited for the whole of it.
    QImageReader::supportedImageFormats();
    GraphicsWarmup graphicsWarmup;
    // fontconfig's reading of its configuration and font list opens no
    // library, so it goes on while the driver loads rather than ahead of
    // it, and still before anything is built in the interface font.
    UIBaseData::registerInterfaceFonts();

    Signals::installQuitOnTerminate();
    SettingsStore* store = SettingsStore::instance();
    installMessageHook();
    if (!store->isValid())
        return 1;   // the store has told the user that there is no space
    removeKilledSaveLeftovers(store);

    QTranslator translator;
    installTranslator(translator);

    store->setValue(QStringLiteral("setting/shutdown"), QStringLiteral("false"));
    // Before the window: each save waits for the disk, which the driver's
    // loading covers now but the window's first paint would not.
    store->setValue(QStringLiteral("special/workingProperly"), QStringLiteral("false"));

    auto* window = new MainWindow(nullptr);
    // Polished and laid out now, while the driver may still be loading:
    // show() does both only after making the native window, which waits
    // for the driver.
    window->ensurePolished();
    if (QLayout* layout = window->layout())
        layout->activate();
    window->show(true);

    std::unique_ptr<QThread> preload = preloadMediaLater();
    const int code = app->exec();
    if (preload) {
        preload->wait();
        preload.reset();
    }
    store->setValue(QStringLiteral("special/workingProperly"), QStringLiteral("true"));

    if (UIBaseData::instance()->isShutdownRequested())
        shutdownWindows();

    // The main window is a child of its shadow window when it has one.
    QWidget* top = window->shadow() && window->parentWidget() == window->shadow()
        ? static_cast<QWidget*>(window->shadow())
        : static_cast<QWidget*>(window);
    delete top;
    graphicsWarmup.wait();
    app.reset();
    return code;
}

}

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(tarnwick_res);
    if (argc > 1 && qstrcmp(argv[1], "crash") == 0)
        return runCrashReport(argc, argv);
    return runNormal(argc, argv);
}
