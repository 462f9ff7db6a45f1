// The grid's side of cell graphic painting: the graphic record the pipeline lays the text out with, the
// graphic step after the text, and the view of the grid and the look the graphic painter is handed.
#include "controls/grid/QvGrid.h"
#include "controls/grid/paint/GridGraphicCells.h"

TCellGraphicInfo TQvStringGrid::GetCellGraphicInfo(int ACol, int ARow) {
    // Most cells have no graphic: they need no look.
    if (!GetCellGraphic(ACol, ARow)) return TCellGraphicInfo();
    GridGraphicCells cells(*this);
    const TGraphicLook look = GridGraphicLook(*this);
    return GraphicPainter(cells, look).Info(ACol, ARow);
}

void TQvStringGrid::DrawCellGraphics(const TCellGraphicPass& Pass, TRect& R, TCellGraphic* Graphic) {
    GridGraphicCells cells(*this);
    const TGraphicLook look = GridGraphicLook(*this);
    GraphicPainter(cells, look).Paint(Pass, R, Graphic);
}

TGraphicLook GridGraphicLook(TQvStringGrid& Grid) {
    TGraphicLook look;
    look.Controls = Grid.ControlLook();
    look.Progress = Grid.ProgressAppearance();
    look.Nodes = Grid.CellNode();
    look.Tones = &Grid.Tones();
    look.Font = Grid.Font();
    look.XYOffset = Grid.XYOffset();
    look.VAlignment = Grid.VAlignment();
    look.Color = Grid.Color();
    look.NodeBackColor = Grid.FixedCols() > 0 ? Grid.FixedColor() : Grid.Color();
    look.ShowSelection = Grid.ShowSelection();
    look.SelectionColor = Grid.SelectionColor();
    look.SelectionTextColor = Grid.SelectionTextColor();
    look.ToneButtons = Grid.Flat() && Grid.Tones().Background.BrushColor != clNone;
    look.HoverButton = Grid.HoverButton();
    look.RightToLeftReading = Grid.UseRightToLeftReading();
    look.ComCtl6 = Grid.IsComCtl6();
    return look;
}

bool GridGraphicCells::BeginUnmirroredBox(TCanvas* Canvas, int Left, int Right) {
    if (!FGrid.PaintsMirrored() || !Canvas || Canvas != FGrid.Canvas()) return false;
    FGrid.SetPaintMirroredBox(Canvas, Left, Right);
    return true;
}

void GridGraphicCells::EndUnmirroredBox(TCanvas* Canvas) {
    FGrid.SetPaintOrientation(Canvas, true);
}

TCellGraphic* GridGraphicCells::Graphic(int RealCol, int Row) {
    return FGrid.GetCellGraphic(RealCol, Row);
}

String GridGraphicCells::Text(int RealCol, int Row) {
    return FGrid.Cells(RealCol, Row);
}

String GridGraphicCells::StoredText(int RealCol, int Row) {
    return FGrid.GridCells(RealCol, Row);
}

double GridGraphicCells::Number(int RealCol, int Row) {
    try {
        return FGrid.Floats(RealCol, Row);
    } catch (const Exception&) {
        return 0;
    }
}

String GridGraphicCells::CheckTrue(int RealCol, int Row) {
    String value;
    FGrid.GetCheckTrue(RealCol, Row, value);
    return value;
}

TImageList* GridGraphicCells::Images(int RealCol, int Row) {
    return FGrid.GetCellImageList(RealCol, Row);
}

bool GridGraphicCells::Editable(int RealCol, int Row) {
    bool can = true;
    FGrid.CanEditCell(RealCol, Row, can);
    return can;
}

TPoint GridGraphicCells::Room(int RealCol, int Row) {
    const int col = FGrid.DisplColIndex(RealCol);
    return TPoint(col >= 0 && col < FGrid.ColCount() ? FGrid.ColWidths(col) : 0,
                  Row >= 0 && Row < FGrid.RowCount() ? FGrid.RowHeights(Row) : 0);
}

int GridGraphicCells::RowCount() {
    return FGrid.RowCount();
}

int GridGraphicCells::NodeIndent(int Row) {
    return FGrid.GetNodeIndent(Row);
}
