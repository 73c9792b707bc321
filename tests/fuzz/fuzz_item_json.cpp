// The downloader's output of a video run, as the item analysis reads it.
#include "FuzzSupport.h"

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Analyser/PlayItemAnalyser.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/FormatChoice.h"

TW_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Youtube* engine = Youtube::instance();
    (void)engine;
    const QByteArray json = FuzzSupport::bytes(data, size);
    if (!DownloaderProgram::analysisOutputUsable(json))
        return 0;
    PlayItemAnalyser analyser;
    Youtube_Structure::Item item;
    item.url = QStringLiteral("https://www.youtube.com/watch?v=fuzz");
    item.id = QStringLiteral("fuzz");
    analyser.parseItemJson(json, &item);
    FormatChoice::prepare(item);
    return 0;
}
