#include "ScriptedEngine.h"

#include "ui_livevideoform.h"

#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/CUxTimeEdit.h"
#include "gui/main/cnorvideodlitem.h"

#include <QPointer>
#include <QTimeEdit>
#include <QtTest>
#include <memory>

// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.
static constexpr int kWaitMs = 20000;

namespace {

DownloadItem liveTask(const QString& path)
{
    DownloadItem t;
    t.title = QStringLiteral("Live ") + path;
    t.url = QStringLiteral("http://fake.example") + path;
    t.isLiveStream = true;
    DownloadMedia m;
    m.format = QStringLiteral("mp4");
    m.tarExt = QStringLiteral("mp4");
    t.medias.append(m);
    t.setChosenMediaIndex(0);
    return t;
}

int secondsOfDay(const QTime& t)
{
    return t.hour() * 3600 + t.minute() * 60 + t.second();
}

// Times an edit may be made at without the day wrapping under the test.
bool nearMidnight()
{
    return secondsOfDay(QTime::currentTime()) > 86400 - 180;
}

}

class TstCUxTimeEdit : public QObject
{
    Q_OBJECT
    std::unique_ptr<QUxListWidget> m_list;

    CUxTimeEdit* open(CNorVideoDlItem& row, int iType)
    {
        Ui::livevideoform* f = row.liveVideoForm();
        QTest::mouseClick(iType == 0 ? f->btnEditStartTime : f->btnEditDurTime, Qt::LeftButton);
        return row.timeEditor();
    }

private slots:
    void initTestCase() { m_list.reset(new QUxListWidget); }
    void init() { ScriptedEngine::reset(); }

    void editorPreloadsItsLabel_data()
    {
        QTest::addColumn<int>("iType");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");   // empty: the clock
        QTest::newRow("start at once gives the clock") << 0 << QString() << QString();
        QTest::newRow("fresh length") << 1 << QString() << QStringLiteral("00:05:00");
        QTest::newRow("ordered start") << 0 << QStringLiteral("23:59:58") << QStringLiteral("23:59:58");
        QTest::newRow("edited length") << 1 << QStringLiteral("01:02:03") << QStringLiteral("01:02:03");
    }
    void editorPreloadsItsLabel()
    {
        QFETCH(int, iType);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        CNorVideoDlItem row(m_list.get(), liveTask(QStringLiteral("/p")), true);
        QLabel* anchor = iType == 0 ? row.liveVideoForm()->labStartTime : row.liveVideoForm()->labDuration;
        if (!label.isEmpty())
            anchor->setText(label);
        const QTime before = QTime::currentTime();
        CUxTimeEdit* editor = open(row, iType);
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->type(), iType);
        QCOMPARE(editor->timeEditor()->displayFormat(), QStringLiteral("HH:mm:ss"));
        QCOMPARE(editor->size(), anchor->size() + QSize(2, 4));
        if (expected.isEmpty()) {
            const int shown = secondsOfDay(editor->timeEditor()->time());
            QVERIFY2(qAbs(shown - secondsOfDay(before)) <= 2 || nearMidnight(), qPrintable(editor->timeEditor()->time().toString()));
        } else {
            QCOMPARE(editor->timeEditor()->time().toString(QStringLiteral("HH:mm:ss")), expected);
        }
        editor->hide();
    }

    void secondEditorRemovesTheFirst()
    {
        CNorVideoDlItem a(m_list.get(), liveTask(QStringLiteral("/a")), true);
        CNorVideoDlItem b(m_list.get(), liveTask(QStringLiteral("/b")), true);
        QPointer<CUxTimeEdit> first = open(a, 0);
        QVERIFY(first);
        first->hide();
        QPointer<CUxTimeEdit> second = open(b, 1);
        QVERIFY(second && second != first);
        QCOMPARE(CUxTimeEdit::timeEditPopup.data(), second.data());
        QTRY_VERIFY_WITH_TIMEOUT(!first, kWaitMs);
        QVERIFY(second);
        second->hide();
    }

    void outsideClickReportsOnce()
    {
        CNorVideoDlItem row(m_list.get(), liveTask(QStringLiteral("/o")), true);
        CUxTimeEdit* editor = open(row, 1);
        QSignalSpy hided(editor, &CUxTimeEdit::hided);
        QTest::mouseClick(editor, Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
        QTRY_VERIFY_WITH_TIMEOUT(!editor->isVisible(), kWaitMs);
        QCoreApplication::processEvents();
        QCOMPARE(hided.count(), 1);
        QCOMPARE(hided.at(0).at(0).toString(), QStringLiteral("00:05:00"));
        QCOMPARE(hided.at(0).at(1).toInt(), 1);
        // Hidden, not gone: it stays until the next editor or its row.
        QCOMPARE(row.timeEditor(), editor);
    }

    void returnKeysClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
    void returnKeysClose()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        CNorVideoDlItem row(m_list.get(), liveTask(QStringLiteral("/k")), true);
        CUxTimeEdit* editor = open(row, 1);
        QSignalSpy hided(editor, &CUxTimeEdit::hided);
        QTest::keyClick(editor->timeEditor(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(!editor->isVisible());
        QCOMPARE(hided.count(), 1);
        // Another key leaves it open.
        CUxTimeEdit* again = open(row, 1);
        QTest::keyClick(again->timeEditor(), Qt::Key_Up);
        QVERIFY(again->isVisible());
        again->hide();
    }

    // What the row makes of an edited time. offset: seconds from now for a
    // start time; a length is taken as written.
    void editedTimeApplies_data()
    {
        QTest::addColumn<int>("iType");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("startNow");
        QTest::addColumn<int>("duration");
        QTest::addColumn<QString>("durationLabel");
        QTest::newRow("length 01:30:00") << 1 << 0 << "01:30:00" << 0 << true << 5400 << "01:30:00";
        QTest::newRow("zero length keeps the length") << 1 << 0 << "00:00:00" << 0 << true << 300 << "00:05:00";
        QTest::newRow("start this second") << 0 << 0 << "" << 0 << true << 300 << "00:05:00";
        QTest::newRow("start a minute ago") << 0 << -60 << "" << 0 << true << 300 << "00:05:00";
        QTest::newRow("start a minute ahead") << 0 << 60 << "" << 2 << false << 300 << "00:05:00";
    }
    void editedTimeApplies()
    {
        QFETCH(int, iType);
        QFETCH(int, offset);
        QFETCH(QString, length);
        QFETCH(int, state);
        QFETCH(bool, startNow);
        QFETCH(int, duration);
        QFETCH(QString, durationLabel);
        if (nearMidnight() || secondsOfDay(QTime::currentTime()) < 120)
            QSKIP("the day wraps under the edit");
        CNorVideoDlItem row(m_list.get(), liveTask(QStringLiteral("/e")), true);
        CUxTimeEdit* editor = open(row, iType);
        const QTime t = iType == 0 ? QTime::currentTime().addSecs(offset) : QTime::fromString(length, QStringLiteral("HH:mm:ss"));
        editor->timeEditor()->setTime(t);
        editor->hide();
        Ui::livevideoform* f = row.liveVideoForm();
        QCOMPARE(row.liveControlState(), state);
        QCOMPARE(row.downloadItem()->startNow, startNow);
        QCOMPARE(row.downloadItem()->duration, duration);
        QCOMPARE(f->labDuration->text(), durationLabel);
        QCOMPARE(f->btnContrl->text(), CNorVideoDlItem::controlText(state));
        if (state == 2) {
            QCOMPARE(f->labStartTime->text(), t.toString(QStringLiteral("HH:mm:ss")));
            QCOMPARE(row.downloadItem()->startTime.toString(), t.toString());
        } else {
            QCOMPARE(f->labStartTime->text(), CNorVideoDlItem::currentTimeText());
        }
    }

    void doubleClickOnALabelOpens()
    {
        CNorVideoDlItem row(m_list.get(), liveTask(QStringLiteral("/d")), true);
        QTest::mouseDClick(row.liveVideoForm()->labDuration, Qt::LeftButton);
        QVERIFY(row.timeEditor());
        QCOMPARE(row.timeEditor()->type(), 1);
        row.timeEditor()->hide();
    }

    void noEditorWhileRecordingOrOrdered()
    {
        if (nearMidnight())
            QSKIP("the day wraps under the order");
        CNorVideoDlItem recording(m_list.get(), liveTask(QStringLiteral("/r")), true);
        recording.onDownStarted();
        recording.popUpTimeEdit(0);
        recording.popUpTimeEdit(1);
        QVERIFY(!recording.timeEditor());

        CNorVideoDlItem ordered(m_list.get(), liveTask(QStringLiteral("/q")), true);
        CUxTimeEdit* editor = open(ordered, 0);
        editor->timeEditor()->setTime(QTime::currentTime().addSecs(90));
        editor->hide();
        QCOMPARE(ordered.liveControlState(), 2);
        QTest::mouseClick(ordered.liveVideoForm()->btnContrl, Qt::LeftButton);
        QCOMPARE(ordered.liveControlState(), 3);
        QPointer<CUxTimeEdit> old = ordered.timeEditor();
        QTest::mouseDClick(ordered.liveVideoForm()->labStartTime, Qt::LeftButton);
        QCOMPARE(ordered.timeEditor(), old.data());
        // Start now is refused as well while the order stands.
        ordered.on_btnRevertStartTime_clicked();
        QCOMPARE(ordered.liveControlState(), 3);
    }

    // The editor hides as it goes with its row; the half-destroyed row must
    // not hear of it.
    void rowGoesWithItsEditorOpen()
    {
        auto* row = new CNorVideoDlItem(m_list.get(), liveTask(QStringLiteral("/g")), true);
        QPointer<CUxTimeEdit> editor = open(*row, 1);
        QVERIFY(editor && editor->isVisible());
        delete row;
        QVERIFY(!editor);
        QVERIFY(!CUxTimeEdit::timeEditPopup);
    }
};

QTEST_MAIN(TstCUxTimeEdit)
#include "tst_cuxtimeedit.moc"
