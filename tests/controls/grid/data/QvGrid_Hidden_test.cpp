// Hiding and showing columns and rows of the string grid with their data, the two index spaces and moving.
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace qvgrid_hidden_test {

// A grid whose cell (c, r) reads "c:r" and whose column widths and row heights tell the columns and rows
// apart; cell (1, r) carries properties so that their travel shows.
struct HiddenGrid : ::testing::Test {
    TQvStringGrid g{nullptr};
    void SetUp() override {
        g.SetColCount(6);
        g.SetRowCount(10);
        for (int r = 0; r < 10; ++r) {
            for (int c = 0; c < 6; ++c)
                g.SetGridCells(c, r, String("%1:%2").arg(c).arg(r));
            g.SetRowHeights(r, 20 + r);
            g.CellProperties(1, r)->SetFontSize(r + 100);
        }
        for (int c = 0; c < 6; ++c)
            g.SetColWidths(c, 40 + c);
    }
    // The texts of column c down the display rows.
    String Column(int c) {
        String s;
        for (int r = 0; r < g.RowCount(); ++r)
            s += g.GridCells(c, r) + ' ';
        return s.trimmed();
    }
};

} // namespace qvgrid_hidden_test

using qvgrid_hidden_test::HiddenGrid;

TEST_F(HiddenGrid, HiddenColumnKeepsItsCellsAndComesBackWithItsWidth) {
    g.HideColumn(2);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    EXPECT_EQ(g.TotalColCount(), 6);
    EXPECT_TRUE(g.IsHiddenColumn(2));
    EXPECT_EQ(g.RealColIndex(2), 3);
    EXPECT_EQ(g.DisplColIndex(3), 2);
    EXPECT_EQ(g.DisplColIndex(2), 2);
    EXPECT_EQ(g.GridCells(2, 4), "2:4");
    EXPECT_EQ(g.ColWidths(2), 43);
    EXPECT_EQ(g.AllColWidths(2), 42);
    g.UnHideColumn(2);
    EXPECT_EQ(g.ColCount(), 6);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g.ColWidths(c), 40 + c) << c;
}

TEST_F(HiddenGrid, HidingAllColumnsKeepsTheLastShown) {
    g.HideColumns(0, 5);
    EXPECT_EQ(g.ColCount(), 1);
    EXPECT_FALSE(g.IsHiddenColumn(5));
    EXPECT_EQ(g.RealColIndex(0), 5);
    g.UnHideColumnsAll();
    EXPECT_EQ(g.ColCount(), 6);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
}

TEST(QvGridHiddenColumns, AnyColumnOfAWideGridCanBeHidden) {
    TQvStringGrid g(nullptr);
    g.SetColCount(700);
    g.SetGridCells(650, 1, "far");
    EXPECT_FALSE(g.IsHiddenColumn(600));
    g.HideColumn(600);
    EXPECT_TRUE(g.IsHiddenColumn(600));
    EXPECT_EQ(g.RealColIndex(600), 601);
    EXPECT_EQ(g.DisplColIndex(650), 649);
    EXPECT_EQ(g.GridCells(650, 1), "far");
    g.UnHideColumn(600);
    EXPECT_EQ(g.ColCount(), 700);
}

TEST_F(HiddenGrid, HiddenRowsLeaveTheDisplayAndMapBothWays) {
    g.HideRow(3);
    EXPECT_EQ(g.RowCount(), 9);
    EXPECT_EQ(g.NumHiddenRows(), 1);
    EXPECT_EQ(g.TotalRowCount(), 10);
    EXPECT_EQ(g.RealRowIndex(3), 4);
    EXPECT_EQ(g.DisplRowIndex(4), 3);
    EXPECT_EQ(g.DisplRowIndex(3), 3);
    EXPECT_EQ(g.GridCells(0, 3), "0:4");
    EXPECT_EQ(g.AllCells(0, 3), "0:3");
    EXPECT_EQ(g.RowHeights(3), 24);
}

TEST_F(HiddenGrid, HideAndShowKeepDataHeightsAndProperties) {
    struct Case {
        const char* name;
        std::function<void(TQvStringGrid&)> hide;
        std::vector<int> hidden;
        std::function<void(TQvStringGrid&)> show;
    };
    const Case cases[] = {
        {"range over an already hidden row",
         [](TQvStringGrid& g) {
             g.HideRow(3);
             g.HideRows(2, 5);
         },
         {2, 3, 4, 5},
         [](TQvStringGrid& g) { g.UnHideRowsAll(); }},
        {"two rows around a shown one",
         [](TQvStringGrid& g) {
             g.HideRow(2);
             g.HideRow(4);
         },
         {2, 4},
         [](TQvStringGrid& g) { g.UnHideRows(2, 4); }},
        {"rows one by one, shown in reverse",
         [](TQvStringGrid& g) {
             g.HideRow(8);
             g.HideRow(1);
             g.HideRowsEx(5, 6);
         },
         {1, 5, 6, 8},
         [](TQvStringGrid& g) {
             for (int r : {8, 6, 5, 1})
                 g.UnHideRow(r);
         }},
        {"with a hidden column",
         [](TQvStringGrid& g) {
             g.HideColumn(4);
             g.HideRows(0, 1);
         },
         {0, 1},
         [](TQvStringGrid& g) {
             g.UnHideRows(0, 1);
             g.UnHideColumn(4);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.hide(g);
        std::vector<int> hidden;
        for (int r = 0; r < g.TotalRowCount(); ++r)
            if (g.IsHiddenRow(r)) hidden.push_back(r);
        EXPECT_EQ(hidden, c.hidden);
        EXPECT_EQ(g.RowCount(), 10 - static_cast<int>(c.hidden.size()));
        // Every real row reads its own texts, hidden or not, and each display row maps back.
        for (int r = 0; r < 10; ++r)
            for (int col = 0; col < 6; ++col)
                EXPECT_EQ(g.AllCells(col, r), String("%1:%2").arg(col).arg(r));
        for (int d = 0; d < g.RowCount(); ++d)
            EXPECT_EQ(g.DisplRowIndex(g.RealRowIndex(d)), d);
        c.show(g);
        EXPECT_EQ(g.NumHiddenRows(), 0);
        ASSERT_EQ(g.RowCount(), 10);
        for (int r = 0; r < 10; ++r) {
            EXPECT_EQ(g.GridCells(4, r), String("4:%1").arg(r));
            EXPECT_EQ(g.RowHeights(r), 20 + r);
            ASSERT_TRUE(g.HasCellProperties(1, r));
            EXPECT_EQ(g.CellProperties(1, r)->FontSize(), r + 100);
        }
    }
}

TEST_F(HiddenGrid, MixedHiddenRowsAndColumnsMapIndependently) {
    g.HideColumns(1, 2);
    g.HideRow(0);
    g.HideRow(5);
    // Display cell (1, 3) is real column 3 of real row 4.
    EXPECT_EQ(g.Cells(g.RealColIndex(1), 3), "3:4");
    EXPECT_EQ(g.RealRowIndex(3), 4);
    EXPECT_EQ(g.RealRowIndex(4), 6);
    EXPECT_EQ(g.DisplColIndex(3), 1);
    EXPECT_EQ(g.AllCells(2, 5), "2:5");
}

TEST_F(HiddenGrid, RemovingRowsLowersTheIndexesOfHiddenRowsBehind) {
    g.HideRow(8);
    g.HideRow(3);
    // Display rows 1..2 are real rows 1 and 2.
    g.RemoveRows(1, 2);
    EXPECT_TRUE(g.IsHiddenRow(1));
    EXPECT_TRUE(g.IsHiddenRow(6));
    EXPECT_EQ(g.AllCells(0, 1), "0:3");
    EXPECT_EQ(g.AllCells(0, 6), "0:8");
    g.UnHideRowsAll();
    EXPECT_EQ(Column(0), "0:0 0:3 0:4 0:5 0:6 0:7 0:8 0:9");
}

TEST_F(HiddenGrid, InsertingRowsKeepsHiddenRowsInPlace) {
    g.HideRow(5);
    g.InsertRows(2, 2);
    EXPECT_TRUE(g.IsHiddenRow(7));
    g.UnHideRowsAll();
    EXPECT_EQ(g.GridCells(0, 7), "0:5");
    EXPECT_EQ(g.GridCells(0, 2), "");
}

TEST_F(HiddenGrid, InsertAndRemoveColumnsMoveHiddenColumnsAlong) {
    g.HideColumn(3);
    g.InsertCols(1, 2);
    EXPECT_TRUE(g.IsHiddenColumn(5));
    EXPECT_EQ(g.GridCells(5, 0), "3:0");
    EXPECT_EQ(g.ColWidths(1), g.DefaultColWidth());
    g.RemoveCols(1, 2);
    EXPECT_TRUE(g.IsHiddenColumn(3));
    g.UnHideColumnsAll();
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g.GridCells(c, 2), String("%1:2").arg(c));
}

TEST_F(HiddenGrid, MovingAColumnCarriesCellsOfHiddenRowsAndColumns) {
    g.HideColumn(2);
    g.HideRow(4);
    g.SortSettings()->SetColumn(4);
    // Display 1 -> 3 is real 1 -> 4.
    g.MoveColumn(1, 3);
    EXPECT_EQ(g.SortSettings()->Column(), 3);
    EXPECT_TRUE(g.IsHiddenColumn(1));
    g.UnHideRowsAll();
    g.UnHideColumnsAll();
    EXPECT_EQ(g.Rows(4).join(' '), "0:4 2:4 3:4 4:4 1:4 5:4");
    EXPECT_EQ(g.CellProperties(4, 7)->FontSize(), 107);
}

TEST_F(HiddenGrid, MovingRowsKeepsCellsAndHeights) {
    g.MoveRows(1, 6, 2);
    EXPECT_EQ(Column(0), "0:0 0:3 0:4 0:5 0:1 0:2 0:6 0:7 0:8 0:9");
    EXPECT_EQ(g.RowHeights(4), 21);
    g.MoveRows(4, 1, 2);
    EXPECT_EQ(Column(0), "0:0 0:1 0:2 0:3 0:4 0:5 0:6 0:7 0:8 0:9");
}

TEST_F(HiddenGrid, ColumnOrderIsRecordedAndRestored) {
    g.MoveColumn(1, 4);
    g.MoveColumn(0, 2);
    g.HideColumn(3);
    g.ResetColumnOrder();
    EXPECT_EQ(g.Rows(0).join(' '), "0:0 1:0 2:0 3:0 4:0 5:0");
    EXPECT_EQ(g.ColumnByHeader("3:0"), 3);
    EXPECT_EQ(g.ColumnByHeader("3:O"), -1);
}

TEST(QvGridHiddenColumns, UsedCellsAndSaveRange) {
    TQvStringGrid g(nullptr);
    g.SetColCount(5);
    g.SetRowCount(6);
    const TGridRect none = g.UsedCells();
    EXPECT_EQ((std::vector<int>{none.Left, none.Top, none.Right, none.Bottom}),
              (std::vector<int>{0, 0, 0, 0}));
    g.SetGridCells(3, 2, "x");
    const TGridRect one = g.UsedCells();
    EXPECT_EQ((std::vector<int>{one.Left, one.Top, one.Right, one.Bottom}), (std::vector<int>{3, 2, 3, 2}));
    // Display columns: with real column 1 hidden the text stands in display column 2.
    g.HideColumn(1);
    EXPECT_EQ(g.UsedCells().Left, 2);

    g.SetSaveFixedCells(false);
    g.SetFixedCols(1);
    g.UnHideColumnsAll();
    EXPECT_EQ(g.SaveStartCol(), 1);
    EXPECT_EQ(g.SaveEndCol(), 4);
    EXPECT_EQ(g.SaveColCount(), 4);
}

TEST(QvGridHiddenColumns, SelectionHidesOutsideAndComesBack) {
    TQvStringGrid g(nullptr);
    g.SetColCount(5);
    g.SetRowCount(6);
    g.ScrollInView(2, 3);
    EXPECT_EQ(g.Col(), 1); // visible already: nothing moves
    EXPECT_EQ(g.Row(), 1);
    TGridRect sel;
    sel.Left = 1;
    sel.Top = 2;
    sel.Right = 3;
    sel.Bottom = 4;
    g.SetSelection(sel);
    g.HideSelection();
    EXPECT_TRUE(g.SelectionHidden());
    EXPECT_EQ(g.Selection().Top, 6);
    g.UnHideSelection();
    EXPECT_EQ(g.Selection().Bottom, 4);
    EXPECT_EQ(g.Selection().Left, 1);
}

TEST(QvGridHidden, SettingTheRowReportsEachChangeOnce) {
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(6);
    std::vector<std::pair<int, int>> reports;
    g.OnRowChanged = [&](TObject*, int oldRow, int newRow) { reports.push_back({oldRow, newRow}); };
    g.SetRow(3);
    g.SetRow(3);
    g.SetRow(5);
    const std::vector<std::pair<int, int>> expected = {{-1, 3}, {3, 5}};
    EXPECT_EQ(reports, expected);
    EXPECT_EQ(g.Row(), 5);

    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(5, true);
    g.SetRow(2);
    EXPECT_TRUE(g.RowSelect(2));
    EXPECT_TRUE(g.RowSelect(5)); // rows outside the selection keep their flags
}

// The painter reads each display column's text from the real column shown there: beside a hidden column
// the text painted is the next column's, and nothing of the hidden text shows.
TEST(QvGridHiddenPaint, TextBesideAHiddenColumnComesFromItsRealColumn) {
    TForm form(nullptr);
    form.SetClientSize(420, 120);
    auto* grid = new TQvStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 420, 120);
    grid->SetColCount(5);
    grid->SetRowCount(4);
    grid->SetDefaultColWidth(80);
    grid->SetDefaultRowHeight(24);
    grid->SetColor(clWhite);
    grid->SetLook(glStandard);
    grid->SetBorderStyle(bsNone);
    grid->Font()->SetColor(clBlack);
    grid->SetCol(4);
    grid->SetRow(3);
    grid->SetCells(2, 1, "WWWWWWW");
    grid->SetCells(3, 1, "i");
    grid->HideColumn(2);
    form.Show();
    grid->Invalidate();
    QApplication::processEvents();
    const QImage img = form.Grab();
    // The box of the dark pixels of a cell.
    const auto darkWidth = [&](int c, int r) {
        const TRect cell = grid->CellRect(c, r);
        int left = cell.Right, right = cell.Left;
        for (int y = cell.Top + 1; y < cell.Bottom - 1; ++y)
            for (int x = cell.Left + 1; x < cell.Right - 1; ++x) {
                const QColor p(img.pixel(x, y));
                if (p.red() < 110 && p.green() < 110 && p.blue() < 110) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
            }
        return std::max(0, right - left);
    };
    grid->Canvas()->Font()->Assign(grid->Font());
    const int narrow = grid->Canvas()->TextWidth("i");
    EXPECT_GT(darkWidth(2, 1), 0) << "real column 3 shows at display column 2";
    EXPECT_LE(darkWidth(2, 1), narrow + 2);
    EXPECT_EQ(darkWidth(3, 1), 0) << "display column 3 is the empty real column 4";
    form.Hide();
}
