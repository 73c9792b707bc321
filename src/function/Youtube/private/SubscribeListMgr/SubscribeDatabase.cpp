#include "function/Youtube/private/SubscribeListMgr/SubscribeDatabase.h"

#include "shell/ImageDownloader.h"
#include "shell/SettingsStore.h"

#include <QAtomicInt>
#include <QBuffer>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

const char* const kCreateLists =
    "CREATE TABLE [subscribeLists] ( [extractor_listID] VARCHAR(40) NOT NULL, [url] VARCHAR(100) NOT NULL, "
    "[title] VARCHAR(40) NOT NULL, [time] INT NOT NULL,PRIMARY KEY([extractor_listID]) )";
const char* const kCreateVideos =
    "CREATE TABLE [subscribeList] ( [list_rowid] VARCHAR(40) NOT NULL, [url] VARCHAR(100) NOT NULL, "
    "[path] VARCHAR(256) NOT NULL, [title] VARCHAR(100), [img] image, PRIMARY KEY([url]))";
const char* const kCreateVersion = "CREATE TABLE [version] ( [version_] VARCHAR(40) NOT NULL, PRIMARY KEY([version_]))";
const char* const kInsertVersion = "INSERT INTO version(version_)VALUES ('1.0.0')";

const char* const kDriver = "QSQLITE";
// Two threads writing at once wait for each other instead of failing.
const char* const kConnectOptions = "QSQLITE_BUSY_TIMEOUT=5000";

QAtomicInt g_instanceCounter;

QString databaseFilePath()
{
    const QString folder = SettingsStore::fromStoredPath(SettingsStore::instance()->value(QStringLiteral("youtube/path")));
    return folder + QStringLiteral("/SubscribeLists.db");
}

bool execLogged(QSqlQuery& q, const char* what)
{
    if (q.exec())
        return true;
    qWarning() << what << q.lastError().text();
    return false;
}

} // namespace

// The connection an operation runs on: the owner's for the building thread,
// else one made for this operation alone and removed afterwards. Queries
// must be destroyed before this object is.
class SubscribeDatabase::Connection
{
public:
    explicit Connection(SubscribeDatabase* owner)
    {
        if (QThread::currentThread() == owner->m_ownerThread) {
            db = owner->m_db;
            return;
        }
        static QAtomicInt serial;
        m_name = QStringLiteral("%1_t%2").arg(owner->m_connectionName).arg(serial.fetchAndAddRelaxed(1));
        db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), m_name);
        db.setDatabaseName(owner->m_path);
        db.setConnectOptions(QString::fromLatin1(kConnectOptions));
        if (!QFileInfo::exists(owner->m_path) || !db.open())
            qWarning() << "database open failed" << db.lastError().text();
    }
    ~Connection()
    {
        if (m_name.isEmpty())
            return;
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return db.isOpen(); }

    QSqlDatabase db;

private:
    QString m_name;
};

void (*SubscribeDatabase::s_afterStatement)() = nullptr;

void SubscribeDatabase::afterStatement()
{
    if (s_afterStatement)
        s_afterStatement();
}

SubscribeDatabase::SubscribeDatabase(QObject* parent)
    : QObject(parent)
    , m_path(databaseFilePath())
    , m_connectionName(QStringLiteral("tw_subscribe_%1").arg(g_instanceCounter.fetchAndAddRelaxed(1)))
    , m_ownerThread(QThread::currentThread())
{
}

SubscribeDatabase::~SubscribeDatabase()
{
    if (m_db.isValid()) {
        if (m_db.isOpen())
            m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

void SubscribeDatabase::loadDriver()
{
    // Qt keeps a driver plug-in loaded once a connection has used it.
    const QString name = QStringLiteral("driver-load");
    QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), name);
    QSqlDatabase::removeDatabase(name);
}

QString SubscribeDatabase::makeKey(const QString& extractor, const QString& listId)
{
    return QStringLiteral("%1_##_%2").arg(extractor, listId);
}

int SubscribeDatabase::currentTimeValue()
{
    const QDateTime origin = QDateTime::fromString(QStringLiteral("20180814 10:42:00"), QStringLiteral("yyyyMMdd hh:mm:ss"));
    return int(origin.secsTo(QDateTime::currentDateTime()));
}

bool SubscribeDatabase::openOwnerConnection()
{
    if (!m_db.isValid()) {
        m_db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), m_connectionName);
        m_db.setDatabaseName(m_path);
        m_db.setConnectOptions(QString::fromLatin1(kConnectOptions));
    }
    if (m_db.isOpen())
        return true;
    if (m_db.open())
        return true;
    qWarning() << "database open failed" << m_db.lastError().text();
    return false;
}

// Adds every table that is missing, and the version row, in one transaction,
// so that a crash leaves either the whole schema or none of it.
bool SubscribeDatabase::ensureSchema(QSqlDatabase& db, bool* created)
{
    *created = false;
    const QStringList tables = db.tables(QSql::Tables);
    const bool needLists = !tables.contains(QStringLiteral("subscribeLists"));
    const bool needVideos = !tables.contains(QStringLiteral("subscribeList"));
    const bool needVersion = !tables.contains(QStringLiteral("version"));
    bool needVersionRow = needVersion;
    if (!needVersion) {
        QSqlQuery q(db);
        needVersionRow = q.exec(QStringLiteral("SELECT count(*) FROM version")) && q.next() && q.value(0).toInt() == 0;
    }
    if (!needLists && !needVideos && !needVersion && !needVersionRow)
        return true;

    qInfo() << "Start to create table...";
    if (!db.transaction()) {
        qWarning() << "create subscribe database: no transaction" << db.lastError().text();
        return false;
    }
    auto fail = [&db](const char* what, const QSqlQuery& q) {
        qWarning() << what << q.lastError().text();
        db.rollback();
        return false;
    };
    {
        QSqlQuery q(db);
        if (needLists && !q.exec(QString::fromLatin1(kCreateLists)))
            return fail("create table: subscribeLists failed", q);
        if (needVideos && !q.exec(QString::fromLatin1(kCreateVideos)))
            return fail("create table: subscribeList failed", q);
        if (needVersion && !q.exec(QString::fromLatin1(kCreateVersion)))
            return fail("create table: version failed", q);
        if (needVersionRow && !q.exec(QString::fromLatin1(kInsertVersion)))
            return fail("create table: version failed", q);
    }
    if (!db.commit()) {
        qWarning() << "create subscribe database: commit failed" << db.lastError().text();
        db.rollback();
        return false;
    }
    *created = true;
    qInfo() << "Create database successfully.";
    return true;
}

bool SubscribeDatabase::createDatabase()
{
    {
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.close();
    }
    if (!openOwnerConnection())
        return false;
    bool created = false;
    return ensureSchema(m_db, &created);
}

bool SubscribeDatabase::openDataBase()
{
    if (QThread::currentThread() != m_ownerThread) {
        qWarning() << "subscribe database opened from a foreign thread";
        return false;
    }
    if (!QFileInfo::exists(m_path)) {
        if (!createDatabase()) {
            qWarning() << "create subscribe database failed";
            if (m_db.isValid())
                m_db.close();
            QFile::remove(m_path);
            return false;
        }
        return true;
    }
    if (!openOwnerConnection())
        return false;
    bool created = false;
    if (!ensureSchema(m_db, &created)) {
        qWarning() << "subscribe database schema could not be completed";
        return false;
    }
    return true;
}

bool SubscribeDatabase::addList(const QString& extractor, const QString& listId, const QString& url, const QString& title)
{
    Connection c(this);
    QSqlQuery q(c.db);
    q.prepare(QStringLiteral("INSERT INTO subscribeLists(extractor_listID,url,title,time)VALUES "
                             "(:extractor_listID, :url, :title, :time)"));
    q.bindValue(QStringLiteral(":extractor_listID"), makeKey(extractor, listId));
    q.bindValue(QStringLiteral(":url"), url);
    q.bindValue(QStringLiteral(":title"), title);
    q.bindValue(QStringLiteral(":time"), currentTimeValue());
    return execLogged(q, "subscribe list insert failed");
}

void SubscribeDatabase::updateListTitle(const SubscribeRecord& record)
{
    Connection c(this);
    QSqlQuery q(c.db);
    q.prepare(QStringLiteral("UPDATE subscribeLists SET title = :title WHERE extractor_listID = :key"));
    q.bindValue(QStringLiteral(":title"), record.title);
    q.bindValue(QStringLiteral(":key"), makeKey(record.extractor, record.listId));
    execLogged(q, "subscribe list rename failed");
}

int SubscribeDatabase::listRowId(const QString& extractor, const QString& listId)
{
    Connection c(this);
    QSqlQuery q(c.db);
    q.prepare(QStringLiteral("SELECT rowid FROM subscribeLists where extractor_listID = :key"));
    q.bindValue(QStringLiteral(":key"), makeKey(extractor, listId));
    if (!q.exec() || !q.next())
        return -1;
    return q.value(QStringLiteral("rowid")).toInt();
}

void SubscribeDatabase::removeList(const QString& extractor, const QString& listId)
{
    const int rowId = listRowId(extractor, listId);
    if (rowId < 0)
        return;
    Connection c(this);
    c.db.transaction();
    {
        QSqlQuery q(c.db);
        q.prepare(QStringLiteral("DELETE FROM subscribeLists where extractor_listID = :key"));
        q.bindValue(QStringLiteral(":key"), makeKey(extractor, listId));
        execLogged(q, "subscribe list delete failed");
        QSqlQuery v(c.db);
        v.prepare(QStringLiteral("DELETE FROM subscribeList where list_rowid = :rowid"));
        v.bindValue(QStringLiteral(":rowid"), QString::number(rowId));
        execLogged(v, "subscribe videos delete failed");
    }
    c.db.commit();
}

QList<SubscribeRecord> SubscribeDatabase::loadLists()
{
    QList<SubscribeRecord> out;
    Connection c(this);
    QSqlQuery q(c.db);
    if (!q.exec(QStringLiteral("SELECT * FROM subscribeLists ORDER BY time DESC")))
        return out;
    const QSqlRecord rec = q.record();
    const int keyCol = rec.indexOf(QStringLiteral("extractor_listID"));
    const int urlCol = rec.indexOf(QStringLiteral("url"));
    const int titleCol = rec.indexOf(QStringLiteral("title"));
    while (q.next()) {
        const QStringList parts = q.value(keyCol).toString().split(QStringLiteral("_##_"), Qt::KeepEmptyParts, Qt::CaseSensitive);
        if (parts.size() != 2)
            continue;
        SubscribeRecord r;
        r.extractor = parts.first();
        r.listId = parts.last();
        r.url = q.value(urlCol).toString();
        r.title = q.value(titleCol).toString();
        out.append(r);
    }
    return out;
}

bool SubscribeDatabase::addItem(const QString& extractor, const QString& listId, const QString& url, const QString& path,
                                const QString& title, const QString& thumbnailUrl)
{
    // The thumbnail is fetched before the connection is taken: the image
    // downloader may need a moment and the database is not held meanwhile.
    QByteArray png;
    if (!thumbnailUrl.isEmpty()) {
        const QImage image = ImageDownloader::instance()->getImage(thumbnailUrl);
        if (!image.isNull()) {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
    }

    Connection c(this);
    // The old record goes and the new one comes in one transaction: a kill
    // in between must not lose the download record.
    if (!c.db.transaction()) {
        qWarning() << "subscribe video: no transaction" << c.db.lastError().text();
        return false;
    }
    int rowId = -1;
    {
        QSqlQuery q(c.db);
        q.prepare(QStringLiteral("SELECT rowid FROM subscribeLists where extractor_listID = :key"));
        q.bindValue(QStringLiteral(":key"), makeKey(extractor, listId));
        if (q.exec() && q.next())
            rowId = q.value(0).toInt();
    }
    {
        QSqlQuery del(c.db);
        del.prepare(QStringLiteral("DELETE FROM subscribeList where url = :url"));
        del.bindValue(QStringLiteral(":url"), url);
        if (!execLogged(del, "subscribe video delete failed")) {
            c.db.rollback();
            return false;
        }
        afterStatement();
    }
    if (rowId < 0) {
        // No such list: the old record still goes, as it always did.
        if (!c.db.commit()) {
            c.db.rollback();
            return false;
        }
        return false;
    }

    QSqlQuery ins(c.db);
    ins.prepare(QStringLiteral("INSERT INTO subscribeList(list_rowid,url,path,title,img)VALUES "
                               "(:list_rowid, :url, :path, :title, :img)"));
    ins.bindValue(QStringLiteral(":list_rowid"), rowId);
    ins.bindValue(QStringLiteral(":url"), url);
    ins.bindValue(QStringLiteral(":path"), path);
    ins.bindValue(QStringLiteral(":title"), title);
    ins.bindValue(QStringLiteral(":img"), png);
    if (!ins.exec()) {
        qWarning() << ins.lastError().text();
        ins.finish();
        c.db.rollback();
        return false;
    }
    ins.finish();
    afterStatement();
    if (!c.db.commit()) {
        qWarning() << "subscribe video: commit failed" << c.db.lastError().text();
        c.db.rollback();
        return false;
    }
    afterStatement();
    return true;
}

void SubscribeDatabase::refreshList(Youtube_Structure::List* list, bool prune)
{
    if (!list)
        return;
    const QString key = makeKey(list->extractor, list->id);
    QStringList gone;
    {
        Connection c(this);
        QSqlQuery q(c.db);
        q.prepare(QStringLiteral("SELECT subscribeList.url, subscribeList.title, subscribeList.img, subscribeList.path "
                                 "FROM subscribeList INNER JOIN subscribeLists ON "
                                 "(subscribeLists.extractor_listID = :key AND subscribeList.list_rowid=subscribeLists.rowid)"));
        q.bindValue(QStringLiteral(":key"), key);
        if (!execLogged(q, "subscribe list refresh failed"))
            return;

        // One pass over the items instead of a scan per stored row; the
        // first item of an address wins, as a scan from the front would.
        QHash<QString, Youtube_Structure::Item*> byUrl;
        byUrl.reserve(list->items.size());
        for (int i = list->items.size() - 1; i >= 0; --i)
            byUrl.insert(list->items[i].url, list->items.ptr(i));

        while (q.next()) {
            const QString url = q.value(0).toString();
            Youtube_Structure::Item* item = byUrl.value(url, nullptr);
            if (!item) {
                gone.append(url);
                continue;
            }
            item->title = q.value(1).toString();
            item->image = QImage::fromData(q.value(2).toByteArray());
            item->note = q.value(3).toString();
            item->downloadState = QFileInfo::exists(item->note) ? 2 : 1;
        }
    }

    if (prune)
        removeVideos(gone);

    Connection c(this);
    QSqlQuery t(c.db);
    t.prepare(QStringLiteral("UPDATE subscribeLists SET time = :time WHERE extractor_listID = :key"));
    t.bindValue(QStringLiteral(":time"), currentTimeValue());
    t.bindValue(QStringLiteral(":key"), key);
    execLogged(t, "subscribe list time update failed");
}

void SubscribeDatabase::removeVideos(const QStringList& urls)
{
    if (urls.isEmpty())
        return;
    Connection c(this);
    c.db.transaction();
    {
        QSqlQuery q(c.db);
        q.prepare(QStringLiteral("DELETE FROM subscribeList where url = :url"));
        for (const QString& url : urls) {
            q.bindValue(QStringLiteral(":url"), url);
            execLogged(q, "subscribe video delete failed");
        }
    }
    c.db.commit();
}
