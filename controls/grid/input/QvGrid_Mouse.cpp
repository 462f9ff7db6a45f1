// The left-button press on the string grid: what the press falls on decides who handles it, then the press
// hook extends the toolkit grid's own press (current cell, range selection, sizing and moving).
#include "controls/grid/QvGrid.h"

namespace {
// One modifier per press, in the order the grid gives them priority.
TShiftState PressModifier(TShiftState Shift) {
    if (Shift & ssAlt) return ssAlt;
    if (Shift & ssShift) return ssShift;
    if (Shift & ssCtrl) return ssCtrl;
    return 0;
}

TShiftState PressShiftOf(WPARAM keys) {
    TShiftState s = KeyboardStateToShiftState() & ssAlt;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    return s;
}

bool MousePointIn(const TRect& r, int X, int Y) {
    return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
}
} // namespace

// The selection handle: a 6-pixel square at the bottom corner of the selection's last cell.
TRect TQvStringGrid::SelectionHandleRect() {
    const TGridRect sel = Selection();
    TRect r = CellRect(sel.Right, sel.Bottom);
    if (r.IsEmpty()) return TRect();
    r.Top = r.Bottom - 6;
    if (BiDiMode() == bdLeftToRight)
        r.Left = r.Right - 6;
    else
        r.Right = r.Left + 6;
    return r;
}

// The handle copies the selection into the grid's own buffer: the release fills the new selection from
// it, and the user's clipboard keeps what it held.
void TQvStringGrid::GrabSelectionHandle() {
    FDropSelection = Selection();
    FHandleCells.clear();
    for (int r = FDropSelection.Top; r <= FDropSelection.Bottom; ++r) {
        std::vector<String> row;
        for (int c = FDropSelection.Left; c <= FDropSelection.Right; ++c)
            row.push_back(Cells(RealColIndex(c), r));
        FHandleCells.push_back(std::move(row));
    }
    FMouseResize = true;
}

void TQvStringGrid::PasteHandleBuffer() {
    if (FHandleCells.empty()) return;
    const TGridRect sel = Selection();
    const int h = static_cast<int>(FHandleCells.size());
    for (int r = sel.Top; r <= sel.Bottom; ++r) {
        const std::vector<String>& src = FHandleCells[static_cast<size_t>((r - sel.Top) % h)];
        if (src.empty()) continue;
        const int w = static_cast<int>(src.size());
        for (int c = sel.Left; c <= sel.Right; ++c) {
            const int rc = RealColIndex(c);
            if (ReadOnly(rc, r) || IsFixed(c, r)) continue;
            SetCells(rc, r, src[static_cast<size_t>((c - sel.Left) % w)]);
        }
    }
    FHandleCells.clear();
}

void TQvStringGrid::WMLButtonDown(TMessage& Message) {
    const int X = Message.XPos();
    const int Y = Message.YPos();
    TShiftState shift = PressShiftOf(Message.Keys());

    // 1. The marks of a new press.
    FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
    FEdit.SpinUpClick = FEdit.SpinDnClick = false;
    FEditingRemoved = false;
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    const TGridRect entrySel = Selection();

    // 2. The selection handle.
    if (SelectionResizer() && SelectionRectangle() && MousePointIn(SelectionHandleRect(), X, Y)) {
        FGridState = gsSelecting;
        GrabSelectionHandle();
        const int col = Col(), row = Row();
        if (!(Options() & goEditing) && !FMouseActions->RangeSelectAndEdit()) TBaseGrid::WndProc(Message);
        SetSelection(entrySel);
        TCustomGrid::FocusCell(col, row, false);
        SetSelection(entrySel);
        MouseMove(0, X, Y);
        Message.Result = 1;
        return;
    }

    // 3. A press outside the selection selects rather than edits.
    if ((Options() & goEditing) && FMouseActions->RangeSelectAndEdit() && !entrySel.Contains(c, r))
        SetOptions(Options() & ~goEditing);

    // 4. The application may refuse the press altogether.
    bool allow = true;
    if (OnCanClickCell) OnCanClickCell(this, r, c, allow);
    if (!allow) return;

    // 5. Cell selector mode.
    if (FCellSelectorMode) {
        CellSelectorClick(c, r);
        return;
    }

    // 6. The mouse rests on the selection handle.
    if (FMouseSelectMode == msResize) {
        GrabSelectionHandle();
        const int col = Col(), row = Row();
        if (!(Options() & goEditing)) TBaseGrid::WndProc(Message);
        TCustomGrid::FocusCell(col, row, false);
        SetSelection(entrySel);
        MouseMove(0, X, Y);
        return;
    }

    // 7. Modifier, reset marks, the grabbed cell.
    shift = PressModifier(shift);
    if (FMouseActions->DisjunctCellSelect() && !(shift & ssCtrl) && c >= 0 && r >= 0 && !IsFixed(c, r)) {
        ClearSelectedCells();
        Invalidate();
    }
    FSearchInc.clear();
    FMoveColInd = FMoveRowInd = -1;
    FSelectionClick = false;
    FPushedCellButton = TPoint(-1, -1);
    FOldKeepLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (r == 0)
        MouseToCell(X - 5, Y, Colclicked, Rowclicked);
    else if (c == 0)
        MouseToCell(X, Y - 4, Colclicked, Rowclicked);
    else
        MouseToCell(X - 5, Y - 4, Colclicked, Rowclicked);
    if (Colclicked >= 0 && Rowclicked >= 0) {
        Colclickedsize = ColWidths(Colclicked);
        Rowclickedsize = RowHeights(Rowclicked);
    }
    Clickposx = X;
    Clickposy = Y;
    const bool posFixed = c >= 0 && r >= 0 && (r < FixedRows() || c < FixedCols());

    // 8. Outside the cells.
    if (c < 0 || r < 0) {
        HideInplaceEdit();
        if (!FFixedRowAlways) TBaseGrid::WndProc(Message);
        return;
    }
    const TPoint base = BaseCell(c, r);
    c = base.X;
    r = base.Y;
    const TRect R = CellRect(c, r);

    // 9.
    if (FMouseActions->CaretPositioning()) FEdit.OpenedByClick = true;

    // 10. Fixed borders: the release applies the size.
    if (FSizeFixed || FSizeFixedR) {
        const bool cols = FSizeFixed;
        const int pos = cols ? X : Y;
        if (cols) {
            FSizingFixed = true;
            FSizeFixedX = X;
        } else {
            FSizingFixedR = true;
            FSizeFixedY = Y;
        }
        const int fixedCount = cols ? FixedCols() : FixedRows();
        int sum = 0;
        for (int i = 0; i < fixedCount; ++i) {
            const int size = cols ? ColWidths(i) : RowHeights(i);
            const int border = sum + size;
            if (std::abs(border - pos) < 3 && fixedCount > 0 && !IsDesigning()) {
                if (cols)
                    FSizingFixedCol = i;
                else
                    FSizingFixedRow = i;
            }
            sum += size + 1;
        }
        Invalidate();
        return;
    }

    // 11.
    if (posFixed || IsFixed(c, r)) HideInplaceEdit();
    const bool virtFixed = IsFixed(c, r) && !posFixed;

    // 12. Fixed cells drawn as buttons.
    if ((r < FixedRows() || c < FixedCols() || virtFixed) && FixedAsButtons() &&
        (Options() & goFixedVertLine) && (Options() & goFixedHorzLine)) {
        FPushedFixedCell = R;
        FPushedCellButton = TPoint(c, r);
        FFixedCellPushed = true;
        RepaintCell(c, r);
    }

    // 13. Graphics that take the press themselves.
    const int realCol = RealColIndex(c);
    if (!IsDesigning()) {
        if (FControlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(realCol, r) && X > R.Right - 18) {
            if (Y > R.Top + (R.Bottom - R.Top) / 2)
                FEdit.SpinDnClick = true;
            else
                FEdit.SpinUpClick = true;
        }
        if (IsRadio(realCol, r) && (IsEditable(realCol, r) || FControlLook->RadioAlwaysActive())) {
            HideInplaceEdit();
            RadioGroupClick(realCol, r, X - R.Left, Y - R.Top);
            if (CanFocus()) SetFocus();
            return;
        }
        if (HasRating(realCol, r) && IsEditable(realCol, r)) {
            HideInplaceEdit();
            double v = static_cast<int>((X - R.Left) / 9.0) / 2.0;
            if (DoRatingChange(realCol, r, v)) {
                SetFloats(realCol, r, v);
                RepaintCell(c, r);
            }
            return;
        }
        if (HasButton(realCol, r) || GetCellType(realCol, r) == ctExpand) {
            const bool button = HasButton(realCol, r);
            HideInplaceEdit();
            if (!IsFixed(realCol, r)) {
                FForceSel = true;
                SelectCell(c, r);
                TCustomGrid::FocusCell(c, r, true);
                FForceSel = false;
            }
            const TRect br = button ? GetCellButtonRect(c, r) : GetExpandButtonRect(realCol, r);
            if (MousePointIn(br, X, Y)) {
                if (button) PushButton(c, r, true);
                FPushedCellButton = TPoint(c, r);
                if (OnClickCell) OnClickCell(this, r, c);
                return;
            }
        }
    }

    // 14. A press in a merged cell selects its base cell.
    if (IsMergedCell(c, r) && !IsFixed(c, r) && !OnMouseDown)
        Message.LParam = MAKELPARAM(R.Left + 2, R.Top + 2);

    // 15.
    if (c >= ColCount() || r >= RowCount()) {
        TBaseGrid::WndProc(Message);
        return;
    }

    // 16.
    if (Colclicked >= 0 && Rowclicked >= 0) {
        const TRect g = CellRect(Colclicked, Rowclicked);
        Clickposdx = Clickposx - g.Right;
        Clickposdy = Clickposy - g.Bottom;
    } else {
        Clickposdx = Clickposx;
        Clickposdy = Clickposy;
    }

    // 17. Disjunct rows and columns.
    if (FMouseActions->DisjunctRowSelect() && r >= FixedRows() &&
        (c != 0 || !FMouseActions->HotmailRowSelect())) {
        if (shift & ssShift) {
            TBaseGrid::WndProc(Message);
            TGridRect s;
            s.Left = std::min(c, entrySel.Left);
            s.Right = std::max(c, entrySel.Left);
            s.Top = std::min(r, entrySel.Top);
            s.Bottom = std::max(r, entrySel.Top);
            SetSelection(s);
            return;
        }
        if ((shift & ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl()) {
            const int row = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
            if (RowSelect(row)) FDeselectState = true;
        } else {
            FMouseDown = true;
            if (!(shift & ssAlt)) ClearRowSelect();
        }
    }
    if (FMouseActions->DisjunctColSelect() && c >= FixedCols()) {
        if (shift & ssCtrl) {
            if (ColSelect(c)) FDeselectState = true;
        } else {
            FMouseDown = true;
            ClearColSelect();
        }
    }

    // 19. Header selections and move candidates.
    Movecell = -1;
    if (c < FixedCols() && r < FixedRows() && FMouseActions->AllSelect() && (Options() & goRangeSelect) &&
        FMouseSelectMode == msAll) {
        if (CanFocus()) SetFocus();
        HideSelection();
        const TGridRect all{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
        SelectAllHook(all);
        SetSelection(all);
        FSelHidden = false;
        DoExit();
    }
    if (c < FixedCols() && r >= FixedRows() && FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
        if (FEdit.EditMode && CanFocus()) SetFocus();
        HideSelection();
        if (FMouseActions->DisjunctCellSelect()) ClearSelectedCells();
        TGridRect s{FixedCols(), r, ColCount() - 1, r};
        if (shift & ssShift) {
            s.Top = std::min(r, entrySel.Top);
            s.Bottom = std::max(r, entrySel.Top);
        }
        SetSelection(s);
        FSelHidden = false;
        DoExit();
        FMouseSelectStart = r;
    }
    if (c >= FixedCols() && r < FixedRows() && FMouseActions->ColSelect() && (Options() & goRangeSelect) &&
        FMouseSelectMode == msColumn) {
        if (CanFocus()) SetFocus();
        HideSelection();
        if (FMouseActions->DisjunctCellSelect()) ClearSelectedCells();
        TGridRect s{c, FixedRows(), c, RowCount() - 1};
        if (shift & ssShift) {
            if (c < entrySel.Left) {
                s.Left = c;
                s.Right = entrySel.Right;
            } else {
                s.Left = entrySel.Left;
                s.Right = c;
            }
        }
        SetSelection(s);
        FSelHidden = false;
        DoExit();
        FMouseSelectStart = c;
    }
    if (c >= FixedCols() && r < FixedRows())
        Movecell = c;
    else if (c < FixedCols() && r >= FixedRows())
        Movecell = r;
    MoveOfsX = X - R.Left;
    MoveOfsY = Y - R.Top;

    // 20. Check boxes and radio buttons.
    bool canEdit = (Options() & goEditing) || FMouseActions->RangeSelectAndEdit();
    CanEditCell(realCol, r, canEdit);
    if ((canEdit || FControlLook->CheckAlwaysActive() || (c == 0 && FMouseActions->HotmailRowSelect())) &&
        (HasCheckBox(realCol, r) || HasRadioButton(realCol, r)) && IsInCheckBox(realCol, r, X, Y)) {
        HideInplaceEdit();
        if (CanFocus()) SetFocus();
        const int realRow = RealRowIndex(r);
        bool changed;
        if (HasRadioButton(realCol, r)) {
            changed = SelectRadioButton(realCol, r, true);
            if (OnRadioButtonClick) OnRadioButtonClick(this, realCol, r);
        } else {
            // The row box of column 0 is the row selection itself: toggled below, not twice.
            const bool rowBox = c == 0 && FMouseActions->HotmailRowSelect();
            changed = rowBox || ToggleCellCheckBox(realCol, r, !FControlLook->CheckAlwaysActive());
        }
        if (FShowModified->Enabled()) {
            SetRowModified(r, true);
            RepaintCell(0, r);
        }
        if (c == 0 && FMouseActions->HotmailRowSelect()) {
            SetSelection(TGridRect{FixedCols(), r, ColCount() - 1, r});
            SetRowSelect(realRow, !RowSelect(realRow));
            if (realRow != r) RepaintCell(0, r);
            if (r == Row() && !RowSelect(realRow)) {
                HideSelection();
                FSelHidden = false;
            }
        }
        bool state = false;
        GetCheckBoxState(realCol, realRow, state);
        if (c == 0 && FMouseActions->HotmailRowSelect()) state = RowSelect(realRow);
        if (!FNavigation->AlwaysEdit() && r >= FixedRows() && c >= FixedCols())
            TCustomGrid::FocusCell(c, r, true);
        if (changed) DoCheckBoxClick(c, r, state);
        if (HideFocusRect()) RepaintCell(c, r);
        if (r < FixedRows() && FMouseActions->CheckAllCheck()) {
            for (int row = FixedRows(); row < RowCount(); ++row) {
                if (FMouseActions->HotmailRowSelect())
                    SetRowSelect(RealRowIndex(row), state);
                else
                    SetCheckBoxState(realCol, RealRowIndex(row), state);
            }
            Invalidate();
        }
        if (OnMouseDown) OnMouseDown(this, mbLeft, KeyboardStateToShiftState(), X, Y);
        TControl::Click();
        return;
    }

    // 21. Every other cell.
    const bool hasCombo = c >= FixedCols() && r >= FixedRows() && FControlLook->DropDownAlwaysVisible() &&
                          HasComboBox(realCol, r);
    const bool openEditor =
        c >= FixedCols() && r >= FixedRows() &&
        (canEdit || (FMouseActions->EditOnDblClickOnly() && hasCombo)) &&
        (FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible() && hasCombo));
    if (openEditor) {
        HideInplaceEdit();
        if (CanFocus()) SetFocus();
    }
    const bool onCurrent = MousePointIn(CellRect(c, r), X, Y) && Selection() == TGridRect{c, r, c, r};
    if (!onCurrent && FMouseActions->RangeSelectAndEdit() && !IsFixed(c, r) && !canEdit) {
        SetOptions(Options() & ~goEditing);
        FEditingRemoved = true;
    }
    if (virtFixed) {
        if (!(r == RowCount() - 1 && FFloatingFooter->Visible() &&
              FFloatingFooter->FooterStyle() == fsFixedLastRow) &&
            OnClickCell)
            OnClickCell(this, r, c);
        return;
    }
    const bool partial = r == TopRow() + VisibleRowCount() || c == LeftCol() + VisibleColCount() ||
                         (c == LeftCol() && LeftCol() > FixedCols());
    const bool keepLeft = (Options() & goRowSelect) && FNavigation->KeepHorizScroll();
    if (keepLeft) BeginUpdate();
    try {
        if (!FSelHidden) {
            const bool alwaysEdit = FNavigation->AlwaysEdit();
            FNavigation->SetAlwaysEdit(false);
            try {
                TBaseGrid::WndProc(Message);
            } catch (...) {
                FNavigation->SetAlwaysEdit(alwaysEdit);
                throw;
            }
            FNavigation->SetAlwaysEdit(alwaysEdit);
        }
        if (FGridState == gsSelecting && partial && FMouseActions->NoAutoRangeScroll()) FGridState = gsNormal;
        if (TopRow() != FOldTopRow && FMouseActions->NoScrollOnPartialRow()) {
            SetTopRow(FOldTopRow);
            Perform(WM_LBUTTONUP, 0, 0);
        }
    } catch (...) {
        if (keepLeft) {
            SetLeftCol(FOldKeepLeftCol);
            EndUpdate();
        }
        throw;
    }
    if (keepLeft) {
        SetLeftCol(FOldKeepLeftCol);
        EndUpdate();
    }
    const bool sizingPress = (Options() & goColSizing) && r < FixedRows() && OnSizingBorderNear(R, X);
    if (!sizingPress && OnClickCell) OnClickCell(this, r, c);
    if (OnCellValidate) {
        FEdit.Entered = false;
        SaveOldCellText(Col(), Row());
    }
    if (IsMergedCell(c, r) && !IsFixed(c, r) && (onCurrent || FMouseActions->DirectEdit()) && canEdit)
        ShowInplaceEdit();
    if (OnSizingBorderNear(R, X)) return;
    if (openEditor && !HasInCellControl(realCol, r)) {
        if (FMouseActions->EditOnDblClickOnly() && hasCombo && !(Options() & goEditing)) {
            SetOptions(Options() | goEditing);
            if (CanFocus()) SetFocus();
        }
        bool allowMove = true;
        if (Row() != r && OnRowChanging) OnRowChanging(this, Row(), r, allowMove);
        if (Col() != c && OnColChanging) OnColChanging(this, Col(), c, allowMove);
        if ((Row() != r || Col() != c) && OnCellChanging) OnCellChanging(this, Row(), Col(), r, c, allowMove);
        if (allowMove) {
            SetSelection(TGridRect{c, r, c, r});
            TCustomGrid::FocusCell(c, r, true);
            SaveOldCellText(Col(), Row());
            ShowInplaceEdit();
        }
    }
    if (FEditingRemoved) FGridState = gsSelecting;
}

void TQvStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // 1.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    const TGridRect before = Selection();

    // 2. Range selection and editing together.
    if (FMouseActions->RangeSelectAndEdit() && Button == mbLeft && !FMouseActions->EditOnDblClickOnly()) {
        if (c == Col() && r == Row() && !(Options() & goEditing) && c >= 0 && r >= 0 &&
            IsEditable(RealColIndex(c), r)) {
            SetOptions(Options() | goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            ShowInplaceEdit();
            return;
        }
        if ((c != Col() || r != Row()) && (Options() & goEditing) && (Shift & ssShift)) {
            SetOptions(Options() & ~goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }

    // 3. The fixed drop-down button (no menu here: the handler gets the click).
    if (c >= 0 && r >= 0 && FControlLook->FixedDropDownButton() && r < FixedRows()) {
        const TRect R = CellRect(c, r);
        const int w = (Options() & goColSizing) ? 2 : 0;
        if (X > R.Right - 16 && X < R.Right - w) {
            FDropDownDown = true;
            bool keep = false;
            TPopupMenu* menu = nullptr;
            if (OnFixedDropDownClick) {
                FNoMouseLeave = true;
                OnFixedDropDownClick(this, c, r, menu, keep);
                FNoMouseLeave = keep;
                return;
            }
        }
    }

    // 4. The toolkit grid's own press.
    FEditStart = true;
    try {
        TBaseGrid::MouseDown(Button, Shift, X, Y);
    } catch (...) {
        FEditStart = false;
        throw;
    }
    FEditStart = false;

    // 5.
    if ((Shift & ssShift) && SelectionRectangle()) InvalidateGridRect(Selection());
    (void)before;

    // 7. The synchronised grid follows.
    if (TQvStringGrid* other = FSyncGrid->Grid(); other && other != this) {
        if (FSyncGrid->SelectionColumn() && Col() < other->ColCount()) other->SetCol(Col());
        if (FSyncGrid->SelectionRow() && Row() < other->RowCount()) other->SetRow(Row());
    }
}

void TQvStringGrid::SelectAllHook(const TGridRect&) {}

void TQvStringGrid::RadioGroupClick(int ACol, int ARow, int dx, int dy) {
    TCanvas* canvas = Canvas();
    const int dc = DisplColIndex(ACol);
    canvas->SetFont(Font());
    DoGetCellColor(dc, ARow, 0, canvas->Brush(), canvas->Font());
    const TPoint b = BaseCell(dc, ARow);
    TCellGraphic* g = GetCellGraphic(RealColIndex(b.X), b.Y);
    TStrings* items = GetRadioStrings(RealColIndex(b.X), b.Y);
    if (!IsFixed(b.X, b.Y)) TCustomGrid::FocusCell(b.X, b.Y, true);
    if (!g || !items) return;
    const TControlStyle style = FControlLook->ControlStyle();
    const int spacing = style == csClassic || style == csFlat ? FControlLook->RadioSize() : 16;
    int sum = 0, prev = 0, hit = -1;
    const int itemHeight = std::max(spacing, canvas->TextHeight("gh"));
    for (int i = 0; i < items->Count() && hit < 0; ++i) {
        sum += g->CellBoolean ? canvas->TextWidth(items->Strings(i)) + spacing : itemHeight;
        const int at = g->CellBoolean ? dx : dy;
        if (prev < at && at < sum)
            hit = i;
        else
            prev = sum;
    }
    if (hit < 0) return;
    const int realCol = RealColIndex(b.X);
    if (g->CellIndex == -1)
        SetCells(realCol, b.Y, items->Strings(hit));
    else
        g->CellIndex = hit;
    SetCells(realCol, b.Y, Cells(realCol, b.Y));
    SetRadioIdx(realCol, b.Y, hit);
    if (OnRadioClick) OnRadioClick(this, b.X, b.Y, hit);
}
