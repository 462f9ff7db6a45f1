// The TFSetAccess window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFSetAccess : public TFStandInWindow {
public:
    explicit TFSetAccess(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFSetAccess"; }
};

extern TFSetAccess* FSetAccess;
