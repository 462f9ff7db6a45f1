// The KNX access table ("KNX_SetAccess.xml"): the telegrams the converter exchanges on the KNX bus.
#pragma once

#include "tables/frame/UTableWindow.h"

class TFKNXAccess : public TFTableWindow {
public:
    explicit TFKNXAccess(TComponent* AOwner);
    String ClassName() const override { return "TFKNXAccess"; }

    TQvColumnGrid* ACG_KNX_in_Write = nullptr;
    bool Do_Copy_In_Write() const { return Copied(0); }
};

extern TFKNXAccess* FKNXAccess;
