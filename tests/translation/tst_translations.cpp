// Each interface language as its user sees it: under the language's
// compiled translation, the main window with its download page, the analysis
// window, the settings window, a message box and the update window are built
// on a virtual X display at factor 1.0, and their visible texts are walked.
// Listed are texts still equal to an English source text (outside the few
// that stay the same in that language) and texts wider than the room their
// widget gives them in Tahoma.

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

QString simplified(const QString& text)
{
    QString t = text;
    if (Qt::mightBeRichText(t)) {
        QTextDocument doc;
        doc.setHtml(t);
        t = doc.toPlainText();
    }
    return t.simplified();
}

bool hasLetters(const QString& text)
{
    for (const QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

// The English source texts, from en.ts; a text with %1.. arguments matches
// whatever was put in their place.
struct EnglishTexts
{
    QSet<QString> plain;
    QList<QRegularExpression> patterns;

    bool load(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QXmlStreamReader xml(&file);
        static const QRegularExpression argument(QStringLiteral("%L?\\d"));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("source"))
                continue;
            const QString source = simplified(xml.readElementText());
            QString letters = source;
            letters.remove(argument);
            if (!hasLetters(letters))
                continue;
            if (!source.contains(argument)) {
                plain.insert(source);
                continue;
            }
            QStringList pieces = source.split(argument);
            for (QString& piece : pieces)
                piece = QRegularExpression::escape(piece);
            patterns << QRegularExpression(QRegularExpression::anchoredPattern(pieces.join(QStringLiteral(".*"))));
        }
        return !xml.hasError() && !plain.isEmpty();
    }

    bool contains(const QString& text) const
    {
        if (plain.contains(text))
            return true;
        for (const QRegularExpression& re : patterns)
            if (re.match(text).hasMatch())
                return true;
        return false;
    }
};

// Names, formats and addresses read the same in every language.
bool sameEverywhere(const QString& text)
{
    static const QRegularExpression address(QStringLiteral("^\\S+@\\S+$|://|^www\\."));
    static const QSet<QString> names{QStringLiteral("Tarnwick"), QStringLiteral("MP4"), QStringLiteral("URL"),
                                     QStringLiteral("YouTube"), QStringLiteral("Vimeo"),
                                     QStringLiteral("Dailymotion"), QStringLiteral("Marbleton"),
                                     QStringLiteral("Marbleto:"), QStringLiteral("Drovik:"), QStringLiteral("S"),
                                     QStringLiteral("H"), QStringLiteral("Quenmark - Downloader")};
    return names.contains(text) || address.match(text).hasMatch();
}

int widestLine(const QFontMetrics& fm, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, fm.horizontalAdvance(line));
    return widest;
}

// The text a widget shows and the width it has for it (-1: not checked).
struct Shown
{
    QString text;
    int needed = -1;
    int room = -1;
};

Shown shownText(QWidget* w)
{
    Shown s;
    const QFontMetrics fm(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const bool rich = label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        s.text = simplified(label->text());
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        if (label->wordWrap()) {
            // A wrapped text is cut at the bottom instead.
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            rich ? doc.setHtml(label->text()) : doc.setPlainText(label->text());
            doc.setTextWidth(room.width());
            s.needed = qCeil(doc.size().height());
            s.room = room.height();
        } else if (rich) {
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            doc.setHtml(label->text());
            s.needed = qCeil(doc.idealWidth());
            s.room = room.width();
        } else {
            s.needed = widestLine(fm, label->text());
            s.room = room.width();
        }
        return s;
    }
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        s.text = simplified(box->text());
        s.needed = fm.horizontalAdvance(box->text());
        s.room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
        return s;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QString text = button->text();
        if (auto* textIn = qobject_cast<CUxBtnTextIn*>(w))
            text = textIn->text();
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        s.text = simplified(text);
        s.needed = widestLine(fm, text);
        s.room = button->contentsRect().width();
        return s;
    }
    if (auto* illus = qobject_cast<CUxTpTextIllus*>(w)) {
        s.text = simplified(illus->text());
        return s;
    }
    if (auto* beside = qobject_cast<CUxTextBesideBtn*>(w)) {
        s.text = simplified(beside->text());
        return s;
    }
    if (auto* words = qobject_cast<CYtbLinkWords*>(w)) {
        s.text = simplified(words->text());
        return s;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text().isEmpty())
            s.text = simplified(edit->placeholderText());
        return s;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        s.text = simplified(combo->currentText());
        return s;
    }
    return s;
}

QString where(QWidget* w, QWidget* top)
{
    QStringList path;
    for (QWidget* p = w; p && p != top; p = p->parentWidget())
        path.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className()) : p->objectName());
    return path.join(QLatin1Char('/'));
}

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
