#pragma once

// The scripted site engine: a second implementation of Youtube.h for window
// tests. The facade serves a Youtube_Structure::Lists model the test fills;
// ticks, format choice, show-all, subtitle ticks, reloads and searches follow
// the engine's rules on that model and are written to a call log in order.
// initAnalyser, checkUpgrade and startUpgrade play the answers set here.
// The account and subscription stores are the real ones (the files follow
// youtube/path, so a test points it at a temporary folder first).
// Graphical thread only.

#include "function/Youtube/Youtube.h"

#include <QString>
#include <QStringList>

namespace ScriptedEngine {

// The model the facade serves; made on first use, kept until reset().
Youtube_Structure::Lists& model();
// Empties the model, the log and every scripted answer.
void reset();

// Calls in the order they came, e.g. "initAnalyser(url)", "setChecked(2,1,1)",
// "stopAnalyse()", "reloadItem(3)".
QStringList calls();
void clearCalls();

// initAnalyser's next answers, taken in order (YtbNoError when none is left).
// With delayMs > 0 the call waits that long in a local event loop first; a
// stopAnalyse meanwhile turns the answer into YtbCancelled. Any answer but
// YtbNoError is followed by one queued doAnalyseFinished.
void queueInitAnswer(YoutubeError answer, int delayMs = 0);
// True while initAnalyser waits in its loop.
bool isInitWaiting();
// A successful initAnalyser leaves the analysis running until this (or a
// stopAnalyse) emits doAnalyseFinished.
void finishAnalysis();
bool isAnalysing();

// checkUpgrade: the return value and the flag it hands back.
void setCheckUpgradeAnswer(bool offered, bool programUpdate);
// startUpgrade: the result after delayMs in a local loop (stopUpgrade ends
// it with false); doUpgradeFinished follows in every case.
void setStartUpgradeAnswer(bool result, int delayMs = 0);

// startDownload's next answers, taken in order (true when none is left).
void queueStartAnswer(bool answer);
// What isDownloadPending answers for item (false unless set).
void setDownloadPending(const DownloadItem* item, bool pending);

void setMusicMode(bool on);

// The current list and item, as lists() left them.
int currentList();
int currentItem();

} // namespace ScriptedEngine
