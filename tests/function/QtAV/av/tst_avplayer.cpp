// The player on media made by ffmpeg at test time, local and over a local
// HTTP server, with the null sound sink (TW_AUDIO_SINK=null).
// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.

#include "AvTestMedia.h"
#include "LocalHttpServer.h"
#include "PlayerProbe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

using namespace TwAV;

namespace {
int threadCount()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

bool ascending(const QVector<double>& v)
{
    for (int i = 1; i < v.size(); ++i)
        if (v[i] <= v[i - 1])
            return false;
    return true;
}
} // namespace

class TestAVPlayer : public QObject
{
    Q_OBJECT
private:
    LocalHttpServer m_server;
    QString url(const QString& file)
    {
        const QString rel = QFileInfo(file).isAbsolute() ? QFileInfo(file).fileName() : file;
        return m_server.url("/media/" + rel).toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!AvTestMedia::h264Aac().isEmpty());
        QVERIFY(!AvTestMedia::vp9Opus().isEmpty());
        QVERIFY(!AvTestMedia::twoAudioWithSubtitle().isEmpty());
        QVERIFY(!AvTestMedia::mp3WithCover().isEmpty());
        QVERIFY(!AvTestMedia::hlsPlaylist().isEmpty());
        QVERIFY(m_server.start(true));
        m_server.serveFolder("/media", AvTestMedia::folder());
        setLogLevel(LogOff);
    }

    void playsEveryFrameInOrder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("http");
        QTest::addColumn<int>("frames");
        QTest::addColumn<qint64>("duration");
        QTest::newRow("h264 aac local") << AvTestMedia::h264Aac() << false << 75 << qint64(3000);
        QTest::newRow("vp9 opus local") << AvTestMedia::vp9Opus() << false << 50 << qint64(2000);
        QTest::newRow("h264 aac http") << AvTestMedia::h264Aac() << true << 75 << qint64(3000);
        QTest::newRow("hls http") << QString("hls/index.m3u8") << true << 75 << qint64(3000);
        QTest::newRow("h264 1080p local") << AvTestMedia::h264Full(3) << false << 75 << qint64(3000);
    }
    void playsEveryFrameInOrder()
    {
        QFETCH(QString, file);
        QFETCH(bool, http);
        QFETCH(int, frames);
        QFETCH(qint64, duration);
        AVPlayer player;
        PlayerProbe probe(&player);
        player.play(http ? url(file) : file);
        QTRY_VERIFY_WITH_TIMEOUT(probe.ended(), 30000);
        QVERIFY2(probe.countOf("error") == 0, qPrintable(probe.lastError));
        QStringList order = probe.events;
        order.removeAll("buffer");
        QCOMPARE(order, QStringList({"state1", "started", "stopped", "state0"}));
        QVERIFY(qAbs(player.duration() - duration) <= 100);
        const QSize size = file.contains("full") ? QSize(1920, 1080) : QSize(320, 240);
        QCOMPARE(player.statistics().video.size(), size);
        QCOMPARE(probe.renderer.currentFrame().size(), size);
        QVERIFY(player.isSeekable() || !player.isPlaying());
        const QVector<double> pts = probe.renderer.timestamps();
        QVERIFY(ascending(pts));
        // Late frames may be dropped on a loaded machine (or under a
        // sanitizer), but never so many in a row that the picture freezes,
        // and the first and last frames are shown.
        QVERIFY2(pts.size() >= frames * 3 / 4, qPrintable(QString::number(pts.size())));
        const double interval = duration / 1000.0 / frames;
        QVERIFY2(pts.first() < interval, qPrintable(QString::number(pts.first())));
        QVERIFY2(pts.last() > duration / 1000.0 - 4.5 * interval, qPrintable(QString::number(pts.last())));
        for (int i = 1; i < pts.size(); ++i)
            QVERIFY2(pts[i] - pts[i - 1] < 4.5 * interval,
                     qPrintable(QString("%1 -> %2").arg(pts[i - 1]).arg(pts[i])));
        QCOMPARE(player.state(), AVPlayer::StoppedState);
    }

    void reportsDurationAndSeekability()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        player.play(url(AvTestMedia::h264Aac()));
        QTRY_VERIFY_WITH_TIMEOUT(probe.events.contains("started"), 20000);
        QVERIFY(player.isSeekable());
        QCOMPARE(player.statistics().video.size(), QSize(320, 240));
        player.stop();

        // Without Range support the source cannot seek.
        QFile f(AvTestMedia::h264Aac());
        QVERIFY(f.open(QIODevice::ReadOnly));
        LocalHttpServer::Route plain;
        plain.body = f.readAll();
        plain.acceptRanges = false;
        m_server.addRoute("/norange.mp4", plain);
        AVPlayer other;
        PlayerProbe p2(&other);
        other.play(m_server.url("/norange.mp4").toString());
        QTRY_VERIFY_WITH_TIMEOUT(p2.events.contains("started"), 20000);
        QVERIFY(!other.isSeekable());
        other.setPosition(2000);
        QTest::qWait(300);
        QCOMPARE(p2.countOf("seek"), 0);
    }

    void failedOpenReportsErrorOnly_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("missing file") << QDir(AvTestMedia::folder()).filePath("nothing.mp4");
        QTest::newRow("text file") << AvTestMedia::textFile();
        QTest::newRow("404") << "HTTP:/missing";
        QTest::newRow("dropped") << "HTTP:/drop";
        QTest::newRow("refused") << "http://127.0.0.1:1/x.mp4";
        QTest::newRow("dvd") << "dvdnav:///tmp/none";
        QTest::newRow("concat") << QString("concat:%1|%1").arg(AvTestMedia::h264Aac());
        QTest::newRow("ftp") << "ftp://127.0.0.1/x.mp4";
    }
    void failedOpenReportsErrorOnly()
    {
        QFETCH(QString, source);
        LocalHttpServer::Route drop;
        drop.closeWithoutReply = true;
        m_server.addRoute("/drop", drop);
        if (source.startsWith("HTTP:"))
            source = m_server.url(source.mid(5)).toString();
        const int threadsBefore = threadCount();
        {
            AVPlayer player;
            PlayerProbe probe(&player);
            player.play(source);
            QTRY_VERIFY_WITH_TIMEOUT(probe.ended(), 20000);
            QTest::qWait(100);
            QCOMPARE(probe.events, QStringList{"error"});
            QCOMPARE(player.state(), AVPlayer::StoppedState);
            QVERIFY(!player.isLoading());
        }
        QTRY_VERIFY_WITH_TIMEOUT(threadCount() <= threadsBefore, 5000);
    }

    void stopEndsAStalledOpenOnce()
    {
        LocalHttpServer::Route stall;
        stall.stallBeforeHead = true;
        m_server.addRoute("/stall.mp4", stall);
        AVPlayer player;
        PlayerProbe probe(&player);
        QSignalSpy received(&m_server, &LocalHttpServer::requestReceived);
        player.play(m_server.url("/stall.mp4").toString());
        QTRY_VERIFY_WITH_TIMEOUT(received.count() >= 1, 10000);
        QVERIFY(player.isLoading());
        QElapsedTimer t;
        t.start();
        player.stop();
        QVERIFY2(t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(probe.events, QStringList({"stopped", "state0"}));
        player.stop();
        QTest::qWait(200);
        QCOMPARE(probe.events, QStringList({"stopped", "state0"}));
    }

    void destructionWhilePlayingReturnsAtOnce()
    {
        auto* player = new AVPlayer;
        PlayerProbe probe(player);
        player->play(AvTestMedia::h264Aac());
        QTRY_VERIFY_WITH_TIMEOUT(probe.renderer.count() > 3, 20000);
        QElapsedTimer t;
        t.start();
        delete player;
        QVERIFY(t.elapsed() < 2000);
    }

    void throttledSourceBuffersBeforePlaying()
    {
        QFile f(AvTestMedia::h264Aac());
        QVERIFY(f.open(QIODevice::ReadOnly));
        LocalHttpServer::Route slow;
        slow.body = f.readAll();
        slow.acceptRanges = true;
        slow.bytesPerSecond = 40000;
        slow.headers.append(LocalHttpServer::Header("Content-Type", "video/mp4"));
        m_server.addRoute("/slow.mp4", slow);
        AVPlayer player;
        PlayerProbe probe(&player);
        player.play(m_server.url("/slow.mp4").toString());
        QTRY_VERIFY_WITH_TIMEOUT(probe.events.contains("started"), 30000);
        const int playing = probe.events.indexOf("state1");
        QVERIFY(!probe.buffers.isEmpty());
        QCOMPARE(probe.buffers.last(), 1.0);
        QVERIFY(probe.events.lastIndexOf("buffer", playing) >= 0);
        for (qreal v : probe.buffers)
            QVERIFY(v >= 0.0 && v <= 1.0);
        player.stop();
    }

    void underrunHoldsTheClock()
    {
        QFile f(AvTestMedia::h264Aac());
        QVERIFY(f.open(QIODevice::ReadOnly));
        LocalHttpServer::Route dry;
        dry.body = f.readAll();
        // Part of the clip comes at once, then the server goes quiet: the
        // read-ahead runs dry while playing.
        dry.stallAfterBytes = dry.body.size() * 6 / 10;
        m_server.addRoute("/underrun.mp4", dry);
        AVPlayer player;
        PlayerProbe probe(&player);
        bool playing = false;
        qint64 heldAt = -1;
        connect(&player, &AVPlayer::started, this, [&] { playing = true; });
        connect(&player, &AVPlayer::bufferProgressChanged, this, [&](qreal p) {
            if (playing && p < 1.0 && heldAt < 0)
                heldAt = player.position();
        });
        player.play(m_server.url("/underrun.mp4").toString());
        QTRY_VERIFY_WITH_TIMEOUT(heldAt >= 0 || probe.ended(), 30000);
        QVERIFY(heldAt > 0);
        QCOMPARE(player.state(), AVPlayer::PlayingState);
        // Watching the clock stand still needs time to pass.
        QTest::qWait(600);
        QVERIFY2(player.position() - heldAt <= 50, qPrintable(QString("%1 -> %2").arg(heldAt).arg(player.position())));
        QElapsedTimer t;
        t.start();
        player.stop();
        QVERIFY(t.elapsed() < 2000);
    }

    void seeksLandOnTheAskedTime_data()
    {
        QTest::addColumn<qint64>("target");
        QTest::addColumn<bool>("paused");
        QTest::newRow("start") << qint64(0) << false;
        QTest::newRow("middle") << qint64(1480) << false;
        QTest::newRow("last second") << qint64(2600) << false;
        QTest::newRow("paused middle") << qint64(1520) << true;
    }
    void seeksLandOnTheAskedTime()
    {
        QFETCH(qint64, target);
        QFETCH(bool, paused);
        AVPlayer player;
        PlayerProbe probe(&player);
        player.play(AvTestMedia::h264Aac());
        QTRY_VERIFY_WITH_TIMEOUT(probe.renderer.count() > 5, 20000);
        if (paused) {
            player.pause(true);
            QCOMPARE(player.state(), AVPlayer::PausedState);
        }
        const int before = probe.renderer.count();
        player.setPosition(target);
        QTRY_VERIFY_WITH_TIMEOUT(probe.countOf("seek") == 1, 20000);
        QCOMPARE(probe.seeks.first(), target);
        QTRY_VERIFY_WITH_TIMEOUT(probe.renderer.count() > before, 10000);
        const double landed = probe.renderer.timestamps().at(before);
        QVERIFY2(qAbs(landed * 1000 - target) <= 40, qPrintable(QString::number(landed)));
        if (paused) {
            QTest::qWait(300);
            QCOMPARE(probe.renderer.count(), before + 1);
            QCOMPARE(player.position(), target);
        }
        player.stop();
    }

    void coverPictureIsAStillFrame()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        player.play(AvTestMedia::mp3WithCover());
        QTRY_VERIFY_WITH_TIMEOUT(probe.renderer.count() >= 1, 10000);
        QVERIFY(!probe.ended());
        QTRY_VERIFY_WITH_TIMEOUT(probe.ended(), 20000);
        QCOMPARE(probe.countOf("error"), 0);
        QCOMPARE(probe.renderer.count(), 1);
    }

    void startPositionAndStreamNumbers()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        player.play(AvTestMedia::h264Aac(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(probe.renderer.count() >= 1, 20000);
        QVERIFY(probe.renderer.timestamps().first() >= 1.96);
        QTRY_VERIFY_WITH_TIMEOUT(probe.ended(), 20000);
    }

    void positionIsReportedWhilePlaying()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        QSignalSpy pos(&player, &AVPlayer::positionChanged);
        player.play(AvTestMedia::h264Aac());
        QTRY_VERIFY_WITH_TIMEOUT(probe.ended(), 20000);
        QVERIFY(pos.count() >= 8);
        qint64 last = -1;
        for (const auto& args : pos) {
            QVERIFY(args.at(0).toLongLong() >= last);
            last = args.at(0).toLongLong();
        }
    }
};

QTEST_GUILESS_MAIN(TestAVPlayer)
#include "tst_avplayer.moc"
