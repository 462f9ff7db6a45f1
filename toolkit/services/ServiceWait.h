// Waiting for the outside world (a device's echo, a web server, another program) without freezing the
// windows.
#pragma once

#include "toolkit/system/Types.h"

// Called between the short slices of a long wait; the default keeps the windows painting.
using TKeepAlive = std::function<void()>;

// Handles pending paint, timer and posted events but no keyboard or mouse input, so a wait that
// must not be interrupted by the user still repaints. Does nothing without an application object.
void KeepWindowsPainting();
