// The BACnet server object tables: the frame with the server sheet, the description mode, the default
// length of a write object and the way to the unit picker.
#include "tables/network/UBACnetSlaveSetAccess.h"

#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "tables/frame/TableNumber.h"
#include "tables/network/UBACnet_Eng_Unit.h"
#include "tables/network/UBACnet_Eng_Units.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/StringList.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FBACnetSlaveSetAccess"), [this] {
          TTableSheet sheet = BACnet_Slave_Sheet(Mode);
          sheet.FilePath = &File_BACnet_Slave;
          return sheet;
      }()) {
    TS_BACnet_in_Read = Page(0);
    TS_BACnet_in_Write = Page(1);
    ACG_BACnet_in_Read = Grid(0);
    ACG_BACnet_in_Write = Grid(1);
}

void TFBACnetSlaveSetAccess::BeforeTableLoad() {
    NByte_IN = NByte_OUT = BACnet_Slave_Capacity;
    Mode.Desc_Lenght = Read_BACnet_Desc_Length(File_ParGen);
    const int rows = Mode.Desc_Lenght ? BACnet_Slave_Rows_Desc32 : BACnet_Slave_Rows;
    ACG_BACnet_in_Read->SetRowCount(rows + 1);
    ACG_BACnet_in_Write->SetRowCount(rows + 1);
}

void TFBACnetSlaveSetAccess::GridDblClickCell(int grid, int row, int col) {
    TQvColumnGrid* g = Grid(grid);
    if (row >= 1 && g->RealColIndex(col) == bsEng_Unit) Edit_Eng_Unit(g, row);
}

void TFBACnetSlaveSetAccess::GridComboChange(int grid, int col, int row, int itemIndex) {
    if (grid != 1 || col != bsData_Type) return;
    TStrings* items = ACG_BACnet_in_Write->Columns()->Items(bsData_Type)->ComboItems();
    if (itemIndex < 0 || itemIndex >= items->Count()) return;
    const String length = BACnet_Write_Default_Length(items->Strings(itemIndex));
    if (!length.isEmpty()) ACG_BACnet_in_Write->SetCellEx(bsLength, row, length);
}

void TFBACnetSlaveSetAccess::Edit_Eng_Unit(TQvColumnGrid* grid, int row) {
    if (!FBACnet_Eng_Unit) return;
    const String unit = grid->GetCellEx(bsEng_Unit, row);
    FBACnet_Eng_Unit->E_Selected_EU->SetText(unit);
    FBACnet_Eng_Unit->Label5->SetCaption("-> " + Desc_Unit(Read_Table_Int(unit)));
    if (FBACnet_Eng_Unit->ShowModal() == mrOk)
        grid->SetCellEx(bsEng_Unit, row, FBACnet_Eng_Unit->E_Selected_EU->Text());
}
