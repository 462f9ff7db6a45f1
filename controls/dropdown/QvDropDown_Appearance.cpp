// Header and footer bar settings of the dropdowns and the gradient, blend and text routines they paint with.
#include "controls/dropdown/QvDropDown_Appearance.h"

#include "controls/markup/QsgHTMLE.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"

#include <cmath>

TBarAppearance::TBarAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>()) {}

TBarAppearance::~TBarAppearance() = default;

void TBarAppearance::SetVisible(bool v) {
    if (v == FVisible) return;
    FVisible = v;
    if (OnChange) OnChange(this);
}

void TBarAppearance::SetButtonsCollection(std::unique_ptr<TBarButtons> buttons) {
    FButtons = std::move(buttons);
    FButtons->OnChange = [this](TObject*) {
        if (OnButtonsChanged) OnButtonsChanged(this);
    };
}

void TBarAppearance::AssignBar(const TBarAppearance& src) {
    FColorTo = src.FColorTo;
    FColor = src.FColor;
    FBorderColor = src.FBorderColor;
    FCaption = src.FCaption;
    FFont->Assign(src.FFont.get());
    FImageIndex = src.FImageIndex;
    FBorderWidth = src.FBorderWidth;
    FGradientDirection = src.FGradientDirection;
    FHeight = src.FHeight;
    SetVisible(src.FVisible);
    FButtonAlignment = src.FButtonAlignment;
    FButtons->Assign(src.FButtons.get());
}

void TBarAppearance::AssignColors(const TPersistent* Source) {
    if (!Source || typeid(*Source) != typeid(*this)) return;
    const auto& src = static_cast<const TBarAppearance&>(*Source);
    FColorTo = src.FColorTo;
    FColor = src.FColor;
    FBorderColor = src.FBorderColor;
    FFont->Assign(src.FFont.get());
    FGradientDirection = src.FGradientDirection;
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner) : TBarAppearance(AOwner) {
    Font()->SetName("Tahoma");
    SetButtonsCollection(std::make_unique<THeaderButtons>(AOwner));
}

TFooterAppearance::TFooterAppearance(TPersistent* AOwner) : TBarAppearance(AOwner) {
    SetButtonsCollection(std::make_unique<TFooterButtons>(AOwner));
}

void THeaderAppearance::Assign(const TPersistent* Source) {
    if (const auto* src = dynamic_cast<const THeaderAppearance*>(Source)) AssignBar(*src);
}

void TFooterAppearance::Assign(const TPersistent* Source) {
    if (const auto* src = dynamic_cast<const TFooterAppearance*>(Source)) {
        AssignBar(*src);
        FSizeGrip = src->FSizeGrip;
    }
}

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                  bool Horizontal) {
    if (!Canvas) return;
    TRect rc = R;
    if (Horizontal)
        rc.Right--;
    else
        rc.Bottom--;
    if (Steps == 0) Steps = 1;
    if (Steps < 0) return;
    const TColor c1 = ColorToRGB(FromColor);
    const TColor c2 = ColorToRGB(ToColor);
    const int r1 = GetRValue(c1), g1 = GetGValue(c1), b1 = GetBValue(c1);
    const double dr = (GetRValue(c2) - r1) / double(Steps);
    const double dg = (GetGValue(c2) - g1) / double(Steps);
    const double db = (GetBValue(c2) - b1) / double(Steps);
    const double band = (Horizontal ? rc.Right - rc.Left : rc.Bottom - rc.Top) / double(Steps);
    const int bandPixels = static_cast<int>(std::nearbyint(band));
    for (int i = 0; i < Steps; ++i) {
        const TColor c =
            RGB(r1 + static_cast<int>(std::nearbyint(i * dr)), g1 + static_cast<int>(std::nearbyint(i * dg)),
                b1 + static_cast<int>(std::nearbyint(i * db)));
        Canvas->Pen()->SetColor(c);
        Canvas->Brush()->SetColor(c);
        const int offset = static_cast<int>(std::nearbyint(i * band));
        if (Horizontal)
            Canvas->Rectangle(rc.Left + offset, rc.Top, rc.Left + offset + bandPixels + 1, rc.Bottom);
        else
            Canvas->Rectangle(rc.Left, rc.Top + offset, rc.Right, rc.Top + offset + bandPixels + 1);
    }
}

TColor BlendColor(TColor Color1, TColor Color2, int Percent) {
    if (Percent >= 100) return Color1;
    if (Percent <= 0) return Color2;
    const TColor c1 = ColorToRGB(Color1);
    const TColor c2 = ColorToRGB(Color2);
    const double p = Percent / 100.0;
    auto mix = [p](int a, int b) { return static_cast<int>(std::nearbyint(p * a + (1 - p) * b)); };
    return RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
               mix(GetBValue(c1), GetBValue(c2)));
}

TColor ColorTone(TColor Color, int DeltaR, int DeltaG, int DeltaB) {
    const TColor c = ColorToRGB(Color);
    auto tone = [](int channel, int delta) {
        if (channel == 0) return std::max(0, delta);
        return static_cast<int>(std::nearbyint(std::min(100, 100 + delta) / 100.0 * channel));
    };
    return RGB(tone(GetRValue(c), DeltaR), tone(GetGValue(c), DeltaG), tone(GetBValue(c), DeltaB));
}

void DrawBackgroundBox(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                       int BorderWidth, TGradientDirection Direction) {
    if (!Canvas) return;
    if (ColorTo != clNone) {
        DrawGradient(Canvas, Color, ColorTo, 80, R, Direction == gdHorizontal);
    } else if (Color != clNone) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(R);
    }
    if (BorderColor != clNone && BorderWidth > 0) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetWidth(BorderWidth);
        Canvas->Pen()->SetColor(BorderColor);
        Canvas->Rectangle(R);
        Canvas->Brush()->SetStyle(bsSolid);
    }
}

void DrawImageAndText(TCanvas* Canvas, const TRect& R, const String& Text, int ImageIndex,
                      TImageList* Images) {
    if (!Canvas) return;
    TRect tr = R;
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (ImageIndex >= 0 && Images) {
        Images->Draw(Canvas, R.Left + 4, R.Top + (R.Bottom - R.Top - Images->Height()) / 2, ImageIndex);
        tr.Left = R.Left + Images->Width() + 8;
    } else {
        flags |= DT_CENTER;
    }
    Canvas->Brush()->SetStyle(bsClear);
    DrawText(Canvas, Text, tr, flags);
    Canvas->Brush()->SetStyle(bsSolid);
}

void DrawGlyphTransparent(TCanvas* Canvas, TBitmap* Glyph, TColor BkColor, const TRect& R) {
    if (!Canvas || !Glyph || Glyph->Empty()) return;
    TBitmap tmp;
    tmp.SetSize(Glyph->Width(), Glyph->Height());
    const TColor key = Glyph->Canvas()->Pixels(0, 0);
    const TColor bk = ColorToRGB(BkColor);
    for (int y = 0; y < Glyph->Height(); ++y)
        for (int x = 0; x < Glyph->Width(); ++x) {
            const TColor p = Glyph->Canvas()->Pixels(x, y);
            tmp.Canvas()->SetPixels(x, y, p == key ? bk : p);
        }
    Canvas->CopyRect(R, tmp.Canvas(), TRect(0, 0, tmp.Width(), tmp.Height()));
}

TSize TextExtent(TCanvas* Canvas, const String& Text) {
    if (!Canvas || Text.isEmpty()) return TSize{0, 0};
    TRect r(0, 0, 1000, 500);
    DrawText(Canvas, Text, r, DT_CALCRECT | DT_SINGLELINE);
    return TSize{r.Right - r.Left, r.Bottom - r.Top};
}

String EllipsisText(TCanvas* Canvas, const String& Text, int MaxWidth, bool AddEllipsis) {
    if (TextExtent(Canvas, Text).cx <= MaxWidth) return Text;
    for (qsizetype k = 1; k < Text.size(); ++k) {
        String candidate = Text.left(Text.size() - k);
        if (AddEllipsis) candidate += "...";
        if (TextExtent(Canvas, candidate).cx < MaxWidth) return candidate;
    }
    return Text;
}

String CaseFoldUnless(const String& Text, bool CaseSensitive) {
    return CaseSensitive ? Text : Text.toUpper();
}

TSize DrawMarkupText(TCanvas* Canvas, const String& Text, const TRect& R, bool Draw, TImageList* Images) {
    if (!Canvas || Text.isEmpty()) return TSize{0, 0};
    TMarkupInput in;
    in.Canvas = Canvas;
    in.Text = Text;
    in.Rect = R;
    in.Images = Images;
    in.CheckHeight = !Draw;
    in.ShadowColor = clGray;
    in.URLColor = clBlue;
    TMarkupOutput out;
    RenderMarkup(in, out);
    return TSize{out.XSize, out.YSize};
}
