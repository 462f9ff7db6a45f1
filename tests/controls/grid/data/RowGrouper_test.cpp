// The row grouper over the plain cell store: the runs of equal values (no marker text), hidden rows passed
// over, and where the header and summary rows land.
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/data/RowGrouper.h"

#include <gtest/gtest.h>

#include <vector>

namespace rowgrouper_test {

TEST(GroupRuns, RunsOfEqualStoredTexts) {
    struct Case {
        const char* name;
        QStringList texts;
        int first, last;
        std::vector<GroupRun> runs;
    };
    const QString marker = QString(QChar(0xFF)) + QChar(0xFE);
    const std::vector<Case> cases{
        {"each change starts a run", {"A", "B", "B", "A"}, 0, 3, {{0, 1}, {1, 2}, {3, 1}}},
        {"the marker text groups like any other", {marker, marker, "x"}, 0, 2, {{0, 2}, {2, 1}}},
        {"empty texts form a run", {"", "", "a"}, 0, 2, {{0, 2}, {2, 1}}},
        {"case counts", {"a", "A"}, 0, 1, {{0, 1}, {1, 1}}},
        {"only the range", {"h", "a", "a", "f"}, 1, 2, {{1, 2}}},
        {"an empty range", {"a"}, 1, 0, {}},
    };
    for (const Case& c : cases) {
        GridCellStore store(2, static_cast<int>(c.texts.size()));
        for (int r = 0; r < c.texts.size(); ++r)
            store.SetText(1, r, c.texts[r]);
        EXPECT_EQ(GroupRuns(store, 1, c.first, c.last), c.runs) << c.name;
    }
}

TEST(GroupRuns, HiddenRowsAreNotRead) {
    GridCellStore store(1, 4);
    const QStringList texts{"a", "b", "a", "c"};
    for (int r = 0; r < 4; ++r)
        store.SetText(0, r, texts[r]);
    store.HideRow(1);
    EXPECT_EQ(GroupRuns(store, 0, 0, 2), (std::vector<GroupRun>{{0, 2}, {2, 1}}));
}

TEST(LayoutGroups, HeadersBeforeAndSummariesAfterEachRun) {
    // One fixed row, two runs over rows 1 .. 3, one footer row at 4; new rows are numbered 5 on.
    const std::vector<GroupRun> runs{{1, 1}, {2, 2}};
    GroupLayout plain = LayoutGroups(5, runs, false);
    EXPECT_EQ(plain.Order, (std::vector<int>{0, 5, 1, 6, 2, 3, 4}));
    EXPECT_EQ(plain.Headers, (std::vector<int>{1, 3}));
    EXPECT_TRUE(plain.Summaries.empty());
    GroupLayout summed = LayoutGroups(5, runs, true);
    EXPECT_EQ(summed.Order, (std::vector<int>{0, 5, 1, 6, 7, 2, 3, 8, 4}));
    EXPECT_EQ(summed.Headers, (std::vector<int>{1, 4}));
    EXPECT_EQ(summed.Summaries, (std::vector<int>{3, 7}));
    EXPECT_EQ(RemovalOrder(6, {1, 4}), (std::vector<int>{0, 2, 3, 5, 1, 4}));
}

} // namespace rowgrouper_test
