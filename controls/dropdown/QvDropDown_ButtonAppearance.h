// The look of the buttons on a popup's header and footer bars, shared by every button of one dropdown.
#pragma once

#include "controls/dropdown/QvDropDown_Appearance.h"

#include <memory>

// Colours by state with their second gradient colours, the gradient direction and the caption font. A
// colour or gradient setter fires OnChange only when the value changes; the font is copied in.
class TQvButtonAppearance : public TPersistent {
public:
    TQvButtonAppearance();
    ~TQvButtonAppearance() override;
    String ClassName() const override { return "TQvButtonAppearance"; }
    // From another button appearance: every colour (through the setters) and the gradient, not the font.
    void Assign(const TPersistent* Source) override;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v) { Set(FBorderColor, v); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor v) { Set(FBorderColorHot, v); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor v) { Set(FBorderColorDown, v); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor v) { Set(FBorderColorDisabled, v); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor v) { Set(FBorderColorChecked, v); }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { Set(FColor, v); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v) { Set(FColorTo, v); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor v) { Set(FColorDown, v); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor v) { Set(FColorDownTo, v); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor v) { Set(FColorHot, v); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor v) { Set(FColorHotTo, v); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor v) { Set(FColorCheckedTo, v); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor v) { Set(FColorDisabled, v); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor v) { Set(FColorDisabledTo, v); }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor v) { Set(FColorChecked, v); }
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection v);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* v) { FFont->Assign(v); }

    TNotifyEvent OnChange;

private:
    void Set(TColor& field, TColor v);

    TColor FBorderColor = clNone;
    TColor FBorderColorHot = 0x808080;
    TColor FBorderColorDown = 0x800000;
    TColor FBorderColorDisabled = 0x808080;
    TColor FBorderColorChecked = 0xFF0000;
    TColor FColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorDown = 0xF5D8CA;
    TColor FColorDownTo = 0xF9BDA0;
    TColor FColorHot = 0xF5F0E1;
    TColor FColorHotTo = 0xF9D2B2;
    TColor FColorCheckedTo = ColorTone(0xF9D2B2, -10, -10, 0);
    TColor FColorDisabled = 0xF2F2F2;
    TColor FColorDisabledTo = clNone;
    TColor FColorChecked = ColorTone(0xF5F0E1, -10, -10, 0);
    TGradientDirection FGradient = gdVertical;
    std::unique_ptr<TFont> FFont;
};
