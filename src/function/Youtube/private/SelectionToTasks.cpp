#include "function/Youtube/private/SelectionToTasks.h"

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/FormatChoice.h"
#include "shell/Utils.h"

#include <QHash>
#include <QRegularExpression>

namespace SelectionToTasks {

namespace {

qint64 digitsValue(const QString& text)
{
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]"));
    QString t = text;
    t.remove(letters);
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    return ok ? v : 0;
}

double sizeOf(const Youtube_Structure::Media& m)
{
    bool ok = false;
    const double v = m.filesize.toDouble(&ok);
    return ok ? v : 0.0;
}

} // namespace

int audioPartner(const Youtube_Structure::Media& f, const Youtube_Structure::Item& item)
{
    if (item.medias.size() < 2 || f.formatId == QLatin1String("best") || f.hasAudio())
        return -1;

    QHash<QString, qint64> weights;
    QString label;
    const QString ext = f.targetExt.toLower();
    if (ext == QLatin1String("mp4")) {
        weights = {{QStringLiteral("m4a"), 2000000}, {QStringLiteral("mp4"), 2000000}, {QStringLiteral("webm"), 1000000}};
        label = QStringLiteral("m4a");
    } else if (ext == QLatin1String("webm")) {
        weights = {{QStringLiteral("m4a"), 1000000}, {QStringLiteral("mp4"), 1000000}, {QStringLiteral("webm"), 2000000}};
        label = QStringLiteral("webm");
    } else if (ext == QLatin1String("ismv")) {
        label = QStringLiteral("ismv");
    }

    const bool byLanguage = item.audioLanIndex > 0 && item.audioLanIndex < item.audioLans.size();
    const QString language = byLanguage ? item.audioLans.at(item.audioLanIndex).language : QString();
    int partner = -1;
    qint64 best = 0;
    for (int i = 0; i < item.medias.size(); ++i) {
        const Youtube_Structure::Media& c = item.medias.at(i);
        if (c.hasVideo() || !c.hasAudio())
            continue;
        if (byLanguage && c.language != language)
            continue;
        if (label == QLatin1String("m4a") && c.acodec == QLatin1String("opus"))
            continue;
        const qint64 score = digitsValue(c.abr) + digitsValue(c.asr) * 1000 + weights.value(c.ext, 0);
        if (score >= best) {
            best = score;
            partner = i;
        }
    }
    if (partner >= 0)
        return partner;
    for (int i = 0; i < item.medias.size(); ++i) {
        const Youtube_Structure::Media& c = item.medias.at(i);
        if (!c.hasVideo() && c.hasAudio())
            return i;
    }
    return -1;
}

void fillTask(const Youtube_Structure::Item& item, DownloadItem& task)
{
    const bool music = Youtube::instance()->isMusicMode();
    const int chosen = item.chosenMediaIndex != -1 ? item.chosenMediaIndex : FormatChoice::pick(item);

    QString title = item.title;
    task.title = toValidFileName(title, QStringLiteral("_"));
    task.preview = item.preview;
    task.thumbnail = item.thumbnail;
    task.url = item.url;
    task.id = item.id;
    task.mediaDuration = item.duration;
    task.duration = item.duration;
    task.isLiveStream = item.isLive;
    task.useFfmpeg = item.isM3u8;
    task.listFolder = item.listFolder;
    task.accountUser = item.accountUser;
    task.accountPassword = item.accountPassword;
    task.subscribeListId = item.subscribeListId;
    task.subscribeListUrl = item.subscribeListUrl;
    task.subscribeExtractor = item.subscribeExtractor;
    for (const SubLang& s : item.subLangs)
        if (s.checked)
            task.subtitles.append(s.name);

    const bool firstHasAudio = !item.medias.isEmpty() && item.medias.first().hasAudio();
    for (int k = 0; k < item.medias.size(); ++k) {
        const Youtube_Structure::Media& f = item.medias.at(k);
        if (music ? f.hasVideo() : f.forgeMediaForMp3)
            continue;
        const int p = audioPartner(f, item);
        const Youtube_Structure::Media* partner = p >= 0 ? &item.medias.at(p) : nullptr;

        DownloadMedia m;
        m.streamUrl = f.url;
        m.format = f.targetExt.isEmpty() ? QStringLiteral("N/A") : f.targetExt;
        m.resolution = Youtube_Structure::resolutionText(f.width, f.height);
        m.forgeMediaForMp3 = f.forgeMediaForMp3;
        const double size = sizeOf(f);
        const QString sizeText = FormatChoice::sizeText(QString::number(size, 'g', 6));
        m.fileSize = sizeText == QLatin1String("0") ? QStringLiteral("N/A") : sizeText;
        m.isMusic = !f.hasVideo();
        m.videoPartCount = f.videoPartCount;
        m.formatID = f.formatId;
        m.acodec = f.acodec;
        m.widthText = f.width;
        m.heightText = f.height;
        m.isM3u8Native = f.isM3u8Native;
        if (partner) {
            m.attachedFormatID = partner->formatId;
            m.attachedExt = partner->ext;
            m.fullCode = item.audioLanIndex >= 0 && item.audioLanIndex < item.audioLans.size()
                             ? item.audioLans.at(item.audioLanIndex).name
                             : QStringLiteral("null");
            if (item.url.contains(QLatin1String("facebook")))
                m.attachedFormatID = QStringLiteral("ba/b");
        } else if (!f.hasAudio() && !f.isM3u8Native && firstHasAudio) {
            m.attachedFormatID = QStringLiteral("ba/b");
        }
        m.srcExt = f.ext;
        m.tarExt = f.targetExt;
        m.videoSizeRatio = 1.0;
        if (size > 0)
            m.videoSizeRatio = size / (size + (partner ? sizeOf(*partner) : 0.0));
        task.medias.append(m);
        if (k == chosen)
            task.setChosenMediaIndex(task.medias.size() - 1);
    }
}

QList<DownloadItem> selectedTasks(const Youtube_Structure::Lists* lists)
{
    QList<DownloadItem> tasks;
    if (!lists)
        return tasks;
    for (const Youtube_Structure::List& list : *lists) {
        for (const Youtube_Structure::Item& item : list.items) {
            if (item.checkState != 2 || item.medias.isEmpty())
                continue;
            if (!item.analysed || item.status != YtbNoError)
                continue;
            DownloadItem task;
            fillTask(item, task);
            tasks.append(task);
        }
    }
    return tasks;
}

} // namespace SelectionToTasks
