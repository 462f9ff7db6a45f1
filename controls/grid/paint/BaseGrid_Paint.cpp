// Cell geometry over merged areas, repaint requests and the paint entries of the base grid.
#include "controls/grid/BaseGrid.h"
#include "controls/grid/paint/CellPainter.h"
#include "toolkit/graphics/Canvas.h"

#include <algorithm>

namespace {
TRect UnionOfRects(const TRect& a, const TRect& b) {
    return TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom));
}
} // namespace

int TBaseGrid::FixedColsWidth() const {
    int w = 0;
    for (int c = 0; c < FixedCols(); ++c)
        w += ColWidths(c);
    return w;
}

int TBaseGrid::FixedRowsHeight() const {
    int h = 0;
    for (int r = 0; r < FixedRows(); ++r)
        h += RowHeights(r);
    return h;
}

// The toolkit draws no lines of its own (the cell painter does), so cells lie edge to edge. Scrolled cells
// are measured from the first one shown, so the cost follows the distance from the view, not the index.
TRect TBaseGrid::CalcCellRect(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return TRect();
    int x = 0;
    if (ACol < FixedCols()) {
        for (int c = 0; c < ACol; ++c)
            x += ColWidths(c);
    } else {
        x = FixedColsWidth();
        for (int c = LeftCol(); c < ACol; ++c)
            x += ColWidths(c);
        for (int c = ACol; c < LeftCol(); ++c)
            x -= ColWidths(c);
    }
    int y = 0;
    if (ARow < FixedRows()) {
        for (int r = 0; r < ARow; ++r)
            y += RowHeights(r);
    } else {
        y = FixedRowsHeight();
        for (int r = TopRow(); r < ARow; ++r)
            y += RowHeights(r);
        for (int r = ARow; r < TopRow(); ++r)
            y -= RowHeights(r);
    }
    return TRect(x, y, x + ColWidths(ACol), y + RowHeights(ARow));
}

TRect TBaseGrid::CellRect(int c, int r) {
    const TCellProperties* props = PropsAt(c, r);
    if (props && (props->CellSpanX() != -1 || props->CellSpanY() != -1)) {
        const TPoint base = props->GetBaseCell(c, r);
        const TPoint span = AreaSpan(base);
        TRect first = CalcCellRect(base.X, base.Y);
        if (first.Right <= first.Left) first.Right = first.Left + 1;
        TRect last = CalcCellRect(base.X + std::max(span.X, 0), base.Y + std::max(span.Y, 0));
        if (last.Right <= last.Left) last.Left = last.Right - 1;
        return UnionOfRects(first, last);
    }
    if (props && props->Control()) return CalcCellRect(c, r);
    if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount()) return TRect();
    const TRect shown = TCustomGrid::CellRect(c, r);
    return TRect(shown.Left, shown.Top, shown.Left + ColWidths(c), shown.Top + RowHeights(r));
}

TPoint TBaseGrid::CellSize(int c, int r) {
    const TCellProperties* props = PropsAt(c, r);
    const TRect rect =
        props && (props->CellSpanX() != -1 || props->CellSpanY() != -1) ? CellRect(c, r) : CalcCellRect(c, r);
    return TPoint(rect.Width(), rect.Height());
}

void TBaseGrid::RepaintCell(int c, int r) {
    if (!HandleAllocated()) return;
    const TRect area = FullCell(c, r);
    InvalidateGridRect(TGridRect{area.Left, area.Top, area.Right, area.Bottom});
}

// Painting
// ---------------------------------------------------------------------------------------------------

void TBaseGrid::Paint() {
    TObjStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    DoPaintCell(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                             TGridDrawState AState) {
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DoPaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                            bool Full) {
    CellPainter(*this).Paint(ACanvas, ACol, ARow, ARect, AState, Full);
}

void TBaseGrid::DrawCellContents(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState) {
    TRect r = ARect;
    DrawText(ACanvas, GetCellEx(ACol, ARow), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
