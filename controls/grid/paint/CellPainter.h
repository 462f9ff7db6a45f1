// The base grid's paint of one cell: background, selection look, hover and active row, grid lines, then
// the grid's own contents.
#pragma once

#include "toolkit/grids/Grids.h"
#include "toolkit/graphics/Canvas.h"

class TBaseGrid;
class TCanvas;

// Colours of one selection look.
struct SelectionLook {
    TColor Color;
    TColor ColorTo;
    TColor MirrorColor;
    TColor MirrorColorTo;
    TColor InnerTopColor;
    TColor InnerBottomColor;
    TColor BorderColor;
    TColor CornerColor;
};

// The look of the selection style (TGridSelectionStyle) while the grid has the focus, and the grey look of
// every style while it has not.
SelectionLook FocusedSelectionLook(int selectionStyle);
SelectionLook InactiveSelectionLook();

class CellPainter {
public:
    explicit CellPainter(TBaseGrid& grid) : FGrid(grid) {}
    // Full paints a merged area once per pass over its whole rectangle, with contents; otherwise the single
    // cell is painted without contents (drag images).
    void Paint(TCanvas* canvas, int col, int row, TRect rect, TGridDrawState state, bool full);

private:
    void PaintBackground(TCanvas* canvas, int col, const TRect& r, TGridDrawState state, TColor colorTo,
                         TColor mirrorColor, TColor mirrorColorTo, bool gradientHorizontal);
    void PaintGridLines(TCanvas* canvas, int col, const TRect& r, bool fixed);

    TBaseGrid& FGrid;
};
