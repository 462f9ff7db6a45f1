#include "controls/grid/exchange/SpreadsheetExchange.h"

namespace SpreadsheetExchange {

void Load(ExchangeGrid& Grid, const SheetCells& Sheet, const String& Source) {
    const ExchangeLayout layout = Grid.Layout();
    const int colOffset = layout.SaveFixedCells || layout.SaveFixedCols ? 0 : layout.FixedCols;
    const int rowOffset = layout.SaveFixedCells || layout.SaveFixedRows ? 0 : layout.FixedRows;
    const int cols = Sheet.Empty() ? 1 : Sheet.LastCol - Sheet.FirstCol + 1;
    const int rows = Sheet.Empty() ? 1 : Sheet.LastRow - Sheet.FirstRow + 1;
    CheckExchangeSize(Source, qint64(cols) + colOffset, qint64(rows) + rowOffset);
    Grid.SetSize(cols + colOffset, rows + rowOffset);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const auto it = Sheet.Values.find({Sheet.FirstRow + r, Sheet.FirstCol + c});
            Grid.LoadText(Grid.RealColumn(c + colOffset), r + rowOffset,
                          it == Sheet.Values.end() ? String() : it->second);
        }
    Grid.CellsChanged();
}

SheetCells FromGrid(ExchangeGrid& Grid, const String& Name, int StartRow) {
    SheetCells sheet;
    sheet.Name = Name;
    const std::vector<int> cols = Grid.SaveColumns();
    const int firstRow = Grid.SaveStartRow(), lastRow = Grid.SaveEndRow();
    Grid.ExportNotification(esExportStart, StartRow);
    for (int r = firstRow; r <= lastRow; ++r) {
        Grid.ExportNotification(esExportNextRow, r);
        for (size_t k = 0; k < cols.size(); ++k) {
            String text = Grid.SavedText(cols[k], r);
            text.remove(QLatin1Char('\r'));
            const int col = static_cast<int>(k) + 1, row = StartRow + r - firstRow;
            sheet.Include(col, row);
            sheet.Values[{row, col}] = text;
        }
    }
    Grid.ExportNotification(esExportDone, -1);
    return sheet;
}

int Merge(std::vector<SheetCells>& Workbook, const SheetCells& Written) {
    for (int i = static_cast<int>(Workbook.size()) - 1; i >= 0; --i) {
        SheetCells& old = Workbook[static_cast<size_t>(i)];
        if (old.Name != Written.Name) continue;
        if (Written.Empty()) return i;
        SheetCells merged;
        merged.Name = old.Name;
        for (const auto& [cell, text] : old.Values) {
            const bool inside = cell.first >= Written.FirstRow && cell.first <= Written.LastRow &&
                                cell.second >= Written.FirstCol && cell.second <= Written.LastCol;
            if (inside) continue;
            merged.Include(cell.second, cell.first);
            merged.Values[cell] = text;
        }
        for (const auto& [cell, text] : Written.Values) {
            merged.Include(cell.second, cell.first);
            merged.Values[cell] = text;
        }
        old = std::move(merged);
        return i;
    }
    Workbook.push_back(Written);
    return static_cast<int>(Workbook.size()) - 1;
}

} // namespace SpreadsheetExchange
