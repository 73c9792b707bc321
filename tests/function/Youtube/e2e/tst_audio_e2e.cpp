// A plain audio file as the address (a song.mp3 or audio.m4a link, a feed's
// enclosure): the real downloader names no codec for it, only "audio only".
// It must still analyse into a downloadable format, download as the file it
// is, and offer an MP3 extraction when it is not MP3 already. Media made by
// ffmpeg here and served on 127.0.0.1.

#include "EngineTestEnv.h"
#include "LocalHttpServer.h"

#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/YoutubePrivate.h"
#include "shell/SettingsStore.h"

#include <QtTest>

#include <memory>

namespace {

QStringList filesUnder(const QString& folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next();
    out.sort();
    return out;
}

// The codec of the first audio stream, as ffprobe names it.
QString audioCodec(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/ffprobe"),
            {"-v", "error", "-select_streams", "a:0", "-show_entries", "stream=codec_name", "-of", "csv=p=0", file});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace

class TestAudioE2E : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_engine;
    QTemporaryDir m_media;
    QTemporaryDir m_output;
    LocalHttpServer m_server;

    Youtube* yt() const { return Youtube::instance(); }

    // Downloads the current selection; the files it made.
    QStringList download()
    {
        const QList<DownloadItem> selected = yt()->selectedDownloadItems();
        if (selected.size() != 1) {
            qWarning() << "selected:" << selected.size();
            return {};
        }
        auto job = std::make_unique<DownloadItem>(selected.first());
        QSignalSpy done(yt(), &Youtube::doDownloadFinished);
        if (!yt()->startDownload({job.get()}) || !done.wait(120000))
            return {};
        if (done.first().at(0).toStringList().size() != 1) {
            qWarning() << "failed:" << done.first().at(1).toStringList();
            return {};
        }
        return filesUnder(m_output.path());
    }

private slots:
    void initTestCase()
    {
        const QString missing = EngineTestEnv::missingRealTools();
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        for (const char* v : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            qunsetenv(v);
        QVERIFY(m_engine.isValid() && m_media.isValid() && m_output.isValid());
        SettingsStore* s = SettingsStore::instance();
        s->setValue("youtube/path", SettingsStore::toStoredPath(m_engine.path()));
        s->setValue("youtube/download", SettingsStore::toStoredPath(m_output.path()));
        s->setValue("youtube/download_music", SettingsStore::toStoredPath(m_output.path()));
        s->setValue("youtube/cookies", QString());
        s->setValue("proxy/enabled", QString());
        QVERIFY(DownloaderProgram::ensureLauncher());

        const QString tone = "sine=frequency=440:duration=3";
        QVERIFY(EngineTestEnv::ffmpeg({"-f", "lavfi", "-i", tone, "-c:a", "libmp3lame", "song.mp3"}, m_media.path()));
        QVERIFY(EngineTestEnv::ffmpeg({"-f", "lavfi", "-i", tone, "-c:a", "aac", "audio.m4a"}, m_media.path()));
        QVERIFY(m_server.start(true));
        m_server.serveFolder("/media", m_media.path());
    }

    void init()
    {
        QDir(m_output.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_output.path()));
    }

    void audioFileDownloadsAsItIs_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("codec");
        QTest::newRow("mp3") << "song.mp3" << "mp3";
        QTest::newRow("m4a") << "audio.m4a" << "aac";
    }

    void audioFileDownloadsAsItIs()
    {
        QFETCH(QString, file);
        QFETCH(QString, codec);
        const QString ext = QFileInfo(file).suffix();

        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        QCOMPARE(yt()->initAnalyser(m_server.url("/media/" + file).toString()), YtbNoError);
        QVERIFY(finished.count() > 0 || finished.wait(90000));
        YoutubeList items;
        yt()->lists(items, 0, 0);
        QCOMPARE(items.items.size(), 1);
        QCOMPARE(items.items.first().status, int(YtbNoError));
        QCOMPARE(items.items.first().checkState, 2);

        YoutubeList formats;
        yt()->lists(formats, 1, 0);
        QVERIFY2(!formats.items.isEmpty(), "the file has no format to download");
        bool asItIs = false;
        for (const YoutubeItem& f : qAsConst(formats.items))
            asItIs = asItIs || f.ext == ext;
        QVERIFY(asItIs);

        const QStringList files = download();
        QCOMPARE(files.size(), 1);
        QCOMPARE(QFileInfo(files.first()).suffix(), ext);
        const EngineTestEnv::Probe probe = EngineTestEnv::ffprobe(files.first());
        QVERIFY(probe.ok);
        QCOMPARE(probe.codecTypes, QStringList{"audio"});
        QVERIFY2(probe.duration > 2.5 && probe.duration < 3.5, qPrintable(QString::number(probe.duration)));
        QCOMPARE(audioCodec(files.first()), codec);
    }

    // A file that is not MP3 already gets the MP3 extraction of its format,
    // as every other source does; a job of that choice gives an MP3 file.
    void audioFileExtractsToMp3()
    {
        QSignalSpy finished(yt(), &Youtube::doAnalyseFinished);
        QCOMPARE(yt()->initAnalyser(m_server.url("/media/audio.m4a").toString()), YtbNoError);
        QVERIFY(finished.count() > 0 || finished.wait(90000));
        YoutubeList items;
        yt()->lists(items, 0, 0);
        QCOMPARE(items.items.size(), 1);

        const Youtube_Structure::Lists* model = yt()->privatePart()->model();
        QVERIFY(model && model->size() == 1 && model->first().items.size() == 1);
        const Youtube_Structure::Item& item = model->first().items.first();
        const Youtube_Structure::Media* extraction = nullptr;
        for (const Youtube_Structure::Media& m : item.medias)
            if (m.forgeMediaForMp3)
                extraction = &m;
        QVERIFY2(extraction, "no MP3 extraction of the file");
        QCOMPARE(extraction->targetExt, QStringLiteral("mp3"));
        QCOMPARE(extraction->ext, QStringLiteral("m4a"));
        QVERIFY(!extraction->hasVideo() && extraction->hasAudio());

        // The job as the extraction choice makes it: the file fetched as it
        // is, then turned into MP3.
        const QList<DownloadItem> selected = yt()->selectedDownloadItems();
        QCOMPARE(selected.size(), 1);
        auto job = std::make_unique<DownloadItem>(selected.first());
        QVERIFY(job->chosenMedia());
        DownloadMedia* entry = &job->medias[job->chosenMediaIndex()];
        QCOMPARE(entry->formatID, extraction->formatId);
        entry->forgeMediaForMp3 = true;
        entry->tarExt = extraction->targetExt;
        entry->format = extraction->targetExt;
        entry->isMusic = true;
        QSignalSpy done(yt(), &Youtube::doDownloadFinished);
        QVERIFY(yt()->startDownload({job.get()}));
        QVERIFY(done.wait(120000));
        QCOMPARE(done.first().at(0).toStringList().size(), 1);

        const QStringList files = filesUnder(m_output.path());
        QCOMPARE(files.size(), 1);
        QCOMPARE(QFileInfo(files.first()).suffix(), QStringLiteral("mp3"));
        const EngineTestEnv::Probe probe = EngineTestEnv::ffprobe(files.first());
        QCOMPARE(probe.codecTypes, QStringList{"audio"});
        QVERIFY2(probe.duration > 2.5 && probe.duration < 3.5, qPrintable(QString::number(probe.duration)));
        QCOMPARE(audioCodec(files.first()), QStringLiteral("mp3"));
    }
};

QTEST_GUILESS_MAIN(TestAudioE2E)
#include "tst_audio_e2e.moc"
