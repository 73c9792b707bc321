// How the download page's cost grows with its rows: building the page while
// it restores N unfinished downloads, and removing N completed rows, for 200
// and 2000 rows. The target is at most 12 times the time of 200 for ten
// times the rows. The engine reads its list once per process, so every
// measurement runs in a child of its own, with its own HOME.
// Run with QT_QPA_PLATFORM=offscreen.
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

// One measurement in this process: prints "<ms> <KiB per row>".
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
        const long before = rssKiB();
        QElapsedTimer t;
        t.start();
        DownloaderForm page;
        QCoreApplication::processEvents();
        const double ms = t.nsecsElapsed() / 1e6;
        const long after = rssKiB();
        if (page.downloadList()->count() != n)
            std::fprintf(stderr, "restored %d of %d\n", page.downloadList()->count(), n);
        std::printf("%.3f %.2f\n", ms, double(after - before) / n);
        return 0;
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
    QElapsedTimer t;
    t.start();
    page.onMenuBtn_cleanSuccess_clicked();
    QCoreApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    if (list->count() != 0)
        std::fprintf(stderr, "%d rows left\n", list->count());
    std::printf("%.3f 0\n", ms);
    return 0;
}

double run(const QString& self, const QString& what, int n, double* perRow)
{
    QTemporaryDir home;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.insert(QLatin1String(v), home.path() + QLatin1Char('/') + QLatin1String(v));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(self, {QStringLiteral("--child"), what, QString::number(n)});
    p.waitForFinished(-1);
    const QList<QByteArray> out = p.readAllStandardOutput().trimmed().split(' ');
    if (perRow)
        *perRow = out.value(1).toDouble();
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
    for (const char* what : {"restore", "clean"}) {
        double lo = 1e18, hi = 0, perRow = 0;
        for (int i = 0; i < 3; ++i) {
            const double small = run(self, QLatin1String(what), 200, nullptr);
            const double large = run(self, QLatin1String(what), 2000, &perRow);
            const double ratio = large / std::max(small, 0.001);
            lo = std::min(lo, ratio);
            hi = std::max(hi, ratio);
            std::printf("%s: 200 rows %.1f ms, 2000 rows %.1f ms\n", what, small, large);
        }
        std::printf("%s ratio 2000/200: %.2f-%.2f (target <= 12): %s\n", what, lo, hi, hi <= 12 ? "ok" : "too slow");
        if (qstrcmp(what, "restore") == 0)
            std::printf("memory per restored row: %.1f KiB\n", perRow);
        ok = ok && hi <= 12;
    }
    return ok ? 0 : 1;
}
