// The base grid's paint of one cell from what it is handed: the background with the selection look, then
// the grid lines. It reads no grid, so a screen cell and a printed one are painted alike.
#pragma once

#include "controls/grid/paint/CellLook.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"

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

// The lines and the selection frame round one cell: the grid-wide settings they are drawn with and the
// cell's place in the selection.
struct TCellFrame {
    TColor LineColor = clSilver;
    TColor FixedLineColor = clBlack;
    int LineWidth = 1;
    TGridOptions Options = 0;
    bool Fixed = false; // lines in the fixed cells' colour, after the fixed options
    // The node column draws its own tree instead of the line under the cell.
    bool HorzLine = true;
    // The cell shows the frame of a selection style instead of its fill; the frame's settings follow.
    bool StyledSelection = false;
    TColor GridColor = clWindow; // what the rounded corners stand on
    bool Mirrored = false;
    int SelectionStyle = 0;
    bool SelectionActive = false; // the focused colours, else the grey ones
    int SelectionSegment = 0;     // 0 alone, 1 first, 2 last, 3 a column between them
    // A toolkit style paints fixed and selected cells itself.
    bool StyleFilled = false;
};

class CellPainter {
public:
    explicit CellPainter(const TCellFrame& frame) : FFrame(frame) {}
    // The background in the look's fill, then the lines. Where it draws neither, the canvas pen stays the
    // caller's.
    void Paint(TCanvas* canvas, const TRect& r, const TCellLook& look);

private:
    void PaintBackground(TCanvas* canvas, const TRect& r, const TCellLook& look);
    void PaintGridLines(TCanvas* canvas, const TRect& r);

    const TCellFrame& FFrame;
};
