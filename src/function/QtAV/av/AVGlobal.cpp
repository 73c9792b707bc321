#include "AVGlobal.h"

#include <QDebug>
#include <QFileInfo>
#include <QMutex>
#include <QUrl>
#include <mutex>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace TwAV {

namespace {
std::atomic<int> g_level{LogWarning};

void ffmpegLog(void* avcl, int level, const char* fmt, va_list vl)
{
    const int ours = g_level.load();
    if (ours == LogOff || level > AV_LOG_WARNING)
        return;
    if (ours == LogCritical && level > AV_LOG_ERROR)
        return;
    if (ours == LogFatal && level > AV_LOG_FATAL)
        return;
    char line[1024];
    int prefix = 1;
    av_log_format_line2(avcl, level, fmt, vl, line, sizeof line, &prefix);
    QByteArray text(line);
    while (text.endsWith('\n'))
        text.chop(1);
    if (!text.isEmpty())
        qWarning().noquote() << "ffmpeg:" << QString::fromUtf8(text);
}
} // namespace

void setLogLevel(LogLevel level)
{
    detail::ensureLogHook();
    g_level = level;
}

LogLevel logLevel()
{
    return LogLevel(g_level.load());
}

AVError::AVError(ErrorCode code, const QString& detail, int ffmpegCode)
    : m_code(code), m_detail(detail), m_ffmpegCode(ffmpegCode)
{
}

QString AVError::string() const
{
    QString base;
    switch (m_code) {
    case NoError: return QString();
    case OpenError: base = QStringLiteral("Cannot open the media"); break;
    case FormatError: base = QStringLiteral("No playable stream"); break;
    case ReadError: base = QStringLiteral("Reading the media failed"); break;
    case NetworkError: base = QStringLiteral("Network error"); break;
    case ResourceError: base = QStringLiteral("Cannot set up playback"); break;
    case UnknownError: base = QStringLiteral("Unknown error"); break;
    }
    if (!m_detail.isEmpty())
        base += QStringLiteral(": ") + m_detail;
    if (m_ffmpegCode)
        base += QStringLiteral(" (") + ffmpegErrorText(m_ffmpegCode) + QLatin1Char(')');
    return base;
}

QString ffmpegErrorText(int code)
{
    char buf[AV_ERROR_MAX_STRING_SIZE] = {0};
    av_strerror(code, buf, sizeof buf);
    return QString::fromUtf8(buf);
}

namespace detail {

void ensureLogHook()
{
    static std::once_flag once;
    std::call_once(once, [] {
        av_log_set_callback(ffmpegLog);
        qRegisterMetaType<TwAV::AVError>("TwAV::AVError");
    });
}

namespace {
std::atomic<StageReceiver> g_stageReceiver{nullptr};
} // namespace

void setStageReceiver(StageReceiver receiver)
{
    g_stageReceiver = receiver;
}

void markStage(const char* stage)
{
    if (const StageReceiver receiver = g_stageReceiver.load(std::memory_order_relaxed))
        receiver(stage);
}

bool isNetworkSource(const QString& source)
{
    return source.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || source.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

const char* protocolWhitelist(const QString& source)
{
    return isNetworkSource(source) ? "http,https,tcp,tls,crypto,httpproxy" : "file,crypto";
}

namespace {
int interruptCallback(void* opaque)
{
    auto* abort = static_cast<const std::atomic_bool*>(opaque);
    return abort && abort->load() ? 1 : 0;
}

// An "http_proxy" that names no host ("http://:0") would make every request
// fail, so such a value is left out.
bool usableProxy(const QString& value)
{
    return !QUrl(value).host().isEmpty();
}
} // namespace

AVFormatContext* openSource(const QString& sourceIn, const QVariantHash& options,
                            const std::atomic_bool* abort, AVError* error)
{
    ensureLogHook();
    QString source = sourceIn;
    if (source.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        source = QUrl(source).toLocalFile();
    if (source.isEmpty()) {
        *error = AVError(AVError::OpenError, QStringLiteral("no source"));
        return nullptr;
    }
    AVFormatContext* ctx = avformat_alloc_context();
    if (!ctx) {
        *error = AVError(AVError::ResourceError, QStringLiteral("out of memory"));
        return nullptr;
    }
    ctx->interrupt_callback.callback = interruptCallback;
    ctx->interrupt_callback.opaque = const_cast<std::atomic_bool*>(abort);

    AVDictionary* dict = nullptr;
    for (auto it = options.cbegin(); it != options.cend(); ++it) {
        const QString value = it.value().toString();
        if (it.key() == QLatin1String("http_proxy") && !usableProxy(value))
            continue;
        if (it.key() == QLatin1String("protocol_whitelist"))
            continue;
        av_dict_set(&dict, it.key().toUtf8().constData(), value.toUtf8().constData(), 0);
    }
    // Only these protocols: a "concat:" or "ftp:" address must not reach
    // other files or hosts than the one named, and a playlist from the web
    // must not name files on this machine (its segments inherit the list).
    av_dict_set(&dict, "protocol_whitelist", protocolWhitelist(source), 0);
    // FFmpeg leaves certificate checks off unless asked.
    if (!options.contains(QStringLiteral("tls_verify")))
        av_dict_set(&dict, "tls_verify", "1", 0);

    int rc = avformat_open_input(&ctx, source.toUtf8().constData(), nullptr, &dict);
    av_dict_free(&dict);
    markStage("open");
    if (rc < 0) {
        // avformat_open_input frees the context on failure.
        const bool aborted = abort && abort->load();
        *error = AVError(isNetworkSource(source) ? AVError::NetworkError : AVError::OpenError,
                         aborted ? QStringLiteral("aborted") : source, rc);
        return nullptr;
    }
    rc = avformat_find_stream_info(ctx, nullptr);
    markStage("probe");
    if (rc < 0) {
        avformat_close_input(&ctx);
        *error = AVError(AVError::FormatError, source, rc);
        return nullptr;
    }
    bool any = false;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const AVMediaType t = ctx->streams[i]->codecpar->codec_type;
        if (t == AVMEDIA_TYPE_AUDIO || t == AVMEDIA_TYPE_VIDEO)
            any = true;
    }
    if (!any) {
        avformat_close_input(&ctx);
        *error = AVError(AVError::FormatError, source);
        return nullptr;
    }
    return ctx;
}

} // namespace detail
} // namespace TwAV
