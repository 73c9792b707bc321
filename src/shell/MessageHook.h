#pragma once

#include <QString>
#include <functional>

// Services never include widget headers; where one has to tell the user
// something, it calls this hook, which the GUI fills at start-up. Without a
// hook the message only goes to the log and stderr.
namespace MessageHook {
using CriticalFn = std::function<void(const QString& title, const QString& text)>;
void installCritical(CriticalFn fn);
// Shows the message through the installed hook. When no hook (or no
// application object) exists yet the message is kept and shown by
// flushPending() once one does.
void critical(const QString& title, const QString& text);
bool hasPending();
void flushPending();
}
