// The table editors' shared row helpers: delete, insert, copy and paste one grid row over the shared
// row clipboard, header double-click sizing and Enter moving on.
#include "core/UComon.h"

#include "controls/grid/QvCGrid.h"
#include "core/ULanguage.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

namespace {

int rowsLastDataColumn(TQvStringGrid* grid) {
    return grid->ColCount() + grid->NumHiddenColumns() - 1;
}

void rowsError(int text) {
    MessageDlg(Lang_Texts->Strings(text), mtError, mbOK);
}

bool rowsAskOverwrite() {
    return MessageDlg(Lang_Texts->Strings(1300), mtConfirmation, mbYes | mbNo) == mrYes;
}

// A check box cell is not data: only text in the other cells keeps a row from being overwritten or
// pushed out of the table.
bool rowsStringRowHoldsText(TQvStringGrid* grid, int row, bool trimmed) {
    for (int c = 1; c <= rowsLastDataColumn(grid); ++c) {
        bool state = false;
        if (grid->GetCheckBoxState(c, row, state)) continue;
        const String text = grid->GetCellEx(c, row);
        if (!(trimmed ? Trim(text) : text).isEmpty()) return true;
    }
    return false;
}

bool rowsColumnRowHoldsText(TQvColumnGrid* grid, int row) {
    for (int c = 1; c <= rowsLastDataColumn(grid); ++c) {
        const TGridColumnItem* item = grid->ColumnItem(c);
        if (item && item->Editor() == edDataCheckBox) continue;
        if (!Trim(grid->GetCellEx(c, row)).isEmpty()) return true;
    }
    return false;
}

// Moves text or check state and the read-only flag of one cell onto another.
void rowsMoveStringCell(TQvStringGrid* grid, int c, int from, int to) {
    bool state = false;
    if (grid->GetCheckBoxState(c, from, state))
        grid->SetCheckBoxState(c, to, state);
    else
        grid->SetCellEx(c, to, grid->GetCellEx(c, from));
    grid->SetReadOnly(c, to, grid->ReadOnly(c, from));
}

void rowsEmptyStringRow(TQvStringGrid* grid, int row, bool enable, bool readOnly) {
    for (int c = 1; c <= rowsLastDataColumn(grid); ++c) {
        bool state = false;
        if (grid->GetCheckBoxState(c, row, state))
            grid->SetCheckBoxState(c, row, enable && c == 1);
        else
            grid->SetCellEx(c, row, String());
        grid->SetReadOnly(c, row, readOnly);
    }
}

bool rowsClipboardFits(TQvStringGrid* grid, bool copied) {
    if (!copied || !Copy_Row_Buffer) {
        rowsError(1302);
        return false;
    }
    if (grid->ColCount() + grid->NumHiddenColumns() != Copy_Row_Buffer->Count() + 1) {
        rowsError(1301);
        return false;
    }
    return true;
}

bool rowsValid(TQvStringGrid* grid, int row) {
    return grid && row >= 1 && row < grid->RowCount();
}

} // namespace

// String grids
// --------------------------------------------------------------------------------------------

void Grid_Del_Row(int row, TQvStringGrid* grid, bool enable) {
    if (!rowsValid(grid, row)) return;
    const int last = grid->RowCount() - 1;
    for (int r = row; r < last; ++r)
        for (int c = 1; c <= rowsLastDataColumn(grid); ++c)
            rowsMoveStringCell(grid, c, r + 1, r);
    rowsEmptyStringRow(grid, last, enable, true);
}

void Grid_Ins_Row(int row, TQvStringGrid* grid, bool enable) {
    if (!rowsValid(grid, row)) return;
    const int last = grid->RowCount() - 1;
    // Inserting at the last row itself would empty it: refused alike while it holds data.
    if (rowsStringRowHoldsText(grid, last, true)) {
        rowsError(Text_Insert_Last_Row_Used);
        return;
    }
    for (int r = last - 1; r >= row; --r)
        for (int c = 1; c <= rowsLastDataColumn(grid); ++c)
            rowsMoveStringCell(grid, c, r, r + 1);
    rowsEmptyStringRow(grid, row, enable, false);
}

void Grid_Copy_Row(TQvStringGrid* grid, int row) {
    if (!Copy_Row_Buffer || !rowsValid(grid, row)) return;
    Copy_Row_Buffer->Clear();
    const int last = rowsLastDataColumn(grid);
    Copy_Row_Is_Check.assign(static_cast<size_t>(std::max(last, 0)), false);
    for (int c = 1; c <= last; ++c) {
        bool state = false;
        if (grid->GetCheckBoxState(c, row, state)) {
            Copy_Row_Is_Check[static_cast<size_t>(c - 1)] = true;
            Copy_Row_Buffer->Add(state ? "Y" : "N");
        } else {
            Copy_Row_Buffer->Add(grid->GetCellEx(c, row));
        }
    }
}

void Grid_Paste_Row(TQvStringGrid* grid, int row, bool copied) {
    if (!rowsValid(grid, row) || !rowsClipboardFits(grid, copied)) return;
    if (rowsStringRowHoldsText(grid, row, false) && !rowsAskOverwrite()) return;
    for (int c = 1; c <= rowsLastDataColumn(grid); ++c) {
        const size_t i = static_cast<size_t>(c - 1);
        const String text = Copy_Row_Buffer->Strings(c - 1);
        if (i < Copy_Row_Is_Check.size() && Copy_Row_Is_Check[i])
            grid->SetCheckBoxState(c, row, text == "Y");
        else
            grid->SetCellEx(c, row, text);
    }
}

// Column grids
// --------------------------------------------------------------------------------------------

void ColGrid_Del_Row(int row, TQvColumnGrid* grid) {
    if (!rowsValid(grid, row)) return;
    const int last = grid->RowCount() - 1;
    for (int r = row; r < last; ++r)
        for (int c = 1; c <= rowsLastDataColumn(grid); ++c)
            grid->SetCellEx(c, r, grid->GetCellEx(c, r + 1));
    for (int c = 1; c <= rowsLastDataColumn(grid); ++c)
        grid->SetCellEx(c, last, String());
}

void ColGrid_Ins_Row(int row, TQvColumnGrid* grid, bool enable) {
    if (!rowsValid(grid, row)) return;
    const int last = grid->RowCount() - 1;
    if (rowsColumnRowHoldsText(grid, last)) {
        rowsError(Text_Insert_Last_Row_Used);
        return;
    }
    for (int r = last - 1; r >= row; --r)
        for (int c = 1; c <= rowsLastDataColumn(grid); ++c)
            grid->SetCellEx(c, r + 1, grid->GetCellEx(c, r));
    for (int c = 1; c <= rowsLastDataColumn(grid); ++c)
        grid->SetCellEx(c, row, String());
    if (enable && rowsLastDataColumn(grid) >= 1) grid->SetCellEx(1, row, "Y");
}

void ColGrid_Copy_Row(TQvColumnGrid* grid, int row) {
    if (!Copy_Row_Buffer || !rowsValid(grid, row)) return;
    Copy_Row_Buffer->Clear();
    for (int c = 1; c <= rowsLastDataColumn(grid); ++c)
        Copy_Row_Buffer->Add(grid->GetCellEx(c, row));
    // A column grid has no string-grid check boxes: flags of an earlier copy must not stay behind.
    Copy_Row_Is_Check.assign(static_cast<size_t>(Copy_Row_Buffer->Count()), false);
}

void ColGrid_Paste_Row(TQvColumnGrid* grid, int row, bool copied) {
    if (!rowsValid(grid, row) || !rowsClipboardFits(grid, copied)) return;
    if (rowsColumnRowHoldsText(grid, row) && !rowsAskOverwrite()) return;
    for (int c = 1; c <= rowsLastDataColumn(grid); ++c)
        grid->SetCellEx(c, row, Copy_Row_Buffer->Strings(c - 1));
}

// Grid events
// --------------------------------------------------------------------------------------------

void Grid_Auto_Size_Col(TQvStringGrid* grid, int row, int col) {
    if (grid && Enable_Auto_Size && row == 0 && col >= 0 && col < grid->ColCount()) grid->AutoSizeCol(col, 0);
}

void Grid_Fit_Header_Row(TQvStringGrid* grid) {
    if (!grid || grid->RowCount() < 1) return;
    const int designed = grid->DefaultRowHeight();
    grid->AutoSizeRow(0);
    if (grid->RowHeights(0) < designed) grid->SetRowHeights(0, designed);
}

void Grid_Enter_Next_Cell(TQvStringGrid* grid, QChar& key) {
    if (!grid || !Enable_Jump_Field || key != QChar(13)) return;
    const int col = grid->Col();
    const int row = grid->GetRowEx();
    if (col > 0 && row > 0) {
        if (col < grid->ColCount() - 1) {
            grid->SetCol(col + 1);
        } else {
            grid->SetCol(1);
            grid->SetRowEx(row < grid->RowCount() - 1 ? row + 1 : 1);
        }
    }
    key = QChar(0);
}
