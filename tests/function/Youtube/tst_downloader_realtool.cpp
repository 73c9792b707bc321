// The real downloader (Debian's yt-dlp through our launcher) against media
// this test makes with ffmpeg and serves on 127.0.0.1.
#include "LocalHttpServer.h"
#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "shell/SettingsStore.h"

#include <QtTest>

using namespace DownloaderProgram;

namespace {

bool ffmpeg(const QStringList& args)
{
    QProcess p;
    p.start("/usr/bin/ffmpeg", QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// A video run that starts without an account.
int videoRunWithoutAccount(const QString& url, const DownloaderRun::StopFn& stop,
                           const std::function<void(const QByteArray&)>& parse)
{
    QString user, password;
    return DownloaderRun::videoRun(url, user, password, stop, parse);
}

} // namespace

class TestDownloaderRealTool : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_engine;
    QTemporaryDir m_media;
    LocalHttpServer m_server;

    QString url(const QString& path) const { return m_server.url(path).toString(); }

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists("/usr/bin/ffmpeg"))
            QSKIP("ffmpeg is not installed");
        // Nothing between us and 127.0.0.1.
        for (const char* v : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            qunsetenv(v);
        QVERIFY(m_engine.isValid() && m_media.isValid());
        SettingsStore::instance()->setValue("youtube/path", SettingsStore::toStoredPath(m_engine.path()));
        SettingsStore::instance()->setValue("youtube/cookies", QString());
        SettingsStore::instance()->setValue("proxy/enabled", QString());
        QVERIFY(ensureLauncher());

        const QString dir = m_media.path();
        const QStringList src{"-f", "lavfi", "-i", "testsrc=size=160x120:rate=10", "-f", "lavfi",
                              "-i", "sine=frequency=440:sample_rate=22050", "-t", "2"};
        QVERIFY(ffmpeg(src + QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p",
                                         "-c:a", "aac", "-shortest", dir + "/one.mp4"}));
        QVERIFY(QFile::copy(dir + "/one.mp4", dir + "/two.mp4"));
        // Two HLS variants of different heights, and a master list naming them.
        for (const auto& v : {qMakePair(QString("low"), QString("96x72")), qMakePair(QString("high"), QString("160x120"))}) {
            QDir().mkpath(dir + "/hls/" + v.first);
            QVERIFY(ffmpeg(src + QStringList{"-s", v.second, "-c:v", "libx264", "-preset", "ultrafast",
                                             "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", "-f", "hls",
                                             "-hls_time", "1", "-hls_playlist_type", "vod",
                                             dir + "/hls/" + v.first + "/index.m3u8"}));
        }
        writeFile(dir + "/hls/master.m3u8",
                  "#EXTM3U\n"
                  "#EXT-X-STREAM-INF:BANDWIDTH=150000,RESOLUTION=96x72,CODECS=\"avc1.42c00a,mp4a.40.2\"\n"
                  "low/index.m3u8\n"
                  "#EXT-X-STREAM-INF:BANDWIDTH=300000,RESOLUTION=160x120,CODECS=\"avc1.42c00c,mp4a.40.2\"\n"
                  "high/index.m3u8\n");

        QVERIFY(m_server.start(true));
        m_server.serveFolder("/media", dir);
        auto page = [&](const QString& title, const QString& media) {
            return QStringLiteral("<!DOCTYPE html><html><head><title>%1</title></head><body>"
                                  "<video controls src=\"%2\"></video></body></html>")
                .arg(title, media)
                .toUtf8();
        };
        m_server.addFile("/page1.html", page("First clip", url("/media/one.mp4")), "text/html");
        m_server.addFile("/page2.html", page("Second clip", url("/media/two.mp4")), "text/html");
        m_server.addFile("/plain.html", "<!DOCTYPE html><html><head><title>Nothing</title></head>"
                                        "<body><p>No media here.</p></body></html>", "text/html");
        const QByteArray feed = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>"
            "<title>Local feed</title><link>%1</link><description>two clips</description>"
            "<item><title>First clip</title><link>%2</link><guid>%2</guid></item>"
            "<item><title>Second clip</title><link>%3</link><guid>%3</guid></item>"
            "</channel></rss>\n").arg(url("/"), url("/page1.html"), url("/page2.html")).toUtf8();
        m_server.addFile("/feed.xml", feed, "application/rss+xml");
        LocalHttpServer::Route missing;
        missing.status = 404;
        missing.body = "not here";
        m_server.addRoute("/missing.html", missing);
    }

    void feedIsOneFlatList()
    {
        QJsonObject doc;
        const int code = DownloaderRun::pageRun(url("/feed.xml"), {}, {}, {}, [&](const QByteArray& out) {
            doc = QJsonDocument::fromJson(out).object();
            return !doc.isEmpty();
        });
        QCOMPARE(code, int(YtbNoError));
        QCOMPARE(doc["_type"].toString(), QStringLiteral("playlist"));
        const QJsonArray entries = doc["entries"].toArray();
        QCOMPARE(entries.size(), 2);
        // The generic site smuggles data behind a fragment; the page is what counts.
        QVERIFY(entries.at(0).toObject()["url"].toString().startsWith(url("/page1.html")));
        QVERIFY(entries.at(1).toObject()["url"].toString().startsWith(url("/page2.html")));

        int parsed = 0;
        QCOMPARE(DownloaderRun::playlistRun(url("/feed.xml"), {}, {}, {}, [&](const QByteArray&) { ++parsed; }),
                 int(YtbNoError));
        QCOMPARE(parsed, 1);
    }

    void entryAnalysesToItsVideo()
    {
        QJsonObject doc;
        const int code = videoRunWithoutAccount(url("/page1.html"), {}, [&](const QByteArray& out) {
            doc = QJsonDocument::fromJson(out).object();
        });
        QCOMPARE(code, int(YtbNoError));
        QVERIFY(doc["title"].toString().startsWith("First clip"));
        const QJsonArray formats = doc["formats"].toArray();
        QVERIFY(!formats.isEmpty());
        QCOMPARE(formats.last().toObject()["url"].toString(), url("/media/one.mp4"));
    }

    void hlsMasterGivesTwoFormats()
    {
        QJsonObject doc;
        const int code = videoRunWithoutAccount(url("/media/hls/master.m3u8"), {}, [&](const QByteArray& out) {
            doc = QJsonDocument::fromJson(out).object();
        });
        QCOMPARE(code, int(YtbNoError));
        const QJsonArray formats = doc["formats"].toArray();
        QCOMPARE(formats.size(), 2);
        QSet<int> heights;
        for (const QJsonValue& f : formats) {
            heights.insert(f.toObject()["height"].toInt());
            QCOMPARE(f.toObject()["protocol"].toString(), QStringLiteral("m3u8_native"));
        }
        QCOMPARE(heights, (QSet<int>{72, 120}));
    }

    void pageWithoutMedia()
    {
        QCOMPARE(DownloaderRun::pageRun(url("/plain.html"), {}, {}, {}, [](const QByteArray&) { return true; }),
                 int(YtbUnsupportedUrl));
    }

    void httpError()
    {
        QCOMPARE(DownloaderRun::pageRun(url("/missing.html"), {}, {}, {}, [](const QByteArray&) { return true; }),
                 int(YtbAnalyseFailed));
        QCOMPARE(DownloaderRun::playlistRun(url("/missing.html"), {}, {}, {}, {}), int(YtbAnalyseFailed));
        QCOMPARE(videoRunWithoutAccount(url("/missing.html"), {}, {}), int(YtbAnalyseFailed));
    }

    void accountGoesThroughOptionsFile()
    {
        // The real downloader accepts the private options file: the run
        // still analyses the page (the generic site ignores the account).
        QJsonObject doc;
        QString user = "user name", password = "p#ss 'w\"rd";
        const int code = DownloaderRun::videoRun(url("/page2.html"), user, password, {},
                                                 [&](const QByteArray& out) { doc = QJsonDocument::fromJson(out).object(); });
        QCOMPARE(code, int(YtbNoError));
        QVERIFY(doc["title"].toString().startsWith("Second clip"));
    }
};

QTEST_GUILESS_MAIN(TestDownloaderRealTool)
#include "tst_downloader_realtool.moc"
