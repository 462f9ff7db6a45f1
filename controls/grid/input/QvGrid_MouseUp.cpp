// The release of the left button, the double click and the right button on the string grid: finishing
// what the press began, header sorts, column sizing from a header border, reporting the right-clicked cell.
#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/InputEvents.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/system/SysUtils.h"

namespace {
TShiftState ReleaseShiftOf(WPARAM keys) {
    TShiftState s = KeyboardStateToShiftState() & ssAlt;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    return s;
}

bool ReleasePointIn(const TRect& r, int X, int Y) {
    return !r.IsEmpty() && X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
}
} // namespace

// The release finishes what the press began before the toolkit's release runs, and the cell's own
// release (check boxes, radio groups, the header sort) after it.
void TQvStringGrid::WMLButtonUp(TMessage& Message) {
    ReleaseEvent u;
    u.X = Message.XPos();
    u.Y = Message.YPos();
    u.Shift = ReleaseShiftOf(Message.Keys());
    EndPressMarks();
    // A click on the grid closes an open value list; one on the button that opened it opens it afresh.
    if (FFilterList->Visible() || FFilterCheckList->Visible()) {
        FFilterList->SetVisible(false);
        FFilterCheckList->SetVisible(false);
        FFilterDropDownColumn = -1;
    }
    ApplyFixedBorderDrag(u.X, u.Y);
    RaisePushedFixedCell();
    // The cell under the release, once a fixed border took its new size.
    MouseToCell(u.X, u.Y, u.Col, u.Row);
    ReleasePushedButton(u);
    HideSizingHint();
    if (ReleasedOnCellButton(u)) return;
    FireFixedCellClick(u);
    EndRangeSelection();
    ApplyDeferredSelection(u);
    ReleaseDisjunctRows(u);
    ReleaseDisjunctColumns(u);
    EndEnhancedMove(u);
    // The toolkit's own release (which calls MouseUp).
    TBaseGrid::WndProc(Message);
    if (FMouse.Press.Deselected) FSelectionChanged = false;
    if (FGridState == gsSelecting) FGridState = gsNormal;
    PasteSelectionHandle();
    if (FMouse.Press.MovedColumnOrRow || FMouse.Press.SizedColumns || u.Col < 0 || u.Row < 0) return;
    ReleaseOnCell(u);
}

// The marks the press left are cleared; a held HTML control comes up.
void TQvStringGrid::EndPressMarks() {
    FMouse.EndPress();
    if (!IsDesigning()) HideMoveArrows();
    if (FMouse.Press.ControlDown) {
        FMouse.Press.ControlDown = false;
        RepaintCell(DisplColIndex(FMouse.Press.ControlCell.X), FMouse.Press.ControlCell.Y);
    }
}

void TQvStringGrid::ApplyFixedBorderDrag(int X, int Y) {
    // A border dragged before the start of its own column (row) leaves it at 0 wide, never below.
    FixedBorderDrag& cols = FMouse.ColBorder;
    if (cols.Sizing) {
        cols.Over = cols.Sizing = false;
        int w = X;
        for (int i = 0; i < cols.Index; ++i)
            w -= ColWidths(i);
        w = std::max(0, w);
        SetColWidths(cols.Index, w);
        if (OnEndColumnSize) OnEndColumnSize(this, cols.Index);
        if (OnUpdateColumnSize) {
            OnUpdateColumnSize(this, cols.Index, w);
            w = std::max(0, w);
            if (ColWidths(cols.Index) != w) SetColWidths(cols.Index, w);
        }
        Invalidate();
    }
    FixedBorderDrag& rows = FMouse.RowBorder;
    if (rows.Sizing) {
        rows.Over = rows.Sizing = false;
        int h = Y;
        for (int i = 0; i < rows.Index; ++i)
            h -= RowHeights(i);
        SetRowHeights(rows.Index, std::max(0, h));
        if (OnEndRowSize) OnEndRowSize(this, rows.Index);
        Invalidate();
    }
}

// A fixed cell drawn pushed comes up.
void TQvStringGrid::RaisePushedFixedCell() {
    if (!FMouse.Press.FixedCellPushed) return;
    FMouse.Press.FixedCellPushed = false;
    const TPoint& b = FMouse.Press.PushedButton;
    InvalidateGridRect(TGridRect{b.X, b.Y, b.X, b.Y});
}

// A pushed cell button comes up, and counts as clicked only when released on the button.
void TQvStringGrid::ReleasePushedButton(const ReleaseEvent& u) {
    if (FMouse.Press.PushedButton.X == -1) return;
    const int c = u.Col, r = u.Row;
    const int pc = FMouse.Press.PushedButton.X, pr = FMouse.Press.PushedButton.Y;
    bool enabled = (Options() & goEditing) != 0;
    if (c >= 0 && r >= 0 && !FControlLook->NoDisabledButtonLook()) {
        enabled = true;
        CanEditCell(RealColIndex(c), r, enabled);
    }
    if (enabled || FControlLook->NoDisabledButtonLook() || pc < FixedCols() || pr < FixedRows()) {
        if (!IsNode(pr)) PushButton(pc, pr, false);
        if (c >= 0 && r >= 0) {
            const TPoint b = BaseCell(c, r);
            const bool fixedHit = (FixedAsButtons() && pc < FixedCols()) || pr < FixedRows();
            if (ReleasePointIn(GetCellButtonRect(b.X, b.Y), u.X, u.Y) || fixedHit) DoButtonClick(pc, pr);
            const int rb = RealColIndex(b.X);
            if (GetCellType(rb, b.Y) == ctExpand &&
                (ReleasePointIn(GetExpandButtonRect(rb, b.Y), u.X, u.Y) || fixedHit))
                // The state lives in the button's own field: CellBoolean is whether it is drawn pressed.
                if (GetCellGraphic(rb, b.Y)) DoExpandClick(pc, pr, ToggleExpand(rb, b.Y));
        }
    }
    FMouse.Press.PushedButton = TPoint(-1, -1);
}

void TQvStringGrid::HideSizingHint() {
    if ((IsDesigning() || HintShowSizing()) && FMouse.SizingHintShown) {
        if (Application) Application->CancelHint();
        FMouse.SizingHintShown = false;
    }
}

// A release on a cell button or expand button ends there: neither the toolkit's release nor OnMouseUp runs.
bool TQvStringGrid::ReleasedOnCellButton(const ReleaseEvent& u) {
    if (u.Col < 0 || u.Row < 0) return false;
    const int c = u.Col, r = u.Row, rc = RealColIndex(c);
    return (HasButton(rc, r) && ReleasePointIn(GetCellButtonRect(c, r), u.X, u.Y)) ||
           (GetCellType(rc, r) == ctExpand && ReleasePointIn(GetExpandButtonRect(rc, r), u.X, u.Y));
}

// OnClick for a fixed cell pressed on this grid, unless the release ends a header sizing.
void TQvStringGrid::FireFixedCellClick(const ReleaseEvent& u) {
    const int c = u.Col, r = u.Row;
    const bool sizing =
        r < FixedRows() && c >= 0 && (Options() & goColSizing) && ShownMouseCursor() == crHSplit;
    if (OnClick && FMouse.Press.DoOnClick && !sizing && (r < FixedRows() || c < FixedCols())) OnClick(this);
    FMouse.Press.DoOnClick = false;
}

// A range selection ends here, so the toolkit's release does not end it again.
void TQvStringGrid::EndRangeSelection() {
    if (FGridState != gsSelecting) return;
    FGridState = gsNormal;
    Click();
}

// A deferred selection: the release selects the pressed cell (its row in row-select mode).
void TQvStringGrid::ApplyDeferredSelection(const ReleaseEvent& u) {
    if (!FMouse.Press.SelectionClick) return;
    FMouse.Press.SelectionClick = false;
    const int c = u.Col, r = u.Row;
    if (r >= FixedRows() && c >= FixedCols()) {
        if (Options() & goRowSelect)
            SetSelection(TGridRect{FixedCols(), r, ColCount() - 1, r});
        else
            SetSelection(TGridRect{c, r, c, r});
    }
}

// Disjunct rows: the selection's rows become flagged, and a Ctrl press on a flagged row takes its flag off.
void TQvStringGrid::ReleaseDisjunctRows(const ReleaseEvent& u) {
    const int c = u.Col, r = u.Row;
    if (!FMouseActions->DisjunctRowSelect() || c < 0 || (IsNode(r) && c == 0)) return;
    if (!(c == 0 && FMouseActions->HotmailRowSelect())) SelectionToRowSelect(false);
    if (r >= FixedRows() && r < RowCount() - FixedFooters() && FMouse.Press.DeselectOnRelease) {
        SetRowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r, false);
        FMouse.Press.Deselected = true;
        if (FMouseActions->HotmailRowSelect()) RepaintCell(0, 0);
    }
    FMouse.Press.DeselectOnRelease = false;
}

// Disjunct columns, as the rows.
void TQvStringGrid::ReleaseDisjunctColumns(const ReleaseEvent& u) {
    if (!FMouseActions->DisjunctColSelect()) return;
    const int c = u.Col;
    SelectionToColSelect(false);
    if (c >= FixedCols() && c < ColCount() - FixedRightCols() && FMouse.Press.DeselectOnRelease)
        SetColSelect(c, false);
    FMouse.Press.DeselectOnRelease = false;
}

// The end of an enhanced move: the grid moves the column or row, the toolkit's release does not.
void TQvStringGrid::EndEnhancedMove(const ReleaseEvent& u) {
    HeaderMove& move = FMouse.Move;
    if (!move.Dragging() || !(FGridState == gsRowMoving || FGridState == gsColMoving) || !EnhRowColMove())
        return;
    const int c = u.Col, r = u.Row;
    if (MoveButton) {
        MoveButton->SetEnabled(false);
        MoveButton->Hide();
    }
    DoEndBlockFocus();
    const bool refused = move.Cursor == crNoDrop;
    move.Cursor = crDefault;
    if (refused) {
        if (FGridState == gsColMoving && move.Cell >= 0) RepaintRow(0);
        if (FGridState == gsRowMoving && move.Cell >= 0) RepaintCol(0);
    } else if (FGridState == gsColMoving && move.Cell >= 0 && c >= FixedCols() && move.Cell != c) {
        MoveColumn(move.Cell, c);
        FMouse.Press.MovedColumnOrRow = true;
    } else if (FGridState == gsRowMoving && move.Cell >= 0 && r >= FixedRows() && move.Cell != r) {
        MoveRow(move.Cell, r);
        FMouse.Press.MovedColumnOrRow = true;
    }
    FGridState = gsNormal;
    FMouse.Press.MoveEnded = true;
    Invalidate();
}

// A drag of the selection handle: the copied cells fill the new selection.
void TQvStringGrid::PasteSelectionHandle() {
    HandleDrag& handle = FMouse.Handle;
    if (!handle.Active) return;
    if (OnSelectionResize) OnSelectionResize(this, handle.From, Selection());
    PasteHandleBuffer();
    handle.Active = false;
    if (OnSelectionResized) OnSelectionResized(this, handle.From, Selection());
}

// A release on a cell: check boxes and radio groups report it, and a header click sorts.
void TQvStringGrid::ReleaseOnCell(const ReleaseEvent& u) {
    const int c = u.Col, r = u.Row;
    if (c < FixedCols() && !FSortSettings->FixedCols()) return;
    const int rc = RealColIndex(c);
    if (HasCheckBox(rc, r) && OnCheckBoxMouseUp) {
        bool state = false;
        GetCheckBoxState(rc, RealRowIndex(r), state);
        OnCheckBoxMouseUp(this, rc, r, state);
    }
    if (IsRadio(rc, r) && OnRadioMouseUp) {
        int idx = -1;
        GetRadioIdx(rc, r, idx);
        OnRadioMouseUp(this, rc, r, idx);
    }
    if (FMouse.Press.BorderDoubleClick) {
        FMouse.Press.BorderDoubleClick = false;
        return;
    }
    const TRect R = CellRect(c, r);
    if (r == 0 && (Options() & goColSizing) && OnSizingBorderNear(R, u.X)) return;
    int pc = -1, pr = -1;
    MouseToCell(FMouse.Press.At.X, FMouse.Press.At.Y, pc, pr);
    if (FControlLook->FixedDropDownButton() && DoCanShowFixedDropDown(rc) && u.X > R.Right - 16) return;
    if (r == FFilterDropDownRow && r < FixedRows() && u.X > R.Right - kFilterButtonWidth) {
        ShowFilterList(rc, R);
        if (FFilterDropDownColumn >= 0) return;
    }
    if (FSortSettings->Row() == r && r == pr && FixedRows() > 0 && !IsInCheckBox(rc, r, u.X, u.Y) &&
        FSortSettings->Show() && !FMouse.Press.MoveEnded && RowCount() > 2) {
        bool doSort = !IsIgnoredColumn(rc);
        if (OnCanSort) OnCanSort(this, rc, doSort);
        if (doSort)
            ClickSort(rc, u.Shift);
        else
            RepaintCell(c, FSortSettings->Row());
    }
}

// A header click sorts through the grid's sort operations, cycling the direction (and, with UndoSort, back
// to the unsorted order).
void TQvStringGrid::ClickSort(int rc, TShiftState Shift) {
    HideInplaceEdit();
    const bool keep = FNavigation->KeepHorizScroll() && (Options() & goRowSelect);
    const int left = LeftCol();
    if (keep) BeginUpdate();
    const auto finish = [&] {
        if (keep) {
            SetLeftCol(left);
            EndUpdate();
        }
    };
    try {
        if (FSortSettings->IndexShow()) {
            const bool key = FSortSettings->IndexSortKey() == ikShift ? (Shift & ssShift) : (Shift & ssCtrl);
            const bool asc = FSortSettings->InitSortDirection() == sdAscending;
            if (key) {
                if (FSortIndexes->FindIndex(rc) < 0)
                    FSortIndexes->AddIndex(rc, asc);
                else
                    FSortIndexes->ToggleIndex(rc);
            } else if (FSortIndexes->Count() == 1 && FSortIndexes->FindIndex(rc) == 0) {
                FSortIndexes->ToggleIndex(rc);
            } else {
                FSortIndexes->Clear();
                FSortIndexes->AddIndex(rc, asc);
            }
            if (HasNodes())
                QSortGroupIndexed();
            else
                QSortIndexed();
            FSortSettings->SetColumn(FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : -1);
        } else {
            bool undo = false;
            if (FSortSettings->Column() == rc) {
                undo = FSortSettings->Direction() != FSortSettings->InitSortDirection() &&
                       FSortSettings->UndoSort();
                FSortSettings->SetDirection(FSortSettings->Direction() == sdAscending ? sdDescending
                                                                                      : sdAscending);
            } else {
                FSortSettings->SetDirection(FSortSettings->InitSortDirection());
                FSortSettings->SetColumn(rc);
            }
            if (HasNodes())
                QSortGroup();
            else if (undo) {
                QUnSort();
                FSortSettings->SetColumn(-1);
            } else
                QSort();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    if (FNumCellControls > 0) CellControlsUpdate(true);
    DoClickSort(FSortSettings->Column());
}

void TQvStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // 1.
    if (IsDesigning()) {
        TBaseGrid::MouseUp(Button, Shift, X, Y);
        return;
    }
    // 2., 3.
    const TGridRect before = Selection();
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);

    // 5.
    FMouse.Press.DropDownDown = false;

    // 6. A sizing released beyond the grid keeps the old size.
    if ((X > Width() && FGridState == gsColSizing) || (Y > Height() && FGridState == gsRowSizing)) {
        FGridState = gsNormal;
        Invalidate();
        return;
    }

    // 7. Disjunct cells.
    if (FMouseActions->DisjunctCellSelect() && Button == mbLeft && c >= 0 && r >= 0) {
        const TPoint b = BaseCell(c, r);
        if (!IsFixed(b.X, b.Y)) {
            bool canSelect = true;
            if (OnSelectCell) OnSelectCell(this, b.X, b.Y, canSelect);
            if (!canSelect) return;
            if (Shift & ssShift)
                SetSelectedCells(c, r, true);
            else if (Shift & ssCtrl)
                SetSelectedCells(b.X, b.Y, !SelectedCells(b.X, b.Y));
            else {
                ClearSelectedCells();
                SetSelectedCells(b.X, b.Y, true);
            }
            Invalidate();
        } else if (!(Shift & ssCtrl) && !IsFixed(c, r)) {
            ClearSelectedCells();
            Invalidate();
        }
    }

    // 9. A right release during a move changes nothing.
    if (FGridState == gsColMoving && Button == mbRight) return;

    // 10. The toolkit grid's base release.
    const TGridState state = FGridState;
    const bool cols = state == gsColSizing;
    std::vector<int> sizes;
    if (cols || state == gsRowSizing) {
        const int n = cols ? ColCount() : RowCount();
        for (int i = 0; i < n; ++i)
            sizes.push_back(cols ? ColWidths(i) : RowHeights(i));
    }
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    if (cols) FMouse.Press.SizedColumns = true;
    for (int i = 0; i < int(sizes.size()); ++i)
        if (sizes[i] != (cols ? ColWidths(i) : RowHeights(i))) {
            if (cols)
                UserSizedColumn(i, sizes[i]);
            else
                UserSizedRow(i, sizes[i]);
            break;
        }

    // 12.
    const TGridRect after = Selection();
    if (!(after == before) && (Button == mbLeft || FMouseActions->SelectOnRightClick()))
        DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

void TQvStringGrid::WMLButtonDblClk(TMessage& Message) {
    const int X = Message.XPos();
    const int Y = Message.YPos();

    // 1.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (FMouseActions->RangeSelectAndEdit() && !(c >= 0 && r >= 0 && HasInCellControl(RealColIndex(c), r)))
        FForceSel = true;

    // 2. Beside the columns: the last column's header.
    if (c == -1) {
        if (FFixedRowAlways) {
            TBaseGrid::WndProc(Message);
            return;
        }
        c = ColCount() - 1;
        r = 0;
    }

    // 3. A header border sizes the column left of it.
    if (r >= 0 && r < FixedRows() && (Options() & goColSizing) && FMouseActions->AutoSizeColOnDblClick()) {
        const TRect R = CellRect(c, r);
        const auto sizeColumn = [this](int col) {
            bool allow = true;
            if (OnColumnSize) OnColumnSize(this, col, allow);
            if (allow) {
                AutoSizeCol(RealColIndex(col), 0);
                if (OnEndColumnSize) OnEndColumnSize(this, col);
            }
        };
        if (std::abs(X - R.Left) < 4) {
            FMouse.Press.BorderDoubleClick = true;
            if (c - 1 >= FixedCols()) {
                sizeColumn(c - 1);
                FForceSel = false;
                TBaseGrid::WndProc(Message);
                return;
            }
        }
        if (std::abs(X - R.Right) < 4 && c >= FixedCols()) {
            FMouse.Press.BorderDoubleClick = true;
            sizeColumn(c);
            FForceSel = false;
            TBaseGrid::WndProc(Message);
            return;
        }
    }

    // 4. A double click on a cell button or expand button.
    const int rc = r >= 0 ? RealColIndex(c) : -1;
    if (r >= 0 && ((HasButton(rc, r) && ReleasePointIn(GetCellButtonRect(c, r), X, Y)) ||
                   (GetCellType(rc, r) == ctExpand && ReleasePointIn(GetExpandButtonRect(rc, r), X, Y)))) {
        FForceSel = false;
        return;
    }

    // 5.
    if (r >= 0 && HasInCellControl(rc, r)) {
        FForceSel = false;
        TBaseGrid::WndProc(Message);
        return;
    }

    // 6. The toolkit's double click, then the cell event.
    TBaseGrid::WndProc(Message);
    int c2 = -1, r2 = -1;
    MouseToCell(X, Y, c2, r2);
    if (OnDblClickCell) OnDblClickCell(this, r2, c2);

    // 7. Editing that waits for a double click.
    if (FMouseActions->EditOnDblClickOnly() && c >= 0 && r >= 0) {
        const bool was = FMouseActions->RangeSelectAndEdit();
        FMouseActions->SetRangeSelectAndEdit(true);
        if (IsEditable(RealColIndex(c), r)) {
            SetOptions(Options() | goEditing);
            ShowInplaceEdit();
        }
        FMouseActions->SetRangeSelectAndEdit(was);
    }

    // 8.
    if (c >= 0 && r >= 0 && FMouseActions->RangeSelectAndEdit() && IsEditable(rc, r) &&
        !FMouseActions->EditOnDblClickOnly()) {
        SetOptions(Options() | goEditing);
        const TPoint b = BaseCell(c, r);
        const TRect br = CellRect(b.X, b.Y);
        MouseDown(mbLeft, 0, br.Left + 4, br.Top + 4);
    }
    // 9.
    FForceSel = false;
    // 10. Fixed cells edited by a double click.
    if (c >= 0 && r >= 0 &&
        ((r < FixedRows() && FMouseActions->FixedRowsEdit() == fceDblClick) ||
         (c < FixedCols() && FMouseActions->FixedColsEdit() == fceDblClick)))
        FixedCellEdit(c, r);
}

void TQvStringGrid::WMRButtonDown(TMessage& Message) {
    const int X = Message.XPos();
    const int Y = Message.YPos();

    // 1. The toolkit's handling (the press hook with the right button).
    TBaseGrid::WndProc(Message);

    // 2. Selecting with the right button.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (FMouseActions->SelectOnRightClick() && c >= 0 && r >= 0 && !IsFixed(c, r) &&
        (!FMouseActions->DisjunctCellSelect() || !IsSelected(c, r))) {
        if (!HasInCellControl(RealColIndex(c), r)) {
            if (OnRightClickCell) {
                FocusCell(c, r);
            } else {
                MouseDown(mbLeft, 0, X, Y);
                MouseUp(mbLeft, 0, X, Y);
            }
        }
        if (IsSelected(c, r)) {
            bool canSelect = true;
            if (OnSelectCell) OnSelectCell(this, c, r, canSelect);
        } else {
            const int left = LeftCol();
            const bool keep = FNavigation->KeepHorizScroll();
            if (keep) BeginUpdate();
            const TPoint b = BaseCell(c, r);
            try {
                TCustomGrid::FocusCell(b.X, b.Y, true);
            } catch (...) {
                if (keep) {
                    SetLeftCol(left);
                    EndUpdate();
                }
                throw;
            }
            if (keep) {
                SetLeftCol(left);
                EndUpdate();
            }
        }
        if (FMouseActions->DisjunctRowSelect()) {
            const bool ctrl = KeyboardStateToShiftState() & ssCtrl;
            if (ctrl || FMouseActions->DisjunctRowSelectNoCtrl()) {
                SetRowSelect(r, !RowSelect(r));
            } else {
                ClearRowSelect();
                SetRowSelect(r, true);
            }
        }
    }

    // 3. Always reported, also outside the cells.
    if (OnRightClickCell) OnRightClickCell(this, r, c);

    // 4. A URL cell is edited with the right button (the left one follows the link).
    if (c >= 0 && r >= 0 && URLShow() && URLEdit()) {
        const String t = Cells(RealColIndex(c), r);
        if (t.contains("://") || t.contains("mailto:")) {
            TCustomGrid::FocusCell(c, r, true);
            ShowEditor();
        }
    }
}

void TQvStringGrid::WMRButtonUp(TMessage& Message) {
    if (FMouse.Move.Dragging() && (FGridState == gsRowMoving || FGridState == gsColMoving) &&
        EnhRowColMove()) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WndProc(Message);
}
