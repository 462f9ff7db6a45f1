// The colour cube: cells, frames, hit test, hint and selection.
#include "controls/dropdown/QvColorCube.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"

TQvColorCubePanel::TQvColorCubePanel(TComponent* AOwner) : TQvCustomColorSelectorPanel(AOwner) {
    SetBounds(0, 0, 182, 160);
    SetShowHint(true);
}

TPoint TQvColorCubePanel::CellCenter(int Index) const {
    return Index >= 1 && Index <= 127 ? ColorCubeCells()[size_t(Index)].Center : TPoint();
}

void TQvColorCubePanel::SetShowRGBHint(bool v) {
    FShowRGBHint = v;
    SetShowHint(v);
}

void TQvColorCubePanel::ResetHot() {
    FHotIndex = -1;
    SetBounds(Left(), Top(), 182, 160);
    Invalidate();
}

void TQvColorCubePanel::SetSelection(TColor Color, int Index) {
    FSelectedColor = Color;
    if (Index >= 1 && Index <= 127) {
        FSelectedIndex = Index;
        return;
    }
    FSelectedIndex = -1;
    const std::vector<TCubeCell>& cells = ColorCubeCells();
    for (int i = 1; i < int(cells.size()); ++i)
        if (cells[size_t(i)].Color == Color) {
            FSelectedIndex = i;
            return;
        }
}

void TQvColorCubePanel::Paint() {
    for (int i = 1; i <= 127; ++i)
        DrawCubeCell(Canvas(), i);
}

void TQvColorCubePanel::DrawCubeCell(TCanvas* C, int Index) {
    if (Index < 1 || Index > 127) return;
    const TCubeCell& cell = ColorCubeCells()[size_t(Index)];
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(cell.Color);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(cell.Color);
    C->Polygon(CubeHexagon(cell.Center, 3, 6));
    const auto frame = [&](TColor outer) {
        C->Brush()->SetStyle(bsClear);
        C->Pen()->SetColor(outer);
        C->Polygon(CubeHexagon(cell.Center, 3, 5));
        C->Pen()->SetColor(0xFFFFFF);
        C->Polygon(CubeHexagon(cell.Center, 2, 4));
    };
    if (Index == FHotIndex) frame(0x0000FF);
    // The selected frame is drawn last, over the hot one.
    if (Index == FSelectedIndex) frame(0x000000);
}

void TQvColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int i = CubeCellAtPos(X, Y);
    if (i < 1) return;
    SetSelection(ColorCubeCells()[size_t(i)].Color, i);
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TQvColorCubePanel::MouseMove(TShiftState Shift, int X, int Y) {
    TQvCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int i = CubeCellAtPos(X, Y);
    if (i < 1) {
        // The hot cell stays marked; only the hint goes.
        if (FShowRGBHint) {
            SetHint(String());
            if (Application) Application->CancelHint();
        }
        return;
    }
    if (i == FHotIndex) return;
    FHotIndex = i;
    Invalidate();
    if (FShowRGBHint) {
        SetHint(CubeHintText(ColorCubeCells()[size_t(i)].Color));
        if (Application) Application->CancelHint();
    }
}

void TQvColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    if (OnShouldHide) OnShouldHide(this);
}
