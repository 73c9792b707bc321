// Sound out of the player on the null sink (TW_AUDIO_SINK=null), read back
// from what the sink got: blocks handed to listeners, stream choice, volume,
// and the conversion of any channel count to stereo.

#include "AvTestMedia.h"
#include "PlayerProbe.h"

#include <QTest>

using namespace TwAV;

class TestAVAudio : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(!AvTestMedia::h264Aac().isEmpty());
        QVERIFY(!AvTestMedia::vp9Opus().isEmpty());
        QVERIFY(!AvTestMedia::twoAudioWithSubtitle().isEmpty());
        setLogLevel(LogOff);
    }

    void deliveredBlocksAreFullSizeBeforeVolume()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        player.audio()->setVolume(0);
        QList<AudioFrame> frames;
        connect(player.audio(), &AudioOutput::deliverAudioFrame, this, [&](const AudioFrame& f) { frames << f; });
        player.play(AvTestMedia::vp9Opus());
        QTRY_VERIFY_WITH_TIMEOUT(frames.size() > 20, 20000);
        player.stop();
        for (const AudioFrame& f : frames) {
            QCOMPARE(f.data().size(), 4096);
            QCOMPARE(f.samplesPerChannel(), 1024);
            QCOMPARE(f.channelCount(), 2);
        }
        QVERIFY(AvTestMedia::peakLevel(frames.at(10).data()) > 1000);
    }

    void audioTrackChoiceChangesTheTone()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        player.audio()->setRecording(true);
        QVERIFY(player.setAudioStream(1));
        player.play(AvTestMedia::twoAudioWithSubtitle());
        QTRY_VERIFY_WITH_TIMEOUT(player.audio()->recorded().size() > 48000 * 4 / 2, 20000);
        QCOMPARE(player.currentAudioStream(), 1);
        QCOMPARE(player.audioStreamCount(), 2);
        const int rate = player.audio()->recordedSampleRate();
        QVERIFY(qAbs(AvTestMedia::toneFrequency(player.audio()->recorded().mid(8192), rate) - 1000) < 30);

        // The subtitle track is listed.
        const QVariantList subs = player.internalSubtitleTracks();
        QCOMPARE(subs.size(), 1);
        const QVariantMap s = subs.first().toMap();
        QCOMPARE(s.value("id").toInt(), 0);
        QCOMPARE(s.value("codec").toString(), QString("mov_text"));
        QCOMPARE(s.value("lang").toString(), QString("eng"));
        QCOMPARE(s.value("title").toString(), QString("English"));

        // Out of range keeps the old choice.
        QVERIFY(!player.setAudioStream(5));
        QCOMPARE(player.currentAudioStream(), 1);
        player.stop();
    }

    void audioSwitchDuringPlayKeepsPosition()
    {
        AVPlayer player;
        PlayerProbe probe(&player);
        player.audio()->setRecording(true);
        player.play(AvTestMedia::twoAudioWithSubtitle());
        QTRY_VERIFY_WITH_TIMEOUT(player.audio()->recorded().size() > 48000 * 4 / 2, 20000);
        const int rate = player.audio()->recordedSampleRate();
        QVERIFY(qAbs(AvTestMedia::toneFrequency(player.audio()->recorded().mid(8192), rate) - 440) < 20);
        const qint64 pos = player.position();
        QVERIFY(player.setAudioStream(1));
        player.audio()->setRecording(true);
        QTRY_VERIFY_WITH_TIMEOUT(player.audio()->recorded().size() > 48000 * 4 / 2, 20000);
        QVERIFY(qAbs(AvTestMedia::toneFrequency(player.audio()->recorded().mid(8192), rate) - 1000) < 30);
        QVERIFY(player.position() >= pos);
        player.stop();
    }

    void volumeIsAFactorUpToOne_data()
    {
        QTest::addColumn<qreal>("volume");
        QTest::addColumn<bool>("silent");
        QTest::newRow("0") << qreal(0) << true;
        QTest::newRow("5 plays as 1") << qreal(5) << false;
        QTest::newRow("negative is silent") << qreal(-2) << true;
    }
    void volumeIsAFactorUpToOne()
    {
        QFETCH(qreal, volume);
        QFETCH(bool, silent);
        int levels[2] = {0, 0};
        for (int round = 0; round < 2; ++round) {
            AVPlayer player;
            PlayerProbe probe(&player);
            player.setVolume(round == 0 ? 1.0 : volume);
            QVERIFY(player.volume() >= 0.0 && player.volume() <= 1.0);
            player.audio()->setRecording(true);
            player.play(AvTestMedia::h264Aac());
            QTRY_VERIFY_WITH_TIMEOUT(player.audio()->recorded().size() > 48000 * 4, 20000);
            levels[round] = AvTestMedia::peakLevel(player.audio()->recorded().mid(8192));
            player.stop();
        }
        QVERIFY(levels[0] > 1000);
        if (silent)
            QCOMPARE(levels[1], 0);
        else
            QCOMPARE(levels[1], levels[0]);
    }

    void soundBecomesStereo_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("minPeak");
        QTest::addColumn<int>("maxPeak");
        // Half scale is 16383; mono is doubled, not lowered, and a mix-down
        // keeps the tone without clipping.
        QTest::newRow("mono doubled") << 1 << 16000 << 16700;
        QTest::newRow("stereo unchanged") << 2 << 16000 << 16700;
        QTest::newRow("5.1 mixed down") << 6 << 3000 << 16700;
    }
    void soundBecomesStereo()
    {
        QFETCH(int, channels);
        QFETCH(int, minPeak);
        QFETCH(int, maxPeak);
        const QString file = AvTestMedia::toneWav(channels);
        QVERIFY(!file.isEmpty());
        AVPlayer player;
        PlayerProbe probe(&player);
        player.audio()->setRecording(true);
        player.play(file);
        QTRY_VERIFY_WITH_TIMEOUT(probe.ended(), 20000);
        QCOMPARE(probe.countOf("error"), 0);
        const QByteArray pcm = player.audio()->recorded();
        QVERIFY(pcm.size() >= 48000 * 4 * 9 / 10);
        QCOMPARE(player.audio()->recordedSampleRate(), 48000);
        const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
        int left = 0, right = 0;
        for (int i = 0; i + 1 < pcm.size() / 2; i += 2) {
            left = qMax(left, qAbs(int(s[i])));
            right = qMax(right, qAbs(int(s[i + 1])));
            QVERIFY2(qAbs(int(s[i]) - int(s[i + 1])) <= 1, qPrintable(QString("frame %1").arg(i / 2)));
        }
        QVERIFY2(left >= minPeak && left <= maxPeak, qPrintable(QString::number(left)));
        QCOMPARE(right, left);
        QVERIFY(qAbs(AvTestMedia::toneFrequency(pcm, 48000) - 440) < 10);
    }

};

QTEST_GUILESS_MAIN(TestAVAudio)
#include "tst_avaudio.moc"
