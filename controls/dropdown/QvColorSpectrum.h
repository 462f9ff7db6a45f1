// TQvColorSpectrumPanel: a 128 x 128 spectrum picture, a swatch of the chosen colour and one of the colour
// under the mouse; a press on the picture chooses the colour under it.
#pragma once

#include "controls/dropdown/QvColorSelector.h"

#include <memory>

class TBitmap;

// The spectrum pointer: a ring round an open centre, so that the colour under it stays visible.
constexpr TCursor crSpectrumPointer = TCursor(54);

class TQvColorSpectrumPanel : public TQvCustomColorSelectorPanel {
public:
    explicit TQvColorSpectrumPanel(TComponent* AOwner);
    ~TQvColorSpectrumPanel() override;
    String ClassName() const override { return "TQvColorSpectrumPanel"; }

    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor v) { FSelectedColor = v; }
    TColor HotColor() const { return FHotColor; }
    // Size 150 x 174, the picture centred at the top, the two swatches below it.
    void ArrangeSpectrum();
    TRect PictureRect() const { return FPictureRect; }
    TRect HotRect() const { return FHotRect; }
    TRect SelectedRect() const { return FSelectedRect; }

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TColor ColorAt(int X, int Y) const;

    std::unique_ptr<TBitmap> FSpectrumImage;
    TColor FHotColor = clNone;
    TColor FSelectedColor = 0xFFFFFF;
    TRect FPictureRect;
    TRect FHotRect;
    TRect FSelectedRect;
};
