#include "function/VersionCheck/private/JsonAnalyser_Downloader.h"

#include "shell/ImageDownloader.h"
#include "shell/SettingsStore.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace {

QJsonObject rootObject(const QByteArray& data)
{
    return QJsonDocument::fromJson(data).object();
}

QString text(const QJsonObject& o, const QString& key)
{
    return o.value(key).toString();
}

// Whole numbers are cut toward zero; values beyond 32 bits are clamped
// rather than wrapped.
qint32 number(const QJsonObject& o, const QString& key)
{
    const QJsonValue v = o.value(key);
    if (!v.isDouble())
        return 0;
    const double d = std::trunc(v.toDouble());
    if (std::isnan(d))
        return 0;
    if (d >= double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    if (d <= double(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    return qint32(d);
}

QString joined(const QJsonValue& v)
{
    QString out;
    const QJsonArray a = v.toArray();
    for (const QJsonValue& e : a)
        out += e.toString();
    return out;
}

QStringList listOf(const QJsonValue& v)
{
    QStringList out;
    const QJsonArray a = v.toArray();
    for (const QJsonValue& e : a)
        out << e.toString();
    return out;
}

} // namespace

JsonAnalyser_Downloader::JsonAnalyser_Downloader(QObject* parent, ImageDownloader* imageDownloader,
                                                 SettingsStore* settingsStore)
    : QObject(parent), m_images(imageDownloader), m_settings(settingsStore)
{
    if (ImageDownloader* img = images())
        connect(img, &ImageDownloader::doImgDownloadFinished, this, &JsonAnalyser_Downloader::onImgFinished);
}

ImageDownloader* JsonAnalyser_Downloader::images() const
{
    return m_images ? m_images.data() : ImageDownloader::instance();
}

SettingsStore* JsonAnalyser_Downloader::settings() const
{
    return m_settings ? m_settings : SettingsStore::instance();
}

bool JsonAnalyser_Downloader::analyseVersion(const QByteArray& data)
{
    const QJsonObject root = rootObject(data);
    for (auto it = root.constBegin(); it != root.constEnd(); ++it) {
        const QString key = it.key();
        const QString value = it.value().toString();
        if (key == QLatin1String("version"))
            versionInfo.version = value;
        else if (key == QLatin1String("Date"))
            versionInfo.date = value;
        else if (key == QLatin1String("forced"))
            versionInfo.forced = value;
        else
            versionInfo.descriptionUrls.insert(key, value);
    }
    if (versionInfo.version.isEmpty() || versionInfo.descriptionUrls.isEmpty()) {
        qWarning() << "VersionJson analayse error.";
        return false;
    }
    return true;
}

bool JsonAnalyser_Downloader::analyseUpgrade(const QByteArray& data)
{
    const QJsonObject root = rootObject(data);

    if (root.contains(QLatin1String("upgrade"))) {
        const QJsonObject up = root.value(QLatin1String("upgrade")).toObject();
        const QJsonObject version = up.value(QLatin1String("version")).toObject();
        const QJsonObject description = up.value(QLatin1String("description")).toObject();
        upgradeInfo.oldVersionText = joined(version.value(QLatin1String("old")));
        upgradeInfo.newVersionText = joined(version.value(QLatin1String("new")));
        upgradeInfo.oldDescription = joined(description.value(QLatin1String("old")));
        upgradeInfo.newDescription = joined(description.value(QLatin1String("new")));
        upgradeInfo.upgradeLog = listOf(up.value(QLatin1String("upgradelog")));
        upgradeInfo.upgradeUrl = text(up, QStringLiteral("upgradeurl"));
        upgradeInfo.forcedUrl = text(up, QStringLiteral("forcedurl"));
    }

    if (root.contains(QLatin1String("ads"))) {
        const QJsonObject ads = root.value(QLatin1String("ads")).toObject();
        adsInfo.picture = text(ads, QStringLiteral("bigpicture"));
        if (adsInfo.picture.isEmpty())
            adsInfo.picture = text(ads, QStringLiteral("picture"));
        // An empty address would only be refused by the downloader.
        ImageDownloader* img = images();
        if (img && !adsInfo.picture.isEmpty())
            img->download(adsInfo.picture);
        adsInfo.picTitle = text(ads, QStringLiteral("pic_title"));
        adsInfo.title = text(ads, QStringLiteral("title"));
        adsInfo.url = text(ads, QStringLiteral("url"));
        adsInfo.button = text(ads, QStringLiteral("button"));
        adsInfo.label = text(ads, QStringLiteral("label"));
        adsInfo.rate = number(ads, QStringLiteral("rate"));
        adsInfo.nextRate = number(ads, QStringLiteral("next_rate"));
        adsInfo.details = listOf(ads.value(QLatin1String("details")));
    }

    if (root.contains(QLatin1String("additional"))) {
        additionalTools.clear();
        // QJsonObject walks its members in ascending name order, and a
        // repeated name keeps its last value.
        const QJsonObject section = root.value(QLatin1String("additional")).toObject();
        for (auto it = section.constBegin(); it != section.constEnd(); ++it) {
            const QJsonObject o = it.value().toObject();
            AdditionalToolInfo t;
            t.product = text(o, QStringLiteral("product"));
            t.description = text(o, QStringLiteral("description"));
            t.button = text(o, QStringLiteral("button"));
            t.url = text(o, QStringLiteral("url"));
            additionalTools.append(t);
        }
    }

    if (root.contains(QLatin1String("convert"))) {
        convertLinks.clear();
        const QJsonObject section = root.value(QLatin1String("convert")).toObject();
        for (auto it = section.constBegin(); it != section.constEnd(); ++it) {
            const QJsonObject o = it.value().toObject();
            convertLinks.append(LinkInfo{text(o, QStringLiteral("title")), text(o, QStringLiteral("url"))});
        }
    }

    if (root.contains(QLatin1String("website"))) {
        const QJsonObject o = root.value(QLatin1String("website")).toObject();
        websiteLink = LinkInfo{text(o, QStringLiteral("title")), text(o, QStringLiteral("url"))};
    }

    const bool complete = !upgradeInfo.oldVersionText.isEmpty() && !upgradeInfo.newVersionText.isEmpty()
                          && !upgradeInfo.oldDescription.isEmpty() && !upgradeInfo.newDescription.isEmpty()
                          && !upgradeInfo.upgradeUrl.isEmpty() && !upgradeInfo.forcedUrl.isEmpty()
                          && !upgradeInfo.upgradeLog.isEmpty();
    if (!complete)
        qWarning() << "UpgradeJson analyse error.";
    return complete;
}

QString JsonAnalyser_Downloader::picturePath() const
{
    SettingsStore* s = settings();
    return s ? s->configDir() + QStringLiteral("/update.png") : QString();
}

void JsonAnalyser_Downloader::onImgFinished(QString url, QImage img)
{
    if (url.isEmpty() || url != adsInfo.picture || img.isNull())
        return;
    const QString path = picturePath();
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !img.save(&file, "PNG") || !file.commit())
        qWarning() << "cannot save the promotion picture to" << path;
}
