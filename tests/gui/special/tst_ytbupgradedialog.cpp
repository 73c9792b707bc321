#include "LocalHttpServer.h"
#include "PlatformGuard.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "function/Youtube/Youtube.h"
#include "function/Youtube/private/Upgrade/UpgradeYtb.h"
#include "function/Youtube/private/YoutubePrivate.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/YtbUpgradeDialog.h"
#include "platform/Online.h"
#include "shell/SettingsStore.h"
#include "ui_YtbUpgradeDialog.h"

#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrlQuery>
#include <QtTest>
#include <functional>

namespace {

SettingsStore* settings() { return SettingsStore::instance(); }

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A deflated zip made by Python's zipfile, entries in map order.
bool makeZip(const QString& zipPath, const QMap<QString, QByteArray>& files)
{
    QJsonObject entries;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        entries.insert(it.key(), QString::fromLatin1(it.value().toBase64()));
    QTemporaryFile list;
    if (!list.open())
        return false;
    list.write(QJsonDocument(entries).toJson());
    list.flush();
    const char* script =
        "import base64, json, sys, zipfile\n"
        "entries = json.load(open(sys.argv[1]))\n"
        "with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED) as z:\n"
        "    for name in sorted(entries):\n"
        "        z.writestr(name, base64.b64decode(entries[name]))\n";
    QProcess p;
    p.start("/usr/bin/python3", {"-c", script, list.fileName(), zipPath});
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Bytes that do not compress, so the pack takes a while at a throttled rate.
QByteArray noise(int size)
{
    QRandomGenerator g(7);
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        b[i] = char(g.bounded(256));
    return b;
}

// Runs fn once the dialog's modal loop shows it.
void whenRunning(PopupBase* dialog, std::function<void()> fn)
{
    auto* poll = new QTimer(dialog);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, dialog, [dialog, poll, fn] {
        if (dialog->isModalRunning() && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            fn();
        }
    });
    poll->start();
}

}

class TestYtbUpgradeDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_engine;
    QTemporaryDir m_tmp;
    LocalHttpServer m_server;
    PopupBase* m_main = nullptr;
    qreal m_dpi = 96;
    QByteArray m_pack;

    QString engine() const { return m_engine.path(); }
    QString descPath() const { return QStringLiteral("/youtube/upgradeYoutube.config"); }

    void setFactor(float f)
    {
        m_dpi = 96 * f;
        UIBaseData::instance()->setScale(f);
    }

    // Serves a description naming the pack route and lets the engine read it.
    void offerPack(const LocalHttpServer::Route& pack)
    {
        m_server.addRoute(QStringLiteral("/packs/engine.zip"), pack);
        QJsonObject o;
        o["lastModif"] = "2026-01-20";
        o["upgradeUrl_2"] = QJsonObject{{"a", m_server.url("/packs/engine.zip").toString()}};
        m_server.addFile(descPath(), QJsonDocument(o).toJson(), "application/json");
        bool programUpdate = true;
        QVERIFY(Youtube::instance()->checkUpgrade(programUpdate));
        QVERIFY(!programUpdate);
    }

    LocalHttpServer::Route throttledPack(qint64 bytesPerSecond) const
    {
        LocalHttpServer::Route r;
        r.body = m_pack;
        r.bytesPerSecond = bytesPerSecond;
        return r;
    }

    void verifyOldEngine()
    {
        QCOMPARE(readFile(engine() + "/downloader-dlp/downloader"), QByteArray("old launcher"));
        QVERIFY(!QFile::exists(engine() + "/downloader-dlp/new_module.py"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_engine.isValid() && m_tmp.isValid());
        settings()->setValue("youtube/path", SettingsStore::toStoredPath(engine()));
        settings()->setValue("youtube/pack", SettingsStore::toStoredPath(m_tmp.filePath("pack/youtube_dl.zip")));
        QVERIFY(m_server.start(true));
        UpgradeYtb::setDefaultDescriptionUrl(m_server.url(descPath()).toString());
        Online::setStateOverride([] { return Online::State::Unknown; });
        Youtube::instance()->privatePart()->upgrader()->setStallTimeout(400);

        // The version manager holds a program update address, as after a
        // check at start-up.
        m_server.addFile("/version.json",
                         QJsonDocument(QJsonObject{{"version", "8.4.0.0"},
                                                   {"forced", "8.0"},
                                                   {"en", m_server.url("/en.json").toString()}})
                             .toJson());
        const QJsonObject upgrade = QJsonObject{{"version", QJsonObject{{"old", QJsonArray{"o"}}, {"new", QJsonArray{"n"}}}},
                        {"description", QJsonObject{{"old", QJsonArray{"d"}}, {"new", QJsonArray{"e"}}}},
                        {"upgradelog", QJsonArray{"l"}},
                        {"upgradeurl", "https://up.example/tarnwick-8.4.exe"},
                        {"forcedurl", "https://up.example/forced"}};
        m_server.addFile("/en.json", QJsonDocument(QJsonObject{{"upgrade", upgrade}}).toJson());
        settings()->setValue("base/language", "en");
        NetVersionMgr::Environment env;
        env.versionFileUrl = m_server.url("/version.json");
        NetVersionMgr::setInstanceEnvironmentForTesting(env);
        QSignalSpy checked(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked);
        NetVersionMgr::instance()->checkVersion(true);
        QVERIFY(checked.wait(10000));
        QVERIFY(checked.at(0).at(0).toBool());
        QCOMPARE(NetVersionMgr::instance()->upgradeUrl(), QStringLiteral("https://up.example/tarnwick-8.4.exe"));

        const QString zip = m_tmp.filePath("engine.zip");
        QVERIFY(makeZip(zip, {{"downloader-dlp/downloader", "new launcher"},
                              {"downloader-dlp/new_module.py", noise(60000)}}));
        m_pack = readFile(zip);
        QVERIFY(m_pack.size() > 50000);

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
        m_server.clearRoutes();
        settings()->setValue("youtube/upcheckUrl", QString());
        settings()->setValue("youtube/modifyDate", "2025-03-10");
        QVERIFY(writeFile(engine() + "/downloader-dlp/downloader", "old launcher"));
        QFile::remove(engine() + "/downloader-dlp/new_module.py");
    }

    void updateRunsToItsEndAndCloses()
    {
        offerPack(throttledPack(60000));
        YtbUpgradeDialog dialog(false, nullptr);
        QList<int> percents;
        QTimer sample;
        sample.setInterval(20);
        QObject::connect(&sample, &QTimer::timeout, [&] {
            const int p = dialog.form()->lab_progress->text().chopped(1).toInt();
            if (percents.isEmpty() || percents.last() != p)
                percents << p;
        });
        sample.start();
        QCOMPARE(dialog.exec(), 0);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(readFile(engine() + "/downloader-dlp/downloader"), QByteArray("new launcher"));
        QVERIFY(QFile::exists(engine() + "/downloader-dlp/new_module.py"));
        // The percentage rose in steps and never went back.
        QVERIFY2(percents.size() >= 3, qPrintable(QString::number(percents.size())));
        for (int i = 1; i < percents.size(); ++i)
            QVERIFY(percents.at(i) > percents.at(i - 1));
        QCOMPARE(dialog.form()->progressBar->value(), 10000);
    }

    void cancelGreysAtOnceAndClosesWhenTheEngineEnds()
    {
        offerPack(throttledPack(20000));
        YtbUpgradeDialog dialog(false, nullptr);
        bool greyedAtOnce = false;
        bool openAfterCancel = false;
        QMetaObject::Connection c;
        c = connect(Youtube::instance(), &Youtube::doYtbUpgradeProcess, &dialog, [&](qlonglong cur, qlonglong) {
            if (cur <= 0 || !dialog.isVisible())
                return;
            disconnect(c);
            QTimer::singleShot(0, &dialog, [&] {
                QTest::mouseClick(dialog.form()->btn_cancel, Qt::LeftButton);
                greyedAtOnce = !dialog.form()->btn_cancel->isEnabled();
                openAfterCancel = dialog.isVisible();
            });
        });
        QCOMPARE(dialog.exec(), -1);
        QVERIFY(greyedAtOnce);
        QVERIFY(openAfterCancel);
        QVERIFY(!dialog.isVisible());
        verifyOldEngine();
    }

    void stalledPackFails()
    {
        LocalHttpServer::Route r;
        r.body = m_pack;
        r.stallAfterBytes = 2000;
        offerPack(r);
        YtbUpgradeDialog dialog(false, nullptr);
        QCOMPARE(dialog.exec(), -1);
        QVERIFY(!dialog.isVisible());
        verifyOldEngine();
    }

    void unknownLengthShowsNoProgressAndCompletes()
    {
        LocalHttpServer::Route r;
        r.body = m_pack;
        r.sendContentLength = false;
        r.closeAfterReply = true;
        r.bytesPerSecond = 200000;
        offerPack(r);
        YtbUpgradeDialog dialog(false, nullptr);
        // While the size is unknown nothing moves; the end may fill the bar.
        QSet<int> seen;
        const auto conn = connect(Youtube::instance(), &Youtube::doYtbUpgradeProcess, &dialog,
                                  [&](qlonglong, qlonglong) { seen << dialog.form()->progressBar->value(); });
        QCOMPARE(dialog.exec(), 0);
        disconnect(conn);
        QVERIFY(!seen.isEmpty());
        for (int v : qAsConst(seen))
            QVERIFY2(v == 0 || v == 10000, qPrintable(QString::number(v)));
        QCOMPARE(readFile(engine() + "/downloader-dlp/downloader"), QByteArray("new launcher"));
    }

    // The engine refuses a start while one runs and says nothing more; the
    // second dialog closes anyway and reports the failure.
    void refusedSecondStartCloses()
    {
        offerPack(throttledPack(40000));
        YtbUpgradeDialog first(false, nullptr);
        int second = 1;
        bool secondClosed = false;
        QMetaObject::Connection c;
        c = connect(Youtube::instance(), &Youtube::doYtbUpgradeProcess, &first, [&](qlonglong cur, qlonglong) {
            if (cur <= 0)
                return;
            disconnect(c);
            QTimer::singleShot(0, &first, [&] {
                YtbUpgradeDialog dialog(false, nullptr);
                second = dialog.exec();
                secondClosed = !dialog.isVisible();
            });
        });
        QCOMPARE(first.exec(), 0);
        QCOMPARE(second, -1);
        QVERIFY(secondClosed);
    }

    void progressTable_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<qlonglong>("cur");
        QTest::addColumn<qlonglong>("total");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("marker");
        for (float f : {1.0f, 1.5f}) {
            const QByteArray at = " at " + QByteArray::number(f);
            QTest::newRow("0/100" + at) << f << 0LL << 100LL << 0 << "0%" << 0;
            QTest::newRow("50/100" + at) << f << 50LL << 100LL << 5000 << "50%" << 226;
            QTest::newRow("100/100" + at) << f << 100LL << 100LL << 10000 << "100%" << 453;
            QTest::newRow("150/100" + at) << f << 150LL << 100LL << 10000 << "100%" << 453;
            QTest::newRow("5/0" + at) << f << 5LL << 0LL << 0 << "0%" << 0;
        }
    }
    void progressTable()
    {
        QFETCH(float, factor);
        QFETCH(qlonglong, cur);
        QFETCH(qlonglong, total);
        QFETCH(int, bar);
        QFETCH(QString, label);
        QFETCH(int, marker);
        setFactor(factor);
        YtbUpgradeDialog dialog(false, nullptr);
        QCOMPARE(dialog.size(), QSize(qRound(554 * factor), qRound(180 * factor)));
        QVERIFY(QMetaObject::invokeMethod(&dialog, "onProgress", Q_ARG(qlonglong, cur), Q_ARG(qlonglong, total)));
        Ui::YtbUpgradeDialog* ui = dialog.form();
        QCOMPARE(ui->progressBar->value(), bar);
        QCOMPARE(ui->lab_progress->text(), label);
        QCOMPARE(ui->float_widget->property("basePos").toPoint(), QPoint(marker, 0));
        QCOMPARE(ui->float_widget->pos(), QPoint(UIBaseData::scaled(float(marker)), 0));
        // The marker never leaves its track.
        QVERIFY(ui->float_widget->geometry().right() <= ui->float_area->width());
    }

    void templatesFollowTheFactor_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<QString>("lineHeight");
        QTest::addColumn<QString>("radius");
        QTest::newRow("1") << 1.0f << "line-height:20px" << "border-radius:03px";
        QTest::newRow("1.5") << 1.5f << "line-height:30px" << "border-radius:05px";
    }
    void templatesFollowTheFactor()
    {
        QFETCH(float, factor);
        QFETCH(QString, lineHeight);
        QFETCH(QString, radius);
        setFactor(factor);
        for (bool program : {false, true}) {
            YtbUpgradeDialog dialog(program, nullptr);
            dialog.show(true);
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY(dialog.form()->label->text().contains(lineHeight));
            QVERIFY(dialog.form()->label->text().contains("Please wait until the update finished."));
            QVERIFY(dialog.form()->label_2->text().contains(lineHeight));
            QVERIFY(dialog.form()->progressBar->styleSheet().contains(radius));
            QVERIFY(!dialog.form()->progressBar->styleSheet().contains("%1"));
            QCOMPARE(dialog.form()->stackedWidget->currentWidget(),
                     program ? dialog.form()->programUpgrade : dialog.form()->ytbUpgrade);
            dialog.close();
        }
    }

    void programPage_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("update") << "btn_upgrade" << true;
        QTest::newRow("continue") << "btn_continue" << false;
    }
    void programPage()
    {
        QFETCH(QString, button);
        QFETCH(bool, opens);
        PlatformGuard guard;
        m_server.clearRequests();
        YtbUpgradeDialog dialog(true, nullptr);
        whenRunning(&dialog, [&] {
            QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), 0);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(guard.links.size(), opens ? 1 : 0);
        if (opens) {
            const QUrlQuery q(guard.links.at(0));
            QCOMPARE(q.queryItemValue("fui"), QStringLiteral("ytbupui"));
            QCOMPARE(q.queryItemValue("jump", QUrl::FullyDecoded),
                     appendLinkParams("https://up.example/tarnwick-8.4.exe", "ytbupui"));
        }
        // The program page never touches the engine.
        QCOMPARE(m_server.requestCount(), 0);
    }

    void escapeAndWindowCloseDoNotEndIt()
    {
        YtbUpgradeDialog dialog(true, nullptr);
        bool stillOpen = false;
        whenRunning(&dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.windowHandle()->close();
            stillOpen = dialog.isVisible();
            dialog.form()->btn_continue->click();
        });
        QCOMPARE(dialog.exec(), 0);
        QVERIFY(stillOpen);
    }
};

QTEST_MAIN(TestYtbUpgradeDialog)
#include "tst_ytbupgradedialog.moc"
