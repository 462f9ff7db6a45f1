// The TFImportEDEFile window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFImportEDEFile : public TFStandInWindow {
public:
    explicit TFImportEDEFile(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFImportEDEFile"; }
};

extern TFImportEDEFile* FImportEDEFile;
