// The TFModbus_TCP_Master_Set_Access window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFModbus_TCP_Master_Set_Access : public TFStandInWindow {
public:
    explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFModbus_TCP_Master_Set_Access"; }
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
