#include "platform/ProcessTree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cstring>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

GroupProcess::GroupProcess(QObject* parent) : QProcess(parent)
{
    setStandardInputFile(QProcess::nullDevice());
    connect(this, &QProcess::started, this, [this] { m_groupId = processId(); });
}

GroupProcess::~GroupProcess()
{
    // A process object never outlives its child: whoever forgot to end the
    // run gets the tree ended here rather than an orphaned downloader.
    if (state() != QProcess::NotRunning)
        terminateTree(500);
}

void GroupProcess::setupChildProcess()
{
    // Runs in the child between fork and exec: only async-signal-safe calls.
    ::setpgid(0, 0);
    // A program killed outright (no chance to end its trees) takes its
    // direct children along; the starting thread waits for them anyway.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

void GroupProcess::terminateTree(int graceMs)
{
    if (m_groupId <= 0) {
        if (state() != QProcess::NotRunning) {
            kill();
            waitForFinished(1000);
        }
        return;
    }
    ProcessTree::signalGroup(m_groupId, SIGTERM);
    QElapsedTimer t;
    t.start();
    // The leader is our child: waitForFinished reaps it. The rest of the
    // group has been handed to another parent and is watched through /proc.
    if (state() != QProcess::NotRunning)
        waitForFinished(qMax(1, graceMs));
    while (ProcessTree::groupAlive(m_groupId) && t.elapsed() < graceMs)
        QThread::msleep(10);
    if (state() != QProcess::NotRunning || ProcessTree::groupAlive(m_groupId)) {
        ProcessTree::signalGroup(m_groupId, SIGKILL);
        if (state() != QProcess::NotRunning)
            waitForFinished(2000);
        QElapsedTimer k;
        k.start();
        while (ProcessTree::groupAlive(m_groupId) && k.elapsed() < 1000)
            QThread::msleep(5);
    }
}

bool GroupProcess::interruptTree()
{
    if (m_groupId <= 0)
        return false;
    return ProcessTree::signalGroup(m_groupId, SIGINT);
}

SpawnedProcess::~SpawnedProcess()
{
    if (running())
        terminateTree(500);
    closePipes();
}

void SpawnedProcess::closePipes()
{
    for (int* fd : {&m_outFd, &m_errFd, &m_pidFd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool SpawnedProcess::start(const QString& program, const QStringList& arguments, const QStringList& environment,
                           const QString& workingDirectory)
{
    int outPipe[2] = {-1, -1};
    int errPipe[2] = {-1, -1};
    if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0) {
        m_error = QStringLiteral("cannot make pipes: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
            if (fd >= 0)
                ::close(fd);
        return false;
    }

    // Every text the child needs, made before the spawn.
    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> argStore{path};
    for (const QString& a : arguments)
        argStore.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> envStore;
    for (const QString& e : environment)
        envStore.push_back(e.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const QByteArray folder = QFile::encodeName(workingDirectory);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    if (!folder.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.constData());

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // Its own group, default signal handling and nothing blocked, whatever
    // this process has set for itself.
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, path.constData(), &actions, &attr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (rc != 0) {
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        m_error = QStringLiteral("cannot start %1: %2").arg(program, QString::fromLocal8Bit(strerror(rc)));
        return false;
    }
    m_pid = pid;
    m_outFd = outPipe[0];
    m_errFd = errPipe[0];
    m_ended = false;
    // Not reaped yet, so the pid is still this child's. Without pidfds (an
    // old kernel) the wait looks for the end in short steps instead.
    m_pidFd = int(::syscall(SYS_pidfd_open, pid, 0));
    if (m_pidFd >= 0)
        ::fcntl(m_pidFd, F_SETFD, FD_CLOEXEC);
    return true;
}

void SpawnedProcess::readAvailable(int timeoutMs)
{
    // The child's end wakes the wait as well (its pidfd turns readable), so
    // the wait never needs to wake up early to look: on a loaded machine
    // every needless wake-up costs the parent more than the start itself.
    pollfd fds[3];
    int n = 0;
    for (int fd : {m_outFd, m_errFd})
        if (fd >= 0)
            fds[n++] = pollfd{fd, POLLIN, 0};
    const int pipes = n;
    if (m_pidFd >= 0)
        fds[n++] = pollfd{m_pidFd, POLLIN, 0};
    if (n == 0) {
        // No pidfd and both pipes closed: the child is about to end, so the
        // caller looks for its end again soon rather than sleeping the
        // whole step.
        if (timeoutMs > 0)
            QThread::usleep(500);
        return;
    }
    // Without a pidfd the child's end is only seen by looking again.
    if (m_pidFd < 0)
        timeoutMs = qMin(timeoutMs, 20);
    int ready;
    do
        ready = ::poll(fds, nfds_t(n), timeoutMs);
    while (ready < 0 && errno == EINTR);
    if (ready <= 0)
        return;
    char buffer[65536];
    for (int i = 0; i < pipes; ++i) {
        if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
        int* fd = fds[i].fd == m_outFd ? &m_outFd : &m_errFd;
        if (got > 0) {
            (fds[i].fd == m_outFd ? m_out : m_err).append(buffer, int(got));
        } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

bool SpawnedProcess::reap(bool block)
{
    if (m_pid <= 0 || m_ended)
        return true;
    int status = 0;
    pid_t r;
    do
        r = ::waitpid(pid_t(m_pid), &status, block ? 0 : WNOHANG);
    while (r < 0 && errno == EINTR);
    if (r == 0)
        return false;
    m_ended = true;
    if (r > 0 && WIFEXITED(status)) {
        m_exitCode = WEXITSTATUS(status);
    } else {
        m_crashed = true;
        m_exitCode = r > 0 && WIFSIGNALED(status) ? WTERMSIG(status) : -1;
    }
    return true;
}

bool SpawnedProcess::waitStep(int ms)
{
    if (m_pid <= 0)
        return true;
    if (m_ended)
        return true;
    QElapsedTimer t;
    t.start();
    do {
        // Both pipes closed: the child (and all it started) let go of them.
        readAvailable(int(qMax<qint64>(0, ms - t.elapsed())));
        if (reap(false)) {
            // What it printed before it ended is still in the pipes; a
            // grandchild that keeps them open must not hold us up.
            for (int i = 0; i < 64 && (m_outFd >= 0 || m_errFd >= 0); ++i) {
                const int before = m_out.size() + m_err.size();
                readAvailable(0);
                if (m_out.size() + m_err.size() == before)
                    break;
            }
            closePipes();
            return true;
        }
    } while (t.elapsed() < ms);
    return false;
}

void SpawnedProcess::terminateTree(int graceMs)
{
    if (m_pid <= 0)
        return;
    ProcessTree::signalGroup(m_pid, SIGTERM);
    QElapsedTimer t;
    t.start();
    while (!reap(false) && t.elapsed() < graceMs)
        readAvailable(10);
    while (ProcessTree::groupAlive(m_pid) && t.elapsed() < graceMs)
        QThread::msleep(10);
    if (!m_ended || ProcessTree::groupAlive(m_pid)) {
        ProcessTree::signalGroup(m_pid, SIGKILL);
        reap(true);
        QElapsedTimer k;
        k.start();
        while (ProcessTree::groupAlive(m_pid) && k.elapsed() < 1000)
            QThread::msleep(5);
    }
    closePipes();
}

namespace ProcessTree {

bool signalGroup(qint64 groupId, int sig)
{
    if (groupId <= 1)
        return false;     // never the whole session or every process we may see
    return ::kill(-pid_t(groupId), sig) == 0;
}

QList<qint64> groupMembers(qint64 groupId)
{
    QList<qint64> members;
    if (groupId <= 1)
        return members;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& e : entries) {
        bool ok = false;
        const qint64 pid = e.toLongLong(&ok);
        if (!ok)
            continue;
        QFile f(QStringLiteral("/proc/%1/stat").arg(e));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray stat = f.readAll();
        // "pid (comm) state ppid pgrp ...": comm may hold blanks and
        // parentheses, so the fields are counted from the last ')'.
        const int close = stat.lastIndexOf(')');
        if (close < 0)
            continue;
        const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
        if (fields.size() < 3)
            continue;
        if (fields.at(0) == "Z" || fields.at(0) == "X")
            continue;
        if (fields.at(2).toLongLong() == groupId)
            members.append(pid);
    }
    return members;
}

bool groupAlive(qint64 groupId)
{
    if (groupId <= 1)
        return false;
    if (::kill(-pid_t(groupId), 0) != 0 && errno == ESRCH)
        return false;
    return !groupMembers(groupId).isEmpty();
}

void terminateGroup(qint64 groupId, int graceMs)
{
    if (!signalGroup(groupId, SIGTERM))
        return;
    QElapsedTimer t;
    t.start();
    while (groupAlive(groupId) && t.elapsed() < graceMs)
        QThread::msleep(10);
    if (groupAlive(groupId))
        signalGroup(groupId, SIGKILL);
}

} // namespace ProcessTree
