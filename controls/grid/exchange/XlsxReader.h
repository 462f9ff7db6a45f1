// Reads an .xlsx workbook: its sheet names, the active sheet, and a sheet's used range with its values
// as text (numbers as written in the file, TRUE / FALSE, shared and inline strings; error values and
// formulas without a stored result are left out).
#pragma once

#include "controls/grid/exchange/SpreadsheetCells.h"

#include <QByteArray>

class XlsxReader {
public:
    // Raises EQvGridError "Incorrect XLS file" for anything that is no readable workbook.
    explicit XlsxReader(const QByteArray& Bytes);

    const QStringList& SheetNames() const { return FNames; }
    int ActiveSheet() const { return FActive; }
    // The last sheet of that name wins; -1 when there is none.
    int SheetIndex(const String& Name) const;
    // The whole sheet; "Incorrect XLS file" when it does not read, or needs more than MaxCells cells.
    SheetCells ReadSheet(int Index, qint64 MaxCells) const;

private:
    QByteArray FBytes;
    QStringList FNames;
    QStringList FParts; // the sheet's part in the package, by index
    QStringList FShared;
    int FActive = 0;
};
