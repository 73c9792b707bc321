#include "function/CMediaInfoMgr/private/caudiocloundmetadata.h"

#include "shell/SettingsStore.h"

#include <QDebug>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

namespace {
constexpr qint64 kMaxCoverBytes = 20 * 1024 * 1024;
constexpr qint64 kReadBufferBytes = 256 * 1024;
} // namespace

CGetAudioCloudMetaData::CGetAudioCloudMetaData(SettingsStore* settings, QObject* parent)
    : QThread(parent)
    , m_settings(settings)
{
}

void CGetAudioCloudMetaData::replyFinished(QNetworkReply* reply)
{
    qDebug() << "replyFinished";
    const QByteArray body = reply->readAll();
    qDebug() << "content = " << body;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError) {
        qDebug() << "QJsonParseError code = " << error.error;
        return;
    }
    if (!doc.isObject())
        return;
    const QJsonObject top = doc.object();
    if (!top.contains(QLatin1String("album"))) {
        qDebug() << "get image url error [no album].";
        m_data.coverImage = QImage();
        return;
    }
    const QJsonObject album = top.value(QLatin1String("album")).toObject();
    if (!album.contains(QLatin1String("image")))
        return;
    QString chosen;
    for (const QJsonValue& v : album.value(QLatin1String("image")).toArray()) {
        const QJsonObject image = v.toObject();
        const QString address = image.value(QLatin1String("#text")).toString();
        if (address.isEmpty())
            continue;
        chosen = address;
        if (image.value(QLatin1String("size")).toString() == QLatin1String("large"))
            break;
    }
    if (chosen.isEmpty()) {
        qDebug() << "get image url error [no album].";
        m_data.coverImage = QImage();
        return;
    }
    qDebug() << "imageurl = " << chosen;
    fetchCover(chosen);
}

void CGetAudioCloudMetaData::fetchCover(const QString& imageUrl)
{
    const QUrl url = QUrl::fromUserInput(imageUrl);
    const QString scheme = url.scheme().toLower();
    // fromUserInput turns a path into a file address: a reply must never
    // copy a local file into the image folder.
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return;
    const QString name = imageUrl.section(QLatin1Char('/'), -1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.toUtf8().size() > 255)
        return;
    SettingsStore* settings = m_settings ? m_settings : SettingsStore::instance();
    const QString folder = SettingsStore::fromStoredPath(settings->value(QStringLiteral("temp/image")));
    if (folder.isEmpty())
        return;

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Mozilla/5.0 (Windows NT 6.1; WOW64; rv:53.0) Gecko/20100101 Firefox/53.0"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.get(request);
    // Qt's network thread reads ahead as fast as the peer sends unless the
    // reply's buffer is bounded; the body is then counted as it is taken
    // out, so an endless reply stops near the limit instead of far past it.
    reply->setReadBufferSize(kReadBufferBytes);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QByteArray body;
    bool tooBig = false;
    auto take = [&] {
        if (tooBig)
            return;
        body += reply->read(kMaxCoverBytes + 1 - body.size());
        if (body.size() > kMaxCoverBytes) {
            tooBig = true;
            body.clear();
            loop.quit();
        }
    };
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(reply, &QNetworkReply::readyRead, &loop, take);
    timer.start(m_timeoutMs);
    loop.exec();

    const bool finished = reply->isFinished();
    if (finished)
        take();
    const bool ok = finished && !tooBig && reply->error() == QNetworkReply::NoError;
    if (!finished)
        reply->abort();
    delete reply;
    if (!ok)
        return;

    const QString path = QStringLiteral("%1/%2").arg(folder, name);
    if (!QFileInfo::exists(path)) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit())
            return;
    }
    m_data.coverPath = path;
}
