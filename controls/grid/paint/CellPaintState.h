// The working values of one cell's paint in the string grid, shared by its steps and the graphic painter.
#pragma once

#include "controls/grid/QvGrid_Graphic.h"
#include "controls/grid/QvObj.h"
#include "controls/grid/paint/CellLook.h"
#include "controls/grid/paint/GraphicPainter.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"

struct TCellPaintState {
    TCanvas* Canvas = nullptr;
    // The cell's look, filled once for the whole paint of the cell.
    const TCellLook* Look = nullptr;
    int DisplCol = 0;
    int RealCol = 0;
    int Row = 0;
    // The row whose selection flag counts: the real row under persistent disjunct row selection.
    int SelRow = 0;
    TGridDrawState State = 0;
    TCellGraphicInfo Graphic;
    // Written by the text step (measured width + 2), read by the graphic step; 0 until then.
    int TextWidth = 0;
    // The graphic's width when it stands left of left-aligned text: the sort glyph moves by it.
    int GraphicOffset = 0;
    bool Fixed = false;
    bool Styled = false;
    bool FilterCell = false;
    int ScrollOffset = 0;
    TColor SavedBrushColor = clNone;
    TColor SavedFontColor = clNone;
    // The colour of links in the text: the selection's text colour where the text step lays it on.
    TColor LinkColor = clNone;
};
