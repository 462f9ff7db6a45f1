// The string grid's keyboard: its key-down, key-up and character messages and the key-down method the
// in-place editors hand their navigation keys to.
#include "controls/grid/QvGrid.h"

#include "controls/grid/QvUtil.h"
#include "controls/grid/input/InputEvents.h"
#include "toolkit/controls/Forms.h"

#include <algorithm>

namespace {

bool IsArrowKey(Word key) {
    return key >= VK_LEFT && key <= VK_DOWN;
}

// Page Up, Page Down, End, Home and the four arrows.
bool IsNavigationKey(Word key) {
    return key >= VK_PRIOR && key <= VK_DOWN;
}

void ConsumeGridKey(TMessage& m) {
    m.Result = 1;
    m.SetCharCode(0);
}

TGridRect OrderedGridRect(const TGridRect& r) {
    return TGridRect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
                     std::max(r.Top, r.Bottom)};
}

} // namespace

void TQvStringGrid::FireKeyDown(Word Key, TShiftState Shift) {
    // The handler sees a copy: what it does to the key changes nothing here.
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

// WM_KEYDOWN
// --------------------------------------------------------------------------------------------

void TQvStringGrid::WMKeyDown(TMessage& Message) {
    KeyStroke k = BeginKeyStroke(Message);
    if (FNavigation->MoveScrollOnly() && MoveScrollOnlyKey(k.Key)) {
        ConsumeGridKey(Message);
        return;
    }
    // F4 and Alt+Down open a list cell's list at once, as they open a combo box's.
    if (((k.Key == VK_F4 && !k.Ctrl && !k.Alt) || (k.Key == VK_DOWN && k.Shift == ssAlt)) && DropCellList()) {
        FireKeyDown(k.Key, k.Shift);
        ConsumeGridKey(Message);
        return;
    }
    if (EnterOrF2Key(Message, k)) return;
    if (ReadOnlyEnterKey(Message, k)) return;
    if ((k.Key == VK_RETURN || k.Key == VK_SPACE) && HasInCellControl(RealCol(), Row()))
        InCellControlKey(k.Key);
    if ((k.Key == VK_HOME || k.Key == VK_END) &&
        HomeEndKey(Message, k.Key, k.Shift, k.StartRow, k.StartLeftCol))
        return;
    // On a node row whose current cell lies in a merge area (a group header), Right expands and Left
    // contracts the node; the key goes on.
    if ((k.Key == VK_RIGHT || k.Key == VK_LEFT) && IsNode(Row()) && IsMergedCell(Col(), Row())) {
        if (k.Key == VK_RIGHT)
            ExpandNode(RealRowIndex(Row()));
        else
            ContractNode(RealRowIndex(Row()));
    }
    if (RowSelectScrollKey(Message, k)) return;
    if (k.Key == VK_TAB) {
        TabKey(Message, k);
        return;
    }
    Word skipped = k.Key;
    if (FNavigation->SkipFixedCells() && IsArrowKey(k.Key) && SkipFixedCellsKey(skipped, k.Shift)) {
        Message.SetCharCode(0);
        return;
    }
    if (k.Key == VK_DOWN && IsLastDataRow() && FNavigation->AppendOnArrowDown()) AutoAppendRow();
    InvalidateKeySelection();
    if (SearchFooterKey(Message, k)) return;
    PassKeyToToolkit(Message, k);
    if (ClipboardShortcutKey(k)) return;
    if (k.Key == VK_INSERT && FNavigation->AllowInsertRow() && !k.Ctrl && !k.ShiftKey && !k.Alt)
        InsertRowKey();
    if (k.Key == 'A' && k.Ctrl) {
        if (Options() & (goRowSelect | goRangeSelect)) SelectAllKey();
        return;
    }
    DisjunctSelectKey(k);
    if (k.Key == VK_DELETE && FNavigation->AllowDeleteRow() && !k.Alt &&
        RowCount() - FFixedFooters - k.FixedRows >= 1)
        DeleteRowKey();
    if (k.EnterOrF2) {
        SaveOldCellText(RealCol(), Row());
        if (k.Key == VK_F2) F2Pressed();
    }
    const TGridRect sel = Selection();
    if (!(sel == FMoveSelection)) {
        DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
        FMoveSelection = sel;
    }
}

// The selection, current cell and left column the key found, and the shift state read from the keyboard.
KeyStroke TQvStringGrid::BeginKeyStroke(const TMessage& Message) {
    KeyStroke k;
    k.Key = Message.CharCode();
    FMoveSelection = Selection();
    k.StartRow = Row();
    k.StartLeftCol = LeftCol();
    k.Shift = KeyboardStateToShiftState() & (ssShift | ssCtrl | ssAlt);
    k.Ctrl = k.Shift & ssCtrl;
    k.ShiftKey = k.Shift & ssShift;
    k.Alt = k.Shift & ssAlt;
    k.FixedCols = TCustomGrid::FixedCols();
    k.FixedRows = TCustomGrid::FixedRows();
    k.EnterOrF2 = k.Key == VK_RETURN || k.Key == VK_F2;
    k.KeepScroll = (k.Key == VK_PRIOR || k.Key == VK_NEXT || k.Key == VK_UP || k.Key == VK_DOWN) &&
                   (Options() & goRowSelect) && LeftCol() != k.FixedCols && FNavigation->KeepHorizScroll();
    return k;
}

// Enter and F2 switch editing on where the mouse options ask for it, and are swallowed on a cell that may not
// be edited or that holds a control; true when the key ends here.
bool TQvStringGrid::EnterOrF2Key(TMessage& Message, const KeyStroke& k) {
    if (!k.EnterOrF2) return false;
    if (FMouseActions->EditOnDblClickOnly() && !(Options() & goEditing)) {
        const bool rangeEdit = FMouseActions->RangeSelectAndEdit();
        FMouseActions->SetRangeSelectAndEdit(true);
        const bool editable = IsEditable(RealCol(), Row());
        FMouseActions->SetRangeSelectAndEdit(rangeEdit);
        if (editable) SetOptions(Options() | goEditing);
    }
    if (FMouseActions->RangeSelectAndEdit() && !(Options() & goEditing)) {
        if (!IsEditable(RealCol(), Row())) {
            FireKeyDown(k.Key, k.Shift);
            ConsumeGridKey(Message);
            return true;
        }
        SetOptions(Options() | goEditing);
        ShowInplaceEdit();
    }
    if ((Options() & goEditing) && !IsEditable(RealCol(), Row())) {
        FireKeyDown(k.Key, k.Shift);
        ConsumeGridKey(Message);
        return true;
    }
    const TPoint b = BaseCell(Col(), Row());
    const String text = GridCells(RealColIndex(b.X), b.Y);
    if (EnableHTML() && CellTextKind(text, true) == ctkHTML &&
        text.toUpper().contains(QStringLiteral("<CONTROL"))) {
        ConsumeGridKey(Message);
        return true;
    }
    return false;
}

// Enter on a cell that may not be edited goes to a form that previews keys, else it is swallowed.
bool TQvStringGrid::ReadOnlyEnterKey(TMessage& Message, const KeyStroke& k) {
    if (k.Key != VK_RETURN || IsEditable(RealCol(), Row())) return false;
    TCustomForm* form = GetParentForm(this);
    if (form && form->KeyPreview()) {
        TBaseGrid::Dispatch(Message);
        return true;
    }
    FireKeyDown(k.Key, k.Shift);
    ConsumeGridKey(Message);
    return true;
}

// Row-select mode on a grid wider than its view: Ctrl+Left and Ctrl+Right scroll a column, or, without
// LeftRightRowSelect, plain Left and Right scroll and end there.
bool TQvStringGrid::RowSelectScrollKey(TMessage& Message, const KeyStroke& k) {
    if (!(Options() & goRowSelect) || ColCount() <= VisibleColCount() || IsNode(Row())) return false;
    const bool left = k.Key == VK_LEFT, right = k.Key == VK_RIGHT;
    if (FNavigation->LeftRightRowSelect()) {
        if (k.Ctrl && left && LeftCol() > k.FixedCols) SetLeftCol(LeftCol() - 1);
        if (k.Ctrl && right && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
        return false;
    }
    if (!left && !right) return false;
    if (left && LeftCol() > k.FixedCols) SetLeftCol(LeftCol() - 1);
    if (right && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
    FireKeyDown(k.Key, k.Shift);
    Message.Result = 0;
    Message.SetCharCode(0);
    return true;
}

void TQvStringGrid::TabKey(TMessage& Message, const KeyStroke& k) {
    if (!(Options() & goTabs)) {
        // Not a key of the grid: the form's dialog navigation moves the focus on.
        TBaseGrid::Dispatch(Message);
        return;
    }
    AdvanceFromEditor(k.ShiftKey);
    const TGridRect sel = Selection();
    if (!(sel == FMoveSelection)) DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    FMoveSelection = Selection();
    Message.SetCharCode(0);
}

// With the selection rectangle, a selection that changed before the key is repainted.
void TQvStringGrid::InvalidateKeySelection() {
    if (!SelectionRectangle()) return;
    const TGridRect sel = Selection();
    if (!(sel == FMoveSelection)) {
        InvalidateGridRect(sel);
        FMoveSelection = sel;
    }
}

// Near the search footer the view must not scroll the last rows under it: the keys that would are swallowed
// at the last row, and the others move in one update so the grid repaints once at the final position. True
// when the key ends here.
bool TQvStringGrid::SearchFooterKey(TMessage& Message, KeyStroke& k) {
    k.Footer = FSearchFooter->Visible() && TopRow() >= RowCount() - VisibleRowCount();
    k.FooterTop = TopRow();
    if (!k.Footer) return false;
    const Word key = k.Key;
    const bool lastRow = Row() >= RowCount() - 1;
    if ((key == VK_DOWN && lastRow) || (key == VK_RIGHT && lastRow && Col() == ColCount() - 1) ||
        (key == VK_LEFT && lastRow && Col() == k.FixedCols)) {
        Message.Result = 1;
        FireKeyDown(key, k.Shift);
        Message.SetCharCode(0);
        return true;
    }
    if ((key != VK_SHIFT && key != VK_MENU && !IsNavigationKey(key)) ||
        (lastRow && (key == VK_NEXT || key == VK_END || key == VK_LEFT || key == VK_RIGHT))) {
        BeginUpdate();
        ++k.FooterUpdates;
    }
    return false;
}

// The toolkit's key processing (the key-down method moves the cell), inside the updates the key began;
// then the top row stays clear of the search footer and the left column where it was.
void TQvStringGrid::PassKeyToToolkit(TMessage& Message, KeyStroke& k) {
    const Word key = k.Key;
    if (k.KeepScroll) BeginUpdate();
    Message.SetCharCode(key);
    TBaseGrid::Dispatch(Message);
    if (k.Footer) {
        if (TopRow() >= RowCount() - VisibleRowCount() && key != VK_SHIFT && key != VK_MENU &&
            !IsNavigationKey(key))
            SetTopRow(k.FooterTop);
        while (k.FooterUpdates-- > 0)
            EndUpdate();
    }
    if (FSearchFooter->Visible() && Row() == RowCount() - 1 &&
        (key == VK_NEXT || key == VK_END || key == VK_LEFT || key == VK_RIGHT || key == VK_DOWN)) {
        const int panel = FSearchPanel ? FSearchPanel->Height() : 0;
        // Each pass moves the top row on by one; the loop ends when it cannot advance any further.
        while (true) {
            const TRect r = CalcCellRect(Col(), Row());
            const int before = TopRow();
            if (r.Bottom <= ClientHeight() - panel + 2 || before >= RowCount() - 1) break;
            SetTopRow(before + 1);
            if (TopRow() == before) break;
        }
    }
    if (k.KeepScroll) {
        SetLeftCol(k.StartLeftCol);
        EndUpdate();
    }
}

// The clipboard combinations belong to the clipboard while its shortcuts are on: they never insert or
// delete a row, whatever the row options say. Each runs once the application's handler allowed it.
bool TQvStringGrid::ClipboardShortcutKey(const KeyStroke& k) {
    if (!FNavigation->AllowClipboardShortCuts()) return false;
    const Word key = k.Key;
    const bool copy = k.Ctrl && (key == 'C' || key == VK_INSERT);
    const bool cut = (k.Ctrl && key == 'X') || (k.ShiftKey && key == VK_DELETE);
    const bool paste = (k.Ctrl && key == 'V') || (k.ShiftKey && !k.Ctrl && key == VK_INSERT);
    bool allow = true;
    if (copy) {
        if (OnClipboardCopy) OnClipboardCopy(this, allow);
        if (allow) CopySelectionToClipboard();
    } else if (cut) {
        if (OnClipboardCut) OnClipboardCut(this, allow);
        if (allow) CutSelectionToClipboard();
    } else if (paste) {
        if (OnClipboardPaste) OnClipboardPaste(this, allow);
        if (allow) PasteSelectionFromClipboard();
    }
    return copy || cut || paste;
}

// Disjunct rows and columns follow a navigation key, and Space toggles the current one.
void TQvStringGrid::DisjunctSelectKey(const KeyStroke& k) {
    const int row = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent()
                        ? RealRowIndex(Row())
                        : Row();
    if (IsNavigationKey(k.Key)) {
        if (FMouseActions->DisjunctRowSelect()) {
            if (!k.ShiftKey && !k.Ctrl) ClearRowSelect();
            if (k.ShiftKey)
                SelectionToRowSelect(true);
            else
                SetRowSelect(row, true);
        }
        if (FMouseActions->DisjunctColSelect()) {
            if (!k.ShiftKey && !k.Ctrl) ClearColSelect();
            if (k.ShiftKey)
                SelectionToColSelect(true);
            else
                SetColSelect(Col(), true);
        }
    }
    if (k.Key == VK_SPACE) {
        if (FMouseActions->DisjunctRowSelect()) SetRowSelect(row, !RowSelect(row));
        if (FMouseActions->DisjunctColSelect()) SetColSelect(Col(), !ColSelect(Col()));
    }
}

void TQvStringGrid::WMKeyUp(TMessage& Message) {
    TBaseGrid::Dispatch(Message);
}

bool TQvStringGrid::MoveScrollOnlyKey(Word Key) {
    const int fixedRows = TCustomGrid::FixedRows();
    const int visible = VisibleRowCount();
    // Out-of-range rows are refused, as the top-row setter of the grid does.
    auto setTop = [this, fixedRows](int top) {
        if (top >= fixedRows && top <= RowCount() - 1) SetTopRow(top);
    };
    switch (Key) {
    case VK_PRIOR:
        setTop(visible + fixedRows < TopRow() ? TopRow() - visible : fixedRows);
        return true;
    case VK_NEXT:
        if (TopRow() + visible < RowCount()) setTop(TopRow() + visible);
        return true;
    case VK_HOME:
        setTop(fixedRows);
        return true;
    case VK_END:
        setTop(RowCount() - visible);
        return true;
    case VK_UP:
        if (TopRow() > fixedRows) setTop(TopRow() - 1);
        return true;
    case VK_DOWN:
        if (TopRow() + visible < RowCount()) setTop(TopRow() + 1);
        return true;
    default:
        return false;
    }
}

void TQvStringGrid::InCellControlKey(Word Key) {
    const int rc = RealCol();
    const int row = Row();
    bool canEdit = (Options() & goEditing) || FMouseActions->RangeSelectAndEdit();
    CanEditCell(rc, row, canEdit);
    const TCellType kind = GetCellType(rc, row);
    const bool space = Key == VK_SPACE;
    switch (kind) {
    case ctCheckBox:
    case ctTriStateCheckBox:
    case ctDataCheckBox:
    case ctRowCheckBox:
        if (space && (canEdit || FControlLook->CheckAlwaysActive()) && ToggleCellCheckBox(rc, row, false)) {
            if (FShowModified->Enabled()) {
                SetRowModified(row, true);
                RepaintCell(0, row);
            }
            bool state = false;
            GetCheckBoxState(rc, RealRowIndex(row), state);
            DoCheckBoxClick(rc, row, state);
        }
        break;
    case ctRadio:
        if (space && (canEdit || FControlLook->RadioAlwaysActive())) {
            SelectNextRadioItem(rc, row, false);
            int idx = -1;
            GetRadioIdx(rc, row, idx);
            if (OnRadioClick) OnRadioClick(this, rc, row, idx);
        }
        break;
    case ctRadioButton:
        if (space && (canEdit || FControlLook->RadioAlwaysActive()) && SelectRadioButton(rc, row, false) &&
            OnRadioButtonClick)
            OnRadioButtonClick(this, rc, row);
        break;
    case ctButton:
    case ctBitButton:
        if (canEdit) DoButtonClick(rc, row);
        break;
    default:
        break;
    }
    RepaintCell(Col(), row);
}

// Home and End by the navigation setting; false leaves the key to the base grid.
bool TQvStringGrid::HomeEndKey(TMessage& Message, Word Key, TShiftState Shift, int StartRow,
                               int StartLeftCol) {
    const THomeEndAction action = FNavigation->HomeEndKey();
    const bool ctrl = Shift & ssCtrl;
    const bool shiftKey = Shift & ssShift;
    const bool home = Key == VK_HOME;
    const int fixedCols = TCustomGrid::FixedCols();
    const int fixedRows = TCustomGrid::FixedRows();
    const bool singleFixedRow = FFixedRowAlways && RowCount() == 1;
    auto finish = [&]() {
        FireKeyDown(Key, Shift);
        Message.Result = 0;
        Message.SetCharCode(0);
        return true;
    };

    if (action == heFirstLastCell && !ctrl) {
        if (fixedCols >= ColCount() || fixedRows >= RowCount()) return finish();
        if (home) {
            SetCol(fixedCols);
            SetRow(fixedRows);
        } else {
            SetCol(ColCount() - 1);
            SetRow(RowCount() - 1);
        }
        GotoBaseCell();
        return finish();
    }
    if (action == heFirstLastRow && !ctrl) {
        if (singleFixedRow) return false;
        if (home) {
            if (fixedRows < RowCount()) SetRow(fixedRows);
        } else {
            const int last = FFloatingFooter->Visible() && RowCount() > 2 ? RowCount() - 2
                                                                          : RowCount() - 1 - FFixedFooters;
            if (last >= fixedRows) SetRow(last);
            if (FFixedFooters > 0 && !FFloatingFooter->Visible()) SetTopRow(RowCount() - VisibleRowCount());
        }
        GotoBaseCell();
        const TGridRect fullRows{0, std::min(StartRow, Row()), ColCount() - 1, std::max(StartRow, Row())};
        if (!shiftKey && FMouseActions->DisjunctRowSelect()) {
            ClearRowSelect();
            SelectionToRowSelect(false);
        } else if (shiftKey) {
            SetSelection(fullRows);
            if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
        }
        if (!home && FFloatingFooter->Visible()) SetTopRow(RowCount() - VisibleRowCount());
        finish();
        if ((Options() & goRowSelect) && FNavigation->KeepHorizScroll()) {
            StartUpdate();
            SetLeftCol(StartLeftCol);
            ResetUpdate();
        }
        return true;
    }
    if (action != heFirstLastColumn) return false;
    if (home && ctrl) {
        if (fixedRows >= RowCount()) return finish();
        SetRow(fixedRows);
        // A row without a navigable cell keeps the current column: it is always a valid one.
        const int c = FirstNavigableCol(Row());
        if (c >= 0) SetCol(c);
        GotoBaseCell();
        SetLeftCol(FirstDataCol());
        return finish();
    }
    if (ctrl || (Options() & goRowSelect)) return false;
    if (singleFixedRow) return false;
    if (shiftKey) {
        const TGridRect range = home ? TGridRect{fixedCols, Row(), Col(), Row()}
                                     : TGridRect{Col(), Row(), ColCount() - FFixedRightCols - 1, Row()};
        if (range.Left <= range.Right) SetSelection(range);
        RepaintRow(Row());
        return finish();
    }
    if (home) {
        const int c = FirstNavigableCol(Row());
        if (c >= 0) SetCol(c);
        GotoBaseCell();
        SetLeftCol(FirstDataCol());
    } else {
        SetCol(ColCount() - 1);
        GotoBaseCell();
        SetLeftCol(ColCount() - VisibleColCount());
    }
    return finish();
}

// An arrow whose neighbour cell is fixed moves over the fixed cells itself; false when the rule does not
// apply. Each search is bounded by the grid's edge.
bool TQvStringGrid::SkipFixedCellsKey(Word& Key, TShiftState Shift) {
    const int fixedCols = TCustomGrid::FixedCols();
    const int fixedRows = TCustomGrid::FixedRows();
    const int row = Row(), col = Col();
    const bool rowSelect = Options() & goRowSelect;
    auto leftRule = [&]() {
        if (col <= fixedCols || !IsFixed(col - 1, row)) return false;
        for (int c = col - 1; c >= fixedCols; --c)
            if (!IsFixed(c, row)) {
                SetCol(c);
                break;
            }
        return true;
    };
    auto rightRule = [&]() {
        const int end = ColCount() - FFixedRightCols;
        if (col + 1 >= ColCount() || !IsFixed(col + 1, row)) return false;
        for (int c = col + 1; c < end; ++c)
            if (!IsFixed(c, row)) {
                SetCol(c);
                break;
            }
        return true;
    };
    bool applied = false;
    const bool rtl = BiDiMode() == bdRightToLeft;
    switch (Key) {
    case VK_LEFT:
        applied = rtl ? rightRule() : leftRule();
        break;
    case VK_RIGHT:
        applied = rtl ? leftRule() : rightRule();
        break;
    case VK_UP:
        if (row > fixedRows && IsFixed(col, row - 1)) {
            applied = true;
            if (rowSelect) {
                SetRow(row - 1);
            } else {
                for (int r = row - 1; r >= fixedRows; --r)
                    if (!IsFixed(col, r)) {
                        SetRow(r);
                        break;
                    }
            }
        }
        break;
    case VK_DOWN: {
        const int end = RowCount() - FFixedFooters;
        if (row < end && row + 1 < RowCount() && IsFixed(col, row + 1)) {
            applied = true;
            if (rowSelect) {
                if (row + 1 < end) SetRow(row + 1);
            } else {
                for (int r = row + 1; r < end; ++r)
                    if (!IsFixed(col, r)) {
                        SetRow(r);
                        break;
                    }
            }
        }
        break;
    }
    default:
        break;
    }
    if (!applied) return false;
    FireKeyDown(Key, Shift);
    Key = 0;
    return true;
}

void TQvStringGrid::InsertRowKey() {
    if (!DoCanInsertRow(Row())) return;
    const int real = RealRowIndex(Row());
    int target = Row();
    const bool filter = FilterActive();
    SetFilterActive(false);
    int at = real;
    if (FNavigation->InsertPosition() == pInsertAfter) {
        if (FFixedRowAlways && TCustomGrid::FixedRows() == RowCount()) {
            at = RealRowIndex(Row());
            target = 1;
        } else {
            at = real + 1;
            if (target + 1 < RowCount() + 1) ++target;
        }
    }
    AutoInsertRow(at);
    if (OnAutoInsertRow) OnAutoInsertRow(this, at);
    SetModified(true);
    SetFilterActive(filter);
    if (target >= 0 && target < RowCount()) SetRow(target);
    CalcFooter(-1);
}

void TQvStringGrid::DeleteRowKey() {
    const int real = RealRowIndex(Row());
    const bool filter = FilterActive();
    SetFilterActive(false);
    bool canDelete = true;
    if (OnCanDeleteRow) OnCanDeleteRow(this, real, canDelete);
    if (!canDelete) {
        SetFilterActive(filter);
        return;
    }
    AutoDeleteRow(real);
    SetFilterActive(filter);
    if (FFloatingFooter->Visible() && Row() == RowCount() - 1 && RowCount() >= 2) SetRow(RowCount() - 2);
    SaveOldCellText(RealCol(), Row());
    SetModified(true);
    CalcFooter(-1);
}

void TQvStringGrid::SelectAllKey() {
    TGridRect all{FirstDataCol(), TCustomGrid::FixedRows(), ColCount() - FFixedRightCols - 1,
                  RowCount() - FFixedFooters - 1};
    if (all.Left > all.Right || all.Top > all.Bottom) return;
    if (FMouseActions->DisjunctRowSelect())
        for (int r = all.Top; r <= all.Bottom; ++r)
            SetRowSelect(r, true);
    AdjustKeySelection(all);
    SetSelection(all);
    FocusCell(all.Right, all.Bottom);
    // A click on the corner cell lets the mouse handling take the selection over as its own.
    const TRect r = CellRect(all.Right, all.Bottom);
    if (!r.IsEmpty()) {
        MouseDown(mbLeft, 0, r.Left + 2, r.Top + 2);
        MouseUp(mbLeft, 0, r.Left + 2, r.Top + 2);
    }
    FocusCell(all.Right, all.Bottom);
    SetSelection(all);
}

// The key-down method
// --------------------------------------------------------------------------------------------

void TQvStringGrid::KeyDown(Word& Key, TShiftState Shift) {
    // An editor hands Tab back here: it takes the grid's Tab move, not the toolkit's plain walk.
    if (Key == VK_TAB && (Options() & goTabs) && !(Shift & (ssCtrl | ssAlt))) {
        AdvanceFromEditor(Shift & ssShift);
        Key = 0;
        return;
    }
    int r0 = Row();
    FLastKeyCell = TPoint(Col(), Row());
    TBaseGrid::KeyDown(Key, Shift);

    const TGridRect sel = OrderedGridRect(Selection());
    const int top = sel.Top, bottom = sel.Bottom;
    if (FNavigation->CursorMoveRows() && (Shift & ssCtrl)) {
        if (Key == VK_DOWN && bottom < RowCount() - 1) {
            const int current = Row();
            if (top == bottom) {
                MoveRow(top, top + 1);
                SetRow(current + 1);
            } else {
                MoveRows(top, top + 1, bottom - top + 1);
                SetSelection(TGridRect{TCustomGrid::FixedCols(), top + 1, ColCount() - 1, bottom + 1});
            }
            r0 = current;
        } else if (Key == VK_UP && top > TCustomGrid::FixedRows()) {
            const int current = Row();
            if (top == bottom) {
                MoveRow(top, top - 1);
                SetRow(current - 1);
            } else {
                MoveRows(top, top - 1, bottom - top + 1);
                SetSelection(TGridRect{TCustomGrid::FixedCols(), top - 1, ColCount() - 1, bottom - 1});
            }
            r0 = current;
        }
    }

    const TCursorAdvance advance = FNavigation->CursorAdvance();
    if (advance != caDefault && !(Shift & ssCtrl)) {
        const bool snake = advance == caSnake;
        const int fixedCols = TCustomGrid::FixedCols(), fixedRows = TCustomGrid::FixedRows();
        const int lastDataCol = ColCount() - FFixedRightCols - 1;
        const int lastDataRow = RowCount() - FFixedFooters - 1;
        if (Key == VK_LEFT && FLastKeyCell.X == fixedCols && lastDataCol >= fixedCols) {
            SetCol(lastDataCol);
            if (snake && Row() > fixedRows) SetRow(Row() - 1);
        } else if (Key == VK_UP && FLastKeyCell.Y == fixedRows && lastDataRow >= fixedRows) {
            SetRow(lastDataRow);
            if (snake && Col() > fixedCols) SetCol(Col() - 1);
        } else if (Key == VK_RIGHT && FLastKeyCell.X == ColCount() - 1) {
            SetCol(fixedCols);
            if (snake && Row() < lastDataRow) SetRow(Row() + 1);
        } else if (Key == VK_DOWN && FLastKeyCell.Y == RowCount() - 1) {
            SetRow(fixedRows);
            if (snake && Col() < lastDataCol) SetCol(Col() + 1);
        }
    }

    if (FUseEnabledRows && FNavigation->SkipDisabledRows() && Row() == r0) {
        if (Key == VK_UP && r0 > TCustomGrid::FixedRows()) {
            int r = r0 - 1;
            while (r > TCustomGrid::FixedRows() && !RowEnabled(r))
                --r;
            if (RowEnabled(r)) SetRow(r);
        } else if (Key == VK_DOWN && r0 < RowCount() - 1) {
            int r = r0 + 1;
            while (r < RowCount() - 1 && !RowEnabled(r))
                ++r;
            if (RowEnabled(r)) SetRow(r);
        }
    }
}

void TQvStringGrid::KeyUp(Word& Key, TShiftState Shift) {
    const Word key = Key;
    if (key == VK_PRIOR || key == VK_NEXT || key == VK_END || IsArrowKey(key) || key == VK_INSERT ||
        key == VK_DELETE)
        FSearchInc.clear();
    const TGridRect s0 = OrderedGridRect(Selection());
    TBaseGrid::KeyUp(Key, Shift);

    const bool tabOrArrow = IsArrowKey(key) || (key == VK_TAB && (Options() & goTabs));
    if (FNavigation->AlwaysEdit() && tabOrArrow && !HasInCellControl(RealCol(), Row())) ShowInplaceEdit();
    if (IsArrowKey(key) || key == VK_TAB) {
        const TGridRect sel = Selection();
        if (!(sel == FMoveSelection)) DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    }

    if (!FMouseActions->DisjunctCellSelect() || (Options() & goEditing)) return;
    const TGridRect sel = OrderedGridRect(Selection());
    if ((Shift & ssShift) && key != VK_SPACE) {
        for (int r = s0.Top; r <= s0.Bottom; ++r)
            for (int c = s0.Left; c <= s0.Right; ++c)
                SetSelectedCells(c, r, false);
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            for (int c = sel.Left; c <= sel.Right; ++c)
                if (c != Col() || r != Row()) SetSelectedCells(c, r, true);
    }
    if (key != VK_SPACE) return;
    const TPoint b = BaseCell(Col(), Row());
    if (IsFixed(b.X, b.Y)) return;
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, b.X, b.Y, canSelect);
    if (!canSelect) return;
    if (Shift & ssCtrl) {
        SetSelectedCells(b.X, b.Y, !SelectedCells(b.X, b.Y));
    } else {
        ClearSelectedCells();
        SetSelectedCells(b.X, b.Y, true);
    }
    if (sel.Left != sel.Right || sel.Top != sel.Bottom)
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            for (int c = sel.Left; c <= sel.Right; ++c)
                if (c != b.X || r != b.Y) SetSelectedCells(c, r, true);
    RepaintCell(Col(), Row());
}

// WM_CHAR
// --------------------------------------------------------------------------------------------

void TQvStringGrid::WMChar(TMessage& Message) {
    QChar ch(static_cast<char16_t>(Message.CharCode()));
    const int rc = RealCol();
    const TPoint b = BaseCell(Col(), Row());
    const String text = GridCells(RealColIndex(b.X), b.Y);
    if (EnableHTML() && CellTextKind(text, true) == ctkHTML &&
        text.toUpper().contains(QStringLiteral("<CONTROL"))) {
        ConsumeGridKey(Message);
        return;
    }
    if (FMouseActions->EditOnDblClickOnly()) {
        bool canEdit = false;
        CanEditCell(rc, Row(), canEdit);
        if (canEdit) SetOptions(Options() | goEditing);
    }
    const bool ctrl = KeyboardStateToShiftState() & ssCtrl;
    const ushort code = ch.unicode();
    if (FNavigation->AllowClipboardShortCuts() && ctrl && (code == 3 || code == 22 || code == 24)) {
        Message.SetCharCode(0);
        return;
    }
    const bool inCellControl = HasInCellControl(rc, Row());
    if (FMouseActions->RangeSelectAndEdit() && !inCellControl && IsEditable(rc, Row()) && code != 9 &&
        code != 27 && !ctrl) {
        if (OnKeyPress) {
            QChar copy = ch;
            OnKeyPress(this, copy);
        }
        FEdit.StartEditChar = ch;
        SetOptions(Options() | goEditing);
        if (Col() > LeftCol() + VisibleColCount() || Row() > TopRow() + VisibleRowCount() ||
            Col() < LeftCol() || Row() < TopRow())
            ScrollInView(Col(), Row());
        const TRect r = CellRect(Col(), Row());
        if (!r.IsEmpty()) MouseDown(mbLeft, 0, r.Left + 2, r.Top + 2);
        TBaseGrid::Dispatch(Message);
        return;
    }
    // The numeric keypad's decimal key carries bit 22 in its key data; the main keyboard's full stop does
    // not.
    if (ExcelStyleDecimalSeparator() && ch == QChar('.') && (Message.LParam & (LPARAM(1) << 22))) {
        ch = QvGrid::CurrentDecimalSeparator();
        Message.SetCharCode(ch.unicode());
    }
    bool passed = false;
    if (inCellControl && ch == QChar('\r') && FNavigation->AdvanceOnEnter()) {
        TBaseGrid::Dispatch(Message);
        passed = true;
    }
    if ((Options() & goEditing) && ch != QChar('\t') && (ch == QChar('\b') || (ch.unicode() >= 32))) {
        if (ch.unicode() > 255) {
            TBaseGrid::Dispatch(Message);
            return;
        }
        if (OnKeyPress) OnKeyPress(this, ch);
        if (ch.unicode() == 0) {
            Message.SetCharCode(0);
            return;
        }
        FEdit.StartEditChar = ch;
        if (!inCellControl) ShowEditorChar(ch);
        Message.SetCharCode(0);
        return;
    }
    if (!passed) TBaseGrid::Dispatch(Message);
}
