// Analysis of a 1000-entry list through the analysis thread, with the
// scripted stand-in downloader answering each video after 20 ms, against
// the ideal of eight runs at a time; the parent's CPU time per child start;
// a single-video analysis against one run of the stand-in answering after
// 200 ms; and the memory a model of 3000 items of 30 formats takes.
//
//     bench_analysis [--cores N] [--list-only]
//
// --cores N pins it (and its children) to the first N processors. Without
// it the list figure is taken on every processor, then once more by a copy
// of itself pinned to two (--cores 2 --list-only), so one run prints both.
// With TW_BENCH_STARTS_ONLY set it prints the CPU per child start alone.
//
// Runs with its own HOME, so the user's settings are never touched.

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Analyser/AnalyseThread.h"
#include "function/Youtube/private/Analyser/PlayItemAnalyser.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/FormatChoice.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
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
#include <malloc.h>
#include <memory>
#include <sched.h>
#include <sys/resource.h>

using Youtube_Structure::Item;
using Youtube_Structure::List;
using Youtube_Structure::Lists;

namespace {

constexpr int kEntries = 1000;
constexpr double kChildDelaySeconds = 0.020;

qint64 residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

QJsonObject videoJson(int formats)
{
    QJsonArray list;
    for (int i = 0; i < formats; ++i) {
        const bool audio = i % 3 == 0;
        QJsonObject f{{"format_id", QString::number(100 + i)},
                      {"url", QStringLiteral("https://rr3---sn-abcdefgh.googlevideo.com/videoplayback?expire=1700000000&ei=abcdefghij&ip=127.0.0.1&id=o-ABCDEFGHIJKLMNOPQRSTUVWXYZ&itag=%1&source=youtube&requiressl=yes&mime=video%2Fmp4&dur=212.000&lmt=1600000000000000&sig=AOq0QJ8wRQIgABCDEFGHIJKLMNOPQRSTUVWXYZ").arg(i)},
                      {"ext", audio ? "m4a" : (i % 2 ? "mp4" : "webm")},
                      {"vcodec", audio ? "none" : "avc1.640028"},
                      {"acodec", audio || i % 5 == 0 ? "mp4a.40.2" : "none"},
                      {"width", audio ? QJsonValue() : QJsonValue(256 * (1 + i % 8))},
                      {"height", audio ? QJsonValue() : QJsonValue(144 * (1 + i % 8))},
                      {"fps", audio ? QJsonValue() : QJsonValue(30)},
                      {"abr", audio ? QJsonValue(128.5) : QJsonValue()},
                      {"asr", audio ? QJsonValue(44100) : QJsonValue()},
                      {"filesize", 1000000 + i * 12345},
                      {"protocol", "https"},
                      {"resolution", audio ? "audio only" : "1280x720"},
                      {"language", audio ? (i % 2 ? "en-US" : "de") : QJsonValue()},
                      {"format", QStringLiteral("%1 - 1280x720").arg(100 + i)}};
        list.append(f);
    }
    return QJsonObject{{"id", "abcdefghijk"},
                       {"title", "A video title of ordinary length for the benchmark"},
                       {"uploader", "Some Channel"},
                       {"extractor", "youtube"},
                       {"duration", 212},
                       {"thumbnail", ""},
                       {"subtitles", QJsonObject{{"en", QJsonArray()}, {"de", QJsonArray()}}},
                       {"formats", list}};
}

struct Cpu
{
    double userMs = 0;
    double systemMs = 0;
};

Cpu cpuNow(int who)
{
    rusage u{};
    getrusage(who, &u);
    return {u.ru_utime.tv_sec * 1000.0 + u.ru_utime.tv_usec / 1000.0,
            u.ru_stime.tv_sec * 1000.0 + u.ru_stime.tv_usec / 1000.0};
}

bool pinTo(int cores)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    for (int i = 0; i < cores; ++i)
        CPU_SET(i, &set);
    return sched_setaffinity(0, sizeof set, &set) == 0;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(data);
}

} // namespace

int main(int argc, char** argv)
{
    int cores = 0;
    bool listOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--cores") == 0 && i + 1 < argc)
            cores = atoi(argv[i + 1]);
        else if (qstrcmp(argv[i], "--list-only") == 0)
            listOnly = true;
    }
    if (cores > 0 && !pinTo(cores)) {
        std::fprintf(stderr, "cannot pin to %d cores\n", cores);
        return 1;
    }
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(var, home.path().toLocal8Bit());
    // The stand-in keeps no log of its runs here: reading a growing log on
    // every run would be its own cost, not the engine's.
    qputenv("TW_FAKE_LOG", "/dev/null");

    QCoreApplication app(argc, argv);
    const QString engine = home.path() + QStringLiteral("/engine");
    QDir().mkpath(engine + QStringLiteral("/downloader-dlp"));
    SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), SettingsStore::toStoredPath(engine));
    SettingsStore::instance()->setValue(QStringLiteral("youtube/downloadFullList"), QStringLiteral("true"));
    QFile::copy(QStringLiteral(TW_SOURCE_DIR "/tests/fixtures/fake_downloader.py"),
                engine + QStringLiteral("/downloader-dlp/downloader"));
    Youtube::instance();

    // The page: a flat list of 1000 bare ids; every video answers after 20 ms.
    QJsonArray entries;
    for (int i = 0; i < kEntries; ++i)
        entries.append(QJsonObject{{"id", QStringLiteral("vid%1").arg(i)}, {"url", QStringLiteral("vid%1").arg(i)},
                                   {"title", QStringLiteral("Entry %1").arg(i)}});
    const QString listUrl = QStringLiteral("https://www.youtube.com/playlist?list=BENCH");
    const QJsonObject page{{"_type", "playlist"}, {"extractor", "youtube:tab"}, {"id", "BENCH"},
                           {"title", "Bench"}, {"entries", entries}};
    const QJsonObject video = videoJson(8);
    const QString singleUrl = QStringLiteral("https://www.youtube.com/watch?v=single");
    const QJsonObject slowVideo{{"stdout", QString::fromUtf8(QJsonDocument(videoJson(8)).toJson(QJsonDocument::Compact))},
                                {"delay", 0.2}};
    const QJsonObject script{
        {"routes", QJsonObject{{listUrl, QJsonObject{{"stdout", QString::fromUtf8(QJsonDocument(page).toJson(QJsonDocument::Compact))}}},
                               {singleUrl, slowVideo}}},
        {"contains", QJsonArray{QJsonObject{{"text", "watch?v="},
                                            {"answer", QJsonObject{{"stdout", QString::fromUtf8(QJsonDocument(video).toJson(QJsonDocument::Compact))},
                                                                   {"delay", kChildDelaySeconds}}}}}}};
    writeFile(engine + QStringLiteral("/downloader-dlp/fake_script.json"), QJsonDocument(script).toJson(QJsonDocument::Compact));

    // The engine takes an interpreter in the engine folder before the
    // system's; this one times each child it runs.
    QDir().mkpath(engine + QStringLiteral("/python/bin"));
    QFile::copy(QStringLiteral(TW_CHILD_TIMER), engine + QStringLiteral("/python/bin/python3"));
    const QString timesFile = home.path() + QStringLiteral("/child_times.txt");
    qputenv("TW_BENCH_TIMES", timesFile.toLocal8Bit());

    // One child on its own, many times: what a video run costs.
    const int calibrationRuns = 40;
    const QStringList videoArgs = DownloaderProgram::analysisArguments(
        DownloaderProgram::VideoRun, QStringLiteral("https://www.youtube.com/watch?v=calib"), QString());
    QElapsedTimer timer;
    timer.start();
    const Cpu processBefore = cpuNow(RUSAGE_SELF);
    const Cpu threadBefore = cpuNow(RUSAGE_THREAD);
    for (int i = 0; i < calibrationRuns; ++i)
        DownloaderRun::run(videoArgs);
    const double childMs = double(timer.elapsed()) / calibrationRuns;
    const Cpu processAfter = cpuNow(RUSAGE_SELF);
    const Cpu threadAfter = cpuNow(RUSAGE_THREAD);
    const double threadUserMs = (threadAfter.userMs - threadBefore.userMs) / calibrationRuns;
    const double threadSystemMs = (threadAfter.systemMs - threadBefore.systemMs) / calibrationRuns;
    const double processPerStartMs = (processAfter.userMs + processAfter.systemMs - processBefore.userMs
                                      - processBefore.systemMs) / calibrationRuns;
    if (qEnvironmentVariableIsSet("TW_BENCH_STARTS_ONLY")) {
        std::printf("thread %.3f user %.3f sys, process %.3f\n", threadUserMs, threadSystemMs, processPerStartMs);
        return 0;
    }

    // The analysis.
    AnalyseThread thread;
    QEventLoop done;
    QObject::connect(&thread, &AnalyseThread::doFinished, &done, &QEventLoop::quit, Qt::QueuedConnection);
    int error = -1;
    timer.restart();
    std::unique_ptr<Lists> lists(thread.init(listUrl, QString(), QString(), &error));
    if (!lists) {
        std::fprintf(stderr, "analysis failed: %d\n", error);
        return 1;
    }
    done.exec();
    const double wallMs = double(timer.elapsed());
    int analysed = 0;
    for (const Item& item : lists->first().items)
        if (item.analysed && item.status == YtbNoError)
            ++analysed;
    // What the children of the analysis really took, and how many ran at once.
    QList<QPair<qint64, qint64>> runs;
    {
        QFile f(timesFile);
        f.open(QIODevice::ReadOnly);
        const QList<QByteArray> lines = f.readAll().split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2)
                runs.append({parts[0].toLongLong(), parts[1].toLongLong()});
        }
    }
    runs = runs.mid(calibrationRuns);
    double sumMs = 0;
    QList<QPair<qint64, int>> edges;
    for (const auto& r : runs) {
        sumMs += (r.second - r.first) / 1e6;
        edges.append({r.first, 1});
        edges.append({r.second, -1});
    }
    std::sort(edges.begin(), edges.end());
    int running = 0, most = 0;
    for (const auto& e : edges) {
        running += e.second;
        most = qMax(most, running);
    }
    const double idealMs = sumMs / AnalyseThread::kPoolSize;

    std::printf("analysis of a %d-entry list, child answering after %.0f ms\n", kEntries, kChildDelaySeconds * 1000);
    std::printf("  items analysed:          %d\n", analysed);
    std::printf("  one child run (alone):   %.1f ms (mean of %d)\n", childMs, calibrationRuns);
    std::printf("  child runs:              %d (page and videos), at most %d at once\n", int(runs.size()), most);
    std::printf("  one child run (in pool): %.1f ms (mean)\n", runs.isEmpty() ? 0.0 : sumMs / runs.size());
    std::printf("  sum of child times:      %.0f ms\n", sumMs);
    std::printf("  ideal (sum / 8):         %.0f ms\n", idealMs);
    std::printf("  wall time:               %.0f ms\n", wallMs);
    std::printf("  wall / ideal:            %.2f (target <= %s)\n", wallMs / idealMs,
                cores > 0 && cores <= 2 ? "1.30 pinned to 2 cores" : "1.15");
    std::printf("  processors:              %s\n", cores > 0 ? qPrintable(QStringLiteral("pinned to %1").arg(cores)) : "all");
    std::printf("parent CPU per child start: %.2f ms (user %.2f, system %.2f, of the starting thread, mean of %d; "
                "target <= 3); whole process %.2f ms\n",
                threadUserMs + threadSystemMs, threadUserMs, threadSystemMs, calibrationRuns, processPerStartMs);
    lists.reset();
    if (listOnly)
        return 0;
    if (cores == 0) {
        std::fflush(stdout);
        QProcess pinned;
        pinned.setProcessChannelMode(QProcess::ForwardedChannels);
        pinned.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--cores"), QStringLiteral("2"),
                                                                 QStringLiteral("--list-only")});
        if (!pinned.waitForFinished(600000) || pinned.exitCode() != 0)
            std::fprintf(stderr, "the run pinned to 2 cores failed\n");
    }

    // A single video: the stand-in answers after 200 ms.
    {
        const QStringList args = DownloaderProgram::analysisArguments(DownloaderProgram::VideoRun, singleUrl, QString());
        const int rounds = 5;
        double oneRunMs = 0;
        double analysisMs = 0;
        for (int i = 0; i < rounds; ++i) {
            timer.restart();
            DownloaderRun::run(args);
            oneRunMs += double(timer.elapsed());
            AnalyseThread single;
            QEventLoop finished;
            QObject::connect(&single, &AnalyseThread::doFinished, &finished, &QEventLoop::quit, Qt::QueuedConnection);
            timer.restart();
            std::unique_ptr<Lists> one(single.init(singleUrl, QString(), QString(), &error));
            if (!one) {
                std::fprintf(stderr, "single-video analysis failed: %d\n", error);
                return 1;
            }
            finished.exec();
            analysisMs += double(timer.elapsed());
        }
        std::printf("single-video analysis, child answering after 200 ms (mean of %d)\n", rounds);
        std::printf("  one child run:           %.0f ms\n", oneRunMs / rounds);
        std::printf("  analysis:                %.0f ms\n", analysisMs / rounds);
        std::printf("  analysis / one run:      %.2f (target <= 1.15)\n", analysisMs / oneRunMs);
    }

    // Memory of the model: 3000 items of 30 formats, filled by the real
    // parse and ordered by the format choice.
    const QByteArray big = QJsonDocument(videoJson(30)).toJson(QJsonDocument::Compact);
    malloc_trim(0);
    const qint64 before = residentKiB();
    auto model = std::make_unique<Lists>();
    {
        List list;
        PlayItemAnalyser parser;
        for (int i = 0; i < 3000; ++i) {
            Item item;
            item.url = QStringLiteral("https://www.youtube.com/watch?v=vid%1").arg(i);
            parser.parseItemJson(big, &item);
            FormatChoice::prepare(item);
            list.items.append(std::move(item));
        }
        model->append(std::move(list));
    }
    const qint64 after = residentKiB();
    int formats = 0;
    for (const Item& item : model->first().items)
        formats += item.medias.size();
    std::printf("model of 3000 items of 30 formats (%d format entries with the mp3 entries)\n", formats);
    std::printf("  resident memory added:   %.1f MiB (%.1f KiB per item)\n", (after - before) / 1024.0,
                double(after - before) / 3000.0);
    return 0;
}
