// Keyboard navigation helpers the editors call (minimal forms until the keyboard navigation lands).
#include "controls/grid/QvGrid.h"

// Minimal: the first column after the fixed ones (the column after the node column when there is none).
int TQvStringGrid::FirstDataCol() {
    return FixedCols() == 0 && HasNodes() ? 1 : FixedCols();
}

// Minimal: right fixed columns are never hidden yet.
int TQvStringGrid::VisibleFixedRightCols() {
    return FFixedRightCols;
}

// Minimal: the toolkit's own Tab move.
bool TQvStringGrid::AdvanceFromEditor(bool Backward) {
    Word key = VK_TAB;
    KeyDown(key, Backward ? TShiftState(ssShift) : TShiftState(0));
    return true;
}
