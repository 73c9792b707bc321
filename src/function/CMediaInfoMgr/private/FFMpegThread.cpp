#include "function/CMediaInfoMgr/private/FFMpegThread.h"

void FFMpegThread::onFinished()
{
    if (m_loop.isRunning())
        m_loop.quit();
    deleteLater();
}
