#pragma once

#include <QProcess>
#include <QStringList>
#include <cstdio>

// Tries one frame of a hardware encoder with Debian's ffmpeg and prints
// "<codec>:true" or "<codec>:false" per line, as the media tools expect.
inline int probeEncoders(const QList<QPair<QString, QString>>& codecs)
{
    for (const auto& c : codecs) {
        QProcess ffmpeg;
        ffmpeg.setStandardInputFile(QProcess::nullDevice());
        ffmpeg.start(QStringLiteral("/usr/bin/ffmpeg"),
                     {"-nostdin", "-hide_banner", "-loglevel", "error", "-f", "lavfi", "-i",
                      "testsrc=size=256x144:rate=25:duration=0.04", "-frames:v", "1", "-c:v", c.second,
                      "-f", "null", "-"});
        bool ok = ffmpeg.waitForStarted(5000) && ffmpeg.waitForFinished(8000)
                  && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
        if (ffmpeg.state() != QProcess::NotRunning) {
            ffmpeg.kill();
            ffmpeg.waitForFinished(1000);
            ok = false;
        }
        std::printf("%s:%s\r\n", qPrintable(c.first), ok ? "true" : "false");
    }
    std::fflush(stdout);
    return 0;
}
