// The downloader's output of a page or list run, as the page and the list
// analysis read it.
#include "FuzzSupport.h"

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Analyser/AnalyseThread.h"
#include "function/Youtube/private/Analyser/PlaylistAnalyser.h"
#include "function/Youtube/private/DownloaderProgram.h"

TW_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Youtube* engine = Youtube::instance();
    (void)engine;
    const QByteArray json = FuzzSupport::bytes(data, size);
    const QString url = QStringLiteral("https://www.youtube.com/watch?v=a&list=PLfuzz");
    Youtube_Structure::Lists lists;
    AnalyseThread::parseLists(json, &lists, url);
    if (!DownloaderProgram::analysisOutputUsable(json))
        return 0;
    PlaylistAnalyser::resetAnalysedItemCount();
    PlaylistAnalyser analyser;
    Youtube_Structure::List list;
    list.url = url;
    analyser.parsePlayList(json, &list);
    return 0;
}
