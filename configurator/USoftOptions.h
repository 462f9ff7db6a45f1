// The TFSoftOptions window: created at start in its place; its dialog is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFSoftOptions : public TFStandInWindow {
public:
    explicit TFSoftOptions(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFSoftOptions"; }
    // Asks the maker's web server whether a newer version exists.
    bool Check_Version();
};

extern TFSoftOptions* FSoftOptions;
