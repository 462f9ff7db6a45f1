// Fuzz target: a database file of arbitrary bytes opened read-only, its tables listed and each read whole
// (its name quoted as an identifier) into a cell store as the grid's query load places a result.
#include "FuzzSupport.h"
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/QueryResultExchange.h"
#include "toolkit/services/SqlDatabase.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = qvfuzz::WriteInput("input.sqlite", data, size);
    try {
        TSqlDatabaseFile db(path);
        const TSqlResult tables = db.Query("SELECT name FROM sqlite_master WHERE type = 'table' LIMIT 8", 64);
        for (const QStringList& row : tables.Rows) {
            if (row.isEmpty() || row[0].isEmpty() || row[0].contains(QChar(0))) continue;
            const TSqlResult result =
                db.Query("SELECT * FROM " + TSqlDatabaseFile::QuoteIdentifier(row[0]), 1 << 16);
            for (const QStringList& r : result.Rows)
                if (r.size() != result.Columns.size()) std::abort();
            GridCellStore store(1, 1);
            StoreExchange grid(store, ExchangeLayout{1, 1});
            QueryResultExchange::Load(grid, result, path);
            if (store.DisplayColumnCount() != result.Columns.size() + 1) std::abort();
        }
    } catch (const EDatabaseError&) {
    } catch (const EQvGridError&) {
    }
    return 0;
}
