// The downloader's table of subtitle languages.
#include "FuzzSupport.h"

#include "function/Youtube/private/Subtitle/SubtitleAnalyser.h"

TW_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SubtitleAnalyser::parseLanguages(QString::fromUtf8(FuzzSupport::bytes(data, size)));
    return 0;
}
