// The subscription dialog on a real subscription database.

#include "DialogAnswerer.h"
#include "ScriptedEngine.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/accounts/CUxSubscribeDialog.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "shell/SettingsStore.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

QString plainOf(const QString& html)
{
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

const QString kLongTitle = QString(400, QLatin1Char('W'));

void subscribe(const QString& id, const QString& title)
{
    Youtube_Structure::List list;
    list.extractor = QStringLiteral("youtube:tab");
    list.id = id;
    list.url = QStringLiteral("https://www.youtube.com/playlist?list=") + id;
    list.title = title;
    Youtube::instance()->subscribeListMgr()->addSubscribeList(&list);
}

void resetSubscriptions(int count)
{
    for (const SubscribeRecord& r : Youtube::instance()->subscribeLists())
        Youtube::instance()->removeSubscribeList(r);
    const QStringList titles{QStringLiteral("Plain list"), QStringLiteral("The \"quoted\" 'list'"),
                             QStringLiteral("Third"), kLongTitle, QStringLiteral("<b>Fifth</b>")};
    for (int i = 0; i < count; ++i)
        subscribe(QStringLiteral("PL%1").arg(i), titles.at(i));
}

CUxSubscribeItem* row(CUxSubscribeDialog& d, int i)
{
    return static_cast<CUxSubscribeItem*>(d.list()->item(i));
}

// Rows and the engine's list agree, index by index.
void verifyAligned(CUxSubscribeDialog& d)
{
    const QList<SubscribeRecord> records = Youtube::instance()->subscribeLists();
    QCOMPARE(d.list()->count(), records.size());
    for (int i = 0; i < records.size(); ++i) {
        QCOMPARE(row(d, i)->index(), i);
        QCOMPARE(plainOf(row(d, i)->urlLabel()->toolTip()).trimmed(), records.at(i).url);
    }
}

void rename(CUxSubscribeItem* item, const QString& title, bool byEnter)
{
    QTest::mouseDClick(item->nameLabel(), Qt::LeftButton);
    QUxLineEdit* editor = item->editor();
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QVERIFY(editor->isWindow());
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, title);
    if (byEnter) {
        QTest::keyClick(editor, Qt::Key_Return);
    } else {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(editor, &out);
    }
    QVERIFY(!editor->isVisible());
}

} // namespace

class TestSubscribeDialog : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), m_dir.path());
        Youtube::instance();
    }

    void init() { resetSubscriptions(5); }

    void firstRowChosenAtOnce()
    {
        CUxSubscribeDialog dialog(nullptr);
        DialogAnswerer answerer;
        bool enabled = false;
        int rows = 0;
        answerer.run("CUxSubscribeDialog", [&](QWidget* d) {
            auto* s = static_cast<CUxSubscribeDialog*>(d);
            rows = s->list()->count();
            enabled = s->doneButton()->isEnabled();
            QCOMPARE(s->list()->currentIndex(), 0);
            QTest::mouseClick(s->doneButton(), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(rows, 5);
        QVERIFY(enabled);
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("SubscribeLists.db"))));
    }

    void textsElidedWithFullTooltips()
    {
        CUxSubscribeDialog dialog(nullptr);
        dialog.show();
        verifyAligned(dialog);
        const QList<SubscribeRecord> records = Youtube::instance()->subscribeLists();
        for (int i = 0; i < records.size(); ++i) {
            QLabel* name = row(dialog, i)->nameLabel();
            QCOMPARE(name->textFormat(), Qt::PlainText);
            QCOMPARE(plainOf(name->toolTip()).trimmed(), records.at(i).title);
            QVERIFY(QFontMetrics(name->font()).horizontalAdvance(name->text()) <= UIBaseData::scaled(400));
            if (records.at(i).title == kLongTitle)
                QVERIFY(name->text().endsWith(QChar(0x2026)));
            else
                QCOMPARE(name->text(), records.at(i).title);
        }
        dialog.close();
    }

    void renameByEnterAndByLeaving_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("title");
        QTest::newRow("Enter") << true << QStringLiteral("Renamed \"by\" Enter");
        QTest::newRow("click elsewhere") << false << QString(300, QLatin1Char('M'));
    }
    void renameByEnterAndByLeaving()
    {
        QFETCH(bool, byEnter);
        QFETCH(QString, title);
        CUxSubscribeDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QString url = Youtube::instance()->subscribeLists().at(1).url;
        rename(row(dialog, 1), title, byEnter);
        const QList<SubscribeRecord> records = Youtube::instance()->subscribeLists();
        QCOMPARE(records.at(1).title, title);
        QCOMPARE(records.at(1).url, url);
        QLabel* name = row(dialog, 1)->nameLabel();
        QCOMPARE(plainOf(name->toolTip()).trimmed(), title);
        QVERIFY(QFontMetrics(name->font()).horizontalAdvance(name->text()) <= UIBaseData::scaled(400));
        verifyAligned(dialog);
        dialog.close();
    }

    void emptyTitleKeepsTheEditorOpen()
    {
        CUxSubscribeDialog dialog(nullptr);
        dialog.show();
        QTest::mouseDClick(row(dialog, 0)->nameLabel(), Qt::LeftButton);
        QUxLineEdit* editor = row(dialog, 0)->editor();
        const QString before = Youtube::instance()->subscribeLists().at(0).title;
        editor->clear();
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(editor->isVisible());
        QCOMPARE(Youtube::instance()->subscribeLists().at(0).title, before);
        // The row moving hides it.
        row(dialog, 0)->move(row(dialog, 0)->pos() + QPoint(0, 1));
        QVERIFY(!editor->isVisible());
        dialog.close();
    }

    void removingTheThirdKeepsRowsAligned()
    {
        CUxSubscribeDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const SubscribeRecord third = Youtube::instance()->subscribeLists().at(2);
        QTest::mouseClick(row(dialog, 2)->removeButton(), Qt::LeftButton);
        QTRY_COMPARE(dialog.list()->count(), 4);
        QCOMPARE(Youtube::instance()->subscribeLists().size(), 4);
        QVERIFY(!Youtube::instance()->subscribeLists().contains(third));
        verifyAligned(dialog);
        dialog.close();
    }

    void doubleClickOnRemoveRemovesOne()
    {
        CUxSubscribeDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QPushButton* remove = row(dialog, 1)->removeButton();
        QTest::mouseClick(remove, Qt::LeftButton);
        QTest::mouseClick(remove, Qt::LeftButton);
        QTRY_COMPARE(dialog.list()->count(), 4);
        QTest::qWait(300);
        QCOMPARE(Youtube::instance()->subscribeLists().size(), 4);
        verifyAligned(dialog);
        dialog.close();
    }

    void shownAgainKeepsItsRows()
    {
        CUxSubscribeDialog dialog(nullptr);
        dialog.show();
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.list()->count(), 5);
        verifyAligned(dialog);
        dialog.close();
    }

    void closeAfterARenameKeepsIt()
    {
        CUxSubscribeDialog dialog(nullptr);
        DialogAnswerer answerer;
        answerer.run("CUxSubscribeDialog", [](QWidget* d) {
            auto* s = static_cast<CUxSubscribeDialog*>(d);
            rename(row(*s, 0), QStringLiteral("Kept title"), true);
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), -1);
        QCOMPARE(Youtube::instance()->subscribeLists().at(0).title, QStringLiteral("Kept title"));
    }

    void noSubscriptions()
    {
        resetSubscriptions(0);
        CUxSubscribeDialog dialog(nullptr);
        DialogAnswerer answerer;
        bool enabled = true;
        answerer.run("CUxSubscribeDialog", [&](QWidget* d) {
            enabled = static_cast<CUxSubscribeDialog*>(d)->doneButton()->isEnabled();
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btn_cancel")), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), -1);
        QVERIFY(!enabled);
        QCOMPARE(dialog.list()->count(), 0);
    }
};

QTEST_MAIN(TestSubscribeDialog)
#include "tst_subscribedialog.moc"
