// The main window: the maker's addresses answered by a local server, the
// readiness latch before the promotion step, the taskbar alert, the title
// padding by scale, the settings window, and the close button that keeps
// the unfinished downloads for the next run.

#include "DialogAnswerer.h"
#include "EngineTestEnv.h"
#include "FakeScripts.h"
#include "LocalHttpServer.h"
#include "PageTestEnv.h"
#include "PlatformGuard.h"

#include "RunEnd.h"
#include "ui_DownloaderForm.h"
#include "ui_MainWindow.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "function/Youtube/private/Downloader/DownloadingStore.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/BtnWidget.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/MainWindow.h"
#include "gui/main/cnorvideodlitem.h"
#include "shell/ServiceHosts.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

static constexpr int kWaitMs = 30000;

namespace {

const char kVersionPath[] = "/update.qorvdvd.com/tarnwick/dll/version.json";

// Calls a function at a widget's first paint.
class PaintWatch : public QObject
{
public:
    PaintWatch(QWidget* w, std::function<void()> fn) : m_fn(std::move(fn)) { w->installEventFilter(this); }
    bool seen() const { return m_seen; }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            m_fn();
        }
        return false;
    }

private:
    std::function<void()> m_fn;
    bool m_seen = false;
};

int promotionSteps(const PageTestEnv::Capture& capture)
{
    return capture.lines().filter(QStringLiteral("window ready, promotion step")).size();
}

} // namespace

class TstMainWindow : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    EngineTestEnv::Folders m_f;
    LocalHttpServer m_server;
    std::unique_ptr<PlatformGuard> m_guard;
    QByteArray m_base;

    CNorVideoDlItem* addRow(DownloaderForm* page, const QString& title, const QString& path)
    {
        auto* r = new CNorVideoDlItem(page->downloadList(), PageTestEnv::task(title, path), true);
        page->downloadList()->insertItem(r, false, -1);
        Youtube::instance()->addDownloadingItems({r->downloadItem()});
        page->form()->stackedWidget->setCurrentIndex(1);
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QVERIFY(m_server.start(true));
        // The version file is asked and never answered, so the test decides
        // when the answer comes.
        LocalHttpServer::Route stall;
        stall.stallBeforeHead = true;
        m_server.addRoute(QLatin1String(kVersionPath), stall);
        m_base = m_server.baseUrl().toString().toUtf8();
        qputenv("TW_SERVICE_BASE", m_base);
        m_f = EngineTestEnv::setUp(m_root.path());
        QVERIFY(EngineTestEnv::installFake(m_f, FakeScripts::downloads()));
        EngineTestEnv::setSetting(QStringLiteral("base/AdCheckDate"), QDate::currentDate().toString(QStringLiteral("yyyy MM dd")));
        m_guard.reset(new PlatformGuard);
    }

    void cleanupTestCase()
    {
        QVERIFY(RunEnd::stopVersionCheck());
        RunEnd::stopThumbnailWorker();
    }

    void cleanup()
    {
        m_guard->clear();
        m_guard->applicationState = Qt::ApplicationActive;
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
    }

    void makerAddressesAreTheLocalServer()
    {
        const QString base = QString::fromUtf8(m_base);
        const QStringList addresses = {
            ServiceHosts::defaultEditionSite(), ServiceHosts::pelodvdEditionSite(), ServiceHosts::marbletonEditionSite(),
            ServiceHosts::defaultVersionFileUrl().toString(), ServiceHosts::pelodvdVersionFileUrl().toString(),
            ServiceHosts::engineDescriptionUrl(), ServiceHosts::editionSite(QStringLiteral("PELODVD")),
            ServiceHosts::versionFileUrl(QString()).toString()};
        for (const QString& a : addresses)
            QVERIFY2(a.startsWith(base + QLatin1Char('/')), qPrintable(a));
        QCOMPARE(ServiceHosts::defaultVersionFileUrl().toString(), base + QLatin1String(kVersionPath));

        const int before = m_server.requestCount(QLatin1String(kVersionPath));
        MainWindow w;
        QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount(QLatin1String(kVersionPath)) > before, kWaitMs);
        QCOMPARE(m_server.requestCount(), m_server.requestCount(QLatin1String(kVersionPath)));
    }

    // The check's transfer thread and the TLS library it loads would compete
    // with the window's start: a shown window asks once it has been painted,
    // and only once.
    void shownWindowAsksForTheVersionAfterItsFirstPaint()
    {
        // A fresh manager: the check another case left stalled would hold it.
        NetVersionMgr::setInstanceEnvironmentForTesting(NetVersionMgr::Environment());
        NetVersionMgr* mgr = NetVersionMgr::instance();
        const int before = m_server.requestCount(QLatin1String(kVersionPath));
        MainWindow w;
        QVERIFY(!mgr->isChecking());
        bool paintedFirst = false;
        PaintWatch watch(&w, [&] { paintedFirst = !mgr->isChecking(); });
        w.show(true);
        QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount(QLatin1String(kVersionPath)) > before, kWaitMs);
        QVERIFY(watch.seen());
        QVERIFY(paintedFirst);
        QVERIFY(mgr->isChecking());
        QCOMPARE(m_server.requestCount(QLatin1String(kVersionPath)), before + 1);
    }

    void onlyALoopbackBaseIsHonoured_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("another host") << "http://127.0.0.1.example.org:8080";
        QTest::newRow("name of the loopback") << "http://localhost:8080";
        QTest::newRow("https") << "https://127.0.0.1:8080";
        QTest::newRow("with a user") << "http://user@127.0.0.1:8080";
        QTest::newRow("file") << "file:///tmp/x";
        QTest::newRow("other loopback") << "http://127.0.0.2:8080";
    }

    void onlyALoopbackBaseIsHonoured()
    {
        QFETCH(QString, base);
        qputenv("TW_SERVICE_BASE", base.toUtf8());
        const auto restore = qScopeGuard([this] { qputenv("TW_SERVICE_BASE", m_base); });
        QCOMPARE(ServiceHosts::defaultEditionSite(), QStringLiteral("https://www.qorvdvd.com"));
        QCOMPARE(ServiceHosts::engineDescriptionUrl(),
                 QStringLiteral("https://download.qorvdvd.com/youtube/upgradeYoutube.config"));
    }

    void versionAnswerBeforeInitStartsPromotionOnce()
    {
        {
            PageTestEnv::Capture capture;
            MainWindow w;
            // The answer comes before the window's own start has run.
            emit NetVersionMgr::instance()->doNetVersionChecked(false);
            QVERIFY(w.isHalfReady());
            QCOMPARE(promotionSteps(capture), 0);
            QTRY_COMPARE_WITH_TIMEOUT(promotionSteps(capture), 1, kWaitMs);
            QCoreApplication::processEvents();
            QCOMPARE(promotionSteps(capture), 1);
        }
        // The other order: the window's start first, then the answer.
        PageTestEnv::Capture capture;
        MainWindow later;
        QTRY_VERIFY_WITH_TIMEOUT(later.isHalfReady(), kWaitMs);
        QCOMPARE(promotionSteps(capture), 0);
        emit NetVersionMgr::instance()->doNetVersionChecked(true);
        QCOMPARE(promotionSteps(capture), 1);
    }

    void analysisEndingInTheBackgroundFlashes()
    {
        MainWindow w;
        QTRY_VERIFY_WITH_TIMEOUT(w.isHalfReady(), kWaitMs);
        QCOMPARE(w.alertTimer()->interval(), 1000);

        // Active: nothing.
        emit Youtube::instance()->doAnalyseFinished();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(!w.alertTimer()->isActive());

        m_guard->applicationState = Qt::ApplicationInactive;
        PageTestEnv::Capture capture;
        emit Youtube::instance()->doAnalyseFinished();
        QTRY_VERIFY_WITH_TIMEOUT(w.alertTimer()->isActive(), kWaitMs);
        QVERIFY(capture.lines().contains(QStringLiteral("start alert")));
        QTRY_VERIFY_WITH_TIMEOUT(m_guard->alerts >= 2, kWaitMs);

        // Another state change that is not activation keeps it going.
        QApplicationStateChangeEvent hidden(Qt::ApplicationHidden);
        m_guard->applicationState = Qt::ApplicationHidden;
        QCoreApplication::sendEvent(qApp, &hidden);
        QVERIFY(w.alertTimer()->isActive());

        m_guard->applicationState = Qt::ApplicationActive;
        QApplicationStateChangeEvent active(Qt::ApplicationActive);
        QCoreApplication::sendEvent(qApp, &active);
        QVERIFY(!w.alertTimer()->isActive());
    }

    void titlePaddingFollowsTheScale_data()
    {
        QTest::addColumn<float>("scale");
        QTest::addColumn<QString>("padding");
        QTest::newRow("1.0") << 1.0f << "padding-top:-02px;";
        QTest::newRow("1.5") << 1.5f << "padding-top:-03px;";
        QTest::newRow("2.0") << 2.0f << "padding-top:-04px;";
    }

    void titlePaddingFollowsTheScale()
    {
        QFETCH(float, scale);
        QFETCH(QString, padding);
        MainWindow w;
        UIBaseData::instance()->setScale(scale);
        const auto restore = qScopeGuard([] { UIBaseData::instance()->setScale(1.0f); });
        w.resize(w.width() + 10, w.height());
        QResizeEvent resize(w.size(), w.size());
        QCoreApplication::sendEvent(&w, &resize);
        QVERIFY2(w.form()->label->styleSheet().contains(padding), qPrintable(w.form()->label->styleSheet()));
    }

    void pageHeldInThePageStack()
    {
        MainWindow w;
        DownloaderForm* page = w.downloaderForm();
        QVERIFY(page);
        QCOMPARE(w.form()->mainPageStack->currentWidget(), page->parentWidget());
        QCOMPARE(w.form()->mainPageStack->count(), 1);
        QVERIFY(page->form()->menuBtn_back->isHidden());
        QCOMPARE(w.form()->label->text(), QCoreApplication::applicationName());
        QVERIFY(w.form()->bg_opt->isHidden() && w.form()->optLine->isHidden());
    }

    void settingsWindowThenTheFoldersAgain()
    {
        MainWindow w;
        w.show(true);
        DownloaderForm* page = w.downloaderForm();
        QSignalSpy changed(&w, &MainWindow::doSettingChanged);
        const QString other = QDir(m_root.path()).filePath(QStringLiteral("chosen in settings"));
        QDir().mkpath(other);
        DialogAnswerer answerer;
        answerer.run("SettingDialog", [&](QWidget* dialog) {
            EngineTestEnv::setSetting(QStringLiteral("youtube/download"), SettingsStore::toStoredPath(other));
            DialogAnswerer::closeDialog(dialog);
        });
        emit page->form()->menuBtn_Setting->doClicked();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(page->form()->folder_path->text(), other);
        EngineTestEnv::setSetting(QStringLiteral("youtube/download"), SettingsStore::toStoredPath(m_f.video));
    }

    void closeKeepsTheUnfinishedDownloads()
    {
        {
            // Nothing downloads: no question, and the rows stay listed.
            MainWindow w;
            w.show(true);
            addRow(w.downloaderForm(), QStringLiteral("Waiting"), QStringLiteral("/slow/w"));
            DialogAnswerer none;
            QTest::mouseClick(w.form()->btn_close, Qt::LeftButton);
            QVERIFY(!none.hasFailed());
            QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), kWaitMs);
            QCOMPARE(PageTestEnv::storedTitles(), QStringList{QStringLiteral("Waiting")});
        }
        QCOMPARE(PageTestEnv::storedTitles(), QStringList{QStringLiteral("Waiting")});
        QVERIFY(DownloadingStore::write({}));

        MainWindow w;
        w.show(true);
        DownloaderForm* page = w.downloaderForm();
        CNorVideoDlItem* a = addRow(page, QStringLiteral("A"), QStringLiteral("/slow/a"));
        CNorVideoDlItem* b = addRow(page, QStringLiteral("B"), QStringLiteral("/slow/b"));
        page->startAllDownloads();
        QTRY_VERIFY_WITH_TIMEOUT(a->isDownloading() && b->isDownloading(), kWaitMs);
        {
            DialogAnswerer answerer;
            answerer.press("MsgDialog", QStringLiteral("btn_1"));
            QTest::mouseClick(w.form()->btn_close, Qt::LeftButton);
            QVERIFY(answerer.allAnswered());
            QVERIFY(answerer.seen.value(0).texts.contains(QStringLiteral("Do you really want to end the current download?")));
        }
        QVERIFY(w.isVisible());
        QVERIFY(a->isDownloading());
        {
            DialogAnswerer answerer;
            answerer.press("MsgDialog", QStringLiteral("btn_0"));
            QTest::mouseClick(w.form()->btn_close, Qt::LeftButton);
            QVERIFY(answerer.allAnswered());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), kWaitMs);
        QStringList titles = PageTestEnv::storedTitles();
        titles.sort();
        QCOMPARE(titles, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        // The downloads stopped with the window.
        QTRY_VERIFY_WITH_TIMEOUT(EngineTestEnv::leftoverProcesses({m_root.path()}).isEmpty(), kWaitMs);
        QCOMPARE(page->downloadList()->count(), 2);
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
