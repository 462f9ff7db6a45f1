// TQsgCustomCombo / TQsgComboBox: the library's combo box with its flat look, coloured drop button, focus
// colours and an attached caption label.
#pragma once

#include "controls/editors/AttachedLabel.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/StdCtrls.h"

class TCanvas;

class TQsgCustomCombo : public TComboBox {
public:
    explicit TQsgCustomCombo(TComponent* AOwner);
    ~TQsgCustomCombo() override;
    String ClassName() const override { return "TQsgCustomCombo"; }

    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool v) { FAutoFocus = v; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v);
    int ButtonWidth() const { return FButtonWidth; }
    // 14 to 32; anything else is ignored.
    void SetButtonWidth(int v);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor v);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool v);
    // Kept for window designs; the look does not depend on it.
    bool Etched() const { return FEtched; }
    void SetEtched(bool v);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool v) { FFocusBorder = v; }
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor v);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor v) { FFocusColor = v; }
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool v) { FFocusLabel = v; }
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int v);
    // While loading a design the colour is also the one the flat look returns to.
    void SetColor(TColor v);
    void SetEnabled(bool v) override;
    void SetVisible(bool v) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;

    TLabel* ComboLabel() const { return FLabel.Label(); }
    String LabelCaption() const { return FLabel.Caption(); }
    void SetLabelCaption(const String& v);
    TLabelPosition LabelPosition() const { return FLabel.Position(); }
    void SetLabelPosition(TLabelPosition v) { FLabel.SetPosition(v); }
    int LabelMargin() const { return FLabel.Margin(); }
    void SetLabelMargin(int v) { FLabel.SetMargin(v); }
    bool LabelTransparent() const { return FLabel.Transparent(); }
    void SetLabelTransparent(bool v) { FLabel.SetTransparent(v); }
    bool LabelAlwaysEnabled() const { return FLabel.AlwaysEnabled(); }
    void SetLabelAlwaysEnabled(bool v) { FLabel.SetAlwaysEnabled(v); }
    TFont* LabelFont() const { return FLabel.Font(); }
    void SetLabelFont(const TFont* v);

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor v);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor v);
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor v);
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor v);
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor v) { FButtonTextColorHot = v; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor v);
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor v);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v) { FIsWinXP = v; }
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool v) { FIsVista = v; }

    // Keeps the current colour as the one the focus colour gives way to.
    void Init();
    // Chooses the item with that text; nothing changes when there is none.
    void SelectItem(const String& AString);

    // State read by the painting (for tests and the grid's editor).
    bool HasFocus() const { return FHasFocus; }
    bool MouseInControl() const { return FMouseInControl; }
    bool ButtonHover() const { return FButtonHover; }
    TColor NormalColor() const { return FNormalColor; }
    TColor LoadedColor() const { return FLoadedColor; }

    void Loaded() override;
    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnDropUp;

protected:
    bool PaintsItself() const override { return true; }
    void Dispatch(TMessage& Message) override;
    void CloseUp() override;
    void DropDown() override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void EnabledChanged() override;
    void FontChanged() override;
    void NativeWidgetCreated() override;

private:
    void UpdateLabel();
    void LabelFontChanged();
    bool IsHot() const;
    bool FocusBorderActive() const;
    bool ThemesActive() const;
    bool MouseButtonDown() const;
    bool WantsOwnPaint() const;
    bool WantsFrame() const;
    void PaintMessage(TMessage& m);
    void DrawButton();
    void DrawBorders();
    void DrawBorder();
    void DrawButtonFace();
    void InvalidateButtonStrip();
    void KeepNormalColor();

    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = clWindow;
    TColor FLoadedColor = clWindow;
    bool FOldParentColor = false;
    int FButtonWidth = 19;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int FDropWidth = 0;
    bool FIsWinXP = false;
    bool FIsThemed = false;
    bool FButtonHover = false;
    TAttachedLabel FLabel{this};
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FFocusBorderColor = clNone;
    TColor FBorderColor = clNone;
    bool FDisabledBorder = true;
    TColor FNormalColor = clNone;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    bool FIsVista = false;
    std::unique_ptr<TCanvas> FCanvas;
};

class TQsgComboBox : public TQsgCustomCombo {
public:
    using TQsgCustomCombo::TQsgCustomCombo;
    String ClassName() const override { return "TQsgComboBox"; }
};
