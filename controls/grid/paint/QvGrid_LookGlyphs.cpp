// The grid's check-box and radio-group painters: the graphic painter's, with the grid's control look.
#include "controls/grid/QvGrid.h"
#include "controls/grid/paint/GridGraphicCells.h"

TGlyphLook TQvStringGrid::GlyphLook() const {
    return GlyphLookOf(*FControlLook, FIsComCtl6);
}

void TQvStringGrid::DrawCheckBox(TCanvas* ACanvas, const TRect& R, bool Checked, int TriStateValue,
                                 bool TriState, TControlStyle Style, bool Grayed, bool Enabled) {
    GridGraphicCells cells(*this);
    const TGraphicLook look = GridGraphicLook(*this);
    GraphicPainter(cells, look)
        .PaintCheckBox(ACanvas, R, Checked, TriStateValue, TriState, Style, Grayed, Enabled);
}

void TQvStringGrid::DrawRadioButton(TCanvas* ACanvas, const TRect& R, bool StackUp, double Scale,
                                    TControlStyle Style, int ACol, int ARow, bool SelectedCell,
                                    const TStrings* Items, bool Disabled, bool Horizontal, int SelIndex,
                                    int Count) {
    if (!ACanvas || Count < 1) return;
    GridGraphicCells cells(*this);
    const TGraphicLook look = GridGraphicLook(*this);
    GraphicPainter(cells, look)
        .PaintRadioGroup(ACanvas, R, StackUp, Scale, Style, Cells(ACol, ARow), SelectedCell, Items, Disabled,
                         Horizontal, SelIndex, Count);
}
