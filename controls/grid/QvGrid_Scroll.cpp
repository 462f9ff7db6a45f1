// Scrolling, sizing and zoom of the string grid: the stretch column, sizing all columns or rows with the one
// the user sized, and what follows every change of a width or height.
#include "controls/grid/QvGrid.h"

#include <cmath>

void TQvStringGrid::StretchColumn(int ACol) {
    if (IsLoading() || IsDestroying()) return;
    if (ACol == -1) ACol = ColCount() - 1;
    if (ACol >= ColCount() || ACol < -1) throw EQvGridError("Stretch column index out of range");
    if (ColCount() == 0 || !FColumnSize->Stretch() || FStretching) return;
    FStretching = true;
    struct Done {
        bool& Flag;
        ~Done() { Flag = false; }
    } done{FStretching};
    if (ColCount() == 1) {
        SetColWidths(0, ClientWidth());
        return;
    }
    // Each column takes its grid line along, so the columns end exactly at the client's edge.
    const int line = GridLineWidth();
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != ACol) others += ColWidths(c) + line;
    if (others < ClientWidth())
        SetColWidths(ACol, std::max(0, ClientWidth() - others - line));
    else if (LeftCol() == FixedCols())
        SetColWidths(ACol, DefaultColWidth());
}

void TQvStringGrid::StretchRightColumn() {
    StretchColumn(ColCount() - 1);
}

void TQvStringGrid::StretchSettingsColumn() {
    if (!FColumnSize->Stretch()) return;
    const int col = FColumnSize->StretchColumn();
    if (col < ColCount()) StretchColumn(col < 0 ? -1 : col);
}

void TQvStringGrid::ColWidthsChanged() {
    if (!FStretching && Parent()) StretchSettingsColumn();
    TBaseGrid::ColWidthsChanged();
    UpdateFooter();
}

void TQvStringGrid::RowHeightsChanged() {
    TBaseGrid::RowHeightsChanged();
}

namespace {

int ScaledSize(int Size, int New, int Old) {
    return int(std::lround(double(Size) * New / Old));
}

} // namespace

void TQvStringGrid::UserSizedColumn(int ACol, int OldSize) {
    const int now = ColWidths(ACol);
    if (FMouseActions->AllColumnSize() && OldSize > 0)
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (c != ACol) SetColWidths(c, ScaledSize(ColWidths(c), now, OldSize));
    if (OnEndColumnSize) OnEndColumnSize(this, ACol);
    int w = ColWidths(ACol);
    UpdateColSize(ACol, w);
    if (w != ColWidths(ACol)) SetColWidths(ACol, std::max(0, w));
}

void TQvStringGrid::UserSizedRow(int ARow, int OldSize) {
    const int now = RowHeights(ARow);
    if (FMouseActions->AllRowSize() && OldSize > 0)
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow) SetRowHeights(r, ScaledSize(RowHeights(r), now, OldSize));
    if (OnEndRowSize) OnEndRowSize(this, ARow);
}
