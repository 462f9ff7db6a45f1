// Minimal in-place editing entry points (stand-in until the editing engine lands; keep the engine's version).
#include "controls/grid/QvGrid.h"

void TQvStringGrid::ShowInplaceEdit() {
    if (Options() & goEditing) ShowEditor();
}

void TQvStringGrid::HideInplaceEdit() {
    if (EditorMode()) HideEditor();
}

bool TQvStringGrid::IsEditable(int ACol, int ARow) {
    if (!(Options() & goEditing) && !FMouseActions->RangeSelectAndEdit()) return false;
    const TPoint b = BaseCell(DisplColIndex(ACol), ARow);
    bool allow = true;
    CanEditCell(RealColIndex(b.X), b.Y, allow);
    bool fixed = false;
    DoIsFixedCell(RealColIndex(b.X), b.Y, fixed);
    return allow && !fixed;
}
