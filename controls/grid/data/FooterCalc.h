// The floating footer's column calculations and its preview template, over the grid's data view.
#pragma once

#include "controls/grid/BaseGrid.h"
#include "controls/grid/data/GridCells.h"

#include <functional>

// The rows a footer calculation reads: the shown rows from FirstRow up to the footer row (a display row,
// not read), and with HiddenRows every hidden row below the fixed rows as well.
struct FooterRange {
    int FirstRow = 0;
    int FooterRow = 0;
    bool HiddenRows = true;
};

// What a footer cell gets: a number in the column's float format, a whole number, the application's own
// value, or it keeps its text.
struct FooterValue {
    enum Kind { Float, Integer, Custom, Unchanged };
    Kind What = Unchanged;
    double Value = 0;
};

// A column's footer value for a calculation type (its low 7 bits). Cells without a number count as 0 in
// sums and averages and are passed over by minimum and maximum; the covered cells of a merged area count
// once, at their base cell. Distinct counts texts regardless of case.
FooterValue CalcFooterColumn(const IGridCells& Cells, int Col, int Type, const FooterRange& Range);

// The preview template with every "<#n>" replaced by CellText(n); a tag that is not a number is dropped,
// and a "<#" that is never closed is kept as it stands with the rest of the text.
String ExpandFooterTemplate(const String& Template, const std::function<String(int Col)>& CellText);
