// The data helpers' view of a grid: the string grid's and the plain store's answers agree, hidden columns and
// rows (by index and by filter level) and merged cells included, and a row permutation carries each row's
// texts, properties and flags in both.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/data/StringGridCells.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace gridcells_test {

constexpr int kCols = 5;
constexpr int kRows = 8;
constexpr int kHiddenCol = 2;
// Real row 3 is hidden by index, real row 5 by a filter level.
const std::vector<int> kHiddenRows{3, 5};

String CellName(int c, int r) {
    return String("%1:%2").arg(c).arg(r);
}

// Column 4 holds numbers, one of them no number; column 3 carries properties marked with the row; cells
// (1, 0) and (1, 1) are one merged area.
String CellText(int c, int r) {
    if (c != 4) return CellName(c, r);
    return r == 2 ? String("n/a") : String::number(r * 1.5);
}

// One view, with the way to read the flags it keeps for a real row (bit 0 selected, 1 modified, 2 disabled).
struct View {
    const char* Name;
    IGridCells* Cells;
    std::function<unsigned(int Row)> Flags;
    std::function<void(int Row, unsigned Flags)> SetFlags;
};

struct BothViews : ::testing::Test {
    TQvStringGrid grid{nullptr};
    StringGridCells gridCells{grid};
    GridCellStore store{kCols, kRows};

    void SetUp() override {
        grid.SetColCount(kCols);
        grid.SetRowCount(kRows);
        grid.MouseActions()->SetDisjunctRowSelect(true);
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                grid.SetGridCells(c, r, CellText(c, r));
                store.SetText(c, r, CellText(c, r));
            }
            grid.CellProperties(3, r)->SetFontSize(100 + r);
            store.MakeProperties(3, r)->SetFontSize(100 + r);
        }
        grid.MergeCells(1, 0, 1, 2);
        TCellProperties* base = store.MakeProperties(1, 0);
        base->SetCellSpanX(0);
        base->SetCellSpanY(1);
        TCellProperties* covered = store.MakeProperties(1, 1);
        covered->SetIsBaseCell(false);
        covered->SetCellSpanX(0);
        covered->SetCellSpanY(1);

        grid.HideColumn(kHiddenCol);
        grid.HideRow(kHiddenRows[0]);
        TIntList level(0, 0);
        level.Add(grid.DisplRowIndex(kHiddenRows[1]));
        grid.HideRowList(&level);
        store.HideColumn(kHiddenCol);
        for (int r : kHiddenRows)
            store.HideRow(r);
    }

    std::vector<View> Views() {
        View g{"grid", &gridCells,
               [this](int r) {
                   const int d = grid.DisplRowIndex(r);
                   const bool shown = !grid.IsHiddenRow(r);
                   return unsigned(shown && grid.RowSelect(d)) | unsigned(grid.RowModified(r)) << 1 |
                          unsigned(shown && !grid.RowEnabled(d)) << 2;
               },
               [this](int r, unsigned f) {
                   // Selection and the disabled mark are kept by display row, the modified mark by real row.
                   const int d = grid.DisplRowIndex(r);
                   if (f & 1) grid.SetRowSelect(d, true);
                   if (f & 2) grid.SetRowModified(r, true);
                   if (f & 4) grid.SetRowEnabled(d, false);
               }};
        View s{"store", &store,
               [this](int r) {
                   return unsigned(store.RowFlag(r, GridRowFlag::Selected)) |
                          unsigned(store.RowFlag(r, GridRowFlag::Modified)) << 1 |
                          unsigned(store.RowFlag(r, GridRowFlag::Disabled)) << 2;
               },
               [this](int r, unsigned f) {
                   store.SetRowFlag(r, GridRowFlag::Selected, f & 1);
                   store.SetRowFlag(r, GridRowFlag::Modified, f & 2);
                   store.SetRowFlag(r, GridRowFlag::Disabled, f & 4);
               }};
        return {g, s};
    }
};

} // namespace gridcells_test

using gridcells_test::BothViews;
using gridcells_test::CellName;
using gridcells_test::CellText;
using gridcells_test::kCols;
using gridcells_test::kHiddenCol;
using gridcells_test::kHiddenRows;
using gridcells_test::kRows;

TEST_F(BothViews, AgreeOnEveryCellAndBothNumberings) {
    const std::vector<int> shownCols{0, 1, 3, 4};
    const std::vector<int> shownRows{0, 1, 2, 4, 6, 7};
    for (const auto& v : Views()) {
        SCOPED_TRACE(v.Name);
        const IGridCells& cells = *v.Cells;
        ASSERT_EQ(cells.ColumnCount(), kCols);
        ASSERT_EQ(cells.RowCount(), kRows);
        ASSERT_EQ(cells.DisplayColumnCount(), int(shownCols.size()));
        ASSERT_EQ(cells.DisplayRowCount(), int(shownRows.size()));
        for (size_t d = 0; d < shownCols.size(); ++d) {
            EXPECT_EQ(cells.RealColumn(int(d)), shownCols[d]);
            EXPECT_EQ(cells.DisplayColumn(shownCols[d]), int(d));
        }
        for (size_t d = 0; d < shownRows.size(); ++d) {
            EXPECT_EQ(cells.RealRow(int(d)), shownRows[d]);
            EXPECT_EQ(cells.DisplayRow(shownRows[d]), int(d));
        }
        EXPECT_EQ(cells.DisplayColumn(kHiddenCol), -1);
        for (int r : kHiddenRows)
            EXPECT_EQ(cells.DisplayRow(r), -1) << r;
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                EXPECT_EQ(cells.Text(c, r), CellText(c, r)) << c << "," << r;
                const String shown = c == 1 && r == 1 ? CellText(1, 0) : CellText(c, r);
                EXPECT_EQ(cells.ShownText(c, r), shown) << c << "," << r;
            }
            ASSERT_NE(cells.Properties(3, r), nullptr) << r;
            EXPECT_EQ(cells.Properties(3, r)->FontSize(), 100 + r);
            EXPECT_EQ(cells.Properties(0, r), nullptr) << r;
            EXPECT_EQ(cells.Number(4, r), r == 2 ? std::nullopt : std::optional<double>(r * 1.5)) << r;
        }
        EXPECT_EQ(cells.Text(kCols, 0), String());
        EXPECT_EQ(cells.Text(0, kRows), String());
        EXPECT_EQ(cells.Properties(-1, 0), nullptr);
    }
}

TEST_F(BothViews, WritesReachHiddenCellsAndPropertiesAreMadeOnce) {
    for (const auto& v : Views()) {
        SCOPED_TRACE(v.Name);
        IGridCells& cells = *v.Cells;
        const std::vector<TPoint> targets{
            {0, 0}, {kHiddenCol, 4}, {0, kHiddenRows[0]}, {kHiddenCol, kHiddenRows[1]}};
        for (const TPoint& p : targets) {
            cells.SetText(p.X, p.Y, "new");
            EXPECT_EQ(cells.Text(p.X, p.Y), "new") << p.X << "," << p.Y;
            EXPECT_EQ(cells.Properties(p.X, p.Y), nullptr);
            TCellProperties* made = cells.MakeProperties(p.X, p.Y);
            ASSERT_NE(made, nullptr);
            made->SetFontSize(7);
            EXPECT_EQ(cells.MakeProperties(p.X, p.Y), made);
            EXPECT_EQ(cells.Properties(p.X, p.Y)->FontSize(), 7);
        }
        cells.SetText(kCols, 0, "outside");
        EXPECT_EQ(cells.MakeProperties(0, kRows), nullptr);
        EXPECT_EQ(cells.Text(kCols - 1, 0), CellText(kCols - 1, 0));
    }
}

TEST_F(BothViews, APermutationCarriesTextsPropertiesAndFlagsAndLeavesHiddenRows) {
    // Flags on shown rows whose real and display indexes differ, and on a hidden row.
    const std::vector<std::pair<int, unsigned>> flags{
        {1, 2}, {4, 4}, {6, 1 | 2}, {7, 4}, {kHiddenRows[0], 2}};
    const std::vector<int> order{5, 3, 0, 4, 1, 2};
    for (const auto& v : Views()) {
        SCOPED_TRACE(v.Name);
        IGridCells& cells = *v.Cells;
        for (const auto& [row, f] : flags)
            v.SetFlags(row, f);
        std::vector<unsigned> flagsBefore(kRows);
        for (int r = 0; r < kRows; ++r)
            flagsBefore[size_t(r)] = v.Flags(r);
        cells.PermuteRows(order);
        for (size_t i = 0; i < order.size(); ++i) {
            const int to = cells.RealRow(int(i));
            const int from = cells.RealRow(order[i]);
            for (int c = 0; c < kCols; ++c)
                EXPECT_EQ(cells.Text(c, to), CellText(c, from)) << c << "," << to;
            EXPECT_EQ(cells.Properties(3, to)->FontSize(), 100 + from) << to;
            EXPECT_EQ(cells.Properties(3, to)->OwnerRow(), v.Cells == &store ? to : int(i));
            EXPECT_EQ(v.Flags(to), flagsBefore[size_t(from)]) << to;
        }
        for (int r : kHiddenRows) {
            EXPECT_EQ(cells.Text(0, r), CellName(0, r));
            EXPECT_EQ(cells.Properties(3, r)->FontSize(), 100 + r);
            EXPECT_EQ(v.Flags(r), flagsBefore[size_t(r)]) << r;
        }
    }
}

TEST_F(BothViews, AnOrderThatIsNoPermutationChangesNothing) {
    const std::vector<std::vector<int>> orders{
        {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4, 5, 5}, {0, 1, 2, 3, 4, 4}, {0, 1, 2, 3, 4, 6}, {-1, 1, 2, 3, 4, 5}};
    for (const auto& v : Views()) {
        SCOPED_TRACE(v.Name);
        for (const auto& order : orders) {
            EXPECT_THROW(v.Cells->PermuteRows(order), EInvalidGridOperation);
            for (int r = 0; r < kRows; ++r)
                EXPECT_EQ(v.Cells->Text(0, r), CellName(0, r));
        }
    }
}

TEST(GridCellStore, ShownTextGoesThroughTheDisplayHookAndTheMergedBaseCell) {
    GridCellStore store(2, 3);
    store.SetText(0, 0, "base");
    store.SetText(0, 1, "covered");
    TCellProperties* base = store.MakeProperties(0, 0);
    base->SetCellSpanX(0);
    base->SetCellSpanY(1);
    TCellProperties* covered = store.MakeProperties(0, 1);
    covered->SetIsBaseCell(false);
    covered->SetCellSpanX(0);
    covered->SetCellSpanY(1);
    store.OnShownText = [](int c, int r, String& text) { text += String("@%1:%2").arg(c).arg(r); };
    EXPECT_EQ(store.ShownText(0, 1), "base@0:0");
    EXPECT_EQ(store.Text(0, 1), "covered");
    EXPECT_EQ(store.ShownText(1, 2), "@1:2");
}
