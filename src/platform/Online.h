#pragma once

#include <functional>

// Whether the computer has a network connection, as the desktop's network
// service sees it. When nobody can tell (no such service, no system bus),
// the answer is Unknown, and callers try their request anyway.
namespace Online {

enum class State { Online, Offline, Unknown };

State state();
// Unknown counts as online.
bool isOnline();

// Tests: answer with fn instead of asking the system; an empty fn restores.
void setStateOverride(std::function<State()> fn);

// Tests: whether an interface other than loopback is up with an address,
// answered by fn instead of the system; an empty fn restores.
void setInterfaceCheckForTesting(std::function<bool()> fn);

}
