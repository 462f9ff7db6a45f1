// The Tab move to the next navigable cell and the navigation helpers the keys and the Enter move share.
#include "controls/grid/QvGrid.h"

#include <algorithm>

// Navigation helpers
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::IsNavigableCell(int ACol, int ARow) {
    // The grid drops goEditing by itself on a cell it may not edit (EditDisable); editing is still on
    // for navigation then, or one read-only cell would make every cell after it a Tab stop.
    const bool editing = (Options() & goEditing) || FEdit.EditDisable;
    bool result = editing ? IsEditable(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, result);
    return result;
}

int TQvStringGrid::FirstNavigableCol(int ARow) {
    for (int c = 0; c < ColCount(); ++c)
        if (IsNavigableCell(c, ARow)) return c;
    return -1;
}

int TQvStringGrid::LastNavigableCol(int ARow) {
    for (int c = ColCount() - 1; c >= 0; --c)
        if (IsNavigableCell(c, ARow)) return c;
    return -1;
}

int TQvStringGrid::FirstDataCol() {
    const int fixedCols = TCustomGrid::FixedCols();
    return fixedCols == 0 && HasNodes() ? 1 : fixedCols;
}

int TQvStringGrid::VisibleFixedRightCols() {
    if (FNumHiddenColumns == 0) return FFixedRightCols;
    int count = 0;
    const int last = TotalColCount() - 1;
    for (int real = last; real > last - FFixedRightCols && real >= 0; --real)
        if (!IsHiddenColumn(real)) ++count;
    return count;
}

bool TQvStringGrid::IsLastDataRow() {
    return Row() == RowCount() - FFixedFooters - 1 || (FFloatingFooter->Visible() && Row() == RowCount() - 2);
}

void TQvStringGrid::AutoAppendRow() {
    if (!DoCanAddRow()) return;
    const int total = TotalColCount();
    if (FFloatingFooter->Visible()) {
        // The footer texts stay in the last row; the row that opens before it starts empty.
        QStringList footer;
        for (int c = 0; c < total; ++c)
            footer << GridCells(c, RowCount() - 1);
        GrowRowCount();
        const int emptied = RowCount() - 2;
        for (int c = 0; c < total; ++c) {
            SetGridCells(c, emptied, String());
            FreeCellProps(c, emptied);
        }
        for (int c = 0; c < total; ++c)
            SetGridCells(c, RowCount() - 1, footer.value(c));
    } else {
        GrowRowCount();
        for (int c = 0; c < total; ++c) {
            SetGridCells(c, RowCount() - 1, String());
            FreeCellProps(c, RowCount() - 1);
        }
    }
    if (FFloatingFooter->Visible() || FFixedFooters > 0) SetRow(Row() + 1);
    if (FFloatingFooter->Visible()) CalcFooter(-1);
    if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

void TQvStringGrid::ClickCellForEdit(int ACol, int ARow) {
    const TRect r = CellRect(ACol, ARow);
    if (r.IsEmpty()) return;
    FForceSel = true;
    const TMouseEvent down = OnMouseDown;
    const TMouseEvent up = OnMouseUp;
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    // The events come back whatever the click does.
    struct RestoreMouseEvents {
        TQvStringGrid* grid;
        TMouseEvent down, up;
        ~RestoreMouseEvents() {
            grid->OnMouseDown = down;
            grid->OnMouseUp = up;
            grid->FForceSel = false;
        }
    } restore{this, down, up};
    TCustomGrid::MouseDown(mbLeft, 0, r.Left + 2, r.Top + 2);
    TCustomGrid::MouseUp(mbLeft, 0, r.Left + 2, r.Top + 2);
}

void TQvStringGrid::Select() {
    SelectCell(Col(), Row());
}

void TQvStringGrid::SelectSingleCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    SetSelection(TGridRect{ACol, ARow, ACol, ARow});
}

// The Tab move
// --------------------------------------------------------------------------------------------

int TQvStringGrid::EditorWalkControlCol(bool Forward) {
    const int step = Forward ? std::max(0, CellSpan(RealCol(), Row()).X) + 1 : 1;
    const int target = Forward ? Col() + step : Col() - 1;
    const bool inRange = Forward ? Col() < ColCount() - 1 - FixedRightCols() : Col() > FixedCols();
    return inRange && target >= 0 && target < ColCount() && HasInCellControl(RealColIndex(target), Row())
               ? target
               : -1;
}

void TQvStringGrid::WalkFromEditor(bool Forward) {
    {
        const TAdvanceDirection direction = FNavigation->AdvanceDirection();
        FNavigation->SetAdvanceDirection(adLeftRight);
        struct Restore {
            TNavigation* nav;
            TAdvanceDirection direction;
            ~Restore() { nav->SetAdvanceDirection(direction); }
        } restore{FNavigation.get(), direction};
        AdvanceToNextCell(Col(), Row(), true, true, Forward, false, false);
    }
    if (FNavigation->CursorWalkAlwaysEdit()) ShowInplaceEdit();
}

bool TQvStringGrid::AdvanceFromEditor(bool Backward) {
    if (OnKeyDown) {
        Word key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState(ssShift) : TShiftState(0));
        // The handler took the Tab over.
        if (key != VK_TAB) return true;
    }
    if (Col() == FLastTabCell.X && Row() == FLastTabCell.Y) return true;
    const TPoint start(Col(), Row());
    FLastTabCell = start;

    // Every move that lands on a covered or (while editing) a read-only cell runs again, for at most one
    // pass over the grid in the Tab's reading order; when that finds no acceptable cell the current cell
    // goes back to where the Tab began.
    const bool leftRight = FNavigation->TabAdvanceDirection() == adLeftRight;
    auto linear = [this, leftRight](const TPoint& p) {
        return leftRight ? static_cast<long long>(p.Y) * ColCount() + p.X
                         : static_cast<long long>(p.X) * RowCount() + p.Y;
    };
    const long long startPos = linear(start);
    long long budget = static_cast<long long>(ColCount()) * RowCount() + 4;
    int wraps = 0;
    bool endOfGrid = false;
    bool acceptable = true;
    while (true) {
        const TPoint before(Col(), Row());
        const bool covered = TabMove(Backward, endOfGrid);
        const bool notEditable =
            ((Options() & goEditing) || FEdit.EditDisable) && !IsEditable(RealCol(), Row());
        acceptable = !covered && !notEditable;
        if (acceptable) break;
        const TPoint now(Col(), Row());
        if (now == before || --budget <= 0) break;
        if (endOfGrid && FNavigation->TabToNextAtEnd()) break;
        const long long was = linear(before), at = linear(now);
        if (Backward ? at > was : at < was) ++wraps;
        if (wraps >= 2 || (wraps == 1 && (Backward ? at <= startPos : at >= startPos))) break;
    }
    if (!acceptable && (Col() != start.X || Row() != start.Y)) {
        FForceSel = true;
        SelectSingleCell(start.X, start.Y);
        FForceSel = false;
        ScrollInView(start.X, start.Y);
    }

    bool result = true;
    if (endOfGrid && Parent() && FNavigation->TabToNextAtEnd()) {
        PostMessage(Parent(), WM_KEYDOWN, VK_TAB, 0);
        result = false;
    }
    if (result && FNavigation->AdvanceAutoEdit() && acceptable && !HasInCellControl(RealCol(), Row()))
        ClickCellForEdit(Col(), Row());
    FLastTabCell = TPoint(-1, -1);
    if (FNavigation->AlwaysEdit() && CanFocus()) SetFocus();
    return result;
}

// One step of the Tab move; true when it landed on a covered cell of a merge area and must go on.
bool TQvStringGrid::TabMove(bool Backward, bool& EndOfGrid) {
    const int fixedCols = TCustomGrid::FixedCols();
    const int fixedRows = TCustomGrid::FixedRows();
    const int vr = VisibleFixedRightCols();
    const int first = std::min(FirstDataCol(), ColCount() - 1);
    const int lastRow = RowCount() - FFixedFooters - 1;
    const int lastCol = ColCount() - vr - 1;
    if (lastRow < fixedRows || lastCol < fixedCols) return false; // no data cell to move to
    const bool leftRight = FNavigation->TabAdvanceDirection() == adLeftRight;

    if (Backward && !leftRight) {
        if (Row() > fixedRows) {
            SetRow(Row() - 1);
        } else {
            SetRow(lastRow);
            SetCol(Col() > first ? Col() - 1 : lastCol);
        }
        return false;
    }
    if (Backward) {
        if (Col() > first) {
            for (int c = Col() - 1; c >= first; --c)
                if (IsNavigableCell(c, Row()) && IsBaseCell(c, Row())) {
                    SetCol(c);
                    return false;
                }
            if (Row() > fixedRows) {
                const int c = LastNavigableCol(Row() - 1);
                if (c >= 0) SelectSingleCell(c, Row() - 1);
            } else {
                const int c = LastNavigableCol(lastRow);
                if (c >= 0) {
                    SelectSingleCell(c, lastRow);
                    ScrollInView(c, lastRow);
                }
            }
            GotoBaseCell();
            return false;
        }
        const int prevRow = Row() > fixedRows ? Row() - 1 : lastRow;
        int c = -1;
        for (int k = lastCol; k >= fixedCols; --k)
            if (IsNavigableCell(k, prevRow)) {
                c = k;
                break;
            }
        // A previous row without a navigable cell keeps the current column, which is a valid one.
        if (c >= 0) SetCol(c);
        SetRow(prevRow);
        return false;
    }
    if (!leftRight) {
        const int dy = std::max(0, CellSpan(Col(), Row()).Y);
        if (Row() + dy + 1 < RowCount() - FFixedFooters) {
            SetRow(Row() + dy + 1);
        } else {
            GotoFirstRow();
            if (Col() < lastCol) {
                SetCol(Col() + 1);
            } else {
                SetCol(first);
                EndOfGrid = true;
            }
        }
        return false;
    }

    const int dx = std::max(0, CellSpan(Col(), Row()).X);
    if (Col() + dx + 1 < ColCount() - vr) {
        int found = -1;
        for (int c = Col() + dx + 1; c <= lastCol; ++c)
            if (IsNavigableCell(c, Row())) {
                found = c;
                break;
            }
        if (found >= 0) {
            SetCol(found);
            return !IsBaseCell(Col(), Row());
        }
        FForceSel = true;
        if (Row() < lastRow) {
            const int c = FirstNavigableCol(Row() + 1);
            bool allow = true;
            if (OnRowChanging) OnRowChanging(this, Row(), Row() + 1, allow);
            if (OnCellChanging) OnCellChanging(this, Row(), Col(), Row() + 1, c, allow);
            if (OnColChanging) OnColChanging(this, Col(), c, allow);
            if (allow) {
                SetCol(c >= 0 ? c : fixedCols);
                SetRow(Row() + 1);
            }
        } else {
            const int c = FirstNavigableCol(fixedRows);
            if (c >= 0) SelectSingleCell(c, fixedRows);
            EndOfGrid = true;
        }
        FForceSel = false;
        return false;
    }
    if (Row() < lastRow) {
        for (int c = first; c < ColCount(); ++c)
            if (IsBaseCell(c, Row() + 1) && IsNavigableCell(c, Row() + 1)) {
                FForceSel = true;
                SetCol(c);
                FForceSel = false;
                SetRow(Row() + 1);
                return false;
            }
        for (int r = Row() + 2; r < RowCount(); ++r) {
            const int c = FirstNavigableCol(r);
            if (c >= 0) {
                SetRow(r);
                SetCol(c);
                return false;
            }
        }
        // No later row has a navigable cell: the next step takes the end-of-grid branch from the last cell.
        SetRow(RowCount() - 1);
        SetCol(ColCount() - 1);
        return true;
    }
    if (FNavigation->TabToNextAtEnd() || !FNavigation->AdvanceInsert()) {
        GotoFirstRow();
    } else if (DoCanAddRow()) {
        if (FFloatingFooter->Visible()) {
            InsertRows(RowCount() - 1, 1);
            SetRow(RowCount() - 2);
        } else {
            SetRowCount(RowCount() + 1);
            SetRow(RowCount() - 1);
        }
        if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
    } else {
        GotoFirstRow();
    }
    const int c = FirstNavigableCol(Row());
    if (c >= 0) SetCol(c);
    EndOfGrid = true;
    return false;
}
