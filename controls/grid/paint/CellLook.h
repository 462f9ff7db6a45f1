// One cell's look as the painters draw it: filled once per painted cell by the grid's visual properties and
// handed to the cell, contents and graphic painters, as an item view fills one style option per item for
// its delegate. A printed cell is drawn from the same value.
#pragma once

#include "controls/grid/QvObj.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/grids/Grids.h"

// A cell's fill: a colour, the end of its gradient and the mirror pair of a fill split at half height
// (clNone: none).
struct TCellFill {
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor MirrorColor = clNone;
    TColor MirrorColorTo = clNone;
};

struct TCellLook {
    TCellLook() = default;
    // Starts from a copy of Font, without the owner's change notification: a copy shares the font's name,
    // where a new font would make its own.
    explicit TCellLook(const TFont& AFont) : Font(AFont) { Font.OnChange = nullptr; }

    // The draw state as the look rules leave it: gdFixed for fixed cells, gdSelected as the selection shows.
    TGridDrawState State = 0;
    // The background as painted: the selection's colours, the hovered and the active row included.
    TCellFill Fill;
    TCellGradientDirection Gradient = GradientVertical;
    // The colours the contents start from: the cell's own, with the selection colouring of the background
    // left out (the text step lays its own selection colours on).
    TCellFill ContentsFill;
    // The contents' font, in the contents' colour.
    TFont Font;
    TAlignment HAlign = taLeftJustify;
    TVAlignment VAlign = vtaTop;
    bool WordWrap = false;
};
