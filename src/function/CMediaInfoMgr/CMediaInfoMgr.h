#pragma once

#include "function/CMediaInfoMgr/private/MediaMdata.h"
#include "function/CMediaInfoMgr/private/ProfileMgr/Profile.h"

#include <QList>
#include <QObject>
#include <QVariant>

class CMediaInfoMgrPrivate;
struct media_task;
struct profile_choice;

// The entry to media information for one module of the media tools: the
// chosen profile, the over-profile, and the signals of the module's profile
// manager and metadata worker, relayed onto the GUI thread.
//
// One instance per module type, made on first request on the GUI thread and
// kept to the end of the process; only the GUI thread calls instance(),
// applyOverProfile() and clearOverProfile().
class CMediaInfoMgr : public QObject
{
    Q_OBJECT
public:
    enum Module_type { Converter = 0, Ripper = 1, Current = 2 };

    static CMediaInfoMgr* instance(Module_type type);
    // Stops the profile managers' threads of every instance, each within `ms`;
    // for the application's end.
    static void shutdownAll(int ms);

    ~CMediaInfoMgr() override;

    ProfileInfo& chosenProfile(ProfileInfo& info) const;
    void applyOverProfile(media_task* task);
    void clearOverProfile();
    // Takes ownership of a profile choice (none of the program's operations
    // installs one yet; clearOverProfile releases it).
    void setOverProfile(profile_choice* choice);
    const profile_choice* overProfile() const { return m_overProfile; }
    Module_type module() const { return m_module; }
    CMediaInfoMgrPrivate* privatePart() const { return d; }

signals:
    void doChosenProfileChanged();
    void doNewQuickItem(int parentKey, int key, bool choose);
    void doRemovedAllCustomSaveProfile(QList<int> keys);
    void do_over_profile_changed();
    void doMetaDataFinished(QString filePath, MediaMetadata metadata);
    void doNewProfile(int key);
    void doHardwareCheckInfo(QVariant info);

private:
    explicit CMediaInfoMgr(Module_type type);

    CMediaInfoMgrPrivate* d = nullptr;
    Module_type m_module;
    profile_choice* m_overProfile = nullptr;
};
