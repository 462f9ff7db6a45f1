// Tables of cells for the exchange format tests: a cell store filled from rows of texts and read back.
#pragma once

#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/ExchangeGrid.h"

#include <QStringList>
#include <vector>

namespace exchangecases {

using Table = std::vector<QStringList>;

// Texts that ask for every kind of quoting and encoding a text format has to do.
inline const Table& HardCells() {
    static const Table cells{
        {"a", "b\"c", "x,y", ""},
        {" lead", "trail ", "p\r\nq", "multi\r\nline,comma"},
        {"quote\"and,comma", "tab\there", "semi;colon", "\"\""},
        {"é ü ß €", "日本語", "emoji 😀", "a\nbare line feed"},
        {"\"", "=1+2", "#hash|pipe", "cr\ronly"},
    };
    return cells;
}

// A store holding the table (rows of equal length).
inline void Fill(GridCellStore& Store, const Table& Cells) {
    Store.SetShownSize(Cells.empty() ? 0 : static_cast<int>(Cells.front().size()),
                       static_cast<int>(Cells.size()));
    for (int r = 0; r < static_cast<int>(Cells.size()); ++r)
        for (int c = 0; c < Cells[size_t(r)].size(); ++c)
            Store.SetText(c, r, Cells[size_t(r)][c]);
}

// The shown cells of a store, row by row.
inline Table Read(GridCellStore& Store) {
    Table out;
    for (int r = 0; r < Store.DisplayRowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < Store.DisplayColumnCount(); ++c)
            row << Store.Text(Store.RealColumn(c), Store.RealRow(r));
        out.push_back(row);
    }
    return out;
}

} // namespace exchangecases
