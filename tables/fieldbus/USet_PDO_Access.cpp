// The CANopen PDO tables window: the frame with the PDO sheet.
#include "tables/fieldbus/USet_PDO_Access.h"

#include "core/UComon.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FSet_PDO_Access"), PDO_CANopen_Sheet()) {
    TS_Receive_PDO = Page(0);
    TS_Transmit_PDO = Page(1);
    sga = Grid(0);
    sgb = Grid(1);
}

void TFSet_PDO_Access::Delete_Row(int row, TQvColumnGrid* grid) {
    ColGrid_Del_Row(row, grid);
}
