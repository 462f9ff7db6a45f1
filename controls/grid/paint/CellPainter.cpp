// The base grid's cell painter and its selection looks.
#include "controls/grid/paint/CellPainter.h"

#include "controls/grid/BaseGrid.h"
#include "controls/grid/paint/CellLooks.h"
#include "toolkit/graphics/Canvas.h"

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

void CellPainter::Paint(TCanvas* canvas, const TRect& r, const TCellLook& look) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(look.Fill.Color);
    PaintBackground(canvas, r, look);
    PaintGridLines(canvas, r);
}

void CellPainter::PaintBackground(TCanvas* canvas, const TRect& r, const TCellLook& look) {
    const TCellFrame& f = FFrame;
    if (f.StyledSelection) {
        TRect s = r;
        if (!(f.Options & goHorzLine)) s.Bottom += 1;
        if (!(f.Options & goVertLine)) s.Right += 1;
        if (f.Mirrored) {
            s.Right += 1;
            s.Bottom += 1;
        }
        const SelectionLook sel =
            f.SelectionActive ? FocusedSelectionLook(f.SelectionStyle) : InactiveSelectionLook();
        DrawStyledSelection(canvas, sel.Color, sel.ColorTo, sel.MirrorColor, sel.MirrorColorTo,
                            sel.InnerTopColor, sel.InnerBottomColor, sel.BorderColor, sel.CornerColor,
                            f.GridColor, s, f.SelectionSegment);
        return;
    }
    if (f.StyleFilled && (look.State & (gdFixed | gdSelected))) return;
    const TCellFill& fill = look.Fill;
    if (fill.MirrorColorTo == clNone)
        DrawGradientRect(canvas, fill.Color, fill.ColorTo, 64, r, look.Gradient == GradientHorizontal);
    else
        FillCellBackground(canvas, r, fill.Color, fill.ColorTo, fill.MirrorColor, fill.MirrorColorTo, true,
                           clNone, false, true);
    canvas->Brush()->SetColor(fill.Color);
}

void CellPainter::PaintGridLines(TCanvas* canvas, const TRect& r) {
    const TCellFrame& f = FFrame;
    const bool fixed = f.Fixed;
    int half = 1;
    if (fixed) {
        canvas->Pen()->SetColor(f.FixedLineColor);
        canvas->Pen()->SetWidth(1);
    } else {
        // Without a line width there are no lines, only the cells edge to edge.
        if (f.LineWidth <= 0) return;
        canvas->Pen()->SetColor(f.LineColor);
        canvas->Pen()->SetWidth(f.LineWidth);
        half = (f.LineWidth + 1) / 2;
    }
    if (f.HorzLine && (f.Options & (fixed ? goFixedHorzLine : goHorzLine))) {
        canvas->MoveTo(r.Left - half + 1, r.Bottom - half);
        canvas->LineTo(r.Right - half + 1, r.Bottom - half);
    }
    if (f.Options & (fixed ? goFixedVertLine : goVertLine)) {
        // Mirrored painting maps whole pixels, so the line keeps its place inside the cell either way.
        const int x = r.Right - half;
        canvas->MoveTo(x, r.Bottom - half);
        canvas->LineTo(x, r.Top - half);
    }
    canvas->Pen()->SetWidth(1);
}
