// The TFAbout window: created at start in its place; its dialog is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFAbout : public TFStandInWindow {
public:
    explicit TFAbout(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFAbout"; }
};

extern TFAbout* FAbout;
