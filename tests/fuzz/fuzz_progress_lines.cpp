// Progress lines of the downloader and ffmpeg's statistics lines.
#include "FuzzSupport.h"

#include "function/Youtube/private/Downloader/ItemDownloader.h"

#include <QRegularExpression>

TW_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the kind of job the lines belong to.
    const uint8_t kind = data[0];
    const QString text = QString::fromUtf8(FuzzSupport::bytes(data + 1, size - 1));
    DownloadItem job;
    DownloadMedia m;
    m.formatID = QStringLiteral("0");
    m.attachedFormatID = (kind & 1) ? QStringLiteral("1") : QString();
    m.srcExt = QStringLiteral("mp4");
    m.tarExt = QStringLiteral("mp4");
    m.videoPartCount = 1 + (kind >> 5);
    job.medias.append(m);
    job.setChosenMediaIndex(0);
    job.isLiveStream = (kind & 2) != 0;
    job.duration = (kind & 4) ? 300 : 0;
    job.mediaDuration = (kind & 8) ? 200 : 0;
    ItemDownloader w;
    w.beginRun(&job);
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\\r\\n]")))) {
        w.analyseOutputLine(line);
        QString t = line;
        w.parseFfmpegTime(t);
    }
    QString errors;
    w.feedError(text.toUtf8(), true, errors);
    const int progress = job.progressSafe();
    if (progress < -1 || (progress > 100 && !job.isLiveStream))
        __builtin_trap();
    return 0;
}
