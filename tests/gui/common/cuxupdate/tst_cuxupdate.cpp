#include "LocalHttpServer.h"
#include "PlatformGuard.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/cuxupdate.h"
#include "platform/Online.h"
#include "shell/SettingsStore.h"
#include "ui_checkUpdate.h"
#include "ui_cuxupdate.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QUrlQuery>
#include <QtTest>
#include <functional>

namespace {

SettingsStore* settings() { return SettingsStore::instance(); }

QJsonObject upgradeSection(const QStringList& log = {"<p>fix one</p>", "<p>fix two</p>"})
{
    QJsonArray entries;
    for (const QString& e : log)
        entries << e;
    return QJsonObject{
        {"version", QJsonObject{{"old", QJsonArray{"<span style='font-size:16px'>Tarnwick #new# is out</span>"}},
                                {"new", QJsonArray{"You have #current#"}}}},
        {"description", QJsonObject{{"old", QJsonArray{"<p style='font-size:14px'>From #current# to #new#, "
                                                       "#new# again: <a href='https://x.example/a%2Fb?q=a%20b'>x</a></p>"}},
                                    {"new", QJsonArray{"Nothing newer than #current#"}}}},
        {"upgradelog", entries},
        {"upgradeurl", "https://up.example/normal"},
        {"forcedurl", "https://up.example/forced"}};
}

// What the watcher saw of one check.
struct Seen
{
    qint64 popupAt = -1;
    qint64 failedAt = -1;
    qint64 windowAt = -1;
    QString operateText;
    int barMaximum = -1;
};

// Polls the top-level windows while a check runs and acts on them.
class Watcher : public QObject
{
public:
    std::function<void(QWidget* popup, Ui::checkUpdate*)> onPopup;
    std::function<void(QWidget* popup)> onFailed;
    std::function<void(CUxUpdate*)> onWindow;
    Seen seen;

    Watcher()
    {
        m_clock.start();
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &Watcher::poll);
        m_timer.start();
    }
    qint64 elapsed() const { return m_clock.elapsed(); }

private:
    void poll()
    {
        const QWidgetList all = QApplication::topLevelWidgets() + QApplication::allWidgets();
        for (QWidget* w : all) {
            if (!w->isVisible())
                continue;
            if (w->objectName() == QLatin1String("checkUpdate")) {
                auto* tip = w->findChild<QLabel*>(QStringLiteral("labTip"));
                if (seen.popupAt < 0) {
                    seen.popupAt = elapsed();
                    if (onPopup)
                        onPopup(w, nullptr);
                }
                if (seen.failedAt < 0 && tip && tip->text() == QLatin1String("Check failed!")) {
                    seen.failedAt = elapsed();
                    seen.operateText = w->findChild<QPushButton*>(QStringLiteral("btnCancel"))->text();
                    seen.barMaximum = w->findChild<QProgressBar*>(QStringLiteral("progressBar"))->maximum();
                    if (onFailed)
                        onFailed(w);
                }
            } else if (auto* window = qobject_cast<CUxUpdate*>(w)) {
                if (seen.windowAt < 0 && window->isModalRunning()) {
                    seen.windowAt = elapsed();
                    seen.operateText = window->form()->btnOperate->text();
                    if (onWindow)
                        onWindow(window);
                }
            }
        }
    }
    QElapsedTimer m_clock;
    QTimer m_timer;
};

}

class TestCUxUpdate : public QObject
{
    Q_OBJECT

    LocalHttpServer m_server;
    PopupBase* m_main = nullptr;
    qreal m_dpi = 96;

    void setFactor(float f)
    {
        m_dpi = 96 * f;
        UIBaseData::instance()->setScale(f);
    }

    void serve(const QString& version, const QString& forced, const QJsonObject& upgrade = upgradeSection(),
               int delayMs = 0)
    {
        m_server.clearRoutes();
        m_server.clearRequests();
        LocalHttpServer::Route v;
        v.body = QJsonDocument(QJsonObject{{"version", version},
                                           {"forced", forced},
                                           {"en", m_server.url("/en.json").toString()}})
                     .toJson();
        v.delayMs = delayMs;
        m_server.addRoute("/version.json", v);
        m_server.addFile("/en.json", QJsonDocument(QJsonObject{{"upgrade", upgrade}}).toJson());
    }

    void freshManager(int timeoutMs = 0)
    {
        NetVersionMgr::Environment env;
        env.versionFileUrl = m_server.url("/version.json");
        env.transferTimeoutMs = timeoutMs;
        NetVersionMgr::setInstanceEnvironmentForTesting(env);
    }

    // Fills the manager with a finished check of the served data.
    void checked()
    {
        QSignalSpy spy(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked);
        NetVersionMgr::instance()->checkVersion(true);
        QVERIFY(spy.wait(10000));
        QVERIFY(spy.at(0).at(0).toBool());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start(true));
        settings()->setValue("base/language", "en");
        PopupBase::setScreenMetricsProvider([this](QScreen*) {
            ScreenMetrics m;
            m.logicalDpi = m_dpi;
            m.geometry = m.available = QRect(0, 0, 3840, 2160);
            return m;
        });
        m_main = new PopupBase(nullptr);
        m_main->setBaseSize(1078, 710);
        m_main->init(m_main, m_main, 1.0f, true);
    }

    void cleanupTestCase() { delete m_main; }

    void init()
    {
        setFactor(1.0f);
        Online::setStateOverride([] { return Online::State::Online; });
    }

    void cleanup()
    {
        // An exit(-1) leaves Qt refusing to start event loops until the
        // application's own loop runs once more.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    void goodReplyAfterTheMinimumTime_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("button");
        QTest::newRow("newer") << "8.4.0" << "Update Now";
        QTest::newRow("same") << "8.3" << "OK";
    }
    void goodReplyAfterTheMinimumTime()
    {
        QFETCH(QString, version);
        QFETCH(QString, button);
        serve(version, "8.0", upgradeSection(), 200);
        freshManager();
        PlatformGuard guard;
        Watcher w;
        w.onWindow = [](CUxUpdate* window) { QTest::mouseClick(window->form()->btnclose, Qt::LeftButton); };
        CUxUpdate::checkUpdate(nullptr, true);
        QVERIFY(w.seen.popupAt >= 0);
        QVERIFY2(w.seen.windowAt >= 1500, qPrintable(QString::number(w.seen.windowAt)));
        QCOMPARE(w.seen.operateText, button);
        QCOMPARE(m_server.requestCount("/version.json"), 1);
        QVERIFY(guard.links.isEmpty());
    }

    void failuresShowCheckFailed_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("bad json") << 0;
        QTest::newRow("stalled server") << 1;
        QTest::newRow("offline") << 2;
    }
    void failuresShowCheckFailed()
    {
        QFETCH(int, kind);
        serve("8.4.0", "8.0");
        if (kind == 0) {
            m_server.addFile("/en.json", "{ this is not json", "application/json");
        } else if (kind == 1) {
            LocalHttpServer::Route r;
            r.stallBeforeHead = true;
            m_server.addRoute("/version.json", r);
        } else {
            Online::setStateOverride([] { return Online::State::Offline; });
        }
        freshManager(kind == 1 ? 500 : 0);
        Watcher w;
        w.onFailed = [](QWidget* popup) {
            QTest::mouseClick(popup->findChild<QPushButton*>(QStringLiteral("btnCancel")), Qt::LeftButton);
        };
        CUxUpdate::checkUpdate(nullptr, true);
        QVERIFY(w.seen.failedAt >= 1500);
        QCOMPARE(w.seen.operateText, QStringLiteral("OK"));
        QCOMPARE(w.seen.barMaximum, 1);
        QCOMPARE(w.seen.windowAt, -1);
        if (kind == 2)
            QCOMPARE(m_server.requestCount(), 0);
        // The check is over; nothing opens later either.
        QVERIFY(!NetVersionMgr::instance()->isChecking());
        QCoreApplication::processEvents();
        QCOMPARE(w.seen.windowAt, -1);
    }

    void cancelDuringADelayedReply()
    {
        serve("8.4.0", "8.0", upgradeSection(), 2500);
        freshManager();
        Watcher w;
        QString tipAfterCancel;
        bool disabled = false;
        w.onPopup = [&](QWidget* popup, Ui::checkUpdate*) {
            QTimer::singleShot(300, popup, [popup, &tipAfterCancel, &disabled] {
                auto* b = popup->findChild<QPushButton*>(QStringLiteral("btnCancel"));
                QTest::mouseClick(b, Qt::LeftButton);
                tipAfterCancel = popup->findChild<QLabel*>(QStringLiteral("labTip"))->text();
                disabled = !b->isEnabled();
            });
        };
        CUxUpdate::checkUpdate(nullptr, true);
        QVERIFY(w.elapsed() < 1500);
        QCOMPARE(tipAfterCancel, QStringLiteral("Canceling check update"));
        QVERIFY(disabled);
        // The transfer is dropped and the check ends; its end opens nothing.
        QTRY_VERIFY_WITH_TIMEOUT(!NetVersionMgr::instance()->isChecking(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_server.openConnections(), 0, 5000);
        QCoreApplication::processEvents();
        QCOMPARE(w.seen.windowAt, -1);
        QCOMPARE(m_server.requestCount("/en.json"), 0);
    }

    void nonInteractiveFetchesNothing()
    {
        serve("8.4.0", "8.0");
        freshManager();
        Watcher w;
        bool secondReturned = false;
        w.onWindow = [&](CUxUpdate* window) {
            // A call while the window is open returns at once.
            QElapsedTimer t;
            t.start();
            CUxUpdate::checkUpdate(nullptr, true);
            secondReturned = t.elapsed() < 200;
            QTest::mouseClick(window->form()->btnOperate, Qt::LeftButton);
        };
        CUxUpdate::checkUpdate(nullptr, false);
        QVERIFY(w.seen.windowAt >= 0);
        QCOMPARE(w.seen.popupAt, -1);
        QVERIFY(secondReturned);
        QCOMPARE(m_server.requestCount(), 0);
    }

    void forcedUpdateEndsTheLoop_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("close button") << "btnclose" << false;
        QTest::newRow("update now") << "btnOperate" << true;
    }
    void forcedUpdateEndsTheLoop()
    {
        QFETCH(QString, button);
        QFETCH(bool, opens);
        serve("8.4.0", "8.4.0");
        freshManager();
        checked();
        PlatformGuard guard;
        Watcher w;
        w.onWindow = [&](CUxUpdate* window) {
            QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
        };
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&loop] {
            CUxUpdate::checkUpdate(nullptr, false);
            QTimer::singleShot(0, &loop, [&loop] { loop.exit(2); });
        });
        QCOMPARE(loop.exec(), -1);
        QCOMPARE(guard.links.size(), opens ? 1 : 0);
        if (opens) {
            const QUrlQuery q(guard.links.at(0));
            QCOMPARE(q.queryItemValue("fui"), QStringLiteral("upui"));
            QCOMPARE(q.queryItemValue("jump", QUrl::FullyDecoded),
                     appendLinkParams("https://up.example/forced", "upui"));
        }
    }

    void textsMarkersAndSizes()
    {
        QStringList log;
        QString expectedLog;
        for (int i = 1; i <= 120; ++i) {
            log << QStringLiteral("<p style='font-size:%1px'>entry %2</p>").arg(i).arg(i);
            expectedLog += QStringLiteral("entry %1\n").arg(i);
        }
        serve("8.4.0", "8.0", upgradeSection(log));
        freshManager();
        checked();
        setFactor(1.5f);
        CUxUpdate window(nullptr);
        window.loadUpgradeInfo();
        Ui::update* ui = window.form();
        QCOMPARE(ui->labVersionResult->text(), QStringLiteral("<span style='font-size:24px'>Tarnwick 8.4.0 is out</span>"));
        QCOMPARE(ui->labDescription->text(),
                 QStringLiteral("<p style='font-size:21px'>From 8.3 to 8.4.0, 8.4.0 again: "
                                "<a href='https://x.example/a%2Fb?q=a%20b'>x</a></p>"));
        QCOMPARE(ui->textEdit->toPlainText().trimmed(), expectedLog.trimmed());
        // Each entry's size is its own, scaled.
        const QString html = ui->textEdit->toHtml();
        QVERIFY(html.contains("font-size:180px"));
        QVERIFY(html.contains("font-size:2px"));
        QCOMPARE(ui->btnOperate->text(), QStringLiteral("Update Now"));
        QVERIFY(ui->textEdit->styleSheet().contains("width:011px"));

        // A DPI change refills them.
        window.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        setFactor(1.0f);
        window.applyDpiRatio(1.0f);
        QTRY_VERIFY(ui->labDescription->text().contains("font-size:14px"));
        QCOMPARE(window.size(), QSize(888, 590));
        window.close();
    }
};

QTEST_MAIN(TestCUxUpdate)
#include "tst_cuxupdate.moc"
