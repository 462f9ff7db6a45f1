// The serial ports of this computer, by their device names (/dev/ttyS0, /dev/ttyUSB0 ...).
#pragma once

#include "toolkit/system/Types.h"

// Device paths of the serial ports the system knows, sorted by name; empty when there are none.
QStringList ListSerialPorts();

enum class TPortState {
    Missing,   // no such device, or not a serial port
    Available, // it opened for reading and writing, exclusively
    InUse,     // it exists but someone else holds it, or we may not open it
};

// Opens the port for reading and writing, exclusively, and closes it again.
TPortState ProbePort(const String& name);
// True when ProbePort finds the port available.
bool CanOpenPort(const String& name);
