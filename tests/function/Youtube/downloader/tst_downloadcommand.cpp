#include "EngineTestEnv.h"

#include "function/Youtube/private/Downloader/DownloadCommand.h"
#include "function/Youtube/private/DownloaderProgram.h"

#include <QtTest>

// The download and live-recording command lines, argument by argument.
class TstDownloadCommand : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;

    static DownloadMedia entry(const QString& id, const QString& attached = QString())
    {
        DownloadMedia m;
        m.formatID = id;
        m.attachedFormatID = attached;
        m.srcExt = QStringLiteral("mp4");
        m.tarExt = QStringLiteral("mp4");
        m.fileSize = QStringLiteral("12.00MB");
        return m;
    }

    static int indexAfter(const QStringList& a, const QString& opt)
    {
        const int i = a.indexOf(opt);
        return i >= 0 && i + 1 < a.size() ? i + 1 : -1;
    }

    static QString valueOf(const QStringList& a, const QString& opt)
    {
        const int i = indexAfter(a, opt);
        return i >= 0 ? a.at(i) : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
    }

    void init()
    {
        EngineTestEnv::setSetting(QStringLiteral("proxy/enabled"), QStringLiteral("false"));
        EngineTestEnv::setSetting(QStringLiteral("youtube/cookies"), QString());
    }

    void commonShape()
    {
        DownloadItem job;
        job.url = QStringLiteral("-https://example.com/watch?v=1");
        job.medias.append(entry(QStringLiteral("137")));
        const QStringList a = DownloadCommand::downloadOptions(job, job.medias.first(), QString()).arguments;
        // The address comes last, after "--", whatever it looks like.
        QCOMPARE(a.last(), job.url);
        QCOMPARE(a.at(a.size() - 2), QStringLiteral("--"));
        QCOMPARE(a.indexOf(QStringLiteral("--")), a.size() - 2);
        QVERIFY(a.contains(QStringLiteral("--ignore-config")));
        QVERIFY(!a.contains(QStringLiteral("--no-check-certificates")));
        QCOMPARE(valueOf(a, QStringLiteral("-f")), QStringLiteral("137"));
        QCOMPARE(valueOf(a, QStringLiteral("-o")), QStringLiteral("temp.mp4"));
        QCOMPARE(valueOf(a, QStringLiteral("--ffmpeg-location")), QStringLiteral("/usr/bin"));
        QVERIFY(QFileInfo(QStringLiteral("/usr/bin/ffprobe")).exists());
        QCOMPARE(valueOf(a, QStringLiteral("--plugin-dirs")), DownloaderProgram::pluginFolder());
        QCOMPARE(valueOf(a, QStringLiteral("--retries")), QStringLiteral("infinite"));
        for (const char* o : {"--hls-use-mpegts", "--no-part", "--rm-cache-dir", "--no-playlist", "--embed-metadata",
                              "--xattrs", "--embed-thumbnail"})
            QVERIFY2(a.contains(QLatin1String(o)), o);
        for (const char* o : {"--merge-output-format", "--downloader", "--write-subs", "-x", "--cookies", "--proxy",
                              "--config-locations", "-u", "-p"})
            QVERIFY2(!a.contains(QLatin1String(o)), o);
    }

    void wholeLineInOrder()
    {
        EngineTestEnv::setSetting(QStringLiteral("proxy/enabled"), QStringLiteral("true"));
        EngineTestEnv::setSetting(QStringLiteral("proxy/hostName"), QStringLiteral("127.0.0.1"));
        EngineTestEnv::setSetting(QStringLiteral("proxy/port"), QStringLiteral("3128"));
        EngineTestEnv::setSetting(QStringLiteral("youtube/cookies"), QStringLiteral("/tmp/c.txt"));
        DownloadItem job;
        job.url = QStringLiteral("https://example.com/v");
        job.subtitles = QStringList{QStringLiteral("en")};
        DownloadMedia m = entry(QStringLiteral("137"), QStringLiteral("140"));
        m.attachedExt = QStringLiteral("m4a");
        m.forgeMediaForMp3 = true;
        job.medias.append(m);
        const QStringList a = DownloadCommand::downloadOptions(job, m, QStringLiteral("/tmp/acc.conf")).arguments;
        EngineTestEnv::setSetting(QStringLiteral("proxy/enabled"), QStringLiteral("false"));
        EngineTestEnv::setSetting(QStringLiteral("youtube/cookies"), QString());
        const QStringList expected{
            "--ignore-config", "--proxy", "127.0.0.1:3128", "--config-locations", "/tmp/acc.conf",
            "-i", "-f", "137+140", "--embed-metadata", "--xattrs",
            "--plugin-dirs", DownloaderProgram::pluginFolder(), "--ffmpeg-location", "/usr/bin", "--hls-use-mpegts",
            "--no-part", "--rm-cache-dir", "--retries", "infinite", "--rm-cache-dir", "--no-playlist",
            "--embed-thumbnail", "--merge-output-format", "mp4",
            "--write-subs", "--sub-langs", "en", "--convert-subs", "srt", "--embed-subs",
            "-x", "--audio-format", "mp3", "--cookies", "/tmp/c.txt", "-o", "temp.mp4", "--", job.url};
        QCOMPARE(a, expected);
    }

    void formatBlock_data()
    {
        QTest::addColumn<QString>("formatId");
        QTest::addColumn<QString>("attached");
        QTest::addColumn<QString>("fullCode");
        QTest::addColumn<QString>("srcExt");
        QTest::addColumn<QString>("attachedExt");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QStringList>("expected");     // the block, in order
        QTest::addColumn<QString>("merge");            // --merge-output-format value, empty: absent
        QTest::addColumn<QString>("container");

        QTest::newRow("single") << "137" << "" << "Auto" << "mp4" << "" << "" << QStringList{"-f", "137"} << "" << "";
        QTest::newRow("pair") << "137" << "140" << "Auto" << "mp4" << "m4a" << ""
                              << QStringList{"-f", "137+140"} << "mp4" << "";
        QTest::newRow("language pair, same container")
            << "137+251" << "140" << "de" << "mp4" << "m4a" << "" << QStringList{"-f", "137+140"} << "mp4" << "";
        QTest::newRow("language pair, webm with m4a")
            << "137+251" << "140" << "de" << "webm" << "m4a" << "" << QStringList{"-f", "137+140"} << "mkv" << "mkv";
        QTest::newRow("by height") << "22" << "" << "Auto" << "mp4" << "" << "720"
                                   << QStringList{"--format-sort", "+vcodec:avc,+acodec:m4a", "-S", "res:720"} << ""
                                   << "";
        QTest::newRow("height with a pair") << "137" << "140" << "Auto" << "mp4" << "m4a" << "720"
                                            << QStringList{"-f", "137+140"} << "mp4" << "";
    }

    void formatBlock()
    {
        QFETCH(QString, formatId);
        QFETCH(QString, attached);
        QFETCH(QString, fullCode);
        QFETCH(QString, srcExt);
        QFETCH(QString, attachedExt);
        QFETCH(QString, height);
        QFETCH(QStringList, expected);
        QFETCH(QString, merge);
        QFETCH(QString, container);

        DownloadItem job;
        job.url = QStringLiteral("https://example.com/v");
        DownloadMedia m = entry(formatId, attached);
        m.fullCode = fullCode;
        m.srcExt = srcExt;
        m.tarExt = srcExt;
        m.attachedExt = attachedExt;
        m.heightText = height;
        job.medias.append(m);
        const DownloadCommand::Options o = DownloadCommand::downloadOptions(job, m, QString());
        const QStringList& a = o.arguments;
        const int at = a.indexOf(expected.first());
        QVERIFY(at >= 0);
        QCOMPARE(a.mid(at, expected.size()), expected);
        QCOMPARE(valueOf(a, QStringLiteral("--merge-output-format")), merge);
        QCOMPARE(o.containerExt, container);
        if (!container.isEmpty())
            QCOMPARE(valueOf(a, QStringLiteral("-o")), QStringLiteral("temp.mkv"));
    }

    void conditions()
    {
        DownloadItem job;
        job.url = QStringLiteral("https://example.com/v");
        DownloadMedia m = entry(QStringLiteral("18"));

        // Gigabytes: no metadata, no xattrs, no thumbnail.
        m.fileSize = QStringLiteral("1.20GB");
        QStringList a = DownloadCommand::downloadOptions(job, m, QString()).arguments;
        for (const char* o : {"--embed-metadata", "--xattrs", "--embed-thumbnail"})
            QVERIFY2(!a.contains(QLatin1String(o)), o);
        m.fileSize = QStringLiteral("3.00MB");

        // The site without metadata keeps the thumbnail.
        job.url = QStringLiteral("https://www.bilibili.com/video/x");
        a = DownloadCommand::downloadOptions(job, m, QString()).arguments;
        QVERIFY(!a.contains(QStringLiteral("--embed-metadata")));
        QVERIFY(a.contains(QStringLiteral("--embed-thumbnail")));
        job.url = QStringLiteral("https://example.com/v");

        // A webm target gets no thumbnail.
        m.tarExt = QStringLiteral("webm");
        QVERIFY(!DownloadCommand::downloadOptions(job, m, QString()).arguments.contains(QStringLiteral("--embed-thumbnail")));
        m.tarExt = QStringLiteral("mp4");

        // Subtitles, not for music and not for a live job.
        job.subtitles = QStringList{QStringLiteral("en"), QStringLiteral("de")};
        a = DownloadCommand::downloadOptions(job, m, QString()).arguments;
        const int w = a.indexOf(QStringLiteral("--write-subs"));
        QVERIFY(w >= 0);
        QCOMPARE(a.mid(w, 6), (QStringList{"--write-subs", "--sub-langs", "en,de", "--convert-subs", "srt", "--embed-subs"}));
        m.isMusic = true;
        QVERIFY(!DownloadCommand::downloadOptions(job, m, QString()).arguments.contains(QStringLiteral("--write-subs")));
        m.isMusic = false;

        // Live: the downloader's ffmpeg, no thumbnail, no subtitles.
        job.isLiveStream = true;
        a = DownloadCommand::downloadOptions(job, m, QString()).arguments;
        QCOMPARE(valueOf(a, QStringLiteral("--downloader")), QStringLiteral("ffmpeg"));
        QVERIFY(!a.contains(QStringLiteral("--embed-thumbnail")));
        QVERIFY(!a.contains(QStringLiteral("--write-subs")));
        job.isLiveStream = false;

        // mp3 extraction.
        m.forgeMediaForMp3 = true;
        a = DownloadCommand::downloadOptions(job, m, QString()).arguments;
        const int x = a.indexOf(QStringLiteral("-x"));
        QVERIFY(x >= 0);
        QCOMPARE(a.mid(x, 3), (QStringList{"-x", "--audio-format", "mp3"}));
        m.forgeMediaForMp3 = false;

        // Proxy, account file and cookies come from the shared pieces.
        EngineTestEnv::setSetting(QStringLiteral("proxy/enabled"), QStringLiteral("true"));
        EngineTestEnv::setSetting(QStringLiteral("proxy/hostName"), QStringLiteral("127.0.0.1"));
        EngineTestEnv::setSetting(QStringLiteral("proxy/port"), QStringLiteral("3128"));
        EngineTestEnv::setSetting(QStringLiteral("youtube/cookies"), QStringLiteral("/tmp/cookies.txt"));
        a = DownloadCommand::downloadOptions(job, m, QStringLiteral("/tmp/account.conf")).arguments;
        QCOMPARE(valueOf(a, QStringLiteral("--proxy")), QStringLiteral("127.0.0.1:3128"));
        QCOMPARE(valueOf(a, QStringLiteral("--config-locations")), QStringLiteral("/tmp/account.conf"));
        QCOMPARE(valueOf(a, QStringLiteral("--cookies")), QStringLiteral("/tmp/cookies.txt"));
        QVERIFY(a.indexOf(QStringLiteral("--proxy")) < a.indexOf(QStringLiteral("--config-locations")));
        QVERIFY(a.indexOf(QStringLiteral("--config-locations")) < a.indexOf(QStringLiteral("-f")));
        QCOMPARE(DownloadCommand::ffmpegProxyVariables(),
                 (QStringList{"http_proxy", "127.0.0.1:3128", "https_proxy", "127.0.0.1:3128"}));
        QVERIFY(!a.contains(QStringLiteral("-u")));
    }

    void noFormat()
    {
        DownloadItem job;
        DownloadMedia m = entry(QString());
        QVERIFY(DownloadCommand::downloadOptions(job, m, QString()).arguments.isEmpty());
        m.attachedFormatID = QStringLiteral("140");
        QVERIFY(DownloadCommand::formatArgument(m).isEmpty());
    }

    void ffmpegLine()
    {
        const QString headers = DownloadCommand::liveHeaderBlock();
        QCOMPARE(headers.size(), 367);
        QVERIFY(headers.endsWith(QStringLiteral("        \r\n")));
        QCOMPARE(headers.count(QStringLiteral("\r\n")), 6);
        const QStringList a = DownloadCommand::ffmpegArguments(QStringLiteral("http://h/live.m3u8"), QStringLiteral("mp4"));
        QCOMPARE(a, (QStringList{"-y", "-headers", headers, "-i", "http://h/live.m3u8", "-c", "copy", "-f", "mpegts",
                                 "file:temp.mp4"}));

        DownloadItem job;
        job.url = QStringLiteral("https://example.com/live");
        DownloadMedia m;
        QCOMPARE(DownloadCommand::ffmpegInput(job, m), job.url);
        m.streamUrl = QStringLiteral("http://cdn.example.com/x.m3u8");
        QCOMPARE(DownloadCommand::ffmpegInput(job, m), m.streamUrl);
        // Only web addresses reach ffmpeg: never a local file or device.
        m.streamUrl = QStringLiteral("file:///etc/passwd");
        QVERIFY(DownloadCommand::ffmpegInput(job, m).isEmpty());
        m.streamUrl = QStringLiteral("concat:a|b");
        QVERIFY(DownloadCommand::ffmpegInput(job, m).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstDownloadCommand)
#include "tst_downloadcommand.moc"
