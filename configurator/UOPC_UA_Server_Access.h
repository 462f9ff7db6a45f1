// The TFOPC_UA_Server_Access window: created at start in its place; its table editor is not built yet.
#pragma once

#include "configurator/UStandInWindow.h"

class TFOPC_UA_Server_Access : public TFStandInWindow {
public:
    explicit TFOPC_UA_Server_Access(TComponent* AOwner) : TFStandInWindow(AOwner) {}
    String ClassName() const override { return "TFOPC_UA_Server_Access"; }
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;
