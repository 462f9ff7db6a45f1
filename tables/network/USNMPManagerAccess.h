// The SNMP manager request table ("SNMP_Manager.xml"): the requests the converter sends to SNMP agents.
#pragma once

#include "tables/frame/UTableWindow.h"

class TFSNMPManagerAccess : public TFTableWindow {
public:
    explicit TFSNMPManagerAccess(TComponent* AOwner);
    String ClassName() const override { return "TFSNMPManagerAccess"; }

    TQvColumnGrid* ACG_SNMP = nullptr;
    bool Do_Copy_SNMP() const { return Copied(0); }
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;
