#include "shell/ImageDownloader.h"
#include "shell/ImageDownloaderPrivate.h"
#include "shell/SettingsStore.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>

#include <mutex>

namespace {

const char kUserAgent[] = "Mozilla/5.0 (Windows NT 6.1; WOW64; rv:59.0) Gecko/20100101 Firefox/59.0";

ImageDownloader* g_instance = nullptr;

void destroyInstance()
{
    delete g_instance;
    g_instance = nullptr;
}

bool isWebScheme(const QUrl& u)
{
    const QString s = u.scheme().toLower();
    return s == QLatin1String("http") || s == QLatin1String("https");
}

} // namespace

// ---------------------------------------------------------------------------

ImageDownloader* ImageDownloader::instance()
{
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    if (!g_instance) {
        g_instance = new ImageDownloader;
        // Engine threads may be the first to ask; the facade still belongs to
        // the application's thread, where its signal is delivered from.
        if (QCoreApplication* app = QCoreApplication::instance())
            g_instance->moveToThread(app->thread());
        // The worker must be gone before the application object is.
        qAddPostRoutine(destroyInstance);
    }
    return g_instance;
}

ImageDownloader::ImageDownloader(SettingsStore* settings, QObject* parent)
    : QObject(parent), d(new ImageDownloaderPrivate(this, settings))
{
    d->setParent(this);   // moves along with the facade
    connect(d, &ImageDownloaderPrivate::doImgDownloadFinished, this, &ImageDownloader::doImgDownloadFinished);
}

ImageDownloader::~ImageDownloader()
{
    delete d;
}

void ImageDownloader::download(const QString& url)
{
    d->addUrl(url);
}

QImage ImageDownloader::getImage(const QString& url)
{
    return d->getImage(url);
}

void ImageDownloader::shutdown()
{
    d->stop();
}

// ---------------------------------------------------------------------------

ImageDownloaderPrivate::ImageDownloaderPrivate(ImageDownloader* q, SettingsStore* settings)
    : q(q), m_settings(settings)
{
    setObjectName(QStringLiteral("ImageDownloader"));
}

ImageDownloaderPrivate::~ImageDownloaderPrivate()
{
    stop();
}

SettingsStore* ImageDownloaderPrivate::settings() const
{
    return m_settings ? m_settings : SettingsStore::instance();
}

void ImageDownloaderPrivate::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopRequested = true;
        if (m_loop)
            QMetaObject::invokeMethod(m_loop, "quit", Qt::QueuedConnection);
    }
    std::lock_guard<std::mutex> start(m_startMutex);
    wait();
}

void ImageDownloaderPrivate::ensureRunning()
{
    // Called after m_workerActive was switched on by this caller: the previous
    // run may still be on its way out, so wait for it before starting again.
    std::lock_guard<std::mutex> start(m_startMutex);
    wait();
    QThread::start(QThread::InheritPriority);
}

void ImageDownloaderPrivate::addUrl(const QString& url)
{
    bool needStart = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopRequested = false;
        m_queue.append(url);
        needStart = !m_workerActive;
        m_workerActive = true;
    }
    if (needStart)
        ensureRunning();
}

QImage ImageDownloaderPrivate::getImage(const QString& url)
{
    bool needStart = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopRequested = false;
        const auto it = m_cache.constFind(url);
        if (it != m_cache.constEnd())
            return it.value();
        m_queue.append(url);
        m_priorityUrl = url;
        needStart = !m_workerActive;
        m_workerActive = true;
    }
    if (needStart)
        ensureRunning();
    return QImage();
}

void ImageDownloaderPrivate::run()
{
    for (;;) {
        QString url;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopRequested || m_queue.isEmpty()) {
                m_workerActive = false;
                return;
            }
            if (!m_priorityUrl.isEmpty()) {
                url = m_priorityUrl;
                m_queue.removeOne(url);
                // One try only: a failing priority address must not hold
                // back the rest of the queue.
                m_priorityUrl.clear();
            } else {
                url = m_queue.takeFirst();
            }
            if (m_cache.contains(url))
                continue;
        }
        downloadImage(url);
    }
}

QNetworkProxy ImageDownloaderPrivate::proxyFromSettings(SettingsStore* store)
{
    if (!store || store->value(QStringLiteral("proxy/enabled")) != QLatin1String("true"))
        return QNetworkProxy(QNetworkProxy::DefaultProxy);
    QString host = store->value(QStringLiteral("proxy/hostName"));
    const QString portText = store->value(QStringLiteral("proxy/port"));
    if (host.isEmpty() || portText.isEmpty())
        return QNetworkProxy(QNetworkProxy::DefaultProxy);
    QNetworkProxy::ProxyType type;
    if (host.contains(QLatin1String("http"))) {
        type = QNetworkProxy::HttpProxy;
        host.remove(QStringLiteral("http://"));
        host.remove(QStringLiteral("https://"));
    } else {
        type = QNetworkProxy::Socks5Proxy;
        host.remove(QStringLiteral("socks5://"));
    }
    bool ok = false;
    const uint port = portText.toUInt(&ok, 10);
    return QNetworkProxy(type, host, quint16(ok && port <= 65535 ? port : 0));
}

void ImageDownloaderPrivate::downloadImage(const QString& url)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopRequested)
            return;
    }
    const QUrl address = QUrl::fromUserInput(url);
    if (!address.isValid() || !isWebScheme(address)) {
        qWarning() << "ImageDownloader: refusing address" << url;
        return;
    }

    QNetworkAccessManager nam;
    nam.setProxy(proxyFromSettings(settings()));

    QNetworkRequest request(address);
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.setProtocol(QSsl::SecureProtocols);
    request.setSslConfiguration(ssl);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(kUserAgent));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);

    QEventLoop loop;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopRequested)
            return;
        m_loop = &loop;
    }
    QNetworkReply* reply = nam.get(request);
    bool tooLarge = false;
    auto refuseIfLarge = [&](qint64 size) {
        if (size > kMaxBodyBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply, address](const QUrl& to) {
        // Only to the web, and never from https down to http.
        const bool downgrade = address.scheme().toLower() == QLatin1String("https")
                               && to.scheme().toLower() == QLatin1String("http");
        if (isWebScheme(to) && !downgrade)
            emit reply->redirectAllowed();
        else
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant len = reply->header(QNetworkRequest::ContentLengthHeader);
        if (len.isValid())
            refuseIfLarge(len.toLongLong());
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [&](qint64 received, qint64 total) { refuseIfLarge(qMax(received, total)); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(kTimeoutMs);
    if (!reply->isFinished())
        loop.exec();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_loop = nullptr;
    }
    timer.stop();

    const bool finished = reply->isFinished();
    if (!finished)
        reply->abort();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = finished && !tooLarge && reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
    if (!ok) {
        if (tooLarge)
            qWarning() << "ImageDownloader: reply too large for" << url;
        else if (finished)
            qWarning() << "ImageDownloader: download failed" << url << status << reply->errorString();
        delete reply;
        return;
    }
    QByteArray body = reply->readAll();
    delete reply;
    if (body.size() > kMaxBodyBytes)
        return;

    QBuffer buffer(&body);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage image;
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        qWarning() << "ImageDownloader: picture too large" << url << size;
    } else {
        image = reader.read();
    }
    if (!image.isNull())
        image = image.scaled(ImageDownloader::kThumbWidth, ImageDownloader::kThumbHeight, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cache.insert(url, image);
        if (m_priorityUrl == url)
            m_priorityUrl.clear();
    }
    emit doImgDownloadFinished(url, image);
}
