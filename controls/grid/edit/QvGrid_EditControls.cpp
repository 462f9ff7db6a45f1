// The grid's special editors: opened over the cell when an edit starts and closed when it ends, each kind
// through its entry of the editor table (kinds without an entry open nothing and end normally at the next
// close); the controls are made on first use and kept.
#include "controls/grid/QvGrid.h"

#include "controls/grid/edit/EditLink.h"
#include "controls/grid/edit/EditorTable.h"
#include "controls/grid/edit/GridButton.h"
#include "controls/grid/edit/GridCombo.h"
#include "controls/grid/edit/GridDatePicker.h"
#include "controls/grid/edit/GridEditBtn.h"
#include "controls/grid/edit/GridSpin.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/ScopedValue.h"

#include <utility>

// The editors
// --------------------------------------------------------------------------------------------

TWinControl* TQvStringGrid::EditorControl(TEditorType Kind, bool Make) {
    const TEditorEntry* entry = FindEditorEntry(Kind);
    if (!entry) return nullptr;
    for (const auto& [e, control] : FEditorControls)
        if (e == entry) return control;
    if (!Make || !entry->Make) return nullptr;
    TWinControl* control = entry->Make(*this);
    FEditorControls.emplace_back(entry, control);
    return control;
}

TGridCombo* TQvStringGrid::Combobox() {
    return static_cast<TGridCombo*>(EditorControl(edComboList));
}

TGridSpin* TQvStringGrid::SpinEdit() {
    return static_cast<TGridSpin*>(EditorControl(edSpinEdit));
}

TGridDatePicker* TQvStringGrid::DateTimePicker() {
    return static_cast<TGridDatePicker*>(EditorControl(edDateEdit));
}

TGridDateTimePicker* TQvStringGrid::DateAndTimePicker() {
    return static_cast<TGridDateTimePicker*>(EditorControl(edDateTimeEdit));
}

TGridEditBtn* TQvStringGrid::BtnEdit() {
    return static_cast<TGridEditBtn*>(EditorControl(edEditBtn));
}

TGridUnitEditBtn* TQvStringGrid::BtnUnitEdit() {
    return static_cast<TGridUnitEditBtn*>(EditorControl(edUnitEditBtn));
}

TGridButton* TQvStringGrid::Btn() {
    return static_cast<TGridButton*>(EditorControl(edButton));
}

void TQvStringGrid::SetEditLink(TEditLink* Value) {
    if (FEditLink == Value) return;
    if (FEditLink) FEditLink->RemoveFreeNotification(this);
    FEditLink = Value;
    if (FEditLink) FEditLink->FreeNotification(this);
}

TEditLink* TQvStringGrid::CellEditLink(int, int) {
    return FEditLink;
}

// Opening
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ShowEditorControl(int ACol, int ARow) {
    FEdit.Editing = true;
    FEdit.SpecialEditor = true;
    FEdit.EditActive = true;
    TRect R = CellRect(ACol, ARow);
    if (BiDiMode() == bdRightToLeft) R.Left += 1;

    TCellLook look;
    GetVisualProperties(ACol, Row(), false, false, true, look);

    FGridState = gsNormal;
    FEdit.EditCtrl = nullptr;
    if (FEdit.EditControl != edCustom) FEdit.LastValidation = true;
    TEditorCell cell;
    cell.Grid = this;
    cell.Kind = FEdit.EditControl;
    cell.RealCol = RealColIndex(ACol);
    cell.Row = ARow;
    cell.Rect = R;
    // The editor leaves the grid lines free.
    cell.Width = R.Right - R.Left - 1;
    cell.Height = R.Bottom - R.Top - 1;
    cell.Color = look.Fill.Color;
    cell.Font = &look.Font;
    cell.Text = GetEditText(ACol, ARow);
    KeepEditRow(ARow);
    if (const TEditorEntry* entry = FindEditorEntry(cell.Kind)) {
        TWinControl* control = EditorControl(cell.Kind);
        FEdit.EditMode = true;
        entry->Place(control, cell);
        entry->Fill(control, cell);
        entry->Show(control, cell);
        if (entry->OverCell) FEdit.EditCtrl = control;
    }
    FEdit.StartEditChar = QChar();
}

bool TQvStringGrid::DropCellList() {
    if (FEdit.Editing || !IsEditable(RealCol(), Row())) return false;
    const TPoint cell = BaseCell(RealCol(), Row());
    if (HasInCellControl(cell.X, cell.Y)) return false;
    TEditorType kind = FDefaultEditor;
    GetCellEditorType(cell.X, cell.Y, kind);
    if (kind != edComboList && kind != edComboEdit) return false;
    if (!(Options() & goEditing)) SetOptions(Options() | goEditing);
    SaveOldCellText(RealCol(), Row());
    ShowInplaceEdit();
    if (TGridCombo* combo = Combobox(); combo && combo->Visible()) combo->SetDroppedDown(true);
    return true;
}

void TQvStringGrid::KeepEditRow(int ARow) {
    auto& before = FEdit.EditRowBefore;
    const int columns = TotalColCount();
    before.Row = ARow;
    before.Texts.resize(size_t(columns));
    before.ReadOnly.resize(size_t(columns));
    for (int c = 0; c < columns; ++c) {
        before.Texts[size_t(c)] = GetCellEx(c, ARow);
        before.ReadOnly[size_t(c)] = ReadOnly(c, ARow);
    }
}

// Closing
// --------------------------------------------------------------------------------------------

void TQvStringGrid::RestoreEditRow() {
    const auto before = std::exchange(FEdit.EditRowBefore, TGridEditSession::RowBefore{});
    const int row = before.Row;
    // A row or column that came or went meanwhile leaves nothing to compare with.
    if (row < 0 || row >= RowCount() || int(before.Texts.size()) != TotalColCount()) return;
    for (int c = 0; c < int(before.Texts.size()); ++c) {
        if (GetCellEx(c, row) != before.Texts[size_t(c)]) SetCellEx(c, row, before.Texts[size_t(c)]);
        if (ReadOnly(c, row) != before.ReadOnly[size_t(c)]) SetReadOnly(c, row, before.ReadOnly[size_t(c)]);
    }
}

void TQvStringGrid::HideEditorControl(int ACol, int ARow) {
    if (IsDestroying()) return;
    FEdit.SpecialEditor = false;
    ScopedValue<bool> blockKill(FEdit.BlockKill, true);
    TEditorCell cell;
    cell.Grid = this;
    cell.Kind = FEdit.EditControl;
    cell.RealCol = RealColIndex(ACol);
    cell.Row = ARow;
    FEdit.StartEditChar = QChar();
    const bool cancelled = FEdit.TakeCancelled();
    if (const TEditorEntry* entry = FindEditorEntry(cell.Kind)) {
        if (FEdit.EditMode || !entry->ClosesOnlyInEditMode) {
            FEdit.EditMode = false;
            TWinControl* control = EditorControl(cell.Kind, false);
            if (control || !entry->Make) {
                // Escape: the cell keeps exactly its text, also one the editor cannot show.
                if (!cancelled) entry->Store(control, cell);
                entry->Hide(control, cell);
            }
        }
    } else if (!IsTextEditorKind(cell.Kind) && cell.Kind != edDataCheckBox && cell.Kind != edNone) {
        FEdit.EditMode = false;
    }
    // Escape leaves the whole row as it was, also the cells a choice made while browsing filled in.
    if (cancelled)
        RestoreEditRow();
    else
        FEdit.EditRowBefore = TGridEditSession::RowBefore{};
    FEdit.EditCtrl = nullptr;
    if (cell.Kind != edNormal && FEdit.EditActive) DoEditingDone(cell.RealCol, ARow);
    FEdit.EditActive = false;
}
