// The TFBACnetAccess window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFBACnetAccess : public TFStandInWindow {
public:
    explicit TFBACnetAccess(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFBACnetAccess"; }
};

extern TFBACnetAccess* FBACnetAccess;
