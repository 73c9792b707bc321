#include "EngineTestEnv.h"
#include "FakeScripts.h"
#include "PageTestEnv.h"

#include "ui_mediadlitemform.h"

#include "function/Youtube/private/Downloader/DownloadingStore.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/cnorvideodlitem.h"

#include <QtTest>
#include <memory>

static constexpr int kRows = 150;

// A long list of unfinished downloads restored at start-up. The engine
// reads "downloading.json" once per process, so this has a program of its
// own.
class TstDownloaderFormRestoreLong : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;

    static bool polished(const QWidget* w) { return w->testAttribute(Qt::WA_WState_Polished); }

    static void wheel(QUxListWidget* list, int angle)
    {
        const QPointF at(list->width() / 2, list->height() / 2);
        QWheelEvent e(at, QPointF(list->mapToGlobal(at.toPoint())), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &e);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        QVERIFY(EngineTestEnv::installFake(m_f, FakeScripts::downloads()));
        std::vector<std::unique_ptr<DownloadItem>> jobs;
        QList<DownloadItem*> ptrs;
        for (int i = 0; i < kRows; ++i) {
            auto job = std::make_unique<DownloadItem>(
                PageTestEnv::task(QStringLiteral("Video %1").arg(i), QStringLiteral("/slow/%1").arg(i)));
            job->progress = i % 100;
            ptrs << job.get();
            jobs.push_back(std::move(job));
        }
        QVERIFY(DownloadingStore::write(ptrs));
    }

    // Rows out of view keep no style rules until they scroll into it;
    // there they look and act as the first ones did.
    void rowsOutOfViewArePolishedWhenTheyComeIntoIt()
    {
        DownloaderForm page;
        // The rows stand in their places at once: nothing slides in.
        for (int i = 0; i < kRows; ++i) {
            CNorVideoDlItem* r = page.row(i);
            if (!r->isHidden())
                QCOMPARE(r->pos(), r->layoutPos());
            QVERIFY(!r->findChild<QAbstractAnimation*>());
        }
        page.resize(1078, 710);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QUxListWidget* list = page.downloadList();
        QCOMPARE(list->count(), kRows);

        // The list ends at its last rows; the first ones, out of view,
        // wait. The first row is the current one, with its selected look.
        CNorVideoDlItem* shown = page.row(kRows - 1);
        QVERIFY(shown->isVisible());
        QVERIFY(polished(shown));
        QVERIFY(polished(shown->mediaForm()->BtnSkip));
        QVERIFY(shown->mediaForm()->BtnSkip->isVisible());
        CNorVideoDlItem* waiting = page.row(1);
        QVERIFY(waiting->isHidden());
        QVERIFY(!polished(waiting));

        // Appending moves the earlier rows out of view: only where they
        // ended up counts. Rows out of view have not built their forms.
        int polishedRows = 0;
        int builtRows = 0;
        int shownRows = 0;
        for (int i = 0; i < kRows; ++i) {
            polishedRows += polished(page.row(i));
            builtRows += page.row(i)->hasMediaForm();
            shownRows += page.row(i)->isVisible();
        }
        QCOMPARE(polishedRows, shownRows);
        QCOMPARE(builtRows, shownRows);

        // Asked for, the form is built but not polished.
        QVERIFY(!polished(waiting->mediaForm()->BtnSkip));
        QVERIFY(!polished(waiting->mediaForm()->labTitle));
        QVERIFY(waiting->mediaForm()->BtnSkip->isVisibleTo(waiting));
        QVERIFY(waiting->mediaForm()->IconTrack->isVisibleTo(waiting));
        QVERIFY(!waiting->mediaForm()->BtnReload->isVisibleTo(waiting));

        // Rows with the same state hold each sheet text once for all.
        QVERIFY(page.row(2)->mediaForm() && page.row(3)->mediaForm());
        const QList<QWidget*> as = page.row(2)->findChildren<QWidget*>();
        const QList<QWidget*> bs = page.row(3)->findChildren<QWidget*>();
        QCOMPARE(as.size(), bs.size());
        int shared = 0;
        for (int i = 0; i < as.size(); ++i) {
            const QString sa = as.at(i)->styleSheet();
            const QString sb = bs.at(i)->styleSheet();
            QCOMPARE(sa, sb);
            if (sa.isEmpty())
                continue;
            QVERIFY2(sa.constData() == sb.constData(), qPrintable(as.at(i)->objectName()));
            ++shared;
        }
        QVERIFY(shared > 10);

        QTRY_VERIFY_WITH_TIMEOUT((wheel(list, 1200), waiting->isVisible()), 30000);
        QVERIFY(polished(waiting));
        const Ui::mediadlitemform* f = waiting->mediaForm();
        for (QWidget* part : {static_cast<QWidget*>(f->BtnSkip), static_cast<QWidget*>(f->labTitle),
                              static_cast<QWidget*>(f->DlIcon), static_cast<QWidget*>(f->IconTrack)}) {
            QVERIFY2(polished(part), qPrintable(part->objectName()));
            QVERIFY2(part->isVisible(), qPrintable(part->objectName()));
        }
        QVERIFY(!f->BtnReload->isVisible());
        QCOMPARE(f->labProcess->text(), QStringLiteral("1%"));
        // Polished late, it looks as the rows polished at once do.
        const Ui::mediadlitemform* g = shown->mediaForm();
        QCOMPARE(f->DlIcon->styleSheet(), g->DlIcon->styleSheet());
        QCOMPARE(f->labTitle->palette().color(QPalette::WindowText), g->labTitle->palette().color(QPalette::WindowText));
        QCOMPARE(f->labTitle->font(), g->labTitle->font());
        QCOMPARE(f->labFormat->palette().color(QPalette::WindowText), g->labFormat->palette().color(QPalette::WindowText));
    }
};

QTEST_MAIN(TstDownloaderFormRestoreLong)
#include "tst_downloaderform_restore_long.moc"
