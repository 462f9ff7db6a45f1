// The dropdown edit's button: TDropDownEditButton, the area at the edit's right edge, and the speed button
// filling it that draws the drop arrow (themed, classic or in custom colours).
#pragma once

#include "toolkit/stdctrls/Buttons.h"

class TQvCustomDropDown;
class TDropDownEditButton;

enum TButtonStyle { bsButton, bsDropDown };

class TQvDropDownSpeedButton : public TSpeedButton {
public:
    explicit TQvDropDownSpeedButton(TComponent* AOwner);
    String ClassName() const override { return "TQvDropDownSpeedButton"; }

    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle v);
    bool Etched() const { return FEtched; }
    void SetEtched(bool v);
    // The edit is hot: the button shows the hot look.
    bool Focused() const { return FFocused; }
    void SetFocused(bool v);
    // Painted up even while pressed.
    void SetUp(bool v) { FUp = v; }
    bool Hot() const { return FHot; }
    // The look the paint chooses now: 1 normal, 2 hot, 3 pressed, 4 disabled.
    int PaintStateNumber();

    // Fired by the left button's release (the click of a button the popup just closed over stays a
    // release without its press).
    TNotifyEvent OnRelease;

protected:
    void Paint() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    TDropDownEditButton* EditButton() const;
    TQvCustomDropDown* Edit() const;
    void PaintDropDown();
    void PaintPushButton();

    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
    bool FIsWinXP = false;
    TButtonStyle FButtonStyle = bsDropDown;
};

class TDropDownEditButton : public TWinControl {
public:
    explicit TDropDownEditButton(TComponent* AOwner);
    ~TDropDownEditButton() override;
    String ClassName() const override { return "TDropDownEditButton"; }

    TQvDropDownSpeedButton* SpeedButton() const { return FButton; }
    TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const TBitmap* v) { FButton->SetGlyph(v); }
    String ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const String& v) { FButton->SetCaption(v); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int v) { FButton->SetNumGlyphs(v); }
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* v) { FFocusControl = v; }
    int ButtonWidth() const { return FBWidth; }
    void SetButtonWidth(int v);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor v) { Set(FButtonColorDown, v); }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor v) { Set(FButtonBorderColor, v); }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor v) { Set(FButtonTextColor, v); }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor v) { Set(FButtonTextColorHot, v); }
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor v) { Set(FButtonColor, v); }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor v) { Set(FButtonColorHot, v); }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor v) { Set(FButtonTextColorDown, v); }

    TNotifyEvent OnClick;

protected:
    void EnabledChanged() override;
    void Resize() override;

private:
    void Set(TColor& field, TColor v);
    void FitButton();

    TQvDropDownSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    int FBWidth = 16;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};
