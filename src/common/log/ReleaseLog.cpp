#include "common/log/ReleaseLog.h"

#include "platform/CrashHandler.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

struct LogState {
    // Guards the file and the paths.
    std::mutex mutex;
    QFile file;
    QString logPath;
    QString dumpPath;
    std::atomic<int> minimumLevel{0};
    std::atomic<bool> installed{false};
    std::atomic<bool> reportMarked{false};
    std::atomic<bool> markPending{false};
    // Set by the exit routine: worker threads that still log while the
    // process ends (the engine's, stopped only by static destructors) must
    // neither open the log again nor write to standard output while the C
    // library shuts its streams.
    std::atomic<bool> closedForExit{false};
};

// Never destroyed: messages can arrive while static objects are torn down.
LogState& state()
{
    static LogState* s = new LogState;
    return *s;
}

// This thread is inside the locked part of the handler.
thread_local bool t_holdingLog = false;
// This thread is writing log/report into the settings store, which must not
// start the same write again.
thread_local bool t_markingReport = false;

inline QString reportKey()
{
    return QStringLiteral("log/report");
}

// Sets log/report once per run. Never called with the log lock held, so the
// store's lock is never taken inside ours.
void markReport()
{
    LogState& s = state();
    if (t_markingReport)
        return;
    if (s.reportMarked.exchange(true))
        return;
    t_markingReport = true;
    SettingsStore::instance()->setValue(reportKey(), QStringLiteral("true"));
    t_markingReport = false;
}

// Caller holds the lock. Steps of the handler that touch the shared file.
void writeLineLocked(LogState& s, const QString& line)
{
    if (!s.file.isOpen()) {
        if (s.logPath.isEmpty())
            return;
        s.file.setFileName(s.logPath);
        if (!s.file.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
    }
    if (s.file.size() > Log::kMaxLogSize) {
        s.file.close();
        if (!s.file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
    }
    s.file.write(line.toUtf8());
    s.file.flush();
}

void writeConsole(const QString& text)
{
    QByteArray bytes = text.toLocal8Bit();
    bytes.append('\n');
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

void parseLogLevelWord(const QString& word)
{
    int level = 0;
    if (word == QLatin1String("normal"))
        level = 0;
    else if (word == QLatin1String("procedure"))
        level = 1;
    else if (word == QLatin1String("judge"))
        level = 2;
    else if (word == QLatin1String("error"))
        level = 3;
    else if (word == QLatin1String("none"))
        level = 4;
    state().minimumLevel.store(level);
}

void releaseMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    LogState& s = state();
    if (s.closedForExit.load())
        return;
    const int level = Log::levelOfType(type);
    if (level < s.minimumLevel.load())
        return;

    // The run is worth reporting even when the line itself is filtered.
    if (level == 3) {
        if (t_holdingLog)
            s.markPending.store(true);
        else
            markReport();
    }

    const QString line = QStringLiteral("L%1: %2\r\n").arg(QString::number(level), text);
    if (Log::isFilteredLine(line))
        return;

    if (t_holdingLog) {
        // Qt already sends a message raised inside a handler to standard
        // error; this covers a direct call, which must not take the lock twice.
        std::fputs(line.toUtf8().constData(), stderr);
        return;
    }

    {
        std::lock_guard<std::mutex> locker(s.mutex);
        // The exit routine may have run since the check above.
        if (s.closedForExit.load())
            return;
        t_holdingLog = true;
        writeLineLocked(s, line);
        writeConsole(text);
        t_holdingLog = false;
    }

    if (s.markPending.exchange(false))
        markReport();
}

void finishLogOnExit()
{
    LogState& s = state();
    // Read before taking the log lock: the store has a lock of its own.
    const bool report = s.reportMarked.load()
        || SettingsStore::instance()->value(reportKey()) == QLatin1String("true");

    std::lock_guard<std::mutex> locker(s.mutex);
    s.closedForExit.store(true);
    if (s.file.isOpen())
        s.file.close();
    if (!report || s.logPath.isEmpty())
        return;
    const QString target = QFileInfo(s.logPath).absolutePath() + QStringLiteral("/Error File.txt");
    // QFile::rename never replaces an existing file: an older critical log
    // that the user has not sent yet is kept, and "log.txt" stays.
    QFile::rename(s.logPath, target);
}

void installAppHandlers(const QString& programPath, const QString& levelWord)
{
    parseLogLevelWord(levelWord);
    Log::installReleaseMsgHandler(programPath);

    static bool routineAdded = false;
    if (!routineAdded) {
        qAddPostRoutine(finishLogOnExit);
        routineAdded = true;
    }

    CrashHandler::Options options;
    options.reportPath = Log::dumpPath();
    options.relaunchProgram = CrashHandler::currentExecutable();
    if (options.relaunchProgram.isEmpty())
        options.relaunchProgram = QFileInfo(programPath).absoluteFilePath();
    options.relaunchArguments = QStringList{QStringLiteral("crash")};
    CrashHandler::install(options);
}

namespace Log {

bool installReleaseMsgHandler(const QString& programPath)
{
    Q_UNUSED(programPath)
    LogState& s = state();
    SettingsStore* store = SettingsStore::instance();
    const QString folder = store->configDir();

    bool opened = false;
    {
        std::lock_guard<std::mutex> locker(s.mutex);
        s.closedForExit.store(false);
        if (s.file.isOpen())
            s.file.close();
        s.logPath = folder + QStringLiteral("/log.txt");
        const QString storedDump = store->value(QStringLiteral("base/dump"));
        s.dumpPath = storedDump.isEmpty() ? folder + QStringLiteral("/Error File.dmp")
                                          : SettingsStore::fromStoredPath(storedDump);
        if (store->isValid()) {
            s.file.setFileName(s.logPath);
            opened = s.file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        }
    }

    if (!opened) {
        qDebug("Failed to open log file.");
        return false;
    }
    qDebug("Opened log file.");
    qInstallMessageHandler(releaseMessageHandler);
    s.installed.store(true);
    return true;
}

void uninstallReleaseMsgHandler()
{
    LogState& s = state();
    if (s.installed.exchange(false))
        qInstallMessageHandler(nullptr);
    std::lock_guard<std::mutex> locker(s.mutex);
    if (s.file.isOpen())
        s.file.close();
    s.minimumLevel.store(0);
    s.reportMarked.store(false);
    s.markPending.store(false);
    s.closedForExit.store(false);
}

int minimumLevel()
{
    return state().minimumLevel.load();
}

int levelOfType(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return 0;
    case QtInfoMsg: return 1;
    case QtWarningMsg: return 2;
    case QtCriticalMsg: return 3;
    case QtFatalMsg: return 4;
    }
    return 0;
}

bool isFilteredLine(const QString& line)
{
    static const char* const noise[] = {
        "libpng warning:",
        "QMetaObject::connectSlotsByName: No matching signal for",
        "QFont::setPixelSize",
        "Unkown property",
    };
    for (const char* text : noise) {
        if (line.contains(QLatin1String(text)))
            return true;
    }
    return false;
}

QString logFilePath()
{
    LogState& s = state();
    std::lock_guard<std::mutex> locker(s.mutex);
    return s.logPath;
}

QString dumpPath()
{
    LogState& s = state();
    std::lock_guard<std::mutex> locker(s.mutex);
    return s.dumpPath;
}

}
