// Row and column operations the grid's hooks rely on, node queries and the slots whose work belongs to
// the data topics (grouping, persistence).
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
    if (FNumNodes > 0) return true;
    // Nodes that came with loaded cells are not counted.
    if (!HasCellProps()) return false;
    for (int r = 0; r < RowCount(); ++r)
        if (PropsAt(0, r) && IsNode(r)) return true;
    return false;
}

int TQvStringGrid::GetNodeIndent(int ARow) {
    if (!HasNodes()) return 0;
    const TCellProperties* props = PropsAt(0, ARow);
    return props ? props->NodeLevel() * FCellNode->NodeIndent() : 0;
}

// Rows
// --------------------------------------------------------------------------------------------

void TQvStringGrid::InsertRows(int ARow, int ACount) {
    if (ACount <= 0 || ARow < 0 || ARow > RowCount()) return;
    const int oldCount = RowCount();
    SetRowCount(oldCount + ACount);
    for (int i = 0; i < ACount; ++i)
        TCustomGrid::MoveRow(RowCount() - 1, ARow);
    // Hidden rows behind the new rows keep their place among the rows.
    FHiddenRows.InsertShown(FFilterRows.InsertDisplay(ARow, ACount), ACount);
    SyncHiddenRowItems();
    RowFlagsEntered(ARow, ACount);
    if (!IsDestroying()) DoCellsChanged(TRect(0, ARow, ColCount() - 1, ARow + ACount));
}

void TQvStringGrid::DoRemoveRows(int ARow, int ACount) {
    if (ARow < 0 || ACount <= 0 || ARow >= RowCount()) return;
    ACount = std::min(ACount, RowCount() - ARow);
    RowFlagsLeaving(ARow, ACount);
    // The rows leave through the end of the grid, where the base grid frees their properties.
    for (int i = 0; i < ACount; ++i)
        TCustomGrid::MoveRow(ARow, RowCount() - 1 - i);
    SetRowCount(RowCount() - ACount);
    // Hidden rows behind the block move up by the rows removed in front of them.
    if (FFilterRows.Empty()) {
        FHiddenRows.RemoveShown(ARow, ACount);
    } else {
        // Rows a filter level hid may lie between the removed ones: each removed row is placed on its own.
        for (int r = ARow + ACount - 1; r >= ARow; --r)
            FHiddenRows.RemoveShown(FFilterRows.RemoveDisplay(r), 1);
    }
    SyncHiddenRowItems();
    if (!IsDestroying()) DoCellsChanged(TRect(0, ARow, ColCount() - 1, ARow + ACount));
}

void TQvStringGrid::RemoveRows(int ARow, int ACount) {
    DoRemoveRows(ARow, ACount);
}

void TQvStringGrid::RemoveRowsEx(int ARow, int ACount) {
    DoRemoveRows(ARow, ACount);
}

void TQvStringGrid::ClearRows(int ARow, int ACount) {
    if (RowCount() <= 0 || ColCount() <= 0 || ACount <= 0) return;
    ClearRect(0, ARow, TotalColCount() - 1, ARow + ACount - 1);
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
    TCustomGrid::MoveRow(lo, hi);
    TCustomGrid::MoveRow(hi - 1, lo);
    // The cross-reference follows the rows, so that the order before sorting can come back.
    if (FSortRowXRef->Count() == RowCount()) {
        const int entry = FSortRowXRef->Items(lo);
        FSortRowXRef->SetItems(lo, FSortRowXRef->Items(hi));
        FSortRowXRef->SetItems(hi, entry);
    }
}

// Columns
// --------------------------------------------------------------------------------------------

// The store keeps every column in real order, hidden ones included: inserting and removing shift the
// cells of every display row and of every hidden row.
void TQvStringGrid::InsertCols(int ACol, int ACount) {
    if (ACount <= 0 || ACol < 0 || ACol > ColCount()) return;
    const int real = ACol < ColCount() ? RealColIndex(ACol) : TotalColCount();
    const int total = TotalColCount();
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = total - 1; c >= real; --c) {
            SetGridCells(c + ACount, r, GridCells(c, r));
            SetGridObjects(c + ACount, r, GridObjects(c, r));
        }
        for (int c = real; c < real + ACount; ++c) {
            SetGridCells(c, r, String());
            SetGridObjects(c, r, nullptr);
        }
    }
    for (TGridItem* item : AllHiddenRowItems()) {
        TStringList* items = item->Items();
        for (int k = 0; k < ACount && real <= items->Count(); ++k)
            items->Insert(real, String());
    }
    FHiddenCols.InsertReal(real, ACount);
    if (static_cast<size_t>(real) < FAllColWidths.size())
        FAllColWidths.insert(FAllColWidths.begin() + real, static_cast<size_t>(ACount), 0);
    const int oldCount = ColCount();
    SetColCount(oldCount + ACount);
    for (int d = ColCount() - 1; d >= ACol + ACount; --d)
        SetColWidths(d, ColWidths(d - ACount));
    for (int d = ACol; d < ACol + ACount; ++d)
        SetColWidths(d, DefaultColWidth());
    ColFlagsChanged(ACol, ACount, true);
    DoCellsChanged(TRect(ACol, 0, ACol + ACount, RowCount() - 1));
}

void TQvStringGrid::RemoveCols(int ACol, int ACount) {
    if (ACol < 0 || ACount <= 0 || ACol >= ColCount()) return;
    ACount = std::min(ACount, ColCount() - ACol);
    for (int k = 0; k < ACount; ++k) {
        const int real = RealColIndex(ACol);
        const int total = TotalColCount();
        for (int r = 0; r < RowCount(); ++r) {
            FreeCellProps(real, r);
            for (int c = real; c < total - 1; ++c) {
                SetGridCells(c, r, GridCells(c + 1, r));
                SetGridObjects(c, r, GridObjects(c + 1, r));
            }
            SetGridCells(total - 1, r, String());
            SetGridObjects(total - 1, r, nullptr);
        }
        for (TGridItem* item : AllHiddenRowItems()) {
            TStringList* items = item->Items();
            if (real < items->Count()) {
                TObject* props = items->Objects(real);
                items->Delete(real);
                if (props) DiscardCellProps(props);
            }
        }
        FHiddenCols.RemoveReal(real, 1);
        if (static_cast<size_t>(real) < FAllColWidths.size())
            FAllColWidths.erase(FAllColWidths.begin() + real);
        for (int d = ACol; d < ColCount() - 1; ++d)
            SetColWidths(d, ColWidths(d + 1));
        if (Col() >= ColCount() - 1 && Col() > 0) SetCol(Col() - 1);
        SetColCount(ColCount() - 1);
        ColFlagsChanged(ACol, 1, false);
    }
    if (!IsDestroying()) DoCellsChanged(TRect(ACol, 0, ACol + ACount, RowCount() - 1));
}

// Rectangles
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    ACol1 = std::max(ACol1, 0);
    ARow1 = std::max(ARow1, 0);
    ARow2 = std::min(ARow2, RowCount() - 1);
    if (ACol2 < ACol1 || ARow2 < ARow1) return;
    if (!FClearTextOnly) FreeCellPropsRect(ACol1, ARow1, ACol2, ARow2);
    // Texts of a grid that is going leave with its store.
    if (IsDestroying()) return;
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c)
            SetGridCells(c, r, String());
    DoCellsChanged(TRect(ACol1, ARow1, ACol2, ARow2));
}

void TQvStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    for (int r = std::max(ARow1, 0); r <= ARow2 && r < RowCount(); ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c)
            SetGridCells(c, r, Trim(GridCells(c, r)));
}

TGridRect TQvStringGrid::GetUsedCells() {
    TGridRect used{};
    bool any = false;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c) {
            if (Cells(RealColIndex(c), r).isEmpty()) continue;
            if (!any) {
                used.Left = used.Right = c;
                used.Top = used.Bottom = r;
                any = true;
            }
            used.Left = std::min(used.Left, c);
            used.Right = std::max(used.Right, c);
            used.Bottom = r;
        }
    return used;
}

// Slots of the data topics, filled in by them
// --------------------------------------------------------------------------------------------

