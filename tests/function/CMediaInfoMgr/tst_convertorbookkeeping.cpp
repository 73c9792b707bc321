#include "function/CMediaInfoMgr/CMediaConvertorMgr.h"
#include "function/CMediaInfoMgr/private/FFMpegThread.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct Step
{
    QString file;
    int errorCode;
    bool completed;
};

// Reports its steps from its own thread, as a converting thread does.
class ReportingThread : public FFMpegThread
{
public:
    explicit ReportingThread(QList<Step> steps) : m_steps(std::move(steps)) {}

protected:
    void run() override
    {
        for (const Step& s : m_steps) {
            setErrorCode(s.errorCode);
            setCompleted(s.completed);
            report(transcoder_state_t{s.file});
        }
    }

private:
    QList<Step> m_steps;
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestConvertorBookkeeping : public QObject
{
    Q_OBJECT
private slots:
    void reportsAreCounted_data();
    void reportsAreCounted();
    void threadEndsItsLoopAndGoes();
};

void TestConvertorBookkeeping::reportsAreCounted_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<bool>("holdAfterFirst");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("all");
    QTest::addColumn<QStringList>("failed");

    QTest::newRow("same file twice counts once")
        << QList<Step>{{"a.mp4", 0, false}, {"a.mp4", 0, true}} << false << 1
        << QStringList{"a.mp4"} << QStringList{};
    QTest::newRow("B between two A counts A twice")
        << QList<Step>{{"a.mp4", 0, false}, {"b.mp4", 0, true}, {"a.mp4", 0, true}} << false << 3
        << QStringList{"a.mp4", "b.mp4"} << QStringList{};
    QTest::newRow("last report with an error stays failed")
        << QList<Step>{{"a.mp4", 0, false}, {"a.mp4", 1, true}, {"b.mp4", 0, true}} << false << 2
        << QStringList{"a.mp4", "b.mp4"} << QStringList{"a.mp4"};
    QTest::newRow("never completed stays failed")
        << QList<Step>{{"a.mp4", 0, false}, {"b.mp4", 0, false}} << false << 2
        << QStringList{"a.mp4", "b.mp4"} << QStringList{"a.mp4", "b.mp4"};
    // While held, a completed report for B confirms B, never the current A.
    QTest::newRow("held: report names its own file")
        << QList<Step>{{"a.mp4", 0, false}, {"b.mp4", 0, true}} << true << 1
        << QStringList{"a.mp4"} << QStringList{"a.mp4"};
}

void TestConvertorBookkeeping::reportsAreCounted()
{
    QFETCH(QList<Step>, steps);
    QFETCH(bool, holdAfterFirst);
    QFETCH(int, count);
    QFETCH(QStringList, all);
    QFETCH(QStringList, failed);

    CMediaConvertorMgr mgr;
    mgr.setTotalFileCount(7);
    QSignalSpy progress(&mgr, &CMediaConvertorMgr::doProcess);

    // One thread per step, each gone before its queued report is read.
    for (int i = 0; i < steps.size(); ++i) {
        auto* t = new ReportingThread({steps.at(i)});
        mgr.watch(t);
        t->start();
        QVERIFY(t->wait(20000));
        delete t;
        QTRY_COMPARE(progress.count(), i + 1);
        if (i == 0 && holdAfterFirst)
            mgr.setHold(true);
    }
    QCOMPARE(mgr.curFileCount(), count);
    QCOMPARE(mgr.allFiles(), all);
    QCOMPARE(mgr.failedFiles(), failed);
    // Reports are forwarded with the counts, also while held.
    QCOMPARE(progress.last().at(0).toInt(), count);
    QCOMPARE(progress.last().at(1).toInt(), 7);
    QCOMPARE(progress.last().at(2).value<transcoder_state_t>().fileName, steps.last().file);
}

void TestConvertorBookkeeping::threadEndsItsLoopAndGoes()
{
    QPointer<FFMpegThread> t = new FFMpegThread;
    QSignalSpy log(t.data(), &FFMpegThread::doLog);
    emit t->doLog(QStringLiteral("line"));
    QCOMPARE(log.at(0).at(1).toString(), QStringLiteral("#575d66"));
    t->onFinished();
    QTRY_VERIFY(t.isNull());
}

QTEST_GUILESS_MAIN(TestConvertorBookkeeping)
#include "tst_convertorbookkeeping.moc"
