// A profile tree that cannot be read, parsed on a worker thread as the
// profile manager does, brings up the error report window on the GUI thread;
// its "Done" closes it and the event loop ends with -1.
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileData.h"
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"
#include "gui/special/PopupForm/Unclassified/ErrorDialog.h"
#include "shell/MessageHook.h"

#include "ProfileTreeFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

#ifndef TW_HAVE_FATAL_REPORT
// Until the dialog library carries the report function, the same steps:
// the window without a parent, run modally, destroyed, then the loop ends.
void showFatalErrorAndExit(const QString&)
{
    auto* dialog = new ErrorDialog(nullptr, false);
    dialog->exec();
    delete dialog;
    QCoreApplication::exit(-1);
}
#endif

} // namespace

class TestProfileFatalReport : public QObject
{
    Q_OBJECT
private slots:
    void reportWindowEndsTheLoop();
};

void TestProfileFatalReport::reportWindowEndsTheLoop()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    fx.write(fx.shipped("converter_full.json"), QByteArray("no JSON at all"));
    int calls = 0;
    MessageHook::installFatal([&calls](const QString& text) {
        ++calls;
        QCOMPARE(QThread::currentThread(), qApp->thread());
        showFatalErrorAndExit(text);
    });
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("content error!"));
    QTest::ignoreMessage(QtCriticalMsg, "parse full profile error");

    ProfileData data;
    data.setModule(0);
    ProfileParser::ProfileParseError result = ProfileParser::NoParseError;
    QThread* worker = QThread::create([&] {
        ProfileParser parser;
        result = parser.parseProfile(&data);
    });
    QTimer::singleShot(0, worker, [worker] { worker->start(); });

    // "Done" is pressed once the report window runs modally.
    bool pressed = false;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<ErrorDialog*>(w);
            if (dialog && dialog->isVisible() && dialog->isModalRunning()) {
                auto* done = dialog->findChild<QPushButton*>("btn_doen");
                QVERIFY(done);
                poll.stop();
                pressed = true;
                QTest::mouseClick(done, Qt::LeftButton);
                return;
            }
        }
    });
    poll.start();
    QCOMPARE(QCoreApplication::exec(), -1);
    QVERIFY(pressed);
    QVERIFY(worker->wait(10000));
    delete worker;
    QCOMPARE(result, ProfileParser::FullProfileError);
    QCOMPARE(calls, 1);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<ErrorDialog*>(w) || !w->isVisible());
    MessageHook::installFatal(nullptr);
}

QTEST_MAIN(TestProfileFatalReport)
#include "tst_profilefatalreport.moc"
