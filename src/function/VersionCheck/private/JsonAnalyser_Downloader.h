#pragma once

#include "function/VersionCheck/private/VersionRecords.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QPointer>

class ImageDownloader;
class SettingsStore;

// Reads the version file and the upgrade description of the update service
// into one set of records, and saves the promotion picture they name.
class JsonAnalyser_Downloader : public QObject
{
    Q_OBJECT
public:
    // images and settings null: the process-wide ones.
    explicit JsonAnalyser_Downloader(QObject* parent = nullptr, ImageDownloader* images = nullptr,
                                     SettingsStore* settings = nullptr);

    // True when the file names a version and at least one description.
    bool analyseVersion(const QByteArray& data);
    // True when the "upgrade" section is complete; the other sections are
    // kept whatever the result.
    bool analyseUpgrade(const QByteArray& data);

    VersionInfo versionInfo;
    UpgradeInfo upgradeInfo;
    AdsInfo adsInfo;
    QList<AdditionalToolInfo> additionalTools;
    QList<LinkInfo> convertLinks;
    LinkInfo websiteLink;

    // File the promotion picture is saved to.
    QString picturePath() const;

public slots:
    void onImgFinished(QString url, QImage img);

private:
    ImageDownloader* images() const;
    SettingsStore* settings() const;

    QPointer<ImageDownloader> m_images;
    SettingsStore* m_settings;
};
