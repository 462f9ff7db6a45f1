// The SNMP agent tables ("SNMP_Trap.xml"): the read variables with their traps and the write variables;
// column N numbers the enabled rows as the MIB numbers its objects.
#pragma once

#include "tables/frame/UTableWindow.h"

class TFSNMP_Trap_Access : public TFTableWindow {
public:
    explicit TFSNMP_Trap_Access(TComponent* AOwner);
    String ClassName() const override { return "TFSNMP_Trap_Access"; }

    // Numbers the enabled rows of one grid in its column N.
    void Index_Row_Build(TQvColumnGrid* grid);
    void ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

    TTabSheet* TS_SNMP_Read = nullptr;
    TTabSheet* TS_SNMP_Write = nullptr;
    TQvColumnGrid* ACG_SNMP_Read = nullptr;
    TQvColumnGrid* ACG_SNMP_Write = nullptr;
    bool Do_Copy_In_Read() const { return Copied(0); }
    bool Do_Copy_In_Write() const { return Copied(1); }

protected:
    void AfterTableLoad() override;
    void AfterRowChange(int grid) override;
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
