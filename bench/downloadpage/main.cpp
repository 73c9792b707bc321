// How the download page's cost grows with its rows: building the page while
// it restores N unfinished downloads, and removing N completed rows, for 200
// and 2000 rows. The target is at most 12 times the time of 200 for ten
// times the rows. Each figure of a run is the median of five tries; three
// runs give its min-max. Also the resident memory each restored row holds:
// (RSS with 2000 rows - RSS with 200) / 1800, target at most 64 KiB. The
// engine reads its list once per process, so every try runs in a child of
// its own, with its own HOME. Run with QT_QPA_PLATFORM=offscreen.
#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Downloader/DownloadingStore.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/cnorvideodlitem.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

DownloadItem task(int i)
{
    DownloadItem t;
    t.title = QStringLiteral("A rather long video title number %1").arg(i);
    t.url = QStringLiteral("http://fake.example/v/%1").arg(i);
    t.progress = i % 100;
    t.mediaDuration = 60 + i;
    DownloadMedia m;
    m.format = QStringLiteral("mp4");
    m.resolution = QStringLiteral("1280x720");
    m.fileSize = QStringLiteral("12.30MB");
    m.tarExt = QStringLiteral("mp4");
    t.medias.append(m);
    t.setChosenMediaIndex(0);
    return t;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

long rssKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// One measurement in this process: prints "<ms> <resident KiB after>" as its
// last line of output, after any complaint.
int child(const QString& what, int n)
{
    SettingsStore::instance()->setValue(QStringLiteral("youtube/path"),
                                        SettingsStore::toStoredPath(QDir::home().filePath(QStringLiteral("engine"))));
    if (what == QLatin1String("restore")) {
        {
            std::vector<std::unique_ptr<DownloadItem>> jobs;
            QList<DownloadItem*> ptrs;
            for (int i = 0; i < n; ++i) {
                jobs.push_back(std::make_unique<DownloadItem>(task(i)));
                ptrs << jobs.back().get();
            }
            DownloadingStore::write(ptrs);
        }
        QElapsedTimer t;
        t.start();
        DownloaderForm page;
        QCoreApplication::processEvents();
        const double ms = t.nsecsElapsed() / 1e6;
        const long after = rssKiB();
        if (page.downloadList()->count() != n)
            std::printf("restored %d of %d\n", page.downloadList()->count(), n);
        std::printf("%.3f %ld\n", ms, after);
        // Tearing 2000 rows down is not measured; the page is left as is.
        std::fflush(stdout);
        std::_Exit(0);
    }
    DownloaderForm page;
    QUxListWidget* list = page.downloadList();
    for (int i = 0; i < n; ++i) {
        auto* row = new CNorVideoDlItem(list, task(i), true);
        list->insertItem(row, false, -1);
        // Finished rows leave the engine's list themselves; these were never
        // in it, so it stays empty.
        row->onDownFinished(0, {});
    }
    // What building the rows left queued is not part of the cleaning. Rows
    // build their forms as they are polished in the first pass, and what
    // those forms post waits for the next.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    page.onMenuBtn_cleanSuccess_clicked();
    QCoreApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    if (list->count() != 0)
        std::printf("%d rows left\n", list->count());
    std::printf("%.3f 0\n", ms);
    std::fflush(stdout);
    std::_Exit(0);
}

double run(const QString& self, const QString& what, int n, double* rss)
{
    QTemporaryDir home;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.insert(QLatin1String(v), home.path() + QLatin1Char('/') + QLatin1String(v));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    // The page writes a debug line for every row it cleans; the program
    // sends them to its log file, and so does this, so that a terminal or a
    // pipe reading this bench's output does not set their pace.
    p.setStandardErrorFile(home.filePath(QStringLiteral("debug.txt")));
    p.start(self, {QStringLiteral("--child"), what, QString::number(n)});
    p.waitForFinished(-1);
    QList<QByteArray> lines = p.readAllStandardOutput().trimmed().split('\n');
    const QList<QByteArray> out = lines.takeLast().split(' ');
    for (const QByteArray& line : qAsConst(lines))
        std::fprintf(stderr, "%s\n", line.constData());
    if (rss)
        *rss = out.value(1).toDouble();
    return out.value(0).toDouble();
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
    constexpr int kTries = 5;
    for (const char* what : {"restore", "clean"}) {
        const bool restore = qstrcmp(what, "restore") == 0;
        double lo = 1e18, hi = 0, memLo = 1e18, memHi = 0;
        for (int i = 0; i < 3; ++i) {
            std::vector<double> small, large, rssSmall, rssLarge;
            for (int k = 0; k < kTries; ++k) {
                double rss = 0;
                small.push_back(run(self, QLatin1String(what), 200, &rss));
                rssSmall.push_back(rss);
                large.push_back(run(self, QLatin1String(what), 2000, &rss));
                rssLarge.push_back(rss);
            }
            const double ratio = median(large) / std::max(median(small), 0.001);
            lo = std::min(lo, ratio);
            hi = std::max(hi, ratio);
            std::printf("%s run %d: 200 rows %.1f ms, 2000 rows %.1f ms (medians of %d), ratio %.2f\n", what, i + 1,
                        median(small), median(large), kTries, ratio);
            if (restore) {
                const double perRow = (median(rssLarge) - median(rssSmall)) / 1800.0;
                memLo = std::min(memLo, perRow);
                memHi = std::max(memHi, perRow);
                std::printf("restore run %d: resident %.0f KiB with 200 rows, %.0f KiB with 2000: %.1f KiB per row\n", i + 1,
                            median(rssSmall), median(rssLarge), perRow);
            }
        }
        std::printf("%s ratio 2000/200: %.2f-%.2f (target <= 12): %s\n", what, lo, hi, hi <= 12 ? "ok" : "too slow");
        ok = ok && hi <= 12;
        if (restore) {
            std::printf("memory per restored row: %.1f-%.1f KiB (target <= 64): %s\n", memLo, memHi, memHi <= 64 ? "ok" : "too much");
            ok = ok && memHi <= 64;
        }
    }
    return ok ? 0 : 1;
}
