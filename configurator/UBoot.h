// The TFBoot window: created at start in its place; its window is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFBoot : public TFStandInWindow {
public:
    explicit TFBoot(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFBoot"; }
    // 1: update over Ethernet.
    Integer Form_Type = 0;
};

extern TFBoot* FBoot;
