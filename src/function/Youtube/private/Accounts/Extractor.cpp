#include "function/Youtube/private/Accounts/Extractor.h"

namespace {

// The host of an address whose scheme prefix is already gone, in lower case
// (user information, port and a final dot removed), and what follows it.
void splitAuthority(const QString& text, QString* host, QString* rest)
{
    int end = text.size();
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#')}) {
        const int at = text.indexOf(c);
        if (at >= 0 && at < end)
            end = at;
    }
    QString authority = text.left(end);
    *rest = text.mid(end);
    // Address parsers disagree on a backslash here (a separator to some, a
    // plain character to others), so which host such an address reaches
    // depends on the program that opens it: it gets no host, and no account.
    if (authority.contains(QLatin1Char('\\'))) {
        host->clear();
        return;
    }

    // "youtube.com@evil.example" is a login name at evil.example.
    const int at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0)
        authority = authority.mid(at + 1);
    if (!authority.startsWith(QLatin1Char('['))) {
        const int colon = authority.lastIndexOf(QLatin1Char(':'));
        if (colon >= 0)
            authority.truncate(colon);
    }
    authority = authority.toLower();
    if (authority.endsWith(QLatin1Char('.')))
        authority.chop(1);
    *host = authority;
}

} // namespace

Extractor::Extractor()
    : prefixes{QStringLiteral("http://"), QStringLiteral("https://"), QStringLiteral("//")}
{
}

Extractor::~Extractor() = default;

bool Extractor::matchUrl(QString url)
{
    url = url.trimmed();
    for (const QString& prefix : qAsConst(prefixes)) {
        if (url.startsWith(prefix, Qt::CaseInsensitive)) {
            url.remove(0, prefix.size());
            break;
        }
    }

    QString host;
    QString rest;
    splitAuthority(url, &host, &rest);
    if (host.isEmpty())
        return false;

    for (const QString& entry : qAsConst(hosts)) {
        const int slash = entry.indexOf(QLatin1Char('/'));
        const QString entryHost = slash < 0 ? entry : entry.left(slash);
        if (host != entryHost && host != QLatin1String("www.") + entryHost)
            continue;
        if (slash < 0)
            return true;
        // A forwarding service: its path must name the site, as a whole
        // path segment.
        const QString entryPath = entry.mid(slash);
        if (!rest.startsWith(entryPath, Qt::CaseInsensitive))
            continue;
        if (rest.size() == entryPath.size())
            return true;
        const QChar next = rest.at(entryPath.size());
        if (next == QLatin1Char('/') || next == QLatin1Char('?') || next == QLatin1Char('#'))
            return true;
    }
    return false;
}

extractor_youtube::extractor_youtube()
{
    hosts << QStringLiteral("youtube.com")
          << QStringLiteral("youtube-nocookie.com")
          << QStringLiteral("youtu.be")
          << QStringLiteral("deturl.com/www.youtube.com")
          << QStringLiteral("hooktube.com")
          << QStringLiteral("yourepeat.com")
          << QStringLiteral("invidio.us")
          << QStringLiteral("tube.majestyc.net")
          << QStringLiteral("youtube.googleapis.com");
}

extractor_vimeo::extractor_vimeo()
{
    hosts << QStringLiteral("vimeo.com") << QStringLiteral("vimeopro.com") << QStringLiteral("player.vimeo.com");
}

extractor_dailymotion::extractor_dailymotion()
{
    hosts << QStringLiteral("dailymotion.com");
}

extractor_facebook::extractor_facebook()
{
    hosts << QStringLiteral("facebook.com")
          << QStringLiteral("facebookwkhpilnemxj7asaniu7vnjjbiltxjqhye3mhbshg7kx5tfyd.onion");
}

Extractor* createExtractor(const QString& website)
{
    if (website == SiteKeys::youtube())
        return new extractor_youtube;
    if (website == SiteKeys::facebook())
        return new extractor_facebook;
    if (website == SiteKeys::vimeo())
        return new extractor_vimeo;
    if (website == SiteKeys::dailymotion())
        return new extractor_dailymotion;
    return nullptr;
}
