#include "function/Youtube/private/FormatChoice.h"

#include "function/Youtube/Youtube.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <mutex>

using Youtube_Structure::Item;
using Youtube_Structure::Media;

namespace {

const QString kDefaultExtKey = QStringLiteral("youtube/defaultExt");
const QString kDefaultResolutionKey = QStringLiteral("youtube/defaultResolution");

struct ChoiceState
{
    std::mutex lock;
    QString defaultExt;
    FormatChoice::Preference pref;
    QStringList resolutionList;
    QString defaultResolution;

    ChoiceState()
    {
        defaultExt = FormatChoice::extensionList().first();
        pref.preferredExt = defaultExt;
    }
};

ChoiceState& state()
{
    static ChoiceState s;
    return s;
}

// Texts of the JSON read as integers: "720", "29.97" (cut), else 0.
int textInt(const QString& text)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (ok)
        return v;
    const double d = text.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return 0;
    // A number from outside may be anything; the cast is defined only in range.
    return int(qBound(double(std::numeric_limits<int>::min()), d, double(std::numeric_limits<int>::max())));
}

double textDouble(const QString& text)
{
    bool ok = false;
    const double d = text.toDouble(&ok);
    return ok ? d : 0.0;
}

int heightOf(const Media& m) { return textInt(m.height); }
int fpsOf(const Media& m) { return textInt(m.fps); }
int abrOf(const Media& m) { return textInt(m.abr); }
double sizeOf(const Media& m) { return textDouble(m.filesize); }

int zeroToNone(int v) { return v == 0 ? -1 : v; }

// The height and fps steps of the pick: 1 = a first, -1 = b first, 0 = undecided.
int closeness(int a, int b, int preferred)
{
    if (preferred == -1) {
        if (a != b)
            return a > b ? 1 : -1;
        return 0;
    }
    const bool aHit = a == preferred, bHit = b == preferred;
    if (aHit != bHit)
        return aHit ? 1 : -1;
    if (a > preferred && b < preferred)
        return 1;
    if (b > preferred && a < preferred)
        return -1;
    const int da = std::abs(a - preferred), db = std::abs(b - preferred);
    if (da != db)
        return da < db ? 1 : -1;
    return 0;
}

// Preparation order: a strict weak ordering, so a stable sort gives exactly
// the order of inserting one after another with equal formats keeping theirs.
bool prepareBefore(const Media& a, const Media& b)
{
    if (a.hasVideo() != b.hasVideo())
        return a.hasVideo();
    if (a.isM3u8Native != b.isM3u8Native)
        return !a.isM3u8Native;
    if (a.isM3u8Native && b.isM3u8Native && a.hasAudio() != b.hasAudio())
        return a.hasAudio();
    const int ha = heightOf(a), hb = heightOf(b);
    if (ha != hb)
        return ha > hb;
    const QStringList& exts = FormatChoice::extensionList();
    const int ra = FormatChoice::extRank(exts, a.targetExt), rb = FormatChoice::extRank(exts, b.targetExt);
    if (ra != rb)
        return ra < rb;
    const int fa = fpsOf(a), fb = fpsOf(b);
    if (fa != fb)
        return fa > fb;
    const int aa = abrOf(a), ab = abrOf(b);
    if (aa != ab)
        return aa > ab;
    return sizeOf(a) > sizeOf(b);
}

bool musicMode()
{
    return Youtube::instance()->isMusicMode();
}

} // namespace

FormatChoice::FormatChoice()
{
    resolutionList();
}

const QStringList& FormatChoice::extensionList()
{
    static const QStringList list{QStringLiteral("mp4"), QStringLiteral("m4a"), QStringLiteral("mp3"),
                                  QStringLiteral("webm"), QStringLiteral("flv"), QStringLiteral("3gp")};
    return list;
}

int FormatChoice::extRank(const QStringList& list, const QString& ext)
{
    const int i = list.indexOf(ext);
    return i < 0 ? list.size() : i;
}

int FormatChoice::leadingInt(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > INT_MAX)
            value = INT_MAX;
        ++i;
    }
    return int(negative ? -value : value);
}

void FormatChoice::prepare(Item& item)
{
    std::stable_sort(item.medias.begin(), item.medias.end(), prepareBefore);
    for (int i = 0; i < item.medias.size(); ++i)
        item.medias[i].index = i;
}

bool FormatChoice::pickBefore(const Media& a, const Media& b, const Preference& pref)
{
    // 1. video or not, as the preference wants
    if (a.hasVideo() != b.hasVideo())
        return (a.hasVideo() && pref.prefVideo) || (!a.hasVideo() && !pref.prefVideo);
    // 2. native m3u8 last; among those, with audio first
    if (a.isM3u8Native != b.isM3u8Native)
        return !a.isM3u8Native;
    if (a.isM3u8Native && b.isM3u8Native && a.hasAudio() != b.hasAudio())
        return a.hasAudio();
    // 3. extension, the preferred one first
    QStringList exts = extensionList();
    if (!pref.preferredExt.isEmpty()) {
        exts.removeAll(pref.preferredExt);
        exts.prepend(pref.preferredExt);
    }
    const int ra = extRank(exts, a.targetExt.toLower()), rb = extRank(exts, b.targetExt.toLower());
    if (ra != rb)
        return ra < rb;
    // 4. height
    if (const int c = closeness(heightOf(a), heightOf(b), pref.prefHeight))
        return c > 0;
    // 5. an "hls" format never comes first
    if (a.formatId.contains(QLatin1String("hls")))
        return false;
    // 6. frame rate
    if (const int c = closeness(fpsOf(a), fpsOf(b), pref.prefFps))
        return c > 0;
    // 7. audio bit rate
    const int aa = abrOf(a), ab = abrOf(b), A = pref.prefAbr;
    if (A == -1) {
        if (aa != ab)
            return aa > ab;
    } else {
        if (aa == A)
            return true;
        if (ab == A)
            return false;
        if (aa > A && ab < A)
            return true;
        if (ab > A && aa < A)
            return false;
        const int da = std::abs(aa - A), db = std::abs(ab - A);
        if (da != db)
            return da < db;
    }
    // 8. the bigger file
    return sizeOf(a) >= sizeOf(b);
}

QList<int> FormatChoice::pickOrder(const Item& item)
{
    const bool music = musicMode();
    const Preference pref = preference();
    QList<int> order;
    for (int i = 0; i < item.medias.size(); ++i) {
        const Media& m = item.medias.at(i);
        if (music ? m.hasVideo() : m.forgeMediaForMp3)
            continue;
        // The comparison may answer yes both ways and may even cycle, so
        // no sort or tree can take it. Each new format goes in front of the
        // first one that is not before it: the same place a descent through
        // an ordered tree would give for a well-behaved comparison, and
        // among formats it cannot tell apart the earlier one stays first.
        int pos = 0;
        while (pos < order.size() && pickBefore(item.medias.at(order.at(pos)), m, pref))
            ++pos;
        order.insert(pos, i);
    }
    return order;
}

int FormatChoice::pick(const Item& item)
{
    const QList<int> order = pickOrder(item);
    if (order.isEmpty())
        return -1;
    if (musicMode() && item.audioLanIndex > 0 && item.audioLanIndex < item.audioLans.size()) {
        const QString lang = item.audioLans.at(item.audioLanIndex).language;
        for (int i : order)
            if (item.medias.at(i).language == lang)
                return i;
    }
    return order.first();
}

int FormatChoice::chosen(const Item& item)
{
    return item.chosenMediaIndex != -1 ? item.chosenMediaIndex : pick(item);
}

void FormatChoice::reset()
{
    ChoiceState& s = state();
    std::unique_lock l(s.lock);
    s.pref.preferredExt = s.defaultExt;
    s.pref.prefHeight = zeroToNone(leadingInt(s.defaultResolution));
    s.pref.prefFps = -1;
    s.pref.prefAbr = -1;
}

void FormatChoice::takePreference(const Media& media)
{
    ChoiceState& s = state();
    std::unique_lock l(s.lock);
    s.pref.preferredExt = media.targetExt;
    s.pref.prefHeight = zeroToNone(heightOf(media));
    if (media.hasVideo()) {
        s.pref.prefFps = zeroToNone(fpsOf(media));
        s.pref.prefAbr = -1;
        s.pref.prefVideo = true;
    } else {
        s.pref.prefFps = -1;
        s.pref.prefAbr = zeroToNone(abrOf(media));
        s.pref.prefVideo = false;
    }
}

FormatChoice::Preference FormatChoice::preference()
{
    ChoiceState& s = state();
    std::unique_lock l(s.lock);
    return s.pref;
}

void FormatChoice::setPreference(const Preference& pref)
{
    ChoiceState& s = state();
    std::unique_lock l(s.lock);
    s.pref = pref;
}

bool FormatChoice::isMainSiteItem(const Item& item)
{
    return Youtube::instance()->loginSite(item.url).contains(QLatin1String("youtube"), Qt::CaseInsensitive);
}

QList<int> FormatChoice::shownFormats(const Item& item)
{
    const bool music = musicMode();
    const int chosenIndex = chosen(item);
    const bool mainSite = !music && isMainSiteItem(item);
    QList<int> shown;
    for (int i = 0; i < item.medias.size(); ++i) {
        const Media& m = item.medias.at(i);
        const bool show = music ? !m.hasVideo() : !(m.forgeMediaForMp3 || (!m.hasVideo() && mainSite));
        if (show)
            shown.append(i);
    }
    if (item.showAllMedia)
        return shown;
    while (shown.size() > 4)
        shown.removeLast();
    if (chosenIndex >= 0 && chosenIndex < item.medias.size()
        && (shown.isEmpty() || chosenIndex > shown.last())) {
        if (shown.size() < 3)
            shown.append(chosenIndex);
        else {
            shown.insert(3, chosenIndex);
            while (shown.size() > 4)
                shown.removeLast();
        }
    }
    return shown;
}

YoutubeItem FormatChoice::formatRow(const Item& item, int k)
{
    const int chosenIndex = chosen(item);
    if (k == -1)
        k = chosenIndex;
    YoutubeItem row;
    row.index = k;
    row.checkState = (k == chosenIndex && item.checkState == 2) ? 2 : 0;
    row.analysed = item.analysed;
    if (k < 0 || k >= item.medias.size())
        return row;
    const Media& m = item.medias.at(k);
    row.resolution = Youtube_Structure::resolutionText(m.width, m.height);
    row.codec = m.vcodec.isEmpty() ? m.acodec : m.vcodec;
    row.ext = m.targetExt;
    row.fps = (m.fps.isEmpty() && m.hasVideo()) ? QStringLiteral("N/A") : m.fps;
    row.abr = m.abr.isEmpty() ? QStringLiteral("N/A") : m.abr;
    row.size = m.filesize.isEmpty() ? QStringLiteral("N/A") : sizeText(m.filesize);
    row.language = m.language;
    return row;
}

YoutubeList FormatChoice::formatList(const Item& item)
{
    YoutubeList out;
    out.type = YtbFormatsLevel;
    if (!item.analysed)
        return out;
    out.info.title = item.title;
    out.info.url = item.url;
    out.info.thumbnail = item.thumbnail;
    out.info.image = item.image;
    out.info.note = item.note;
    out.info.subLangs = item.subLangs;
    out.info.searchingSubtitles = item.searchingSubtitles;
    out.info.showFormats = true;
    if (item.status != YtbNoError)
        out.info.showFormats = false;
    if (!item.note.isEmpty())
        out.info.showFormats = true;
    const QList<int> shown = shownFormats(item);
    for (int k : shown)
        out.items.append(formatRow(item, k));
    return out;
}

QString FormatChoice::sizeText(const QString& text)
{
    const double b = textDouble(text);
    const double kb = b / 1024.0, mb = kb / 1024.0, gb = mb / 1024.0;
    if (gb > 0.95)
        return QString::number(gb, 'f', 2) + QStringLiteral("GB");
    if (mb > 0.95)
        return QString::number(mb, 'f', 2) + QStringLiteral("MB");
    if (kb > 0.95)
        return QString::number(kb, 'f', 2) + QStringLiteral("KB");
    if (b > 0)
        return text + QStringLiteral("B");
    return text;
}

QStringList FormatChoice::extList()
{
    return {QStringLiteral("mp4"), QStringLiteral("webm"), QStringLiteral("flv"), QStringLiteral("3gp")};
}

QString FormatChoice::defaultExt()
{
    const QString stored = SettingsStore::instance()->value(kDefaultExtKey);
    ChoiceState& s = state();
    std::unique_lock l(s.lock);
    if (!stored.isEmpty())
        s.defaultExt = stored;
    return s.defaultExt;
}

void FormatChoice::setDefaultExt(const QString& ext)
{
    ChoiceState& s = state();
    const bool known = extensionList().contains(ext);
    {
        std::unique_lock l(s.lock);
        if (known) {
            s.defaultExt = ext;
            s.pref.preferredExt = ext;
        }
        const QString lower = ext.toLower();
        s.pref.prefVideo = lower != QLatin1String("m4a") && lower != QLatin1String("mp3");
    }
    if (known)
        SettingsStore::instance()->setValue(kDefaultExtKey, ext);
}

QStringList FormatChoice::resolutionList()
{
    ChoiceState& s = state();
    {
        std::unique_lock l(s.lock);
        if (!s.resolutionList.isEmpty())
            return s.resolutionList;
    }
    const QStringList list{QCoreApplication::translate("QObject", "Highest Resolution"),
                           QStringLiteral("1080p"), QStringLiteral("720p"), QStringLiteral("480p"),
                           QStringLiteral("360p"), QStringLiteral("240p")};
    QString stored = SettingsStore::instance()->value(kDefaultResolutionKey);
    std::unique_lock l(s.lock);
    if (s.resolutionList.isEmpty()) {
        s.resolutionList = list;
        if (stored.isEmpty())
            stored = list.first();
        s.defaultResolution = stored;
        s.pref.prefHeight = zeroToNone(leadingInt(stored));
    }
    return s.resolutionList;
}

QString FormatChoice::defaultResolution()
{
    resolutionList();
    ChoiceState& s = state();
    std::unique_lock l(s.lock);
    return s.defaultResolution;
}

void FormatChoice::setDefaultResolution(const QString& text)
{
    const QStringList list = resolutionList();
    if (!list.contains(text))
        return;
    {
        ChoiceState& s = state();
        std::unique_lock l(s.lock);
        s.defaultResolution = text;
        s.pref.prefHeight = zeroToNone(leadingInt(text));
    }
    SettingsStore::instance()->setValue(kDefaultResolutionKey, text == list.first() ? QString() : text);
}
