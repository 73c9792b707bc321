#include "function/Youtube/private/DownloaderProgram.h"

#include "function/Youtube/Youtube.h"
#include "platform/ProcessTree.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

static void initLauncherResource()
{
    Q_INIT_RESOURCE(engine_launcher);
}

namespace DownloaderProgram {

namespace {

QString setting(const char* key)
{
    return SettingsStore::instance()->value(QLatin1String(key));
}

const char* const kLoginTexts[] = {
    "This playlist is private",
    "Unable to extract user hash",
    "Unable to log",
    "No login info available",
    "ERROR: This video is only available for registered users",
};

const char* const kVideoLoginTexts[] = {
    "This video is private",
    "Unable to extract user hash",
    "Unable to log",
    "No login info available",
    "ERROR: This video is only available for registered users",
};

} // namespace

QString engineFolder()
{
    return QDir::cleanPath(SettingsStore::fromStoredPath(setting("youtube/path")));
}

QString launcherPath()
{
    return QStringLiteral("%1/%2").arg(engineFolder(), QStringLiteral("downloader-dlp/downloader"));
}

QString pluginFolder()
{
    return QStringLiteral("%1/%2").arg(engineFolder(), QStringLiteral("downloader-dlp/"));
}

QString program()
{
    const QFileInfo bundled(QDir(engineFolder()).filePath(QStringLiteral("python/bin/python3")));
    if (bundled.isFile() && bundled.isExecutable())
        return bundled.absoluteFilePath();
    return QStringLiteral("/usr/bin/python3");
}

QStringList programArguments()
{
    return {QStringLiteral("-I"), launcherPath()};
}

QByteArray launcherScript()
{
    initLauncherResource();
    QFile f(QStringLiteral(":/engine/downloader"));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool ensureLauncher(QString* error)
{
    const QString path = launcherPath();
    if (QFileInfo::exists(path))
        return true;
    const QByteArray script = launcherScript();
    QString why;
    if (script.isEmpty())
        why = QStringLiteral("launcher text missing");
    else if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        why = QStringLiteral("cannot make %1").arg(QFileInfo(path).absolutePath());
    else {
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(script) != script.size() || !f.commit())
            why = f.errorString();
        else
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                            | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    if (!why.isEmpty()) {
        qWarning() << "cannot install the downloader launcher:" << why;
        if (error)
            *error = why;
        return false;
    }
    return true;
}

QProcessEnvironment environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Debian's interpreter aborts with a foreign PYTHONHOME.
    env.remove(QStringLiteral("PYTHONHOME"));
    // An empty PATH element means the working folder.
    QStringList parts = env.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        parts = QStringList{QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/bin"), QStringLiteral("/bin")};
    env.insert(QStringLiteral("PATH"), parts.join(QLatin1Char(':')));
    return env;
}

QString workingFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

QStringList proxyArguments()
{
    const QString host = setting("proxy/hostName");
    const QString port = setting("proxy/port");
    if (setting("proxy/enabled") != QLatin1String("true") || host.isEmpty() || port.isEmpty())
        return {};
    return {QStringLiteral("--proxy"), host + QLatin1Char(':') + port};
}

QStringList credentialArguments(const QString& credentialsFile)
{
    if (credentialsFile.isEmpty())
        return {};
    return {QStringLiteral("--config-locations"), credentialsFile};
}

QStringList pluginArguments()
{
    return {QStringLiteral("--plugin-dirs"), pluginFolder()};
}

QStringList cookieArguments()
{
    const QString cookies = setting("youtube/cookies");
    if (cookies.isEmpty())
        return {};
    return {QStringLiteral("--cookies"), cookies};
}

QStringList analysisArguments(RunKind kind, const QString& address, const QString& credentialsFile)
{
    QStringList a{QStringLiteral("-i"), QStringLiteral("--ignore-config")};
    a += proxyArguments();
    a += credentialArguments(credentialsFile);
    if (kind == PageRun && setting("youtube/downloadFullList") == QLatin1String("false"))
        a << QStringLiteral("--no-playlist");
    a += pluginArguments();
    if (kind != VideoRun)
        a << QStringLiteral("--flat-playlist");
    a << QStringLiteral("-J");
    a += cookieArguments();
    a << QStringLiteral("--") << address;
    return a;
}

bool outputUsable(const QByteArray& out)
{
    QByteArray text = out;
    text.replace('\r', QByteArray()).replace('\n', QByteArray());
    return !text.isEmpty() && !text.startsWith("null");
}

bool describesMedia(const QJsonObject& top)
{
    for (const char* key : {"id", "url", "formats", "entries"})
        if (top.contains(QLatin1String(key)))
            return true;
    return false;
}

bool analysisOutputUsable(const QByteArray& out)
{
    if (!outputUsable(out))
        return false;
    const QJsonDocument doc = QJsonDocument::fromJson(out);
    return doc.isObject() && describesMedia(doc.object());
}

bool hasLoginText(const QByteArray& err)
{
    for (const char* t : kLoginTexts)
        if (err.contains(t))
            return true;
    return false;
}

bool formatUnavailable(const QByteArray& text)
{
    const QByteArray lower = text.toLower();
    return lower.contains("requested format not available") || lower.contains("requested format is not available");
}

int pageOutcome(bool usable, bool built, const QByteArray& err)
{
    if (usable && built)
        return YtbNoError;
    if (hasLoginText(err))
        return YtbPrivateList;
    if (err.contains("ERROR: Unsupported URL"))
        return YtbUnsupportedUrl;
    if (!usable && err.contains("try replacing \"https:\" with \"http:\""))
        return YtbHttpsFailed;
    return YtbAnalyseFailed;
}

int playlistOutcome(bool stopped, bool usable, const QByteArray& err)
{
    if (stopped)
        return YtbCancelled;
    if (usable)
        return YtbNoError;
    if (err.contains("removed by the user"))
        return YtbVideoRemoved;
    if (err.contains("is private"))
        return YtbPrivateVideo;
    return YtbAnalyseFailed;
}

VideoError videoErrorKind(const QByteArray& err)
{
    if (err.contains("This video has been removed by the user"))
        return VideoRemoved;
    for (const char* t : kVideoLoginTexts)
        if (err.contains(t))
            return VideoNeedsLogin;
    if (err.contains("check_cookie_url"))
        return VideoCookieCheck;
    return VideoOtherError;
}

QAtomicInt& accountRetryCount()
{
    static QAtomicInt count(0);
    return count;
}

void resetAccountRetryCount()
{
    accountRetryCount().storeRelease(0);
}

} // namespace DownloaderProgram

// ---------------------------------------------------------------------------

CredentialsFile::CredentialsFile() = default;

CredentialsFile::~CredentialsFile()
{
    if (m_file)
        m_file->remove();
}

QString CredentialsFile::quote(const QString& value)
{
    QString v = value;
    v.replace(QLatin1Char('\''), QLatin1String("'\"'\"'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

QByteArray CredentialsFile::contents(const QString& user, const QString& password)
{
    // The declaration makes the downloader read the file as UTF-8 whatever
    // the locale says.
    QString text = QStringLiteral("# coding: utf-8\n");
    text += QStringLiteral("-u ") + quote(user) + QLatin1Char('\n');
    text += QStringLiteral("-p ") + quote(password) + QLatin1Char('\n');
    return text.toUtf8();
}

bool CredentialsFile::write(const QString& user, const QString& password)
{
    if (m_file)
        m_file->remove();
    m_file = std::make_unique<QTemporaryFile>(
        QDir(DownloaderProgram::workingFolder()).filePath(QStringLiteral("tarnwick-account-XXXXXX.conf")));
    // QTemporaryFile makes the file with mode 0600; say so all the same.
    const QByteArray data = contents(user, password);
    if (!m_file->open()
        || !m_file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || m_file->write(data) != data.size() || !m_file->flush()) {
        qWarning() << "cannot write the account options file";
        m_file->remove();
        m_file.reset();
        return false;
    }
    m_file->close();
    return true;
}

QString CredentialsFile::path() const
{
    return m_file ? m_file->fileName() : QString();
}

// ---------------------------------------------------------------------------

DownloaderRun::Result DownloaderRun::runProgram(const QString& prog, const QStringList& arguments,
                                                const StopFn& stop, int waitAfterCloseMs)
{
    // Started by spawning, not through QProcess: eight analysis threads
    // start children all the time, and a QProcess start costs the parent
    // many times what the child itself costs to start.
    Result r;
    SpawnedProcess p;
    r.started = p.start(prog, arguments, DownloaderProgram::environment().toStringList(),
                        DownloaderProgram::workingFolder());
    if (!r.started) {
        r.errorString = p.errorString();
        return r;
    }
    // Both pipes are drained while waiting, so a child that prints a lot
    // never blocks on a full pipe.
    while (!p.waitStep(kStopPollMs)) {
        if (stop && stop()) {
            r.stopped = true;
            p.terminateTree(qMin(waitAfterCloseMs, 250));
            break;
        }
    }
    r.out = p.takeOutput();
    r.err = p.takeError();
    // The child itself may have gone while something it started still runs.
    if (ProcessTree::groupAlive(p.groupId()))
        ProcessTree::terminateGroup(p.groupId(), 250);
    if (stop && stop())
        r.stopped = true;
    r.exitCode = p.crashed() ? -1 : p.exitCode();
    r.exitStatus = p.crashed() ? QProcess::CrashExit : QProcess::NormalExit;
    r.errorString = p.crashed() ? QStringLiteral("Process crashed") : QString();
    return r;
}

DownloaderRun::Result DownloaderRun::run(const QStringList& options, const StopFn& stop, int waitAfterCloseMs)
{
    return runProgram(DownloaderProgram::program(), DownloaderProgram::programArguments() + options, stop,
                      waitAfterCloseMs);
}

int DownloaderRun::pageRun(const QString& url, const QString& user, const QString& password,
                           const StopFn& stop, const std::function<bool(const QByteArray&)>& build)
{
    using namespace DownloaderProgram;
    qDebug() << "-start analyse playlists-";
    const bool account = !user.isEmpty() && !password.isEmpty();
    CredentialsFile creds;
    if (account && !creds.write(user, password))
        return YtbAnalyseFailed;
    const QStringList args = analysisArguments(PageRun, url, creds.path());
    if (user.isEmpty() && password.isEmpty())
        qDebug() << program() << "ytb lists:" << args;
    ensureLauncher();
    if (!QFileInfo::exists(program()) || !QFileInfo::exists(launcherPath()))
        qWarning() << "ytb program does not exist.";
    const Result r = run(args, stop);
    if (r.exitCode != 0 || !r.started)
        qWarning() << "ytb program went wrong:" << r.exitCode << r.errorString;
    qDebug() << "-playlists analyse finished-";
    if (r.stopped || (stop && stop()))
        return YtbAnalyseFailed;

    Youtube* engine = Youtube::instance();
    engine->setLastError(QString());
    if (!r.err.isEmpty()) {
        qDebug() << "ytb analyse url:" << url;
        qDebug() << "ytb analyse error:" << r.err;
        qDebug() << "ytb analyse output:" << r.out;
        const QString site = SettingsStore::instance()->value(QStringLiteral("base/site")).toLower();
        if (site != QLatin1String("qorvdvd") && site != QLatin1String("pelodvd"))
            engine->setLastError(QCoreApplication::translate(
                "AnalyseThread", "Failed to analyze the input video link? Check possible causes and solutions >"));
    }
    const bool usable = outputUsable(r.out);
    const bool built = usable && build && build(r.out);
    const int error = pageOutcome(usable, built, r.err);
    if (error == YtbNoError)
        qDebug() << "ytb playlists analyse success";
    return error;
}

int DownloaderRun::playlistRun(const QString& url, const QString& user, const QString& password,
                               const StopFn& stop, const std::function<void(const QByteArray&)>& parse)
{
    using namespace DownloaderProgram;
    const bool account = !user.isEmpty() && !password.isEmpty();
    CredentialsFile creds;
    if (account && !creds.write(user, password))
        return YtbAnalyseFailed;
    const QStringList args = analysisArguments(PlaylistRun, url, creds.path());
    if (user.isEmpty() && password.isEmpty())
        qDebug() << "-start analyse playlist:" << args;
    ensureLauncher();
    const Result r = run(args, stop);
    const bool stopped = r.stopped || (stop && stop());
    const bool usable = analysisOutputUsable(r.out);
    if (!stopped && !usable && r.err.contains("removed by the user"))
        qDebug() << "ytb analyse error:" << r.err;
    const int status = playlistOutcome(stopped, usable, r.err);
    if (status == YtbNoError && parse)
        parse(r.out);
    return status;
}

int DownloaderRun::videoRun(const QString& url, QString& user, QString& password, const StopFn& stop,
                            const std::function<void(const QByteArray&)>& parse)
{
    using namespace DownloaderProgram;
    QAtomicInt& retry = accountRetryCount();
    if (retry.loadAcquire() > 4)
        Youtube::instance()->accountInfoFor(url, user, password);
    ensureLauncher();

    int attempts = 1;
    int status = YtbAnalyseFailed;
    while (attempts > 0) {
        --attempts;
        const bool account = !user.isEmpty() && !password.isEmpty();
        CredentialsFile creds;
        if (account && !creds.write(user, password))
            return YtbAnalyseFailed;
        const QStringList args = analysisArguments(VideoRun, url, creds.path());
        if (!account)
            qDebug() << "-start analyse item: " << args;
        const Result r = run(args, stop, 5000);
        if (!r.err.isEmpty()) {
            qDebug() << "ytb item analyse url:" << url;
            qDebug() << "ytb item analyse error:" << r.err;
            qDebug() << "ytb item analyse output:" << r.out;
        }
        if (r.stopped || (stop && stop()))
            return YtbCancelled;
        if (analysisOutputUsable(r.out)) {
            if (parse)
                parse(r.out);
            qDebug() << "ytb item analyse success";
            return YtbNoError;
        }
        if (r.err.isEmpty()) {
            status = YtbAnalyseFailed;
            continue;               // one attempt used; repeat while any remain
        }
        qWarning() << "ytb analyse error:" << r.err;
        switch (videoErrorKind(r.err)) {
        case VideoRemoved:
            return YtbVideoRemoved;
        case VideoNeedsLogin: {
            if (user.isEmpty() && password.isEmpty()) {
                // Raise the shared count unless it is known that no account helps.
                int c = retry.loadAcquire();
                while (c != -1 && !retry.testAndSetOrdered(c, c + 1))
                    c = retry.loadAcquire();
                if (c != -1) {
                    QString u, p;
                    if (Youtube::instance()->accountInfoFor(url, u, p)) {
                        user = u;
                        password = p;
                        ++attempts;
                        continue;
                    }
                    // An account of another site says nothing about whether
                    // one helps the entries of its own.
                    if (!Youtube::instance()->accountInfo(u, p))
                        retry.storeRelease(-1);
                }
            }
            return YtbPrivateVideo;
        }
        case VideoCookieCheck: {
            int c = retry.loadAcquire();
            while (c > 0 && !retry.testAndSetOrdered(c, -1))
                c = retry.loadAcquire();
            return YtbAuthError;
        }
        case VideoOtherError:
            return YtbAnalyseFailed;
        }
    }
    return status;
}
