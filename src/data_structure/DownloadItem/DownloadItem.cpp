#include "data_structure/DownloadItem/DownloadItem.h"

#include "function/Youtube/Youtube.h"
#include "shell/SettingsStore.h"
#include "shell/Utils.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <mutex>

namespace {

// Picking a free output name and renaming into it happen under this one
// lock, so two jobs finishing with the same title never pick the same name.
std::mutex& namingLock()
{
    static std::mutex m;
    return m;
}

bool pathTaken(const QString& path)
{
    const QFileInfo fi(path);
    return fi.exists() || fi.isSymLink();
}

// Cuts text to at most maxBytes of UTF-8 without splitting a character.
QString cutUtf8(const QString& text, int maxBytes)
{
    if (maxBytes <= 0)
        return QString();
    if (text.toUtf8().size() <= maxBytes)
        return text;
    QString out;
    int bytes = 0;
    for (int i = 0; i < text.size(); ++i) {
        int len = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            len = 2;
        const int b = text.mid(i, len).toUtf8().size();
        if (bytes + b > maxBytes)
            break;
        out += text.mid(i, len);
        bytes += b;
        i += len - 1;
    }
    return out;
}

QString outputFolderFor(bool music)
{
    const QString stored = SettingsStore::instance()->value(
        music ? QStringLiteral("youtube/download_music") : QStringLiteral("youtube/download"));
    return QDir::cleanPath(SettingsStore::fromStoredPath(stored));
}

} // namespace

DownloadItem::DownloadItem(QObject* parent) : QObject(parent)
{
    QMetaObject::invokeMethod(this, "onInit", Qt::QueuedConnection);
}

DownloadItem::DownloadItem(const DownloadItem& other) : QObject(nullptr)
{
    copyFrom(other);
    QMetaObject::invokeMethod(this, "onInit", Qt::QueuedConnection);
}

DownloadItem& DownloadItem::operator=(const DownloadItem& other)
{
    if (this != &other)
        copyFrom(other);
    return *this;
}

DownloadItem::~DownloadItem()
{
    if (removeTempOnDestroy)
        removeTempFolder(true);
}

void DownloadItem::copyFrom(const DownloadItem& other)
{
    std::unique_lock src(other.m_lock);
    title = other.title;
    id = other.id;
    medias = other.medias;
    m_chosenMediaIndex = other.m_chosenMediaIndex;
    preview = other.preview;
    thumbnail = other.thumbnail;
    isLiveStream = other.isLiveStream;
    useFfmpeg = other.useFfmpeg;
    duration = other.duration;
    tempFilePath = other.tempFilePath;
    progress = other.progress;
    mediaDuration = other.mediaDuration;
    listFolder = other.listFolder;
    subscribeListId = other.subscribeListId;
    subscribeListUrl = other.subscribeListUrl;
    subscribeExtractor = other.subscribeExtractor;
    url = other.url;
    subtitles = other.subtitles;
    accountUser = other.accountUser;
    accountPassword = other.accountPassword;
}

void DownloadItem::onInit()
{
    if (property("_tw_inited").toBool())
        return;
    setProperty("_tw_inited", true);
    Youtube* engine = Youtube::instance();
    // The news is taken on the finishing thread, while the job surely
    // exists, and delivered to the engine on its own thread.
    connect(this, &DownloadItem::doFinish, this, [this, engine](int, const QStringList&) {
        DownloadItemSummary s;
        {
            std::unique_lock l(m_lock);
            s = summaryLocked();
        }
        QMetaObject::invokeMethod(engine, [engine, s] { engine->onDownloadItemFinished(s); },
                                  Qt::QueuedConnection);
    }, Qt::DirectConnection);
}

DownloadItemSummary DownloadItem::summaryLocked() const
{
    DownloadItemSummary s;
    s.result = result;
    s.title = title;
    s.id = id;
    s.url = url;
    s.finalFilePath = finalFilePath;
    s.thumbnail = thumbnail;
    s.outputFiles = outputFiles;
    s.subscribeListId = subscribeListId;
    s.subscribeListUrl = subscribeListUrl;
    s.subscribeExtractor = subscribeExtractor;
    return s;
}

int DownloadItem::chosenMediaIndex() const
{
    return m_chosenMediaIndex;
}

bool DownloadItem::setChosenMediaIndex(int index)
{
    if (index < 0 || index >= medias.size())
        return false;
    std::unique_lock l(m_lock);
    if (progress >= 1 && index != m_chosenMediaIndex)
        removeTempFolderLocked(true);   // the partial data is of the old format
    m_chosenMediaIndex = index;
    return true;
}

void DownloadItem::setChosenMediaIndexRaw(int index)
{
    m_chosenMediaIndex = index;
}

DownloadMedia* DownloadItem::chosenMedia()
{
    if (m_chosenMediaIndex < 0 || m_chosenMediaIndex >= medias.size())
        return nullptr;
    return &medias[m_chosenMediaIndex];
}

const DownloadMedia* DownloadItem::chosenMedia() const
{
    if (m_chosenMediaIndex < 0 || m_chosenMediaIndex >= medias.size())
        return nullptr;
    return &medias.at(m_chosenMediaIndex);
}

void DownloadItem::setProgress(int value)
{
    {
        std::unique_lock l(m_lock);
        if (value >= 0 && value < progress)
            return;
        progress = value;
    }
    emit doProgress(value);
}

void DownloadItem::setStarted()
{
    std::unique_lock l(m_lock);
    startSuccess = true;
}

QString DownloadItem::tempNameFor(const QString& ext, int part, int partCount) const
{
    QString name = QStringLiteral("temp");
    if (part > 1 || partCount != 1)
        name += QStringLiteral("_part%1").arg(part);
    return QDir(tempFilePath).filePath(name + QLatin1Char('.') + ext);
}

void DownloadItem::setTempFileExt(const QString& ext)
{
    std::unique_lock l(m_lock);
    DownloadMedia* m = chosenMedia();
    if (m) {
        m->srcExt = ext;
        m->tarExt = ext;
    }
    tempFileName = tempNameFor(ext, 1, m ? m->videoPartCount : 1);
}

void DownloadItem::setDestination(const QString& baseName, const QString& suffix)
{
    std::unique_lock l(m_lock);
    DownloadMedia* m = chosenMedia();
    if (!m || !m->tarExt.isEmpty())
        return;
    id = baseName;
    m->tarExt = suffix;
    tempFileName = tempNameFor(suffix, 1, 1);
}

QString DownloadItem::outputFolder() const
{
    const DownloadMedia* m = chosenMedia();
    return outputFolderFor(m && m->isMusic);
}

void DownloadItem::prepareTempPath()
{
    const QString folder = outputFolder();
    bool startOver = false;
    {
        std::unique_lock l(m_lock);
        outputFiles.clear();
        if (!tempFilePath.isEmpty() && !QFileInfo(tempFilePath).isDir()) {
            // The kept data is gone (cleaned away by hand, or a lost drive):
            // the download starts over in a new folder.
            qWarning() << "temp folder gone, the download starts over:" << tempFilePath;
            tempFilePath.clear();
            progress = 0;
            startOver = true;
        }
        if (tempFilePath.isEmpty() && !folder.isEmpty()) {
            QDir().mkpath(folder);
            // mkdtemp: the folder is private to the user (0700).
            QTemporaryDir dir(QDir(folder).filePath(QStringLiteral("temp_XXXXXX")));
            dir.setAutoRemove(false);
            if (dir.isValid())
                tempFilePath = dir.path();
            else
                qWarning() << "cannot make a temp folder in" << folder << dir.errorString();
        }
        const DownloadMedia* m = chosenMedia();
        if (!tempFilePath.isEmpty())
            tempFileName = tempNameFor(m ? m->tarExt : QString(), 1, m ? m->videoPartCount : 1);
        else
            tempFileName.clear();
    }
    if (startOver)
        emit doProgress(0);
    emit doStarted();
}

void DownloadItem::removeTempFolder(bool allowDelete)
{
    std::unique_lock l(m_lock);
    removeTempFolderLocked(allowDelete);
}

void DownloadItem::removeTempFolderLocked(bool allowDelete)
{
    progress = 0;
    if (tempFilePath.isEmpty())
        return;
    const QFileInfo fi(tempFilePath);
    if (allowDelete && fi.isDir() && !fi.isSymLink()
        && fi.absoluteFilePath().section(QLatin1Char('/'), -1).startsWith(QLatin1String("temp_"))) {
        // Only a temp folder this program makes for this job: one that sits
        // right in the job's own output folder. Anything else (another
        // job's output folder included) is forgotten, never deleted.
        const QString parent = QFileInfo(fi.absolutePath()).canonicalFilePath();
        const QString own = QFileInfo(outputFolder()).canonicalFilePath();
        if (!parent.isEmpty() && parent == own)
            QDir(fi.absoluteFilePath()).removeRecursively();
        else
            qWarning() << "temp folder outside the job's output folder left alone:" << tempFilePath;
    }
    tempFilePath.clear();
}

QString DownloadItem::safeComponent(const QString& name, int maxBytes)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QLatin1Char('_');
        else
            out += c;
    }
    // A name of dots only would name this folder or its parent; a leading
    // dot would hide the file.
    int i = 0;
    while (i < out.size() && out.at(i) == QLatin1Char('.'))
        out[i++] = QLatin1Char('_');
    if (out.isEmpty())
        out = QStringLiteral("_");
    out = cutUtf8(out, maxBytes);
    return out.isEmpty() ? QStringLiteral("_") : out;
}

QString DownloadItem::safeListFolder(const QString& listFolder)
{
    QString out;
    const QStringList parts = QString(listFolder).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& p : parts) {
        const QString t = p.trimmed();
        if (t.isEmpty())
            continue;
        out += safeComponent(t) + QLatin1Char('/');
    }
    return out;
}

QStringList DownloadItem::outputNames(const QString& folder, const QString& listFolder,
                                      const QString& title, const QString& tarExt, int partCount)
{
    QString name = title;
    toValidFileName(name, QStringLiteral(" "));
    name = safeComponent(name);
    QString base = folder;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    base += safeListFolder(listFolder);
    const int n = qMax(1, partCount);

    // The name is shortened, never the ending, so that no candidate goes
    // over the 255-byte limit of a file name.
    auto candidate = [&](const QString& ending) {
        const QString suffix = ending + QLatin1Char('.') + tarExt;
        return base + cutUtf8(name, 255 - suffix.toUtf8().size()) + suffix;
    };

    QStringList names;
    QString next = candidate(n == 1 ? QString() : QStringLiteral("_part1"));
    for (int k = 1; k <= n; ++k) {
        for (int j = 2; pathTaken(next) || names.contains(next); ++j)
            next = candidate(QStringLiteral("_part%1_%2").arg(k).arg(j));
        names.append(next);
        next = candidate(QStringLiteral("_part%1").arg(k + 1));
    }
    return names;
}

void DownloadItem::finish(DownloadError err)
{
    std::unique_lock naming(namingLock());
    m_lock.lock();
    const DownloadMedia* m = chosenMedia();
    // A job without a chosen format has nothing to rename.
    if (!m && err == DownloadSuccess)
        err = DownloadFormatUnavailable;
    result = err;
    const QString tarExt = m ? m->tarExt : QString();
    const int n = m ? qMax(1, m->videoPartCount) : 1;
    qDebug() << "videoPartCount" << n;
    const QString folder = outputFolderFor(m && m->isMusic);
    outputFiles = outputNames(folder, listFolder, title, tarExt, n);
    finalFilePath = outputFiles.value(0);
    const QStringList names = outputFiles;
    const QString firstSource = tempFileName;
    const QString tempFolder = tempFilePath;
    const int oldProgress = progress;
    m_lock.unlock();

    switch (err) {
    case DownloadSuccess: {
        if (oldProgress <= 100) {
            {
                std::unique_lock l(m_lock);
                progress = 100;
            }
            emit doProgress(100);
        }
        QDir().mkpath(QFileInfo(names.first()).absolutePath());
        qDebug() << firstSource << (QFileInfo::exists(firstSource) ? "confirm exists" : "not exists");
        qDebug() << "youtube: start rename!";
        bool allRenamed = true;
        QStringList finalNames = names;
        QString finalPath = names.first();
        QString source = firstSource;
        for (int i = 0; i < names.size(); ++i) {
            const QString& target = names.at(i);
            qDebug() << "youtube:ready to rename from" << source << "to" << target;
            bool ok = false;
            for (int attempt = 0; attempt < 3 && !ok; ++attempt) {
                if (attempt > 0)
                    QThread::msleep(500);
                // QFile::rename never replaces an existing file.
                ok = !pathTaken(target) && QFile::rename(source, target);
            }
            if (!ok) {
                allRenamed = false;
                if (i == 0) {
                    qWarning() << "file rename failed! use temp file path";
                    finalPath = firstSource;
                }
            }
            qDebug() << "End rename" << (ok ? "sccess" : "failed");
            if (!ok)
                finalNames[i] = source;
            source = QDir(tempFolder).filePath(QStringLiteral("temp_part%1.%2").arg(i + 2).arg(tarExt));
        }
        {
            std::unique_lock l(m_lock);
            outputFiles = finalNames;
            finalFilePath = finalPath;
            removeTempFolderLocked(allRenamed);
        }
        naming.unlock();
        emit doFinish(err, finalNames);
        break;
    }
    case DownloadCancelledBeforeStart:
        break;
    case DownloadStopped:
    case DownloadInterrupted:
        naming.unlock();
        emit doFinish(err, names);
        break;
    case DownloadFormatUnavailable:
    case DownloadFailed:
        removeTempFolder(true);
        naming.unlock();
        emit doFinish(err, names);
        break;
    }
}

QString DownloadItem::tempFilePathSafe() const
{
    std::unique_lock l(m_lock);
    return tempFilePath;
}

QString DownloadItem::tempFileNameSafe() const
{
    std::unique_lock l(m_lock);
    return tempFileName;
}

QString DownloadItem::finalFilePathSafe() const
{
    std::unique_lock l(m_lock);
    return finalFilePath;
}

QStringList DownloadItem::outputFilesSafe() const
{
    std::unique_lock l(m_lock);
    return outputFiles;
}

int DownloadItem::progressSafe() const
{
    std::unique_lock l(m_lock);
    return progress;
}

int DownloadItem::resultSafe() const
{
    std::unique_lock l(m_lock);
    return result;
}
