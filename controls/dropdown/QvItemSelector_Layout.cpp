// The item selector's cell size, arrangement, painted range and key moves.
#include "controls/dropdown/QvItemSelector_Layout.h"

#include <algorithm>

TSize SelectorCellSize(TItemLayout Layout, TSize Visual, TSize Caption, const TItemSelectorSpacing& S) {
    const int a = Visual.cx, b = Visual.cy, d = Caption.cy;
    const int c = Caption.cx > 0 ? Caption.cx + 4 : Caption.cx;
    if (Layout == ilCaptionLeft || Layout == ilCaptionRight) {
        int w = 2 * S.ItemOffSetX;
        if (a > 0) w += a;
        if (a > 0 && c > 0) w += S.CaptionGap;
        if (c > 0) w += c;
        return TSize{w, std::max(d, b) + 2 * S.ItemOffSetY};
    }
    int h = 2 * S.ItemOffSetY;
    if (b > 0) h += b;
    if (b > 0 && d >= 1) h += S.CaptionGap;
    if (d >= 1) h += d;
    return TSize{std::max(c, a) + 2 * S.ItemOffSetX, h};
}

TItemSelectorArrangement ArrangeSelectorItems(int Count, int Columns, TSize Cell, TPoint Origin) {
    TItemSelectorArrangement out;
    if (Count <= 0) {
        out.PanelSize = TSize{100, 50};
        return out;
    }
    Columns = std::max(1, Columns);
    out.Rects.reserve(static_cast<size_t>(Count));
    int x = Origin.X, y = Origin.Y, inRow = 0, widestRowEnd = Origin.X;
    for (int i = 0; i < Count; ++i) {
        out.Rects.emplace_back(x, y, x + Cell.cx, y + Cell.cy);
        widestRowEnd = std::max(widestRowEnd, x);
        if (i == Count - 1) break;
        if (++inRow < Columns) {
            x += Cell.cx;
        } else {
            inRow = 0;
            x = Origin.X;
            y += Cell.cy;
        }
    }
    out.PanelSize = TSize{widestRowEnd + Cell.cx + Origin.X, y + Cell.cy + Origin.Y};
    return out;
}

TIndexRange SelectorItemsIn(const TRect& Area, int Count, int Columns, TSize Cell, TPoint Origin) {
    if (Count <= 0 || Cell.cy <= 0 || Area.Bottom <= Origin.Y) return {};
    Columns = std::max(1, Columns);
    const int rows = (Count + Columns - 1) / Columns;
    const int firstRow = std::clamp((Area.Top - Origin.Y) / Cell.cy, 0, rows);
    const int endRow = std::clamp((Area.Bottom - Origin.Y + Cell.cy - 1) / Cell.cy, firstRow, rows);
    return {std::min(Count, firstRow * Columns), std::min(Count, endRow * Columns)};
}

int SelectorMoveTarget(TSelectorMove Move, int Current, int Count, int Columns, int Page) {
    if (Count <= 0) return -1;
    Columns = std::max(1, Columns);
    Page = std::max(1, Page);
    const int last = Count - 1;
    // With nothing selected every move starts at the first item.
    if (Current < 0 || Current > last) return Move == TSelectorMove::End ? last : 0;
    int to = Current;
    switch (Move) {
    case TSelectorMove::Left:
        to = Current - 1;
        break;
    case TSelectorMove::Right:
        to = Current + 1;
        break;
    case TSelectorMove::Up:
        to = Current - Columns;
        break;
    case TSelectorMove::Down:
        to = Current + Columns;
        break;
    case TSelectorMove::PageUp:
        return std::max(0, Current - Page);
    case TSelectorMove::PageDown:
        return std::min(last, Current + Page);
    case TSelectorMove::Home:
        return 0;
    case TSelectorMove::End:
        return last;
    }
    return to >= 0 && to <= last ? to : -1;
}
