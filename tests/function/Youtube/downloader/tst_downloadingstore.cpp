#include "EngineTestEnv.h"

#include "function/Youtube/private/Downloader/DownloadingStore.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QtTest>
#include <csignal>
#include <memory>
#include <vector>

// The list of unfinished downloads and its file "downloading.json".
class TstDownloadingStore : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;

    static std::unique_ptr<DownloadItem> makeJob(int n)
    {
        auto job = std::make_unique<DownloadItem>();
        job->title = QStringLiteral("Title %1 \"quoted\" é").arg(n);
        job->id = QStringLiteral("id%1").arg(n);
        job->preview = QStringLiteral("http://p/%1").arg(n);
        job->thumbnail = QStringLiteral("http://t/%1.jpg").arg(n);
        job->url = QStringLiteral("http://u/%1").arg(n);
        job->tempFilePath = QStringLiteral("/data/video/temp_abc%1").arg(n);
        job->progress = 40 + n;
        job->mediaDuration = 120 + n;
        job->duration = 60;
        job->subtitles = QStringList{QStringLiteral("en"), QStringLiteral("de")};
        for (int k = 0; k < 2; ++k) {
            DownloadMedia m;
            m.format = QStringLiteral("mp4");
            m.resolution = QStringLiteral("1280x720");
            m.fileSize = QStringLiteral("12.30MB");
            m.formatID = QStringLiteral("%1").arg(136 + k);
            m.attachedFormatID = QStringLiteral("140");
            m.attachedExt = QStringLiteral("m4a");
            m.fullCode = QStringLiteral("en-US");
            m.videoSizeRatio = 0.75;
            m.srcExt = QStringLiteral("mp4");
            m.tarExt = QStringLiteral("mp4");
            m.isMusic = k == 1;
            m.forgeMediaForMp3 = k == 1;
            m.videoPartCount = 2;
            m.streamUrl = QStringLiteral("http://not-stored");
            job->medias.append(m);
        }
        job->setChosenMediaIndex(1);
        return job;
    }

    static QJsonObject fileRoot()
    {
        QFile f(DownloadingStore::filePath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }

    static void writeFile(const QByteArray& text)
    {
        QFile f(DownloadingStore::filePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        QCOMPARE(DownloadingStore::filePath(), m_f.engine + QStringLiteral("/downloading.json"));
    }

    void init()
    {
        QFile::remove(DownloadingStore::filePath());
    }

    void roundTrip()
    {
        auto a = makeJob(1);
        auto b = makeJob(2);
        {
            DownloadingStore store;
            store.add({a.get(), b.get()});
            QVERIFY(!a->removeTempOnDestroy);
        }
        // Another store, as after a restart.
        DownloadingStore store;
        const QList<DownloadItem> jobs = store.read();
        QCOMPARE(jobs.size(), 2);
        const DownloadItem& r = jobs.at(1);
        QCOMPARE(r.title, b->title);
        QCOMPARE(r.id, b->id);
        QCOMPARE(r.preview, b->preview);
        QCOMPARE(r.thumbnail, b->thumbnail);
        QCOMPARE(r.url, b->url);
        QCOMPARE(r.tempFilePath, b->tempFilePath);
        QCOMPARE(r.progress, b->progress);
        QCOMPARE(r.mediaDuration, b->mediaDuration);
        QCOMPARE(r.duration, b->duration);
        QCOMPARE(r.subtitles, b->subtitles);
        QCOMPARE(r.chosenMediaIndex(), 1);
        QCOMPARE(r.medias.size(), 2);
        const DownloadMedia& m = r.medias.at(1);
        const DownloadMedia& o = b->medias.at(1);
        QCOMPARE(m.format, o.format);
        QCOMPARE(m.resolution, o.resolution);
        QCOMPARE(m.fileSize, o.fileSize);
        QCOMPARE(m.formatID, o.formatID);
        QCOMPARE(m.attachedFormatID, o.attachedFormatID);
        QCOMPARE(m.attachedExt, o.attachedExt);
        QCOMPARE(m.fullCode, o.fullCode);
        QCOMPARE(m.videoSizeRatio, o.videoSizeRatio);
        QCOMPARE(m.srcExt, o.srcExt);
        QCOMPARE(m.tarExt, o.tarExt);
        QCOMPARE(m.isMusic, true);
        QCOMPARE(m.forgeMediaForMp3, true);
        QCOMPARE(m.videoPartCount, 2);
        QVERIFY(m.streamUrl.isEmpty());          // not part of the file
        // Only the first read reads.
        QVERIFY(store.read().isEmpty());
    }

    void listRules()
    {
        auto a = makeJob(1);
        auto live = makeJob(2);
        live->isLiveStream = true;
        DownloadingStore store;
        store.add({live.get()});
        QVERIFY(store.items().isEmpty());
        QVERIFY(!QFile::exists(DownloadingStore::filePath()) || fileRoot().value("Downloadings").toArray().isEmpty());
        store.add({a.get(), a.get()});
        store.add({a.get()});
        QCOMPARE(store.items().size(), 1);
        QCOMPARE(fileRoot().value("Downloadings").toArray().size(), 1);

        auto stranger = makeJob(3);
        store.remove({stranger.get()});
        QVERIFY(stranger->removeTempOnDestroy);
        QCOMPARE(store.items().size(), 1);

        store.remove({a.get()});
        QVERIFY(a->removeTempOnDestroy);
        QCOMPARE(fileRoot().value("Downloadings").toArray().size(), 0);

        auto b = makeJob(4);
        store.add({a.get(), b.get()});
        QVERIFY(!a->removeTempOnDestroy);
        store.clear();
        QVERIFY(a->removeTempOnDestroy && b->removeTempOnDestroy);
        QVERIFY(store.items().isEmpty());
        QCOMPARE(fileRoot().value("Downloadings").toArray().size(), 0);

        // A job destroyed while listed leaves the list.
        auto c = makeJob(5);
        store.add({c.get()});
        c.reset();
        QVERIFY(store.items().isEmpty());
        QCOMPARE(fileRoot().value("Downloadings").toArray().size(), 0);
    }

    // The owners go at the program's end: what was listed stays listed, with
    // its latest progress, even with a progress report still queued.
    void releasedJobsStayListed()
    {
        auto a = makeJob(1);
        auto b = makeJob(2);
        DownloadingStore store;
        store.add({a.get(), b.get()});
        a->setProgress(91);
        emit b->doProgress(50);
        store.release();
        QVERIFY(store.items().isEmpty());
        a.reset();
        b.reset();
        QTest::qWait(DownloadingStore::kProgressWriteDelayMs + 300);
        const QJsonArray jobs = fileRoot().value("Downloadings").toArray();
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(jobs.at(0).toObject().value("progress").toInt(), 91);
        QCOMPARE(jobs.at(1).toObject().value("title").toString(), makeJob(2)->title);
    }

    void progressIsWrittenWithinASecond()
    {
        auto a = makeJob(1);
        DownloadingStore store;
        store.add({a.get()});
        QElapsedTimer t;
        t.start();
        a->setProgress(77);
        a->setStarted();
        QTRY_COMPARE_WITH_TIMEOUT(fileRoot().value("Downloadings").toArray().at(0).toObject().value("progress").toInt(),
                                  77, 15000);
        QVERIFY(t.elapsed() >= DownloadingStore::kProgressWriteDelayMs - 100);
        QCOMPARE(fileRoot().value("Downloadings").toArray().at(0).toObject().value("startSuccess").toBool(), true);
    }

    void readEdgeCases_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("not json") << QByteArray("{{ nope") << 0;
        QTest::newRow("no key") << QByteArray(R"({"Other": []})") << 0;
        QTest::newRow("one without medias") << QByteArray(R"({"Downloadings": [{"title": "x", "chosenMediaIndex": 3}]})") << 1;
    }

    void readEdgeCases()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, count);
        writeFile(text);
        DownloadingStore store;
        const QList<DownloadItem> jobs = store.read();
        QCOMPARE(jobs.size(), count);
        if (count) {
            QVERIFY(jobs.first().medias.isEmpty());
            QCOMPARE(jobs.first().chosenMediaIndex(), 3);
        }
    }

    void scheduleIsNotCarried()
    {
        writeFile(R"({"Downloadings": [{"title": "live", "isLiveStream": true, "startTime": "10-30-00",
                     "startNow": false, "startSuccess": true, "medias": [{"formatID": "1"}]}]})");
        DownloadingStore store;
        const QList<DownloadItem> jobs = store.read();
        QCOMPARE(jobs.size(), 1);
        QVERIFY(jobs.first().startTime.isNull());
        QVERIFY(jobs.first().startNow);
        QVERIFY(!jobs.first().startSuccess);
        // A format without a part count still makes one file.
        QCOMPARE(jobs.first().medias.first().videoPartCount, 1);

        // The parser itself reads the time.
        DownloadItem direct;
        DownloadingStore::jobFromJson(QJsonDocument::fromJson(
            R"({"startTime": "10-30-00", "startNow": false})").object(), direct);
        QCOMPARE(direct.startTime, QTime(10, 30, 0));
        QVERIFY(!direct.startNow);
    }

    // A process killed while it rewrites the list leaves a whole list.
    void killedMidBatch()
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TW_STORE_WRITER"), m_f.engine);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(DownloadingStore::filePath()), 20000);
        for (int round = 0; round < 5; ++round) {
            QTest::qWait(60);
            const QJsonObject root = fileRoot();
            QVERIFY(root.value("Downloadings").toArray().size() >= 1);
        }
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(5000));
        const QJsonArray jobs = fileRoot().value("Downloadings").toArray();
        QVERIFY(!jobs.isEmpty());
        for (const QJsonValue& v : jobs)
            QCOMPARE(v.toObject().value("medias").toArray().size(), 2);
    }
};

// The child of killedMidBatch: rewrites a growing list until it is killed.
static int storeWriter()
{
    std::vector<std::unique_ptr<DownloadItem>> jobs;
    QList<DownloadItem*> list;
    for (int i = 0;; ++i) {
        auto job = std::make_unique<DownloadItem>();
        job->title = QString(2000, QLatin1Char('x'));
        for (int k = 0; k < 2; ++k) {
            DownloadMedia m;
            m.formatID = QString::number(k);
            job->medias.append(m);
        }
        list.append(job.get());
        jobs.push_back(std::move(job));
        if (list.size() > 300) {
            list = list.mid(200);
            jobs.erase(jobs.begin(), jobs.begin() + 200);
        }
        DownloadingStore::write(list);
    }
    return 0;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("TW_STORE_WRITER")) {
        // The start-up pass of the settings sets the engine folder anew.
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"),
                                            SettingsStore::toStoredPath(qEnvironmentVariable("TW_STORE_WRITER")));
        return storeWriter();
    }
    TstDownloadingStore t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_downloadingstore.moc"
