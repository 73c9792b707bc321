#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "platform/Signals.h"
#include "ui_MsgDialog.h"
#include "DialogAnswerer.h"

#include <QApplication>
#include <QScreen>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <csignal>
#include <functional>

namespace {
// Presses a button of the first message box that shows up.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(const char* button) : m_button(button)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::poll);
        m_timer.start();
    }
    MsgDialog* seen = nullptr;
    std::function<void(MsgDialog*)> inspect;

private:
    void poll()
    {
        const QWidgetList all = QApplication::topLevelWidgets();
        for (QWidget* w : all) {
            auto* box = qobject_cast<MsgDialog*>(w);
            if (!box) {
                box = w->findChild<MsgDialog*>();
            }
            if (box && box->isVisible() && box->isModalRunning()) {
                m_timer.stop();
                seen = box;
                if (inspect)
                    inspect(box);
                if (m_button)
                    box->findChild<QPushButton*>(QLatin1String(m_button))->click();
                return;
            }
        }
    }
    const char* m_button;
    QTimer m_timer;
};
}

class TestMsgDialog : public QObject
{
    Q_OBJECT

    PopupBase* m_main = nullptr;

private slots:
    void initTestCase()
    {
        // 144 dpi on a large screen: the interface factor is 1.5.
        PopupBase::setScreenMetricsProvider([](QScreen*) {
            ScreenMetrics m;
            m.logicalDpi = 144;
            m.geometry = m.available = QRect(0, 0, 3840, 2160);
            return m;
        });
        m_main = new PopupBase(nullptr);
        m_main->setBaseSize(1078, 710);
        m_main->init(m_main, m_main, 1.0f, true);
        m_main->show(true);
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        QVERIFY(Signals::installQuitOnTerminate());
        QCOMPARE(UIBaseData::instance()->scale(), 1.5f);
    }

    void cleanupTestCase()
    {
        m_main->close();
        delete m_main;
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("btn0");
        QTest::addColumn<QString>("btn1");
        QTest::addColumn<QString>("btn2");
        QTest::addColumn<bool>("lone");
        QTest::addColumn<QString>("shown0");
        QTest::newRow("no texts: one centred Done") << "" << "" << "" << true << "Done";
        QTest::newRow("only the first") << "OK" << "" << "" << true << "OK";
        QTest::newRow("first empty, second given") << "" << "No" << "" << false << "";
        QTest::newRow("all three") << "Yes" << "No" << "Later" << false << "Yes";
    }
    void buttons()
    {
        QFETCH(QString, btn0);
        QFETCH(QString, btn1);
        QFETCH(QString, btn2);
        QFETCH(bool, lone);
        QFETCH(QString, shown0);
        MsgDialog box(QStringLiteral("Heading"), QStringLiteral("Text"), QString(), btn0, btn1, btn2, nullptr,
                      QStringLiteral("Title"), 1);
        Ui::MsgDialog* ui = box.form();
        QCOMPARE(ui->btn_0->isVisibleTo(&box), !shown0.isEmpty());
        QCOMPARE(ui->btn_1->isVisibleTo(&box), !btn1.isEmpty());
        QCOMPARE(ui->btn_2->isVisibleTo(&box), !btn2.isEmpty());
        if (!shown0.isEmpty())
            QCOMPARE(ui->btn_0->text(), shown0);
        if (lone) {
            QCOMPARE(ui->btn_0->parentWidget(), ui->widget_15);
            QCOMPARE(ui->btn_0->property("basePos").toPoint(), QPoint(381, 0));
            QCOMPARE(ui->btn_0->pos(), UIBaseData::scaledPoint(QPoint(381, 0)));
            QCOMPARE(ui->btn_0->pos(), QPoint(572, 0));
            QCOMPARE(ui->btn_0->size(), QSize(186, 50));
        } else {
            QCOMPARE(ui->btn_0->parentWidget(), ui->widget_2);
        }
        QCOMPARE(ui->lab_info->text(), QStringLiteral("Heading"));
        QCOMPARE(ui->lab_title->text(), QStringLiteral("Title"));
        QCOMPARE(box.baseSize(), QSize(888, 590));
        QCOMPARE(box.size(), QSize(1332, 885));
    }

    void nullParentIsTheMainPopup()
    {
        MsgDialog box(QString(), QString(), QString(), QString(), QString(), QString(), nullptr, QString(), 1);
        QCOMPARE(box.parentWidget(), static_cast<QWidget*>(m_main));
        QVERIFY(box.isWindow());
    }

    void showMsgAnswers_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("expected");
        QTest::newRow("first") << "btn_0" << 0;
        QTest::newRow("second") << "btn_1" << 1;
        QTest::newRow("third") << "btn_2" << 2;
        QTest::newRow("close") << "btn_close" << 3;
    }
    void showMsgAnswers()
    {
        QFETCH(QString, button);
        QFETCH(int, expected);
        DialogAnswerer answerer;
        answerer.press("MsgDialog", button);
        const int result = MsgDialog::showMsg(QStringLiteral("Heading"), QStringLiteral("Text"), QString(),
                                              QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), nullptr,
                                              QStringLiteral("Title"), 1);
        QVERIFY(answerer.allAnswered());
        QVERIFY(!answerer.hasFailed());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().pressed, button);
        QCOMPARE(result, expected);
    }

    void countdown()
    {
        MsgDialog box(QStringLiteral("Automatic shutdown"), QStringLiteral("never shown"), QString(),
                      QStringLiteral("Shutdown Now"), QStringLiteral("Cancel"), QString(), nullptr,
                      QStringLiteral("Warning"), 0);
        Ui::MsgDialog* ui = box.form();
        QCOMPARE(box.remainingSeconds(), 30);
        QVERIFY(ui->lab_content->text().contains(QStringLiteral(">30</span>")));
        QVERIFY(!ui->lab_content->text().contains(QStringLiteral("never shown")));
        QVERIFY(box.windowFlags() & Qt::WindowStaysOnTopHint);
        box.show(true);
        for (int i = 0; i < 29; ++i)
            QMetaObject::invokeMethod(&box, "onTimeout");
        QCOMPARE(box.remainingSeconds(), 1);
        QVERIFY(box.isVisible());
        QMetaObject::invokeMethod(&box, "onTimeout");
        QVERIFY(ui->lab_content->text().contains(QStringLiteral(">0</span>")));
        QCOMPARE(box.result(), 0);
        QVERIFY(!box.isVisible());
    }

    // Neither Escape nor the window manager's close answers the box; the
    // answer is still the button pressed afterwards.
    void escapeAndWindowCloseLeaveItOpen_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("normal") << 1;
        QTest::newRow("countdown") << 0;
    }
    void escapeAndWindowCloseLeaveItOpen()
    {
        QFETCH(int, type);
        BoxAnswerer answerer("btn_1");
        bool open = false;
        int resultMeanwhile = -1;
        answerer.inspect = [&](MsgDialog* box) {
            QTest::keyClick(box, Qt::Key_Escape);
            if (QWidget* focus = QApplication::focusWidget())
                QTest::keyClick(focus, Qt::Key_Escape);
            box->windowHandle()->close();
            open = box->isVisible();
            resultMeanwhile = box->result();
        };
        const int result = MsgDialog::showMsg(QStringLiteral("Heading"), QString(), QString(), QStringLiteral("A"),
                                              QStringLiteral("B"), QString(), nullptr, QStringLiteral("Title"), type);
        QVERIFY(answerer.seen);
        QVERIFY(open);
        QCOMPARE(resultMeanwhile, 0);
        QCOMPARE(result, 1);
    }

    void noKeyAnswersTheCountdown()
    {
        BoxAnswerer answerer("btn_1");
        bool open = false;
        int remaining = 0;
        answerer.inspect = [&](MsgDialog* box) {
            QApplication::setActiveWindow(box);
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab,
                                Qt::Key_Y, Qt::Key_N, Qt::Key_F4}) {
                QTest::keyClick(box, key);
                QWidget* focus = QApplication::focusWidget();
                if (focus && focus != box)
                    QTest::keyClick(focus, key);
            }
            QTest::keyClick(box, Qt::Key_F4, Qt::AltModifier);
            open = box->isVisible();
            remaining = box->remainingSeconds();
        };
        const int result = MsgDialog::showMsg(QStringLiteral("Automatic shutdown"), QString(), QString(),
                                              QStringLiteral("Shutdown Now"), QStringLiteral("Cancel"), QString(),
                                              nullptr, QStringLiteral("Warning"), 0);
        QVERIFY(open);
        QVERIFY(remaining > 25);
        QCOMPARE(result, 1);
    }

    // One whole countdown on the real one-second timer: nobody answers, the
    // question ends with 0, the flag is set and the loop told to quit.
    void countdownRunsOutOnItsOwn()
    {
        UIBaseData::instance()->setShutdownRequested(false);
        BoxAnswerer watcher(nullptr);
        QElapsedTimer clock;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&loop, &clock] {
            clock.start();
            UIBaseData::askAutoShutdown();
            QTimer::singleShot(0, &loop, [&loop] { loop.exit(2); });
        });
        // Bounded: a countdown that never ends fails instead of hanging.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &loop, [&loop, &watcher] {
            if (watcher.seen)
                watcher.seen->findChild<QPushButton*>(QStringLiteral("btn_1"))->click();
            loop.exit(3);
        });
        guard.start(45000);
        const int code = loop.exec();
        QVERIFY(watcher.seen);
        QCOMPARE(code, 0);
        QVERIFY(UIBaseData::instance()->isShutdownRequested());
        QVERIFY2(clock.elapsed() >= 29000, qPrintable(QString::number(clock.elapsed())));
        UIBaseData::instance()->setShutdownRequested(false);
    }

    void linksDoNothing()
    {
        MsgDialog box(QStringLiteral("<a href=\"x\">x</a>"), QString(), QString(), QString(), QString(), QString(),
                      nullptr, QString(), 1);
        emit box.form()->lab_info->linkActivated(QStringLiteral("x"));
        QCOMPARE(box.result(), 0);
    }

    void askAutoShutdown_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("requested");
        QTest::addColumn<bool>("quits");
        QTest::newRow("shutdown now") << "btn_0" << true << true;
        QTest::newRow("cancel") << "btn_1" << false << false;
        QTest::newRow("close") << "btn_close" << false << false;
        // SIGTERM while the question is open ends the program, not the computer.
        QTest::newRow("terminated") << "SIGTERM" << false << true;
    }
    void askAutoShutdown()
    {
        QFETCH(QString, button);
        QFETCH(bool, requested);
        QFETCH(bool, quits);
        UIBaseData::instance()->setShutdownRequested(false);
        QString heading;
        int remaining = 0;
        DialogAnswerer answerer;
        answerer.run("MsgDialog", [&](QWidget* w) {
            auto* box = static_cast<MsgDialog*>(w);
            heading = box->form()->lab_info->text();
            remaining = box->remainingSeconds();
            if (button == QLatin1String("SIGTERM"))
                ::raise(SIGTERM);
            else
                box->findChild<QPushButton*>(button)->click();
        });

        // After the question the loop is ended with 2 unless the box quit it
        // already (code 0).
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&loop] {
            UIBaseData::askAutoShutdown();
            QTimer::singleShot(0, &loop, [&loop] { loop.exit(2); });
        });
        const bool quitByBox = loop.exec() == 0;
        QVERIFY(answerer.allAnswered());
        QCOMPARE(heading, QStringLiteral("Automatic shutdown"));
        QVERIFY(remaining > 25);
        QCOMPARE(UIBaseData::instance()->isShutdownRequested(), requested);
        QCOMPARE(quitByBox, quits);
        UIBaseData::instance()->setShutdownRequested(false);
    }

    void cleanup()
    {
        // A quit leaves Qt refusing to start event loops until the
        // application's own loop runs once more.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }
};

QTEST_MAIN(TestMsgDialog)
#include "tst_msgdialog.moc"
