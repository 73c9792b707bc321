#pragma once

#include "function/VersionCheck/private/JsonAnalyser.h"
#include "function/VersionCheck/private/JsonAnalyser_Downloader.h"
#include "function/VersionCheck/private/VersionRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QUrl>

class Downloader;
class ImageDownloader;
class SettingsStore;

// Asks the update service whether a newer program version exists and
// fetches the promotion data the windows show. A check is two transfers:
// the version file, then the upgrade description of the user's language.
// The answer is doNetVersionChecked; the getters copy out the records of
// the latest check, the getLast* ones those of the description kept from an
// earlier run. GUI thread only.
class NetVersionMgr : public QObject
{
    Q_OBJECT
public:
    static NetVersionMgr* instance();

    // What a manager talks to; empty members mean the process-wide ones
    // and the version file of the edition in the settings (tests fill them).
    struct Environment
    {
        SettingsStore* settings = nullptr;
        ImageDownloader* images = nullptr;
        QUrl versionFileUrl;
        int transferTimeoutMs = 0;      // 0: the usual 30 s
    };
    explicit NetVersionMgr(const Environment& env, QObject* parent = nullptr);
    // Tests: instance() answers a fresh manager made with env from now on
    // (the one before is deleted; nobody may hold it). It reads the kept
    // description of an earlier run anew, as a new process would.
    static void setInstanceEnvironmentForTesting(const Environment& env);
    // Makes the process-wide manager from env, for a test that points it at
    // its own version file before anything asks for it; false (and env
    // ignored) when the manager exists already.
    static bool createInstance(const Environment& env);
    ~NetVersionMgr() override;

    // Starts a check. True only when an answer is already held and force is
    // false (then nothing is emitted).
    bool checkVersion(bool force);
    // Ends the running check; it reports false through doNetVersionChecked.
    void cancelCheck();

    bool isDataValid() const { return m_dataValid; }
    bool isChecking() const { return m_checking; }
    QUrl versionFileUrl() const { return m_versionFileUrl; }
    // Path of the local copy of the last good description.
    QString localCopyPath() const;

    VersionInfo getVersionInfo() const { return m_current.versionInfo; }
    UpgradeInfo getUpgradeInfo() const { return m_current.upgradeInfo; }
    QString upgradeUrl() const { return m_current.upgradeInfo.upgradeUrl; }
    // The address to offer, with the verdicts: an update is needed when the
    // announced version is newer, compulsory when "forced" is newer too.
    QString getUpgradeUrl(bool* needUpdate, bool* forceUpdate) const;
    AdsInfo getAdsInfo() const { return m_current.adsInfo; }
    bool getLastAdsInfo(AdsInfo& out) const;
    QList<AdditionalToolInfo> getAdditionalToolsInfo_Downloader() const { return m_current.additionalTools; }
    bool getLastAdditionalToolsInfo_Downloader(QList<AdditionalToolInfo>& out) const;
    QList<LinkInfo> getConvertInfo() const { return m_current.convertLinks; }
    bool getLastConvertInfo(QList<LinkInfo>& out) const;
    LinkInfo getWebsiteLink() const { return m_current.websiteLink; }
    bool getLastWebsiteLink(LinkInfo& out) const;
    QMap<qint32, AdsRecord> getAdsMap() const { return m_icons.adsMap(); }
    AttachedAdsInfo getAttachedAdsInfo() const { return m_icons.attachedAdsInfo(); }

signals:
    void doNetVersionChecked(bool dataValid);
    void doAttachedAdsFinished();

public slots:
    void onDownloadFinished(QByteArray data);

private:
    SettingsStore* settings() const;
    void finishCheck(bool valid);

    SettingsStore* m_settings;
    JsonAnalyser m_icons;
    JsonAnalyser_Downloader m_current;
    Downloader* m_downloader;
    QUrl m_versionFileUrl;
    bool m_hasResult = false;
    bool m_checking = false;
    bool m_dataValid = false;
    bool m_cancelled = false;
    JsonAnalyser_Downloader m_last;
};
