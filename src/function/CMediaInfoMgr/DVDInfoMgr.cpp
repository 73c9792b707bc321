#include "function/CMediaInfoMgr/DVDInfoMgr.h"

#include "function/CMediaInfoMgr/CMediaInfoMgr.h"
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"
#include "function/marbleto_library/arguments/util/media_task.h"
#include "platform/Volumes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QProcess>

QList<UDFInfo> udfList;

namespace {

QMutex g_helperLock;
QString g_helperPath;

QString timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmm"));
}

QString cleanRoot(const QString& path)
{
    const QString trimmed = path.trimmed();
    return trimmed.isEmpty() ? QString() : QDir::cleanPath(trimmed);
}

// VIDEO_TS and its IFO, in either letter case (ISO 9660 mounts may show
// lower case).
bool holdsVideoTs(const QString& root)
{
    for (const char* folder : {"VIDEO_TS", "video_ts"}) {
        for (const char* ifo : {"VIDEO_TS.IFO", "video_ts.ifo"}) {
            if (QFileInfo(root + QLatin1Char('/') + QLatin1String(folder) + QLatin1Char('/') + QLatin1String(ifo)).isFile())
                return true;
        }
    }
    return QFileInfo(root + QStringLiteral("/VIDEO_TS.IFO")).isFile()
           || QFileInfo(root + QStringLiteral("/video_ts.ifo")).isFile();
}

QPixmap driveIcon()
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral("drive-optical"));
    if (!themed.isNull())
        return themed.pixmap(32, 32, QIcon::Normal, QIcon::Off);
    // No icon theme: a plain disc.
    QPixmap disc(32, 32);
    disc.fill(Qt::transparent);
    QPainter p(&disc);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(QColor(0xd8, 0xd8, 0xe0));
    p.drawEllipse(1, 1, 30, 30);
    p.setBrush(Qt::white);
    p.drawEllipse(12, 12, 8, 8);
    return disc;
}

} // namespace

QList<UDFInfo> DriveDetector::detectDrives()
{
    QList<UDFInfo> result;
    constexpr quint64 kGiB = quint64(1) << 30;
    for (const Volumes::Volume& v : Volumes::mounted()) {
        if (!v.optical || !holdsVideoTs(v.mountPoint))
            continue;
        if (v.freeBytes > v.totalBytes || (v.totalBytes / kGiB) * kGiB > 80 * kGiB)
            continue;
        UDFInfo info;
        info.path = v.mountPoint;
        info.label = v.name.isEmpty() ? timeStamp() : v.name;
        info.totalBytes = v.totalBytes;
        info.icon = driveIcon();
        result.append(info);
    }
    udfList = result;
    return result;
}

void DriveDetector::emitUDFInfo()
{
    emit doUDFList(detectDrives());
}

DVDAnalyser::DVDAnalyser(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<DVD_format_edit_s*>("DVD_format_edit_s*");
}

DVDAnalyser::~DVDAnalyser()
{
    // No helper outlives its analyser.
    const QList<QProcess*> running = m_sources.keys();
    for (QProcess* p : running) {
        p->disconnect(this);
        p->kill();
        p->waitForFinished(5000);
        delete p;
    }
}

void DVDAnalyser::setHelperPath(const QString& path)
{
    QMutexLocker locker(&g_helperLock);
    g_helperPath = path;
}

QString DVDAnalyser::helperPath()
{
    QMutexLocker locker(&g_helperLock);
    return g_helperPath.isEmpty() ? ProfileParser::programFolder() + QStringLiteral("/dvdanalyse") : g_helperPath;
}

QString DVDAnalyser::volumeLabel(const QString& root)
{
    const QString clean = cleanRoot(root);
    for (const Volumes::Volume& v : Volumes::mounted()) {
        if (!clean.isEmpty() && QDir::cleanPath(v.mountPoint) == clean)
            return v.name.isEmpty() ? timeStamp() : v.name;
    }
    return timeStamp();
}

bool DVDAnalyser::isDriveRoot(const QString& path)
{
    const QString clean = cleanRoot(path);
    if (clean.isEmpty())
        return false;
    for (const Volumes::Volume& v : Volumes::mounted()) {
        if (QDir::cleanPath(v.mountPoint) == clean)
            return true;
    }
    return false;
}

QString DVDAnalyser::discName(const QString& path, int kind)
{
    switch (kind) {
    case 0:
        return volumeLabel(path);
    case 1: {
        const QFileInfo info(path);
        // Only the last suffix goes: "My.Movie.2019.iso" is "My.Movie.2019".
        return info.isFile() ? info.completeBaseName() : QString();
    }
    case 2: {
        QString p = QFileInfo(path).absoluteFilePath();
        if (QFileInfo(p).fileName().contains(QLatin1String("VIDEO_TS"), Qt::CaseInsensitive))
            p = QFileInfo(p).absolutePath();
        if (!isDriveRoot(p))
            return QFileInfo(p).fileName();
        const QString root = QDir::cleanPath(p);
        for (const UDFInfo& drive : qAsConst(udfList)) {
            if (QDir::cleanPath(drive.path).compare(root, Qt::CaseInsensitive) == 0)
                return volumeLabel(root);
        }
        return timeStamp();
    }
    default:
        return QString();
    }
}

void DVDAnalyser::analyse(const QString& path, int kind, int tag, int value)
{
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    m_sources.insert(process, {path, value, kind, tag});
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, &DVDAnalyser::onProFinished);
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && m_sources.contains(process)) {
            release(process);
            emit doDVDContentInfo(nullptr);
        }
    });
    process->start(helperPath(), {path});
}

void DVDAnalyser::release(QProcess* process)
{
    m_sources.remove(process);
    process->disconnect(this);
    process->deleteLater();
}

void DVDAnalyser::onProFinished(int exitCode)
{
    auto* process = qobject_cast<QProcess*>(sender());
    if (!process || !m_sources.contains(process))
        return;
    const Analysis analysis = m_sources.value(process);
    const bool ok = process->exitStatus() == QProcess::NormalExit && exitCode == 0;
    const QByteArray output = process->readAllStandardOutput();
    // Every end lets go of the process and its records.
    release(process);
    if (!ok) {
        emit doDVDContentInfo(nullptr);
        return;
    }
    CMediaInfoMgr* manager = CMediaInfoMgr::instance(CMediaInfoMgr::Current);
    ProfileInfo info;
    manager->chosenProfile(info);
    QFile file(info.path);
    if (info.path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        emit doDVDContentInfo(nullptr);
        return;
    }
    const QByteArray profile = file.readAll();
    const QString name = discName(analysis.source, analysis.kind);
    media_task* task = create_media_task(analysis.source.toUtf8().constData(), name.toUtf8().constData(),
                                         analysis.value, output.constData(), profile.constData());
    if (!task) {
        emit doDVDContentInfo(nullptr);
        return;
    }
    manager->applyOverProfile(task);
    auto* model = new DVD_format_edit_s(task, name, analysis.source);
    model->reader->setTag(analysis.tag);
    model->sourceKind = analysis.kind;
    emit doDVDContentInfo(model);
}

DVDInfoMgr::DVDInfoMgr(QObject* parent)
    : QObject(parent)
    , d(new DVDInfoMgrPrivate)
    , m_detector(new DriveDetector(this))
    , m_analyser(new DVDAnalyser(this))
{
    qRegisterMetaType<UDFInfo>("UDFInfo");
    qRegisterMetaType<QList<UDFInfo>>("QList<UDFInfo>");
    connect(m_detector, &DriveDetector::doUDFList, this, &DVDInfoMgr::doUDFList);
    connect(m_analyser, &DVDAnalyser::doDVDContentInfo, this, &DVDInfoMgr::doDVDContentInfo);
}

DVDInfoMgr::~DVDInfoMgr()
{
    delete d;
}
