// DVD sources end to end: a PAL DVD folder and its image made here with
// ffmpeg, spumux, dvdauthor and genisoimage, analysed by the real helper
// through DVDInfoMgr with a shipped profile chosen; the drive list through
// the platform's volume seam; and the analyses that give nothing.
#include "function/CMediaInfoMgr/CMediaInfoMgr.h"
#include "function/CMediaInfoMgr/DVDInfoMgr.h"
#include "function/CMediaInfoMgr/private/CMediaInfoMgrPrivate.h"
#include "function/marbleto_library/arguments/util/media_task.h"
#include "platform/Volumes.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QString run(const QString& program, const QStringList& args, const QString& workDir,
            const QString& input = QString(), const QString& output = QString())
{
    QProcess p;
    p.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VIDEO_FORMAT", "PAL");
    p.setProcessEnvironment(env);
    p.setStandardInputFile(input.isEmpty() ? QProcess::nullDevice() : input);
    if (!output.isEmpty())
        p.setStandardOutputFile(output);
    p.start(program, args);
    if (!p.waitForStarted(10000) || !p.waitForFinished(120000))
        return program + " did not finish";
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0
               ? QString()
               : program + ": " + QString::fromLocal8Bit(p.readAllStandardError().right(500));
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

Volumes::Volume volume(const QString& mount, const QString& name, quint64 total, bool optical)
{
    Volumes::Volume v;
    v.mountPoint = mount;
    v.device = optical ? "/dev/sr0" : "/dev/sda1";
    v.name = name;
    v.totalBytes = total;
    v.freeBytes = 0;
    v.optical = optical;
    return v;
}

} // namespace

class TestDVDInfoMgr : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void analysedSources_data();
    void analysedSources();
    void analysesThatGiveNothing_data();
    void analysesThatGiveNothing();
    void drivesThroughTheSeam();
    void driveRootsAndNames();

private:
    DVD_format_edit_s* analyse(const QString& path, int kind, int tag = 0, int value = 0);

    QTemporaryDir m_dir;
    QTemporaryDir m_user;
    QString m_folder;   // holds VIDEO_TS
    QString m_iso;
    bool m_haveDvd = false;
    int m_chosenKey = -1;
};

void TestDVDInfoMgr::initTestCase()
{
    ProfileParser::setProgramFolder(qEnvironmentVariable("TW_SOURCE_DIR"));
    DVDAnalyser::setHelperPath(qEnvironmentVariable("TW_BINARY_DIR") + "/bin/dvdanalyse");
    SettingsStore::instance()->setValue("base/customProfilePath", SettingsStore::toStoredPath(m_user.path()));
    CMediaInfoMgr* mgr = CMediaInfoMgr::instance(CMediaInfoMgr::Current);
    ProfileMgr* profiles = mgr->privatePart()->profileMgr();
    QVERIFY(profiles->wait(30000));
    m_chosenKey = profiles->data()->file("mp4_h264.json")->key;
    QVERIFY(profiles->chooseProfile(m_chosenKey, -1));

    for (const char* tool : {"ffmpeg", "spumux", "dvdauthor", "genisoimage"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return;
    }
    QVERIFY(QFile::exists(DVDAnalyser::helperPath()));
    const QString d = m_dir.path();
    const QStringList quiet{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"};
    QCOMPARE(run("ffmpeg", quiet + QStringList{"-f", "lavfi", "-i", "testsrc=size=720x576:rate=25:duration=4", "-f", "lavfi",
                                               "-i", "sine=frequency=440:duration=4", "-f", "lavfi", "-i",
                                               "sine=frequency=880:duration=4", "-map", "0:v", "-map", "1:a", "-map",
                                               "2:a", "-target", "pal-dvd", "-aspect", "16:9", "t1.mpg"}, d),
             QString());
    QCOMPARE(run("ffmpeg", quiet + QStringList{"-f", "lavfi", "-i", "testsrc=size=720x576:rate=25:duration=1", "-f", "lavfi",
                                               "-i", "sine=duration=1", "-map", "0:v", "-map", "1:a", "-target", "pal-dvd",
                                               "-aspect", "16:9", "t2.mpg"}, d),
             QString());
    QCOMPARE(run("ffmpeg", quiet + QStringList{"-f", "lavfi", "-i", "color=c=black:s=720x576", "-vf",
                                               "drawbox=x=100:y=450:w=300:h=50:color=white:t=fill", "-frames:v", "1",
                                               "-pix_fmt", "rgb24", "sub.png"}, d),
             QString());
    QVERIFY(write(d + "/sub.xml", R"(<subpictures><stream><spu start="00:00:00.50" end="00:00:02.00" image="sub.png"/></stream></subpictures>)"));
    QCOMPARE(run("spumux", {"-s", "0", "sub.xml"}, d, d + "/t1.mpg", d + "/t1s0.mpg"), QString());
    QCOMPARE(run("spumux", {"-s", "1", "sub.xml"}, d, d + "/t1s0.mpg", d + "/t1s1.mpg"), QString());
    QVERIFY(write(d + "/dvd.xml", R"(<dvdauthor dest="My.Movie.2019">
 <vmgm />
 <titleset>
  <titles>
   <video format="pal" aspect="16:9"/>
   <audio lang="en"/><audio lang="es"/>
   <subpicture lang="de"/><subpicture lang="fr"/>
   <pgc><vob file="t1s1.mpg" chapters="0,00:00:02.000"/></pgc>
   <pgc><vob file="t2.mpg"/></pgc>
  </titles>
 </titleset>
</dvdauthor>)"));
    QCOMPARE(run("dvdauthor", {"-x", "dvd.xml"}, d), QString());
    m_folder = d + "/My.Movie.2019";
    m_iso = d + "/My.Movie.2019.iso";
    QCOMPARE(run("genisoimage", {"-quiet", "-dvd-video", "-V", "My.Movie.2019", "-o", m_iso, m_folder}, d), QString());
    m_haveDvd = true;
}

void TestDVDInfoMgr::cleanup()
{
    Volumes::setListerForTest(nullptr);
    SettingsStore::instance()->setValue("dvd/lang", "en");
    DVDAnalyser::setHelperPath(qEnvironmentVariable("TW_BINARY_DIR") + "/bin/dvdanalyse");
    CMediaInfoMgr::instance(CMediaInfoMgr::Current)->privatePart()->profileMgr()->chooseProfile(m_chosenKey, -1);
}

DVD_format_edit_s* TestDVDInfoMgr::analyse(const QString& path, int kind, int tag, int value)
{
    DVDInfoMgr mgr;
    QSignalSpy spy(&mgr, &DVDInfoMgr::doDVDContentInfo);
    mgr.analyse(path, kind, tag, value);
    if (!spy.wait(60000) || spy.count() != 1)
        return reinterpret_cast<DVD_format_edit_s*>(-1);
    // Nothing of the analysis is left: no record, no child.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (mgr.analyser()->runningCount() != 0 || !mgr.analyser()->findChildren<QProcess*>().isEmpty())
        return reinterpret_cast<DVD_format_edit_s*>(-1);
    return spy[0][0].value<DVD_format_edit_s*>();
}

void TestDVDInfoMgr::analysedSources_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("audio");
    QTest::addColumn<int>("subtitle");
    QTest::newRow("folder, spa") << 2 << "spa" << 1 << 0;
    QTest::newRow("VIDEO_TS, ENG") << 3 << "ENG" << 0 << 0;
    QTest::newRow("image, en") << 1 << "en" << 0 << 0;
    QTest::newRow("image, fra") << 1 << "fra" << 0 << 1;
}

void TestDVDInfoMgr::analysedSources()
{
    if (!m_haveDvd)
        QSKIP("ffmpeg, spumux, dvdauthor or genisoimage is missing");
    QFETCH(int, kind);
    QFETCH(QString, language);
    SettingsStore::instance()->setValue("dvd/lang", language);
    const QString path = kind == 1 ? m_iso : kind == 2 ? m_folder : m_folder + "/VIDEO_TS";
    std::unique_ptr<DVD_format_edit_s> model(analyse(path, kind == 3 ? 2 : kind, 7, 3));
    QVERIFY(model.get() && model.get() != reinterpret_cast<DVD_format_edit_s*>(-1));
    QCOMPARE(model->output.name, QStringLiteral("My.Movie.2019"));
    QCOMPARE(model->sourceKind, kind == 3 ? 2 : kind);
    QCOMPARE(model->reader->tag(), 7);
    QCOMPARE(model->reader->task()->sourceNumber, 3);
    QCOMPARE(model->reader->titleCount(), 2);
    QCOMPARE(model->reader->mainTitle(), 0);
    QCOMPARE(model->reader->trackCount(0, 0), 1);
    QCOMPARE(model->reader->trackCount(0, 1), 2);
    QCOMPARE(model->reader->trackCount(0, 2), 2);
    QCOMPARE(model->reader->subtitleLanguage(0, 0), QStringLiteral("deu"));
    QCOMPARE(model->reader->subtitleLanguage(0, 1), QStringLiteral("fra"));
    QCOMPARE(model->reader->task()->disc->titles[0]->chapterCount, 2);
    const TitleEditInfo& t = model->titles[0];
    QFETCH(int, audio);
    QFETCH(int, subtitle);
    QCOMPARE(t.defaultAudio, audio);
    QCOMPARE(t.defaultSubtitle, subtitle);
    QCOMPARE(t.defaultVideo, 0);
    const SegmentEditInfo seg = t.segments.value(0);
    QCOMPARE(seg.clip.end, qint64(model->reader->task()->disc->titles[0]->duration) - 1);
    QVERIFY(seg.clip.end >= 3900 && seg.clip.end <= 4100);
    QCOMPARE(seg.clip.split.segments.size(), 10);
    QCOMPARE(t.subtitleStyles.value(0).first.size(), 2);
    // The profile chosen for the converter was loaded into the task.
    QCOMPARE(QString(model->reader->task()->profile->working->extension), QStringLiteral("mp4"));
}

void TestDVDInfoMgr::analysesThatGiveNothing_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("no chosen profile") << "profile";
    QTest::newRow("a bad path") << "path";
    QTest::newRow("a killed helper") << "killed";
    QTest::newRow("no helper") << "missing";
    QTest::newRow("a cut title set") << "cut";
}

void TestDVDInfoMgr::analysesThatGiveNothing()
{
    QFETCH(QString, what);
    QString path = m_haveDvd ? m_folder : m_dir.path();
    if (what == "profile")
        QVERIFY(CMediaInfoMgr::instance(CMediaInfoMgr::Current)->privatePart()->profileMgr()->chooseProfile(-1, -1));
    if (what == "path")
        path = m_dir.filePath("no such disc");
    if (what == "killed") {
        const QString script = m_dir.filePath("killed.sh");
        QVERIFY(write(script, "#!/bin/sh\nkill -9 $$\n"));
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        DVDAnalyser::setHelperPath(script);
    }
    if (what == "missing")
        DVDAnalyser::setHelperPath(m_dir.filePath("no helper here"));
    if ((what == "profile" || what == "cut") && !m_haveDvd)
        QSKIP("no disc to analyse");
    if (what == "cut") {
        // The disc's only title set, cut short in both its copies: its two
        // titles cannot be read, so nothing of the disc is left to show.
        path = m_dir.filePath("cut");
        QVERIFY(QDir().mkpath(path + "/VIDEO_TS"));
        for (const QString& name : QDir(m_folder + "/VIDEO_TS").entryList(QDir::Files)) {
            const QString to = path + "/VIDEO_TS/" + name;
            QVERIFY(QFile::copy(m_folder + "/VIDEO_TS/" + name, to));
            if (name == "VTS_01_0.IFO" || name == "VTS_01_0.BUP")
                QVERIFY(QFile::resize(to, 100));
        }
    }
    DVD_format_edit_s* model = analyse(path, 2);
    QCOMPARE(model, static_cast<DVD_format_edit_s*>(nullptr));
}

void TestDVDInfoMgr::drivesThroughTheSeam()
{
    QTemporaryDir disc, disk, big, nameless, lower;
    for (const QTemporaryDir* d : {&disc, &disk, &big, &nameless}) {
        QVERIFY(QDir(d->path()).mkpath("VIDEO_TS"));
        QVERIFY(write(d->path() + "/VIDEO_TS/VIDEO_TS.IFO", "x"));
    }
    QVERIFY(QDir(lower.path()).mkpath("video_ts"));
    QVERIFY(write(lower.path() + "/video_ts/video_ts.ifo", "x"));
    const quint64 gib = quint64(1) << 30;
    Volumes::setListerForTest([&] {
        return QList<Volumes::Volume>{volume(disc.path(), "MOVIE", 4 * gib, true),
                                      volume(disk.path(), "DATA", 4 * gib, false),
                                      volume(big.path(), "HUGE", 81 * gib, true),
                                      volume(nameless.path(), "", gib, true),
                                      volume(lower.path(), "ISO9660", gib, true),
                                      volume(m_user.path(), "EMPTY", gib, true)};
    });
    DVDInfoMgr mgr;
    QSignalSpy spy(&mgr, &DVDInfoMgr::doUDFList);
    mgr.detectDrives();
    QCOMPARE(spy.count(), 1);
    const QList<UDFInfo> drives = spy[0][0].value<QList<UDFInfo>>();
    QCOMPARE(drives.size(), 3);
    QCOMPARE(drives[0].path, disc.path());
    QCOMPARE(drives[0].label, QStringLiteral("MOVIE"));
    QCOMPARE(drives[0].totalBytes, 4 * gib);
    QCOMPARE(drives[0].icon.size(), QSize(32, 32));
    QVERIFY(QRegularExpression("^\\d{12}$").match(drives[1].label).hasMatch());
    QCOMPARE(drives[2].label, QStringLiteral("ISO9660"));
    QCOMPARE(udfList.size(), 3);
}

void TestDVDInfoMgr::driveRootsAndNames()
{
    QTemporaryDir mount, other;
    QVERIFY(QDir(mount.path()).mkpath("Films/VIDEO_TS"));
    QVERIFY(QDir(other.path()).mkpath("VIDEO_TS"));
    Volumes::setListerForTest([&] {
        return QList<Volumes::Volume>{volume(mount.path(), "MOVIE", 1 << 30, true),
                                      volume(other.path(), "OTHER", 1 << 30, true)};
    });
    QVERIFY(DVDAnalyser::isDriveRoot(mount.path()));
    QVERIFY(DVDAnalyser::isDriveRoot(" " + mount.path() + "/ "));
    QVERIFY(!DVDAnalyser::isDriveRoot(mount.path() + "/Films"));
    QVERIFY(!DVDAnalyser::isDriveRoot(""));
    QVERIFY(!DVDAnalyser::isDriveRoot("   "));
    udfList = {UDFInfo{mount.path(), "MOVIE", 0, QPixmap()}};
    QCOMPARE(DVDAnalyser::discName(mount.path(), 2), QStringLiteral("MOVIE"));
    QCOMPARE(DVDAnalyser::discName(mount.path() + "/VIDEO_TS", 2), QStringLiteral("MOVIE"));
    QVERIFY(QRegularExpression("^\\d{12}$").match(DVDAnalyser::discName(other.path(), 2)).hasMatch());
    QCOMPARE(DVDAnalyser::discName(mount.path() + "/Films/VIDEO_TS", 2), QStringLiteral("Films"));
    QCOMPARE(DVDAnalyser::discName(mount.path() + "/Films", 2), QStringLiteral("Films"));
    QCOMPARE(DVDAnalyser::discName(mount.path(), 0), QStringLiteral("MOVIE"));
    QCOMPARE(DVDAnalyser::discName(mount.filePath("missing.iso"), 1), QString());
    QVERIFY(write(mount.filePath("Movie.2019.iso"), "x"));
    QCOMPARE(DVDAnalyser::discName(mount.filePath("Movie.2019.iso"), 1), QStringLiteral("Movie.2019"));
    QCOMPARE(DVDAnalyser::discName(mount.path(), 9), QString());
    udfList.clear();
}

QTEST_MAIN(TestDVDInfoMgr)
#include "tst_dvdinfomgr.moc"
