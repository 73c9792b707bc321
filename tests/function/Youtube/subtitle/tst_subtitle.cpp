#include "EngineTestEnv.h"

#include "LocalHttpServer.h"
#include "function/Youtube/private/Subtitle/SubtitleAnalyser.h"
#include "function/Youtube/private/Subtitle/SubtitleThread.h"

#include <QElapsedTimer>
#include <QtTest>
#include <memory>
#include <vector>

// Waits for child processes are generous: the tests run in parallel on a
// loaded machine, and a wait ends as soon as its condition holds.
static constexpr int kWaitMs = 20000;

// Subtitle listing: the table reader, the thread with its pool of eight and
// its stop, and a real listing by the downloader program.
class TstSubtitle : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;

    static QJsonObject script()
    {
        static const char* const text = R"({
  "contains": [
    {"text": "/slow", "answer": {"stdout": "[info] Available subtitles for x:\nLanguage Formats\nfr vtt\n", "delay": 30}},
    {"text": "/wait", "answer": {"delay": 1.2, "stdout": "[info] Available subtitles for x:\nLanguage Name    Formats\nen       English vtt\n"}},
    {"text": "/subs", "answer": {"stdout": "[generic] x: Extracting information\n[info] Available subtitles for x:\nLanguage Name    Formats\nen       English vtt, ttml\nde-DE    German  vtt\n"}},
    {"text": "/fail", "answer": {"stderr": "ERROR: Unsupported URL\n", "exit": 1}}
  ]
})";
        return QJsonDocument::fromJson(QByteArray(text)).object();
    }

    static std::unique_ptr<Youtube_Structure::Item> item(const QString& path)
    {
        auto i = std::make_unique<Youtube_Structure::Item>();
        i->url = QStringLiteral("http://fake.example") + path;
        return i;
    }

    static QStringList names(const Youtube_Structure::Item& i)
    {
        QStringList n;
        for (const SubLang& s : i.subLangs)
            n.append(s.name);
        return n;
    }

    int runsOf(const QString& text)
    {
        int n = 0;
        for (const QJsonObject& r : EngineTestEnv::fakeRuns(m_f))
            if (r.value(QStringLiteral("address")).toString().contains(text))
                ++n;
        return n;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        QVERIFY(EngineTestEnv::installFake(m_f, script()));
    }

    void cleanup()
    {
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("codes");

        QTest::newRow("padded header")
            << "[info] Available subtitles for page-1:\nLanguage Formats\nen       vtt\n" << QStringList{"en"};
        QTest::newRow("with names")
            << "[info] Available subtitles for x:\nLanguage Name                    Formats\nen       English vtt, ttml\n"
               "\npt-BR    Portuguese (Brazil) vtt\n"
            << QStringList{"en", "pt-BR"};
        QTest::newRow("old exact header") << "Available subtitles for x:\nLanguage formats\nde vtt, srt\n"
                                          << QStringList{"de"};
        QTest::newRow("automatic captions first")
            << "[info] Available automatic captions for x:\nLanguage Name Formats\nzz  Auto vtt\n"
               "[info] Available subtitles for x:\nLANGUAGE   FORMATS\nen vtt\n"
            << QStringList{"en"};
        QTest::newRow("no subtitles") << "[info] x has no subtitles\n" << QStringList();
        QTest::newRow("no header") << "[info] Available subtitles for x:\nen vtt\n" << QStringList();
        QTest::newRow("two videos")
            << "[info] Available subtitles for a:\nLanguage Formats\nen vtt\n[info] b has no automatic captions\n"
               "[info] Available subtitles for b:\nLanguage Formats\nes vtt\n"
            << QStringList{"en", "es"};
        QTest::newRow("CRLF and indent") << "[info] Available subtitles for x:\r\n  Language   Formats\r\n  it vtt\r\n"
                                         << QStringList{"it"};
    }

    void parse()
    {
        QFETCH(QString, output);
        QFETCH(QStringList, codes);
        QCOMPARE(SubtitleAnalyser::parseLanguages(output), codes);
    }

    void arguments()
    {
        const QStringList a = SubtitleAnalyser::listArguments(QStringLiteral("-weird"));
        QCOMPARE(a.mid(a.size() - 3), (QStringList{"--list-subs", "--", "-weird"}));
        QVERIFY(a.contains(QStringLiteral("--ignore-config")));
        QVERIFY(!a.contains(QStringLiteral("--no-check-certificates")));
    }

    void listAndKnown()
    {
        SubtitleThread t;
        QSignalSpy done(&t, &SubtitleThread::doFinished);
        auto a = item(QStringLiteral("/subs-a"));
        t.addItem(a.get());
        QVERIFY(a->searchingSubtitles);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, kWaitMs);
        QCOMPARE(done.first().at(0).value<Youtube_Structure::Item*>(), a.get());
        QCOMPARE(names(*a), (QStringList{"en", "de-DE"}));
        QVERIFY(!a->searchingSubtitles);
        QTRY_VERIFY_WITH_TIMEOUT(!t.isRunning(), kWaitMs);

        // Known languages: the answer comes after a second, nothing runs.
        const int runs = runsOf(QStringLiteral("/subs-a"));
        QElapsedTimer clock;
        clock.start();
        t.addItem(a.get());
        QVERIFY(done.wait(3000));
        QVERIFY(clock.elapsed() >= 900);
        QCOMPARE(runsOf(QStringLiteral("/subs-a")), runs);
        QCOMPARE(names(*a), (QStringList{"en", "de-DE"}));

        // A failed listing leaves the list empty but is still answered.
        auto f = item(QStringLiteral("/fail"));
        t.addItem(f.get());
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 3, kWaitMs);
        QVERIFY(f->subLangs.isEmpty());
    }

    // Ten videos, at most eight listings at a time, none stranded; a queued
    // video asked again moves to the front.
    void poolOfEight()
    {
        // The items outlive the thread, also when a check fails midway.
        std::vector<std::unique_ptr<Youtube_Structure::Item>> items;
        SubtitleThread t;
        QSignalSpy done(&t, &SubtitleThread::doFinished);
        for (int i = 0; i < 10; ++i) {
            items.push_back(item(QStringLiteral("/wait%1").arg(i)));
            t.addItem(items.back().get());
        }
        QTRY_COMPARE_WITH_TIMEOUT(t.runningCount(), 8, kWaitMs);
        QCOMPARE(t.queuedCount(), 2);
        QCOMPARE(t.queuedItems(), (QList<Youtube_Structure::Item*>{items[8].get(), items[9].get()}));
        t.addItem(items[9].get());            // queued: to the front
        t.addItem(items[0].get());            // running: nothing
        QCOMPARE(t.queuedItems(), (QList<Youtube_Structure::Item*>{items[9].get(), items[8].get()}));
        QTRY_COMPARE_WITH_TIMEOUT(runsOf(QStringLiteral("/wait")), 8, kWaitMs);
        QTest::qWait(200);
        QCOMPARE(runsOf(QStringLiteral("/wait")), 8);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 10, 15000);
        for (const auto& i : items)
            QCOMPARE(names(*i), QStringList{QStringLiteral("en")});
        QTRY_VERIFY_WITH_TIMEOUT(!t.isRunning(), kWaitMs);
    }

    // A new analysis stops the search: the process ends, the list stays as
    // it was and nobody hears of the video, even with its record freed.
    void stopDropsAnswers()
    {
        SubtitleThread t;
        QSignalSpy done(&t, &SubtitleThread::doFinished);
        auto a = item(QStringLiteral("/slow-a"));
        auto b = item(QStringLiteral("/subs-b"));
        t.addItem(a.get());
        QTRY_COMPARE_WITH_TIMEOUT(runsOf(QStringLiteral("/slow-a")), 1, kWaitMs);
        t.addItem(b.get());
        auto known = item(QStringLiteral("/known"));
        known->subLangs.append(SubLang{QStringLiteral("en"), false});
        t.addItem(known.get());
        t.stop();
        a.reset();                              // the old model is freed
        known.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!t.isRunning(), 5000);
        QTest::qWait(1300);
        QCOMPARE(done.count(), 0);
        QVERIFY(!b->searchingSubtitles);

        // The thread takes new requests after a stop.
        t.addItem(b.get());
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, kWaitMs);
        QCOMPARE(names(*b), (QStringList{"en", "de-DE"}));
    }

    void destroyWhileListing()
    {
        auto a = item(QStringLiteral("/slow-d"));
        QElapsedTimer clock;
        {
            SubtitleThread t;
            t.addItem(a.get());
            QTRY_COMPARE_WITH_TIMEOUT(runsOf(QStringLiteral("/slow-d")), 1, kWaitMs);
            clock.start();
        }
        QVERIFY(clock.elapsed() < 3000);
    }

    void realDownloader()
    {
        EngineTestEnv::useRealDownloader(m_f);
        LocalHttpServer server;
        QVERIFY(server.start(true));
        server.addFile(QStringLiteral("/page.html"),
                       "<html><head><title>Subs</title></head><body><video controls><source src=\"v.mp4\" "
                       "type=\"video/mp4\"><track kind=\"subtitles\" srclang=\"en\" src=\"en.vtt\">"
                       "<track kind=\"subtitles\" srclang=\"fr\" src=\"fr.vtt\"></video></body></html>",
                       "text/html");
        SubtitleThread t;
        QSignalSpy done(&t, &SubtitleThread::doFinished);
        Youtube_Structure::Item i;
        i.url = server.url(QStringLiteral("/page.html")).toString();
        t.addItem(&i);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
        QStringList n = names(i);
        n.sort();
        QCOMPARE(n, (QStringList{"en", "fr"}));
        QVERIFY(EngineTestEnv::installFake(m_f, script()));
    }
};

QTEST_GUILESS_MAIN(TstSubtitle)
#include "tst_subtitle.moc"

