// Sorting the string grid: the sort operations over its rows (hidden columns, hidden rows, flags, the current
// row and the cross-reference moving along), the settings' text, the group sorts, and a real header click.
#include "InputEvents.h"
#include "GridOnForm.h"
#include "controls/grid/QvGrid.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qvgrid_sort_test {

// A grid of one fixed row and column: column 1 names the row ("r1" .. "r6" in the order given), column 2
// and 3 hold the given values.
struct SortGrid : ::testing::Test {
    TQvStringGrid grid{nullptr};

    void Fill(const QStringList& Col2, const QStringList& Col3 = {}) {
        grid.SetColCount(5);
        grid.SetRowCount(static_cast<int>(Col2.size()) + 1);
        for (int r = 1; r < grid.RowCount(); ++r) {
            grid.SetCells(1, r, QString("r%1").arg(r));
            grid.SetCells(2, r, Col2[r - 1]);
            if (r - 1 < Col3.size()) grid.SetCells(3, r, Col3[r - 1]);
        }
    }
    // The names in column 1, rows 1 on.
    QStringList Names() {
        QStringList out;
        for (int r = 1; r < grid.RowCount(); ++r)
            out << grid.Cells(1, r);
        return out;
    }
};

TEST_F(SortGrid, SortSettingsAsText) {
    Fill({"b", "c", "a", "c"}, {"2", "1", "3", "4"});
    grid.Sort(3, sdDescending);
    EXPECT_EQ(grid.SortSettings()->SaveToString(), "d3");
    EXPECT_EQ(Names(), (QStringList{"r4", "r3", "r1", "r2"}));

    grid.SortSettings()->LoadFromString("u2");
    EXPECT_TRUE(grid.SortSettings()->Show());
    EXPECT_EQ(grid.SortSettings()->Column(), 2);
    EXPECT_EQ(grid.SortSettings()->Direction(), sdAscending);
    EXPECT_EQ(Names(), (QStringList{"r3", "r1", "r2", "r4"})) << "a, b, then the two c rows by column 3";

    grid.SortSettings()->LoadFromString("i;u2;d3");
    EXPECT_TRUE(grid.SortSettings()->IndexShow());
    EXPECT_EQ(Names(), (QStringList{"r3", "r1", "r4", "r2"}));
    grid.SortSettings()->LoadFromString("i;u2;u3");
    EXPECT_EQ(Names(), (QStringList{"r3", "r1", "r2", "r4"}));
    EXPECT_EQ(grid.SortSettings()->SaveToString(), "i;u2;u3");

    // A column part that is no number changes the settings but sorts nothing; one character is refused.
    grid.SortSettings()->SetShow(false);
    grid.SortSettings()->LoadFromString("dX");
    EXPECT_TRUE(grid.SortSettings()->Show());
    EXPECT_FALSE(grid.SortSettings()->IndexShow());
    EXPECT_EQ(grid.SortSettings()->Direction(), sdDescending);
    EXPECT_EQ(Names(), (QStringList{"r3", "r1", "r2", "r4"}));
    EXPECT_THROW(grid.SortSettings()->LoadFromString("u"), EQvGridError);
    grid.SortSettings()->LoadFromString(String());
    EXPECT_EQ(Names(), (QStringList{"r3", "r1", "r2", "r4"}));
}

TEST_F(SortGrid, UnSortAfterSeveralSortsRestoresTheOrderOfTheLastReset) {
    Fill({"b", "c", "a", "c", "a"}, {"5", "3", "4", "1", "2"});
    grid.Sort(2, sdAscending);
    grid.Sort(3, sdDescending);
    grid.SortIndexes()->AddIndex(2, false);
    grid.SortIndexes()->AddIndex(3, true);
    grid.QSortIndexed();
    grid.QuickSort(1, 1, 3);
    EXPECT_GT(grid.Compares(), 0);
    grid.QUnSort();
    EXPECT_EQ(Names(), (QStringList{"r1", "r2", "r3", "r4", "r5"}));

    // After a reset the order of that moment is the one that comes back.
    grid.Sort(3, sdAscending);
    grid.InitSortXRef();
    const QStringList reset = Names();
    grid.Sort(2, sdDescending);
    grid.SortLine(1, 1, 2);
    grid.QUnSort();
    EXPECT_EQ(Names(), reset);
}

TEST_F(SortGrid, RowsCarryHiddenCellsFlagsAndTheCurrentRow) {
    Fill({"c", "a", "d", "b"}, {"3", "1", "4", "2"});
    grid.HideColumn(3);
    grid.SetRowModified(2, true);
    grid.SetRow(1);
    grid.SetCol(1);
    grid.Navigation()->SetMoveRowOnSort(true);
    grid.Sort(2, sdAscending);
    EXPECT_EQ(Names(), (QStringList{"r2", "r4", "r1", "r3"}));
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(grid.AllCells(3, r), QString::number(r)) << "the hidden column's cell moved with its row";
    EXPECT_TRUE(grid.RowModified(1)) << "the modified row r2 is now row 1";
    EXPECT_FALSE(grid.RowModified(2));
    EXPECT_EQ(grid.Cells(1, grid.Row()), "r1") << "the current row went with its row";

    grid.Navigation()->SetMoveRowOnSort(false);
    grid.Sort(2, sdDescending);
    EXPECT_EQ(grid.Row(), 3) << "without MoveRowOnSort the current row stays where it is";
    EXPECT_EQ(Names(), (QStringList{"r3", "r1", "r4", "r2"}));
}

TEST_F(SortGrid, HiddenRowsKeepTheirPlaces) {
    Fill({"c", "a", "d", "b", "e"});
    grid.HideRow(2); // "a"
    grid.Sort(2, sdDescending);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.AllCells(1, 2), "r2") << "the hidden row keeps its real index";
    grid.UnHideRow(2);
    EXPECT_EQ(Names(), (QStringList{"r5", "r2", "r3", "r1", "r4"}));
}

TEST_F(SortGrid, ColumnZeroStaysWithNormalCellsOnlyAndFootersStayLast) {
    Fill({"c", "a", "b", "total"});
    for (int r = 1; r < grid.RowCount(); ++r)
        grid.SetCells(0, r, QString::number(r));
    grid.SetFixedFooters(1);
    grid.SortSettings()->SetNormalCellsOnly(true);
    grid.Sort(2, sdAscending);
    EXPECT_EQ(Names(), (QStringList{"r2", "r3", "r1", "r4"}));
    for (int r = 1; r < grid.RowCount(); ++r)
        EXPECT_EQ(grid.Cells(0, r), QString::number(r));
}

TEST_F(SortGrid, WhatSortsNothing) {
    Fill({"b", "a"});
    grid.SortSettings()->SetColumn(-1);
    grid.QSort();
    EXPECT_EQ(Names(), (QStringList{"r1", "r2"}));
    EXPECT_THROW(grid.QSortIndexed(), EQvGridError);
    EXPECT_EQ(Names(), (QStringList{"r1", "r2"}));
    // An ignored column ties every row.
    grid.IgnoreColumns()->Add(2);
    grid.Sort(2, sdAscending);
    EXPECT_EQ(Names(), (QStringList{"r1", "r2"}));
}

TEST_F(SortGrid, TheFormatHookGivesEachColumnItsStyle) {
    Fill({"$40", "$5", "$100"}, {"b", "B", "a"});
    grid.OnGetFormat = [](TObject*, int ACol, TSortStyle& style, String& prefix, String&) {
        if (ACol == 2) {
            style = ssNumeric;
            prefix = "$";
        }
        if (ACol == 3) style = ssAlphaNoCase;
    };
    grid.Sort(2, sdAscending);
    EXPECT_EQ(Names(), (QStringList{"r2", "r1", "r3"}));
    grid.Sort(3, sdAscending);
    EXPECT_EQ(Names(), (QStringList{"r3", "r2", "r1"})) << "a, then B and b tied in the order they stood";
}

TEST_F(SortGrid, SortLineSwapsRowsThatCompareAsTheLastSortOrdered) {
    Fill({"b", "a", "a"}, {"1", "2", "1"});
    grid.Sort(2, sdAscending);
    EXPECT_EQ(Names(), (QStringList{"r3", "r2", "r1"})) << "the two a rows by column 3";
    EXPECT_FALSE(grid.SortLine(2, 1, 3)) << "a before b: in order";
    EXPECT_TRUE(grid.SortLine(2, 3, 1));
    EXPECT_EQ(Names(), (QStringList{"r1", "r2", "r3"}));
    EXPECT_TRUE(grid.SortLine(2, 2, 3)) << "a and a tie; column 3 puts 1 before 2";
    EXPECT_EQ(Names(), (QStringList{"r1", "r3", "r2"}));
}

TEST_F(SortGrid, GroupSortsOrderTheRowsOfEachDeepestExpandedNode) {
    // Two top-level nodes (rows 1 and 5) of span 4 and 3, and a contracted one (row 8) of span 2.
    Fill({"A", "c", "a", "b", "B", "z", "y", "C", "x"});
    auto node = [&](int row, int span, bool contracted) {
        TCellGraphic* g = grid.CreateCellGraphic(0, row);
        g->CellType = ctNode;
        g->CellIndex = span;
        g->CellBoolean = contracted;
        for (int r = row; r < row + span; ++r)
            grid.CellProperties(0, r)->SetNodeLevel(1);
    };
    node(1, 4, false);
    node(5, 3, false);
    node(8, 2, true);
    grid.SortSettings()->SetColumn(2);
    grid.QSortGroup();
    EXPECT_EQ(Names(), (QStringList{"r1", "r3", "r4", "r2", "r5", "r7", "r6", "r8", "r9"}));
    grid.SortIndexes()->AddIndex(2, false);
    grid.QSortGroupIndexed();
    EXPECT_EQ(Names(), (QStringList{"r1", "r2", "r4", "r3", "r5", "r6", "r7", "r8", "r9"}));
}

// A real click on a sortable header sorts the rows; a second click on it reverses them.
TEST(SortByClick, AHeaderClickSortsAndASecondReverses) {
    qvtest::GridOnForm shown({"30", "4", "200", "15", "4"});
    TQvStringGrid* grid = shown.grid;
    grid->SortSettings()->SetShow(true);
    int clicked = -2;
    grid->OnClickSort = [&](TObject*, int ACol) { clicked = ACol; };
    shown.Show();
    const TRect header = grid->CellRect(2, 0);
    const QPointF at = shown.HeaderPoint(2, (header.Right - header.Left) / 2 + 10);
    qvtest::ClickAt(shown.Cells(), at);
    EXPECT_EQ(clicked, 2);
    EXPECT_EQ(shown.Names(), (QStringList{"r2", "r5", "r4", "r1", "r3"}));
    qvtest::ClickAt(shown.Cells(), at);
    EXPECT_EQ(grid->SortSettings()->Direction(), sdDescending);
    EXPECT_EQ(shown.Names(), (QStringList{"r3", "r1", "r4", "r2", "r5"}));
}

} // namespace qvgrid_sort_test
