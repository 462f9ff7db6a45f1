// The data check of a table window: the grids in page order, each up to its first row without a key,
// rows whose Enable is not "Y" passed over; the first failing test gives the one message.
#pragma once

#include "tables/frame/TableCells.h"
#include "tables/frame/TableSheet.h"

#include <vector>

struct TTableFault {
    Integer Grid = -1; // index in the sheet; -1 for a test of the tables as a whole
    Integer Row = 0;   // 0 for a test of the tables as a whole
    TRowFault Fault;
    explicit operator bool() const { return bool(Fault); }
};

TTableFault Find_Table_Fault(const TTableSheet& sheet, const std::vector<const ITableCells*>& cells);

// "Error row " + "5" + "!! [Modbus Read] NPoint must be between 1 and " + "125".
String Compose_Row_Error(const String& prefix, Integer row, const String& message, const String& limit);
// The fault's message in the interface language (the sheet's row-error prefix and the test's text).
String Table_Fault_Text(const TTableSheet& sheet, const TTableFault& fault);
