#pragma once

#include <memory>

// Powers the computer off when the user asked for it at the end of the
// downloads. The request goes through a replaceable backend so that tests
// never reach a real power-off.
class PowerOffBackend
{
public:
    virtual ~PowerOffBackend() = default;
    // True when the system accepted the request.
    virtual bool powerOff() = 0;
};

namespace PowerOff {

// Asks the installed backend (logind over D-Bus unless replaced).
bool request();

// Replaces the backend; null restores the logind one.
void setBackend(std::unique_ptr<PowerOffBackend> backend);

// systemd-logind's Manager.PowerOff on the system bus. Refuses when the
// environment variable TW_NO_POWEROFF is set (a guard for test runs).
std::unique_ptr<PowerOffBackend> makeLogindBackend();

}
