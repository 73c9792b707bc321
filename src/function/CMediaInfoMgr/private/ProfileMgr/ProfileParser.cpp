#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"

#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileData.h"
#include "shell/MessageHook.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>

namespace {

QMutex g_folderLock;
QString g_programFolder;

void readTexts(const QJsonObject& o, QMap<QString, QString>* into)
{
    for (auto it = o.constBegin(); it != o.constEnd(); ++it)
        into->insert(it.key(), it.value().toString());
}

QString treeWord(Profile::ProfileType type)
{
    return type == Profile::Full ? QStringLiteral("full") : QStringLiteral("quick");
}

QStringList& parentsOf(Profile* node, Profile::ProfileType type)
{
    return type == Profile::Full ? node->fullParents : node->quickParents;
}

} // namespace

const QMap<QString, QString>& ProfileParser::formatNames()
{
    static const QMap<QString, QString> names{
        {"avi", "Audio Video Interleave"}, {"mov", "QuickTime Movie"}, {"mp4", "MPEG-4"}, {"wmv", "Windows Media"},
        {"f4v", "Flash Video"},            {"flv", "Flash Video"},     {"mp3", "MPEG Audio"},
    };
    return names;
}

QString ProfileParser::programFolder()
{
    QMutexLocker locker(&g_folderLock);
    return g_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : g_programFolder;
}

void ProfileParser::setProgramFolder(const QString& folder)
{
    QMutexLocker locker(&g_folderLock);
    g_programFolder = folder;
}

QString ProfileParser::profileFilePath(const QString& name)
{
    // Names come from main files that the user's folder holds: none may
    // point outside the folder it is looked for in.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1String("..")))
        return QString();
    if (name.contains(QLatin1String("custom")))
        return ProfileData::customProfileFolder() + QLatin1Char('/') + name;
    return programFolder() + QStringLiteral("/profile/") + name;
}

ProfileParser::ProfileParseError ProfileParser::parseProfile(ProfileData* data)
{
    m_data = data;
    if (!m_data)
        return FullProfileError;
    parseMainProfile(Profile::Full);
    if (!m_data->root(Profile::Full)) {
        MessageHook::fatal(QStringLiteral("parse full profile error"));
        return FullProfileError;
    }
    parseMainProfile(Profile::Quick);
    if (!m_data->root(Profile::Quick)) {
        MessageHook::fatal(QStringLiteral("parse quick profile error"));
        return QuickProfileError;
    }
    return NoParseError;
}

bool ProfileParser::readMainFile(const QString& path, QJsonObject* document, bool quiet)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (!quiet)
            qCritical().noquote() << QStringLiteral("Profile: %1 openFailed!").arg(path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    if (!o.value(QStringLiteral("MainCategories")).isArray()) {
        if (!quiet)
            qCritical().noquote() << QStringLiteral("Profile: %1 content error!").arg(path);
        return false;
    }
    *document = o;
    return true;
}

void ProfileParser::parseMainProfile(Profile::ProfileType type)
{
    if (!m_data)
        return;
    QString path = m_data->path(type);
    QJsonObject document;
    const QString shipped = m_data->shippedPath(type);
    if (path == m_data->userPath(type) && path != shipped && QFileInfo::exists(shipped)) {
        // A broken user copy gives way to the shipped one rather than
        // stopping the program; the next save replaces it.
        if (!readMainFile(path, &document, true)) {
            qWarning().noquote() << QStringLiteral("Profile: %1 is unreadable, reading %2").arg(path, shipped);
            path = shipped;
            m_data->setPath(type, path);
            if (!readMainFile(path, &document, false))
                return;
        }
    } else if (!readMainFile(path, &document, false)) {
        return;
    }

    Profile* root = m_data->createNode(type, treeWord(type));
    m_data->setVersion(type, document.value(QStringLiteral("Version")).toString());
    const QJsonObject sub = document.value(QStringLiteral("SubCategories")).toObject();
    bool recently = false, frequently = false;
    for (const QJsonValue& v : document.value(QStringLiteral("MainCategories")).toArray()) {
        const QString name = v.toString();
        if (name.isEmpty() || !sub.value(name).isObject())
            continue;
        bool created = false;
        Profile* category = m_data->createNode(type, name, &created);
        if (category == root || root->entries.contains(category))
            continue;
        if (created)
            parseCategory(sub, sub.value(name).toObject(), category, type);
        parentsOf(category, type).append(root->name);
        const QString lower = name.toLower();
        category->music = lower == QLatin1String("music");
        category->tool = lower == QLatin1String("tool");
        category->backup = lower == QLatin1String("backup");
        category->recently = lower == QLatin1String("recently");
        category->frequently = lower == QLatin1String("frequently");
        recently = recently || category->recently;
        frequently = frequently || category->frequently;
        root->entries.append(category);
    }
    if (type == Profile::Quick) {
        if (!frequently) {
            Profile* f = m_data->createNode(Profile::Quick, QStringLiteral("Frequently"));
            f->titles.insert(QStringLiteral("en"), QStringLiteral("Frequently"));
            f->frequently = true;
            f->quickParents.append(root->name);
            root->entries.prepend(f);
        }
        if (!recently) {
            Profile* r = m_data->createNode(Profile::Quick, QStringLiteral("Recently"));
            r->recently = true;
            r->quickParents.append(root->name);
            root->entries.prepend(r);
        }
    }
    m_data->setRoot(type, root);
}

bool ProfileParser::isAncestorOrSelf(const Profile* candidate, const Profile* category, Profile::ProfileType type) const
{
    QList<const Profile*> walk{category};
    QSet<const Profile*> seen;
    while (!walk.isEmpty()) {
        const Profile* p = walk.takeLast();
        if (p == candidate)
            return true;
        if (seen.contains(p))
            continue;
        seen.insert(p);
        for (const QString& parent : type == Profile::Full ? p->fullParents : p->quickParents) {
            if (const Profile* up = type == Profile::Full ? m_data->fullCategory(parent) : m_data->quickCategory(parent))
                walk.append(up);
        }
    }
    return false;
}

void ProfileParser::parseCategory(const QJsonObject& subCategories, const QJsonObject& category, Profile* node,
                                  Profile::ProfileType type)
{
    if (!m_data || !node)
        return;
    readTexts(category.value(QStringLiteral("Titles")).toObject(), &node->titles);
    if (category.contains(QStringLiteral("Icon")))
        node->icon = category.value(QStringLiteral("Icon")).toString();
    for (const QJsonValue& v : category.value(QStringLiteral("Profiles")).toArray()) {
        const QString name = v.toString();
        if (name.isEmpty())
            continue;
        const bool isFile = name.endsWith(QLatin1String(".json"));
        bool created = false;
        Profile* entry = m_data->createNode(isFile ? Profile::File : type, name, &created);
        // A category that lists itself or one of its ancestors would make
        // every later save recurse without end: that link is not made.
        if (!isFile && isAncestorOrSelf(entry, node, type))
            continue;
        if (node->entries.contains(entry))
            continue;
        node->entries.append(entry);
        parentsOf(entry, type).append(node->name);
        if (!created)
            continue;
        if (isFile) {
            if (!loadProfileFile(entry))
                m_data->destroyNode(entry);
        } else if (subCategories.value(name).isObject()) {
            parseCategory(subCategories, subCategories.value(name).toObject(), entry, type);
        } else {
            m_data->destroyNode(entry);
        }
    }
}

bool ProfileParser::loadProfileFile(Profile* entry)
{
    if (!entry || entry->type != Profile::File)
        return false;
    const QString path = profileFilePath(entry->name);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    entry->path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return parseProfileFile(file.readAll(), entry);
}

bool ProfileParser::parseProfileFile(const QByteArray& bytes, Profile* entry)
{
    Profile scratch;
    scratch.type = Profile::File;
    Profile* p = entry ? entry : &scratch;
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();

    if (o.contains(QStringLiteral("Extension"))) {
        p->extension = o.value(QStringLiteral("Extension")).toString();
        const auto it = formatNames().constFind(p->extension);
        if (it != formatNames().constEnd())
            p->formatText = QStringLiteral("%1(.%2)").arg(it.value(), p->extension);
    }
    if (o.contains(QStringLiteral("Target")))
        p->target = o.value(QStringLiteral("Target")).toString();
    if (o.contains(QStringLiteral("Quality")))
        p->quality = o.value(QStringLiteral("Quality")).toInt(0);
    if (o.contains(QStringLiteral("Type"))) {
        const QString type = o.value(QStringLiteral("Type")).toString().toLower();
        if (type == QLatin1String("music"))
            p->music = true;
        else if (type == QLatin1String("videotool"))
            p->tool = true;
        else if (type == QLatin1String("dvdbackup"))
            p->backup = true;
    }
    if (o.contains(QStringLiteral("CustomProfile")))
        p->customKind = o.value(QStringLiteral("CustomProfile")).toInt(0);
    if (o.contains(QStringLiteral("ID")))
        p->id = qint64(o.value(QStringLiteral("ID")).toDouble(-1));

    const QJsonValue summaryValue = o.value(QStringLiteral("Summary"));
    if (!summaryValue.isObject())
        return false;
    const QJsonObject summary = summaryValue.toObject();
    if (!summary.value(QStringLiteral("Titles")).isObject() || !summary.value(QStringLiteral("ShortTitles")).isObject())
        return false;
    readTexts(summary.value(QStringLiteral("Titles")).toObject(), &p->titles);
    readTexts(summary.value(QStringLiteral("ShortTitles")).toObject(), &p->shortTitles);
    readTexts(summary.value(QStringLiteral("Descriptions")).toObject(), &p->descriptions);
    bool videoGiven = false, audioGiven = false;
    if (summary.contains(QStringLiteral("VideoCodec"))) {
        p->videoCodec = summary.value(QStringLiteral("VideoCodec")).toString();
        videoGiven = !p->videoCodec.isEmpty();
    }
    if (summary.contains(QStringLiteral("AudioCodec"))) {
        p->audioCodec = summary.value(QStringLiteral("AudioCodec")).toString();
        audioGiven = !p->audioCodec.isEmpty();
    }
    if (summary.contains(QStringLiteral("Recommend")))
        p->recommended = summary.value(QStringLiteral("Recommend")).toBool();
    if (summary.contains(QStringLiteral("Resolution")))
        p->resolution = summary.value(QStringLiteral("Resolution")).toString();

    if (o.value(QStringLiteral("Video")).isObject()) {
        const QJsonObject video = o.value(QStringLiteral("Video")).toObject();
        const QString d = video.value(QStringLiteral("DefaultCodec")).toString();
        if (!videoGiven)
            p->videoCodec = d;
        for (const QJsonValue& c : video.value(QStringLiteral("Codecs")).toArray()) {
            const QJsonObject codec = c.toObject();
            const QString name = codec.value(QStringLiteral("Codec")).toString();
            if (name.isEmpty())
                continue;
            if (name != d) {
                if (!videoGiven)
                    p->videoCodec += QStringLiteral(", ") + name;
            } else {
                p->frameRate = codec.value(QStringLiteral("FrameRate")).toObject().value(QStringLiteral("Value")).toString();
            }
        }
    }
    if (o.value(QStringLiteral("Audio")).isObject()) {
        const QJsonObject audio = o.value(QStringLiteral("Audio")).toObject();
        const QString d = audio.value(QStringLiteral("DefaultCodec")).toString();
        if (!audioGiven)
            p->audioCodec = d;
        for (const QJsonValue& c : audio.value(QStringLiteral("Codecs")).toArray()) {
            const QJsonObject codec = c.toObject();
            const QString name = codec.value(QStringLiteral("Codec")).toString();
            if (name.isEmpty())
                continue;
            if (name != d) {
                if (!audioGiven)
                    p->audioCodec += QStringLiteral(", ") + name;
            } else {
                p->sampleRate = codec.value(QStringLiteral("SampleRate")).toObject().value(QStringLiteral("Value")).toString()
                                + QStringLiteral(" Hz");
                p->bitRate = codec.value(QStringLiteral("Bitrate")).toObject().value(QStringLiteral("Value")).toString()
                             + QStringLiteral(" KiB");
            }
        }
    }
    return true;
}
