#pragma once

#include <QString>
#include <QtGlobal>

// The release log: every qDebug-family message of the process, from any
// thread, filtered by the minimum level of the command line and appended to
// "log.txt" in the settings folder. A run that logged a critical message keeps
// its log as "Error File.txt" at exit; a fatal signal leaves "Error File.dmp"
// and restarts the program in crash-report mode.

// Level words of the command line, and the level of each message type.
// Levels: 0 debug, 1 info, 2 warning, 3 critical, 4 fatal.

// Once, before the application object exists: sets the minimum level, opens
// the log, installs the message handler, the exit routine (run when the
// application object is destroyed) and the crash handler.
void installAppHandlers(const QString& programPath, const QString& levelWord);

// "normal" 0, "procedure" 1, "judge" 2, "error" 3, "none" 4; any other word 0.
void parseLogLevelWord(const QString& word);

void releaseMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text);

// Closes the log and, when the run is marked for a report, renames it to
// "Error File.txt" (an existing file of that name is kept).
void finishLogOnExit();

namespace Log {

// The log is emptied before the next line once it is larger than this.
constexpr qint64 kMaxLogSize = 0x1E00000;   // 30 MiB

// Opens (and empties) the log in the settings folder and installs the
// handler; false when the log cannot be opened (messages then keep going to
// the default output).
bool installReleaseMsgHandler(const QString& programPath);

// Restores the default output and forgets the open log (tests).
void uninstallReleaseMsgHandler();

int minimumLevel();
int levelOfType(QtMsgType type);
// True for the lines that are never written (known noise of libraries).
bool isFilteredLine(const QString& line);
QString logFilePath();
QString dumpPath();

}
