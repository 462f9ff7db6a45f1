// The CANopen SDO client tables window: the frame with the client sheet.
#include "tables/fieldbus/USet_SDO_Client_Access.h"

#include "core/UComon.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FSet_SDO_Client_Access"), SDO_Client_CANopen_Sheet()) {
    TS_SDO_Read = Page(0);
    TS_SDO_Write = Page(1);
    sga = Grid(0);
    sgb = Grid(1);
}

void TFSet_SDO_Client_Access::Delete_Row(int row, TQvColumnGrid* grid) {
    ColGrid_Del_Row(row, grid);
}
