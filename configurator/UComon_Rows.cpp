// Stand-in row helpers of the table editors until the shared ones land (the owner's file replaces this).
#include "configurator/UComon.h"
#include "configurator/ULanguage.h"
#include "controls/grid/QvCGrid.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

namespace {
int standInLastColumn(TQvColumnGrid* grid) {
    return grid->ColCount() + grid->NumHiddenColumns() - 1;
}
} // namespace

void ColGrid_Del_Row(int row, TQvColumnGrid* grid) {
    const int last = standInLastColumn(grid);
    for (int r = row; r < grid->RowCount() - 1; ++r)
        for (int c = 1; c <= last; ++c)
            grid->SetCellEx(c, r, grid->GetCellEx(c, r + 1));
    for (int c = 1; c <= last; ++c)
        grid->SetCellEx(c, grid->RowCount() - 1, String());
}

void ColGrid_Ins_Row(int row, TQvColumnGrid* grid, bool enable) {
    const int last = standInLastColumn(grid);
    for (int r = grid->RowCount() - 1; r > row; --r)
        for (int c = 1; c <= last; ++c)
            grid->SetCellEx(c, r, grid->GetCellEx(c, r - 1));
    for (int c = 1; c <= last; ++c)
        grid->SetCellEx(c, row, String());
    if (enable) grid->SetCellEx(1, row, QStringLiteral("Y"));
}

void ColGrid_Copy_Row(TQvColumnGrid* grid, int row) {
    Copy_Row_Buffer->Clear();
    for (int c = 1; c <= standInLastColumn(grid); ++c)
        Copy_Row_Buffer->Add(grid->GetCellEx(c, row));
}

void ColGrid_Paste_Row(TQvColumnGrid* grid, int row, bool copied) {
    if (!copied) {
        MessageDlg(Lang_Texts->Strings(1302), mtError, mbOK);
        return;
    }
    const int last = standInLastColumn(grid);
    if (Copy_Row_Buffer->Count() != last) {
        MessageDlg(Lang_Texts->Strings(1301), mtError, mbOK);
        return;
    }
    bool used = false;
    for (int c = 1; c <= last; ++c) {
        TGridColumnItem* item = grid->ColumnItem(c);
        if ((!item || item->Editor() != edDataCheckBox) && !Trim(grid->GetCellEx(c, row)).isEmpty())
            used = true;
    }
    if (used && MessageDlg(Lang_Texts->Strings(1300), mtConfirmation, mbYesNo) != mrYes) return;
    for (int c = 1; c <= last; ++c)
        grid->SetCellEx(c, row, Copy_Row_Buffer->Strings(c - 1));
}

void Grid_Auto_Size_Col(TQvStringGrid* grid, int row, int col) {
    if (Enable_Auto_Size && row == 0) grid->AutoSizeCol(col, 0);
}

void Grid_Enter_Next_Cell(TQvStringGrid* grid, QChar& key) {
    if (!Enable_Jump_Field || key != QChar(u'\r')) return;
    if (grid->Col() > 0 && grid->Row() > 0) {
        if (grid->Col() < grid->ColCount() - 1) {
            grid->SetCol(grid->Col() + 1);
        } else {
            grid->SetCol(1);
            grid->SetRow(grid->Row() < grid->RowCount() - 1 ? grid->Row() + 1 : 1);
        }
    }
    key = QChar();
}
