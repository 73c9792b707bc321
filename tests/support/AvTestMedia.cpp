#include "AvTestMedia.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cmath>

namespace AvTestMedia {

QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

bool runFfmpeg(const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("ffmpeg"), QStringList{"-nostdin", "-v", "error", "-y"} + args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning() << "ffmpeg failed:" << args << p.readAll();
        return false;
    }
    return true;
}

namespace {
QString make(const QString& name, const QStringList& args)
{
    const QString path = QDir(folder()).filePath(name);
    if (QFile::exists(path))
        return path;
    const QString tmp = QDir(folder()).filePath(QStringLiteral("part_") + name);
    if (!runFfmpeg(args + QStringList{tmp}) || !QFile::rename(tmp, path))
        return QString();
    return path;
}

const QStringList kVideo{"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25"};
QStringList tone(int hz) { return {"-f", "lavfi", "-i", QStringLiteral("sine=frequency=%1:sample_rate=48000").arg(hz)}; }
} // namespace

QString h264Aac()
{
    return make(QStringLiteral("clip.mp4"), kVideo + tone(440) + QStringList{
        "-t", "3", "-c:v", "libx264", "-preset", "veryfast", "-g", "25", "-pix_fmt", "yuv420p",
        "-c:a", "aac", "-ac", "2", "-movflags", "+faststart", "-f", "mp4"});
}

QString hlsPlaylist()
{
    const QString dir = QDir(folder()).filePath(QStringLiteral("hls"));
    const QString index = QDir(dir).filePath(QStringLiteral("index.m3u8"));
    if (QFile::exists(index))
        return index;
    QDir().mkpath(dir);
    if (!runFfmpeg(kVideo + tone(440) + QStringList{
            "-t", "3", "-c:v", "libx264", "-preset", "veryfast", "-g", "25", "-pix_fmt", "yuv420p",
            "-c:a", "aac", "-ac", "2", "-f", "hls", "-hls_time", "1", "-hls_playlist_type", "vod",
            "-hls_segment_filename", QDir(dir).filePath(QStringLiteral("seg%d.ts")), index}))
        return QString();
    return index;
}

QString toneWav(int channels)
{
    const QString wave = QStringLiteral("0.5*sin(2*PI*440*t)");
    QStringList exprs;
    for (int c = 0; c < channels; ++c)
        exprs << (channels <= 2 || c < 2 ? wave : QStringLiteral("0"));
    const QString layout = channels == 1 ? QStringLiteral("mono")
                         : channels == 2 ? QStringLiteral("stereo") : QStringLiteral("5.1");
    return make(QStringLiteral("tone%1.wav").arg(channels), QStringList{
        "-f", "lavfi", "-i", QStringLiteral("aevalsrc=exprs=%1:s=48000:c=%2:d=1").arg(exprs.join('|'), layout),
        "-c:a", "pcm_s16le", "-f", "wav"});
}

QString vp9Opus()
{
    return make(QStringLiteral("clip.webm"), kVideo + tone(440) + QStringList{
        "-t", "2", "-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8", "-g", "25",
        "-c:a", "libopus", "-f", "webm"});
}

QString twoAudioWithSubtitle()
{
    const QString srt = QDir(folder()).filePath(QStringLiteral("subs.srt"));
    QFile f(srt);
    if (f.open(QIODevice::WriteOnly))
        f.write("1\n00:00:00,500 --> 00:00:02,000\nHello there\n\n");
    f.close();
    return make(QStringLiteral("tracks.mp4"), kVideo + tone(440) + tone(1000) + QStringList{
        "-i", srt, "-map", "0:v", "-map", "1:a", "-map", "2:a", "-map", "3:s",
        "-t", "3", "-c:v", "libx264", "-preset", "veryfast", "-g", "25", "-pix_fmt", "yuv420p",
        "-c:a", "aac", "-ac", "2", "-c:s", "mov_text",
        "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=fre",
        "-metadata:s:s:0", "language=eng", "-metadata:s:s:0", "handler_name=English", "-f", "mp4"});
}

QString h264Full(int seconds)
{
    return make(QStringLiteral("full%1.mp4").arg(seconds),
                QStringList{"-f", "lavfi", "-i", "testsrc=size=1920x1080:rate=25"} + tone(440) + QStringList{
        "-t", QString::number(seconds), "-c:v", "libx264", "-preset", "veryfast", "-g", "25", "-pix_fmt", "yuv420p",
        "-c:a", "aac", "-ac", "2", "-f", "mp4"});
}

QString mp3WithCover()
{
    const QString cover = make(QStringLiteral("cover.png"), QStringList{
        "-f", "lavfi", "-i", "testsrc=size=200x200", "-frames:v", "1", "-f", "image2"});
    if (cover.isEmpty())
        return QString();
    return make(QStringLiteral("song.mp3"), tone(440) + QStringList{
        "-i", cover, "-map", "0:a", "-map", "1:v", "-t", "2", "-c:a", "libmp3lame", "-ac", "2", "-c:v", "png",
        "-disposition:v", "attached_pic", "-id3v2_version", "3", "-f", "mp3"});
}

QString textFile()
{
    const QString path = QDir(folder()).filePath(QStringLiteral("notes.txt"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write("This is plain text, not media.\n");
    return path;
}

QString englishWebVtt()
{
    const QString path = QDir(folder()).filePath(QStringLiteral("clip.en.vtt"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write("WEBVTT\n\n00:00:00.000 --> 00:00:01.500\nHello from the clip\n\n"
                "00:00:01.500 --> 00:00:03.000\nAnd goodbye\n");
    return path;
}

QImage ffmpegFrameAt(const QString& file, qint64 ms)
{
    const QString out = QDir(folder()).filePath(QStringLiteral("ref_%1_%2.png").arg(QFileInfo(file).baseName()).arg(ms));
    if (!QFile::exists(out)
        && !runFfmpeg({"-ss", QString::number(ms / 1000.0, 'f', 3), "-i", file, "-frames:v", "1", "-f", "image2", out}))
        return QImage();
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

double imageDifference(const QImage& a0, const QImage& b0)
{
    if (a0.size() != b0.size() || a0.isNull())
        return 255.0;
    const QImage a = a0.convertToFormat(QImage::Format_RGB32);
    const QImage b = b0.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(la[x]) - qRed(lb[x])) + std::abs(qGreen(la[x]) - qGreen(lb[x]))
                 + std::abs(qBlue(la[x]) - qBlue(lb[x]));
    }
    return sum / (3.0 * a.width() * a.height());
}

double toneFrequency(const QByteArray& pcm, int sampleRate)
{
    const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
    const int frames = pcm.size() / 4;
    if (frames < 2 || sampleRate <= 0)
        return 0.0;
    int crossings = 0;
    for (int i = 1; i < frames; ++i)
        if ((s[2 * (i - 1)] < 0) != (s[2 * i] < 0))
            ++crossings;
    return crossings / 2.0 / (double(frames) / sampleRate);
}

int peakLevel(const QByteArray& pcm)
{
    const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
    int peak = 0;
    for (int i = 0; i < pcm.size() / 2; ++i)
        peak = qMax(peak, std::abs(int(s[i])));
    return peak;
}

QString siteClip(const QString& name)
{
    return make(name + QStringLiteral(".mp4"), QStringList{
        "-f", "lavfi", "-i", "testsrc=size=160x120:rate=10", "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=22050",
        "-t", "2", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest",
        "-f", "mp4"});
}

QString webVtt(const QString& name, const QString& text)
{
    const QString path = QDir(folder()).filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    f.write("WEBVTT\n\n00:00:00.000 --> 00:00:01.500\n" + text.toUtf8() + "\n");
    return path;
}

QString hlsMaster()
{
    const QString dir = QDir(folder()).filePath(QStringLiteral("hlsmaster"));
    const QString master = QDir(dir).filePath(QStringLiteral("master.m3u8"));
    if (QFile::exists(master))
        return master;
    QByteArray text = "#EXTM3U\n#EXT-X-VERSION:3\n";
    for (int height : {180, 360}) {
        const int width = height * 16 / 9;
        const QString variant = QDir(dir).filePath(QString::number(height));
        QDir().mkpath(variant);
        if (!runFfmpeg(QStringList{
                "-f", "lavfi", "-i", QStringLiteral("testsrc=size=%1x%2:rate=10").arg(width).arg(height),
                "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=22050", "-t", "2",
                "-c:v", "libx264", "-preset", "ultrafast", "-g", "10", "-pix_fmt", "yuv420p", "-c:a", "aac",
                "-shortest", "-f", "hls", "-hls_time", "1", "-hls_playlist_type", "vod",
                "-hls_segment_filename", QDir(variant).filePath(QStringLiteral("seg%d.ts")),
                QDir(variant).filePath(QStringLiteral("index.m3u8"))}))
            return QString();
        text += QStringLiteral("#EXT-X-STREAM-INF:BANDWIDTH=%1,RESOLUTION=%2x%3,CODECS=\"avc1.42c00d,mp4a.40.2\"\n"
                               "%3/index.m3u8\n")
                    .arg(height * 2000)
                    .arg(width)
                    .arg(height)
                    .toUtf8();
    }
    QFile f(master);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(text);
    return master;
}

} // namespace AvTestMedia
