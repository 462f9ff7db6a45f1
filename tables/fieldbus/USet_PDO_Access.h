// The TFSet_PDO_Access window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFSet_PDO_Access : public TFStandInWindow {
public:
    explicit TFSet_PDO_Access(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFSet_PDO_Access"; }
};

extern TFSet_PDO_Access* FSet_PDO_Access;
