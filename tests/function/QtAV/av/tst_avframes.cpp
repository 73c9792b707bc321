// Frames out of the media layer: captures of what plays, extraction at
// positions, filters, frame conversion, and the twplay tool. Pictures are
// compared with the frames ffmpeg itself extracts at the same times.

#include "AvTestMedia.h"
#include "LocalHttpServer.h"
#include "PlayerProbe.h"
#include "function/QtAV/av/VideoFrameExtractor.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <mutex>

using namespace TwAV;

namespace {
// Small differences come from the scaler's rounding, not from another frame:
// neighbouring testsrc frames differ far more.
constexpr double kSameFrame = 4.0;

class OrderFilter : public VideoFilter
{
public:
    OrderFilter(QStringList* log, QString name) : m_log(log), m_name(std::move(name)) {}
    void process(VideoFrame*) override
    {
        std::lock_guard<std::mutex> l(m);
        if (m_log->size() < 20)
            *m_log << m_name;
    }
    static std::mutex m;
private:
    QStringList* m_log;
    QString m_name;
};
std::mutex OrderFilter::m;

class SubtitleCollector : public VideoFilter
{
public:
    void process(VideoFrame*) override {}
    void subtitleEvent(const SubtitleEvent& e) override { std::lock_guard<std::mutex> l(m); texts << e.text; }
    QStringList all() const { std::lock_guard<std::mutex> l(m); return texts; }
private:
    mutable std::mutex m;
    QStringList texts;
};
} // namespace

class TestAVFrames : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(!AvTestMedia::h264Aac().isEmpty());
        setLogLevel(LogOff);
    }

    void frameConvertsThroughTheScaler()
    {
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(QColor(10, 200, 30));
        const VideoFrame f = VideoFrame::fromImage(img);
        QVERIFY(f.isValid());
        QCOMPARE(f.size(), QSize(64, 48));
        QCOMPARE(f.toImage(QImage::Format_RGB32), img);
        QCOMPARE(f.toImage(QImage::Format_RGB32, QSize(32, 24)).size(), QSize(32, 24));
        QVERIFY(!VideoFrame().isValid());
        QVERIFY(VideoFrame().toImage().isNull());
    }

    void extractionsMatchFfmpegInOrder()
    {
        const QString file = AvTestMedia::h264Aac();
        const QList<qint64> asked{0, 2400, 1000, 3200000, 520, -5, 1960, 40, 2960, 1480};
        VideoFrameExtractor ex;
        ex.setSource(file);
        QList<qint64> answered;
        QList<QImage> images;
        QStringList errors;
        connect(&ex, &VideoFrameExtractor::frameExtracted, this, [&](const VideoFrame& f) {
            answered << f.metaData("requestedPosition").toLongLong();
            images << f.toImage(QImage::Format_RGB32);
        });
        connect(&ex, &VideoFrameExtractor::error, this, [&](const QString& m) {
            answered << -1;
            images << QImage();
            errors << m;
        });
        for (qint64 ms : asked) {
            ex.setPosition(ms);
            ex.extract();
        }
        QTRY_VERIFY_WITH_TIMEOUT(answered.size() == asked.size(), 60000);
        for (int i = 0; i < asked.size(); ++i) {
            const qint64 ms = asked[i];
            if (ms < 0 || ms > 3000) {
                QCOMPARE(answered[i], qint64(-1));
                continue;
            }
            QCOMPARE(answered[i], ms);
            const double diff = AvTestMedia::imageDifference(images[i], AvTestMedia::ffmpegFrameAt(file, ms));
            QVERIFY2(diff < kSameFrame, qPrintable(QStringLiteral("%1 ms: %2").arg(ms).arg(diff)));
        }
        QCOMPARE(errors.size(), 2);
    }

    void extractionWithoutSourceIsAnswered()
    {
        VideoFrameExtractor ex;
        QSignalSpy err(&ex, &VideoFrameExtractor::error);
        ex.setPosition(100);
        ex.extract();
        QTRY_COMPARE_WITH_TIMEOUT(err.count(), 1, 10000);
    }

    void newSourceAbortsWhatWaited()
    {
        LocalHttpServer server;
        QVERIFY(server.start(true));
        LocalHttpServer::Route stall;
        stall.stallBeforeHead = true;
        server.addRoute("/stall.mp4", stall);
        VideoFrameExtractor ex;
        QSignalSpy aborted(&ex, &VideoFrameExtractor::aborted);
        QSignalSpy done(&ex, &VideoFrameExtractor::frameExtracted);
        ex.setSource(server.url("/stall.mp4").toString());
        for (qint64 ms : {100, 200, 300}) {
            ex.setPosition(ms);
            ex.extract();
        }
        ex.setSource(AvTestMedia::h264Aac());
        ex.setPosition(1000);
        ex.extract();
        QTRY_COMPARE_WITH_TIMEOUT(aborted.count(), 3, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
    }

    void captureConvertsTheShownFrame()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        QSignalSpy failed(player.videoCapture(), &VideoCapture::failed);
        QSignalSpy captured(player.videoCapture(), &VideoCapture::imageCaptured);
        player.videoCapture()->capture();   // nothing shown yet
        QCOMPARE(failed.count(), 1);
        player.play(AvTestMedia::h264Aac());
        QTRY_VERIFY_WITH_TIMEOUT(probe.renderer.count() > 10, 20000);
        player.pause(true);
        QTest::qWait(100);
        const VideoFrame shown = player.videoCapture()->lastFrame();
        player.videoCapture()->capture();
        QCOMPARE(captured.count(), 1);
        const QImage img = captured.first().first().value<QImage>();
        const qint64 ms = qint64(shown.timestamp() * 1000 + 0.5);
        QVERIFY(AvTestMedia::imageDifference(img, AvTestMedia::ffmpegFrameAt(AvTestMedia::h264Aac(), ms)) < kSameFrame);
        player.stop();
    }

    void captureSavesWhereAsked_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("the user's pictures folder") << false;
        QTest::newRow("a folder set") << true;
    }

    void captureSavesWhereAsked()
    {
        QFETCH(bool, chosen);
        QTemporaryDir config, pictures, other;
        QFile dirs(config.filePath(QStringLiteral("user-dirs.dirs")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_PICTURES_DIR=\"" + pictures.path().toUtf8() + "\"\n");
        dirs.close();
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        AVPlayer player;
        PlayerProbe probe(&player);
        VideoCapture* capture = player.videoCapture();
        const QString expected = chosen ? other.path() : pictures.path();
        if (chosen)
            capture->setCaptureDir(other.path());
        QCOMPARE(capture->captureDir(), expected);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        capture->setAutoSave(true);
        QSignalSpy saved(capture, &VideoCapture::saved);
        player.play(AvTestMedia::h264Aac());
        QTRY_VERIFY_WITH_TIMEOUT(capture->lastFrame().isValid(), 20000);
        capture->capture();
        QCOMPARE(saved.count(), 1);
        const QString path = saved.first().first().toString();
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(expected).absolutePath());
        QVERIFY(QFileInfo(path).size() > 0);
        player.stop();
    }

    void filtersRunInAscendingPriority()
    {
        QStringList log;
        OrderFilter late(&log, "late"), early(&log, "early");
        AVPlayer player;
        PlayerProbe probe(&player);
        QVERIFY(player.installFilter(&late, 10));
        QVERIFY(player.installFilter(&early, -3));
        player.play(AvTestMedia::h264Aac());
        QTRY_VERIFY_WITH_TIMEOUT(probe.renderer.count() > 3, 20000);
        player.stop();
        std::lock_guard<std::mutex> l(OrderFilter::m);
        QVERIFY(log.size() >= 4);
        QCOMPARE(log.mid(0, 4), QStringList({"early", "late", "early", "late"}));
    }

    void libavfilterGraphScalesAndFollowsItsText()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        LibAVFilterVideo scale;
        scale.setOptions("scale=w=160:h=-2");
        player.installFilter(&scale);
        QSize seen;
        QObject context;   // ends the queued calls with this function
        connect(&probe.renderer, &VideoRenderer::frameReceived, &context, [&](const VideoFrame& f) { seen = f.size(); },
                Qt::QueuedConnection);
        player.play(AvTestMedia::h264Aac());
        QTRY_COMPARE_WITH_TIMEOUT(seen, QSize(160, 120), 20000);
        scale.setOptions("scale=w=-2:h=60");
        QTRY_COMPARE_WITH_TIMEOUT(seen, QSize(80, 60), 20000);
        scale.setOptions("this is not a filter");
        QTRY_COMPARE_WITH_TIMEOUT(seen, QSize(320, 240), 20000);
        player.stop();
    }

    void rendererFilterOptions()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        QSignalSpy identity(&probe.renderer, &VideoRenderer::matrixIdentitied);
        QMatrix4x4 m;
        m.rotate(90, 0, 0, 1);
        probe.renderer.setMatrix(m);
        QCOMPARE(identity.count(), 0);
        probe.renderer.setMatrix(QMatrix4x4());
        QCOMPARE(identity.count(), 1);
        probe.renderer.setFilterOptions("format=pix_fmts=yuv420p[1]; [1]crop=w=100:h=50:x=0:y=0");
        probe.renderer.setFilterEnabled(true);
        probe.renderer.initAVFilter();
        player.play(AvTestMedia::h264Aac());
        QTRY_VERIFY_WITH_TIMEOUT(probe.renderer.currentFrame().size() == QSize(100, 50), 20000);
        probe.renderer.setFilterEnabled(false);
        QTRY_VERIFY_WITH_TIMEOUT(probe.renderer.currentFrame().size() == QSize(320, 240), 20000);
        player.stop();
    }

    void chosenSubtitleEventsReachFilters()
    {
        SubtitleCollector subs;
        AVPlayer player;
        PlayerProbe probe(&player);
        player.installFilter(&subs);
        player.setSubtitleStream(0);
        player.play(AvTestMedia::twoAudioWithSubtitle());
        QTRY_VERIFY_WITH_TIMEOUT(subs.all().contains("Hello there"), 20000);
        player.stop();
    }

    void twplayReportsEventsAndExitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("plays to the end") << QStringList{"--audio", "null", AvTestMedia::vp9Opus()} << 0
                                          << QStringList{"state", "started", "stopped", "state"};
        QTest::newRow("asked stop") << QStringList{"--audio", "null", "--stop-after", "300", AvTestMedia::h264Aac()} << 0
                                    << QStringList{"state", "started", "stopped", "state"};
        QTest::newRow("error") << QStringList{"--audio", "null", QDir(AvTestMedia::folder()).filePath("none.mp4")} << 2
                               << QStringList{"error"};
        QTest::newRow("bad arguments") << QStringList{"--audio", "loud", AvTestMedia::h264Aac()} << 1 << QStringList{};
    }
    void twplayReportsEventsAndExitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QStringList, events);
        const QString tool = qEnvironmentVariable("TW_BINARY_DIR") + "/bin/twplay";
        QVERIFY2(QFile::exists(tool), qPrintable(tool));
        QProcess p;
        p.start(tool, args);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), exitCode);
        QStringList seen;
        for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
            const QString e = QJsonDocument::fromJson(line).object().value("event").toString();
            if (!e.isEmpty() && e != "position" && e != "buffer")
                seen << e;
        }
        QCOMPARE(seen, events);
    }

    void twplayCapturesAndExtracts()
    {
        const QString dir = AvTestMedia::folder();
        const QString file = AvTestMedia::h264Aac();
        QProcess p;
        p.start(qEnvironmentVariable("TW_BINARY_DIR") + "/bin/twplay",
                {"--audio", "null", "--capture", "1000:" + dir + "/cap.png",
                 "--capture", "9000:" + dir + "/never.png",
                 "--extract", "2000:" + dir + "/ext.png", "--extract", "9000:" + dir + "/none.png", file});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        // Every capture and extraction is answered, the ones that cannot be
        // served as failures.
        QMap<QString, bool> answers;
        for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            const QString e = o.value("event").toString();
            if (e == "capture" || e == "extracted")
                answers.insert(e + ":" + QString::number(o.value(e == "capture" ? "at" : "position").toInt()),
                               o.value("ok").toBool());
        }
        const QMap<QString, bool> expected{{"capture:1000", true}, {"capture:9000", false},
                                           {"extracted:2000", true}, {"extracted:9000", false}};
        QVERIFY2(answers == expected, qPrintable(QStringList(answers.keys()).join(' ') + " / "
                 + QString::number(answers.value("capture:1000"))));
        QVERIFY(AvTestMedia::imageDifference(QImage(dir + "/ext.png"), AvTestMedia::ffmpegFrameAt(file, 2000)) < kSameFrame);
        const QImage cap(dir + "/cap.png");
        QCOMPARE(cap.size(), QSize(320, 240));
    }
};

QTEST_GUILESS_MAIN(TestAVFrames)
#include "tst_avframes.moc"
