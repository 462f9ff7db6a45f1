// The small controls the string grid places on its panels: a flat speed button with colour looks, a
// drop-down part and an action link, and an owner-drawn check box; the desktop tests that choose between
// their themed and classic drawing, and the banded gradient they fill with.
#pragma once

#include "controls/grid/QvObj.h"
#include "toolkit/controls/ActnList.h"
#include "toolkit/stdctrls/Buttons.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <memory>

class TBitmap;
class TPopupMenu;

// Whether the desktop is at least the system version the themed looks were made for: always so here.
bool IsWinXPOrLater();
// Whether check boxes and buttons are drawn by the desktop's style (a style is active and the common
// controls draw themed).
bool IsThemedComCtl6();

// Fills R with Steps bands (0 counts as 1) running from FromColor to ToColor along x (Horizontal) or y;
// neighbouring bands overlap by a pixel. BorderColor (clNone for none) outlines R afterwards.
void DrawBandedGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R,
                        int Steps, TColor BorderColor);

class TQvGridButton;

// The button's link: the caption, the check (Down, for a button of a group that may be all up) and the
// group index follow the action while they are still the action's.
class TQvGridButtonActionLink : public TControlActionLink {
public:
    explicit TQvGridButtonActionLink(TQvGridButton* Client);
    String ClassName() const override { return "TQvGridButtonActionLink"; }

    bool IsCheckedLinked() override;
    bool IsGroupIndexLinked() override;
    void SetChecked(bool Value) override;
    void SetGroupIndex(int Value) override;

protected:
    void AssignClient(TControl* Client) override;
    TQvGridButton* FButton = nullptr;
};

// A flat button with a face of colours (gradients when a "To" colour is set) for rest, hover, press and
// checked, four glyphs (rest, hot, down, disabled; the disabled one is made grey from the rest glyph when
// not given) and a shade under the glyph while hovered. tasCheck makes it a toggle of its own; with a
// GroupIndex it behaves as a speed button of a group. With DropDownButton its right 12 pixels open
// DropDownMenu below it.
class TQvGridButton : public TSpeedButton {
public:
    explicit TQvGridButton(TComponent* AOwner);
    ~TQvGridButton() override;
    String ClassName() const override { return "TQvGridButton"; }

    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* Value);
    TBitmap* GlyphHot() const { return FGlyphHot.get(); }
    void SetGlyphHot(const TBitmap* Value);
    TBitmap* GlyphDown() const { return FGlyphDown.get(); }
    void SetGlyphDown(const TBitmap* Value);
    TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
    void SetGlyphDisabled(const TBitmap* Value);
    // The glyph's shape in grey, drawn under it while hovered (empty unless Shaded and a glyph is set).
    const TBitmap* GlyphShade() const { return FGlyphShade.get(); }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value);
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value);
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value);
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value);
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor BorderDownColor() const { return FBorderDownColor; }
    void SetBorderDownColor(TColor Value);
    TColor BorderHotColor() const { return FBorderHotColor; }
    void SetBorderHotColor(TColor Value);

    bool Rounded() const { return FRounded; }
    void SetRounded(bool Value);
    bool Shaded() const { return FShaded; }
    void SetShaded(bool Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    TQvGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TQvGridButtonStyle Value);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool Value);
    // Not owned; forgotten when it is freed.
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* Value);
    // Follows the desktop's colour scheme (SetLook with its look) now and whenever the theme changes.
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    // A button that is not flat is drawn by the desktop's style when one is active, else classic.
    bool AutoXPStyle() const { return FAutoXPStyle; }
    void SetAutoXPStyle(bool Value) {
        FAutoXPStyle = Value;
        Invalidate();
    }

    // Down: a tasButton outside a group is never down; a tasCheck takes the value; in a group going down
    // raises the group's other button, and the last one comes up only with AllowAllUp.
    void SetDown(bool Value) override;

    // Sets the colours of look 0 to 6 (others do nothing): BorderColor none, Rounded for look 0 only, flat.
    void SetLook(int Look);
    int Look() const { return FLook; }
    // Whether the mouse is over the button.
    bool Hot() const { return FHot; }

    TNotifyEvent OnDropDown;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void DblClick() override;
    void ButtonPressed(int Group, TSpeedButton* Sender) override;
    std::unique_ptr<TControlActionLink> CreateActionLink() override;
    void ActionChange(TObject* Sender, bool CheckDefaults) override;

private:
    void ThemeAdapt();
    bool Designing() const { return ComponentState() & csDesigning; }
    void BuildShade();
    // The face for the state: fill colours and outline; none drawn for a clNone From.
    void PaintFace(TCanvas* C, TRect& R, TButtonState State);
    void PaintContent(TCanvas* C, TRect R, TButtonState State);
    const TBitmap* GlyphFor(TButtonState State) const;

    std::unique_ptr<TBitmap> FGlyph, FGlyphHot, FGlyphDown, FGlyphDisabled, FGlyphShade;
    TColor FColor = clBtnFace, FColorTo = clNone;
    TColor FColorHot = 0xCAC7C7, FColorHotTo = clNone;
    TColor FColorDown = 0xD8D3D2, FColorDownTo = clNone;
    TColor FColorChecked = 0x808080, FColorCheckedTo = clNone;
    TColor FBorderColor = clNone, FBorderDownColor = clNone, FBorderHotColor = clNone;
    bool FRounded = false;
    bool FShaded = true;
    bool FShowCaption = true;
    TQvGridButtonStyle FStyle = tasButton;
    bool FDropDownButton = false;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    int FLook = 0;
    bool FHot = false;
    bool FComCtl6 = false;
};

// A check box drawn by the grid itself: the box left or right of a one-line caption (cut with an ellipsis
// when Ellipsis), at the top, middle or bottom; Transparent shows the parent's background through it (kept
// in a cached picture with TransparentChaching). Space and a click toggle it (not when ReadOnly, though the
// click still fires); Enter moves on to the next control when ReturnIsTab.
class TQvCheckBox : public TCustomControl {
public:
    explicit TQvCheckBox(TComponent* AOwner);
    ~TQvCheckBox() override;
    String ClassName() const override { return "TQvCheckBox"; }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TVAlignment ButtonVertAlign() const { return FButtonVertAlign; }
    void SetButtonVertAlign(TVAlignment Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value);
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool TransparentChaching() const { return FTransparentCaching; }
    void SetTransparentChaching(bool Value);
    // Held: the mouse or Space is pressing it.
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool Hot() const { return FHot; }

    // Flips Checked unless ReadOnly.
    virtual void Toggle();
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;

private:
    void PaintBackground(TCanvas* C);
    TRect BoxCorner() const;

    TAlignment FAlignment = taLeftJustify;
    TVAlignment FButtonVertAlign = vtaTop;
    TCheckBoxState FState = cbUnchecked;
    bool FEllipsis = false;
    bool FReadOnly = false;
    bool FReturnIsTab = false;
    bool FTransparent = false;
    bool FTransparentCaching = false;
    bool FDown = false;
    bool FHot = false;
    bool FFocused = false;
    bool FMouseDown = false;
    bool FSpaceDown = false;
    std::unique_ptr<TBitmap> FBackground;
    bool FBackgroundValid = false;
};
