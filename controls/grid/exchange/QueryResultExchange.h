// A database query's result placed in the grid over the exchange seam: the field names in the last fixed
// row, the records below the fixed rows, each field in its column after the fixed columns.
#pragma once

#include "controls/grid/exchange/ExchangeGrid.h"
#include "toolkit/services/SqlDatabase.h"

namespace QueryResultExchange {

// Sizes the grid to the fields (plus the fixed columns) and the records (plus the fixed rows; a result
// without records leaves one empty row, so no earlier row stands as part of it) and stores the values.
// Refuses a result larger than a file may bring with EQvGridError, changing nothing.
void Load(ExchangeGrid& Grid, const TSqlResult& Result, const String& Source);

} // namespace QueryResultExchange
