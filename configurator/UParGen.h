// The TFParGen window: created at start in its place; its window is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFParGen : public TFStandInWindow {
public:
    explicit TFParGen(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFParGen"; }
};

extern TFParGen* FParGen;
