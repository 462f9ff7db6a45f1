// Minimal in-place editing entry points (stand-in until the editing engine lands; keep the engine's version).
#include "controls/grid/QvGrid.h"

void TQvStringGrid::ShowInplaceEdit() {
    if (Options() & goEditing) ShowEditor();
}

void TQvStringGrid::HideInplaceEdit() {
    if (EditorMode()) HideEditor();
}

bool TQvStringGrid::IsEditable(int ACol, int ARow) {
    bool canEdit = (Options() & goEditing) != 0;
    CanEditCell(ACol, ARow, canEdit);
    return canEdit;
}
