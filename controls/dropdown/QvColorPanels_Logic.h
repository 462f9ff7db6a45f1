// The colour panels' tables and geometry without a window: the default palette, the placement of the
// palette's boxes, the colour cube's cells and hit test, the palette's keys, and the spectrum picture.
#pragma once

#include "toolkit/graphics/Graphics.h"

#include <vector>

enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

struct TPaletteEntry {
    TColor Color;
    TItemPos Pos;
};
// The 60 default palette colours, row by row, ten to a row.
const std::vector<TPaletteEntry>& DefaultPalette();

// Places boxes of Size in rows of Columns from Origin, ColumnGap apart; a row holding a stand-alone box
// is followed by a gap, shade rows touch. Answers the rectangles and the control's size (100 x 50 for
// none).
struct TBoxLayout {
    std::vector<TRect> Rects;
    TSize ControlSize;
};
TBoxLayout ArrangeColorBoxes(const std::vector<TItemPos>& Positions, int Columns, int ColumnGap, TSize Box,
                             TPoint Origin);

// The palette's answer to a navigation key: the new index, or -1 for no change. Count is the number of
// boxes, Index the selected one (-1 for none).
int PaletteKeyTarget(Word Key, int Index, int Count, int Columns, bool EditorEnabled, bool DroppedDown);

struct TCubeCell {
    TPoint Center;
    TColor Color;
};
// Cells 1 .. 127 at indexes 1 .. 127 (index 0 unused), thirteen rows of 7 to 13 cells forming a hexagon.
const std::vector<TCubeCell>& ColorCubeCells();
// The first cell whose centre lies within 6 pixels of the point, else -1.
int CubeCellAtPos(int X, int Y);
// The hexagon of a cell: a its quarter height, b its half width.
std::vector<TPoint> CubeHexagon(TPoint Center, int a, int b);
// "Red: r,  Green: g,  Blue: b".
String CubeHintText(TColor Color);

// The spectrum picture's colour at (X, Y) of its Size x Size pixels: the hue runs from red at the left
// through yellow, green, cyan, blue and magenta back to red; each column runs from white at the top
// through the full hue in the middle row to black at the bottom.
TColor SpectrumColorAt(int X, int Y, int Size = 128);
