#include "data_structure/DownloadItem/DownloadItem.h"
#include "shell/SettingsStore.h"

#include <QtConcurrent>
#include <QtTest>

#include <sys/stat.h>

namespace {

DownloadMedia mediaOf(const QString& ext, int parts = 1, bool music = false)
{
    DownloadMedia m;
    m.formatID = QStringLiteral("18");
    m.srcExt = ext;
    m.tarExt = ext;
    m.videoPartCount = parts;
    m.isMusic = music;
    return m;
}

void touch(const QString& path, const QByteArray& data = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

class TestDownloadItem : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_video;
    QTemporaryDir m_music;
    QString out() const { return QDir::cleanPath(m_video.path()); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_video.isValid() && m_music.isValid());
        SettingsStore::instance()->setValue("youtube/download", SettingsStore::toStoredPath(m_video.path()));
        SettingsStore::instance()->setValue("youtube/download_music", SettingsStore::toStoredPath(m_music.path()));
    }

    void cleanup()
    {
        // Each case starts with an empty output folder.
        for (const QString& e : QDir(out()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            QFileInfo fi(QDir(out()).filePath(e));
            if (fi.isDir())
                QDir(fi.filePath()).removeRecursively();
            else
                QFile::remove(fi.filePath());
        }
    }

    void copyRules()
    {
        DownloadItem a;
        a.title = "t";
        a.id = "i";
        a.medias = {mediaOf("mp4"), mediaOf("webm")};
        QVERIFY(a.setChosenMediaIndex(1));
        a.preview = "p";
        a.thumbnail = "th";
        a.isLiveStream = true;
        a.useFfmpeg = true;
        a.duration = 42;
        a.tempFilePath = "/tmp/x";
        a.progress = 7;
        a.mediaDuration = 9;
        a.listFolder = "L/";
        a.subscribeListId = "sid";
        a.subscribeListUrl = "surl";
        a.subscribeExtractor = "sx";
        a.url = "u";
        a.subtitles = QStringList{"en"};
        a.accountUser = "au";
        a.accountPassword = "ap";
        a.startTime = QTime(10, 0);
        a.startNow = false;
        a.startSuccess = true;
        a.finalFilePath = "f";
        a.tempFileName = "tf";
        a.removeTempOnDestroy = true;
        a.result = 4;
        a.outputFiles = QStringList{"o"};

        for (int round = 0; round < 2; ++round) {
            DownloadItem b;
            if (round == 0) {
                DownloadItem c(a);
                b = c;
            } else {
                b = a;
            }
            QCOMPARE(b.title, a.title);
            QCOMPARE(b.id, a.id);
            QCOMPARE(b.medias.size(), 2);
            QCOMPARE(b.chosenMediaIndex(), 1);
            QCOMPARE(b.preview, a.preview);
            QCOMPARE(b.thumbnail, a.thumbnail);
            QCOMPARE(b.isLiveStream, true);
            QCOMPARE(b.useFfmpeg, true);
            QCOMPARE(b.duration, 42);
            QCOMPARE(b.tempFilePath, a.tempFilePath);
            QCOMPARE(b.progress, 7);
            QCOMPARE(b.mediaDuration, 9);
            QCOMPARE(b.listFolder, a.listFolder);
            QCOMPARE(b.subscribeListId, a.subscribeListId);
            QCOMPARE(b.subscribeListUrl, a.subscribeListUrl);
            QCOMPARE(b.subscribeExtractor, a.subscribeExtractor);
            QCOMPARE(b.url, a.url);
            QCOMPARE(b.subtitles, a.subtitles);
            QCOMPARE(b.accountUser, a.accountUser);
            QCOMPARE(b.accountPassword, a.accountPassword);
            // Not copied: a copy of a scheduled live job starts at once.
            QVERIFY(b.startTime.isNull());
            QCOMPARE(b.startNow, true);
            QCOMPARE(b.startSuccess, false);
            QVERIFY(b.finalFilePath.isEmpty());
            QVERIFY(b.tempFileName.isEmpty());
            QCOMPARE(b.removeTempOnDestroy, false);
            QCOMPARE(b.result, 0);
            QVERIFY(b.outputFiles.isEmpty());
            b.medias[0].format = "changed";
            QVERIFY(a.medias[0].format != "changed");
        }
        a.removeTempOnDestroy = false;
    }

    void progressRules()
    {
        DownloadItem d;
        QSignalSpy spy(&d, &DownloadItem::doProgress);
        d.setProgress(50);
        d.setProgress(30);
        QCOMPARE(d.progress, 50);
        d.setProgress(50);
        d.setProgress(-1);
        QCOMPARE(d.progress, -1);
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy.at(2).at(0).toInt(), -1);
    }

    void chosenIndex()
    {
        DownloadItem d;
        d.medias = {mediaOf("mp4"), mediaOf("webm")};
        QVERIFY(!d.setChosenMediaIndex(2));
        QVERIFY(!d.setChosenMediaIndex(-1));
        QCOMPARE(d.chosenMediaIndex(), 0);
        d.setChosenMediaIndexRaw(7);
        QCOMPARE(d.chosenMediaIndex(), 7);
        QVERIFY(d.chosenMedia() == nullptr);

        // A started job that changes format loses its partial data.
        QVERIFY(d.setChosenMediaIndex(0));
        d.prepareTempPath();
        const QString temp = d.tempFilePath;
        QVERIFY(QFileInfo(temp).isDir());
        d.setProgress(10);
        QVERIFY(d.setChosenMediaIndex(0));
        QVERIFY(QFileInfo(temp).isDir());
        QVERIFY(d.setChosenMediaIndex(1));
        QVERIFY(!QFileInfo::exists(temp));
        QVERIFY(d.tempFilePath.isEmpty());
        QCOMPARE(d.progress, 0);
    }

    void tempFolder()
    {
        DownloadItem d;
        d.medias = {mediaOf("mp4")};
        QSignalSpy started(&d, &DownloadItem::doStarted);
        d.outputFiles = QStringList{"old"};
        d.prepareTempPath();
        QCOMPARE(started.size(), 1);
        QVERIFY(d.outputFiles.isEmpty());
        const QFileInfo fi(d.tempFilePath);
        QVERIFY(fi.isDir());
        QCOMPARE(QFileInfo(fi.absolutePath()).canonicalFilePath(), QFileInfo(out()).canonicalFilePath());
        QVERIFY(fi.fileName().startsWith("temp_"));
        QCOMPARE(fi.fileName().size(), 11);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(d.tempFilePath).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QCOMPARE(d.tempFileName, QDir(d.tempFilePath).filePath("temp.mp4"));
        // A second run reuses the folder (a resume).
        const QString first = d.tempFilePath;
        d.prepareTempPath();
        QCOMPARE(d.tempFilePath, first);

        d.setTempFileExt("mkv");
        QCOMPARE(d.medias[0].srcExt, QStringLiteral("mkv"));
        QCOMPARE(d.medias[0].tarExt, QStringLiteral("mkv"));
        QCOMPARE(d.tempFileName, QDir(first).filePath("temp.mkv"));
        d.medias[0].videoPartCount = 3;
        d.setTempFileExt("mp4");
        QCOMPARE(d.tempFileName, QDir(first).filePath("temp_part1.mp4"));

        // setDestination only fills an unknown extension.
        d.setDestination("base", "webm");
        QCOMPARE(d.medias[0].tarExt, QStringLiteral("mp4"));
        d.medias[0].tarExt.clear();
        d.setDestination("base", "webm");
        QCOMPARE(d.id, QStringLiteral("base"));
        QCOMPARE(d.tempFileName, QDir(first).filePath("temp.webm"));

        d.removeTempFolder(true);
        QVERIFY(!QFileInfo::exists(first));
    }

    void foldersThatAreNeverDeleted()
    {
        QTemporaryDir elsewhere;
        const QString notTemp = QDir(out()).filePath("keep_me");
        const QString outside = QDir(elsewhere.path()).filePath("temp_abcdef");
        QDir().mkpath(notTemp);
        QDir().mkpath(outside);
        for (const QString& path : {notTemp, outside}) {
            DownloadItem d;
            d.tempFilePath = path;
            d.progress = 40;
            d.removeTempFolder(true);
            QVERIFY(QFileInfo(path).isDir());
            QVERIFY(d.tempFilePath.isEmpty());
            QCOMPARE(d.progress, 0);
        }
    }

    void tempFolderOnlyInTheJobsOwnOutputFolder_data()
    {
        QTest::addColumn<bool>("music");
        QTest::addColumn<bool>("inMusicFolder");
        QTest::addColumn<bool>("removed");
        QTest::newRow("video job, video folder") << false << false << true;
        QTest::newRow("video job, music folder") << false << true << false;
        QTest::newRow("music job, music folder") << true << true << true;
        QTest::newRow("music job, video folder") << true << false << false;
    }

    void tempFolderOnlyInTheJobsOwnOutputFolder()
    {
        QFETCH(bool, music);
        QFETCH(bool, inMusicFolder);
        QFETCH(bool, removed);
        const QString parent = QDir::cleanPath(inMusicFolder ? m_music.path() : m_video.path());
        const QString path = QDir(parent).filePath("temp_r3case");
        touch(QDir(path).filePath("temp.mp4"));
        for (bool locked : {false, true}) {
            QDir().mkpath(path);
            DownloadItem d;
            d.medias = {mediaOf("mp4", 1, music)};
            d.tempFilePath = path;
            if (locked) {
                // The locked variant runs when a started job changes format.
                d.medias.append(mediaOf("webm", 1, music));
                d.progress = 10;
                QVERIFY(d.setChosenMediaIndex(1));
            } else {
                d.removeTempFolder(true);
            }
            QCOMPARE(QFileInfo(path).isDir(), !removed);
            QVERIFY(d.tempFilePath.isEmpty());
        }
        QDir(path).removeRecursively();
    }

    void names_data()
    {
        QTest::addColumn<QString>("listFolder");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<int>("parts");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("expected");   // relative to the output folder
        QTest::newRow("single, free") << "" << "Video" << "mp4" << 1 << QStringList()
                                      << QStringList{"Video.mp4"};
        QTest::newRow("list folder") << "My List/" << "Video" << "mp4" << 1 << QStringList()
                                     << QStringList{"My List/Video.mp4"};
        QTest::newRow("taken once") << "" << "Video" << "mp4" << 1 << QStringList{"Video.mp4"}
                                    << QStringList{"Video_part1_2.mp4"};
        QTest::newRow("taken twice") << "" << "Video" << "mp4" << 1
                                     << QStringList{"Video.mp4", "Video_part1_2.mp4"}
                                     << QStringList{"Video_part1_3.mp4"};
        QTest::newRow("three parts") << "" << "V" << "mp4" << 3 << QStringList()
                                     << QStringList{"V_part1.mp4", "V_part2.mp4", "V_part3.mp4"};
        QTest::newRow("second part taken") << "" << "V" << "mp4" << 2 << QStringList{"V_part2.mp4"}
                                           << QStringList{"V_part1.mp4", "V_part2_2.mp4"};
        QTest::newRow("backslash and colon") << "" << "a\\b:c" << "mp4" << 1 << QStringList()
                                             << QStringList{"a b c.mp4"};
        QTest::newRow("dot-dot list") << "../" << "V" << "mp4" << 1 << QStringList()
                                      << QStringList{"__/V.mp4"};
        QTest::newRow("dot-dot inside list") << "a/../../b/" << "V" << "mp4" << 1 << QStringList()
                                             << QStringList{"a/__/__/b/V.mp4"};
        QTest::newRow("dot-dot title") << "" << ".." << "mp4" << 1 << QStringList()
                                       << QStringList{"_.mp4"};
        QTest::newRow("hidden title") << "" << ".profile" << "mp4" << 1 << QStringList()
                                      << QStringList{"_profile.mp4"};
        QTest::newRow("empty title") << "" << "" << "mp4" << 1 << QStringList() << QStringList{"_.mp4"};
        QTest::newRow("slash title") << "" << "a/b" << "mp4" << 1 << QStringList() << QStringList{"a b.mp4"};
    }

    void names()
    {
        QFETCH(QString, listFolder);
        QFETCH(QString, title);
        QFETCH(QString, ext);
        QFETCH(int, parts);
        QFETCH(QStringList, existing);
        QFETCH(QStringList, expected);
        for (const QString& e : existing)
            touch(QDir(out()).filePath(e));
        QStringList want;
        for (const QString& e : expected)
            want << QDir(out()).filePath(e);
        QCOMPARE(DownloadItem::outputNames(out(), listFolder, title, ext, parts), want);
    }

    void longTitle()
    {
        const QString title = QString(150, QChar(0x00e9));   // 300 bytes of UTF-8
        const QStringList names = DownloadItem::outputNames(out(), QString(), title, "mp4", 1);
        const QString file = QFileInfo(names.first()).fileName();
        QVERIFY(file.toUtf8().size() <= 255);
        QVERIFY(file.endsWith(".mp4"));
        touch(names.first());
        QVERIFY(QFileInfo::exists(names.first()));
        // A taken long name still fits with its longer ending.
        const QString second = QFileInfo(DownloadItem::outputNames(out(), QString(), title, "mp4", 1).first()).fileName();
        QVERIFY(second.endsWith("_part1_2.mp4"));
        QVERIFY(second.toUtf8().size() <= 255);
    }

    void finishSuccessRenames()
    {
        DownloadItem d;
        d.title = "Clip";
        d.listFolder = "List/";
        d.medias = {mediaOf("mp4", 3)};
        d.prepareTempPath();
        const QString temp = d.tempFilePath;
        QCOMPARE(d.tempFileName, QDir(temp).filePath("temp_part1.mp4"));
        touch(QDir(temp).filePath("temp_part1.mp4"), "1");
        touch(QDir(temp).filePath("temp_part2.mp4"), "2");
        touch(QDir(temp).filePath("temp_part3.mp4"), "3");
        QSignalSpy progress(&d, &DownloadItem::doProgress);
        QSignalSpy finished(&d, &DownloadItem::doFinish);
        d.finish(DownloadItem::DownloadSuccess);
        QCOMPARE(progress.size(), 1);
        QCOMPARE(progress.first().first().toInt(), 100);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().at(0).toInt(), 0);
        const QStringList files = finished.first().at(1).toStringList();
        QCOMPARE(files.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(files.at(i), QDir(out()).filePath(QStringLiteral("List/Clip_part%1.mp4").arg(i + 1)));
            QFile f(files.at(i));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray::number(i + 1));
        }
        QCOMPARE(d.finalFilePath, files.first());
        QCOMPARE(d.outputFiles, files);
        QVERIFY(!QFileInfo::exists(temp));
        QVERIFY(d.tempFilePath.isEmpty());
        QCOMPARE(d.result, 0);
    }

    void finishNeverOverwrites()
    {
        touch(QDir(out()).filePath("Same.mp4"), "old");
        DownloadItem d;
        d.title = "Same";
        d.medias = {mediaOf("mp4")};
        d.prepareTempPath();
        touch(d.tempFileName, "new");
        d.finish(DownloadItem::DownloadSuccess);
        QCOMPARE(d.finalFilePath, QDir(out()).filePath("Same_part1_2.mp4"));
        QFile old(QDir(out()).filePath("Same.mp4"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }

    void finishSameTitleFromManyThreads()
    {
        // Eight jobs with one title finish at once: eight distinct files.
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        for (int i = 0; i < 8; ++i) {
            auto d = std::make_unique<DownloadItem>();
            d->title = "Twin";
            d->medias = {mediaOf("mp4")};
            d->prepareTempPath();
            touch(d->tempFileName, QByteArray::number(i));
            jobs.push_back(std::move(d));
        }
        QList<QFuture<void>> runs;
        for (auto& d : jobs) {
            DownloadItem* p = d.get();
            runs << QtConcurrent::run([p] { p->finish(DownloadItem::DownloadSuccess); });
        }
        for (auto& r : runs)
            r.waitForFinished();
        QSet<QString> names;
        for (auto& d : jobs) {
            QVERIFY(QFileInfo::exists(d->finalFilePathSafe()));
            names.insert(d->finalFilePathSafe());
        }
        QCOMPARE(names.size(), 8);
    }

    void finishRenameFails()
    {
        DownloadItem d;
        d.title = "Missing";
        d.medias = {mediaOf("mp4")};
        d.prepareTempPath();
        const QString temp = d.tempFilePath;
        // No temp file: every rename attempt fails.
        QSignalSpy finished(&d, &DownloadItem::doFinish);
        d.finish(DownloadItem::DownloadSuccess);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(d.finalFilePath, QDir(temp).filePath("temp.mp4"));
        QCOMPARE(finished.first().at(1).toStringList(), QStringList{QDir(temp).filePath("temp.mp4")});
        QVERIFY(QFileInfo(temp).isDir());   // kept: it may hold the data
    }

    void finishResults_data()
    {
        QTest::addColumn<int>("err");
        QTest::addColumn<bool>("signal");
        QTest::addColumn<bool>("keepsTemp");
        QTest::newRow("cancelled before start") << 1 << false << true;
        QTest::newRow("stopped") << 2 << true << true;
        QTest::newRow("format unavailable") << 3 << true << false;
        QTest::newRow("interrupted") << 4 << true << true;
        QTest::newRow("failed") << 5 << true << false;
    }

    void finishResults()
    {
        QFETCH(int, err);
        QFETCH(bool, signal);
        QFETCH(bool, keepsTemp);
        DownloadItem d;
        d.title = "R";
        d.medias = {mediaOf("mp4")};
        d.prepareTempPath();
        const QString temp = d.tempFilePath;
        d.setProgress(40);
        QSignalSpy finished(&d, &DownloadItem::doFinish);
        d.finish(DownloadItem::DownloadError(err));
        QCOMPARE(d.result, err);
        QCOMPARE(finished.size(), signal ? 1 : 0);
        QCOMPARE(d.outputFiles, QStringList{QDir(out()).filePath("R.mp4")});
        QCOMPARE(QFileInfo(temp).isDir(), keepsTemp);
        if (keepsTemp) {
            QCOMPARE(d.tempFilePath, temp);
            QCOMPARE(d.progress, 40);
        }
        QVERIFY(!QFileInfo::exists(QDir(out()).filePath("R.mp4")));
        d.removeTempFolder(true);
    }

    void finishWithoutFormats()
    {
        DownloadItem d;
        d.title = "None";
        QSignalSpy finished(&d, &DownloadItem::doFinish);
        d.prepareTempPath();
        d.finish(DownloadItem::DownloadSuccess);
        QCOMPARE(d.result, int(DownloadItem::DownloadFormatUnavailable));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().at(0).toInt(), int(DownloadItem::DownloadFormatUnavailable));
        QVERIFY(d.tempFilePath.isEmpty());
    }

    void musicGoesToMusicFolder()
    {
        DownloadItem d;
        d.title = "Song";
        d.medias = {mediaOf("mp3", 1, true)};
        d.prepareTempPath();
        QCOMPARE(QFileInfo(QFileInfo(d.tempFilePath).absolutePath()).canonicalFilePath(),
                 QFileInfo(m_music.path()).canonicalFilePath());
        touch(d.tempFileName);
        d.finish(DownloadItem::DownloadSuccess);
        QCOMPARE(d.finalFilePath, QDir(QDir::cleanPath(m_music.path())).filePath("Song.mp3"));
        QVERIFY(QFileInfo::exists(d.finalFilePath));
    }

    void destructorRemovesTemp()
    {
        QString temp;
        {
            DownloadItem d;
            d.medias = {mediaOf("mp4")};
            d.prepareTempPath();
            temp = d.tempFilePath;
            d.removeTempOnDestroy = true;
        }
        QVERIFY(!QFileInfo::exists(temp));
        {
            DownloadItem d;
            d.medias = {mediaOf("mp4")};
            d.prepareTempPath();
            temp = d.tempFilePath;
        }
        QVERIFY(QFileInfo(temp).isDir());
    }
};

QTEST_GUILESS_MAIN(TestDownloadItem)
#include "tst_downloaditem.moc"
