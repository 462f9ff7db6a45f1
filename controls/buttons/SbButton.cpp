// TSbButton: state, presets, mouse, keys, dialog keys, the fade ticker and painting.
#include "controls/buttons/SbButton.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/system/DesignValue.h"

namespace {

constexpr unsigned kSbFadeInterval = 30;

struct SbKindPreset {
    TSbButtonKind kind;
    TModalResult result;
    const char* glyph;
    const char16_t* caption;
};

// The standard kinds keep their German captions: stored designs and their users know them by these.
const SbKindPreset kSbKindPresets[] = {
    {bkOK, mrOk, "LBOK", u"OK"},
    {bkCancel, mrCancel, "LBCANCEL", u"Abbrechen"},
    {bkHelp, mrNone, "LBHELP", u"Hilfe"},
    {bkYes, mrYes, "LBYES", u"Ja"},
    {bkNo, mrNo, "LBNO", u"Nein"},
    {bkClose, mrNone, "LBCLOSE", u"Schließen"},
    {bkAbort, mrAbort, "LBABORT", u"Abbrechen"},
    {bkRetry, mrRetry, "LBRETRY", u"Wiederholen"},
    {bkIgnore, mrIgnore, "LBIGNORE", u"Ignorieren"},
    {bkAll, mrAll, "LBALL", u"Alle"},
};

} // namespace

TSbButton::TSbButton(TComponent* AOwner)
    : TCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FHTFont(std::make_unique<TFont>()) {
    SetBounds(Left(), Top(), 100, 23);
    // No automatic clicks: the button raises them itself.
    FControlStyle = csCaptureMouse | csSetCaption;
    SetTabStop(true);
    SetColor(clBtnFace);
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(kSbFadeInterval);
    FTimer->OnTimer = [this](TObject*) { FadeTick(); };
    if (auto* form = dynamic_cast<TCustomForm*>(AOwner)) FHTFont->Assign(form->Font());
}

TSbButton::~TSbButton() {
    SetDestroying();
    StopFadeTimer();
    DestroyComponents();
}

void TSbButton::SetAlignment(TAlignment v) {
    FAlignment = v;
    PaintNow();
}

void TSbButton::SetFlat(bool v) {
    FFlat = v;
    PaintNow();
}

void TSbButton::SetLayout(TSbButtonLayout v) {
    FLayout = v;
    PaintNow();
}

void TSbButton::SetLightColor(TColor v) {
    FLightColor = v;
    PaintNow();
}

void TSbButton::SetShadowColor(TColor v) {
    FShadowColor = v;
    PaintNow();
}

void TSbButton::SetWordWrap(bool v) {
    FWordWrap = v;
    PaintNow();
}

void TSbButton::SetColorWhenDown(TColor v) {
    FColorWhenDown = v;
    Invalidate();
}

void TSbButton::SetHotTrackColor(TColor v) {
    FHotTrackColor = v;
    Invalidate();
}

void TSbButton::SetUseHotTrackFont(bool v) {
    FUseHTFont = v;
    Invalidate();
}

void TSbButton::SetEnabled(bool v) {
    TCustomControl::SetEnabled(v);
    FEnabled = v;
    bDown = false;
    PaintNow();
}

void TSbButton::SetGlyph(const TBitmap* v) {
    if (!v || v->Empty()) {
        FGlyph = std::make_unique<TBitmap>();
        FNumGlyphs = 0;
    } else {
        FGlyph->Assign(v);
        FNumGlyphs = FGlyph->Height() > 0 ? FGlyph->Width() / FGlyph->Height() : 0;
    }
    FKind = bkCustom;
    Invalidate();
}

void TSbButton::SetNumGlyphs(int v) {
    FNumGlyphs = v;
    Invalidate();
}

void TSbButton::SetModalResult(TModalResult v) {
    FModalResult = v;
    FKind = bkCustom;
}

void TSbButton::SetKind(TSbButtonKind v) {
    if (v != bkCustom) {
        for (const SbKindPreset& p : kSbKindPresets) {
            if (p.kind != v) continue;
            SetNumGlyphs(2);
            SetModalResult(p.result);
            SbLoadGlyph(String::fromLatin1(p.glyph), FGlyph.get());
            SetCaption(String::fromUtf16(p.caption));
        }
    }
    FKind = v;
    Invalidate();
}

void TSbButton::SetColorStyle(TSbColorStyle v) {
    if (v == lcsCustom) return;
    const TSbStyleColors c = GetSbStyleColors(v);
    FFlat = false;
    Font()->SetStyle(Font()->Style() & ~TFontStyles(fsBold | fsItalic));
    SetColor(c.Face);
    FLightColor = c.Light;
    FShadowColor = c.Shadow;
    FColorWhenDown = c.WhenDown;
    FHotTrackColor = c.HotTrack;
    FFlat = c.Flat;
    Font()->SetColor(c.FontColor);
    SetStyle(c.Style);
    PaintNow();
}

void TSbButton::SetStyle(TSbButtonStyle v) {
    FStyle = v;
    if (Widget()) Widget()->setAutoFillBackground(!IsTransparentStyle());
    Invalidate();
}

void TSbButton::SetSlowDecease(bool v) {
    FSlowDecease = v;
    if (v) {
        if (!FTimer) {
            FTimer = std::make_unique<TTimer>(nullptr);
            FTimer->SetEnabled(false);
            FTimer->SetInterval(kSbFadeInterval);
            FTimer->OnTimer = [this](TObject*) { FadeTick(); };
        }
    } else {
        FHotTrackStep = 0;
        StopFadeTimer();
    }
    Invalidate();
}

bool TSbButton::IsTransparentStyle() const {
    return FStyle == bsModern || FStyle == bsShape || FStyle == bsQuicken;
}

void TSbButton::SyncWidget() {
    TCustomControl::SyncWidget();
    if (Widget()) Widget()->setAutoFillBackground(!IsTransparentStyle());
}

bool TSbButton::ParentShowing() const {
    return Parent() && Parent()->Showing();
}

// --- clicks, mouse and keys --------------------------------------------------------------------------------

void TSbButton::ClickAction() {
    if (!Visible() || !Enabled() || !bDown) return;
    bDown = false;
    // The click's work may open a modal window and wait there: the button is shown released meanwhile.
    Invalidate();
    if (OnClick) OnClick(this);
    if (FModalResult != mrNone)
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
}

void TSbButton::Click() {
    bDown = true;
    ClickAction();
}

void TSbButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled()) {
        bDown = true;
        if (CanFocus()) SetFocus();
        PaintNow();
    }
}

void TSbButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    // Letting go outside the button takes the press back, as push buttons do.
    if (bDown && ClientRect().Contains(TPoint(X, Y))) Click();
    bDown = false;
    PaintNow();
}

void TSbButton::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled()) {
        bDown = true;
        FKeyPressed = Key;
        PaintNow();
    }
}

void TSbButton::KeyUp(Word& Key, TShiftState Shift) {
    TCustomControl::KeyUp(Key, Shift);
    // Only a key that went down on this button clicks it: the release of an Enter that closed a dialog
    // reaches the button that gets the focus back and must not press it again.
    if ((Key == VK_RETURN || Key == VK_SPACE) && Key == FKeyPressed) Click();
    FKeyPressed = 0;
    PaintNow();
}

void TSbButton::MouseEnter() {
    if (!Enabled() || !Visible() || !ParentShowing()) return;
    bCursorOnButton = true;
    FHotTrackStep = SbHotTrackSteps;
    PaintNow();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TSbButton::MouseLeave() {
    bCursorOnButton = false;
    if (FSlowDecease) {
        StartFadeTimer();
    } else {
        FHotTrackStep = 0;
        PaintNow();
    }
    if (Enabled() && Visible() && ParentShowing() && OnMouseExit) OnMouseExit(this);
}

void TSbButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_DIALOGKEY: {
        const Word key = m.CharCode();
        const bool noShift = (KeyboardStateToShiftState() & (ssShift | ssCtrl | ssAlt)) == 0;
        const bool taken = (key == VK_RETURN && FDefault) ||
                           (key == VK_ESCAPE && FCancel && noShift && Visible() && Enabled());
        if (!taken) break;
        TCustomForm* form = nullptr;
        for (TComponent* o = Owner(); o && !form; o = o->Owner())
            form = dynamic_cast<TCustomForm*>(o);
        if (!form) form = GetParentForm(this);
        TWinControl* active = form ? form->ActiveControl() : nullptr;
        const String cls = active ? active->ClassName().toUpper() : String();
        // A focused push button handles Enter itself. Escape has no meaning of its own to a button, so the
        // cancel button takes it whichever control has the focus.
        if (key == VK_RETURN && cls.contains("BUTTON") && !cls.contains("RADIOBUTTON")) break;
        bDown = true;
        Click();
        m.Result = 1;
        return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(m);
        PaintNow();
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(m);
}

// --- fade
// -----------------------------------------------------------------------------------------------------

void TSbButton::StartFadeTimer() {
    if (FTimer && !FTimer->Enabled()) FTimer->SetEnabled(true);
}

void TSbButton::StopFadeTimer() {
    FTimer.reset();
}

void TSbButton::FadeTick() {
    if (IsDestroying()) return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        FHotTrackStep = 0;
        FTimer->SetEnabled(false);
    }
    PaintNow();
}

// --- painting
// -------------------------------------------------------------------------------------------------

void TSbButton::Paint() {
    if (!Visible() || IsLoading() || IsDestroying()) return;
    const int W = Width(), H = Height();
    if (W <= 0 || H <= 0) return;
    const bool focused = Focused();
    const bool hot = bCursorOnButton || focused;

    TBitmap bmp;
    bmp.SetSize(W, H);
    TCanvas* c = bmp.Canvas();
    // The parent's colour as the key: caption edges smoothed against it blend into what shows behind.
    const TColor key = Parent() ? ColorToRGB(Parent()->Color()) : clSbTransparent;
    if (IsTransparentStyle()) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(key);
        c->FillRect(TRect(0, 0, W, H));
        bmp.SetTransparentColor(key);
        bmp.SetTransparent(true);
    }

    TSbFace f;
    f.Width = W;
    f.Height = H;
    f.Alignment = FAlignment;
    f.Caption = Caption();
    f.Layout = FLayout;
    f.Font = hot && FUseHTFont ? FHTFont.get() : Font();
    f.ShadowColor = FShadowColor;
    f.LightColor = FLightColor;
    f.HotTrackColor = FHotTrackColor;
    f.ColorWhenDown = FColorWhenDown;
    f.FaceColor = Color();
    f.Style = FStyle;
    f.WordWrap = FWordWrap;
    f.Flat = FFlat;
    f.Enabled = FEnabled;
    f.Hot = hot;
    f.Pressed = bDown;
    f.Glyph = FGlyph.get();
    f.NumGlyphs = FNumGlyphs;
    f.HotTrackStep = FHotTrackStep;
    f.TransparentColor = key;

    if (FStyle == bsOld && focused) {
        f.Width = W - 2;
        f.Height = H - 2;
        if (bDown) f.LightColor = FShadowColor;
        SbPaintButtonFace(c, f);
        c->Draw(1, 1, &bmp);
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetColor(clBlack);
        c->Rectangle(0, 0, W, H);
    } else {
        SbPaintButtonFace(c, f);
    }

    if (focused && FEnabled && FStyle != bsShape) {
        // The dotted focus frame inverts every other pixel, as the platform's focus rectangle does.
        const TRect r(4, 4, W - 4, H - 4);
        auto invert = [&](int x, int y) {
            if ((x + y) % 2 == 0) {
                const TColor p = c->Pixels(x, y);
                if (p != clNone) c->SetPixels(x, y, p ^ 0xFFFFFF);
            }
        };
        if (!r.IsEmpty()) {
            for (int x = r.Left; x < r.Right; ++x) {
                invert(x, r.Top);
                if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
            }
            for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
                invert(r.Left, y);
                if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
            }
        }
    }
    Canvas()->Draw(0, 0, &bmp);
}

// --- window designs
// -------------------------------------------------------------------------------------------

bool TSbButton::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "alignment")
        SetAlignment(DesignEnumOf<TAlignment>(v, taCenter, taLeftJustify, taCenter));
    else if (n == "cancel")
        SetCancel(v.AsBool());
    else if (n == "default")
        SetDefault(v.AsBool());
    else if (n == "colorstyle")
        SetColorStyle(DesignEnumOf<TSbColorStyle>(v, lcsCustom, lcsCustom, lcsQuicken));
    else if (n == "colorwhendown")
        SetColorWhenDown(DesignColor(v));
    else if (n == "flat")
        SetFlat(v.AsBool());
    else if (n == "glyph" || n == "glyph.data") {
        // A picture named by the design: a compiled-in resource (":/...") or a file.
        String path = v.AsString();
        if (!path.startsWith(":/") && !path.startsWith('/')) path = ":/" + path;
        TPicture picture;
        picture.LoadFromFile(path);
        TBitmap strip;
        if (picture.Graphic()) strip.Assign(picture.Graphic());
        SetGlyph(&strip);
    } else if (n == "hottrackcolor")
        SetHotTrackColor(DesignColor(v));
    else if (n == "hottrackfont.name")
        FHTFont->SetName(v.AsString());
    else if (n == "hottrackfont.size")
        FHTFont->SetSize(v.AsInt());
    else if (n == "hottrackfont.height")
        FHTFont->SetHeight(v.AsInt());
    else if (n == "hottrackfont.color")
        FHTFont->SetColor(DesignColor(v));
    else if (n == "hottrackfont.style")
        FHTFont->SetStyle(DesignSet(v));
    else if (n == "hottrackfont.charset" || n == "hottrackfont.pitch")
        ; // the platform's character sets and pitches have no meaning here
    else if (n == "kind")
        SetKind(DesignEnumOf<TSbButtonKind>(v, bkCustom, bkCustom, bkAll));
    else if (n == "layout")
        SetLayout(DesignEnumOf<TSbButtonLayout>(v, blGlyphLeft, blGlyphLeft, blGlyphBottom));
    else if (n == "lightcolor")
        SetLightColor(DesignColor(v));
    else if (n == "modalresult")
        SetModalResult(DesignEnum(v, mrNone));
    else if (n == "numglyphs")
        SetNumGlyphs(v.AsInt());
    else if (n == "shadowcolor")
        SetShadowColor(DesignColor(v));
    else if (n == "slowdecease")
        SetSlowDecease(v.AsBool());
    else if (n == "style")
        SetStyle(DesignEnumOf<TSbButtonStyle>(v, bsNormal, bsNormal, bsQuicken));
    else if (n == "usehottrackfont")
        SetUseHotTrackFont(v.AsBool());
    else if (n == "wordwrap")
        SetWordWrap(v.AsBool());
    else
        return TCustomControl::ReadProperty(name, v);
    return true;
}
