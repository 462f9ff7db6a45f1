// Fixed-width text: each field of a line stands at its own character positions.
#pragma once

#include "controls/grid/exchange/ExchangeGrid.h"

#include <vector>

class FixedWidthWriter {
public:
    // One line per save row; Widths holds one field width per save column from the first. A column without
    // an entry is as wide as its longest text and one more, and that width is appended to Widths. A field
    // is its text's first line, cut to its width or filled with blanks.
    String Write(ExchangeGrid& Grid, std::vector<int>& Widths) const;
};

class FixedWidthReader {
public:
    // Positions are the 1-based characters where the fields start, the last entry where the last field
    // ends; they are sorted in place. The grid gets a column per field after its fixed columns and grows to
    // hold the lines; MaxRows -1 reads every line, any other value at least one. Raises EQvGridError for
    // fewer than two positions or a file that needs more cells than a file may bring ("Source" names it).
    void Load(ExchangeGrid& Grid, const String& Text, std::vector<int>& Positions, bool Trim, int MaxRows,
              const String& Source) const;
};
