// Reading the tags of 300 test-made files through the metadata worker
// (queue, report parse, cache, one signal per file) against asking the
// MediaInfo library for their reports in one plain loop. Prints the ratio
// (the target is at most 1.2).
#include "function/CMediaInfoMgr/private/MediaInfoLibrary.h"
#include "function/CMediaInfoMgr/private/MediaMdata.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!MediaInfoLibrary::load()) {
        std::fprintf(stderr, "%s\n", qPrintable(MediaInfoLibrary::loadError()));
        return 2;
    }
    QTemporaryDir dir;
    const QString first = dir.filePath("song_0.mp3");
    QProcess ffmpeg;
    ffmpeg.start("/usr/bin/ffmpeg", {"-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                     "sine=duration=2", "-metadata", "title=Song", "-metadata", "artist=Singer",
                                     "-metadata", "album=Record", first});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) {
        std::fprintf(stderr, "ffmpeg failed\n");
        return 2;
    }
    QStringList files{first};
    for (int i = 1; i < 300; ++i) {
        files << dir.filePath(QString("song_%1.mp3").arg(i));
        QFile::copy(first, files.last());
    }
    for (const QString& f : files)     // file system warm for both runs
        MediaInfoLibrary::inform(f);

    // The machine is shared: nine rounds in alternating order, the median
    // of each kind. Each worker starts with an empty cache.
    std::vector<double> plainTries, workerTries;
    int chars = 0;
    auto plain = [&] {
        QElapsedTimer t;
        t.start();
        for (const QString& f : files)
            chars += MediaInfoLibrary::inform(f).size();
        plainTries.push_back(t.nsecsElapsed() / 1e6);
    };
    auto throughWorker = [&] {
        MediaMdata worker;
        int seen = 0;
        QEventLoop loop;
        QObject::connect(&worker, &MediaMdata::doMetaDataFinished, &loop, [&] {
            if (++seen == files.size())
                loop.quit();
        });
        QElapsedTimer t;
        t.start();
        for (const QString& f : files)
            worker.open(f);
        loop.exec();
        workerTries.push_back(t.nsecsElapsed() / 1e6);
    };
    for (int round = 0; round < 9; ++round) {
        if (round % 2) {
            plain();
            throughWorker();
        } else {
            throughWorker();
            plain();
        }
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double plainMs = median(plainTries);
    const double workerMs = median(workerTries);
    const double ratio = workerMs / plainMs;
    std::printf("300 files, median of 9: plain library loop %.1f ms, metadata worker %.1f ms: ratio %.2f (target <= 1.2)%s\n",
                plainMs, workerMs, ratio, chars > 0 ? "" : " (empty reports)");
    return ratio <= 1.2 ? 0 : 1;
}
