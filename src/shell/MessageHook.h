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

// A failure the program cannot go on from (a profile tree that cannot be
// read). fatal() may be called on any thread: it logs a critical line and
// hands the text to the installed hook on the application's thread (queued
// when called elsewhere); the hook shows the report window and ends the
// event loop. Without a hook the event loop ends at once with -1.
using FatalFn = std::function<void(const QString& text)>;
void installFatal(FatalFn fn);
void fatal(const QString& text);
}
