// How the download page's adding grows with the selection, and how the
// interface thread keeps its pace while an analysis runs:
//  - adding 2000 selected items takes at most 12 times as long as adding 200;
//  - during a 1000-entry analysis (fake downloader, 20 ms an entry) the 99th
//    percentile interval of a 10 ms timer is at most 1.5 times that of a
//    100-entry analysis and at most 5 timer periods.
// The engine is a process-wide singleton, so every measurement runs in a
// child of its own, with its own HOME. Run with QT_QPA_PLATFORM=offscreen.
#include "function/Youtube/Youtube.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/DownloaderForm.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QJsonObject video(const QString& id)
{
    const QJsonArray formats{QJsonObject{{"format_id", "18"}, {"vcodec", "avc1"}, {"acodec", "mp4a"}, {"ext", "mp4"},
                                         {"height", 360}, {"url", "http://127.0.0.1:9/18"}}};
    return QJsonObject{{"id", id}, {"title", "A rather long video title " + id}, {"extractor", "generic"},
                       {"formats", formats}, {"duration", 60}, {"webpage_url", "http://fake.example/v/" + id}};
}

QString compact(const QJsonObject& o)
{
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

// The fake downloader as the engine's launcher, answering `list` with n
// entries: whole videos (one run) or bare addresses (a run of 20 ms each).
bool setUpEngine(int n, bool whole)
{
    const QString engine = QDir::home().filePath(QStringLiteral("engine"));
    QDir().mkpath(engine + QStringLiteral("/downloader-dlp"));
    SettingsStore* s = SettingsStore::instance();
    s->setValue(QStringLiteral("youtube/path"), SettingsStore::toStoredPath(engine));
    s->setValue(QStringLiteral("youtube/download"), SettingsStore::toStoredPath(QDir::home().filePath(QStringLiteral("out"))));
    s->setValue(QStringLiteral("proxy/enabled"), QStringLiteral("false"));
    if (!QFile::copy(QStringLiteral(TW_FAKE_DOWNLOADER), engine + QStringLiteral("/downloader-dlp/downloader")))
        return false;
    QJsonArray entries;
    for (int i = 0; i < n; ++i) {
        const QString id = QStringLiteral("v%1").arg(i);
        entries.append(whole ? QJsonValue(video(id))
                             : QJsonValue(QJsonObject{{"id", id}, {"url", "http://fake.example/v/" + id}, {"title", id}}));
    }
    const QJsonObject list{{"_type", "playlist"}, {"extractor", "generic"}, {"id", "bench"}, {"title", "Bench list"},
                           {"entries", entries}};
    const QJsonObject script{
        {"routes", QJsonObject{{"http://fake.example/list", QJsonObject{{"stdout", compact(list)}}}}},
        {"contains", QJsonArray{QJsonObject{{"text", "/v/"}, {"answer", QJsonObject{{"stdout", compact(video("one"))},
                                                                                      {"delay", 0.02}}}}}}};
    QFile f(engine + QStringLiteral("/fake_script.json"));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(QJsonDocument(script).toJson(QJsonDocument::Compact));
    f.close();
    qputenv("TW_FAKE_SCRIPT", f.fileName().toLocal8Bit());
    qputenv("TW_FAKE_LOG", (engine + QStringLiteral("/fake_log.jsonl")).toLocal8Bit());
    return true;
}

void waitForAnalysis()
{
    QEventLoop loop;
    QObject::connect(Youtube::instance(), &Youtube::doAnalyseFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    loop.exec();
}

// One measurement in this process; prints its figure.
int child(const QString& what, int n)
{
    if (what == QLatin1String("add")) {
        if (!setUpEngine(n, true))
            return 2;
        DownloaderForm page;
        QTimer::singleShot(0, [] { Youtube::instance()->initAnalyser(QStringLiteral("http://fake.example/list")); });
        waitForAnalysis();
        YoutubeList lists;
        Youtube::instance()->lists(lists, 0, -1);
        Youtube::instance()->setChecked(0, -1, true);
        QElapsedTimer t;
        t.start();
        page.doAfterUrlAnalysis(1);
        QCoreApplication::processEvents();
        const double ms = t.nsecsElapsed() / 1e6;
        if (page.downloadList()->count() != n)
            std::fprintf(stderr, "added %d of %d\n", page.downloadList()->count(), n);
        std::printf("%.3f\n", ms);
        return 0;
    }
    // The analysis window shows the rows as they come, as for a user.
    if (!setUpEngine(n, false))
        return 2;
    UrlAnalyserDialog dialog;
    dialog.show();
    // The window's first layout and paint are not the analysis's.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    std::vector<double> intervals;
    intervals.reserve(size_t(n) * 10);
    QElapsedTimer clock;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(10);
    qint64 last = -1;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            intervals.push_back((now - last) / 1e6);
        last = now;
    });
    clock.start();
    timer.start();
    QTimer::singleShot(0, [&dialog] { dialog.onAnalyseUrl(QStringLiteral("http://fake.example/list")); });
    waitForAnalysis();
    timer.stop();
    std::sort(intervals.begin(), intervals.end());
    const double p99 = intervals.empty() ? 0 : intervals.at(size_t(intervals.size() * 0.99));
    std::printf("%.3f %zu\n", p99, intervals.size());
    return 0;
}

double run(const QString& self, const QString& what, int n)
{
    QTemporaryDir home;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.path() + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // No request leaves the machine: the maker's addresses go to a closed port.
    env.insert(QStringLiteral("TW_SERVICE_BASE"), QStringLiteral("http://127.0.0.1:9"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(self, {QStringLiteral("--child"), what, QString::number(n)});
    p.waitForFinished(-1);
    return p.readAllStandardOutput().trimmed().split(' ').value(0).toDouble();
}

}

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0) {
        QApplication app(argc, argv);
        return child(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    }
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    bool ok = true;
    {
        double lo = 1e18, hi = 0;
        for (int i = 0; i < 3; ++i) {
            const double small = run(self, QStringLiteral("add"), 200);
            const double large = run(self, QStringLiteral("add"), 2000);
            const double ratio = large / std::max(small, 0.001);
            lo = std::min(lo, ratio);
            hi = std::max(hi, ratio);
            std::printf("adding: 200 items %.1f ms, 2000 items %.1f ms\n", small, large);
        }
        std::printf("adding ratio 2000/200: %.2f-%.2f (target <= 12): %s\n", lo, hi, hi <= 12 ? "ok" : "too slow");
        ok = ok && hi <= 12;
    }
    {
        double lo = 1e18, hi = 0, worst = 0;
        for (int i = 0; i < 3; ++i) {
            const double small = run(self, QStringLiteral("timer"), 100);
            const double large = run(self, QStringLiteral("timer"), 1000);
            const double ratio = large / std::max(small, 0.001);
            lo = std::min(lo, ratio);
            hi = std::max(hi, ratio);
            worst = std::max(worst, large);
            std::printf("10 ms timer, 99th percentile interval: 100 entries %.1f ms, 1000 entries %.1f ms\n", small, large);
        }
        std::printf("timer ratio 1000/100: %.2f-%.2f (target <= 1.5): %s\n", lo, hi, hi <= 1.5 ? "ok" : "too slow");
        std::printf("timer 99th percentile at 1000 entries: at most %.1f ms (target <= 50 ms, 5 periods): %s\n", worst,
                    worst <= 50 ? "ok" : "too slow");
        ok = ok && hi <= 1.5 && worst <= 50;
    }
    return ok ? 0 : 1;
}
