// An analysis in the URL window against the scripted engine: the engine's
// answers, the questions they raise, the retries and the login, the search
// request, Stop, the upgrade check and the end.

#include "DialogAnswerer.h"
#include "PlatformGuard.h"
#include "RunEnd.h"
#include "ScriptedEngine.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/accounts/CUxDlLog.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbFirstLevelItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "platform/TaskbarProgress.h"
#include "shell/SettingsStore.h"
#include "ui_UrlAnalyserDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

using namespace Youtube_Structure;

namespace {

const QString kYoutubeUrl = QStringLiteral("https://www.youtube.com/watch?v=abc");
const QString kOtherUrl = QStringLiteral("http://127.0.0.1:9/page.html");

QList<SiteAccount*>& sites()
{
    return *Youtube::instance()->siteAccounts();
}

SiteAccount* site(const QString& host)
{
    for (SiteAccount* s : sites())
        if (s->website() == host)
            return s;
    return nullptr;
}

void resetStore()
{
    for (SiteAccount* s : sites())
        for (const QString& name : s->accountNames())
            s->removeAccount(name);
    if (sites().first()->website() != QLatin1String("www.youtube.com"))
        Youtube::instance()->moveSiteAccountToFront(1);
}

// One list of n items, each with status and history mark as given.
void fillModel(int n, int status = YtbNoError, int state = 3)
{
    List list;
    list.title = QStringLiteral("L");
    list.analysed = true;
    for (int i = 0; i < n; ++i) {
        Item item;
        item.title = QStringLiteral("Item %1").arg(i);
        item.url = QStringLiteral("https://www.youtube.com/watch?v=%1").arg(i);
        item.analysed = true;
        item.status = status;
        item.downloadState = state;
        list.items.append(std::move(item));
    }
    ScriptedEngine::model().append(std::move(list));
}

QStringList initCalls()
{
    QStringList out;
    for (const QString& c : ScriptedEngine::calls())
        if (c.startsWith(QLatin1String("initAnalyser(")))
            out << c;
    return out;
}

} // namespace

class TestUrlAnalyserFlow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    PopupBase* m_main = nullptr;
    UrlAnalyserDialog* m_dialog = nullptr;
    // What each initAnalyser call was given as credentials.
    QStringList m_credentials;

    Ui::UrlAnalyserDialog* ui() const { return m_dialog->form(); }

    void startWith(const QString& text)
    {
        ui()->lineEdit->setText(text);
        QTest::mouseClick(ui()->btnAnalyseOrStop, Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), m_dir.path());
        SettingsStore::instance()->setValue(QStringLiteral("youtube/account"), QStringLiteral("dialogUser"));
        SettingsStore::instance()->setEncryptedValue(QStringLiteral("youtube/pw"), QStringLiteral("dialogPw"));
        m_main = new PopupBase(nullptr);
        m_main->setBaseSize(1078, 710);
        m_main->init(m_main, m_main, 1.0f, true);
        UIBaseData::instance()->setMainPopup(m_main);
        m_dialog = new UrlAnalyserDialog(nullptr);
        connect(Youtube::instance(), &Youtube::doStartAnalyse, this, [this] {
            QString user, password;
            Youtube::instance()->accountInfo(user, password);
            m_credentials << user + QLatin1Char('/') + password;
        });
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

    void init()
    {
        ScriptedEngine::reset();
        resetStore();
        UrlAnalyserDialog::setUpgradeCheckArmed(false);
        m_credentials.clear();
        m_dialog->resetUi();
        QTRY_VERIFY(!ui()->btnAnalyseOrStop->isChecked());
    }

    void cleanup()
    {
        if (ScriptedEngine::isAnalysing())
            ScriptedEngine::finishAnalysis();
        // The end of the analysis brings the window back to rest.
        QTRY_VERIFY(ui()->closebtn->isEnabled());
        QTRY_VERIFY(!ui()->btnAnalyseOrStop->isChecked());
    }

    void engineAnswers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QStringList>("presses");   // "Class:button", in order
        QTest::addColumn<int>("attempts");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("texts");    // what the first question said

        const QStringList again = {QStringLiteral("Would you like to analyze again?")};
        QTest::newRow("0 result") << 0 << kYoutubeUrl << QStringList() << 1 << "mainPage" << QStringList();
        QTest::newRow("1 known site, login cancelled")
            << 1 << kYoutubeUrl << QStringList{"MsgDialog:btn_0", "CUxDlLog:btnClose"} << 1 << "page_preview"
            << QStringList{QStringLiteral("Incorrect account / password or authentication error!(logining on the "
                                          "website may solve the authentication error)!")};
        QTest::newRow("1 unknown site, No") << 1 << kOtherUrl << QStringList{"MsgDialog:btn_0"} << 1
                                            << "page_preview" << again;
        QTest::newRow("2 known site, Cancel")
            << 2 << kYoutubeUrl << QStringList{"MsgDialog:btn_1"} << 1 << "page_preview"
            << QStringList{QStringLiteral("This playlist is private. If your account has authority to watch, please login.")};
        QTest::newRow("2 unknown site, Yes then result")
            << 2 << kOtherUrl << QStringList{"MsgDialog:btn_1"} << 2 << "mainPage" << again;
        QTest::newRow("3 known site, closed")
            << 3 << kYoutubeUrl << QStringList{"MsgDialog:btn_close"} << 1 << "page_preview"
            << QStringList{QStringLiteral("This video is private. If your account has authority to watch, please login.")};
        QTest::newRow("4 silent") << 4 << kYoutubeUrl << QStringList() << 1 << "page" << QStringList();
        QTest::newRow("5 cancelled") << 5 << kYoutubeUrl << QStringList() << 1 << "page_preview" << QStringList();
        QTest::newRow("6 No") << 6 << kYoutubeUrl << QStringList{"MsgDialog:btn_0"} << 1 << "page_preview" << again;
        QTest::newRow("6 closed") << 6 << kYoutubeUrl << QStringList{"MsgDialog:btn_close"} << 1 << "page_preview"
                                  << again;
        QTest::newRow("7 silent") << 7 << kYoutubeUrl << QStringList() << 1 << "page" << QStringList();
        QTest::newRow("8 silent") << 8 << kYoutubeUrl << QStringList() << 1 << "page" << QStringList();
        QTest::newRow("9 Yes then result") << 9 << kYoutubeUrl << QStringList{"MsgDialog:btn_1"} << 2 << "mainPage"
                                           << again;
        QTest::newRow("10 silent") << 10 << kYoutubeUrl << QStringList() << 1 << "page" << QStringList();
    }
    void engineAnswers()
    {
        QFETCH(int, answer);
        QFETCH(QString, url);
        QFETCH(QStringList, presses);
        QFETCH(int, attempts);
        QFETCH(QString, page);
        QFETCH(QStringList, texts);
        fillModel(2);
        ScriptedEngine::queueInitAnswer(YoutubeError(answer));
        DialogAnswerer answerer;
        for (const QString& p : presses) {
            const QStringList parts = p.split(QLatin1Char(':'));
            answerer.press(parts.at(0).toLatin1().constData(), parts.at(1));
        }
        startWith(url);
        QTRY_VERIFY(answerer.allAnswered());
        QCOMPARE(initCalls(), QStringList(QVector<QString>(attempts, QStringLiteral("initAnalyser(%1)").arg(url)).toList()));
        QCOMPARE(ui()->stackedWidget->currentWidget()->objectName(), page);
        for (const QString& t : texts)
            QVERIFY2(answerer.seen.first().texts.contains(t), qPrintable(answerer.seen.first().texts.join('|')));
        if (page == QLatin1String("mainPage")) {
            QCOMPARE(m_dialog->itemRowsWidget()->count(), 2);
            QVERIFY(ui()->btn_done->isVisible());
        }
        if (!answerer.seen.isEmpty() && answerer.seen.first().className == QLatin1String("MsgDialog"))
            QVERIFY(answerer.seen.first().texts.contains(QStringLiteral("Warning")));
    }

    // A private video on a known site, "OK": the login dialog opens on the
    // address's site, and a confirmed account retries at once without the
    // account dialog's credentials.
    void loginRetriesAtOnce()
    {
        fillModel(1);
        site(QStringLiteral("www.youtube.com"))->addAccount(QStringLiteral("yt1"), QStringLiteral("p1"));
        // Vimeo first: the dialog must still open on YouTube.
        site(QStringLiteral("www.vimeo.com"))->addAccount(QStringLiteral("v1"), QStringLiteral("pv"));
        Youtube::instance()->moveSiteAccountToFront(1);
        ScriptedEngine::queueInitAnswer(YtbPrivateVideo);
        ScriptedEngine::queueInitAnswer(YtbNoError);
        DialogAnswerer answerer;
        QString shownSite;
        answerer.press("MsgDialog", QStringLiteral("btn_0"));
        answerer.run("CUxDlLog", [&shownSite](QWidget* w) {
            auto* d = static_cast<CUxDlLog*>(w);
            shownSite = sites().at(d->currentPosition())->website();
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
        startWith(kYoutubeUrl);
        QTRY_VERIFY(answerer.allAnswered());
        QCOMPARE(shownSite, QStringLiteral("www.youtube.com"));
        QCOMPARE(initCalls().size(), 2);
        QCOMPARE(ui()->stackedWidget->currentWidget(), ui()->mainPage);
        QCOMPARE(m_credentials.size(), 2);
        QCOMPARE(m_credentials.at(0), QStringLiteral("dialogUser/dialogPw"));
        QVERIFY(!m_credentials.at(1).contains(QLatin1String("dialogPw")));
    }

    void credentialsOnlyForYoutube_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("given");
        QTest::newRow("YouTube") << kYoutubeUrl << "dialogUser/dialogPw";
        QTest::newRow("other site") << kOtherUrl << "/";
        QTest::newRow("Vimeo") << "https://vimeo.com/123" << "/";
    }
    void credentialsOnlyForYoutube()
    {
        QFETCH(QString, url);
        QFETCH(QString, given);
        fillModel(1);
        startWith(url);
        QTRY_COMPARE(m_credentials.size(), 1);
        QCOMPARE(m_credentials.first(), given);
    }

    void wordsBecomeSearch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("request");
        QTest::newRow("words") << "cat videos" << "ytsearchdate10:cat videos";
        QTest::newRow("ftp is no address") << "ftp://x" << "ytsearchdate10:ftp://x";
        QTest::newRow("capital scheme") << "HTTPS://x" << "HTTPS://x";
        QTest::newRow("trimmed") << "  words  " << "ytsearchdate10:words";
    }
    void wordsBecomeSearch()
    {
        QFETCH(QString, text);
        QFETCH(QString, request);
        fillModel(1);
        startWith(text);
        QCOMPARE(initCalls(), QStringList{QStringLiteral("initAnalyser(%1)").arg(request)});
        QCOMPARE(ui()->lineEdit->text(), text);
    }

    void emptyInputDoesNothing()
    {
        ui()->lineEdit->setText(QStringLiteral("   "));
        ui()->btnAnalyseOrStop->setEnabled(true);
        QTest::mouseClick(ui()->btnAnalyseOrStop, Qt::LeftButton);
        QVERIFY(!ui()->btnAnalyseOrStop->isChecked());
        QVERIFY(initCalls().isEmpty());
    }

    void keysCloseNothing()
    {
        ui()->lineEdit->setText(QStringLiteral("words"));
        ui()->lineEdit->setFocus();
        QTest::keyClick(ui()->lineEdit, Qt::Key_Return);
        QTest::keyClick(m_dialog, Qt::Key_Escape);
        QVERIFY(m_dialog->isVisible());
        QVERIFY(initCalls().isEmpty());
    }

    void stopDuringSlowInit()
    {
        ScriptedEngine::queueInitAnswer(YtbNoError, 20000);
        ui()->lineEdit->setText(kYoutubeUrl);
        QTimer::singleShot(0, this, [this] {
            QTRY_VERIFY(ScriptedEngine::isInitWaiting());
            QTRY_VERIFY(ui()->btnAnalyseOrStop->isEnabled());
            QCOMPARE(ui()->btnAnalyseOrStop->text(), QStringLiteral("Stop"));
            QVERIFY(!ui()->closebtn->isEnabled());
            QTest::mouseClick(ui()->btnAnalyseOrStop, Qt::LeftButton);
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(ui()->btnAnalyseOrStop, Qt::LeftButton);
        QVERIFY(clock.elapsed() < 15000);
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("stopAnalyse()")));
        QCOMPARE(ui()->stackedWidget->currentWidget(), ui()->page_preview);
    }

    void upgradeCheck_data()
    {
        QTest::addColumn<bool>("offered");
        QTest::addColumn<bool>("programUpdate");
        QTest::addColumn<bool>("upgradeResult");
        QTest::addColumn<bool>("armedAfter");
        QTest::addColumn<QString>("press");
        QTest::newRow("nothing to check") << false << false << true << false << QString();
        QTest::newRow("program update first") << true << true << true << false << "btn_continue";
        QTest::newRow("pack updated") << true << false << true << false << QString("auto");
        QTest::newRow("pack update failed") << true << false << false << true << QString("auto");
    }
    void upgradeCheck()
    {
        QFETCH(bool, offered);
        QFETCH(bool, programUpdate);
        QFETCH(bool, upgradeResult);
        QFETCH(bool, armedAfter);
        QFETCH(QString, press);
        fillModel(1);
        UrlAnalyserDialog::setUpgradeCheckArmed(true);
        ScriptedEngine::setCheckUpgradeAnswer(offered, programUpdate);
        // Long enough for the answerer to see the dialog that runs the update.
        ScriptedEngine::setStartUpgradeAnswer(upgradeResult, 400);
        DialogAnswerer answerer;
        if (press == QLatin1String("auto"))
            answerer.run("YtbUpgradeDialog", [](QWidget*) {});
        else if (!press.isEmpty())
            answerer.press("YtbUpgradeDialog", press);
        startWith(kYoutubeUrl);
        QTRY_VERIFY(answerer.allAnswered());
        QCOMPARE(UrlAnalyserDialog::upgradeCheckArmed(), armedAfter);
        QCOMPARE(ScriptedEngine::calls().count(QStringLiteral("checkUpgrade()")), 1);
        QCOMPARE(ScriptedEngine::calls().count(QStringLiteral("startUpgrade()")), offered && !programUpdate ? 1 : 0);
        QCOMPARE(initCalls().size(), 1);
        UrlAnalyserDialog::setUpgradeCheckArmed(false);
    }

    void invalidEntries_data()
    {
        QTest::addColumn<int>("bad");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("tip");
        QTest::newRow("one") << 1 << 3 << "There is an invalid url in the list.";
        QTest::newRow("three") << 3 << 3 << "There are 3 invalid urls in the list.";
        QTest::newRow("marked rows do not count") << 3 << 2 << "unchanged";
    }
    void invalidEntries()
    {
        QFETCH(int, bad);
        QFETCH(int, state);
        QFETCH(QString, tip);
        ui()->labTip->setText(QStringLiteral("unchanged"));
        fillModel(bad, YtbAnalyseFailed, state);
        ScriptedEngine::model()[0].items.append(Item());
        startWith(kYoutubeUrl);
        ScriptedEngine::finishAnalysis();
        QTRY_VERIFY(!ui()->btnAnalyseOrStop->isChecked());
        QCOMPARE(ui()->labTip->text(), tip);
    }

    void taskbarProgress()
    {
        QList<TaskbarProgress::Update> updates;
        TaskbarProgress::setHandlerForTesting([&updates](const TaskbarProgress::Update& u) { updates << u; });
        fillModel(3);
        startWith(kYoutubeUrl);
        emit Youtube::instance()->doProgress(1, 0);
        emit Youtube::instance()->doProgress(2, 3);
        QTRY_COMPARE(updates.size(), 1);
        QVERIFY(updates.at(0).visible);
        QCOMPARE(updates.at(0).value, 2);
        QCOMPARE(updates.at(0).maximum, 3);
        ScriptedEngine::finishAnalysis();
        QTRY_COMPARE(updates.size(), 2);
        QVERIFY(!updates.at(1).visible);
        TaskbarProgress::setHandlerForTesting({});
    }

    void liveNotice()
    {
        DialogAnswerer answerer;
        answerer.press("MsgDialog", QStringLiteral("btn_0"));
        emit Youtube::instance()->doLiveMusicToVideo();
        QTRY_VERIFY(answerer.allAnswered());
        const QStringList texts = answerer.seen.first().texts;
        QVERIFY(texts.contains(QStringLiteral("The analyzed item is a live video.")));
        QVERIFY(texts.contains(QStringLiteral("The analysis result will change to video mode.")));
        QVERIFY(texts.contains(QStringLiteral("Warning")));
    }

    // The notice's one button speaks the interface's language too.
    void liveNoticeButtonIsTranslated()
    {
        struct Marking : QTranslator
        {
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* source, const char*, int) const override
            {
                return qstrcmp(context, "UrlAnalyserDialog") == 0 ? QStringLiteral("~%1~").arg(QLatin1String(source))
                                                                    : QString();
            }
        } marking;
        QCoreApplication::installTranslator(&marking);
        QString shown;
        DialogAnswerer answerer;
        answerer.run("MsgDialog", [&shown](QWidget* box) {
            auto* button = box->findChild<QPushButton*>(QStringLiteral("btn_0"));
            QVERIFY(button && button->isVisible());
            shown = button->text();
            QTest::mouseClick(button, Qt::LeftButton);
        });
        emit Youtube::instance()->doLiveMusicToVideo();
        QTRY_VERIFY(answerer.allAnswered());
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(shown.trimmed(), QStringLiteral("~OK~"));
    }

    void clearAccountAndLogged()
    {
        QSignalSpy logged(m_dialog, &UrlAnalyserDialog::logged);
        fillModel(1);
        startWith(kYoutubeUrl);
        QCOMPARE(ui()->btn_myList->text(), QStringLiteral("dialogUser's playlist"));
        QCOMPARE(ui()->btn_myList->property("loged").toInt(), 1);
        QCOMPARE(logged.count(), 1);
        QVERIFY(logged.at(0).at(0).toBool());
        ScriptedEngine::finishAnalysis();
        QTRY_VERIFY(ui()->btn_paste->isEnabled());
        site(QStringLiteral("www.vimeo.com"))->addAccount(QStringLiteral("v1"), QStringLiteral("pv"));
        m_dialog->resetUi();
        DialogAnswerer answerer;
        answerer.press("CUxDlLog", QStringLiteral("btnClose"));
        QVERIFY(ui()->btnLogIn->isVisible());
        QTest::mouseClick(ui()->btnLogIn, Qt::LeftButton);
        QTRY_VERIFY(answerer.allAnswered());
        QTRY_COMPARE(ui()->btnLog->text(), QStringLiteral("v1 's vimeo watch later playlist"));
        QVERIFY(ui()->btnLog->isEnabled());
        // The window keeps this button hidden; shown here, its click still
        // has to reach the slot through the form's own wiring.
        ui()->btn_clearAccount->show();
        QTest::mouseClick(ui()->btn_clearAccount, Qt::LeftButton);
        ui()->btn_clearAccount->hide();
        QCOMPARE(ui()->btn_myList->text(), QStringLiteral("My YouTube playlist"));
        QCOMPARE(ui()->btnLog->text(), QStringLiteral("My watch later playlist"));
        QVERIFY(!ui()->btnLog->isEnabled());
        QCOMPARE(logged.count(), 2);
        QVERIFY(!logged.at(1).at(0).toBool());
        // Put the dialog's password back for the later cases.
        SettingsStore::instance()->setEncryptedValue(QStringLiteral("youtube/pw"), QStringLiteral("dialogPw"));
    }
};

QTEST_MAIN(TestUrlAnalyserFlow)
#include "tst_urlanalyserflow.moc"
