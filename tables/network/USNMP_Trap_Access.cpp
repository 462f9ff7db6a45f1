// The SNMP agent tables: the frame with the agent's sheet and file, and column N kept in step with the
// Enable column through every showing, tick and row operation.
#include "tables/network/USNMP_Trap_Access.h"

#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "tables/frame/ColumnGridCells.h"
#include "tables/network/USNMP_Trap_Tables.h"
#include "toolkit/stdctrls/ComCtrls.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FSNMP_Trap_Access"), [] {
          TTableSheet sheet = SNMP_Trap_Sheet();
          sheet.FilePath = &File_SNMP_Trap;
          return sheet;
      }()) {
    TS_SNMP_Read = Page(0);
    TS_SNMP_Write = Page(1);
    ACG_SNMP_Read = Grid(0);
    ACG_SNMP_Write = Grid(1);
    // The read page opens at creation only; later showings keep the page last used.
    PageControl1->SetActivePageIndex(0);
    for (TQvColumnGrid* grid : {ACG_SNMP_Read, ACG_SNMP_Write})
        grid->OnCheckBoxClick = [this](TObject* Sender, int ACol, int ARow, bool State) {
            ACG_SNMP_ReadCheckBoxClick(Sender, ACol, ARow, State);
        };
}

void TFSNMP_Trap_Access::Index_Row_Build(TQvColumnGrid* grid) {
    TColumnGridCells cells(grid);
    ::Index_Row_Build(cells);
}

void TFSNMP_Trap_Access::ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int, bool) {
    if (ACol != 1) return;
    if (Sender == ACG_SNMP_Read) Index_Row_Build(ACG_SNMP_Read);
    if (Sender == ACG_SNMP_Write) Index_Row_Build(ACG_SNMP_Write);
}

void TFSNMP_Trap_Access::AfterTableLoad() {
    Index_Row_Build(ACG_SNMP_Read);
    Index_Row_Build(ACG_SNMP_Write);
}

void TFSNMP_Trap_Access::AfterRowChange(int grid) {
    // The MIB numbers the enabled rows as they stand: so does column N after rows move.
    Index_Row_Build(Grid(grid));
}
