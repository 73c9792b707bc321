#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileData.h"

#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"
#include "shell/SettingsStore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>

namespace {

const char* mainFileName(int module, Profile::ProfileType type)
{
    if (module == 0)
        return type == Profile::Full ? "converter_full.json" : "converter_quick.json";
    if (module == 1)
        return type == Profile::Full ? "ripper_full.json" : "ripper_quick.json";
    return nullptr;
}

// True when `path` names a file strictly inside `folder`.
bool isInside(const QString& path, const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QString dir = QFileInfo(folder).canonicalFilePath();
    const QString file = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !dir.isEmpty() && !file.isEmpty() && (file == dir || file.startsWith(dir + QLatin1Char('/')));
}

} // namespace

ProfileData::ProfileData(QObject* parent)
    : QObject(parent)
{
}

ProfileData::~ProfileData()
{
    qDeleteAll(m_byKey);
}

QString ProfileData::customProfileFolder()
{
    return SettingsStore::fromStoredPath(SettingsStore::instance()->value(QStringLiteral("base/customProfilePath")));
}

QString ProfileData::userPath(Profile::ProfileType type) const
{
    const char* name = mainFileName(m_module, type);
    return name ? customProfileFolder() + QLatin1Char('/') + QLatin1String(name) : QString();
}

QString ProfileData::shippedPath(Profile::ProfileType type) const
{
    const char* name = mainFileName(m_module, type);
    return name ? ProfileParser::programFolder() + QStringLiteral("/profile/") + QLatin1String(name) : QString();
}

void ProfileData::setModule(int module)
{
    m_module = module;
    for (Profile::ProfileType type : {Profile::Full, Profile::Quick}) {
        const QString user = userPath(type);
        setPath(type, user.isEmpty() || QFileInfo::exists(user) ? user : shippedPath(type));
    }
}

void ProfileData::setPath(Profile::ProfileType type, const QString& path)
{
    (type == Profile::Full ? m_fullPath : m_quickPath) = path;
}

void ProfileData::setRoot(Profile::ProfileType type, Profile* root)
{
    (type == Profile::Full ? m_fullRoot : m_quickRoot) = root;
}

void ProfileData::setVersion(Profile::ProfileType type, const QString& version)
{
    (type == Profile::Full ? m_fullVersion : m_quickVersion) = version;
}

Profile* ProfileData::createNode(Profile::ProfileType type, const QString& name, bool* created)
{
    QMap<QString, Profile*>* index = nullptr;
    if (type == Profile::Full)
        index = &m_fullByName;
    else if (type == Profile::Quick)
        index = &m_quickByName;
    else if (type == Profile::File)
        index = &m_filesByName;
    if (index) {
        if (Profile* existing = index->value(name)) {
            if (created)
                *created = false;
            return existing;
        }
    }
    auto* node = new Profile;
    node->key = m_nextKey++;
    node->type = type;
    node->name = name;
    m_byKey.insert(node->key, node);
    if (index)
        index->insert(name, node);
    if (created)
        *created = true;
    return node;
}

void ProfileData::destroyNode(Profile* node)
{
    if (!node)
        return;
    m_byKey.remove(node->key);
    // Every index lets go of it, so that no lookup finds a freed node.
    for (QMap<QString, Profile*>* index : {&m_fullByName, &m_quickByName, &m_filesByName}) {
        auto it = index->find(node->name);
        if (it != index->end() && it.value() == node)
            index->erase(it);
    }
    m_customProfiles.removeAll(node);
    for (const QString& parent : qAsConst(node->fullParents)) {
        if (Profile* category = m_fullByName.value(parent))
            category->entries.removeAll(node);
    }
    for (const QString& parent : qAsConst(node->quickParents)) {
        if (Profile* category = m_quickByName.value(parent))
            category->entries.removeAll(node);
    }
    if (m_fullRoot == node)
        m_fullRoot = nullptr;
    if (m_quickRoot == node)
        m_quickRoot = nullptr;
    if (m_recentlyKey == node->key)
        m_recentlyKey = -1;
    if (m_frequentlyKey == node->key)
        m_frequentlyKey = -1;
    if (m_chosenKey == node->key)
        m_chosenKey = m_chosenParentKey = -1;
    delete node;
}

void ProfileData::dropEntry(Profile* entry)
{
    m_byKey.remove(entry->key);
    m_filesByName.remove(entry->name);
    m_customProfiles.removeAll(entry);
    // Only a file of the user's own folder is ever deleted: the path comes
    // from a main file, which may name anything.
    if (entry->customKind != 0 && !entry->path.isEmpty() && isInside(entry->path, customProfileFolder()))
        QFile::remove(entry->path);
    if (m_chosenKey == entry->key)
        m_chosenKey = m_chosenParentKey = -1;
    delete entry;
}

void ProfileData::removeQuickItem(int key, int parentKey)
{
    if (parentKey == -1) {
        Profile* recently = recentlyCategory();
        parentKey = recently ? recently->key : -1;
    }
    if (key == m_chosenKey && parentKey == m_chosenParentKey)
        return;
    Profile* entry = m_byKey.value(key);
    Profile* category = m_byKey.value(parentKey);
    if (!entry || !category || entry->type != Profile::File || category->type != Profile::Quick)
        return;
    if (!category->entries.contains(entry))
        return;
    if (category->entries.size() == 1 && !category->recently && !category->frequently)
        return;
    entry->quickParents.removeOne(category->name);
    category->entries.removeOne(entry);
    if (entry->quickParents.isEmpty() && entry->fullParents.isEmpty())
        dropEntry(entry);
    saveMainProfile(Profile::Quick);
}

void ProfileData::collectCustomProfiles()
{
    for (Profile* node : qAsConst(m_byKey)) {
        if (node->type == Profile::File && node->customKind == 1 && !m_customProfiles.contains(node))
            m_customProfiles.append(node);
    }
}

void ProfileData::appendCustomProfile(Profile* entry)
{
    if (entry && !m_customProfiles.contains(entry))
        m_customProfiles.append(entry);
}

Profile* ProfileData::chosenProfile() const
{
    return m_chosenKey == -1 ? nullptr : m_byKey.value(m_chosenKey);
}

bool ProfileData::setChosen(int key, int parentKey)
{
    Profile* entry = key == -1 ? nullptr : m_byKey.value(key);
    Profile* parent = parentKey == -1 ? nullptr : m_byKey.value(parentKey);
    if ((key != -1 && (!entry || entry->type != Profile::File))
        || (parentKey != -1 && (!parent || parent->type == Profile::File)))
        return false;
    if (key == m_chosenKey && parentKey == m_chosenParentKey)
        return true;
    m_chosenKey = key;
    m_chosenParentKey = key == -1 ? -1 : parentKey;
    emit doChosenProfileChanged();
    return true;
}

Profile* ProfileData::recentlyCategory()
{
    if (m_recentlyKey != -1)
        return m_byKey.value(m_recentlyKey);
    for (Profile* node : qAsConst(m_quickByName)) {
        if (node->recently) {
            m_recentlyKey = node->key;
            return node;
        }
    }
    return nullptr;
}

Profile* ProfileData::frequentlyCategory()
{
    if (m_frequentlyKey != -1)
        return m_byKey.value(m_frequentlyKey);
    for (Profile* node : qAsConst(m_quickByName)) {
        if (node->frequently) {
            m_frequentlyKey = node->key;
            return node;
        }
    }
    return nullptr;
}

void ProfileData::writeCategory(QJsonObject& subCategories, const Profile* category) const
{
    if (!category || category->type == Profile::File || subCategories.contains(category->name))
        return;   // a category already written is not written again, so no loop can recurse
    QJsonObject titles;
    for (auto it = category->titles.constBegin(); it != category->titles.constEnd(); ++it)
        titles.insert(it.key(), it.value());
    QJsonArray profiles;
    for (const Profile* e : category->entries)
        profiles.append(e->name);
    subCategories.insert(category->name, QJsonObject{{"Titles", titles}, {"Profiles", profiles}, {"Icon", category->icon}});
    for (const Profile* e : category->entries)
        writeCategory(subCategories, e);
}

bool ProfileData::saveMainProfile(Profile::ProfileType type)
{
    const QString target = userPath(type);
    Profile* root = this->root(type);
    if (target.isEmpty() || !root)
        return false;
    QJsonArray main;
    QJsonObject sub;
    for (const Profile* e : qAsConst(root->entries)) {
        main.append(e->name);
        writeCategory(sub, e);
    }
    const QJsonObject document{{"Version", version(type)}, {"MainCategories", main}, {"SubCategories", sub}};
    QDir().mkpath(QFileInfo(target).absolutePath());
    // A kill in the middle of a save leaves the old file whole.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(document).toJson()) < 0 || !file.commit()) {
        qWarning() << "Profile: cannot save" << target << file.errorString();
        return false;
    }
    return true;
}

QString ProfileData::writeUserFile(const QString& stem, const QByteArray& profileJson)
{
    const QString folder = customProfileFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    for (int i = 0; i < 100000; ++i) {
        const QString name = QStringLiteral("%1_%2.json").arg(stem).arg(i);
        const QString path = folder + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            continue;
        // Made only when new: another module saving at the same moment
        // takes the next index instead of this file.
        QFile reserve(path);
        if (!reserve.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            continue;
        reserve.close();
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(profileJson) == profileJson.size() && file.commit())
            return name;
        qWarning() << "Profile: cannot write" << path << file.errorString();
        QFile::remove(path);
        return QString();
    }
    return QString();
}

Profile* ProfileData::placeSaved(const QByteArray& profileJson)
{
    ProfileParser parser;
    Profile* chosen = chosenProfile();
    if (profileJson.isEmpty() || !chosen || !parser.parseProfileFile(profileJson, nullptr))
        return nullptr;
    const QString name = writeUserFile(QStringLiteral("customProfile_save"), profileJson);
    if (name.isEmpty())
        return nullptr;
    Profile* entry = createNode(Profile::File, name);
    parser.loadProfileFile(entry);
    for (const QString& parent : qAsConst(chosen->fullParents)) {
        Profile* category = m_fullByName.value(parent);
        if (!category || category->entries.contains(entry))
            continue;
        const int at = category->entries.indexOf(chosen);
        category->entries.insert(at < 0 ? 0 : at + 1, entry);
        entry->fullParents.append(category->name);
    }
    appendCustomProfile(entry);
    emit doNewQuickItem(m_recentlyKey, entry->key, true);
    saveMainProfile(Profile::Full);
    return entry;
}

Profile* ProfileData::saveCustomProfile(const QByteArray& profileJson)
{
    if (m_module != 0 && m_module != 1)
        return nullptr;
    return placeSaved(profileJson);
}

Profile* ProfileData::saveProfileAs(const QByteArray& profileJson)
{
    return placeSaved(profileJson);
}

Profile* ProfileData::addConvertedProfile(const QByteArray& profileJson)
{
    if (m_module != 0 && m_module != 1)
        return nullptr;
    ProfileParser parser;
    if (profileJson.isEmpty() || !parser.parseProfileFile(profileJson, nullptr))
        return nullptr;
    const QString name = writeUserFile(QStringLiteral("customProfile_convert"), profileJson);
    if (name.isEmpty())
        return nullptr;
    Profile* entry = createNode(Profile::File, name);
    parser.loadProfileFile(entry);
    Profile* recently = recentlyCategory();
    bool choose = false;
    if (recently) {
        // Walk a copy: removals change the category's list.
        QList<int> sameProfile;
        for (Profile* e : QList<Profile*>(recently->entries)) {
            if (e->key == m_chosenKey && m_chosenParentKey == recently->key) {
                choose = true;
                if (m_clearOverProfile)
                    m_clearOverProfile();
                // No category has this key: the entry is no longer protected.
                m_chosenParentKey = e->key;
            }
            if (e->id == entry->id)
                sameProfile.append(e->key);
        }
        for (int key : qAsConst(sameProfile))
            removeQuickItem(key, recently->key);
        recently->entries.prepend(entry);
        entry->quickParents.append(recently->name);
        if (recently->entries.size() > 4)
            removeQuickItem(recently->entries.last()->key, recently->key);
    }
    emit doNewQuickItem(m_recentlyKey, entry->key, choose);
    saveMainProfile(Profile::Quick);
    return entry;
}
