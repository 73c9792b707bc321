// The analysis window over the real engine, used as a new user would: the
// real downloader (Debian's yt-dlp through our launcher) and ffmpeg against
// media this test makes and serves on 127.0.0.1, on a virtual X display.
// The engine-pack check reads a local description that offers nothing, so
// no request leaves the machine.

#include "AvTestMedia.h"
#include "DialogAnswerer.h"
#include "EngineTestEnv.h"
#include "LocalHttpServer.h"
#include "RunEnd.h"
#include "XvfbMain.h"
#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/DownloaderProgram.h"
#include "function/Youtube/private/Upgrade/UpgradeYtb.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbFirstLevelItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoInfoItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoListSubArea.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "shell/SettingsStore.h"
#include "ui_UrlAnalyserDialog.h"

#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

QString fileStartingWith(const QString& folder, const QString& prefix)
{
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        if (QFileInfo(f).fileName().startsWith(prefix))
            return f;
    }
    return QString();
}

int distinctColours(const QImage& shot)
{
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2)
            colours.insert(shot.pixel(x, y) & 0xFFFFFF);
    return colours.size();
}

// A click where a row has neither tick nor link: it opens the row.
void clickRow(QWidget* row)
{
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() - 6, row->height() / 2));
}

} // namespace

class TestUrlAnalyserE2E : public QObject
{
    Q_OBJECT
    QTemporaryDir m_engine;
    QTemporaryDir m_output;
    LocalHttpServer m_server;
    PopupBase* m_main = nullptr;
    UrlAnalyserDialog* m_dialog = nullptr;

    QString url(const QString& path) const { return m_server.url(path).toString(); }
    Ui::UrlAnalyserDialog* ui() const { return m_dialog->form(); }

    void analyse(const QString& address)
    {
        ui()->lineEdit->setText(address);
        QTest::mouseClick(ui()->btnAnalyseOrStop, Qt::LeftButton);
    }

    // The analysis has ended and the window is back at rest.
    bool atRest() const { return ui()->closebtn->isEnabled() && !ui()->btnAnalyseOrStop->isChecked(); }

    QStringList leftovers() const
    {
        return EngineTestEnv::leftoverProcesses({m_engine.path(), m_output.path(), m_server.url("/").toString()});
    }

private slots:
    void initTestCase()
    {
        const QString missing = EngineTestEnv::missingRealTools();
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        for (const char* v : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            qunsetenv(v);
        QVERIFY(m_engine.isValid() && m_output.isValid());
        SettingsStore* s = SettingsStore::instance();
        s->setValue("youtube/path", SettingsStore::toStoredPath(m_engine.path()));
        s->setValue("youtube/download", SettingsStore::toStoredPath(m_output.path()));
        s->setValue("youtube/cookies", QString());
        s->setValue("proxy/enabled", QString());
        QVERIFY(DownloaderProgram::ensureLauncher());

        const QString clip = AvTestMedia::siteClip(QStringLiteral("one"));
        const QString vtt = AvTestMedia::webVtt(QStringLiteral("one.en.vtt"), QStringLiteral("Hello from the first clip"));
        const QString master = AvTestMedia::hlsMaster();
        QVERIFY(!clip.isEmpty() && !vtt.isEmpty() && !master.isEmpty());

        QVERIFY(m_server.start(true));
        m_server.serveFolder("/media", AvTestMedia::folder());
        // The engine-pack description: nothing newer, no pack to fetch.
        m_server.addFile("/ytb/description.json", R"({"lastModif":"2000-01-01","upgradeUrl_2":{}})",
                         "application/json");
        s->setValue("youtube/upcheckUrl", url("/ytb/description.json"));
        UpgradeYtb::setDefaultDescriptionUrl(url("/ytb/description.json"));
        m_server.addFile("/page1.html",
                         QStringLiteral("<!DOCTYPE html><html><head><title>First clip</title></head><body>"
                                        "<video controls><source src=\"%1\" type=\"video/mp4\">"
                                        "<track kind=\"subtitles\" srclang=\"en\" label=\"English\" src=\"%2\">"
                                        "</video></body></html>")
                             .arg(url("/media/one.mp4"), url("/media/one.en.vtt"))
                             .toUtf8(),
                         "text/html");
        m_server.addFile("/page2.html",
                         QStringLiteral("<!DOCTYPE html><html><head><title>Second clip</title></head><body>"
                                        "<video controls src=\"%1\"></video></body></html>")
                             .arg(url("/media/hlsmaster/master.m3u8"))
                             .toUtf8(),
                         "text/html");
        m_server.addFile("/plain.html", "<!DOCTYPE html><html><head><title>Nothing</title></head>"
                                        "<body><p>No media here.</p></body></html>", "text/html");
        m_server.addFile("/feed.xml",
                         QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>"
                                        "<title>Local feed</title><link>%1</link><description>two clips</description>"
                                        "<item><title>First clip</title><link>%2</link><guid>%2</guid></item>"
                                        "<item><title>Second clip</title><link>%3</link><guid>%3</guid></item>"
                                        "</channel></rss>\n")
                             .arg(url("/"), url("/page1.html"), url("/page2.html"))
                             .toUtf8(),
                         "application/rss+xml");

        m_main = new PopupBase(nullptr);
        m_main->setBaseSize(1078, 710);
        m_main->init(m_main, m_main, 1.0f, true);
        UIBaseData::instance()->setMainPopup(m_main);
        UrlAnalyserDialog::setUpgradeCheckArmed(true);
        m_dialog = new UrlAnalyserDialog(nullptr);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    }

    void cleanupTestCase()
    {
        delete m_dialog;
        UIBaseData::instance()->setMainPopup(nullptr);
        delete m_main;
        RunEnd::stopThumbnailWorker();
    }

    void feedToFilesAsANewUserWould()
    {
        analyse(url("/feed.xml"));
        QTRY_VERIFY_WITH_TIMEOUT(atRest(), 180000);
        // The first analysis checked the engine pack once, at the local description.
        QVERIFY(m_server.requestCount("/ytb/description.json") >= 1);
        QVERIFY(!UrlAnalyserDialog::upgradeCheckArmed());
        QCOMPARE(ui()->stackedWidget->currentWidget(), ui()->mainPage);
        QUxListWidget* rows = m_dialog->itemRowsWidget();
        QCOMPARE(rows->count(), 2);
        auto* first = qobject_cast<CYtbFirstLevelItem*>(rows->item(0));
        auto* second = qobject_cast<CYtbFirstLevelItem*>(rows->item(1));
        QVERIFY(first && second);
        QVERIFY(first->item().title.startsWith(QLatin1String("First clip")));
        QVERIFY(second->item().title.startsWith(QLatin1String("Second clip")));

        // The first item shows its formats and its English subtitle.
        QCOMPARE(m_dialog->shownItem(), 0);
        QTRY_COMPARE(ui()->rightStackedWidget->currentIndex(), 1);
        QVERIFY(m_dialog->formatRowsWidget()->count() > 0);
        auto* area = m_dialog->findChild<CYtbVideoListSubArea*>();
        QVERIFY(area);
        CAreaItem* english = nullptr;
        QTRY_VERIFY((english = [area]() -> CAreaItem* {
            for (CAreaItem* chip : area->chips())
                if (chip->nameLabel()->text() == QLatin1String("English"))
                    return chip;
            return nullptr;
        }()));
        QVERIFY(english->isVisible());
        QTest::mouseClick(english->tickButton(), Qt::LeftButton);
        QVERIFY(english->isChecked());

        // The second item: its 180p format.
        clickRow(second);
        QTRY_COMPARE(m_dialog->shownItem(), 1);
        QTRY_COMPARE(ui()->rightStackedWidget->currentIndex(), 1);
        QUxListWidget* formats = m_dialog->formatRowsWidget();
        CYtbVideoInfoItem* low = nullptr;
        QStringList seen;
        for (int i = 0; i < formats->count(); ++i) {
            auto* row = qobject_cast<CYtbVideoInfoItem*>(formats->item(i));
            seen << row->qualityLabel()->text();
            if (row->item().resolution.contains(QLatin1String("180")))
                low = row;
        }
        QVERIFY2(low, qPrintable(seen.join(" | ")));
        QVERIFY2(formats->count() >= 2, qPrintable(seen.join(" | ")));
        QTest::mouseClick(low->checkButton(), Qt::LeftButton);
        QVERIFY(low->checkButton()->isChecked());
        for (int i = 0; i < formats->count(); ++i) {
            auto* row = qobject_cast<CYtbVideoInfoItem*>(formats->item(i));
            if (row != low)
                QTRY_VERIFY(!row->checkButton()->isChecked());
        }

        // What the user sees, kept for review.
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = m_dialog->screen()
                        ->grabWindow(0, m_dialog->mapToGlobal(QPoint(0, 0)).x(),
                                     m_dialog->mapToGlobal(QPoint(0, 0)).y(), m_dialog->width(), m_dialog->height())
                        .toImage(),
             distinctColours(shot) > 20),
            10000);
        const QString dir = qEnvironmentVariable("TW_BINARY_DIR", QDir::tempPath()) + QStringLiteral("/screenshots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/urlanalyser_results.png")));

        // "Download Selected Videos" closes the window with 1.
        m_dialog->setResult(-1);
        QTest::mouseClick(ui()->btn_done, Qt::LeftButton);
        QCOMPARE(m_dialog->result(), 1);
        QTRY_VERIFY(!m_dialog->isVisible());

        // The download page's part: the selection as tasks, through the facade.
        const QList<DownloadItem> selected = Youtube::instance()->selectedDownloadItems();
        QCOMPARE(selected.size(), 2);
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        QList<DownloadItem*> pointers;
        for (const DownloadItem& d : selected) {
            jobs.push_back(std::make_unique<DownloadItem>(d));
            pointers << jobs.back().get();
        }
        QSignalSpy done(Youtube::instance(), &Youtube::doDownloadFinished);
        QVERIFY(Youtube::instance()->startDownload(pointers));
        QVERIFY(done.wait(180000));
        QCOMPARE(done.first().at(1).toStringList(), QStringList());
        QCOMPARE(done.first().at(0).toStringList().size(), 2);

        const QString firstFile = fileStartingWith(m_output.path(), QStringLiteral("First clip"));
        const QString secondFile = fileStartingWith(m_output.path(), QStringLiteral("Second clip"));
        QVERIFY(!firstFile.isEmpty() && !secondFile.isEmpty());
        const QStringList types = EngineTestEnv::ffprobe(firstFile).codecTypes;
        QVERIFY2(types.contains(QLatin1String("subtitle")), qPrintable(types.join(',')));
        QCOMPARE(EngineTestEnv::ffprobe(secondFile).videoHeight, 180);
        QTRY_COMPARE_WITH_TIMEOUT(leftovers(), QStringList(), 20000);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    }

    // A page without media: the again-question, and "No" goes back to the
    // preview page.
    void pageWithoutMediaAsksAgain()
    {
        m_dialog->resetUi();
        DialogAnswerer answerer(60000);
        answerer.press("MsgDialog", QStringLiteral("btn_0"));
        analyse(url("/plain.html"));
        QTRY_VERIFY_WITH_TIMEOUT(answerer.allAnswered(), 90000);
        QVERIFY(answerer.seen.first().texts.contains(QStringLiteral("Would you like to analyze again?")));
        QCOMPARE(ui()->stackedWidget->currentWidget(), ui()->page_preview);
        QTRY_VERIFY_WITH_TIMEOUT(atRest(), 60000);
        QTRY_COMPARE_WITH_TIMEOUT(leftovers(), QStringList(), 20000);
    }
};

TW_XVFB_TEST_MAIN(TestUrlAnalyserE2E)
#include "tst_urlanalyser_e2e.moc"
