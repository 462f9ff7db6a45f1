// The current row by real index; minimal until the grid data operations bring their version.
#include "controls/grid/QvGrid.h"

int TQvStringGrid::GetRowEx() const {
    return RealRowIndex(Row());
}

void TQvStringGrid::SetRowEx(int ARow) {
    const int display = DisplRowIndex(ARow);
    if (display >= 0 && display < RowCount()) SetRow(display);
}
