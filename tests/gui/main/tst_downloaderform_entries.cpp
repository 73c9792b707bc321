// The download page's entries: the proxy for the preview, the output
// folders, web links, the subscription entry, the account panel and the
// preview button with its refusals. Runs on a virtual display: the preview
// plays for real.

#include "AvTestMedia.h"
#include "DialogAnswerer.h"
#include "EngineTestEnv.h"
#include "LocalHttpServer.h"
#include "PageTestEnv.h"
#include "PlatformGuard.h"
#include "RunEnd.h"
#include "XvfbMain.h"

#include "ui_DownloaderForm.h"

#include "function/QtAV/include/CPlayer.h"
#include "function/QtAV/include/VideoPlay.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/UIBaseData/UIServiceHooks.h"
#include "gui/accounts/YoutubeAccount.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/common/SmallButtons.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/cnorvideodlitem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "shell/ServiceHosts.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <memory>

static constexpr int kWaitMs = 30000;

class TstDownloaderFormEntries : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    LocalHttpServer m_server;
    std::unique_ptr<PlatformGuard> m_guard;

    CNorVideoDlItem* addRow(DownloaderForm& page, const QString& title, const QString& preview)
    {
        DownloadItem t = PageTestEnv::task(title, QStringLiteral("/row/") + title);
        t.preview = preview;
        auto* r = new CNorVideoDlItem(page.downloadList(), t, true);
        page.downloadList()->insertItem(r, false, -1);
        page.form()->stackedWidget->setCurrentIndex(1);
        return r;
    }

    static QString playing(DownloaderForm& page)
    {
        CPlayer* p = page.form()->VideoPlayer->player();
        return p ? p->fileUrl() : QString();
    }

    // A filled square across the middle of the button: the corners of its
    // inner half share the centre's ink, which is not the white around it.
    static bool showsSquare(const QImage& shot)
    {
        const QColor centre = shot.pixelColor(shot.width() / 2, shot.height() / 2);
        if (centre.lightness() > 235 && centre.hsvSaturation() < 30)
            return false;
        for (const QPointF& p : {QPointF(0.3, 0.3), QPointF(0.7, 0.3), QPointF(0.3, 0.7), QPointF(0.7, 0.7)}) {
            const QColor c = shot.pixelColor(int(p.x() * shot.width()), int(p.y() * shot.height()));
            if (qAbs(c.red() - centre.red()) + qAbs(c.green() - centre.green()) + qAbs(c.blue() - centre.blue()) > 60)
                return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_f = EngineTestEnv::setUp(m_root.path());
        m_guard.reset(new PlatformGuard);
        QVERIFY(m_server.start(false));
    }

    void cleanupTestCase()
    {
        RunEnd::stopThumbnailWorker();
    }

    void cleanup()
    {
        m_guard->clear();
        UIServiceHooks::setChooseFolder({});
    }

    void proxyForThePreview_data()
    {
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("expected");   // empty: no entry at all

        QTest::newRow("host and port") << "true" << "proxy.local" << "8080" << "http://proxy.local:8080";
        QTest::newRow("scheme kept") << "true" << "socks5://proxy.local" << "1080" << "socks5://proxy.local:1080";
        QTest::newRow("highest port") << "true" << "p" << "65535" << "http://p:65535";
        QTest::newRow("switched off") << "false" << "proxy.local" << "8080" << "";
        QTest::newRow("never set") << "" << "proxy.local" << "8080" << "";
        QTest::newRow("empty host") << "true" << "" << "8080" << "";
        QTest::newRow("both empty") << "true" << "" << "" << "";
        QTest::newRow("port 0") << "true" << "p" << "0" << "";
        QTest::newRow("port too high") << "true" << "p" << "65536" << "";
        QTest::newRow("port not a number") << "true" << "p" << "80a" << "";
    }

    void proxyForThePreview()
    {
        QFETCH(QString, enabled);
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(QString, expected);
        EngineTestEnv::setSetting(QStringLiteral("proxy/enabled"), enabled);
        EngineTestEnv::setSetting(QStringLiteral("proxy/hostName"), host);
        EngineTestEnv::setSetting(QStringLiteral("proxy/port"), port);
        DownloaderForm page;
        const QHash<QString, QVariant> hash = page.getProxy();
        if (expected.isEmpty()) {
            QVERIFY(hash.isEmpty());
        } else {
            QCOMPARE(hash.size(), 1);
            QCOMPARE(hash.value(QStringLiteral("http_proxy")).toString(), expected);
        }
        EngineTestEnv::setSetting(QStringLiteral("proxy/enabled"), QStringLiteral("false"));
    }

    void outputFolders()
    {
        UIBaseData::instance()->setScale(1.5f);
        const auto restore = qScopeGuard([] { UIBaseData::instance()->setScale(1.0f); });
        const QString chosen = QDir(m_root.path()).filePath(
            QStringLiteral("Videos/New/a folder with a rather long name that never fits the line beside the buttons"));
        QDir().mkpath(chosen);
        QStringList asked;
        QString answer = chosen;
        UIServiceHooks::setChooseFolder([&](const QString& title, const QString& start) {
            asked << title << start;
            return answer;
        });
        DownloaderForm page;
        page.show();
        QCOMPARE(page.form()->folder_path->text(), m_f.video);
        page.form()->folder_browse->click();
        QCOMPARE(asked, (QStringList{QStringLiteral("Select Output Directory"), m_f.video}));
        const QString stored = SettingsStore::instance()->value(QStringLiteral("youtube/download"));
        QCOMPARE(stored, SettingsStore::toStoredPath(chosen));
        QVERIFY(!stored.contains(QLatin1Char('\\')));
        QCOMPARE(SettingsStore::fromStoredPath(stored), chosen);
        const QString shown = page.form()->folder_path->text();
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QVERIFY(chosen.startsWith(shown.left(shown.size() - 1)));
        QFont font(UIBaseData::instance()->fontFamily());
        font.setPixelSize(UIBaseData::scaled(11));
        QVERIFY(QFontMetrics(font).horizontalAdvance(shown) <= UIBaseData::scaled(290));
        QCOMPARE(UIBaseData::scaled(290), 435);

        // A cancelled chooser changes nothing.
        answer.clear();
        page.form()->folder_browse->click();
        QCOMPARE(SettingsStore::instance()->value(QStringLiteral("youtube/download")), stored);

        // The music folder has no line of its own.
        answer = m_f.music + QStringLiteral("/sub");
        page.on_folder_browse_2_clicked();
        QCOMPARE(SettingsStore::fromStoredPath(SettingsStore::instance()->value(QStringLiteral("youtube/download_music"))), answer);
        QCOMPARE(page.form()->folder_path->text(), shown);

        // Opening hands the stored folder, whole, to the file manager.
        page.form()->folder_open->click();
        page.on_folder_open_2_clicked();
        QCOMPARE(m_guard->fileManager.size(), 2);
        QCOMPARE(m_guard->fileManager.at(0).kind, FileManager::Request::OpenFolder);
        QCOMPARE(m_guard->fileManager.at(0).folder, chosen);
        QCOMPARE(m_guard->fileManager.at(1).folder, answer);
        QCOMPARE(m_guard->started.size(), 0);

        // Shown afresh on every show of the page.
        EngineTestEnv::setSetting(QStringLiteral("youtube/download"), SettingsStore::toStoredPath(m_f.video));
        page.hide();
        page.show();
        QCOMPARE(page.form()->folder_path->text(), m_f.video);
    }

    void webLinks()
    {
        DownloaderForm page;
        Ui::DownloaderForm* f = page.form();
        EngineTestEnv::setSetting(QStringLiteral("base/site"), QStringLiteral("PeLoDvD"));
        page.onSurpportedWeb();
        EngineTestEnv::setSetting(QStringLiteral("base/site"), QString());
        page.onSurpportedWeb();
        QCOMPARE(m_guard->links.size(), 2);
        QVERIFY(m_guard->links.at(0).toString().startsWith(ServiceHosts::pelodvdEditionSite() + "/tarnwick/online-video-sites-list.htm?ttsoft="));
        QVERIFY(m_guard->links.at(1).toString().startsWith(ServiceHosts::defaultEditionSite() + "/tarnwick/online-video-sites-list.htm?ttsoft="));
        QVERIFY(m_guard->links.at(1).toString().contains(QLatin1String("-mainui-")));
        m_guard->clear();

        // Addresses from the network: only web pages open.
        f->btnLinkToMp3->setProperty("URL", QStringLiteral("file:///etc/passwd"));
        f->btnLinkDrovik->setProperty("URL", QString());
        f->btnSupWebs->setProperty("URL", QStringLiteral("javascript:alert(1)"));
        f->btnLinkToMp3->click();
        f->btnLinkDrovik->click();
        f->btnSupWebs->click();
        QCOMPARE(m_guard->links.size(), 0);
        f->btnLinkToMp3->setProperty("URL", QStringLiteral("https://tools.example/mp3"));
        f->btnSupWebs->setProperty("URL", QStringLiteral("http://sites.example/list"));
        f->btnLinkToMp3->click();
        f->btnSupWebs->click();
        QCOMPARE(m_guard->links.size(), 2);
        QVERIFY(m_guard->links.at(0).toString().startsWith(QLatin1String("https://tools.example/mp3?ttsoft=")));
        QVERIFY(m_guard->links.at(1).toString().startsWith(QLatin1String("http://sites.example/list?ttsoft=")));
    }

    void subscriptionGoneMeanwhileOpensNothing()
    {
        for (int i = 0; i < 2; ++i) {
            Youtube_Structure::List l;
            l.extractor = QStringLiteral("generic");
            l.id = QStringLiteral("sub%1").arg(i);
            l.url = QStringLiteral("http://127.0.0.1:9/sub%1").arg(i);
            l.title = QStringLiteral("Sub %1").arg(i);
            Youtube::instance()->subscribeListMgr()->addSubscribeList(&l);
        }
        QCOMPARE(Youtube::instance()->subscribeLists().size(), 2);
        DownloaderForm page;
        // The last subscription is chosen, and removed before the dialog ends;
        // an analysis window opening would be an unexpected dialog.
        DialogAnswerer answerer;
        answerer.run("CUxSubscribeDialog", [](QWidget* dialog) {
            dialog->findChild<QUxListWidget*>()->selectLast(false);
            Youtube::instance()->removeSubscribeList(Youtube::instance()->subscribeLists().last());
            dialog->findChild<QPushButton*>(QStringLiteral("btn_done"))->click();
        });
        // A left press and release on the label is the entry.
        QLabel* label = page.form()->labDownAll;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().center());
        QVERIFY(answerer.allAnswered());
        QVERIFY(!answerer.hasFailed());
        QCOMPARE(page.downloadList()->count(), 0);
    }

    // The title-bar entries open the analysis window; closed without
    // confirming, it adds nothing and leaves music mode off.
    void urlWindowClosedAddsNothing()
    {
        DownloaderForm page;
        for (int entry = 0; entry < 2; ++entry) {
            DialogAnswerer answerer;
            answerer.run("UrlAnalyserDialog", [](QWidget* dialog) { DialogAnswerer::closeDialog(dialog); });
            if (entry == 0)
                emit page.form()->menuBtn_addVideo->doClicked();
            else
                page.onMenuBtn_addMusic_clicked();
            QVERIFY(answerer.allAnswered());
            QVERIFY(!answerer.hasFailed());
            QCOMPARE(page.downloadList()->count(), 0);
            QCOMPARE(page.form()->stackedWidget->currentIndex(), 0);
            QVERIFY(!Youtube::instance()->isMusicMode());
        }
    }

    void accountPanel()
    {
        EngineTestEnv::setSetting(QStringLiteral("youtube/account"), QStringLiteral("viewer@example.org"));
        SettingsStore::instance()->setEncryptedValue(QStringLiteral("youtube/pw"), QStringLiteral("secret"));
        DownloaderForm page;
        Ui::DownloaderForm* f = page.form();
        QVERIFY(!f->myYtbAccountLogIn->isHidden());
        QVERIFY(f->myYtbAccountLogOut->isHidden());
        QCOMPARE(f->btnLogOut->extraText(), QStringLiteral("viewer@example.org"));
        page.on_btnLogOut_clicked();
        QVERIFY(f->myYtbAccountLogIn->isHidden());
        QVERIFY(!f->myYtbAccountLogOut->isHidden());
        QSettings ini(SettingsStore::fromStoredPath(SettingsStore::instance()->configFilePath()), QSettings::IniFormat);
        QVERIFY(ini.contains(QStringLiteral("youtube/pw")));
        QVERIFY(ini.value(QStringLiteral("youtube/pw")).toString().isEmpty());
        QVERIFY(!YoutubeAccount::hasAccount());
        // The analysis window tells of a new log-in.
        emit page.urlAnalyser()->logged(true);
        QVERIFY(!f->myYtbAccountLogIn->isHidden());
        QVERIFY(f->myYtbAccountLogOut->isHidden());
        emit page.urlAnalyser()->logged(false);
        QVERIFY(f->myYtbAccountLogIn->isHidden());
        // A later page starts logged out.
        DownloaderForm later;
        QVERIFY(!later.form()->myYtbAccountLogOut->isHidden());
    }

    void previewPlaysTheFileThenTheAddress()
    {
        const QString clip = AvTestMedia::h264Aac();
        QVERIFY(!clip.isEmpty());
        m_server.serveFolder(QStringLiteral("/media"), QFileInfo(clip).absolutePath());
        const QString online = m_server.url(QStringLiteral("/media/") + QFileInfo(clip).fileName()).toString();
        const QString local = QDir(m_root.path()).filePath(QStringLiteral("done.mp4"));
        QVERIFY(QFile::copy(clip, local));

        DownloaderForm page;
        page.resize(1078, 686);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        Ui::DownloaderForm* f = page.form();
        CNorVideoDlItem* r = addRow(page, QStringLiteral("Done"), online);
        r->onDownFinished(0, {local});
        QCOMPARE(r->firstOutputFile(), local);
        page.downloadList()->selectFirst(false);

        f->m_pBtnPlayPause->click();
        QTRY_COMPARE_WITH_TIMEOUT(playing(page), local, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(f->VideoPlayer->state(), TwAV::AVPlayer::PlayingState, kWaitMs);
        QVERIFY(f->PhotoFrame->isHidden());
        QVERIFY(f->m_pBtnPlayPause->styleSheet().contains(QLatin1String(":/res/play_stop_")));
        // It shows a stop square while it plays, a play triangle once stopped.
        QVERIFY2(showsSquare(f->m_pBtnPlayPause->grab().toImage()), "no stop square while playing");
        f->m_pBtnPlayPause->click();
        QTRY_COMPARE_WITH_TIMEOUT(f->VideoPlayer->state(), TwAV::AVPlayer::StoppedState, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!f->PhotoFrame->isHidden(), kWaitMs);
        QVERIFY2(!showsSquare(f->m_pBtnPlayPause->grab().toImage()), "the stop square stays once stopped");

        QVERIFY(QFile::remove(local));
        QTRY_VERIFY_WITH_TIMEOUT(f->m_pBtnPlayPause->isEnabled(), kWaitMs);
        f->m_pBtnPlayPause->click();
        QTRY_COMPARE_WITH_TIMEOUT(playing(page), online, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(f->VideoPlayer->state(), TwAV::AVPlayer::PlayingState, kWaitMs);
        f->VideoPlayer->stop();
        QTRY_COMPARE_WITH_TIMEOUT(f->VideoPlayer->state(), TwAV::AVPlayer::StoppedState, kWaitMs);
        page.clearDownloadList();
    }

    void previewRefusesWhatIsNotTheWeb()
    {
        DownloaderForm page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        Ui::DownloaderForm* f = page.form();
        const QString secret = QDir(m_root.path()).filePath(QStringLiteral("secret.mp4"));
        QVERIFY(QFile::copy(AvTestMedia::h264Aac(), secret));
        addRow(page, QStringLiteral("Sly"), QUrl::fromLocalFile(secret).toString());
        page.downloadList()->selectFirst(false);
        f->m_pBtnPlayPause->click();
        QTest::qWait(0);
        QCOMPARE(playing(page), QString());
        QCOMPARE(f->VideoPlayer->state(), TwAV::AVPlayer::StoppedState);
        QVERIFY(!f->PhotoFrame->isHidden());
        page.clearDownloadList();
    }

    void previewThatCannotLoad_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << QStringLiteral("/missing.mp4");
        // The server fails once the file's headers are out, before any picture.
        QTest::newRow("cut after the headers") << QStringLiteral("/cut.mp4");
    }

    void previewThatCannotLoad()
    {
        QFETCH(QString, path);
        QFile clip(AvTestMedia::h264Aac());
        QVERIFY(clip.open(QIODevice::ReadOnly));
        LocalHttpServer::Route cut;
        cut.body = clip.readAll();
        cut.headers << LocalHttpServer::Header{"Content-Type", "video/mp4"};
        cut.cutAfterBytes = cut.body.indexOf("mdat") + 20;
        m_server.addRoute(QStringLiteral("/cut.mp4"), cut);
        DownloaderForm page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        Ui::DownloaderForm* f = page.form();
        addRow(page, QStringLiteral("Missing"), m_server.url(path).toString());
        page.downloadList()->selectFirst(false);
        DialogAnswerer answerer;
        answerer.press("MsgDialog", QStringLiteral("btn_0"));
        f->m_pBtnPlayPause->click();
        QTRY_VERIFY_WITH_TIMEOUT(answerer.allAnswered(), kWaitMs);
        QVERIFY(answerer.seen.value(0).texts.contains(QStringLiteral("This video was not successfully loaded.")));
        QTRY_VERIFY_WITH_TIMEOUT(!f->PhotoFrame->isHidden(), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(f->m_pBtnPlayPause->isEnabled(), kWaitMs);
        page.clearDownloadList();
    }
};

TW_XVFB_TEST_MAIN(TstDownloaderFormEntries)
#include "tst_downloaderform_entries.moc"
