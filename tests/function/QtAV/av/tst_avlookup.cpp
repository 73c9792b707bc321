// A source whose host name lookup hangs: libc's getaddrinfo does not heed
// FFmpeg's interrupt callback, so only leaving the open behind lets stop and
// destruction return. This program defines getaddrinfo itself (the dynamic
// linker prefers the executable's definition, libavformat's lookups
// included): one reserved name waits until the test lets it fail, every
// other name goes to the C library.

#include "PlayerProbe.h"
#include "function/QtAV/av/VideoFrameExtractor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <condition_variable>
#include <cstring>
#include <dlfcn.h>
#include <mutex>
#include <netdb.h>

namespace {
const char kStalledHost[] = "stalled-lookup.invalid";
std::mutex g_mutex;
std::condition_variable g_cv;
int g_waiting = 0;   // lookups of the stalled name now blocked
int g_lookups = 0;   // ever started
bool g_released = false;

int waitingLookups()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_waiting;
}

int lookups()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_lookups;
}

void releaseLookups()
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_released = true;
    }
    g_cv.notify_all();
}

int threadCount()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}
} // namespace

extern "C" int getaddrinfo(const char* node, const char* service, const struct addrinfo* hints,
                           struct addrinfo** res)
{
    if (node && std::strcmp(node, kStalledHost) == 0) {
        std::unique_lock<std::mutex> lock(g_mutex);
        ++g_waiting;
        ++g_lookups;
        g_cv.wait(lock, [] { return g_released; });
        --g_waiting;
        return EAI_AGAIN;
    }
    using Lookup = int (*)(const char*, const char*, const struct addrinfo*, struct addrinfo**);
    static const auto real = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return real ? real(node, service, hints, res) : EAI_SYSTEM;
}

using namespace TwAV;

class TestAVLookup : public QObject
{
    Q_OBJECT
private:
    const QString m_url = QStringLiteral("http://%1/clip.mp4").arg(QLatin1String(kStalledHost));
    int m_threadsAtStart = 0;

private slots:
    void initTestCase()
    {
        setLogLevel(LogOff);
        m_threadsAtStart = threadCount();
    }

    void stopReturnsDuringTheLookup()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        const int before = lookups();
        player.play(m_url);
        QTRY_VERIFY_WITH_TIMEOUT(lookups() > before, 10000);
        QVERIFY(player.isLoading());
        QElapsedTimer t;
        t.start();
        player.stop();
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(probe.events, QStringList({"stopped", "state0"}));
        QVERIFY(!player.isLoading());
        player.stop();
        QCOMPARE(probe.events, QStringList({"stopped", "state0"}));
    }

    void destructionReturnsDuringTheLookup()
    {
        const int before = lookups();
        auto* player = new AVPlayer;
        player->play(m_url);
        QTRY_VERIFY_WITH_TIMEOUT(lookups() > before, 10000);
        QElapsedTimer t;
        t.start();
        delete player;
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
    }

    void extractorDestructionReturnsDuringTheLookup()
    {
        const int before = lookups();
        auto* ex = new VideoFrameExtractor;
        QSignalSpy answers(ex, &VideoFrameExtractor::error);
        ex->setSource(m_url);
        ex->setPosition(500);
        ex->extract();
        QTRY_VERIFY_WITH_TIMEOUT(lookups() > before, 10000);
        QElapsedTimer t;
        t.start();
        delete ex;
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
    }

    // Runs last: the opens left behind end once their lookups return, and
    // report nothing to players that are gone.
    void leftBehindOpensEndQuietly()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        const int before = lookups();
        player.play(m_url);
        QTRY_VERIFY_WITH_TIMEOUT(lookups() > before, 10000);
        player.stop();
        QVERIFY(waitingLookups() >= 3);
        releaseLookups();
        QTRY_COMPARE_WITH_TIMEOUT(waitingLookups(), 0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(threadCount() <= m_threadsAtStart, 10000);
        QCoreApplication::processEvents();
        QCOMPARE(probe.events, QStringList({"stopped", "state0"}));

        // A lookup that fails while nobody stopped is an ordinary error.
        player.play(m_url);
        QTRY_VERIFY_WITH_TIMEOUT(probe.ended() && probe.events.last() == "error", 20000);
        QCOMPARE(probe.countOf("error"), 1);
        QCOMPARE(probe.countOf("started"), 0);
    }
};

QTEST_GUILESS_MAIN(TestAVLookup)
#include "tst_avlookup.moc"
