// The string grid's side of the graphic painter: the view of its cells the painter asks, and its settings
// as the painter's look.
#pragma once

#include "controls/grid/paint/GraphicPainter.h"

class TQvStringGrid;

class GridGraphicCells final : public IGraphicCells {
public:
    explicit GridGraphicCells(TQvStringGrid& grid) : FGrid(grid) {}
    bool BeginUnmirroredBox(TCanvas* Canvas, int Left, int Right) override;
    void EndUnmirroredBox(TCanvas* Canvas) override;
    TCellGraphic* Graphic(int RealCol, int Row) override;
    String Text(int RealCol, int Row) override;
    String StoredText(int RealCol, int Row) override;
    double Number(int RealCol, int Row) override;
    String CheckTrue(int RealCol, int Row) override;
    TImageList* Images(int RealCol, int Row) override;
    bool Editable(int RealCol, int Row) override;
    TPoint Room(int RealCol, int Row) override;
    int RowCount() override;
    int NodeIndent(int Row) override;

private:
    TQvStringGrid& FGrid;
};

TGraphicLook GridGraphicLook(TQvStringGrid& Grid);
