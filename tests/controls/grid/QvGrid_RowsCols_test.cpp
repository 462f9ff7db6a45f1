// Column and row calculations over ranges with hidden rows, swapping, numbering and column auto-size.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvUtil.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace qvgrid_calc_test {

// Column 1 of rows 1..6 holds 2, 4, x, 6, 10, -; row 0 is the fixed header.
struct CalcGrid : ::testing::Test {
    TQvStringGrid g{nullptr};
    void SetUp() override {
        g.SetColCount(3);
        g.SetRowCount(7);
        const char* values[] = {"Value", "2", "4", "x", "6", "10", "-"};
        for (int r = 0; r < 7; ++r)
            g.SetGridCells(1, r, values[r]);
    }
};

} // namespace qvgrid_calc_test

using qvgrid_calc_test::CalcGrid;

TEST_F(CalcGrid, CalculationsOverDisplayAndRealRanges) {
    struct Case {
        const char* name;
        std::function<double(TQvStringGrid&)> calc;
        double expected;
    };
    const Case cases[] = {
        {"sum of the normal rows", [](TQvStringGrid& g) { return g.ColumnSum(1, -1, -1); }, 22},
        {"sum skips the text", [](TQvStringGrid& g) { return g.ColumnSum(1, 1, 4); }, 12},
        {"average over the whole range count", [](TQvStringGrid& g) { return g.ColumnAvg(1, 1, 4); }, 3},
        {"min from the first row", [](TQvStringGrid& g) { return g.ColumnMin(1, 1, 5); }, 2},
        {"max", [](TQvStringGrid& g) { return g.ColumnMax(1, 1, 5); }, 10},
        {"min reads - as 0", [](TQvStringGrid& g) { return g.ColumnMin(1, 1, 6); }, 0},
        {"distinct", [](TQvStringGrid& g) { return g.ColumnDistinct(1, 1, 6); }, 6},
        {"std dev of 2 and 4",
         [](TQvStringGrid& g) {
             g.SetGridCells(1, 3, "0");
             return g.ColumnStdDev(1, 1, 2);
         },
         1},
        // Empty ranges give 0 instead of dividing by nothing.
        {"average of an empty range", [](TQvStringGrid& g) { return g.ColumnAvg(1, 4, 3); }, 0},
        {"std dev of an empty range", [](TQvStringGrid& g) { return g.ColumnStdDev(1, 4, 3); }, 0},
        {"row average of no columns", [](TQvStringGrid& g) { return g.RowAvg(1, 2, 1); }, 0},
        // Hidden rows: a display range skips them, a range reaching past the display reads them.
        {"display range skips hidden rows",
         [](TQvStringGrid& g) {
             g.HideRow(2);
             return g.ColumnSum(1, 1, g.RowCount() - 1);
         },
         18},
        {"real range includes hidden rows",
         [](TQvStringGrid& g) {
             g.HideRows(4, 5);
             return g.ColumnSum(1, 1, g.TotalRowCount());
         },
         22},
        {"max over a real range finds a hidden row",
         [](TQvStringGrid& g) {
             g.HideRow(5);
             return g.ColumnMax(1, 1, g.TotalRowCount());
         },
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.UnHideRowsAll();
        SetUp();
        EXPECT_DOUBLE_EQ(c.calc(g), c.expected);
    }
}

TEST_F(CalcGrid, NonNumericFirstCellOfMinRaises) {
    EXPECT_THROW(g.ColumnMin(1, 3, 5), EQvGridError);
    EXPECT_THROW(g.ColumnStdDev(1, 1, 4), EQvGridError);
}

// A calculation takes from each cell what Floats reads there: with the locale's separators and
// parentheses, and nothing from a cell under another cell's merge area.
TEST(QvGridCalc, CellsCountAsTheGridReadsThem) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TQvStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(6);
    const char* texts[] = {"Wert", "1,5", "(1.234,50)", "<b>2</b>", "12 kg", "x"};
    for (int r = 0; r < 6; ++r)
        g.SetCells(1, r, texts[r]);
    struct Case {
        const char* name;
        std::function<double(TQvStringGrid&)> calc;
        double expected;
    };
    const Case cases[] = {
        {"sum", [](TQvStringGrid& g) { return g.ColumnSum(1, -1, -1); }, 1.5 - 1234.5 + 2 + 12},
        {"min", [](TQvStringGrid& g) { return g.ColumnMin(1, 1, 5); }, -1234.5},
        {"max", [](TQvStringGrid& g) { return g.ColumnMax(1, 1, 5); }, 12},
        {"row sum", [](TQvStringGrid& g) { return g.RowSum(1, 0, 3); }, 1.5},
        {"merged area counts once",
         [](TQvStringGrid& g) {
             g.MergeCells(1, 1, 1, 2);
             return g.ColumnSum(1, 1, 3);
         },
         1.5 + 2},
        {"merged across a row",
         [](TQvStringGrid& g) {
             g.MergeCells(1, 1, 3, 1);
             return g.RowSum(1, 0, 3);
         },
         1.5},
        {"a hidden row in a real range",
         [](TQvStringGrid& g) {
             g.HideRow(2);
             return g.ColumnSum(1, 1, g.TotalRowCount());
         },
         1.5 - 1234.5 + 2 + 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(c.calc(g), c.expected);
        g.UnHideRowsAll();
        g.SplitAllCells();
    }
    g.SetCells(2, 1, "y");
    EXPECT_THROW(g.RowMin(1, 2, 3), EQvGridError) << "the first cell is the starting point";
    QLocale::setDefault(before);
}

TEST_F(CalcGrid, RowCalculationsAndNumbering) {
    g.SetGridCells(0, 2, "1.5");
    g.SetGridCells(2, 2, "3");
    EXPECT_DOUBLE_EQ(g.RowSum(2, 0, 2), 8.5);
    EXPECT_DOUBLE_EQ(g.RowMin(2, 0, 2), 1.5);
    EXPECT_DOUBLE_EQ(g.RowMax(2, 0, 2), 4);
    g.AutoNumberCol(0);
    EXPECT_EQ(g.GridCells(0, 1), "1");
    EXPECT_EQ(g.GridCells(0, 6), "6");
    g.SetAutoNumberDirection(sdDescending);
    g.AutoNumberCol(0);
    EXPECT_EQ(g.GridCells(0, 1), "6");
    EXPECT_EQ(g.GridCells(0, 6), "1");
}

TEST_F(CalcGrid, SwapColumnsTakesPropertiesWidthsAndSortColumn) {
    g.CellProperties(1, 2)->SetFontSize(31);
    g.SetColWidths(1, 77);
    g.SortSettings()->SetColumn(1);
    g.SwapColumns(1, 2);
    EXPECT_EQ(g.GridCells(2, 1), "2");
    EXPECT_EQ(g.GridCells(1, 1), "");
    EXPECT_EQ(g.CellProperties(2, 2)->FontSize(), 31);
    EXPECT_EQ(g.ColWidths(2), 77);
    EXPECT_EQ(g.SortSettings()->Column(), 2);
}

TEST(QvGridAutoSize, ColumnFitsItsWidestMeasuredText) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetGridCells(1, 0, "Id");
    g.SetGridCells(1, 2, "A considerably longer cell text");
    g.SetGridCells(1, 3, "short");
    g.Canvas()->Font()->Assign(g.Font());
    const int text = g.Canvas()->TextWidth("A considerably longer cell text");
    ASSERT_GT(text, 0);
    struct Case {
        const char* name;
        std::function<void(TQvStringGrid&)> setup;
        int expected;
    };
    const Case cases[] = {
        {"widest text + margins and lines", [](TQvStringGrid&) {}, text + 8},
        {"padding added", [](TQvStringGrid& g) { g.AutoSizeCol(1, 5); }, text + 13},
        {"grow only keeps a wider column",
         [&](TQvStringGrid& g) {
             g.SetSizeGrowOnly(true);
             g.SetColWidths(1, text + 50);
         },
         text + 50},
        {"maximum", [](TQvStringGrid& g) { g.SetMinColWidth(10), g.SetMaxColWidth(40); }, 40},
        {"equal limits are ignored", [](TQvStringGrid& g) { g.SetMinColWidth(40), g.SetMaxColWidth(40); },
         text + 8},
        {"fixed rows only", [](TQvStringGrid& g) { g.ColumnSize()->SetRows(arFixed); }, -1}, // checked below
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.SetSizeGrowOnly(false);
        g.SetMinColWidth(0);
        g.SetMaxColWidth(0);
        g.ColumnSize()->SetRows(arAll);
        g.SetColWidths(1, 64);
        g.AutoSizeCol(1);
        c.setup(g);
        if (std::string(c.name) != "padding added") g.AutoSizeCol(1);
        const int expected = c.expected >= 0 ? c.expected : g.Canvas()->TextWidth("Id") + 8;
        EXPECT_EQ(g.ColWidths(1), expected);
    }
}

// A markup cell is as wide as the text it shows, not as its tags.
TEST(QvGridAutoSize, MarkupCellsAreMeasuredAsShown) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetEnableHTML(true);
    g.SetGridCells(1, 1, "<u>underlined words</u>");
    g.SetGridCells(2, 1, "underlined words");
    g.AutoSizeCol(1);
    g.AutoSizeCol(2);
    EXPECT_NEAR(g.ColWidths(1), g.ColWidths(2), 3);
}

TEST(QvGridAutoSize, HiddenColumnsAreMeasuredByTheirRealCells) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetGridCells(2, 1, "the third column's text");
    g.HideColumn(1);
    g.AutoSizeCol(1);
    g.Canvas()->Font()->Assign(g.Font());
    EXPECT_EQ(g.ColWidths(1), g.Canvas()->TextWidth("the third column's text") + 8);
}

TEST(QvGridAutoSize, FitColumnsFillTheClientWidth) {
    TQvStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetFixedCols(1);
    for (int c = 0; c < 4; ++c)
        g.SetColWidths(c, 30 + 10 * c);
    g.AutoFitColumns(false);
    const int normal = g.ColWidths(1) + g.ColWidths(2) + g.ColWidths(3);
    EXPECT_EQ(normal + 3 * g.GridLineWidth(), g.ClientWidth() - g.ColWidths(0));
    EXPECT_EQ(g.ColWidths(0), 30);
    EXPECT_LT(g.ColWidths(1), g.ColWidths(2));
    EXPECT_LT(g.ColWidths(2), g.ColWidths(3));
    g.AutoFitColumns(false);
    EXPECT_EQ(g.ColWidths(1) + g.ColWidths(2) + g.ColWidths(3), normal);
}

TEST(QvGridAutoSize, RowsFitTheirLinesOfMeasuredText) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetMultilinecells(true);
    g.SetGridCells(2, 1, "one\ntwo\nthree");
    g.SetGridCells(1, 2, "single");
    g.Canvas()->Font()->Assign(g.Font());
    const int th = g.Canvas()->TextHeight("gh");
    ASSERT_GT(th, 0);

    g.SetRowHeightForLines(3, 3, 0);
    EXPECT_EQ(g.RowHeights(3), 3 * (th + th / 8));
    g.AutoSizeRow(1);
    EXPECT_EQ(g.RowHeights(1), 3 * th + 4 + 2);
    g.SetMaxRowHeight(30);
    g.AutoSizeRow(1);
    EXPECT_EQ(g.RowHeights(1), 30);
    g.SetMaxRowHeight(0);

    g.SetWordWrap(false);
    g.AutoSizeRows(false, 2);
    EXPECT_EQ(g.RowHeights(0), g.FixedRowHeight());
    EXPECT_EQ(g.RowHeights(1), 2 + 3 * (th + th / 8));
    EXPECT_EQ(g.RowHeights(2), 2 + th + th / 8);
}

TEST(QvGridRowsCols, RemoveDuplicatesKeepsHiddenRowsInPlace) {
    struct Case {
        bool doCase;
        const char* remaining;
    };
    for (const Case& c : {Case{false, "h abc x"}, Case{true, "h abc ABC x"}}) {
        TQvStringGrid g(nullptr);
        g.SetColCount(2);
        g.SetRowCount(7);
        const char* texts[] = {"h", "abc", "ABC", "abc", "x", "x", "hidden"};
        for (int r = 0; r < 7; ++r)
            g.SetGridCells(1, r, texts[r]);
        g.HideRow(6);
        g.RemoveDuplicates(1, c.doCase);
        QStringList shown;
        for (int r = 0; r < g.RowCount(); ++r)
            shown << g.GridCells(1, r);
        EXPECT_EQ(shown.join(' '), c.remaining);
        EXPECT_TRUE(g.IsHiddenRow(g.RowCount()));
        EXPECT_EQ(g.AllCells(1, g.RowCount()), "hidden");
    }
}

TEST(QvGridRowsCols, ClearAllEmptiesHiddenRowsToo) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetGridCells(2, 2, "a");
    g.CellProperties(2, 2)->SetFontSize(12);
    g.SetGridCells(1, 3, "b");
    g.HideRow(2);
    g.ClearAll();
    g.UnHideRowsAll();
    EXPECT_EQ(g.GridCells(2, 2), "");
    EXPECT_FALSE(g.HasCellProperties(2, 2));
    EXPECT_EQ(g.GridCells(1, 3), "");
    int c = -1, r = -1;
    g.SetGridCells(2, 1, "needle");
    EXPECT_TRUE(g.IsCell("needle", c, r));
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 1);
    EXPECT_FALSE(g.IsCell("Needle", c, r));
}

namespace qvgrid_rowscols_test {

// Column 1 rows 1..5 hold A, A, B, B, B under one fixed row; column 2 is empty.
struct MergeGrid : ::testing::Test {
    TQvStringGrid g{nullptr};
    void SetUp() override {
        g.SetColCount(4);
        g.SetRowCount(6);
        const char* texts[] = {"Head", "A", "A", "B", "B", "B"};
        for (int r = 0; r < 6; ++r)
            g.SetGridCells(1, r, texts[r]);
    }
};

} // namespace qvgrid_rowscols_test

using qvgrid_rowscols_test::MergeGrid;

TEST_F(MergeGrid, ColumnAndRowCellsMergeRunsOfEqualTexts) {
    struct Case {
        const char* name;
        std::function<void(TQvStringGrid&)> act;
        std::vector<std::pair<TPoint, TPoint>> areas; // base cell, span
    };
    const Case cases[] = {
        {"main column merges every run",
         [](TQvStringGrid& g) { g.MergeColumnCells(1, true); },
         {{{1, 1}, {0, 1}}, {{1, 3}, {0, 2}}}},
        {"a further column only inside other merges",
         [](TQvStringGrid& g) { g.MergeColumnCells(1, false); },
         {}},
        {"a further column follows the main column",
         [](TQvStringGrid& g) {
             g.MergeColumnCells(1, true);
             for (int r = 1; r < 6; ++r)
                 g.SetGridCells(2, r, "same");
             g.MergeColumnCells(2, false);
         },
         {{{1, 1}, {0, 1}}, {{1, 3}, {0, 2}}, {{2, 1}, {0, 1}}, {{2, 3}, {0, 2}}}},
        {"different texts across a row stay apart",
         [](TQvStringGrid& g) {
             g.SetGridCells(2, 1, "B");
             g.SetGridCells(3, 1, "C");
             g.MergeRowCells(1, true);
         },
         {}},
        {"equal texts across a row merge",
         [](TQvStringGrid& g) {
             g.SetGridCells(2, 1, "A");
             g.SetGridCells(3, 1, "A");
             g.MergeRowCells(1, true);
         },
         {{{1, 1}, {2, 0}}}},
        {"split column undoes the merge",
         [](TQvStringGrid& g) {
             g.MergeColumnCells(1, true);
             g.SplitColumnCells(1);
         },
         {}},
        {"split all undoes row merges",
         [](TQvStringGrid& g) {
             g.SetGridCells(2, 1, "A");
             g.MergeRowCells(1, true);
             g.MergeColumnCells(1, true);
             g.SplitAllCells();
         },
         {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        SetUp();
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 4; ++c)
                if (g.IsMergedCell(c, r)) g.SplitCells(c, r);
        for (int r = 1; r < 6; ++r)
            for (int c = 2; c < 4; ++c)
                g.SetGridCells(c, r, "");
        k.act(g);
        std::vector<std::pair<TPoint, TPoint>> found;
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 6; ++r)
                if (g.IsMergedCell(c, r) && g.IsBaseCell(c, r))
                    found.push_back({TPoint(c, r), g.CellSpan(c, r)});
        EXPECT_EQ(found, k.areas);
    }
}

TEST_F(MergeGrid, CheckedAndSelectedRowsAreRemoved) {
    for (int r = 1; r < 6; ++r)
        g.AddCheckBox(0, r, r % 2 == 1, false); // rows 1, 3, 5 checked
    g.RemoveCheckedRows(0, true);
    ASSERT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(1, 1), "A");
    EXPECT_EQ(g.Cells(1, 2), "B");

    SetUp();
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(2, true);
    g.SetRowSelect(4, true);
    g.SetGridCells(2, 5, "last");
    g.RemoveSelectedRows();
    ASSERT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cells(1, 2), "B");
    EXPECT_EQ(g.Cells(2, 3), "last");
    EXPECT_EQ(g.RowSelectCount(), 0);

    g.SetRowSelect(1, true);
    g.RemoveUnSelectedRows();
    ASSERT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 1), "A");
}

TEST_F(MergeGrid, HidingSelectedRowsKeepsTheirData) {
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(1, true);
    g.SetRowSelect(3, true);
    g.HideSelectedRows();
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_TRUE(g.IsHiddenRow(1));
    EXPECT_TRUE(g.IsHiddenRow(3));
    g.UnHideRowsAll();
    EXPECT_EQ(g.Cells(1, 3), "B");
}

TEST_F(MergeGrid, ColorRectColoursEveryCellOfTheRectangle) {
    g.ColorRect(2, 3, 1, 2, clRed);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 6; ++r)
            EXPECT_EQ(g.Colors(c, r) == clRed, c >= 1 && c <= 2 && r >= 2 && r <= 3) << c << "," << r;
}

TEST(QvGridAutoSize, WrappedTextGrowsTheRowInItsColumnWidth) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetWordWrap(true);
    g.SetColWidths(1, 60);
    g.SetGridCells(1, 1, "many short words that cannot fit on one line of sixty pixels");
    g.Canvas()->Font()->Assign(g.Font());
    const int th = g.Canvas()->TextHeight("gh");
    g.AutoSizeRow(1);
    EXPECT_GE(g.RowHeights(1), 3 * th + 6);
    EXPECT_EQ(g.ColWidths(1), 60);
    g.SetWordWrap(false);
    g.AutoSizeRow(1);
    EXPECT_EQ(g.RowHeights(1), th + 6);
}

TEST(QvGridAutoSize, CellsFitTheirTextAndTheControlFitsTheCells) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetGridCells(1, 1, "A wide text for one cell");
    g.SetGridCells(2, 2, "x");
    g.Canvas()->Font()->Assign(g.Font());
    const int wide = g.Canvas()->TextWidth("A wide text for one cell");
    const int th = g.Canvas()->TextHeight("gh");
    g.SetColWidths(2, 200);
    g.AutoSizeCells(false, 4, 2);
    EXPECT_EQ(g.ColWidths(1), wide + 4 + 2);
    EXPECT_EQ(g.ColWidths(2), g.Canvas()->TextWidth("x") + 6);
    EXPECT_GE(g.RowHeights(1), th + 4);

    g.SizeToCells();
    int w = 0, h = 0;
    for (int c = 0; c < 3; ++c)
        w += g.ColWidths(c);
    for (int r = 0; r < 3; ++r)
        h += g.RowHeights(r);
    EXPECT_EQ(g.ClientWidth(), w);
    EXPECT_EQ(g.ClientHeight(), h);
}

// Rows and columns that enter or leave take their selection, modified and disabled flags along, so no
// flag stays on the row that moves into a removed row's place.
TEST(QvGridRowsCols, RowAndColumnFlagsFollowTheirRows) {
    struct Case {
        const char* name;
        bool persistent;
        std::function<void(TQvStringGrid&)> act;
        std::vector<int> flagged; // rows selected, modified and disabled afterwards (display rows)
    };
    // Rows 2 and 5 carry every flag.
    const Case cases[] = {
        {"remove above", false, [](TQvStringGrid& g) { g.RemoveRows(1, 1); }, {1, 4}},
        {"remove a flagged row", false, [](TQvStringGrid& g) { g.RemoveRows(2, 2); }, {3}},
        {"insert above", false, [](TQvStringGrid& g) { g.InsertRows(3, 2); }, {2, 7}},
        {"persistent selection over a hidden row",
         true,
         [](TQvStringGrid& g) {
             g.HideRow(1);
             g.RemoveRows(1, 1); // real row 2
             g.UnHideRowsAll();
         },
         {4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TQvStringGrid g(nullptr);
        g.SetColCount(3);
        g.SetRowCount(8);
        // The current row stays out of the flagged rows: with a disjunct selection it is selected too.
        g.SetRow(7);
        g.MouseActions()->SetDisjunctRowSelect(true);
        g.MouseActions()->SetRowSelectPersistent(c.persistent);
        for (int r : {2, 5}) {
            g.SetRowSelect(r, true);
            g.SetRowModified(r, true);
            g.SetRowEnabled(r, false);
        }
        c.act(g);
        std::vector<int> selected, modified, disabled, listed;
        for (int r = 0; r < g.RowCount(); ++r) {
            if (g.RowSelect(r)) selected.push_back(r);
            if (g.RowModified(r)) modified.push_back(r);
            if (!g.RowEnabled(r)) disabled.push_back(r);
        }
        for (int i = 0; i < g.SelectedRowCount(); ++i)
            listed.push_back(g.SelectedRow(i));
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(selected, c.flagged);
        EXPECT_EQ(listed, c.flagged);
        if (!c.persistent) {
            EXPECT_EQ(modified, c.flagged);
            EXPECT_EQ(disabled, c.flagged);
        }
    }

    TQvStringGrid g(nullptr);
    g.SetColCount(6);
    g.MouseActions()->SetDisjunctColSelect(true);
    g.SetColSelect(4, true);
    g.RemoveCols(1, 2);
    EXPECT_TRUE(g.ColSelect(2));
    g.InsertCols(0, 1);
    EXPECT_TRUE(g.ColSelect(3));
    EXPECT_EQ(g.ColSelectCount(), 1);
}

TEST(QvGridRowsCols, ClearingFreesCellPropertiesUnlessTextOnlyAndTellsTheChange) {
    TQvStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(5);
    std::vector<TRect> changes;
    g.OnCellsChanged = [&](TObject*, const TRect& R) { changes.push_back(R); };
    g.HideColumn(3);
    g.SetCells(3, 2, "hidden column");
    g.AddCheckBox(1, 2, true, false);
    g.SetClearTextOnly(true);
    g.ClearRows(2, 1);
    EXPECT_TRUE(g.IsChecked(1, 2)) << "text only";
    EXPECT_EQ(g.Cells(3, 2), "");
    g.SetCells(3, 2, "hidden column");
    g.SetClearTextOnly(false);
    g.ClearRows(2, 1);
    EXPECT_FALSE(g.HasCellProperties(1, 2));
    EXPECT_EQ(g.Cells(3, 2), "") << "hidden columns are cleared with their row";
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1], TRect(0, 2, 3, 2));

    changes.clear();
    g.InsertRows(1, 2);
    g.RemoveRows(3, 1);
    EXPECT_EQ(changes, (std::vector<TRect>{TRect(0, 1, 2, 3), TRect(0, 3, 2, 4)}));

    g.SetCells(1, 1, "a");
    g.SetCells(2, 3, "b");
    g.SetCells(0, 0, "fixed");
    g.ClearNormalCells();
    EXPECT_EQ(g.Cells(1, 1) + g.Cells(2, 3), "");
    EXPECT_EQ(g.Cells(0, 0), "fixed");
    g.SetSearchInc("ab");
    g.Clear();
    EXPECT_EQ(g.Cells(0, 0), "");
    EXPECT_EQ(g.SearchInc(), "");

    g.SetCells(1, 1, EncodeWideCellText(QString::fromUtf8("\u6e29")));
    EXPECT_TRUE(g.IsWideCell(1, 1));
    g.SetCells(1, 2, "plain");
    EXPECT_FALSE(g.IsWideCell(1, 2));
}

TEST(QvGridRowsCols, ClearSelectionClearsWhatIsSelected) {
    struct Case {
        const char* name;
        std::function<void(TQvStringGrid&)> select;
        const char* left; // the texts of rows 1..3 in columns 1..2 afterwards
    };
    const Case cases[] = {
        {"rectangle", [](TQvStringGrid& g) { g.SelectCells(1, 1, 1, 2); }, " b  d e f"},
        {"disjunct rows",
         [](TQvStringGrid& g) {
             g.MouseActions()->SetDisjunctRowSelect(true);
             g.SetRowSelect(3, true);
         },
         "a b c d  "},
        {"disjunct columns",
         [](TQvStringGrid& g) {
             g.MouseActions()->SetDisjunctColSelect(true);
             g.SetColSelect(2, true);
         },
         "a  c  e "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TQvStringGrid g(nullptr);
        g.SetColCount(3);
        g.SetRowCount(4);
        const char* texts[] = {"a", "b", "c", "d", "e", "f"};
        for (int i = 0; i < 6; ++i)
            g.SetCells(1 + i % 2, 1 + i / 2, texts[i]);
        c.select(g);
        g.ClearSelection();
        QStringList left;
        for (int r = 1; r <= 3; ++r)
            for (int col = 1; col <= 2; ++col)
                left << g.Cells(col, r);
        EXPECT_EQ(left.join(' '), c.left);
    }
}
