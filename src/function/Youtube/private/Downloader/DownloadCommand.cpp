#include "function/Youtube/private/Downloader/DownloadCommand.h"

#include "function/Youtube/private/DownloaderProgram.h"

#include <QFileInfo>
#include <QUrl>

namespace DownloadCommand {

QString ffmpegProgram()
{
    return QStringLiteral("/usr/bin/ffmpeg");
}

QString ffmpegFolder()
{
    return QFileInfo(ffmpegProgram()).absolutePath();
}

QString formatArgument(const DownloadMedia& entry, bool* pair)
{
    const bool two = !entry.attachedFormatID.isEmpty();
    if (pair)
        *pair = two;
    if (!two)
        return entry.formatID;
    if (entry.formatID.isEmpty())
        return QString();      // a second stream alone is no format
    return QStringLiteral("%1+%2").arg(entry.formatID, entry.attachedFormatID);
}

QString subtitleLanguages(const QStringList& subtitles)
{
    return subtitles.join(QLatin1Char(','));
}

int containerGroup(const QString& ext)
{
    const QString e = ext.toLower();
    if (e == QLatin1String("mp4") || e == QLatin1String("m4a"))
        return 1000;
    if (e == QLatin1String("webm"))
        return 2000;
    return 0;
}

bool isNoMetadataSite(const QString& url)
{
    // The site's pages carry metadata the downloader cannot embed cleanly.
    static const char* const hosts[] = {"bilibili.com/", "b23.tv/"};
    for (const char* h : hosts)
        if (url.contains(QLatin1String(h), Qt::CaseInsensitive))
            return true;
    return false;
}

Options downloadOptions(const DownloadItem& job, DownloadMedia entry, const QString& credentialsFile)
{
    Options o;
    bool pair = false;
    const QString format = formatArgument(entry, &pair);
    if (format.isEmpty())
        return o;
    const bool gigabytes = entry.fileSize.contains(QLatin1String("GB"));

    QStringList& a = o.arguments;
    a << QStringLiteral("--ignore-config");
    a += DownloaderProgram::proxyArguments();
    a += DownloaderProgram::credentialArguments(credentialsFile);
    a << QStringLiteral("-i");

    bool ok = false;
    const double height = entry.heightText.toDouble(&ok);
    if (!entry.fullCode.isEmpty() && entry.fullCode != QLatin1String("Auto") && format.contains(QLatin1Char('+'))) {
        // A chosen audio language: the video with that language's stream.
        a << QStringLiteral("-f") << format.section(QLatin1Char('+'), 0, 0) + QLatin1Char('+') + entry.attachedFormatID;
        if (containerGroup(entry.srcExt) != containerGroup(entry.attachedExt)) {
            entry.srcExt = QStringLiteral("mkv");
            entry.tarExt = QStringLiteral("mkv");
            o.containerExt = QStringLiteral("mkv");
        }
    } else if (ok && height >= 1 && !pair) {
        a << QStringLiteral("--format-sort") << QStringLiteral("+vcodec:avc,+acodec:m4a") << QStringLiteral("-S")
          << QStringLiteral("res:") + entry.heightText;
    } else {
        a << QStringLiteral("-f") << format;
    }

    if (!isNoMetadataSite(job.url) && !gigabytes)
        a << QStringLiteral("--embed-metadata") << QStringLiteral("--xattrs");
    if (job.isLiveStream)
        a << QStringLiteral("--downloader") << QStringLiteral("ffmpeg");
    a += DownloaderProgram::pluginArguments();
    a << QStringLiteral("--ffmpeg-location") << ffmpegFolder() << QStringLiteral("--hls-use-mpegts")
      << QStringLiteral("--no-part") << QStringLiteral("--rm-cache-dir") << QStringLiteral("--retries")
      << QStringLiteral("infinite") << QStringLiteral("--rm-cache-dir") << QStringLiteral("--no-playlist");
    const QString tar = entry.tarExt.toLower();
    if ((tar == QLatin1String("mp4") || tar == QLatin1String("m4a") || tar == QLatin1String("mp3"))
        && !job.isLiveStream && !gigabytes)
        a << QStringLiteral("--embed-thumbnail");
    if (!entry.attachedFormatID.isEmpty())
        a << QStringLiteral("--merge-output-format") << entry.tarExt;
    const QString subs = subtitleLanguages(job.subtitles);
    if (!subs.isEmpty() && !entry.isMusic && !job.isLiveStream)
        a << QStringLiteral("--write-subs") << QStringLiteral("--sub-langs") << subs << QStringLiteral("--convert-subs")
          << QStringLiteral("srt") << QStringLiteral("--embed-subs");
    if (entry.forgeMediaForMp3)
        a << QStringLiteral("-x") << QStringLiteral("--audio-format") << QStringLiteral("mp3");
    a += DownloaderProgram::cookieArguments();
    a << QStringLiteral("-o") << QStringLiteral("temp.") + entry.srcExt;
    a << QStringLiteral("--") << job.url;
    return o;
}

QString liveHeaderBlock()
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Accept-Language: en-us,en;q=0.5") + crlf
           + QString(15, QLatin1Char(' ')) + QStringLiteral("Accept-Charset: ISO-8859-1,utf-8;q=0.7,*;q=0.7") + crlf
           + QString(12, QLatin1Char(' '))
           + QStringLiteral("Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8") + crlf
           + QString(8, QLatin1Char(' '))
           + QStringLiteral("User-Agent: Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like "
                            "Gecko) Chrome/69.0.3497.38 Safari/537.36")
           + crlf + QString(8, QLatin1Char(' ')) + QStringLiteral("Accept-Encoding: gzip, deflate") + crlf
           + QString(8, QLatin1Char(' ')) + crlf;
}

QStringList ffmpegArguments(const QString& input, const QString& tarExt)
{
    return {QStringLiteral("-y"), QStringLiteral("-headers"), liveHeaderBlock(), QStringLiteral("-i"), input,
            QStringLiteral("-c"), QStringLiteral("copy"), QStringLiteral("-f"), QStringLiteral("mpegts"),
            QStringLiteral("file:%1.%2").arg(QStringLiteral("temp"), tarExt)};
}

QString ffmpegInput(const DownloadItem& job, const DownloadMedia& entry)
{
    const QString input = entry.streamUrl.isEmpty() ? job.url : entry.streamUrl;
    const QString scheme = QUrl(input).scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return QString();
    return input;
}

QStringList ffmpegProxyVariables()
{
    const QStringList proxy = DownloaderProgram::proxyArguments();
    if (proxy.size() < 2)
        return {};
    return {QStringLiteral("http_proxy"), proxy.at(1), QStringLiteral("https_proxy"), proxy.at(1)};
}

} // namespace DownloadCommand
