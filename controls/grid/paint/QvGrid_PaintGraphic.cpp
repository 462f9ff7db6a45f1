// The grid's side of cell graphic painting: the graphic record the pipeline lays the text out with, and
// the graphic step after the text.
#include "controls/grid/QvGrid.h"

TCellGraphicInfo TQvStringGrid::GetCellGraphicInfo(int ACol, int ARow) {
    return GraphicPainter(*this).Info(ACol, ARow);
}

void TQvStringGrid::DrawCellGraphics(const TCellGraphicPass& Pass, TRect& R, TCellGraphic* Graphic) {
    GraphicPainter(*this).Paint(Pass, R, Graphic);
}
