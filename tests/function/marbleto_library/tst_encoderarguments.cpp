#include "function/marbleto_library/arguments/util/arguments.h"
#include "function/marbleto_library/arguments/util/codec_registry.h"
#include "function/marbleto_library/arguments/util/util.h"

#include <QTest>

#include <thread>

namespace {

QByteArray joined(const media_arguments& a)
{
    QList<QByteArray> parts;
    for (int i = 0; i < a.count; ++i)
        parts << a.items[i];
    return parts.join(' ');
}

// A 1280x720 source at 30000/1001 in 4:2:2, a capped CBR high-profile codec.
struct Fixture
{
    source_video_track track{1280, 720, 30000, 1001, "yuv422p"};
    codec_settings codec{6000, false, "high", "4.1", 2, 0};
    stream_settings stream{};
    encode_job job{};

    Fixture(bool byQuality)
    {
        stream.codec = &codec;
        stream.bitrate = 3000;
        stream.byQuality = byQuality;
        stream.quality = 3;
        stream.containerCode = 1;
        stream.audioBitrate = 192;
        stream.channels = 2;
        stream.sampleRate = 44100;
        job.titleIndex = 0;
        job.titles = &track;
        job.titleCount = 1;
        job.threads = 4;
        job.settings = &stream;
    }
};

} // namespace

class TestEncoderArguments : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { media_congfig_global_init(); }
    void goldenLists_data();
    void goldenLists();
    void everyRowBuildsEveryKind();
    void estimates();
    void snapping_data();
    void snapping();
    void levelRule_data();
    void levelRule();
    void amdBaselineIsConstrained();
    void opusIsMadeAcceptable();
    void qualityOutsideTablesIsClamped();
    void vectorGrowsByOneAndRemembersFailure();
    void threadsBuildTheSameLists();
};

void TestEncoderArguments::goldenLists_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("byQuality");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("expected");
    const int V = MEDIA_TYPE_VIDEO, A = MEDIA_TYPE_AUDIO;
    const QByteArray x264 = "-c:v libx264 -flags +loop -cmp chroma -pix_fmt yuv420p -partitions +parti4x4+parti8x8+partp8x8 "
                            "-keyint_min 25 -threads 0 -profile:v high -level 4.1 -bf 2 -g 200 -preset faster ";
    const QByteArray mpeg4 = "-c:v mpeg4 -mbd 2 -flags +mv4+aic -trellis 2 -cmp 2 -subcmp 2 -bf 0 -g 250 -profile:v 0 -level 3 ";
    const QByteArray mpeg12 = "-g 12 -mbd rd -trellis 1 -mpv_flags +mv0 -cmp 0 -subcmp 2 -r:v 25/1 ";
    QTest::newRow("h264 software q") << QByteArray("h264") << V << 3 << true << 3
        << x264 + "-crf 22 -qmin 5 -qmax 30 -maxrate 6000k -bufsize 1835k";
    QTest::newRow("h264 software rate") << QByteArray("h.264") << V << 3 << false << 3
        << x264 + "-minrate 3000k -maxrate 3000k -b:v 3000k -bufsize 1835k";
    QTest::newRow("h264 nvenc q") << QByteArray("h264") << V << 0 << true << 0
        << QByteArray("-c:v h264_nvenc -profile:v high -level:v 4.1 -pix_fmt yuv420p -rc constqp -cq 22 -qmin 5 -qmax 30 -maxrate 6000k -g 200");
    QTest::newRow("h264 nvenc rate") << QByteArray("h264") << V << 0 << false << 0
        << QByteArray("-c:v h264_nvenc -profile:v high -level:v 4.1 -pix_fmt yuv420p -rc cbr -minrate 3000k -maxrate 3000k -b:v 3000k -g 200");
    QTest::newRow("h264 qsv q") << QByteArray("h264") << V << 1 << true << 1
        << QByteArray("-c:v h264_qsv -profile:v high -level 4.1 -preset faster -pix_fmt yuv420p -look_ahead 0 -q:v 25 -g 200");
    QTest::newRow("h264 qsv rate") << QByteArray("h264") << V << 1 << false << 1
        << QByteArray("-c:v h264_qsv -profile:v high -level 4.1 -preset faster -pix_fmt yuv420p -look_ahead 1 -b:v 3000k -maxrate 3000k -minrate 3000k -g 200");
    QTest::newRow("h264 amf q") << QByteArray("h264") << V << 2 << true << 2
        << QByteArray("-c:v h264_amf -profile:v high -level:v 4.1 -rc cqp -qp_i 22 -qp_p 22 -qp_b 22 -maxrate 6000k -g 200");
    QTest::newRow("h264 amf rate") << QByteArray("h264") << V << 2 << false << 2
        << QByteArray("-c:v h264_amf -profile:v high -level:v 4.1 -rc cbr -minrate 3000k -maxrate 3000k -b:v 3000k -g 200");
    QTest::newRow("h264 plain") << QByteArray("h264") << V << 5 << true << 5 << QByteArray("-c:v libx264");
    QTest::newRow("h264 copy") << QByteArray("h264") << V << 4 << true << 4 << QByteArray("-c:v copy");
    QTest::newRow("hevc software q") << QByteArray("hevc") << V << 3 << true << 3
        << QByteArray("-c:v libx265 -preset faster -x265-params crf=28 -threads 4 -tag:v hvc1 -pix_fmt yuv420p");
    QTest::newRow("h265 software rate") << QByteArray("h265") << V << 3 << false << 3
        << QByteArray("-c:v libx265 -minrate 3000k -maxrate 3000k -b:v 3000k -threads 4 -tag:v hvc1 -pix_fmt yuv420p");
    QTest::newRow("hevc nvenc q") << QByteArray("hevc") << V << 0 << true << 0
        << QByteArray("-c:v hevc_nvenc -profile:v main -level:v auto -rc constqp -cq 22 -qmin 5 -qmax 30 -maxrate 6000k -tag:v hvc1");
    QTest::newRow("hevc nvenc rate") << QByteArray("hevc") << V << 0 << false << 0
        << QByteArray("-c:v hevc_nvenc -profile:v main -level:v auto -rc cbr -minrate 3000k -maxrate 3000k -b:v 3000k -tag:v hvc1");
    QTest::newRow("hevc qsv q") << QByteArray("hevc") << V << 1 << true << 1
        << QByteArray("-c:v hevc_qsv -load_plugin hevc_hw -preset faster -pix_fmt yuv420p -q:v 25 -g 200");
    QTest::newRow("hevc amf q") << QByteArray("hevc") << V << 2 << true << 2
        << QByteArray("-c:v hevc_amf -profile:v main -level:v auto -quality balanced -tag:v hvc1");
    QTest::newRow("hevc amf rate") << QByteArray("hevc") << V << 2 << false << 2
        << QByteArray("-c:v hevc_amf -profile:v main -level:v auto -rc cbr -minrate 3000k -maxrate 3000k -b:v 3000k -tag:v hvc1");
    QTest::newRow("hevc plain") << QByteArray("hevc") << V << 5 << true << 5 << QByteArray("-c:v libx265");
    QTest::newRow("mpeg4 q") << QByteArray("mpeg4") << V << 3 << true << 3
        << mpeg4 + "-qmin 2 -qmax 28 -qscale:v 8 -maxrate 6000k -bufsize 1835k";
    QTest::newRow("divx rate") << QByteArray("divx") << V << 3 << false << 3
        << mpeg4 + "-minrate 3000k -maxrate 3000k -b:v 3000k -bufsize 1835k -tag:v DIVX";
    QTest::newRow("divx plain") << QByteArray("divx") << V << 5 << true << 5 << QByteArray("-c:v mpeg4 -tag:v DIVX");
    QTest::newRow("mpeg2 q") << QByteArray("mpeg2") << V << 3 << true << 3
        << "-c:v mpeg2video " + mpeg12 + "-qmin 2 -qmax 30 -qscale:v 4 -maxrate 6000k";
    QTest::newRow("mpeg1 rate") << QByteArray("mpeg1") << V << 3 << false << 3
        << "-c:v mpeg1video " + mpeg12 + "-minrate 3000k -maxrate 3000k -b:v 3000k";
    QTest::newRow("mpeg1 plain") << QByteArray("mpeg1") << V << 5 << true << 5 << QByteArray("-c:v mpeg2video");
    QTest::newRow("mjpeg q") << QByteArray("mjpeg") << V << 3 << true << 3 << QByteArray("-c:v mjpeg -b:v 11059k");
    QTest::newRow("mjpeg rate") << QByteArray("mjpeg") << V << 3 << false << 3 << QByteArray("-c:v mjpeg -b:v 3000k");
    QTest::newRow("wmv2 q") << QByteArray("wmv2") << V << 3 << true << 3 << QByteArray("-c:v wmv2 -b:v 3100k");
    QTest::newRow("flv rate") << QByteArray("flv") << V << 3 << false << 3 << QByteArray("-c:v flv -b:v 3000k");
    QTest::newRow("h.263 plain q") << QByteArray("h.263") << V << 5 << true << 3 << QByteArray("-c:v h263 -b:v 3100k");
    QTest::newRow("prores q") << QByteArray("prores") << V << 3 << true << 3
        << QByteArray("-c:v prores_ks -r:v 30000/1001 -qscale:v 10 -g 200 -bufsize 1835k -profile:v auto -quant_mat auto -vendor ap10");
    QTest::newRow("theora rate") << QByteArray("theora") << V << 3 << false << 3 << QByteArray("-c:v libtheora -qscale:v 7");
    QTest::newRow("vp9 q") << QByteArray("vp9") << V << 3 << true << 3
        << QByteArray("-c:v vp9 -qmin 4 -qmax 50 -crf 33 -threads 4 -quality good -speed 5 -tile-columns 6 -frame-parallel 1 -auto-alt-ref 1 -lag-in-frames 25");
    QTest::newRow("vp8 rate") << QByteArray("vp8") << V << 3 << false << 3
        << QByteArray("-c:v vp8 -b:v 3000k -minrate 3000k -maxrate 3000k -threads 4 -quality good -speed 5 -auto-alt-ref 0");
    QTest::newRow("xvid q") << QByteArray("xvid") << V << 3 << true << 3
        << QByteArray("-c:v libxvid -qmin 2 -qmax 28 -qscale:v 10 -maxrate 6000k -mbd 2 -bf 0 -trellis 2 -flags +aic -cmp 2 -subcmp 2 -g 250 -bufsize 1835k -pix_fmt yuv420p");
    QTest::newRow("xvid rate") << QByteArray("xvid") << V << 3 << false << 3
        << QByteArray("-c:v libxvid -b:v 3000k -mbd 2 -bf 0 -trellis 2 -flags +aic -cmp 2 -subcmp 2 -g 250 -bufsize 1835k -pix_fmt yuv420p");
    QTest::newRow("av1 q") << QByteArray("av1") << V << 3 << true << 3 << QByteArray("-c:v libsvtav1 -crf 35");
    QTest::newRow("av1 rate") << QByteArray("av1") << V << 3 << false << 3 << QByteArray("-c:v libsvtav1 -svtav1-params rc=1:tbr=3000");
    QTest::newRow("dv-pal") << QByteArray("dv-pal") << V << 3 << true << 3 << QByteArray("-c:v dvvideo -target pal-dv");
    QTest::newRow("video copy row, nvenc slot") << QByteArray("copy") << V << 0 << true << 4 << QByteArray("-c:v copy");
    QTest::newRow("mp3") << QByteArray("mp3") << A << 3 << true << 3 << QByteArray("-c:a libmp3lame -b:a 192k -ar 44100 -ac 2");
    QTest::newRow("wav") << QByteArray("wav") << A << 3 << true << 3 << QByteArray("-c:a pcm_s16le -b:a 192k -ar 44100 -ac 2");
    QTest::newRow("opus") << QByteArray("opus") << A << 3 << true << 3 << QByteArray("-c:a opus -b:a 192k -ar 48000 -ac 2 -strict -2");
    QTest::newRow("audio copy") << QByteArray("copy") << A << 3 << true << 4 << QByteArray("-c:a copy");
}

void TestEncoderArguments::goldenLists()
{
    QFETCH(QByteArray, row);
    QFETCH(int, type);
    QFETCH(int, kind);
    QFETCH(bool, byQuality);
    QFETCH(int, result);
    QFETCH(QByteArray, expected);
    const codec_descriptor* d = codec_find(row.constData(), type);
    QVERIFY(d);
    QVERIFY(d->builders[kind]);
    Fixture f(byQuality);
    media_arguments args{};
    QCOMPARE(int(d->builders[kind](&f.job, &args)), result);
    QCOMPARE(joined(args), expected);
    QVERIFY(!args.failed);
    arguments_free(&args);
}

void TestEncoderArguments::everyRowBuildsEveryKind()
{
    const codec_descriptor* const* table = codec_registry_slots();
    for (int i = 0; i < kCodecRegistrySlots; ++i) {
        if (!table[i])
            continue;
        for (int kind = 0; kind < 6; ++kind) {
            if (!table[i]->builders[kind])
                continue;
            for (int q = 0; q <= 6; ++q) {
                for (bool byQuality : {true, false}) {
                    Fixture f(byQuality);
                    f.stream.quality = q;
                    media_arguments args{};
                    table[i]->builders[kind](&f.job, &args);
                    QVERIFY2(args.count >= 2 && !args.failed, table[i]->name);
                    arguments_free(&args);
                }
            }
        }
    }
}

void TestEncoderArguments::estimates()
{
    QCOMPARE(estimate_bitrate(0, 480, 30, 0.8f), 2500000);
    QCOMPARE(estimate_bitrate(16, 16, 30, 0), 100000);
    QCOMPARE(estimate_bitrate(100, 100, 200, 0), estimate_bitrate(100, 100, 24, 0));
    QCOMPARE(estimate_bitrate(100000, 100000, 60, 1.0f), INT_MAX);   // clamped, not wrapped

    Fixture f(false);
    f.stream.width = 1920;
    f.stream.height = 1080;
    f.stream.frameRate = 30;
    QCOMPARE(estimate_video_kbps(&f.job, 0.8f), 5500);
    f.stream.width = 16;
    f.stream.height = 16;
    f.job.titleIndex = -1;
    f.job.sourceless = true;
    f.stream.frameRate = 0;
    // 720x480 at 30 when neither settings nor a source say.
    QCOMPARE(estimate_video_kbps(&f.job, 0.8f), (estimate_bitrate(720, 480, 30, 0.8f) / 100000 + 1) * 100);
    // 100000 bit/s gives 200.
    f.job.sourceless = false;
    source_video_track tiny{16, 16, 30, 1, nullptr};
    f.job.titles = &tiny;
    f.job.titleIndex = 0;
    QCOMPARE(estimate_video_kbps(&f.job, 0), 200);

    // Bitrate mode: below 100 the estimate, from 100 the asked rate.
    Fixture g(false);
    g.stream.bitrate = 50;
    media_arguments args{};
    build_h264_software(&g.job, &args);
    QVERIFY(!joined(args).contains("-b:v 50k"));
    arguments_free(&args);
    g.stream.bitrate = 100;
    build_h264_software(&g.job, &args);
    QVERIFY(joined(args).contains("-b:v 100k"));
    arguments_free(&args);
}

void TestEncoderArguments::snapping_data()
{
    QTest::addColumn<float>("fps");
    QTest::addColumn<QByteArray>("rational");
    QTest::newRow("23.976") << 23.976f << QByteArray("24000/1001");
    QTest::newRow("29.97") << 29.97f << QByteArray("30000/1001");
    QTest::newRow("59.94") << 59.94f << QByteArray("60000/1001");
    QTest::newRow("12.5") << 12.5f << QByteArray("24/1");
    QTest::newRow("25") << 25.0f << QByteArray("25/1");
    QTest::newRow("50") << 50.0f << QByteArray("50/1");
}

void TestEncoderArguments::snapping()
{
    QFETCH(float, fps);
    QFETCH(QByteArray, rational);
    QCOMPARE(QByteArray(frame_rate_to_rational(fps)), rational);
}

void TestEncoderArguments::levelRule_data()
{
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QByteArray>("nvenc");
    QTest::addColumn<bool>("softwareHasLevel");
    QTest::newRow("5.2") << QByteArray("5.2") << QByteArray("auto") << true;
    QTest::newRow("4.1") << QByteArray("4.1") << QByteArray("4.1") << true;
    QTest::newRow("2.0") << QByteArray("2.0") << QByteArray("auto") << false;
}

void TestEncoderArguments::levelRule()
{
    QFETCH(QByteArray, level);
    QFETCH(QByteArray, nvenc);
    QFETCH(bool, softwareHasLevel);
    Fixture f(true);
    f.codec.level = level.constData();
    media_arguments args{};
    build_h264_nvenc(&f.job, &args);
    QVERIFY(joined(args).contains("-level:v " + nvenc + " "));
    arguments_free(&args);
    build_h264_software(&f.job, &args);
    QCOMPARE(joined(args).contains("-level "), softwareHasLevel);
    arguments_free(&args);
}

void TestEncoderArguments::amdBaselineIsConstrained()
{
    Fixture f(true);
    f.codec.profile = "baseline";
    media_arguments args{};
    build_h264_amf(&f.job, &args);
    QVERIFY(joined(args).startsWith("-c:v h264_amf -profile:v constrained_baseline "));
    arguments_free(&args);
    f.codec.profile = "main";
    build_h264_amf(&f.job, &args);
    QVERIFY(joined(args).startsWith("-c:v h264_amf -profile:v main "));
    arguments_free(&args);
    // No known profile: NVIDIA and AMD leave the choice to the encoder.
    f.codec.profile = "weird";
    build_h264_nvenc(&f.job, &args);
    QVERIFY(!joined(args).contains("-profile:v"));
    arguments_free(&args);
}

void TestEncoderArguments::opusIsMadeAcceptable()
{
    Fixture f(true);
    f.stream.sampleRate = 44100;
    f.stream.channels = 6;
    media_arguments args{};
    build_audio("opus", &f.job, &args);
    QCOMPARE(joined(args), QByteArray("-c:a opus -b:a 192k -ar 48000 -ac 2 -strict -2"));
    arguments_free(&args);
    build_audio("aac", &f.job, &args);
    QVERIFY(!joined(args).contains("-strict"));
    arguments_free(&args);
}

void TestEncoderArguments::qualityOutsideTablesIsClamped()
{
    for (int q : {-5, 0, 5, 6, 99}) {
        Fixture f(true);
        f.stream.quality = q;
        f.stream.bitrate = 0;
        for (argument_builder b : {build_mjpeg, build_wmv2, build_theora, build_h264_software, build_prores_software}) {
            media_arguments args{};
            b(&f.job, &args);
            QVERIFY(args.count >= 2);
            arguments_free(&args);
        }
    }
}

void TestEncoderArguments::vectorGrowsByOneAndRemembersFailure()
{
    media_arguments args{};
    for (const char* s : {"a", "b", "c"})
        QVERIFY(arguments_append(&args, s));
    QCOMPARE(args.capacity, 3);
    QVERIFY(arguments_append_int(&args, -7));
    QCOMPARE(args.capacity, 4);
    QCOMPARE(joined(args), QByteArray("a b c -7"));
    QVERIFY(!args.failed);
    QVERIFY(!arguments_append(&args, nullptr));
    QVERIFY(args.failed);
    arguments_free(&args);
    QCOMPARE(args.count, 0);
}

void TestEncoderArguments::threadsBuildTheSameLists()
{
    auto build = [] {
        QList<QByteArray> lists;
        for (int i = 0; i < 10000; ++i) {
            Fixture f(i % 2 == 0);
            f.stream.quality = i % 6;
            media_arguments args{};
            (i % 3 == 0 ? build_av1 : i % 3 == 1 ? build_hevc_software : build_h264_software)(&f.job, &args);
            lists << joined(args);
            arguments_free(&args);
        }
        return lists;
    };
    const QList<QByteArray> alone = build();
    QList<QByteArray> a, b;
    std::thread t1([&] { a = build(); });
    std::thread t2([&] { b = build(); });
    t1.join();
    t2.join();
    QCOMPARE(a, alone);
    QCOMPARE(b, alone);
}

QTEST_GUILESS_MAIN(TestEncoderArguments)
#include "tst_encoderarguments.moc"
