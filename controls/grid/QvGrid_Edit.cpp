// Editing engine entries used by the keyboard: editability of a cell, opening and closing its editor.
#include "controls/grid/QvGrid.h"

// Minimal versions until the editing engine lands; the engine's own replace them.
bool TQvStringGrid::IsEditable(int ACol, int ARow) {
    if (!(Options() & goEditing) && !FMouseActions->RangeSelectAndEdit()) return false;
    int bc = ACol, br = ARow;
    CheckBaseCell(ACol, ARow, bc, br);
    bool allow = true;
    CanEditCell(bc, br, allow);
    const int dcol = DisplColIndex(bc);
    return allow && dcol >= 0 && !IsFixed(dcol, br);
}

// Minimal version until the editing engine lands.
void TQvStringGrid::ShowInplaceEdit() {
    if (HasInCellControl(RealCol(), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    ShowEditor();
}

// Minimal version until the editing engine lands.
void TQvStringGrid::HideInplaceEdit() {
    if (EditorMode()) HideEditor();
}
