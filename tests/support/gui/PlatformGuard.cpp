#include "PlatformGuard.h"

#include "gui/UIBaseData/UIServiceHooks.h"
#include "platform/Composition.h"
#include "platform/DelayedCall.h"
#include "platform/MailClient.h"
#include "platform/Online.h"
#include "platform/PowerOff.h"
#include "platform/RandomDraw.h"

#include <QDesktopServices>

namespace {

const char* const kSchemes[] = {"http", "https", "mailto", "file", "ftp"};

class RecordingPowerOff : public PowerOffBackend
{
public:
    explicit RecordingPowerOff(int* count) : m_count(count) {}
    bool powerOff() override
    {
        ++*m_count;
        return true;
    }

private:
    int* m_count;
};

} // namespace

PlatformGuard::PlatformGuard()
{
    FileManager::setHandlerForTesting([this](const FileManager::Request& r) {
        fileManager.append(r);
        return true;
    });
    MailClient::setHandlerForTesting([this](const QUrl& u) {
        mails.append(u);
        return mailAnswer;
    });
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
    UIServiceHooks::setStartDetached([this](const QString& program, const QStringList& arguments) {
        started.append({program, arguments});
        return true;
    });
    UIServiceHooks::setQuit([this] { ++quits; });
    PowerOff::setBackend(std::make_unique<RecordingPowerOff>(&powerOffs));
    Composition::setOverride(0);
    Online::setStateOverride([] { return Online::State::Online; });
    TaskbarProgress::setHandlerForTesting([this](const TaskbarProgress::Update& u) { taskbar.append(u); });
    UIServiceHooks::setApplicationState([this] { return applicationState; });
    UIServiceHooks::setAlert([this](QWidget*, int) { ++alerts; });
    RandomDraw::setDrawForTesting([this](int lowest, int highest) {
        drawRanges.append({lowest, highest});
        return draws.isEmpty() ? lowest : draws.takeFirst();
    });
    DelayedCall::setHandlerForTesting([this](int ms, QObject* context, std::function<void()> fn) {
        delayed.append(Delayed{ms, context, std::move(fn)});
    });
}

int PlatformGuard::runDelayed()
{
    const QList<Delayed> due = delayed;
    delayed.clear();
    int ran = 0;
    for (const Delayed& d : due) {
        if (!d.context)
            continue;
        d.fn();
        ++ran;
    }
    return ran;
}

PlatformGuard::~PlatformGuard()
{
    FileManager::setHandlerForTesting({});
    MailClient::setHandlerForTesting(nullptr);
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    UIServiceHooks::setStartDetached({});
    UIServiceHooks::setQuit({});
    PowerOff::setBackend(nullptr);
    Composition::setOverride(-1);
    Online::setStateOverride({});
    TaskbarProgress::setHandlerForTesting({});
    UIServiceHooks::setApplicationState({});
    UIServiceHooks::setAlert({});
    RandomDraw::setDrawForTesting({});
    DelayedCall::setHandlerForTesting({});
}

void PlatformGuard::openUrl(const QUrl& url)
{
    links.append(url);
}
