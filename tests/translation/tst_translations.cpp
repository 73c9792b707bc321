// Each interface language as its user sees it: under the language's
// compiled translation, the main window with its download page, the analysis
// window, the settings window, a message box and the update window are built
// on a virtual X display at factor 1.0, and their visible texts are walked.
// Listed are texts still equal to an English source text (outside the few
// that stay the same in that language) and texts wider than the room their
// widget gives them in Tahoma.

#include "InterfaceTexts.h"
#include "ShownText.h"
#include "XvfbMain.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CUxTpTextIllus.h"
#include "gui/common/SmallButtons.h"
#include "gui/common/cuxupdate.h"
#include "gui/main/MainWindow.h"
#include "gui/settings/SettingDialog.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbLinkWords.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "ui_checkUpdate.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

QString binaryDir() { return qEnvironmentVariable("TW_BINARY_DIR"); }
QString sourceDir() { return qEnvironmentVariable("TW_SOURCE_DIR"); }

using namespace InterfaceTexts;

void walk(const QString& window, QWidget* top, const EnglishTexts& english, const QSet<QString>& allowed,
          QStringList* findings)
{
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : qAsConst(widgets)) {
        if (!w->isVisible() || w->width() <= 0 || w->height() <= 0)
            continue;
        const Shown s = shownText(w);
        if (s.text.isEmpty() || !hasLetters(s.text))
            continue;
        const QString name = window + QLatin1Char(':') + where(w, top);
        if (!sameEverywhere(s.text) && !allowed.contains(s.text) && english.contains(s.text))
            *findings << QStringLiteral("%1 still English: \"%2\"").arg(name, s.text);
        if (s.room >= 0 && s.needed > s.room)
            *findings << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(name, s.text).arg(s.needed).arg(s.room);
    }
}

void settle(QWidget* w)
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCoreApplication::processEvents();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    EnglishTexts m_english;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        // Tahoma as the program uses it; the widths are measured in it.
        for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            QVERIFY2(QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0, file);
        QVERIFY(QFontDatabase().families().contains(QStringLiteral("Tahoma")));
        QCOMPARE(UIBaseData::instance()->scale(), 1.0f);
        QVERIFY(m_english.load(sourceDir() + QStringLiteral("/translation/en.ts")));
    }

    void everyWindowInTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        // Texts that are rightly the same as the English in that language.
        QTest::addColumn<QStringList>("allowed");
        QTest::newRow("de") << "de" << QStringList{QStringLiteral("OK")};
        QTest::newRow("fr") << "fr" << QStringList{QStringLiteral("OK")};
        QTest::newRow("es") << "es" << QStringList();
        QTest::newRow("it") << "it" << QStringList{QStringLiteral("OK"), QStringLiteral("Account")};
        QTest::newRow("ja") << "ja" << QStringList{QStringLiteral("OK")};
        QTest::newRow("zh-hans") << "zh-hans" << QStringList();
        QTest::newRow("zh-hant") << "zh-hant" << QStringList();
        QTest::newRow("pt-pt") << "pt-pt" << QStringList{QStringLiteral("OK")};
        QTest::newRow("ko") << "ko" << QStringList{QStringLiteral("OK")};
    }
    void everyWindowInTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, allowed);
        const QSet<QString> same(allowed.cbegin(), allowed.cend());

        QTranslator translator;
        QVERIFY(translator.load(binaryDir() + QStringLiteral("/bin/translation/%1.qm").arg(code)));
        QVERIFY(!translator.isEmpty());
        QCoreApplication::installTranslator(&translator);
        const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

        QStringList findings;

        auto* window = new MainWindow(nullptr);
        // The main window is a child of its shadow window when it has one.
        std::unique_ptr<QWidget> top(window->shadow() && window->parentWidget() == window->shadow()
                                         ? static_cast<QWidget*>(window->shadow())
                                         : static_cast<QWidget*>(window));
        window->show(true);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        walk(QStringLiteral("main window"), window, m_english, same, &findings);
        // The download page: its tool bar over the list instead of the start
        // page's steps.
        auto* page = window->findChild<QWidget*>(QStringLiteral("DownloaderForm"));
        QVERIFY(page);
        auto* pages = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
        QVERIFY(pages);
        pages->setCurrentIndex(1);
        QCoreApplication::processEvents();
        walk(QStringLiteral("download page"), page, m_english, same, &findings);
        window->close();

        {
            UrlAnalyserDialog analysis;
            settle(&analysis);
            walk(QStringLiteral("analysis window"), &analysis, m_english, same, &findings);
            analysis.close();
        }
        {
            SettingDialog settings(nullptr);
            settings.show(true);
            QVERIFY(QTest::qWaitForWindowExposed(&settings));
            walk(QStringLiteral("settings window"), &settings, m_english, same, &findings);
            settings.close();
        }
        {
            // The language question, with the texts its caller passes.
            const char* context = "SettingDialog_Downloader";
            MsgDialog box(QCoreApplication::translate(context, "Changing Language"),
                          QCoreApplication::translate(context,
                                                      "Program will restart after changing language, If you are sure "
                                                      "to change, please click \"Continue\" button."),
                          QString(), QCoreApplication::translate(context, "Continue"),
                          QCoreApplication::translate(context, "Cancel"), QString(), nullptr,
                          QCoreApplication::translate("MsgDialog", "Warning"), 1);
            box.show(true);
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            walk(QStringLiteral("message box"), &box, m_english, same, &findings);
            box.close();
        }
        {
            PopupBase popup(nullptr);
            Ui::checkUpdate form;
            form.setupUi(&popup);
            form.label->setText(QStringLiteral("Tarnwick"));
            popup.init(&popup, &popup, 1.0f, false);
            popup.show(true);
            QVERIFY(QTest::qWaitForWindowExposed(&popup));
            walk(QStringLiteral("update check"), &popup, m_english, same, &findings);
            popup.close();

            CUxUpdate update(nullptr);
            update.loadUpgradeInfo();
            update.show(true);
            QVERIFY(QTest::qWaitForWindowExposed(&update));
            walk(QStringLiteral("update window"), &update, m_english, same, &findings);
            update.close();
        }

        // Listed in full: a failure message would be cut short.
        for (const QString& finding : qAsConst(findings))
            qInfo().noquote() << finding;
        QVERIFY2(findings.isEmpty(), qPrintable(QStringLiteral("%1 texts listed above").arg(findings.size())));
    }
};

TW_XVFB_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
