// Peak memory of an album-cover download whose reply never ends, above the
// process's memory just before it. Prints the median of three tries (the
// target is at most 40 MB).
#include "function/CMediaInfoMgr/private/caudiocloundmetadata.h"
#include "shell/SettingsStore.h"

#include "LocalHttpServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A field of /proc/self/status in kB ("VmRSS", "VmHWM").
long statusKb(const char* field)
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(QByteArray(field) + ':'))
            return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Sets the peak to the memory now, so that the next reading is this try's.
bool resetPeak()
{
    QFile f("/proc/self/clear_refs");
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    LocalHttpServer server;
    if (!server.start(true)) {
        std::fprintf(stderr, "no local server\n");
        return 2;
    }
    LocalHttpServer::Route endless;
    endless.generatedBodySize = 4LL * 1024 * 1024 * 1024;
    endless.sendContentLength = false;
    server.addRoute("/endless.png", endless);
    server.addFile("/small.png", QByteArray(1000, 'x'), "image/png");
    {
        // Networking warmed up, so that its libraries are not counted.
        CGetAudioCloudMetaData warm(&store);
        warm.fetchCover(server.url("/small.png").toString());
    }

    // Every try is measured from the memory before the first: what a try
    // freed stays in the allocator's hands and would hide the next one's.
    const long before = statusKb("VmRSS");
    std::vector<double> tries;
    for (int i = 0; i < 3; ++i) {
        if (before < 0 || !resetPeak()) {
            std::fprintf(stderr, "cannot read this process's memory\n");
            return 2;
        }
        CGetAudioCloudMetaData meta(&store);
        meta.setTimeoutMs(120000);
        meta.fetchCover(server.url("/endless.png").toString());
        const long peak = statusKb("VmHWM");
        tries.push_back((peak - before) / 1024.0);
        std::printf("  try %d: %.1f MB above %.1f MB\n", i + 1, tries.back(), before / 1024.0);
    }
    std::sort(tries.begin(), tries.end());
    const double figure = tries[1];
    std::printf("endless cover reply, peak above idle: %.1f MB (median of 3; target <= 40 MB) %s\n", figure,
                figure <= 40 ? "ok" : "OVER");
    return 0;
}
