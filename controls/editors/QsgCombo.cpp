// The flat combo box: own frames and drop button over Qt's combo, focus colours, the attached label.
#include "controls/editors/QsgCombo.h"
#include "controls/editors/FlatEditLook.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/NativePaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/system/DesignValue.h"

TQsgCustomCombo::TQsgCustomCombo(TComponent* AOwner)
    : TComboBox(AOwner), FCanvas(std::make_unique<TCanvas>()) {
    FButtonWidth = SystemScrollBarWidth() + 2;
    FIsThemed = CommonControlsThemed();
    FLabel.Font()->OnChange = [this](TObject*) { LabelFontChanged(); };
}

TQsgCustomCombo::~TQsgCustomCombo() {
    SetDestroying();
    // The label is owned here but sits on the parent: it goes before the combo.
    FLabel.Free();
}

// ---- properties ----

void TQsgCustomCombo::SetButtonWidth(int v) {
    if (v < 14 || v > 32) return;
    FButtonWidth = v;
    Invalidate();
}

void TQsgCustomCombo::SetFlat(bool v) {
    if (v == FFlat) return;
    FFlat = v;
    if (FFlat && FFlatParentColor) {
        if (Parent()) TControl::SetColor(Parent()->Color());
    } else {
        TControl::SetColor(FLoadedColor);
    }
    Invalidate();
}

void TQsgCustomCombo::SetEtched(bool v) {
    if (v == FEtched) return;
    FEtched = v;
    Invalidate();
}

void TQsgCustomCombo::SetDropWidth(int v) {
    FDropWidth = v;
    if (v > 0) SetDroppedWidth(v);
}

void TQsgCustomCombo::SetBorderColor(TColor v) {
    if (v == FBorderColor) return;
    FBorderColor = v;
    if (HandleAllocated()) Invalidate();
}

void TQsgCustomCombo::SetDisabledBorder(bool v) {
    FDisabledBorder = v;
    Invalidate();
}

void TQsgCustomCombo::SetFlatLineColor(TColor v) {
    FFlatLineColor = v;
    Invalidate();
}

void TQsgCustomCombo::SetFlatParentColor(bool v) {
    FFlatParentColor = v;
    Invalidate();
}

void TQsgCustomCombo::SetFocusBorderColor(TColor v) {
    FFocusBorderColor = v;
    Invalidate();
}

void TQsgCustomCombo::SetButtonColor(TColor v) {
    FButtonColor = v;
    Invalidate();
}
void TQsgCustomCombo::SetButtonColorHot(TColor v) {
    FButtonColorHot = v;
    Invalidate();
}
void TQsgCustomCombo::SetButtonColorDown(TColor v) {
    FButtonColorDown = v;
    Invalidate();
}
void TQsgCustomCombo::SetButtonTextColor(TColor v) {
    FButtonTextColor = v;
    Invalidate();
}
void TQsgCustomCombo::SetButtonTextColorDown(TColor v) {
    FButtonTextColorDown = v;
    Invalidate();
}
void TQsgCustomCombo::SetButtonBorderColor(TColor v) {
    FButtonBorderColor = v;
    Invalidate();
}

void TQsgCustomCombo::SetColor(TColor v) {
    if (IsLoading()) FLoadedColor = v;
    TControl::SetColor(v);
}

void TQsgCustomCombo::SetEnabled(bool v) {
    const bool changed = v != Enabled();
    TComboBox::SetEnabled(v);
    if (IsLoading() || (ComponentState() & csDesigning) || !changed) return;
    FLabel.ControlEnabled(v);
}

void TQsgCustomCombo::SetVisible(bool v) {
    TComboBox::SetVisible(v);
    if (FLabel.Label()) FLabel.Label()->SetVisible(v);
}

void TQsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!IsDestroying()) UpdateLabel();
}

void TQsgCustomCombo::SetParent(TWinControl* AParent) {
    TComboBox::SetParent(AParent);
    FLabel.ControlParent(AParent);
}

void TQsgCustomCombo::Init() {
    FNormalColor = Color();
}

// A combo made in code never passed Loaded: the colour it has when the focus first comes is the one the
// focus colour gives way to (rather than black).
void TQsgCustomCombo::KeepNormalColor() {
    if (FNormalColor == clNone) FNormalColor = Color();
}

void TQsgCustomCombo::SelectItem(const String& AString) {
    const int index = Items()->IndexOf(AString);
    if (index >= 0) SetItemIndex(index);
}

// ---- label ----

void TQsgCustomCombo::SetLabelCaption(const String& v) {
    FLabel.SetCaption(v, [this](TLabel* label) {
        label->SetFont(FLabel.Font());
        label->SetParentFont(ParentFont());
    });
    UpdateLabel();
}

void TQsgCustomCombo::SetLabelFont(const TFont* v) {
    if (!ParentFont()) FLabel.Font()->Assign(v);
    UpdateLabel();
}

void TQsgCustomCombo::UpdateLabel() {
    if (!FLabel.Label() || IsDestroying()) return;
    if (!ParentFont()) FLabel.Label()->SetFont(FLabel.Font());
    FLabel.Place();
}

void TQsgCustomCombo::LabelFontChanged() {
    if ((ComponentState() & csDesigning) && !IsLoading()) SetParentFont(false);
    UpdateLabel();
}

void TQsgCustomCombo::FontChanged() {
    TComboBox::FontChanged();
    if (FLabel.Label() && FLabel.Label()->ParentFont()) {
        FLabel.Label()->SetFont(Font());
        UpdateLabel();
    }
}

// ---- life ----

void TQsgCustomCombo::Loaded() {
    TComboBox::Loaded();
    if (FDropWidth > 0) SetDroppedWidth(FDropWidth);
    FOldColor = FLoadedColor;
    if (!FFlatParentColor || FFlat) TControl::SetColor(FLoadedColor);
    if (TLabel* label = FLabel.Label()) {
        if (!FLabel.AlwaysEnabled()) label->SetEnabled(Enabled());
        if (ParentFont()) label->SetFont(Font());
    }
    UpdateLabel();
    Init();
}

void TQsgCustomCombo::NativeWidgetCreated() {
    TComboBox::NativeWidgetCreated();
    if (FDropWidth > 0) SetDroppedWidth(FDropWidth);
}

bool TQsgCustomCombo::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "color")
        SetColor(DesignColor(v));
    else if (n == "flat")
        SetFlat(v.AsBool());
    else if (n == "etched")
        SetEtched(v.AsBool());
    else if (n == "autofocus")
        SetAutoFocus(v.AsBool());
    else if (n == "bordercolor")
        SetBorderColor(DesignColor(v));
    else if (n == "buttonwidth")
        SetButtonWidth(v.AsInt());
    else if (n == "disabledborder")
        SetDisabledBorder(v.AsBool());
    else if (n == "flatlinecolor")
        SetFlatLineColor(DesignColor(v));
    else if (n == "flatparentcolor")
        SetFlatParentColor(v.AsBool());
    else if (n == "focusborder")
        SetFocusBorder(v.AsBool());
    else if (n == "focusbordercolor")
        SetFocusBorderColor(DesignColor(v));
    else if (n == "focuscolor")
        SetFocusColor(DesignColor(v));
    else if (n == "focuslabel")
        SetFocusLabel(v.AsBool());
    else if (n == "dropwidth")
        SetDropWidth(v.AsInt());
    else if (n == "labelcaption")
        SetLabelCaption(v.AsString());
    else if (n == "labelposition")
        SetLabelPosition(static_cast<TLabelPosition>(DesignEnum(v, lpLeftTop)));
    else if (n == "labelmargin")
        SetLabelMargin(v.AsInt());
    else if (n == "labeltransparent")
        SetLabelTransparent(v.AsBool());
    else if (n == "labelalwaysenabled")
        SetLabelAlwaysEnabled(v.AsBool());
    else
        return TComboBox::ReadProperty(name, v);
    return true;
}

// ---- states ----

bool TQsgCustomCombo::IsHot() const {
    if (ComponentState() & csDesigning) return Enabled();
    return FMouseInControl || (Screen && Screen->ActiveControl() == this);
}

bool TQsgCustomCombo::FocusBorderActive() const {
    return !(ComponentState() & csDesigning) &&
           (FMouseInControl || (Screen && Screen->ActiveControl() == this)) && FFocusBorder;
}

bool TQsgCustomCombo::ThemesActive() const {
    return FIsThemed && IsThemeActive();
}

bool TQsgCustomCombo::MouseButtonDown() const {
    return KeyboardStateToShiftState() & (ssLeft | ssRight);
}

bool TQsgCustomCombo::WantsOwnPaint() const {
    return FFlat || FButtonColor != clNone || FBorderColor != clNone ||
           (FFocusBorderColor != clNone && FHasFocus) || (!Enabled() && ThemesActive() && !FDisabledBorder);
}

// What the platform's frame painting adds around the control, also when its contents paint natively.
bool TQsgCustomCombo::WantsFrame() const {
    return FFlat || (!Enabled() && ThemesActive() && !FDisabledBorder) ||
           (FFocusBorderColor != clNone && FHasFocus) || FBorderColor != clNone;
}

// ---- messages ----

void TQsgCustomCombo::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        PaintMessage(m);
        return;
    case WM_SETFOCUS:
        TComboBox::Dispatch(m);
        if (FFocusBorderColor != clNone) Invalidate();
        KeepNormalColor();
        if (FFocusColor != clNone) TControl::SetColor(FFocusColor);
        if (FFocusLabel) FLabel.SetBold(true);
        return;
    case WM_KILLFOCUS:
        TComboBox::Dispatch(m);
        if (FFocusColor != clNone && FNormalColor != clNone) TControl::SetColor(FNormalColor);
        if (FFocusLabel) FLabel.SetBold(false);
        Invalidate();
        return;
    default:
        TComboBox::Dispatch(m);
    }
}

void TQsgCustomCombo::DoEnter() {
    TComboBox::DoEnter();
    if (ComponentState() & csDesigning) return;
    FHasFocus = true;
    Invalidate();
    KeepNormalColor();
    if (FFocusColor != clNone) TControl::SetColor(FFocusColor);
    if (FFocusLabel) FLabel.SetBold(true);
}

void TQsgCustomCombo::DoExit() {
    TComboBox::DoExit();
    if (ComponentState() & csDesigning) return;
    FHasFocus = false;
    Invalidate();
    if (FFocusColor != clNone && FNormalColor != clNone) TControl::SetColor(FNormalColor);
    if (FFocusLabel) FLabel.SetBold(false);
}

void TQsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
    TComboBox::MouseMove(Shift, X, Y);
    // The strip is measured on the window's width, not the client's.
    const bool over = Width() - FButtonWidth < X && X < Width();
    if (over != FButtonHover) {
        FButtonHover = over;
        Invalidate();
    }
}

void TQsgCustomCombo::MouseEnter() {
    TComboBox::MouseEnter();
    if (!FMouseInControl && Enabled()) {
        FMouseInControl = true;
        Invalidate();
    }
    if (FAutoFocus && !(ComponentState() & csDesigning)) {
        TCustomForm* form = GetParentForm(this);
        if ((!form || (Screen && Screen->ActiveForm() == form)) && CanFocus()) SetFocus();
    }
    if (FIsWinXP) Invalidate();
}

void TQsgCustomCombo::MouseLeave() {
    TComboBox::MouseLeave();
    if (FMouseInControl && Enabled()) {
        FMouseInControl = false;
        Invalidate();
    }
    FButtonHover = false;
    if (FIsWinXP) Invalidate();
}

void TQsgCustomCombo::EnabledChanged() {
    if (FFlat && !IsLoading()) {
        if (!Enabled()) {
            FOldParentColor = ParentColor();
            FOldColor = Color();
            SetParentColor(true);
        } else {
            const TColor kept = FOldColor;
            const bool keptParent = FOldParentColor;
            TControl::SetColor(kept);
            SetParentColor(keptParent);
        }
    }
    TComboBox::EnabledChanged();
}

void TQsgCustomCombo::InvalidateButtonStrip() {
    Invalidate();
}

void TQsgCustomCombo::DropDown() {
    TComboBox::DropDown();
    InvalidateButtonStrip();
}

void TQsgCustomCombo::CloseUp() {
    TComboBox::CloseUp();
    InvalidateButtonStrip();
    if (OnDropUp) OnDropUp(this);
}

// ---- painting ----

void TQsgCustomCombo::PaintMessage(TMessage& m) {
    const bool rtl = UseRightToLeftReading();
    if ((FIsVista && FButtonColor == clNone) || !WantsOwnPaint()) {
        PaintNativeNow(this, m);
        if (WantsFrame() && !rtl) PaintOnWidgetCanvas(this, FCanvas.get(), m, [this] { DrawBorders(); });
        return;
    }
    // The native contents first; the own button and frames then cover the native ones.
    if (Style() == csSimple) {
        PaintNativeNow(this, m);
    } else {
        PaintOnWidgetCanvas(this, FCanvas.get(), m, [this] {
            FCanvas->Brush()->SetColor(Color());
            FCanvas->FillRect(ClientRect());
        });
        PaintNativeNow(this, m);
        if (!rtl) PaintOnWidgetCanvas(this, FCanvas.get(), m, [this] { DrawButton(); });
    }
    if (!rtl) PaintOnWidgetCanvas(this, FCanvas.get(), m, [this] { DrawBorders(); });
}

void TQsgCustomCombo::DrawButton() {
    const int W = Width(), H = Height(), CW = ClientWidth();
    TRect strip(CW - FButtonWidth + 3, 1, W - 1, H - 1);
    const bool down = MouseButtonDown();
    if (FButtonColor == clNone && ThemesActive()) {
        DrawThemeBackground(FCanvas.get(), "combobox", CP_DROPDOWNBUTTON,
                            DropButtonThemeState(Enabled(), down, FButtonHover, DroppedDown()), strip);
    } else if (FButtonColor == clNone) {
        strip = TRect(CW - FButtonWidth - 1, 2, W - 1, H - 2);
        DrawFrameControl(FCanvas.get(), strip, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    } else {
        strip = TRect(CW - FButtonWidth + 2, 2, W - 2, H - 2);
        DrawColouredDropButton(
            FCanvas.get(), strip, strip.Left,
            DropButtonFaceColor(FButtonColor, FButtonColorHot, FButtonColorDown, FButtonHover, down),
            FButtonBorderColor, TPoint(strip.Left + 4, strip.Top + 7),
            DropButtonArrowColor(FButtonTextColor, FButtonTextColorDown, down));
    }
}

void TQsgCustomCombo::DrawBorders() {
    if ((Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) ||
        (FIsVista && FBorderColor == clNone))
        return;
    DrawBorder();
    if (!(Style() == csSimple || (FIsWinXP && ThemesActive()))) DrawButtonFace();
}

void TQsgCustomCombo::DrawBorder() {
    TFlatFrame f;
    f.Width = Width();
    f.Height = Height();
    f.ButtonWidth = FButtonWidth;
    f.Enabled = Enabled();
    f.Themed = FIsThemed;
    f.DisabledBorder = FDisabledBorder;
    f.HasFocus = FHasFocus;
    f.FocusBorderActive = FocusBorderActive();
    f.BorderColor = FBorderColor;
    f.FocusBorderColor = FFocusBorderColor;
    f.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    f.Color = Color();
    DrawFlatFrame(FCanvas.get(), f);
    // Only the plain flat frames have the underline.
    const bool plainFrame =
        (Enabled() || !FIsThemed || FDisabledBorder) && FBorderColor == clNone && FFocusBorderColor == clNone;
    if (plainFrame && FFlat && FFlatLineColor != clNone) {
        FCanvas->Pen()->SetColor(FFlatLineColor);
        FCanvas->Pen()->SetStyle(psSolid);
        FCanvas->Pen()->SetWidth(1);
        FCanvas->MoveTo(0, Height() - 1);
        FCanvas->LineTo(Width() - FButtonWidth - 3, Height() - 1);
    }
}

void TQsgCustomCombo::DrawButtonFace() {
    if (IsHot()) return;
    const int W = Width(), H = Height(), CW = ClientWidth();
    // The arrow of the strip stays; the raised edges around it take the face colour.
    FillButtonFaceAround(FCanvas.get(), TRect(CW - FButtonWidth, 3, W - 3, H - 3),
                         TRect(CW - FButtonWidth + 4, 4, CW - 4, ClientHeight() - 4));
}
