#pragma once

#include <QProcess>
#include <QString>

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
