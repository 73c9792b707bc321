#pragma once

#include "function/Youtube/YoutubeStructure.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTemporaryFile;

// How the outside downloader program is run, once for the whole engine:
// the interpreter, the launcher script, the environment, the options every
// run shares, the wait with its stop flag, the test of the output and the
// tables that turn its error texts into YoutubeError values. The analysis
// runs are complete here; the download and subtitle runs build their own
// option lists from the same pieces.
//
// Every command line has the same shape:
//     <program> -I <launcher> <options...> -- <address>
// The address comes last, after "--", so an address beginning with "-"
// never becomes an option. Credentials never appear in it: they go into a
// private options file (CredentialsFile) named with "--config-locations".
namespace DownloaderProgram {

// The engine folder (setting youtube/path) in Qt's path form.
QString engineFolder();
// "<engine>/downloader-dlp/downloader": the launcher; the engine counts as
// present when it exists.
QString launcherPath();
// "<engine>/downloader-dlp/", with its trailing slash.
QString pluginFolder();
// The interpreter: one the engine pack brought ("<engine>/python/bin/python3")
// when it is there, else the system's /usr/bin/python3.
QString program();
// The interpreter's own arguments ahead of the options: "-I" (the working
// folder never lands on the module path) and the launcher.
QStringList programArguments();
// Writes the launcher when the file is missing (never replaces one a pack
// brought). False when it is missing and cannot be written.
bool ensureLauncher(QString* error = nullptr);
// The launcher text this program installs.
QByteArray launcherScript();
// The system environment without PYTHONHOME and without empty PATH
// elements.
QProcessEnvironment environment();
// The user's temporary folder.
QString workingFolder();

// Option pieces, each empty when its condition does not hold.
// "--proxy host:port" when proxy/enabled is "true" and host and port are set.
QStringList proxyArguments();
// "--config-locations <file>" for a credentials file; nothing for an empty path.
QStringList credentialArguments(const QString& credentialsFile);
// "--plugin-dirs <pluginFolder>".
QStringList pluginArguments();
// "--cookies <file>" when youtube/cookies is set.
QStringList cookieArguments();

enum RunKind { PageRun, PlaylistRun, VideoRun };
// The options of an analysis run, in this order: -i, --ignore-config,
// [--proxy], [--config-locations], [--no-playlist: page run with
// youtube/downloadFullList "false"], --plugin-dirs, [--flat-playlist: page
// and playlist runs], -J, [--cookies], "--", address. Without the
// interpreter's own arguments.
QStringList analysisArguments(RunKind kind, const QString& address, const QString& credentialsFile);

// Output test: without CR and LF, non-empty and not starting with "null".
bool outputUsable(const QByteArray& out);
// Whether the output of a list or video run describes anything: usable, a
// JSON object, and holding at least one of "id", "url", "formats" and
// "entries". Garbage, a cut-off document or an array is nothing to parse.
bool analysisOutputUsable(const QByteArray& out);
bool describesMedia(const QJsonObject& top);

// The three outcome tables, as pure functions of what the run left.
// Page run: usable output that built the lists gives 0; then the login
// texts 2, "ERROR: Unsupported URL" 6, the protocol hint with unusable
// output 10, anything else 9.
int pageOutcome(bool usable, bool built, const QByteArray& err);
// Playlist run: stop 5, usable output 0, "removed by the user" 4,
// "is private" 3, else 9.
int playlistOutcome(bool stopped, bool usable, const QByteArray& err);
// What a video run's error text says, in the table's order.
enum VideoError { VideoOtherError, VideoRemoved, VideoNeedsLogin, VideoCookieCheck };
VideoError videoErrorKind(const QByteArray& err);
// The login texts shared by the page and video tables.
bool hasLoginText(const QByteArray& err);
// The downloader's word that the chosen format does not exist: the
// engine's wording ("requested format not available") and the real one
// ("Requested format is not available"), in any case.
bool formatUnavailable(const QByteArray& text);

// Shared by every video run of one analysis; reset to 0 at each analysis
// start, -1 once it is known that no account helps.
QAtomicInt& accountRetryCount();
void resetAccountRetryCount();

} // namespace DownloaderProgram

// A private options file holding "-u" and "-p" for one run: mode 0600 in the
// user's temporary folder, removed when the object goes. The values are
// quoted for the downloader's shell-like option-file syntax.
class CredentialsFile
{
public:
    CredentialsFile();
    ~CredentialsFile();
    CredentialsFile(const CredentialsFile&) = delete;
    CredentialsFile& operator=(const CredentialsFile&) = delete;

    // False (and no file) when it cannot be written.
    bool write(const QString& user, const QString& password);
    QString path() const;

    // One value in single quotes; a single quote inside becomes '"'"'.
    static QString quote(const QString& value);
    static QByteArray contents(const QString& user, const QString& password);

private:
    std::unique_ptr<QTemporaryFile> m_file;
};

// One run of the downloader program: start, wait in short steps while
// watching the stop flag, read everything it printed.
class DownloaderRun
{
public:
    using StopFn = std::function<bool()>;

    struct Result
    {
        bool started = false;
        bool stopped = false;      // the stop flag ended the run
        int exitCode = -1;
        QProcess::ExitStatus exitStatus = QProcess::NormalExit;
        QString errorString;       // the process's own error text
        QByteArray out;
        QByteArray err;
    };

    // Runs program() with programArguments() + options. stop may be empty.
    // waitAfterCloseMs: how long a stopped run waits for the end of the
    // child (the tree is always ended; this bounds the wait).
    static Result run(const QStringList& options, const StopFn& stop = StopFn(), int waitAfterCloseMs = 5000);
    // Runs any program with the downloader's environment and working folder
    // (ffmpeg, tests).
    static Result runProgram(const QString& program, const QStringList& arguments,
                             const StopFn& stop = StopFn(), int waitAfterCloseMs = 5000);

    // The wait of every run: steps of at most 500 ms, the stop flag looked
    // at between steps (every 50 ms here, so a stop ends the run well
    // within the 500 ms it is allowed).
    static constexpr int kWaitStepMs = 500;
    static constexpr int kStopPollMs = 50;

    // The page run: result 0 when the usable output built the lists
    // (build returns true), else the table's code; 9 after a stop. Sets
    // the engine's last-error text as the contract says.
    static int pageRun(const QString& url, const QString& user, const QString& password,
                       const StopFn& stop, const std::function<bool(const QByteArray&)>& build);
    // The playlist run: the list's status. parse is called with a usable output.
    static int playlistRun(const QString& url, const QString& user, const QString& password,
                           const StopFn& stop, const std::function<void(const QByteArray&)>& parse);
    // The video run, with the login step and its attempts. user and
    // password are the run's, in and out: when the run takes the running
    // analysis's account they hold it on return (and already when parse is
    // called), so the item keeps the login a later download needs. parse
    // is called with a usable output.
    static int videoRun(const QString& url, QString& user, QString& password,
                        const StopFn& stop, const std::function<void(const QByteArray&)>& parse);
};
