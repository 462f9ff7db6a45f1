// The TFNew_Project window: created at start in its place; its dialog is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFNew_Project : public TFStandInWindow {
public:
    explicit TFNew_Project(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFNew_Project"; }
};

extern TFNew_Project* FNew_Project;
