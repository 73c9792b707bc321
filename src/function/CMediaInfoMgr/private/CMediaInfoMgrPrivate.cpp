#include "function/CMediaInfoMgr/private/CMediaInfoMgrPrivate.h"

#include "function/CMediaInfoMgr/CMediaInfoMgr.h"
#include "function/marbleto_library/arguments/util/util.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocale>

namespace {

bool g_libraryReady = false;

} // namespace

CMediaInfoMgrPrivate::CMediaInfoMgrPrivate(int module, CMediaInfoMgr* owner)
    : q(owner)
    , m_profileMgr(new ProfileMgr(module, this))
    , m_module(module)
{
    // The library is set up and the relays stand before the parse starts,
    // so that neither the parse nor its signals come too early.
    if (!g_libraryReady) {
        media_congfig_global_init();
        media_config_set_language(QLocale::system().bcp47Name().toUtf8().constData());
        media_config_set_auto_copy(SettingsStore::instance()->value(QStringLiteral("media/autoCopy"))
                                   == QLatin1String("true"));
        g_libraryReady = true;
    }
    connect(&m_metadata, &MediaMdata::doMetaDataFinished, q, &CMediaInfoMgr::doMetaDataFinished);
    const bool connected = bool(connect(m_profileMgr, &ProfileMgr::doChosenProfileChanged, q,
                                        &CMediaInfoMgr::doChosenProfileChanged));
    qDebug() << "CMediaInfoMgr doChosenProfileChanged connected:" << (connected ? "true" : "false");
    connect(m_profileMgr, &ProfileMgr::doNewQuickItem, q, &CMediaInfoMgr::doNewQuickItem);
    connect(m_profileMgr, &ProfileMgr::doRemovedAllCustomSaveProfile, q, &CMediaInfoMgr::doRemovedAllCustomSaveProfile);
    // The worker asks for this from its own thread: the over-profile belongs
    // to the manager's thread, where the call is queued.
    m_profileMgr->setOverProfileClearer([] {
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [] { CMediaInfoMgr::instance(CMediaInfoMgr::Current)->clearOverProfile(); },
                                      Qt::QueuedConnection);
    });
    m_profileMgr->startParse();
}

CMediaInfoMgrPrivate::~CMediaInfoMgrPrivate()
{
    m_profileMgr->stopAndWait(10000);
}

ProfileInfo CMediaInfoMgrPrivate::chosenProfile() const
{
    return m_profileMgr->chosenProfileInfo();
}
