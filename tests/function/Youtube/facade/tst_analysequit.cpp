// A quit (SIGTERM through the program's own handler) while an analysis
// runs, in each of its phases: the process ends normally with code 0 and
// leaves no downloader run behind. The engine runs in a child process (this
// binary, started with "--analyse-child"), as in the program, where the
// analysis ends during the teardown after the event loop.

#include "function/Youtube/Youtube.h"
#include "platform/Signals.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const char kChildFlag[] = "--analyse-child";

QString text(const QJsonObject& o)
{
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QJsonObject video(const QString& id)
{
    const QJsonArray formats{QJsonObject{{"format_id", "18"}, {"vcodec", "avc1"}, {"acodec", "mp4a"}, {"ext", "mp4"},
                                         {"height", 360}, {"url", "http://127.0.0.1:9/18"}}};
    return QJsonObject{{"id", id}, {"title", "Title " + id}, {"extractor", "generic"}, {"formats", formats},
                       {"duration", 10}};
}

QJsonObject flatList(const QString& id, int count)
{
    QJsonArray entries;
    for (int i = 0; i < count; ++i)
        entries.append(QJsonObject{{"id", QStringLiteral("%1e%2").arg(id).arg(i)},
                                   {"url", QStringLiteral("https://example.org/%1/v%2").arg(id).arg(i)},
                                   {"title", QStringLiteral("E%1").arg(i)}});
    return QJsonObject{{"_type", "playlist"}, {"extractor", "generic"}, {"id", id}, {"title", "List " + id},
                       {"entries", entries}};
}

QJsonObject answer(const QJsonObject& json)
{
    return QJsonObject{{"stdout", text(json)}};
}

// A run that never ends by itself, with a child of its own.
QJsonObject hanging()
{
    return QJsonObject{{"delay", 120}, {"grandchild", true}};
}

bool pidAlive(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = f.readAll();
    const int close = s.lastIndexOf(')');
    return close > 0 && s.mid(close + 2, 1) != "Z";
}

// The child: the engine analyses url under the program's terminate handler
// and ends when the event loop does, the engine's teardown included.
int runChild(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!Signals::installQuitOnTerminate())
        return 3;
    const QStringList args = app.arguments();
    const int at = args.indexOf(QLatin1String(kChildFlag));
    const QString engine = args.value(at + 1);
    const QString url = args.value(at + 2);
    SettingsStore::instance()->setValue("youtube/path", SettingsStore::toStoredPath(engine));
    SettingsStore::instance()->setValue("youtube/downloadFullList", "true");
    QTimer::singleShot(0, &app, [url] { Youtube::instance()->initAnalyser(url); });
    return app.exec();
}

} // namespace

class TestAnalyseQuit : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_engine;
    QString fakeDir() const { return m_engine.path() + "/downloader-dlp"; }

    QList<QJsonObject> runs() const
    {
        QList<QJsonObject> out;
        QFile f(fakeDir() + "/fake_log.jsonl");
        if (!f.open(QIODevice::ReadOnly))
            return out;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                out.append(QJsonDocument::fromJson(line).object());
        return out;
    }

    bool ranOn(const QString& address) const
    {
        for (const QJsonObject& r : runs())
            if (r["address"].toString().contains(address))
                return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_engine.isValid());
        QVERIFY(QDir().mkpath(fakeDir()));
        const QString fake = qEnvironmentVariable("TW_SOURCE_DIR") + "/tests/fixtures/fake_downloader.py";
        QVERIFY(QFile::copy(fake, fakeDir() + "/downloader"));
    }

    void quitDuringAnalysisExitsCleanly_data()
    {
        QTest::addColumn<QJsonObject>("script");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("hangsOn");

        const QString page = "https://example.net/page";
        // The page run itself is still running: the window waits for the
        // first answer of the analysis.
        QTest::newRow("page run") << QJsonObject{{"routes", QJsonObject{{page, hanging()}}}} << page << page;
        // A list of one video: its video run decides the first answer, so
        // the window still waits for it.
        QTest::newRow("video run of a one-video list")
            << QJsonObject{{"routes", QJsonObject{{page, answer(flatList("A", 1))}}},
                           {"contains", QJsonArray{QJsonObject{{"text", "example.org/A/"}, {"answer", hanging()}}}}}
            << page << "example.org/A/v0";
        // A longer list: the rows are shown while its video runs go on.
        QTest::newRow("video runs of a list")
            << QJsonObject{{"routes", QJsonObject{{page, answer(flatList("B", 3))}}},
                           {"contains", QJsonArray{QJsonObject{{"text", "example.org/B/v1"}, {"answer", hanging()}},
                                                   QJsonObject{{"text", "example.org/B/"}, {"answer", answer(video("b"))}}}}}
            << page << "example.org/B/v1";
        // A page of playlists whose playlist runs go on.
        const QJsonObject playlists{{"_type", "playlist"}, {"extractor", "youtube:playlists"}, {"id", "P"},
                                    {"entries", QJsonArray{QJsonObject{{"url", "https://example.org/P/l0"}},
                                                           QJsonObject{{"url", "https://example.org/P/l1"}}}}};
        QTest::newRow("playlist runs")
            << QJsonObject{{"routes", QJsonObject{{page, answer(playlists)}}},
                           {"contains", QJsonArray{QJsonObject{{"text", "example.org/P/"}, {"answer", hanging()}}}}}
            << page << "example.org/P/l";
    }

    void quitDuringAnalysisExitsCleanly()
    {
        QFETCH(QJsonObject, script);
        QFETCH(QString, url);
        QFETCH(QString, hangsOn);

        QFile s(fakeDir() + "/fake_script.json");
        QVERIFY(s.open(QIODevice::WriteOnly | QIODevice::Truncate));
        s.write(QJsonDocument(script).toJson(QJsonDocument::Compact));
        s.close();
        QFile::remove(fakeDir() + "/fake_log.jsonl");

        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {kChildFlag, m_engine.path(), url});
        QVERIFY(child.waitForStarted(20000));
        QTRY_VERIFY_WITH_TIMEOUT(ranOn(hangsOn), 60000);
        child.terminate();
        QVERIFY2(child.waitForFinished(60000), "the program did not end after SIGTERM");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);

        const QList<QJsonObject> r = runs();
        QVERIFY(!r.isEmpty());
        for (const QJsonObject& run : r) {
            const qint64 pid = run["pid"].toVariant().toLongLong();
            const qint64 grandchild = run["grandchild"].toVariant().toLongLong();
            QTRY_VERIFY2_WITH_TIMEOUT(!pidAlive(pid), qPrintable(run["address"].toString()), 10000);
            if (grandchild > 0)
                QTRY_VERIFY2_WITH_TIMEOUT(!pidAlive(grandchild), qPrintable(run["address"].toString()), 10000);
        }
    }
};

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], kChildFlag) == 0)
            return runChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestAnalyseQuit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_analysequit.moc"
