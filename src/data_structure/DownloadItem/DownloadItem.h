#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTime>
#include <mutex>

// One format a download job can be fetched in.
struct DownloadMedia
{
    QString streamUrl;           // direct media address; ffmpeg's input when set
    QString format;              // format text shown to the user
    QString resolution;
    QString fileSize;            // as shown ("12.30MB"); "GB" turns off embedding
    QString formatID;
    QString attachedFormatID;    // second stream to merge (audio), empty for one
    QString attachedExt;
    QString fullCode = QStringLiteral("Auto");   // audio language code
    double videoSizeRatio = 1.0;
    QString srcExt;              // what the downloader writes
    QString tarExt;              // extension of the finished file
    bool isMusic = false;
    bool forgeMediaForMp3 = false;
    int videoPartCount = 1;
    QString acodec;
    QString widthText;
    QString heightText;
    bool isM3u8Native = false;
};

// What the engine needs to know about a job that has just finished, taken
// when it finishes, so that nobody has to read a job that may be gone by
// the time the news arrives.
struct DownloadItemSummary
{
    int result = 0;
    QString title;
    QString id;
    QString url;
    QString finalFilePath;
    QStringList outputFiles;
    QString thumbnail;           // the subscription record keeps its picture
    QString subscribeListId;
    QString subscribeListUrl;
    QString subscribeExtractor;
};
Q_DECLARE_METATYPE(DownloadItemSummary)

// One download job. The download page's rows own the jobs; the engine and
// the item downloaders work on them through plain pointers.
//
// Fields that a worker thread writes while the GUI thread may read them
// (the temp names, the outputs, the progress, the result) are written under
// fieldLock(); readers on another thread use the *Safe accessors or take the
// lock themselves. Copies are taken under the source's lock.
class DownloadItem : public QObject
{
    Q_OBJECT
public:
    enum DownloadError {
        DownloadSuccess = 0,
        DownloadCancelledBeforeStart = 1,
        DownloadStopped = 2,
        DownloadFormatUnavailable = 3,
        DownloadInterrupted = 4,
        DownloadFailed = 5
    };
    Q_ENUM(DownloadError)

    explicit DownloadItem(QObject* parent = nullptr);
    DownloadItem(const DownloadItem& other);
    DownloadItem& operator=(const DownloadItem& other);
    ~DownloadItem() override;

    int chosenMediaIndex() const;
    bool setChosenMediaIndex(int index);
    void setChosenMediaIndexRaw(int index);
    // The chosen entry, or null when the index is outside medias.
    DownloadMedia* chosenMedia();
    const DownloadMedia* chosenMedia() const;

    void setProgress(int value);
    void setStarted();
    void setTempFileExt(const QString& ext);
    void setDestination(const QString& baseName, const QString& suffix);
    void prepareTempPath();
    void removeTempFolder(bool allowDelete);
    // Names the output files and acts on the result; a success of a job
    // that has no chosen format becomes DownloadFormatUnavailable.
    void finish(DownloadError err);

    // The output folder of the job: youtube/download_music for an audio
    // entry, youtube/download otherwise (Qt path form).
    QString outputFolder() const;

    // Thread-safe reads of the fields a worker writes.
    QString tempFilePathSafe() const;
    QString tempFileNameSafe() const;
    QString finalFilePathSafe() const;
    QStringList outputFilesSafe() const;
    int progressSafe() const;
    int resultSafe() const;
    std::mutex& fieldLock() const { return m_lock; }

    // Fields, in the record's order.
    QString id;
    QString title;
    QString preview;
    QString thumbnail;
    qint32 mediaDuration = 0;
    QList<DownloadMedia> medias;
    bool isLiveStream = false;
    bool useFfmpeg = false;
    QTime startTime;
    bool startNow = true;
    qint32 duration = 300;
    qint32 progress = 0;
    bool startSuccess = false;
    QString listFolder;
    QString finalFilePath;
    QString url;
    QStringList subtitles;
    QString tempFilePath;
    QString tempFileName;
    bool removeTempOnDestroy = false;
    QString accountUser;
    QString accountPassword;
    QString subscribeListId;
    QString subscribeListUrl;
    QString subscribeExtractor;
    qint32 result = 0;
    QStringList outputFiles;

    // Pure naming rules of finish, exposed for tests and for the
    // download side. folder is the output folder (Qt form). The names
    // returned are free at the moment of the call; finish picks and renames
    // under one process-wide lock so two jobs never pick the same name.
    static QStringList outputNames(const QString& folder, const QString& listFolder,
                                   const QString& title, const QString& tarExt, int partCount);
    // A file-name component that can neither leave its folder nor hide:
    // "." and ".." and leading dots are replaced, empty gives "_", and the
    // UTF-8 length is cut to maxBytes on a character boundary.
    static QString safeComponent(const QString& name, int maxBytes = 255);
    // listFolder made of safe components, joined with "/" and ending in "/"
    // (empty stays empty).
    static QString safeListFolder(const QString& listFolder);

signals:
    void doProgress(int cur);
    void doFinish(int err, QStringList output);
    void doStarted();

public slots:
    void onInit();

private:
    void copyFrom(const DownloadItem& other);
    void removeTempFolderLocked(bool allowDelete);
    QString tempNameFor(const QString& ext, int part, int partCount) const;
    DownloadItemSummary summaryLocked() const;

    mutable std::mutex m_lock;
    int m_chosenMediaIndex = 0;
};

Q_DECLARE_METATYPE(DownloadItem*)
