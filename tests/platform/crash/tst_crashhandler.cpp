#include "platform/CrashHandler.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void crashLeavesReportAndRelaunches_data();
    void crashLeavesReportAndRelaunches();
    void reportReplacesAnOlderOne();
    void unwritableReportStillRelaunches();

private:
    struct Run {
        QByteArray report;
        QString record;
        int exitCode = 0;
        bool finished = false;
    };
    Run runHelper(const QTemporaryDir& dir, const QString& kind, const QString& reportPath,
                  const QStringList& relaunch);

    QString m_helper;
};

void TestCrashHandler::initTestCase()
{
    m_helper = QString::fromLocal8Bit(qgetenv("TW_CRASH_HELPER"));
    QVERIFY2(QFileInfo(m_helper).isExecutable(), qPrintable(m_helper));
}

TestCrashHandler::Run TestCrashHandler::runHelper(const QTemporaryDir& dir, const QString& kind,
                                                  const QString& reportPath,
                                                  const QStringList& relaunch)
{
    Run run;
    const QString recordPath = dir.filePath(QStringLiteral("record.txt"));
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TW_CRASH_RECORD"), recordPath);
    env.insert(QStringLiteral("TW_CRASH_TMP"), dir.path());
    helper.setProcessEnvironment(env);
    helper.setProcessChannelMode(QProcess::ForwardedChannels);
    helper.start(m_helper, QStringList{kind, reportPath} + relaunch);
    if (!helper.waitForStarted(5000))
        return run;
    run.finished = helper.waitForFinished(20000);
    run.exitCode = helper.exitCode();
    if (!run.finished)
        helper.kill();

    // The relaunched instance runs detached; wait for what it records.
    QFile record(recordPath);
    for (int i = 0; i < 200 && !record.exists(); ++i)
        QTest::qWait(50);
    QTest::qWait(50);
    if (record.open(QIODevice::ReadOnly))
        run.record = QString::fromUtf8(record.readAll());
    QFile report(reportPath);
    if (report.open(QIODevice::ReadOnly))
        run.report = report.readAll();
    return run;
}

void TestCrashHandler::crashLeavesReportAndRelaunches_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("signalLine");
    QTest::addColumn<QByteArray>("detail");    // expected in the report besides the signal
    QTest::addColumn<QStringList>("relaunch");
    QTest::addColumn<QString>("expectedRecord");

    const QStringList self{QStringLiteral("self")};
    QTest::newRow("segv") << "segv" << QByteArray("Signal: 11 SIGSEGV")
                          << QByteArray("Fault address: 0x10\n") << self << "crash";
    QTest::newRow("abort") << "abort" << QByteArray("Signal: 6 SIGABRT")
                           << QByteArray("Sent by process: ") << self << "crash";
    QTest::newRow("fpe") << "fpe" << QByteArray("Signal: 8 SIGFPE")
                         << QByteArray("crashOnPurposeFpe") << self << "crash";
    QTest::newRow("ill") << "ill" << QByteArray("Signal: 4 SIGILL")
                         << QByteArray("crashOnPurposeIll") << self << "crash";
    QTest::newRow("bus") << "bus" << QByteArray("Signal: 7 SIGBUS")
                         << QByteArray("crashOnPurposeBus") << self << "crash";
    // Only the alternate stack lets the handler run after this one.
    QTest::newRow("stack overflow") << "overflow" << QByteArray("Signal: 11 SIGSEGV")
                                    << QByteArray("crashOnPurposeRecurse") << self << "crash";
    QTest::newRow("worker thread") << "thread" << QByteArray("Signal: 11 SIGSEGV")
                                   << QByteArray("crashOnPurposeSegv") << self << "crash";
    // The relaunch target and its arguments are configurable.
    QTest::newRow("other target") << "segv" << QByteArray("Signal: 11 SIGSEGV")
                                  << QByteArray("crashOnPurposeSegv")
                                  << QStringList{m_helper, QStringLiteral("crash"), QStringLiteral("extra arg")}
                                  << "crash\nextra arg";
}

void TestCrashHandler::crashLeavesReportAndRelaunches()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, signalLine);
    QFETCH(QByteArray, detail);
    QFETCH(QStringList, relaunch);
    QFETCH(QString, expectedRecord);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString reportPath = dir.filePath(QStringLiteral("Error File.dmp"));
    const Run run = runHelper(dir, kind, reportPath, relaunch);

    QVERIFY2(run.finished, "the crashing program did not end");
    QVERIFY2(run.exitCode >= 128, "the program ended without crashing");
    QVERIFY2(run.report.contains(signalLine), run.report.left(400).constData());
    QVERIFY2(run.report.contains(detail), run.report.left(4000).constData());
    QVERIFY(run.report.contains("\nBacktrace:\n"));
    QVERIFY(run.report.contains("\nMemory map:\n"));
    QVERIFY(run.report.contains("Program: " + QFile::encodeName(m_helper)));
    QCOMPARE(QFileInfo(reportPath).permissions() & (QFile::ReadOther | QFile::ReadGroup),
             QFile::Permissions());
    QCOMPARE(run.record, expectedRecord);
}

void TestCrashHandler::reportReplacesAnOlderOne()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString reportPath = dir.filePath(QStringLiteral("Error File.dmp"));
    {
        QFile old(reportPath);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    const Run run = runHelper(dir, QStringLiteral("abort"), reportPath, {QStringLiteral("self")});
    QVERIFY(run.finished);
    QVERIFY(run.report.startsWith("Crash report\n"));
    QVERIFY(!run.report.contains("xxxx"));
    QCOMPARE(run.record, QStringLiteral("crash"));
}

void TestCrashHandler::unwritableReportStillRelaunches()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString reportPath = dir.filePath(QStringLiteral("missing folder/Error File.dmp"));
    const Run run = runHelper(dir, QStringLiteral("segv"), reportPath, {QStringLiteral("self")});
    QVERIFY(run.finished);
    QVERIFY(run.report.isEmpty());
    QCOMPARE(run.record, QStringLiteral("crash"));
}

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "tst_crashhandler.moc"
