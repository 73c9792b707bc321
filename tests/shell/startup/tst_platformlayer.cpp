#include "platform/Composition.h"
#include "platform/PowerOff.h"
#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
class CountingPowerOff : public PowerOffBackend
{
public:
    explicit CountingPowerOff(int* calls) : m_calls(calls) {}
    bool powerOff() override
    {
        ++*m_calls;
        return true;
    }

private:
    int* m_calls;
};
}

class TestPlatformLayer : public QObject
{
    Q_OBJECT

private slots:
    void lockFileLivesInTheRuntimeFolder()
    {
        const QString path = SingleInstance::lockFilePath(QStringLiteral("Tarnwick"));
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).absolutePath());
        QVERIFY(!QFileInfo(path).fileName().contains(QStringLiteral("temp_")));
    }

    // Without a runtime folder the lock lies in the shared temporary folder:
    // a lock file another user made (and holds) must not keep the program
    // from starting. Runs before any lock is taken by this process.
    void foreignLockFileInTheTemporaryFolderIsIgnored()
    {
        if (::getuid() != 0)
            QSKIP("needs root to make a file of another user");
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        const QString name = QStringLiteral("tw-foreign-lock");
        const QString path = SingleInstance::lockFilePath(name);
        QVERIFY(path.startsWith(tmp.path()));
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        QVERIFY(fd >= 0);
        QCOMPARE(::fchown(fd, 65534, 65534), 0);
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);   // the other user's running instance

        const bool started = SingleInstance::acquire(name);
        ::close(fd);
        qputenv("XDG_RUNTIME_DIR", runtime);
        if (tmpdir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", tmpdir);
        QVERIFY(started);
        QVERIFY(!SingleInstance::holdsLock());
    }

    void lockIsExclusiveAndNotInherited()
    {
        const QString name = QStringLiteral("tw-test-lock");
        QVERIFY(SingleInstance::acquire(name));
        QVERIFY(SingleInstance::holdsLock());
        QVERIFY(SingleInstance::acquire(name));   // this process holds it already

        // A child started now inherits no descriptor of the lock file ...
        QProcess child;
        child.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), QStringLiteral("ls -l /proc/$$/fd")});
        QVERIFY(child.waitForFinished(10000));
        const QByteArray fds = child.readAllStandardOutput();
        QVERIFY(!fds.isEmpty());
        QVERIFY2(!fds.contains(QFile::encodeName(SingleInstance::lockFilePath(name))), fds.constData());

        // ... and another process cannot take the lock.
        QProcess other;
        other.start(QStringLiteral("flock"), {QStringLiteral("-n"), SingleInstance::lockFilePath(name),
                                              QStringLiteral("true")});
        if (!other.waitForStarted(5000))
            QSKIP("flock(1) is not available");
        QVERIFY(other.waitForFinished(10000));
        QCOMPARE(other.exitCode(), 1);
    }

    void compositionCanBeForced()
    {
        Composition::setOverride(0);
        QVERIFY(!Composition::isEnabled());
        Composition::setOverride(1);
        QVERIFY(Composition::isEnabled());
        Composition::setOverride(-1);
        qputenv("TW_COMPOSITION", "0");
        QVERIFY(!Composition::isEnabled());
        qputenv("TW_COMPOSITION", "1");
        QVERIFY(Composition::isEnabled());
        qunsetenv("TW_COMPOSITION");
        // Without X11 (no application object here) the desktop counts as composed.
        QVERIFY(Composition::isEnabled());
    }

    void powerOffGoesThroughTheBackend()
    {
        int calls = 0;
        PowerOff::setBackend(std::make_unique<CountingPowerOff>(&calls));
        QVERIFY(PowerOff::request());
        QCOMPARE(calls, 1);
        // The real backend refuses under the test guard.
        PowerOff::setBackend(PowerOff::makeLogindBackend());
        QVERIFY(qEnvironmentVariableIsSet("TW_NO_POWEROFF"));
        QVERIFY(!PowerOff::request());
        PowerOff::setBackend(std::make_unique<CountingPowerOff>(&calls));
    }
};

QTEST_GUILESS_MAIN(TestPlatformLayer)
#include "tst_platformlayer.moc"
