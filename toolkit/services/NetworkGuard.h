// A guard for test runs: with it on, the echo and HTTP clients reach only this machine.
#pragma once

#include "toolkit/system/Types.h"

// On: every address outside 127.0.0.0/8 and ::1 (and every host name but "localhost") is refused before
// anything is sent. The test programs switch it on first thing, so no test can reach another machine.
void SetLoopbackOnly(bool on);
bool LoopbackOnly();
// True when `host` (an address text or a host name) is allowed under the guard.
bool HostAllowed(const String& host);
