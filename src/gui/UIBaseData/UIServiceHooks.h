#pragma once

#include <QString>
#include <QStringList>
#include <Qt>
#include <functional>

class QWidget;

// What the UI services do to the outside world that tests replace: starting
// a detached process and quitting the application. (Web links go through
// QDesktopServices, which tests redirect with QDesktopServices::setUrlHandler;
// the file manager through FileManager::setHandlerForTesting.)
namespace UIServiceHooks {

using StartDetached = std::function<bool(const QString& program, const QStringList& arguments)>;
using Quit = std::function<void()>;
// Asks the user for a folder: title, starting folder; empty when cancelled.
using ChooseFolder = std::function<QString(const QString& title, const QString& start)>;

// Whether the program is the active application, as the main window's
// taskbar alert asks it.
using ApplicationState = std::function<Qt::ApplicationState()>;
// Draws the user's attention to a window (on X11 the urgency hint; whether
// the taskbar entry flashes is the window manager's choice).
using Alert = std::function<void(QWidget* window, int ms)>;

// An empty function restores the real behaviour.
void setStartDetached(StartDetached fn);
void setQuit(Quit fn);
void setChooseFolder(ChooseFolder fn);
void setApplicationState(ApplicationState fn);
void setAlert(Alert fn);

Qt::ApplicationState applicationState();
void alert(QWidget* window, int ms);

// The standard folder chooser (no parent, folders only), or the test's.
QString chooseFolder(const QString& title, const QString& start);

}
