#pragma once

#include <QString>
#include <QStringList>

// Decides whether a page address belongs to one video site, by its host.
// The account store gives each of its site entries one extractor and uses
// it to find the stored account for an address about to be analysed, so a
// match hands the user's name and password to that address: matching is
// strict on purpose (the address's host must be a listed host or "www."
// plus one; look-alikes such as "youtube.com.evil.example" never match).
class Extractor
{
public:
    Extractor();
    virtual ~Extractor();

    Extractor(const Extractor&) = default;
    Extractor& operator=(const Extractor&) = default;

    virtual bool matchUrl(QString url);

    const QStringList& hostList() const { return hosts; }

protected:
    // Scheme prefixes removed before matching, tried in this order.
    QStringList prefixes;
    // Bare hosts in lower case, without scheme and without "www."; an entry
    // with a '/' is a host plus the start of the path (a link service that
    // forwards to the site).
    QStringList hosts;
};

class extractor_youtube : public Extractor
{
public:
    extractor_youtube();
};

class extractor_vimeo : public Extractor
{
public:
    extractor_vimeo();
};

class extractor_dailymotion : public Extractor
{
public:
    extractor_dailymotion();
};

class extractor_facebook : public Extractor
{
public:
    extractor_facebook();
};

// Site keys: the sites' host names with their "www." prefix. They are the
// "website" values stored in the account file.
namespace SiteKeys {
inline QString youtube() { return QStringLiteral("www.youtube.com"); }
inline QString facebook() { return QStringLiteral("www.facebook.com"); }
inline QString vimeo() { return QStringLiteral("www.vimeo.com"); }
inline QString dailymotion() { return QStringLiteral("www.dailymotion.com"); }
}

// The matcher for a site key (exact, case-sensitive); null for any other
// text. The caller owns the result.
Extractor* createExtractor(const QString& website);
