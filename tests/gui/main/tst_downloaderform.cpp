#include "DialogAnswerer.h"
#include "EngineTestEnv.h"
#include "FakeScripts.h"
#include "Legibility.h"
#include "LocalHttpServer.h"
#include "PageTestEnv.h"
#include "PlatformGuard.h"

#include "RunEnd.h"
#include "ui_DownloaderForm.h"
#include "ui_mediadlitemform.h"

#include "function/QtAV/include/CVideoView.h"
#include "function/QtAV/include/VideoPlay.h"
#include "function/VersionCheck/NetVersionMgr.h"
#include "function/Youtube/private/Downloader/DownloadingStore.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/BtnWidget.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/cnorvideodlitem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "gui/special/PopupForm/Unclassified/FileListDialog.h"
#include "platform/Online.h"
#include "shell/ImageDownloader.h"

#include <QBuffer>
#include <QOpenGLWidget>
#include <QTextEdit>
#include <QtTest>
#include <memory>

// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.
static constexpr int kWaitMs = 30000;

class TstDownloaderForm : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    LocalHttpServer m_server;
    std::unique_ptr<PlatformGuard> m_guard;

    static QByteArray description(const QStringList& tools)
    {
        QString json = QStringLiteral("{\"upgrade\":{\"version\":{\"old\":[\"o\"],\"new\":[\"n\"]},\"description\":{\"old\":[\"d\"],\"new\":[\"n\"]},"
                                      "\"upgradelog\":[\"l\"],\"upgradeurl\":\"https://up/normal\",\"forcedurl\":\"https://up/forced\"},"
                                      "\"additional\":{");
        for (int i = 0; i < tools.size(); ++i) {
            json += QStringLiteral("%1\"t%2\":{\"product\":\"%3\",\"description\":\"%3 does it\",\"button\":\"Get %3\",\"url\":\"https://%3.example/\"}")
                        .arg(i ? "," : "").arg(i).arg(tools.at(i));
        }
        json += QStringLiteral("},\"website\":{\"title\":\"Sites of %1\",\"url\":\"https://sites.example/\"}}").arg(tools.value(0));
        return json.toUtf8();
    }

    void serveVersion(const QStringList& tools)
    {
        m_server.addFile(QStringLiteral("/version.json"),
                         QStringLiteral("{\"version\":\"1.0\",\"Date\":\"2026-2-1\",\"forced\":\"0.1\",\"en\":\"%1\"}")
                             .arg(m_server.url(QStringLiteral("/en.json")).toString()).toUtf8(),
                         "application/json");
        m_server.addFile(QStringLiteral("/en.json"), description(tools), "application/json");
    }

    CNorVideoDlItem* addRow(DownloaderForm& page, const QString& title, const QString& path)
    {
        auto* r = new CNorVideoDlItem(page.downloadList(), PageTestEnv::task(title, path), true);
        page.downloadList()->insertItem(r, false, -1);
        Youtube::instance()->addDownloadingItems({r->downloadItem()});
        page.form()->stackedWidget->setCurrentIndex(1);
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        QVERIFY(EngineTestEnv::installFake(m_f, FakeScripts::downloads()));
        m_guard.reset(new PlatformGuard);
        QVERIFY(m_server.start(false));
        const QString profile = QDir(m_root.path()).filePath(QStringLiteral("profile"));
        QDir().mkpath(profile);
        EngineTestEnv::setSetting(QStringLiteral("base/customProfilePath"), SettingsStore::toStoredPath(profile));
        EngineTestEnv::setSetting(QStringLiteral("base/language"), QStringLiteral("en"));
        // The description an earlier run kept.
        QFile cached(profile + QStringLiteral("/upd"));
        QVERIFY(cached.open(QIODevice::WriteOnly));
        cached.write(description({QStringLiteral("CachedA"), QStringLiteral("CachedB")}));
        cached.close();
        NetVersionMgr::Environment env;
        env.versionFileUrl = m_server.url(QStringLiteral("/version.json"));
        env.transferTimeoutMs = 5000;
        QVERIFY(NetVersionMgr::createInstance(env));
        QVERIFY(!NetVersionMgr::createInstance(env));
    }

    void cleanupTestCase()
    {
        RunEnd::stopThumbnailWorker();
    }

    void cleanup()
    {
        QVERIFY(m_guard->powerOffs == 0);
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
    }

    void emptyStartShowsTheWelcomePage()
    {
        DownloaderForm page;
        Ui::DownloaderForm* f = page.form();
        QCOMPARE(f->stackedWidget->currentIndex(), 0);
        QCOMPARE(f->downloadStacked->currentWidget(), f->page_download);
        QVERIFY(f->folder_path->text().isEmpty());
        QCOMPARE(page.downloadList()->parentWidget()->parentWidget(), f->listStack);
        QVERIFY(f->LabLive->isHidden());
        QVERIFY(f->widget_15->isHidden());
        QVERIFY(f->btn_myList->isHidden());
        QCOMPARE(f->btnCheckUpgrad->text(), QStringLiteral("Check for Upgrade"));
        QVERIFY(f->menuBtn_addMusic->geometry().right() < 0);
        QCOMPARE(f->myYtbAccountLogIn->property("basePos").toPoint(), QPoint(15, 9));
        for (BtnWidget* b : {f->menuBtn_back, f->menuBtn_addVideo, f->menuBtn_addMusic, f->menuBtn_clean,
                             f->menuBtn_cleanSucceed, f->menuBtn_Setting}) {
            b->fitToText();
            QVERIFY2(b->picWidget() && b->spaceWidget() && b->textLabel(), qPrintable(b->objectName()));
        }
        QCOMPARE(f->menuBtn_addVideo->property("basePos").toPoint(), QPoint(32, 18));
        const QPoint clean = f->menuBtn_clean->property("basePos").toPoint();
        QCOMPARE(clean.x(), 32 + f->menuBtn_addVideo->baseSize().width() + 50);
        QCOMPARE(f->menuBtn_back->toolTip(), QStringLiteral("Back to home page"));
        // The account line of a logged-in user comes into view when rescaled.
        QCOMPARE(f->myYtbAccountLogIn->x(), -300);
        UIBaseData::rescaleWidgetTree(&page, 1.0);
        QCOMPARE(f->myYtbAccountLogIn->pos(), QPoint(15, 9));
        QVERIFY(f->widget_15->geometry().right() < 0);
        QSignalSpy setting(&page, &DownloaderForm::doSetting);
        emit f->menuBtn_Setting->doClicked();
        QCOMPARE(setting.count(), 1);
    }

    // The log-in button turns its text white while pressed; the pressed
    // picture under it is dark enough for that text to read.
    void pressedLogInButtonIsReadable()
    {
        DownloaderForm page;
        page.resize(1078, 686);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QPushButton* login = page.form()->btnLogIn;
        QTRY_VERIFY(login->isVisible());
        const QRect inside = login->rect().adjusted(2, 2, -2, -2);
        const QImage before = Legibility::shot(login);
        QVERIFY2(Legibility::readablePixels(before, inside) >= 20,
                 qPrintable(Legibility::fill(before, inside).name()));
        QTest::mousePress(login, Qt::LeftButton, {}, login->rect().center());
        QTRY_VERIFY(login->isDown());
        const QImage pressed = Legibility::shot(login);
        // Let go outside: no click, so no log-in window.
        QTest::mouseMove(login, QPoint(-20, -20));
        QTest::mouseRelease(login, Qt::LeftButton, {}, QPoint(-20, -20));
        const int readable = Legibility::readablePixels(pressed, inside);
        QVERIFY2(readable >= 20, qPrintable(QStringLiteral("%1 readable pixels on %2").arg(readable)
                                                .arg(Legibility::fill(pressed, inside).name())));
    }

    // The page comes up without the link dialog and without the preview's
    // OpenGL renderer (which would put the whole window on OpenGL); the
    // dialog is made once, at its first use.
    void startMakesNeitherLinkDialogNorRenderer()
    {
        DownloaderForm page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!page.findChild<UrlAnalyserDialog*>());
        QVERIFY(!page.findChild<QOpenGLWidget*>());
        QVERIFY(!page.form()->VideoPlayer->view()->hasRenderer());
        UrlAnalyserDialog* dialog = page.urlAnalyser();
        QVERIFY(dialog);
        QCOMPARE(page.urlAnalyser(), dialog);
        QCOMPARE(page.findChild<UrlAnalyserDialog*>(), dialog);
    }

    // Rows added after an empty start still get their thumbnails.
    void laterRowsFollowTheirThumbnails()
    {
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::red);
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "PNG");
        m_server.addFile(QStringLiteral("/thumb.png"), png, "image/png");
        DownloaderForm page;
        CNorVideoDlItem* r = addRow(page, QStringLiteral("Pictured"), QStringLiteral("/delay/p"));
        r->downloadItem()->thumbnail = m_server.url(QStringLiteral("/thumb.png")).toString();
        page.downloadList()->selectFirst(false);
        QTRY_VERIFY_WITH_TIMEOUT(!r->mediaForm()->PosterWidget->pictureLabel()->isHidden(), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!page.form()->PhotoFrame->pictureLabel()->isHidden(), kWaitMs);

        // A picture for a row that is not current leaves the preview alone.
        CNorVideoDlItem* other = addRow(page, QStringLiteral("Other"), QStringLiteral("/delay/q"));
        other->downloadItem()->thumbnail = m_server.url(QStringLiteral("/thumb2.png")).toString();
        m_server.addFile(QStringLiteral("/thumb2.png"), png, "image/png");
        page.form()->PhotoFrame->clear();
        ImageDownloader::instance()->getImage(other->downloadItem()->thumbnail);
        QTRY_VERIFY_WITH_TIMEOUT(!other->mediaForm()->PosterWidget->pictureLabel()->isHidden(), kWaitMs);
        QVERIFY(page.form()->PhotoFrame->pictureLabel()->isHidden());
        page.clearDownloadList();
    }

    void toolsPanel()
    {
        {
            // A failed check: the description kept from the last run.
            DownloaderForm page;
            QSignalSpy checked(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked);
            NetVersionMgr::instance()->checkVersion(true);
            QVERIFY(checked.wait(kWaitMs));
            QCOMPARE(checked.at(0).at(0).toBool(), false);
            QCOMPARE(page.form()->label_5->text(), QStringLiteral("CachedA"));
            QCOMPARE(page.form()->label_7->text(), QStringLiteral("CachedB"));
            QCOMPARE(page.form()->btnSupWebs->text(), QStringLiteral("Sites of CachedA"));
        }
        {
            serveVersion({QStringLiteral("<b>Only</b>")});
            DownloaderForm page;
            const QString formText = page.form()->label_5->text();
            QSignalSpy checked(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked);
            NetVersionMgr::instance()->checkVersion(true);
            QVERIFY(checked.wait(kWaitMs));
            QCOMPARE(checked.at(0).at(0).toBool(), true);
            QCOMPARE(page.form()->label_5->text(), formText);
            QCOMPARE(page.form()->btnLinkToMp3->property("URL").toString(),
                     QStringLiteral("https://www.marbleto.example/mp3-converter.html"));
        }
        {
            serveVersion({QStringLiteral("<i>FreshA</i>"), QStringLiteral("FreshB")});
            DownloaderForm page;
            QSignalSpy checked(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked);
            NetVersionMgr::instance()->checkVersion(true);
            QVERIFY(checked.wait(kWaitMs));
            QCOMPARE(page.form()->label_5->text(), QStringLiteral("<i>FreshA</i>"));
            QCOMPARE(page.form()->label_5->textFormat(), Qt::PlainText);
            QCOMPARE(page.form()->label_6->text(), QStringLiteral("<i>FreshA</i> does it"));
            QCOMPARE(page.form()->btnLinkToMp3->text(), QStringLiteral("Get <i>FreshA</i>"));
            QCOMPARE(page.form()->label_7->text(), QStringLiteral("FreshB"));
            QCOMPARE(page.form()->btnLinkDrovik->property("URL").toString(), QStringLiteral("https://FreshB.example/"));
        }
    }

    void startAllAndStopAll()
    {
        EngineTestEnv::setSetting(QStringLiteral("setting/shutdown"), QStringLiteral("true"));
        DownloaderForm page;
        Ui::DownloaderForm* f = page.form();
        {
            DialogAnswerer answerer;
            answerer.press("MsgDialog", QStringLiteral("btn_0"));
            QTest::mouseClick(f->btn_dowloadAll, Qt::LeftButton);
            QVERIFY(answerer.allAnswered());
            QVERIFY(answerer.seen.value(0).texts.contains(QStringLiteral("There is no files available to download.")));
            QCOMPARE(f->downloadStacked->currentWidget(), f->page_download);
        }
        CNorVideoDlItem* a = addRow(page, QStringLiteral("A"), QStringLiteral("/slow/a"));
        CNorVideoDlItem* b = addRow(page, QStringLiteral("B"), QStringLiteral("/slow/b"));
        page.startAllDownloads();
        QCOMPARE(f->downloadStacked->currentWidget(), f->page_stop);
        QTRY_VERIFY_WITH_TIMEOUT(a->isDownloading() && b->isDownloading(), kWaitMs);
        {
            // No, then yes.
            DialogAnswerer answerer;
            answerer.press("MsgDialog", QStringLiteral("btn_1"));
            QTest::mouseClick(f->btn_stopAll, Qt::LeftButton);
            QVERIFY(answerer.allAnswered());
            QVERIFY(a->isDownloading());
            QCOMPARE(f->downloadStacked->currentWidget(), f->page_stop);
            answerer.press("MsgDialog", QStringLiteral("btn_0"));
            QTest::mouseClick(f->btn_stopAll, Qt::LeftButton);
            QVERIFY(answerer.allAnswered());
        }
        QCOMPARE(f->downloadStacked->currentWidget(), f->page_download);
        // The stopped batch ends without a shut-down question (an unexpected
        // box would fail the answerer).
        {
            QSignalSpy ended(Youtube::instance(), &Youtube::doDownloadFinished);
            DialogAnswerer none;
            QTRY_VERIFY_WITH_TIMEOUT(!a->isDownloading() && !b->isDownloading(), kWaitMs);
            QTRY_VERIFY_WITH_TIMEOUT(ended.count() >= 1, kWaitMs);
            // The page takes the report queued; let it arrive.
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            QVERIFY(!none.hasFailed());
        }
        QCOMPARE(page.downloadList()->count(), 2);
        QCOMPARE(a->lastResultCode(), int(DownloadItem::DownloadStopped));
        // Start all takes the stopped rows again, then clean all is asked.
        page.startAllDownloads();
        QTRY_VERIFY_WITH_TIMEOUT(a->isDownloading(), kWaitMs);
        {
            DialogAnswerer answerer;
            answerer.press("MsgDialog", QStringLiteral("btn_0"));
            emit f->menuBtn_clean->doClicked();
            QVERIFY(answerer.allAnswered());
            QCOMPARE(page.downloadList()->count(), 2);
            QCOMPARE(f->stackedWidget->currentIndex(), 1);
            answerer.press("MsgDialog", QStringLiteral("btn_1"));
            emit f->menuBtn_clean->doClicked();
            QVERIFY(answerer.allAnswered());
        }
        QCOMPARE(page.downloadList()->count(), 0);
        QCOMPARE(f->stackedWidget->currentIndex(), 0);
        EngineTestEnv::setSetting(QStringLiteral("setting/shutdown"), QStringLiteral("false"));
    }

    // The big button follows the rows however they start: a row's own icon
    // turns it into "stop", and the end of the last download turns it back.
    void bigButtonFollowsRowsStartedOnTheirOwn()
    {
        DownloaderForm page;
        page.show();
        Ui::DownloaderForm* f = page.form();
        CNorVideoDlItem* a = addRow(page, QStringLiteral("A"), QStringLiteral("/slow/own-a"));
        CNorVideoDlItem* b = addRow(page, QStringLiteral("B"), QStringLiteral("/slow/own-b"));
        QCOMPARE(f->downloadStacked->currentWidget(), f->page_download);
        // What the big button paints with nothing running.
        const QImage idle = f->downloadStacked->grab().toImage();

        QTest::mouseClick(a->mediaForm()->DlIcon, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(a->isDownloading(), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(f->downloadStacked->currentWidget(), f->page_stop, kWaitMs);
        QVERIFY(f->btn_stopAll->isVisible());
        QVERIFY(!f->btn_dowloadAll->isVisible());
        QVERIFY(f->downloadStacked->grab().toImage() != idle);

        // A second row joins; pausing the first leaves "stop" while the second runs.
        QTest::mouseClick(b->mediaForm()->DlIcon, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(b->isDownloading(), kWaitMs);
        QTest::mouseClick(a->mediaForm()->DlIcon, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!a->isDownloading(), kWaitMs);
        QCOMPARE(f->downloadStacked->currentWidget(), f->page_stop);

        // Nothing downloads any more: "download" again.
        QTest::mouseClick(b->mediaForm()->DlIcon, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!b->isDownloading(), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(f->downloadStacked->currentWidget(), f->page_download, kWaitMs);
        QCOMPARE(f->downloadStacked->grab().toImage(), idle);

        // Resumed with its icon: "stop" once more.
        QTest::mouseClick(a->mediaForm()->DlIcon, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(a->isDownloading(), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(f->downloadStacked->currentWidget(), f->page_stop, kWaitMs);
        DialogAnswerer answerer;
        answerer.press("MsgDialog", QStringLiteral("btn_0"));
        QTest::mouseClick(f->btn_stopAll, Qt::LeftButton);
        QVERIFY(answerer.allAnswered());
        QCOMPARE(f->downloadStacked->currentWidget(), f->page_download);
        QTRY_VERIFY_WITH_TIMEOUT(!a->isDownloading(), kWaitMs);
        page.clearDownloadList();
    }

    // The end of a batch opens the output folder once, when the setting asks
    // for it and something was downloaded, and never after the user's stop.
    void finishedBatchOpensTheOutputFolder_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<bool>("stopByUser");
        QTest::addColumn<int>("selected");   // -1: no folder opens
        QTest::newRow("on, one file") << "true" << QStringList{"/open/one"} << false << 1;
        QTest::newRow("on, three files") << "true" << QStringList{"/open/a", "/open/b", "/open/c"} << false << 3;
        QTest::newRow("on, one file and one failure") << "true" << QStringList{"/open/ok", "/fail/x"} << false << 1;
        QTest::newRow("on, only a failure") << "true" << QStringList{"/fail/y"} << false << -1;
        QTest::newRow("off") << "false" << QStringList{"/open/off"} << false << -1;
        QTest::newRow("on, stopped by the user") << "true" << QStringList{"/open/before", "/slow/stopped"} << true << -1;
    }

    void finishedBatchOpensTheOutputFolder()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, paths);
        QFETCH(bool, stopByUser);
        QFETCH(int, selected);
        EngineTestEnv::setSetting(QStringLiteral("setting/openFolder"), setting);
        m_guard->clear();
        DownloaderForm page;
        QList<CNorVideoDlItem*> rows;
        for (const QString& p : paths)
            rows << addRow(page, p.mid(1), p);
        DialogAnswerer answerer;
        if (!paths.filter(QStringLiteral("/fail")).isEmpty())
            answerer.run("FileListDialog", [](QWidget* w) { DialogAnswerer::closeDialog(w); });
        QSignalSpy ended(Youtube::instance(), &Youtube::doDownloadFinished);
        QTest::mouseClick(page.form()->btn_dowloadAll, Qt::LeftButton);
        if (stopByUser) {
            QTRY_VERIFY_WITH_TIMEOUT(rows.first()->isCompleted() && rows.last()->isDownloading(), kWaitMs);
            answerer.press("MsgDialog", QStringLiteral("btn_0"));
            QTest::mouseClick(page.form()->btn_stopAll, Qt::LeftButton);
        }
        QTRY_VERIFY_WITH_TIMEOUT(ended.count() >= 1, kWaitMs);
        // The page takes the report queued; let it arrive.
        QTRY_COMPARE_WITH_TIMEOUT(page.form()->downloadStacked->currentWidget(), page.form()->page_download, kWaitMs);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (selected < 0) {
            QVERIFY2(m_guard->fileManager.isEmpty(), qPrintable(m_guard->fileManager.value(0).folder));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(m_guard->fileManager.size(), 1, kWaitMs);
            const FileManager::Request r = m_guard->fileManager.first();
            QCOMPARE(r.kind, FileManager::Request::ShowItems);
            const QString first = rows.first()->firstOutputFile();
            QVERIFY(!first.isEmpty());
            QCOMPARE(QDir(r.folder), QFileInfo(first).absoluteDir());
            QStringList outputs;
            for (CNorVideoDlItem* row : qAsConst(rows))
                outputs << row->outputFileList();
            QVERIFY2(r.files.size() == selected, qPrintable(r.files.join(',') + QStringLiteral(" of ") + outputs.join(',')
                                                            + QStringLiteral(" ended ") + QString::number(ended.count()) + ended.first().first().toStringList().join('|')));
            for (CNorVideoDlItem* row : qAsConst(rows))
                if (row->isCompleted())
                    QVERIFY2(r.files.contains(QFileInfo(row->firstOutputFile()).absoluteFilePath()), qPrintable(r.files.join(',')));
            // Later events open nothing more.
            QCoreApplication::processEvents();
            QCOMPARE(m_guard->fileManager.size(), 1);
        }
        QVERIFY(answerer.allAnswered());
        QVERIFY(!answerer.hasFailed());
        page.stopAllDownloads(true);
        page.clearDownloadList();
        EngineTestEnv::setSetting(QStringLiteral("setting/openFolder"), QStringLiteral("true"));
    }

    void cleanSucceeded()
    {
        DownloaderForm page;
        CNorVideoDlItem* done1 = addRow(page, QStringLiteral("D1"), QStringLiteral("/d1"));
        CNorVideoDlItem* done2 = addRow(page, QStringLiteral("D2"), QStringLiteral("/d2"));
        addRow(page, QStringLiteral("Open"), QStringLiteral("/open"));
        done1->onDownFinished(0, {QStringLiteral("/x/1.mp4")});
        done2->onDownFinished(0, {QStringLiteral("/x/2.mp4")});
        page.downloadList()->selectFirst(false);
        PageTestEnv::Capture capture;
        emit page.form()->menuBtn_cleanSucceed->doClicked();
        QCOMPARE(page.downloadList()->count(), 1);
        QCOMPARE(page.row(0)->downloadItem()->title, QStringLiteral("Open"));
        const QStringList looked = capture.lines().filter(QStringLiteral("i = "));
        QCOMPARE(looked.size(), 3);
        QVERIFY(looked.at(0).startsWith(QStringLiteral("i =  0")));
        QVERIFY(looked.at(1).startsWith(QStringLiteral("i =  0")));
    }

    void backEmptiesTheListAndTheFile()
    {
        DownloaderForm page;
        addRow(page, QStringLiteral("Gone"), QStringLiteral("/g"));
        QSignalSpy back(&page, &DownloaderForm::doBack);
        emit page.form()->menuBtn_back->doClicked();
        QCOMPARE(back.count(), 1);
        QCOMPARE(page.downloadList()->count(), 0);
        QCOMPARE(page.form()->stackedWidget->currentIndex(), 0);
        QFile f(DownloadingStore::filePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("Downloadings")).toArray().isEmpty());
    }

    void failedFilesThenTheShutdownQuestion()
    {
        EngineTestEnv::setSetting(QStringLiteral("setting/shutdown"), QStringLiteral("true"));
        DownloaderForm page;
        CNorVideoDlItem* r = addRow(page, QStringLiteral("Broken <title>"), QStringLiteral("/fail"));
        QString listed;
        DialogAnswerer answerer;
        answerer.run("FileListDialog", [&](QWidget* w) {
            listed = w->findChild<QTextEdit*>(QStringLiteral("fileList"))->toPlainText();
            DialogAnswerer::closeDialog(w);
        });
        answerer.press("MsgDialog", QStringLiteral("btn_1"));
        page.startAllDownloads();
        QTRY_VERIFY_WITH_TIMEOUT(answerer.allAnswered(), kWaitMs);
        QVERIFY(listed.contains(QStringLiteral("Broken <title>")));
        QCOMPARE(answerer.seen.size(), 2);
        QCOMPARE(answerer.seen.at(1).className, QStringLiteral("MsgDialog"));
        QTRY_COMPARE_WITH_TIMEOUT(page.form()->downloadStacked->currentWidget(), page.form()->page_download, kWaitMs);
        QCOMPARE(r->lastResultCode(), int(DownloadItem::DownloadFailed));
        QVERIFY(!UIBaseData::instance()->isShutdownRequested());
        QCOMPARE(m_guard->powerOffs, 0);
        EngineTestEnv::setSetting(QStringLiteral("setting/shutdown"), QStringLiteral("false"));
        page.clearDownloadList();
    }

    // Rows take their finished tasks off the unfinished list at once; a batch
    // whose downloads all succeed still ends with the shut-down question. A
    // slow row, paused by the user at last, holds the batch open until then.
    void successfulBatchThenTheShutdownQuestion_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("one file") << QStringList{"/ok/sd-one"};
        QTest::newRow("three files") << QStringList{"/ok/sd-a", "/ok/sd-b", "/ok/sd-c"};
    }

    void successfulBatchThenTheShutdownQuestion()
    {
        QFETCH(QStringList, paths);
        EngineTestEnv::setSetting(QStringLiteral("setting/shutdown"), QStringLiteral("true"));
        DownloaderForm page;
        page.show();
        QList<CNorVideoDlItem*> rows;
        for (const QString& p : paths)
            rows << addRow(page, p.section(QLatin1Char('/'), -1), p);
        CNorVideoDlItem* holder = addRow(page, QStringLiteral("hold"), QStringLiteral("/slow/sd-hold"));
        DialogAnswerer answerer;
        QTest::mouseClick(page.form()->btn_dowloadAll, Qt::LeftButton);
        for (CNorVideoDlItem* r : qAsConst(rows))
            QTRY_VERIFY_WITH_TIMEOUT(r->isCompleted(), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(holder->isDownloading(), kWaitMs);
        // The finished rows have had their news before the batch ends.
        QCoreApplication::processEvents();
        answerer.press("MsgDialog", QStringLiteral("btn_1"));
        QTest::mouseClick(holder->mediaForm()->DlIcon, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(answerer.allAnswered(), kWaitMs);
        QVERIFY(!answerer.hasFailed());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.at(0).className, QStringLiteral("MsgDialog"));
        for (CNorVideoDlItem* r : qAsConst(rows))
            QCOMPARE(r->lastResultCode(), int(DownloadItem::DownloadSuccess));
        QTRY_COMPARE_WITH_TIMEOUT(page.form()->downloadStacked->currentWidget(), page.form()->page_download, kWaitMs);
        QVERIFY(!UIBaseData::instance()->isShutdownRequested());
        QCOMPARE(m_guard->powerOffs, 0);
        EngineTestEnv::setSetting(QStringLiteral("setting/shutdown"), QStringLiteral("false"));
        page.clearDownloadList();
    }
};

QTEST_MAIN(TstDownloaderForm)
#include "tst_downloaderform.moc"
