#include "gui/UIBaseData/UIBaseData.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestUIBaseData : public QObject
{
    Q_OBJECT

private:
    struct ScaleGuard
    {
        explicit ScaleGuard(float s) : old(UIBaseData::instance()->scale()) { UIBaseData::instance()->setScale(s); }
        ~ScaleGuard() { UIBaseData::instance()->setScale(old); }
        float old;
    };

private slots:
    void initialState()
    {
        UIBaseData* d = UIBaseData::instance();
        QCOMPARE(d, UIBaseData::instance());
        QCOMPARE(d->scale(), 1.0f);
        QVERIFY(d->fontFamily().isEmpty());
        QVERIFY(!d->isShutdownRequested());
        QVERIFY(!d->mainPopup());
        // The interface images are registered as soon as the data exists.
        QVERIFY(QFile::exists(QStringLiteral(":/res/shadow.png")));
        QVERIFY(QFile::exists(QStringLiteral("://res/bg_2.png")));
    }

    void scaled_data()
    {
        QTest::addColumn<float>("scale");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("half up") << 1.0f << 2.5f << 3;
        QTest::newRow("half away from zero") << 1.0f << -2.5f << -3;
        QTest::newRow("small") << 1.0f << 0.4f << 0;
        QTest::newRow("zero") << 1.5f << 0.0f << 0;
        QTest::newRow("1.25 x 10") << 1.25f << 10.0f << 13;
        QTest::newRow("1.25 x -10") << 1.25f << -10.0f << -13;
        QTest::newRow("1.5 x 24") << 1.5f << 24.0f << 36;
        QTest::newRow("1.2 x 888") << 1.2f << 888.0f << 1066;
        // The sign test is on the value: -0.4 rounds towards -1 only past -0.5.
        QTest::newRow("-0.4") << 1.0f << -0.4f << 0;
    }
    void scaled()
    {
        QFETCH(float, scale);
        QFETCH(float, value);
        QFETCH(int, expected);
        ScaleGuard g(scale);
        QCOMPARE(UIBaseData::scaled(value), expected);
    }

    void scaledPointAndSize()
    {
        ScaleGuard g(1.25f);
        QCOMPARE(UIBaseData::scaledPoint(QPoint(10, -10)), QPoint(13, -13));
        QCOMPARE(UIBaseData::scaledSize(QSize(124, 33)), QSize(155, 41));
    }

    void styleSheetTemplate_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QList<int>>("basePx");
        QTest::newRow("points to pixels") << "font-size:12pt;" << "font-size:%1px;" << QList<int>{16};
        QTest::newRow("upper case") << "width:10PX;" << "width:%1px;" << QList<int>{10};
        QTest::newRow("zero and bare px untouched")
            << "margin:0px; border:px; width:5px;" << "margin:0px; border:px; width:%1px;" << QList<int>{5};
        QTest::newRow("several in order")
            << "a:1px;b:20px;c:9pt;" << "a:%1px;b:%2px;c:%3px;" << QList<int>{1, 20, 12};
        QTest::newRow("no match") << "color:#fff;" << "color:#fff;" << QList<int>{};
        QTest::newRow("leading zero skipped to the digit") << "w:05px;" << "w:0%1px;" << QList<int>{5};
        QTest::newRow("mixed case pt") << "s:3Pt;" << "s:%1px;" << QList<int>{4};
    }
    void styleSheetTemplate()
    {
        QFETCH(QString, style);
        QFETCH(QString, expected);
        QFETCH(QList<int>, basePx);
        QList<int> got;
        QCOMPARE(UIBaseData::styleSheetTemplate(style, got), expected);
        QCOMPARE(got, basePx);
    }

    void styleSheetTemplateTwelvePlaceholders()
    {
        QString style;
        for (int i = 1; i <= 12; ++i)
            style += QStringLiteral("p%1:%2px;").arg(i).arg(i);
        QList<int> px;
        const QString templ = UIBaseData::styleSheetTemplate(style, px);
        QCOMPARE(px.size(), 12);
        QVERIFY(templ.contains(QStringLiteral("p12:%12px;")));
        ScaleGuard g(2.0f);
        const QString filled = UIBaseData::applyStyleSheetTemplate(templ, px);
        QVERIFY(filled.contains(QStringLiteral("p12:24px;")));
        QVERIFY(filled.contains(QStringLiteral("p1:2px;")));
    }

    // Server texts carry their own "%": percent-encoded links and
    // percentages are text, not placeholders.
    void fillingLeavesOtherPercentSignsAlone_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("encoded link") << "<a href=\"https://x.example/a%2Fb?q=a%20b\" style=\"font-size:14px\">x</a>"
                                      << "<a href=\"https://x.example/a%2Fb?q=a%20b\" style=\"font-size:21px\">x</a>";
        QTest::newRow("percent before a size") << "50%;margin:2px" << "50%;margin:3px";
        QTest::newRow("percent glued to a size") << "a%12px b" << "a%18px b";
        QTest::newRow("lone percent at the end") << "10px 100%" << "15px 100%";
        QTest::newRow("no sizes") << "%1 %2 %20" << "%1 %2 %20";
    }
    void fillingLeavesOtherPercentSignsAlone()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QList<int> px;
        const QString templ = UIBaseData::styleSheetTemplate(text, px);
        ScaleGuard g(1.5f);
        QCOMPARE(UIBaseData::applyStyleSheetTemplate(templ, px), expected);
    }

    void manyPlaceholdersFillRight()
    {
        QString text;
        QString expected;
        for (int i = 1; i <= 120; ++i) {
            text += QStringLiteral("<li style='font-size:%1px'>entry %2</li>").arg(i).arg(i);
            expected += QStringLiteral("<li style='font-size:%1px'>entry %2</li>").arg(i * 2).arg(i);
        }
        QList<int> px;
        const QString templ = UIBaseData::styleSheetTemplate(text, px);
        QCOMPARE(px.size(), 120);
        ScaleGuard g(2.0f);
        QCOMPARE(UIBaseData::applyStyleSheetTemplate(templ, px), expected);
    }

    void rescaleWidgetTree()
    {
        QWidget root;
        root.setBaseSize(101, 0);
        root.resize(50, 77);
        auto* child = new QWidget(&root);
        child->setProperty("basePos", QPoint(-5, 3));
        child->setBaseSize(0, 40);
        child->resize(30, 10);
        auto* label = new QLabel(child);
        label->setProperty("baseFontSize", 14);
        auto* button = new QPushButton(&root);
        button->setProperty("baseIconSize", QSize(16, 15));

        UIBaseData::rescaleWidgetTree(&root, 1.25);
        QCOMPARE(root.width(), 126);          // trunc(101 x 1.25)
        QCOMPARE(root.minimumWidth(), 126);
        QCOMPARE(root.height(), 77);          // zero base height keeps it
        QCOMPARE(child->width(), 30);
        QCOMPARE(child->height(), 50);
        QCOMPARE(label->font().pixelSize(), 17);   // trunc(17.5)
        QCOMPARE(button->iconSize(), QSize(20, 19));   // floor(x + 0.5)
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);

        UIBaseData::rescaleWidgetTree(&root, 1.5);
        QCOMPARE(child->pos(), QPoint(-7, 5));   // -7.5 rounds up to -7
    }

    // A resize handler that rescales its own subtree while an outer walk runs
    // must not disturb the outer walk.
    void rescaleReentered()
    {
        class Nested : public QWidget
        {
        public:
            using QWidget::QWidget;
            void resizeEvent(QResizeEvent*) override { UIBaseData::rescaleWidgetTree(inner, 2.0); }
            QWidget* inner = nullptr;
        };
        QWidget root;
        auto* nested = new Nested(&root);
        nested->inner = new QWidget(nested);
        nested->inner->setBaseSize(10, 10);
        nested->setBaseSize(40, 40);
        nested->setProperty("basePos", QPoint(10, 20));
        auto* after = new QWidget(&root);
        after->setBaseSize(8, 6);
        root.show();   // visible widgets get their resize events at once
        UIBaseData::rescaleWidgetTree(&root, 1.5);
        QCOMPARE(nested->size(), QSize(60, 60));
        QCOMPARE(nested->pos(), QPoint(15, 30));
        QCOMPARE(nested->inner->size(), QSize(20, 20));
        QCOMPARE(after->size(), QSize(12, 9));
    }

    void setElidedText()
    {
        QWidget parent;
        parent.resize(60, 20);
        auto* label = new QLabel(&parent);
        const QString text = QStringLiteral("A rather long title that cannot fit in sixty pixels");
        const QString shown = UIBaseData::setElidedText(label, text, Qt::ElideRight);
        QCOMPARE(label->toolTip(), text);
        QCOMPARE(label->text(), shown);
        QVERIFY(shown.size() < text.size());
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(shown) <= 60);

        const QString wide = UIBaseData::setElidedText(label, QStringLiteral("short"), Qt::ElideRight, 500);
        QCOMPARE(wide, QStringLiteral("short"));
    }

    void buttonStyleSheet()
    {
        const QString s = UIBaseData::buttonStyleSheet(QStringLiteral(":/res/done_"));
        QCOMPARE(s, QStringLiteral("QPushButton{border-image: url(:/res/done_nor.png);}                    "
                                   "QPushButton:hover{border-image: url(:/res/done_hover.png);}                    "
                                   "QPushButton:pressed{border-image: url(:/res/done_down.png);}"));
    }

    void scrollBarStyleSheet()
    {
        ScaleGuard g(1.5f);
        const QString s = UIBaseData::scrollBarStyleSheet(7);
        // W = scaled(7) = 11, H = scaled(7 / 2) = scaled(3) = 5 (integer halving first)
        QVERIFY(s.contains(QStringLiteral("width:11px;margin:5px 0 5px 0;")));
        QVERIFY(s.contains(QStringLiteral("background-color:#B4B5B9;border-radius:5px;min-height:20px;")));
        QVERIFY(s.contains(QStringLiteral("background-color:#AAABAF;border-radius:5px;min-height:20px;")));
        QVERIFY(s.contains(QStringLiteral("url(://res/C_middle_bg1.png)")));
    }
};

QTEST_MAIN(TestUIBaseData)
#include "tst_uibasedata.moc"
