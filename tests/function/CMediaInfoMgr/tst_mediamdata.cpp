// The metadata worker: report parsing, tags of files ffmpeg makes through
// the real MediaInfo library, the queue, the cache, waiting for one file,
// stopping, and a library that cannot be loaded.
#include "function/CMediaInfoMgr/private/MediaInfoLibrary.h"
#include "function/CMediaInfoMgr/private/MediaMdata.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QString ffmpeg(const QStringList& args)
{
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start("/usr/bin/ffmpeg", QStringList{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"} + args);
    if (!p.waitForStarted(10000) || !p.waitForFinished(60000))
        return "ffmpeg did not finish";
    return p.exitCode() == 0 ? QString() : QString::fromLocal8Bit(p.readAllStandardError());
}

// The child of missingLibrary: reads one file with a library name that
// does not exist and prints the report's section names and the title.
int readWithoutLibrary(const QString& file)
{
    MediaInfoLibrary::setLibraryName("libmediainfo-missing.so.0");
    const MediaInfoReport report = MediaMdata::readReport(file);
    for (const MediaInfoSection& s : report)
        std::printf("section:%s:%d\n", qPrintable(s.name), s.entries.size());
    std::printf("title:%s\n", qPrintable(MediaMdata::makeMetadata(file, report, -1).title));
    std::fflush(stdout);
    return 0;
}

} // namespace

class TestMediaMdata : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void parseLines_data();
    void parseLines();
    void valuesFromLaterSections();
    void metadataSources();
    void tagsOfRealFiles();
    void queuedTwiceReadsOnce();
    void waitingForFiles();
    void specialFilesAreNotOpened();
    void stopEndsWithinOneFile();
    void queueingWhileEndingStrandsNothing();
    void missingLibrary();

private:
    QTemporaryDir m_dir;
    QString m_mp3, m_mp4;
};

void TestMediaMdata::initTestCase()
{
    if (!QFile::exists("/usr/bin/ffmpeg"))
        QSKIP("ffmpeg is missing");
    QVERIFY2(MediaInfoLibrary::load(), qPrintable(MediaInfoLibrary::loadError()));
    m_mp3 = m_dir.filePath("song.mp3");
    m_mp4 = m_dir.filePath("film.mp4");
    QCOMPARE(ffmpeg({"-f", "lavfi", "-i", "sine=duration=0.3", "-metadata", "title=Song T", "-metadata", "artist=Singer",
                     "-metadata", "album=Record", "-metadata", "genre=Jazz", "-metadata", "comment=Nice",
                     "-metadata", "lyrics=La la", m_mp3}),
             QString());
    QCOMPARE(ffmpeg({"-f", "lavfi", "-i", "testsrc=duration=0.3:size=160x120", "-metadata", "title=Film T",
                     "-metadata", "description=About it", m_mp4}),
             QString());
}

void TestMediaMdata::parseLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");   // "section|key=value|..."
    QTest::newRow("spaces before the separator and after the value")
        << "General\nFormat        : MPEG-4   \n" << QStringList{"General|Format=MPEG-4"};
    QTest::newRow("value holding a separator")
        << "General\nTrack name : A: B\nNo separator here\n" << QStringList{"General|Track name=A: B|No separator here="};
    QTest::newRow("leading value spaces stay") << "General\nKey :  x\n" << QStringList{"General|Key= x"};
    QTest::newRow("two sections, carriage returns")
        << "General\r\nA : 1\r\n\r\nAudio\r\nB : 2\r\n" << QStringList{"General|A=1", "Audio|B=2"};
    QTest::newRow("first line empty") << "\nGeneral\nA : 1\n" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("section without entries at the end") << "General\nA : 1\n\nMenu" << QStringList{"General|A=1", "Menu"};
    QTest::newRow("complete name carries the path given")
        << "General\nComplete name : /somewhere/else.mp4\n" << QStringList{"General|Complete name=C:\\given\\path.mp4"};
    QTest::newRow("characters above U+00FF stay") << QString::fromUtf8("General\nTitle : 日本語\n")
                                                  << QStringList{QString::fromUtf8("General|Title=日本語")};
}

void TestMediaMdata::parseLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const MediaInfoReport report = MediaMdata::parseReport(text, "C:\\given\\path.mp4");
    QStringList got;
    for (const MediaInfoSection& s : report) {
        QString line = s.name;
        for (const MediaInfoEntry& e : s.entries)
            line += "|" + e.key + "=" + e.value;
        got << line;
    }
    QCOMPARE(got, expected);
}

void TestMediaMdata::valuesFromLaterSections()
{
    const MediaInfoReport r = MediaMdata::parseReport("General\nA : 1\n\nGENERAL\nB : 2\n\nVideo #2\nTitle : Second\n", "x");
    QCOMPARE(MediaMdata::reportValue(r, "general", "b"), QStringLiteral("2"));
    QCOMPARE(MediaMdata::reportValue(r, "General", "A"), QStringLiteral("1"));
    QCOMPARE(MediaMdata::reportValue(r, "Audio", "A"), QString());
    QCOMPARE(MediaMdata::makeMetadata("/a/b.mkv", r, 1).title, QStringLiteral("Second"));
    QCOMPARE(MediaMdata::makeMetadata("/a/b.mkv", r, 0).title, QStringLiteral("b"));
}

void TestMediaMdata::metadataSources()
{
    const MediaInfoReport r = MediaMdata::parseReport(
        "General\nMovie name : Movie\nComment : Said\nSYLT : Synced\n", "x");
    MediaMetadata m = MediaMdata::makeMetadata("/a/clip.final.mp4", r, -1);
    QCOMPARE(m.title, QStringLiteral("Movie"));
    QCOMPARE(m.description, QStringLiteral("Said"));
    QCOMPARE(m.lyrics, QStringLiteral("Synced"));
    m = MediaMdata::makeMetadata("/a/clip.final.mp4", MediaInfoReport(), -1);
    QCOMPARE(m.title, QStringLiteral("clip.final"));
    MediaMetadata copy(m);
    copy.flag4 = true;
    m = copy;
    QVERIFY(m.flag4);
    QCOMPARE(m.title, QStringLiteral("clip.final"));
}

void TestMediaMdata::tagsOfRealFiles()
{
    MediaMdata worker;
    QSignalSpy spy(&worker, &MediaMdata::doMetaDataFinished);
    const QString twoSuffixes = m_dir.filePath("clip.final.mp4");
    QCOMPARE(ffmpeg({"-i", m_mp4, "-map_metadata", "-1", "-c", "copy", twoSuffixes}), QString());
    const QString missing = m_dir.filePath("gone.ogg");
    for (const QString& p : {m_mp3, m_mp4, twoSuffixes, missing})
        worker.open(p);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 4, 30000);
    QMap<QString, MediaMetadata> byFile;
    for (const QList<QVariant>& args : spy)
        byFile.insert(args[0].toString(), args[1].value<MediaMetadata>());
    const MediaMetadata song = byFile.value(m_mp3);
    QCOMPARE(song.title, QStringLiteral("Song T"));
    QCOMPARE(song.performer, QStringLiteral("Singer"));
    QCOMPARE(song.album, QStringLiteral("Record"));
    QCOMPARE(song.genre, QStringLiteral("Jazz"));
    QCOMPARE(song.description, QStringLiteral("Nice"));
    QCOMPARE(song.lyrics, QStringLiteral("La la"));
    QCOMPARE(byFile.value(m_mp4).title, QStringLiteral("Film T"));
    QCOMPARE(byFile.value(m_mp4).description, QStringLiteral("About it"));
    QCOMPARE(byFile.value(twoSuffixes).title, QStringLiteral("clip.final"));
    QCOMPARE(byFile.value(missing).title, QStringLiteral("gone"));
    MediaInfoReport report;
    QVERIFY(worker.cachedReport(m_mp3, &report));
    QCOMPARE(MediaMdata::reportValue(report, "General", "Complete name"), m_mp3);
    QVERIFY(worker.cachedReport(missing, &report));
    QVERIFY(report.isEmpty());
}

void TestMediaMdata::queuedTwiceReadsOnce()
{
    MediaMdata worker;
    QSignalSpy spy(&worker, &MediaMdata::doMetaDataFinished);
    worker.open(m_mp3);
    worker.open(m_mp3);
    worker.open(m_mp4);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 30000);
    QVERIFY(worker.wait(10000));
    worker.open(m_mp3);     // cached: nothing more
    QVERIFY(worker.wait(10000));
    QCOMPARE(spy.count(), 2);
}

void TestMediaMdata::waitingForFiles()
{
    MediaMdata worker;
    QSignalSpy spy(&worker, &MediaMdata::doMetaDataFinished);
    QVERIFY(worker.openAndWait(m_mp4));
    QVERIFY(worker.cachedReport(m_mp4, nullptr));
    // Cached: the wait returns at once.
    QVERIFY(worker.openAndWait(m_mp4));
    // A queued file that is already cached and then wanted first does not
    // hold the worker or the caller.
    worker.open(m_mp3);
    QVERIFY(worker.openAndWait(m_mp3));
    QVERIFY(worker.wait(10000));
    QTRY_COMPARE(spy.count(), 2);
}

void TestMediaMdata::specialFilesAreNotOpened()
{
    const QString fifo = m_dir.filePath("pipe.mp3");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    MediaMdata worker;
    QSignalSpy spy(&worker, &MediaMdata::doMetaDataFinished);
    worker.open(fifo);
    worker.open(m_dir.path());
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 10000);
    QCOMPARE(spy[0][1].value<MediaMetadata>().title, QStringLiteral("pipe"));
}

void TestMediaMdata::stopEndsWithinOneFile()
{
    QStringList files;
    for (int i = 0; i < 50; ++i) {
        files << m_dir.filePath(QString("many_%1.mp3").arg(i));
        QVERIFY(QFile::copy(m_mp3, files.last()));
    }
    MediaMdata worker;
    QSignalSpy spy(&worker, &MediaMdata::doMetaDataFinished);
    connect(&worker, &MediaMdata::doMetaDataFinished, &worker, [&worker] { worker.stop(); }, Qt::DirectConnection);
    for (const QString& f : files)
        worker.open(f);
    QVERIFY(worker.wait(30000));
    QVERIFY2(spy.count() <= 2, qPrintable(QString::number(spy.count())));
    // A stopped worker does not start again, and a waiting caller is not held.
    QVERIFY(!worker.openAndWait(m_mp4));
}

void TestMediaMdata::queueingWhileEndingStrandsNothing()
{
    MediaMdata worker;
    int seen = 0;
    const int total = 60;
    QStringList files;
    for (int i = 0; i < total; ++i)
        files << m_dir.filePath(QString("one_by_one_%1.txt").arg(i));
    // Each next file is queued as the previous one is reported, which is
    // when the worker is about to find its queue empty.
    connect(&worker, &MediaMdata::doMetaDataFinished, this, [&] {
        if (++seen < total)
            worker.open(files[seen]);
    }, Qt::QueuedConnection);
    worker.open(files[0]);
    QTRY_COMPARE_WITH_TIMEOUT(seen, total, 30000);
}

void TestMediaMdata::missingLibrary()
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--no-library", m_mp3});
    QVERIFY(child.waitForFinished(30000));
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    QCOMPARE(out, QStringLiteral("section:Unable to load libmediainfo-missing.so.0:0\ntitle:song\n"));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--no-library") == 0)
        return readWithoutLibrary(QString::fromLocal8Bit(argv[2]));
    TestMediaMdata test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mediamdata.moc"
