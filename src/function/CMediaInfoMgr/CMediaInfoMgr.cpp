#include "function/CMediaInfoMgr/CMediaInfoMgr.h"

#include "function/CMediaInfoMgr/private/CMediaInfoMgrPrivate.h"
#include "function/marbleto_library/arguments/util/media_task.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMap>

namespace {

int g_currentModule = 0;

// Never destroyed, like the managers it holds.
QMap<int, CMediaInfoMgr*>& registry()
{
    static auto* managers = new QMap<int, CMediaInfoMgr*>;
    return *managers;
}

} // namespace

CMediaInfoMgr* CMediaInfoMgr::instance(Module_type type)
{
    const int resolved = type == Current ? g_currentModule : int(type);
    if (registry().isEmpty()) {
        // The workers end with the application, within a bound.
        if (QCoreApplication* app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { shutdownAll(5000); });
    }
    CMediaInfoMgr*& slot = registry()[resolved];
    if (!slot) {
        slot = new CMediaInfoMgr(Module_type(resolved));
        slot->d = new CMediaInfoMgrPrivate(resolved, slot);
    }
    return slot;
}

void CMediaInfoMgr::shutdownAll(int ms)
{
    for (CMediaInfoMgr* m : qAsConst(registry())) {
        if (m && m->d) {
            m->d->profileMgr()->stopAndWait(ms);
            m->d->metadata()->stop();
            m->d->metadata()->wait(QDeadlineTimer(ms));
        }
    }
}

CMediaInfoMgr::CMediaInfoMgr(Module_type type)
    : QObject(nullptr)
    , m_module(type)
{
}

CMediaInfoMgr::~CMediaInfoMgr()
{
    delete d;
    free_profile_choice(m_overProfile);
}

ProfileInfo& CMediaInfoMgr::chosenProfile(ProfileInfo& info) const
{
    info = d ? d->chosenProfile() : ProfileInfo();
    return info;
}

void CMediaInfoMgr::applyOverProfile(media_task* task)
{
    if (m_overProfile && task)
        apply_profile_choice(task, m_overProfile);
}

void CMediaInfoMgr::setOverProfile(profile_choice* choice)
{
    if (choice == m_overProfile)
        return;
    free_profile_choice(m_overProfile);
    m_overProfile = choice;
}

void CMediaInfoMgr::clearOverProfile()
{
    free_profile_choice(m_overProfile);
    m_overProfile = nullptr;
    emit do_over_profile_changed();
}
