// TQsgDateTimePicker: the toolkit's date-time picker with a look of its own painted over it: a flat frame
// without the 3D look, and in the metro look a drop button in custom colours, a flat button face while the
// control is not hot and border and focus-border frames as the flat combo draws them.
#pragma once

#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/ComCtrls_DateTime.h"

#include <memory>

using TBorderStyle = TFormBorderStyle; // bsNone or bsSingle

class TQsgDateTimePicker : public TDateTimePicker {
public:
    explicit TQsgDateTimePicker(TComponent* AOwner);
    ~TQsgDateTimePicker() override;
    String ClassName() const override { return "TQsgDateTimePicker"; }

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle v);
    // The raised look of the platform's control; without it the picker gets a flat frame.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool v);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor v);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool v);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool v);
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool v);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v) { FIsWinXP = v; }

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor v) { FButtonColor = v; }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor v) { FButtonColorHot = v; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor v) { FButtonColorDown = v; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor v) { FButtonTextColor = v; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor v) { FButtonTextColorHot = v; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor v) { FButtonTextColorDown = v; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor v) { FButtonBorderColor = v; }
    int ButtonWidth() const { return FButtonWidth; }

    // 1.0.0.0; setting it changes nothing.
    virtual int GetVersionNr() const;
    String Version() const;
    void SetVersion(const String&) {}

    // State the painting reads (for tests).
    bool HasFocus() const { return FHasFocus; }
    bool MouseInControl() const { return FMouseInControl; }
    bool ButtonHover() const { return FButtonHover; }

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    // The own look is on: the metro look, not while designing.
    virtual bool MetroActive() const;
    // The flat frame is drawn: without the 3D look and with a border colour.
    virtual bool FlatFrameWanted() const;
    // Painting over the native picker, on the layer above its parts (WM_NCPAINT).
    virtual void PaintOwnLook();
    void DrawFlatFrameOutline(TColor Colour);
    void DrawButton();
    void DrawBorders();
    void DrawButtonFace();
    TCanvas* LookCanvas() const { return FCanvas.get(); }
    bool IsHot() const;

    void Dispatch(TMessage& Message) override;
    void SyncWidget() override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DropDown() override;
    void CloseUp() override;

    TBorderStyle FBorderStyle = bsNone;
    TColor FBorderColor = clNone;
    bool FCtl3D = true;

private:
    bool ThemesActive() const;
    void Repaint3D();

    bool FIsThemed = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    int FButtonWidth = 0;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FIsWinXP = true;
    bool FMetroStyle = false;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = false;
    bool FHasFocus = false;
    bool FFocusBorder = false;
    std::unique_ptr<TCanvas> FCanvas;
};
