// The plain cell store behind the frame's narrow view of a grid.
#include "tables/frame/TableCells.h"

#include "tables/frame/TableSheet.h"

TTableCellStore::TTableCellStore(Integer columns, Integer dataRows)
    : FColumns(std::max<Integer>(columns, 1)), FRows(std::max<Integer>(dataRows, 0)),
      FCells(size_t(FRows + 1) * size_t(FColumns)), FShown(size_t(FColumns), true) {}

TTableCellStore::TTableCellStore(const TTableGrid& grid)
    : TTableCellStore(Integer(grid.Columns.size()), grid.DataRows) {
    for (Integer c = 0; c < FColumns; ++c)
        FShown[size_t(c)] = grid.Columns[size_t(c)].Shown;
}

String TTableCellStore::Cell(Integer col, Integer row) const {
    if (col < 0 || col >= FColumns || row < 0 || row > FRows) return String();
    return FCells[size_t(row) * size_t(FColumns) + size_t(col)];
}

void TTableCellStore::SetCell(Integer col, Integer row, const String& text) {
    if (col < 0 || col >= FColumns || row < 0 || row > FRows) return;
    FCells[size_t(row) * size_t(FColumns) + size_t(col)] = text;
}

bool TTableCellStore::ColumnShown(Integer col) const {
    return col >= 0 && col < FColumns && FShown[size_t(col)];
}

void TTableCellStore::SetColumnShown(Integer col, bool shown) {
    if (col >= 0 && col < FColumns) FShown[size_t(col)] = shown;
}

QStringList TTableCellStore::Row(Integer row) const {
    QStringList cells;
    for (Integer c = 1; c < FColumns; ++c)
        cells << Cell(c, row);
    return cells;
}

void TTableCellStore::SetRow(Integer row, const QStringList& cells) {
    for (Integer c = 1; c < FColumns && c - 1 < cells.size(); ++c)
        SetCell(c, row, cells[c - 1]);
}
