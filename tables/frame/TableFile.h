// A table window's XML table file: clearing the grids as a showing does, reading the file into them and
// writing them back (root, version comment after the root, sections, one "row" per row up to the first
// row without a key).
#pragma once

#include "tables/frame/TableCells.h"
#include "tables/frame/TableSheet.h"

#include <vector>

class TXMLDocument;

// Far beyond what the largest table writes (two grids of 1024 rows); anything larger, or a longer
// attribute value, is refused like a malformed file.
constexpr qint64 Max_Table_Window_File_Bytes = 16 << 20;
constexpr qsizetype Max_Table_Window_Text = 32768;

// How a reading went. Complete is false when part of the file could not be placed in the grids (a
// malformed file, a row without a required attribute, more rows than the grid has): Problem says what,
// and the cells hold what was read before it.
struct TTableLoad {
    bool Complete = true;
    String Problem;
    // The data rows read whole from the file, per grid of the sheet (as far as the reading went).
    std::vector<Integer> Rows = {};
};

// Row numbers in column 0, "Y" in the Enable column, every other cell (hidden ones too) its column's
// cleared text (mostly empty).
void Clear_Table_Grid(const TTableGrid& grid, ITableCells& cells);
// The first data row whose key cell is empty, trimmed unless the grid says not (DataRowCount() + 1 when
// there is none, or no key column): the check and the writer stop before it.
Integer Table_End_Row(const TTableGrid& grid, const ITableCells& cells);
// True when the row that ends the table or a row below it holds text in a column that is not a check
// box: data that OK would not store.
bool Table_Has_Rows_After_End(const TTableGrid& grid, const ITableCells& cells);

// Reads into freshly cleared cells, one per grid of the sheet. The root is the first element; one of
// another name than the sheet's is another kind of file, read as nothing, and a missing section gives no
// rows: both leave the reading incomplete. Elements other than the grid's row element are passed over.
TTableLoad Load_Table_Document(const TXMLDocument& xml, const TTableSheet& sheet,
                               const std::vector<ITableCells*>& cells);
// The file at `path`; a missing file reads as complete and leaves the cells as they are.
TTableLoad Load_Table_File(const String& path, const TTableSheet& sheet,
                           const std::vector<ITableCells*>& cells);

// Replaces the document's content by the table.
void Write_Table_Document(TXMLDocument& xml, const TTableSheet& sheet,
                          const std::vector<const ITableCells*>& cells);
// Writes the table over `path` once the whole new content is written; false with `error` otherwise.
bool Save_Table_File(const String& path, const TTableSheet& sheet,
                     const std::vector<const ITableCells*>& cells, String& error);
