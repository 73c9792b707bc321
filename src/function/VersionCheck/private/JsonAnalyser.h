#pragma once

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class SettingsStore;

// The extra promotion content attached to the version data.
struct AttachedAdsInfo
{
    QString title;
    QString url;
    qint32 version = 0;
    QMap<QString, QString> icons;
    QMap<QString, QString> links;
};

// One promotion of the icon store.
struct AdsRecord
{
    QString title;
    QString url;
    QStringList details;
    QString button;
    QString label;
    QString picture;
    qint32 rate = 0;
    qint32 nextRate = 0;
    qint32 order = 0;
};

// The promotion icon store. Nothing in the program fills its addresses or
// folders yet, so it answers with empty records.
class JsonAnalyser : public QObject
{
    Q_OBJECT
public:
    explicit JsonAnalyser(QObject* parent = nullptr, SettingsStore* settings = nullptr);

    AttachedAdsInfo attachedAdsInfo() const { return m_attached; }
    QMap<qint32, AdsRecord> adsMap() const { return m_ads; }

    // Words of the five pictures: "update", "video", "dvd", "downloader", "recorder".
    static const QStringList& pictureWords();
    void setPictureUrl(const QString& word, const QString& url);
    QString pictureUrl(const QString& word) const { return m_pictureUrls.value(word); }
    bool pictureSaved(const QString& word) const { return m_pictureSaved.value(word); }
    void setIconFolder(const QString& tag, const QString& folder) { m_iconFolders.insert(tag, folder); }

signals:
    void doAttachedAdsFinished();

public slots:
    void onImgFinished(QString url, QImage img);
    // The sender is the Downloader that fetched an icon pack for its tag.
    void onAdsIconZipDownloaded(QByteArray data);

private:
    QString settingsFolder() const;

    SettingsStore* m_settings;
    AttachedAdsInfo m_attached;
    QMap<qint32, AdsRecord> m_ads;
    QMap<QString, QString> m_pictureUrls;
    QMap<QString, bool> m_pictureSaved;
    QMap<QString, QString> m_iconFolders;   // transfer tag -> folder (with trailing separator)
};
