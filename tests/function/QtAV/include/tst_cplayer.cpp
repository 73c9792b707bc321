#include "AvTestMedia.h"
#include "function/QtAV/include/CPlayer.h"
#include "function/QtAV/include/CVideoPreviewWidget.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <mutex>

using TwAV::AVPlayer;

// Sizes of the frames a player hands over.
class SizeProbe : public TwAV::VideoRenderer
{
public:
    QSize last() const { std::lock_guard<std::mutex> l(m); return size; }
protected:
    void receiveFrame(const TwAV::VideoFrame& f) override { std::lock_guard<std::mutex> l(m); size = f.size(); }
private:
    mutable std::mutex m;   // seen by the thread checker, unlike a QMutex
    QSize size;
};

namespace {

int threadCount()
{
    return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

// Our own ffmpeg children (found by parent id).
QList<int> ffmpegChildren()
{
    QList<int> pids;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        QFile stat("/proc/" + entry + "/stat");
        if (!isPid || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray s = stat.readAll();
        const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
        if (s.contains("(ffmpeg)") && fields.size() > 1 && fields[1].toLongLong() == QCoreApplication::applicationPid())
            pids << pid;
    }
    return pids;
}

} // namespace

class TestCPlayer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameAddressAndEmptyAddress();
    void audioMinusOnePlaysMuted();
    void trackChoicesReportChange();
    void positionalCapturesAnswerInOrder();
    void captureWithoutSourceIsAnsweredBlack();
    void letterBoxSeriesTakesTenShots();
    void scaleRatioByHeight();
    void previewWidgetComesAndGoes();
    void dvdRequestEndsInLoadError();
    void exportThroughThePlayer();
    void destroyedMidExportLeavesNoThread();
};

void TestCPlayer::initTestCase()
{
    QVERIFY(!AvTestMedia::h264Aac().isEmpty());
}

void TestCPlayer::sameAddressAndEmptyAddress()
{
    CPlayer player;
    QCOMPARE(player.play(QString()), -1);
    QCOMPARE(player.play(AvTestMedia::h264Aac()), 0);
    QCOMPARE(player.play(AvTestMedia::h264Aac()), -1);
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), AVPlayer::PlayingState, 20000);
    player.stop();
    QCOMPARE(player.fileUrl(), QString());
    QCOMPARE(player.state(), AVPlayer::StoppedState);
}

void TestCPlayer::audioMinusOnePlaysMuted()
{
    CPlayer player;
    QVERIFY(player.setAudioStream(-1));
    QCOMPARE(player.play(AvTestMedia::h264Aac()), 0);
    QVERIFY(player.isMute());
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), AVPlayer::PlayingState, 20000);
    player.setVolume(1);
    QCOMPARE(player.volume(), 1);
    player.stop();
    QVERIFY(player.setAudioStream(1) == true);
    QCOMPARE(player.play(AvTestMedia::twoAudioWithSubtitle()), 0);
    QVERIFY(!player.isMute());
    // The choice is handed over while the media still opens: it must hold
    // once the media is open, not only until then.
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), AVPlayer::PlayingState, 20000);
    QCOMPARE(player.avPlayer()->currentAudioStream(), 1);
    player.stop();
}

void TestCPlayer::trackChoicesReportChange()
{
    CPlayer player;
    QVERIFY(!player.setVideoStream(0));
    QVERIFY(player.setVideoStream(1));
    QVERIFY(!player.setSubtitleStream(-1));
    QVERIFY(player.setSubtitleStream(0));
}

void TestCPlayer::positionalCapturesAnswerInOrder()
{
    CPlayer player;
    QSignalSpy images(&player, &CPlayer::doCapturePositionImage);
    QSignalSpy frames(&player, &CPlayer::doCapturePositionFrame);
    player.play(AvTestMedia::h264Aac());
    QTRY_VERIFY_WITH_TIMEOUT(player.duration() > 0, 20000);
    player.captureByPosition(500);
    player.captureByPosition(999999); // beyond the end
    player.captureByPosition(2000);
    QTRY_COMPARE_WITH_TIMEOUT(images.count(), 3, 20000);
    QVERIFY(player.pendingCaptures().isEmpty());
    const auto frameAt = [&](int i) { return frames.at(i).at(0).value<CVideoFrame>(); };
    QCOMPARE(frameAt(0).metaData("requestedPosition").toLongLong(), 500);
    QVERIFY(!frameAt(1).isValid());
    QCOMPARE(frameAt(2).metaData("requestedPosition").toLongLong(), 2000);
    const QImage black = images.at(1).at(0).value<QImage>();
    QCOMPARE(black.size(), QSize(320, 240));
    QCOMPARE(black.pixel(100, 100), qRgb(0, 0, 0));
    const QImage third = images.at(2).at(0).value<QImage>();
    QVERIFY(AvTestMedia::imageDifference(third, AvTestMedia::ffmpegFrameAt(AvTestMedia::h264Aac(), 2000)) < 8);
    player.stop();
}

void TestCPlayer::captureWithoutSourceIsAnsweredBlack()
{
    CPlayer player;
    QSignalSpy images(&player, &CPlayer::doCapturePositionImage);
    QVERIFY(!player.capture(0));
    player.captureByPosition(0);
    QCOMPARE(images.count(), 1);
    QVERIFY(player.pendingCaptures().isEmpty());
    // Without a preview widget these do nothing.
    player.setPreviewTimeStamp(1000);
    player.resizePreview(QSize(10, 10));
    player.resizePreview(1.5f);
}

void TestCPlayer::letterBoxSeriesTakesTenShots()
{
    const QString file = QDir(AvTestMedia::folder()).filePath("long110.mp4");
    QVERIFY(AvTestMedia::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=2", "-t", "110", "-c:v",
                                    "libx264", "-preset", "ultrafast", "-g", "4", "-pix_fmt", "yuv420p", file}));
    CPlayer player;
    QSignalSpy frames(&player, &CPlayer::doCapturePositionFrame);
    player.play(file);
    QTRY_VERIFY_WITH_TIMEOUT(player.duration() >= 109000, 20000);
    player.pause(true);
    player.calculateLetterBox();
    player.calculateLetterBox(); // a running series is not started again
    QTRY_COMPARE_WITH_TIMEOUT(frames.count(), 10, 30000);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(frames.at(i).at(0).value<CVideoFrame>().metaData("requestedPosition").toLongLong(),
                 qint64(i + 1) * (player.duration() / 11));
    // The series timer is gone after its eleventh tick: no more shots.
    QTRY_VERIFY(player.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    QCOMPARE(frames.count(), 10);
    player.stop();
}

void TestCPlayer::scaleRatioByHeight()
{
    CPlayer player;
    SizeProbe probe;
    player.avPlayer()->setRenderer(&probe);
    player.setScaleRatio(0, 480);
    player.play(AvTestMedia::h264Aac());
    QTRY_COMPARE_WITH_TIMEOUT(probe.last(), QSize(640, 480), 20000);
    player.setScaleRatio(200, 0);
    QTRY_COMPARE_WITH_TIMEOUT(probe.last(), QSize(200, 150), 20000);
    player.stop();
}

void TestCPlayer::previewWidgetComesAndGoes()
{
    QWidget parent;
    CPlayer player;
    player.play(AvTestMedia::h264Aac());
    CVideoPreviewWidget* preview = player.getPreviewWidget(&parent, 1500, 14);
    QVERIFY(preview);
    QVERIFY(preview->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(preview->file(), AvTestMedia::h264Aac());
    QCOMPARE(player.getPreviewWidget(&parent, 2500), preview);
    QPointer<CVideoPreviewWidget> watch = preview;
    player.resizePreview(QSize(160, 90));
    QCOMPARE(preview->size(), QSize(160, 90));
    player.resizePreview(2.0f);
    QCOMPARE(preview->size(), QSize(160, 80));
    QVERIFY(!player.getPreviewWidget(&parent, 0));
    QVERIFY(!watch);
    player.stop();
}

void TestCPlayer::dvdRequestEndsInLoadError()
{
    CPlayer player;
    QSignalSpy errors(&player, &CPlayer::doLoadError);
    DVDSet dvd;
    dvd.isDvd = true;
    dvd.title = 2;
    QCOMPARE(player.play(QStringLiteral("/dev/null-dvd"), false, dvd), 0);
    QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 20000);
    QCOMPARE(player.fileUrl(), QStringLiteral("dvdnav:///dev/null-dvd"));
    QCOMPARE(player.avPlayer()->optionsForIOCodec().value("title").toInt(), 2);
}

void TestCPlayer::exportThroughThePlayer()
{
    QTemporaryDir dir;
    CPlayer player;
    QSignalSpy spy(&player, &CPlayer::doSubtitleExported);
    player.exportSubtitle(0, dir.filePath("x.srt")); // no source yet: nothing
    QTest::qWait(50);
    QCOMPARE(spy.count(), 0);
    player.setFileUrl(AvTestMedia::twoAudioWithSubtitle());
    player.exportSubtitle(0, dir.filePath("a.srt"));
    player.exportSubtitle(0, dir.filePath("b.srt")); // a newer export of the same track
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 30000);
    for (const auto& args : spy)
        QVERIFY(args.at(1).toBool());
    QVERIFY(QFile::exists(dir.filePath("a.srt")) && QFile::exists(dir.filePath("b.srt")));
}

void TestCPlayer::destroyedMidExportLeavesNoThread()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("stall.fifo");
    QVERIFY(QProcess::execute("mkfifo", {fifo}) == 0);
    const int threadsBefore = threadCount();
    auto* player = new CPlayer;
    player->setFileUrl(fifo);
    player->exportSubtitle(0, dir.filePath("never.srt"));
    QTRY_VERIFY_WITH_TIMEOUT(!ffmpegChildren().isEmpty(), 20000); // blocked on the pipe
    delete player;
    QVERIFY(ffmpegChildren().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(threadCount() <= threadsBefore, 5000);
    QVERIFY(!QFile::exists(dir.filePath("never.srt")));
    QCOMPARE(QDir(dir.path()).entryList({"never*"}, QDir::Files), QStringList());
}

QTEST_MAIN(TestCPlayer)
#include "tst_cplayer.moc"
