// TQvColorCubePanel: 127 hexagonal colour cells arranged as one large hexagon; a press selects a cell,
// the cell under the mouse is framed as hot and named in the hint.
#pragma once

#include "controls/dropdown/QvColorSelector.h"

class TQvColorCubePanel : public TQvCustomColorSelectorPanel {
public:
    explicit TQvColorCubePanel(TComponent* AOwner);
    String ClassName() const override { return "TQvColorCubePanel"; }

    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first cell of that colour, or none.
    void SetSelectedColor(TColor Value) { SetSelection(Value, -1); }
    // Index 1 .. 127 selects that cell; otherwise the first cell of Color, or none.
    void SetSelection(TColor Color, int Index);
    int SelectedIndex() const { return FSelectedIndex; }
    int HotIndex() const { return FHotIndex; }
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool v);
    // Hot cell cleared, size back to 182 x 160.
    void ResetHot();
    TPoint CellCenter(int Index) const;

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void DrawCubeCell(TCanvas* C, int Index);

    TColor FSelectedColor = clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = true;
};
