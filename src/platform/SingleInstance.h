#pragma once

#include <QString>

// Keeps the program to one running instance per user session: an exclusive
// flock on a file in the runtime folder, held for the life of the process.
// The descriptor is close-on-exec, so no child, crash relaunch or restarted
// instance inherits the lock.
namespace SingleInstance {

// The lock file for name: "$XDG_RUNTIME_DIR/<name>.lock", or a per-user file
// in the temporary folder when there is no runtime folder.
QString lockFilePath(const QString& name);

// Takes the lock; false when another process holds it. A lock that cannot
// be set up at all (no writable folder) lets the program start.
bool acquire(const QString& name);

// For an instance that replaces one that is just ending: waits in the
// background for the lock and keeps it once the ending instance has gone.
// Does nothing when this process holds the lock already.
void acquireWhenFree(const QString& name);

// Whether this process holds the lock now.
bool holdsLock();

}
