#include "function/Youtube/private/Analyser/PlayItemAnalyser.h"

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Analyser/AnalyseThread.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/FormatChoice.h"
#include "shell/ImageDownloader.h"
#include "shell/SettingsStore.h"

#include <QDateTime>
#include <QDebug>
#include <QJsonDocument>
#include <QJsonValue>
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <shared_mutex>

using Youtube_Structure::AudioLan;
using Youtube_Structure::Item;
using Youtube_Structure::Media;

namespace {

// A JSON number that is a whole number within the int range; else nothing.
bool wholeInt(const QJsonValue& v, int* out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(std::numeric_limits<int>::min())
        || d > double(std::numeric_limits<int>::max()))
        return false;
    *out = int(d);
    return true;
}

int wholeIntOrZero(const QJsonValue& v)
{
    int n = 0;
    return wholeInt(v, &n) ? n : 0;
}

// "id" may come as a number from some sites.
QString idText(const QJsonValue& v)
{
    if (v.isString())
        return v.toString();
    if (v.isDouble()) {
        int n = 0;
        if (wholeInt(v, &n))
            return QString::number(n);
        return QString::number(v.toDouble(), 'g', 17);
    }
    return QString();
}

// The integer left after every ASCII letter is dropped; 0 when none is left.
qint64 lettersDroppedInt(QString text)
{
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]"));
    text.remove(letters);
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return ok ? n : 0;
}

void askThumbnail(const QString& url)
{
    if (!url.isEmpty())
        ImageDownloader::instance()->download(url);
}

void appendSubtitleKeys(const QJsonObject& subtitles, Item* item)
{
    // keys() comes back in alphabetical order.
    const QStringList keys = subtitles.keys();
    for (const QString& k : keys)
        item->subLangs.append(SubLang{k, false});
}

} // namespace

PlayItemAnalyser::PlayItemAnalyser(QObject* parent) : PoolThread(parent) {}

PlayItemAnalyser::~PlayItemAnalyser()
{
    m_stop.store(1);
    shutDown();
}

QString PlayItemAnalyser::jsonText(const QJsonObject& object, const QString& key, bool numeric)
{
    const auto it = object.constFind(key);
    if (it == object.constEnd())
        return QString();
    QString text;
    if (numeric)
        text = it->isDouble() ? QString::number(it->toDouble(), 'g', 6) : QStringLiteral("0");
    else
        text = it->isString() ? it->toString() : QString();
    const QString lower = text.toLower();
    if (lower == QLatin1String("null") || lower == QLatin1String("none"))
        return QString();
    if (text == QLatin1String("0") && key != QLatin1String("format_id"))
        return QString();
    return text;
}

bool PlayItemAnalyser::parseItemJson(const QByteArray& json, Item* item)
{
    QJsonObject object = QJsonDocument::fromJson(json).object();
    const QJsonValue entries = object.value(QStringLiteral("entries"));
    // The parts of a multi-part video are its entries too; they are read
    // together below, not as a list to pick one from.
    const bool multiVideo = jsonText(object, QStringLiteral("_type")) == QLatin1String("multi_video");
    if (!multiVideo && entries.isArray() && !entries.toArray().isEmpty()) {
        const QJsonArray array = entries.toArray();
        object = array.first().toObject();
        const QJsonValue wanted(item->id);
        for (const QJsonValue& e : array) {
            if (e.toObject().value(QStringLiteral("id")) == wanted) {
                object = e.toObject();
                break;
            }
        }
    }
    if (jsonText(object, QStringLiteral("_type")) == QLatin1String("multi_video")) {
        parseMultiVideo(object, item);
    } else {
        parseVideo(object, item);
        item->accountUser = m_user;
        item->accountPassword = m_password;
    }
    return true;
}

void PlayItemAnalyser::parseVideo(const QJsonObject& object, Item* item)
{
    item->thumbnail = jsonText(object, QStringLiteral("thumbnail"));
    askThumbnail(item->thumbnail);
    if (object.contains(QStringLiteral("id")))
        item->id = idText(object.value(QStringLiteral("id")));
    if (object.contains(QStringLiteral("is_live")))
        item->isLive = object.value(QStringLiteral("is_live")).toBool(false);
    if (object.contains(QStringLiteral("duration")))
        item->duration = wholeIntOrZero(object.value(QStringLiteral("duration")));
    if (!item->isLive && object.contains(QStringLiteral("protocol"))
        && object.value(QStringLiteral("protocol")).toString().toLower() == QLatin1String("m3u8"))
        item->isM3u8 = true;
    if (item->isM3u8 && item->duration < 1)
        item->isLive = true;
    if (item->isLive && item->duration < 1)
        item->duration = -1;

    item->title = jsonText(object, QStringLiteral("title"));
    if (item->title.isEmpty() && !item->isM3u8)
        item->title = item->id;
    if (item->title.isEmpty())
        item->title = jsonText(object, QStringLiteral("webpage_url"));
    item->uploader = jsonText(object, QStringLiteral("uploader"));

    if (object.contains(QStringLiteral("subtitles")))
        appendSubtitleKeys(object.value(QStringLiteral("subtitles")).toObject(), item);

    if (!object.contains(QStringLiteral("formats"))) {
        Media m;
        m.url = object.value(QStringLiteral("url")).toString();
        if (m.url.isEmpty())
            m.url = item->url;
        m.ext = object.value(QStringLiteral("ext")).toString();
        m.targetExt = m.ext;
        m.videoPartCount = 1;
        item->medias.append(m);
    } else {
        analyseFormatsArray(object, object.value(QStringLiteral("formats")).toArray(), item->medias, item->audioLans,
                            item->isLive);
        const QString langCode = SettingsStore::instance()->value(QStringLiteral("youtube/langCode"));
        for (int i = 0; i < item->audioLans.size(); ++i) {
            if (item->audioLans.at(i).name.contains(langCode, Qt::CaseSensitive))
                item->audioLanIndex = i;
        }
    }
    if (item->medias.size() == 1)
        item->medias.first().formatId = QStringLiteral("best");
    fillPlayUrl(object, item);
}

void PlayItemAnalyser::fillPlayUrl(const QJsonObject& object, Item* item)
{
    if (item->medias.isEmpty())
        return;
    for (const Media& m : qAsConst(item->medias)) {
        if (m.hasVideo() && m.hasAudio()) {
            item->preview = m.url;
            return;
        }
    }
    if (item->preview.isEmpty())
        item->preview = jsonText(object, QStringLiteral("url"));
    if (item->preview.isEmpty())
        item->preview = item->medias.first().url;
}

bool PlayItemAnalyser::parseMultiVideo(const QJsonObject& object, Item* item)
{
    if (object.contains(QStringLiteral("id")))
        item->id = idText(object.value(QStringLiteral("id")));
    item->title = jsonText(object, QStringLiteral("title"));
    if (item->title.isEmpty())
        item->title = item->id;
    if (item->title.isEmpty())
        item->title = jsonText(object, QStringLiteral("webpage_url"));

    Media m;
    qint64 totalSize = 0;
    const QJsonArray parts = object.value(QStringLiteral("entries")).toArray();
    for (const QJsonValue& pv : parts) {
        const QJsonObject part = pv.toObject();
        if (m.ext.isEmpty()) {
            m.ext = part.value(QStringLiteral("ext")).toString();
            m.targetExt = m.ext;
            m.vcodec = m.targetExt;
        }
        if (item->thumbnail.isEmpty()) {
            item->thumbnail = jsonText(part, QStringLiteral("thumbnail"));
            if (m_listThumbnail)
                m_foundListThumbnail = item->thumbnail;
            askThumbnail(item->thumbnail);
        }
        if (item->uploader.isEmpty())
            item->uploader = jsonText(part, QStringLiteral("uploader"));
        if (part.contains(QStringLiteral("duration")))
            item->duration += wholeIntOrZero(part.value(QStringLiteral("duration")));
        if (item->subLangs.isEmpty() && part.contains(QStringLiteral("subtitles")))
            appendSubtitleKeys(part.value(QStringLiteral("subtitles")).toObject(), item);
        if (part.contains(QStringLiteral("formats"))) {
            const QJsonArray formats = part.value(QStringLiteral("formats")).toArray();
            for (const QJsonValue& f : formats) {
                int size = 0;
                if (wholeInt(f.toObject().value(QStringLiteral("filesize")), &size) && size > 0) {
                    totalSize += size;
                    break;
                }
            }
        }
    }
    if (!parts.isEmpty())
        m.videoPartCount = parts.size();

    fillPlayUrl(object, item);
    m.url = item->url;
    m.filesize = QString::number(totalSize);
    item->medias.append(m);
    item->medias.first().formatId = QStringLiteral("best");
    item->accountUser = m_user;
    item->accountPassword = m_password;
    return true;
}

void PlayItemAnalyser::analyseFormatsArray(const QJsonObject& itemObject, const QJsonArray& formats,
                                           QVector<Media>& medias, QVector<AudioLan>& audioLans, bool isLive)
{
    const bool mainSite = jsonText(itemObject, QStringLiteral("extractor")) == QLatin1String("youtube");
    QStringList seenBases;
    for (const QJsonValue& fv : formats) {
        if (!fv.isObject())
            continue;
        const QJsonObject f = fv.toObject();
        Media m;
        m.formatId = jsonText(f, QStringLiteral("format_id"));
        m.url = jsonText(f, QStringLiteral("url"));
        m.vcodec = jsonText(f, QStringLiteral("vcodec"));
        m.acodec = jsonText(f, QStringLiteral("acodec"));
        m.width = jsonText(f, QStringLiteral("width"), true);
        m.height = jsonText(f, QStringLiteral("height"), true);
        m.fps = jsonText(f, QStringLiteral("fps"), true);
        m.abr = jsonText(f, QStringLiteral("abr"), true);
        m.asr = jsonText(f, QStringLiteral("asr"), true);
        m.filesize = jsonText(f, QStringLiteral("filesize"), true);
        m.ext = jsonText(f, QStringLiteral("ext"));
        m.targetExt = m.ext;
        m.isM3u8Native = jsonText(f, QStringLiteral("protocol")) == QLatin1String("m3u8_native");
        m.forgeMediaForMp3 = false;
        m.videoPartCount = 1;

        const QString language = jsonText(f, QStringLiteral("language"));
        if (jsonText(f, QStringLiteral("resolution")) == QLatin1String("audio only") && !language.isEmpty()) {
            const int dash = language.indexOf(QLatin1Char('-'));
            const QString base = dash < 0 ? language : language.left(dash);
            m.language = base;
            const qint64 score = lettersDroppedInt(jsonText(f, QStringLiteral("asr"), true)) * 1000
                                 + lettersDroppedInt(jsonText(f, QStringLiteral("abr"), true));
            const AudioLan lan{base, language, jsonText(f, QStringLiteral("format_id")), jsonText(f, QStringLiteral("ext")),
                               score};
            const int seen = seenBases.indexOf(base);
            if (seen < 0) {
                audioLans.append(lan);
                seenBases.append(base);
            } else {
                for (AudioLan& existing : audioLans) {
                    if (existing.language == base) {
                        if (existing.abr <= score)
                            existing = lan;
                        break;
                    }
                }
            }
        }

        if (m.vcodec.isEmpty() && m.acodec.isEmpty() && !mainSite) {
            qInfo() << "youtube PlayItem->media: audio and video codec is none";
            qInfo() << "url:" << m.url;
            m.vcodec = m.targetExt;
            if (jsonText(f, QStringLiteral("format")).section(QLatin1Char('+'), 0, 0).contains(QLatin1String("audio only"))) {
                qInfo() << "youtube PlayItem->media: audio and video codec is none, audio only";
                m.vcodec.clear();
                // A plain audio file (an .mp3 or .m4a address, a feed's
                // enclosure) is this one format: it is audio named by its
                // file type, or nothing could be downloaded.
                m.acodec = m.targetExt;
            }
        }
        if (!m.vcodec.isEmpty() || !m.acodec.isEmpty())
            medias.append(m);
    }

    if (audioLans.size() > 1)
        audioLans.prepend(AudioLan{QStringLiteral("Auto"), QStringLiteral("Auto"), QString(), QString(), 0});

    if (medias.isEmpty())
        return;
    if (!isLive) {
        int best = -1;
        for (int k = 0; k < medias.size(); ++k) {
            const Media& cand = medias.at(k);
            if (cand.targetExt.toLower().contains(QLatin1String("mp3"))) {
                best = -1;
                break;
            }
            if (best < 0) {
                best = k;
                continue;
            }
            const Media& b = medias.at(best);
            // Sizes written with an exponent read as 0 and never win.
            const int candSize = cand.filesize.toInt();
            if (candSize != 0 && !b.acodec.isEmpty() && candSize < b.filesize.toInt() && !cand.acodec.isEmpty())
                best = k;
        }
        if (best >= 0) {
            Media mp3 = medias.at(best);
            mp3.vcodec.clear();
            mp3.width.clear();
            mp3.height.clear();
            mp3.fps.clear();
            mp3.targetExt = QStringLiteral("mp3");
            mp3.forgeMediaForMp3 = true;
            medias.append(mp3);
        }
    } else {
        Youtube* engine = Youtube::instance();
        if (engine->isMusicMode()) {
            emit engine->doLiveMusicToVideo();
            engine->setMusicMode(false);
        }
    }
}

void PlayItemAnalyser::publish(const Item& done, Item* target, int checkStateAtStart)
{
    // The user may tick the item while it is analysed; the tick stands
    // unless the analysis itself decided the check state.
    if (done.checkState != checkStateAtStart)
        target->checkState = done.checkState;
    target->title = done.title;
    target->uploader = done.uploader;
    target->thumbnail = done.thumbnail;
    target->preview = done.preview;
    target->id = done.id;
    target->duration = done.duration;
    target->subLangs = done.subLangs;
    target->medias = done.medias;
    target->audioLans = done.audioLans;
    target->audioLanIndex = done.audioLanIndex;
    target->analysed = done.analysed;
    target->status = done.status;
    target->isLive = done.isLive;
    target->isM3u8 = done.isM3u8;
    target->accountUser = done.accountUser;
    target->accountPassword = done.accountPassword;
}

bool PlayItemAnalyser::analyse(Item* item, int listIndex, int itemIndex, QString* listThumbnail, const QString& user,
                               const QString& password, bool several)
{
    m_item = item;
    m_listIndex = listIndex;
    m_itemIndex = itemIndex;
    m_listThumbnail = listThumbnail;
    m_user = user;
    m_password = password;
    m_several = several;
    m_foundListThumbnail.clear();
    if (!item)
        return false;

    bool preparsed = false;
    {
        std::shared_lock l(AnalyseThread::modelLock());
        preparsed = item && !item->medias.isEmpty();
    }
    if (preparsed) {
        finishPreparsed();
        return false;
    }
    // A stop meant for the member's last job must not cancel this one.
    m_stop.store(0);
    post();
    return true;
}

void PlayItemAnalyser::finishPreparsed()
{
    Item work;
    {
        std::shared_lock l(AnalyseThread::modelLock());
        work = *m_item;
    }
    const int checkStateAtStart = work.checkState;
    if (work.isM3u8) {
        work.id = QDateTime::currentDateTime().toString(Qt::TextDate);
        if (work.title.isEmpty())
            work.title = work.id;
    }
    work.status = YtbNoError;
    work.checkState = 2;
    work.analysed = true;
    FormatChoice::prepare(work);
    {
        std::unique_lock l(AnalyseThread::modelLock());
        publish(work, m_item, checkStateAtStart);
    }
    emit doPlaylistItemReady(m_listIndex, m_itemIndex);
    m_stop.store(0);
}

void PlayItemAnalyser::stop()
{
    if (!isBusy())
        return;
    m_stop.store(1);
    if (m_item) {
        std::unique_lock l(AnalyseThread::modelLock());
        m_item->analysing = false;
    }
}

void PlayItemAnalyser::finishRun(Item& work, int status, int checkStateAtStart)
{
    work.analysed = true;
    // A live stream cannot be part of a batch download.
    if (m_several && work.isLive)
        status = YtbAnalyseFailed;
    work.status = status;
    if (status != YtbNoError) {
        work.checkState = 0;
        AnalyseThread::pauseUnlessStopped(m_stop, AnalyseThread::kFailurePauseMs);
    }
    if (work.isM3u8) {
        work.id = QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd-hhmmss"));
        if (work.title.isEmpty())
            work.title = work.id;
    }
    FormatChoice::prepare(work);
    {
        std::unique_lock l(AnalyseThread::modelLock());
        publish(work, m_item, checkStateAtStart);
        if (m_listThumbnail && !m_foundListThumbnail.isEmpty())
            *m_listThumbnail = m_foundListThumbnail;
    }
}

void PlayItemAnalyser::analyseFromOutput(Item* item, int listIndex, int itemIndex, QString* listThumbnail,
                                         const QString& user, const QString& password, bool several,
                                         const QByteArray& output)
{
    m_item = item;
    m_listIndex = listIndex;
    m_itemIndex = itemIndex;
    m_listThumbnail = listThumbnail;
    m_user = user;
    m_password = password;
    m_several = several;
    m_foundListThumbnail.clear();
    Item work;
    {
        std::shared_lock l(AnalyseThread::modelLock());
        work = *m_item;
    }
    const int checkStateAtStart = work.checkState;
    parseItemJson(output, &work);
    qDebug() << "ytb item analyse success";
    finishRun(work, YtbNoError, checkStateAtStart);
    emit doPlaylistItemReady(m_listIndex, m_itemIndex);
    m_stop.store(0);
}

void PlayItemAnalyser::runJob()
{
    Item work;
    {
        std::shared_lock l(AnalyseThread::modelLock());
        work = *m_item;
    }
    const int checkStateAtStart = work.checkState;
    // The run may take the stored account; m_user and m_password then hold
    // it, and the parse below hands it on to the item.
    int status = DownloaderRun::videoRun(
        work.url, m_user, m_password, [this] { return isStopping(); },
        [this, &work](const QByteArray& out) { parseItemJson(out, &work); });
    finishRun(work, status, checkStateAtStart);
    emit doPlaylistItemReady(m_listIndex, m_itemIndex);
    m_stop.store(0);
}
