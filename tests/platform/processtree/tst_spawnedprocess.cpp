// The cheap child starter of the analysis runs: what the child gets (its
// arguments as they are, its environment, folder, group and input) and what
// comes back (output, error, exit code or crash), without a shell between.

#include "platform/ProcessTree.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

// Runs the child to its end (or until ms passed); true when it ended.
bool runToEnd(SpawnedProcess& p, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!p.waitStep(50))
        if (t.elapsed() > ms)
            return false;
    return true;
}

} // namespace

class TstSpawnedProcess : public QObject
{
    Q_OBJECT
private slots:
    void outputAndExit_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::addColumn<int>("code");
        QTest::newRow("both channels, exit code") << QStringList{"-c", "printf out; printf err >&2; exit 3"}
                                                  << QByteArray("out") << QByteArray("err") << 3;
        // Arguments reach the child as they are: no shell reads them.
        QTest::newRow("arguments untouched") << QStringList{"-c", "printf '%s|' \"$@\"", "sh", "a b", "$HOME", "`x`;|&", ""}
                                             << QByteArray("a b|$HOME|`x`;|&||") << QByteArray() << 0;
        // Input is the null device: a read gets end-of-file at once.
        QTest::newRow("null input") << QStringList{"-c", "if read x; then echo got; else echo eof; fi"}
                                    << QByteArray("eof\n") << QByteArray() << 0;
        // Far more than a pipe holds, on both channels at once.
        QTest::newRow("large output")
            << QStringList{"-c", "head -c 3000000 /dev/zero | tr '\\0' a; head -c 2000000 /dev/zero | tr '\\0' b >&2"}
            << QByteArray(3000000, 'a') << QByteArray(2000000, 'b') << 0;
    }

    void outputAndExit()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QFETCH(int, code);
        SpawnedProcess p;
        QVERIFY2(p.start("/bin/sh", args, {"PATH=/usr/bin:/bin"}, QString()), qPrintable(p.errorString()));
        QVERIFY(runToEnd(p));
        QVERIFY(!p.running());
        QVERIFY(!p.crashed());
        QCOMPARE(p.exitCode(), code);
        const QByteArray gotOut = p.takeOutput();
        QCOMPARE(gotOut.size(), out.size());
        QCOMPARE(gotOut, out);
        QCOMPARE(p.takeError(), err);
    }

    void environmentFolderAndGroup()
    {
        QTemporaryDir dir;
        SpawnedProcess p;
        QVERIFY(p.start("/bin/sh", {"-c", "echo \"$ONLY\" \"${HOME:-none}\"; pwd; cut -d' ' -f5 /proc/$$/stat"},
                        {"ONLY=this", "PATH=/usr/bin:/bin"}, dir.path()));
        QVERIFY(runToEnd(p));
        const QList<QByteArray> lines = p.takeOutput().split('\n');
        QVERIFY(lines.size() >= 3);
        QCOMPARE(lines.at(0), QByteArray("this none"));
        QCOMPARE(QDir(QString::fromLocal8Bit(lines.at(1))).canonicalPath(), QDir(dir.path()).canonicalPath());
        // The child leads a group of its own.
        QCOMPARE(lines.at(2).trimmed().toLongLong(), p.groupId());
        QVERIFY(p.groupId() != qint64(::getpgrp()));
    }

    void startFailure()
    {
        SpawnedProcess p;
        QVERIFY(!p.start("/nonexistent/program", {}, {}, QString()));
        QVERIFY(!p.errorString().isEmpty());
        QVERIFY(!p.running());
        QVERIFY(p.waitStep(10));
    }

    void crashIsReported()
    {
        SpawnedProcess p;
        QVERIFY(p.start("/bin/sh", {"-c", "kill -SEGV $$"}, {}, QString()));
        QVERIFY(runToEnd(p));
        QVERIFY(p.crashed());
        QCOMPARE(p.exitCode(), int(SIGSEGV));
    }

    void grandchildHoldingThePipesDoesNotHoldUs()
    {
        // The child ends at once; what it left behind keeps the pipes open.
        SpawnedProcess p;
        QVERIFY(p.start("/bin/sh", {"-c", "echo early; sleep 30 & exit 0"}, {"PATH=/usr/bin:/bin"}, QString()));
        QElapsedTimer t;
        t.start();
        QVERIFY(runToEnd(p, 10000));
        QVERIFY(t.elapsed() < 5000);
        QCOMPARE(p.takeOutput(), QByteArray("early\n"));
        QVERIFY(ProcessTree::groupAlive(p.groupId()));
        ProcessTree::terminateGroup(p.groupId(), 1000);
        QTRY_VERIFY(!ProcessTree::groupAlive(p.groupId()));
    }

    void stopEndsTheGroup()
    {
        SpawnedProcess p;
        QVERIFY(p.start("/bin/sh", {"-c", "trap '' TERM; sleep 30 & sleep 30; wait"}, {"PATH=/usr/bin:/bin"}, QString()));
        QTRY_VERIFY(ProcessTree::groupMembers(p.groupId()).size() >= 2);
        QElapsedTimer t;
        t.start();
        p.terminateTree(300);
        QVERIFY(t.elapsed() < 5000);
        QVERIFY(!p.running());
        QVERIFY(!ProcessTree::groupAlive(p.groupId()));
    }

    void destructorEndsARunningChild()
    {
        qint64 group = 0;
        {
            SpawnedProcess p;
            QVERIFY(p.start("/bin/sleep", {"30"}, {}, QString()));
            group = p.groupId();
            QVERIFY(ProcessTree::groupAlive(group));
        }
        QVERIFY(!ProcessTree::groupAlive(group));
    }
};

QTEST_GUILESS_MAIN(TstSpawnedProcess)
#include "tst_spawnedprocess.moc"
