// The CANopen SDO client tables ("SDO_Client_CANopen.xml"): the SDO reads and writes the converter sends.
#pragma once

#include "tables/fieldbus/UCANopen_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFSet_SDO_Client_Access : public TFTableWindow {
public:
    explicit TFSet_SDO_Client_Access(TComponent* AOwner);
    String ClassName() const override { return "TFSet_SDO_Client_Access"; }
    // Deletes a row of either grid: the rows below move up, the last row empties.
    void Delete_Row(int row, TQvColumnGrid* grid);

    TTabSheet* TS_SDO_Read = nullptr;
    TTabSheet* TS_SDO_Write = nullptr;
    TQvColumnGrid* sga = nullptr;
    TQvColumnGrid* sgb = nullptr;
    bool Do_Copy_SDO_Read() const { return Copied(0); }
    bool Do_Copy_SDO_Write() const { return Copied(1); }
    static constexpr Integer PROFINET_NByte_IN = CANopen_NByte;
    static constexpr Integer PROFINET_NByte_OUT = CANopen_NByte;
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
