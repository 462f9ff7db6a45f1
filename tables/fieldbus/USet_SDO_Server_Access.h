// The TFSet_SDO_Server_Access window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFSet_SDO_Server_Access : public TFStandInWindow {
public:
    explicit TFSet_SDO_Server_Access(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFSet_SDO_Server_Access"; }
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
