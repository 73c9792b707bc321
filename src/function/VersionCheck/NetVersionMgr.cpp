#include "function/VersionCheck/NetVersionMgr.h"

#include "function/VersionCheck/private/Downloader.h"
#include "shell/ImageDownloader.h"
#include "shell/ProgramVersion.h"
#include "shell/ServiceHosts.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QSaveFile>

namespace {

const char kTag[] = "Version&Upgrade";

NetVersionMgr* g_manager = nullptr;
void destroyManager()
{
    delete g_manager;
    g_manager = nullptr;
}
} // namespace

bool NetVersionMgr::createInstance(const Environment& env)
{
    if (g_manager)
        return false;
    g_manager = new NetVersionMgr(env);
    // Its transfer thread must end before the application object does.
    qAddPostRoutine(destroyManager);
    return true;
}

NetVersionMgr* NetVersionMgr::instance()
{
    if (!g_manager)
        createInstance(Environment());
    return g_manager;
}

void NetVersionMgr::setInstanceEnvironmentForTesting(const Environment& env)
{
    const bool first = !g_manager;
    delete g_manager;
    g_manager = new NetVersionMgr(env);
    if (first)
        qAddPostRoutine(destroyManager);
}

NetVersionMgr::NetVersionMgr(const Environment& env, QObject* parent)
    : QObject(parent),
      m_settings(env.settings),
      m_icons(nullptr, env.settings),
      m_current(nullptr, env.images, env.settings),
      m_downloader(new Downloader(this)),
      m_last(nullptr, env.images, env.settings)
{
    if (env.transferTimeoutMs > 0)
        m_downloader->setTimeout(env.transferTimeoutMs);
    m_versionFileUrl = env.versionFileUrl;
    if (m_versionFileUrl.isEmpty()) {
        SettingsStore* s = settings();
        m_versionFileUrl = ServiceHosts::versionFileUrl(s ? s->value(QStringLiteral("base/site")) : QString());
    }
    connect(m_downloader, &Downloader::doFinished, this, &NetVersionMgr::onDownloadFinished);

    const QString localPath = localCopyPath();
    QFile local(localPath);
    if (!localPath.isEmpty() && local.open(QIODevice::ReadOnly))
        m_last.analyseUpgrade(local.readAll());

    connect(&m_icons, &JsonAnalyser::doAttachedAdsFinished, this, &NetVersionMgr::doAttachedAdsFinished);
}

NetVersionMgr::~NetVersionMgr()
{
    // The download thread must end before its owner's records go.
    delete m_downloader;
    m_downloader = nullptr;
}

SettingsStore* NetVersionMgr::settings() const
{
    return m_settings ? m_settings : SettingsStore::instance();
}

QString NetVersionMgr::localCopyPath() const
{
    SettingsStore* s = settings();
    if (!s)
        return QString();
    const QString folder = SettingsStore::fromStoredPath(s->value(QStringLiteral("base/customProfilePath")));
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/upd");
}

bool NetVersionMgr::checkVersion(bool force)
{
    if (m_checking)
        return false;
    m_cancelled = false;
    if (force)
        m_hasResult = false;
    if (m_hasResult)
        return true;
    m_dataValid = false;
    m_checking = true;
    if (!m_downloader->download(m_versionFileUrl, QString::fromLatin1(kTag))) {
        emit doNetVersionChecked(false);
        m_checking = false;
    }
    return false;
}

void NetVersionMgr::cancelCheck()
{
    m_cancelled = true;
    if (m_checking)
        m_downloader->stopTransfer();
}

void NetVersionMgr::finishCheck(bool valid)
{
    m_checking = false;
    emit doNetVersionChecked(valid);
}

void NetVersionMgr::onDownloadFinished(QByteArray data)
{
    if (!m_hasResult) {
        m_dataValid = m_current.analyseVersion(data);
        m_hasResult = true;
        if (!m_dataValid || m_cancelled) {
            // A cancelled check leaves no valid answer behind.
            m_dataValid = false;
            finishCheck(false);
            return;
        }
        m_dataValid = false;
        SettingsStore* s = settings();
        QString code = s ? s->value(QStringLiteral("base/language")) : QString();
        if (!m_current.versionInfo.descriptionUrls.contains(code))
            code = QStringLiteral("en");
        // The downloader takes only http(s) addresses from the data; anything
        // else ends at once with nothing, like a missing address.
        const QUrl address(m_current.versionInfo.descriptionUrls.value(code));
        if (!m_downloader->download(address, QString::fromLatin1(kTag)))
            finishCheck(false);
        return;
    }

    m_dataValid = m_current.analyseUpgrade(data) && !m_cancelled;
    finishCheck(m_dataValid);
    if (!m_dataValid)
        return;
    const QString path = localCopyPath();
    if (path.isEmpty())
        return;
    QSaveFile local(path);
    if (local.open(QIODevice::WriteOnly)) {
        local.write(data);
        if (!local.commit())
            qWarning() << "cannot write the local copy" << path;
    }
}

QString NetVersionMgr::getUpgradeUrl(bool* needUpdate, bool* forceUpdate) const
{
    const bool need = compareWithProgramVersion(m_current.versionInfo.version) > 0;
    const bool force = need && compareWithProgramVersion(m_current.versionInfo.forced) > 0;
    if (needUpdate)
        *needUpdate = need;
    if (forceUpdate)
        *forceUpdate = force;
    if (force)
        return m_current.upgradeInfo.forcedUrl;
    if (need)
        return m_current.upgradeInfo.upgradeUrl;
    return QString();
}

bool NetVersionMgr::getLastAdsInfo(AdsInfo& out) const
{
    if (m_last.adsInfo.details.isEmpty())
        return false;
    out = m_last.adsInfo;
    return true;
}

bool NetVersionMgr::getLastAdditionalToolsInfo_Downloader(QList<AdditionalToolInfo>& out) const
{
    if (m_last.additionalTools.isEmpty())
        return false;
    out = m_last.additionalTools;
    return true;
}

bool NetVersionMgr::getLastConvertInfo(QList<LinkInfo>& out) const
{
    if (m_last.convertLinks.isEmpty())
        return false;
    out = m_last.convertLinks;
    return true;
}

bool NetVersionMgr::getLastWebsiteLink(LinkInfo& out) const
{
    if (m_last.websiteLink.title.isEmpty())
        return false;
    out = m_last.websiteLink;
    return true;
}
