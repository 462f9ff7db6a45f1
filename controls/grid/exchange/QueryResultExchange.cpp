#include "controls/grid/exchange/QueryResultExchange.h"

namespace QueryResultExchange {

void Load(ExchangeGrid& Grid, const TSqlResult& Result, const String& Source) {
    const ExchangeLayout layout = Grid.Layout();
    const int fields = static_cast<int>(Result.Columns.size());
    const qint64 records = static_cast<qint64>(Result.Rows.size());
    const qint64 cols = qint64(fields) + layout.FixedCols;
    const qint64 rows = qint64(layout.FixedRows) + std::max<qint64>(records, 1);
    CheckExchangeSize(Source, cols, rows);
    Grid.SetSize(static_cast<int>(cols), static_cast<int>(rows));
    if (layout.FixedRows > 0)
        for (int i = 0; i < fields; ++i)
            Grid.Cells().SetText(Grid.RealColumn(layout.FixedCols + i), Grid.RealRow(layout.FixedRows - 1),
                                 Result.Columns[i]);
    for (qint64 r = 0; r < std::max<qint64>(records, 1); ++r) {
        const int row = layout.FixedRows + static_cast<int>(r);
        for (int i = 0; i < fields; ++i) {
            const QStringList* record = r < records ? &Result.Rows[static_cast<size_t>(r)] : nullptr;
            Grid.LoadText(Grid.RealColumn(layout.FixedCols + i), row,
                          record && i < record->size() ? record->at(i) : String());
        }
    }
}

} // namespace QueryResultExchange
