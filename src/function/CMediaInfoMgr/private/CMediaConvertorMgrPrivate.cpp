#include "function/CMediaInfoMgr/private/CMediaConvertorMgrPrivate.h"

void CMediaConvertorMgrPrivate::onProcess(const transcoder_state_t& state, int errorCode, bool completed)
{
    if (!hold && state.fileName != curFile) {
        ++curFileCount;
        curFile = state.fileName;
        if (!allFiles.contains(curFile))
            allFiles.append(curFile);
        if (!failedFiles.contains(curFile))
            failedFiles.append(curFile);
    }
    // The report names the file its code and flag describe; while held,
    // curFile may be another one.
    if (errorCode == 0 && completed && !failedFiles.isEmpty())
        failedFiles.removeOne(state.fileName);
    emit doProcess(curFileCount, totalFileCount, state);
}
