// The BACnet server object tables window ("BACnet_Slave.xml"): read and write objects; the description
// mode of "ParGen.xml" halves the tables; a double click on an Eng. Unit cell opens the unit picker.
#pragma once

#include "tables/frame/UTableWindow.h"
#include "tables/network/UBACnet_Slave_Tables.h"

// Made before the frame, whose sheet refers to it.
struct TBACnetSlaveModeHolder {
    TBACnetSlaveMode Mode;
};

class TFBACnetSlaveSetAccess : protected TBACnetSlaveModeHolder, public TFTableWindow {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* AOwner);
    String ClassName() const override { return "TFBACnetSlaveSetAccess"; }

    // Opens the unit picker on the cell; an OK there writes the picker's edit back.
    void Edit_Eng_Unit(TQvColumnGrid* grid, int row);

    Integer NByte_IN = BACnet_Slave_Capacity;
    Integer NByte_OUT = BACnet_Slave_Capacity;
    bool Desc_Lenght() const { return Mode.Desc_Lenght; }
    bool Do_Copy_Read() const { return Copied(0); }
    bool Do_Copy_Write() const { return Copied(1); }

    TTabSheet* TS_BACnet_in_Read = nullptr;
    TTabSheet* TS_BACnet_in_Write = nullptr;
    TQvColumnGrid* ACG_BACnet_in_Read = nullptr;
    TQvColumnGrid* ACG_BACnet_in_Write = nullptr;

protected:
    void BeforeTableLoad() override;
    void GridDblClickCell(int grid, int row, int col) override;
    void GridComboChange(int grid, int col, int row, int itemIndex) override;
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
