// Inside the toolkit grid: the geometry of one axis (columns or rows) as the screen shows it now.
#pragma once

#include "toolkit/grids/Grids.h"

// Cells 0 .. fixed-1 stay put; cells from `first` on follow them; cells between are scrolled out.
// Each cell takes its size plus the line after it (the fixed line width for fixed cells).
struct TCustomGrid::Axis {
    const std::vector<int>* sizes = nullptr;
    int def = 0;
    int count = 0;
    int fixed = 0;
    int first = 0;
    int extent = 0;
    int fixedLine = 0;
    int line = 0;
    int fixedBoundary = 0;

    int Size(int i) const { return sizes->empty() ? def : (*sizes)[static_cast<size_t>(i)]; }
    void Init() {
        fixedBoundary = 0;
        for (int i = 0; i < fixed; ++i)
            fixedBoundary += Size(i) + fixedLine;
    }
    int LineAfter(int i) const { return i < fixed ? fixedLine : line; }
    // Start of cell i on screen, -1 when it is scrolled out or starts beyond the client edge.
    int Pos(int i) const {
        if (i < 0 || i >= count) return -1;
        int p = 0;
        if (i < fixed) {
            for (int j = 0; j < i; ++j)
                p += Size(j) + fixedLine;
        } else {
            if (i < first) return -1;
            p = fixedBoundary;
            for (int j = first; j < i && p < extent; ++j)
                p += Size(j) + line;
        }
        return p < extent ? p : -1;
    }
    // The cell under pixel x, its line included; -1 outside the cells.
    int At(int x) const {
        if (x < 0 || x >= extent) return -1;
        int p = 0;
        if (x < fixedBoundary) {
            for (int i = 0; i < fixed; ++i) {
                p += Size(i) + fixedLine;
                if (x < p) return i;
            }
            return -1;
        }
        p = fixedBoundary;
        for (int i = first; i < count && p < extent; ++i) {
            p += Size(i) + line;
            if (x < p) return i;
        }
        return -1;
    }
    // Last scrolled cell that ends inside the client area, first - 1 when none does.
    int LastFullVisible() const {
        int p = fixedBoundary;
        int last = first - 1;
        for (int i = first; i < count; ++i) {
            if (p + Size(i) > extent) break;
            last = i;
            p += Size(i) + line;
        }
        return last;
    }
    // The largest first scrolled cell from which the cells up to `last` still fit in the client area.
    int FirstShowing(int last) const {
        int result = last;
        int room = extent - fixedBoundary + line;
        for (int i = last; i >= fixed; --i) {
            room -= Size(i) + line;
            if (room < 0) {
                if (result == last && Size(result) <= 0) result = i;
                break;
            }
            result = i;
        }
        return std::max(result, fixed);
    }
    int MaxFirst() const { return FirstShowing(count - 1); }
};
