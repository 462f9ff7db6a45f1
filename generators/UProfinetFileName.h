// The TFProfinetFileName window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFProfinetFileName : public TFStandInWindow {
public:
    explicit TFProfinetFileName(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFProfinetFileName"; }
};

extern TFProfinetFileName* FProfinetFileName;
