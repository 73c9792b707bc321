#include "function/Youtube/Youtube.h"

#include "function/Youtube/private/FormatChoice.h"
#include "function/Youtube/private/YoutubePrivate.h"
#include "shell/ImageDownloader.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>
#include <QUrl>
#include <mutex>

namespace {

// The watch-later list of the signed-in user always needs the account.
const char kWatchLaterUrl[] = "https://www.youtube.com/playlist?list=WL";

} // namespace

Youtube::Youtube(QObject* parent)
    : QObject(parent),
      d(new YoutubePrivate(this)),
      accounts(this),
      subscriptions(this)
{
    registerYoutubeMetaTypes();
    qRegisterMetaType<DownloadItemSummary>("DownloadItemSummary");
    qRegisterMetaType<DownloadItem*>("DownloadItem*");
    ImageDownloader::instance();
    // The engine belongs to the graphical thread even when a worker
    // happens to reach it first.
    QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread())
        moveToThread(app->thread());
}

Youtube::~Youtube()
{
    delete d;
    d = nullptr;
}

Youtube* Youtube::instance()
{
    static Youtube engine;
    // Every call from the graphical thread refreshes the two defaults from
    // the settings, as the settings window may have changed them; worker
    // threads leave them alone.
    if (QThread::currentThread() == engine.thread()) {
        FormatChoice::defaultExt();
        FormatChoice::defaultResolution();
    }
    return &engine;
}

YoutubeError Youtube::initAnalyser(const QString& url, const QString& givenUser, const QString& givenPassword)
{
    if (url.isEmpty())
        return YtbAnalyseFailed;
    QString account;
    QString secret;
    if (!accounts.accountForUrl(url, account, secret))
        qDebug() << "ytb: got account failed";
    bool forced = false;
    if (!givenUser.isEmpty() && !givenPassword.isEmpty()) {
        account = givenUser;
        secret = givenPassword;
        forced = true;
    }
    if (url == QLatin1String(kWatchLaterUrl))
        forced = true;
    // The private part hands the credentials to the facade (for the item
    // analysers) once the previous analysis has been settled.
    return YoutubeError(d->initAnalyser(url, account, secret, forced));
}

void Youtube::stopAnalyse()
{
    d->stopAnalyse();
}

void Youtube::lists(YoutubeList& out, int level, int index)
{
    d->lists(out, level, index);
}

Youtube_Structure::List* Youtube::currentList()
{
    return d->currentListPtr();
}

void Youtube::reloadItem(int index)
{
    d->reloadItem(index);
}

void Youtube::setChecked(int level, int index, bool checked)
{
    d->setChecked(level, index, checked);
}

void Youtube::setSubLangChecked(int index, bool checked)
{
    d->setSubLangChecked(index, checked);
}

bool Youtube::audioLanguages(int itemIndex, QStringList& codes, int& preferred)
{
    return d->audioLanguages(itemIndex, codes, preferred);
}

void Youtube::setAudioLanguageIndex(int itemIndex, int index)
{
    d->setAudioLanguageIndex(itemIndex, index);
}

void Youtube::setShowAllMedia(bool on)
{
    d->setShowAllMedia(on);
}

void Youtube::applyMediaToAll(int mediaIndex)
{
    d->applyMediaToAll(mediaIndex);
}

void Youtube::searchSubtitles()
{
    d->searchSubtitles();
}

QList<DownloadItem> Youtube::selectedDownloadItems()
{
    return d->selectedDownloadItems();
}

bool Youtube::startDownload(const QList<DownloadItem*>& items)
{
    return d->startDownload(items);
}

void Youtube::addDownloadingItems(const QList<DownloadItem*>& items)
{
    d->addDownloadingItems(items);
}

void Youtube::removeDownloadingItems(const QList<DownloadItem*>& items)
{
    d->removeDownloadingItems(items);
}

void Youtube::clearDownloadingItems()
{
    d->clearDownloadingItems();
}

QList<DownloadItem> Youtube::loadDownloadingItems()
{
    return d->loadDownloadingItems();
}

bool Youtube::isDownloadPending(const DownloadItem* item) const
{
    return d->isDownloadPending(item);
}

bool Youtube::stopDownload(DownloadItem* item, bool detach)
{
    return d->stopDownload(item, detach);
}

bool Youtube::stopAllDownloads(bool detach, bool wait)
{
    return d->stopAllDownloads(detach, wait);
}

void Youtube::releaseDownloadingItems()
{
    d->releaseDownloadingItems();
}

bool Youtube::checkUpgrade(bool& needUpgrade)
{
    return d->checkUpgrade(needUpgrade);
}

bool Youtube::startUpgrade()
{
    return d->startUpgrade();
}

void Youtube::stopUpgrade()
{
    d->stopUpgrade();
}

QList<SiteAccount*>* Youtube::siteAccounts()
{
    return accounts.sites();
}

void Youtube::saveSiteAccounts()
{
    accounts.save();
}

bool Youtube::moveSiteAccountToFront(int position)
{
    return accounts.moveToFront(position);
}

QList<SubscribeRecord> Youtube::subscribeLists()
{
    return subscriptions.subscribeLists();
}

void Youtube::subscribeCurrentList()
{
    if (Youtube_Structure::List* list = currentList())
        subscriptions.addSubscribeList(list);
}

void Youtube::updateSubscribeList(const SubscribeRecord& record)
{
    subscriptions.updateSubscribeList(record);
}

void Youtube::removeSubscribeList(const SubscribeRecord& record)
{
    subscriptions.removeSubscribeList(record);
}

bool Youtube::accountInfo(QString& outUser, QString& outPassword)
{
    std::unique_lock l(m_accountLock);
    if (user.isEmpty() || password.isEmpty())
        return false;
    outUser = user;
    outPassword = password;
    return true;
}

void Youtube::clearAccountInfo()
{
    std::unique_lock l(m_accountLock);
    user.clear();
    password.clear();
    accountSite.clear();
}

void Youtube::setAccountInfo(const QString& newUser, const QString& newPassword, const QString& site)
{
    std::unique_lock l(m_accountLock);
    user = newUser;
    password = newPassword;
    accountSite = site;
}

bool Youtube::accountFits(const QString& url, const QString& site) const
{
    return !site.isEmpty() && loginSite(url) == site;
}

bool Youtube::accountInfoFor(const QString& url, QString& outUser, QString& outPassword)
{
    std::unique_lock l(m_accountLock);
    if (user.isEmpty() || password.isEmpty() || !accountFits(url, accountSite))
        return false;
    outUser = user;
    outPassword = password;
    return true;
}

void Youtube::setLastError(const QString& text)
{
    std::unique_lock l(m_accountLock);
    lastError = text;
}

QString Youtube::lastErrorText() const
{
    std::unique_lock l(m_accountLock);
    return lastError;
}

bool Youtube::isMusicMode() const
{
    // The program has no way into music mode; the flag is kept for the
    // menu that calls the setter.
    return false;
}

void Youtube::setMusicMode(bool on)
{
    musicMode = on;
}

QString Youtube::loginSite(const QString& url) const
{
    // Under the store's lock, so the analysis threads may ask while the
    // login dialog reorders the entries.
    return accounts.loginSite(url);
}

bool Youtube::filterSubscribedList(Youtube_Structure::Lists* lists, bool complete)
{
    return subscriptions.filterSubscribedList(lists, complete);
}

QStringList Youtube::extList() const
{
    return FormatChoice::extList();
}

QString Youtube::defaultExt() const
{
    return FormatChoice::defaultExt();
}

void Youtube::setDefaultExt(const QString& ext)
{
    FormatChoice::setDefaultExt(ext);
}

QStringList Youtube::resolutionList() const
{
    return FormatChoice::resolutionList();
}

QString Youtube::defaultResolution() const
{
    return FormatChoice::defaultResolution();
}

void Youtube::setDefaultResolution(const QString& text)
{
    FormatChoice::setDefaultResolution(text);
}

void Youtube::onDownloadItemFinished(const DownloadItemSummary& summary)
{
    subscriptions.onDownloadItemFinished(summary);
}
