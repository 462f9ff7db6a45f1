// Column and row calculations, swapping, appending and numbering of the string grid.
#include "controls/grid/QvGrid.h"

#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

// Column calculations
// --------------------------------------------------------------------------------------------

namespace {

// The rows a column calculation reads: display rows, or real rows (hidden ones included) when the
// range reaches past the display.
struct RowsColsRange {
    int From = 0;
    int To = -1;
    bool Real = false;
};

RowsColsRange RowsColsMakeRange(const TQvStringGrid& g, int FromRow, int ToRow) {
    RowsColsRange range;
    if (FromRow == -1 || ToRow == -1) {
        range.From = g.FixedRows();
        range.To = g.RowCount() - g.FixedFooters() - 1;
        return range;
    }
    range.From = std::max(FromRow, 0);
    range.Real = ToRow >= g.RowCount() && g.NumHiddenRows() > 0;
    range.To = std::min(ToRow, (range.Real ? g.TotalRowCount() : g.RowCount()) - 1);
    return range;
}

} // namespace

// Cells are read as the grid reads a float (Floats, or AllFloats for real rows), so a calculation and
// the cell agree on what a text is worth: the locale's separators, parentheses for negative values.
bool TQvStringGrid::CalcCellValue(int ACol, int ARow, bool RealRow, double& Value) {
    // A cell under another cell's merge area shows that cell's value, which is counted there.
    const int d = RealRow ? DisplRowIndex(ARow) : ARow;
    if ((!RealRow || !IsHiddenRow(ARow)) && IsMergedNonBaseCell(ACol, d)) return false;
    try {
        Value = RealRow ? AllFloats(ACol, ARow) : Floats(ACol, ARow);
        return true;
    } catch (const EQvGridError&) {
        return false;
    }
}

double TQvStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
    const RowsColsRange range = RowsColsMakeRange(*this, FromRow, ToRow);
    double sum = 0;
    ExportNotification(esExportStart, range.From);
    for (int r = range.From; r <= range.To; ++r) {
        double v = 0;
        ExportNotification(esExportNextRow, r);
        if (CalcCellValue(ACol, r, range.Real, v)) sum += v;
    }
    ExportNotification(esExportDone, -1);
    return sum;
}

double TQvStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
    const RowsColsRange range = RowsColsMakeRange(*this, FromRow, ToRow);
    const int count = range.To - range.From + 1;
    return count > 0 ? ColumnSum(ACol, FromRow, ToRow) / count : 0;
}

// The first row of the range is the starting point and must hold a number; later rows without one are
// passed over.
double TQvStringGrid::ColumnExtreme(int ACol, int FromRow, int ToRow, bool Max) {
    const RowsColsRange range = RowsColsMakeRange(*this, FromRow, ToRow);
    if (range.To < range.From) return 0;
    ExportNotification(esExportStart, range.From);
    double result = range.Real ? AllFloats(ACol, range.From) : Floats(ACol, range.From);
    for (int r = range.From + 1; r <= range.To; ++r) {
        double v = 0;
        ExportNotification(esExportNextRow, r);
        if (CalcCellValue(ACol, r, range.Real, v) && (Max ? v > result : v < result)) result = v;
    }
    ExportNotification(esExportDone, -1);
    return result;
}

double TQvStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
    return ColumnExtreme(ACol, FromRow, ToRow, false);
}

double TQvStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
    return ColumnExtreme(ACol, FromRow, ToRow, true);
}

double TQvStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
    const RowsColsRange range = RowsColsMakeRange(*this, FromRow, ToRow);
    const int count = range.To - range.From + 1;
    if (count <= 0) return 0;
    const double avg = ColumnAvg(ACol, FromRow, ToRow);
    double squares = 0;
    for (int r = range.From; r <= range.To; ++r) {
        const double v = range.Real ? AllFloats(ACol, r) : Floats(ACol, r);
        squares += (v - avg) * (v - avg);
    }
    return std::sqrt(squares / count);
}

int TQvStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
    const RowsColsRange range = RowsColsMakeRange(*this, FromRow, ToRow);
    std::set<String> seen;
    ExportNotification(esExportStart, range.From);
    for (int r = range.From; r <= range.To; ++r) {
        ExportNotification(esExportNextRow, r);
        seen.insert((range.Real ? AllCells(ACol, r) : GridCells(ACol, r)).toUpper());
    }
    ExportNotification(esExportDone, -1);
    return static_cast<int>(seen.size());
}

double TQvStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
    double res = 0;
    if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

// Row calculations
// --------------------------------------------------------------------------------------------

double TQvStringGrid::RowSum(int ARow, int FromCol, int ToCol) {
    double sum = 0;
    ToCol = std::min(ToCol, TotalColCount() - 1);
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        double v = 0;
        if (CalcCellValue(c, ARow, false, v)) sum += v;
    }
    return sum;
}

double TQvStringGrid::RowAvg(int ARow, int FromCol, int ToCol) {
    const int count = ToCol - FromCol + 1;
    return count > 0 ? RowSum(ARow, FromCol, ToCol) / count : 0;
}

double TQvStringGrid::RowExtreme(int ARow, int FromCol, int ToCol, bool Max) {
    double result = Floats(FromCol, ARow);
    for (int c = FromCol + 1; c <= ToCol && c < TotalColCount(); ++c) {
        double v = 0;
        if (CalcCellValue(c, ARow, false, v) && (Max ? v > result : v < result)) result = v;
    }
    return result;
}

double TQvStringGrid::RowMin(int ARow, int FromCol, int ToCol) {
    return RowExtreme(ARow, FromCol, ToCol, false);
}

double TQvStringGrid::RowMax(int ARow, int FromCol, int ToCol) {
    return RowExtreme(ARow, FromCol, ToCol, true);
}

// Swapping, appending, clearing
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SwapColumns(int ACol1, int ACol2) {
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= ColCount() || ACol2 >= ColCount()) return;
    const int r1 = RealColIndex(ACol1), r2 = RealColIndex(ACol2);
    for (int r = 0; r < RowCount(); ++r) {
        const String t = GridCells(r1, r);
        TObject* o = GridObjects(r1, r);
        SetGridCells(r1, r, GridCells(r2, r));
        SetGridObjects(r1, r, GridObjects(r2, r));
        SetGridCells(r2, r, t);
        SetGridObjects(r2, r, o);
    }
    for (TGridItem* item : AllHiddenRowItems()) {
        TStringList* items = item->Items();
        while (items->Count() <= std::max(r1, r2))
            items->Add(String());
        const String t = items->Strings(r1);
        TObject* o = items->Objects(r1);
        items->SetStrings(r1, items->Strings(r2));
        items->SetObjects(r1, items->Objects(r2));
        items->SetStrings(r2, t);
        items->SetObjects(r2, o);
    }
    const int w = ColWidths(ACol1);
    SetColWidths(ACol1, ColWidths(ACol2));
    SetColWidths(ACol2, w);
    if (FSortSettings->Column() == r1)
        FSortSettings->SetColumn(r2);
    else if (FSortSettings->Column() == r2)
        FSortSettings->SetColumn(r1);
    Invalidate();
}

void TQvStringGrid::SwapRows(int ARow1, int ARow2) {
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    const int lo = std::min(ARow1, ARow2), hi = std::max(ARow1, ARow2);
    // Moving the rows moves their cells, properties and heights in one piece.
    TCustomGrid::MoveRow(lo, hi);
    TCustomGrid::MoveRow(hi - 1, lo);
}

void TQvStringGrid::AddRow() {
    if (FFloatingFooter && FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow) {
        InsertRows(RowCount() - 1, 1);
        ClearRows(RowCount() - 2, 1);
    } else {
        InsertRows(RowCount(), 1);
        ClearRows(RowCount() - 1, 1);
    }
}

void TQvStringGrid::ClearCols(int ACol, int ACount) {
    if (RowCount() <= 0 || ColCount() <= 0 || ACount <= 0) return;
    ClearRect(ACol, 0, ACol + ACount - 1, RowCount() - 1);
}

void TQvStringGrid::MergeCols(int ACol1, int ACol2, const String& Separator) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetGridCells(ACol1, r, Trim(GridCells(ACol1, r) + Separator + GridCells(ACol2, r)));
    RemoveCols(ACol2, 1);
}

// Numbering
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AutoNumberCol(int ACol) {
    if (RowCount() <= 0) return;
    const int fixed = FixedRows(), last = RowCount() - FixedFooters() - 1;
    for (int k = fixed + FAutoNumberStart; k <= last; ++k) {
        const int number = k - fixed + 1 + FAutoNumberOffset;
        const int row = FAutoNumberDirection == sdAscending ? k : fixed + (last - k);
        SetGridCells(ACol, row, IntToStr(number));
    }
}

void TQvStringGrid::AutoNumberRow(int ARow) {
    if (ColCount() <= 0) return;
    const int fixed = FixedCols(), last = ColCount() - FixedRightCols() - 1;
    for (int k = fixed + FAutoNumberStart; k <= last; ++k) {
        const int number = k - fixed + 1 + FAutoNumberOffset;
        const int col = FAutoNumberDirection == sdAscending ? k : fixed + (last - k);
        SetGridCells(col, ARow, IntToStr(number));
    }
}

// Clearing and removing by content
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ClearNormalRows(int ARow, int ACount) {
    if (RowCount() <= 0 || ColCount() <= 0 || ACount <= 0) return;
    ClearRect(FixedCols(), ARow, TotalColCount() - FixedRightCols() - 1, ARow + ACount - 1);
}

void TQvStringGrid::ClearNormalCols(int ACol, int ACount) {
    if (RowCount() <= 0 || ColCount() <= 0 || ACount <= 0) return;
    ClearRect(ACol, FixedRows(), ACol + ACount - 1, RowCount() - FixedFooters() - 1);
}

void TQvStringGrid::Clear() {
    if (RowCount() > 0 && TotalColCount() > 0) ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    SetSearchInc(String());
    if (FNumHiddenColumns > 0) Invalidate();
}

void TQvStringGrid::ClearNormalCells() {
    if (RowCount() <= 0 || ColCount() <= 0) return;
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols() - 1,
              RowCount() - FixedFooters() - 1);
}

void TQvStringGrid::ClearSelection() {
    const bool persistent = FMouseActions->RowSelectPersistent();
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r)
            if (RowSelect(persistent ? RealRowIndex(r) : r)) ClearRows(r, 1);
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount() - FixedRightCols(); ++c)
            if (ColSelect(c)) ClearCols(c, 1);
    } else {
        const TGridRect s = Selection();
        ClearRect(s.Left, s.Top, s.Right, s.Bottom);
    }
}

bool TQvStringGrid::IsWideCell(int ACol, int ARow) {
    return GetCellEx(ACol, ARow).startsWith(QLatin1String("|\\"));
}

void TQvStringGrid::ClearAll() {
    Clear();
    for (TGridItem* item : AllHiddenRowItems()) {
        TStringList* items = item->Items();
        for (int c = 0; c < items->Count(); ++c) {
            DiscardCellProps(items->Objects(c));
            items->SetObjects(c, nullptr);
            items->SetStrings(c, String());
        }
    }
}

void TQvStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
    std::set<String> seen;
    BeginUpdate();
    int r = FixedRows();
    while (r < RowCount() - FixedFooters()) {
        const String text = DoCase ? GridCells(ACol, r) : GridCells(ACol, r).toUpper();
        if (seen.insert(text).second)
            ++r;
        else
            DoRemoveRows(r, 1);
    }
    EndUpdate();
}

bool TQvStringGrid::IsCell(const String& SubStr, int& ACol, int& ARow) {
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (Cells(RealColIndex(c), r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

// Merging and splitting by content
// --------------------------------------------------------------------------------------------

void TQvStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
    if (ColIndex < 0 || ColIndex >= ColCount()) return;
    const int last = RowCount() - FixedFooters() - 1;
    BeginUpdate();
    int start = FixedRows(), length = 1;
    for (int r = FixedRows() + 1; r <= last; ++r) {
        if (Cells(ColIndex, r) == Cells(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r - 1, r))) {
            ++length;
            continue;
        }
        if (length >= 2) MergeCells(ColIndex, start, 1, length);
        start = r;
        length = 1;
    }
    if (length >= 2) MergeCells(ColIndex, start, 1, length);
    EndUpdate();
}

void TQvStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
    if (RowIndex < 0 || RowIndex >= RowCount()) return;
    const int last = ColCount() - FixedRightCols() - 1;
    BeginUpdate();
    int start = FixedCols(), length = 1;
    for (int c = FixedCols() + 1; c <= last; ++c) {
        if (Cells(c, RowIndex) == Cells(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c - 1, c))) {
            ++length;
            continue;
        }
        if (length >= 2) MergeCells(start, RowIndex, length, 1);
        start = c;
        length = 1;
    }
    if (length >= 2) MergeCells(start, RowIndex, length, 1);
    EndUpdate();
}

void TQvStringGrid::SplitColumnCells(int ColIndex) {
    if (ColIndex < 0 || ColIndex >= ColCount()) return;
    BeginUpdate();
    int r = 0;
    while (r < RowCount() - FixedFooters()) {
        const TPoint span = CellSpan(ColIndex, r);
        if (IsMergedCell(ColIndex, r) && span.Y > 0) {
            SplitCells(ColIndex, r);
            r += span.Y + 1;
        } else {
            ++r;
        }
    }
    EndUpdate();
}

void TQvStringGrid::SplitRowCells(int RowIndex) {
    if (RowIndex < 0 || RowIndex >= RowCount()) return;
    BeginUpdate();
    int c = 0;
    while (c < ColCount() - FixedRightCols()) {
        const TPoint span = CellSpan(c, RowIndex);
        if (IsMergedCell(c, RowIndex) && span.X >= 0) {
            SplitCells(c, RowIndex);
            c += span.X + 1;
        } else {
            ++c;
        }
    }
    EndUpdate();
}

void TQvStringGrid::SplitAllCells() {
    BeginUpdate();
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r)) SplitCells(c, r);
    EndUpdate();
}

// Removal by check box and by selection
// --------------------------------------------------------------------------------------------

void TQvStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
    BeginUpdate();
    for (int r = RowCount() - 1; r >= FixedRows(); --r) {
        bool state = false;
        if (GetCheckBoxState(CheckBoxColumn, RealRowIndex(r), state) && state == RemoveChecked)
            RemoveRows(r, 1);
    }
    EndUpdate();
}

void TQvStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
    for (int r = std::min(ARow1, ARow2); r <= std::max(ARow1, ARow2); ++r)
        for (int c = std::min(ACol1, ACol2); c <= std::max(ACol1, ACol2); ++c)
            SetColors(c, r, AColor);
}

namespace {

// Rows from the first to the last normal row whose disjunct selection equals Selected.
std::vector<int> RowsColsSelectedRows(TQvStringGrid* Grid, bool Selected) {
    std::vector<int> rows;
    const bool persistent = Grid->MouseActions()->RowSelectPersistent();
    for (int r = Grid->FixedRows(); r <= Grid->RowCount() - Grid->FixedFooters() - 1; ++r)
        if (Grid->RowSelect(persistent ? Grid->RealRowIndex(r) : r) == Selected) rows.push_back(r);
    return rows;
}

} // namespace

void TQvStringGrid::RemoveSelectedRows() {
    BeginUpdate();
    if (FMouseActions->DisjunctRowSelect()) {
        const std::vector<int> rows = RowsColsSelectedRows(this, true);
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            DoRemoveRows(*it, 1);
        ClearRowSelect();
    } else {
        const TGridRect sel = Selection();
        const int top = std::min(sel.Top, sel.Bottom), bottom = std::max(sel.Top, sel.Bottom);
        for (int r = std::min(bottom, RowCount() - 1); r >= std::max(top, FixedRows()); --r)
            DoRemoveRows(r, 1);
    }
    EndUpdate();
}

void TQvStringGrid::RemoveUnSelectedRows() {
    BeginUpdate();
    const std::vector<int> rows = RowsColsSelectedRows(this, false);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        DoRemoveRows(*it, 1);
    if (FMouseActions->RowSelectPersistent())
        SelectRows(FixedRows(), RowCount() - FixedRows());
    else
        ClearRowSelect();
    EndUpdate();
}

void TQvStringGrid::HideSelectedRows() {
    BeginUpdate();
    const std::vector<int> rows = RowsColsSelectedRows(this, true);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        HideRows(RealRowIndex(*it), RealRowIndex(*it));
    EndUpdate();
}

void TQvStringGrid::HideUnSelectedRows() {
    BeginUpdate();
    // Display rows move up as rows hide, so collect first and hide bottom-up: same rows, valid indexes.
    const std::vector<int> rows = RowsColsSelectedRows(this, false);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        HideRows(RealRowIndex(*it), RealRowIndex(*it));
    EndUpdate();
}

void TQvStringGrid::RemoveSelectedCols() {
    BeginUpdate();
    if (FMouseActions->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (ColSelect(c)) {
                SetColSelect(c, false);
                RemoveCols(c, 1);
            }
    } else {
        const TGridRect sel = Selection();
        const int left = std::max(std::min(sel.Left, sel.Right), FixedCols());
        const int right = std::min(std::max(sel.Left, sel.Right), ColCount() - 1);
        if (right >= left) RemoveCols(left, right - left + 1);
    }
    EndUpdate();
}

void TQvStringGrid::RemoveUnSelectedCols() {
    BeginUpdate();
    if (FMouseActions->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (!ColSelect(c)) RemoveCols(c, 1);
    } else {
        const TGridRect sel = Selection();
        const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
        if (right + 1 < ColCount()) RemoveCols(right + 1, ColCount() - right - 1);
        if (left > FixedCols()) RemoveCols(FixedCols(), left - FixedCols());
    }
    ClearColSelect();
    EndUpdate();
}
