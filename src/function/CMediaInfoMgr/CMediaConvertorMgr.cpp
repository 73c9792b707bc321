#include "function/CMediaInfoMgr/CMediaConvertorMgr.h"

#include "function/CMediaInfoMgr/private/CMediaConvertorMgrPrivate.h"
#include "function/CMediaInfoMgr/private/FFMpegThread.h"

CMediaConvertorMgr::CMediaConvertorMgr(QObject* parent)
    : QObject(parent)
    , d(new CMediaConvertorMgrPrivate(this))
{
    qRegisterMetaType<transcoder_state_t>();
    connect(d, &CMediaConvertorMgrPrivate::doProcess, this, &CMediaConvertorMgr::doProcess);
    connect(d, &CMediaConvertorMgrPrivate::doFinished, this, &CMediaConvertorMgr::doFinished);
}

CMediaConvertorMgr::~CMediaConvertorMgr() = default;

void CMediaConvertorMgr::watch(FFMpegThread* thread)
{
    connect(thread, &FFMpegThread::doProcess, this, &CMediaConvertorMgr::onProcess, Qt::QueuedConnection);
}

void CMediaConvertorMgr::setTotalFileCount(int count) { d->totalFileCount = count; }
void CMediaConvertorMgr::setHold(bool hold) { d->hold = hold; }
QStringList CMediaConvertorMgr::allFiles() const { return d->allFiles; }
QStringList CMediaConvertorMgr::failedFiles() const { return d->failedFiles; }
int CMediaConvertorMgr::curFileCount() const { return d->curFileCount; }

void CMediaConvertorMgr::onProcess(transcoder_state_t transState, int errorCode, bool completed)
{
    d->onProcess(transState, errorCode, completed);
}
