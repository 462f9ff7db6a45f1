// TSbButton: the owner-drawn push button with styles, glyphs, hot-track colour and its fade.
#pragma once

#include "controls/buttons/SbButtons.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/graphics/Picture.h"

class TTimer;

class TSbButton : public TCustomControl {
public:
    explicit TSbButton(TComponent* AOwner);
    ~TSbButton() override;
    String ClassName() const override { return "TSbButton"; }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    bool Default() const { return FDefault; }
    void SetDefault(bool v) { FDefault = v; }
    // A preset that fills in the colours at once; reading it always gives lcsCustom.
    TSbColorStyle ColorStyle() const { return FDummyStyle; }
    void SetColorStyle(TSbColorStyle v);
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(TColor v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies the strip (nullptr empties it) and counts its square cells.
    void SetGlyph(const TBitmap* v);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor v);
    TFont* HotTrackFont() const { return FHTFont.get(); }
    void SetHotTrackFont(const TFont* v) { FHTFont->Assign(v); }
    TSbButtonKind Kind() const { return FKind; }
    void SetKind(TSbButtonKind v);
    TSbButtonLayout Layout() const { return FLayout; }
    void SetLayout(TSbButtonLayout v);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor v);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult v);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int v);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor v);
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool v);
    TSbButtonStyle Style() const { return FStyle; }
    void SetStyle(TSbButtonStyle v);
    bool UseHotTrackFont() const { return FUseHTFont; }
    void SetUseHotTrackFont(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);

    void SetEnabled(bool v) override;
    void Click() override;

    // Fade state: SbHotTrackSteps while the mouse is over the button, counting down to 0 after it leaves.
    int HotTrackStep() const { return FHotTrackStep; }
    bool Down() const { return bDown; }
    // The fade ticker (30 ms), or null once SlowDecease has been switched off.
    TTimer* FadeTimer() const { return FTimer.get(); }

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    // OnClick (inherited member) is the button's own click event; OnMouseEnter fires with OnMouseExit.
    TNotifyEvent OnMouseExit;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void SyncWidget() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;

private:
    Word FKeyPressed = 0; // the Enter or Space key that went down on the button, until it comes up
    void ClickAction();
    void FadeTick();
    void StartFadeTimer();
    void StopFadeTimer();
    bool ParentShowing() const;
    bool IsTransparentStyle() const;
    void PaintNow() { Invalidate(); }

    TAlignment FAlignment = taCenter;
    TColor FShadowColor = clGray;
    TColor FColorWhenDown = clNone;
    bool FEnabled = true;
    bool FFlat = false;
    bool FWordWrap = false;
    std::unique_ptr<TBitmap> FGlyph;
    TColor FHotTrackColor = clNone;
    std::unique_ptr<TFont> FHTFont;
    TSbButtonKind FKind = bkCustom;
    TSbButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = clWhite;
    TModalResult FModalResult = mrNone;
    int FNumGlyphs = 0;
    bool FUseHTFont = false;
    TSbColorStyle FDummyStyle = lcsCustom;
    TSbButtonStyle FStyle = bsNormal;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    std::unique_ptr<TTimer> FTimer;
    int FHotTrackStep = 0;
};
