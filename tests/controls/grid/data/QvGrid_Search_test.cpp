// Searching the string grid: Find's area and restrictions, FindNext running out and starting again, going to
// the match, hidden columns and rows, Replace, and the keyboard lookup in a sorted grid by real keys.
#include "GridOnForm.h"
#include "InputEvents.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/CellSearch.h"

#include <gtest/gtest.h>

namespace qvgrid_search_test {

// Four columns and six rows, one fixed of each; the texts are row-major from (1, 1).
struct SearchGrid : ::testing::Test {
    TQvStringGrid grid{nullptr};

    void SetUp() override {
        grid.SetColCount(4);
        grid.SetRowCount(6);
        const QStringList texts = {"apple", "pear", "fig",   "cherry", "apple pie", "plum",  "kiwi", "Apple",
                                   "lime",  "date", "melon", "APPLE",  "nut",       "pecan", "apple"};
        for (int i = 0; i < texts.size(); ++i)
            grid.SetCells(1 + i % 3, 1 + i / 3, texts[i]);
        grid.SetCells(1, 0, "apple header");
        grid.SetCells(0, 1, "apple fixed");
    }
};

TEST_F(SearchGrid, FindNextWalksToTheEndThenStartsAgain) {
    // Column by column inside the fixed cells: column 1 rows 1 .. 5, then column 2 ...
    const std::vector<TPoint> expected = {{1, 1}, {2, 2}, {2, 3}, {3, 4}, {3, 5}};
    TPoint p = grid.FindFirst("apple", 0);
    for (const TPoint& e : expected) {
        EXPECT_EQ(p, e);
        EXPECT_EQ(grid.SearchCell(), e);
        EXPECT_FALSE(grid.FindBusy());
        p = grid.FindNext();
    }
    EXPECT_EQ(p, TPoint(-1, -1));
    EXPECT_FALSE(grid.FindBusy());
    EXPECT_EQ(grid.FindNext(), TPoint(1, 1)) << "after nothing more was found, the next search starts again";
    // The case counts only when asked; the fixed cells only with fnIncludeFixed.
    EXPECT_EQ(grid.FindFirst("Apple", FindParamSet({fnMatchCase})), TPoint(2, 3));
    EXPECT_EQ(grid.FindFirst("apple", FindParamSet({fnIncludeFixed})), TPoint(0, 1));
    EXPECT_EQ(grid.FindFirst("apple", FindParamSet({fnIncludeFixed, fnDirectionLeftRight})), TPoint(1, 0));
}

TEST_F(SearchGrid, RestrictionsAndGoingToTheMatch) {
    grid.SetRow(4);
    grid.SetCol(2);
    EXPECT_EQ(grid.FindFirst("apple", FindParamSet({fnFindInCurrentRow, fnDirectionLeftRight})),
              TPoint(3, 4));
    EXPECT_EQ(grid.FindNext(), TPoint(-1, -1)) << "the current row only";
    EXPECT_EQ(grid.FindFirst("apple", FindParamSet({fnFindInCurrentCol})), TPoint(2, 2));
    grid.SetFindCol(3);
    EXPECT_EQ(grid.FindFirst("apple", FindParamSet({fnFindInPresetCol})), TPoint(3, 4));
    grid.SetFindRow(2);
    EXPECT_EQ(grid.FindFirst("p", FindParamSet({fnFindInPresetRow, fnDirectionLeftRight, fnBackward})),
              TPoint(3, 2));
    EXPECT_EQ(grid.FindNext(), TPoint(2, 2));
    EXPECT_EQ(grid.Row(), 4) << "without fnAutoGoto the current cell stays";

    EXPECT_EQ(grid.FindFirst("melon", FindParamSet({fnAutoGoto})), TPoint(2, 4));
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.FindFirst("nothing", FindParamSet({fnAutoGoto})), TPoint(-1, -1));
    EXPECT_EQ(grid.Row(), 4);
}

TEST_F(SearchGrid, HiddenColumnsAndRows) {
    grid.HideColumn(1);
    // Display column 1 is real column 2 now; the match in real column 3 is display column 2.
    EXPECT_EQ(grid.FindFirst("Apple", FindParamSet({fnMatchCase})), TPoint(1, 3));
    EXPECT_EQ(grid.FindFirst("APPLE", FindParamSet({fnMatchCase})), TPoint(2, 4));
    EXPECT_EQ(grid.FindFirst("apple", FindParamSet({fnMatchFull, fnFindInPresetCol})), TPoint(-1, -1));
    grid.SetFindCol(2);
    EXPECT_EQ(grid.FindFirst("apple", FindParamSet({fnMatchFull, fnFindInPresetCol})), TPoint(2, 4));
    EXPECT_EQ(grid.FindFirst("cherry", 0), TPoint(-1, -1)) << "the hidden column is not searched";
    EXPECT_EQ(grid.FindFirst("cherry", FindParamSet({fnIncludeHiddenColumns})), TPoint(1, 2));
    EXPECT_EQ(grid.Replace("APPLE", "grape", FindParamSet({fnMatchFull, fnMatchCase})), 1);
    EXPECT_EQ(grid.AllCells(3, 4), "grape") << "real column 3";
    EXPECT_EQ(grid.AllCells(1, 1), "apple") << "the hidden column keeps its text";
    grid.UnHideColumn(1);

    grid.HideRow(3);
    EXPECT_EQ(grid.FindFirst("Apple", FindParamSet({fnMatchCase})), TPoint(-1, -1));
    EXPECT_EQ(grid.FindFirst("Apple", FindParamSet({fnMatchCase, fnIncludeHiddenRows})), TPoint(2, 3));
    // A hidden row has no place to go to: the current cell stays.
    grid.SetRow(1);
    EXPECT_EQ(grid.FindFirst("Apple", FindParamSet({fnMatchCase, fnIncludeHiddenRows, fnAutoGoto})),
              TPoint(2, 3));
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(SearchGrid, ReplaceChangesEachMatchOnceAndMarksItsRow) {
    grid.ShowModified()->SetEnabled(true);
    EXPECT_EQ(grid.Replace("apple", "Apple apple", 0), 5);
    EXPECT_EQ(grid.Cells(1, 1), "Apple apple") << "visited once, though it holds the text again";
    EXPECT_EQ(grid.Cells(3, 4), "Apple apple") << "every occurrence, whatever its case";
    EXPECT_EQ(grid.Cells(2, 3), "Apple apple");
    EXPECT_EQ(grid.Cells(1, 0), "apple header") << "fixed cells stay";
    EXPECT_TRUE(grid.RowModified(1));
    EXPECT_FALSE(grid.RowModified(0));
    EXPECT_FALSE(grid.FindBusy());
    EXPECT_EQ(grid.Replace("x", "y", 0), 0);
    EXPECT_EQ(grid.Replace("pecan", "nut", FindParamSet({fnMatchCase})), 1);
    EXPECT_EQ(grid.Replace("NUT", "x", FindParamSet({fnMatchCase})), 0);
}

TEST(QvGridSearch, NothingToSearchWithoutNormalRows) {
    TQvStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(2);
    grid.SetFixedFooters(1);
    grid.SetCells(1, 1, "a");
    EXPECT_EQ(grid.FindFirst("a", 0), TPoint(-1, -1)) << "the only row below the header is a footer";
    EXPECT_EQ(grid.Replace("a", "b", 0), 0);
    EXPECT_EQ(grid.FindFirst("a", FindParamSet({fnIncludeFixed})), TPoint(1, 1));
    EXPECT_FALSE(grid.FindBusy());
}

// The keyboard lookup follows the sorted column: typed letters go to the first row starting with them.
TEST(QvGridSearch, TypedLettersGoToTheRowInTheSortedColumn) {
    qvtest::GridOnForm shown({"delta", "alpha", "charlie", "bravo", "cobalt"});
    TQvStringGrid* grid = shown.grid;
    grid->Navigation()->SetAutoGotoWhenSorted(true);
    grid->SortSettings()->SetShow(true);
    grid->Sort(2, sdAscending);
    ASSERT_EQ(grid->Cells(2, 1), "alpha");
    EXPECT_EQ(grid->Search("CO"), 4);
    EXPECT_EQ(grid->Search("E"), -1);
    shown.Show();
    grid->SetFocus();
    qvtest::KeyToFocus(Qt::Key_C, "c");
    EXPECT_EQ(grid->Cells(2, grid->Row()), "charlie");
    qvtest::KeyToFocus(Qt::Key_O, "o");
    EXPECT_EQ(grid->Cells(2, grid->Row()), "charlie") << "no row starts with o";
    qvtest::KeyToFocus(Qt::Key_D, "d");
    EXPECT_EQ(grid->Cells(2, grid->Row()), "delta") << "without the incremental text, each key alone";

    grid->Navigation()->SetAutoGotoIncremental(true);
    grid->SetSearchInc(String());
    qvtest::KeyToFocus(Qt::Key_C, "c");
    qvtest::KeyToFocus(Qt::Key_O, "o");
    EXPECT_EQ(grid->Cells(2, grid->Row()), "cobalt");
    EXPECT_EQ(grid->SearchInc(), "co");
    qvtest::KeyToFocus(Qt::Key_Backspace, "\b");
    EXPECT_EQ(grid->SearchInc(), "c");
    EXPECT_EQ(grid->Cells(2, grid->Row()), "charlie");
    qvtest::KeyToFocus(Qt::Key_Z, "z");
    EXPECT_EQ(grid->SearchInc(), "") << "no row found empties the text";
    EXPECT_EQ(grid->Cells(2, grid->Row()), "charlie");
}

} // namespace qvgrid_search_test
