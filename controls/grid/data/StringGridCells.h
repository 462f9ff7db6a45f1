// The data helpers' view of a string grid: real columns and real rows, hidden ones read from where the grid
// keeps them.
#pragma once

#include "controls/grid/data/GridCells.h"

class TQvStringGrid;

class StringGridCells : public IGridCells {
public:
    explicit StringGridCells(TQvStringGrid& Grid) : FGrid(Grid) {}

    int ColumnCount() const override;
    int RowCount() const override;
    String Text(int Col, int Row) const override;
    String ShownText(int Col, int Row) const override;
    void SetText(int Col, int Row, const String& Value) override;
    bool PeekText(int Col, int Row, bool Shown, CellTextScratch& Scratch, QStringView& Value) const override;
    TCellProperties* Properties(int Col, int Row) const override;
    TCellProperties* MakeProperties(int Col, int Row) override;
    int DisplayColumnCount() const override;
    int DisplayRowCount() const override;
    int RealColumn(int DisplayCol) const override;
    int RealRow(int DisplayRow) const override;
    int DisplayColumn(int Col) const override;
    int DisplayRow(int Row) const override;
    void PermuteRows(const std::vector<int>& Order) override;

private:
    bool InGrid(int Col, int Row) const {
        return Col >= 0 && Row >= 0 && Col < ColumnCount() && Row < RowCount();
    }

    TQvStringGrid& FGrid;
};
