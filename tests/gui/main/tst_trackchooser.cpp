#include "DialogAnswerer.h"
#include "ScriptedEngine.h"

#include "ui_mediadlitemform.h"
#include "ui_trackdropdownbox.h"
#include "ui_trackitem.h"

#include "gui/common/CToolTip.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/CUxDlTracksListBox.h"
#include "gui/main/CUxTrackItem.h"
#include "gui/main/CUxTracksListBox.h"
#include "gui/main/cnorvideodlitem.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.
static constexpr int kWaitMs = 20000;

namespace {

// What the callbacks answer and what they were asked; plain functions have
// no context, as for the program's own owners.
struct Script
{
    bool check = true;
    int mode = -1;
    int refusal = 0;
    bool sw = true;
    bool replace = false;
    QStringList asked;
} g;

bool checkHandler(int index, bool checked)
{
    g.asked << QStringLiteral("check(%1,%2)").arg(index).arg(checked);
    return g.check;
}
int modeQuery()
{
    return g.mode;
}
int refusalQuery()
{
    return g.refusal;
}
bool switchHandler(int index)
{
    g.asked << QStringLiteral("switch(%1)").arg(index);
    return g.sw;
}
bool replaceQuery()
{
    return g.replace;
}

DownloadMedia media(const QString& format, const QString& size)
{
    DownloadMedia m;
    m.format = format;
    m.resolution = QStringLiteral("1280x720");
    m.fileSize = size;
    m.tarExt = QStringLiteral("mp4");
    return m;
}

}

class TstTrackChooser : public QObject
{
    Q_OBJECT
    std::unique_ptr<QUxListWidget> m_list;

    static CUxTracksListBox* box(int rows, int ticked = 0, bool withCallbacks = true)
    {
        auto* b = withCallbacks ? new CUxTracksListBox(checkHandler, modeQuery, refusalQuery, switchHandler, replaceQuery, nullptr, 0)
                                : new CUxTracksListBox(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0);
        b->setItemCount(rows);
        for (int i = 0; i < rows; ++i)
            b->addItem(new CUxTrackItem(QStringLiteral("Track %1").arg(i), i == ticked, i, b, -1));
        b->setAnchor(QPoint(200, 150));
        return b;
    }
    static QPushButton* button(CUxTracksListBox* b, int index) { return b->trackItem(index)->form()->pushButton; }

    // A row's download task with three formats.
    static DownloadItem task(const QString& path)
    {
        DownloadItem t;
        t.title = QStringLiteral("Title");
        t.url = QStringLiteral("http://fake.example") + path;
        t.medias = {media(QStringLiteral("mp4"), QStringLiteral("1.0MB")), media(QStringLiteral("webm"), QStringLiteral("2.0MB")),
                    media(QStringLiteral("m4a"), QStringLiteral("3.0MB"))};
        t.setChosenMediaIndex(0);
        return t;
    }

private slots:
    void initTestCase() { m_list.reset(new QUxListWidget); }
    void init()
    {
        g = Script();
        ScriptedEngine::reset();
    }

    void sizesItsRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("20 rows, no scroll bar") << 20;
        QTest::newRow("21 rows, scroll bar") << 21;
    }
    void sizesItsRows()
    {
        QFETCH(int, rows);
        QPointer<CUxTracksListBox> b = box(rows);
        b->popup(-1);
        QUxListWidget* list = b->listWidget();
        int rowWidth = 0;
        for (int i = 0; i < rows; ++i)
            rowWidth = qMax(rowWidth, b->trackItem(i)->layoutRow());
        const int extra = rows > 20 ? CUxTracksListBox::kScrollBarRoom : 0;
        const int height = 20 * 20 + 19 * list->itemSpacing();
        QCOMPARE(list->baseSize(), QSize(rowWidth + extra, height));
        QCOMPARE(b->size(), QSize(56 + rowWidth + extra, height + 56));
        QCOMPARE(b->panel()->mapToGlobal(QPoint(0, 0)), QPoint(200, 150));
        QCOMPARE(list->scrollMaximum() > 0, rows > 20);
        b->hide();
        QTRY_VERIFY_WITH_TIMEOUT(!b, kWaitMs);
    }

    void outsideReleaseHidesAndDeletes()
    {
        QPointer<CUxTracksListBox> b = box(3);
        b->popup(-1);
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->panel()->geometry().center());
        QVERIFY(b->isVisible());
        QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(!b->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!b, kWaitMs);
    }

    // The base decisions, several ticks allowed.
    void multiChoice_data()
    {
        QTest::addColumn<bool>("tick");      // the click ticks (else unticks row 0)
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<bool>("endsTicked");
        QTest::addColumn<QString>("balloon");
        QTest::newRow("tick accepted") << true << true << 0 << true << "";
        QTest::newRow("untick accepted") << false << true << 0 << false << "";
        QTest::newRow("untick refused") << false << false << 0 << true << "Must choose at lest one track!";
        QTest::newRow("too many tracks") << true << false << 0 << false << "The chosen track has been beyond the number limit!";
        QTest::newRow("embedded subtitles") << true << false << 2 << false << "The chosen embedded subtitle has been beyond the number limit!";
        QTest::newRow("external subtitles") << true << false << 3 << false << "The chosen external subtitle has been beyond the number limit!";
        QTest::newRow("unknown track") << true << false << 4 << false << "Can not choose an unknown track!";
        QTest::newRow("picture subtitle") << true << false << 6 << false << "Not support the external picture subtitle!";
        QTest::newRow("other reason") << true << false << 9 << false << "";
    }
    void multiChoice()
    {
        QFETCH(bool, tick);
        QFETCH(bool, accepted);
        QFETCH(int, refusal);
        QFETCH(bool, endsTicked);
        QFETCH(QString, balloon);
        g.check = accepted;
        g.refusal = refusal;
        QPointer<CUxTracksListBox> b = box(3);
        b->popup(-1);
        const int index = tick ? 1 : 0;
        QTest::mouseClick(button(b, index), Qt::LeftButton);
        QCOMPARE(g.asked, QStringList{QStringLiteral("check(%1,%2)").arg(index).arg(tick)});
        if (accepted) {
            QCOMPARE(button(b, index)->isChecked(), endsTicked);
        } else {
            // The refused click shows first, then returns.
            QCOMPARE(button(b, index)->isChecked(), tick);
            QTRY_COMPARE_WITH_TIMEOUT(button(b, index)->isChecked(), endsTicked, kWaitMs);
        }
        QCOMPARE(b->currentTip() ? b->currentTip()->text() : QString(), balloon);
        QVERIFY(b->isVisible());
        b->hide();
    }

    void replacingUnticksTheOtherRow()
    {
        g.check = false;
        g.refusal = 1;
        g.replace = true;
        QPointer<CUxTracksListBox> b = box(3, 0);
        b->popup(-1);
        QTest::mouseClick(button(b, 2), Qt::LeftButton);
        // Row 0 gave way; each pass asks again until no other row is ticked.
        QVERIFY(!button(b, 0)->isChecked());
        QCOMPARE(g.asked.count(QStringLiteral("check(2,1)")), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!button(b, 2)->isChecked(), kWaitMs);
        b->hide();
    }

    void missingCallbacksRefuse()
    {
        QPointer<CUxTracksListBox> b = box(3, 0, false);
        b->popup(-1);
        QTest::mouseClick(button(b, 1), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!button(b, 1)->isChecked(), kWaitMs);
        // No reason: no balloon.
        QVERIFY(!b->currentTip());
        QTest::mouseClick(b->trackItem(2)->form()->TrackNameLab, Qt::LeftButton);
        QVERIFY(b->isVisible());
        QCOMPARE(b->currentTip()->text(), QStringLiteral("Cannot switch to unselected item!"));
        b->hide();
    }

    void switchByName()
    {
        QPointer<CUxTracksListBox> b = box(3);
        b->popup(-1);
        QTest::mouseClick(b->trackItem(2)->form()->TrackNameLab, Qt::LeftButton);
        QCOMPARE(g.asked, QStringList{QStringLiteral("switch(2)")});
        QVERIFY(!b->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!b, kWaitMs);
    }

    void secondBalloonReplacesTheFirst()
    {
        g.check = false;
        QPointer<CUxTracksListBox> b = box(3);
        b->popup(-1);
        QTest::mouseClick(button(b, 1), Qt::LeftButton);
        QPointer<CToolTipText> first = b->currentTip();
        QVERIFY(first);
        QTest::mouseClick(button(b, 2), Qt::LeftButton);
        QPointer<CToolTipText> second = b->currentTip();
        QVERIFY(second && second != first);
        QTRY_VERIFY_WITH_TIMEOUT(!first, kWaitMs);
        QVERIFY(second->isVisible());
        b->hide();
    }

    // The re-tick and the balloon's end must not reach a popup (or row)
    // that is gone; AddressSanitizer builds catch it.
    void hidingDuringAPendingReturnIsClean()
    {
        g.check = false;
        QPointer<CUxTracksListBox> b = box(3);
        b->popup(-1);
        QTest::mouseClick(button(b, 0), Qt::LeftButton);
        QPointer<CToolTipText> tip = b->currentTip();
        b->hide();
        QTRY_VERIFY_WITH_TIMEOUT(!b, kWaitMs);
        QTest::qWait(CUxTracksListBox::kReturnDelayMs * 2);
        QTRY_VERIFY_WITH_TIMEOUT(!tip, kWaitMs);
    }

    void subStreamModeButton()
    {
        struct Mode
        {
            static bool handler(int index, int target, int* reason, int* otherIndex, int* otherMode)
            {
                g.asked << QStringLiteral("mode(%1,%2)").arg(index).arg(target);
                if (!g.sw) {
                    *reason = 6;
                    return false;
                }
                *otherIndex = 1;
                *otherMode = 0;
                return true;
            }
        };
        QPointer<CUxTracksListBox> b = new CUxTracksListBox(checkHandler, modeQuery, refusalQuery, switchHandler, replaceQuery, nullptr, 0);
        auto* a = new CUxSubStreamTrackItem(QStringLiteral("sub a"), true, 0, b, -1, &Mode::handler, 0);
        auto* c = new CUxSubStreamTrackItem(QStringLiteral("sub b"), true, 1, b, -1, &Mode::handler, 1);
        b->addItem(a);
        b->addItem(c);
        b->popup(-1);
        QCOMPARE(a->modeButton()->text(), QStringLiteral("S"));
        QTest::mouseClick(a->modeButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(a->mode(), 1, kWaitMs);
        QCOMPARE(a->modeButton()->text(), QStringLiteral("H"));
        QCOMPARE(c->mode(), 0);
        g.sw = false;
        QTest::mouseClick(a->modeButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(b->currentTip(), kWaitMs);
        QCOMPARE(b->currentTip()->text(), QStringLiteral("External picture subtitle is not supported!"));
        QCOMPARE(a->mode(), 1);
        // A click whose step is still queued when the popup goes.
        QTest::mouseClick(a->modeButton(), Qt::LeftButton);
        b->hide();
        QTRY_VERIFY_WITH_TIMEOUT(!b, kWaitMs);
    }

    void scrollSlots()
    {
        QPointer<CUxTracksListBox> b = box(40);
        b->popup(-1);
        QUxListWidget* list = b->listWidget();
        QVERIFY(list->scrollMaximum() > 0);
        QCOMPARE(list->scrollValue(), 0);
        b->onClicked(CUxTracksListBox::BtnDown);
        QTRY_COMPARE_WITH_TIMEOUT(list->scrollValue(), list->itemSpacing() + 20, kWaitMs);
        // A short press steps once, and its release counts once.
        const int v = list->scrollValue();
        b->onPressed(CUxTracksListBox::BtnDown);
        b->onReleased(CUxTracksListBox::BtnDown);
        b->onReleased(CUxTracksListBox::BtnDown);
        QCOMPARE(list->scrollValue(), v + 20);
        // A held button repeats until it is let go.
        b->onPressed(CUxTracksListBox::BtnUp);
        QTRY_VERIFY_WITH_TIMEOUT(list->scrollValue() <= v - 20, kWaitMs);
        b->onReleased(CUxTracksListBox::BtnUp);
        // The repeat ended with the release.
        for (QTimer* t : b->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY(!t->isActive());
        // Never above the top.
        for (int i = 0; i < 10; ++i) {
            b->onPressed(CUxTracksListBox::BtnUp);
            b->onReleased(CUxTracksListBox::BtnUp);
        }
        QCOMPARE(list->scrollValue(), 0);
        b->hide();
    }

    // ----- the download format chooser on a row

    void formatChooserOnARow_data()
    {
        QTest::addColumn<QString>("action");     // "name" or "tick"
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("progress");
        QTest::addColumn<QString>("answer");     // the question's button; empty: none asked
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("open");           // 1 open, 0 closed, -1 as the question left it
        QTest::addColumn<QString>("balloon");
        QTest::newRow("name switches and closes") << "name" << 2 << 0 << "" << 2 << 0 << "";
        QTest::newRow("name of the chosen does nothing") << "name" << 0 << 0 << "" << 0 << 1 << "";
        QTest::newRow("tick switches and stays") << "tick" << 1 << 0 << "" << 1 << 1 << "";
        QTest::newRow("untick the chosen is refused") << "tick" << 0 << 0 << "" << 0 << 1 << "Must choose at lest one track!";
        // The message box may take the popup away; the task decides.
        QTest::newRow("question accepted") << "tick" << 2 << 30 << "btn_0" << 2 << -1 << "";
        QTest::newRow("question declined") << "tick" << 2 << 30 << "btn_1" << 0 << -1
                                           << "The chosen track has been beyond the number limit!";
        QTest::newRow("question declined by name") << "name" << 1 << 30 << "btn_1" << 0 << -1 << "";
    }
    void formatChooserOnARow()
    {
        QFETCH(QString, action);
        QFETCH(int, index);
        QFETCH(int, progress);
        QFETCH(QString, answer);
        QFETCH(int, chosen);
        QFETCH(int, open);
        QFETCH(QString, balloon);
        CNorVideoDlItem row(m_list.get(), task(QStringLiteral("/f")), true);
        row.setProgress(progress);
        QTest::mouseClick(row.mediaForm()->btnTrack, Qt::LeftButton);
        QPointer<CUxDlTracksListBox> chooser = CNorVideoDlItem::trackChooser;
        QVERIFY(chooser && chooser->isVisible());
        QCOMPARE(CNorVideoDlItem::trackChooserRow.data(), &row);
        QCOMPARE(chooser->panel()->mapToGlobal(QPoint(0, 0)),
                 row.mediaForm()->btnTrack->mapToGlobal(QPoint(0, row.mediaForm()->btnTrack->height())));
        QVERIFY(button(chooser, 0)->isChecked());
        DialogAnswerer answerer;
        if (!answer.isEmpty())
            answerer.press("MsgDialog", answer);
        if (action == QLatin1String("name"))
            QTest::mouseClick(chooser->trackItem(index)->form()->TrackNameLab, Qt::LeftButton);
        else
            QTest::mouseClick(button(chooser, index), Qt::LeftButton);
        QVERIFY(answerer.allAnswered());
        QCOMPARE(row.downloadItem()->chosenMediaIndex(), chosen);
        if (open == 0) {
            QTRY_VERIFY_WITH_TIMEOUT(!chooser, kWaitMs);
        } else if (open == 1 || (chooser && chooser->isVisible())) {
            QVERIFY(chooser->isVisible());
            for (int i = 0; i < 3; ++i)
                QTRY_COMPARE_WITH_TIMEOUT(button(chooser, i)->isChecked(), i == chosen, kWaitMs);
            QCOMPARE(chooser->currentTip() ? chooser->currentTip()->text() : QString(), balloon);
            chooser->hide();
        }
        if (chosen != 0) {
            QCOMPARE(row.progress(), 0);
            QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("addDownloadingItems(1)")));
            QCOMPARE(row.mediaForm()->labFormat->text(), chosen == 1 ? QStringLiteral("WEBM") : QStringLiteral("M4A"));
        } else {
            QCOMPARE(row.progress(), progress);
            QVERIFY(!ScriptedEngine::calls().contains(QStringLiteral("addDownloadingItems(1)")));
        }
    }

    // A task the engine holds keeps its format and its partial data.
    void pendingTaskKeepsItsFormat()
    {
        QTemporaryDir dir;
        // The task's temp folder sits in its output folder, as the engine makes it.
        SettingsStore::instance()->setValue(QStringLiteral("youtube/download"), SettingsStore::toStoredPath(dir.path()));
        DownloadItem t = task(QStringLiteral("/q"));
        CNorVideoDlItem row(m_list.get(), t, true);
        const QString temp = dir.filePath(QStringLiteral("temp_q"));
        QVERIFY(QDir().mkpath(temp));
        row.downloadItem()->tempFilePath = temp;
        row.downloadItem()->setProgress(30);
        row.setProgress(30);
        ScriptedEngine::setDownloadPending(row.downloadItem(), true);
        QTest::mouseClick(row.mediaForm()->btnTrack, Qt::LeftButton);
        QPointer<CUxDlTracksListBox> chooser = CNorVideoDlItem::trackChooser;
        QTest::mouseClick(button(chooser, 1), Qt::LeftButton);   // no question comes
        QCOMPARE(row.downloadItem()->chosenMediaIndex(), 0);
        QVERIFY(QFileInfo(temp).isDir());
        QTRY_VERIFY_WITH_TIMEOUT(!button(chooser, 1)->isChecked(), kWaitMs);
        // No longer held: the question, then the change and the folder goes.
        ScriptedEngine::setDownloadPending(row.downloadItem(), false);
        DialogAnswerer answerer;
        answerer.press("MsgDialog", QStringLiteral("btn_0"));
        QTest::mouseClick(button(chooser, 1), Qt::LeftButton);
        QCOMPARE(row.downloadItem()->chosenMediaIndex(), 1);
        QVERIFY(!QFileInfo::exists(temp));
        chooser->hide();
    }

    void formatColumnsOnlyGrow()
    {
        CNorVideoDlItem row(m_list.get(), task(QStringLiteral("/w")), true);
        QTest::mouseClick(row.mediaForm()->btnTrack, Qt::LeftButton);
        QPointer<CUxDlTracksListBox> first = CNorVideoDlItem::trackChooser;
        const int size = CUxDlTrackItem::sizeColumnWidth();
        const int listWidth = first->listWidget()->baseSize().width();
        auto* item = qobject_cast<CUxDlTrackItem*>(first->trackItem(0));
        QCOMPARE(item->sizeText(), QStringLiteral("Size: 1.0MB"));
        QCOMPARE(item->formatText(), QStringLiteral("Format: mp4"));
        QCOMPARE(listWidth, CUxDlTrackItem::formatColumnWidth() + CUxDlTrackItem::resolutionColumnWidth() + size + 36);
        first->hide();

        DownloadItem wide = task(QStringLiteral("/w2"));
        wide.medias[2].fileSize = QStringLiteral("1234567.89MB (estimated, roughly)");
        CNorVideoDlItem wideRow(m_list.get(), wide, true);
        QTest::mouseClick(wideRow.mediaForm()->btnTrack, Qt::LeftButton);
        CNorVideoDlItem::trackChooser->hide();
        QVERIFY(CUxDlTrackItem::sizeColumnWidth() > size);
        const int grown = CUxDlTrackItem::sizeColumnWidth();

        // A later popup of short texts keeps the wide column.
        QTest::mouseClick(row.mediaForm()->btnTrack, Qt::LeftButton);
        QPointer<CUxDlTracksListBox> later = CNorVideoDlItem::trackChooser;
        QCOMPARE(CUxDlTrackItem::sizeColumnWidth(), grown);
        QVERIFY(later->listWidget()->baseSize().width() > listWidth);
        later->hide();
    }
};

QTEST_MAIN(TstTrackChooser)
#include "tst_trackchooser.moc"
