// The window-test helpers: the dialog answerer and the platform guard.

#include "DialogAnswerer.h"
#include "PlatformGuard.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

class TestGuiHelpers : public QObject
{
    Q_OBJECT
private slots:
    void answererReadsABoxAndPresses()
    {
        DialogAnswerer answerer;
        answerer.press("MsgDialog", QStringLiteral("btn_1"));
        const int result = MsgDialog::showMsg(QStringLiteral("Heading"), QStringLiteral("Body text"), QString(),
                                              QStringLiteral("Yes"), QStringLiteral("No"), QString(), nullptr,
                                              QStringLiteral("Question"), 1);
        QCOMPARE(result, 1);
        QVERIFY(answerer.allAnswered());
        QVERIFY(!answerer.hasFailed());
        QCOMPARE(answerer.seen.size(), 1);
        const DialogAnswerer::Seen& s = answerer.seen.first();
        QCOMPARE(s.className, QStringLiteral("MsgDialog"));
        QVERIFY2(s.texts.contains(QStringLiteral("Heading")), qPrintable(s.texts.join('|')));
        QVERIFY(s.texts.contains(QStringLiteral("Question")));
        QVERIFY(s.buttons.contains(QStringLiteral("btn_0")));
        QVERIFY(s.buttons.contains(QStringLiteral("btn_1")));
        QCOMPARE(s.pressed, QStringLiteral("btn_1"));
    }

    void answersQueueInOrder()
    {
        DialogAnswerer answerer;
        answerer.press("MsgDialog", QStringLiteral("btn_0")).press("MsgDialog", QStringLiteral("btn_close"));
        const int first = MsgDialog::showMsg(QStringLiteral("One"), QString(), QString(), QStringLiteral("A"),
                                             QStringLiteral("B"), QString(), nullptr, QString(), 1);
        const int second = MsgDialog::showMsg(QStringLiteral("Two"), QString(), QString(), QStringLiteral("A"),
                                              QStringLiteral("B"), QString(), nullptr, QString(), 1);
        QCOMPARE(first, 0);
        QCOMPARE(second, 3);
        QVERIFY(answerer.allAnswered());
    }

    void unexpectedDialogFailsInsteadOfHanging()
    {
        DialogAnswerer answerer;
        answerer.setFailsTest(false);
        QElapsedTimer clock;
        clock.start();
        MsgDialog::showMsg(QStringLiteral("Nobody expects me"), QString(), QString(), QStringLiteral("A"), QString(),
                           QString(), nullptr, QString(), 1);
        QVERIFY(clock.elapsed() < 15000);
        QVERIFY(answerer.hasFailed());
        QVERIFY2(answerer.failures().first().contains(QStringLiteral("unexpected dialog MsgDialog")),
                 qPrintable(answerer.failures().first()));
    }

    void missingDialogTimesOut()
    {
        DialogAnswerer answerer(200);
        answerer.setFailsTest(false);
        answerer.press("MsgDialog", QStringLiteral("btn_0"));
        QTRY_VERIFY(answerer.hasFailed());
        QVERIFY(answerer.allAnswered());
        QVERIFY(answerer.failures().first().contains(QStringLiteral("no MsgDialog")));
    }

    void guardKeepsTheDesktopOut()
    {
        QTemporaryDir dir;
        {
            PlatformGuard guard;
            UIBaseData::OpenFolderAndSelectFiles(dir.path(), {dir.filePath(QStringLiteral("a.mp4"))});
            QVERIFY(UIBaseData::openPHPParams(QStringLiteral("ytbana"), QStringLiteral("https://example.org/page")));
            QVERIFY(QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:support@example.org"))));
            QCOMPARE(guard.fileManager.size(), 1);
            QCOMPARE(guard.fileManager.first().folder, dir.path());
            QCOMPARE(guard.links.size(), 2);
            QVERIFY(guard.links.first().toString().contains(QStringLiteral("example.org")));
            QCOMPARE(guard.links.at(1).scheme(), QStringLiteral("mailto"));
            QCOMPARE(guard.total(), 3);
        }
    }
};

QTEST_MAIN(TestGuiHelpers)
#include "tst_guihelpers.moc"
