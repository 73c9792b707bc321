// Sound through the real device path: the test starts its own PulseAudio
// with a null sink in its runtime folder and records the sink's monitor with
// parec, so nothing reaches a user's sound server.

#include "AvTestMedia.h"
#include "PlayerProbe.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace TwAV;

class TestAVSound : public QObject
{
    Q_OBJECT
private:
    QProcess m_server;
    QString m_socket;

    // Plays `file` on the device until `ms` of media have played and
    // returns the recorded sound (S16 stereo, 48 kHz).
    QByteArray record(AVPlayer* player, qint64 untilMs, const std::function<void()>& midway = {})
    {
        QProcess parec;
        parec.start("parec", {"-d", "rec.monitor", "--format=s16le", "--rate=48000", "--channels=2", "--raw",
                              "--latency-msec=20"});
        if (!parec.waitForStarted(10000))
            return QByteArray();
        PlayerProbe probe(player);
        player->play(AvTestMedia::twoAudioWithSubtitle());
        if (midway) {
            if (!QTest::qWaitFor([&] { return player->position() >= 1000 || probe.ended(); }, 20000)) {
                qWarning().noquote() << "midway not reached at" << player->position() << "ms, events"
                                     << probe.events.join(',');
                return QByteArray();
            }
            midway();
        }
        const bool reached = QTest::qWaitFor([&] { return player->position() >= untilMs || probe.ended(); }, 20000);
        const qint64 position = player->position();
        player->stop();
        parec.terminate();
        parec.waitForFinished(5000);
        const QByteArray pcm = parec.readAllStandardOutput();
        if (!reached || pcm.isEmpty())
            qWarning().noquote() << "recording failed at" << position << "ms, events" << probe.events.join(',')
                                 << "recorded" << pcm.size() << "bytes";
        return reached ? pcm : QByteArray();
    }

    static QByteArray loudPart(const QByteArray& pcm)
    {
        const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
        const int frames = pcm.size() / 4;
        int first = -1, last = -1;
        for (int i = 0; i < frames; ++i)
            if (std::abs(int(s[2 * i])) > 200) {
                if (first < 0)
                    first = i;
                last = i;
            }
        return first < 0 ? QByteArray() : pcm.mid(first * 4, (last - first) * 4);
    }

private slots:
    void initTestCase()
    {
        setLogLevel(LogOff);
        if (QStandardPaths::findExecutable("pulseaudio").isEmpty() || QStandardPaths::findExecutable("parec").isEmpty())
            QSKIP("pulseaudio and parec are installed by ./test.sh");
        QVERIFY(!AvTestMedia::twoAudioWithSubtitle().isEmpty());
        const QString run = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QVERIFY(!run.isEmpty());
        m_socket = QDir(run).filePath("tw-pulse.sock");
        QFile::remove(m_socket);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                                      "--use-pid-file=no", "--disable-shm=yes", "--log-level=error",
                                      "--load=module-native-protocol-unix socket=" + m_socket + " auth-anonymous=1",
                                      "--load=module-null-sink sink_name=rec"});
        QVERIFY(m_server.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_socket), 20000);
        qputenv("PULSE_SERVER", "unix:" + m_socket.toUtf8());
        AudioOutput::setDefaultBackend(AudioOutput::DeviceBackend);
    }

    void cleanupTestCase()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(10000))
                m_server.kill();
        }
    }

    void chosenTrackIsHeard()
    {
        AVPlayer player;
        QVERIFY(player.setAudioStream(1));
        const QByteArray pcm = loudPart(record(&player, 2000));
        QVERIFY(!player.audio()->isNullSink());
        QVERIFY(pcm.size() > 48000 * 4);
        const double f = AvTestMedia::toneFrequency(pcm, 48000);
        QVERIFY2(qAbs(f - 1000) < 30, qPrintable(QString::number(f)));
    }

    void switchDuringPlayChangesTheTone()
    {
        AVPlayer player;
        const QByteArray pcm = loudPart(record(&player, 2600, [&] { QVERIFY(player.setAudioStream(1)); }));
        QVERIFY2(!player.audio()->isNullSink(), "the private sound server refused the stream");
        QVERIFY(pcm.size() > 48000 * 4 * 2);
        const int frames = pcm.size() / 4;
        const double head = AvTestMedia::toneFrequency(pcm.left(frames / 4 * 4), 48000);
        const double tail = AvTestMedia::toneFrequency(pcm.right(frames / 4 * 4), 48000);
        QVERIFY2(qAbs(head - 440) < 20, qPrintable(QString::number(head)));
        QVERIFY2(qAbs(tail - 1000) < 30, qPrintable(QString::number(tail)));
    }

    void volumeScalesUpToFullLevel()
    {
        AVPlayer full, silent, loud;
        silent.audio()->setVolume(0);
        loud.audio()->setVolume(5);
        const int fullPeak = AvTestMedia::peakLevel(record(&full, 1500));
        const int silentPeak = AvTestMedia::peakLevel(record(&silent, 1500));
        const int loudPeak = AvTestMedia::peakLevel(record(&loud, 1500));
        for (AVPlayer* p : {&full, &silent, &loud})
            QVERIFY2(!p->audio()->isNullSink(), "the private sound server refused the stream");
        QVERIFY(fullPeak > 1000);
        QVERIFY2(silentPeak < 50, qPrintable(QString::number(silentPeak)));
        QVERIFY2(qAbs(loudPeak - fullPeak) <= fullPeak / 20, qPrintable(QString("%1 %2").arg(loudPeak).arg(fullPeak)));
    }
};

QTEST_GUILESS_MAIN(TestAVSound)
#include "tst_avsound.moc"
