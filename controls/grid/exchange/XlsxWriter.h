// Writes an .xlsx workbook through libxlsxwriter: every sheet with its values, a text that reads back as
// the same number written as a number, any other as a string.
#pragma once

#include "controls/grid/exchange/SpreadsheetCells.h"

#include <QByteArray>

namespace XlsxWriter {

// The workbook's bytes, the sheets in order and Active the sheet that opens. Raises EQvGridError for a
// sheet name a workbook cannot hold, or when the library fails (its reason in the message). ScratchPath is
// where the library may write the file it builds; it is removed afterwards.
QByteArray Write(const std::vector<SheetCells>& Sheets, int Active, const String& ScratchPath);

} // namespace XlsxWriter
