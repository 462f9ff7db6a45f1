// The grid's native text file: a count line, a width line per column and a line per non-empty cell
// ("column,row,text").
#pragma once

#include "controls/grid/exchange/GridExchangeLimits.h"
#include "toolkit/system/Types.h"

#include <QByteArray>
#include <functional>
#include <vector>

// What a text file or stream holds, read and checked, before any grid changes.
struct GridTextContent {
    // The count line's columns and rows; none when the line was empty.
    bool HasCounts = false;
    int Cols = 0;
    int Rows = 0;
    struct Width {
        int Col;
        int Value;
    };
    std::vector<Width> Widths;
    struct Cell {
        int Col;
        int Row;
        String Text; // line breaks decoded
    };
    std::vector<Cell> Cells;
};

// The rows and columns a writer goes through, and how it reads them.
struct GridTextSource {
    // The column number a line carries and the real column its text comes from.
    struct Column {
        int Index;
        int RealCol;
    };
    std::vector<Column> Columns;
    int FirstRow = 0;
    int LastRow = -1;
    // The saved text of a cell (real column, display row).
    std::function<String(int RealCol, int Row)> SavedText;
    // Told before each row's cells.
    std::function<void(int Row)> OnRow;
};

class GridTextFile {
public:
    // A cell text as a file line keeps it: every line break and zero encoded as characters 9, 8 and 1, also
    // for a text with line feeds alone, so that no line of the file ends inside a cell.
    static String EncodeCell(const String& Text);
    // The lines with CR LF after each: the count line, "cw <column>,<width>" for each column in Widths, then
    // the cells (absolute column numbers from Source, display rows).
    static String Write(int CountCols, int CountRows, const std::vector<GridTextContent::Width>& Widths,
                        const GridTextSource& Source);
    // Lines end at CR, LF or CR LF. Numbers are read leniently (leading blanks and a sign, then decimal
    // digits, or hexadecimal after "$" or "0x"; the rest ignored); counts beyond the limits make the text
    // corrupt (EQvGridError). MultiLine keeps every line of a decoded text, else its first.
    static GridTextContent Read(const String& Text, bool MultiLine,
                                const GridExchangeLimits& Limits = GridExchangeLimits());
    // The lenient number: INT_MAX (or INT_MIN) for one too large.
    static int LenientNumber(const String& Text);
};
