// Cell geometry over merged areas, repaint requests and the base grid's paint of a cell: its look filled once
// and handed to the cell painter and the contents.
#include "controls/grid/BaseGrid.h"
#include "controls/grid/paint/CellPainter.h"
#include "toolkit/graphics/Canvas.h"

#include <algorithm>

namespace {
TRect UnionOfRects(const TRect& a, const TRect& b) {
    return TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom));
}

// The whole area is painted once per pass, as its base cell, by whichever of its cells comes first.
bool PaintedAsBaseCell(TBaseGrid& g, int& ACol, int& ARow) {
    const TPoint base = g.BaseCell(ACol, ARow);
    if (TCellProperties* baseProps = g.CellProperties(base.X, base.Y)) {
        if (baseProps->PaintID() == g.PaintID()) return false;
        baseProps->SetPaintID(g.PaintID());
    }
    ACol = base.X;
    ARow = base.Y;
    return true;
}

// The cell's plain look, which the descendants' visual properties refine; the look enters with the grid's
// font.
void FillPlainLook(TBaseGrid& g, int ACol, int ARow, bool Fixed, TCellLook& Look) {
    const bool plainSelected =
        !Fixed && g.ShowSel() && (Look.State & gdSelected) && !(Look.State & gdFocused);
    TColor fill = Fixed ? g.FixedColor() : g.Color();
    if (const TCellProperties* props =
            g.HasCellProperties(ACol, ARow) ? g.CellProperties(ACol, ARow) : nullptr)
        if (props->BrushColor() != clNone && !plainSelected) fill = props->BrushColor();
    if (plainSelected && g.SelectionStyle() == ssDefault) {
        fill = clHighlight;
        Look.Font.SetColor(clHighlightText);
    }
    Look.Fill.Color = fill;
    Look.ContentsFill.Color = fill;
    Look.WordWrap = g.WordWrap();
}

// The hovered row and the active row paint over the cell's fill; true when the active row's colours, which
// the pen takes too, were laid on.
bool PaintRowHighlights(TBaseGrid& g, int ACol, int ARow, bool Fixed, bool Full, TCellLook& Look) {
    const bool selected = Look.State & gdSelected;
    if (g.HoverRow() && ARow == g.HoverRowIdx() &&
        !(selected && !(g.HoverRowCells() & HoverRowCellFlag(hcSelected))) &&
        !(Fixed && !(g.HoverRowCells() & HoverRowCellFlag(hcFixed)))) {
        Look.Fill = {g.HoverRowColor(), g.HoverRowColorTo(), clNone, clNone};
        Look.Gradient = GradientVertical;
    }
    if ((g.ActiveRowShow() && ARow == g.Row() && (ACol != g.Col() || !g.ShowSel()) &&
         ACol >= g.FixedCols()) ||
        (!Full && selected)) {
        Look.Fill = {g.ActiveRowColor(), g.ActiveRowColorTo(), g.ActiveRowMirrorColor(),
                     g.ActiveRowMirrorColorTo()};
        return true;
    }
    return false;
}

TCellFrame PaintCellFrame(TBaseGrid& g, int ACol, bool Fixed, TGridDrawState AState) {
    TCellFrame f;
    f.LineColor = g.GridLineColor();
    f.FixedLineColor = g.GridFixedLineColor();
    f.LineWidth = g.GridLineWidth();
    f.Options = g.Options();
    f.Fixed = Fixed;
    f.HorzLine = !(ACol == 0 && g.HasNodes());
    f.StyleFilled = g.IsVCLStyled();
    f.StyledSelection = (AState & gdSelected) && g.SelectionStyle() != ssDefault && g.ShowSel();
    if (!f.StyledSelection) return f;
    f.GridColor = g.Color();
    f.Mirrored = g.BiDiMode() == bdRightToLeft;
    f.SelectionStyle = g.SelectionStyle();
    f.SelectionActive = g.Focused() || (g.Options() & goDrawFocusSelected);
    const TGridRect sel = g.Selection();
    const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
    if (left == ACol && ACol < right)
        f.SelectionSegment = 1;
    else if (right == ACol && ACol > left)
        f.SelectionSegment = 2;
    else if (left < ACol && ACol < right)
        f.SelectionSegment = 3;
    return f;
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
    if (!ACanvas) return;
    if (HideLastRow() && ARow == RowCount() - 1) {
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(Color());
        ACanvas->Pen()->SetColor(Color());
        ACanvas->Rectangle(ARect);
        return;
    }
    if (Full && IsMergedCell(ACol, ARow) && !PaintedAsBaseCell(*this, ACol, ARow)) return;
    if (Full && IsFixed(ACol, ARow)) AState = (AState | gdFixed) & ~gdSelected;
    const bool fixed = AState & gdFixed;
    const TRect r = Full ? CellRect(ACol, ARow) : ARect;

    // A merged area scrolled under the fixed band must not be drawn over it.
    const int clipW = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int clipH = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    const bool clip = (ACol >= FixedCols() && FixedCols() > 0 && r.Left < clipW) ||
                      (ARow >= FixedRows() && FixedRows() > 0 && r.Top < clipH);
    TRect savedClip;
    if (clip) {
        savedClip = ACanvas->ClipRect();
        ACanvas->IntersectClipRect(TRect(clipW, clipH, Width(), Height()));
    }

    TCellLook look(*Font());
    look.State = AState;
    FillPlainLook(*this, ACol, ARow, fixed, look);
    GetVisualProperties(ACol, ARow, false, true, true, look);
    ACanvas->Pen()->SetWidth(1);
    ACanvas->SetFont(&look.Font);
    ACanvas->Pen()->SetColor(look.Fill.Color);
    if (PaintRowHighlights(*this, ACol, ARow, fixed, Full, look)) ACanvas->Pen()->SetColor(look.Fill.Color);
    CellPainter(PaintCellFrame(*this, ACol, fixed, look.State)).Paint(ACanvas, r, look);

    if (Full) {
        const int lw = GridLineWidth();
        const TRect contents = fixed ? TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 2)
                                     : TRect(r.Left + lw, r.Top + lw, r.Right - lw, r.Bottom - lw);
        ACanvas->Brush()->SetStyle(bsClear);
        DrawCellContents(ACanvas, ACol, ARow, contents, look);
    }
    if (clip) ACanvas->SetClipRect(savedClip);
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Pen()->SetStyle(psSolid);
}

void TBaseGrid::DrawCellContents(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, const TCellLook&) {
    TRect r = ARect;
    DrawText(ACanvas, GetCellEx(ACol, ARow), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
