// The subtitle chips: names, ticks into the engine, order and sizing.

#include "ScriptedEngine.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "shell/SettingsStore.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoListSubArea.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<SubLang> langs(const QStringList& codes)
{
    QList<SubLang> out;
    for (const QString& c : codes)
        out.append(SubLang{c, false});
    return out;
}

QStringList codesOf(const CYtbVideoListSubArea& area)
{
    QStringList out;
    for (CAreaItem* chip : area.chips())
        out << chip->code();
    return out;
}

} // namespace

class TestSubArea : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), m_dir.path());
        Youtube::instance();
    }

    void init() { ScriptedEngine::reset(); }

    void namesAndTicks()
    {
        CYtbVideoListSubArea area;
        area.resize(535, 62);
        YoutubeMediaListInfo info;
        info.subLangs = {SubLang{QStringLiteral("en"), false}, SubLang{QStringLiteral("de"), true},
                         SubLang{QStringLiteral("x-klingon"), false}, SubLang{QStringLiteral("<b>zz</b>"), false}};
        area.onSubListCatched(info);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const QList<CAreaItem*> chips = area.chips();
        QCOMPARE(chips.size(), 4);
        QCOMPARE(chips.at(0)->nameLabel()->text(), QStringLiteral("English"));
        QCOMPARE(chips.at(1)->nameLabel()->text(), QStringLiteral("Deutsch"));
        QCOMPARE(chips.at(2)->nameLabel()->text(), QStringLiteral("x-klingon"));
        QCOMPARE(chips.at(3)->nameLabel()->textFormat(), Qt::PlainText);
        QVERIFY(!chips.at(0)->isChecked());
        QVERIFY(chips.at(1)->isChecked());

        // A click on the name and one on the tick both reach the engine with
        // the chip's index.
        QSignalSpy clicked(chips.at(2), &CAreaItem::clicked);
        QTest::mouseClick(chips.at(2)->nameLabel(), Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(clicked.size(), 1);
        QVERIFY(chips.at(2)->isChecked());
        QTest::mouseClick(chips.at(1)->tickButton(), Qt::LeftButton);
        QVERIFY(!chips.at(1)->isChecked());
        QCOMPARE(ScriptedEngine::calls(),
                 (QStringList{"setSubLangChecked(2,1)", "setSubLangChecked(1,0)"}));
    }

    void emptyListLeavesTheAreaEmpty()
    {
        CYtbVideoListSubArea area;
        area.setLanguages(langs({"en", "fr"}));
        QCOMPARE(area.chips().size(), 2);
        area.onSubListCatched(YoutubeMediaListInfo());
        QCOMPARE(area.listWidget()->count(), 0);
    }

    void fillsKeepTheEngineOrder()
    {
        QStringList codes;
        const QStringList known{"en", "de", "fr", "ja", "ru", "ar", "zh", "ko", "el", "he"};
        for (int i = 0; i < 40; ++i)
            codes << (i < known.size() ? known.at(i) : QStringLiteral("q%1").arg(39 - i));
        CYtbVideoListSubArea area;
        area.resize(535, 62);
        area.setLanguages(langs(codes));
        area.show();
        QCOMPARE(codesOf(area), codes);
        for (int i = 0; i < area.chips().size(); ++i)
            QCOMPARE(area.chips().at(i)->index(), i);
        // Without clearing, a second set follows the first.
        area.setLanguages(langs({"en", "de"}));
        QCOMPARE(area.chips().size(), 42);
        QCOMPARE(area.chips().at(41)->index(), 1);
    }

    void chipsWidenAndWrap()
    {
        CYtbVideoListSubArea area;
        area.resize(300, 200);
        area.setLanguages(langs({"en", "ar", "pt-br", "a-very-long-language-code", "de", "fr", "es", "it", "ja", "ru"}));
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const QList<CAreaItem*> chips = area.chips();
        QTRY_VERIFY(chips.first()->width() > 0);
        for (CAreaItem* chip : chips) {
            const int w = QFontMetrics(chip->nameLabel()->font()).horizontalAdvance(chip->nameLabel()->text());
            QCOMPARE(chip->nameLabel()->width(), w);
            QCOMPARE(chip->width(), UIBaseData::scaled(15) + w + UIBaseData::scaled(30));
            QCOMPARE(chip->height(), UIBaseData::scaled(23));
        }
        // A longer name, a wider chip.
        QVERIFY(chips.at(3)->width() > chips.at(0)->width());
        // The chips flow onto a second line.
        QListWidget* list = area.listWidget();
        QTRY_VERIFY(list->visualItemRect(list->item(chips.size() - 1)).top()
                    > list->visualItemRect(list->item(0)).top());
    }
};

QTEST_MAIN(TestSubArea)
#include "tst_subarea.moc"
