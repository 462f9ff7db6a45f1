// The in-place editing engine: whether a cell may be edited and with which editor kind, opening the
// editor over the cell, the edit text going in and out, closing the editor, announcing the end of an
// edit, the move after Enter and the grid's own key press.
#include "controls/grid/QvGrid.h"

#include "controls/grid/edit/QvInplaceEdit.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/system/ScopedValue.h"

#include <algorithm>

// Editability and the editors
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::IsEditable(int ACol, int ARow) {
    if (!((Options() & goEditing) || FMouseActions->RangeSelectAndEdit() || FEdit.EditDisable)) return false;
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return false;
    const TPoint base = BaseCell(ACol, ARow);
    bool allow = true;
    CanEditCell(base.X, base.Y, allow);
    bool fixed = false;
    DoIsFixedCell(base.X, base.Y, fixed);
    return allow && !fixed;
}

bool TQvStringGrid::EditorWantsSpecialKeys() const {
    return (Options() & goTabs) || OnCellValidate || OnCellValidateWide;
}

TQvInplaceEdit* TQvStringGrid::NormalEdit() const {
    return dynamic_cast<TQvInplaceEdit*>(InplaceEditor());
}

TInplaceEdit* TQvStringGrid::CreateEditor() {
    return new TQvInplaceEdit(this);
}

// The toolkit's hooks
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::SelectCell(int ACol, int ARow) {
    // A move the grid makes for itself (the Tab move to the next row, a click that opens an editor) has
    // already asked what it must ask.
    if (FForceSel) {
        if (FRowIndicator && !FRowIndicator->Empty() && FixedCols() > 0) {
            RepaintCell(0, Row());
            if (ARow >= 0 && ARow < RowCount()) RepaintCell(0, ARow);
        }
        if (FSelListener) FSelListener->CellSelected(ACol, ARow);
        return true;
    }
    if (!Parent()) return true;
    if (ACol < 0 || ARow < 0) return false;
    const int realCol = RealColIndex(ACol);
    FEdit.EditText = GetCellEx(realCol, ARow);

    // A covered cell of a merged area sends the current cell to the area's base cell.
    if (!(Options() & goRangeSelect) && IsMergedNonBaseCell(realCol, ARow)) {
        const TPoint base = BaseCell(realCol, ARow);
        const int baseCol = DisplColIndex(base.X);
        if (baseCol >= 0) {
            TCustomGrid::FocusCell(baseCol, base.Y, true);
            RepaintCell(baseCol, base.Y);
            if (FMouseActions->DirectEdit() ||
                (FControlLook->DropDownAlwaysVisible() && HasComboBox(base.X, base.Y)))
                ShowInplaceEdit();
        }
        return false;
    }
    if (ACol == 0 && HasNodes() && !(Options() & goRowSelect)) return false;
    if (FUseEnabledRows && FNavigation->SkipDisabledRows() && !RowEnabled(ARow)) return false;

    String text = GetCellEx(realCol, ARow);
    const TQvInplaceEdit* editor = NormalEdit();
    const bool editorFocused = editor && editor->Visible() && editor->Focused();

    // Editing is switched on and off per cell.
    if (HasInCellControl(realCol, ARow)) {
        bool allow = true;
        CanEditCell(realCol, ARow, allow);
        if (!FEdit.EditDisable)
            FEdit.EditDisable = !allow && ((Options() & goEditing) || FMouseActions->RangeSelectAndEdit());
        if (!(Options() & (goEditing | goRowSelect)) && allow) {
            FEdit.EditChange = true;
            SetOptions(Options() | goEditing);
        }
    } else {
        bool allow = (Options() & goEditing) || FEdit.EditDisable;
        CanEditCell(realCol, ARow, allow);
        if (allow && FMouseActions->DirectEdit()) {
            FEdit.EditControl = FDefaultEditor;
            if (HasNoEditor(realCol, ARow)) allow = false;
        }
        if (FMouseActions->EditOnDblClickOnly()) allow = false;
        if (allow) {
            FEdit.EditDisable = false;
            if (!(Options() & goEditing)) {
                FEdit.EditChange = true;
                if (!FEdit.Editing) SaveOldCellText(ACol, ARow);
                TGridOptions options = Options();
                if ((options & goRowSelect) && FMouseActions->RangeSelectAndEdit()) options &= ~goRowSelect;
                SetOptions(options | goEditing);
            }
            if (FEdit.Editing) {
                HideInplaceEdit();
                text = GetCellEx(realCol, ARow);
            }
        } else {
            if (FEdit.Editing) {
                HideInplaceEdit();
                text = GetCellEx(realCol, ARow);
            }
            if (Options() & goEditing) {
                FEdit.EditMode = false;
                FEdit.EditDisable = true;
                FEdit.EditChange = true;
                SetOptions(Options() & ~goEditing);
                SetEditorMode(false);
            }
        }
    }

    bool result;
    if (FEdit.Editing && !editorFocused) {
        // The edit was made in a special editor or the text editor already lost the focus: its value is
        // validated before the current cell may leave. The value is the text of the cell whose edit is
        // pending, which is the current cell unless a move went past the validation.
        const String original = FEdit.CellCache;
        const int pendingCol = FEdit.OldCol >= 0 && FEdit.OldCol < ColCount() ? FEdit.OldCol : Col();
        const int pendingRow = FEdit.OldRow >= 0 && FEdit.OldRow < RowCount() ? FEdit.OldRow : Row();
        const TPoint pending = BaseCell(RealColIndex(pendingCol), pendingRow);
        const String value = GridCells(pending.X, pending.Y);
        if (CellTextKind(value, false) == ctkWide)
            result = ValidateCellWide(DecodeWideCellText(value));
        else
            result = ValidateCell(value);
        if (!DoCellChanging(Row(), Col(), ARow, ACol)) result = false;
        if (result) result = TBaseGrid::SelectCell(ACol, ARow);
        if (!result) text = original;
    } else {
        const bool go = DoCellChanging(Row(), Col(), ARow, ACol);
        if (IsFixed(ACol, ARow) || !go)
            result = (go && (Options() & goRowSelect)) || (FFixedRowAlways && RowCount() == FixedRows());
        else
            result = TBaseGrid::SelectCell(ACol, ARow);
    }

    if (!IsLoading() && ARow != FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, FOldRowSel, ARow);
        FOldRowSel = ARow;
    }
    FEdit.CellCache = text;
    if (result && FSelListener) FSelListener->CellSelected(ACol, ARow);
    return result;
}

bool TQvStringGrid::CanEditShow() {
    if (FEdit.Validating) return false;
    const bool base = TBaseGrid::CanEditShow();
    if (IsDesigning()) return base;
    const TPoint cell = BaseCell(RealCol(), Row());
    // An edit counts as open while its editor is: a lost end-of-edit (no focus event ever came) must not
    // keep the next edit from starting.
    const TQvInplaceEdit* editor = NormalEdit();
    if (FEdit.EditMode && !FEdit.SpecialEditor && !(editor && editor->Visible())) FEdit.EditMode = false;
    if (base && !FEdit.EditMode && HasInCellControl(cell.X, cell.Y)) return false;
    if (base && !FEdit.EditMode) {
        FEdit.NoEditChange = true;
        FEdit.CellCache = GetCellEx(cell.X, cell.Y);
        FEdit.EditControl = FDefaultEditor;
        GetCellEditorType(cell.X, cell.Y, FEdit.EditControl);
        if (FEdit.EditControl == edNone) return false;
        // The value from before the edit belongs to the cell being edited.
        if (!FEdit.Editing) SaveOldCellText(Col(), Row());
        FEdit.EditMode = true;
        if (IsTextEditorKind(FEdit.EditControl)) {
            FEdit.ShowEditProcess = true;
        } else {
            ShowEditorControl(DisplColIndex(cell.X), cell.Y);
            FEdit.Entered = true;
            ShowFocusFrameOnEdit();
            return false;
        }
    }
    if (base) {
        FEdit.Entered = true;
        FEdit.Editing = true;
        ShowFocusFrameOnEdit();
    }
    return base;
}

String TQvStringGrid::GetEditText(int ACol, int ARow) {
    FEdit.NoEditChange = true;
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    String text = GetCellEx(base.X, base.Y);
    // Only a text that is markup loses its tags: a plain text with a "<" in it stays whole.
    if (!FEditWithTags && CellTextKind(text, true) == ctkHTML) text = StripMarkup(text);
    return text;
}

void TQvStringGrid::SetEditText(int ACol, int ARow, const String& Value) {
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    SetCellEx(base.X, base.Y, Value);
}

String TQvStringGrid::GetEditMask(int ACol, int ARow) {
    String mask;
    if (OnGetEditMask) OnGetEditMask(this, RealColIndex(ACol), ARow, mask);
    return mask;
}

int TQvStringGrid::GetEditLimit() {
    return FMaxEditLength;
}

void TQvStringGrid::SetEditCellText(int ACol, int ARow, const String& Value) {
    SetEditText(DisplColIndex(ACol), ARow, Value);
    SetCellEx(ACol, ARow, Value);
}

void TQvStringGrid::RestoreCurrentCell() {
    const int realCol = RealCol();
    SetCellEx(realCol, Row(), FEdit.CellCache);
    SetEditText(Col(), Row(), GetCellEx(realCol, Row()));
    RepaintCell(Col(), Row());
}

// Opening and closing
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ShowInplaceEdit() {
    if (HasInCellControl(RealCol(), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    FEdit.EditText = GetCellEx(RealCol(), Row());
    ShowEditor();
}

void TQvStringGrid::HideInplaceEdit() {
    if (!FEdit.EditMode) return;
    HideEditor();
    HideEditorControl(Col(), Row());
    FEdit.EditMode = false;
    SelectCell(Col(), Row());
}

void TQvStringGrid::DoneInplaceEdit(Word Key, TShiftState Shift) {
    ScopedValue<bool> blockFocus(FEdit.BlockFocus, true);
    FEdit.Editing = false;
    HideInplaceEdit();
    if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN)) {
        Word key = Key;
        KeyDown(key, Shift);
    }
    const bool alwaysEdit = FNavigation->AlwaysEdit();
    FNavigation->SetAlwaysEdit(false);
    if (HandleAllocated() && CanFocus()) SetFocus();
    FNavigation->SetAlwaysEdit(alwaysEdit);
    if (Key == VK_RETURN) AdvanceToNextCell(Col(), Row(), false, true, true, false, false);
}

void TQvStringGrid::ShowCellEdit() {
    Perform(WM_KEYDOWN, VK_F2, 0);
}

void TQvStringGrid::HideCellEdit() {
    HideEditorControl(Col(), Row());
}

void TQvStringGrid::DoEditingDone(int ACol, int ARow) {
    if (OnEditingDone) OnEditingDone(this);
    FEdit.EditMode = false;
    if (QvGrid::GridEditDoneMessage != 0)
        PostMessage(this, QvGrid::GridEditDoneMessage, WPARAM(ACol), LPARAM(ARow));
}

// The move after Enter
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AdvanceToNextCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Again,
                                      bool OpenEditor) {
    if (!FNavigation->AdvanceOnEnter() && !Force) return;
    if (FMouseActions->RangeSelectAndEdit() && !(Options() & goEditing)) SetOptions(Options() | goEditing);
    if (!Again) {
        FEdit.AECol = ACol;
        FEdit.AERow = ARow;
    }
    FEdit.StartEditChar = QChar();
    const int startCol = ACol;
    const int startRow = ARow;
    const int firstCol = FirstDataCol();
    const int lastCol = ColCount() - 1 - FFixedRightCols;
    const int lastRow = RowCount() - 1 - FFixedFooters;
    const TAdvanceDirection dir = FNavigation->AdvanceDirection();
    // Skipping read-only cells walks at most once over the grid; when nothing is reachable the current
    // cell stays where the advance started.
    const int maxSteps = std::max(1, (ColCount() - FixedCols()) * std::max(1, RowCount() - FixedRows()));
    int col = ACol;
    int row = ARow;
    for (int step = 0; step <= maxSteps; ++step) {
        const TPoint span = CellSpan(RealColIndex(col), row);
        const int extra = std::max(0, span.X);
        int nc = col;
        int nr = row;
        bool ended = false;
        if (Forward && (dir == adLeftRight || dir == adLeftRightInRow)) {
            if (col + extra < ColCount() - VisibleFixedRightCols() - 1) {
                nc = col + extra + 1;
            } else if (dir == adLeftRightInRow) {
                if (FNavigation->AdvanceOnEnterLoop()) nc = firstCol;
            } else if (row < lastRow) {
                nr = row + 1;
                nc = firstCol;
            } else if (FNavigation->AdvanceInsert()) {
                nc = firstCol;
                if (DoCanAddRow()) {
                    AddRow();
                    nr = row + 1;
                    if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - 1 - FFixedFooters);
                }
                bool anyEditable = false;
                for (int c = FixedCols(); c < ColCount() && !anyEditable; ++c)
                    anyEditable = IsEditable(RealColIndex(c), nr);
                if (!anyEditable) ended = true;
            } else if (FNavigation->AdvanceOnEnterLoop()) {
                nr = FixedRows();
                nc = firstCol;
            }
        } else if (Forward) {
            if (row < lastRow) {
                nr = row + 1;
            } else if (dir == adTopBottomInCol) {
                nr = FixedRows();
            } else {
                if (col < lastCol) {
                    nr = FixedRows();
                    nc = col + 1 >= ColCount() ? firstCol : col + 1;
                } else if (FNavigation->AdvanceInsert()) {
                    SetColCount(ColCount() + 1);
                    nc = col + extra + 1;
                    nr = FixedRows();
                    if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - 1 - FFixedRightCols);
                } else {
                    nr = FixedRows();
                    nc = firstCol;
                }
                Invalidate();
            }
        } else if (dir == adLeftRight) {
            if (col > firstCol) {
                nc = col - 1;
            } else {
                nc = lastCol;
                nr = row > FixedRows() ? row - 1 : lastRow;
            }
        } else if (dir == adTopBottom) {
            if (row > FixedRows()) {
                nr = row - 1;
            } else {
                nr = lastRow;
                nc = col > firstCol ? col - 1 : lastCol;
            }
        }
        if (ended || (nc == col && nr == row)) break;
        nc = std::clamp(nc, 0, ColCount() - 1);
        nr = std::clamp(nr, 0, RowCount() - 1);

        const int realCol = RealColIndex(nc);
        bool allow = true;
        CanEditCell(realCol, nr, allow);
        if (allow) {
            bool go = true;
            if (OnAutoAdvance) OnAutoAdvance(this, FEdit.AERow, FEdit.AECol, nr, nc, go);
            ScopedValue<bool> disableChange(FEdit.DisableChange, true);
            if (go) {
                if (OnCellChanging) OnCellChanging(this, FEdit.AERow, FEdit.AECol, nr, nc, go);
                if (go && nc >= 0 && nr >= 0 && nc < ColCount() && nr < RowCount())
                    TCustomGrid::FocusCell(nc, nr, true);
                else
                    SelectCell(startCol, startRow);
            } else {
                SelectCell(startCol, startRow);
            }
            break;
        }
        if (!FNavigation->AdvanceSkipReadOnlyCells()) {
            TCustomGrid::FocusCell(nc, nr, true);
            break;
        }
        if (nc == FEdit.AECol && nr == FEdit.AERow) break; // a whole round found no editable cell
        col = nc;
        row = nr;
    }

    if (OpenEditor) {
        const int realCol = RealCol();
        if ((AutoEdit && FNavigation->AdvanceAutoEdit()) || HasInCellControl(realCol, Row())) {
            if (IsEditable(realCol, Row())) {
                // The move was asked for above; asking again now could not undo it.
                ShowEditor();
                TEditorType previous = FDefaultEditor;
                GetCellEditorType(RealColIndex(startCol), startRow, previous);
                if (!IsTextEditorKind(previous) || previous == edValidChars) HideEditor();
            }
        }
    }
    if (FMouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(RealRow(), true);
    }
}

// The grid's key press
// --------------------------------------------------------------------------------------------

void TQvStringGrid::KeyPress(QChar& Key) {
    const ushort c = Key.unicode();
    if (c == 27) {
        if ((Options() & goEditing) && FEdit.Editing) RestoreCurrentCell();
        if (OnKeyPress) OnKeyPress(this, Key);
        return;
    }
    if (c == '\r') {
        if (!FNavigation->AdvanceOnEnter() && !IsEditable(RealCol(), Row())) {
            if (OnKeyPress) OnKeyPress(this, Key);
            Key = QChar();
            return;
        }
        if (!Focused() || HasInCellControl(RealCol(), Row())) {
            const TGridCoord before{Col(), Row()};
            AdvanceToNextCell(Col(), Row(), false, true, true, false, FEdit.EditMode);
            if (!FNavigation->AdvanceAutoEdit()) {
                if (OnKeyPress) OnKeyPress(this, Key);
                Key = QChar();
                return;
            }
            if (HasInCellControl(RealCol(), Row())) {
                if (OnKeyPress) OnKeyPress(this, Key);
                if (FNavigation->AdvanceOnEnter()) ShowInplaceEdit();
                return;
            }
            // The advance opened the next cell's editor: Enter must not close it again.
            if (before != TGridCoord{Col(), Row()} && EditorMode()) {
                if (OnKeyPress) OnKeyPress(this, Key);
                Key = QChar();
                return;
            }
        }
    }
    if (!(Options() & goEditing) && FNavigation->AutoGotoWhenSorted() && (c == '\b' || c >= 32))
        LookUpTyped(Key);
    TBaseGrid::KeyPress(Key);
}

// A typed character looks the rows up by the sorted column: one more character of the text typed so far, or
// the character alone.
void TQvStringGrid::LookUpTyped(QChar Key) {
    String text = FNavigation->AutoGotoIncremental() ? FSearchInc : String();
    if (Key == QChar('\b'))
        text.chop(1);
    else
        text += Key;
    SetSearchInc(text);
    if (text.isEmpty()) return;
    const int row = Search(text.toUpper());
    if (row < 0)
        FSearchInc.clear();
    else
        SetRow(row);
}

// The combo editor's item list
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ClearComboString() {
    FComboItems->Clear();
}

void TQvStringGrid::AddComboString(const String& S) {
    FComboItems->Add(S);
}

void TQvStringGrid::AddComboStringObject(const String& S, TObject* AObject) {
    FComboItems->AddObject(S, AObject);
}

bool TQvStringGrid::RemoveComboString(const String& S) {
    const int index = FComboItems->IndexOf(S);
    if (index < 0) return false;
    FComboItems->Delete(index);
    return true;
}

bool TQvStringGrid::SetComboSelectionString(const String& S) {
    const int index = FComboItems->IndexOf(S);
    if (index < 0) return false;
    FEdit.ComboIdx = index;
    return true;
}

void TQvStringGrid::SetComboSelection(int Index) {
    FEdit.ComboIdx = Index;
}

void TQvStringGrid::SetComboIndex(int ACol, int ARow, int Index) {
    DoGetEditorProp(ACol, ARow, nullptr);
    // An index outside the list leaves the cell as it is.
    if (Index < 0 || Index >= FComboItems->Count()) return;
    SetCellEx(ACol, ARow, FComboItems->Strings(Index));
}

int TQvStringGrid::GetComboIndex(int ACol, int ARow) {
    DoGetEditorProp(ACol, ARow, nullptr);
    return FComboItems->IndexOf(GetCellEx(ACol, ARow));
}

int TQvStringGrid::GetComboCount() const {
    return FComboItems->Count();
}
