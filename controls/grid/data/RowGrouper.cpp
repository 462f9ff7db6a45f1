// Grouping rows by the values of one column.
#include "controls/grid/data/RowGrouper.h"

#include <optional>

std::vector<GroupRun> GroupRuns(const IGridCells& Cells, int Col, int First, int Last) {
    std::vector<GroupRun> runs;
    std::optional<String> previous;
    for (int d = std::max(First, 0); d <= Last && d < Cells.DisplayRowCount(); ++d) {
        String value = Cells.Text(Col, Cells.RealRow(d));
        if (!previous || value != *previous) {
            runs.push_back(GroupRun{d, 0});
            previous = std::move(value);
        }
        ++runs.back().Count;
    }
    return runs;
}

GroupLayout LayoutGroups(int DisplayRows, const std::vector<GroupRun>& Runs, bool Summary) {
    GroupLayout out;
    const size_t extra = Runs.size() * (Summary ? 2 : 1);
    out.Order.reserve(static_cast<size_t>(DisplayRows) + extra);
    out.Headers.reserve(Runs.size());
    if (Summary) out.Summaries.reserve(Runs.size());
    int next = 0, fresh = DisplayRows;
    for (const GroupRun& run : Runs) {
        while (next < run.First)
            out.Order.push_back(next++);
        out.Headers.push_back(static_cast<int>(out.Order.size()));
        out.Order.push_back(fresh++);
        for (int k = 0; k < run.Count; ++k)
            out.Order.push_back(next++);
        if (Summary) {
            out.Summaries.push_back(static_cast<int>(out.Order.size()));
            out.Order.push_back(fresh++);
        }
    }
    while (next < DisplayRows)
        out.Order.push_back(next++);
    return out;
}

std::vector<int> RemovalOrder(int DisplayRows, const std::vector<int>& Removed) {
    std::vector<int> order;
    order.reserve(static_cast<size_t>(DisplayRows));
    size_t k = 0;
    for (int d = 0; d < DisplayRows; ++d) {
        if (k < Removed.size() && Removed[k] == d)
            ++k;
        else
            order.push_back(d);
    }
    order.insert(order.end(), Removed.begin(), Removed.end());
    return order;
}
