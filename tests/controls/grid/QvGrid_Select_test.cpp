// The string grid's row, column and disjunct cell selection, its counts and text, and row flags.
#include "controls/grid/QvGrid.h"

#include <gtest/gtest.h>

namespace qvselecttest {

struct SelectGrid : ::testing::Test {
    TQvStringGrid g{nullptr};
    void SetUp() override {
        g.SetColCount(4);
        g.SetRowCount(6);
    }
};

TGridRect SelRect(int l, int t, int r, int b) {
    return TGridRect{l, t, r, b};
}

} // namespace qvselecttest

using namespace qvselecttest;

TEST_F(SelectGrid, SelectRowsSetsTheSelectionCutToTheGrid) {
    g.SetFixedCols(0);
    g.SelectRows(3, 2);
    EXPECT_EQ(g.Selection(), SelRect(0, 3, 3, 4));
    g.SelectRows(3, 10);
    EXPECT_EQ(g.Selection(), SelRect(0, 3, 3, 5));
    EXPECT_EQ(g.SelectedRowCount(), 3);
    EXPECT_EQ(g.SelectedRow(2), 5);
    EXPECT_EQ(g.SelectedRow(3), -1);
    EXPECT_TRUE(g.IsSelected(1, 4));
    EXPECT_FALSE(g.IsSelected(1, 2));
}

TEST_F(SelectGrid, DisjunctRowsKeepTheirSelectionOrder) {
    g.MouseActions()->SetDisjunctRowSelect(true);
    int selected = 0;
    g.OnRowDisjunctSelected = [&](TObject*, int) { ++selected; };
    g.SetRowSelect(5, true);
    g.SetRowSelect(2, true);
    ASSERT_EQ(g.SelectedRowCount(), 2);
    EXPECT_EQ(g.SelectedRow(0), 5);
    EXPECT_EQ(g.SelectedRow(1), 2);
    EXPECT_EQ(g.RowSelectCount(), 2);
    EXPECT_TRUE(g.IsSelected(1, 5));
    g.SetRowSelect(5, false);
    EXPECT_EQ(g.SelectedRowCount(), 1);
    EXPECT_EQ(g.SelectedRow(0), 2);
    EXPECT_EQ(selected, 3);

    g.UnSelectRows(0, 6);
    g.SelectRows(3, 2);
    EXPECT_TRUE(g.RowSelect(3));
    EXPECT_TRUE(g.RowSelect(4));
    EXPECT_EQ(g.RowSelectCount(), 2);
    g.ClearRowSelect();
    EXPECT_EQ(g.RowSelectCount(), 0);
    EXPECT_EQ(g.SelectedRowCount(), 0);
}

TEST_F(SelectGrid, AHandlerThatRefusesLeavesTheRowAsItWas) {
    g.MouseActions()->SetDisjunctRowSelect(true);
    bool fired = false;
    g.OnRowDisjunctSelect = [](TObject*, int, bool, bool& Allow) { Allow = false; };
    g.OnRowDisjunctSelected = [&](TObject*, int) { fired = true; };
    g.SetRowSelect(3, true);
    EXPECT_FALSE(g.RowSelect(3));
    EXPECT_EQ(g.SelectedRowCount(), 0);
    EXPECT_FALSE(fired);
}

TEST_F(SelectGrid, RowAndColumnFlagsRejectIndexesOutsideTheGrid) {
    try {
        (void)g.RowSelect(6);
        ADD_FAILURE();
    } catch (const EQvGridError& e) {
        EXPECT_EQ(e.Message(), "Invalid row 6 accessed");
    }
    EXPECT_THROW(g.SetRowSelect(-1, true), EQvGridError);
    EXPECT_THROW(g.SetRowSelect(6, true), EQvGridError);
    EXPECT_THROW((void)g.ColSelect(4), EQvGridError);
    EXPECT_THROW(g.SetColSelect(-1, true), EQvGridError);
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.MouseActions()->SetRowSelectPersistent(true);
    EXPECT_FALSE(g.RowSelect(6)) << "a persistent selection reads rows beyond the grid";
}

TEST_F(SelectGrid, ColumnSelectionCounts) {
    g.MouseActions()->SetDisjunctColSelect(true);
    g.SelectCols(1, 5);
    EXPECT_EQ(g.SelectedColCount(), 3) << "columns beyond the grid are skipped";
    EXPECT_TRUE(g.IsSelected(2, 3));
    g.UnSelectCols(2, 1);
    EXPECT_EQ(g.ColSelectCount(), 2);
    g.ClearColSelect();
    EXPECT_EQ(g.SelectedColCount(), 0);
}

TEST_F(SelectGrid, CellCountOfARangeFillsTheCellList) {
    g.SelectCells(1, 1, 2, 3);
    EXPECT_EQ(g.SelectedCellsCount(), 6);
    EXPECT_EQ(g.SelectedCell(0), (TGridCoord{1, 1}));
    EXPECT_EQ(g.SelectedCell(3), (TGridCoord{2, 1})) << "column by column";
    EXPECT_EQ(g.SelectedCell(6), (TGridCoord{-1, -1}));
}

TEST_F(SelectGrid, DisjunctCellsAreAddedOnceAndRemoved) {
    g.MouseActions()->SetDisjunctCellSelect(true);
    g.SetSelectedCells(1, 2, true);
    g.SetSelectedCells(3, 1, true);
    g.SetSelectedCells(1, 2, true);
    EXPECT_EQ(g.SelectedCellsCount(), 2);
    EXPECT_TRUE(g.IsSelected(3, 1));
    EXPECT_FALSE(g.IsSelected(2, 1));
    g.SetSelectedCells(1, 2, false);
    EXPECT_EQ(g.SelectedCellsCount(), 1);
    g.ClearSelectedCells();
    EXPECT_EQ(g.SelectedCellsCount(), 0);
}

// Row and column each keep all their bits; packing both into one integer made such cells one.
TEST_F(SelectGrid, DisjunctCellsBeyondSixteenBitsStayDistinct) {
    g.MouseActions()->SetDisjunctCellSelect(true);
    g.SetSelectedCells(65536, 0, true);
    EXPECT_FALSE(g.SelectedCells(0, 1));
    g.SetSelectedCells(0, 1, true);
    EXPECT_EQ(g.SelectedCellsCount(), 2);
    EXPECT_EQ(g.SelectedCell(0), (TGridCoord{65536, 0}));
    g.SetSelectedCells(65536, 0, false);
    EXPECT_TRUE(g.SelectedCells(0, 1));
}

TEST_F(SelectGrid, SelectedTextJoinsCellsWithTabsAndRowsWithLineBreaks) {
    g.SetCells(1, 1, "a");
    g.SetCells(2, 1, "b");
    g.SetCells(1, 2, "c");
    g.SetCells(2, 2, "d");
    g.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(g.SelectedText(), "a\tb\r\nc\td");

    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(1, true);
    g.SetRowSelect(2, true);
    g.SelectCells(1, 1, 2, 1);
    EXPECT_EQ(g.SelectedText(), "a\tb\r\nc\td") << "rows beyond the range's bottom keep their line break";

    // Cells of several lines, for a spreadsheet: quoted, each line break one character 11.
    g.MouseActions()->SetDisjunctRowSelect(false);
    g.SetCells(2, 1, "two\r\nlines");
    g.SelectCells(1, 1, 2, 1);
    g.SetMultilinecells(true);
    EXPECT_EQ(g.SelectedText(), "a\ttwo\r\nlines");
    g.SetExcelClipboardFormat(true);
    EXPECT_EQ(g.SelectedText(), QString("a\t\"two") + QChar(11) + "lines\"");
}

TEST_F(SelectGrid, ModifiedRowsAreCountedAndCleared) {
    EXPECT_FALSE(g.RowModified(10));
    g.SetRowModified(2, true);
    g.SetRowModified(4, true);
    g.SetRowModified(2, false);
    EXPECT_TRUE(g.RowModified(4));
    EXPECT_EQ(g.ModifiedRowCount(), 1);
    g.ClearModifiedRows();
    EXPECT_EQ(g.ModifiedRowCount(), 0);
}

TEST_F(SelectGrid, DisablingTheCurrentRowMovesToTheFirstEnabledRow) {
    g.SetRow(1);
    g.SetRowEnabled(1, false);
    EXPECT_TRUE(g.UseEnabledRows());
    EXPECT_FALSE(g.RowEnabled(1));
    EXPECT_EQ(g.Row(), 2);
    for (int r = 1; r < 6; ++r)
        g.SetRowEnabled(r, false);
    EXPECT_EQ(g.Row(), 5) << "no enabled row left: the current row stays";
    g.SetRowEnabled(1, true);
    EXPECT_TRUE(g.RowEnabled(1));
}
