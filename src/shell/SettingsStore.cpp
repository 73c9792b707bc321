#include "shell/SettingsStore.h"

#include "shell/MessageHook.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QReadLocker>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QWriteLocker>

#include <openssl/evp.h>

#include <functional>

namespace {

bool breaksLine(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// Whether "name=value" under the header of group reads back as the same
// entry. What was read from a damaged file may not: a bare CR or LF would
// end the line for other readers and split it for the next save, and a
// header holding a '/' puts the rest of the group into the name written,
// where an '=' or blanks at its ends change the key read back; a line that
// looks like a header would become one.
bool readsBack(const QString& group, const QString& name, const QString& value)
{
    if (breaksLine(group) || breaksLine(name) || breaksLine(value))
        return false;
    if (name.isEmpty() || name.contains(QLatin1Char('=')) || name.trimmed() != name)
        return false;
    const QString line = (name + QLatin1Char('=') + value).trimmed();
    return !(line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')));
}

const char kAppName[] = "Tarnwick";
const char kBuiltInKey[] = "r5ktw2nqz8pahv3e";
// Marks the image cache folder with the process that made it, so that an
// instance ending beside its restarted successor leaves the new one's folder.
const char kOwnerMarker[] = ".owner";

QString canonical(const QString& path)
{
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? QString() : c;
}

// True only for an existing folder that lies strictly below `folder`, after
// links are resolved: a clean-up must never reach outside the settings folder.
bool isStrictlyInside(const QString& path, const QString& folder)
{
    const QString p = canonical(path);
    const QString f = canonical(folder);
    if (p.isEmpty() || f.isEmpty() || !QFileInfo(p).isDir())
        return false;
    return p.startsWith(f + QLatin1Char('/')) && p.size() > f.size() + 1;
}

QString pidText()
{
    return QString::number(QCoreApplication::applicationPid());
}

bool ownedByThisProcess(const QString& folder)
{
    QFile f(QDir(folder).filePath(QLatin1String(kOwnerMarker)));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return QString::fromUtf8(f.readAll()).trimmed() == pidText();
}

// Written in place, with no flush to disk: the folder is made anew at every
// start, so the marker never has to outlive a crash of the machine, and
// QSaveFile's commit waited for the disk (some milliseconds of every start,
// before the window could be begun). A reader that comes upon the file while
// it is written sees no pid of its own and leaves the folder.
void markOwned(const QString& folder)
{
    QFile f(QDir(folder).filePath(QLatin1String(kOwnerMarker)));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(pidText().toUtf8());
}

QByteArray upToNul(const QByteArray& bytes)
{
    const int nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.left(nul);
}

} // namespace

SettingsStore* SettingsStore::instance()
{
    static SettingsStore store(defaultSettingsFolder(), true);
    return &store;
}

QString SettingsStore::applicationName()
{
    return QString::fromLatin1(kAppName);
}

const QStringList& SettingsStore::languageCodes()
{
    static const QStringList codes = {
        QStringLiteral("fr"), QStringLiteral("ko"), QStringLiteral("zh-hant"), QStringLiteral("de"),
        QStringLiteral("it"), QStringLiteral("pt-pt"), QStringLiteral("es"), QStringLiteral("en"),
        QStringLiteral("zh-hans"), QStringLiteral("ja")};
    return codes;
}

QString SettingsStore::defaultSettingsFolder()
{
    QCoreApplication::setApplicationName(applicationName());
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir::cleanPath(appData + QStringLiteral("/..")) + QStringLiteral("/Quenmark/Tarnwick");
}

QString SettingsStore::toStoredPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString SettingsStore::fromStoredPath(const QString& stored)
{
    return QDir::fromNativeSeparators(stored);
}

SettingsStore::SettingsStore(const QString& settingsFolder, bool runDefaults)
{
    QCoreApplication::setApplicationName(applicationName());
    m_folder = QDir::cleanPath(QDir(settingsFolder).absolutePath());
    if (!QDir().mkpath(m_folder)) {
        MessageHook::critical(applicationName(), QStringLiteral("No available space!"));
        if (QCoreApplication::instance())
            QMetaObject::invokeMethod(QCoreApplication::instance(), "quit", Qt::QueuedConnection);
        return;
    }
    m_valid = true;
    m_configFilePath = toStoredPath(m_folder + QStringLiteral("/config.ini"));
    m_criticalLogPath = toStoredPath(m_folder + QStringLiteral("/Error File.txt"));
    removeTempDirs(false);
    load();
    if (runDefaults)
        initDefaults();
}

SettingsStore::~SettingsStore()
{
    if (!m_valid)
        return;
    removeTempDirs(true);
    const QString image = fromStoredPath(value(QStringLiteral("temp/image")));
    if (!image.isEmpty() && isStrictlyInside(image, m_folder) && ownedByThisProcess(image))
        QDir(image).removeRecursively();
}

bool SettingsStore::isValid() const
{
    return m_valid;
}

QString SettingsStore::configDir() const
{
    return m_folder;
}

QString SettingsStore::configFilePath() const
{
    return m_configFilePath;
}

QString SettingsStore::criticalLogPath() const
{
    return m_criticalLogPath;
}

QString SettingsStore::fullKey(const QString& key)
{
    if (!key.contains(QLatin1Char('/')))
        return QStringLiteral("General/") + key;
    return key;
}

QString SettingsStore::storedValue(const QString& key) const
{
    QReadLocker locker(&m_lock);
    return m_values.value(fullKey(key));
}

QString SettingsStore::value(const QString& key) const
{
    const QString v = storedValue(key);
    if (fullKey(key) == QLatin1String("base/language") && !languageCodes().contains(v))
        return QStringLiteral("en");
    return v;
}

int SettingsStore::setValue(const QString& key, const QString& value)
{
    const QString trimmed = key.trimmed();
    if (trimmed.isEmpty())
        return 3;
    // The file is line-based: a line break inside a key or value would turn
    // the rest of it into sections and keys of their own on the next start.
    if (breaksLine(trimmed) || breaksLine(value)) {
        qWarning() << "setting refused, it holds a line break:" << trimmed.left(64);
        return 3;
    }
    QWriteLocker locker(&m_lock);
    return setValueLocked(fullKey(trimmed), value);
}

int SettingsStore::setValueLocked(const QString& fullKey, const QString& value)
{
    // A missing key counts as the empty text, so storing "" creates nothing.
    if (m_values.value(fullKey) == value)
        return 0;
    m_values.insert(fullKey, value);
    if (m_holdSaves)
        m_unsaved = true;
    else
        save();
    return 0;
}

int SettingsStore::setEncryptedValue(const QString& key, const QString& value)
{
    return setValue(key, value.isEmpty() ? QString() : encryptText(value));
}

QString SettingsStore::encryptedValue(const QString& key) const
{
    const QString stored = value(key);
    if (stored.isEmpty())
        return QString();
    return decryptText(stored);
}

void SettingsStore::load()
{
    QFile file(fromStoredPath(m_configFilePath));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(upToNul(file.readAll()));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QMap<QString, QString> values;
    QString group;
    for (const QString& raw : lines) {
        if (raw.isEmpty())
            continue;
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) && line.size() >= 2) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString name = line.left(eq).trimmed();
        const QString val = line.mid(eq + 1).trimmed();
        values.insert(group + QLatin1Char('/') + name, val);
    }
    QWriteLocker locker(&m_lock);
    m_values = values;
}

QByteArray SettingsStore::serialized() const
{
    QReadLocker locker(&m_lock);
    return buildText(m_values);
}

QByteArray SettingsStore::buildText(const QMap<QString, QString>& values, int* dropped)
{
    QString text;
    QString previousGroup;
    bool first = true;
    if (dropped)
        *dropped = 0;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        const int slash = it.key().indexOf(QLatin1Char('/'));
        const QString group = it.key().left(slash);
        // An entry that would come back as another key, or as lines of its
        // own, on the next start is not written.
        if (!readsBack(group, it.key().mid(slash + 1), it.value())) {
            if (dropped)
                ++*dropped;
            continue;
        }
        if (group != previousGroup) {
            if (!first)
                text += QStringLiteral("\r\n");
            text += QLatin1Char('[') + group + QStringLiteral("]\r\n");
            previousGroup = group;
        }
        first = false;
        text += it.key().mid(slash + 1) + QLatin1Char('=') + it.value() + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

bool SettingsStore::save()
{
    // Written beside and renamed over, so a crash mid-write keeps the old file.
    QSaveFile file(fromStoredPath(m_configFilePath));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The file holds the site account's password, enciphered with a key that
    // anyone can read from the program: keep it to its owner.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    int dropped = 0;
    file.write(buildText(m_values, &dropped));
    if (dropped > 0)
        qWarning() << "settings not written, they would not read back as they are:" << dropped;
    return file.commit();
}

QByteArray SettingsStore::aesCrypt(const QByteArray& data, bool encrypt, const QString& key, int padding)
{
    if (data.isEmpty())
        return QByteArray();
    unsigned char keyBytes[16] = {0};
    const QByteArray keyText = key.isEmpty() ? QByteArray(kBuiltInKey) : key.toUtf8();
    memcpy(keyBytes, keyText.constData(), size_t(qMin(16, keyText.size())));

    QByteArray in = data;
    const int rest = in.size() % 16;
    if (rest != 0) {
        const int added = 16 - rest;
        // Decryption pads with zero bytes too, so any length gives whole blocks.
        const char fill = (encrypt && padding != 0) ? char(added) : char(0);
        in.append(QByteArray(added, fill));
    }

    QByteArray out(in.size() + 16, Qt::Uninitialized);
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    int len1 = 0;
    int len2 = 0;
    bool ok = ctx && EVP_CipherInit_ex(ctx, EVP_aes_128_ecb(), nullptr, keyBytes, nullptr, encrypt ? 1 : 0) == 1;
    ok = ok && EVP_CIPHER_CTX_set_padding(ctx, 0) == 1;
    ok = ok && EVP_CipherUpdate(ctx, reinterpret_cast<unsigned char*>(out.data()), &len1,
                                reinterpret_cast<const unsigned char*>(in.constData()), in.size()) == 1;
    ok = ok && EVP_CipherFinal_ex(ctx, reinterpret_cast<unsigned char*>(out.data()) + len1, &len2) == 1;
    EVP_CIPHER_CTX_free(ctx);
    if (!ok)
        return QByteArray();
    out.resize(len1 + len2);

    if (!encrypt && !out.isEmpty()) {
        const unsigned char last = static_cast<unsigned char>(out.at(out.size() - 1));
        if (last >= 1 && last <= 15)
            out.chop(last);
    }
    return out;
}

QString SettingsStore::encryptText(const QString& text, const QString& key)
{
    return QString::fromLatin1(aesCrypt(text.toUtf8(), true, key, 0).toBase64());
}

QString SettingsStore::decryptText(const QString& base64, const QString& key)
{
    const QByteArray raw = QByteArray::fromBase64(upToNul(base64.toUtf8()));
    return QString::fromUtf8(upToNul(aesCrypt(raw, false, key, 0)));
}

QStringList SettingsStore::ownedTempItems() const
{
    QStringList items;
    for (const auto& dir : m_tempDirs)
        items << dir->path();
    return items;
}

void SettingsStore::removeTempDirs(bool atExit)
{
    m_tempDirs.clear();
    if (atExit)
        return; // at exit only what this process made goes (see the destructor)
    // Every start clears what earlier runs left behind.
    const QFileInfoList entries = QDir(m_folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (!entry.fileName().contains(QLatin1String("temp_")))
            continue;
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(entry.absoluteFilePath());
    }
}

QString SettingsStore::prepareOutputDir(const QString& folder, bool addAppName)
{
    QString path = folder;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty())
        return QString();
    QDir dir(path);
    const QString probe = dir.absoluteFilePath(QStringLiteral("dir_test_for_writable"));
    if (!QDir().mkpath(probe))
        return QString();
    QDir().rmdir(probe);

    QString absolute = QDir::cleanPath(dir.absolutePath());
    if (addAppName) {
        const QString last = absolute.section(QLatin1Char('/'), -1);
        if (last != applicationName()) {
            const QString sub = absolute + QLatin1Char('/') + applicationName();
            if (!QDir().mkpath(sub))
                return QString();
            absolute = sub;
        }
    } else if (!QDir().mkpath(absolute)) {
        return QString();
    }
    return toStoredPath(absolute);
}

qint64 SettingsStore::freeDiskSpace(const QString& path)
{
    // The volume's free bytes, not the calling user's share of them. The path
    // itself may not exist yet: ask about the nearest folder that does.
    QFileInfo info(fromStoredPath(path));
    QString probe = info.absoluteFilePath();
    while (!probe.isEmpty() && !QFileInfo::exists(probe)) {
        const QString parent = QFileInfo(probe).absolutePath();
        if (parent == probe)
            break;
        probe = parent;
    }
    QStorageInfo storage(probe);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesFree();
}

void SettingsStore::initDefaults()
{
    // A first start sets some fifty keys: one write of the file, not one each.
    struct SaveOnce
    {
        SettingsStore* store;
        explicit SaveOnce(SettingsStore* s) : store(s)
        {
            QWriteLocker locker(&store->m_lock);
            store->m_holdSaves = true;
        }
        ~SaveOnce()
        {
            QWriteLocker locker(&store->m_lock);
            store->m_holdSaves = false;
            if (store->m_unsaved) {
                store->m_unsaved = false;
                store->save();
            }
        }
    } saveOnce(this);

    const QString folder = toStoredPath(m_folder);
    auto always = [this](const char* key, const QString& v) { setValue(QLatin1String(key), v); };
    // The raw stored text: value() would answer "en" for a missing language.
    auto ifEmpty = [this](const char* key, const QString& v) {
        if (storedValue(QLatin1String(key)).isEmpty())
            setValue(QLatin1String(key), v);
    };
    auto ifNoFolder = [this](const char* key, const std::function<QString()>& make) {
        const QString stored = storedValue(QLatin1String(key));
        if (stored.isEmpty() || !QFileInfo(fromStoredPath(stored)).isDir())
            setValue(QLatin1String(key), make());
    };
    auto location = [](QStandardPaths::StandardLocation l) { return QStandardPaths::writableLocation(l); };
    auto outputOf = [&](QStandardPaths::StandardLocation l) {
        const QString base = location(l);
        return base.isEmpty() ? QString() : prepareOutputDir(base + QLatin1Char('/') + applicationName(), true);
    };

    always("base/configPath", folder);
    always("base/configFilePath", m_configFilePath);
    always("base/criticalLog", m_criticalLogPath);
    always("base/dump", toStoredPath(m_folder + QStringLiteral("/Error File.dmp")));
    always("base/errorZip", toStoredPath(m_folder + QStringLiteral("/Error File.zip")));
    always("base/Log", toStoredPath(m_folder + QStringLiteral("/log.txt")));
    ifNoFolder("base/ffmpeg", [this] {
        auto dir = std::make_unique<QTemporaryDir>(m_folder + QStringLiteral("/temp_XXXXXX"));
        if (!dir->isValid())
            return QString();
        const QString path = toStoredPath(dir->path());
        m_tempDirs.push_back(std::move(dir));
        return path;
    });
    ifEmpty("base/language", QStringLiteral("en"));
    ifNoFolder("base/customProfilePath", [this] {
        const QString p = m_folder + QStringLiteral("/profile");
        QDir().mkpath(p);
        return toStoredPath(p);
    });
    ifEmpty("base/useHw", QStringLiteral("true"));
    ifEmpty("base/lowChanceShowingAd", QStringLiteral("false"));
    ifEmpty("base/lowChanceToShowOneYear", QStringLiteral("false"));
    ifEmpty("base/AdCheckDate", QDateTime::currentDateTime().toString(QStringLiteral("dd hh")));
    ifEmpty("base/site", QStringLiteral("qorvdvd"));
    ifEmpty("setting/shutdown", QStringLiteral("false"));
    ifEmpty("setting/openFolder", QStringLiteral("true"));
    ifEmpty("setting/notify", QStringLiteral("true"));
    ifNoFolder("media/video", [&] { return outputOf(QStandardPaths::MoviesLocation); });
    ifNoFolder("media/music", [&] { return outputOf(QStandardPaths::MusicLocation); });
    ifNoFolder("media/snapshot", [&] { return outputOf(QStandardPaths::PicturesLocation); });
    ifNoFolder("media/document", [&] { return toStoredPath(location(QStandardPaths::DocumentsLocation)); });
    ifEmpty("media/InitiallyVideoDir", location(QStandardPaths::MoviesLocation));
    ifEmpty("media/InitiallyVideofolderDir", location(QStandardPaths::MoviesLocation));
    ifEmpty("media/InitiallyMusicDir", location(QStandardPaths::MusicLocation));
    ifEmpty("media/InitiallyPictureDir", location(QStandardPaths::PicturesLocation));
    ifEmpty("media/InitiallyArtworkDir", location(QStandardPaths::DesktopLocation));
    ifEmpty("media/autoCopy", QStringLiteral("true"));
    ifNoFolder("dvd/video", [&] { return outputOf(QStandardPaths::MoviesLocation); });
    ifNoFolder("dvd/music", [&] { return outputOf(QStandardPaths::MusicLocation); });
    ifNoFolder("dvd/snapshot", [&] { return outputOf(QStandardPaths::PicturesLocation); });
    ifEmpty("dvd/isoBrowse", toStoredPath(location(QStandardPaths::DesktopLocation)));
    ifEmpty("dvd/folder", toStoredPath(location(QStandardPaths::DesktopLocation)));
    ifEmpty("dvd/lang", QStringLiteral("en"));
    {
        const QString youtube = m_folder + QStringLiteral("/youtube");
        QDir().mkpath(youtube);
        always("youtube/path", toStoredPath(youtube));
        always("youtube/pack", toStoredPath(youtube + QStringLiteral("/youtube_dl.zip")));
    }
    ifEmpty("youtube/modifyDate", QStringLiteral("1970-01-01"));
    ifEmpty("youtube/opendir", QStringLiteral("true"));
    ifNoFolder("youtube/download", [&] { return outputOf(QStandardPaths::HomeLocation); });
    ifNoFolder("youtube/download_music", [&] { return outputOf(QStandardPaths::HomeLocation); });
    ifEmpty("youtube/subscribeNew", QStringLiteral("true"));
    ifEmpty("youtube/subscribeOnce", QStringLiteral("false"));
    ifEmpty("youtube/subscribeDownloaded", QStringLiteral("false"));
    ifEmpty("youtube/searchRecordCount", QStringLiteral("10"));
    ifEmpty("youtube/downloadFullList", QStringLiteral("false"));
    ifEmpty("youtube/langCode", QStringLiteral("Auto"));
    {
        const QString stored = fromStoredPath(value(QStringLiteral("temp/image")));
        // Only ever a folder strictly inside the settings folder, never one
        // whose path merely contains the settings folder's text.
        if (!stored.isEmpty() && isStrictlyInside(stored, m_folder))
            QDir(stored).removeRecursively();
        const QString image = prepareOutputDir(m_folder + QStringLiteral("/temp_image"), false);
        if (!image.isEmpty())
            markOwned(fromStoredPath(image));
        always("temp/image", image);
    }
}
