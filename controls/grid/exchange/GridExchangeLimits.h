// How large a grid the readers of the grid's own formats and a paste may make: anything larger is corrupt
// (a file or a stream) or stops growing (a paste), so that no input asks for more memory than a grid can use.
#pragma once

#include <cstdint>

struct GridExchangeLimits {
    int MaxCols = 1 << 16;
    int MaxRows = 1 << 24;
    int64_t MaxCells = int64_t(1) << 24;
    // The largest file or stream read whole (a binary file, a text file).
    int64_t MaxBytes = int64_t(1) << 30;

    bool Fits(int64_t Cols, int64_t Rows) const {
        return Cols >= 0 && Rows >= 0 && Cols <= MaxCols && Rows <= MaxRows && Cols * Rows <= MaxCells;
    }
};
