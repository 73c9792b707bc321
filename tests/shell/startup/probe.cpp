// Linked into a copy of the program for the start-up tests. It replaces the
// power-off with a recorder before main runs, and, once the event loop runs,
// reports what it sees and does what TW_PROBE_ACTION asks.

#include "gui/UIBaseData/UIBaseData.h"
#include "platform/PowerOff.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
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

void onApplication()
{
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        say("event loop running");
        reportWindows();
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
        }
    });
}

}

Q_COREAPP_STARTUP_FUNCTION(onApplication)
