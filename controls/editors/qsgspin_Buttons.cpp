// The spin buttons: the repeating speed button and the pair of them that steps a spin edit.
#include "controls/editors/qsgspin.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"

namespace {

constexpr Cardinal kSpinFirstRepeat = 400;
constexpr Cardinal kSpinNextRepeat = 100;

// The default glyph: a black triangle (rows of 7, 5, 3 and 1 pixels) on a keyed-out ground, 9 x 6.
std::unique_ptr<TBitmap> SpinArrowGlyph(bool up) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(9, 6);
    const uint32_t ground = 0xFF808000, ink = 0xFF000000;
    for (int y = 0; y < 6; ++y) {
        uint32_t* line = b->ScanLine(y);
        // Rows 1 to 4 carry the triangle, widest row at the base.
        const int k = up ? y - 1 : 4 - y;
        const int half = (k >= 0 && k < 4) ? k : -1;
        for (int x = 0; x < 9; ++x)
            line[x] = half >= 0 && std::abs(x - 4) <= half ? ink : ground;
    }
    b->SetTransparent(true);
    return b;
}

} // namespace

// ---- TQvTimerSpeedButton ----

TQvTimerSpeedButton::TQvTimerSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 15, 12);
}

TQvTimerSpeedButton::~TQvTimerSpeedButton() = default;

void TQvTimerSpeedButton::SetButtonDirection(TButtonDirection v) {
    FButtonDirection = v;
    Invalidate();
}

void TQvTimerSpeedButton::SetIsWinXP(bool v) {
    FIsWinXP = v;
    Invalidate();
}

void TQvTimerSpeedButton::SetFlat(bool v) {
    FFlat = v;
    Invalidate();
}

void TQvTimerSpeedButton::SetTransparent(bool v) {
    FTransparent = v;
    Invalidate();
}

void TQvTimerSpeedButton::SetGlyph(const TBitmap* v) {
    if (v) {
        FGlyph = std::make_unique<TBitmap>();
        FGlyph->Assign(v);
    } else {
        FGlyph = SpinArrowGlyph(FButtonDirection != bdDown);
        FNumGlyphs = 1;
    }
    Invalidate();
}

void TQvTimerSpeedButton::SetNumGlyphs(int v) {
    FNumGlyphs = std::max(1, v);
    Invalidate();
}

void TQvTimerSpeedButton::InvalidateParent() {
    if (Parent()) Parent()->Invalidate();
}

void TQvTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FPressed = true;
    Invalidate();
    if (FTimeBtnState & tbAllowTimer) {
        if (!FRepeatTimer) {
            FRepeatTimer = std::make_unique<TTimer>(nullptr);
            FRepeatTimer->SetEnabled(false);
            FRepeatTimer->OnTimer = [this](TObject*) { TimerExpired(); };
        }
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->SetInterval(kSpinFirstRepeat);
        FRepeatTimer->SetEnabled(true);
    }
    InvalidateParent();
}

void TQvTimerSpeedButton::TimerExpired() {
    FRepeatTimer->SetInterval(kSpinNextRepeat);
    // Only while the press that started the timer still holds the mouse.
    if (!FPressed || !(ControlState() & csLButtonDown)) return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TQvTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FPressed = false;
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    Invalidate();
    InvalidateParent();
}

void TQvTimerSpeedButton::MouseEnter() {
    TGraphicControl::MouseEnter();
    FHasMouse = true;
    Invalidate();
}

void TQvTimerSpeedButton::MouseLeave() {
    TGraphicControl::MouseLeave();
    FHasMouse = false;
    Invalidate();
}

void TQvTimerSpeedButton::Paint() {
    TCanvas* canvas = Canvas();
    const TRect r = ClientRect();
    const int L = r.Left, T = r.Top;
    auto* owner = dynamic_cast<TQsgSpinButton*>(Owner());
    if (owner && owner->ButtonColor() != clNone) {
        TColor face = owner->ButtonColor();
        if (FPressed && owner->ButtonColorDown() != clNone)
            face = owner->ButtonColorDown();
        else if (FHasMouse && owner->ButtonColorHot() != clNone)
            face = owner->ButtonColorHot();
        canvas->Brush()->SetColor(face);
        canvas->Pen()->SetColor(face);
        canvas->Rectangle(r);
        canvas->Brush()->SetColor(clBlack);
        canvas->Pen()->SetColor(clBlack);
        switch (FButtonDirection) {
        case bdLeft:
            canvas->Polygon({TPoint(L + 5, T + 5), TPoint(L + 3, T + 7), TPoint(L + 5, T + 9)});
            break;
        case bdRight:
            canvas->Polygon({TPoint(L + 3, T + 5), TPoint(L + 5, T + 7), TPoint(L + 3, T + 9)});
            break;
        case bdUp:
            canvas->Polygon({TPoint(L + 4, T + 4), TPoint(L + 8, T + 4), TPoint(L + 6, T + 2)});
            break;
        case bdDown:
            canvas->Polygon({TPoint(L + 4, T + 2), TPoint(L + 8, T + 2), TPoint(L + 6, T + 4)});
            break;
        }
        return;
    }
    const int state = FPressed ? TS_PRESSED : FHasMouse ? TS_HOT : TS_NORMAL;
    if (FIsWinXP && IsThemeActive()) {
        const int part = FButtonDirection == bdLeft    ? SPNP_DOWNHORZ
                         : FButtonDirection == bdRight ? SPNP_UPHORZ
                         : FButtonDirection == bdUp    ? SPNP_UP
                                                       : SPNP_DOWN;
        DrawThemeBackground(canvas, "spin", part, state, r);
        return;
    }
    if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
        unsigned flags =
            (FPressed ? DFCS_PUSHED : 0u) | (FFlat ? DFCS_FLAT : 0u) | (Enabled() ? 0u : DFCS_INACTIVE);
        DrawFrameControl(canvas, r, DFC_SCROLL,
                         (FButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT) | flags);
        return;
    }
    // The classic speed button: a raised face (sunken while pressed) and the glyph in the middle.
    if (!FTransparent) {
        unsigned flags = (FPressed ? DFCS_PUSHED : 0u) | (FFlat ? DFCS_FLAT : 0u);
        DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | flags);
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2));
    }
    if (FGlyph && !FGlyph->Empty()) {
        const int gw = FGlyph->Width() / std::max(1, FNumGlyphs), gh = FGlyph->Height();
        const int shift = FPressed ? 1 : 0;
        const int x = L + (r.Width() - gw) / 2 + shift, y = T + (r.Height() - gh) / 2 + shift;
        if (FNumGlyphs <= 1) {
            canvas->Draw(x, y, FGlyph.get());
        } else {
            TBitmap cell;
            cell.SetSize(gw, gh);
            cell.Canvas()->CopyRect(TRect(0, 0, gw, gh), FGlyph->Canvas(), TRect(0, 0, gw, gh));
            cell.SetTransparent(true);
            canvas->Draw(x, y, &cell);
        }
    }
}

// ---- TQsgSpinButton ----

TQsgSpinButton::TQsgSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle &= ~(csAcceptsControls | csSetCaption);
    FControlStyle |= csOpaque;
    auto make = [this](TButtonDirection dir) {
        auto* b = new TQvTimerSpeedButton(this);
        b->SetButtonDirection(dir);
        b->SetParent(this);
        b->SetTimeBtnState(tbAllowTimer);
        b->OnClick = [this](TObject* s) { ButtonClick(s); };
        b->OnMouseDown = [this](TObject* s, TMouseButton button, TShiftState, int, int) {
            ButtonMouseDown(s, button);
        };
        b->SetGlyph(nullptr);
        return b;
    };
    FUpButton = make(bdUp);
    FDownButton = make(bdDown);
    FFocusedButton = FUpButton;
    SetBounds(0, 0, 15, 25);
}

TQsgSpinButton::~TQsgSpinButton() {
    SetDestroying();
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = nullptr;
}

void TQsgSpinButton::SetFocusControl(TWinControl* v) {
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = v;
    if (v) v->FreeNotification(this);
}

void TQsgSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TQsgSpinButton::SetIsWinXP(bool v) {
    FIsWinXP = v;
    FUpButton->SetIsWinXP(v);
    FDownButton->SetIsWinXP(v);
}

void TQsgSpinButton::SetUpGlyph(const TBitmap* v) {
    FUpButton->SetGlyph(v);
}
void TQsgSpinButton::SetDownGlyph(const TBitmap* v) {
    FDownButton->SetGlyph(v);
}

void TQsgSpinButton::SetButtonColor(TColor v) {
    FButtonColor = v;
    FUpButton->Invalidate();
    FDownButton->Invalidate();
}
void TQsgSpinButton::SetButtonColorHot(TColor v) {
    FButtonColorHot = v;
    FUpButton->Invalidate();
    FDownButton->Invalidate();
}
void TQsgSpinButton::SetButtonColorDown(TColor v) {
    FButtonColorDown = v;
    FUpButton->Invalidate();
    FDownButton->Invalidate();
}

void TQsgSpinButton::SetDirection(TSpinDirection v) {
    if (v == FDirection) return;
    FDirection = v;
    if (v == spHorizontal) {
        FUpButton->SetButtonDirection(bdRight);
        FDownButton->SetButtonDirection(bdLeft);
        SetBounds(Left(), Top(), 20, Height());
    } else {
        FUpButton->SetButtonDirection(bdUp);
        FDownButton->SetButtonDirection(bdDown);
        SetBounds(Left(), Top(), 15, Height());
    }
}

void TQsgSpinButton::AdjustSize(int& W, int& H) {
    if (!FUpButton || IsLoading()) return;
    if (FDirection == spVertical) {
        W = std::max(W, 15);
        const int upH = H / 2;
        FUpButton->SetBounds(0, 0, W, upH);
        FDownButton->SetBounds(0, upH - 1, W, H - upH + 1);
    } else {
        W = std::max(W, 20);
        FDownButton->SetBounds(0, 0, W / 2, H);
        FUpButton->SetBounds(W / 2 + 1, 0, W / 2, H);
    }
}

void TQsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AdjustSize(AWidth, AHeight);
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TQsgSpinButton::Loaded() {
    TWinControl::Loaded();
    int w = Width(), h = Height();
    AdjustSize(w, h);
    if (w != Width() || h != Height()) TWinControl::SetBounds(Left(), Top(), w, h);
}

void TQsgSpinButton::ButtonMouseDown(TObject* Sender, TMouseButton Button) {
    if (Button != mbLeft) return;
    auto* b = static_cast<TQvTimerSpeedButton*>(Sender);
    if (b != FFocusedButton && TabStop() && CanFocus()) {
        FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~tbFocusRect);
        FFocusedButton = b;
        b->SetTimeBtnState(b->TimeBtnState() | tbFocusRect);
        if (Focused()) Invalidate();
    }
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

void TQsgSpinButton::ButtonClick(TObject* Sender) {
    if (Sender == FUpButton) {
        if (OnUpClick) OnUpClick(this);
    } else if (Sender == FDownButton) {
        if (OnDownClick) OnDownClick(this);
    }
}

void TQsgSpinButton::KeyDown(Word& Key, TShiftState Shift) {
    switch (Key) {
    case VK_SPACE:
        FFocusedButton->Click();
        break;
    case VK_UP:
        FFocusedButton = FUpButton;
        FUpButton->Click();
        break;
    case VK_DOWN:
        FFocusedButton = FDownButton;
        FDownButton->Click();
        break;
    default:
        break;
    }
    TWinControl::KeyDown(Key, Shift);
}

void TQsgSpinButton::Dispatch(TMessage& m) {
    if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) {
        TWinControl::Dispatch(m);
        const TTimeBtnState s = FFocusedButton->TimeBtnState();
        FFocusedButton->SetTimeBtnState(m.Msg == WM_SETFOCUS ? (s | tbFocusRect) : (s & ~tbFocusRect));
        FFocusedButton->Invalidate();
        return;
    }
    if (m.Msg == WM_SIZE) {
        TWinControl::Dispatch(m);
        int w = Width(), h = Height();
        AdjustSize(w, h);
        return;
    }
    TWinControl::Dispatch(m);
}
