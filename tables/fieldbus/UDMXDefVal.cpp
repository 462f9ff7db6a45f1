// The DMX default values: the frame with the DMX sheet.
#include "tables/fieldbus/UDMXDefVal.h"

#include "controls/grid/QvCGrid.h"

TFDMXDefVal* FDMXDefVal = nullptr;

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FDMXDefVal"), DMX_Default_Values_Sheet()) {
    ACG_DMX_Def_Val = Grid(0);
    // The channel column is wider than the frame's row-number column: it has a header word to show.
    ACG_DMX_Def_Val->Columns()->Items(0)->SetWidth(Sheet().Grids[0].Columns[0].Width);
}
