#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QReadWriteLock>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTemporaryDir;

// The process-wide settings over config.ini. Values are texts under keys of
// the form "group/name"; a key without '/' belongs to "General".
// Every method is safe to call from any thread.
class SettingsStore
{
public:
    static SettingsStore* instance();

    // A store over an explicit folder (tests, tools). It loads and runs the
    // defaults pass like the process-wide one.
    explicit SettingsStore(const QString& settingsFolder, bool runDefaults = true);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString value(const QString& key) const;
    // The text as stored, without the language fallback of value().
    QString storedValue(const QString& key) const;
    int setValue(const QString& key, const QString& value);
    int setEncryptedValue(const QString& key, const QString& value);
    QString encryptedValue(const QString& key) const;

    static QString encryptText(const QString& text, const QString& key = QString());
    static QString decryptText(const QString& base64, const QString& key = QString());
    // The one block routine of the cipher; padding 0 pads with zero bytes,
    // 1 and 2 with the count of added bytes.
    static QByteArray aesCrypt(const QByteArray& data, bool encrypt, const QString& key, int padding);

    // Absolute folder of config.ini with forward slashes.
    QString configDir() const;
    QString configFilePath() const;      // backslash form, as stored
    QString criticalLogPath() const;     // backslash form, as stored
    bool isValid() const;                // false when the folder could not be made

    static QString prepareOutputDir(const QString& folder, bool addAppName);
    static qint64 freeDiskSpace(const QString& path);

    // The folder the process-wide store uses: the application-data location
    // one level up, then "/Quenmark/Tarnwick".
    static QString defaultSettingsFolder();
    static const QStringList& languageCodes();
    static QString applicationName();

    // Stored folder values use this program's native separators; every path
    // written into a setting goes through here.
    static QString toStoredPath(const QString& path);
    // And back to the form Qt file APIs take.
    static QString fromStoredPath(const QString& stored);

    // Temporary items this store made inside the settings folder.
    QStringList ownedTempItems() const;
    void removeTempDirs(bool atExit);

    // Called once at the end of construction; public for tests.
    void initDefaults();
    // Text of the whole file as it would be written now (tests).
    QByteArray serialized() const;

private:
    void load();
    bool save();                          // caller holds the write lock
    // The file's text; entries holding CR or LF are left out (counted in
    // dropped).
    static QByteArray buildText(const QMap<QString, QString>& values, int* dropped = nullptr);
    int setValueLocked(const QString& fullKey, const QString& value);
    static QString fullKey(const QString& key);

    mutable QReadWriteLock m_lock;
    QMap<QString, QString> m_values;
    QString m_folder;                     // forward slashes
    QString m_configFilePath;
    QString m_criticalLogPath;
    std::vector<std::unique_ptr<QTemporaryDir>> m_tempDirs;
    bool m_valid = false;
    // While the defaults pass runs, changes collect in memory and the file is
    // written once at its end (both guarded by m_lock).
    bool m_holdSaves = false;
    bool m_unsaved = false;
};
