#include "function/Youtube/private/Downloader/DownloadingStore.h"

#include "function/Youtube/private/DownloaderProgram.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTime>
#include <mutex>

namespace {

const char* const kTimePattern = "hh-mm-ss";

QJsonObject mediaToJson(const DownloadMedia& m)
{
    QJsonObject o;
    o.insert(QStringLiteral("format"), m.format);
    o.insert(QStringLiteral("resolution"), m.resolution);
    o.insert(QStringLiteral("fileSize"), m.fileSize);
    o.insert(QStringLiteral("formatID"), m.formatID);
    o.insert(QStringLiteral("attachedFormatID"), m.attachedFormatID);
    o.insert(QStringLiteral("attachedExt"), m.attachedExt);
    o.insert(QStringLiteral("fullCode"), m.fullCode);
    o.insert(QStringLiteral("videoSizeRatio"), m.videoSizeRatio);
    o.insert(QStringLiteral("srcExt"), m.srcExt);
    o.insert(QStringLiteral("tarExt"), m.tarExt);
    o.insert(QStringLiteral("isMusic"), m.isMusic);
    o.insert(QStringLiteral("forgeMediaForMp3"), m.forgeMediaForMp3);
    o.insert(QStringLiteral("videoPartCount"), m.videoPartCount);
    return o;
}

QJsonObject jobToJson(const DownloadItem& j)
{
    // The worker writes some of these while we read: take them whole.
    std::unique_lock l(j.fieldLock());
    QJsonObject o;
    o.insert(QStringLiteral("title"), j.title);
    o.insert(QStringLiteral("id"), j.id);
    o.insert(QStringLiteral("preview"), j.preview);
    o.insert(QStringLiteral("thumbnail"), j.thumbnail);
    o.insert(QStringLiteral("isLiveStream"), j.isLiveStream);
    o.insert(QStringLiteral("startTime"), j.startTime.isValid() ? j.startTime.toString(QLatin1String(kTimePattern)) : QString());
    o.insert(QStringLiteral("startNow"), j.startNow);
    o.insert(QStringLiteral("duration"), j.duration);
    o.insert(QStringLiteral("startSuccess"), j.startSuccess);
    o.insert(QStringLiteral("url"), j.url);
    o.insert(QStringLiteral("tempFilePath"), j.tempFilePath);
    o.insert(QStringLiteral("progress"), j.progress);
    o.insert(QStringLiteral("mediaDuration"), j.mediaDuration);
    o.insert(QStringLiteral("chosenMediaIndex"), j.chosenMediaIndex());
    o.insert(QStringLiteral("subtitles"), QJsonArray::fromStringList(j.subtitles));
    QJsonArray medias;
    for (const DownloadMedia& m : j.medias)
        medias.append(mediaToJson(m));
    o.insert(QStringLiteral("medias"), medias);
    return o;
}

int intOf(const QJsonObject& o, const char* key)
{
    return o.value(QLatin1String(key)).toInt(0);
}

QString textOf(const QJsonObject& o, const char* key)
{
    return o.value(QLatin1String(key)).toString();
}

bool boolOf(const QJsonObject& o, const char* key)
{
    return o.value(QLatin1String(key)).toBool(false);
}

} // namespace

DownloadingStore::DownloadingStore(QObject* parent) : QObject(parent)
{
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(kProgressWriteDelayMs);
    connect(&m_writeTimer, &QTimer::timeout, this, &DownloadingStore::writeNow);
}

DownloadingStore::~DownloadingStore()
{
    if (m_writeTimer.isActive()) {
        m_writeTimer.stop();
        writeNow();
    }
}

QString DownloadingStore::filePath()
{
    return QDir(DownloaderProgram::engineFolder()).filePath(QStringLiteral("downloading.json"));
}

void DownloadingStore::watch(DownloadItem* job)
{
    // Progress and the start both arrive from a worker; the temp folder is
    // made right before doStarted.
    connect(job, &DownloadItem::doProgress, this, &DownloadingStore::scheduleWrite, Qt::QueuedConnection);
    connect(job, &DownloadItem::doStarted, this, &DownloadingStore::scheduleWrite, Qt::QueuedConnection);
    connect(job, &DownloadItem::doFinish, this, &DownloadingStore::scheduleWrite, Qt::QueuedConnection);
    // An owner that destroys a listed job without removing it first must
    // not leave a dangling entry behind.
    // The pointer is kept as it was given: a QObject that is being
    // destroyed is no longer a DownloadItem to cast to.
    connect(job, &QObject::destroyed, this, [this, job](QObject*) {
        const int before = m_items.size();
        m_items.removeAll(job);
        if (m_items.size() != before)
            writeNow();
    });
}

void DownloadingStore::unwatch(DownloadItem* job)
{
    disconnect(job, nullptr, this, nullptr);
}

void DownloadingStore::add(const QList<DownloadItem*>& list)
{
    for (DownloadItem* job : list) {
        if (!job || m_items.contains(job) || job->isLiveStream)
            continue;
        job->removeTempOnDestroy = false;
        m_items.append(job);
        watch(job);
    }
    if (!list.isEmpty())
        writeNow();
}

void DownloadingStore::remove(const QList<DownloadItem*>& list)
{
    for (DownloadItem* job : list) {
        if (!job)
            continue;
        job->removeTempOnDestroy = true;
        const int i = m_items.indexOf(job);
        if (i >= 0) {
            m_items.removeAt(i);
            if (!m_items.contains(job))
                unwatch(job);
        }
    }
    if (!list.isEmpty())
        writeNow();
}

void DownloadingStore::clear()
{
    for (DownloadItem* job : qAsConst(m_items)) {
        job->removeTempOnDestroy = true;
        unwatch(job);
    }
    m_items.clear();
    writeNow();
}

void DownloadingStore::release()
{
    writeNow();
    for (DownloadItem* job : qAsConst(m_items))
        unwatch(job);
    m_items.clear();
}

void DownloadingStore::scheduleWrite()
{
    // News of a job that was forgotten or unlisted meanwhile may still be
    // queued; with nothing listed there is nothing to bring up to date, and
    // writing would empty the file that release() just wrote.
    if (m_items.isEmpty())
        return;
    if (!m_writeTimer.isActive())
        m_writeTimer.start();
}

void DownloadingStore::writeNow()
{
    m_writeTimer.stop();
    write(m_items);
}

QByteArray DownloadingStore::document(const QList<DownloadItem*>& items)
{
    QJsonArray jobs;
    for (const DownloadItem* j : items)
        jobs.append(jobToJson(*j));
    QJsonObject root;
    root.insert(QStringLiteral("Downloadings"), jobs);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool DownloadingStore::write(const QList<DownloadItem*>& items)
{
    const QString path = filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray data = document(items);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit()) {
        qWarning() << "cannot write the list of unfinished downloads" << path << f.errorString();
        return false;
    }
    return true;
}

void DownloadingStore::jobFromJson(const QJsonObject& o, DownloadItem& job)
{
    job.title = textOf(o, "title");
    job.id = textOf(o, "id");
    job.preview = textOf(o, "preview");
    job.thumbnail = textOf(o, "thumbnail");
    job.isLiveStream = boolOf(o, "isLiveStream");
    job.startTime = QTime::fromString(textOf(o, "startTime"), QLatin1String(kTimePattern));
    job.startNow = boolOf(o, "startNow");
    job.duration = intOf(o, "duration");
    job.startSuccess = boolOf(o, "startSuccess");
    job.url = textOf(o, "url");
    job.tempFilePath = textOf(o, "tempFilePath");
    job.progress = intOf(o, "progress");
    job.mediaDuration = intOf(o, "mediaDuration");
    job.setChosenMediaIndexRaw(intOf(o, "chosenMediaIndex"));
    if (o.contains(QLatin1String("subtitles"))) {
        const QJsonArray subs = o.value(QLatin1String("subtitles")).toArray();
        for (const QJsonValue& v : subs)
            job.subtitles.append(v.toString());
    }
    if (o.contains(QLatin1String("medias"))) {
        const QJsonArray medias = o.value(QLatin1String("medias")).toArray();
        for (const QJsonValue& v : medias) {
            const QJsonObject mo = v.toObject();
            DownloadMedia m;
            m.format = textOf(mo, "format");
            m.resolution = textOf(mo, "resolution");
            m.fileSize = textOf(mo, "fileSize");
            m.formatID = textOf(mo, "formatID");
            m.attachedFormatID = textOf(mo, "attachedFormatID");
            m.attachedExt = textOf(mo, "attachedExt");
            m.fullCode = textOf(mo, "fullCode");
            m.videoSizeRatio = mo.value(QLatin1String("videoSizeRatio")).toDouble(0.0);
            m.srcExt = textOf(mo, "srcExt");
            m.tarExt = textOf(mo, "tarExt");
            m.isMusic = boolOf(mo, "isMusic");
            m.forgeMediaForMp3 = boolOf(mo, "forgeMediaForMp3");
            m.videoPartCount = intOf(mo, "videoPartCount");
            // Every job makes at least one file.
            if (m.videoPartCount < 1)
                m.videoPartCount = 1;
            job.medias.append(m);
        }
    }
}

QList<DownloadItem> DownloadingStore::read()
{
    QList<DownloadItem> jobs;
    if (!m_firstRead)
        return jobs;
    m_firstRead = false;
    QFile f(filePath());
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return jobs;
    const QByteArray data = f.readAll();
    if (data.isEmpty())
        return jobs;
    const QJsonObject root = QJsonDocument::fromJson(data).object();
    if (!root.contains(QLatin1String("Downloadings")))
        return jobs;
    const QJsonArray array = root.value(QLatin1String("Downloadings")).toArray();
    for (const QJsonValue& v : array) {
        DownloadItem job;
        jobFromJson(v.toObject(), job);
        jobs.append(job);      // a copy: it starts at once and has not started
    }
    return jobs;
}
