// Waiting for the outside world (a device's echo, a web server, another program) without freezing the
// windows.
#pragma once

#include "toolkit/system/Types.h"

// Called between the short slices of a long wait; the default keeps the windows painting.
using TKeepAlive = std::function<void()>;

// Handles pending paint, timer and posted events, so a wait that must not be interrupted by the user
// still repaints; keyboard and mouse input that arrives meanwhile is dropped, not acted on when the wait
// ends (a modal window opened during the wait keeps its own). Does nothing without an application object.
void KeepWindowsPainting();
