#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Showing files in the desktop's file manager.
namespace FileManager {

// Opens the file manager on folder with files (absolute paths) selected,
// through org.freedesktop.FileManager1.ShowItems on the session bus; when
// that service is missing or refuses, the folder itself is opened instead.
// Returns whether anything was opened.
bool showItems(const QString& folder, const QStringList& files);
// Opens the folder with the desktop's handler for folders.
bool openFolder(const QString& folder);

// Tests: every request goes to the handler instead of the desktop, and the
// handler's answer is returned. An empty handler restores the desktop.
struct Request
{
    enum Kind { ShowItems, OpenFolder };
    Kind kind = OpenFolder;
    QString folder;
    QStringList files;
};
void setHandlerForTesting(std::function<bool(const Request&)> handler);

}
