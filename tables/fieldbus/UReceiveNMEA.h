// The TFReceiveNMEA window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFReceiveNMEA : public TFStandInWindow {
public:
    explicit TFReceiveNMEA(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFReceiveNMEA"; }
};

extern TFReceiveNMEA* FReceiveNMEA;
