// Sizing the cell store by its shown counts: new columns and rows come empty at the end, shrinking takes
// the last shown ones with the hidden ones behind them.
#include "controls/grid/data/GridCellStore.h"

#include <gtest/gtest.h>

namespace gridcellstoresize_test {

TEST(GridCellStore, SetShownSizeKeepsHiddenOnesBeforeTheLastShownOne) {
    struct Case {
        const char* Name;
        int Cols, Rows;
        int RealCols, RealRows; // counts after, hidden ones included
        bool KeepsHiddenColumn; // real column 1 is still there and still hidden
    };
    // 4 x 4 with real column 1 and real row 3 hidden: 3 shown columns (0, 2, 3) and 3 shown rows (0, 1, 2).
    const Case cases[] = {
        {"unchanged", 3, 3, 4, 4, true},
        {"grown", 5, 6, 6, 7, true},
        {"shrunk behind the hidden column", 2, 3, 3, 4, true},
        {"shrunk before it", 1, 1, 1, 1, false},
        {"emptied", 0, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        GridCellStore store(4, 4);
        for (int col = 0; col < 4; ++col)
            for (int row = 0; row < 4; ++row)
                store.SetText(col, row, QString("%1:%2").arg(col).arg(row));
        store.HideColumn(1);
        store.HideRow(3);
        store.SetShownSize(c.Cols, c.Rows);
        EXPECT_EQ(store.DisplayColumnCount(), c.Cols) << c.Name;
        EXPECT_EQ(store.DisplayRowCount(), c.Rows) << c.Name;
        EXPECT_EQ(store.ColumnCount(), c.RealCols) << c.Name;
        EXPECT_EQ(store.RowCount(), c.RealRows) << c.Name;
        EXPECT_EQ(store.ColumnCount() > 1 && store.DisplayColumn(1) == -1, c.KeepsHiddenColumn) << c.Name;
        if (c.Cols > 0 && c.Rows > 0) {
            EXPECT_EQ(store.Text(0, 0), "0:0") << c.Name;
        }
        if (c.Cols > 3) {
            EXPECT_EQ(store.Text(store.RealColumn(3), 0), "") << c.Name << ": a new column is empty";
        }
        if (c.Rows > 4) {
            EXPECT_EQ(store.Text(0, store.RealRow(4)), "") << c.Name << ": a new row is empty";
        }
    }
}

} // namespace gridcellstoresize_test
