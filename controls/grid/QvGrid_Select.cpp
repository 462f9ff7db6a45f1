// The string grid's row, column and cell selection, its counts and text, and the modified and disabled rows.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvUtil.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>

namespace {

void GrowSelectFlags(TIntList* List, int Count) {
    while (List->Count() < Count)
        List->Add(0);
}

// The real column shown at a display column; hidden columns keep their real index, so the display
// index of every real column is searched.
int RealColumnOfDisplay(TQvStringGrid* g, int ADisplCol) {
    if (g->NumHiddenColumns() == 0) return ADisplCol;
    for (int c = 0; c < g->AllColCount(); ++c)
        if (!g->IsHiddenColumn(c) && g->DisplColIndex(c) == ADisplCol) return c;
    return ADisplCol;
}

} // namespace

// Row and column flags
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::RowSelect(int ARow) {
    if ((ARow < 0 || ARow >= AllRowCount()) && !FMouseActions->RowSelectPersistent())
        throw EQvGridError("Invalid row " + IntToStr(ARow) + " accessed");
    if (ARow < 0) return false;
    if (FMouseActions->DisjunctRowSelect()) {
        GrowSelectFlags(FRowSelectList.get(), ARow + 1);
        return FRowSelectList->Items(ARow) == 1;
    }
    const TGridRect s = Selection();
    return ARow >= s.Top && ARow <= s.Bottom;
}

void TQvStringGrid::SetRowSelect(int ARow, bool Value) {
    if (ARow < 0 || (ARow >= AllRowCount() && RowCount() > FixedRows()))
        throw EQvGridError("Invalid row accessed");
    const int v = Value ? 1 : 0;
    bool allow = true;
    if ((ARow >= FRowSelectList->Count() || FRowSelectList->Items(ARow) != v) && OnRowDisjunctSelect)
        OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow) return;
    GrowSelectFlags(FRowSelectList.get(), ARow + 1);
    if (FRowSelectList->Items(ARow) != v) InvalidateRow(DisplRowIndex(ARow));
    FRowSelectList->SetItems(ARow, v);
    if (Value) {
        if (ARow >= FixedRows() && !FSelectedRows->HasValue(ARow)) FSelectedRows->Add(ARow);
    } else {
        FSelectedRows->DeleteValue(ARow);
    }
    if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TQvStringGrid::ColSelect(int ACol) {
    if (ACol < 0 || ACol >= ColCount()) throw EQvGridError("Invalid column accessed");
    GrowSelectFlags(FColSelectList.get(), ACol + 1);
    return FColSelectList->Items(ACol) == 1;
}

void TQvStringGrid::SetColSelect(int ACol, bool Value) {
    if (ACol < 0 || ACol >= ColCount()) throw EQvGridError("Invalid column accessed");
    GrowSelectFlags(FColSelectList.get(), ACol + 1);
    const int v = Value ? 1 : 0;
    if (FColSelectList->Items(ACol) != v) InvalidateCol(ACol);
    FColSelectList->SetItems(ACol, v);
}

void TQvStringGrid::ClearRowSelect() {
    for (int i = 0; i < FRowSelectList->Count(); ++i)
        if (FRowSelectList->Items(i) != 0) {
            FRowSelectList->SetItems(i, 0);
            InvalidateRow(DisplRowIndex(i));
        }
    FSelectedRows->Clear();
}

void TQvStringGrid::ClearColSelect() {
    for (int i = 0; i < FColSelectList->Count(); ++i)
        if (FColSelectList->Items(i) != 0) {
            FColSelectList->SetItems(i, 0);
            if (i < ColCount()) InvalidateCol(i);
        }
}

// Blocks
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SelectRows(int RowIndex, int RCount) {
    if (RowIndex + RCount > RowCount()) RCount = RowCount() - RowIndex;
    if (!FMouseActions->DisjunctRowSelect()) {
        if (RCount > 0 && RowIndex >= 0)
            SetSelection(TGridRect{FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int rr = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
            if (rr >= 0 && rr < RowCount()) SetRowSelect(rr, true);
        }
    }
    if (!FRowIndicator->Empty()) InvalidateCol(0);
    FSelectionChanged = false;
}

void TQvStringGrid::UnSelectRows(int RowIndex, int RCount) {
    if (FMouseActions->DisjunctRowSelect())
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int rr = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
            if (rr >= 0 && rr < RowCount()) SetRowSelect(rr, false);
        }
    FSelectionChanged = false;
}

void TQvStringGrid::SelectCols(int ColIndex, int CCount) {
    if (!FMouseActions->DisjunctColSelect()) {
        if (CCount > 0 && ColIndex >= 0)
            SetSelection(TGridRect{ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        if (c >= 0 && c < ColCount()) SetColSelect(c, true);
}

void TQvStringGrid::UnSelectCols(int ColIndex, int CCount) {
    if (!FMouseActions->DisjunctColSelect()) return;
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        if (c >= 0 && c < ColCount()) SetColSelect(c, false);
}

void TQvStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TQvStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TQvStringGrid::SelectionToRowSelect(bool Unselect) {
    TGridRect s = Selection();
    s.Bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const bool inRange = r >= s.Top && r <= s.Bottom;
        if (!inRange && !Unselect) continue;
        SetRowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r, inRange);
    }
    if (NumHiddenRows() > 0) Invalidate();
}

void TQvStringGrid::SelectionToColSelect(bool Unselect) {
    const TGridRect s = Selection();
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inRange = c >= s.Left && c <= s.Right;
        if (inRange || Unselect) SetColSelect(c, inRange);
    }
}

// Disjunct cells
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::SelectedCells(int ACol, int ARow) {
    if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->Contains(ACol, ARow);
    return Selection().Contains(ACol, ARow);
}

void TQvStringGrid::SetSelectedCells(int ACol, int ARow, bool Value) {
    const bool changed = Value ? FSelectedCells->Add(ACol, ARow) : FSelectedCells->Remove(ACol, ARow);
    if (changed) RepaintCell(ACol, ARow);
}

TGridCoord TQvStringGrid::SelectedCell(int Index) {
    const SelectedCellSet::Cell c = FSelectedCells->At(Index);
    return TGridCoord{c.Col, c.Row};
}

int TQvStringGrid::SelectedCellsCount() {
    if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->Count();
    FSelectedCells->Clear();
    const TGridRect s = Selection();
    if (s.Left == s.Right && s.Top == s.Bottom) {
        FSelectedCells->Add(Col(), Row());
    } else {
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r)
                FSelectedCells->Add(c, r);
    }
    return FSelectedCells->Count();
}

void TQvStringGrid::ClearSelectedCells() {
    SetSelection(TGridRect{FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FSelectedCells->Clear();
    Invalidate();
}

// Queries
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::IsSelected(int ACol, int ARow) {
    if (ARow < FixedRows() || ACol < FixedCols()) return false;
    if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->Contains(ACol, ARow);
    if (FMouseActions->DisjunctRowSelect())
        return RowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
    if (FMouseActions->DisjunctColSelect()) return ColSelect(ACol);
    return Selection().Contains(ACol, ARow);
}

int TQvStringGrid::RowSelectCount() {
    if (!FMouseActions->DisjunctRowSelect()) {
        const TGridRect s = Selection();
        return s.Bottom - s.Top + 1;
    }
    const int n = std::min(AllRowCount(), FRowSelectList->Count());
    int count = 0;
    for (int i = 0; i < n; ++i)
        if (FRowSelectList->Items(i) == 1) ++count;
    return count;
}

int TQvStringGrid::ColSelectCount() {
    if (!FMouseActions->DisjunctColSelect()) {
        const TGridRect s = Selection();
        return s.Right - s.Left + 1;
    }
    int count = 0;
    for (int i = 0; i < FColSelectList->Count(); ++i)
        if (FColSelectList->Items(i) == 1) ++count;
    return count;
}

int TQvStringGrid::SelectedRowCount() {
    if (FMouseActions->DisjunctRowSelect()) return FSelectedRows->Count();
    TGridRect s = Selection();
    s.Bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
    const int height = s.Bottom - s.Top + 1;
    const int topSpan = CellSpan(s.Left, s.Top).Y;
    if (topSpan > 0) return s.Bottom < s.Top + topSpan ? topSpan + 1 : height;
    const int bottomSpan = CellSpan(s.Left, s.Bottom).Y;
    if (bottomSpan > 0) return height + bottomSpan;
    return height;
}

int TQvStringGrid::SelectedColCount() {
    if (FMouseActions->DisjunctColSelect()) return ColSelectCount();
    const TGridRect s = Selection();
    const int width = s.Right - s.Left + 1;
    const int leftSpan = CellSpan(s.Left, s.Top).X;
    if (leftSpan > 0) return s.Right < s.Left + leftSpan ? leftSpan + 1 : width;
    const int rightSpan = CellSpan(s.Right, s.Top).X;
    if (rightSpan > 0) return width + rightSpan;
    return width;
}

int TQvStringGrid::SelectedRow(int i) {
    if (FMouseActions->DisjunctRowSelect())
        return i >= 0 && i < FSelectedRows->Count() ? FSelectedRows->Items(i) : -1;
    const TGridRect s = Selection();
    return i >= 0 && s.Top + i <= s.Bottom ? s.Top + i : -1;
}

// Cells separated by TAB, rows by CR LF. Selected rows below the range's bottom row still get their line
// break, so that no two rows run together.
String TQvStringGrid::SelectedText() {
    TGridRect s = Selection();
    if ((Options() & goRowSelect) && FDragDropSettings->OleEntireRows()) {
        s.Left = 0;
        s.Right = ColCount() - 1;
    }
    std::vector<int> rows;
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r)) rows.push_back(r);
    } else {
        for (int r = s.Top; r <= s.Bottom; ++r)
            rows.push_back(r);
    }
    String out;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = rows[i];
        for (int c = s.Left; c <= s.Right; ++c) {
            if (c > s.Left) out += QChar(9);
            const String cell = GetCellEx(RealColumnOfDisplay(this, c), r);
            String text = cell.contains(QLatin1String("{\\")) ? RichCellPlainText(cell) : cell;
            if (ExcelClipboardFormat() && LineCount(text, Multilinecells()) > 1) QuoteWithVTBreaks(text);
            out += text;
        }
        if (i + 1 < rows.size()) out += QStringLiteral("\r\n");
    }
    return out;
}

// Flags of rows and columns that enter or leave
// --------------------------------------------------------------------------------------------

namespace {

// Only entries the list holds move: the flags beyond its end read as unset anyway.
void FlagListInsert(TIntList* List, int Index, int Count) {
    if (Index < 0 || Index >= List->Count()) return;
    for (int i = 0; i < Count; ++i)
        List->Insert(Index, 0);
}

void FlagListDelete(TIntList* List, int Index) {
    if (Index >= 0 && Index < List->Count()) List->Delete(Index);
}

// SelectedRows names rows by index: a removed row leaves it and the rows behind it move up.
void SelectedRowsRemove(TIntList* Rows, int Index) {
    Rows->DeleteValue(Index);
    for (int i = 0; i < Rows->Count(); ++i)
        if (Rows->Items(i) > Index) Rows->SetItems(i, Rows->Items(i) - 1);
}

void SelectedRowsInsert(TIntList* Rows, int Index, int Count) {
    for (int i = 0; i < Rows->Count(); ++i)
        if (Rows->Items(i) >= Index) Rows->SetItems(i, Rows->Items(i) + Count);
}

// The entry of row From[i] goes to row To[i]; rows of neither list keep theirs.
void FlagListPermute(TIntList* List, const std::vector<int>& From, const std::vector<int>& To) {
    const int count = List->Count();
    std::vector<int> old(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        old[static_cast<size_t>(i)] = List->Items(i);
    std::vector<int> moved = old;
    for (size_t i = 0; i < From.size(); ++i) {
        const int v = From[i] < count ? old[static_cast<size_t>(From[i])] : 0;
        // Entries beyond the list's end read as unset: an unset one need not be written there.
        if (To[i] >= static_cast<int>(moved.size())) {
            if (v == 0) continue;
            moved.resize(static_cast<size_t>(To[i]) + 1, 0);
        }
        moved[static_cast<size_t>(To[i])] = v;
    }
    if (moved == old) return;
    List->Clear();
    for (int v : moved)
        List->Add(v);
}

void SelectedRowsPermute(TIntList* Rows, const std::vector<int>& From, const std::vector<int>& To) {
    if (Rows->Count() == 0) return;
    int size = 0;
    for (int r : From)
        size = std::max(size, r + 1);
    std::vector<int> newIndex(static_cast<size_t>(size), -1);
    for (size_t i = 0; i < From.size(); ++i)
        newIndex[static_cast<size_t>(From[i])] = To[i];
    for (int i = 0; i < Rows->Count(); ++i) {
        const int r = Rows->Items(i);
        if (r >= 0 && r < size && newIndex[static_cast<size_t>(r)] >= 0)
            Rows->SetItems(i, newIndex[static_cast<size_t>(r)]);
    }
}

} // namespace

void TQvStringGrid::RowFlagsLeaving(int ARow, int ACount) {
    // A persistent selection is kept by real row; the real rows of a block need not follow each other.
    const bool persistent = FMouseActions->RowSelectPersistent();
    for (int r = ARow + ACount - 1; r >= ARow; --r) {
        const int sel = persistent ? RealRowIndex(r) : r;
        FlagListDelete(FRowSelectList.get(), sel);
        SelectedRowsRemove(FSelectedRows.get(), sel);
        FlagListDelete(FModifiedRows.get(), r);
        FlagListDelete(FEnabledRows.get(), r);
    }
}

void TQvStringGrid::RowFlagsEntered(int ARow, int ACount) {
    const int sel = FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
    FlagListInsert(FRowSelectList.get(), sel, ACount);
    SelectedRowsInsert(FSelectedRows.get(), sel, ACount);
    FlagListInsert(FModifiedRows.get(), ARow, ACount);
    FlagListInsert(FEnabledRows.get(), ARow, ACount);
}

void TQvStringGrid::RowFlagsPermuted(const std::vector<int>& Order) {
    // Nothing to carry: the mapping alone would cost a lookup per row.
    if (FRowSelectList->Count() == 0 && FSelectedRows->Count() == 0 && FModifiedRows->Count() == 0 &&
        FEnabledRows->Count() == 0)
        return;
    // Row i of each index space takes the flags of row Order[i]; flags kept by real row move between the real
    // rows of those display rows, and hidden rows keep theirs.
    std::vector<int> fromDispl(Order.size()), toDispl(Order.size()), fromReal(Order.size()),
        toReal(Order.size());
    for (size_t i = 0; i < Order.size(); ++i) {
        fromDispl[i] = Order[i];
        toDispl[i] = static_cast<int>(i);
        fromReal[i] = RealRowIndex(Order[i]);
        toReal[i] = RealRowIndex(static_cast<int>(i));
    }
    const bool persistent = FMouseActions->RowSelectPersistent();
    FlagListPermute(FRowSelectList.get(), persistent ? fromReal : fromDispl, persistent ? toReal : toDispl);
    SelectedRowsPermute(FSelectedRows.get(), persistent ? fromReal : fromDispl,
                        persistent ? toReal : toDispl);
    FlagListPermute(FModifiedRows.get(), fromReal, toReal);
    FlagListPermute(FEnabledRows.get(), fromDispl, toDispl);
}

void TQvStringGrid::ColFlagsChanged(int ACol, int ACount, bool Entered) {
    if (Entered)
        FlagListInsert(FColSelectList.get(), ACol, ACount);
    else
        for (int i = 0; i < ACount; ++i)
            FlagListDelete(FColSelectList.get(), ACol);
}

// Modified and disabled rows
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::RowModified(int ARow) const {
    return ARow >= 0 && ARow < FModifiedRows->Count() && FModifiedRows->Items(ARow) == 1;
}

void TQvStringGrid::SetRowModified(int ARow, bool Value) {
    if (ARow < 0) return;
    GrowSelectFlags(FModifiedRows.get(), ARow + 1);
    FModifiedRows->SetItems(ARow, Value ? 1 : 0);
    RepaintCell(0, ARow);
}

int TQvStringGrid::ModifiedRowCount() const {
    int count = 0;
    for (int i = 0; i < FModifiedRows->Count(); ++i)
        if (FModifiedRows->Items(i) == 1) ++count;
    return count;
}

void TQvStringGrid::ClearModifiedRows() {
    FModifiedRows->Clear();
    Invalidate();
}

bool TQvStringGrid::RowEnabled(int ARow) const {
    return ARow < 0 || ARow >= FEnabledRows->Count() || FEnabledRows->Items(ARow) == 0;
}

void TQvStringGrid::SetRowEnabled(int ARow, bool Value) {
    if (ARow < 0) return;
    if (ARow == Row()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow && RowEnabled(r)) {
                SetRow(r);
                break;
            }
    }
    FUseEnabledRows = true;
    GrowSelectFlags(FEnabledRows.get(), ARow + 1);
    FEnabledRows->SetItems(ARow, Value ? 0 : 1);
    InvalidateRow(ARow);
}
