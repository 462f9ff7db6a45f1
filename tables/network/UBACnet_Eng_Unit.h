// The TFBACnet_Eng_Unit window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFBACnet_Eng_Unit : public TFStandInWindow {
public:
    explicit TFBACnet_Eng_Unit(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFBACnet_Eng_Unit"; }
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
