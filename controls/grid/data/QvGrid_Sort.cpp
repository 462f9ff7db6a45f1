// Sorting the string grid: its sort operations and the sort settings' text, forwarded to the row sorter.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/RowSorter.h"
#include "controls/grid/data/StringGridCells.h"

#include <algorithm>
#include <climits>

namespace {

// A node row of an outline: its level, span and whether it is expanded.
struct OutlineNode {
    int Row = 0;
    int Level = 0;
    int Span = 0;
    bool Expanded = false;
};

} // namespace

// Settings and rules
// --------------------------------------------------------------------------------------------

SortColumnRule TQvStringGrid::SortRuleFor(int ACol, bool Descending) {
    SortColumnRule rule;
    rule.Col = ACol;
    rule.Style = FSortSettings->AutoFormat()   ? ssAutomatic
                 : FSortSettings->IgnoreCase() ? ssAlphaNoCase
                                               : ssAlphabetic;
    DoGetFormat(ACol, rule.Style, rule.Prefix, rule.Suffix);
    rule.Descending = Descending;
    rule.Ignored = IsIgnoredColumn(ACol);
    return rule;
}

std::vector<SortColumnRule> TQvStringGrid::ColumnSortRules(int ACol, bool Descending, bool Following) {
    std::vector<SortColumnRule> rules;
    rules.push_back(SortRuleFor(ACol, Descending));
    // Rows that tie go on to the columns after it, hidden ones included.
    if (Following)
        for (int c = ACol + 1; c < TotalColCount(); ++c)
            rules.push_back(SortRuleFor(c, Descending));
    return rules;
}

std::vector<SortColumnRule> TQvStringGrid::IndexSortRules() {
    if (FSortIndexes->Count() == 0) throw EQvGridError("No indexes specified for indexed sort");
    std::vector<SortColumnRule> rules;
    const int count = FSortSettings->Full() ? FSortIndexes->Count() : 1;
    for (int i = 0; i < count; ++i)
        rules.push_back(SortRuleFor(FSortIndexes->SortColumns(i), !FSortIndexes->SortDirections(i)));
    return rules;
}

std::unique_ptr<RowSorter> TQvStringGrid::MakeRowSorter(const IGridCells& Cells,
                                                        std::vector<SortColumnRule> Rules) {
    SortOptions options;
    options.ShownTexts = FSortSettings->SortOnVirtualCells();
    options.IgnoreCase = FSortSettings->IgnoreCase();
    options.BlanksApart = FSortSettings->IgnoreBlanks();
    options.BlankPos = FSortSettings->BlankPos();
    SortCellHooks hooks;
    hooks.CheckState = [this](int ACol, int ARow) {
        switch (GetCellType(ACol, DisplRowIndex(ARow))) {
        case ctCheckBox:
        case ctDataCheckBox:
        case ctVirtCheckBox:
        case ctRowCheckBox: {
            bool state = false;
            GetCheckBoxState(ACol, ARow, state);
            return state ? 1 : 0;
        }
        default:
            return -1;
        }
    };
    hooks.ImageRef = [this](int ACol, int ARow) {
        return static_cast<qint64>(GetCellImageRef(ACol, DisplRowIndex(ARow)));
    };
    if (OnCustomCompare)
        hooks.CustomCompare = [this](const String& a, const String& b) {
            int res = 0;
            OnCustomCompare(this, a, b, res);
            return res;
        };
    if (OnRawCompare)
        hooks.RawCompare = [this](int ACol, int a, int b) {
            int res = 0;
            OnRawCompare(this, ACol, a, b, res);
            return res;
        };
    auto sorter = std::make_unique<RowSorter>(Cells, options, std::move(hooks));
    sorter->SetRules(std::move(Rules));
    return sorter;
}

void TQvStringGrid::CountCompares(long long Count) {
    FCompares = static_cast<int>(std::min<long long>(INT_MAX, static_cast<long long>(FCompares) + Count));
}

// Applying an order
// --------------------------------------------------------------------------------------------

void TQvStringGrid::InitSortXRef() {
    FSortRowXRef->Clear();
    for (int r = 0; r < RowCount(); ++r)
        FSortRowXRef->Add(r);
}

void TQvStringGrid::PermuteSortXRef(const std::vector<int>& Order) {
    if (FSortRowXRef->Count() != static_cast<int>(Order.size())) return;
    std::vector<int> entries(Order.size());
    for (size_t i = 0; i < Order.size(); ++i)
        entries[i] = FSortRowXRef->Items(Order[i]);
    for (size_t i = 0; i < Order.size(); ++i)
        FSortRowXRef->SetItems(static_cast<int>(i), entries[i]);
}

void TQvStringGrid::ApplyRowOrder(const std::vector<int>& Order, TSortRowFollow Follow, bool ReportRow) {
    // With fixed columns that must not sort, column 0 stays where it is.
    const bool keepColumn0 = FSortSettings->NormalCellsOnly() && FixedCols() > 0;
    std::vector<std::pair<String, TObject*>> column0;
    if (keepColumn0) {
        column0.reserve(static_cast<size_t>(RowCount()));
        for (int r = 0; r < RowCount(); ++r)
            column0.emplace_back(GridCells(0, r), GridObjects(0, r));
    }
    const int top = TopRow();
    const int row = Row();
    BeginUpdate();
    try {
        if (!IsIdentityOrder(Order)) {
            StringGridCells cells(*this);
            cells.PermuteRows(Order);
            PermuteSortXRef(Order);
            if (keepColumn0)
                for (int r = 0; r < RowCount(); ++r) {
                    SetGridCells(0, r, column0[static_cast<size_t>(r)].first);
                    SetGridObjects(0, r, column0[static_cast<size_t>(r)].second);
                    if (TCellProperties* props = PropsAt(0, r)) props->SetOwnerCell(0, r);
                }
        }
        // The permutation carried the current row along with its row.
        if (Follow == TSortRowFollow::Setting && FNavigation->MoveRowOnSort()) {
            FOldRowSel = -1;
            SetRow(Row());
        } else if (Row() != row) {
            SetRow(row);
        }
        if (FNavigation->KeepScrollOnSort()) SetTopRow(top);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if (ReportRow && OnRowChanged && !FNavigation->MoveRowOnSort()) OnRowChanged(this, row, Row());
    if (FFooterPanel && FFloatingFooter->Visible()) FFooterPanel->Invalidate();
}

std::vector<int> TQvStringGrid::SortedRowOrder(std::vector<SortColumnRule> Rules,
                                               const std::vector<std::pair<int, int>>& Ranges) {
    StringGridCells cells(*this);
    std::unique_ptr<RowSorter> sorter = MakeRowSorter(cells, std::move(Rules));
    std::vector<int> order = IdentityRowOrder(RowCount());
    for (const auto& [first, last] : Ranges)
        sorter->Sort(order, first, last);
    CountCompares(sorter->Compares());
    return order;
}

// Sorts
// --------------------------------------------------------------------------------------------

void TQvStringGrid::Sort(int Column, TSortDirection Direction) {
    FSortSettings->SetColumn(Column);
    FSortSettings->SetDirection(Direction);
    QSort();
}

void TQvStringGrid::SortByColumn(int Col) {
    if (RowCount() <= 1) return;
    FSortSettings->SetColumn(Col);
    QSort();
}

void TQvStringGrid::QSort() {
    const int col = FSortSettings->Column();
    if (col < 0) return;
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    FSortIndexes->Clear();
    const bool descending = FSortSettings->Direction() == sdDescending;
    const std::vector<int> order =
        SortedRowOrder(ColumnSortRules(col, descending, FSortSettings->Full()),
                       {{TCustomGrid::FixedRows(), RowCount() - FFixedFooters - 1}});
    FSortSense = descending ? -1 : 1;
    ApplyRowOrder(order, TSortRowFollow::Setting, true);
    if (FSearchPanel && FSearchPanel->Visible()) FSearchPanel->Invalidate();
}

void TQvStringGrid::QSortIndexed() {
    std::vector<SortColumnRule> rules = IndexSortRules();
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    const std::vector<int> order =
        SortedRowOrder(std::move(rules), {{TCustomGrid::FixedRows(), RowCount() - FFixedFooters - 1}});
    FSortSense = 1;
    ApplyRowOrder(order, TSortRowFollow::Setting, false);
}

std::vector<std::pair<int, int>> TQvStringGrid::GroupSortRanges() {
    // The node rows, from the node graphic in column 0 and the level in its properties.
    std::vector<OutlineNode> nodes;
    int deepest = 0;
    for (int r = TCustomGrid::FixedRows(); r < RowCount(); ++r) {
        const TCellGraphic* graphic = GetCellGraphic(0, r);
        if (!graphic || graphic->CellType != ctNode) continue;
        const TCellProperties* props = PropsAt(0, r);
        OutlineNode node{r, props ? props->NodeLevel() : 0, graphic->CellIndex, !graphic->CellBoolean};
        deepest = std::max(deepest, node.Level);
        nodes.push_back(node);
    }
    std::vector<std::pair<int, int>> ranges;
    const int last = RowCount() - FFixedFooters - 1;
    for (const OutlineNode& node : nodes)
        if (node.Level == deepest && node.Expanded && node.Span > 2)
            ranges.emplace_back(node.Row + 1, std::min(node.Row + node.Span - 1, last));
    return ranges;
}

void TQvStringGrid::QSortGroup() {
    const int col = FSortSettings->Column();
    if (col < 0) return;
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    const bool descending = FSortSettings->Direction() == sdDescending;
    const std::vector<int> order =
        SortedRowOrder(ColumnSortRules(col, descending, FSortSettings->Full()), GroupSortRanges());
    FSortSense = descending ? -1 : 1;
    ApplyRowOrder(order, TSortRowFollow::Setting, false);
}

void TQvStringGrid::QSortGroupIndexed() {
    std::vector<SortColumnRule> rules = IndexSortRules();
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    const std::vector<int> order = SortedRowOrder(std::move(rules), GroupSortRanges());
    FSortSense = 1;
    ApplyRowOrder(order, TSortRowFollow::Setting, false);
}

void TQvStringGrid::QuickSort(int Col, int Left, int Right) {
    const bool descending = FSortSettings->Direction() == sdDescending;
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    const std::vector<int> order =
        SortedRowOrder(ColumnSortRules(Col, descending, FSortSettings->Full()), {{Left, Right}});
    FSortSense = descending ? -1 : 1;
    ApplyRowOrder(order, TSortRowFollow::Stay, false);
}

void TQvStringGrid::QuickSortIndexed(int Left, int Right) {
    std::vector<SortColumnRule> rules = IndexSortRules();
    if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
    const std::vector<int> order = SortedRowOrder(std::move(rules), {{Left, Right}});
    FSortSense = 1;
    ApplyRowOrder(order, TSortRowFollow::Stay, false);
}

void TQvStringGrid::QUnSort() {
    // The list tells where each row stood before sorting only while it covers every row.
    const int n = RowCount();
    if (FSortRowXRef->Count() != n) return;
    std::vector<int> order = IdentityRowOrder(n);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return FSortRowXRef->Items(a) < FSortRowXRef->Items(b); });
    ApplyRowOrder(order, TSortRowFollow::Stay, false);
}

bool TQvStringGrid::SortLine(int Col, int ARow1, int ARow2) {
    if (Col < 0 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return false;
    const bool descending = FSortSettings->Direction() == sdDescending;
    StringGridCells cells(*this);
    std::unique_ptr<RowSorter> sorter = MakeRowSorter(cells, ColumnSortRules(Col, descending, true));
    // The sorter answers in the order the direction gives; the line compares in the ascending sense.
    int c = sorter->CompareRows(ARow1, ARow2);
    CountCompares(sorter->Compares());
    if (descending) c = -c;
    if (c == 0 || c != FSortSense) return false;
    SortSwapRows(ARow1, ARow2);
    return true;
}
