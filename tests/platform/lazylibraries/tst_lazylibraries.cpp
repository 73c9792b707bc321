// The decoder and audio output libraries are not loaded while the program
// starts; the first call into them, from any thread and with any arguments,
// loads them and reaches the real function.

#define __STDC_CONSTANT_MACROS
extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/rational.h>
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QFile>
#include <QtTest>
#include <atomic>
#include <thread>
#include <vector>

namespace {

bool mapped(const char* name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains(name);
}

std::atomic<int> g_logged{0};

void countLine(void*, int level, const char* format, va_list args)
{
    if (level != AV_LOG_ERROR)
        return;
    char line[64];
    vsnprintf(line, sizeof line, format, args);
    if (qstrcmp(line, "seven 7 2.5") == 0)
        ++g_logged;
}

} // namespace

class TstLazyLibraries : public QObject
{
    Q_OBJECT

private slots:
    void notLoadedAtStart();
    void firstCallsFromManyThreads();
    void variadicCall();
    void versionsMatchTheHeaders();
    void audioClassesThroughTheStubs();
};

void TstLazyLibraries::notLoadedAtStart()
{
    QVERIFY(!mapped("libavcodec.so"));
    QVERIFY(!mapped("libavformat.so"));
    QVERIFY(!mapped("libavutil.so"));
    QVERIFY(!mapped("libQt5Multimedia.so"));
}

void TstLazyLibraries::firstCallsFromManyThreads()
{
    // The first calls race each other, and carry a floating-point argument
    // through the loader.
    std::vector<std::thread> threads;
    std::atomic<int> right{0};
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&right, i] {
            const AVRational r = av_d2q(0.75 + i, 1000);
            if (r.num == 3 + 4 * i && r.den == 4)
                ++right;
        });
    }
    for (std::thread& t : threads)
        t.join();
    QCOMPARE(right.load(), 8);
    QVERIFY(mapped("libavutil.so"));
    QVERIFY(mapped("libavcodec.so"));
}

void TstLazyLibraries::variadicCall()
{
    av_log_set_callback(countLine);
    av_log(nullptr, AV_LOG_ERROR, "%s %d %.1f", "seven", 7, 2.5);
    av_log_set_callback(av_log_default_callback);
    QCOMPARE(g_logged.load(), 1);
}

void TstLazyLibraries::versionsMatchTheHeaders()
{
    QCOMPARE(avutil_version() >> 16, unsigned(LIBAVUTIL_VERSION_MAJOR));
    QCOMPARE(avcodec_version() >> 16, unsigned(LIBAVCODEC_VERSION_MAJOR));
    QCOMPARE(avformat_version() >> 16, unsigned(LIBAVFORMAT_VERSION_MAJOR));
    QVERIFY(avcodec_find_decoder(AV_CODEC_ID_H264));
}

void TstLazyLibraries::audioClassesThroughTheStubs()
{
    // Constructors, setters, getters and a destructor of a value class, and
    // a static call that goes to the sound system.
    {
        QAudioFormat format;
        format.setSampleRate(44100);
        format.setChannelCount(2);
        format.setSampleSize(16);
        format.setCodec(QStringLiteral("audio/pcm"));
        format.setSampleType(QAudioFormat::SignedInt);
        QCOMPARE(format.sampleRate(), 44100);
        QCOMPARE(format.channelCount(), 2);
        QCOMPARE(format.bytesPerFrame(), 4);
        QVERIFY(format.isValid());
    }
    QVERIFY(mapped("libQt5Multimedia.so"));
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    QCOMPARE(device.isNull(), device.deviceName().isEmpty());
}

QTEST_GUILESS_MAIN(TstLazyLibraries)
#include "tst_lazylibraries.moc"
