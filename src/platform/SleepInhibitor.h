#pragma once

#include <QMutex>
#include <QString>

// Keeps the computer from going to sleep while long work runs, through a
// logind "sleep" inhibitor lock on the system bus. Where there is no system
// bus or no logind (containers, other systems) it does nothing and says so
// through isActive(). The lock is the file descriptor logind hands out: it
// holds while the descriptor is open.
class SleepInhibitor
{
public:
    SleepInhibitor() = default;
    ~SleepInhibitor();

    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    // Takes the lock unless already held; true when it is held afterwards.
    bool acquire(const QString& why);
    // Lets go of the lock; harmless when none is held.
    void release();
    bool isActive() const;

private:
    mutable QMutex m_lock;
    int m_fd = -1;
};
