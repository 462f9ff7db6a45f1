// Scrolling, sizing and zoom of the string grid: the stretch column, sizing all columns or rows with the one
// the user sized, and what follows every change of a width or height.
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/ScrollBarMath.h"

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

// Scroll bars
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ScrollRangeChanged() {
    TBaseGrid::ScrollRangeChanged();
    UpdateScrollBarAlways(false);
    UpdateProportionalBars();
}

void TQvStringGrid::UpdateScrollBarAlways(bool Hide) {
    const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
    if (FScrollBarAlways != saNone) {
        if (rowsFit) ShowScrollBar(SB_VERT, FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
        if (colsFit) ShowScrollBar(SB_HORZ, FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
        EnableScrollBar(SB_VERT, !rowsFit);
        EnableScrollBar(SB_HORZ, !colsFit);
    } else if (Hide) {
        if (rowsFit) ShowScrollBar(SB_VERT, false);
        if (colsFit) ShowScrollBar(SB_HORZ, false);
    }
}

void TQvStringGrid::SetScrollProportional(bool Value) {
    FScrollProportional = Value;
    if (Value) {
        UpdateProportionalBars();
        return;
    }
    // Back to the plain bars: the toolkit's ranges, pages and positions.
    if (Parent()) ColWidthsChanged();
}

void TQvStringGrid::UpdateProportionalBars() {
    if (!FScrollProportional || IsLoading() || IsDesigning()) return;
    const int line = GridLineWidth();
    auto extents = [&](int count, int fixed, int first, auto size, int& F, int& S, int& D) {
        F = S = D = line;
        for (int i = 0; i < count; ++i) {
            const int s = size(i) + line;
            if (i < fixed)
                F += s;
            else
                S += s;
            if (i >= fixed && i < first) D += s;
        }
    };
    int F = 0, S = 0, D = 0;
    extents(
        RowCount(), FixedRows(), TopRow(), [this](int r) { return RowHeights(r); }, F, S, D);
    const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const ProportionalBar v =
        VerticalProportionalBar(F, S, D, ClientHeight(), GetScrollPos(SB_VERT), rowsFit);
    if (v.Apply) SetScrollInfo(SB_VERT, TScrollInfo{0, v.Max, v.Page, v.Pos, v.Pos});
    extents(
        ColCount(), FixedCols(), LeftCol(), [this](int c) { return ColWidths(c); }, F, S, D);
    const ProportionalBar h = HorizontalProportionalBar(F, S, D, ClientWidth(), GetScrollPos(SB_HORZ));
    if (h.Apply) SetScrollInfo(SB_HORZ, TScrollInfo{0, h.Max, h.Page, h.Pos, h.Pos});
}
