// The item selector's geometry and key moves as plain functions: the common cell size of the items, where
// each item sits in its rows of columns, which items a rectangle of the panel touches, and the item a
// key moves to. Tested from tables without a window.
#pragma once

#include "toolkit/system/Types.h"

#include <vector>

// Where an item's caption sits beside its visual (picture, image or colour box).
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

struct TItemSelectorSpacing {
    // Between the panel's edge and the items.
    int OffSetX = 2, OffSetY = 2;
    // Inside an item, around its visual and caption.
    int ItemOffSetX = 4, ItemOffSetY = 4;
    // Between visual and caption.
    int CaptionGap = 4;
};

// The cell every item gets from the largest visual and the largest caption. A caption width above 0
// gains 4 pixels of air.
TSize SelectorCellSize(TItemLayout Layout, TSize Visual, TSize Caption, const TItemSelectorSpacing& Spacing);

struct TItemSelectorArrangement {
    std::vector<TRect> Rects;
    TSize PanelSize;
};
// Count cells of Cell size in rows of Columns from the item area's origin; the panel is sized so both
// margins are equal. Without items the panel is 100 x 50.
TItemSelectorArrangement ArrangeSelectorItems(int Count, int Columns, TSize Cell, TPoint Origin);

// The first and one past the last index of the items a rectangle of the panel touches, for items laid
// out by ArrangeSelectorItems.
struct TIndexRange {
    int First = 0, End = 0;
};
TIndexRange SelectorItemsIn(const TRect& Area, int Count, int Columns, TSize Cell, TPoint Origin);

// The keys of a focused selector.
enum class TSelectorMove { Left, Right, Up, Down, PageUp, PageDown, Home, End };
// The index a key selects from Current (-1: none) among Count items, or -1 for no move. Left and Right
// step one index, Up and Down one row, the page keys Page items (at least one).
int SelectorMoveTarget(TSelectorMove Move, int Current, int Count, int Columns, int Page);
