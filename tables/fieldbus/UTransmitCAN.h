// The TFTransmitCAN window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFTransmitCAN : public TFStandInWindow {
public:
    explicit TFTransmitCAN(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFTransmitCAN"; }
};

extern TFTransmitCAN* FTransmitCAN;
