// Row and column operations the grid's hooks rely on, node queries, the filter value list and the
// slots whose work belongs to the data topics (sorting, grouping, filtering, persistence).
#include "controls/grid/QvGrid.h"

#include "toolkit/system/SysUtils.h"

// Nodes
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::IsNode(int ARow) {
    return GetCellType(0, ARow) == ctNode;
}

bool TQvStringGrid::IsSummary(int ARow) {
    return GetCellType(0, ARow) == ctSummary;
}

bool TQvStringGrid::HasNodes() {
    if (!HasCellProps()) return false;
    for (int r = 0; r < RowCount(); ++r)
        if (PropsAt(0, r) && IsNode(r)) return true;
    return false;
}

int TQvStringGrid::GetParentRow(int ARow) {
    if (!HasNodes()) return -1;
    for (int r = ARow; r >= 0; --r)
        if (IsNode(r)) return r;
    return -1;
}

// Rows
// --------------------------------------------------------------------------------------------

void TQvStringGrid::InsertRows(int ARow, int ACount) {
    if (ACount <= 0 || ARow < 0 || ARow > RowCount()) return;
    const int oldCount = RowCount();
    SetRowCount(oldCount + ACount);
    for (int i = 0; i < ACount; ++i)
        MoveRow(RowCount() - 1, ARow);
}

void TQvStringGrid::DoRemoveRows(int ARow, int ACount) {
    if (ARow < 0 || ACount <= 0 || ARow >= RowCount()) return;
    ACount = std::min(ACount, RowCount() - ARow);
    // The rows leave through the end of the grid, where the base grid frees their properties.
    for (int i = 0; i < ACount; ++i)
        MoveRow(ARow, RowCount() - 1 - i);
    SetRowCount(RowCount() - ACount);
}

void TQvStringGrid::RemoveRows(int ARow, int ACount) {
    DoRemoveRows(ARow, ACount);
}

void TQvStringGrid::RemoveRowsEx(int ARow, int ACount) {
    DoRemoveRows(ARow, ACount);
}

void TQvStringGrid::ClearRows(int ARow, int ACount) {
    for (int r = ARow; r < ARow + ACount && r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            SetGridCells(c, r, String());
}

void TQvStringGrid::InsertNormalRow(int ARow) {
    InsertRows(ARow, 1);
}
void TQvStringGrid::InsertChildRow(int ARow) {
    InsertRows(ARow, 1);
}
void TQvStringGrid::RemoveNormalRow(int ARow) {
    DoRemoveRows(ARow, 1);
}
void TQvStringGrid::RemoveChildRow(int ARow) {
    DoRemoveRows(ARow, 1);
}

void TQvStringGrid::AutoInsertRow(int ARow) {
    if (!HasNodes()) {
        InsertRows(ARow, 1);
        return;
    }
    if (GetParentRow(DisplRowIndex(ARow)) == -1)
        InsertNormalRow(ARow);
    else
        InsertChildRow(ARow);
}

void TQvStringGrid::AutoDeleteRow(int ARow) {
    if (HasNodes()) {
        if (GetParentRow(DisplRowIndex(ARow)) == -1)
            RemoveNormalRow(ARow);
        else
            RemoveChildRow(ARow);
    } else if (RowCount() - TCustomGrid::FixedRows() - FFixedFooters == 1 && !FFixedRowAlways) {
        // The last normal row stays, emptied: a grid without normal rows could not take input.
        ClearRows(ARow, 1);
    } else {
        DoRemoveRows(ARow, 1);
    }
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TQvStringGrid::SortSwapRows(int ARow1, int ARow2) {
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    const int lo = std::min(ARow1, ARow2), hi = std::max(ARow1, ARow2);
    MoveRow(lo, hi);
    MoveRow(hi - 1, lo);
}

// Columns
// --------------------------------------------------------------------------------------------

void TQvStringGrid::InsertCols(int ACol, int ACount) {
    if (ACount <= 0 || ACol < 0 || ACol > ColCount()) return;
    SetColCount(ColCount() + ACount);
    for (int i = 0; i < ACount; ++i)
        MoveColumn(ColCount() - 1, ACol);
}

void TQvStringGrid::RemoveCols(int ACol, int ACount) {
    if (ACol < 0 || ACount <= 0 || ACol >= ColCount()) return;
    ACount = std::min(ACount, ColCount() - ACol);
    for (int c = ACol; c < ACol + ACount; ++c)
        for (int r = 0; r < RowCount(); ++r) {
            FreeCellProps(c, r);
            SetGridCells(c, r, String());
        }
    for (int i = 0; i < ACount; ++i)
        MoveColumn(ACol, ColCount() - 1 - i);
    SetColCount(ColCount() - ACount);
}

// Rectangles
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    ACol1 = std::max(ACol1, 0);
    ARow1 = std::max(ARow1, 0);
    ARow2 = std::min(ARow2, RowCount() - 1);
    if (ACol2 < ACol1 || ARow2 < ARow1) return;
    FreeCellPropsRect(ACol1, ARow1, ACol2, ARow2);
    // Texts of a grid that is going leave with its store.
    if (!IsDestroying())
        for (int r = ARow1; r <= ARow2; ++r)
            for (int c = ACol1; c <= ACol2; ++c)
                SetGridCells(c, r, String());
}

void TQvStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    for (int r = std::max(ARow1, 0); r <= ARow2 && r < RowCount(); ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c)
            SetGridCells(c, r, Trim(GridCells(c, r)));
}

TGridRect TQvStringGrid::GetUsedCells() {
    TGridRect used;
    used.Left = used.Top = -1;
    used.Right = used.Bottom = -1;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c) {
            if (GridCells(c, r).isEmpty()) continue;
            if (used.Left < 0 || c < used.Left) used.Left = c;
            if (used.Top < 0) used.Top = r;
            used.Right = std::max(used.Right, c);
            used.Bottom = r;
        }
    return used;
}

// Filter values
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::BuildFilterValueList(int ACol) {
    FFilterValues->Clear();
    if (FFilterDropDownAuto)
        for (int r = TCustomGrid::FixedRows(); r < RowCount() - FFixedFooters; ++r) {
            String value = Trim(GridCells(ACol, r));
            if (value.contains(' ')) value = '"' + value + '"';
            FFilterValues->Add(value);
        }
    TStringList* items = FFilterList->Items();
    items->Clear();
    if (!FFilterDropDownClear.isEmpty()) items->Add(FFilterDropDownClear);
    for (int i = 0; i < FFilterValues->Count(); ++i)
        items->Add(FFilterValues->Strings(i));
    if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, items);
    return items->Count() > 0;
}

// Slots of the data topics, filled in by them
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::MatchFilter(int) {
    return true;
}
void TQvStringGrid::FilterSelect(int) {}
void TQvStringGrid::FilterCheck(int) {}
void TQvStringGrid::DoClickSort(int) {}
void TQvStringGrid::SubGroup(int) {}
void TQvStringGrid::SubUnGroup(int) {}
void TQvStringGrid::Group(int) {}
void TQvStringGrid::UnGroup() {}
void TQvStringGrid::SaveColPositions() {}
void TQvStringGrid::LoadColPositions() {}
void TQvStringGrid::SetStyle(int) {}
void TQvStringGrid::QSort() {}
void TQvStringGrid::QSortIndexed() {}
void TQvStringGrid::QSortGroup() {}
void TQvStringGrid::QSortGroupIndexed() {}
void TQvStringGrid::QUnSort() {}
