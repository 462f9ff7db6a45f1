// Database queries into the grid: the fixture database's field names in the last fixed row and its
// records below, with and without fixed cells; a query without records; hostile table names and refused
// statements that change nothing.
#include "controls/grid/QvGrid.h"
#include "toolkit/services/SqlDatabase.h"

#include <gtest/gtest.h>

namespace {

QString GridDbFixture() {
    return QStringLiteral(QV_TEST_DATA_DIR "/database/parts.sqlite");
}

// The grid's cells row by row, cells joined by "|" and rows by "/".
QString GridDbCells(TQvStringGrid& G) {
    QStringList rows;
    for (int r = 0; r < G.RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < G.ColCount(); ++c)
            cells << G.Cells(c, r);
        rows << cells.join("|");
    }
    return rows.join("/");
}

} // namespace

TEST(QvGridDatabase, QueryResultsFillTheGridBelowTheFixedCells) {
    struct Case {
        const char* Name;
        int FixedCols, FixedRows;
        QString Table, Sql; // the table when set, else the statement
        QString Expected;
    };
    const QString multi = QString::fromUtf8("3|\u00d6lring \"x\"|12|multi\nline");
    const Case cases[] = {
        {"fixed row and column", 1, 1, "parts", "",
         "keep|id|name|weight|note/k1|1|bolt|2.5|/k2|2|nut|0.75|/k3|" + multi},
        {"no fixed cells", 0, 0, "parts", "", "1|bolt|2.5|/2|nut|0.75|/" + multi},
        {"two fixed rows: the names in the last", 0, 2, "",
         "SELECT name, id FROM parts WHERE id < 3 ORDER BY id", "keep|/name|id/bolt|1/nut|2"},
        {"a quoted table name", 0, 1, "odd \"name\"", "", "v/quoted"},
        {"no records: one empty row", 1, 1, "", "SELECT a, b FROM empty", "keep|a|b/k1||"},
    };
    for (const Case& c : cases) {
        TQvStringGrid g(nullptr);
        g.SetColCount(6);
        g.SetRowCount(6);
        g.SetFixedCols(c.FixedCols);
        g.SetFixedRows(c.FixedRows);
        g.SetCells(0, 0, "keep");
        for (int r = 1; r < 6; ++r)
            g.SetCells(0, r, QString("k%1").arg(r));
        for (int r = 0; r < 6; ++r)
            g.SetCells(3, r, "old");
        if (!c.Table.isEmpty())
            g.LoadFromMDBTable(GridDbFixture(), c.Table);
        else
            g.LoadFromMDBSQL(GridDbFixture(), c.Sql);
        EXPECT_EQ(GridDbCells(g), c.Expected) << c.Name;
    }
}

TEST(QvGridDatabase, RefusedQueriesChangeNothing) {
    TQvStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCells(1, 1, "stays");
    const std::pair<QString, QString> cases[] = {
        {"parts; DROP TABLE parts; --", ""},
        {"nowhere", ""},
        {"", "DELETE FROM parts"},
        {"", "SELECT * FROM"},
    };
    for (const auto& [table, sql] : cases) {
        if (!table.isEmpty())
            EXPECT_THROW(g.LoadFromMDBTable(GridDbFixture(), table), EDatabaseError) << table.toStdString();
        else
            EXPECT_THROW(g.LoadFromMDBSQL(GridDbFixture(), sql), EDatabaseError) << sql.toStdString();
        EXPECT_EQ(GridDbCells(g), "|/|stays");
    }
    EXPECT_THROW(g.LoadFromMDBTable(GridDbFixture(), ""), EDatabaseError);
    EXPECT_EQ(g.RowCount(), 2);
    TSqlDatabaseFile check(GridDbFixture());
    EXPECT_EQ(check.Query("SELECT count(*) FROM parts", 1).Rows.at(0).at(0), "3");
}
