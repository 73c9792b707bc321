#include "SubtitleExport.h"

#include "function/QtAV/av/AVGlobal.h"
#include "function/Youtube/private/Downloader/DownloadCommand.h"
#include "platform/ProcessTree.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

namespace {
std::atomic_int g_timeLimitMs{10 * 60 * 1000};
} // namespace

SubtitleExport::SubtitleExport(QObject* parent)
    : QObject(parent)
{
    setParent(nullptr); // an object with a parent cannot change threads
    m_thread.setObjectName(QStringLiteral("SubtitleExport"));
    moveToThread(&m_thread);
    m_thread.start(QThread::InheritPriority);
}

SubtitleExport::~SubtitleExport()
{
    abort();
    m_thread.quit();
    m_thread.wait();
}

void SubtitleExport::setTimeLimit(int ms) { g_timeLimitMs = ms; }
int SubtitleExport::timeLimit() { return g_timeLimitMs; }

void SubtitleExport::abort()
{
    m_abort = true;
}

QStringList SubtitleExport::arguments(int trackIndex, const QString& filePath, const QString& subPath)
{
    // Without a list the ffmpeg program opens any protocol it knows for the
    // input itself ("concat:", "hls+http:"), and a playlist read that way may
    // name files on this machine; the player opens nothing beyond this list.
    return {QStringLiteral("-y"), QStringLiteral("-protocol_whitelist"),
            QString::fromLatin1(TwAV::detail::protocolWhitelist(filePath)), QStringLiteral("-i"), filePath,
            QStringLiteral("-map"), QStringLiteral("0:s:%1").arg(trackIndex), QStringLiteral("-vn"),
            QStringLiteral("-an"), subPath};
}

void SubtitleExport::exportSubtitle(int trackIndex, QString filePath, QString subPath)
{
    const QFileInfo target(subPath);
    QString temp;
    {
        // Same folder (the rename stays on one file system) and the same
        // extension (ffmpeg picks the format by it).
        QTemporaryFile file(target.absolutePath() + QLatin1Char('/') + target.completeBaseName()
                            + QStringLiteral(".XXXXXX.") + target.suffix());
        file.setAutoRemove(false);
        if (file.open())
            temp = file.fileName();
    }
    bool ok = false;
    if (!temp.isEmpty() && !m_abort) {
        qDebug() << "start ffmpeg!!!";
        GroupProcess ffmpeg;
        ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
        ffmpeg.start(DownloadCommand::ffmpegProgram(), arguments(trackIndex, filePath, temp), QIODevice::ReadWrite);
        if (ffmpeg.waitForStarted(-1)) {
            QElapsedTimer clock;
            clock.start();
            bool ended = false;
            while (!ended) {
                ended = ffmpeg.waitForFinished(100);
                ffmpeg.readAll();
                if (!ended && (m_abort || clock.elapsed() > g_timeLimitMs)) {
                    qWarning() << "subtitle export ended before ffmpeg finished:" << subPath;
                    ffmpeg.terminateTree(1000);
                    break;
                }
            }
            ok = ended && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0
                 && QFileInfo(temp).size() > 0;
            if (ended && !ok)
                qWarning() << "ffmpeg could not export subtitle track" << trackIndex << "of" << filePath;
        } else {
            qWarning() << "ffmpeg does not start:" << ffmpeg.errorString();
        }
    }
    if (ok)
        ok = std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(subPath).constData()) == 0;
    if (!ok && !temp.isEmpty())
        QFile::remove(temp);
    emit doSubtitleExported(trackIndex, ok, subPath);
}
