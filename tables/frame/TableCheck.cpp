// The frame's data check over the narrow cell view, and the composition of its one message.
#include "tables/frame/TableCheck.h"

#include "core/ULanguage.h"
#include "tables/frame/TableFile.h"
#include "tables/frame/TableNumber.h"
#include "toolkit/system/SysUtils.h"

String TTableRow::Text(Integer col) const {
    return FCells.Cell(col, FRow);
}

Integer TTableRow::Number(Integer col, Integer def) const {
    return Read_Table_Int(FCells.Cell(col, FRow), def);
}

bool TTableRow::Shown(Integer col) const {
    return FCells.ColumnShown(col);
}

TTableFault Find_Table_Fault(const TTableSheet& sheet, const std::vector<const ITableCells*>& cells) {
    for (size_t g = 0; g < sheet.Grids.size() && g < cells.size(); ++g) {
        const TTableGrid& grid = sheet.Grids[g];
        if (!grid.CheckRow) continue;
        const ITableCells& grid_cells = *cells[g];
        const Integer end = Table_End_Row(grid, grid_cells);
        Integer total = 0;
        for (Integer r = 1; r < end; ++r) {
            if (grid.EnableColumn >= 0) {
                String enable = grid_cells.Cell(grid.EnableColumn, r);
                if (grid.EnableTrimmed) enable = Trim(enable);
                if (grid.EnableIgnoresCase) enable = enable.toUpper();
                if (enable != u"Y") continue;
            }
            if (TRowFault fault = grid.CheckRow(TTableRow(grid_cells, r, &total)))
                return {Integer(g), r, fault};
        }
    }
    if (sheet.CheckTable) return sheet.CheckTable(cells);
    return {};
}

String Compose_Row_Error(const String& prefix, Integer row, const String& message, const String& limit) {
    return prefix + IntToStr(row) + message + limit;
}

String Table_Fault_Text(const TTableSheet& sheet, const TTableFault& fault) {
    if (fault.Row == 0 || fault.Fault.Unprefixed)
        return Lang_Texts->Strings(fault.Fault.Message) + fault.Fault.Limit;
    Integer prefix = sheet.Texts.RowErrorPrefix;
    if (fault.Grid >= 0 && size_t(fault.Grid) < sheet.Grids.size() &&
        sheet.Grids[size_t(fault.Grid)].RowErrorPrefix)
        prefix = sheet.Grids[size_t(fault.Grid)].RowErrorPrefix;
    return Compose_Row_Error(Lang_Texts->Strings(prefix), fault.Row, Lang_Texts->Strings(fault.Fault.Message),
                             fault.Fault.Limit);
}
