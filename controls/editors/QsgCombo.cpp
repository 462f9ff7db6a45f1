// The flat combo box: own frames and drop button over Qt's combo, focus colours, the attached label.
#include "controls/editors/QsgCombo.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/NativePaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/system/DesignValue.h"

namespace {
// The frame colour of a disabled themed combo that keeps no ordinary border.
constexpr TColor kQsgComboDisabledFrame = 0xB99D7F;
} // namespace

TPoint AttachedLabelOrigin(const TRect& c, TSize l, int tw, TLabelPosition position, int m) {
    const int centredTop = c.Top + (c.Height() - l.cy) / 2;
    const int centredLeft = c.Left + (c.Width() - l.cx) / 2;
    const int bottomTop = c.Top + c.Height() - l.cy;
    switch (position) {
    case lpLeftTop:
        return TPoint(c.Left - tw - m, c.Top);
    case lpLeftCenter:
        return TPoint(c.Left - tw - m, centredTop);
    case lpLeftBottom:
        return TPoint(c.Left - tw - m, bottomTop);
    case lpTopLeft:
        return TPoint(c.Left, c.Top - l.cy - m);
    case lpBottomLeft:
        return TPoint(c.Left, c.Top + c.Height() + m);
    case lpLeftTopLeft:
        return TPoint(c.Left - m, c.Top);
    case lpLeftCenterLeft:
        return TPoint(c.Left - m, centredTop);
    case lpLeftBottomLeft:
        return TPoint(c.Left - m, bottomTop);
    case lpTopCenter:
        return TPoint(centredLeft, c.Top - l.cy - m);
    case lpBottomCenter:
        return TPoint(centredLeft, c.Top + c.Height() + m);
    case lpRightTop:
        return TPoint(c.Left + c.Width() + m, c.Top);
    case lpRightCenter:
        return TPoint(c.Left + c.Width() + m, centredTop);
    case lpRighBottom:
        return TPoint(c.Left + c.Width() + m, bottomTop);
    }
    return TPoint(c.Left, c.Top);
}

int AttachedLabelTextWidth(TLabel* label) {
    if (label->Caption().isEmpty()) return 0;
    TCanvas* canvas = label->Canvas();
    canvas->SetFont(label->Font());
    TRect r(0, 0, 1000, 255);
    DrawText(canvas, label->Caption(), r, DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
    return r.Right;
}

TQsgCustomCombo::TQsgCustomCombo(TComponent* AOwner)
    : TComboBox(AOwner), FLabelFont(std::make_unique<TFont>()), FCanvas(std::make_unique<TCanvas>()) {
    FButtonWidth = SystemScrollBarWidth() + 2;
    FIsThemed = CommonControlsThemed();
    FLabelFont->OnChange = [this](TObject*) { LabelFontChanged(); };
}

TQsgCustomCombo::~TQsgCustomCombo() {
    SetDestroying();
    // The label is owned here but sits on the parent: it goes before the combo.
    delete FLabel;
    FLabel = nullptr;
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
    if (FLabel && !FLabelAlwaysEnabled) {
        FLabel->SetEnabled(v);
        UpdateLabel();
    }
}

void TQsgCustomCombo::SetVisible(bool v) {
    TComboBox::SetVisible(v);
    if (FLabel) FLabel->SetVisible(v);
}

void TQsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!IsDestroying()) UpdateLabel();
}

void TQsgCustomCombo::SetParent(TWinControl* AParent) {
    TComboBox::SetParent(AParent);
    if (FLabel && !IsDestroying()) {
        FLabel->SetParent(AParent);
        UpdateLabel();
    }
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

String TQsgCustomCombo::LabelCaption() const {
    return FLabel ? FLabel->Caption() : String();
}

void TQsgCustomCombo::SetLabelCaption(const String& v) {
    if (!FLabel) CreateLabel();
    FLabel->SetCaption(v);
    UpdateLabel();
}

void TQsgCustomCombo::SetLabelPosition(TLabelPosition v) {
    FLabelPosition = v;
    UpdateLabel();
}

void TQsgCustomCombo::SetLabelMargin(int v) {
    FLabelMargin = v;
    UpdateLabel();
}

void TQsgCustomCombo::SetLabelTransparent(bool v) {
    FLabelTransparent = v;
    UpdateLabel();
}

void TQsgCustomCombo::SetLabelAlwaysEnabled(bool v) {
    FLabelAlwaysEnabled = v;
    UpdateLabel();
}

void TQsgCustomCombo::SetLabelFont(const TFont* v) {
    if (!ParentFont()) FLabelFont->Assign(v);
    UpdateLabel();
}

void TQsgCustomCombo::CreateLabel() {
    FLabel = new TLabel(this);
    FLabel->SetParent(Parent());
    FLabel->SetFont(FLabelFont.get());
    FLabel->SetParentFont(ParentFont());
}

void TQsgCustomCombo::UpdateLabel() {
    if (!FLabel || IsDestroying()) return;
    FLabel->SetTransparent(FLabelTransparent);
    if (!ParentFont()) FLabel->SetFont(FLabelFont.get());
    const int tw = AttachedLabelTextWidth(FLabel);
    const TPoint at = AttachedLabelOrigin(BoundsRect(), TSize{FLabel->Width(), FLabel->Height()}, tw,
                                          FLabelPosition, FLabelMargin);
    FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

void TQsgCustomCombo::LabelFontChanged() {
    if ((ComponentState() & csDesigning) && !IsLoading()) SetParentFont(false);
    UpdateLabel();
}

void TQsgCustomCombo::SetLabelBold(bool bold) {
    if (!FLabel) return;
    TFontStyles s = FLabel->Font()->Style();
    FLabel->Font()->SetStyle(bold ? (s | fsBold) : (s & ~TFontStyles(fsBold)));
}

void TQsgCustomCombo::FontChanged() {
    TComboBox::FontChanged();
    if (FLabel && FLabel->ParentFont()) {
        FLabel->SetFont(Font());
        UpdateLabel();
    }
}

// ---- life ----

void TQsgCustomCombo::Loaded() {
    TComboBox::Loaded();
    if (FDropWidth > 0) SetDroppedWidth(FDropWidth);
    FOldColor = FLoadedColor;
    if (!FFlatParentColor || FFlat) TControl::SetColor(FLoadedColor);
    if (FLabel) {
        if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
        if (ParentFont()) FLabel->SetFont(Font());
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
        if (FFocusLabel) SetLabelBold(true);
        return;
    case WM_KILLFOCUS:
        TComboBox::Dispatch(m);
        if (FFocusColor != clNone && FNormalColor != clNone) TControl::SetColor(FNormalColor);
        if (FFocusLabel) SetLabelBold(false);
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
    if (FFocusLabel) SetLabelBold(true);
}

void TQsgCustomCombo::DoExit() {
    TComboBox::DoExit();
    if (ComponentState() & csDesigning) return;
    FHasFocus = false;
    Invalidate();
    if (FFocusColor != clNone && FNormalColor != clNone) TControl::SetColor(FNormalColor);
    if (FFocusLabel) SetLabelBold(false);
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
        int state = TS_HOT;
        if (!Enabled())
            state = TS_DISABLED;
        else if (down && DroppedDown())
            state = TS_PRESSED;
        else if (down || !FButtonHover || DroppedDown())
            state = TS_NORMAL;
        DrawThemeBackground(FCanvas.get(), "combobox", CP_DROPDOWNBUTTON, state, strip);
    } else if (FButtonColor == clNone) {
        strip = TRect(CW - FButtonWidth - 1, 2, W - 1, H - 2);
        DrawFrameControl(FCanvas.get(), strip, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    } else {
        TColor face = FButtonColor;
        if (FButtonHover) face = down ? FButtonColorDown : FButtonColorHot;
        if (face == clNone) face = FButtonColor;
        strip = TRect(CW - FButtonWidth + 2, 2, W - 2, H - 2);
        FCanvas->Brush()->SetColor(face);
        FCanvas->Pen()->SetColor(face);
        FCanvas->FillRect(strip);
        if (FButtonBorderColor != clNone) {
            FCanvas->Pen()->SetColor(FButtonBorderColor);
            FCanvas->MoveTo(strip.Left, strip.Top);
            FCanvas->LineTo(strip.Left, strip.Bottom);
        }
        TColor arrow = down && FButtonTextColorDown != clNone ? FButtonTextColorDown : FButtonTextColor;
        if (arrow == clNone) arrow = clBlack;
        FCanvas->Brush()->SetColor(arrow);
        FCanvas->Pen()->SetColor(arrow);
        FCanvas->Polygon({TPoint(strip.Left + 4, strip.Top + 7), TPoint(strip.Left + 10, strip.Top + 7),
                          TPoint(strip.Left + 7, strip.Top + 10)});
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
    const int W = Width(), H = Height();
    TRect r(0, 0, W, H);
    auto frame = [this](const TRect& rect, TColor colour) {
        FCanvas->Brush()->SetColor(colour);
        FCanvas->FrameRect(rect);
    };
    if (!Enabled() && FIsThemed && !FDisabledBorder) {
        frame(r, kQsgComboDisabledFrame);
        return;
    }
    if (FBorderColor != clNone && !(FHasFocus && FFocusBorderColor != clNone)) {
        frame(r, FBorderColor);
        return;
    }
    if (FFocusBorderColor != clNone) {
        if (FHasFocus) frame(r, FFocusBorderColor);
        return;
    }
    const bool focusBorder = FocusBorderActive();
    const TColor outer = focusBorder ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace);
    const TColor inner = Color();
    if (focusBorder) {
        DrawSunkenOuterEdge(FCanvas.get(), r);
        frame(r, outer);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        frame(r, inner);
    } else {
        frame(r, outer);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1 - FButtonWidth, r.Bottom - 1);
        frame(r, outer);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        frame(r, inner);
    }
    if (FFlat && FFlatLineColor != clNone) {
        FCanvas->Pen()->SetColor(FFlatLineColor);
        FCanvas->Pen()->SetStyle(psSolid);
        FCanvas->Pen()->SetWidth(1);
        FCanvas->MoveTo(0, H - 1);
        FCanvas->LineTo(W - FButtonWidth - 3, H - 1);
    }
}

void TQsgCustomCombo::DrawButtonFace() {
    if (IsHot()) return;
    const int W = Width(), H = Height(), CW = ClientWidth();
    // The arrow of the strip stays; the raised edges around it take the face colour.
    const TRect arrow(CW - FButtonWidth + 4, 4, CW - 4, ClientHeight() - 4);
    FCanvas->Brush()->SetColor(clBtnFace);
    const TRect face(CW - FButtonWidth, 3, W - 3, H - 3);
    FCanvas->FillRect(TRect(face.Left, face.Top, face.Right, arrow.Top));
    FCanvas->FillRect(TRect(face.Left, arrow.Bottom, face.Right, face.Bottom));
    FCanvas->FillRect(TRect(face.Left, arrow.Top, arrow.Left, arrow.Bottom));
    FCanvas->FillRect(TRect(arrow.Right, arrow.Top, face.Right, arrow.Bottom));
}
