#include "function/Youtube/private/Downloader/ItemDownloader.h"

#include "function/Youtube/private/Downloader/DownloadCommand.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "platform/ProcessTree.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTime>
#include <cmath>
#include <limits>

namespace {

// ffmpeg's statistics line: "... time=00:01:02.50 bitrate=...".
const QRegularExpression& ffmpegTimePattern()
{
    static const QRegularExpression re(QStringLiteral("(?:^|\\s)time=\\s*(\\d{2,}):([0-5]\\d):([0-5]\\d)(?:\\.\\d+)?(?=\\s|$)"));
    return re;
}

const char* const kPreparingPhrases[] = {
    "Downloading login page", "Looking up account info", "Logging in",
    "Checking cookie", "Downloading webpage", "Extracting video information",
};

// Splits at CR and LF; complete pieces go to line, the unfinished rest stays
// in tail. final: the rest is a line too.
template <typename F>
void splitLines(QByteArray& tail, const QByteArray& bytes, bool final, F line)
{
    tail += bytes;
    int start = 0;
    for (int i = 0; i < tail.size(); ++i) {
        const char c = tail.at(i);
        if (c == '\n' || c == '\r') {
            if (i > start)
                line(tail.mid(start, i - start));
            start = i + 1;
        }
    }
    tail.remove(0, start);
    if (final) {
        if (!tail.isEmpty())
            line(tail);
        tail.clear();
    }
}

} // namespace

ItemDownloader::ItemDownloader(QObject* parent) : FencedThread(parent)
{
}

ItemDownloader::~ItemDownloader()
{
    stop(false);
    wait();
}

DownloadItem* ItemDownloader::currentJob() const
{
    std::unique_lock l(m_jobLock);
    return m_busy.load() ? m_original : nullptr;
}

qint64 ItemDownloader::msecsUntil(const QTime& start, const QTime& now)
{
    qint64 ms = now.msecsTo(start);
    if (ms < 0)
        ms += 24LL * 3600 * 1000;
    return ms;
}

bool ItemDownloader::formatUnavailable(const QString& errorText)
{
    // Older downloaders say "requested format not available", newer ones
    // "Requested format is not available".
    static const QRegularExpression re(QStringLiteral("requested format (?:is )?not available"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(errorText).hasMatch();
}

bool ItemDownloader::isMediaFile(const QString& path)
{
    static const QStringList other = {
        QStringLiteral("vtt"), QStringLiteral("srt"), QStringLiteral("ass"), QStringLiteral("ssa"),
        QStringLiteral("ttml"), QStringLiteral("dfxp"), QStringLiteral("sbv"), QStringLiteral("lrc"),
        QStringLiteral("srv1"), QStringLiteral("srv2"), QStringLiteral("srv3"), QStringLiteral("json3"),
        QStringLiteral("json"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
        QStringLiteral("webp"), QStringLiteral("gif"), QStringLiteral("description"), QStringLiteral("txt"),
        QStringLiteral("url"), QStringLiteral("xml"), QStringLiteral("live_chat"), QStringLiteral("part"),
        QStringLiteral("ytdl"),
    };
    const QString suffix = QFileInfo(path).suffix().toLower();
    return !suffix.isEmpty() && !other.contains(suffix);
}

void ItemDownloader::beginRun(DownloadItem* item)
{
    std::unique_lock l(m_jobLock);
    m_lastProgress = -1;
    m_started = item->startSuccess;
    m_completed = false;
    m_partsDone = 0;
    m_secondStream = 0;
    m_job = item;
    m_original = item;
    m_keepCopyData = false;
    m_jobFinished = false;
    m_finishedResult = 0;
    m_outTail.clear();
    m_errTail.clear();
    m_destIsMedia = true;
    m_mergedFile.clear();
    m_live = item->isLiveStream;
    m_mediaDuration = item->mediaDuration;
    m_recordSeconds = item->duration;
    const DownloadMedia* m = item->chosenMedia();
    m_merged = m && !m->attachedFormatID.isEmpty();
    m_partCount = m ? qMax(1, m->videoPartCount) : 1;
}

void ItemDownloader::start(DownloadItem* item)
{
    if (!item)
        return;
    // The previous run has told its end; its thread is about to return.
    if (isRunning())
        wait();
    m_stopRequested.store(false);
    beginRun(item);
    m_busy.store(true);
    if (!item->isLiveStream || item->startNow) {
        m_startReached.store(true);
    } else {
        m_startReached.store(false);
        m_startDeadline = QDeadlineTimer(msecsUntil(item->startTime, QTime::currentTime()));
    }
    FencedThread::start(QThread::InheritPriority);
}

void ItemDownloader::onTimeout()
{
    std::unique_lock l(m_jobLock);
    if (m_job && m_job->isLiveStream) {
        m_startReached.store(true);
        m_wake.notify_all();
    }
}

bool ItemDownloader::stop(const DownloadItem* item, bool detach, QString* title, int* result)
{
    std::unique_lock l(m_jobLock);
    if (!item || !m_busy.load() || m_original != item)
        return false;
    if (detach)
        detachLocked();
    if (m_jobFinished) {
        if (title)
            *title = m_job->title;
        if (result)
            *result = m_finishedResult;
        return true;
    }
    qDebug() << "user cancel download cmd";
    m_stopRequested.store(true);
    m_wake.notify_all();
    return false;
}

void ItemDownloader::stop(bool detach, const QList<DownloadItem*>& keepData)
{
    std::unique_lock l(m_jobLock);
    if (!m_busy.load() || !m_job)
        return;
    if (m_original && keepData.contains(m_original))
        m_keepCopyData = true;
    if (detach)
        detachLocked();
    qDebug() << "stop thread" << this;
    qDebug() << "user cancel download cmd";
    m_stopRequested.store(true);
    m_wake.notify_all();
}

void ItemDownloader::detachLocked()
{
    // The caller destroys the job right after: go on with a copy of it.
    if (!m_job || m_job == &m_jobCopy)
        return;
    m_jobCopy = *m_job;
    m_jobCopy.tempFileName = m_job->tempFileNameSafe();
    m_jobCopy.startSuccess = m_job->startSuccess;
    m_job = &m_jobCopy;
    m_original = nullptr;
}

bool ItemDownloader::waitForStart()
{
    std::unique_lock l(m_jobLock);
    while (!m_startReached.load()) {
        if (m_stopRequested.load())
            return false;
        if (m_startDeadline.hasExpired()) {
            m_startReached.store(true);
            break;
        }
        m_wake.wait_for(l, std::chrono::milliseconds(qMin<qint64>(1000, m_startDeadline.remainingTime())));
    }
    return true;
}

void ItemDownloader::run()
{
    const RunFence fence(this);
    qDebug() << "Thread Test: ItemDownloader start";
    if (!waitForStart()) {
        finishJob(DownloadItem::DownloadCancelledBeforeStart);
        {
            // A job detached while it waited is gone: so is the folder it
            // kept from an earlier run.
            std::unique_lock l(m_jobLock);
            m_jobCopy.removeTempFolder(!m_keepCopyData);
        }
        endRun(DownloadItem::DownloadCancelledBeforeStart);
        return;
    }
    withJob([](DownloadItem& j) { j.prepareTempPath(); });

    QString errorText;
    int exitCode = -1;
    if (withJob([](DownloadItem& j) { return j.useFfmpeg; })) {
        runFfmpeg(errorText, exitCode);
    } else if (runDownloader(errorText, exitCode) == RunEnd::FinishedItself) {
        endRun(DownloadItem::DownloadFormatUnavailable);
        return;
    }

    const int result = decideResult(errorText, exitCode);
    finishJob(DownloadItem::DownloadError(result));
    {
        // A dropped job's data goes with it; a job still listed for the
        // next run resumes from it (the copy only forgets the folder).
        std::unique_lock l(m_jobLock);
        m_jobCopy.removeTempFolder(!m_keepCopyData);
    }
    if (!errorText.isEmpty() || result != 0) {
        qWarning() << "download error:" << result << errorText;
        qWarning() << "start success:" << m_started;
    }
    endRun(result);
}

void ItemDownloader::finishJob(DownloadItem::DownloadError err)
{
    std::unique_lock l(m_jobLock);
    m_job->finish(err);
    m_finishedResult = m_job->resultSafe();
    m_jobFinished = true;
}

void ItemDownloader::endRun(int result)
{
    QString title;
    DownloadItem* original = nullptr;
    {
        std::unique_lock l(m_jobLock);
        title = m_job ? m_job->title : QString();
        original = m_original;
        m_job = nullptr;
        m_original = nullptr;
    }
    m_stopRequested.store(false);
    qDebug() << "Thread Test: ItemDownloader end";
    if (m_ended)
        m_ended(this, original, title, result);
    else
        setIdle();
}

int ItemDownloader::decideResult(const QString& errorText, int exitCode)
{
    int result;
    if (m_stopRequested.load() && !m_live)
        result = DownloadItem::DownloadStopped;
    else if (m_started && !m_completed)
        result = DownloadItem::DownloadInterrupted;
    else if (formatUnavailable(errorText))
        result = DownloadItem::DownloadFormatUnavailable;
    else
        result = m_started ? DownloadItem::DownloadSuccess : DownloadItem::DownloadFailed;
    if (result == DownloadItem::DownloadFormatUnavailable || result == DownloadItem::DownloadFailed)
        return keepMedia(exitCode) ? DownloadItem::DownloadInterrupted : result;
    if (result != DownloadItem::DownloadSuccess)
        return result;

    std::unique_lock l(m_jobLock);
    const QString tempName = m_job->tempFileNameSafe();
    const QString folder = m_job->tempFilePathSafe();
    if (!tempName.isEmpty() && QFileInfo(tempName).isFile())
        return result;

    // A merge into another container names its file after the template
    // ("temp.mp4.mkv"): the downloader said where it went.
    if (!m_mergedFile.isEmpty() && !folder.isEmpty()) {
        const QFileInfo merged(QDir(folder).filePath(m_mergedFile));
        if (merged.isFile() && merged.size() > 0 && merged.absolutePath() == QFileInfo(folder).absoluteFilePath()) {
            const QString ext = merged.suffix();
            const QString target = QDir(folder).filePath(QStringLiteral("temp.") + ext);
            if (merged.absoluteFilePath() == target || QFile::rename(merged.absoluteFilePath(), target)) {
                m_job->setTempFileExt(ext);
                if (QFileInfo(m_job->tempFileNameSafe()).isFile())
                    return result;
            }
        }
    }

    qWarning() << "download file not exist";
    if (!folder.isEmpty()) {
        QFile test(QDir(folder).filePath(QStringLiteral("test.txt")));
        if (test.open(QIODevice::WriteOnly)) {
            qDebug() << "temp path file writable:" << tempName;
            test.close();
            test.remove();
        } else {
            qWarning() << "temp path file not writable" << tempName;
        }
    }
    l.unlock();
    return keepMedia(exitCode) ? DownloadItem::DownloadInterrupted : DownloadItem::DownloadFailed;
}

bool ItemDownloader::keepMedia(int exitCode)
{
    // A run that ended well and left media behind keeps its folder (the
    // result that keeps it is "interrupted"): the data is the user's,
    // whatever its name.
    if (exitCode != 0)
        return false;
    const QString folder = withJob([](DownloadItem& j) { return j.tempFilePathSafe(); });
    if (folder.isEmpty())
        return false;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    for (const QFileInfo& f : files)
        if (f.size() > 0 && isMediaFile(f.fileName()))
            return true;
    return false;
}

ItemDownloader::RunEnd ItemDownloader::runDownloader(QString& errorText, int& exitCode)
{
    QString folder;
    DownloadItem snapshot;
    bool account = false;
    {
        std::unique_lock l(m_jobLock);
        snapshot = *m_job;
        folder = m_job->tempFilePathSafe();
        account = !m_job->accountUser.isEmpty() && !m_job->accountPassword.isEmpty();
    }
    const DownloadMedia* chosen = snapshot.chosenMedia();
    if (!chosen || DownloadCommand::formatArgument(*chosen).isEmpty()) {
        finishJob(DownloadItem::DownloadFormatUnavailable);
        {
            std::unique_lock l(m_jobLock);
            m_jobCopy.removeTempFolder(true);
        }
        return RunEnd::FinishedItself;
    }

    CredentialsFile creds;
    if (account && !creds.write(snapshot.accountUser, snapshot.accountPassword)) {
        errorText += QStringLiteral("cannot write the account options file\n");
        return RunEnd::Ran;       // nothing ran: result 5 (or 4 for a resumed job)
    }
    const DownloadCommand::Options opts = DownloadCommand::downloadOptions(snapshot, *chosen, creds.path());
    if (!opts.containerExt.isEmpty())
        withJob([&opts](DownloadItem& j) { j.setTempFileExt(opts.containerExt); });
    if (folder.isEmpty()) {
        errorText += QStringLiteral("no temp folder\n");
        return RunEnd::Ran;
    }
    DownloaderProgram::ensureLauncher();
    const QString program = DownloaderProgram::program();
    const QStringList args = DownloaderProgram::programArguments() + opts.arguments;
    if (!account)
        qDebug().noquote() << program + QLatin1Char(' ') + args.join(QLatin1Char(' '));

    int limit = kMaxAttempts;
    int extra = 0;
    int attempts = 0;
    for (;;) {
        GroupProcess process;
        process.setProgram(program);
        process.setArguments(args);
        process.setProcessEnvironment(DownloaderProgram::environment());
        process.setWorkingDirectory(folder);
        m_outTail.clear();
        m_errTail.clear();
        process.start(QIODevice::ReadOnly);
        const bool running = process.waitForStarted(30000);
        qDebug() << "ProcessState" << process.state();
        if (!running) {
            qWarning() << process.errorString() << "ProcessError" << process.error();
            break;
        }
        watch(process, errorText, exitCode);
        if (exitCode == 3 && extra < kMaxExtraAttempts) {
            ++limit;
            ++extra;
        }
        if (m_started && !m_completed && !m_stopRequested.load()) {
            ++attempts;
            if (attempts < limit)
                continue;
        }
        break;
    }
    return RunEnd::Ran;
}

void ItemDownloader::runFfmpeg(QString& errorText, int& exitCode)
{
    QString folder, input, tarExt;
    {
        std::unique_lock l(m_jobLock);
        folder = m_job->tempFilePathSafe();
        const DownloadMedia* m = m_job->chosenMedia();
        const DownloadMedia entry = m ? *m : DownloadMedia();
        input = DownloadCommand::ffmpegInput(*m_job, entry);
        tarExt = entry.tarExt;
    }
    if (input.isEmpty()) {
        errorText += QStringLiteral("the live stream has no http(s) address\n");
        return;
    }
    if (folder.isEmpty()) {
        errorText += QStringLiteral("no temp folder\n");
        return;
    }
    QProcessEnvironment env = DownloaderProgram::environment();
    const QStringList proxy = DownloadCommand::ffmpegProxyVariables();
    for (int i = 0; i + 1 < proxy.size(); i += 2)
        env.insert(proxy.at(i), proxy.at(i + 1));

    GroupProcess process;
    process.setProgram(DownloadCommand::ffmpegProgram());
    process.setArguments(DownloadCommand::ffmpegArguments(input, tarExt));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(30000)) {
        qWarning() << process.errorString() << "ProcessError" << process.error();
        return;
    }
    watch(process, errorText, exitCode);
}

void ItemDownloader::watch(GroupProcess& process, QString& errorText, int& exitCode)
{
    bool stopped = false;
    while (process.state() != QProcess::NotRunning) {
        process.waitForFinished(kPollMs);
        feedOutput(process.readAllStandardOutput(), false);
        feedError(process.readAllStandardError(), false, errorText);
        if (m_stopRequested.load() && process.state() != QProcess::NotRunning) {
            qDebug() << "User cancled";
            endTree(process, m_live);
            stopped = true;
            break;
        }
    }
    feedOutput(process.readAllStandardOutput(), true);
    feedError(process.readAllStandardError(), true, errorText);
    // The child may be gone while something it started still runs.
    if (ProcessTree::groupAlive(process.groupId()))
        ProcessTree::terminateGroup(process.groupId(), 500);
    exitCode = (!stopped && process.exitStatus() == QProcess::NormalExit) ? process.exitCode() : -1;
}

void ItemDownloader::endTree(GroupProcess& process, bool live)
{
    if (live) {
        // ffmpeg closes its file properly on an interrupt; give it time.
        process.interruptTree();
        if (process.state() != QProcess::NotRunning)
            process.waitForFinished(5000);
        for (int i = 0; i < 50 && ProcessTree::groupAlive(process.groupId()); ++i)
            QThread::msleep(20);
    }
    process.terminateTree(1000);
}

// ---------------------------------------------------------------------------
// Output parsers

void ItemDownloader::analyseOutput(const QString& text)
{
    const QStringList pieces = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        const QStringList lines = piece.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
        for (const QString& line : lines)
            analyseOutputLine(line);
    }
}

void ItemDownloader::feedOutput(const QByteArray& bytes, bool final)
{
    splitLines(m_outTail, bytes, final, [this](const QByteArray& line) { analyseOutputLine(QString::fromUtf8(line)); });
}

void ItemDownloader::feedError(const QByteArray& bytes, bool final, QString& errorText)
{
    splitLines(m_errTail, bytes, final, [this, &errorText](const QByteArray& raw) {
        QString line = QString::fromUtf8(raw);
        if (parseFfmpegTime(line))
            return;
        errorText += line + QLatin1Char('\n');
        // A recording of hours writes a line for every segment: keep the
        // latest part, where the reason of an end stands.
        if (errorText.size() > kMaxErrorText)
            errorText.remove(0, errorText.size() - kMaxErrorText / 2);
    });
}

void ItemDownloader::showProgress(int v)
{
    // More parts may end than the job was told of: a percentage stays one.
    v = qMin(v, 100);
    const int shown = v == 100 ? 99 : v;
    if (shown >= m_lastProgress) {
        m_lastProgress = shown;
        withJob([shown](DownloadItem& j) { j.setProgress(shown); });
    }
}

void ItemDownloader::analyseOutputLine(const QString& line)
{
    static const QLatin1String kDestination("[download] Destination:");
    static const QLatin1String kDownload("[download]");
    int v = 0;

    const int dest = line.indexOf(kDestination);
    if (dest >= 0) {
        const QString path = line.mid(dest + kDestination.size()).simplified();
        m_destIsMedia = isMediaFile(path);
        // A subtitle or thumbnail file says nothing of the media's name.
        if (m_destIsMedia) {
            const QFileInfo fi(path);
            withJob([&fi](DownloadItem& j) { j.setDestination(fi.baseName(), fi.suffix()); });
        }
    }
    const int merger = line.indexOf(QLatin1String("[Merger] Merging formats into"));
    if (merger >= 0) {
        QString rest = line.mid(merger + 29).trimmed();
        if (rest.size() >= 2 && rest.startsWith(QLatin1Char('"')) && rest.endsWith(QLatin1Char('"')))
            rest = rest.mid(1, rest.size() - 2);
        m_mergedFile = rest;
    }

    bool preparing = false;
    for (const char* phrase : kPreparingPhrases)
        if (line.contains(QLatin1String(phrase), Qt::CaseInsensitive)) {
            preparing = true;
            break;
        }

    if (preparing) {
        v = m_lastProgress + 1;
        if (v == 100)
            m_completed = true;
    } else if (line.contains(kDownload)
               && (line.contains(QLatin1String("100%")) || line.contains(QLatin1String("already been downloaded")))) {
        bool media = m_destIsMedia;
        bool whole = false;
        const int already = line.indexOf(QLatin1String(" has already been downloaded"));
        if (already >= 0) {
            const int from = line.indexOf(kDownload) + kDownload.size();
            const QString name = line.mid(from, already - from).trimmed();
            media = isMediaFile(name);
            // The merged file itself (not one of its ".f<id>." streams):
            // nothing is left to fetch.
            static const QRegularExpression streamPart(QStringLiteral("\\.f[^./]+\\.[^./]+$"));
            whole = media && !streamPart.match(name).hasMatch();
        }
        if (!media)
            return;      // a subtitle or thumbnail has ended, not a stream
        {
            // An ended stream proves data came, however fast it was.
            m_started = true;
            withJob([](DownloadItem& j) { j.setStarted(); });
            if (m_merged) {
                if (whole || m_secondStream == 1)
                    m_completed = true;
                else
                    m_secondStream = 1;
            } else {
                ++m_partsDone;
                if (whole || m_partsDone >= m_partCount)
                    m_completed = true;
            }
        }
    } else if (line.contains(kDownload)) {
        if (!m_destIsMedia)
            return;      // a subtitle's progress is not the media's
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        int p = 0;
        if (parts.size() >= 2) {
            const QString piece = parts.at(1);
            bool ok = false;
            const double f = piece.left(piece.size() - 1).toDouble(&ok);
            // "nan%" and "inf%" read as numbers too; a percentage is 0 to 100.
            if (ok && piece.endsWith(QLatin1Char('%')) && std::isfinite(f))
                p = int(qBound(0.0, f, 100.0));
        }
        if (p > 0) {
            m_started = true;
            withJob([](DownloadItem& j) { j.setStarted(); });
        }
        if (m_merged) {
            v = m_secondStream == 0 ? int(p * 0.67) : 67 + int(p * 0.33);
        } else {
            const float n = float(m_partCount);
            v = int(float(int(float(p) * (1.0f / n))) + float(m_partsDone) / n * 100.0f);
        }
        if (v == 100)
            m_completed = true;
    } else {
        qDebug().noquote() << line;
        return;
    }
    showProgress(v);
}

bool ItemDownloader::parseFfmpegTime(QString& text)
{
    const QRegularExpressionMatch m = ffmpegTimePattern().match(text);
    if (!m.hasMatch())
        return false;
    const qint64 total = m_live ? m_recordSeconds : m_mediaDuration;
    m_started = true;
    m_completed = true;
    withJob([](DownloadItem& j) { j.setStarted(); });
    // Hours beyond what any recording reaches (or beyond 64 bits) are cut,
    // so the seconds and the percentage below stay within their types.
    constexpr qint64 kMaxSeconds = std::numeric_limits<int>::max();
    bool hoursOk = false;
    qint64 hours = m.captured(1).toLongLong(&hoursOk);
    if (!hoursOk || hours > kMaxSeconds / 3600)
        hours = kMaxSeconds / 3600;
    const qint64 s = qMin(kMaxSeconds, hours * 3600 + m.captured(2).toLongLong() * 60 + m.captured(3).toLongLong());
    if (total == 0) {
        withJob([](DownloadItem& j) { j.setProgress(-1); });
    } else if (total < 0) {
        withJob([s](DownloadItem& j) { j.setProgress(int(s)); });
    } else {
        const int v = int(qMin<qint64>(s * 100 / total, 99));
        if (v >= m_lastProgress) {
            m_lastProgress = v;
            withJob([v](DownloadItem& j) { j.setProgress(v); });
        }
    }
    if (total > 0 && s >= total && m_live)
        m_stopRequested.store(true);
    text.clear();
    return true;
}
