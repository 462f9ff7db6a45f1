// Database queries: the result of a query on an SQLite file read into the grid
// (exchange/QueryResultExchange.h).
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/QueryResultExchange.h"
#include "controls/grid/exchange/StringGridExchange.h"

void TQvStringGrid::LoadFromMDBTable(const String& FileName, const String& Table) {
    LoadFromMDBSQL(FileName, QStringLiteral("SELECT * FROM ") + TSqlDatabaseFile::QuoteIdentifier(Table));
}

void TQvStringGrid::LoadFromMDBSQL(const String& FileName, const String& SQL) {
    TSqlResult result;
    {
        TSqlDatabaseFile database(FileName);
        result = database.Query(SQL, kExchangeMaxCells);
    }
    StringGridExchange grid(*this);
    QueryResultExchange::Load(grid, result, FileName);
}
