#pragma once

// What the download and subtitle tests share: a private engine folder and
// output folders in the settings, the scripted fake downloader installed as
// the launcher (or the real one), and a look for child processes left over.

#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace EngineTestEnv {

inline QString sourceDir()
{
    return QString::fromLocal8Bit(qgetenv("TW_SOURCE_DIR"));
}

inline QString fixture(const QString& relative)
{
    return QDir(sourceDir()).filePath(QStringLiteral("tests/fixtures/") + relative);
}

inline void setSetting(const QString& key, const QString& value)
{
    SettingsStore::instance()->setValue(key, value);
}

// Engine folder, video and music output folders inside root.
struct Folders
{
    QString engine;
    QString video;
    QString music;
};

inline Folders setUp(const QString& root)
{
    Folders f;
    f.engine = QDir(root).filePath(QStringLiteral("engine"));
    f.video = QDir(root).filePath(QStringLiteral("video"));
    f.music = QDir(root).filePath(QStringLiteral("music"));
    QDir().mkpath(f.engine + QStringLiteral("/downloader-dlp"));
    QDir().mkpath(f.video);
    QDir().mkpath(f.music);
    setSetting(QStringLiteral("youtube/path"), SettingsStore::toStoredPath(f.engine));
    setSetting(QStringLiteral("youtube/download"), SettingsStore::toStoredPath(f.video));
    setSetting(QStringLiteral("youtube/download_music"), SettingsStore::toStoredPath(f.music));
    setSetting(QStringLiteral("proxy/enabled"), QStringLiteral("false"));
    setSetting(QStringLiteral("youtube/cookies"), QString());
    return f;
}

inline QString launcher(const Folders& f)
{
    return f.engine + QStringLiteral("/downloader-dlp/downloader");
}

// The fake downloader as the launcher, playing script (written beside it).
inline bool installFake(const Folders& f, const QJsonObject& script)
{
    QFile::remove(launcher(f));
    if (!QFile::copy(fixture(QStringLiteral("fake_downloader.py")), launcher(f)))
        return false;
    const QString scriptPath = f.engine + QStringLiteral("/fake_script.json");
    QFile s(scriptPath);
    if (!s.open(QIODevice::WriteOnly))
        return false;
    s.write(QJsonDocument(script).toJson());
    s.close();
    qputenv("TW_FAKE_SCRIPT", scriptPath.toLocal8Bit());
    qputenv("TW_FAKE_LOG", (f.engine + QStringLiteral("/fake_log.jsonl")).toLocal8Bit());
    return true;
}

// The runs the fake logged, oldest first.
inline QList<QJsonObject> fakeRuns(const Folders& f)
{
    QList<QJsonObject> runs;
    QFile log(f.engine + QStringLiteral("/fake_log.jsonl"));
    if (!log.open(QIODevice::ReadOnly))
        return runs;
    for (const QByteArray& line : log.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            runs.append(QJsonDocument::fromJson(line).object());
    return runs;
}

inline QStringList fakeArgv(const QJsonObject& run)
{
    QStringList a;
    for (const QJsonValue& v : run.value(QStringLiteral("argv")).toArray())
        a.append(v.toString());
    return a;
}

// The real launcher: the program installs it when it is missing.
inline void useRealDownloader(const Folders& f)
{
    QFile::remove(launcher(f));
}

// Live processes (not zombies) other than this one whose command line or
// working folder mentions one of markers.
inline QStringList leftoverProcesses(const QStringList& markers)
{
    QStringList found;
    const QString self = QString::number(::getpid());
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& e : entries) {
        bool ok = false;
        e.toLongLong(&ok);
        if (!ok || e == self)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(e));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray st = stat.readAll();
        const int close = st.lastIndexOf(')');
        if (close < 0 || st.mid(close + 2, 1) == "Z")
            continue;
        QFile cmd(QStringLiteral("/proc/%1/cmdline").arg(e));
        QString cmdline;
        if (cmd.open(QIODevice::ReadOnly))
            cmdline = QString::fromLocal8Bit(cmd.readAll().replace('\0', ' '));
        const QString cwd = QFileInfo(QStringLiteral("/proc/%1/cwd").arg(e)).symLinkTarget();
        for (const QString& m : markers)
            if (!m.isEmpty() && (cmdline.contains(m) || cwd.startsWith(m))) {
                found.append(e + QLatin1Char(' ') + cmdline);
                break;
            }
    }
    return found;
}

inline bool processAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray st = stat.readAll();
    const int close = st.lastIndexOf(')');
    return close >= 0 && st.mid(close + 2, 1) != "Z";
}

// ffmpeg run by the test to make media; true when it exited 0.
inline bool ffmpeg(const QStringList& args, const QString& cwd)
{
    QProcess p;
    p.setWorkingDirectory(cwd);
    p.start(QStringLiteral("/usr/bin/ffmpeg"), QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                                                           QStringLiteral("error"), QStringLiteral("-y")} + args);
    if (!p.waitForFinished(60000))
        return false;
    if (p.exitCode() != 0)
        qWarning() << p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// ffprobe's streams of a file: codec types in order, the height of the
// first video stream (0 without one), and the duration.
struct Probe
{
    QStringList codecTypes;
    int videoHeight = 0;
    double duration = 0;
    bool ok = false;
};

inline Probe ffprobe(const QString& file)
{
    Probe r;
    QProcess p;
    p.start(QStringLiteral("/usr/bin/ffprobe"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-print_format"), QStringLiteral("json"),
             QStringLiteral("-show_streams"), QStringLiteral("-show_format"), file});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return r;
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    for (const QJsonValue& s : o.value(QStringLiteral("streams")).toArray()) {
        const QString type = s.toObject().value(QStringLiteral("codec_type")).toString();
        if (type == QLatin1String("video") && r.videoHeight == 0)
            r.videoHeight = s.toObject().value(QStringLiteral("height")).toInt();
        r.codecTypes.append(type);
    }
    r.duration = o.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
    r.ok = true;
    return r;
}

// Why the real downloader and ffmpeg cannot run here; empty when they can.
inline QString missingRealTools()
{
    if (!QFileInfo::exists(QStringLiteral("/usr/bin/ffmpeg")) || !QFileInfo::exists(QStringLiteral("/usr/bin/ffprobe")))
        return QStringLiteral("ffmpeg is not installed");
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import yt_dlp")});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("yt-dlp is not installed");
    return QString();
}

} // namespace EngineTestEnv
