#include "platform/ProcessTree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

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
