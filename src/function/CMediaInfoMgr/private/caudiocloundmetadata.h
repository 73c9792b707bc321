#pragma once

#include <QImage>
#include <QString>
#include <QThread>
#include <QUrl>

class QNetworkReply;
class SettingsStore;

// What the online album service gave for one audio file.
struct CAudioCloudMetaData
{
    QImage coverImage;     // null when the reply named no album image
    QString coverPath;     // local copy of the downloaded cover
};

// Turns an album-information reply into a cover picture saved in the
// settings' image folder. replyFinished and fetchCover run on the object's
// own thread (normally the GUI's); fetchCover waits in a local event loop.
class CGetAudioCloudMetaData : public QThread
{
    Q_OBJECT
public:
    // No store: the process-wide one.
    explicit CGetAudioCloudMetaData(SettingsStore* settings = nullptr, QObject* parent = nullptr);

    const CAudioCloudMetaData& metaData() const { return m_data; }
    // How long a cover download may take (20 s unless set).
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    // Downloads one cover into the image folder and keeps its path. Only
    // http(s), TLS verified, at most 20 MiB, a plain file name.
    void fetchCover(const QString& imageUrl);

signals:
    void getAudioCloudMetaDatafinished(CAudioCloudMetaData& metadata);

public slots:
    void replyFinished(QNetworkReply* reply);

private:
    SettingsStore* m_settings;
    CAudioCloudMetaData m_data;
    int m_timeoutMs = 20000;
};
