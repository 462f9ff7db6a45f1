// The TFDefOffset window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFDefOffset : public TFStandInWindow {
public:
    explicit TFDefOffset(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFDefOffset"; }
};

extern TFDefOffset* FDefOffset;
