// Serial ports: the list names devices, and only a real serial device probes as openable.
#include "toolkit/services/SerialPorts.h"

#include <gtest/gtest.h>

TEST(SerialPorts, ListNamesDevicesAndMissingOrNonSerialDevicesDoNotOpen) {
    for (const QString& name : ListSerialPorts())
        EXPECT_TRUE(name.startsWith("/dev/")) << name.toStdString();
    for (const char* name : {"/dev/ttyQV-no-such-port", "/dev/null", ""}) {
        EXPECT_EQ(ProbePort(name), TPortState::Missing) << name;
        EXPECT_FALSE(CanOpenPort(name)) << name;
    }
}
