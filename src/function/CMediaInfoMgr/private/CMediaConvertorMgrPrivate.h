#pragma once

#include "function/marbleto_library/arguments/util/transcoder_state.h"

#include <QObject>
#include <QStringList>

// Counts a batch's files from the converting threads' reports and keeps the
// two lists of the final report. Lives on the manager's thread; reports
// arrive queued.
class CMediaConvertorMgrPrivate : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void doProcess(int curFileCount, int totalFileCount, transcoder_state_t transState);
    void doFinished(QStringList allFiles, QStringList failedFiles);

public slots:
    // One report: a new file name (while not held) counts and lists the file;
    // a report of a complete, error-free conversion confirms the file it names.
    void onProcess(const transcoder_state_t& state, int errorCode, bool completed);

public:
    int curFileCount = 0;
    int totalFileCount = 0;
    QString curFile;
    QStringList failedFiles;
    QStringList allFiles;
    bool hold = false;
};
