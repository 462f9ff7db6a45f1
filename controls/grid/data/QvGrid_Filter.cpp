// Filtering the string grid: its filter operations and value lists, forwarded to the row filter.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/RowFilter.h"
#include "controls/grid/data/StringGridCells.h"
#include "toolkit/system/ScopedValue.h"

#include <algorithm>

// The row test
// --------------------------------------------------------------------------------------------

std::unique_ptr<RowFilter> TQvStringGrid::MakeRowFilter(const IGridCells& Cells) {
    RowFilterHooks hooks;
    hooks.EvaluatedText = [this](int ACol, int ARow) {
        String value;
        EvaluateCell(ACol, ARow, value);
        return value;
    };
    if (OnCustomFilter)
        hooks.CustomFilter = [this](int ARow, bool& Accept) { OnCustomFilter(this, ARow, Accept); };
    return std::make_unique<RowFilter>(Cells, ReadFilterConditions(*FFilter), std::move(hooks));
}

bool TQvStringGrid::MatchFilter(int ARow) {
    if (FRowTest) return FRowTest->Matches(ARow);
    StringGridCells cells(*this);
    return MakeRowFilter(cells)->Matches(ARow);
}

void TQvStringGrid::FilterRow(int ARow) {
    if (ARow >= 0 && ARow < RowCount() && !MatchFilter(ARow)) HideRow(RealRowIndex(ARow));
}

// Levels
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ApplyFilter() {
    FFilterFixedRows = FixedRows();
    StringGridCells cells(*this);
    const std::unique_ptr<RowFilter> test = MakeRowFilter(cells);
    ScopedValue<const RowFilter*> pass(FRowTest, test.get());
    std::function<bool(int)> exempt;
    // Without cell properties there are no node or summary rows.
    if (FFilterNormalCellsOnly && HasCellProps())
        exempt = [this](int r) { return IsNode(r) || IsSummary(r); };
    std::function<void(int)> progress;
    if (OnFilterProgress)
        progress = [this](int Percent) { OnFilterProgress(this, static_cast<int16_t>(Percent)); };
    const std::vector<int> failing = FailingRows(
        FixedRows(), RowCount() - FFixedFooters - 1, [this](int r) { return MatchFilter(r); }, exempt,
        progress);
    TIntList level(0, 0);
    for (int r : failing)
        level.Add(r);
    HideRowList(&level);
}

void TQvStringGrid::UndoFilterLevel() {
    UnHideRowList();
    // A level hidden through HideRowList alone, before any filter, leaves the fixed rows as they are.
    if (FFilterFixedRows >= 0 && FixedRows() != FFilterFixedRows && FFilterFixedRows < RowCount())
        SetFixedRows(FFilterFixedRows);
    if (FSelHidden) UnHideSelection();
    FFilterLevel = std::max(FFilterLevel - 1, 0);
}

bool TQvStringGrid::RemoveLastFilter() {
    if (FFilterRows.Empty()) return false;
    UndoFilterLevel();
    CalcFooter(-1);
    return FFilterRows.Count() >= 2;
}

void TQvStringGrid::RemoveAllFilters() {
    if (FFilterRows.Empty()) {
        FFilter->Clear();
        return;
    }
    BeginUpdate();
    while (!FFilterRows.Empty())
        RemoveLastFilter();
    EndUpdate();
}

void TQvStringGrid::SetFilterActive(bool Value) {
    if (IsLoading()) {
        FFilterActive = Value;
        return;
    }
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            try {
                ApplyFilter();
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
            FSelHidden = false;
        } else if (!FFilterRows.Empty()) {
            // Lowering the level with the level undone keeps RemoveAllFilters to the levels still applied.
            UndoFilterLevel();
        }
        if (FixedRows() < RowCount()) SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

void TQvStringGrid::NarrowDown(const String& ACondition, int AColumn) {
    FFixedRowAlways = true;
    auto applyOne = [&] {
        const RowFilterCondition c = NarrowDownCondition(ACondition, AColumn);
        FFilter->Clear();
        TFilterData* d = FFilter->Add();
        d->SetColumn(static_cast<int16_t>(c.Col));
        d->SetData(c.Data);
        d->SetCondition(c.Condition);
        d->SetCaseSensitive(c.CaseSensitive);
        ApplyFilter();
    };
    switch (NarrowDownStep(FLastFilter, ACondition)) {
    case NarrowStep::Stack:
        applyOne();
        break;
    case NarrowStep::Undo:
        RemoveLastFilter();
        break;
    case NarrowStep::Restart:
        RemoveAllFilters();
        if (!ACondition.isEmpty()) applyOne();
        break;
    }
    FLastFilter = ACondition;
    // Levels an outline or an earlier filter left are shown again, never dropped; rows hidden by HideRows
    // keep their own mark.
    if (ACondition.isEmpty()) {
        while (!FFilterRows.Empty())
            UndoFilterLevel();
        FFilterLevel = 0;
    }
}

// Value lists
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::BuildFilterValueList(int ACol) {
    FFilterValues->Clear();
    if (FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == fdAll)) {
        StringGridCells cells(*this);
        FilterValueListOptions options;
        options.Col = ACol;
        options.FirstRow = FixedRows();
        options.LastRow = RowCount() - FFixedFooters - 1;
        options.HiddenRows = !FFilterIncremental;
        options.ClearEntry = FFilterDropDownClear;
        const QStringList values = BuildFilterValues(cells, options);
        // The list keeps the order given: the clear entry first, then the values in their order.
        FFilterValues->SetSorted(false);
        FFilterValues->BeginUpdate();
        for (const String& v : values)
            FFilterValues->Add(v);
        FFilterValues->EndUpdate();
    }
    if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, FFilterValues.get());
    return FFilterValues->Count() > 0;
}

// The automatic list always holds its clear entry, so only a list the application fills is built to find
// out whether it is empty.
bool TQvStringGrid::HasFilterButton(int ACol) {
    const bool autoList = FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == fdAll);
    if (autoList && !FFilterDropDownClear.isEmpty() && !OnGetColumnFilter) return true;
    if (!autoList && !OnGetColumnFilter) return false;
    return BuildFilterValueList(ACol);
}

void TQvStringGrid::ShowFilterList(int ACol, const TRect& Cell) {
    FFilterDropDownColumn = ACol;
    if (!BuildFilterValueList(ACol)) {
        FFilterDropDownColumn = -1;
        return;
    }
    TListBox* list = FFilterDropDownCheck ? static_cast<TListBox*>(FFilterCheckList) : FFilterList;
    TStringList* items = list->Items();
    items->BeginUpdate();
    items->Clear();
    for (int i = 0; i < FFilterValues->Count(); ++i)
        items->Add(SplitFilterListEntry(FFilterValues->Strings(i)).Name);
    items->EndUpdate();
    if (FFilterDropDownCheck) {
        // Ticked are the entries whose condition the column filters with now; ticking them reports nothing.
        const auto report = std::exchange(FFilterCheckList->OnSelect, nullptr);
        for (int i = 0; i < FFilterValues->Count(); ++i) {
            const String condition = SplitFilterListEntry(FFilterValues->Strings(i)).Condition;
            bool ticked = false;
            for (int k = 0; k < FFilter->Count() && !ticked; ++k)
                ticked = FFilter->Items(k)->Column() == ACol && FFilter->Items(k)->Condition() == condition;
            FFilterCheckList->SetChecked(i, ticked);
        }
        FFilterCheckList->OnSelect = report;
    }
    const int width = FFilterDropDown->ColumnWidth() ? Cell.Right - Cell.Left : FFilterDropDown->Width();
    const int left = std::max(0, std::min(Cell.Left, ClientWidth() - width));
    list->SetBounds(left, Cell.Bottom, width, FFilterDropDown->Height());
    list->SetColor(FFilterDropDown->Color());
    list->Font()->Assign(FFilterDropDown->Font());
    list->SetItemIndex(0);
    list->SetVisible(true);
    list->BringToFront();
    if (list->CanFocus()) list->SetFocus();
}

void TQvStringGrid::FilterSelect(int ItemIndex) {
    if (CanFocus()) SetFocus();
    const int column = FFilterDropDownColumn;
    if (column >= 0 && column < TotalColCount() && BuildFilterValueList(column) && ItemIndex >= 0 &&
        ItemIndex < FFilterValues->Count()) {
        const FilterListEntry entry = SplitFilterListEntry(FFilterValues->Strings(ItemIndex));
        if (FAutoFilterUpdate) SetFilterActive(false);
        String condition = entry.Condition == FFilterDropDownClear ? String() : entry.Condition;
        if (OnFilterSelect) OnFilterSelect(this, column, ItemIndex, entry.Name, condition);
        if (condition.isEmpty())
            FFilter->RemoveColumnFilter(column);
        else
            FFilter->ColumnFilter(column)->SetCondition(condition);
        if (FAutoFilterUpdate) {
            FFixedRowAlways = true;
            SetFilterActive(true);
            if (RowCount() != FixedRows() && RowCount() != 1) SetRow(FixedRows());
            DoFilterDone();
        }
    }
    FFilterDropDownColumn = -1;
}

void TQvStringGrid::FilterCheck(int) {
    const int column = FFilterDropDownColumn;
    if (column < 0 || column >= TotalColCount()) return;
    BuildFilterValueList(column);
    if (FAutoFilterUpdate) SetFilterActive(false);
    FFilter->Clear();
    bool first = true;
    for (int i = 0; i < FFilterValues->Count(); ++i) {
        if (!FFilterCheckList->Checked(i)) continue;
        const FilterListEntry entry = SplitFilterListEntry(FFilterValues->Strings(i));
        String condition = entry.Condition == FFilterDropDownClear ? String() : entry.Condition;
        if (OnFilterCheck) OnFilterCheck(this, column, i, entry.Name, condition, FFilterCheckList);
        TFilterData* d = FFilter->Add();
        d->SetCondition(condition);
        d->SetColumn(static_cast<int16_t>(column));
        d->SetOperation(first ? foNONE : foOR);
        first = false;
    }
    SetFilterActive(true);
    FFilterCheckList->Invalidate();
}
