// Hidden rows and columns of the string grid, its real and display indexes and the moving of columns and
// rows.
#include "controls/grid/QvGrid.h"

#include <algorithm>

namespace {

// The cell properties a hidden row carries go the way the grid frees its own.
void DisposeHiddenRowProps(TObject* Object) {
    auto* props = static_cast<TCellProperties*>(Object);
    if (!props) return;
    TObject* graphic = props->GraphicObject();
    if (graphic && graphic->ClassName() == QLatin1String("TCellGraphic")) delete graphic;
    delete props;
}

} // namespace

// Columns
// --------------------------------------------------------------------------------------------

int TQvStringGrid::DisplColIndex(int ACol) {
    return FHiddenCols.Empty() ? ACol : FHiddenCols.ToDisplay(ACol);
}

int TQvStringGrid::RealColIndex(int ACol) const {
    if (FHiddenCols.Empty()) return ACol;
    // A display index beyond the shown columns names no column.
    if (ACol < 0 || ACol >= ColCount()) return 0;
    return FHiddenCols.ToReal(ACol);
}

int TQvStringGrid::AllColWidths(int ACol) const {
    if (FHiddenCols.IsHidden(ACol))
        return static_cast<size_t>(ACol) < FAllColWidths.size() ? FAllColWidths[static_cast<size_t>(ACol)]
                                                                : DefaultColWidth();
    const int d = FHiddenCols.ToDisplay(ACol);
    return d < ColCount() ? ColWidths(d) : DefaultColWidth();
}

void TQvStringGrid::HideColumns(int FromCol, int ToCol) {
    if (EditorMode()) HideEditor();
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        if (c >= TotalColCount() || ColCount() <= 1) break;
        if (FHiddenCols.IsHidden(c)) continue;
        const int d = FHiddenCols.ToDisplay(c);
        if (FAllColWidths.size() <= static_cast<size_t>(c))
            FAllColWidths.resize(static_cast<size_t>(c) + 1, 0);
        FAllColWidths[static_cast<size_t>(c)] = ColWidths(d);
        for (int i = d; i < ColCount() - 1; ++i)
            SetColWidths(i, ColWidths(i + 1));
        FHiddenCols.Hide(c);
        ++FNumHiddenColumns;
        if (Col() == ColCount() - 1) SetCol(std::max(Col() - 1, 0));
        SetColCount(ColCount() - 1);
    }
    Invalidate();
}

void TQvStringGrid::UnHideColumns(int FromCol, int ToCol) {
    if (EditorMode()) HideEditor();
    for (int c = std::max(FromCol, 0); c <= ToCol && !FHiddenCols.Empty(); ++c) {
        if (!FHiddenCols.IsHidden(c)) continue;
        const int width = AllColWidths(c);
        FHiddenCols.Show(c);
        --FNumHiddenColumns;
        SetColCount(ColCount() + 1);
        const int d = FHiddenCols.ToDisplay(c);
        for (int i = ColCount() - 1; i > d; --i)
            SetColWidths(i, ColWidths(i - 1));
        SetColWidths(d, width);
    }
    Invalidate();
}

// Rows
// --------------------------------------------------------------------------------------------

int TQvStringGrid::RealRowIndex(int ARow) const {
    return FHiddenRows.Empty() ? ARow : FHiddenRows.ToReal(ARow);
}

int TQvStringGrid::DisplRowIndex(int ARow) const {
    return FHiddenRows.Empty() ? ARow : FHiddenRows.ToDisplay(ARow);
}

bool TQvStringGrid::IsHiddenRow(int ARow) const {
    return FHiddenRows.IsHidden(ARow);
}

String TQvStringGrid::AllCells(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0) return String();
    if (!FHiddenRows.Empty()) {
        const int i = FHiddenRows.HiddenBefore(ARow);
        if (i < FHiddenRows.Count() && FHiddenRows.Hidden()[static_cast<size_t>(i)] == ARow) {
            const TStringList* items = FGridItems->Items(i)->Items();
            return ACol < items->Count() ? items->Strings(ACol) : String();
        }
        ARow -= i;
    }
    return ARow < RowCount() ? GridCells(ACol, ARow) : String();
}

void TQvStringGrid::DiscardCellProps(TObject* Props) {
    DisposeHiddenRowProps(Props);
}

void TQvStringGrid::SyncHiddenRowItems() {
    const std::vector<int>& idx = FHiddenRows.Hidden();
    for (int i = 0; i < FGridItems->Count(); ++i)
        FGridItems->Items(i)->SetIdx(idx[static_cast<size_t>(i)]);
}

void TQvStringGrid::DiscardHiddenRows() {
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TStringList* items = FGridItems->Items(i)->Items();
        for (int c = 0; c < items->Count(); ++c)
            DisposeHiddenRowProps(items->Objects(c));
    }
    FGridItems->Clear();
    FHiddenRows.Clear();
}

void TQvStringGrid::CutDisplayRows(int ARow, int ACount) {
    ACount = std::min(ACount, RowCount() - ARow);
    if (ARow < 0 || ACount <= 0) return;
    for (int i = 0; i < ACount; ++i)
        TCustomGrid::MoveRow(ARow, RowCount() - 1 - i);
    // The rows at the end hold no properties of their own any more: the caller moved them out.
    TCustomGrid::SetRowCount(RowCount() - ACount);
}

void TQvStringGrid::OpenDisplayRows(int ARow, int ACount) {
    if (ACount <= 0) return;
    TCustomGrid::SetRowCount(RowCount() + ACount);
    for (int i = 0; i < ACount; ++i)
        TCustomGrid::MoveRow(RowCount() - 1, ARow);
}

void TQvStringGrid::HideRows(int FromRow, int ToRow) {
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, TotalRowCount() - 1);
    if (FromRow > ToRow) return;
    if (EditorMode()) HideEditor();
    const int display = FHiddenRows.ToDisplay(FromRow);
    const int cols = TotalColCount();
    int moved = 0;
    BeginUpdate();
    for (int r = FromRow; r <= ToRow; ++r) {
        if (FHiddenRows.IsHidden(r)) continue;
        const int d = display + moved;
        auto items = std::make_unique<TStringList>();
        for (int c = 0; c < cols; ++c) {
            // The properties go with the row; the grid must not free them when the row leaves.
            items->AddObject(GridCells(c, d), GridObjects(c, d));
            if (GridObjects(c, d)) SetGridObjects(c, d, nullptr);
        }
        TGridItem* item = FGridItems->Insert(FHiddenRows.HiddenBefore(r));
        item->SetItems(std::move(items));
        item->SetIdx(r);
        item->SetHeight(RowHeights(d));
        FHiddenRows.Hide(r);
        ++moved;
    }
    CutDisplayRows(display, moved);
    EndUpdate();
}

void TQvStringGrid::HideRowsEx(int FromRow, int ToRow) {
    if (FHiddenRows.IsHidden(FromRow)) return;
    // Rows of the block that were hidden before keep their own cells: the general hiding handles them.
    HideRows(FromRow, ToRow);
}

void TQvStringGrid::RestoreHiddenRow(int AItem) {
    TGridItem* item = FGridItems->Items(AItem);
    const int real = item->Idx();
    FHiddenRows.Show(real);
    const int d = FHiddenRows.ToDisplay(real);
    OpenDisplayRows(d, 1);
    const TStringList* items = item->Items();
    for (int c = 0; c < items->Count(); ++c) {
        SetGridCells(c, d, items->Strings(c));
        if (items->Objects(c)) SetGridObjects(c, d, items->Objects(c));
    }
    if (item->Height() > 0) SetRowHeights(d, item->Height());
    FGridItems->Delete(AItem);
}

void TQvStringGrid::UnHideRow(int ARow) {
    const int i = FHiddenRows.HiddenBefore(ARow);
    if (i >= FHiddenRows.Count() || FHiddenRows.Hidden()[static_cast<size_t>(i)] != ARow) return;
    BeginUpdate();
    RestoreHiddenRow(i);
    EndUpdate();
}

void TQvStringGrid::UnHideRows(int FromRow, int ToRow) {
    if (!FHiddenRows.IsHidden(FromRow)) return;
    BeginUpdate();
    int i = FHiddenRows.HiddenBefore(FromRow);
    while (i < FHiddenRows.Count() && FHiddenRows.Hidden()[static_cast<size_t>(i)] <= ToRow)
        RestoreHiddenRow(i); // the next item slides into place i
    EndUpdate();
}

void TQvStringGrid::UnHideRowsAll() {
    if (FHiddenRows.Empty()) return;
    BeginUpdate();
    while (!FHiddenRows.Empty())
        RestoreHiddenRow(0);
    EndUpdate();
}

// Moving
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    const int rf = RealColIndex(FromIndex), rt = RealColIndex(ToIndex);
    if (FColumnOrder->Count() > std::max(rf, rt)) {
        const int entry = FColumnOrder->Items(rf);
        FColumnOrder->Delete(rf);
        FColumnOrder->Insert(rt, entry);
    }
    if (FHiddenCols.Empty()) {
        TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    } else {
        // The store is in real order: the hidden columns between the two places shift with the cells.
        const size_t need = static_cast<size_t>(std::max(rf, rt)) + 1;
        if (FAllColWidths.size() < need) FAllColWidths.resize(need, 0);
        const int w = FAllColWidths[static_cast<size_t>(rf)];
        FAllColWidths.erase(FAllColWidths.begin() + rf);
        FAllColWidths.insert(FAllColWidths.begin() + rt, w);
        FHiddenCols.MoveReal(rf, rt);
        TBaseGrid::ColumnMoved(rf, rt);
    }
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TStringList* items = FGridItems->Items(i)->Items();
        while (items->Count() <= std::max(rf, rt))
            items->Add(String());
        const String text = items->Strings(rf);
        TObject* object = items->Objects(rf);
        items->Delete(rf);
        items->InsertObject(rt, text, object);
    }
    if (FSortSettings->Column() >= 0) {
        const int sc = FSortSettings->Column();
        if (sc == rf)
            FSortSettings->SetColumn(rt);
        else if (rf < rt && sc > rf && sc <= rt)
            FSortSettings->SetColumn(sc - 1);
        else if (rt < rf && sc >= rt && sc < rf)
            FSortSettings->SetColumn(sc + 1);
    }
}

void TQvStringGrid::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() ||
        ToIndex >= ColCount())
        return;
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    TCustomGrid::MoveColumn(FromIndex, ToIndex);
}

void TQvStringGrid::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() ||
        ToIndex >= RowCount())
        return;
    TCustomGrid::MoveRow(FromIndex, ToIndex);
}

void TQvStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
    Count = std::min(Count, RowCount() - FromIndex);
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || ToIndex < 0) return;
    // Rows moved as one block keep their cells, properties and heights; hidden rows keep their places
    // among the other rows, since only display rows move.
    if (FromIndex + Count < ToIndex) ToIndex -= Count;
    ToIndex = std::min(ToIndex, RowCount() - Count);
    BeginUpdate();
    if (ToIndex < FromIndex) {
        for (int i = 0; i < Count; ++i)
            TCustomGrid::MoveRow(FromIndex + i, ToIndex + i);
    } else {
        for (int i = Count - 1; i >= 0; --i)
            TCustomGrid::MoveRow(FromIndex + i, ToIndex + i);
    }
    EndUpdate();
}

// Column order
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SetColumnOrder() {
    FColumnOrder->Clear();
    for (int c = 0; c < ColCount(); ++c)
        FColumnOrder->Add(c);
}

void TQvStringGrid::ResetColumnOrder() {
    UnHideColumnsAll();
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    bool moved = true;
    while (moved) {
        moved = false;
        for (int p = 0; p < ColCount() && p < FColumnOrder->Count(); ++p) {
            const int o = FColumnOrder->Items(p);
            if (o < p) {
                MoveColumn(p, o);
                moved = true;
            }
        }
    }
}

int TQvStringGrid::ColumnPosition(int ACol) const {
    if (FColumnOrder->Count() == 0) return ACol;
    int pos = -1;
    for (int i = 0; i < FColumnOrder->Count() && pos < 0; ++i)
        if (FColumnOrder->Items(i) == ACol) pos = i;
    if (pos < 0) return ACol;
    return FGroupColumn >= 0 && ACol >= FGroupColumn ? pos - 1 : pos;
}

int TQvStringGrid::ColumnAtPosition(int APos) {
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    if (APos < 0 || APos >= FColumnOrder->Count()) return APos;
    const int c = FColumnOrder->Items(APos);
    return FGroupColumn >= 0 && c >= FGroupColumn ? c + 1 : c;
}

int TQvStringGrid::ColumnByHeader(const String& AValue) const {
    for (int c = 0; c < TotalColCount(); ++c)
        if (AllCells(c, 0) == AValue) return c;
    return -1;
}

bool TQvStringGrid::IsIgnoredColumn(int ACol) const {
    return FIgnoreColumns->HasValue(ACol);
}

// Scrolling, selection hiding, save range
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ScrollInView(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    int left = LeftCol(), top = TopRow();
    const int visCols = VisibleColCount(), visRows = VisibleRowCount();
    if (ACol < LeftCol() || ACol > LeftCol() + visCols - 1) {
        SetCol(ACol);
        left = std::max(ACol - visCols / 2, FixedCols());
    }
    if (ARow < TopRow() || ARow > TopRow() + visRows - 1) {
        SetRow(ARow);
        top = std::max(ARow - visRows / 2, FixedRows());
    }
    left = std::min(left, ColCount() - visCols + 1);
    if (FixedCols() + visCols < ColCount()) SetLeftCol(std::max(left, FixedCols()));
    top = std::min(top, RowCount() - visRows + 1);
    if (FixedRows() + visRows < RowCount()) SetTopRow(std::max(top, FixedRows()));
}

void TQvStringGrid::HideSelection() {
    FOldSelection = Selection();
    TGridRect outside;
    outside.Left = outside.Right = ColCount();
    outside.Top = outside.Bottom = RowCount();
    SetSelection(outside);
    FSelHidden = true;
}

void TQvStringGrid::UnHideSelection() {
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        SetSelection(FOldSelection);
        return;
    }
    TGridRect cell;
    cell.Top = cell.Bottom = FFixedRowAlways && FixedRows() >= RowCount() ? 0 : FixedRows();
    cell.Left = cell.Right = FFixedColAlways && FixedCols() >= ColCount() ? 0 : FixedCols();
    SetSelection(cell);
}

int TQvStringGrid::SaveStartCol() const {
    return FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
}
int TQvStringGrid::SaveStartRow() const {
    return FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
}
int TQvStringGrid::SaveEndCol() const {
    return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}
int TQvStringGrid::SaveEndRow() const {
    return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}
