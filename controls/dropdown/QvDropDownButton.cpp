// The dropdown edit's button area and the speed button that paints the drop arrow.
#include "controls/dropdown/QvDropDownButton.h"

#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDown_Appearance.h"
#include "controls/styles/QvStyleIF.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"

TQvDropDownSpeedButton::TQvDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
    FIsWinXP = CommonControlsThemed();
}

TDropDownEditButton* TQvDropDownSpeedButton::EditButton() const {
    return dynamic_cast<TDropDownEditButton*>(Parent());
}

TQvCustomDropDown* TQvDropDownSpeedButton::Edit() const {
    TDropDownEditButton* b = EditButton();
    return b ? dynamic_cast<TQvCustomDropDown*>(b->Parent()) : nullptr;
}

void TQvDropDownSpeedButton::SetButtonStyle(TButtonStyle v) {
    if (v == FButtonStyle) return;
    FButtonStyle = v;
    Invalidate();
}

void TQvDropDownSpeedButton::SetEtched(bool v) {
    if (v == FEtched) return;
    FEtched = v;
    Invalidate();
}

void TQvDropDownSpeedButton::SetFocused(bool v) {
    if (v == FFocused) return;
    FFocused = v;
    Invalidate();
}

void TQvDropDownSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && OnRelease) OnRelease(this);
}

void TQvDropDownSpeedButton::MouseEnter() {
    TSpeedButton::MouseEnter();
    FHot = true;
    Invalidate();
}

void TQvDropDownSpeedButton::MouseLeave() {
    TSpeedButton::MouseLeave();
    FHot = false;
    Invalidate();
}

int TQvDropDownSpeedButton::PaintStateNumber() {
    TQvCustomDropDown* edit = Edit();
    const bool enabled = Enabled() && (!edit || (edit->Enabled() && !edit->ReadOnly()));
    if (!enabled) return TS_DISABLED;
    if (PaintState() == bsDown && !FUp) return TS_PRESSED;
    if (FHot || FFocused) return TS_HOT;
    return TS_NORMAL;
}

void TQvDropDownSpeedButton::Paint() {
    if (FButtonStyle == bsDropDown)
        PaintDropDown();
    else
        PaintPushButton();
}

void TQvDropDownSpeedButton::PaintDropDown() {
    TCanvas* c = Canvas();
    TDropDownEditButton* owner = EditButton();
    TQvCustomDropDown* edit = Edit();
    const TRect r = ClientRect();
    const int state = PaintStateNumber();
    auto arrow = [&](TColor color) {
        c->Pen()->SetColor(color);
        c->Brush()->SetColor(color);
        c->Brush()->SetStyle(bsSolid);
        const int dx = (r.Width() - 17) / 2, dy = (r.Height() - 17) / 2;
        c->Polygon({TPoint(5 + dx, 7 + dy), TPoint(11 + dx, 7 + dy), TPoint(8 + dx, 10 + dy)});
    };
    if (!owner || owner->ButtonColor() == clNone) {
        if (Glyph()) {
            c->Brush()->SetColor(clBtnFace);
            c->FillRect(r);
            c->Pen()->SetColor(0x808080);
            c->Brush()->SetStyle(bsClear);
            c->Rectangle(r);
            c->Brush()->SetStyle(bsSolid);
            DrawButtonGlyph(c, Glyph(), NumGlyphs(), state == TS_DISABLED ? bsDisabled : bsUp, TPoint(0, 0));
            return;
        }
        if (FIsWinXP && IsThemeActive()) {
            TRect t = r;
            if (IsWindowsVistaOrLater()) {
                t.Left += 1;
            } else {
                t = TRect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
                t.Left += 2;
            }
            c->Brush()->SetColor(edit ? edit->Color() : clWindow);
            c->FillRect(r);
            if (DrawThemeBackground(c, "combobox", CP_DROPDOWNBUTTON, state, t)) return;
        }
        TSpeedButton::Paint();
        c->Pen()->SetColor(clBtnFace);
        c->MoveTo(r.Left, r.Bottom - 1);
        c->LineTo(r.Left, r.Top);
        c->LineTo(r.Right, r.Top);
        c->Pen()->SetColor(clWhite);
        c->MoveTo(r.Left + 1, r.Bottom - 2);
        c->LineTo(r.Left + 1, r.Top + 1);
        c->LineTo(r.Right - 1, r.Top + 1);
        arrow(state == TS_DISABLED ? clGray : clBlack);
        return;
    }
    TColor fill = owner->ButtonColor(), text = owner->ButtonTextColor();
    if (state == TS_HOT) {
        if (owner->ButtonColorHot() != clNone) fill = owner->ButtonColorHot();
        if (owner->ButtonTextColorHot() != clNone) text = owner->ButtonTextColorHot();
    } else if (state == TS_PRESSED) {
        if (owner->ButtonColorDown() != clNone) fill = owner->ButtonColorDown();
        if (owner->ButtonTextColorDown() != clNone) text = owner->ButtonTextColorDown();
    }
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(fill);
    c->FillRect(r);
    if (edit && edit->BorderColor() != clNone) {
        c->Pen()->SetColor(edit->BorderColor());
        c->MoveTo(r.Left, r.Top);
        c->LineTo(r.Left, r.Bottom);
    }
    arrow(text == clNone ? clBlack : text);
}

void TQvDropDownSpeedButton::PaintPushButton() {
    TCanvas* c = Canvas();
    const TRect r = ClientRect();
    const int state = PaintStateNumber();
    const bool pressed = state == TS_PRESSED;
    TQvCustomDropDown* edit = Edit();
    if (edit) c->SetFont(edit->Font());
    const String caption = Caption();
    const bool themed = FIsWinXP && IsThemeActive();
    if (themed) {
        DrawThemeBackground(c, "button", 1, state, r);
    } else {
        TRect face = r;
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(face);
        DrawSunkenOuterEdge(c, face);
    }
    const int shift = pressed ? 1 : 0;
    int textLeft = r.Left + 3;
    if (Glyph()) {
        const int gw = Glyph()->Width() / std::max(1, NumGlyphs()), gh = Glyph()->Height();
        const int gx = caption.isEmpty() ? (r.Width() - gw) / 2 : 2;
        const TPoint at(gx + shift, (r.Height() - gh) / 2 + shift);
        if (themed)
            DrawButtonGlyph(c, Glyph(), NumGlyphs(), state == TS_DISABLED ? bsDisabled : bsUp, at);
        else
            DrawGlyphTransparent(c, Glyph(), clBtnFace, TRect(at.X, at.Y, at.X + gw, at.Y + gh));
        textLeft = gx + gw + 2;
    }
    if (caption.isEmpty()) return;
    c->Brush()->SetStyle(bsClear);
    TRect tr = Glyph() ? TRect(textLeft, r.Top, r.Right, r.Bottom)
                       : TRect(r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1);
    tr = TRect(tr.Left + shift, tr.Top + shift, tr.Right + shift, tr.Bottom + shift);
    DrawText(c, caption, tr, DT_SINGLELINE | DT_VCENTER | (Glyph() ? DT_LEFT : DT_CENTER));
    c->Brush()->SetStyle(bsSolid);
}

// ---------------------------------------------------------------------------------------------------------

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 16, 25);
    FControlStyle = (FControlStyle & ~(csAcceptsControls | csSetCaption)) | csOpaque;
    FButton = new TQvDropDownSpeedButton(this);
    FButton->SetParent(this);
    FButton->SetButtonStyle(bsDropDown);
    FButton->OnRelease = [this](TObject*) {
        if (OnClick) OnClick(this);
    };
    FitButton();
}

TDropDownEditButton::~TDropDownEditButton() {
    SetDestroying();
    DestroyComponents();
}

void TDropDownEditButton::Set(TColor& field, TColor v) {
    if (field == v) return;
    field = v;
    FButton->Invalidate();
}

void TDropDownEditButton::SetButtonWidth(int v) {
    FBWidth = v;
    FitButton();
}

void TDropDownEditButton::FitButton() {
    if (FButton) FButton->SetBounds(0, 0, FBWidth, Height());
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FitButton();
}

void TDropDownEditButton::Resize() {
    TWinControl::Resize();
    FitButton();
}

void TDropDownEditButton::EnabledChanged() {
    TWinControl::EnabledChanged();
    FButton->SetEnabled(Enabled());
}
