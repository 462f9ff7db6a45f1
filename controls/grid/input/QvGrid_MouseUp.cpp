// The release of the left button, the double click and the right button on the string grid: finishing
// what the press began, header sorts, column sizing from a header border, reporting the right-clicked cell.
#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGrid.h"

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

void TQvStringGrid::ApplyFixedBorderDrag(int X, int Y) {
    // A border dragged before the start of its own column (row) leaves it at 0 wide, never below.
    if (FSizingFixed) {
        FSizeFixed = FSizingFixed = false;
        int w = X;
        for (int i = 0; i < FSizingFixedCol; ++i)
            w -= ColWidths(i);
        w = std::max(0, w);
        SetColWidths(FSizingFixedCol, w);
        if (OnEndColumnSize) OnEndColumnSize(this, FSizingFixedCol);
        if (OnUpdateColumnSize) {
            OnUpdateColumnSize(this, FSizingFixedCol, w);
            w = std::max(0, w);
            if (ColWidths(FSizingFixedCol) != w) SetColWidths(FSizingFixedCol, w);
        }
        Invalidate();
    }
    if (FSizingFixedR) {
        FSizeFixedR = FSizingFixedR = false;
        int h = Y;
        for (int i = 0; i < FSizingFixedRow; ++i)
            h -= RowHeights(i);
        SetRowHeights(FSizingFixedRow, std::max(0, h));
        if (OnEndRowSize) OnEndRowSize(this, FSizingFixedRow);
        Invalidate();
    }
}

void TQvStringGrid::WMLButtonUp(TMessage& Message) {
    const int X = Message.XPos();
    const int Y = Message.YPos();
    const TShiftState shift = ReleaseShiftOf(Message.Keys());

    // 1. Reset.
    ColMoveFlg = ColSizeFlg = FMouseDown = FMouseKeepDown = false;
    FMouseSelectMode = msNormal;
    FDeselectMark = false;
    FMoveEnded = false;
    if (FCtrlDown) {
        FCtrlDown = false;
        RepaintCell(DisplColIndex(FCtrlXY.X), FCtrlXY.Y);
    }
    FMouseDownMove = false;
    FMouseSelectStart = -1;

    // 2. Fixed border drags.
    ApplyFixedBorderDrag(X, Y);

    // 3. A fixed cell drawn pushed comes up.
    if (FFixedCellPushed) {
        FFixedCellPushed = false;
        InvalidateGridRect(
            TGridRect{FPushedCellButton.X, FPushedCellButton.Y, FPushedCellButton.X, FPushedCellButton.Y});
    }

    // 4. A pushed cell button counts as clicked only when released on the button.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (FPushedCellButton.X != -1) {
        const int pc = FPushedCellButton.X, pr = FPushedCellButton.Y;
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
                if (ReleasePointIn(GetCellButtonRect(b.X, b.Y), X, Y) || fixedHit) DoButtonClick(pc, pr);
                const int rb = RealColIndex(b.X);
                if (GetCellType(rb, b.Y) == ctExpand &&
                    (ReleasePointIn(GetExpandButtonRect(rb, b.Y), X, Y) || fixedHit))
                    if (TCellGraphic* g = GetCellGraphic(rb, b.Y)) {
                        g->CellBoolean = !g->CellBoolean;
                        DoExpandClick(pc, pr, g->CellBoolean);
                    }
            }
        }
        FPushedCellButton = TPoint(-1, -1);
    }

    // 5.
    if ((IsDesigning() || HintShowSizing()) && FScrollHintShow) {
        if (Application) Application->CancelHint();
        FScrollHintShow = false;
    }

    // 6. A release on a button ends here.
    if (c >= 0 && r >= 0) {
        const int rc = RealColIndex(c);
        if ((HasButton(rc, r) && ReleasePointIn(GetCellButtonRect(c, r), X, Y)) ||
            (GetCellType(rc, r) == ctExpand && ReleasePointIn(GetExpandButtonRect(rc, r), X, Y)))
            return;
    }

    // 7. OnClick for fixed cells.
    const bool sizing =
        r < FixedRows() && c >= 0 && (Options() & goColSizing) && ShownMouseCursor() == crHSplit;
    if (OnClick && FDoOnClick && !sizing && (r < FixedRows() || c < FixedCols())) OnClick(this);
    FDoOnClick = false;

    // 8. A range selection ends here, so the toolkit's release does not end it again.
    if (FGridState == gsSelecting) {
        FGridState = gsNormal;
        Click();
    }

    // 9. A deferred selection.
    if (FSelectionClick) {
        FSelectionClick = false;
        if (r >= FixedRows() && c >= FixedCols()) {
            if (Options() & goRowSelect)
                SetSelection(TGridRect{FixedCols(), r, ColCount() - 1, r});
            else
                SetSelection(TGridRect{c, r, c, r});
        }
    }

    // 10. Disjunct rows.
    if (FMouseActions->DisjunctRowSelect() && c >= 0 && !(IsNode(r) && c == 0)) {
        if (!(c == 0 && FMouseActions->HotmailRowSelect())) SelectionToRowSelect(false);
        if (r >= FixedRows() && r < RowCount() - FixedFooters() && FDeselectState) {
            SetRowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r, false);
            FDeselectMark = true;
            if (FMouseActions->HotmailRowSelect()) RepaintCell(0, 0);
        }
        FDeselectState = false;
    }

    // 12. Disjunct columns.
    if (FMouseActions->DisjunctColSelect()) {
        SelectionToColSelect(false);
        if (c >= FixedCols() && c < ColCount() - FixedRightCols() && FDeselectState) SetColSelect(c, false);
        FDeselectState = false;
    }

    // 13. End of an enhanced move: the grid moves, the toolkit's release does not.
    if ((FMoveCursor == crDrag || FMoveCursor == crNoDrop) &&
        (FGridState == gsRowMoving || FGridState == gsColMoving) && EnhRowColMove()) {
        if (MoveButton) {
            MoveButton->SetEnabled(false);
            MoveButton->Hide();
        }
        DoEndBlockFocus();
        const bool refused = FMoveCursor == crNoDrop;
        FMoveCursor = crDefault;
        if (refused) {
            if (FGridState == gsColMoving && Movecell >= 0) RepaintRow(0);
            if (FGridState == gsRowMoving && Movecell >= 0) RepaintCol(0);
        } else if (FGridState == gsColMoving && Movecell >= 0 && c >= FixedCols() && Movecell != c) {
            MoveColumn(Movecell, c);
            ColMoveFlg = true;
        } else if (FGridState == gsRowMoving && Movecell >= 0 && r >= FixedRows() && Movecell != r) {
            MoveRow(Movecell, r);
            ColMoveFlg = true;
        }
        FGridState = gsNormal;
        FMoveEnded = true;
        Invalidate();
    }

    // 14. The toolkit's own release (which calls MouseUp).
    TBaseGrid::WndProc(Message);

    // 15.
    if (FDeselectMark) FSelectionChanged = false;
    if (FGridState == gsSelecting) FGridState = gsNormal;

    // 16. The selection handle: the copied cells fill the new selection.
    if (FMouseResize) {
        if (OnSelectionResize) OnSelectionResize(this, FDropSelection, Selection());
        PasteHandleBuffer();
        FMouseResize = false;
        if (OnSelectionResized) OnSelectionResized(this, FDropSelection, Selection());
    }

    // 17.
    if (ColMoveFlg || ColSizeFlg || c < 0 || r < 0) return;

    // 18. Check boxes, radio groups and sorting.
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
    if (FDblClk) {
        FDblClk = false;
        return;
    }
    const TRect R = CellRect(c, r);
    if (r == 0 && (Options() & goColSizing) && OnSizingBorderNear(R, X)) return;
    int pc = -1, pr = -1;
    MouseToCell(Clickposx, Clickposy, pc, pr);
    if (FControlLook->FixedDropDownButton() && DoCanShowFixedDropDown(rc) && X > R.Right - 16) return;
    if (X > R.Right - 16 && BuildFilterValueList(rc)) return;
    if (FSortSettings->Row() == r && r == pr && FixedRows() > 0 && !IsInCheckBox(rc, r, X, Y) &&
        FSortSettings->Show() && !FMoveEnded && RowCount() > 2) {
        bool doSort = !IsIgnoredColumn(rc);
        if (OnCanSort) OnCanSort(this, rc, doSort);
        if (doSort)
            ClickSort(rc, shift);
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
    FDropDownDown = false;

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
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    if (state == gsColSizing) ColSizeFlg = true;

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
            FDblClk = true;
            if (c - 1 >= FixedCols()) {
                sizeColumn(c - 1);
                FForceSel = false;
                TBaseGrid::WndProc(Message);
                return;
            }
        }
        if (std::abs(X - R.Right) < 4 && c >= FixedCols()) {
            FDblClk = true;
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
    if ((FMoveCursor == crDrag || FMoveCursor == crNoDrop) &&
        (FGridState == gsRowMoving || FGridState == gsColMoving) && EnhRowColMove()) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WndProc(Message);
}
