// The dropdown edit's look: its own border over the native edit, the focused value of an edit without
// typing, the attached label, selection colour styles, component styles and colour tones.
#include "controls/dropdown/QvDropDown.h"

#include "controls/dropdown/QvDropDownButton.h"
#include "controls/dropdown/QvDropDown_Layout.h"
#include "controls/dropdown/QvDropDown_Styles.h"
#include "controls/styles/StyledSelection.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/NativePaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/system/DesignValue.h"

void TQvCustomDropDown::PaintMessage(TMessage& m) {
    PaintNativeNow(this, m);
    PaintOnWidgetCanvas(this, FCanvas.get(), m, [this] {
        DrawBorder(FCanvas.get());
        DrawFocusedText();
    });
}

bool TQvCustomDropDown::IsHot() const {
    if (ComponentState() & csDesigning) return false;
    return FMouseInControl || (Screen && Screen->ActiveControl() == this) || Focused();
}

void TQvCustomDropDown::RefreshBorder() {
    if (FButton) FButton->SpeedButton()->SetFocused(IsHot());
    if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    Invalidate();
}

void TQvCustomDropDown::DrawBorder(TCanvas* c) {
    if (ComponentState() & csDesigning) return;
    const TDropDownBorder look = DropDownBorderLook(Enabled(), FIsThemed, FDisabledBorder, FBorderColor,
                                                    FFocusBorderColor, Focused(), FFlat, IsHot());
    TRect r(0, 0, Width(), Height());
    c->Brush()->SetStyle(bsSolid);
    switch (look.Kind) {
    case TDropDownBorder::None:
        return;
    case TDropDownBorder::Frame:
        c->Brush()->SetColor(look.Color);
        c->FrameRect(r);
        return;
    case TDropDownBorder::HotFlat:
        DrawSunkenOuterEdge(c, r);
        c->Brush()->SetColor(clBtnFace);
        c->FrameRect(r);
        return;
    case TDropDownBorder::ColdFlat: {
        const TColor parent = Parent() ? Parent()->Color() : clBtnFace;
        c->Brush()->SetColor(parent);
        c->FrameRect(r);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        c->FrameRect(r);
        return;
    }
    }
}

void TQvCustomDropDown::DrawFocusedText() {
    if (FEditorEnabled || !Focused() || (ComponentState() & csDesigning) || !FFocusDraw) return;
    TCanvas* c = FCanvas.get();
    if (!c->HandleAllocated()) return;
    const TRect r(2, 2, Width() - FButtonWidth - 1, Height() - 2);
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clHighlight);
    c->Rectangle(r);
    c->Font()->Assign(Font());
    c->Font()->SetColor(clHighlightText);
    c->Brush()->SetStyle(bsClear);
    TRect text(r.Left + 2, r.Top, r.Right - 3, r.Bottom);
    DrawText(c, GetText(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    c->Brush()->SetStyle(bsSolid);
}

void TQvCustomDropDown::SetBorderColor(TColor v) {
    if (v == FBorderColor) return;
    FBorderColor = v;
    Invalidate();
    if (FButton) FButton->SpeedButton()->Invalidate();
}

void TQvCustomDropDown::SetDisabledBorder(bool v) {
    if (v == FDisabledBorder) return;
    FDisabledBorder = v;
    Invalidate();
}

// ---- label

void TQvCustomDropDown::CreateLabel() {
    if (FLabel) return;
    FLabel = new TLabel(this);
    FLabel->SetParent(Parent());
    FLabel->SetFont(FLabelFont.get());
    FLabel->SetParentFont(ParentFont());
    FLabel->OnClick = [this](TObject*) { LabelClick(); };
    FLabel->OnDblClick = [this](TObject*) { LabelDblClick(); };
}

String TQvCustomDropDown::LabelCaption() const {
    return FLabel ? FLabel->Caption() : String();
}

void TQvCustomDropDown::SetLabelCaption(const String& v) {
    CreateLabel();
    FLabel->SetCaption(v);
    UpdateLabel();
}

void TQvCustomDropDown::SetLabelPosition(TLabelPosition v) {
    FLabelPosition = v;
    if (FLabel) UpdateLabel();
}

void TQvCustomDropDown::SetLabelMargin(int v) {
    FLabelMargin = v;
    if (FLabel) UpdateLabel();
}

void TQvCustomDropDown::SetLabelTransparent(bool v) {
    FLabelTransparent = v;
    if (FLabel) UpdateLabel();
}

void TQvCustomDropDown::SetLabelFont(const TFont* v) {
    if (!ParentFont()) FLabelFont->Assign(v);
    if (FLabel) UpdateLabel();
}

void TQvCustomDropDown::LabelFontChanged() {
    if (FLabel) UpdateLabel();
    if ((ComponentState() & csDesigning) && !(ComponentState() & csLoading)) SetParentFont(false);
}

void TQvCustomDropDown::UpdateLabel() {
    if (!FLabel) return;
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->SetFont(FParentFnt ? Font() : FLabelFont.get());
    const TPoint at = AttachedLabelOrigin(BoundsRect(), TSize{FLabel->Width(), FLabel->Height()},
                                          AttachedLabelTextWidth(FLabel), FLabelPosition, FLabelMargin);
    FLabel->SetLeft(at.X);
    FLabel->SetTop(at.Y);
    FLabel->SetVisible(Visible());
}

void TQvCustomDropDown::LabelClick() {
    if (OnLabelClick) OnLabelClick(this);
}

void TQvCustomDropDown::LabelDblClick() {
    if (OnLabelDblClick) OnLabelDblClick(this);
}

// ---- styles

void TQvCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    FSelectionColorStyle = Value;
    if (const TSelectionColors* colors = SelectionColorsOf(Value)) {
        FSelectionColor = colors->Color;
        FSelectionColorTo = colors->ColorTo;
    }
}

void TQvCustomDropDown::DrawSelectionBackground(TCanvas* Canvas, TRect R, int Segment,
                                                TColor BackgroundColor) {
    const TSelectionColors* look = SelectionColorsOf(FSelectionColorStyle);
    if (!look) {
        FillSolidRect(Canvas, FSelectionColor, R);
        return;
    }
    DrawStyledSelection(Canvas, FSelectionColor, FSelectionColorTo, look->MirrorFrom, look->MirrorTo,
                        look->InnerTop, look->InnerBottom, look->Edge, look->Corner, BackgroundColor, R,
                        Segment);
}

void TQvCustomDropDown::SetItemAppearanceStyle(TItemAppearance* Appearance, TQvStyle AStyle) {
    if (!Appearance) return;
    if (const TItemAppearanceStyleColors* look = ItemAppearanceStyleColorsOf(AStyle))
        ApplyItemAppearanceStyle(*Appearance, *look);
}

void TQvCustomDropDown::DrawGradientBackground(TCanvas* Canvas, TColor FromColor, TColor ToColor,
                                               bool Vertical, TRect R, int Steps) {
    DrawGradient(Canvas, FromColor, ToColor, Steps, R, !Vertical);
}

void TQvCustomDropDown::SetComponentStyle(TQvStyle AStyle) {
    FQvStyle = AStyle;
    const TDropDownStyleColors* look = DropDownStyleColorsOf(AStyle);
    if (!look) return;
    FDropDownColor = look->DropDownColor;
    FDropDownColorTo = look->DropDownColorTo;
    if (look->SetBorderColor) FDropDownBorderColor = look->DropDownBorderColor;
    ApplyBarStyle(*FDropDownHeader, look->Header);
    ApplyBarStyle(*FDropDownFooter, look->Footer);
    if (const TButtonStyleColors* buttons = ButtonStyleColorsOf(AStyle))
        ApplyButtonStyle(*FButtonAppearance, *buttons);
}

void TQvCustomDropDown::SetColorTones(const TColorTones& ATones) {
    if (FButton) {
        FButton->SetButtonColor(ATones.Background.BrushColor);
        FButton->SetButtonColorHot(ATones.Hover.BrushColor);
        FButton->SetButtonColorDown(ATones.Selected.BrushColor);
        FButton->SetButtonBorderColor(ATones.Background.BorderColor);
    }
    SetBorderColor(ATones.Background.BorderColor);
}

bool TQvCustomDropDown::ReadProperty(const String& name, const TDesignValue& value) {
    const String n = name.toLower();
    // Stored for every instance and read back without being applied.
    if (n == u"selectioncolorstyle") {
        FSelectionColorStyle = static_cast<TSelectionColorStyle>(value.AsInt());
        return true;
    }
    if (n == u"vurstyle") {
        FQvStyle = static_cast<TQvStyle>(value.AsInt());
        return true;
    }
    return TCustomMaskEdit::ReadProperty(name, value);
}
