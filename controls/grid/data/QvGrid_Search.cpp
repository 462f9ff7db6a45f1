// Searching the string grid: Find and its variants, Replace and the keyboard lookup, forwarded to the cell
// search.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/CellSearch.h"
#include "controls/grid/data/StringGridCells.h"
#include "toolkit/system/ScopedValue.h"

namespace {

// The cells a search with these parameters walks, before the current or preset row and column narrow it.
CellSearchArea FindArea(TQvStringGrid& G, TFindParameters P) {
    CellSearchArea a;
    if (HasFindParam(P, fnIncludeFixed)) {
        a = {0, 0, G.ColCount() - 1, G.RowCount() - 1};
    } else {
        a = {G.FixedCols(), G.FixedRows(), G.ColCount() - G.FixedRightCols() - 1,
             G.RowCount() - G.FixedFooters() - 1};
    }
    if (HasFindParam(P, fnSelectedCells)) {
        const TGridRect s = G.Selection();
        a = {std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right),
             std::max(s.Top, s.Bottom)};
    }
    if (HasFindParam(P, fnIncludeHiddenColumns)) a.Right += G.NumHiddenColumns();
    if (HasFindParam(P, fnIncludeHiddenRows)) a.Bottom += G.NumHiddenRows();
    // The current cell counts in the numbering the search uses.
    const int row = HasFindParam(P, fnIncludeHiddenRows) ? G.RealRow() : G.Row();
    const int col = HasFindParam(P, fnIncludeHiddenColumns) ? G.RealCol() : G.Col();
    if (HasFindParam(P, fnFindInCurrentRow)) a.Top = a.Bottom = row;
    if (HasFindParam(P, fnFindInPresetRow)) a.Top = a.Bottom = G.FindRow();
    if (HasFindParam(P, fnFindInCurrentCol)) a.Left = a.Right = col;
    if (HasFindParam(P, fnFindInPresetCol)) a.Left = a.Right = G.FindCol();
    return a;
}

bool NothingToSearch(TQvStringGrid& G) {
    return G.ColCount() == G.FixedCols() || G.ColCount() == 0 || G.RowCount() == 0 ||
           G.RowCount() + G.NumHiddenRows() == G.FixedRows();
}

} // namespace

TPoint TQvStringGrid::FindCell(const TPoint& StartCell, const String& s, TFindParameters FindParams,
                               bool Wide) {
    FFindParams = FindParams;
    FFindText = HasFindParam(FindParams, fnMatchCase) ? s : s.toUpper();
    TPoint found(-1, -1);
    if (!NothingToSearch(*this)) {
        const ScopedValue<bool> busy(FFindBusy, true);
        StringGridCells cells(*this);
        CellSearch search(cells, s, FindParams, FindArea(*this, FindParams));
        search.Wide = Wide;
        if (FIgnoreColumns->Count() > 0) search.Ignored = [this](int ACol) { return IsIgnoredColumn(ACol); };
        search.BeforeCell = [this](int ARow) { ExportNotification(esExportNewRow, ARow); };
        found = search.Next(StartCell);
    }
    FSearchCell = found;
    return found;
}

void TQvStringGrid::GotoFoundCell(const TPoint& Found, TFindParameters FindParams) {
    int row = Found.Y;
    if (HasFindParam(FindParams, fnIncludeHiddenRows)) {
        // A row hidden by a filter or an outline has no place to go to.
        if (IsHiddenRow(row)) return;
        row = DisplRowIndex(row);
    }
    int col = Found.X;
    if (HasFindParam(FindParams, fnIncludeHiddenColumns)) col = IsHiddenColumn(col) ? -1 : DisplColIndex(col);
    if (FMouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(row, true);
        SetRow(row);
        return;
    }
    SetRow(row);
    if (col >= 0) SetCol(col);
}

TPoint TQvStringGrid::Find(const TPoint& StartCell, const String& s, TFindParameters FindParams) {
    ExportNotification(esExportStart, -1);
    const TPoint found = FindCell(StartCell, s, FindParams, false);
    // The walk that ran to its end is done; one that stopped at a match was cut short.
    ExportNotification(found.X < 0 ? esExportDone : esExportFail, -1);
    if (found.X >= 0 && HasFindParam(FindParams, fnAutoGoto)) {
        GotoFoundCell(found, FindParams);
        // The found row stays clear of the footers below the last visible row.
        const int a = FFloatingFooter->Visible() ? 2 : 0;
        if (Row() > TopRow() + VisibleRowCount() - a - 2 && VisibleRowCount() + FixedRows() + a < RowCount())
            SetTopRow(std::min(TopRow() + a + 1, RowCount() - 1));
    }
    return found;
}

TPoint TQvStringGrid::FindWide(const TPoint& StartCell, const String& s, TFindParameters FindParams) {
    ExportNotification(esExportStart, -1);
    const TPoint found = FindCell(StartCell, s, FindParams, true);
    ExportNotification(found.X < 0 ? esExportDone : esExportFail, -1);
    if (found.X >= 0 && HasFindParam(FindParams, fnAutoGoto)) GotoFoundCell(found, FindParams);
    return found;
}

TPoint TQvStringGrid::FindFirst(const String& s, TFindParameters FindParams) {
    return Find(TPoint(-1, -1), s, FindParams);
}

TPoint TQvStringGrid::FindNext() {
    return Find(FSearchCell, FFindText, FFindParams);
}

int TQvStringGrid::Replace(const String& OrigStr, const String& NewStr, TFindParameters FindParams) {
    FFindParams = FindParams;
    FFindText = HasFindParam(FindParams, fnMatchCase) ? OrigStr : OrigStr.toUpper();
    FSearchCell = TPoint(-1, -1);
    if (NothingToSearch(*this)) return 0;
    StringGridCells cells(*this);
    CellSearch search(cells, OrigStr, FindParams, FindArea(*this, FindParams));
    if (FIgnoreColumns->Count() > 0) search.Ignored = [this](int ACol) { return IsIgnoredColumn(ACol); };
    TPoint last(-1, -1);
    int changed = 0;
    {
        const ScopedValue<bool> busy(FFindBusy, true);
        const bool markRows = FShowModified->Enabled();
        changed = ReplaceInCells(cells, search, OrigStr, NewStr, [&](int ACol, int ARow) {
            last = TPoint(ACol, ARow);
            if (markRows && !IsHiddenRow(ARow)) SetRowModified(DisplRowIndex(ARow), true);
        });
    }
    if (changed == 0) return 0;
    if (HasFindParam(FindParams, fnAutoGoto) && !IsHiddenRow(last.Y) && !IsHiddenColumn(last.X)) {
        SetRow(DisplRowIndex(last.Y));
        SetCol(DisplColIndex(last.X));
    }
    Invalidate();
    return changed;
}

int TQvStringGrid::Search(const String& s) {
    if (RowCount() < 2) return -1;
    int col = RealColIndex(FixedCols());
    if (FSortSettings->Show()) {
        if (FSortSettings->IndexShow())
            col = FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : RealColIndex(FixedCols());
        else
            col = FSortSettings->Column();
    }
    if (col < 0) return -1;
    StringGridCells cells(*this);
    return FindLeadingRow(cells, col, FixedRows(), s);
}
