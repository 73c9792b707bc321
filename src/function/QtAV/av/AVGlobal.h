#pragma once

// Common pieces of the media layer: log level, error type, decoder ids and the
// way a source is opened with libavformat (shared by the player and the frame
// extractor).

#include <QMetaType>
#include <QString>
#include <QVariantHash>
#include <atomic>
#include <functional>

struct AVFormatContext;

namespace TwAV {

enum LogLevel { LogOff, LogDebug, LogWarning, LogCritical, LogFatal, LogAll };

// FFmpeg's own warnings go to the program's log; LogOff silences them.
void setLogLevel(LogLevel level);
LogLevel logLevel();

// Decoders are chosen by id; only software decoding exists here, every other
// id is skipped.
typedef int VideoDecoderId;
enum : VideoDecoderId { SoftwareDecoderId = 0 };

class AVError
{
public:
    enum ErrorCode {
        NoError,
        OpenError,        // the source could not be opened
        FormatError,      // opened, but no playable stream
        ReadError,        // a read failed while playing
        NetworkError,
        ResourceError,    // decoder or output could not be set up
        UnknownError
    };
    AVError() = default;
    AVError(ErrorCode code, const QString& detail = QString(), int ffmpegCode = 0);
    ErrorCode error() const { return m_code; }
    int ffmpegErrorCode() const { return m_ffmpegCode; }
    QString string() const;
private:
    ErrorCode m_code = NoError;
    QString m_detail;
    int m_ffmpegCode = 0;
};

// FFmpeg's text for an error number.
QString ffmpegErrorText(int code);

namespace detail {

// Opens `source` (a local path or an http(s) address) with the given
// format options. `abort` cuts a blocked open or read short. On failure the
// context is null and `error` says why.
AVFormatContext* openSource(const QString& source, const QVariantHash& options,
                            const std::atomic_bool* abort, AVError* error);
bool isNetworkSource(const QString& source);
// The protocols a source may use, for itself and for whatever it names
// (playlist segments, keys): a source from the web stays on the web, any
// other stays on this machine's files. The ffmpeg program's input obeys the
// same list.
const char* protocolWhitelist(const QString& source);
void ensureLogHook();

// Steps on the way to the first picture ("open", "probe", ...), handed to a
// receiver that a measuring program may set; without one nothing happens.
using StageReceiver = void (*)(const char* stage);
void setStageReceiver(StageReceiver receiver);
void markStage(const char* stage);

} // namespace detail
} // namespace TwAV

Q_DECLARE_METATYPE(TwAV::AVError)
