// The grid's panel button and check box, their looks and their mouse and keyboard handling.
#include "controls/grid/QvGridButton.h"
#include "controls/styles/QvStyleIF.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/StyleDraw_Markup.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The desktop tells its windows that the theme changed; the grid's own notifier sends 0xB035.
constexpr UINT kThemeChanged = 0x031A;
constexpr UINT kThemeNotify = 0xB035;
constexpr int kDropDownWidth = 12;

int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

std::unique_ptr<TBitmap> copyOf(const TBitmap* Source) {
    if (!Source || Source->Empty()) return nullptr;
    auto b = std::make_unique<TBitmap>();
    b->Assign(Source);
    return b;
}

// Every pixel grey at 96 + half its brightness.
std::unique_ptr<TBitmap> greyed(const TBitmap* Source) {
    auto b = copyOf(Source);
    if (!b) return nullptr;
    for (int y = 0; y < b->Height(); ++y) {
        uint32_t* row = b->ScanLine(y);
        for (int x = 0; x < b->Width(); ++x) {
            const int r = (row[x] >> 16) & 0xFF, g = (row[x] >> 8) & 0xFF, bl = row[x] & 0xFF;
            const int level = 96 + roundHalfEven((r + g + bl) / 3.0) / 2;
            row[x] = 0xFF000000u | uint32_t(level) << 16 | uint32_t(level) << 8 | uint32_t(level);
        }
    }
    return b;
}

void outline(TCanvas* C, const TRect& R, TColor Color) {
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(Color);
    C->Pen()->SetWidth(1);
    C->Rectangle(R);
}

void roundOutline(TCanvas* C, const TRect& R, TColor Color) {
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(Color);
    C->Pen()->SetWidth(1);
    C->RoundRect(R.Left, R.Top, R.Right, R.Bottom, 8, 8);
}

// A face in From, a gradient to To when set, outlined in Border when set.
void face(TCanvas* C, const TRect& R, TColor From, TColor To, TColor Border) {
    DrawBandedGradient(C, From, To == clNone ? From : To, false, R, 16, Border);
}

struct ButtonLook {
    TColor Color, ColorTo, Hot, HotTo, Down, DownTo, Checked, CheckedTo, BorderDown, BorderHot;
};

constexpr std::array<ButtonLook, 7> kLooks{{
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
}};

} // namespace

bool IsWinXPOrLater() {
    return IsWindowsXPOrLater();
}

bool IsThemedComCtl6() {
    return IsWinXPOrLater() && IsThemeActive() && CommonControlsThemed();
}

void DrawBandedGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R,
                        int Steps, TColor BorderColor) {
    Steps = std::max(1, Steps);
    const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
    const int size = Horizontal ? R.Width() : R.Height();
    const int start = Horizontal ? R.Left : R.Top;
    const int span = roundHalfEven(double(size) / Steps) + 1;
    auto part = [&](int shift, int n) {
        const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        return a + roundHalfEven(double(n) * (b - a) / Steps);
    };
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Pen()->SetWidth(1);
    for (int n = 0; n < Steps; ++n) {
        const TColor band = RGB(part(0, n), part(8, n), part(16, n));
        const int at = start + roundHalfEven(double(n) * size / Steps);
        Canvas->Brush()->SetColor(band);
        Canvas->Pen()->SetColor(band);
        Canvas->FillRect(Horizontal ? TRect(at, R.Top, std::min(at + span, R.Right), R.Bottom)
                                    : TRect(R.Left, at, R.Right, std::min(at + span, R.Bottom)));
    }
    if (BorderColor != clNone) outline(Canvas, R, BorderColor);
}

// Action link
// ---------------------------------------------------------------------------------------------------------

TQvGridButtonActionLink::TQvGridButtonActionLink(TQvGridButton* Client) : TControlActionLink(Client) {
    FButton = Client;
}

void TQvGridButtonActionLink::AssignClient(TControl* Client) {
    TControlActionLink::AssignClient(Client);
    FButton = dynamic_cast<TQvGridButton*>(Client);
}

bool TQvGridButtonActionLink::IsCheckedLinked() {
    return TActionLink::IsCheckedLinked() && FButton && FButton->GroupIndex() != 0 && FButton->AllowAllUp() &&
           LinkedAction()->Checked() == FButton->Down();
}

bool TQvGridButtonActionLink::IsGroupIndexLinked() {
    return FButton && LinkedAction() && LinkedAction()->GroupIndex() == FButton->GroupIndex();
}

void TQvGridButtonActionLink::SetChecked(bool Value) {
    if (IsCheckedLinked()) FButton->SetDown(Value);
}

void TQvGridButtonActionLink::SetGroupIndex(int Value) {
    if (IsGroupIndexLinked()) FButton->SetGroupIndex(Value);
}

// Button
// ---------------------------------------------------------------------------------------------------------

TQvGridButton::TQvGridButton(TComponent* AOwner) : TSpeedButton(AOwner) {
    SetBounds(0, 0, 22, 23);
    SetFlat(true);
    SetParentFont(true);
    FComCtl6 = CommonControlsThemed();
}

TQvGridButton::~TQvGridButton() {
    SetDestroying();
    SetDropDownMenu(nullptr);
}

void TQvGridButton::SetGlyph(const TBitmap* Value) {
    FGlyph = copyOf(Value);
    if (!FGlyphDisabled) FGlyphDisabled = greyed(FGlyph.get());
    if (FShaded && !IsLoading()) BuildShade();
    Invalidate();
}

void TQvGridButton::SetGlyphHot(const TBitmap* Value) {
    FGlyphHot = copyOf(Value);
    Invalidate();
}

void TQvGridButton::SetGlyphDown(const TBitmap* Value) {
    FGlyphDown = copyOf(Value);
    Invalidate();
}

void TQvGridButton::SetGlyphDisabled(const TBitmap* Value) {
    FGlyphDisabled = copyOf(Value);
    Invalidate();
}

// The glyph's shape (every pixel that differs from its bottom-left one) in grey.
void TQvGridButton::BuildShade() {
    FGlyphShade.reset();
    if (!FGlyph) return;
    FGlyphShade = copyOf(FGlyph.get());
    const int h = FGlyphShade->Height();
    const uint32_t key = FGlyphShade->ScanLine(h - 1)[0];
    // White is the shade's own transparent colour: its bottom-left pixel keys it out when drawn.
    for (int y = 0; y < h; ++y) {
        uint32_t* row = FGlyphShade->ScanLine(y);
        for (int x = 0; x < FGlyphShade->Width(); ++x)
            row[x] = row[x] == key ? 0xFFFFFFFFu : 0xFF808080u;
    }
}

#define QV_BUTTON_COLOR_SETTER(Name, Field)                                                                  \
    void TQvGridButton::Set##Name(TColor Value) {                                                            \
        Field = Value;                                                                                       \
        Invalidate();                                                                                        \
    }
QV_BUTTON_COLOR_SETTER(Color, FColor)
QV_BUTTON_COLOR_SETTER(ColorTo, FColorTo)
QV_BUTTON_COLOR_SETTER(ColorHot, FColorHot)
QV_BUTTON_COLOR_SETTER(ColorHotTo, FColorHotTo)
QV_BUTTON_COLOR_SETTER(ColorDown, FColorDown)
QV_BUTTON_COLOR_SETTER(ColorDownTo, FColorDownTo)
QV_BUTTON_COLOR_SETTER(ColorChecked, FColorChecked)
QV_BUTTON_COLOR_SETTER(ColorCheckedTo, FColorCheckedTo)
QV_BUTTON_COLOR_SETTER(BorderColor, FBorderColor)
QV_BUTTON_COLOR_SETTER(BorderDownColor, FBorderDownColor)
QV_BUTTON_COLOR_SETTER(BorderHotColor, FBorderHotColor)
#undef QV_BUTTON_COLOR_SETTER

void TQvGridButton::SetRounded(bool Value) {
    FRounded = Value;
    Invalidate();
}

void TQvGridButton::SetShaded(bool Value) {
    FShaded = Value;
    if (Value && !IsLoading()) BuildShade();
    Invalidate();
}

void TQvGridButton::SetShowCaption(bool Value) {
    FShowCaption = Value;
    Invalidate();
}

void TQvGridButton::SetStyle(TQvGridButtonStyle Value) {
    FStyle = Value;
    Invalidate();
}

void TQvGridButton::SetDropDownButton(bool Value) {
    FDropDownButton = Value;
    Invalidate();
}

void TQvGridButton::SetDropDownMenu(TPopupMenu* Value) {
    if (Value == FDropDownMenu) return;
    if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = Value;
    if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

void TQvGridButton::SetAutoThemeAdapt(bool Value) {
    FAutoThemeAdapt = Value;
    if (Value) ThemeAdapt();
}

void TQvGridButton::ThemeAdapt() {
    switch (DetectXPColorScheme()) {
    case 1:
        SetLook(2);
        break;
    case 2:
        SetLook(3);
        break;
    case 3:
        SetLook(4);
        break;
    default:
        SetLook(1);
        break;
    }
}

void TQvGridButton::SetLook(int Look) {
    if (Look < 0 || Look >= int(kLooks.size())) return;
    FLook = Look;
    const ButtonLook& l = kLooks[size_t(Look)];
    SetColor(l.Color);
    SetColorTo(l.ColorTo);
    SetColorHot(l.Hot);
    SetColorHotTo(l.HotTo);
    SetColorDown(l.Down);
    SetColorDownTo(l.DownTo);
    SetColorChecked(l.Checked);
    SetColorCheckedTo(l.CheckedTo);
    SetBorderDownColor(l.BorderDown);
    SetBorderHotColor(l.BorderHot);
    SetBorderColor(clNone);
    SetRounded(Look == 0);
    SetFlat(true);
}

void TQvGridButton::SetDown(bool Value) {
    if (GroupIndex() == 0 && FStyle == tasButton) Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        Repaint();
        return;
    }
    if (Value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = Value;
    FState = Value ? bsExclusive : bsUp;
    Invalidate();
    if (Value) UpdateExclusive();
}

void TQvGridButton::ButtonPressed(int Group, TSpeedButton* Sender) {
    if (Group != GroupIndex() || !Sender || Sender == this) return;
    if (Sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        if (auto* action = dynamic_cast<TAction*>(Action())) action->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = Sender->AllowAllUp();
}

std::unique_ptr<TControlActionLink> TQvGridButton::CreateActionLink() {
    return std::make_unique<TQvGridButtonActionLink>(this);
}

void TQvGridButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    TSpeedButton::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || GroupIndex() == 0) SetGroupIndex(action->GroupIndex());
    if (!CheckDefaults || !Down()) SetDown(action->Checked());
}

void TQvGridButton::Loaded() {
    TSpeedButton::Loaded();
    if (FShaded) BuildShade();
    if (FAutoThemeAdapt) ThemeAdapt();
}

void TQvGridButton::Notification(TComponent* AComponent, TOperation Operation) {
    TSpeedButton::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TQvGridButton::WndProc(TMessage& Message) {
    if ((Message.Msg == kThemeChanged || Message.Msg == kThemeNotify) && FAutoThemeAdapt) ThemeAdapt();
    TSpeedButton::WndProc(Message);
}

// Mouse
// ---------------------------------------------------------------------------------------------------------

void TQvGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (FDropDownButton && X >= Width() - kDropDownWidth) {
        FState = bsUp;
        if (OnDropDown) OnDropDown(this);
        if (FDropDownMenu) {
            const TPoint at = ClientToScreen(TPoint(0, Height()));
            FDropDownMenu->Popup(at.X, at.Y);
        }
        return;
    }
    if (!FDown || FStyle == tasCheck) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TQvGridButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    const bool inside = InClient(X, Y);
    if (FDragging) {
        ShowState(FStyle == tasCheck && FDown ? bsDown : DragState(inside));
    } else if (!FHot && inside && Enabled()) {
        FHot = true;
        Invalidate();
    }
}

void TQvGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft) return;
    FDragging = false;
    const bool inside = InClient(X, Y);
    if (GroupIndex() == 0) {
        FState = bsUp;
        // A press let go outside is taken back: a check button keeps its state then.
        if (FStyle == tasCheck && inside) SetDown(!FDown);
        Invalidate();
    } else {
        ReleaseInGroup(inside);
    }
    FHot = inside;
    if (inside) Click();
}

void TQvGridButton::MouseEnter() {
    TSpeedButton::MouseEnter();
    if (!Enabled() || FDragging) return;
    FHot = true;
    Repaint();
}

void TQvGridButton::MouseLeave() {
    TSpeedButton::MouseLeave();
    if (!Enabled() || FDragging) return;
    FHot = false;
    Invalidate();
}

void TQvGridButton::EnabledChanged() {
    TSpeedButton::EnabledChanged();
    if (!Enabled()) FHot = false;
    Repaint();
}

void TQvGridButton::DblClick() {
    if (FDown) TSpeedButton::DblClick();
}

// Painting
// ---------------------------------------------------------------------------------------------------------

const TBitmap* TQvGridButton::GlyphFor(TButtonState State) const {
    const TBitmap* chosen = nullptr;
    if (State == bsDown || State == bsExclusive)
        chosen = FGlyphDown.get();
    else if (State == bsDisabled)
        chosen = FGlyphDisabled.get();
    else if (FHot && !Designing())
        chosen = FGlyphHot.get();
    return chosen ? chosen : FGlyph.get();
}

void TQvGridButton::PaintFace(TCanvas* C, TRect& R, TButtonState State) {
    const bool pressed = State == bsDown || State == bsExclusive;
    if (!Flat()) {
        if (FAutoXPStyle && FComCtl6 && IsThemeActive())
            DrawThemeBackground(C, "button", 1, pressed ? 3 : FHot ? 2 : 1, R);
        else
            DrawFrameControl(C, R, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
        return;
    }
    if (FBorderDownColor == clNone || FRounded) R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    const bool checked = FStyle == tasCheck && FDown;
    if (!FHot || State == bsDisabled || Designing()) {
        if (checked)
            face(C, R, FColorChecked, FColorCheckedTo, FBorderDownColor);
        else
            face(C, R, FColor, FColorTo, FRounded ? clNone : FDown ? FBorderDownColor : FBorderColor);
        if (FBorderColor != clNone) {
            if (FRounded)
                roundOutline(C, TRect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1), FBorderColor);
            else
                outline(C, R, FBorderColor);
        }
    } else {
        TColor from = FColorHot, to = FColorHotTo, border = FBorderHotColor;
        if (State == bsDown) {
            from = FColorDown;
            to = FColorDownTo;
            border = FBorderDownColor;
        }
        if (checked && !FDragging) {
            from = FColorChecked;
            to = FColorCheckedTo;
            border = FBorderDownColor;
        }
        face(C, R, from, to, FRounded ? clNone : border);
        if (FRounded && border != clNone) roundOutline(C, R, border);
        if (FDropDownButton && border != clNone) {
            C->Pen()->SetColor(border);
            C->MoveTo(R.Right - kDropDownWidth, R.Top);
            C->LineTo(R.Right - kDropDownWidth, R.Bottom);
        }
    }
    R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
}

void TQvGridButton::PaintContent(TCanvas* C, TRect R, TButtonState State) {
    const bool pressed = State == bsDown || State == bsExclusive;
    TPoint offset(0, 0);
    if (!Flat() && pressed && !Designing()) offset = TPoint(1, 1);
    if (Flat() && FHot && Enabled() && FShaded && !pressed) offset = TPoint(-1, -1);
    if (FDropDownButton) {
        const int c = (R.Top + R.Bottom) / 2 - 1;
        C->Pen()->SetColor(Font()->Color());
        C->Brush()->SetColor(Font()->Color());
        C->Brush()->SetStyle(bsSolid);
        C->Polygon({TPoint(R.Right - 8, c), TPoint(R.Right - 4, c), TPoint(R.Right - 6, c + 2)});
        R.Right -= kDropDownWidth;
    }
    C->SetFont(Font());
    const String caption = FShowCaption ? Caption() : String();
    TSize textSize{0, 0};
    if (!caption.isEmpty()) {
        TRect measure(0, 0, R.Width(), 0);
        DrawText(C, caption, measure, DT_CALCRECT | DT_SINGLELINE);
        textSize = TSize{measure.Width(), measure.Height()};
    }
    const TBitmap* glyph = GlyphFor(State);
    const TSize glyphSize = FGlyph ? TSize{FGlyph->Width(), FGlyph->Height()} : TSize{0, 0};
    const TButtonLayoutResult place = CalcButtonLayout(R, offset, glyphSize, textSize, Layout(), Margin(),
                                                       Spacing(), UseRightToLeftReading());
    if (glyph) {
        if (FHot && FShaded && Enabled() && !pressed && FGlyphShade)
            DrawButtonGlyph(C, FGlyphShade.get(), 1, bsUp,
                            TPoint(place.GlyphPos.X + 2, place.GlyphPos.Y + 2));
        DrawButtonGlyph(C, glyph, 1, bsUp, place.GlyphPos);
    }
    if (caption.isEmpty()) return;
    C->Brush()->SetStyle(bsClear);
    TRect text = place.TextBounds;
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (State == bsDisabled) {
        TRect shadow(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1);
        C->Font()->SetColor(clBtnHighlight);
        DrawText(C, caption, shadow, flags);
        C->Font()->SetColor(clBtnShadow);
    }
    DrawText(C, caption, text, flags);
}

void TQvGridButton::Paint() {
    TCanvas* c = Canvas();
    TButtonState state = PaintState();
    if (FStyle == tasCheck && FDown && state != bsDisabled) state = bsDown;
    TRect r = ClientRect();
    PaintFace(c, r, state);
    if (state == bsExclusive && (!Flat() || !FHot))
        face(c, r, FColorChecked, FColorCheckedTo, FDown ? FBorderDownColor : FBorderColor);
    // A button held down in its group is laid out as pressed.
    if (FDown && GroupIndex() != 0 && state != bsDisabled) state = bsDown;
    PaintContent(c, r, state);
}

// Check box
// ---------------------------------------------------------------------------------------------------------

TQvCheckBox::TQvCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 98, 20);
    SetCaption("TQvCheckBox");
    SetTabStop(true);
    // Clicks come from the box's own press and release, which know whether it toggled.
    SetControlStyle(ControlStyle() & ~TControlStyleFlags(csClickEvents));
}

TQvCheckBox::~TQvCheckBox() = default;

void TQvCheckBox::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Invalidate();
}

void TQvCheckBox::SetButtonVertAlign(TVAlignment Value) {
    FButtonVertAlign = Value;
    Invalidate();
}

void TQvCheckBox::SetChecked(bool Value) {
    SetState(Value ? cbChecked : cbUnchecked);
}

void TQvCheckBox::SetState(TCheckBoxState Value) {
    if (Value == FState) return;
    FState = Value;
    Invalidate();
}

void TQvCheckBox::SetEllipsis(bool Value) {
    FEllipsis = Value;
    Invalidate();
}

void TQvCheckBox::SetTransparent(bool Value) {
    FTransparent = Value;
    FBackgroundValid = false;
    Invalidate();
}

void TQvCheckBox::SetTransparentChaching(bool Value) {
    FTransparentCaching = Value;
    FBackgroundValid = false;
    Invalidate();
}

void TQvCheckBox::SetDown(bool Value) {
    if (Value == FDown) return;
    FDown = Value;
    Invalidate();
}

void TQvCheckBox::Toggle() {
    if (!FReadOnly) SetChecked(!Checked());
}

void TQvCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    FBackgroundValid = false;
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

TRect TQvCheckBox::BoxCorner() const {
    const int left = FAlignment == taRightJustify ? Width() - 16 : 0;
    return TRect(left, 0, left + 16, 16);
}

void TQvCheckBox::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DIALOGCHAR) {
        if (IsAccel(Word(Message.WParam), Caption()) && Enabled() && Visible()) {
            Toggle();
            if (TabStop() && CanFocus()) SetFocus();
            Message.Result = 1;
        }
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TQvCheckBox::DoEnter() {
    TCustomControl::DoEnter();
    FFocused = true;
    Invalidate();
}

void TQvCheckBox::DoExit() {
    TCustomControl::DoExit();
    FFocused = false;
    FDown = false;
    FSpaceDown = false;
    Invalidate();
}

void TQvCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FMouseDown = true;
    if (CanFocus()) SetFocus();
    SetDown(true);
}

void TQvCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (FMouseDown) SetDown(X >= 0 && X <= Width() && Y >= 0 && Y <= Height());
}

void TQvCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const bool pressedHere = FMouseDown;
    FMouseDown = false;
    SetDown(false);
    if (pressedHere && FFocused && X >= 0 && X <= Width() && Y >= 0 && Y <= Height()) {
        Toggle();
        Click();
    }
}

void TQvCheckBox::MouseEnter() {
    TCustomControl::MouseEnter();
    FHot = true;
    Invalidate();
}

void TQvCheckBox::MouseLeave() {
    TCustomControl::MouseLeave();
    FHot = false;
    Invalidate();
}

void TQvCheckBox::EnabledChanged() {
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TQvCheckBox::TextChanged() {
    TCustomControl::TextChanged();
    Invalidate();
}

void TQvCheckBox::KeyDown(Word& Key, TShiftState Shift) {
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = 0;
        if (TCustomForm* form = GetParentForm(this)) form->SelectNextByTab(this, true);
        return;
    }
    if (Key == VK_SPACE) {
        FSpaceDown = true;
        SetDown(true);
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TQvCheckBox::KeyUp(Word& Key, TShiftState Shift) {
    if (Key == VK_SPACE && FSpaceDown) {
        FSpaceDown = false;
        SetDown(false);
        Toggle();
        Click();
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TQvCheckBox::PaintBackground(TCanvas* C) {
    TWinControl* parent = Parent();
    const TRect own(Left(), Top(), Left() + Width(), Top() + Height());
    if (!FTransparent || !parent) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(TCustomControl::Color());
        C->FillRect(ClientRect());
        return;
    }
    if (!FTransparentCaching) {
        parent->PaintFaceTo(C, own);
        return;
    }
    if (!FBackgroundValid || !FBackground) {
        FBackground = std::make_unique<TBitmap>();
        FBackground->SetSize(Width(), Height());
        parent->PaintFaceTo(FBackground->Canvas(), own);
        FBackground->FreeImage();
        FBackgroundValid = true;
    }
    C->Draw(0, 0, FBackground.get());
}

void TQvCheckBox::Paint() {
    TCanvas* c = Canvas();
    PaintBackground(c);
    const bool right = FAlignment == taRightJustify;
    const int h = ClientHeight();
    if (IsThemedComCtl6()) {
        const int x = right ? Width() - 15 : 0;
        const int y = FButtonVertAlign == vtaTop ? 4 : FButtonVertAlign == vtaCenter ? h / 2 - 6 : h - 14;
        const int base = FState == cbChecked ? 5 : FState == cbGrayed ? 9 : 1;
        const int offset = !Enabled() ? 3 : FDown ? 2 : FHot ? 1 : 0;
        DrawThemeBackground(c, "button", 3, base + offset, TRect(x, y, x + 14, y + 14));
    } else {
        const int x = right ? Width() - 13 : 0;
        const int y = FButtonVertAlign == vtaTop ? 4 : FButtonVertAlign == vtaCenter ? h / 2 - 6 : h - 17;
        unsigned state = DFCS_BUTTONCHECK;
        if (FState == cbChecked) state |= DFCS_CHECKED;
        if (FState == cbGrayed || !Enabled()) state |= DFCS_INACTIVE;
        DrawFrameControl(c, TRect(x, y, x + 13, y + 13), DFC_BUTTON, state);
    }

    TRect text = ClientRect();
    if (right) {
        text.Right -= 9;
        text.Left = 6;
    } else {
        text.Left += 15;
    }
    text.Top = 4;
    c->SetFont(Font());
    c->Brush()->SetStyle(bsClear);
    const unsigned flags = DT_LEFT | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0u);
    const String caption = Caption();
    if (!Enabled()) {
        TRect shadow(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1);
        c->Font()->SetColor(clWhite);
        DrawText(c, caption, shadow, flags);
        c->Font()->SetColor(TColor(0x808080));
    }
    TRect drawn = text;
    DrawText(c, caption, drawn, flags);
    if (FFocused) {
        TRect measure = text;
        DrawText(c, caption, measure, flags | DT_CALCRECT);
        DrawMarkupFocusRect(c, TRect(text.Left - 2, text.Top, text.Left + measure.Width() + 1,
                                     text.Top + measure.Height() + 1));
    }
}
