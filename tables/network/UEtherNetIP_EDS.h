// The TFEtherNEtIP_EDS window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFEtherNEtIP_EDS : public TFStandInWindow {
public:
    explicit TFEtherNEtIP_EDS(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFEtherNEtIP_EDS"; }
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
