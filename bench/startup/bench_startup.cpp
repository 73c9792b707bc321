// Start-up of the program against an empty Qt window: from the start of the
// process until its first window has been painted (the mark each prints),
// as the median of several starts of each, taken in turn. Each program gets
// its own HOME and runtime folder; the first start of each is not counted
// (it makes the settings and warms the file cache).
//
//     bench_startup [starts] [--offscreen]
//
// starts: of each program (default 15). Both show their windows on a private
// X display of xvfb-run's, with no compositor. --offscreen uses Qt's
// offscreen platform instead: there is no display server and no OpenGL
// driver, so the empty window costs next to nothing and the figure shows
// only the program's own work; the target is for a display.

#include "XvfbReenter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

struct Start
{
    double ms = -1;
    long long kib = -1;
};

QProcessEnvironment environmentIn(const QString& root, const QString& platform)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* d : {"home/.config", "home/.local/share", "home/.cache", "run"})
        QDir().mkpath(root + QLatin1Char('/') + QLatin1String(d));
    QFile::setPermissions(root + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert(QStringLiteral("HOME"), root + QStringLiteral("/home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/home/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/home/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/home/.cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/run"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("TW_NO_POWEROFF"), QStringLiteral("1"));
    env.insert(QStringLiteral("TW_STARTUP_MARK"), QStringLiteral("1"));
    return env;
}

Start startOnce(const QString& program, const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    const long long begin = nowNs();
    p.start(program, QStringList());
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    Start s;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.trimmed().split(' ');
        if (f.size() == 3 && f.at(0) == "mark") {
            s.ms = (f.at(1).toLongLong() - begin) / 1e6;
            s.kib = f.at(2).toLongLong();
        }
    }
    return s;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    int starts = 15;
    bool offscreen = false;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--offscreen") == 0)
            offscreen = true;
        else if (atoi(argv[i]) > 0)
            starts = atoi(argv[i]);
    }
    if (!offscreen)
        XvfbMain::reenterUnderXvfb(argc, argv);
    QCoreApplication app(argc, argv);
    const QString platform = offscreen ? QStringLiteral("offscreen") : QStringLiteral("xcb");
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    const QProcessEnvironment programEnv = environmentIn(root.filePath(QStringLiteral("program")), platform);
    const QProcessEnvironment emptyEnv = environmentIn(root.filePath(QStringLiteral("empty")), platform);

    if (startOnce(QStringLiteral(TW_PROGRAM), programEnv).ms < 0
        || startOnce(QStringLiteral(TW_EMPTY_WINDOW), emptyEnv).ms < 0) {
        std::fprintf(stderr, "a program did not show its window\n");
        return 1;
    }
    std::vector<double> programMs, emptyMs;
    long long programKiB = 0, emptyKiB = 0;
    for (int i = 0; i < starts; ++i) {
        const Start e = startOnce(QStringLiteral(TW_EMPTY_WINDOW), emptyEnv);
        const Start p = startOnce(QStringLiteral(TW_PROGRAM), programEnv);
        if (e.ms < 0 || p.ms < 0) {
            std::fprintf(stderr, "a program did not show its window\n");
            return 1;
        }
        emptyMs.push_back(e.ms);
        programMs.push_back(p.ms);
        programKiB = std::max(programKiB, p.kib);
        emptyKiB = std::max(emptyKiB, e.kib);
    }
    const double p = median(programMs);
    const double e = median(emptyMs);
    std::printf("start-up to the first window painted (%s, median of %d starts)\n", qPrintable(platform), starts);
    std::printf("  empty Qt window:         %.1f ms, %.1f MiB resident\n", e, emptyKiB / 1024.0);
    std::printf("  program:                 %.1f ms, %.1f MiB resident\n", p, programKiB / 1024.0);
    std::printf("  program / empty window:  %.2f%s, +%.1f MiB\n", p / e,
                offscreen ? " (no display: the program's own work only)" : " (target <= 1.25)",
                (programKiB - emptyKiB) / 1024.0);
    return 0;
}
