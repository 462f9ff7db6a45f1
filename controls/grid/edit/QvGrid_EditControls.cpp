// The grid's special editors: opened over the cell when an edit starts and closed when it ends, each kind
// through its entry of the editor table (kinds without an entry open nothing and end normally at the next
// close); the controls are made on first use and kept.
#include "controls/grid/QvGrid.h"

#include "controls/grid/edit/EditorTable.h"
#include "controls/grid/edit/GridCombo.h"
#include "controls/grid/edit/GridSpin.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/ScopedValue.h"

// The editors
// --------------------------------------------------------------------------------------------

TWinControl* TQvStringGrid::EditorControl(TEditorType Kind, bool Make) {
    const TEditorEntry* entry = FindEditorEntry(Kind);
    if (!entry) return nullptr;
    for (const auto& [e, control] : FEditorControls)
        if (e == entry) return control;
    if (!Make) return nullptr;
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

// Opening
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ShowEditorControl(int ACol, int ARow) {
    FEdit.Editing = true;
    FEdit.SpecialEditor = true;
    FEdit.EditActive = true;
    TRect R = CellRect(ACol, ARow);
    if (BiDiMode() == bdRightToLeft) R.Left += 1;

    TCanvas* canvas = Canvas();
    TGridDrawState state = 0;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool wordWrap = false;
    TCellGradientDirection gradient{};
    GetVisualProperties(ACol, Row(), state, false, false, true, canvas->Brush(), colorTo, mirror, mirrorTo,
                        canvas->Font(), ha, va, wordWrap, gradient);

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
    cell.Color = canvas->Brush()->Color();
    cell.Text = GetEditText(ACol, ARow);
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

// Closing
// --------------------------------------------------------------------------------------------

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
            if (TWinControl* control = EditorControl(cell.Kind, false)) {
                // Escape: the cell keeps exactly its text, also one the editor cannot show.
                if (!cancelled) entry->Store(control, cell);
                entry->Hide(control, cell);
            }
        }
    } else if (!IsTextEditorKind(cell.Kind) && cell.Kind != edDataCheckBox && cell.Kind != edNone) {
        FEdit.EditMode = false;
    }
    FEdit.EditCtrl = nullptr;
    if (cell.Kind != edNormal && FEdit.EditActive) DoEditingDone(cell.RealCol, ARow);
    FEdit.EditActive = false;
}
