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

void TQvStringGrid::SetAllColWidths(int ACol, int Value) {
    if (ACol < 0) return;
    if (FAllColWidths.size() <= static_cast<size_t>(ACol))
        FAllColWidths.resize(static_cast<size_t>(ACol) + 1, 0);
    FAllColWidths[static_cast<size_t>(ACol)] = Value;
    if (!FHiddenCols.IsHidden(ACol) && ACol < TotalColCount()) SetColWidths(DisplColIndex(ACol), Value);
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
    const int base = FFilterRows.Empty() ? ARow : FFilterRows.ToBase(ARow);
    return FHiddenRows.Empty() ? base : FHiddenRows.ToReal(base);
}

int TQvStringGrid::DisplRowIndex(int ARow) const {
    const int base = FHiddenRows.Empty() ? ARow : FHiddenRows.ToDisplay(ARow);
    return FFilterRows.Empty() ? base : FFilterRows.ToDisplay(base);
}

bool TQvStringGrid::IsHiddenRow(int ARow) const {
    return HiddenRowItem(ARow) != nullptr;
}

String TQvStringGrid::AllCells(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return String();
    if (HiddenRowItem(ARow)) {
        String text = AllGridCells(ACol, ARow);
        GetDisplText(ACol, ARow, text);
        return text;
    }
    const int d = DisplRowIndex(ARow);
    return d < RowCount() ? GetCellEx(ACol, d) : String();
}

String TQvStringGrid::AllGridCells(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0) return String();
    if (const TGridItem* item = HiddenRowItem(ARow)) {
        const TStringList* items = item->Items();
        return ACol < items->Count() ? items->Strings(ACol) : String();
    }
    const int d = DisplRowIndex(ARow);
    return d < RowCount() ? GridCells(ACol, d) : String();
}

bool TQvStringGrid::PeekAllCells(int ACol, int ARow, bool Shown, char16_t* Scratch,
                                 QStringView& Value) const {
    if (ACol < 0 || ARow < 0 || HiddenRowItem(ARow)) return false;
    const int d = DisplRowIndex(ARow);
    if (d >= RowCount()) return false;
    if (Shown) {
        // What GetCellEx would change: another cell's text in a merged area, or a display hook.
        if (OnGetDisplText || OnGetDisplWideText || FURLShowInText) return false;
        if (const TCellProperties* props = PropsAt(ACol, d);
            props && props->GetBaseCell(ACol, d) != TPoint(ACol, d))
            return false;
    }
    Value = CellView(ACol, d, Scratch);
    return true;
}

void TQvStringGrid::SetAllGridCells(int ACol, int ARow, const String& Value) {
    if (ACol < 0 || ARow < 0) return;
    if (TGridItem* item = HiddenRowItem(ARow)) {
        if (ACol < item->Items()->Count()) item->Items()->SetStrings(ACol, Value);
        return;
    }
    const int d = DisplRowIndex(ARow);
    if (d < RowCount()) SetGridCells(ACol, d, Value);
}

void TQvStringGrid::DiscardCellProps(TObject* Props) {
    DisposeHiddenRowProps(Props);
}

void TQvStringGrid::SyncHiddenRowItems() {
    const std::vector<int>& idx = FHiddenRows.Hidden();
    for (int i = 0; i < FGridItems->Count(); ++i)
        FGridItems->Items(i)->SetIdx(idx[static_cast<size_t>(i)]);
}

std::vector<TGridItem*> TQvStringGrid::AllHiddenRowItems() const {
    std::vector<TGridItem*> out = FFilterRows.AllItems();
    for (int i = 0; i < FGridItems->Count(); ++i)
        out.push_back(FGridItems->Items(i));
    return out;
}

void TQvStringGrid::DiscardHiddenRows() {
    for (TGridItem* item : AllHiddenRowItems())
        item->ForEachObject(DisposeHiddenRowProps);
    FGridItems->Clear();
    FHiddenRows.Clear();
    FFilterRows.Clear();
}

void TQvStringGrid::PutDisplayRow(int ARow, TGridItem* AItem) {
    if (AItem->HoldsRow()) {
        // The row comes back as it left, by pointer.
        PutRow(ARow, AItem->TakeRow());
    } else {
        const TStringList* items = AItem->Items();
        for (int c = 0; c < items->Count(); ++c) {
            SetGridCells(c, ARow, items->Strings(c));
            if (items->Objects(c)) SetGridObjects(c, ARow, items->Objects(c));
        }
    }
    if (AItem->Height() > 0 && AItem->Height() != RowHeights(ARow)) SetRowHeights(ARow, AItem->Height());
}

void TQvStringGrid::TakeDisplayRows(const std::vector<int>& Rows,
                                    const std::function<void(std::vector<TGridItem>)>& Taken) {
    if (Rows.empty()) {
        // An empty level is still a level.
        Taken({});
        return;
    }
    const int cols = TotalColCount();
    const size_t k = Rows.size();
    std::vector<int> heights;
    heights.reserve(k);
    for (int r : Rows) {
        // Objects beyond the columns belong to no cell the row can show again: they go as the rows cut off
        // do.
        if (HasCellProps())
            for (int c = StoredObjectCount(r) - 1; c >= cols; --c)
                FreeCellProps(c, r);
        heights.push_back(RowHeights(r));
    }
    // The rows' stores go with the items, properties included: the grid no longer holds them.
    const auto hand = [&](TTakenRows Stores) {
        std::vector<TGridItem> items;
        items.reserve(k);
        for (size_t i = 0; i < k; ++i) {
            items.emplace_back(std::move(Stores[i]), cols);
            items.back().SetHeight(heights[i]);
        }
        Taken(std::move(items));
    };
    if (Rows.back() - Rows.front() + 1 == static_cast<int>(k)) {
        // One block: taken out where it stands, so that rows hidden one by one cost a walk through the store.
        TTakenRows stores;
        stores.reserve(k);
        for (int r : Rows)
            stores.push_back(TakeRow(r));
        hand(std::move(stores));
        CutRows(Rows.front(), static_cast<int>(k));
        return;
    }
    TakeRows(Rows, hand);
}

void TQvStringGrid::OpenDisplayRows(const std::vector<int>& Rows) {
    if (Rows.empty()) return;
    const int old = RowCount();
    const int k = static_cast<int>(Rows.size());
    const int n = old + k;
    if (Rows.back() - Rows.front() + 1 == k) {
        OpenRows(Rows.front(), k);
        return;
    }
    TCustomGrid::SetRowCount(n);
    std::vector<int> order;
    order.reserve(static_cast<size_t>(n));
    size_t at = 0;
    int next = 0;
    for (int r = 0; r < n; ++r) {
        if (at < Rows.size() && Rows[at] == r)
            order.push_back(old + static_cast<int>(at++));
        else
            order.push_back(next++);
    }
    PermuteRows(order);
}

void TQvStringGrid::HideRows(int FromRow, int ToRow) {
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, TotalRowCount() - 1);
    if (FromRow > ToRow) return;
    if (EditorMode()) HideEditor();
    // The displayed rows of the range; rows already hidden, by this hiding or a filter level, stay where
    // they are.
    std::vector<int> reals, bases, displays;
    for (int r = FromRow; r <= ToRow; ++r) {
        if (FHiddenRows.IsHidden(r)) continue;
        const int b = FHiddenRows.ToDisplay(r);
        if (FFilterRows.HiddenItem(b)) continue;
        reals.push_back(r);
        bases.push_back(b);
        displays.push_back(FFilterRows.ToDisplay(b));
    }
    if (reals.empty()) return;
    BeginUpdate();
    TakeDisplayRows(displays, [&](std::vector<TGridItem> Items) {
        std::vector<std::unique_ptr<TGridItem>> taken;
        taken.reserve(Items.size());
        for (size_t i = 0; i < Items.size(); ++i) {
            Items[i].SetIdx(reals[i]);
            taken.push_back(std::make_unique<TGridItem>(std::move(Items[i])));
        }
        FFilterRows.RemoveBases(bases);
        FileHiddenRows(std::move(taken));
    });
    EndUpdate();
}

void TQvStringGrid::FileHiddenRows(std::vector<std::unique_ptr<TGridItem>> Taken) {
    if (Taken.size() <= 8) {
        // A few rows go into their places.
        for (auto& item : Taken) {
            const int r = item->Idx();
            FGridItems->Put(FHiddenRows.HiddenBefore(r), std::move(item));
            FHiddenRows.Hide(r);
        }
        return;
    }
    // Many rows: one merge into the store and the map, both in ascending real order.
    std::vector<std::unique_ptr<TGridItem>>& list = FGridItems->List();
    std::vector<std::unique_ptr<TGridItem>> merged;
    std::vector<int> idx;
    merged.reserve(list.size() + Taken.size());
    idx.reserve(list.size() + Taken.size());
    size_t a = 0, b = 0;
    while (a < list.size() || b < Taken.size()) {
        if (b == Taken.size() || (a < list.size() && list[a]->Idx() < Taken[b]->Idx()))
            merged.push_back(std::move(list[a++]));
        else
            merged.push_back(std::move(Taken[b++]));
        idx.push_back(merged.back()->Idx());
    }
    list.swap(merged);
    FHiddenRows.Assign(std::move(idx));
}

void TQvStringGrid::HideRowsEx(int FromRow, int ToRow) {
    if (FHiddenRows.IsHidden(FromRow)) return;
    // Rows of the block that were hidden before keep their own cells: the general hiding handles them.
    HideRows(FromRow, ToRow);
}

void TQvStringGrid::RestoreHiddenRows(int AFrom, int ATo) {
    if (AFrom >= ATo) return;
    std::vector<std::unique_ptr<TGridItem>> back = FGridItems->Take(AFrom, ATo);
    for (const auto& item : back)
        FHiddenRows.Show(item->Idx());
    // The rows return as displayed rows: on top of the filter levels' positions as well.
    std::vector<int> bases;
    bases.reserve(back.size());
    for (const auto& item : back)
        bases.push_back(FHiddenRows.ToDisplay(item->Idx()));
    FFilterRows.InsertBases(bases);
    std::vector<int> displays;
    displays.reserve(back.size());
    for (int base : bases)
        displays.push_back(FFilterRows.ToDisplay(base));
    OpenDisplayRows(displays);
    for (size_t i = 0; i < back.size(); ++i)
        PutDisplayRow(displays[i], back[i].get());
}

void TQvStringGrid::UnHideRow(int ARow) {
    const int i = FHiddenRows.HiddenBefore(ARow);
    if (i >= FHiddenRows.Count() || FHiddenRows.At(i) != ARow) return;
    BeginUpdate();
    RestoreHiddenRows(i, i + 1);
    EndUpdate();
}

void TQvStringGrid::UnHideRows(int FromRow, int ToRow) {
    if (!FHiddenRows.IsHidden(FromRow)) return;
    BeginUpdate();
    RestoreHiddenRows(FHiddenRows.HiddenBefore(FromRow), FHiddenRows.HiddenBefore(ToRow + 1));
    EndUpdate();
}

void TQvStringGrid::UnHideRowsAll() {
    if (FHiddenRows.Empty()) return;
    BeginUpdate();
    RestoreHiddenRows(0, FHiddenRows.Count());
    EndUpdate();
}

// Filter levels
// --------------------------------------------------------------------------------------------

void TQvStringGrid::HideRowList(const TIntList* RowList) {
    if (!RowList) return;
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(RowList->Count()));
    for (int i = 0; i < RowList->Count(); ++i) {
        const int r = RowList->Items(i);
        if (r >= 0 && r < RowCount()) rows.push_back(r);
    }
    // A filter pass hands its rows in order already.
    if (!std::is_sorted(rows.begin(), rows.end())) std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // A grid keeps at least one row: a level cannot take them all.
    if (!rows.empty() && static_cast<int>(rows.size()) >= RowCount()) rows.pop_back();
    if (EditorMode()) HideEditor();
    BeginUpdate();
    // The rows' stores move into the level by pointer, all items in one block.
    TakeDisplayRows(rows, [&](std::vector<TGridItem> Items) {
        for (size_t i = 0; i < Items.size(); ++i) {
            Items[i].SetIdx(rows[i]);
            Items[i].SetLevel(FFilterLevel);
        }
        FFilterRows.Push(FFilterLevel, rows, std::move(Items));
        ++FFilterLevel;
    });
    EndUpdate();
}

void TQvStringGrid::UnHideRowList() {
    if (FFilterRows.Empty()) return;
    BeginUpdate();
    std::unique_ptr<RowFilterLevels::Level> level = FFilterRows.Pop();
    // The level's positions are where its rows stood among the rows it left shown, which are now the
    // display rows: each row goes back to its position.
    const std::vector<int>& rows = level->Map.Hidden();
    OpenDisplayRows(rows);
    for (size_t i = 0; i < rows.size(); ++i)
        PutDisplayRow(rows[i], &level->Items[i]);
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
    for (TGridItem* item : AllHiddenRowItems()) {
        TStringList* items = item->Items();
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

void TQvStringGrid::RearrangeRows(const std::vector<int>& Order) {
    // The toolkit moves texts, property objects and heights and refuses an order that is no permutation.
    TCustomGrid::PermuteRows(Order);
    if (HasCellProps()) {
        const int cols = TotalColCount();
        for (int r = 0; r < RowCount(); ++r) {
            if (Order[static_cast<size_t>(r)] == r) continue;
            // Rows that never held an object have no slots to look at.
            const int last = std::min(cols, StoredObjectCount(r));
            for (int c = 0; c < last; ++c)
                if (TCellProperties* props = PropsAt(c, r)) props->SetOwnerCell(c, r);
        }
    }
    RowFlagsPermuted(Order);
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

int TQvStringGrid::ColumnByHeader(const String& AValue) {
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
