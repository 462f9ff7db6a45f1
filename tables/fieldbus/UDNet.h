// The TFDNet window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFDNet : public TFStandInWindow {
public:
    explicit TFDNet(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFDNet"; }
};

extern TFDNet* FDNet;
