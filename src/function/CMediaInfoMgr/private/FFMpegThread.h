#pragma once

#include "function/marbleto_library/arguments/util/transcoder_state.h"

#include <QEventLoop>
#include <QThread>

// Runs one batch file's conversion. Its progress reports carry a copy of the
// state together with the error code and completion flag of the moment, so
// whoever reads a queued report never touches this thread, which deletes
// itself once finished.
class FFMpegThread : public QThread
{
    Q_OBJECT
public:
    using QThread::QThread;

    int errorCode() const { return m_errorCode; }
    bool isCompleted() const { return m_completed; }
    void setErrorCode(int code) { m_errorCode = code; }
    void setCompleted(bool completed) { m_completed = completed; }

    // Sends a report of the current state with the code and flag as they are.
    void report(const transcoder_state_t& state) { emit doProcess(state, m_errorCode, m_completed); }

signals:
    void doProcess(transcoder_state_t transState, int errorCode, bool completed);
    void doLog(QString log, QString color = QStringLiteral("#575d66"));

public slots:
    void onFinished();

protected:
    QEventLoop* eventLoop() { return &m_loop; }

private:
    QEventLoop m_loop;
    int m_errorCode = 0;
    bool m_completed = false;
};
