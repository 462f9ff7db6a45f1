// The TFReceiveCAN window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFReceiveCAN : public TFStandInWindow {
public:
    explicit TFReceiveCAN(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFReceiveCAN"; }
};

extern TFReceiveCAN* FReceiveCAN;
