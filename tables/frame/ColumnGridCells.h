// The frame's narrow cell view over a column grid: real column indexes, data rows 1 .. RowCount - 1.
#pragma once

#include "controls/grid/QvCGrid.h"
#include "tables/frame/TableCells.h"

class TColumnGridCells : public ITableCells {
public:
    explicit TColumnGridCells(TQvColumnGrid* grid) : FGrid(grid) {}
    Integer DataRowCount() const override { return FGrid->RowCount() - 1; }
    Integer ColumnCount() const override { return FGrid->ColCount() + FGrid->NumHiddenColumns(); }
    String Cell(Integer col, Integer row) const override { return FGrid->GetCellEx(col, row); }
    void SetCell(Integer col, Integer row, const String& text) override { FGrid->SetCellEx(col, row, text); }
    bool ColumnShown(Integer col) const override { return !FGrid->IsHiddenColumn(col); }

private:
    TQvColumnGrid* FGrid;
};
