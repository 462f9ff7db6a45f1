// The base grid's cell painter and its selection looks.
#include "controls/grid/paint/CellPainter.h"

#include "controls/grid/BaseGrid.h"
#include "controls/grid/paint/CellLooks.h"
#include "toolkit/graphics/Canvas.h"

#include <algorithm>

SelectionLook FocusedSelectionLook(int selectionStyle) {
    switch (selectionStyle) {
    case ssWin7:
        return {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE};
    case ssOffice2007:
        return {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF};
    default:
        return {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB};
    }
}

SelectionLook InactiveSelectionLook() {
    return {0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF};
}

void CellPainter::Paint(TCanvas* canvas, int col, int row, TRect rect, TGridDrawState state, bool full) {
    if (!canvas) return;
    TBaseGrid& g = FGrid;
    if (g.HideLastRow() && row == g.RowCount() - 1) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(g.Color());
        canvas->Pen()->SetColor(g.Color());
        canvas->Rectangle(rect);
        return;
    }
    if (full && g.IsMergedCell(col, row)) {
        // The whole area is painted once per pass, as its base cell, by whichever of its cells comes first.
        const TPoint base = g.BaseCell(col, row);
        if (TCellProperties* baseProps = g.CellProperties(base.X, base.Y)) {
            if (baseProps->PaintID() == g.PaintID()) return;
            baseProps->SetPaintID(g.PaintID());
        }
        col = base.X;
        row = base.Y;
    }
    if (full && g.IsFixed(col, row)) state = (state | gdFixed) & ~gdSelected;
    const bool fixed = state & gdFixed;
    const TRect r = full ? g.CellRect(col, row) : rect;

    // A merged area scrolled under the fixed band must not be drawn over it.
    const int clipW = col >= g.FixedCols() ? g.FixedColsWidth() : 0;
    const int clipH = row >= g.FixedRows() ? g.FixedRowsHeight() : 0;
    const bool clip = (col >= g.FixedCols() && g.FixedCols() > 0 && r.Left < clipW) ||
                      (row >= g.FixedRows() && g.FixedRows() > 0 && r.Top < clipH);
    TRect savedClip;
    if (clip) {
        savedClip = canvas->ClipRect();
        canvas->IntersectClipRect(TRect(clipW, clipH, g.Width(), g.Height()));
    }

    canvas->Pen()->SetWidth(1);
    canvas->SetFont(g.Font());
    // The cell's plain look, which the descendants' visual properties refine.
    const bool plainSelected = !fixed && g.ShowSel() && (state & gdSelected) && !(state & gdFocused);
    TColor fill = fixed ? g.FixedColor() : g.Color();
    if (const TCellProperties* props = g.HasCellProperties(col, row) ? g.CellProperties(col, row) : nullptr)
        if (props->BrushColor() != clNone && !plainSelected) fill = props->BrushColor();
    if (plainSelected && g.SelectionStyle() == ssDefault) {
        fill = clHighlight;
        canvas->Font()->SetColor(clHighlightText);
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(fill);
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = g.WordWrap();
    TCellGradientDirection gd = GradientVertical;
    g.GetVisualProperties(col, row, state, false, true, true, canvas->Brush(), colorTo, mirrorColor,
                          mirrorColorTo, canvas->Font(), ha, va, ww, gd);
    canvas->Pen()->SetColor(canvas->Brush()->Color());

    const bool selected = state & gdSelected;
    if (g.HoverRow() && row == g.HoverRowIdx() &&
        !(selected && !(g.HoverRowCells() & HoverRowCellFlag(hcSelected))) &&
        !(fixed && !(g.HoverRowCells() & HoverRowCellFlag(hcFixed)))) {
        canvas->Brush()->SetColor(g.HoverRowColor());
        colorTo = g.HoverRowColorTo();
        mirrorColor = clNone;
        mirrorColorTo = clNone;
        gd = GradientVertical;
    }
    if ((g.ActiveRowShow() && row == g.Row() && (col != g.Col() || !g.ShowSel()) && col >= g.FixedCols()) ||
        (!full && selected)) {
        canvas->Brush()->SetColor(g.ActiveRowColor());
        colorTo = g.ActiveRowColorTo();
        mirrorColor = g.ActiveRowMirrorColor();
        mirrorColorTo = g.ActiveRowMirrorColorTo();
        canvas->Pen()->SetColor(canvas->Brush()->Color());
    }

    PaintBackground(canvas, col, r, state, colorTo, mirrorColor, mirrorColorTo, gd == GradientHorizontal);
    PaintGridLines(canvas, col, r, fixed);

    if (full) {
        const int lw = g.GridLineWidth();
        const TRect contents = fixed ? TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 2)
                                     : TRect(r.Left + lw, r.Top + lw, r.Right - lw, r.Bottom - lw);
        canvas->Brush()->SetStyle(bsClear);
        g.DrawCellContents(canvas, col, row, contents, state);
    }
    if (clip) canvas->SetClipRect(savedClip);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Pen()->SetStyle(psSolid);
}

void CellPainter::PaintBackground(TCanvas* canvas, int col, const TRect& r, TGridDrawState state,
                                  TColor colorTo, TColor mirrorColor, TColor mirrorColorTo,
                                  bool gradientHorizontal) {
    TBaseGrid& g = FGrid;
    const bool fixed = state & gdFixed;
    const bool selected = state & gdSelected;
    if (selected && g.SelectionStyle() != ssDefault && g.ShowSel()) {
        const TGridRect sel = g.Selection();
        const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
        int segment = 0;
        if (left == col && col < right)
            segment = 1;
        else if (right == col && col > left)
            segment = 2;
        else if (left < col && col < right)
            segment = 3;
        TRect s = r;
        if (!(g.Options() & goHorzLine)) s.Bottom += 1;
        if (!(g.Options() & goVertLine)) s.Right += 1;
        if (g.BiDiMode() == bdRightToLeft) {
            s.Right += 1;
            s.Bottom += 1;
        }
        const bool active = g.Focused() || (g.Options() & goDrawFocusSelected);
        const SelectionLook look =
            active ? FocusedSelectionLook(g.SelectionStyle()) : InactiveSelectionLook();
        DrawStyledSelection(canvas, look.Color, look.ColorTo, look.MirrorColor, look.MirrorColorTo,
                            look.InnerTopColor, look.InnerBottomColor, look.BorderColor, look.CornerColor,
                            g.Color(), s, segment);
        return;
    }
    if (g.IsVCLStyled() && (fixed || selected)) return;
    const TColor color = canvas->Brush()->Color();
    if (mirrorColorTo == clNone)
        DrawGradientRect(canvas, color, colorTo, 64, r, gradientHorizontal);
    else
        FillCellBackground(canvas, r, color, colorTo, mirrorColor, mirrorColorTo, true, clNone, false, true);
    canvas->Brush()->SetColor(color);
}

void CellPainter::PaintGridLines(TCanvas* canvas, int col, const TRect& r, bool fixed) {
    TBaseGrid& g = FGrid;
    const TGridOptions opts = g.Options();
    int half = 1;
    if (fixed) {
        canvas->Pen()->SetColor(g.GridFixedLineColor());
        canvas->Pen()->SetWidth(1);
    } else {
        // Without a line width there are no lines, only the cells edge to edge.
        if (g.GridLineWidth() <= 0) return;
        canvas->Pen()->SetColor(g.GridLineColor());
        canvas->Pen()->SetWidth(g.GridLineWidth());
        half = (g.GridLineWidth() + 1) / 2;
    }
    if (!(col == 0 && g.HasNodes()) && (opts & (fixed ? goFixedHorzLine : goHorzLine))) {
        canvas->MoveTo(r.Left - half + 1, r.Bottom - half);
        canvas->LineTo(r.Right - half + 1, r.Bottom - half);
    }
    if (opts & (fixed ? goFixedVertLine : goVertLine)) {
        // Mirrored painting maps whole pixels, so the line keeps its place inside the cell either way.
        const int x = r.Right - half;
        canvas->MoveTo(x, r.Bottom - half);
        canvas->LineTo(x, r.Top - half);
    }
    canvas->Pen()->SetWidth(1);
}
