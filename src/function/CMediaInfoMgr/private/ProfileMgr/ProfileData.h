#pragma once

#include "function/CMediaInfoMgr/private/ProfileMgr/Profile.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

class QJsonObject;

// The in-memory store of one module's profiles: a full and a quick tree of
// categories whose leaves are profile entries, indexed by key and by name.
//
// No lock: the profile manager's thread fills it while nothing else reads
// it, and changes it later only on that thread; the GUI thread reads the
// chosen profile's summary without a lock. Signals are emitted on the thread
// that changes the store.
class ProfileData : public QObject
{
    Q_OBJECT
public:
    explicit ProfileData(QObject* parent = nullptr);
    ~ProfileData() override;

    // 0 converter, 1 ripper; fixes the two main-file paths (user copy when it
    // exists, else the shipped copy).
    void setModule(int module);
    int module() const { return m_module; }

    Profile* createNode(Profile::ProfileType type, const QString& name, bool* created = nullptr);
    // Takes the node out of every index and category and frees it.
    void destroyNode(Profile* node);
    void removeQuickItem(int key, int parentKey);
    void collectCustomProfiles();

    Profile* chosenProfile() const;
    // Chooses a profile entry (key -1: none), remembering the quick category
    // it was chosen in (-1: none). Refuses keys that name no entry or category.
    bool setChosen(int key, int parentKey);
    int chosenKey() const { return m_chosenKey; }
    int chosenParentKey() const { return m_chosenParentKey; }

    Profile* recentlyCategory();
    Profile* frequentlyCategory();
    int recentlyKey() const { return m_recentlyKey; }

    // Writes a tree to the user copy of its main file; false when it could not be written.
    bool saveMainProfile(Profile::ProfileType type);
    void writeCategory(QJsonObject& subCategories, const Profile* category) const;

    Profile* node(int key) const { return m_byKey.value(key); }
    Profile* fullCategory(const QString& name) const { return m_fullByName.value(name); }
    Profile* quickCategory(const QString& name) const { return m_quickByName.value(name); }
    Profile* file(const QString& name) const { return m_filesByName.value(name); }
    int nodeCount() const { return m_byKey.size(); }
    const QList<Profile*>& customProfiles() const { return m_customProfiles; }
    void appendCustomProfile(Profile* entry);

    Profile* root(Profile::ProfileType type) const { return type == Profile::Full ? m_fullRoot : m_quickRoot; }
    void setRoot(Profile::ProfileType type, Profile* root);
    QString version(Profile::ProfileType type) const { return type == Profile::Full ? m_fullVersion : m_quickVersion; }
    void setVersion(Profile::ProfileType type, const QString& version);
    // The path a tree is read from, and the user copy every save writes.
    QString path(Profile::ProfileType type) const { return type == Profile::Full ? m_fullPath : m_quickPath; }
    QString userPath(Profile::ProfileType type) const;
    QString shippedPath(Profile::ProfileType type) const;
    void setPath(Profile::ProfileType type, const QString& path);

    // The folder of the user's own profiles (base/customProfilePath).
    static QString customProfileFolder();

    // User profiles, from profile JSON texts exported when the task was
    // handed over. Each writes a new file (never one another store took),
    // links the entry and writes the tree back; null, with nothing written,
    // when the text is no complete profile or the file cannot be written.
    // The saves need a chosen profile to place the new one beside.
    Profile* saveCustomProfile(const QByteArray& profileJson);
    Profile* saveProfileAs(const QByteArray& profileJson);
    Profile* addConvertedProfile(const QByteArray& profileJson);
    // Called when a recorded profile replaces the chosen one in "Recently":
    // the over-profile of the current module is cleared (on its own thread).
    void setOverProfileClearer(std::function<void()> clear) { m_clearOverProfile = std::move(clear); }

signals:
    void doChosenProfileChanged();
    void doNewQuickItem(int parentKey, int key, bool choose);
    void doRemovedAllCustomSaveProfile(QList<int> keys);

private:
    void dropEntry(Profile* entry);
    Profile* placeSaved(const QByteArray& profileJson);
    // A new user profile file "<stem>_<n>.json" holding the text; its name,
    // or empty when none could be written.
    QString writeUserFile(const QString& stem, const QByteArray& profileJson);

    std::function<void()> m_clearOverProfile;

    int m_module = -1;
    Profile* m_fullRoot = nullptr;
    QString m_fullVersion;
    QString m_fullPath;
    Profile* m_quickRoot = nullptr;
    QString m_quickVersion;
    QString m_quickPath;
    QMap<int, Profile*> m_byKey;
    QMap<QString, Profile*> m_fullByName;
    QMap<QString, Profile*> m_quickByName;
    QMap<QString, Profile*> m_filesByName;
    QList<Profile*> m_customProfiles;
    int m_nextKey = 0;
    int m_recentlyKey = -1;
    int m_frequentlyKey = -1;
    int m_chosenKey = -1;
    int m_chosenParentKey = -1;
};
