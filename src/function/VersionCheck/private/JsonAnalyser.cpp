#include "function/VersionCheck/private/JsonAnalyser.h"

#include "function/VersionCheck/private/Downloader.h"
#include "shell/SettingsStore.h"
#include "shell/ZipExtract.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

JsonAnalyser::JsonAnalyser(QObject* parent, SettingsStore* settings)
    : QObject(parent), m_settings(settings)
{
}

const QStringList& JsonAnalyser::pictureWords()
{
    static const QStringList words = {QStringLiteral("update"), QStringLiteral("video"), QStringLiteral("dvd"),
                                      QStringLiteral("downloader"), QStringLiteral("recorder")};
    return words;
}

void JsonAnalyser::setPictureUrl(const QString& word, const QString& url)
{
    if (pictureWords().contains(word))
        m_pictureUrls.insert(word, url);
}

QString JsonAnalyser::settingsFolder() const
{
    SettingsStore* s = m_settings ? m_settings : SettingsStore::instance();
    return s ? s->configDir() : QString();
}

void JsonAnalyser::onImgFinished(QString url, QImage img)
{
    if (url.isEmpty() || img.isNull())
        return;
    for (const QString& word : pictureWords()) {
        if (m_pictureUrls.value(word) != url)
            continue;
        const QString path = settingsFolder() + QLatin1Char('/') + word + QStringLiteral(".png");
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !img.save(&file, "PNG") || !file.commit())
            continue;
        if (word != QLatin1String("update")) {
            m_pictureUrls.insert(word, path);
            m_pictureSaved.insert(word, true);
        }
    }
}

void JsonAnalyser::onAdsIconZipDownloaded(QByteArray data)
{
    auto* from = qobject_cast<Downloader*>(sender());
    if (!from)
        return;
    const QString folder = m_iconFolders.value(from->tag());
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString zipPath = folder + QStringLiteral("icon.zip");
    QFile zip(zipPath);
    if (!zip.open(QIODevice::WriteOnly))
        return;
    zip.write(data);
    zip.close();
    extractZip(zipPath, folder);
    QFile::remove(zipPath);
    from->deleteLater();
    emit doAttachedAdsFinished();
}
