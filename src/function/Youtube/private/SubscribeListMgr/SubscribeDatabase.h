#pragma once

#include "function/Youtube/YoutubeStructure.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QThread>

// The subscribed playlists and the videos of them that were downloaded, in
// "SubscribeLists.db" in the engine folder.
//
// Qt refuses to use a connection from any thread but the one that made it,
// so the thread that builds this object keeps one named connection open for
// its lifetime, and every other thread gets a connection of its own for the
// length of one operation. Every value reaches SQLite through a bound
// placeholder.
class SubscribeDatabase : public QObject
{
    Q_OBJECT
public:
    // The file is "<youtube/path>/SubscribeLists.db"; nothing is opened yet.
    explicit SubscribeDatabase(QObject* parent = nullptr);
    ~SubscribeDatabase() override;

    // Creates the file when missing, opens the connection and adds whatever
    // part of the schema is missing (a file left empty by a crash heals).
    bool openDataBase();
    // Creates the file and the three tables with the version row.
    bool createDatabase();

    bool addList(const QString& extractor, const QString& listId, const QString& url, const QString& title);
    void updateListTitle(const SubscribeRecord& record);
    void removeList(const QString& extractor, const QString& listId);
    QList<SubscribeRecord> loadLists();
    int listRowId(const QString& extractor, const QString& listId);
    bool addItem(const QString& extractor, const QString& listId, const QString& url, const QString& path,
                 const QString& title, const QString& thumbnailUrl);
    // Marks the list's items from the stored videos. Stored videos the list
    // no longer holds are deleted only when prune is set: an analysis that
    // saw only part of the list must not forget the rest.
    void refreshList(Youtube_Structure::List* list, bool prune = true);
    void removeVideos(const QStringList& urls);

    // Loads the SQLite driver plug-in, which stays loaded; the program does
    // it before anything else loads libraries on other threads.
    static void loadDriver();

    static QString makeKey(const QString& extractor, const QString& listId);
    static int currentTimeValue();

    QString filePath() const { return m_path; }

    // Called after each statement and commit of a record change (tests that
    // end the process between the steps).
    static void (*s_afterStatement)();

private:
    class Connection;
    static void afterStatement();
    bool openOwnerConnection();
    static bool ensureSchema(QSqlDatabase& db, bool* created);

    QSqlDatabase m_db;              // the building thread's connection
    QString m_path;
    QString m_connectionName;
    QThread* m_ownerThread = nullptr;
};
