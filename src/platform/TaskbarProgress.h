#pragma once

#include <QString>
#include <functional>

// Progress on the program's launcher entry (dock or taskbar button). The
// desktop learns it through the launcher-entry signal on the session bus
// ("com.canonical.Unity.LauncherEntry", member "Update") for the program's
// desktop file; without a session bus nothing is shown and nothing fails.
namespace TaskbarProgress {

// value in [0, maximum]; a maximum below 1 is ignored (no bar can show it).
void setProgress(int value, int maximum);
// Hides the bar.
void hide();

// The desktop-file id sent with every update ("application://<id>.desktop").
// Defaults to the application's desktop file name, else its name.
void setDesktopId(const QString& id);

// Tests: every update goes to the handler instead of the bus (visible,
// value, maximum); an empty handler restores the bus.
struct Update
{
    bool visible = false;
    int value = 0;
    int maximum = 0;
};
void setHandlerForTesting(std::function<void(const Update&)> handler);

}
