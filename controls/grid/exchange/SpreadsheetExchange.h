// Worksheets to and from the grid over the exchange seam: where a sheet's used range lands in the grid,
// which cells a written sheet holds, and how a written sheet goes into a workbook that has others.
#pragma once

#include "controls/grid/exchange/ExchangeGrid.h"
#include "controls/grid/exchange/SpreadsheetCells.h"

namespace SpreadsheetExchange {

// Sizes the grid to the used range (plus the fixed columns and rows unless the save switches take them
// in) and stores every value at its place, the used range's first cell at the first cell read; an empty
// sheet gives one cell. Refuses a range larger than a file may bring with EQvGridError, changing nothing.
void Load(ExchangeGrid& Grid, const SheetCells& Sheet, const String& Source);
// The save range as a sheet named Name, from column A and row StartRow on; carriage returns dropped.
SheetCells FromGrid(ExchangeGrid& Grid, const String& Name, int StartRow);
// Puts Written into the workbook: a sheet of the same name (the last) keeps its cells outside the written
// range and takes the written ones; else the sheet is added. Gives the index of the written sheet.
int Merge(std::vector<SheetCells>& Workbook, const SheetCells& Written);

} // namespace SpreadsheetExchange
