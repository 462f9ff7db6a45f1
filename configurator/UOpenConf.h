// The TFOpenConf window: created at start in its place; its dialog is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFOpenConf : public TFStandInWindow {
public:
    explicit TFOpenConf(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFOpenConf"; }
    // The configuration chosen when the window closed with OK (empty: none).
    String Name_Conf;
};

extern TFOpenConf* FOpenConf;
