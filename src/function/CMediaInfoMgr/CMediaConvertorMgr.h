#pragma once

#include "function/marbleto_library/arguments/util/transcoder_state.h"

#include <QObject>
#include <QStringList>

class CMediaConvertorMgrPrivate;
class FFMpegThread;

// Bookkeeping of a batch conversion: connect each FFMpegThread with watch();
// progress comes back as doProcess with the batch counts. No conversion is
// run here. Lives on one thread (the GUI's); reports arrive queued.
class CMediaConvertorMgr : public QObject
{
    Q_OBJECT
public:
    explicit CMediaConvertorMgr(QObject* parent = nullptr);
    ~CMediaConvertorMgr() override;

    void watch(FFMpegThread* thread);
    void setTotalFileCount(int count);
    // While held, new file names are neither counted nor listed; reports are
    // still forwarded.
    void setHold(bool hold);
    QStringList allFiles() const;
    QStringList failedFiles() const;
    int curFileCount() const;

signals:
    void doProcess(int curFileCount, int totalFileCount, transcoder_state_t transState);
    void doFinished(QStringList allFiles, QStringList failedFiles);

public slots:
    void onProcess(transcoder_state_t transState, int errorCode, bool completed);

private:
    CMediaConvertorMgrPrivate* d;
};
