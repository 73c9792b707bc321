#pragma once

#include "function/Youtube/private/Accounts/Extractor.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <mutex>
#include <shared_mutex>

class AccountTrusteeship;

// One saved log-in (plain text in memory only).
struct AccountInfo
{
    QString name;
    QString password;
};

// The saved accounts of one supported site, the current one first. Every
// change is written to the account file at once.
class SiteAccount
{
public:
    SiteAccount(const QString& website, const QString& name, AccountTrusteeship* owner);
    ~SiteAccount();

    SiteAccount(const SiteAccount&) = delete;
    SiteAccount& operator=(const SiteAccount&) = delete;

    int id() const { return m_id; }
    QString website() const { return m_website; }
    QString name() const { return m_name; }
    Extractor* extractor() const { return m_extractor; }
    const QList<AccountInfo*>& accounts() const { return m_accounts; }

    // The current account; two empty texts when there is none.
    AccountInfo firstAccount() const;
    QStringList accountNames() const;
    // The password of the first account called name; an empty name is first
    // replaced (in the caller's variable) by the current account's name.
    QString password(QString& name) const;
    // Stores the account as the current one, replacing one of that name.
    void addAccount(const QString& name, const QString& password);
    bool removeAccount(const QString& name);
    bool setCurrentAccount(const QString& name);

    // Loading only: appends without saving.
    void appendLoaded(const QString& name, const QString& password);

private:
    int indexOf(const QString& name) const;
    std::unique_lock<std::shared_mutex> lockOwner();
    void save();

    int m_id;
    QString m_website;
    QString m_name;
    QList<AccountInfo*> m_accounts;
    Extractor* m_extractor = nullptr;
    AccountTrusteeship* m_owner = nullptr;
};

// Keeps the user's site accounts in the file "AP" in the engine folder, with
// every name and password enciphered, written privately (mode 0600) and
// atomically. Always holds exactly the YouTube and the Vimeo entry.
//
// The entry list and the entries belong to the graphical thread; analysis
// threads read them through accountForUrl and loginSite. Changes of order
// (moveToFront) and of an entry's accounts take the store's lock
// exclusively, those readers take it shared.
class AccountTrusteeship : public QObject
{
    Q_OBJECT
public:
    // Reads the file in the engine folder (setting youtube/path).
    explicit AccountTrusteeship(QObject* parent = nullptr);
    // Reads the given file instead (tests, tools).
    explicit AccountTrusteeship(const QString& filePath, QObject* parent = nullptr);
    ~AccountTrusteeship() override;

    // The entry list itself; callers edit the entries in place.
    QList<SiteAccount*>* sites() { return &m_sites; }
    // The current account of the first entry whose site accepts the address
    // (both may be empty when that entry has no account); false when none.
    bool accountForUrl(const QString& url, QString& user, QString& password) const;
    // The site key of the first entry that accepts the address, else empty.
    QString loginSite(const QString& url) const;
    // Writes the file; false when it could not be written.
    bool save();
    // Puts the entry at position first (the site the user confirmed last),
    // in memory only; false for a position outside the list.
    bool moveToFront(int position);

    QString filePath() const;
    // "<youtube/path>/AP".
    static QString defaultFilePath();
    // The document save() writes (tests).
    QByteArray serialized() const;

    // Called after every completed write of the file (tests that end the
    // process between writes).
    static void (*s_afterSave)();

private:
    void load();
    void validate();
    SiteAccount* siteFor(const QString& url) const;

    friend class SiteAccount;
    QString m_filePath;   // empty: follow the setting
    QList<SiteAccount*> m_sites;
    mutable std::shared_mutex m_lock;
};
