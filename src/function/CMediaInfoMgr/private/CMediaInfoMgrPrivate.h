#pragma once

#include "function/CMediaInfoMgr/private/HardwareCheck.h"
#include "function/CMediaInfoMgr/private/MediaMdata.h"
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileMgr.h"

#include <QObject>

class CMediaInfoMgr;

// What one module's manager owns: the metadata worker, the profile manager
// (a Qt child) and the hardware probe. Lives on the GUI thread.
class CMediaInfoMgrPrivate : public QObject
{
    Q_OBJECT
public:
    CMediaInfoMgrPrivate(int module, CMediaInfoMgr* q);
    ~CMediaInfoMgrPrivate() override;

    ProfileInfo chosenProfile() const;
    MediaMdata* metadata() { return &m_metadata; }
    ProfileMgr* profileMgr() const { return m_profileMgr; }
    HardwareCheck* hardwareCheck() { return &m_hardware; }

private:
    CMediaInfoMgr* q;
    MediaMdata m_metadata;
    ProfileMgr* m_profileMgr;
    int m_module;
    HardwareCheck m_hardware;
};
