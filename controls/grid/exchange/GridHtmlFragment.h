// A rectangle of cells as an HTML table, and the document the clipboard's HTML entry carries around it.
// Kept apart so that the grid's HTML file writer can take the table over.
#pragma once

#include "controls/grid/data/GridCells.h"

#include <functional>

class GridHtmlFragment {
public:
    // The cells of a display rectangle (edges included) as a <table>: one <tr> per row, one <td> per cell,
    // a merged area as one cell with its spans (the cells it covers left out), each cell's colours, font
    // and alignment from its properties. Text gives a cell's text (real column, display row): plain text is
    // escaped and its line breaks become <br>, markup passes as markup, rich text goes as its plain text.
    static String Table(const IGridCells& Cells, const TRect& R,
                        const std::function<String(int RealCol, int Row)>& Text);
    // An HTML document holding the fragment, in UTF-8 and marked where the fragment starts and ends, as
    // programs that take HTML from the clipboard look for it.
    static String Document(const String& Fragment);
    // Text with &, <, > and " as entities.
    static String Escape(const String& Text);
};
