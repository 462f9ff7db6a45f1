// Cells as the clipboard's plain text (fields separated by tabs, rows by CR LF) and that text read back into
// lines of fields; the clipboard paste and the grid's drop target share the reader.
#pragma once

#include "toolkit/system/Types.h"

#include <vector>

class GridClipboardText {
public:
    // A cell's text as a field: a text holding a tab or a line break, or starting with a double quote, goes
    // in double quotes with its quotes doubled. Each line break (CR LF, CR or LF) becomes one LF, or with the
    // spreadsheet form one character 11.
    static String QuoteCell(const String& Text, bool SpreadsheetForm);

    // The lines of a text, each its fields. Lines end at CR LF, CR or LF, fields at a tab. A field that opens
    // with a double quote whose closing quote ends the field keeps its tabs and line breaks (each line break
    // becoming CR LF) and loses its quotes, doubled quotes read as one; any other field is taken as it
    // stands, a character 11 in it becoming CR LF. A text that ends with a line break has an empty last line.
    static std::vector<std::vector<String>> Parse(const String& Text);

    // The size of the block a text pastes: the most fields of a line, and the rows below the first (an
    // empty last line after a final line break not counted).
    static void BlockSize(const String& Text, int& Cols, int& Rows);
};
