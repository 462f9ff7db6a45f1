// Grouping the string grid by a column and the group calculations, forwarded to the row grouper.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/RowGrouper.h"
#include "controls/grid/data/StringGridCells.h"
#include "toolkit/system/ScopedValue.h"

#include <algorithm>
#include <optional>

namespace {

void SetCellColours(TCellProperties* Props, TColor Color, TColor ColorTo, TColor TextColor) {
    if (!Props) return;
    if (Color != clNone) Props->SetBrushColor(Color);
    if (ColorTo != clNone) Props->SetBrushColorTo(ColorTo);
    if (TextColor != clNone) Props->SetFontColor(TextColor);
}

} // namespace

void TQvStringGrid::GroupHeaderLook(int ARow) {
    const TGrouping& g = *FGrouping;
    if (g.MergeHeader()) {
        if (ColCount() > 2) MergeCells(1, ARow, ColCount() - 1, 1);
        SetCellColours(GetCellProperties(1, ARow), g.HeaderColor(), g.HeaderColorTo(), g.HeaderTextColor());
        return;
    }
    if (g.HeaderColor() != clNone) SetRowColor(ARow, g.HeaderColor());
    if (g.HeaderColorTo() != clNone) SetRowColorTo(ARow, g.HeaderColorTo());
    if (g.HeaderTextColor() != clNone) SetRowFontColor(ARow, g.HeaderTextColor());
}

void TQvStringGrid::GroupSummaryLook(int ARow) {
    const TGrouping& g = *FGrouping;
    if (g.MergeSummary()) {
        if (ColCount() > 2) MergeCells(1, ARow, ColCount() - 1, 1);
        SetCellColours(GetCellProperties(1, ARow), g.SummaryColor(), g.SummaryColorTo(),
                       g.SummaryTextColor());
        return;
    }
    if (g.SummaryColor() != clNone) SetRowColor(ARow, g.SummaryColor());
    if (g.SummaryColorTo() != clNone) SetRowColorTo(ARow, g.SummaryColorTo());
    if (g.SummaryTextColor() != clNone) SetRowFontColor(ARow, g.SummaryTextColor());
}

// The ascending display rows leave in one pass: moved behind the others, then cut off together.
void TQvStringGrid::RemoveDisplayRows(const std::vector<int>& Rows) {
    if (Rows.empty()) return;
    StringGridCells cells(*this);
    cells.PermuteRows(RemovalOrder(RowCount(), Rows));
    const int count = static_cast<int>(Rows.size());
    DoRemoveRows(RowCount() - count, count);
}

void TQvStringGrid::Group(int Colindex) {
    if (Colindex < FixedCols() || Colindex >= ColCount()) return;
    if (FGroupColumn > 0) UnGroup();
    const int first = FixedRows(), last = RowCount() - FFixedFooters - 1;
    if (last < first) return;
    BeginUpdate();
    ScopedValue<bool> grouping(FIsGrouping, true);
    FGroupColumn = Colindex;
    FGroupWidth = ColWidths(Colindex);
    FGroupCaption = FixedRows() > 0 ? Cells(Colindex, 0) : String();
    FGroupFooter = FFixedFooters > 0 ? Cells(Colindex, RowCount() - 1) : String();
    if (FSortSettings->AutoSortForGrouping()) {
        FSortSettings->SetColumn(Colindex);
        QSort();
    }
    // The header and summary rows come in with one rearrangement of the rows.
    StringGridCells cells(*this);
    const std::vector<GroupRun> runs = GroupRuns(cells, Colindex, first, last);
    const bool summary = FGrouping->Summary();
    const GroupLayout layout = LayoutGroups(RowCount(), runs, summary);
    const int oldCount = RowCount();
    InsertRows(oldCount, static_cast<int>(layout.Order.size()) - oldCount);
    cells.PermuteRows(layout.Order);
    const int valueCol = Colindex == 1 ? 2 : 1;
    for (size_t i = 0; i < runs.size(); ++i) {
        const int h = layout.Headers[i];
        SetCells(valueCol, h, Cells(Colindex, h + 1));
        AddNode(RealRowIndex(h), runs[i].Count + 1);
        if (summary) {
            const int s = layout.Summaries[i];
            CreateCellGraphic(0, s)->CellType = ctSummary;
        }
    }
    RemoveCols(Colindex, 1);
    for (size_t i = 0; i < runs.size(); ++i) {
        GroupHeaderLook(layout.Headers[i]);
        if (summary) GroupSummaryLook(layout.Summaries[i]);
    }
    if (FCellNode->ExpandOne() && !layout.Headers.empty()) ExpandNode(RealRowIndex(layout.Headers.front()));
    if (Col() >= ColCount() || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    if (FixedRows() < RowCount()) SetRow(FixedRows());
    EndUpdate();
}

void TQvStringGrid::UnGroup() {
    if (FGroupColumn <= 0) return;
    const int col = FGroupColumn;
    BeginUpdate();
    {
        const bool expandOne = FCellNode->ExpandOne();
        FCellNode->SetExpandOne(false);
        ExpandAll();
        FCellNode->SetExpandOne(expandOne);
    }
    InsertCols(col, 1);
    SetColWidths(col, FGroupWidth);
    if (FixedRows() > 0) SetCells(col, 0, FGroupCaption);
    if (FFixedFooters > 0) SetCells(col, RowCount() - 1, FGroupFooter);
    ScopedValue<bool> grouping(FIsGrouping, true);
    const int valueCol = col == 1 ? 2 : 1;
    std::vector<int> leaving;
    String value;
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
        if (IsNode(r)) {
            value = Cells(valueCol, r);
            if (IsMergedCell(1, r)) SplitCells(1, r);
            DropNode(r);
            leaving.push_back(r);
        } else if (IsSummary(r)) {
            if (IsMergedCell(1, r)) SplitCells(1, r);
            leaving.push_back(r);
        } else {
            SetCells(col, r, value);
        }
    }
    for (int r : leaving)
        FreeCellPropsRect(0, r, TotalColCount() - 1, r);
    RemoveDisplayRows(leaving);
    FGroupColumn = -1;
    if (Col() >= ColCount() || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    EndUpdate();
    Invalidate();
}

// A second level inside a grouping: a sub-header row before each run of equal values of the column within a
// group. The grouping's own column, width and texts stay remembered for UnGroup.
void TQvStringGrid::SubGroup(int Colindex) {
    if (Colindex < FixedCols() || Colindex >= ColCount()) return;
    BeginUpdate();
    ExpandAll();
    const bool summary = FGrouping->Summary();
    const int textCol = std::min(Colindex + 1, ColCount() - 1);
    int header = -1;
    // The open sub-group ends before End: its summary row comes in first, so that it counts for the
    // enclosing group and not for the sub-group; answers the rows added.
    auto close = [&](int End) {
        if (header < 0) return 0;
        int added = 0;
        if (summary) {
            InsertChildRow(RealRowIndex(End - 1), 1);
            CreateCellGraphic(0, End)->CellType = ctSummary;
            GroupSummaryLook(End);
            added = 1;
        }
        AddNode(RealRowIndex(header), End - header);
        GetCellGraphic(0, header)->CellVar = Colindex;
        header = -1;
        return added;
    };
    std::optional<String> previous;
    for (int r = FixedRows(); r < RowCount() - FFixedFooters;) {
        if (IsNode(r) || IsSummary(r)) {
            r += close(r) + 1;
            previous.reset();
            continue;
        }
        const String value = Cells(Colindex, r);
        if (!previous || value != *previous) {
            r += close(r);
            InsertChildRow(RealRowIndex(r), 0);
            SetCells(textCol, r, value);
            GroupHeaderLook(r);
            header = r++;
            previous = value;
        }
        SetCells(Colindex, r, String());
        ++r;
    }
    close(RowCount() - FFixedFooters);
    if (FixedRows() < RowCount()) SetRow(FixedRows());
    EndUpdate();
}

void TQvStringGrid::SubUnGroup(int Colindex) {
    BeginUpdate();
    ExpandAll();
    const int textCol = std::min(Colindex + 1, ColCount() - 1);
    String value;
    for (int r = FixedRows(); r < RowCount() - FFixedFooters;) {
        const TCellGraphic* g = IsNode(r) ? GetCellGraphic(0, r) : nullptr;
        if (g && g->CellVar.toInt() == Colindex) {
            value = Cells(textCol, r);
            const int span = GetNodeSpan(r);
            if (FGrouping->Summary() && IsSummary(r + span)) RemoveChildRow(RealRowIndex(r + span));
            if (IsMergedCell(1, r)) SplitCells(1, r);
            DropNode(r);
            FreeCellPropsRect(0, r, TotalColCount() - 1, r);
            RemoveChildRow(RealRowIndex(r));
            continue;
        }
        if (!g && !IsSummary(r)) SetCells(Colindex, r, value);
        ++r;
    }
    EndUpdate();
}

void TQvStringGrid::SetGroupColumn(int Value) {
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

void TQvStringGrid::GroupCalc(int Colindex, int Method) {
    const bool summary = FGrouping->Summary();
    for (int n = FixedRows(); n < RowCount();) {
        if (!IsNode(n) || NodeState(n)) {
            ++n;
            continue;
        }
        const int s = std::max(GetNodeSpan(n), 1);
        const int result = summary ? n + s : n;
        const int from = n + 1, to = std::min(n + s - 1, RowCount() - 1);
        if (result < RowCount()) {
            double value = 0;
            switch (Method) {
            case 1:
                value = ColumnSum(Colindex, from, to);
                break;
            case 2:
                value = ColumnAvg(Colindex, from, to);
                break;
            case 3:
                value = ColumnMin(Colindex, from, to);
                break;
            case 4:
                value = ColumnMax(Colindex, from, to);
                break;
            case 6:
                if (OnGroupCalc) OnGroupCalc(this, Colindex, from, to, value);
                break;
            case 7:
                value = ColumnDistinct(Colindex, from, to);
                break;
            case 8:
                value = ColumnStdDev(Colindex, from, to);
                break;
            default:
                break;
            }
            if (Method == 5)
                SetInts(Colindex, result, s - 1);
            else if (Method >= 1 && Method <= 8)
                SetFloats(Colindex, result, value);
        }
        n += s;
    }
    // A shown footer sums up the column the way its groups were.
    static constexpr TColumnCalcType kFooterCalc[] = {acNONE, acSUM, acAVG, acMIN, acMAX, acCOUNT};
    if (FFloatingFooter->Visible() && Method >= 1 && Method <= 5)
        FFloatingFooter->SetColumnCalc(Colindex, kFooterCalc[Method]);
}
