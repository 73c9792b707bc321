#pragma once

#include <functional>

class QObject;

// Calls that the interface makes seconds later (the promotion window) go
// through here, so that a test can see the delay and run them at once.
namespace DelayedCall {

// Runs fn on context's thread after ms, unless context is gone by then.
void after(int ms, QObject* context, std::function<void()> fn);

// Tests: every call goes to fn instead of a timer; an empty function
// restores the timers.
void setHandlerForTesting(std::function<void(int ms, QObject* context, std::function<void()> fn)> handler);

}
