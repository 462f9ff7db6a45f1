// The TFEtherNetIP_Master_Access window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFEtherNetIP_Master_Access : public TFStandInWindow {
public:
    explicit TFEtherNetIP_Master_Access(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFEtherNetIP_Master_Access"; }
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
