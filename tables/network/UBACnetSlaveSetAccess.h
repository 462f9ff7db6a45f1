// The TFBACnetSlaveSetAccess window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFBACnetSlaveSetAccess : public TFStandInWindow {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFBACnetSlaveSetAccess"; }
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
