#pragma once

#include <QString>
#include <QUrl>
#include <QtGlobal>

// The maker's web services, in one place. An edition is named by the
// setting base/site; every other value means the default edition.
namespace ServiceHosts {

// A local stand-in for every host below, for test runs of the whole
// program: TW_SERVICE_BASE names an address on http://127.0.0.1 (any other
// value is ignored), and "https://host/path" becomes "<base>/host/path".
inline QString testBase()
{
    const QString base = qEnvironmentVariable("TW_SERVICE_BASE");
    const QUrl url(base);
    if (base.isEmpty() || !url.isValid() || url.scheme() != QLatin1String("http") || url.host() != QLatin1String("127.0.0.1")
        || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment())
        return QString();
    QString b = url.toString(QUrl::RemovePath);
    return b + url.path().chopped(url.path().endsWith(QLatin1Char('/')) ? 1 : 0);
}

inline QString local(const QString& address)
{
    const QString base = testBase();
    if (base.isEmpty())
        return address;
    const QUrl url(address);
    QString out = base + QLatin1Char('/') + url.host() + url.path(QUrl::FullyEncoded);
    if (url.hasQuery())
        out += QLatin1Char('?') + url.query(QUrl::FullyEncoded);
    return out;
}

// Web sites of the editions, which serve the tracked redirect script.
inline QString defaultEditionSite() { return local(QStringLiteral("https://www.qorvdvd.com")); }
inline QString pelodvdEditionSite() { return local(QStringLiteral("https://www.pelodvd.com")); }
inline QString marbletonEditionSite() { return local(QStringLiteral("https://www.marbleton.com")); }

// Version files of the update service.
inline QUrl defaultVersionFileUrl() { return QUrl(local(QStringLiteral("http://update.qorvdvd.com/tarnwick/dll/version.json"))); }
inline QUrl pelodvdVersionFileUrl() { return QUrl(local(QStringLiteral("https://www.pelodvd.com/update/version.json"))); }

// Description of the downloader's engine pack, asked when no address was
// stored from an earlier description.
inline QString engineDescriptionUrl() { return local(QStringLiteral("https://download.qorvdvd.com/youtube/upgradeYoutube.config")); }

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
