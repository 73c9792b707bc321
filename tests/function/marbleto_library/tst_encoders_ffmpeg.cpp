// Every codec row whose encoder Debian's ffmpeg has: the built options, run
// through the real ffmpeg on a one-second test source, give a file of that
// codec that decodes cleanly. Hardware rows: every private option the
// builder writes is one the encoder's own help names.
#include "function/marbleto_library/arguments/util/arguments.h"
#include "function/marbleto_library/arguments/util/codec_registry.h"
#include "function/marbleto_library/arguments/util/util.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

namespace {

struct Case
{
    const char* row;
    int type;
    const char* ext;
    const char* probedCodec;
};

const Case kCases[] = {
    {"h264", 1, "mp4", "h264"}, {"h.264", 1, "mp4", "h264"}, {"mpeg4", 1, "mp4", "mpeg4"},
    {"hevc", 1, "mp4", "hevc"}, {"h265", 1, "mkv", "hevc"}, {"wmv2", 1, "wmv", "wmv2"},
    {"xvid", 1, "avi", "mpeg4"}, {"divx", 1, "avi", "mpeg4"}, {"vp8", 1, "webm", "vp8"},
    {"vp9", 1, "webm", "vp9"}, {"mpeg1", 1, "mpg", "mpeg1video"}, {"mpeg2", 1, "mpg", "mpeg2video"},
    {"sorenson h.263", 1, "flv", "flv1"}, {"flv", 1, "flv", "flv1"}, {"h263", 1, "3gp", "h263"},
    {"h.263", 1, "3gp", "h263"}, {"theora", 1, "ogv", "theora"}, {"dv-ntsc", 1, "dv", "dvvideo"},
    {"dv-pal", 1, "dv", "dvvideo"}, {"prores", 1, "mov", "prores"}, {"mjpeg", 1, "mkv", "mjpeg"},
    {"av1", 1, "mkv", "av1"},
    {"mp3", 2, "mp3", "mp3"}, {"aac", 2, "m4a", "aac"}, {"wmav2", 2, "wma", "wmav2"}, {"wma2", 2, "wma", "wmav2"},
    {"wmav1", 2, "wma", "wmav1"}, {"wma1", 2, "wma", "wmav1"}, {"wav", 2, "wav", "pcm_s16le"},
    {"flac", 2, "flac", "flac"}, {"alac", 2, "m4a", "alac"}, {"vorbis", 2, "ogg", "vorbis"},
    {"ogg", 2, "ogg", "vorbis"}, {"mp2", 2, "mp2", "mp2"}, {"ac3", 2, "ac3", "ac3"},
    {"pcm", 2, "wav", "pcm_s16le"}, {"adpcm", 2, "caf", "adpcm_ima_qt"}, {"opus", 2, "opus", "opus"},
};

struct Run
{
    QString name;
    QStringList args;
    QString source;
    QString output;
    QString probedCodec;
    bool video = true;
    QString failure;
};

QString runFfmpeg(const QString& program, const QStringList& args, QByteArray* out = nullptr)
{
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(program, args);
    if (!p.waitForStarted(10000) || !p.waitForFinished(120000))
        return program + " did not finish";
    if (out)
        *out = p.readAllStandardOutput();
    const QByteArray err = p.readAllStandardError();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString::fromLocal8Bit(err.right(600));
    return QString();
}

QStringList toList(const media_arguments& a)
{
    QStringList l;
    for (int i = 0; i < a.count; ++i)
        l << QString::fromUtf8(a.items[i]);
    return l;
}

QSet<QString> availableEncoders()
{
    QByteArray out;
    runFfmpeg("/usr/bin/ffmpeg", {"-hide_banner", "-encoders"}, &out);
    QSet<QString> names;
    for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() >= 2 && parts[0].size() == 6)
            names.insert(QString::fromUtf8(parts[1]));
    }
    return names;
}

} // namespace

class TestEncodersFfmpeg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void builtOptionsEncode();
    void hardwareOptionsAreKnown_data();
    void hardwareOptionsAreKnown();

private:
    QTemporaryDir m_dir;
    QString m_video, m_video288, m_audio;
    QSet<QString> m_encoders;
};

void TestEncodersFfmpeg::initTestCase()
{
    if (!QFile::exists("/usr/bin/ffmpeg"))
        QSKIP("ffmpeg is missing");
    media_congfig_global_init();
    m_encoders = availableEncoders();
    m_video = m_dir.filePath("src.mkv");
    m_video288 = m_dir.filePath("src288.mkv");
    m_audio = m_dir.filePath("src.wav");
    const QStringList common{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"};
    QCOMPARE(runFfmpeg("/usr/bin/ffmpeg", common + QStringList{"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=1",
                                                                 "-c:v", "ffv1", m_video}), QString());
    QCOMPARE(runFfmpeg("/usr/bin/ffmpeg", common + QStringList{"-f", "lavfi", "-i", "testsrc=size=352x288:rate=25:duration=1",
                                                                 "-c:v", "ffv1", m_video288}), QString());
    QCOMPARE(runFfmpeg("/usr/bin/ffmpeg", common + QStringList{"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=1",
                                                                 "-ac", "2", m_audio}), QString());
}

void TestEncodersFfmpeg::builtOptionsEncode()
{
    QList<Run> runs;
    QStringList skipped;
    for (const Case& c : kCases) {
        const codec_descriptor* d = codec_find(c.row, c.type);
        QVERIFY2(d, c.row);
        for (int kind : {int(ENCODER_SOFTWARE), int(ENCODER_PLAIN), int(ENCODER_COPY)}) {
            if (!d->builders[kind] || (kind == ENCODER_COPY && c.type == 2))
                continue;
            for (bool byQuality : {true, false}) {
                codec_settings codec{0, false, "high", "4.1", 0, 25};
                stream_settings s{};
                s.codec = &codec;
                s.byQuality = byQuality;
                s.bitrate = 800;
                s.quality = 3;
                s.audioBitrate = 128;
                s.sampleRate = qstrcmp(c.row, "opus") == 0 ? 44100 : 44100;
                s.channels = qstrcmp(c.row, "opus") == 0 ? 6 : 2;
                if (qstrcmp(c.row, "ac3") == 0 || qstrcmp(c.row, "mp2") == 0)
                    s.audioBitrate = 192;
                encode_job job{};
                job.sourceless = true;
                job.titleIndex = -1;
                job.threads = 2;
                job.settings = &s;
                media_arguments a{};
                d->builders[kind](&job, &a);
                QVERIFY(!a.failed);
                const QStringList args = toList(a);
                arguments_free(&a);
                const QString encoder = args.value(1);
                if (encoder != "copy" && !m_encoders.contains(encoder) && encoder != "vp8" && encoder != "vp9") {
                    skipped << encoder;
                    continue;
                }
                // Every rate is written with its unit.
                for (int i = 0; i + 1 < args.size(); ++i) {
                    if (QStringList{"-b:v", "-b:a", "-maxrate", "-minrate", "-bufsize"}.contains(args[i]))
                        QVERIFY2(args[i + 1].endsWith('k'), qPrintable(args.join(' ')));
                }
                Run r;
                r.name = QStringLiteral("%1 kind %2 %3").arg(c.row).arg(kind).arg(byQuality ? "quality" : "bitrate");
                r.args = args;
                r.video = c.type == 1;
                const bool h263 = QString(c.row).contains("263") && QString(c.row) != "sorenson h.263";
                r.source = !r.video ? m_audio : h263 ? m_video288 : m_video;
                r.output = m_dir.filePath(QStringLiteral("out_%1.%2").arg(runs.size()).arg(c.ext));
                // The mpeg1 row's plain form writes MPEG-2.
                r.probedCodec = kind == ENCODER_COPY ? QString() : encoder == "mpeg2video" ? encoder : QString(c.probedCodec);
                if (kind == ENCODER_COPY) {
                    r.output = m_dir.filePath(QStringLiteral("out_%1.mkv").arg(runs.size()));
                }
                runs << r;
            }
        }
    }
    if (!skipped.isEmpty())
        qInfo("encoders this ffmpeg lacks, skipped: %s", qPrintable(QStringList(skipped).join(", ")));

    std::atomic<int> next{0};
    auto worker = [&] {
        for (int i = next++; i < runs.size(); i = next++) {
            Run& r = runs[i];
            QStringList args{"-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-i", r.source};
            args << (r.video ? QStringLiteral("-an") : QStringLiteral("-vn")) << r.args << r.output;
            r.failure = runFfmpeg("/usr/bin/ffmpeg", args);
            if (!r.failure.isEmpty())
                continue;
            QByteArray probed;
            r.failure = runFfmpeg("/usr/bin/ffprobe", {"-v", "error", "-select_streams", r.video ? "v:0" : "a:0",
                                                       "-show_entries", "stream=codec_name", "-of", "default=nw=1:nk=1", r.output}, &probed);
            probed = probed.split('\n').value(0);
            if (r.failure.isEmpty() && !r.probedCodec.isEmpty() && probed.trimmed() != r.probedCodec.toUtf8())
                r.failure = QStringLiteral("codec %1").arg(QString::fromUtf8(probed.trimmed()));
            if (r.failure.isEmpty())
                r.failure = runFfmpeg("/usr/bin/ffmpeg", {"-nostdin", "-v", "error", "-xerror", "-i", r.output, "-f", "null", "-"});
        }
    };
    std::vector<std::thread> pool;
    for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i)
        pool.emplace_back(worker);
    for (auto& t : pool)
        t.join();
    QStringList failures;
    for (const Run& r : runs) {
        if (!r.failure.isEmpty())
            failures << r.name + " [" + r.args.join(' ') + "]: " + r.failure;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join("\n")));
    QVERIFY(runs.size() > 60);
}

void TestEncodersFfmpeg::hardwareOptionsAreKnown_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("kind");
    QTest::newRow("h264 nvenc") << QByteArray("h264") << int(ENCODER_NVENC);
    QTest::newRow("hevc nvenc") << QByteArray("hevc") << int(ENCODER_NVENC);
    QTest::newRow("h264 qsv") << QByteArray("h264") << int(ENCODER_QSV);
    QTest::newRow("hevc qsv") << QByteArray("hevc") << int(ENCODER_QSV);
}

void TestEncodersFfmpeg::hardwareOptionsAreKnown()
{
    QFETCH(QByteArray, row);
    QFETCH(int, kind);
    const codec_descriptor* d = codec_find(row.constData(), MEDIA_TYPE_VIDEO);
    QVERIFY(d && d->builders[kind]);
    QByteArray encoderHelp;
    for (bool byQuality : {true, false}) {
        for (bool vbr : {true, false}) {
            codec_settings codec{6000, vbr, "high", "4.1", 0, 0};
            stream_settings s{};
            s.codec = &codec;
            s.byQuality = byQuality;
            s.bitrate = 800;
            s.quality = 3;
            s.containerCode = 1;
            encode_job job{};
            job.sourceless = true;
            job.titleIndex = -1;
            job.twoPass = true;
            job.qualityTuning = true;
            job.settings = &s;
            media_arguments a{};
            d->builders[kind](&job, &a);
            const QStringList args = toList(a);
            arguments_free(&a);
            const QString encoder = args.value(1);
            if (!m_encoders.contains(encoder))
                QSKIP("this ffmpeg lacks the encoder");
            if (encoderHelp.isEmpty())
                QCOMPARE(runFfmpeg("/usr/bin/ffmpeg", {"-hide_banner", "-h", "encoder=" + encoder}, &encoderHelp), QString());
            // The encoder's private options; the rest are ffmpeg's generic ones.
            static const QSet<QString> generic{"-c:v", "-profile:v", "-pix_fmt", "-qmin", "-qmax", "-maxrate", "-minrate",
                                               "-b:v", "-g", "-level", "-tag:v", "-q:v", "-b_strategy"};
            for (int i = 0; i + 1 < args.size(); i += 2) {
                QString option = args[i];
                if (generic.contains(option))
                    continue;
                option = option.section(':', 0, 0).mid(1);
                const QRegularExpression line("^\\s+-" + QRegularExpression::escape(option) + "\\s", QRegularExpression::MultilineOption);
                QVERIFY2(line.match(QString::fromUtf8(encoderHelp)).hasMatch(), qPrintable(option + " in " + args.join(' ')));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestEncodersFfmpeg)
#include "tst_encoders_ffmpeg.moc"
