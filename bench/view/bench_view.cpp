// The video view's cost: a 640x360 30 fps clip played for 10 s in twplay's
// OpenGL window, once plain and once with a crop chain and the sharpen
// shader. Prints the share of handed-over frames that were painted and the
// CPU of the filtered run against the plain one, each the median of three
// tries. Run it under Xvfb (Mesa's software OpenGL).

#include "AvTestMedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Run
{
    double cpu = -1;
    int received = 0;
    int painted = 0;
};

Run play(const QStringList& args, const QString& log)
{
    QList<QByteArray> store;
    std::vector<char*> argv;
    for (const QString& a : args)
        store << a.toLocal8Bit();
    for (QByteArray& b : store)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    const QByteArray logPath = log.toLocal8Bit();
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, logPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    Run run;
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ) != 0)
        return run;
    posix_spawn_file_actions_destroy(&fa);
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    run.cpu = ru.ru_utime.tv_sec + ru.ru_utime.tv_usec / 1e6 + ru.ru_stime.tv_sec + ru.ru_stime.tv_usec / 1e6;
    QFile f(log);
    if (f.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : f.readAll().split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (o.value("event").toString() == QLatin1String("render")) {
                run.received = o.value("received").toInt();
                run.painted = o.value("painted").toInt();
            }
        }
    }
    return run;
}

void report(const char* name, double value, const char* op, double target, bool ok)
{
    std::printf("%-44s %8.3f  (target %s %.3f) %s\n", name, value, op, target, ok ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_view: needs an X display (run it under xvfb-run)\n");
        return 1;
    }
    const QString clip = QDir(AvTestMedia::folder()).filePath("bench_view.mp4");
    if (!AvTestMedia::runFfmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=30", "-t", "10", "-c:v", "libx264",
                                 "-preset", "veryfast", "-pix_fmt", "yuv420p", clip})) {
        std::fprintf(stderr, "bench_view: ffmpeg could not make the clip\n");
        return 1;
    }
    const QStringList base{QStringLiteral(TW_TWPLAY), "--audio", "null", "--gl"};
    const QString log = QDir(AvTestMedia::folder()).filePath("bench_view.log");
    // Three tries of each, in turn; each figure is the median of its three,
    // with their min-max beside it.
    const QStringList filteredArgs{"--filter", "crop=w=480:h=270:x=80:y=45", "--shader", "sharpen"};
    std::vector<double> shares, ratios;
    for (int i = 0; i < 3; ++i) {
        const Run plain = play(base + QStringList{clip}, log);
        const Run filtered = play(base + filteredArgs + QStringList{clip}, log);
        if (plain.cpu <= 0 || filtered.received == 0) {
            std::fprintf(stderr, "bench_view: twplay did not play the clip\n");
            return 1;
        }
        std::printf("try %d: frames handed over %d, painted %d (plain: %d of %d); CPU %.2f s / %.2f s\n", i + 1,
                    filtered.received, filtered.painted, plain.painted, plain.received, filtered.cpu, plain.cpu);
        shares.push_back(double(filtered.painted) / filtered.received);
        ratios.push_back(filtered.cpu / plain.cpu);
    }
    std::sort(shares.begin(), shares.end());
    std::sort(ratios.begin(), ratios.end());
    std::printf("min-max of the three: painted share %.3f-%.3f, CPU ratio %.3f-%.3f\n", shares.front(), shares.back(),
                ratios.front(), ratios.back());
    const double paintedShare = shares[1];
    const double cpuRatio = ratios[1];
    report("painted / handed over, chain and shader", paintedShare, ">=", 0.95, paintedShare >= 0.95);
    report("CPU with chain and shader / without", cpuRatio, "<=", 1.5, cpuRatio <= 1.5);
    return 0;
}
