// The button of the edit with a button: the container that clicks and moves the focus, and the speed button
// that paints itself in the container's colours, themed, flat or classic.
#include "controls/editors/QSGEdit.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"

namespace {

// One-pixel edges: raised (light top-left, shadow bottom-right) or sunken, the middle filled in the face.
void DrawEditButtonEdge(TCanvas* c, const TRect& r, bool sunken) {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(r);
    const TColor topLeft = sunken ? clBtnShadow : clBtnHighlight;
    const TColor bottomRight = sunken ? clBtnHighlight : clBtnShadow;
    c->Pen()->SetColor(topLeft);
    c->MoveTo(r.Left, r.Bottom - 1);
    c->LineTo(r.Left, r.Top);
    c->LineTo(r.Right - 1, r.Top);
    c->Pen()->SetColor(bottomRight);
    c->LineTo(r.Right - 1, r.Bottom - 1);
    c->LineTo(r.Left - 1, r.Bottom - 1);
}

} // namespace

// TQvSpeedButton
// --------------------------------------------------------------------------------------------

TQvSpeedButton::TQvSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TQvSpeedButton::SetIsWinXP(bool v) {
    FIsWinXP = v;
    Invalidate();
}

void TQvSpeedButton::SetFlat(bool v) {
    FQvFlat = v;
    Invalidate();
}

void TQvSpeedButton::MouseEnter() {
    TSpeedButton::MouseEnter();
    FHot = true;
    Invalidate();
}

void TQvSpeedButton::MouseLeave() {
    TSpeedButton::MouseLeave();
    FHot = false;
    Invalidate();
}

void TQvSpeedButton::Paint() {
    TCanvas* c = Canvas();
    const TButtonState state = PaintState();
    const bool pressed = state == bsDown || state == bsExclusive;
    TRect r = ClientRect();
    c->SetFont(Font());
    auto* owner = dynamic_cast<TQsgEditButton*>(Parent());
    if (owner && owner->ButtonColor() != clNone) {
        FQvFlat = true;
        TColor face = owner->ButtonColor();
        if (pressed && owner->ButtonColorDown() != clNone)
            face = owner->ButtonColorDown();
        else if (FHot && owner->ButtonColorHot() != clNone)
            face = owner->ButtonColorHot();
        c->Brush()->SetColor(face);
        c->FillRect(r);
    } else if (FIsWinXP && IsThemeActive()) {
        DrawThemeBackground(c, "button", 1, pressed ? TS_PRESSED : FHot ? TS_HOT : TS_NORMAL, r);
    } else if (FQvFlat) {
        DrawEditButtonEdge(c, r, pressed);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    } else {
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
        r = TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    }
    const int shift = state == bsDown ? 1 : 0;
    if (TBitmap* glyph = Glyph(); glyph && !glyph->Empty()) {
        const int gw = glyph->Width() / std::max(1, NumGlyphs()), gh = glyph->Height();
        const int x = gw < r.Width() ? (r.Width() - gw) / 2 : 0;
        const int y = gh < r.Height() ? (r.Height() - gh) / 2 : 0;
        DrawButtonGlyph(c, glyph, NumGlyphs(), state, TPoint(r.Left + x + shift, r.Top + y + shift));
    }
    if (!Caption().isEmpty()) {
        TRect t(r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift);
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(clBlack);
        DrawText(c, Caption(), t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        c->Brush()->SetStyle(bsSolid);
    }
}

// TQsgEditButton
// --------------------------------------------------------------------------------------------

TQsgEditButton::TQsgEditButton(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle &= ~(csAcceptsControls | csSetCaption);
    FControlStyle |= csOpaque;
    FButton = new TQvSpeedButton(this);
    FButton->SetParent(this);
    FButton->SetVisible(true);
    FButton->SetEnabled(true);
    FButton->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) { ButtonReleased(b); };
    TWinControl::SetBounds(0, 0, 20, 25);
    FitButton();
}

TQsgEditButton::~TQsgEditButton() {
    SetDestroying();
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = nullptr;
}

void TQsgEditButton::SetFlat(bool v) {
    FFlat = v;
    FButton->SetFlat(v);
}

void TQsgEditButton::SetFocusControl(TWinControl* v) {
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = v;
    if (v) v->FreeNotification(this);
}

void TQsgEditButton::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TQsgEditButton::SetButtonColor(TColor v) {
    FButtonColor = v;
    FButton->Invalidate();
}

void TQsgEditButton::SetButtonColorHot(TColor v) {
    FButtonColorHot = v;
    FButton->Invalidate();
}

void TQsgEditButton::SetButtonColorDown(TColor v) {
    FButtonColorDown = v;
    FButton->Invalidate();
}

void TQsgEditButton::FitButton() {
    if (FButton && !IsLoading()) FButton->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

void TQsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FitButton();
}

void TQsgEditButton::Loaded() {
    TWinControl::Loaded();
    FitButton();
}

void TQsgEditButton::ButtonReleased(TMouseButton Button) {
    if (Button != mbLeft) return;
    if (OnClick) OnClick(this);
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}
