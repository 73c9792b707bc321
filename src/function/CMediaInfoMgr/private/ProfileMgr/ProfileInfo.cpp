#include "function/CMediaInfoMgr/private/ProfileMgr/Profile.h"

#include "shell/SettingsStore.h"

#include <QCoreApplication>

namespace {

QString inLanguage(const QMap<QString, QString>& texts, const QString& language)
{
    const auto it = texts.constFind(language);
    if (it != texts.constEnd() && !it.value().isEmpty())
        return it.value();
    return texts.value(QStringLiteral("en"));
}

bool hasSupport(const QString& codec)
{
    for (const HardwareAdapter& adapter : hardwareCodecSupport()) {
        for (const HardwareCodecEntry& e : adapter.codecs) {
            if (e.codec.toLower() == codec && e.support.toLower() == QLatin1String("true"))
                return true;
        }
    }
    return false;
}

} // namespace

const QList<HardwareAdapter>& hardwareCodecSupport()
{
    // A function-local constant: made once, thread-safely, and never changed.
    static const QList<HardwareAdapter> adapters;
    return adapters;
}

ProfileInfo ProfileInfo::fromProfile(const Profile* node)
{
    ProfileInfo info;
    if (!node)
        return info;
    const QString language = SettingsStore::instance()->value(QStringLiteral("base/language"));
    info.key = node->key;
    info.id = node->id;
    info.iconPath = QStringLiteral(":/res/%1.png").arg(node->icon);
    info.title = inLanguage(node->titles, language);
    info.target = node->target;
    info.extension = node->extension;
    info.shortTitle = inLanguage(node->shortTitles, language);
    info.description = inLanguage(node->descriptions, language);
    info.videoCodec = node->videoCodec;
    info.audioCodec = node->audioCodec;
    info.recommended = node->recommended;
    info.quality = node->quality;
    info.path = node->path;
    info.music = node->music;
    info.tool = node->tool;
    info.backup = node->backup;
    info.savedCustom = node->customKind == 1;
    info.convertedCustom = node->customKind == 2;
    info.video = node->name == QLatin1String("Video");
    info.recently = node->recently;
    info.frequently = node->frequently;
    info.name = node->name;

    if (node->tool) {
        info.details.append({QString(), info.description});
    } else {
        QString heading;
        if (!info.shortTitle.isEmpty() && !info.title.isEmpty())
            heading = info.shortTitle + QStringLiteral(" - ") + info.title;
        else
            heading = info.shortTitle.isEmpty() ? info.title : info.shortTitle;
        info.details.append({QString(), heading});
        info.details.append({QString(), QString()});
        if (!node->music) {
            info.details.append({QObject::tr("File Format:"), node->formatText.isEmpty() ? info.shortTitle : node->formatText});
            info.details.append({QObject::tr("Video Codec:"), node->videoCodec});
            if (!node->resolution.isEmpty())
                info.details.append({QObject::tr("Resolution:"), node->resolution});
            info.details.append({QObject::tr("Frame Rate:"), node->frameRate == QLatin1String("keep original")
                                                        ? QObject::tr("Same as Source")
                                                        : node->frameRate});
        }
        info.details.append({QObject::tr("Audio Codec:"), node->audioCodec});
        info.details.append({QObject::tr("Sample Rate:"), node->sampleRate});
        info.details.append({QObject::tr("Audio BitRate:"), node->bitRate});
    }

    const QString codec = node->videoCodec.toLower();
    const bool h264 = codec == QLatin1String("h.264") || codec == QLatin1String("h264") || codec == QLatin1String("avc");
    const bool hevc = codec == QLatin1String("h.265") || codec == QLatin1String("h265") || codec == QLatin1String("hevc");
    if (h264)
        info.hardwareAccelerated = hasSupport(QStringLiteral("h264"));
    else if (hevc && !node->tool)
        info.hardwareAccelerated = hasSupport(QStringLiteral("hevc"));
    return info;
}
