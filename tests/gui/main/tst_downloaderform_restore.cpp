#include "EngineTestEnv.h"
#include "FakeScripts.h"
#include "Legibility.h"
#include "PageTestEnv.h"

#include "ui_DownloaderForm.h"
#include "ui_mediadlitemform.h"

#include "function/QtAV/include/VideoPlay.h"
#include "function/Youtube/private/Downloader/DownloadingStore.h"
#include "function/Youtube/private/YoutubePrivate.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/cnorvideodlitem.h"

#include <QtTest>
#include <memory>

static constexpr int kWaitMs = 30000;

// The engine reads "downloading.json" once per process, so restoring has a
// test program of its own.
class TstDownloaderFormRestore : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    QStringList m_temps;
    // The page that restored the rows; the engine restores once per process.
    std::unique_ptr<DownloaderForm> m_page;

    std::unique_ptr<DownloaderForm> takePage()
    {
        return m_page ? std::move(m_page) : std::make_unique<DownloaderForm>();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        QVERIFY(EngineTestEnv::installFake(m_f, FakeScripts::downloads()));
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        QList<DownloadItem*> ptrs;
        const char* names[] = {"First", "Second", "Third"};
        for (int i = 0; i < 3; ++i) {
            auto job = std::make_unique<DownloadItem>(PageTestEnv::task(QLatin1String(names[i]), QStringLiteral("/slow/%1").arg(i)));
            job->progress = 10 * (i + 1);
            const QString temp = QDir(m_root.path()).filePath(QStringLiteral("temp%1").arg(i));
            QDir().mkpath(temp);
            QFile part(temp + QStringLiteral("/part"));
            QVERIFY(part.open(QIODevice::WriteOnly));
            part.write("partial");
            m_temps << temp;
            job->tempFilePath = temp;
            ptrs << job.get();
            jobs.push_back(std::move(job));
        }
        QVERIFY(DownloadingStore::write(ptrs));
    }

    // After a restart, rows the mouse never touched show their title and
    // their information strip as the unselected look paints them.
    void restoredRowsAreReadable()
    {
        m_page = std::make_unique<DownloaderForm>();
        m_page->resize(1078, 686);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        QUxListWidget* list = m_page->downloadList();
        QCOMPARE(list->count(), 3);
        for (int i = 0; i < 3; ++i) {
            CNorVideoDlItem* r = m_page->row(i);
            Ui::mediadlitemform* f = r->mediaForm();
            QTRY_VERIFY(r->isVisible() && f->labTitle->width() > 0);
            QTRY_VERIFY(!f->labTitle->text().isEmpty());
            const QRect title(f->labTitle->mapTo(r, QPoint(0, 0)), f->labTitle->size());
            // The rows slide into place as they are inserted.
            QTRY_VERIFY2_WITH_TIMEOUT(Legibility::readablePixels(Legibility::shot(r), title) >= 20,
                                      qPrintable(QStringLiteral("row %1: title unreadable on %2")
                                                     .arg(i).arg(Legibility::fill(Legibility::shot(r), title).name())),
                                      10000);
            const QImage shot = Legibility::shot(r);
            // The format chooser's words, on the strip as well.
            const QRect chooser(f->labTrack->mapTo(r, QPoint(0, 0)), f->labTrack->size());
            QVERIFY2(Legibility::readablePixels(shot, chooser) >= 20,
                     qPrintable(QStringLiteral("row %1: format chooser unreadable on %2")
                                    .arg(i).arg(Legibility::fill(shot, chooser).name())));
            if (list->currentIndex() == i)
                continue;
            // The unselected look, whatever the row was built with.
            QCOMPARE(f->labTitle->styleSheet(), QStringLiteral("color:\"#434652\";"));
            QCOMPARE(f->labFormat->styleSheet(), QStringLiteral("color:\"#575d66\";"));
            const QRect format(f->labFormat->mapTo(r, QPoint(0, 0)), f->labFormat->size());
            QVERIFY2(Legibility::readablePixels(shot, format) >= 8, qPrintable(QString::number(i)));
        }
    }

    void restoredRowsSurviveThePage()
    {
        auto page = takePage();
        QUxListWidget* list = page->downloadList();
        QCOMPARE(list->count(), 3);
        QCOMPARE(page->form()->stackedWidget->currentIndex(), 1);
        QVERIFY(!page->form()->downloadStacked->isHidden());
        QList<DownloadItem*> held;
        const QStringList titles = {"First", "Second", "Third"};
        for (int i = 0; i < 3; ++i) {
            CNorVideoDlItem* r = page->row(i);
            QCOMPARE(r->downloadItem()->title, titles.at(i));
            QCOMPARE(r->progress(), 10 * (i + 1));
            QCOMPARE(r->mediaForm()->labProcess->text(), QStringLiteral("%1%").arg(10 * (i + 1)));
            QVERIFY(!r->isDownloading());
            held << r->downloadItem();
        }
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(Youtube::instance()->privatePart()->downloadingStore()->items(), held);

        // One runs when the page goes (a quit, a restart, SIGTERM).
        QVERIFY(Youtube::instance()->startDownload({page->row(1)->downloadItem()}));
        QTRY_VERIFY_WITH_TIMEOUT(page->row(1)->isDownloading(), kWaitMs);
        page.reset();
        QCOMPARE(PageTestEnv::storedTitles(), titles);
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
        QCOMPARE(PageTestEnv::storedTitles(), titles);
        for (const QString& temp : qAsConst(m_temps))
            QVERIFY2(QFileInfo::exists(temp + QStringLiteral("/part")), qPrintable(temp));

        // The next process reads them back in order.
        DownloadingStore next;
        const QList<DownloadItem> again = next.read();
        QCOMPARE(again.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(again.at(i).title, titles.at(i));
    }
};

QTEST_MAIN(TstDownloaderFormRestore)
#include "tst_downloaderform_restore.moc"
