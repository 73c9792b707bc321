// The title block of the analysis rows and tiles: layout, elision, colours
// and site texts shown literally.

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbLinkWords.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTextDocument>
#include <QtTest>

namespace {

QString plainOf(const QString& html)
{
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

bool hasLoneSurrogate(const QString& s)
{
    for (int i = 0; i < s.size(); ++i) {
        if (s.at(i).isHighSurrogate()) {
            if (i + 1 >= s.size() || !s.at(i + 1).isLowSurrogate())
                return true;
            ++i;
        } else if (s.at(i).isLowSurrogate()) {
            return true;
        }
    }
    return false;
}

class ReleaseCatcher : public QWidget
{
public:
    int releases = 0;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        ++releases;
        e->accept();
    }
};

} // namespace

class TestYtbLinkWords : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("subText");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("shownStart");  // what the label reads first
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QString>("colourName");

        const QString longWord = QStringLiteral("Supercalifragilisticexpialidociousnesses");  // 40 letters
        QTest::newRow("markup characters read literally")
            << "a < b & c" << "x > y" << QColor(Qt::black) << 300 << "a < b & c" << 2 << "#ff000000";
        QTest::newRow("tags read literally") << "<b>x</b>" << "<i>up</i>" << QColor(Qt::black) << 300 << "<b>x</b>" << 2
                                             << "#ff000000";
        QTest::newRow("grey keeps its alpha")
            << "Title" << "Uploader" << QColor(96, 96, 96, 128) << 300 << "Title" << 2 << "#80606060";
        QTest::newRow("no second text, one paragraph") << "Title" << "" << QColor(Qt::black) << 300 << "Title" << 1
                                                      << "#ff000000";
        QTest::newRow("empty title") << "" << "" << QColor(Qt::black) << 300 << "" << 1 << "#ff000000";
        QTest::newRow("long first word breaks with a hyphen")
            << longWord + " and more" << "" << QColor(Qt::black) << 100 << longWord.left(3) << 1 << "#ff000000";
    }
    void layout()
    {
        QFETCH(QString, text);
        QFETCH(QString, subText);
        QFETCH(QColor, colour);
        QFETCH(int, width);
        QFETCH(QString, shownStart);
        QFETCH(int, paragraphs);
        QFETCH(QString, colourName);

        CYtbLinkWords words;
        words.resize(width, 40);
        words.show();
        words.setTextColor(colour);
        words.setText(text);
        words.setSubText(subText);
        QLabel* label = words.label();
        QCOMPARE(label->width(), width);
        const QString html = label->text();
        QCOMPARE(html.count(QStringLiteral("<p style")), paragraphs);
        QVERIFY2(html.contains(QStringLiteral("color:%1;").arg(colourName)), qPrintable(html));
        const QString shown = plainOf(html);
        QVERIFY2(shown.startsWith(shownStart), qPrintable(shown));
        if (!subText.isEmpty())
            QVERIFY2(shown.contains(subText), qPrintable(shown));
        QCOMPARE(plainOf(label->toolTip()).trimmed(), text);
        if (text.isEmpty())
            QVERIFY(label->toolTip().isEmpty());
    }

    void longWordBreaksAtTheLabelWidth()
    {
        const QString word = QString(40, QLatin1Char('m'));
        CYtbLinkWords words;
        words.resize(100, 40);
        words.show();
        words.setText(word + QStringLiteral(" tail"));
        const QString shown = plainOf(words.label()->text());
        const int hyphen = shown.indexOf(QLatin1Char('-'));
        QVERIFY2(hyphen > 0 && hyphen < 40, qPrintable(shown));
        // The head with its hyphen fits the label; the rest follows as a word.
        const QFontMetrics fm(words.label()->font());
        QVERIFY(fm.horizontalAdvance(shown.left(hyphen + 1)) <= 100);
        QCOMPARE(shown.mid(hyphen + 1, 1), QStringLiteral(" "));
        QVERIFY(shown.mid(hyphen + 2).startsWith(QLatin1Char('m')));
    }

    void breakRespectsCharactersAndWidth_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("broken");
        QString emoji;
        for (int i = 0; i < 30; ++i)
            emoji += QString::fromUtf8("\xF0\x9F\x98\x80");  // U+1F600, a surrogate pair
        QString family;
        for (int i = 0; i < 12; ++i)
            family += QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9");  // man ZWJ woman
        QTest::newRow("emoji-led word") << emoji + QStringLiteral("abcdef") << 100 << true;
        QTest::newRow("joined emoji") << family << 60 << true;
        QTest::newRow("no width yet") << QString(40, QLatin1Char('w')) << 0 << false;
        QTest::newRow("fits") << QStringLiteral("short") << 100 << false;
    }
    void breakRespectsCharactersAndWidth()
    {
        QFETCH(QString, word);
        QFETCH(int, width);
        QFETCH(bool, broken);
        QFont font;
        font.setPixelSize(12);
        const QStringList out = CYtbLinkWords::breakFirstWord({word, QStringLiteral("next")}, QFontMetrics(font), width);
        if (!broken) {
            QCOMPARE(out, (QStringList{word, QStringLiteral("next")}));
            return;
        }
        QCOMPARE(out.size(), 3);
        QVERIFY(out.first().endsWith(QLatin1Char('-')));
        const QString head = out.first().chopped(1);
        QVERIFY(!head.isEmpty());
        QCOMPARE(head + out.at(1), word);
        QVERIFY(!hasLoneSurrogate(head));
        QVERIFY(!hasLoneSurrogate(out.at(1)));
        // Not between the joiner and the person it joins.
        QVERIFY(!head.endsWith(QChar(0x200D)));
        QVERIFY(!out.at(1).startsWith(QChar(0x200D)));
    }

    void releasePassesToTheRowBeneath()
    {
        ReleaseCatcher row;
        row.resize(300, 60);
        auto* words = new CYtbLinkWords(&row);
        words->setGeometry(10, 10, 200, 40);
        words->setText(QStringLiteral("A title"));
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QTest::mouseClick(words->label(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(row.releases, 1);
    }

    void alignmentDoesNotRelayout()
    {
        CYtbLinkWords words;
        words.resize(200, 40);
        words.setText(QStringLiteral("T"));
        const QString before = words.label()->text();
        words.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(words.label()->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(words.label()->text(), before);
    }
};

QTEST_MAIN(TestYtbLinkWords)
#include "tst_ytblinkwords.moc"
