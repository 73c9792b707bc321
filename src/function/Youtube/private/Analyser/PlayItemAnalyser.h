#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "function/Youtube/private/Analyser/PoolThread.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QThread>
#include <QVector>
#include <atomic>

// Analyses one video: runs the downloader on its address and fills the item
// with title, uploader, thumbnail, duration, live flags, subtitle names,
// formats and audio languages.
//
// The item is shared with the graphical thread, which may draw it at any
// moment, so the job works on a copy and hands the finished copy over in
// one step under the model lock (AnalyseThread::modelLock).
class PlayItemAnalyser : public PoolThread
{
    Q_OBJECT
public:
    explicit PlayItemAnalyser(QObject* parent = nullptr);
    ~PlayItemAnalyser() override;

    // Hands the job to the member's thread and answers true, or finishes
    // it at once (false) when the item already came with its formats from
    // the playlist, or does nothing (false) when there is no item.
    bool analyse(Youtube_Structure::Item* item, int listIndex, int itemIndex, QString* listThumbnail,
                 const QString& user, const QString& password, bool several);
    void stop();
    bool isStopping() const { return m_stop.load() != 0; }
    // Finishes the item from a video run's output that is already at hand
    // (the page run of a single video printed it whole), on the caller's
    // thread, exactly as a video run that printed it would.
    void analyseFromOutput(Youtube_Structure::Item* item, int listIndex, int itemIndex, QString* listThumbnail,
                           const QString& user, const QString& password, bool several, const QByteArray& output);

    // A value of a JSON object as text: empty when missing; numbers written
    // with six significant digits; "null", "none" and (except for
    // "format_id") "0" read as empty.
    static QString jsonText(const QJsonObject& object, const QString& key, bool numeric = false);

    // Fills item from the JSON of one video run; always true (missing keys
    // leave their fields alone).
    bool parseItemJson(const QByteArray& json, Youtube_Structure::Item* item);
    static void parseVideo(const QJsonObject& object, Youtube_Structure::Item* item);
    bool parseMultiVideo(const QJsonObject& object, Youtube_Structure::Item* item);
    static void fillPlayUrl(const QJsonObject& object, Youtube_Structure::Item* item);
    static void analyseFormatsArray(const QJsonObject& itemObject, const QJsonArray& formats,
                                    QVector<Youtube_Structure::Media>& medias,
                                    QVector<Youtube_Structure::AudioLan>& audioLans, bool isLive);

    // Copies the fields an analysis writes from a finished copy into the
    // model's item; the caller holds the model lock for writing.
    static void publish(const Youtube_Structure::Item& done, Youtube_Structure::Item* target, int checkStateAtStart);

    // The thumbnail a multi-part video found for its list (tests).
    QString foundListThumbnail() const { return m_foundListThumbnail; }

signals:
    void doPlaylistItemReady(int playlistIndex, int itemIndex);

protected:
    void runJob() override;

private:
    // An item that came with its formats: finished on the caller's thread.
    void finishPreparsed();
    // What a video run does after its process, given the run's status.
    void finishRun(Youtube_Structure::Item& work, int status, int checkStateAtStart);

    Youtube_Structure::Item* m_item = nullptr;
    std::atomic<int> m_stop{0};
    int m_listIndex = 0;
    int m_itemIndex = 0;
    QString* m_listThumbnail = nullptr;
    QString m_user;
    QString m_password;
    bool m_several = false;
    // Written by the parse of a multi-part video, handed to the list's
    // thumbnail together with the item.
    QString m_foundListThumbnail;
};
