#include "function/Youtube/private/Upgrade/UpgradeYtb.h"

#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/Upgrade/HttpDownload.h"
#include "shell/ServiceHosts.h"
#include "shell/SettingsStore.h"
#include "shell/ZipExtract.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>

namespace {

const char kDateFormat[] = "yyyy-MM-dd";
const char kStagingPrefix[] = ".upgrade-staging-";
const char kPreviousPrefix[] = ".upgrade-previous-";
const char kCompletePrefix[] = ".upgrade-complete-";

QMutex g_defaultUrlLock;
QString g_defaultUrl;

SettingsStore* settings() { return SettingsStore::instance(); }

QString engineFolder()
{
    return SettingsStore::fromStoredPath(settings()->value(QStringLiteral("youtube/path")));
}

QString packPath()
{
    return SettingsStore::fromStoredPath(settings()->value(QStringLiteral("youtube/pack")));
}

bool removePath(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

bool pathExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool moveTo(const QString& from, const QString& to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    return QDir().rename(from, to);
}

// What a pack holds, as read from its own directory, and the units that
// are moved into place: a top-level file, or a child of a top-level
// folder (so a newer "downloader-dlp/yt_dlp" replaces the old package as a
// whole, while the folder's other files stay).
struct PackContents
{
    bool readable = false;
    QList<QPair<QString, qint64>> files;   // cleaned name, size
    QStringList units;
};

PackContents readPack(const QString& pack)
{
    PackContents c;
    ZipArchiveHandle* zip = zipOpenFile(pack);
    if (!zip)
        return c;
    ZipEntryInfo info;
    if (zipGetEntry(zip, -1, &info) != ZIP_OK) {
        zipClose(zip);
        return c;
    }
    const int count = info.index;
    QSet<QString> seen;
    for (int i = 0; i < count; ++i) {
        ZipEntryInfo entry;
        if (zipGetEntry(zip, i, &entry) != ZIP_OK) {
            zipClose(zip);
            return c;
        }
        const QString name = entry.name;
        if (name.isEmpty())
            continue;
        const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (parts.isEmpty() || UpgradeYtb::isProtectedName(parts.first()))
            continue;
        const bool folder = entry.attributes & ZIP_ATTR_DIRECTORY;
        if (!folder)
            c.files.append({parts.join(QLatin1Char('/')), entry.uncompressedSize});
        // A top-level folder entry (zip tools write one for every folder)
        // is no unit of its own: moving it would replace the whole folder,
        // files the pack does not hold included.
        if (folder && parts.size() == 1)
            continue;
        const QString unit = parts.size() == 1 ? parts.first() : parts.mid(0, 2).join(QLatin1Char('/'));
        if (!seen.contains(unit)) {
            seen.insert(unit);
            c.units.append(unit);
        }
    }
    zipClose(zip);
    c.readable = true;
    return c;
}

// An address to keep in the settings: http(s) and nothing in it that a
// line-based file or a request line could take for more than an address.
bool isCleanAddress(const QString& text)
{
    for (const QChar c : text)
        if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty();
}

} // namespace

void (*UpgradeYtb::s_afterSwapStep)() = nullptr;

namespace {

void afterSwapStep()
{
    if (UpgradeYtb::s_afterSwapStep)
        UpgradeYtb::s_afterSwapStep();
}

// An upgrade that puts a pack in place: its units, the folders the units
// need that the engine folder did not have, and the date to store once the
// new engine stands. Written as the marker "<engine>/.upgrade-complete-S"
// once the staging folder ".upgrade-staging-S" holds the whole new tree;
// the replaced units go to ".upgrade-previous-S".
struct SwapPlan
{
    QString suffix;
    QStringList units;
    QStringList newParents;
    QString date;
};

QString markerPath(const QString& engine, const QString& suffix)
{
    return QDir(engine).filePath(QLatin1String(kCompletePrefix) + suffix);
}

QString stagingPath(const QString& engine, const QString& suffix)
{
    return QDir(engine).filePath(QLatin1String(kStagingPrefix) + suffix);
}

QString previousPath(const QString& engine, const QString& suffix)
{
    return QDir(engine).filePath(QLatin1String(kPreviousPrefix) + suffix);
}

bool writePlan(const QString& engine, const SwapPlan& plan)
{
    QJsonObject o;
    o.insert(QStringLiteral("units"), QJsonArray::fromStringList(plan.units));
    o.insert(QStringLiteral("newParents"), QJsonArray::fromStringList(plan.newParents));
    o.insert(QStringLiteral("date"), plan.date);
    QSaveFile file(markerPath(engine, plan.suffix));
    if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(o).toJson()) >= 0 && file.commit())
        return true;
    qWarning() << "cannot write the upgrade marker" << file.fileName() << file.errorString();
    return false;
}

bool readPlan(const QString& engine, const QString& suffix, SwapPlan& plan)
{
    QFile file(markerPath(engine, suffix));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject o = doc.object();
    plan.suffix = suffix;
    plan.date = o.value(QStringLiteral("date")).toString();
    for (const QJsonValue& v : o.value(QStringLiteral("units")).toArray())
        plan.units.append(v.toString());
    for (const QJsonValue& v : o.value(QStringLiteral("newParents")).toArray())
        plan.newParents.append(v.toString());
    // Names out of the engine folder are no units of a pack.
    for (const QString& name : plan.units + plan.newParents)
        if (name.isEmpty() || QDir::isAbsolutePath(name) || name.split(QLatin1Char('/')).contains(QLatin1String("..")))
            return false;
    return true;
}

// Puts each unit that is still staged in place, the installed one aside.
// Every step leaves the disk readable: a unit still staged is not yet in
// place, and one in the previous folder is the replaced one; so the same
// walk finishes a swap that a kill interrupted.
bool moveForward(const QString& engine, const SwapPlan& plan)
{
    for (const QString& unit : plan.units) {
        const QString target = QDir(engine).filePath(unit);
        const QString newer = QDir(stagingPath(engine, plan.suffix)).filePath(unit);
        const QString old = QDir(previousPath(engine, plan.suffix)).filePath(unit);
        if (!pathExists(newer))
            continue;
        if (pathExists(target)) {
            if (pathExists(old) || !moveTo(target, old)) {
                qWarning() << "cannot move aside" << target;
                return false;
            }
            afterSwapStep();
        }
        if (!moveTo(newer, target)) {
            qWarning() << "cannot move into place" << target;
            return false;
        }
        afterSwapStep();
    }
    return true;
}

// Undoes the swap: each unit in place goes back to the staging folder and
// the replaced one returns. False when something could not be put back.
bool moveBack(const QString& engine, const SwapPlan& plan)
{
    bool restored = true;
    for (int i = plan.units.size() - 1; i >= 0; --i) {
        const QString unit = plan.units.at(i);
        const QString target = QDir(engine).filePath(unit);
        const QString newer = QDir(stagingPath(engine, plan.suffix)).filePath(unit);
        const QString old = QDir(previousPath(engine, plan.suffix)).filePath(unit);
        if (!pathExists(newer) && pathExists(target)) {
            if (!moveTo(target, newer)) {
                restored = false;
                continue;
            }
            afterSwapStep();
        }
        if (pathExists(old)) {
            if (pathExists(target) || !moveTo(old, target)) {
                restored = false;
                continue;
            }
            afterSwapStep();
        }
    }
    for (const QString& parent : plan.newParents)
        QDir(engine).rmdir(parent);
    return restored;
}

// Ends a swap whose walk forward succeeded or not: the new engine is
// confirmed, or the old one restored; then the marker goes, and with it
// the last reason to keep the two folders.
bool settleSwap(const QString& engine, const SwapPlan& plan, bool forward)
{
    if (forward) {
        if (!plan.date.isEmpty())
            settings()->setValue(QStringLiteral("youtube/modifyDate"), plan.date);
        const QString pack = packPath();
        if (!pack.isEmpty() && QFileInfo::exists(pack))
            qInfo() << "pack file removed:" << QFile::remove(pack);
        afterSwapStep();
    } else if (!moveBack(engine, plan)) {
        // Keep what could not be put back rather than lose it; the next
        // start tries again.
        qCritical() << "engine upgrade could not restore the previous engine; it is kept in"
                    << previousPath(engine, plan.suffix);
        return false;
    }
    QFile::remove(markerPath(engine, plan.suffix));
    afterSwapStep();
    QDir(stagingPath(engine, plan.suffix)).removeRecursively();
    QDir(previousPath(engine, plan.suffix)).removeRecursively();
    return forward;
}

// A folder of replaced units that no marker explains was left by an
// upgrade that moved units without one: each unit it holds whose place in
// the engine folder is empty goes back, so nothing of the engine is missing.
void restoreMissingUnits(const QString& engine, const QString& previous)
{
    const QDir aside(previous);
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QStringList units;
    for (const QFileInfo& top : aside.entryInfoList(all)) {
        if (top.isDir() && !top.isSymLink()) {
            for (const QString& child : QDir(top.absoluteFilePath()).entryList(all))
                units.append(top.fileName() + QLatin1Char('/') + child);
        } else {
            units.append(top.fileName());
        }
    }
    for (const QString& unit : units) {
        const QString target = QDir(engine).filePath(unit);
        if (!pathExists(target) && moveTo(aside.filePath(unit), target))
            qWarning() << "restored what an interrupted upgrade had moved aside:" << unit;
    }
}

QMutex g_swapLock;

// Under g_swapLock: finishes (or, where that fails, undoes) every swap a
// marker announces, and removes whatever else an upgrade left: without a
// marker no unit has moved yet, or every one has settled (or an upgrade
// without markers moved them; the gaps it left are filled first).
void recoverLocked(const QString& engine)
{
    if (engine.isEmpty() || !QFileInfo(engine).isDir())
        return;
    const QDir dir(engine);
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QSet<QString> kept;
    for (const QString& name : dir.entryList({QLatin1String(kCompletePrefix) + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
        const QString suffix = name.mid(int(qstrlen(kCompletePrefix)));
        SwapPlan plan;
        if (suffix.isEmpty() || suffix.contains(QLatin1Char('.')) || !readPlan(engine, suffix, plan)) {
            // A marker is written whole or not at all; an unreadable one
            // was not written by an upgrade.
            qWarning() << "unreadable upgrade marker removed:" << name;
            QFile::remove(dir.filePath(name));
            continue;
        }
        qWarning() << "an engine upgrade was interrupted; finishing it:" << name;
        if (!settleSwap(engine, plan, moveForward(engine, plan)) && QFileInfo::exists(markerPath(engine, suffix))) {
            kept << name << QLatin1String(kStagingPrefix) + suffix << QLatin1String(kPreviousPrefix) + suffix;
        }
    }
    for (const QString& name : dir.entryList({QStringLiteral(".upgrade-*")}, all)) {
        if (kept.contains(name))
            continue;
        if (name.startsWith(QLatin1String(kPreviousPrefix)) && QFileInfo(dir.filePath(name)).isDir())
            restoreMissingUnits(engine, dir.filePath(name));
        qInfo() << "removing what an interrupted upgrade left:" << name;
        removePath(dir.filePath(name));
    }
}

} // namespace

UpgradeYtb::UpgradeYtb(QObject* parent) : FencedThread(parent), m_stallTimeoutMs(HttpDownload::kStallTimeoutMs)
{
    // The engine starts: an upgrade that a kill interrupted is settled
    // before anything runs the downloader from that folder.
    recoverInterruptedUpgrade();
}

UpgradeYtb::~UpgradeYtb()
{
    if (download)
        download->stop();
    wait();
}

QString UpgradeYtb::defaultDescriptionUrl()
{
    QMutexLocker l(&g_defaultUrlLock);
    if (!g_defaultUrl.isEmpty())
        return g_defaultUrl;
    return ServiceHosts::engineDescriptionUrl();
}

void UpgradeYtb::setDefaultDescriptionUrl(const QString& url)
{
    QMutexLocker l(&g_defaultUrlLock);
    g_defaultUrl = url;
}

bool UpgradeYtb::isProtectedName(const QString& topLevelName)
{
    return topLevelName == QLatin1String("AP") || topLevelName.startsWith(QLatin1String("SubscribeLists.db"))
           || topLevelName == QLatin1String("downloading.json")
           || topLevelName.startsWith(QLatin1String(".upgrade-"));
}

void UpgradeYtb::runAndWait(int newMode)
{
    mode = newMode;
    startAndWait();
}

bool UpgradeYtb::checkUpgrade(bool& force)
{
    qInfo() << "ytb check upgrade";
    if (m_busy) {
        qWarning() << "engine upgrade already busy; check refused";
        return false;
    }
    m_busy = true;

    HttpDownload fetch;
    fetch.setStallTimeout(m_stallTimeoutMs);
    bool fetched = false;
    const QString stored = settings()->value(QStringLiteral("youtube/upcheckUrl")).trimmed();
    if (!stored.isEmpty())
        fetched = fetch.getUrl(stored, data);
    if (!fetched)
        fetched = fetch.getUrl(defaultDescriptionUrl(), data);

    if (fetched) {
        runAndWait(0);
    } else {
        qWarning() << "GotUpdateInfo failed.";
        forceUpgrade = false;
    }

    if (!QFileInfo::exists(DownloaderProgram::launcherPath()))
        needUpgrade = true;

    force = forceUpgrade;
    m_busy = false;
    if (fetched && needUpgrade) {
        qInfo() << "ytb needupgrade";
        return true;
    }
    return false;
}

void UpgradeYtb::analyse()
{
    needUpgrade = false;
    forceUpgrade = false;
    m_packSha256.clear();

    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        qWarning("json error, %d %s\nData: %s", int(error.error), qPrintable(error.errorString()),
                 data.left(4096).constData());
        upgradeUrls.clear();
        return;
    }
    const QJsonObject o = doc.object();
    const QString lastModif = o.value(QStringLiteral("lastModif")).toString();
    const QString upcheck = o.value(QStringLiteral("upcheckUrl")).toString().trimmed();
    if (!upcheck.isEmpty()) {
        if (isCleanAddress(upcheck) && HttpDownload::isAllowedUrl(QUrl::fromUserInput(upcheck)))
            settings()->setValue(QStringLiteral("youtube/upcheckUrl"), upcheck);
        else
            qWarning() << "description address not stored, it is neither https nor local:" << upcheck;
    }

    upgradeUrls.clear();
    const QJsonObject packs = o.value(QStringLiteral("upgradeUrl_2")).toObject();
    for (const QString& key : packs.keys()) {
        const QString address = packs.value(key).toString().trimmed();
        if (address.isEmpty())
            continue;
        if (HttpDownload::isAllowedUrl(QUrl::fromUserInput(address)))
            upgradeUrls.append(address);
        else
            qWarning() << "pack address refused, it is neither https nor local:" << address;
    }

    const QString digest = o.value(QStringLiteral("sha256")).toString().trimmed().toLower();
    if (!digest.isEmpty()) {
        const QByteArray raw = QByteArray::fromHex(digest.toLatin1());
        if (raw.size() != 32 || raw.toHex() != digest.toLatin1()) {
            qWarning() << "description carries an unreadable pack digest; no pack can be trusted";
            upgradeUrls.clear();
        } else {
            m_packSha256 = raw;
        }
    }

    const QDate installed = QDate::fromString(settings()->value(QStringLiteral("youtube/modifyDate")), kDateFormat);
    const QDate server = QDate::fromString(lastModif, kDateFormat);
    serverDate = server.isValid() ? QDateTime(server, QTime(0, 0)) : QDateTime();
    if (installed.isValid() && server.isValid() && installed.daysTo(server) >= 1)
        needUpgrade = true;

    if (o.contains(QStringLiteral("version")) && o.value(QStringLiteral("version")).toInt(0) > 4) {
        needUpgrade = true;
        forceUpgrade = true;
    }

    if (upgradeUrls.isEmpty())
        needUpgrade = false;
}

bool UpgradeYtb::startDownload()
{
    if (m_busy) {
        qWarning() << "engine upgrade already busy; download refused";
        return false;
    }
    if (upgradeUrls.isEmpty()) {
        emit doFinished();
        return false;
    }
    m_busy = true;
    qInfo() << "start upgrade ytb";

    download = new HttpDownload;
    download->setStallTimeout(m_stallTimeoutMs);
    connect(download, &HttpDownload::doProgress, this, &UpgradeYtb::doProgress, Qt::DirectConnection);

    QRandomGenerator random{quint32(QDateTime::currentMSecsSinceEpoch())};
    const QString chosen = upgradeUrls.at(int(random.bounded(quint32(upgradeUrls.size()))));
    bool fetched = download->getUrl(chosen, data);
    delete download;
    download = nullptr;

    if (fetched && !m_packSha256.isEmpty()) {
        const QByteArray actual = QCryptographicHash::hash(data, QCryptographicHash::Sha256);
        if (actual != m_packSha256) {
            qWarning() << "ytb upgrade failed: the pack's digest" << actual.toHex() << "is not the described"
                       << m_packSha256.toHex();
            fetched = false;
        }
    }

    bool ok = false;
    if (fetched) {
        needUpgrade = false;
        runAndWait(1);
        ok = needUpgrade;
    } else {
        qWarning() << "ytb upgrade failed: download failed";
    }
    data.clear();
    m_busy = false;
    emit doFinished();
    return ok;
}

void UpgradeYtb::stopDownload()
{
    qInfo() << "UpgradeYtb stop cmd sended";
    if (download)
        download->stop();
}

void UpgradeYtb::run()
{
    const RunFence fence(this);
    qDebug() << "Thread Test: UpgradeYtb start";
    if (mode == 0)
        analyse();
    else if (mode == 1 && write())
        extract();
    qDebug() << "Thread Test: UpgradeYtb end";
}

bool UpgradeYtb::write()
{
    qInfo() << "ytb pack write start";
    const QString engine = engineFolder();
    const QString pack = packPath();
    if (!QFileInfo::exists(engine)) {
        qInfo() << "Create ytb dir";
        if (!QDir().mkpath(engine))
            qWarning() << "ytb dir created failed:" << engine;
    }
    QDir().mkpath(QFileInfo(pack).absolutePath());

    QSaveFile file(pack);
    qint64 written = -1;
    if (file.open(QIODevice::WriteOnly)) {
        qInfo() << "Data size:" << data.size();
        written = file.write(data);
        qInfo() << "writeted size:" << written;
        if (written == data.size() && file.commit()) {
            qInfo() << "ytb pack write success";
            return true;
        }
        file.cancelWriting();
    }
    qWarning() << "ytb pack write failed!" << file.errorString();
    qWarning() << "path:" << engine;
    qWarning() << "packet:" << pack;
    qWarning() << "disk free size:" << SettingsStore::freeDiskSpace(engine);
    needUpgrade = false;
    return false;
}

bool UpgradeYtb::extract()
{
    const QString pack = packPath();
    const QString engine = engineFolder();
    needUpgrade = false;

    QMutexLocker swapLock(&g_swapLock);
    // Whatever a killed upgrade left is settled first.
    recoverLocked(engine);

    const PackContents contents = readPack(pack);
    QTemporaryDir staging(QDir(engine).filePath(QLatin1String(kStagingPrefix) + QStringLiteral("XXXXXX")));
    bool ok = contents.readable && !contents.units.isEmpty() && staging.isValid();
    if (!contents.readable)
        qWarning() << "the pack is not a readable archive:" << pack;
    else if (contents.units.isEmpty())
        qWarning() << "the pack holds nothing for the engine folder";
    if (ok && !extractZip(pack, staging.path())) {
        qWarning() << "the pack could not be unpacked";
        ok = false;
    }
    if (ok)
        afterSwapStep();
    // Everything the pack lists must be there, whole.
    for (int i = 0; ok && i < contents.files.size(); ++i) {
        const QFileInfo unpacked(QDir(staging.path()).filePath(contents.files.at(i).first));
        if (!unpacked.isFile() || unpacked.size() != contents.files.at(i).second) {
            qWarning() << "unpacked entry missing or incomplete:" << contents.files.at(i).first;
            ok = false;
        }
    }

    SwapPlan plan;
    if (ok) {
        plan.suffix = QFileInfo(staging.path()).fileName().mid(int(qstrlen(kStagingPrefix)));
        const QDate date = serverDate.isValid() ? serverDate.date() : QDate::currentDate();
        plan.date = date.toString(kDateFormat);
        for (const QString& unit : contents.units) {
            if (!pathExists(QDir(staging.path()).filePath(unit)))
                continue;
            plan.units.append(unit);
            const QString parent = QFileInfo(unit).path();
            if (parent != QLatin1String(".") && !QFileInfo(QDir(engine).filePath(parent)).isDir()
                && !plan.newParents.contains(parent))
                plan.newParents.append(parent);
        }
        // From here on the marker says which way a killed swap goes: the
        // new tree is complete, so it is finished, not undone.
        ok = writePlan(engine, plan);
        if (ok) {
            staging.setAutoRemove(false);
            afterSwapStep();
        }
    }
    if (ok)
        ok = settleSwap(engine, plan, moveForward(engine, plan));

    if (!ok) {
        qWarning() << "ytb extract failed";
        return false;
    }
    qInfo() << "ytb extract success";
    needUpgrade = true;
    return true;
}

void UpgradeYtb::recoverInterruptedUpgrade()
{
    QMutexLocker swapLock(&g_swapLock);
    recoverLocked(engineFolder());
}
