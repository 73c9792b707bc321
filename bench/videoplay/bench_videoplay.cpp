// The preview widget's cost: resident memory after 50 play/stop cycles of a
// VideoPlay (with its spectrum) against after 5, with the thread count back
// where it started, and the time from play to Playing against the media
// layer's own time to the first frame of the same file. Run it under Xvfb;
// one run gives every ratio.

#include "AvTestMedia.h"
#include "function/QtAV/av/AVPlayer.h"
#include "function/QtAV/include/VideoPlay.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

long residentKb()
{
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

int threads()
{
    return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

template <typename F>
void waitOrDie(F condition, int ms)
{
    if (!QTest::qWaitFor(condition, ms)) {
        std::fprintf(stderr, "bench_videoplay: the player did not get there in time\n");
        std::exit(1);
    }
}

// Timed where the frame arrives, on the decode thread.
class FirstFrame : public TwAV::VideoRenderer
{
public:
    explicit FirstFrame(const QElapsedTimer& since) : m_since(since) {}
    std::atomic<double> firstMs{-1.0};
protected:
    void receiveFrame(const TwAV::VideoFrame&) override
    {
        double none = -1.0;
        firstMs.compare_exchange_strong(none, m_since.nsecsElapsed() / 1e6);
    }
private:
    const QElapsedTimer& m_since;
};

// Runs the event loop until `done` holds; unlike a polling wait it wakes as
// soon as the event that makes it true comes, so nothing is added to a time
// taken in a handler.
template <typename F>
void runUntil(F done, int ms)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(1);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    if (!done()) {
        std::fprintf(stderr, "bench_videoplay: the player did not get there in time\n");
        std::exit(1);
    }
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void report(const char* name, double value, const char* op, double target, bool ok)
{
    std::printf("%-48s %8.3f  (target %s %.3f) %s\n", name, value, op, target, ok ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_videoplay: needs an X display (run it under xvfb-run)\n");
        return 1;
    }
    qputenv("TW_AUDIO_SINK", "null");
    QApplication app(argc, argv);
    const QString clip = AvTestMedia::h264Aac();
    const QString song = AvTestMedia::mp3WithCover();
    if (clip.isEmpty() || song.isEmpty())
        return 1;

    QWidget window;
    window.resize(514, 259);
    auto* play = new VideoPlay(&window);
    play->setGeometry(window.rect());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    auto cycle = [&](const QString& file, bool audioOnly) {
        PlayPara p;
        p.url = file;
        p.audioOnly = audioOnly;
        play->play(p);
        waitOrDie([&] { return play->state() == TwAV::AVPlayer::PlayingState; }, 20000);
        QTest::qWait(100);
        play->stop();
        waitOrDie([&] { return !play->player(); }, 20000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // The first picture makes the view's OpenGL renderer, whose driver keeps
    // its worker threads for the life of the process: the count starts after it.
    cycle(clip, false);
    const int threadsAtStart = threads();
    long rss5 = 0;
    for (int i = 1; i <= 50; ++i) {
        cycle(i % 2 ? clip : song, i % 2 == 0);
        if (i == 5)
            rss5 = residentKb();
        if (i % 10 == 0)
            std::printf("    resident memory after %d cycles: %ld kB\n", i, residentKb());
    }
    const long rss50 = residentKb();
    // The count may stay above the start; the report says so.
    (void)QTest::qWaitFor([&] { return threads() <= threadsAtStart; }, 5000);
    const int threadsAtEnd = threads();

    // Play to Playing is taken when the widget announces the state; the
    // layer's first frame when the renderer gets it. Each side starts with
    // the repaints the last stop left behind done, so neither pays for the
    // other's; the medians of 21 tries keep a few slow ones (a loaded
    // machine) from deciding.
    const auto settle = [] { QTest::qWait(50); };
    std::vector<double> widget, layer;
    for (int i = 0; i < 21; ++i) {
        PlayPara p;
        p.url = clip;
        QElapsedTimer t;
        double playingMs = -1.0;
        const auto c = QObject::connect(play, &VideoPlay::doPlayStateChanged, [&](TwAV::AVPlayer::State s) {
            if (s == TwAV::AVPlayer::PlayingState && playingMs < 0)
                playingMs = t.nsecsElapsed() / 1e6;
        });
        settle();
        t.start();
        play->play(p);
        runUntil([&] { return playingMs >= 0; }, 20000);
        QObject::disconnect(c);
        widget.push_back(playingMs);
        play->stop();
        waitOrDie([&] { return !play->player(); }, 20000);

        TwAV::AVPlayer player;
        FirstFrame probe(t);
        player.setRenderer(&probe);
        settle();
        t.restart();
        player.play(clip);
        runUntil([&] { return probe.firstMs.load() >= 0; }, 20000);
        layer.push_back(probe.firstMs.load());
        player.stop();
    }
    std::printf("resident memory after 5 cycles %ld kB, after 50 %ld kB; threads %d at start, %d at the end\n", rss5,
                rss50, threadsAtStart, threadsAtEnd);
    std::printf("play to Playing %.1f ms (median of 21), layer's first frame %.1f ms\n", median(widget), median(layer));
    const double memory = double(rss50) / rss5;
    const double start = median(widget) / median(layer);
    report("memory after 50 cycles / after 5", memory, "<=", 1.1, memory <= 1.1);
    report("threads at the end - at start", threadsAtEnd - threadsAtStart, "<=", 0, threadsAtEnd <= threadsAtStart);
    report("play to Playing / layer's first frame", start, "<=", 1.2, start <= 1.2);
    return 0;
}
