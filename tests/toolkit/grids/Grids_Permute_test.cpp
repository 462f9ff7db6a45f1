// Rearranging every row of a string grid at once: cells, heights and the current cell go along.
#include "toolkit/grids/Grids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace grids_permute_test {

class PermutableGrid : public TStringGrid {
public:
    PermutableGrid() : TStringGrid(nullptr) {
        SetColCount(2);
        SetRowCount(6);
        SetFixedRows(0);
        SetFixedCols(0);
        for (int r = 0; r < 6; ++r) {
            SetCells(1, r, QString::number(r));
            SetRowHeights(r, 20 + r);
        }
    }
    using TStringGrid::CutRows;
    using TStringGrid::OpenRows;
    using TStringGrid::PermuteRows;
    using TStringGrid::PutRow;
    using TStringGrid::RotateRows;
    using TStringGrid::TakeRow;
    // The taken stores, as TakeRows hands them over.
    TTakenRows TakeRows(const std::vector<int>& Rows) {
        TTakenRows out;
        TStringGrid::TakeRows(Rows, [&](TTakenRows Taken) {
            out = std::move(Taken);
            RowCountAtHandOver = RowCount();
        });
        return out;
    }
    int RowCountAtHandOver = -1;
    QString Order() {
        QString s;
        for (int r = 0; r < RowCount(); ++r)
            s += Cells(1, r);
        return s;
    }
    bool HeightsFollow() {
        for (int r = 0; r < RowCount(); ++r)
            if (RowHeights(r) != 20 + Cells(1, r).toInt()) return false;
        return true;
    }
};

} // namespace grids_permute_test

using grids_permute_test::PermutableGrid;

TEST(GridPermuteRows, RowsCarryCellsHeightsAndTheCurrentCell) {
    PermutableGrid g;
    g.SetRow(4);
    g.PermuteRows({5, 4, 3, 2, 1, 0});
    EXPECT_EQ(g.Order(), "543210");
    EXPECT_TRUE(g.HeightsFollow());
    EXPECT_EQ(g.Row(), 1) << "the current row follows its data";
    EXPECT_THROW(g.PermuteRows({0, 0, 1, 2, 3, 4}), EInvalidGridOperation);
    EXPECT_THROW(g.PermuteRows({0, 1}), EInvalidGridOperation);
    EXPECT_EQ(g.Order(), "543210") << "a refused order changes nothing";

    g.RotateRows(1, 3, 6); // rows 3 .. 5 move in front of rows 1 .. 2
    EXPECT_EQ(g.Order(), "521043");
    EXPECT_TRUE(g.HeightsFollow());
    EXPECT_EQ(g.Row(), 4);
    EXPECT_THROW(g.RotateRows(2, 1, 6), EInvalidGridOperation);
}

// Taking rows out or putting empty ones in where they stand ends as rotating them to the end and cutting
// them off (or adding them at the end and rotating them in) does, one row at a time from either end too.
TEST(GridCutAndOpenRows, EndAsRotatingThroughTheEndDoes) {
    struct Case {
        const char* name;
        bool open;
        int first, count, current;
    };
    const Case cases[] = {
        {"cut one in the middle, current behind", false, 2, 1, 4},
        {"cut a block, current inside", false, 1, 3, 2},
        {"cut the last row, current on it", false, 5, 1, 5},
        {"open one at the start", true, 0, 1, 3},
        {"open a block in the middle, current in front", true, 3, 2, 1},
        {"open at the end", true, 6, 2, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PermutableGrid a, b;
        a.SetRow(c.current);
        b.SetRow(c.current);
        if (c.open) {
            a.OpenRows(c.first, c.count);
            const int old = b.RowCount();
            b.SetRowCount(old + c.count);
            b.RotateRows(c.first, old, old + c.count);
        } else {
            a.CutRows(c.first, c.count);
            b.RotateRows(c.first, c.first + c.count, b.RowCount());
            b.SetRowCount(b.RowCount() - c.count);
        }
        EXPECT_EQ(a.RowCount(), b.RowCount());
        EXPECT_EQ(a.Order(), b.Order());
        EXPECT_EQ(a.Row(), b.Row());
        for (int r = 0; r < a.RowCount(); ++r)
            EXPECT_EQ(a.RowHeights(r), b.RowHeights(r)) << "row " << r;
    }
    // One row at a time from the end up and from the start down, then back in.
    PermutableGrid g;
    g.CutRows(4, 1);
    g.CutRows(2, 1);
    g.CutRows(0, 1);
    EXPECT_EQ(g.Order(), "135");
    EXPECT_TRUE(g.HeightsFollow());
    g.OpenRows(0, 1);
    g.SetCells(1, 0, "0");
    g.OpenRows(2, 1);
    g.SetCells(1, 2, "2");
    EXPECT_EQ(g.Order(), "01235");
    EXPECT_EQ(g.Cells(1, 4), "5");
}

// A row taken out keeps its texts, short, long and wide, and its objects; put into another row it reads
// there as it did, and the row it left reads empty.
TEST(GridTakeAndPutRow, ARowMovesWholeByPointer) {
    PermutableGrid g;
    const QString longText(30, QLatin1Char('w'));
    TObject marker;
    g.SetCells(0, 2, longText);
    g.SetCells(1, 2, QString::fromUtf16(u"\u0416x"));
    g.SetObjects(1, 2, &marker);
    std::unique_ptr<TStringGridRow> row = g.TakeRow(2);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->Text(0), longText);
    EXPECT_EQ(row->Object(1), &marker);
    EXPECT_EQ(row->Text(5), QString());
    EXPECT_EQ(g.Cells(0, 2), QString());
    EXPECT_EQ(g.Objects(1, 2), nullptr);
    EXPECT_FALSE(g.TakeRow(99)) << "a row beyond the store holds nothing";

    g.PutRow(2, g.TakeRow(4)); // the other way round too: row 4 into 2, then row 2's old store into 4
    g.PutRow(4, std::move(row));
    EXPECT_EQ(g.Cells(1, 2), "4");
    EXPECT_EQ(g.Cells(0, 4), longText);
    EXPECT_EQ(g.Cells(1, 4), QString::fromUtf16(u"\u0416x"));
    EXPECT_EQ(g.Objects(1, 4), &marker);
    char16_t scratch[TCellText::ShortRoom];
    EXPECT_EQ(g.CellView(1, 4, scratch), QString::fromUtf16(u"\u0416x"));
    EXPECT_EQ(g.CellView(0, 4, scratch), longText);
    EXPECT_TRUE(g.CellView(3, 4, scratch).isEmpty());
    g.SetObjects(1, 4, nullptr);
}

// Taking a set of rows out closes the others up in their order and hands the taken stores back in the set's
// order; the heights and the current row end as moving the taken rows to the end and cutting them off do.
TEST(GridTakeRows, SurvivorsKeepTheirOrderAndTakenRowsComeBackInOrder) {
    struct Case {
        const char* name;
        std::vector<int> rows;
        const char* kept;
        const char* taken;
        int current;
    };
    const Case cases[] = {
        {"no rows", {}, "012345", "", 3},
        {"every row", {0, 1, 2, 3, 4, 5}, "", "012345", 2},
        {"the first row, current on it", {0}, "12345", "0", 0},
        {"the last row, current in front", {5}, "01234", "5", 4},
        {"two runs, current between", {0, 1, 4, 5}, "23", "0145", 3},
        {"single rows between runs, current taken", {1, 3, 5}, "024", "135", 3},
        {"a run and a single row, current behind", {1, 2, 4}, "035", "124", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PermutableGrid g, ref;
        g.SetRow(c.current);
        ref.SetRow(c.current);
        const std::vector<std::unique_ptr<TStringGridRow>> taken = g.TakeRows(c.rows);
        QString takenOrder;
        for (const auto& row : taken) {
            ASSERT_TRUE(row);
            takenOrder += row->Text(1);
        }
        EXPECT_EQ(takenOrder, c.taken);
        EXPECT_EQ(g.Order(), c.kept);

        std::vector<int> order;
        for (int r = 0; r < ref.RowCount(); ++r)
            if (std::find(c.rows.begin(), c.rows.end(), r) == c.rows.end()) order.push_back(r);
        order.insert(order.end(), c.rows.begin(), c.rows.end());
        ref.PermuteRows(order);
        ref.SetRowCount(ref.RowCount() - static_cast<int>(c.rows.size()));
        EXPECT_EQ(g.RowCount(), ref.RowCount());
        EXPECT_EQ(g.Row(), ref.Row());
        // Taking every row leaves one new empty row, which the reference cannot show.
        for (int r = 0; r < static_cast<int>(std::strlen(c.kept)); ++r)
            EXPECT_EQ(g.RowHeights(r), ref.RowHeights(r)) << "row " << r;
    }
    // Rows never written are taken as empty stores; a set out of order or out of range changes nothing.
    PermutableGrid g;
    g.SetRowCount(8);
    const auto taken = g.TakeRows({2, 7});
    EXPECT_EQ(g.RowCountAtHandOver, 8) << "the stores are handed over before the row count changes";
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0]->Text(1), "2");
    EXPECT_FALSE(taken[1]);
    EXPECT_EQ(g.Order(), "01345");
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_THROW(g.TakeRows({3, 1}), EInvalidGridOperation);
    EXPECT_THROW(g.TakeRows({1, 1}), EInvalidGridOperation);
    EXPECT_THROW(g.TakeRows({6}), EInvalidGridOperation);
    EXPECT_EQ(g.Order(), "01345");
}
