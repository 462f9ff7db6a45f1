// The TFSNMP_Trap_Access window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFSNMP_Trap_Access : public TFStandInWindow {
public:
    explicit TFSNMP_Trap_Access(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFSNMP_Trap_Access"; }
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
