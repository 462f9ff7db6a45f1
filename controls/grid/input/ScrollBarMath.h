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

// The extents a proportional bar is worked out from, kept between scroll steps: a step moves only the
// rows (columns) between the old and the new first one from one side to the other.
struct ProportionalExtents {
    bool Valid = false;
    int Fixed = 0;
    int Scrollable = 0;
    int Scrolled = 0;
    int First = 0;
};

// The column (row) a thumb at position Pos of 0..127 stands for.
int ScrollThumbNumber(int Pos, int Count, int Visible, int Fixed);

// The thumb of a slim bar along a bar of Extent pixels whose track (the part beside the scrolled cells) is
// Track long and starts after FixedLength: First is the top row (left column) of Count, Fixed of them fixed
// and Visible shown. Length 0: no thumb (no rows to scroll through).
struct SlimThumb {
    int Pos = 0;
    int Length = 0;
    bool operator==(const SlimThumb&) const = default;
};
SlimThumb SlimBarThumb(int Extent, int Track, int FixedLength, int First, int Fixed, int Count, int Visible);
// A click beside the thumb: a page up (left) or down (right), within Fixed .. Count - Visible.
int SlimBarPageFirst(bool Forward, int First, int Fixed, int Count, int Visible);
// The thumb dragged from DownPos (where First was DownFirst) to Pos over a bar whose Span pixels stand for
// all Count rows; a span of 0 or less scrolls nothing (DownFirst).
int SlimBarDragFirst(int Pos, int DownPos, int DownFirst, int Span, int Fixed, int Count, int Visible);
