// The TFDMXDefVal window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFDMXDefVal : public TFStandInWindow {
public:
    explicit TFDMXDefVal(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFDMXDefVal"; }
};

extern TFDMXDefVal* FDMXDefVal;
