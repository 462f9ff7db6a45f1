// The grid's UTF-16 stream: the lines of the native text file on a stream, for copying cells between grids
// and for streams that carry other data after the grid's.
#pragma once

#include "controls/grid/exchange/GridTextFile.h"

class GridTextStream {
public:
    // The same lines as UTF-16 code units without a mark, each ended by CR LF: the count line, a width line
    // for each column in Widths, the cells with their numbers relative to FirstCol and Source.FirstRow.
    static QByteArray Write(int CountCols, int CountRows, const std::vector<GridTextContent::Width>& Widths,
                            int FirstCol, const GridTextSource& Source);
    // Reads lines up to the first that is neither a width line nor a cell line (fewer than two commas), which
    // may belong to whoever wrote after the grid: Consumed is the count of bytes before it. Numbers are
    // strict; a bad one, or counts beyond the limits, raise EQvGridError.
    static GridTextContent Read(const QByteArray& Bytes, bool MultiLine, qsizetype& Consumed,
                                const GridExchangeLimits& Limits = GridExchangeLimits());
};
