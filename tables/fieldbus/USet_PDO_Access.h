// The CANopen PDO tables ("PDO_CANopen.xml"): receive and transmit PDOs and the array position of each data
// byte.
#pragma once

#include "tables/fieldbus/UCANopen_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFSet_PDO_Access : public TFTableWindow {
public:
    explicit TFSet_PDO_Access(TComponent* AOwner);
    String ClassName() const override { return "TFSet_PDO_Access"; }
    // Deletes a row of either grid: the rows below move up, the last row empties.
    void Delete_Row(int row, TQvColumnGrid* grid);

    TTabSheet* TS_Receive_PDO = nullptr;
    TTabSheet* TS_Transmit_PDO = nullptr;
    TQvColumnGrid* sga = nullptr;
    TQvColumnGrid* sgb = nullptr;
    bool Do_Copy_Receive_PDO() const { return Copied(0); }
    bool Do_Copy_Transmit_PDO() const { return Copied(1); }
    static constexpr Integer PROFINET_NByte_IN = CANopen_NByte;
    static constexpr Integer PROFINET_NByte_OUT = CANopen_NByte;
};

extern TFSet_PDO_Access* FSet_PDO_Access;
