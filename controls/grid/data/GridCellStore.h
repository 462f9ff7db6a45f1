// A plain store of cells behind the grid's data view, without a window: the data helpers' tests and fuzz
// targets run on it.
#pragma once

#include "controls/grid/data/GridCells.h"
#include "controls/grid/data/HiddenIndexMap.h"

#include <functional>
#include <memory>
#include <vector>

// The flags a row carries wherever it moves.
enum class GridRowFlag { Selected, Modified, Disabled };

// Rows in real order, each with its texts, properties and flags; hidden columns and rows are marked, never
// moved out. Properties made here belong to no grid.
class GridCellStore : public IGridCells {
public:
    GridCellStore(int Columns, int Rows);
    ~GridCellStore() override;
    GridCellStore(const GridCellStore&) = delete;
    GridCellStore& operator=(const GridCellStore&) = delete;

    int ColumnCount() const override { return FColumns; }
    int RowCount() const override { return static_cast<int>(FRows.size()); }
    String Text(int Col, int Row) const override;
    String ShownText(int Col, int Row) const override;
    void SetText(int Col, int Row, const String& Value) override;
    bool PeekText(int Col, int Row, bool Shown, CellTextScratch& Scratch, QStringView& Value) const override;
    TCellProperties* Properties(int Col, int Row) const override;
    TCellProperties* MakeProperties(int Col, int Row) override;
    int DisplayColumnCount() const override { return FColumns - FHiddenCols.Count(); }
    int DisplayRowCount() const override { return RowCount() - FHiddenRows.Count(); }
    int RealColumn(int DisplayCol) const override { return FHiddenCols.ToReal(DisplayCol); }
    int RealRow(int DisplayRow) const override { return FHiddenRows.ToReal(DisplayRow); }
    int DisplayColumn(int Col) const override;
    int DisplayRow(int Row) const override;
    void PermuteRows(const std::vector<int>& Order) override;

    void HideColumn(int Col);
    void HideRow(int Row);
    // Sets the shown column and row counts as a grid's ColCount and RowCount do: new ones come empty at the
    // end, and shrinking takes the last ones away, hidden ones behind the last shown one among them.
    void SetShownSize(int Cols, int Rows);
    bool RowFlag(int Row, GridRowFlag Flag) const;
    void SetRowFlag(int Row, GridRowFlag Flag, bool Value);

    // Stands in for the grid's display hooks: changes the text a cell shows (real column and row).
    std::function<void(int Col, int Row, String& Value)> OnShownText;

private:
    struct StoredRow {
        std::vector<String> Texts;
        std::vector<std::unique_ptr<TCellProperties>> Props;
        unsigned Flags = 0;
    };
    bool InStore(int Col, int Row) const {
        return Col >= 0 && Row >= 0 && Col < FColumns && Row < RowCount();
    }

    int FColumns;
    std::vector<StoredRow> FRows;
    HiddenIndexMap FHiddenCols;
    HiddenIndexMap FHiddenRows;
};
