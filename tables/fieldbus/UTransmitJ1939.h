// The TFTransmitJ1939 window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFTransmitJ1939 : public TFStandInWindow {
public:
    explicit TFTransmitJ1939(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFTransmitJ1939"; }
};

extern TFTransmitJ1939* FTransmitJ1939;
