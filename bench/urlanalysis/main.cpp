// Measures the analysis window's result views as the rows and tiles grow:
// building list rows (1000 against 3000), the graphical thread's CPU time per
// idle second while rows wait for their analysis (50 against 1000), and
// building tiles (100 against 1000). Each figure is a ratio taken in one run.
//
// Targets: 3000 rows cost at most 4 times 1000 rows; 1000 waiting rows cost
// at most 1.5 times the idle CPU of 50; 1000 tiles cost at most 12 times 100.

#include "ScriptedEngine.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbFirstLevelItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbSecVideoLinkItem.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

YoutubeItem record(int i, bool analysed)
{
    YoutubeItem r;
    r.index = i;
    r.title = QStringLiteral("A video title number %1 with some words").arg(i);
    r.subTitle = QStringLiteral("Uploader %1").arg(i);
    r.thumbnail = QStringLiteral("http://127.0.0.1:9/t%1.jpg").arg(i);
    r.analysed = analysed;
    r.checkState = 2;
    return r;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double threadCpuMs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

std::unique_ptr<QUxListWidget> makeList()
{
    auto list = std::make_unique<QUxListWidget>();
    list->resize(330, 436);
    list->show();
    settle();
    return list;
}

double buildRows(int n, bool analysed, std::unique_ptr<QUxListWidget>* keep = nullptr)
{
    auto list = makeList();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < n; ++i)
        list->insertItem(new CYtbFirstLevelItem(1, record(i, analysed), list.get()), false, -1);
    settle();
    const double ms = t.nsecsElapsed() / 1e6;
    if (keep)
        *keep = std::move(list);
    return ms;
}

// CPU of the graphical thread over one idle second with n waiting rows.
double idleCpu(int n)
{
    std::unique_ptr<QUxListWidget> list;
    buildRows(n, false, &list);
    settle();
    const double before = threadCpuMs();
    QEventLoop loop;
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
    return threadCpuMs() - before;
}

double buildTiles(int n, int variant = 0)
{
    QListWidget view;
    view.setViewMode(QListView::IconMode);
    view.setResizeMode(QListView::Adjust);
    // Tiles are not dragged about: a static icon view lays them out in a
    // flow instead of keeping free positions.
    view.setMovement(QListView::Static);
    view.setUniformItemSizes(true);
    view.resize(558, 442);
    view.show();
    settle();
    QElapsedTimer t;
    t.start();
    // Filled while hidden, as the window fills its views: a visible view
    // places every tile again for each one added.
    view.hide();
    for (int i = 0; i < n; ++i) {
        auto* item = new QListWidgetItem(&view);
        auto* tile = new CYtbSecVideoLinkItem;
        item->setSizeHint(tile->size());
        if (variant != 1)
            view.setItemWidget(item, tile);
        if (variant != 2)
            tile->setData(record(i, true));
    }
    view.show();
    settle();
    return t.nsecsElapsed() / 1e6;
}

void report(const char* what, double small, double large, double limit)
{
    const double ratio = small > 0 ? large / small : 0;
    std::printf("%-34s %9.1f %9.1f   ratio %5.2f (target <= %.1f) %s\n", what, small, large, ratio, limit,
                ratio <= limit ? "met" : "NOT MET");
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toLocal8Bit());
    QApplication app(argc, argv);
    QDir().mkpath(home.filePath(QStringLiteral("engine")));
    SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), home.filePath(QStringLiteral("engine")));
    Youtube::instance();

    // A first pass warms fonts, style sheets and images.
    buildRows(100, true);
    buildTiles(20);

    std::printf("%-34s %9s %9s\n", "", "small", "large");
    const double rows1000 = buildRows(1000, true);
    const double rows3000 = buildRows(3000, true);
    report("list rows 1000 / 3000 (ms)", rows1000, rows3000, 4.0);
    const double idle50 = idleCpu(50);
    const double idle1000 = idleCpu(1000);
    report("idle CPU, waiting 50 / 1000 (ms/s)", idle50, idle1000, 1.5);
    const double tiles100 = buildTiles(100);
    const double tiles1000 = buildTiles(1000);
    report("tiles 100 / 1000 (ms)", tiles100, tiles1000, 12.0);
    // Where the tile time goes: the tiles alone, and the view without data.
    if (qEnvironmentVariableIsSet("TW_BENCH_DETAIL")) {
        report("tiles without the view", buildTiles(100, 1), buildTiles(1000, 1), 12.0);
        report("tiles without data", buildTiles(100, 2), buildTiles(1000, 2), 12.0);
    }
    return 0;
}
