#include "AvTestMedia.h"
#include "LocalHttpServer.h"
#include "function/QtAV/include/SubtitleExport.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

class TestSubtitleExport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void argumentsNameTheTrack();
    void trackIsWrittenAndReplacesTheOldFile();
    void failuresKeepTheOlderFile_data();
    void failuresKeepTheOlderFile();
    void twoTracksAtOnce();
    void destroyedMidExportLeavesNothingRunning();
    void webSourceReadsNoLocalFile_data();
    void webSourceReadsNoLocalFile();

private:
    QString twoTracks();
    QTemporaryDir m_dir;
};

namespace {

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeText(const QString& path, const QByteArray& text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// Our own ffmpeg children (found by parent id).
QList<pid_t> ffmpegChildren()
{
    QList<pid_t> pids;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool isPid = false;
        const pid_t pid = pid_t(entry.toInt(&isPid));
        if (!isPid)
            continue;
        QFile stat("/proc/" + entry + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray s = stat.readAll();
        const int close = s.lastIndexOf(')');
        const QList<QByteArray> fields = s.mid(close + 2).split(' ');
        if (s.contains("(ffmpeg)") && fields.size() > 1 && fields[1].toInt() == getpid())
            pids << pid;
    }
    return pids;
}

// An input that never delivers: ffmpeg waits on it for ever.
QString stalledInput(const QTemporaryDir& dir)
{
    const QString fifo = dir.filePath("stalled.fifo");
    if (!QFile::exists(fifo))
        mkfifo(QFile::encodeName(fifo).constData(), 0600);
    return fifo;
}

} // namespace

void TestSubtitleExport::initTestCase()
{
    QVERIFY(!AvTestMedia::twoAudioWithSubtitle().isEmpty());
}

void TestSubtitleExport::cleanup()
{
    SubtitleExport::setTimeLimit(10 * 60 * 1000);
}

QString TestSubtitleExport::twoTracks()
{
    const QString out = QDir(AvTestMedia::folder()).filePath("twosubs.mkv");
    if (QFile::exists(out))
        return out;
    const QString a = m_dir.filePath("a.srt"), b = m_dir.filePath("b.srt");
    writeText(a, "1\n00:00:00,500 --> 00:00:01,500\nfirst track\n");
    writeText(b, "1\n00:00:00,500 --> 00:00:01,500\nsecond track\n");
    if (!AvTestMedia::runFfmpeg({"-i", AvTestMedia::twoAudioWithSubtitle(), "-i", a, "-i", b, "-map", "0:v",
                                 "-map", "1:s", "-map", "2:s", "-c:v", "copy", "-c:s", "srt", out}))
        return QString();
    return out;
}

void TestSubtitleExport::argumentsNameTheTrack()
{
    QCOMPARE(SubtitleExport::arguments(2, "in.mp4", "out.srt"),
             QStringList({"-y", "-protocol_whitelist", "file,crypto", "-i", "in.mp4", "-map", "0:s:2", "-vn", "-an",
                          "out.srt"}));
    QCOMPARE(SubtitleExport::arguments(0, "https://example.org/a.m3u8", "out.srt").mid(1, 2),
             QStringList({"-protocol_whitelist", "http,https,tcp,tls,crypto,httpproxy"}));
}

void TestSubtitleExport::trackIsWrittenAndReplacesTheOldFile()
{
    const QString out = m_dir.filePath("track.srt");
    writeText(out, "old contents\n");
    SubtitleExport exporter;
    QSignalSpy spy(&exporter, &SubtitleExport::doSubtitleExported);
    QMetaObject::invokeMethod(&exporter, "exportSubtitle", Q_ARG(int, 0),
                              Q_ARG(QString, AvTestMedia::twoAudioWithSubtitle()), Q_ARG(QString, out));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 30000);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QVERIFY(spy.at(0).at(1).toBool());
    QCOMPARE(spy.at(0).at(2).toString(), out);
    const QString text = readAll(out);
    QVERIFY2(text.contains("Hello there") && text.contains("00:00:00,500 --> 00:00:02,000"), qPrintable(text));
    // Nothing else is left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList({"track*"}, QDir::Files), QStringList({"track.srt"}));
}

void TestSubtitleExport::failuresKeepTheOlderFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("missing track") << "missing";
    QTest::newRow("timed out") << "timeout";
    QTest::newRow("killed") << "killed";
    QTest::newRow("no such input") << "noinput";
}

void TestSubtitleExport::failuresKeepTheOlderFile()
{
    QFETCH(QString, how);
    const QString out = m_dir.filePath("kept.srt");
    writeText(out, "older file\n");
    QString input = AvTestMedia::twoAudioWithSubtitle();
    int track = 0;
    if (how == "missing")
        track = 5;
    else if (how == "noinput")
        input = m_dir.filePath("nothing-here.mp4");
    else
        input = stalledInput(m_dir);
    if (how == "timeout")
        SubtitleExport::setTimeLimit(300);
    SubtitleExport exporter;
    QSignalSpy spy(&exporter, &SubtitleExport::doSubtitleExported);
    QMetaObject::invokeMethod(&exporter, "exportSubtitle", Q_ARG(int, track), Q_ARG(QString, input),
                              Q_ARG(QString, out));
    if (how == "killed") {
        QTRY_VERIFY_WITH_TIMEOUT(!ffmpegChildren().isEmpty(), 20000);
        for (pid_t pid : ffmpegChildren())
            ::kill(pid, SIGKILL);
    }
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 30000);
    QVERIFY(!spy.at(0).at(1).toBool());
    QCOMPARE(readAll(out), QStringLiteral("older file\n"));
    QCOMPARE(QDir(m_dir.path()).entryList({"kept*"}, QDir::Files), QStringList({"kept.srt"}));
    QTRY_VERIFY_WITH_TIMEOUT(ffmpegChildren().isEmpty(), 10000);
}

void TestSubtitleExport::twoTracksAtOnce()
{
    const QString input = twoTracks();
    QVERIFY(!input.isEmpty());
    SubtitleExport first, second;
    QSignalSpy spy1(&first, &SubtitleExport::doSubtitleExported);
    QSignalSpy spy2(&second, &SubtitleExport::doSubtitleExported);
    const QString out0 = m_dir.filePath("t0.srt"), out1 = m_dir.filePath("t1.vtt");
    QMetaObject::invokeMethod(&first, "exportSubtitle", Q_ARG(int, 0), Q_ARG(QString, input), Q_ARG(QString, out0));
    QMetaObject::invokeMethod(&second, "exportSubtitle", Q_ARG(int, 1), Q_ARG(QString, input), Q_ARG(QString, out1));
    QTRY_VERIFY_WITH_TIMEOUT(spy1.count() == 1 && spy2.count() == 1, 30000);
    QVERIFY(spy1.at(0).at(1).toBool() && spy2.at(0).at(1).toBool());
    QVERIFY(readAll(out0).contains("first track"));
    QVERIFY(readAll(out1).startsWith("WEBVTT"));
    QVERIFY(readAll(out1).contains("second track"));
}

void TestSubtitleExport::destroyedMidExportLeavesNothingRunning()
{
    const QString out = m_dir.filePath("destroyed.srt");
    auto* exporter = new SubtitleExport;
    QThread* thread = exporter->thread();
    QVERIFY(thread != QThread::currentThread());
    QMetaObject::invokeMethod(exporter, "exportSubtitle", Q_ARG(int, 0), Q_ARG(QString, stalledInput(m_dir)),
                              Q_ARG(QString, out));
    QTRY_VERIFY_WITH_TIMEOUT(!ffmpegChildren().isEmpty(), 20000);
    delete exporter;
    QVERIFY(ffmpegChildren().isEmpty());
    QVERIFY(!QFile::exists(out));
    QCOMPARE(QDir(m_dir.path()).entryList({"destroyed*"}, QDir::Files), QStringList());
}

void TestSubtitleExport::webSourceReadsNoLocalFile_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("exported");
    QTest::newRow("clip on the web") << "http://HOST/media/tracks.mp4" << true;
    QTest::newRow("web playlist naming a local file") << "http://HOST/list.m3u8" << false;
    QTest::newRow("the same playlist through ffmpeg's hls reader") << "hls+http://HOST/list.m3u8" << false;
    QTest::newRow("local files joined") << "concat:SECRET" << false;
}

// A source from the web names a file on this machine; its subtitle must not
// end up in the export, while a clip served from the web still exports.
void TestSubtitleExport::webSourceReadsNoLocalFile()
{
    QFETCH(QString, address);
    QFETCH(bool, exported);
    const QString secret = m_dir.filePath("secret.mkv");
    if (!QFile::exists(secret)) {
        const QString srt = m_dir.filePath("secret.srt");
        writeText(srt, "1\n00:00:00,500 --> 00:00:02,000\nlocal secret\n\n");
        QVERIFY(AvTestMedia::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10", "-i", srt, "-t", "2",
                                        "-map", "0:v", "-map", "1:s", "-c:v", "libx264", "-c:s", "srt", secret}));
    }
    LocalHttpServer server;
    QVERIFY(server.start(true));
    server.serveFolder("/media", QFileInfo(AvTestMedia::twoAudioWithSubtitle()).absolutePath());
    server.addFile("/list.m3u8",
                   "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:2\n#EXT-X-MEDIA-SEQUENCE:0\n"
                   "#EXTINF:2.0,\n"
                       + QUrl::fromLocalFile(secret).toEncoded() + "\n#EXT-X-ENDLIST\n",
                   "application/vnd.apple.mpegurl");
    address.replace("HOST", server.baseUrl().authority()).replace("SECRET", secret);

    const QString out = m_dir.filePath("web.srt");
    QFile::remove(out);
    SubtitleExport exporter;
    QSignalSpy spy(&exporter, &SubtitleExport::doSubtitleExported);
    QMetaObject::invokeMethod(&exporter, "exportSubtitle", Q_ARG(int, 0), Q_ARG(QString, address),
                              Q_ARG(QString, out));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 30000);
    const QString text = readAll(out);
    QVERIFY2(!text.contains("local secret"), qPrintable(text));
    QCOMPARE(spy.at(0).at(1).toBool(), exported);
    QCOMPARE(QFile::exists(out), exported);
    if (exported)
        QVERIFY2(text.contains("Hello there"), qPrintable(text));
}

QTEST_MAIN(TestSubtitleExport)
#include "tst_subtitleexport.moc"
