#include "EngineTestEnv.h"
#include "LocalHttpServer.h"

#include "ui_livevideoform.h"

#include "function/Youtube/Youtube.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/CUxTimeEdit.h"
#include "gui/main/cnorvideodlitem.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QTimeEdit>
#include <QtTest>
#include <memory>

namespace {

int secondsOfDay(const QTime& t)
{
    return t.hour() * 3600 + t.minute() * 60 + t.second();
}

}

// A live row ordered a few seconds ahead records a local live HLS stream
// with the real ffmpeg, for the length set in its editor.
class TstLiveRecordingE2E : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    QString m_media;
    LocalHttpServer m_server;
    QElapsedTimer m_liveClock;
    std::unique_ptr<QUxListWidget> m_list;

    // What the fake downloader's analysis reports for a live page: one
    // format whose stream is the live playlist (the analyser itself does
    // not mark such an item live, so the task says it).
    DownloadItem liveTask() const
    {
        DownloadItem t;
        t.title = QStringLiteral("Local live");
        t.url = m_server.url(QStringLiteral("/stream/page")).toString();
        t.isLiveStream = true;
        t.useFfmpeg = true;
        DownloadMedia m;
        m.formatID = QStringLiteral("hls");
        m.format = QStringLiteral("mp4");
        m.streamUrl = m_server.url(QStringLiteral("/stream/live.m3u8")).toString();
        m.srcExt = m.tarExt = QStringLiteral("mp4");
        t.medias.append(m);
        t.setChosenMediaIndex(0);
        return t;
    }

    // The editor as the user drives it.
    static void edit(CNorVideoDlItem& row, int iType, const QTime& t)
    {
        row.popUpTimeEdit(iType);
        QVERIFY(row.timeEditor());
        row.timeEditor()->timeEditor()->setTime(t);
        QTest::keyClick(row.timeEditor()->timeEditor(), Qt::Key_Enter, Qt::KeypadModifier);
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo(QStringLiteral("/usr/bin/ffmpeg")).isExecutable())
            QSKIP("no ffmpeg");
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        m_media = QDir(m_root.path()).filePath(QStringLiteral("live"));
        QDir().mkpath(m_media);
        // Thirty one-second segments, handed out in real time.
        QVERIFY(EngineTestEnv::ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=15", "-f", "lavfi", "-i",
                                       "sine=frequency=300", "-t", "30", "-c:v", "libx264", "-preset", "ultrafast",
                                       "-g", "15", "-c:a", "aac", "-f", "hls", "-hls_time", "1", "-hls_list_size", "0",
                                       "-hls_segment_filename", "seg%03d.ts", "full.m3u8"},
                                      m_media));
        QVERIFY(m_server.start(true));
        m_server.serveFolder(QStringLiteral("/live"), m_media);
        m_server.addHandler(QStringLiteral("/stream/live.m3u8"), [this](const LocalHttpServer::Request&) {
            static QMutex lock;
            QMutexLocker l(&lock);
            if (!m_liveClock.isValid())
                m_liveClock.start();
            // A window of three segments that moves on by one a second.
            const int available = qMin(30, 3 + int(m_liveClock.elapsed() / 1000));
            const int first = available - 3;
            QByteArray text = "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:1\n#EXT-X-MEDIA-SEQUENCE:"
                              + QByteArray::number(first) + "\n";
            for (int i = first; i < available; ++i)
                text += "#EXTINF:1.000000,\n/live/seg" + QByteArray::number(i).rightJustified(3, '0') + ".ts\n";
            LocalHttpServer::Route r;
            r.headers.append(LocalHttpServer::Header("Content-Type", "application/vnd.apple.mpegurl"));
            r.body = text;
            return r;
        });
        m_list.reset(new QUxListWidget);
    }

    void orderedRecordingRunsAtItsSecondForItsLength()
    {
        if (secondsOfDay(QTime::currentTime()) > 86400 - 120)
            QSKIP("the day wraps under the order");
        CNorVideoDlItem row(m_list.get(), liveTask(), true);
        QMutex lock;
        QTime startedAt;
        // The worker announces the start on its own thread.
        connect(row.downloadItem(), &DownloadItem::doStarted, row.downloadItem(), [&] {
            QMutexLocker l(&lock);
            startedAt = QTime::currentTime();
        }, Qt::DirectConnection);

        edit(row, 1, QTime(0, 0, 4));
        QCOMPARE(row.downloadItem()->duration, 4);
        const QTime due = QTime::currentTime().addSecs(3);
        edit(row, 0, due);
        QCOMPARE(row.liveControlState(), 2);
        QTest::mouseClick(row.liveVideoForm()->btnContrl, Qt::LeftButton);
        QCOMPARE(row.liveControlState(), 3);

        QTRY_VERIFY_WITH_TIMEOUT(row.isDownloading(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!row.isDownloading(), 60000);
        QCOMPARE(row.lastResultCode(), 0);
        {
            QMutexLocker l(&lock);
            QVERIFY(startedAt.isValid());
            QVERIFY2(secondsOfDay(startedAt) >= secondsOfDay(due),
                     qPrintable(startedAt.toString() + QStringLiteral(" before ") + due.toString()));
        }
        const QString file = row.firstOutputFile();
        const EngineTestEnv::Probe p = EngineTestEnv::ffprobe(file);
        QVERIFY2(p.ok, qPrintable(file));
        QVERIFY(p.codecTypes.contains(QStringLiteral("video")));
        QVERIFY2(p.duration >= 3.0 && p.duration <= 5.0, qPrintable(QString::number(p.duration)));
        QCOMPARE(row.liveControlState(), 0);
        QVERIFY(!row.liveVideoForm()->btnOpenFolder->isHidden());
        Youtube::instance()->removeDownloadingItems({row.downloadItem()});
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), 30000);
    }
};

QTEST_MAIN(TstLiveRecordingE2E)
#include "tst_liverecording_e2e.moc"
