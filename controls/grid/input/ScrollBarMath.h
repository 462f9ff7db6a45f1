// The arithmetic of the grid's scroll bars that needs no window: proportional thumbs on a 0..127 scale and
// the number a dragged thumb stands for.
#pragma once

// A proportional bar: range 0..Max with page Page, so positions run 0..127 and the page is about the
// visible share of the range. Apply is false when the bar is to stay as it is.
struct ProportionalBar {
    bool Apply = false;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
};

// Extents in pixels, each column (row) with its grid line: Fixed of the fixed ones, Scrollable of all the
// others, Scrolled of those scrolled out before the left column (top row); View is the grid's width (height).
ProportionalBar HorizontalProportionalBar(int Fixed, int Scrollable, int Scrolled, int View, int CurrentPos);
ProportionalBar VerticalProportionalBar(int Fixed, int Scrollable, int Scrolled, int View, int CurrentPos,
                                        bool AllRowsFit);

// The column (row) a thumb at position Pos of 0..127 stands for.
int ScrollThumbNumber(int Pos, int Count, int Visible, int Fixed);
