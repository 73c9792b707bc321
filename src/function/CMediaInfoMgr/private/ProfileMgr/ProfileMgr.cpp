#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileMgr.h"

#include "function/marbleto_library/arguments/util/media_task.h"

#include <QDebug>
#include <QMutexLocker>

#include <cstdlib>

namespace {

QByteArray takeText(char* text)
{
    QByteArray bytes(text ? text : "");
    std::free(text);
    return bytes;
}

} // namespace

ProfileMgr::ProfileMgr(int module, QObject* parent)
    : QThread(parent)
    , m_module(module)
{
    m_data.setModule(module);
    const bool connected = bool(connect(&m_data, &ProfileData::doChosenProfileChanged, this,
                                        &ProfileMgr::doChosenProfileChanged, Qt::QueuedConnection));
    qDebug() << "ProfileMgr doChosenProfileChanged connected:" << (connected ? "true" : "false");
    connect(&m_data, &ProfileData::doNewQuickItem, this, &ProfileMgr::doNewQuickItem);
    connect(&m_data, &ProfileData::doRemovedAllCustomSaveProfile, this, &ProfileMgr::doRemovedAllCustomSaveProfile);
}

ProfileMgr::~ProfileMgr()
{
    {
        QMutexLocker locker(&m_queueLock);
        m_stop = true;
    }
    wait();
}

void ProfileMgr::setOverProfileClearer(std::function<void()> clear)
{
    QMutexLocker locker(&m_storeLock);
    m_data.setOverProfileClearer(std::move(clear));
}

void ProfileMgr::enqueue(Task task)
{
    QMutexLocker locker(&m_queueLock);
    if (m_stop)
        return;
    m_queue.append(std::move(task));
    if (m_running)
        return;
    m_running = true;
    // A run that has just decided to end is still returning.
    locker.unlock();
    wait();
    start(QThread::InheritPriority);
}

void ProfileMgr::startParse()
{
    enqueue({ParseProfiles, QByteArray()});
}

void ProfileMgr::addConvertedProfile(const media_task* task)
{
    if (task)
        enqueue({AddConvertedProfile, takeText(task_convert_profile_json(task))});
}

void ProfileMgr::saveCustomProfile(const media_task* task, const QString& title, const QString& description)
{
    if (task)
        enqueue({SaveCustomProfile, takeText(task_save_profile_json(task, title.toUtf8().constData(),
                                                                    description.toUtf8().constData()))});
}

void ProfileMgr::saveProfileAs(const profile_holder* holder, const QString& title, const QString& description)
{
    if (holder)
        enqueue({SaveProfileAs, takeText(choice_save_profile_json(holder, title.toUtf8().constData(),
                                                                  description.toUtf8().constData()))});
}

bool ProfileMgr::chooseProfile(int key, int parentKey)
{
    QMutexLocker locker(&m_storeLock);
    return m_data.setChosen(key, parentKey);
}

ProfileInfo ProfileMgr::chosenProfileInfo() const
{
    QMutexLocker locker(&m_storeLock);
    return ProfileInfo::fromProfile(m_data.chosenProfile());
}

bool ProfileMgr::stopAndWait(int ms)
{
    {
        QMutexLocker locker(&m_queueLock);
        m_stop = true;
        m_queue.clear();
    }
    return wait(QDeadlineTimer(ms));
}

void ProfileMgr::run()
{
    const char* word = m_module == 0 ? "VIDEO" : "DVD";
    for (;;) {
        Task task;
        {
            QMutexLocker locker(&m_queueLock);
            if (m_queue.isEmpty() || m_stop) {
                m_running = false;
                return;
            }
            task = m_queue.takeFirst();
        }
        qDebug().noquote() << QStringLiteral("Thread Test: %1 ProfileMgr start").arg(QLatin1String(word));
        QMutexLocker store(&m_storeLock);
        switch (task.kind) {
        case ParseProfiles:
            if (m_parser.parseProfile(&m_data) != ProfileParser::NoParseError) {
                // The fatal report is on its way; nothing else is done.
                QMutexLocker locker(&m_queueLock);
                m_queue.clear();
                m_running = false;
                return;
            }
            m_data.collectCustomProfiles();
            break;
        case AddConvertedProfile:
            m_data.addConvertedProfile(task.json);
            break;
        case SaveCustomProfile:
            m_data.saveCustomProfile(task.json);
            break;
        case SaveProfileAs:
            m_data.saveProfileAs(task.json);
            break;
        }
        store.unlock();
        qDebug().noquote() << QStringLiteral("Thread Test: %1 ProfileMgr end").arg(QLatin1String(word));
    }
}
