// The TFSNMPManagerAccess window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFSNMPManagerAccess : public TFStandInWindow {
public:
    explicit TFSNMPManagerAccess(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFSNMPManagerAccess"; }
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;
