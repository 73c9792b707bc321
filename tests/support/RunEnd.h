#pragma once

// Threads that log must be gone before a test run ends: QTest frees its
// loggers as it stops logging, and a message that another thread sends at
// that moment is written through a freed logger, which the C library
// reports as an invalid stdio handle and aborts.

#include "function/VersionCheck/NetVersionMgr.h"
#include "shell/ImageDownloader.h"

#include <QtTest>

namespace RunEnd {

// The thumbnail worker, busy with rows' addresses that a test never serves.
inline void stopThumbnailWorker()
{
    ImageDownloader::instance()->shutdown();
}

// The program-version check that a shown main window starts.
inline bool stopVersionCheck()
{
    NetVersionMgr* versions = NetVersionMgr::instance();
    versions->cancelCheck();
    return QTest::qWaitFor([versions] { return !versions->isChecking(); }, 30000);
}

} // namespace RunEnd
