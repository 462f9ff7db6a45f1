// Rearranging every row of a string grid at once: cells, heights and the current cell go along.
#include "toolkit/grids/Grids.h"

#include <gtest/gtest.h>

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
    using TStringGrid::PermuteRows;
    using TStringGrid::RotateRows;
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
