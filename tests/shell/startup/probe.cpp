// Linked into a copy of the program for the start-up tests. It replaces the
// power-off with a recorder before main runs, and, once the event loop runs,
// reports what it sees and does what TW_PROBE_ACTION asks.

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/ErrorDialog.h"
#include "platform/FileManager.h"
#include "platform/MailClient.h"
#include "platform/PowerOff.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdio>
#include <memory>

namespace {

class RecordingPowerOff : public PowerOffBackend
{
public:
    bool powerOff() override
    {
        QFile log(qEnvironmentVariable("TW_PROBE_POWEROFF_LOG"));
        if (!log.open(QIODevice::Append | QIODevice::Text))
            return false;
        const QByteArray line = "poweroff app=" + QByteArray(QCoreApplication::instance() ? "1" : "0")
            + " working=" + SettingsStore::instance()->value(QStringLiteral("special/workingProperly")).toUtf8()
            + "\n";
        log.write(line);
        return true;
    }
};

struct InstallRecorder
{
    InstallRecorder() { PowerOff::setBackend(std::make_unique<RecordingPowerOff>()); }
} g_installRecorder;

void say(const QByteArray& line)
{
    std::fputs(("probe: " + line + "\n").constData(), stdout);
    std::fflush(stdout);
}

void reportWindows()
{
    QByteArray names;
    const QWidgetList all = QApplication::allWidgets();
    for (QWidget* w : all) {
        if (w->inherits("PopupBase") && w->isVisible())
            names += QByteArray(names.isEmpty() ? "" : ",") + w->metaObject()->className();
    }
    say("windows=" + names);
    // What a taskbar or window switcher shows for each window on screen.
    QByteArray titles;
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (QWidget* w : tops) {
        if (w->isVisible())
            titles += QByteArray(titles.isEmpty() ? "" : "|") + w->windowTitle().toUtf8();
    }
    say("titles=" + titles);
}

bool mediaLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libavcodec.so");
}

void reportRows()
{
    const QWidgetList all = QApplication::allWidgets();
    for (QWidget* w : all) {
        if (!w->inherits("ErrorDialog"))
            continue;
        QByteArray line = "rows";
        for (const char* row : {"log", "dump", "zip"}) {
            auto* r = w->findChild<QWidget*>(QLatin1String("widget_") + QLatin1String(row));
            line += QByteArray(" ") + row + "=" + (r && r->isVisible() ? "1" : "0");
        }
        say(line);
    }
}

// Waits for the report window, says on which thread and how it shows, then
// presses the named control ("tip" activates the tip's link).
std::atomic<bool> g_workerReturned{false};

void pressInReportWindow(const QByteArray& control, bool afterWorker = false)
{
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, control, afterWorker] {
        // A worker that waited for the window would never get here.
        if (afterWorker && !g_workerReturned)
            return;
        const QWidgetList all = QApplication::allWidgets();
        for (QWidget* w : all) {
            if (!w->inherits("ErrorDialog") || !w->isVisible())
                continue;
            poll->stop();
            poll->deleteLater();
            const bool gui = w->thread() == QCoreApplication::instance()->thread()
                && QThread::currentThread() == QCoreApplication::instance()->thread();
            say(QByteArray("report window gui=") + (gui ? "1" : "0") + " modal=" + (w->isModal() ? "1" : "0"));
            if (control == "tip") {
                auto* tip = w->findChild<QLabel*>(QStringLiteral("tip"));
                emit tip->linkActivated(QStringLiteral("mailto:x"));
            } else if (auto* b = w->findChild<QPushButton*>(QString::fromLatin1(control))) {
                b->click();
            }
            return;
        }
    });
    poll->start();
}

class FatalWorker : public QThread
{
protected:
    void run() override
    {
        showFatalErrorAndExit(QStringLiteral("parse full profile error"));
        say("worker returned");
        g_workerReturned = true;
    }
};

void onApplication()
{
    // Nothing in these runs reaches a real mail program or file manager.
    MailClient::setHandlerForTesting([](const QUrl& u) {
        say("mail " + u.toEncoded());
        return true;
    });
    FileManager::setHandlerForTesting([](const FileManager::Request& r) {
        say("folder " + r.folder.toUtf8());
        return true;
    });

    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        say("event loop running");
        reportWindows();
        say(QByteArray("media=") + (mediaLoaded() ? "1" : "0"));
        say("ready");
        const QByteArray action = qgetenv("TW_PROBE_ACTION");
        if (action == "tr") {
            say("tr=" + QCoreApplication::translate("MsgDialog", "Done").toUtf8());
            QCoreApplication::quit();
        } else if (action == "rows") {
            reportRows();
            QCoreApplication::quit();
        } else if (action == "shutdown") {
            UIBaseData::instance()->setShutdownRequested(true);
            QCoreApplication::quit();
        } else if (action == "quit") {
            QCoreApplication::quit();
        } else if (action == "media") {
            auto* poll = new QTimer(QCoreApplication::instance());
            QObject::connect(poll, &QTimer::timeout, [] {
                if (!mediaLoaded())
                    return;
                say("media loaded");
                QCoreApplication::quit();
            });
            poll->start(20);
        } else if (action.startsWith("press:")) {
            pressInReportWindow(action.mid(6));
        } else if (action == "fatal") {
            pressInReportWindow("btn_doen");
            showFatalErrorAndExit(QStringLiteral("parse full profile error"));
            say("fatal returned");
        } else if (action == "fatal-worker") {
            pressInReportWindow("btn_doen", true);
            auto* worker = new FatalWorker;
            QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
            worker->start();
        }
    });
}

}

Q_COREAPP_STARTUP_FUNCTION(onApplication)
