#include "common/log/ReleaseLog.h"
#include "shell/SettingsStore.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>
#include <unistd.h>
#include <fcntl.h>

namespace {

// A locale codec that logs a message the first time it is used after being
// armed. The log layer converts text to the local encoding while it holds its
// lock, and the file layer converts every path it opens, so this raises a
// message from inside the handler without any hook in the program.
class NoisyCodec : public QTextCodec
{
public:
    mutable std::atomic<bool> armed{false};
    QtMsgType nestedType = QtWarningMsg;

    QByteArray name() const override { return "tw-noisy-utf8"; }
    int mibEnum() const override { return -4242; }

protected:
    QString convertToUnicode(const char* in, int length, ConverterState*) const override
    {
        return QString::fromUtf8(in, length);
    }
    QByteArray convertFromUnicode(const QChar* in, int length, ConverterState*) const override
    {
        if (armed.exchange(false)) {
            if (nestedType == QtCriticalMsg)
                qCritical("nested message");
            else
                qWarning("nested message");
        }
        return QString(in, length).toUtf8();
    }
};

NoisyCodec* noisyCodec()
{
    static NoisyCodec* codec = new NoisyCodec;   // codecs are never deleted
    return codec;
}

void emitMessage(QtMsgType type, const char* text)
{
    switch (type) {
    case QtDebugMsg: qDebug("%s", text); break;
    case QtInfoMsg: qInfo("%s", text); break;
    case QtWarningMsg: qWarning("%s", text); break;
    case QtCriticalMsg: qCritical("%s", text); break;
    case QtFatalMsg:
        // qFatal would end the test; the handler itself is what is tested.
        releaseMessageHandler(QtFatalMsg, QMessageLogContext(), QString::fromUtf8(text));
        break;
    }
}

// Runs fn on another thread; a deadlock ends the test run instead of hanging.
template <typename Fn>
void runOrDie(Fn fn)
{
    auto done = std::async(std::launch::async, fn);
    if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        std::fputs("FAIL: logging deadlocked\n", stderr);
        std::_Exit(1);
    }
}

// Keeps bulk log output off the console for one scope.
class QuietStdout
{
public:
    QuietStdout()
    {
        std::fflush(stdout);
        m_saved = ::dup(1);
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, 1);
        ::close(devNull);
    }
    ~QuietStdout()
    {
        std::fflush(stdout);
        ::dup2(m_saved, 1);
        ::close(m_saved);
    }

private:
    int m_saved = -1;
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QString findFile(const QString& root, const QString& name)
{
    QDirIterator it(root, QStringList{name}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    return it.hasNext() ? it.next() : QString();
}

} // namespace

Q_DECLARE_METATYPE(QtMsgType)

class TestReleaseLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void levelWords_data();
    void levelWords();
    void levelByMessageType_data();
    void levelByMessageType();
    void filterTexts_data();
    void filterTexts();
    void filteredCriticalStillMarksReport();
    void droppedCriticalDoesNotMarkReport();
    void lineFormat();
    void startEmptiesEarlierLog();
    void sizeCap_data();
    void sizeCap();
    void renameAtExit_data();
    void renameAtExit();
    void nestedMessageWhileWritingLog_data();
    void nestedMessageWhileWritingLog();
    void messageWhileStoreWritesReport();
    void threadsWriteWholeLines();
    void exitRoutineRunsWithApplication();
    void threadLoggingThroughExitWritesNothingMore();
    void crashLeavesDumpAndRelaunches();

private:
    void install(const QString& word);
    QString m_folder;
    QString m_log;
    QString m_errorFile;
};

void TestReleaseLog::initTestCase()
{
    SettingsStore* store = SettingsStore::instance();
    QVERIFY(store->isValid());
    m_folder = store->configDir();
    m_log = m_folder + QStringLiteral("/log.txt");
    m_errorFile = m_folder + QStringLiteral("/Error File.txt");
}

void TestReleaseLog::init()
{
    Log::uninstallReleaseMsgHandler();
    QFile::remove(m_log);
    QFile::remove(m_errorFile);
    SettingsStore::instance()->setValue(QStringLiteral("log/report"), QString());
}

void TestReleaseLog::cleanup()
{
    Log::uninstallReleaseMsgHandler();
    QTextCodec::setCodecForLocale(nullptr);
}

void TestReleaseLog::install(const QString& word)
{
    parseLogLevelWord(word);
    QVERIFY(Log::installReleaseMsgHandler(QStringLiteral("tst_releaselog")));
    QCOMPARE(Log::logFilePath(), m_log);
    QCOMPARE(Log::dumpPath(), m_folder + QStringLiteral("/Error File.dmp"));
}

void TestReleaseLog::levelWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("level");
    QTest::newRow("normal") << "normal" << 0;
    QTest::newRow("procedure") << "procedure" << 1;
    QTest::newRow("judge") << "judge" << 2;
    QTest::newRow("error") << "error" << 3;
    QTest::newRow("none") << "none" << 4;
    QTest::newRow("case matters") << "Error" << 0;
    QTest::newRow("Crash") << "Crash" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("padded") << " judge" << 0;
}

void TestReleaseLog::levelWords()
{
    QFETCH(QString, word);
    QFETCH(int, level);
    parseLogLevelWord(QStringLiteral("none"));
    parseLogLevelWord(word);
    QCOMPARE(Log::minimumLevel(), level);
}

void TestReleaseLog::levelByMessageType_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QtMsgType>("type");
    QTest::addColumn<QByteArray>("expected");   // empty: dropped

    const QStringList words{"normal", "procedure", "judge", "error", "none", "unknown"};
    const int minimum[] = {0, 1, 2, 3, 4, 0};
    const QtMsgType types[] = {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg, QtFatalMsg};
    const char* typeNames[] = {"debug", "info", "warning", "critical", "fatal"};
    for (int w = 0; w < words.size(); ++w) {
        for (int level = 0; level < 5; ++level) {
            const QByteArray line = level >= minimum[w]
                ? "L" + QByteArray::number(level) + ": message\r\n" : QByteArray();
            QTest::addRow("%s %s", qPrintable(words.at(w)), typeNames[level])
                << words.at(w) << types[level] << line;
        }
    }
}

void TestReleaseLog::levelByMessageType()
{
    QFETCH(QString, word);
    QFETCH(QtMsgType, type);
    QFETCH(QByteArray, expected);
    install(word);
    emitMessage(type, "message");
    QCOMPARE(readAll(m_log), expected);
}

void TestReleaseLog::filterTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("written");
    QTest::newRow("libpng") << "libpng warning: iCCP: known incorrect sRGB profile" << false;
    QTest::newRow("connectSlotsByName")
        << "QMetaObject::connectSlotsByName: No matching signal for on_btn_done_clicked()" << false;
    QTest::newRow("setPixelSize") << "QFont::setPixelSize: Pixel size <= 0 (0)" << false;
    QTest::newRow("misspelt property") << "Unkown property box-shadow" << false;
    QTest::newRow("inside a longer text") << "style: Unkown property x" << false;
    QTest::newRow("correct spelling") << "Unknown property box-shadow" << true;
    QTest::newRow("other case") << "libpng Warning: something" << true;
    QTest::newRow("lower case") << "qfont::setpixelsize" << true;
    QTest::newRow("plain") << "download started" << true;
}

void TestReleaseLog::filterTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, written);
    install(QStringLiteral("normal"));
    qWarning("%s", qUtf8Printable(text));
    QCOMPARE(readAll(m_log), written ? "L2: " + text.toUtf8() + "\r\n" : QByteArray());
}

void TestReleaseLog::filteredCriticalStillMarksReport()
{
    install(QStringLiteral("normal"));
    qCritical("QFont::setPixelSize: Pixel size <= 0 (0)");
    QCOMPARE(readAll(m_log), QByteArray());
    QCOMPARE(SettingsStore::instance()->value(QStringLiteral("log/report")), QStringLiteral("true"));
}

void TestReleaseLog::droppedCriticalDoesNotMarkReport()
{
    install(QStringLiteral("none"));
    qCritical("below the minimum level");
    QCOMPARE(readAll(m_log), QByteArray());
    QCOMPARE(SettingsStore::instance()->value(QStringLiteral("log/report")), QString());
}

void TestReleaseLog::lineFormat()
{
    install(QStringLiteral("normal"));
    qDebug("%s", "h\xc3\xa9llo \xe2\x9c\x93 = x");
    qInfo("second");
    // UTF-8 without a byte-order mark, CR LF after each line.
    QCOMPARE(readAll(m_log), QByteArray("L0: h\xc3\xa9llo \xe2\x9c\x93 = x\r\nL1: second\r\n"));
}

void TestReleaseLog::startEmptiesEarlierLog()
{
    writeFile(m_log, "L0: from the last run\r\n");
    install(QStringLiteral("normal"));
    QCOMPARE(readAll(m_log), QByteArray());
    qDebug("new run");
    QCOMPARE(readAll(m_log), QByteArray("L0: new run\r\n"));
}

void TestReleaseLog::sizeCap_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("at the cap") << Log::kMaxLogSize << false;
    QTest::newRow("one byte over") << Log::kMaxLogSize + 1 << true;
}

void TestReleaseLog::sizeCap()
{
    QFETCH(qint64, size);
    QFETCH(bool, emptied);
    QCOMPARE(Log::kMaxLogSize, qint64(31457280));
    install(QStringLiteral("normal"));
    {
        QuietStdout quiet;
        const qint64 chunk = 1 << 20;
        const QByteArray text(int(chunk - 6), 'a');   // "L0: " + text + "\r\n"
        qint64 written = 0;
        while (size - written > 2 * chunk) {
            qDebug("%s", text.constData());
            written += chunk;
        }
        const qint64 rest = size - written;
        qDebug("%s", QByteArray(int(rest / 2 - 6), 'b').constData());
        qDebug("%s", QByteArray(int(rest - rest / 2 - 6), 'c').constData());
    }
    QCOMPARE(QFileInfo(m_log).size(), size);
    qDebug("next");
    if (emptied)
        QCOMPARE(readAll(m_log), QByteArray("L0: next\r\n"));
    else
        QCOMPARE(QFileInfo(m_log).size(), size + 10);
}

void TestReleaseLog::renameAtExit_data()
{
    QTest::addColumn<QString>("storedReport");
    QTest::addColumn<bool>("criticalThisRun");
    QTest::addColumn<bool>("olderErrorFile");
    QTest::addColumn<bool>("renamed");
    QTest::newRow("critical in this run") << "" << true << false << true;
    QTest::newRow("marked by an earlier run") << "true" << false << false << true;
    QTest::newRow("not marked") << "" << false << false << false;
    QTest::newRow("marked false") << "false" << false << false << false;
    QTest::newRow("older critical log kept") << "true" << true << true << false;
}

void TestReleaseLog::renameAtExit()
{
    QFETCH(QString, storedReport);
    QFETCH(bool, criticalThisRun);
    QFETCH(bool, olderErrorFile);
    QFETCH(bool, renamed);

    SettingsStore::instance()->setValue(QStringLiteral("log/report"), storedReport);
    if (olderErrorFile)
        writeFile(m_errorFile, "older report");
    install(QStringLiteral("normal"));
    qDebug("line one");
    if (criticalThisRun)
        qCritical("it went wrong");
    const QByteArray logged = readAll(m_log);
    finishLogOnExit();

    if (renamed) {
        QVERIFY(!QFile::exists(m_log));
        QCOMPARE(readAll(m_errorFile), logged);
    } else {
        QCOMPARE(readAll(m_log), logged);
        QCOMPARE(readAll(m_errorFile), olderErrorFile ? QByteArray("older report") : QByteArray());
    }
    // The mark is never taken back.
    if (criticalThisRun || storedReport == QLatin1String("true"))
        QCOMPARE(SettingsStore::instance()->value(QStringLiteral("log/report")), QStringLiteral("true"));
}

void TestReleaseLog::nestedMessageWhileWritingLog_data()
{
    QTest::addColumn<QtMsgType>("nestedType");
    QTest::newRow("warning") << QtWarningMsg;
    // A critical one would also write the settings store.
    QTest::newRow("critical") << QtCriticalMsg;
}

// A message raised while this thread holds the log lock. Qt hands such a
// message to standard error instead of calling the handler again; what
// matters is that nothing hangs and the outer line is written.
void TestReleaseLog::nestedMessageWhileWritingLog()
{
    QFETCH(QtMsgType, nestedType);
    install(QStringLiteral("normal"));
    NoisyCodec* codec = noisyCodec();
    codec->nestedType = nestedType;
    QTextCodec::setCodecForLocale(codec);
    codec->armed = true;
    runOrDie([] { qDebug("outer"); });
    QTextCodec::setCodecForLocale(nullptr);

    QVERIFY(!codec->armed);   // the nested message really was raised
    QCOMPARE(readAll(m_log), QByteArray("L0: outer\r\n"));
    qDebug("after");
    QCOMPARE(readAll(m_log), QByteArray("L0: outer\r\nL0: after\r\n"));
}

// A critical message makes the handler write log/report; a message raised
// while the store saves (here: as it opens config.ini) must not hang either.
void TestReleaseLog::messageWhileStoreWritesReport()
{
    install(QStringLiteral("normal"));
    NoisyCodec* codec = noisyCodec();
    codec->nestedType = QtCriticalMsg;
    QTextCodec::setCodecForLocale(codec);
    codec->armed = true;
    runOrDie([] { qCritical("outer critical"); });
    QTextCodec::setCodecForLocale(nullptr);

    QVERIFY(!codec->armed);
    QCOMPARE(readAll(m_log), QByteArray("L3: outer critical\r\n"));
    QCOMPARE(SettingsStore::instance()->value(QStringLiteral("log/report")), QStringLiteral("true"));
    QVERIFY(readAll(SettingsStore::fromStoredPath(SettingsStore::instance()->configFilePath()))
                .contains("[log]\r\nreport=true\r\n"));
}

void TestReleaseLog::threadsWriteWholeLines()
{
    install(QStringLiteral("normal"));
    const int threads = 8;
    const int perThread = 300;
    {
        QuietStdout quiet;
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([t] {
                for (int i = 0; i < perThread; ++i) {
                    if (i % 50 == 0)
                        qCritical("thread %d line %d", t, i);
                    else
                        qDebug("thread %d line %d", t, i);
                }
            });
        }
        for (auto& w : workers)
            w.join();
    }
    const QList<QByteArray> lines = readAll(m_log).split('\n');
    const QRegularExpression whole(QStringLiteral("^L[03]: thread (\\d) line (\\d+)\r$"));
    QVector<int> next(threads, 0);
    int count = 0;
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        const QRegularExpressionMatch m = whole.match(QString::fromUtf8(line));
        QVERIFY2(m.hasMatch(), line.constData());
        const int t = m.captured(1).toInt();
        // Each thread's lines keep their order.
        QCOMPARE(m.captured(2).toInt(), next[t]++);
        ++count;
    }
    QCOMPARE(count, threads * perThread);
    QCOMPARE(SettingsStore::instance()->value(QStringLiteral("log/report")), QStringLiteral("true"));
}

// The whole sequence in a process of its own, as the program runs it.
void TestReleaseLog::exitRoutineRunsWithApplication()
{
    const QString helper = QString::fromLocal8Bit(qgetenv("TW_RELEASELOG_HELPER"));
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.path() + QStringLiteral("/.cache"));

    auto run = [&](const QString& word) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(helper, {QStringLiteral("exit"), word});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        // The bare texts go to standard output as well.
        const QByteArray out = p.readAllStandardOutput();
        QVERIFY2(out.contains("helper critical line\n"), out.constData());
    };

    run(QStringLiteral("normal"));
    const QString errorFile = findFile(home.path(), QStringLiteral("Error File.txt"));
    QVERIFY2(!errorFile.isEmpty(), "no critical log after a run with a critical message");
    const QString folder = QFileInfo(errorFile).absolutePath();
    QCOMPARE(readAll(errorFile), QByteArray("L0: helper debug line\r\nL3: helper critical line\r\n"));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/log.txt")));
    QVERIFY(readAll(folder + QStringLiteral("/config.ini")).contains("[log]\r\nreport=true\r\n"));

    // A second run keeps the unsent critical log and leaves its own as log.txt.
    run(QStringLiteral("error"));
    QCOMPARE(readAll(errorFile), QByteArray("L0: helper debug line\r\nL3: helper critical line\r\n"));
    QCOMPARE(readAll(folder + QStringLiteral("/log.txt")), QByteArray("L3: helper critical line\r\n"));
}

// A worker still logging while the process ends: once the exit routine has
// closed (and here renamed) the log, its messages reach neither a new
// "log.txt" nor standard output, which the C library is about to shut.
void TestReleaseLog::threadLoggingThroughExitWritesNothingMore()
{
    const QString helper = QString::fromLocal8Bit(qgetenv("TW_RELEASELOG_HELPER"));
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.path() + QStringLiteral("/.cache"));

    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(helper, {QStringLiteral("thread"), QStringLiteral("normal")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    const QByteArray out = p.readAllStandardOutput();
    const int mark = out.indexOf("exit routine done\n");
    QVERIFY2(mark > 0 && out.left(mark).contains("worker line\n"), out.right(200).constData());
    QCOMPARE(out.mid(mark), QByteArray("exit routine done\n"));

    const QString errorFile = findFile(home.path(), QStringLiteral("Error File.txt"));
    QVERIFY2(!errorFile.isEmpty(), "no critical log after a run with a critical message");
    QVERIFY(readAll(errorFile).contains("L3: helper critical line\r\n"));
    QVERIFY(!QFile::exists(QFileInfo(errorFile).absolutePath() + QStringLiteral("/log.txt")));
}

void TestReleaseLog::crashLeavesDumpAndRelaunches()
{
    const QString helper = QString::fromLocal8Bit(qgetenv("TW_RELEASELOG_HELPER"));
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));

    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(helper, {QStringLiteral("segv"), QStringLiteral("normal")});
    QVERIFY(p.waitForFinished(20000));
    QVERIFY(p.exitCode() >= 128);

    const QString record = home.path() + QStringLiteral("/relaunched.txt");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
    QTRY_COMPARE(readAll(record), QByteArray("crash 1"));

    const QString dump = findFile(home.path(), QStringLiteral("Error File.dmp"));
    QVERIFY(!dump.isEmpty());
    const QString folder = QFileInfo(dump).absolutePath();
    // The dump lies where base/dump says.
    const QByteArray config = readAll(folder + QStringLiteral("/config.ini"));
    QVERIFY2(config.contains("dump=" + QFile::encodeName(QDir::toNativeSeparators(dump)) + "\r\n"),
             config.constData());
    const QByteArray report = readAll(dump);
    QVERIFY(report.contains("Signal: 11 SIGSEGV"));
    QVERIFY(report.contains("Fault address: 0x0\n"));
    QVERIFY(report.contains("\nBacktrace:\n"));
    QCOMPARE(readAll(folder + QStringLiteral("/log.txt")), QByteArray("L0: helper debug line\r\n"));
}

QTEST_GUILESS_MAIN(TestReleaseLog)
#include "tst_releaselog.moc"
