// Filter levels of the string grid: rows hidden by display position, level by level, beside the rows hidden
// by real index, with both index spaces and the rows' data, heights and properties kept.
#include "controls/grid/QvGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

namespace qvgrid_filter_levels_test {

// Cell (c, r) reads "c:r"; heights and properties tell the rows apart.
struct FilterGrid : ::testing::Test {
    TQvStringGrid g{nullptr};
    void SetUp() override {
        g.SetColCount(4);
        g.SetRowCount(10);
        for (int r = 0; r < 10; ++r) {
            for (int c = 0; c < 4; ++c)
                g.SetGridCells(c, r, String("%1:%2").arg(c).arg(r));
            g.SetRowHeights(r, 20 + r);
            g.CellProperties(1, r)->SetFontSize(r + 100);
        }
    }
    void HideList(std::initializer_list<int> rows) {
        TIntList list(0, 0);
        for (int r : rows)
            list.Add(r);
        g.HideRowList(&list);
    }
    std::vector<int> Hidden() {
        std::vector<int> out;
        for (int r = 0; r < g.TotalRowCount(); ++r)
            if (g.IsHiddenRow(r)) out.push_back(r);
        return out;
    }
    // The real rows down the display, read from column 0.
    String Shown() {
        String s;
        for (int d = 0; d < g.RowCount(); ++d)
            s += g.GridCells(0, d).mid(2) + ' ';
        return s.trimmed();
    }
    // Every real row reads its own texts; display rows map to the real rows they show and back.
    void ExpectConsistent() {
        ASSERT_EQ(g.TotalRowCount(), 10);
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 4; ++c)
                EXPECT_EQ(g.AllCells(c, r), String("%1:%2").arg(c).arg(r));
        for (int d = 0; d < g.RowCount(); ++d) {
            const int real = g.RealRowIndex(d);
            EXPECT_EQ(g.GridCells(0, d), String("0:%1").arg(real));
            EXPECT_FALSE(g.IsHiddenRow(real));
            EXPECT_EQ(g.DisplRowIndex(real), d);
            EXPECT_EQ(g.RowHeights(d), 20 + real);
        }
    }
    void ExpectWhole() {
        EXPECT_EQ(g.NumHiddenRows(), 0);
        EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9");
        ExpectConsistent();
        for (int r = 0; r < 10; ++r)
            EXPECT_EQ(g.CellProperties(1, r)->FontSize(), r + 100);
    }
};

} // namespace qvgrid_filter_levels_test

using qvgrid_filter_levels_test::FilterGrid;

TEST_F(FilterGrid, LevelsAndRealHidingMixWithoutLosingRows) {
    struct Step {
        std::function<void(FilterGrid&)> Act;
        std::vector<int> Hidden;
        const char* Shown;
    };
    struct Case {
        const char* Name;
        std::vector<Step> Steps;
    };
    const Case cases[] = {
        {"one level",
         {{[](FilterGrid& f) {
               f.HideList({1, 4});
           },
           {1, 4},
           "0 2 3 5 6 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRowList(); }, {}, nullptr}}},
        {"two stacked levels undone one by one",
         {{[](FilterGrid& f) {
               f.HideList({1, 4});
           },
           {1, 4},
           "0 2 3 5 6 7 8 9"},
          {[](FilterGrid& f) {
               f.HideList({0, 2});
           },
           {0, 1, 3, 4},
           "2 5 6 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRowList(); }, {1, 4}, "0 2 3 5 6 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRowList(); }, {}, nullptr}}},
        // Undoing the last level leaves the rows hidden by real index hidden.
        {"level over a row hidden by index",
         {{[](FilterGrid& f) { f.g.HideRow(2); }, {2}, "0 1 3 4 5 6 7 8 9"},
          {[](FilterGrid& f) {
               f.HideList({1, 3});
           },
           {1, 2, 4},
           "0 3 5 6 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRowList(); }, {2}, "0 1 3 4 5 6 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRow(2); }, {}, nullptr}}},
        {"rows hidden and shown by index under a level",
         {{[](FilterGrid& f) {
               f.HideList({1, 4});
           },
           {1, 4},
           "0 2 3 5 6 7 8 9"},
          {[](FilterGrid& f) { f.g.HideRows(3, 6); }, {1, 3, 4, 5, 6}, "0 2 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRow(5); }, {1, 3, 4, 6}, "0 2 5 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRowList(); }, {3, 6}, "0 1 2 4 5 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRowsAll(); }, {}, nullptr}}},
        {"index hiding shown again while the level stays",
         {{[](FilterGrid& f) { f.g.HideRows(2, 3); }, {2, 3}, "0 1 4 5 6 7 8 9"},
          {[](FilterGrid& f) {
               f.HideList({0, 2});
           },
           {0, 2, 3, 4},
           "1 5 6 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRowsAll(); }, {0, 4}, "1 2 3 5 6 7 8 9"},
          {[](FilterGrid& f) { f.g.UnHideRowList(); }, {}, nullptr}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        for (size_t i = 0; i < c.Steps.size(); ++i) {
            SCOPED_TRACE(i);
            c.Steps[i].Act(*this);
            EXPECT_EQ(Hidden(), c.Steps[i].Hidden);
            if (c.Steps[i].Shown) {
                EXPECT_EQ(Shown(), c.Steps[i].Shown);
            }
            ExpectConsistent();
        }
        ExpectWhole();
    }
}

TEST_F(FilterGrid, InsertedAndRemovedRowsUnderALevelKeepTheFilteredRowsInPlace) {
    HideList({2, 5});
    g.InsertRows(3, 1); // before real row 4
    g.SetGridCells(0, 3, "0:new");
    EXPECT_EQ(Hidden(), (std::vector<int>{2, 6}))
        << "the filtered row behind the insertion moved down by one";
    g.UnHideRowList();
    EXPECT_EQ(Shown(), "0 1 2 3 new 4 5 6 7 8 9");

    SetUp();
    HideList({2, 5});
    g.RemoveRows(1, 3); // real rows 1, 3 and 4, around the filtered row 2
    EXPECT_EQ(Shown(), "0 6 7 8 9");
    g.UnHideRowList();
    EXPECT_EQ(Shown(), "0 2 5 6 7 8 9");
    EXPECT_EQ(g.NumHiddenRows(), 0);
}

TEST_F(FilterGrid, RowListIsCleanedAndNeverTakesEveryRow) {
    HideList({7, 3, 3, -1, 42, 1});
    EXPECT_EQ(Hidden(), (std::vector<int>{1, 3, 7}));
    g.UnHideRowList();
    ExpectWhole();
    HideList({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(Shown(), "9");
    g.UnHideRowList();
    ExpectWhole();
    g.UnHideRowList(); // no level left: nothing happens
    ExpectWhole();
}

// A hidden row goes back as it left, whether its saved cells were never looked at or were read and written
// while it was hidden; a text too long to live in its cell comes back with it.
TEST_F(FilterGrid, HiddenRowsComeBackWhetherTheirCellsWereTouchedOrNot) {
    const String longText(40, QLatin1Char('x'));
    g.SetGridCells(2, 4, longText);
    g.SetGridCells(2, 6, longText);
    HideList({4, 5, 6});
    EXPECT_EQ(g.AllGridCells(2, 6), longText);
    g.SetAllGridCells(3, 6, "edited");
    EXPECT_EQ(g.AllCellProperties(1, 5)->FontSize(), 105);
    g.UnHideRowList();
    EXPECT_EQ(Shown(), "0 1 2 3 4 5 6 7 8 9");
    EXPECT_EQ(g.GridCells(2, 4), longText);
    EXPECT_EQ(g.GridCells(2, 6), longText);
    EXPECT_EQ(g.GridCells(3, 6), "edited");
    g.SetGridCells(2, 4, "2:4");
    g.SetGridCells(2, 6, "2:6");
    g.SetGridCells(3, 6, "3:6");
    ExpectWhole();
}
