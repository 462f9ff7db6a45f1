// The exchange formats' view of a string grid: its cells, save switches, hooks, looks and pictures.
#pragma once

#include "controls/grid/data/StringGridCells.h"
#include "controls/grid/exchange/ExchangeGrid.h"

class TQvStringGrid;

class StringGridExchange : public ExchangeGrid {
public:
    explicit StringGridExchange(TQvStringGrid& Grid) : FGrid(Grid), FCells(Grid) {}

    IGridCells& Cells() override { return FCells; }
    ExchangeLayout Layout() const override;
    void SetSize(int Cols, int Rows) override;
    String SavedText(int Col, int Row) override;
    void LoadText(int Col, int Row, const String& Value) override;
    TAlignment Alignment(int Col, int Row) override;
    ExchangeCellLook Look(int Col, int Row, bool Header) override;
    const TCellGraphic* Graphic(int Col, int Row) override;
    TImageList* Images(int Col, int Row) override;
    void ExportNotification(TGridExportState State, int Row) override;
    void ImportNotification(TGridImportState State, int Row) override;
    void CellsChanged() override;

protected:
    void FileProgress(int Percent) override;

private:
    TQvStringGrid& FGrid;
    StringGridCells FCells;
};
