// The TFTransmitNMEA window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFTransmitNMEA : public TFStandInWindow {
public:
    explicit TFTransmitNMEA(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFTransmitNMEA"; }
};

extern TFTransmitNMEA* FTransmitNMEA;
