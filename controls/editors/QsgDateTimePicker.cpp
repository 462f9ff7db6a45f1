// The flat date-time picker: its own frame, drop button and borders painted over the toolkit's picker.
#include "controls/editors/QsgDateTimePicker.h"
#include "controls/VersionText.h"

#include "controls/editors/FlatEditLook.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/NativePaint.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/system/DesignValue.h"

TQsgDateTimePicker::TQsgDateTimePicker(TComponent* AOwner)
    : TDateTimePicker(AOwner), FCanvas(std::make_unique<TCanvas>()) {
    FButtonWidth = SystemScrollBarWidth() + 2;
    FIsThemed = CommonControlsThemed();
}

TQsgDateTimePicker::~TQsgDateTimePicker() = default;

int TQsgDateTimePicker::GetVersionNr() const {
    return 0x01000000;
}

String TQsgDateTimePicker::Version() const {
    return VersionNumberText(GetVersionNr());
}

// Properties
// --------------------------------------------------------------------------------------------

void TQsgDateTimePicker::SetBorderStyle(TBorderStyle v) {
    if (v == FBorderStyle) return;
    FBorderStyle = v;
    Invalidate();
}

void TQsgDateTimePicker::SetCtl3D(bool v) {
    if (v == FCtl3D) return;
    FCtl3D = v;
    Repaint3D();
}

void TQsgDateTimePicker::Repaint3D() {
    Invalidate();
}

void TQsgDateTimePicker::SetBorderColor(TColor v) {
    if (v == FBorderColor) return;
    FBorderColor = v;
    Invalidate();
}

void TQsgDateTimePicker::SetFocusBorderColor(TColor v) {
    FFocusBorderColor = v;
    Invalidate();
}

void TQsgDateTimePicker::SetDisabledBorder(bool v) {
    FDisabledBorder = v;
    Invalidate();
}

void TQsgDateTimePicker::SetFocusBorder(bool v) {
    FFocusBorder = v;
    Invalidate();
}

void TQsgDateTimePicker::SetMetroStyle(bool v) {
    if (v == FMetroStyle) return;
    FMetroStyle = v;
    Invalidate();
}

bool TQsgDateTimePicker::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "bordercolor")
        SetBorderColor(DesignColor(v));
    else if (n == "focusbordercolor")
        SetFocusBorderColor(DesignColor(v));
    else if (n == "ctl3d")
        SetCtl3D(v.AsBool());
    else if (n == "metrostyle")
        SetMetroStyle(v.AsBool());
    else if (n == "disabledborder")
        SetDisabledBorder(v.AsBool());
    else if (n == "buttoncolor")
        SetButtonColor(DesignColor(v));
    else if (n == "buttontextcolor")
        SetButtonTextColor(DesignColor(v));
    else if (n == "version")
        return true;
    else
        return TDateTimePicker::ReadProperty(name, v);
    return true;
}

// States
// --------------------------------------------------------------------------------------------

bool TQsgDateTimePicker::MetroActive() const {
    return FMetroStyle && !(ComponentState() & csDesigning);
}

bool TQsgDateTimePicker::FlatFrameWanted() const {
    return !FCtl3D && FBorderColor != clNone;
}

bool TQsgDateTimePicker::ThemesActive() const {
    return FIsThemed && IsThemeActive();
}

bool TQsgDateTimePicker::IsHot() const {
    if (ComponentState() & csDesigning) return Enabled();
    return FMouseInControl || (Screen && Screen->ActiveControl() == this);
}

void TQsgDateTimePicker::DoEnter() {
    TDateTimePicker::DoEnter();
    if (ComponentState() & csDesigning) return;
    FHasFocus = true;
    Invalidate();
}

void TQsgDateTimePicker::DoExit() {
    TDateTimePicker::DoExit();
    if (ComponentState() & csDesigning) return;
    FHasFocus = false;
    Invalidate();
}

void TQsgDateTimePicker::MouseEnter() {
    TDateTimePicker::MouseEnter();
    if (ComponentState() & csDesigning) return;
    if (Enabled()) FMouseInControl = true;
    Invalidate();
}

void TQsgDateTimePicker::MouseLeave() {
    TDateTimePicker::MouseLeave();
    if (ComponentState() & csDesigning) return;
    if (Enabled()) FMouseInControl = false;
    FButtonHover = false;
    Invalidate();
}

void TQsgDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
    TDateTimePicker::MouseMove(Shift, X, Y);
    const bool over = Width() - FButtonWidth < X && X < Width();
    if (over == FButtonHover) return;
    FButtonHover = over;
    Invalidate();
}

void TQsgDateTimePicker::DropDown() {
    TDateTimePicker::DropDown();
    Invalidate();
}

void TQsgDateTimePicker::CloseUp() {
    TDateTimePicker::CloseUp();
    Invalidate();
}

// Painting
// --------------------------------------------------------------------------------------------

void TQsgDateTimePicker::SyncWidget() {
    TDateTimePicker::SyncWidget();
    // The native picker is several widgets: the own look goes on a layer above them all.
    if (Widget() && !HasPaintOverlay(this)) SetPaintOverlay(this, true);
}

void TQsgDateTimePicker::Dispatch(TMessage& m) {
    if (m.Msg != WM_NCPAINT) {
        TDateTimePicker::Dispatch(m);
        return;
    }
    PaintOnOverlay(this, FCanvas.get(), m, [this] { PaintOwnLook(); });
    m.Result = 0;
}

void TQsgDateTimePicker::DrawFlatFrameOutline(TColor Colour) {
    const int W = Width(), H = Height();
    TCanvas* c = FCanvas.get();
    c->Pen()->SetColor(Colour);
    c->Polyline({TPoint(0, H), TPoint(0, 0), TPoint(W - 1, 0), TPoint(W - 1, H - 1), TPoint(0, H - 1)});
}

void TQsgDateTimePicker::PaintOwnLook() {
    const int W = Width(), H = Height();
    TCanvas* c = FCanvas.get();
    if (FlatFrameWanted()) {
        TColor pen = FBorderColor;
        if (FBorderStyle == bsNone && Parent())
            pen = Parent()->Color();
        else if (FIsThemed)
            pen = kFlatDisabledFrame;
        DrawFlatFrameOutline(pen);
        if (Parent()) {
            c->Pen()->SetColor(Parent()->Color());
            c->Polyline({TPoint(1, H - 2), TPoint(1, 1), TPoint(W - 1, 1)});
        }
    }
    // A time has up and down arrows and a date in up-down mode no drop-down: neither gets a drop button.
    if (MetroActive() && Kind() != dtkTime && DateMode() == dmComboBox) {
        const int CW = ClientWidth();
        c->Brush()->SetColor(Color());
        c->FillRect(TRect(CW - FButtonWidth - 1, 1, CW, H - 1));
        DrawButton();
    }
    DrawBorders();
}

void TQsgDateTimePicker::DrawButton() {
    const int W = Width(), H = Height(), CW = ClientWidth();
    TCanvas* c = FCanvas.get();
    const bool down = KeyboardStateToShiftState() & (ssLeft | ssRight);
    const TRect strip(CW - FButtonWidth + 3, 1, W - 1, H - 1);
    if (FButtonColor == clNone && ThemesActive()) {
        DrawThemeBackground(c, "combobox", CP_DROPDOWNBUTTON,
                            DropButtonThemeState(Enabled(), down, FButtonHover, DroppedDown()), strip);
    } else if (FButtonColor == clNone) {
        DrawFrameControl(c, strip, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    } else {
        const TRect r(CW - FButtonWidth, 2, W - 2, H - 2);
        DrawColouredDropButton(
            c, TRect(r.Left + 2, r.Top, r.Right, r.Bottom), r.Left,
            DropButtonFaceColor(FButtonColor, FButtonColorHot, FButtonColorDown, FButtonHover, down),
            FButtonBorderColor, TPoint(r.Left + 5, r.Top + 7),
            DropButtonArrowColor(FButtonTextColor, FButtonTextColorDown, down));
    }
}

void TQsgDateTimePicker::DrawBorders() {
    if (!MetroActive()) return;
    if (Enabled() && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    TFlatFrame f;
    f.Width = Width();
    f.Height = Height();
    f.ButtonWidth = FButtonWidth;
    f.Enabled = Enabled();
    f.Themed = FIsThemed;
    f.DisabledBorder = FDisabledBorder;
    f.HasFocus = FHasFocus;
    f.FocusBorderActive = !(ComponentState() & csDesigning) && IsHot() && FFocusBorder;
    f.BorderColor = FBorderColor;
    f.FocusBorderColor = FFocusBorderColor;
    f.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    f.Color = Color();
    DrawFlatFrame(FCanvas.get(), f);
    if (!(FIsWinXP && ThemesActive())) DrawButtonFace();
}

void TQsgDateTimePicker::DrawButtonFace() {
    if (Kind() == dtkTime || DateMode() != dmComboBox) return;
    const int W = Width(), H = Height(), CW = ClientWidth(), CH = ClientHeight();
    TCanvas* c = FCanvas.get();
    const TRect arrow(CW - FButtonWidth + 4, 4, CW - 4, CH - 4);
    if (!IsHot()) {
        FillButtonFaceAround(c, TRect(CW - FButtonWidth, 3, W - 3, H - 3), arrow);
        return;
    }
    // Hot: a raised edge around the strip, flat while the calendar is down.
    const TRect r(CW - FButtonWidth, 2, W - 2, H - 2);
    c->Pen()->SetColor(DroppedDown() ? clBtnShadow : clBtnHighlight);
    c->Polyline({TPoint(r.Left, r.Bottom - 1), TPoint(r.Left, r.Top), TPoint(r.Right - 1, r.Top)});
    c->Pen()->SetColor(clBtnShadow);
    c->Polyline(
        {TPoint(r.Right - 1, r.Top), TPoint(r.Right - 1, r.Bottom - 1), TPoint(r.Left - 1, r.Bottom - 1)});
}
