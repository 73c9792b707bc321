#pragma once

#include <QString>
#include <QUrl>

// The maker's web services, in one place. An edition is named by the
// setting base/site; every other value means the default edition.
namespace ServiceHosts {

// Web sites of the editions, which serve the tracked redirect script.
inline QString defaultEditionSite() { return QStringLiteral("https://www.qorvdvd.com"); }
inline QString pelodvdEditionSite() { return QStringLiteral("https://www.pelodvd.com"); }
inline QString marbletonEditionSite() { return QStringLiteral("https://www.marbleton.com"); }

// Version files of the update service.
inline QUrl defaultVersionFileUrl() { return QUrl(QStringLiteral("http://update.qorvdvd.com/tarnwick/dll/version.json")); }
inline QUrl pelodvdVersionFileUrl() { return QUrl(QStringLiteral("https://www.pelodvd.com/update/version.json")); }

// Description of the downloader's engine pack, asked when no address was
// stored from an earlier description.
inline QString engineDescriptionUrl() { return QStringLiteral("https://download.qorvdvd.com/youtube/upgradeYoutube.config"); }

// Path of the redirect script on an edition's site.
inline QString redirectScriptPath() { return QStringLiteral("/r/go.php?"); }

// The edition's site for a base/site value (compared in lower case).
inline QString editionSite(const QString& site)
{
    const QString s = site.toLower();
    if (s == QLatin1String("pelodvd"))
        return pelodvdEditionSite();
    if (s == QLatin1String("marbleton") || s == QLatin1String("marbleton_4k"))
        return marbletonEditionSite();
    return defaultEditionSite();
}

// The version file for a base/site value.
inline QUrl versionFileUrl(const QString& site)
{
    return site.toLower() == QLatin1String("pelodvd") ? pelodvdVersionFileUrl() : defaultVersionFileUrl();
}

}
