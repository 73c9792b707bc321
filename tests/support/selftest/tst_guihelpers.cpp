// The window-test helpers: the dialog answerer and the platform guard.

#include "DialogAnswerer.h"
#include "PlatformGuard.h"
#include "TextFit.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
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

    // The text check names each cut, covered or overlapping text once, and
    // leaves texts that fit, hidden ones and ones parked out of sight alone.
    void textFitFindsCutTexts()
    {
        QWidget window;
        window.resize(300, 200);
        QFont font;
        font.setPixelSize(12);
        window.setFont(font);
        const int wide = QFontMetrics(font).horizontalAdvance(QStringLiteral("A text that is long")) + 4;
        auto label = [&](const char* name, const QString& text, const QRect& r, QWidget* parent) {
            auto* l = new QLabel(text, parent);
            l->setObjectName(QLatin1String(name));
            l->setGeometry(r);
            return l;
        };
        label("fits", QStringLiteral("A text that is long"), QRect(0, 0, wide, 20), &window);
        label("narrow", QStringLiteral("A text that is long"), QRect(0, 30, wide / 2, 20), &window);
        auto* box = new QWidget(&window);
        box->setGeometry(0, 60, 60, 20);
        label("coveredByItsBox", QStringLiteral("A text that is long"), QRect(0, 0, wide, 20), box);
        label("first", QStringLiteral("Left"), QRect(0, 100, 60, 20), &window);
        label("second", QStringLiteral("Right"), QRect(20, 100, 60, 20), &window)->setAlignment(Qt::AlignLeft);
        label("hidden", QStringLiteral("A text that is long"), QRect(0, 130, 10, 20), &window)->hide();
        label("parked", QStringLiteral("A text that is long"), QRect(-400, 130, wide, 20), &window);
        auto* button = new QPushButton(QStringLiteral("A text that is long"), &window);
        button->setObjectName(QStringLiteral("button"));
        button->setStyleSheet(QStringLiteral("QPushButton{border:none;padding:0;}"));
        button->setGeometry(0, 160, wide / 2, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList names;
        for (const TextFit::Finding& f : TextFit::clippedTexts(&window))
            names << f.widget->objectName();
        names.sort();
        QCOMPARE(names, (QStringList{"button", "coveredByItsBox", "first", "narrow"}));
        QVERIFY(TextFit::describe(TextFit::clippedTexts(&window)).contains(QStringLiteral("drawn over \"Right\"")));

        // Something reaching out of the window.
        QVERIFY(TextFit::outsideWindow(&window).isEmpty());
        auto* out = new QWidget(&window);
        out->setObjectName(QStringLiteral("out"));
        out->setGeometry(250, 180, 100, 40);
        out->show();
        const QList<TextFit::Finding> outside = TextFit::outsideWindow(&window);
        QCOMPARE(outside.size(), 1);
        QCOMPARE(outside.first().widget.data(), out);
    }
};

QTEST_MAIN(TestGuiHelpers)
#include "tst_guihelpers.moc"
