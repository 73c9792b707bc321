#pragma once

#include <QProcess>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>

// Child processes of the engine are started each in a process group of its
// own, so that a stop can end the child together with everything it started
// (the downloader starts ffmpeg, ffmpeg may start more). The group id is the
// child's pid.

// A QProcess whose child leads a new process group and reads nothing from
// us: its standard input is the null device, so a child that prompts gets
// end-of-file at once instead of waiting for ever.
class GroupProcess : public QProcess
{
    Q_OBJECT
public:
    explicit GroupProcess(QObject* parent = nullptr);
    ~GroupProcess() override;

    // The group of the last started child (0 before a start). Kept after
    // the child has been reaped, so its descendants can still be reached.
    qint64 groupId() const { return m_groupId; }

    // SIGTERM to the whole group, up to graceMs for the child to end, then
    // SIGKILL to whatever of the group is left. Returns when the child has
    // ended (or at once when none runs).
    void terminateTree(int graceMs = 1000);
    // SIGINT to the whole group (ffmpeg finishes its file on it).
    bool interruptTree();

protected:
    void setupChildProcess() override;

private:
    qint64 m_groupId = 0;
};

// A child started with posix_spawn: far cheaper for the parent than a
// QProcess (no fork of a large address space, no notifier set up per
// child), for short runs whose output is read whole. Like GroupProcess the
// child leads a new process group, reads the null device, gets an argument
// list (never a shell) and the given environment and working folder. Its
// standard output and error come through pipes read here; not a QObject,
// so it may be used on any thread without an event loop.
class SpawnedProcess
{
public:
    SpawnedProcess() = default;
    ~SpawnedProcess();
    SpawnedProcess(const SpawnedProcess&) = delete;
    SpawnedProcess& operator=(const SpawnedProcess&) = delete;

    // False (with errorString set) when the child could not be started.
    bool start(const QString& program, const QStringList& arguments, const QStringList& environment,
               const QString& workingDirectory);
    // Reads what the child printed for up to ms; true once the child has
    // ended (its output up to then read).
    bool waitStep(int ms);
    bool running() const { return m_pid > 0 && !m_ended; }
    // SIGTERM to the group, up to graceMs, then SIGKILL; the child is reaped.
    void terminateTree(int graceMs);

    qint64 groupId() const { return m_pid; }
    int exitCode() const { return m_exitCode; }
    bool crashed() const { return m_crashed; }
    QString errorString() const { return m_error; }
    QByteArray takeOutput() { return std::exchange(m_out, QByteArray()); }
    QByteArray takeError() { return std::exchange(m_err, QByteArray()); }

private:
    void readAvailable(int timeoutMs);
    bool reap(bool block);
    void closePipes();

    qint64 m_pid = 0;
    int m_outFd = -1;
    int m_errFd = -1;
    int m_pidFd = -1;      // readable once the child has ended
    bool m_ended = false;
    bool m_crashed = false;
    int m_exitCode = -1;
    QString m_error;
    QByteArray m_out;
    QByteArray m_err;
};

namespace ProcessTree {

// Sends sig to every process of the group; false when none is left.
bool signalGroup(qint64 groupId, int sig);
// True while a process of the group lives (zombies waiting for their
// parent do not count).
bool groupAlive(qint64 groupId);
// SIGTERM, wait up to graceMs for the group to empty, then SIGKILL.
void terminateGroup(qint64 groupId, int graceMs = 1000);
// The pids of the live (non-zombie) processes of the group.
QList<qint64> groupMembers(qint64 groupId);

} // namespace ProcessTree
