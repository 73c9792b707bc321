// Fifty jobs, each of which the fake downloader finishes in 200 ms, through
// the download thread's five workers. Prints the wall time against the
// ideal (the children's measured lifetimes summed and divided by five), the
// delay from a worker's end to its next start, and the engine's own CPU.

#include "data_structure/DownloadItem/DownloadItem.h"
#include "function/Youtube/private/Downloader/DownloadThread.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QMutex>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kJobs = 50;

double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

double cpuMs()
{
    rusage u;
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Everything, settings included, lives in a folder of its own.
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    qputenv("HOME", root.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root.path() + "/.local/share").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root.path() + "/.config").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (root.path() + "/.cache").toLocal8Bit());
    QCoreApplication app(argc, argv);
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}%{if-critical}%{message}%{endif}"));

    const QString engine = root.path() + "/engine";
    const QString video = root.path() + "/video";
    QDir().mkpath(engine + "/downloader-dlp");
    QDir().mkpath(video);
    SettingsStore* s = SettingsStore::instance();
    s->setValue("youtube/path", SettingsStore::toStoredPath(engine));
    s->setValue("youtube/download", SettingsStore::toStoredPath(video));
    s->setValue("proxy/enabled", "false");

    const QString fake = QStringLiteral(TW_BENCH_SOURCE_DIR) + "/tests/fixtures/fake_downloader.py";
    if (!QFile::copy(QStringLiteral(TW_BENCH_WRAPPER), engine + "/downloader-dlp/downloader")) {
        std::fprintf(stderr, "cannot install the wrapper\n");
        return 1;
    }
    const QByteArray script = R"({"default": {
        "files": {"{arg:-o}": "media data"},
        "steps": [
          {"stdout": "[download] Destination: temp.mp4\n[download]  50.0% of 1KiB\n", "delay": 0.2},
          {"stdout": "[download] 100% of 1KiB in 00:00:00\n"}]}})";
    QFile sf(engine + "/script.json");
    sf.open(QIODevice::WriteOnly);
    sf.write(script);
    sf.close();
    const QString times = engine + "/times.txt";
    qputenv("TW_BENCH_FAKE", fake.toLocal8Bit());
    qputenv("TW_BENCH_TIMES", times.toLocal8Bit());
    qputenv("TW_FAKE_SCRIPT", (engine + "/script.json").toLocal8Bit());
    qputenv("TW_FAKE_LOG", (engine + "/fake_log.jsonl").toLocal8Bit());

    std::vector<std::unique_ptr<DownloadItem>> jobs;
    QList<DownloadItem*> batch;
    for (int i = 0; i < kJobs; ++i) {
        auto job = std::make_unique<DownloadItem>();
        job->title = QStringLiteral("Job %1").arg(i);
        job->url = QStringLiteral("http://fake.example/%1").arg(i);
        DownloadMedia m;
        m.formatID = "18";
        m.srcExt = "mp4";
        m.tarExt = "mp4";
        job->medias.append(m);
        job->setChosenMediaIndex(0);
        batch.append(job.get());
        jobs.push_back(std::move(job));
    }

    // Per worker thread: when each of its runs started and ended.
    QMutex lock;
    QHash<QThread*, std::vector<std::pair<double, double>>> runs;   // (start, end)
    for (DownloadItem* job : batch) {
        QObject::connect(job, &DownloadItem::doStarted, job, [&] {
            QMutexLocker l(&lock);
            runs[QThread::currentThread()].push_back({nowMs(), -1});
        }, Qt::DirectConnection);
        QObject::connect(job, &DownloadItem::doFinish, job, [&] {
            QMutexLocker l(&lock);
            runs[QThread::currentThread()].back().second = nowMs();
        }, Qt::DirectConnection);
    }

    DownloadThread dt;
    QEventLoop loop;
    QStringList succeeded;
    QObject::connect(&dt, &DownloadThread::doDownloadFinished, &loop,
                     [&](const QStringList& ok, const QStringList&) { succeeded = ok; loop.quit(); });

    const double cpu0 = cpuMs();
    QElapsedTimer wall;
    wall.start();
    dt.add(batch);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    const double wallMs = wall.nsecsElapsed() / 1e6;
    const double cpu = cpuMs() - cpu0;

    QFile tf(times);
    tf.open(QIODevice::ReadOnly);
    double childSum = 0;
    int children = 0;
    std::vector<std::pair<double, double>> childRuns;     // on the monotonic clock
    timespec mono, boot;
    clock_gettime(CLOCK_MONOTONIC, &mono);
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double bootToMono = (mono.tv_sec - boot.tv_sec) * 1000.0 + (mono.tv_nsec - boot.tv_nsec) / 1e6;
    for (const QByteArray& line : tf.readAll().split('\n')) {
        const QList<QByteArray> p = line.split(' ');
        if (p.size() == 2) {
            childSum += (p[1].toDouble() - p[0].toDouble()) * 1000.0;
            childRuns.push_back({p[0].toDouble() * 1000.0 + bootToMono, p[1].toDouble() * 1000.0 + bootToMono});
            ++children;
        }
    }
    // Each child against the engine's run around it: the engine's own time
    // before the child starts and after it ends.
    std::vector<double> before, after;
    for (auto it = runs.cbegin(); it != runs.cend(); ++it)
        for (const auto& r : *it)
            for (const auto& c : childRuns)
                if (c.first >= r.first - 15 && c.second <= r.second + 1) {
                    before.push_back(c.first - r.first);
                    after.push_back(r.second - c.second);
                    break;
                }
    const double ideal = childSum / DownloadThread::kWorkerCount;

    std::vector<double> gaps;
    for (auto it = runs.cbegin(); it != runs.cend(); ++it)
        for (size_t i = 1; i < it->size(); ++i)
            gaps.push_back((*it)[i].first - (*it)[i - 1].second);

    std::printf("jobs succeeded:                 %d of %d (children measured: %d)\n", int(succeeded.size()), kJobs,
                children);
    std::printf("children's lifetimes, mean:     %.1f ms\n", children ? childSum / children : 0.0);
    std::printf("ideal (sum / 5):                %.1f ms\n", ideal);
    std::printf("wall time:                      %.1f ms\n", wallMs);
    std::printf("wall / ideal:                   %.3f (target <= 1.15)\n", ideal > 0 ? wallMs / ideal : 0.0);
    std::printf("worker end -> next start:       median %.2f ms, max %.2f ms over %d hand-overs (target < 50)\n",
                median(gaps), gaps.empty() ? 0.0 : *std::max_element(gaps.begin(), gaps.end()), int(gaps.size()));
    std::printf("engine before a child / after:  median %.1f ms / %.1f ms (child start has 10 ms resolution)\n",
                median(before), median(after));
    std::printf("engine CPU while running:       %.1f ms (%.1f%% of one core)\n", cpu, wallMs > 0 ? 100.0 * cpu / wallMs : 0.0);
    return succeeded.size() == kJobs ? 0 : 2;
}
