// Keys, wheel, scrolling and selection over merged areas: the current cell always ends on a base cell.
#include "controls/grid/BaseGrid.h"

#include <algorithm>

void TBaseGrid::GotoBaseCell() {
    const TCellProperties* props = PropsAt(Col(), Row());
    if (!props) return;
    const TPoint base = props->GetBaseCell(Col(), Row());
    // An area reaching into the fixed band keeps the current cell where it is.
    if (base.X < FixedCols() || base.Y < FixedRows() || base.X >= ColCount() || base.Y >= RowCount()) return;
    if (base.X != Col()) SetCol(base.X);
    if (base.Y != Row()) SetRow(base.Y);
}

void TBaseGrid::KeyDown(Word& Key, TShiftState Shift) {
    const int col = Col();
    const int row = Row();
    const TCellProperties* props = PropsAt(col, row);
    TPoint base(col, row);
    TPoint span(-1, -1);
    if (props) {
        base = props->GetBaseCell(col, row);
        if (const TCellProperties* baseProps = PropsAt(base.X, base.Y))
            span = TPoint(baseProps->CellSpanX(), baseProps->CellSpanY());
    }
    // Each step puts the current cell on the area's edge; the toolkit's move then leaves the area.
    switch (Key) {
    case VK_NEXT:
        if (FHideLastRow && RowCount() > 1 && VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1)
            SetRow(RowCount() - 2);
        break;
    case VK_LEFT:
        if (props && base.X < col && col > FixedCols() && base.X > 0) SetCol(std::max(base.X, FixedCols()));
        break;
    case VK_UP:
        if (props && base.Y < row && row > FixedRows() && base.Y > 0) SetRow(std::max(base.Y, FixedRows()));
        break;
    case VK_RIGHT:
        if (props) {
            const int last = base.X + span.X;
            if (last >= col && col < ColCount() - 1 && base.X < ColCount() - 1 && last < ColCount())
                SetCol(last);
        }
        break;
    case VK_DOWN:
        if (props) {
            const int last = base.Y + span.Y;
            if (last >= row && row < RowCount() - 1 && base.Y < RowCount() - 1 && last < RowCount())
                SetRow(last);
        }
        break;
    default:
        break;
    }
    TObjStringGrid::KeyDown(Key, Shift);
    GotoBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    const bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (FHideLastRow && Row() < RowCount() - 1 && VisibleRowCount() < Row() - TopRow())
        SetTopRow(TopRow() + 1);
    GotoBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    const bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    GotoBaseCell();
    return result;
}

void TBaseGrid::RepaintMergedFixedCols() {
    const int last = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
    for (int c = 0; c < FixedCols(); ++c)
        for (int r = TopRow(); r <= last; ++r)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

void TBaseGrid::RepaintMergedFixedRows() {
    const int last = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = LeftCol(); c <= last; ++c)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

// A merged area in a fixed band may reach into the scrolled cells: it is painted anew with them.
void TBaseGrid::TopLeftChanged() {
    TObjStringGrid::TopLeftChanged();
    RepaintMergedFixedCols();
    RepaintMergedFixedRows();
}

bool TBaseGrid::SelectCell(int ACol, int ARow) {
    if (BiDiMode() == bdRightToLeft) {
        const bool result = TObjStringGrid::SelectCell(ACol, ARow);
        Invalidate();
        return result;
    }
    RepaintCell(Col(), Row());
    const bool result = TObjStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return result;
}
