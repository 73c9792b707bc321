#include "LocalHttpServer.h"
#include "PlatformGuard.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/AdsDialog.h"
#include "platform/Online.h"
#include "shell/SettingsStore.h"
#include "ui_AdsDialog.h"

#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrlQuery>
#include <QtTest>
#include <functional>

namespace {

SettingsStore* settings() { return SettingsStore::instance(); }

QByteArray adsDescription(const QJsonObject& ads)
{
    QJsonObject root;
    // A description is good only with its whole upgrade section.
    root["upgrade"] = QJsonObject{{"version", QJsonObject{{"old", QJsonArray{"o"}}, {"new", QJsonArray{"n"}}}},
                        {"description", QJsonObject{{"old", QJsonArray{"d"}}, {"new", QJsonArray{"e"}}}},
                        {"upgradelog", QJsonArray{"l"}},
                        {"upgradeurl", "https://up.example/normal"},
                        {"forcedurl", "https://up.example/forced"}};
    root["ads"] = ads;
    return QJsonDocument(root).toJson();
}

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

class TestAdsDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_profile;
    LocalHttpServer m_server;
    PopupBase* m_main = nullptr;
    qreal m_dpi = 96;

    QString picturePath() const { return settings()->configDir() + "/update.png"; }

    void setFactor(float f)
    {
        m_dpi = 96 * f;
        UIBaseData::instance()->setScale(f);
    }

    void writePicture(const QSize& size)
    {
        QImage img(size, QImage::Format_ARGB32);
        img.fill(QColor(0x21, 0xAA, 0xD4));
        QPainter p(&img);
        p.fillRect(0, 0, size.width() / 2, size.height(), QColor(0xFC, 0x67, 0x3A));
        p.end();
        QVERIFY(img.save(picturePath(), "PNG"));
    }

    // A fresh version manager, as at the start of a run; with served, a
    // check then fetches a description carrying that ad.
    void freshManager(const QJsonObject& served = QJsonObject())
    {
        m_server.clearRoutes();
        m_server.addFile("/version.json",
                         QJsonDocument(QJsonObject{{"version", "8.4.0.0"},
                                                   {"Date", "2026-2-1"},
                                                   {"forced", "8.0"},
                                                   {"en", m_server.url("/en.json").toString()}})
                             .toJson(),
                         "application/json");
        m_server.addFile("/en.json", adsDescription(served), "application/json");
        NetVersionMgr::Environment env;
        env.versionFileUrl = m_server.url("/version.json");
        NetVersionMgr::setInstanceEnvironmentForTesting(env);
        if (!served.isEmpty()) {
            QSignalSpy spy(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked);
            NetVersionMgr::instance()->checkVersion(true);
            QVERIFY(spy.wait(10000));
            QVERIFY(spy.at(0).at(0).toBool());
        }
    }

    static QJsonObject fullAd(const QString& tag)
    {
        return QJsonObject{{"pic_title", "<span style='font-size:20px'>Pic " + tag + "</span>"},
                           {"title", "<b style='font-size:16px'>Title " + tag + "</b>"},
                           {"details", QJsonArray{"<p style='font-size:14px'>one " + tag + "</p>", "<p>two</p>"}},
                           {"url", "https://shop.example/buy?x=a%2Fb"},
                           {"button", "Buy"},
                           {"label", "Less often"}};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_profile.isValid());
        settings()->setValue("base/customProfilePath", SettingsStore::toStoredPath(m_profile.path()));
        settings()->setValue("base/language", "en");
        QVERIFY(m_server.start(true));
        Online::setStateOverride([] { return Online::State::Online; });
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
        QFile::remove(picturePath());
        QFile::remove(m_profile.filePath("upd"));
        settings()->setValue("base/lowChanceShowingAd", "false");
    }

    void recordOfThisRunsCheck()
    {
        freshManager(fullAd("now"));
        AdsDialog dialog(nullptr);
        Ui::AdsDialog* ui = dialog.form();
        QCOMPARE(ui->lab_title->text(), QStringLiteral("<b style='font-size:16px'>Title now</b>"));
        QCOMPARE(ui->picLab->text(), QStringLiteral("<span style='font-size:20px'>Pic now</span>"));
        QCOMPARE(ui->lab_promotion->text(), QStringLiteral("<p style='font-size:14px'>one now</p><p>two</p>"));
        QCOMPARE(ui->btn_done->text(), QStringLiteral("   Buy   "));
        QCOMPARE(ui->btn_cancel->text(), QStringLiteral("Less often"));
        QVERIFY(!ui->btn_cancel->isHidden());
        QCOMPARE(dialog.size(), QSize(800, 470));
    }

    void recordKeptFromAnEarlierRun()
    {
        // The earlier run's good description lies in the profile folder.
        QFile kept(m_profile.filePath("upd"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write(adsDescription(fullAd("before")));
        kept.close();
        freshManager();
        QVERIFY(!NetVersionMgr::instance()->isDataValid());
        AdsDialog dialog(nullptr);
        QCOMPARE(dialog.form()->lab_title->text(), QStringLiteral("<b style='font-size:16px'>Title before</b>"));
    }

    void noRecordAtAll()
    {
        freshManager();
        PlatformGuard guard;
        AdsDialog dialog(nullptr);
        Ui::AdsDialog* ui = dialog.form();
        QVERIFY(ui->lab_title->text().isEmpty());
        QVERIFY(ui->picLab->text().isEmpty());
        QVERIFY(ui->lab_promotion->text().isEmpty());
        QVERIFY(ui->btn_done->text().isEmpty());
        QVERIFY(ui->btn_cancel->isHidden());
        // No picture file: the program's icon.
        QCOMPARE(ui->label->styleSheet(), QStringLiteral("border-image: url(:/res/icon.png);"));
        // The action button still asks the opener, with an empty address.
        whenRunning(&dialog, [&] { QTest::mouseClick(ui->btn_done, Qt::LeftButton); });
        dialog.exec(true);
        QCOMPARE(guard.links.size(), 1);
        QCOMPARE(QUrlQuery(guard.links.at(0)).queryItemValue("fui"), QStringLiteral("adui"));
        QCOMPARE(QUrlQuery(guard.links.at(0)).queryItemValue("jump", QUrl::FullyDecoded),
                 appendLinkParams(QString(), "adui"));
    }

    void textsFollowTheFactor()
    {
        freshManager(fullAd("now"));
        setFactor(1.5f);
        AdsDialog dialog(nullptr);
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(1200, 705));
        QVERIFY(dialog.form()->picLab->text().contains("font-size:30px"));
        QVERIFY(dialog.form()->lab_promotion->text().contains("font-size:21px"));
        QVERIFY(dialog.form()->widget_scroll->styleSheet().contains("width:011px"));
        // The link's own "%2F" is text, not a placeholder.
        dialog.close();
    }

    void pictureSizes_data()
    {
        QTest::addColumn<QString>("picTitle");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("maxWidth");
        QTest::newRow("no picture title") << QString() << true << 608;
        QTest::newRow("styled picture title") << "<span style='font-size:20px;color:#ff0000'>Big sale</span>" << true
                                              << 608;
        QTest::newRow("long plain title") << QString(20, QLatin1Char('W')) << true << 607;
        QTest::newRow("300-character title") << QString(300, QLatin1Char('W')) << false << 0;
    }
    void pictureSizes()
    {
        QFETCH(QString, picTitle);
        QFETCH(bool, shown);
        QFETCH(int, maxWidth);
        QJsonObject ad = fullAd("x");
        ad["pic_title"] = picTitle;
        freshManager(ad);
        writePicture(QSize(1600, 200));
        AdsDialog dialog(nullptr);
        QLabel* label = dialog.form()->label;
        QCOMPARE(!label->isHidden(), shown);
        if (!shown) {
            QVERIFY(label->width() >= 0);
            QVERIFY(!label->styleSheet().contains("update.png"));
            return;
        }
        int expected = 608;
        if (!picTitle.isEmpty()) {
            QFont font = dialog.form()->picLab->font();
            QVERIFY(font.bold());
            font.setPixelSize(26);
            font.setFamily(UIBaseData::instance()->fontFamily());
            // Narrowed by the shown words, not by their markup.
            const QString shownWords = picTitle.startsWith('<') ? QStringLiteral("Big sale") : picTitle;
            const int room = 800 - QFontMetrics(font).horizontalAdvance(shownWords);
            expected = qMin(608, room);
            QVERIFY(expected > 0);
        }
        QVERIFY(expected <= maxWidth);
        QCOMPARE(label->baseSize(), QSize(expected, 76));
        QCOMPARE(label->size(), QSize(expected, 76));
        QVERIFY(label->styleSheet().contains("update.png"));
    }

    // The settings folder of this test holds "'", ")" and "}" (see main):
    // the picture still shows.
    void pictureFromAnAwkwardFolder()
    {
        QVERIFY(settings()->configDir().contains("'"));
        QVERIFY(settings()->configDir().contains(")"));
        freshManager(fullAd("x"));
        writePicture(QSize(760, 76));
        AdsDialog dialog(nullptr);
        QLabel* label = dialog.form()->label;
        QVERIFY(label->styleSheet().startsWith("border-image: url(\""));
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage grab = label->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < grab.height(); y += 4)
            for (int x = 0; x < grab.width(); x += 4)
                colours << (grab.pixel(x, y) & 0xFFFFFF);
        QVERIFY2(colours.contains(qRgb(0xFC, 0x67, 0x3A) & 0xFFFFFF) && colours.size() > 1,
                 "the picture is not drawn");
        dialog.close();
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("opens");
        QTest::newRow("action") << "btn_done" << "false" << "false" << true;
        QTest::newRow("less often") << "btn_cancel" << "false" << "true" << false;
        QTest::newRow("less often, already") << "btn_cancel" << "true" << "true" << false;
        QTest::newRow("close") << "btnclose" << "false" << "false" << false;
    }
    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, opens);
        freshManager(fullAd("b"));
        settings()->setValue("base/lowChanceShowingAd", before);
        PlatformGuard guard;
        AdsDialog dialog(nullptr);
        bool escapeKept = false;
        whenRunning(&dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.windowHandle()->close();
            escapeKept = dialog.isVisible();
            QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        });
        dialog.exec(true);
        QVERIFY(escapeKept);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(settings()->value("base/lowChanceShowingAd"), after);
        QCOMPARE(guard.links.size(), opens ? 1 : 0);
        if (opens) {
            const QUrlQuery q(guard.links.at(0));
            QCOMPARE(q.queryItemValue("fui"), QStringLiteral("adui"));
            QVERIFY(q.queryItemValue("jump", QUrl::FullyDecoded).startsWith("https://shop.example/buy?x=a%2Fb"));
        }
    }
};

int main(int argc, char** argv)
{
    // A home folder like o'brien's, with ")" and "}" as well: the settings
    // folder (and the picture's path) inherits them.
    const QByteArray data = qgetenv("HOME") + "/data o'brien (x)}";
    QDir().mkpath(QString::fromLocal8Bit(data));
    qputenv("XDG_DATA_HOME", data);
    QApplication app(argc, argv);
    TestAdsDialog test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_adsdialog.moc"
