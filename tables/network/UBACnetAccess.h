// The BACnet client access tables window ("BACnet_Master_Access.xml"): read and write requests; the client
// type of "ParGen.xml" decides the address column and where the tables end.
#pragma once

#include "tables/frame/UTableWindow.h"
#include "tables/network/UBACnet_Master_Tables.h"

class TOpenDialog;

// Made before the frame, whose sheet refers to it.
struct TBACnetClientModeHolder {
    TBACnetClientMode Mode;
};

class TFBACnetAccess : protected TBACnetClientModeHolder, public TFTableWindow {
public:
    explicit TFBACnetAccess(TComponent* AOwner);
    String ClassName() const override { return "TFBACnetAccess"; }

    void Set_Lang() override;
    // The cell hint of the read table: the byte count the row's property proposes over its Property cell.
    String Str_Hint_Read(int ARow, int ACol) const;
    String Str_Hint_Write(int, int) const { return String(); }

    Integer App_BACnet_Type() const { return Mode.App_BACnet_Type; }
    // Fills rows from a device's EDE file through the selection window.
    void Btn_Import_CSVClick(TObject* Sender);
    // What the last import could not place (rows past a table's end).
    Integer Last_Import_Not_Placed = 0;

    TTabSheet* TS_BACnet_Read = nullptr;
    TTabSheet* TS_BACnet_Write = nullptr;
    TQvColumnGrid* ACG1 = nullptr;
    TQvColumnGrid* ACG2 = nullptr;
    TSbButton* Btn_Import_CSV = nullptr;
    TOpenDialog* OD_EDE_File = nullptr;

protected:
    void BeforeTableLoad() override;

private:
    void layoutAddressColumn();
};

extern TFBACnetAccess* FBACnetAccess;
