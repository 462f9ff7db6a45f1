// The markup cell-control editors' keys and the fixed-cell editors' store.
#include "controls/grid/edit/CellControlEditors.h"

#include "controls/grid/QvGrid.h"

namespace {

// Enter and Tab of a control editor over a grid's cell; true when the key was one of them.
bool EndCellControlEdit(TWinControl& Editor, QChar& Key) {
    auto* grid = dynamic_cast<TQvStringGrid*>(Editor.Parent());
    if (!grid || (Key != QChar('\r') && Key != QChar('\t'))) return false;
    const bool tab = Key == QChar('\t');
    Key = QChar();
    grid->ControlEditDone(&Editor);
    if (!tab) {
        if (grid->CanFocus()) grid->SetFocus();
    } else if (grid->Navigation()->AdvanceAuto()) {
        if (grid->CanFocus()) grid->SetFocus();
        grid->AdvanceToNextCell(grid->Col(), grid->Row(), true, true, true, false, false);
    } else {
        grid->EditNextCellControl();
    }
    return true;
}

} // namespace

LRESULT TControlEdit::DialogCode() const {
    return TMaskEdit::DialogCode() | DLGC_WANTTAB;
}

void TControlEdit::KeyPress(QChar& Key) {
    if (!EndCellControlEdit(*this, Key)) TMaskEdit::KeyPress(Key);
}

LRESULT TControlCombo::DialogCode() const {
    return TQsgComboBox::DialogCode() | DLGC_WANTTAB;
}

void TControlCombo::KeyPress(QChar& Key) {
    if (!EndCellControlEdit(*this, Key)) TQsgComboBox::KeyPress(Key);
}

TFixedCellTarget::TFixedCellTarget(TComponent* Owner) : Grid(dynamic_cast<TQvStringGrid*>(Owner)) {}

bool TFixedCellTarget::Store(TWinControl& Editor, const String& Text) const {
    if (!Grid) {
        Editor.SetVisible(false);
        return true;
    }
    String value = Text;
    bool valid = true;
    if (Grid->OnCellValidate) Grid->OnCellValidate(Grid, Col, Row, value, valid);
    if (!valid) {
        const int displayCol = Grid->DisplColIndex(Col);
        if (displayCol >= 0) Grid->SetCol(displayCol);
        Grid->SetRow(Row);
        if (Editor.CanFocus()) Editor.SetFocus();
        return false;
    }
    if (Grid->OnEditingDone) Grid->OnEditingDone(Grid);
    Grid->SetCellEx(Col, Row, value);
    Editor.SetVisible(false);
    return true;
}
