// "downloading.json" as the download page reads it at start.
#include "FuzzSupport.h"

#include "function/Youtube/private/Downloader/DownloadingStore.h"

#include <QFile>

TW_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile f(DownloadingStore::filePath());
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    DownloadingStore store;
    const QList<DownloadItem> jobs = store.read();
    for (const DownloadItem& job : jobs) {
        DownloadItem copy(job);
        (void)copy.chosenMedia();
    }
    QFile::remove(DownloadingStore::filePath());
    return 0;
}
