// The TFReceiveJ1939 window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFReceiveJ1939 : public TFStandInWindow {
public:
    explicit TFReceiveJ1939(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFReceiveJ1939"; }
};

extern TFReceiveJ1939* FReceiveJ1939;
