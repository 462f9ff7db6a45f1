// The TFKNXAccess window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFKNXAccess : public TFStandInWindow {
public:
    explicit TFKNXAccess(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFKNXAccess"; }
};

extern TFKNXAccess* FKNXAccess;
