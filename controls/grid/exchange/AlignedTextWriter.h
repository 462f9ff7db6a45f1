// Column-aligned plain text for people to read: each column as wide as its widest text, one blank between.
#pragma once

#include "controls/grid/exchange/ExchangeGrid.h"

class AlignedTextWriter {
public:
    // The rows from the first save row to the last row, the columns from the first save column to the
    // last: each cell placed by its horizontal alignment, each line ended by CR LF. With Multilinecells a
    // cell's further lines go to lines of their own below its row, in the cell's column; without it a cell
    // shows its first line. Any width and any number of columns.
    String Write(ExchangeGrid& Grid) const;
};
