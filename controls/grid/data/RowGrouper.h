// Grouping rows by the values of one column: the runs of equal values and where the header and summary rows
// go, over the grid's data view.
#pragma once

#include "controls/grid/data/GridCells.h"

#include <vector>

// A run of consecutive display rows holding the same stored text in the grouped column.
struct GroupRun {
    int First = 0;
    int Count = 0;
    bool operator==(const GroupRun&) const = default;
};

// The runs over display rows First .. Last of column Col (a real column). The first row starts a run whatever
// it holds: there is no marker text that a cell could hold too.
std::vector<GroupRun> GroupRuns(const IGridCells& Cells, int Col, int First, int Last);

// The display rows once every run has a header row in front of it and, with Summary, a summary row after it.
// Order is a permutation for PermuteRows over DisplayRows + the new rows appended after them: Order[i] is the
// display row that row i was, the new rows numbered from DisplayRows on. Headers and Summaries are the
// display rows of the new rows, one per run in order.
struct GroupLayout {
    std::vector<int> Order;
    std::vector<int> Headers;
    std::vector<int> Summaries;
};
GroupLayout LayoutGroups(int DisplayRows, const std::vector<GroupRun>& Runs, bool Summary);

// The order that takes the ascending display rows Removed out of DisplayRows rows: the other rows keep their
// order in front, the removed ones follow at the end, ready to be cut off in one piece.
std::vector<int> RemovalOrder(int DisplayRows, const std::vector<int>& Removed);
