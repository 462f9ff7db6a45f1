// The speed button, the glyph and caption placement of glyph buttons and the drawing of glyph strips.
#include "toolkit/stdctrls/Buttons.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/system/DesignValue.h"

#include <QPainter>

TButtonLayoutResult CalcButtonLayout(const TRect& Client, const TPoint& Offset, const TSize& GlyphSize,
                                     const TSize& TextSize, TButtonLayout Layout, int Margin, int Spacing,
                                     bool RightToLeft) {
    if (RightToLeft) {
        if (Layout == blGlyphLeft)
            Layout = blGlyphRight;
        else if (Layout == blGlyphRight)
            Layout = blGlyphLeft;
    }
    const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
    const int clientX = Client.Width(), clientY = Client.Height();
    const bool hasGlyph = GlyphSize.cx > 0 && GlyphSize.cy > 0;
    const bool hasText = TextSize.cx > 0;
    const TSize glyph = hasGlyph ? GlyphSize : TSize{0, 0};
    const TSize text = hasText ? TextSize : TSize{0, 0};
    TPoint glyphPos, textPos;
    if (horizontal) {
        glyphPos.Y = (clientY - glyph.cy + 1) / 2;
        textPos.Y = (clientY - text.cy + 1) / 2;
    } else {
        glyphPos.X = (clientX - glyph.cx + 1) / 2;
        textPos.X = (clientX - text.cx + 1) / 2;
    }
    if (!hasText || !hasGlyph) Spacing = 0;
    if (Margin == -1) {
        if (Spacing == -1) {
            const int total = horizontal ? glyph.cx + text.cx : glyph.cy + text.cy;
            Margin = ((horizontal ? clientX : clientY) - total) / 3;
            Spacing = Margin;
        } else {
            const int total = horizontal ? glyph.cx + Spacing + text.cx : glyph.cy + Spacing + text.cy;
            Margin = ((horizontal ? clientX : clientY) - total + 1) / 2;
        }
    } else if (Spacing == -1) {
        const int room = horizontal ? clientX - (Margin + glyph.cx) : clientY - (Margin + glyph.cy);
        Spacing = (room - (horizontal ? text.cx : text.cy)) / 2;
    }
    switch (Layout) {
    case blGlyphLeft:
        glyphPos.X = Margin;
        textPos.X = glyphPos.X + glyph.cx + Spacing;
        break;
    case blGlyphRight:
        glyphPos.X = clientX - Margin - glyph.cx;
        textPos.X = glyphPos.X - Spacing - text.cx;
        break;
    case blGlyphTop:
        glyphPos.Y = Margin;
        textPos.Y = glyphPos.Y + glyph.cy + Spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = clientY - Margin - glyph.cy;
        textPos.Y = glyphPos.Y - Spacing - text.cy;
        break;
    }
    TButtonLayoutResult result;
    result.GlyphPos = TPoint(glyphPos.X + Client.Left + Offset.X, glyphPos.Y + Client.Top + Offset.Y);
    const int left = textPos.X + Client.Left + Offset.X, top = textPos.Y + Client.Top + Offset.Y;
    result.TextBounds = TRect(left, top, left + text.cx, top + text.cy);
    return result;
}

void DrawButtonGlyph(TCanvas* Canvas, const TBitmap* Glyph, int NumGlyphs, TButtonState State,
                     const TPoint& At) {
    if (!Canvas || !Glyph || Glyph->Empty()) return;
    NumGlyphs = std::clamp(NumGlyphs, 1, 4);
    const QImage strip = Glyph->toQImage().convertToFormat(QImage::Format_ARGB32);
    const int w = strip.width() / NumGlyphs;
    if (w <= 0) return;
    int index = int(State);
    const bool greyed = State == bsDisabled && NumGlyphs < 2;
    if (index >= NumGlyphs) index = 0;
    QImage image = strip.copy(index * w, 0, w, strip.height());
    // The bottom-left pixel of the whole strip names the colour that lets the background show.
    const QRgb key = strip.pixel(0, strip.height() - 1) & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == key) {
                row[x] = 0;
            } else if (greyed) {
                // A picture without its own disabled look is drawn as a light shape of itself.
                const int level = 128 + qGray(row[x]) / 2;
                row[x] = qRgba(level, level, level, qAlpha(row[x]));
            }
        }
    }
    if (QPainter* p = Canvas->PreparePainter(false, false)) p->drawImage(At.X, At.Y, image);
}

// ---------------------------------------------------------------------------------------------------------

namespace {

// One-pixel edges: raised (light top-left, dark bottom-right) or sunken (the other way round).
void drawSpeedButtonEdge(TCanvas* c, TRect& r, bool sunken) {
    const TColor topLeft = sunken ? clBtnShadow : clBtnHighlight;
    const TColor bottomRight = sunken ? clBtnHighlight : clBtnShadow;
    c->Pen()->SetColor(topLeft);
    c->MoveTo(r.Left, r.Bottom - 1);
    c->LineTo(r.Left, r.Top);
    c->LineTo(r.Right - 1, r.Top);
    c->Pen()->SetColor(bottomRight);
    c->MoveTo(r.Right - 1, r.Top);
    c->LineTo(r.Right - 1, r.Bottom - 1);
    c->LineTo(r.Left - 1, r.Bottom - 1);
    r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}

// A held-down face: the face colour and the highlight in a fine checker, as the platform shows it.
void fillHeldDownFace(TCanvas* c, const TRect& r) {
    if (r.IsEmpty()) return;
    QPainter* p = c->PreparePainter(false, false);
    if (!p) return;
    p->fillRect(r.toQRect(), ToQColor(clBtnHighlight));
    p->fillRect(r.toQRect(), QBrush(ToQColor(clBtnFace), Qt::Dense4Pattern));
}

} // namespace

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 23, 22);
    // The button clicks itself on release; a click from the base would come twice.
    FControlStyle = (FControlStyle & ~csClickEvents) | csCaptureMouse | csDoubleClicks | csOpaque;
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* v) {
    if (!v || v->Empty()) {
        FGlyph.reset();
    } else {
        if (!FGlyph) FGlyph = std::make_unique<TBitmap>();
        FGlyph->Assign(v);
        // Square pictures side by side are a strip of looks (more than four: one wide picture).
        if (v->Height() > 0 && v->Width() % v->Height() == 0) {
            const int n = v->Width() / v->Height();
            FNumGlyphs = n <= 4 ? n : 1;
        }
    }
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int v) {
    FNumGlyphs = std::clamp(v, 1, 4);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout v) {
    FLayout = v;
    Invalidate();
}

void TSpeedButton::SetMargin(int v) {
    FMargin = std::max(-1, v);
    Invalidate();
}

void TSpeedButton::SetSpacing(int v) {
    FSpacing = std::max(-1, v);
    Invalidate();
}

void TSpeedButton::SetFlat(bool v) {
    FFlat = v;
    Invalidate();
}

void TSpeedButton::SetDown(bool v) {
    if (FGroupIndex == 0) v = false;
    if (v == FDown) return;
    if (FDown && !FAllowAllUp) return;
    FDown = v;
    if (v) {
        FState = bsExclusive;
    } else {
        FState = bsUp;
    }
    Invalidate();
    if (v) UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int v) {
    if (v == FGroupIndex) return;
    FGroupIndex = v;
    if (v == 0 && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool v) {
    if (v == FAllowAllUp) return;
    FAllowAllUp = v;
    UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !Parent()) return;
    TWinControl* parent = Parent();
    // A button that goes while the group is told is skipped: the list is read afresh each time.
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(CM_BUTTONPRESSED, WPARAM(FGroupIndex), reinterpret_cast<LPARAM>(this));
}

void TSpeedButton::ButtonPressed(int group, TSpeedButton* sender) {
    if (group != FGroupIndex || !sender || sender == this) return;
    if (sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    FAllowAllUp = sender->AllowAllUp();
}

void TSpeedButton::Dispatch(TMessage& m) {
    if (m.Msg == CM_BUTTONPRESSED) {
        // Only buttons answer: another control of the same parent may have its own meaning for the number.
        ButtonPressed(int(m.WParam), dynamic_cast<TSpeedButton*>(reinterpret_cast<TObject*>(m.LParam)));
        return;
    }
    if (m.Msg == CM_DIALOGCHAR) {
        if (IsAccel(Word(m.WParam), Caption()) && Enabled() && Visible() && Parent() && Parent()->Showing()) {
            Click();
            m.Result = 1;
        }
        return;
    }
    TGraphicControl::Dispatch(m);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (FDragging) ShowState(DragState(InClient(X, Y)));
}

void TSpeedButton::ShowState(TButtonState State) {
    if (State == FState) return;
    FState = State;
    Invalidate();
}

void TSpeedButton::ReleaseInGroup(bool Inside) {
    if (Inside) {
        SetDown(!FDown);
        return;
    }
    if (FDown) FState = bsExclusive;
    Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft) return;
    FDragging = false;
    const bool inside = InClient(X, Y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        FMouseInControl = FMouseInControl && inside;
        Invalidate();
    } else {
        ReleaseInGroup(inside);
    }
    if (inside) Click();
}

void TSpeedButton::MouseEnter() {
    TGraphicControl::MouseEnter();
    if (!Enabled() || FMouseInControl) return;
    FMouseInControl = true;
    if (FFlat && !FDown) Invalidate();
}

void TSpeedButton::MouseLeave() {
    TGraphicControl::MouseLeave();
    if (!FMouseInControl) return;
    FMouseInControl = false;
    if (FFlat && !FDragging) Invalidate();
}

void TSpeedButton::EnabledChanged() {
    TGraphicControl::EnabledChanged();
    if (!Enabled()) FMouseInControl = false;
    Invalidate();
}

void TSpeedButton::TextChanged() {
    TGraphicControl::TextChanged();
    Invalidate();
}

TButtonState TSpeedButton::PaintState() {
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    return FState;
}

void TSpeedButton::Paint() {
    TCanvas* c = Canvas();
    const TButtonState state = PaintState();
    const bool pressed = state == bsDown || state == bsExclusive;
    TRect r = ClientRect();
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(r);
    if (FFlat) {
        // The edge shows only under the mouse or while held.
        if (pressed)
            drawSpeedButtonEdge(c, r, true);
        else if (FMouseInControl && state != bsDisabled)
            drawSpeedButtonEdge(c, r, false);
    } else {
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
        r = TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    }
    if (state == bsExclusive && (!FFlat || !FMouseInControl)) fillHeldDownFace(c, r);

    const TPoint offset = pressed ? TPoint(1, 1) : TPoint(0, 0);
    c->SetFont(Font());
    TSize textSize{0, 0};
    const String caption = Caption();
    if (!caption.isEmpty()) {
        TRect measure(0, 0, ClientWidth(), 0);
        DrawText(c, caption, measure, DT_CALCRECT | DT_SINGLELINE);
        textSize = TSize{measure.Width(), measure.Height()};
    }
    TSize glyphSize{0, 0};
    if (FGlyph) glyphSize = TSize{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
    const TButtonLayoutResult place = CalcButtonLayout(ClientRect(), offset, glyphSize, textSize, FLayout,
                                                       FMargin, FSpacing, UseRightToLeftReading());
    DrawButtonGlyph(c, FGlyph.get(), FNumGlyphs, state, place.GlyphPos);
    if (!caption.isEmpty()) {
        c->Brush()->SetStyle(bsClear);
        TRect text = place.TextBounds;
        const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (state == bsDisabled) {
            TRect shadow(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1);
            c->Font()->SetColor(clBtnHighlight);
            DrawText(c, caption, shadow, flags);
            c->Font()->SetColor(clBtnShadow);
        }
        DrawText(c, caption, text, flags);
    }
}

bool TSpeedButton::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "allowallup")
        SetAllowAllUp(v.AsBool());
    else if (n == "groupindex")
        SetGroupIndex(v.AsInt());
    else if (n == "down")
        SetDown(v.AsBool());
    else if (n == "flat")
        SetFlat(v.AsBool());
    else if (n == "numglyphs")
        SetNumGlyphs(v.AsInt());
    else if (n == "layout")
        SetLayout(DesignEnumOf<TButtonLayout>(v, blGlyphLeft, blGlyphLeft, blGlyphBottom));
    else if (n == "margin")
        SetMargin(v.AsInt());
    else if (n == "spacing")
        SetSpacing(v.AsInt());
    else
        return TGraphicControl::ReadProperty(name, v);
    return true;
}
