// The narrow view of a grid's cells that the data helpers work on: sorting, filtering, search, nodes and
// grouping, each exchange format and print pagination see a grid only through it.
#pragma once

#include "toolkit/system/Types.h"

#include <optional>
#include <vector>

class TCellProperties;

// Room for a cell's short text, seen without a copy (IGridCells::PeekText).
struct CellTextScratch {
    char16_t Chars[16];
};

// Cells are addressed by real index: columns and rows count the hidden ones too. A display index counts
// only the shown columns or rows, in real order. A cell outside the grid reads empty and takes no text.
// Every operation is O(log h) for h hidden columns or rows, the permutation linear, so a helper over this
// view runs on a large grid in n log n.
class IGridCells {
public:
    virtual ~IGridCells() = default;

    // Every column and every row, the hidden ones included.
    virtual int ColumnCount() const = 0;
    virtual int RowCount() const = 0;

    // The text as stored, and as the grid shows it (a merged area's covered cells show its base cell's text,
    // the grid's display hooks applied).
    virtual String Text(int Col, int Row) const = 0;
    virtual String ShownText(int Col, int Row) const = 0;
    virtual void SetText(int Col, int Row, const String& Value) = 0;
    // The stored text (Shown: the shown text) of a cell seen without a copy, for readers of many cells: true
    // with the view in Value, which lasts until the cell or Scratch changes; false where the text must be
    // read with Text or ShownText (a hidden row, a merged area, a display hook; by default always).
    virtual bool PeekText(int Col, int Row, bool Shown, CellTextScratch& Scratch, QStringView& Value) const;
    // The typed value: the shown text read as a number as the grid's float accessors read it; none for a
    // text that holds no number.
    std::optional<double> Number(int Col, int Row) const;

    // The cell's properties (look, merge area, node level, editor kind, graphic); nullptr for a cell without
    // any. MakeProperties gives the cell properties on first use (nullptr outside the grid); the cells own
    // them.
    virtual TCellProperties* Properties(int Col, int Row) const = 0;
    virtual TCellProperties* MakeProperties(int Col, int Row) = 0;

    // The shown columns and rows and the maps between both numberings; a hidden column or row has no display
    // index (-1).
    virtual int DisplayColumnCount() const = 0;
    virtual int DisplayRowCount() const = 0;
    virtual int RealColumn(int DisplayCol) const = 0;
    virtual int RealRow(int DisplayRow) const = 0;
    virtual int DisplayColumn(int Col) const = 0;
    virtual int DisplayRow(int Row) const = 0;

    // Rearranges the shown rows in one pass: display row i becomes what display row Order[i] was. Order names
    // every display row once, else nothing changes and EInvalidGridOperation is raised. A row takes along
    // everything that is its own (texts, properties, row flags, in a grid its height and the current
    // cell); hidden rows keep their places.
    virtual void PermuteRows(const std::vector<int>& Order) = 0;
};
