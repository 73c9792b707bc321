#pragma once

#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileData.h"
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QThread>

struct media_task;
struct profile_holder;

// The worker thread of one module's profiles: parses the trees, then adds
// the user's profiles. Tasks queue and run one at a time on this thread.
//
// Callers (the GUI thread) hand a task over with its profile exported to
// JSON at once, so the worker never reads a task the caller may change or
// free. The store is changed only on this thread, under `m_storeLock`,
// which chosenProfileInfo() and chooseProfile() take too. The store's
// signals are relayed: doChosenProfileChanged queued, the others
// automatically (queued to receivers on other threads).
class ProfileMgr : public QThread
{
    Q_OBJECT
public:
    enum ProfileTask { ParseProfiles = 0, AddConvertedProfile = 1, SaveCustomProfile = 2, SaveProfileAs = 3 };

    ProfileMgr(int module, QObject* parent = nullptr);
    ~ProfileMgr() override;

    void startParse();
    // Records the profile of a finished conversion in "Recently".
    void addConvertedProfile(const media_task* task);
    // Saves the task's working profile as a new user profile beside the chosen one.
    void saveCustomProfile(const media_task* task, const QString& title, const QString& description);
    void saveProfileAs(const profile_holder* holder, const QString& title, const QString& description);

    bool chooseProfile(int key, int parentKey);
    ProfileInfo chosenProfileInfo() const;
    // Ends the queue after the running task; returns when the thread has ended
    // or `ms` have passed.
    bool stopAndWait(int ms);

    ProfileData* data() { return &m_data; }
    // For the clearing of the over-profile (see ProfileData).
    void setOverProfileClearer(std::function<void()> clear);

signals:
    void doChosenProfileChanged();
    void doNewQuickItem(int parentKey, int key, bool choose);
    void doRemovedAllCustomSaveProfile(QList<int> keys);

protected:
    void run() override;

private:
    struct Task
    {
        ProfileTask kind;
        QByteArray json;
    };
    void enqueue(Task task);

    ProfileParser m_parser;
    ProfileData m_data;
    int m_module;
    mutable QMutex m_storeLock;
    QMutex m_queueLock;
    QList<Task> m_queue;
    bool m_running = false;
    bool m_stop = false;
};
