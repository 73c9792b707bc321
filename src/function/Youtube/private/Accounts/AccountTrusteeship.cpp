#include "function/Youtube/private/Accounts/AccountTrusteeship.h"

#include "shell/SettingsStore.h"

#include <QAtomicInt>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <mutex>

namespace {

// Every entry made in this process gets the next number.
QAtomicInt g_nextSiteId(0);

} // namespace

void (*AccountTrusteeship::s_afterSave)() = nullptr;

SiteAccount::SiteAccount(const QString& website, const QString& name, AccountTrusteeship* owner)
    : m_id(g_nextSiteId.fetchAndAddOrdered(1)),
      m_website(website),
      m_name(name),
      m_extractor(createExtractor(website)),
      m_owner(owner)
{
}

SiteAccount::~SiteAccount()
{
    qDeleteAll(m_accounts);
    delete m_extractor;
}

AccountInfo SiteAccount::firstAccount() const
{
    return m_accounts.isEmpty() ? AccountInfo() : *m_accounts.first();
}

QStringList SiteAccount::accountNames() const
{
    QStringList names;
    for (const AccountInfo* a : m_accounts)
        names << a->name;
    return names;
}

QString SiteAccount::password(QString& name) const
{
    if (name.isEmpty())
        name = firstAccount().name;
    const int i = indexOf(name);
    return i < 0 ? QString() : m_accounts.at(i)->password;
}

void SiteAccount::addAccount(const QString& name, const QString& password)
{
    // One write for the whole change: a kill in between must not leave the
    // file without the account being replaced.
    {
        std::unique_lock l = lockOwner();
        const int i = indexOf(name);
        if (i >= 0)
            delete m_accounts.takeAt(i);
        m_accounts.prepend(new AccountInfo{name, password});
    }
    save();
}

bool SiteAccount::removeAccount(const QString& name)
{
    {
        std::unique_lock l = lockOwner();
        const int i = indexOf(name);
        if (i < 0)
            return false;
        delete m_accounts.takeAt(i);
    }
    save();
    return true;
}

bool SiteAccount::setCurrentAccount(const QString& name)
{
    {
        std::unique_lock l = lockOwner();
        const int i = indexOf(name);
        if (i < 0)
            return false;
        m_accounts.move(i, 0);
    }
    save();
    return true;
}

void SiteAccount::appendLoaded(const QString& name, const QString& password)
{
    m_accounts.append(new AccountInfo{name, password});
}

int SiteAccount::indexOf(const QString& name) const
{
    for (int i = 0; i < m_accounts.size(); ++i)
        if (m_accounts.at(i)->name == name)
            return i;
    return -1;
}

std::unique_lock<std::shared_mutex> SiteAccount::lockOwner()
{
    if (m_owner)
        return std::unique_lock<std::shared_mutex>(m_owner->m_lock);
    return std::unique_lock<std::shared_mutex>();
}

void SiteAccount::save()
{
    if (m_owner)
        m_owner->save();
}

AccountTrusteeship::AccountTrusteeship(QObject* parent) : AccountTrusteeship(QString(), parent)
{
}

AccountTrusteeship::AccountTrusteeship(const QString& filePath, QObject* parent)
    : QObject(parent), m_filePath(filePath)
{
    load();
    validate();
}

AccountTrusteeship::~AccountTrusteeship()
{
    qDeleteAll(m_sites);
}

QString AccountTrusteeship::defaultFilePath()
{
    const QString engine = SettingsStore::fromStoredPath(SettingsStore::instance()->value(QStringLiteral("youtube/path")));
    return QStringLiteral("%1/%2").arg(engine, QStringLiteral("AP"));
}

QString AccountTrusteeship::filePath() const
{
    return m_filePath.isEmpty() ? defaultFilePath() : m_filePath;
}

void AccountTrusteeship::load()
{
    QFile file(filePath());
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    const QJsonArray entries = QJsonDocument::fromJson(file.readAll()).array();
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        auto* site = new SiteAccount(entry.value(QStringLiteral("website")).toString(),
                                     entry.value(QStringLiteral("name")).toString(), this);
        const QJsonArray accounts = entry.value(QStringLiteral("test")).toArray();
        for (const QJsonValue& a : accounts) {
            const QJsonObject account = a.toObject();
            site->appendLoaded(SettingsStore::decryptText(account.value(QStringLiteral("playlist")).toString()),
                               SettingsStore::decryptText(account.value(QStringLiteral("id")).toString()));
        }
        m_sites.append(site);
    }
}

void AccountTrusteeship::validate()
{
    if (m_sites.size() == 2) {
        bool youtube = false;
        bool vimeo = false;
        for (const SiteAccount* s : qAsConst(m_sites)) {
            youtube = youtube || s->website() == SiteKeys::youtube();
            vimeo = vimeo || s->website() == SiteKeys::vimeo();
        }
        if (youtube && vimeo)
            return;
    }
    if (!m_sites.isEmpty())
        qWarning() << "account file holds other sites than expected; its entries are not used";
    qDeleteAll(m_sites);
    m_sites.clear();
    // Not written back: the file changes only with the next account change.
    m_sites.append(new SiteAccount(SiteKeys::youtube(), QStringLiteral("youtube"), this));
    m_sites.append(new SiteAccount(SiteKeys::vimeo(), QStringLiteral("vimeo"), this));
}

SiteAccount* AccountTrusteeship::siteFor(const QString& url) const
{
    for (SiteAccount* s : m_sites)
        if (s->extractor() && s->extractor()->matchUrl(url))
            return s;
    return nullptr;
}

bool AccountTrusteeship::accountForUrl(const QString& url, QString& user, QString& password) const
{
    std::shared_lock l(m_lock);
    const SiteAccount* s = siteFor(url);
    if (!s)
        return false;
    const AccountInfo a = s->firstAccount();
    user = a.name;
    password = a.password;
    return true;
}

QString AccountTrusteeship::loginSite(const QString& url) const
{
    std::shared_lock l(m_lock);
    const SiteAccount* s = siteFor(url);
    return s ? s->website() : QString();
}

bool AccountTrusteeship::moveToFront(int position)
{
    std::unique_lock l(m_lock);
    if (position < 0 || position >= m_sites.size())
        return false;
    m_sites.move(position, 0);
    return true;
}

QByteArray AccountTrusteeship::serialized() const
{
    std::shared_lock l(m_lock);
    QJsonArray entries;
    for (const SiteAccount* s : m_sites) {
        QJsonArray accounts;
        for (const AccountInfo* a : s->accounts()) {
            QJsonObject account;
            account.insert(QStringLiteral("playlist"), SettingsStore::encryptText(a->name));
            account.insert(QStringLiteral("id"), SettingsStore::encryptText(a->password));
            accounts.append(account);
        }
        QJsonObject entry;
        entry.insert(QStringLiteral("website"), s->website());
        entry.insert(QStringLiteral("name"), s->name());
        entry.insert(QStringLiteral("test"), accounts);
        entries.append(entry);
    }
    return QJsonDocument(entries).toJson(QJsonDocument::Indented);
}

bool AccountTrusteeship::save()
{
    const QString path = filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "cannot write the account file" << path << file.errorString();
        return false;
    }
    // Private before anything is written into it.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        qWarning() << "cannot make the account file private" << path;
        file.cancelWriting();
        return false;
    }
    const QByteArray bytes = serialized();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        qWarning() << "cannot write the account file" << path << file.errorString();
        return false;
    }
    if (s_afterSave)
        s_afterSave();
    return true;
}
