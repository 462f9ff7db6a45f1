// The look of a dropdown's header and footer bars and the unit's stateless paint routines.
#pragma once

#include "controls/dropdown/QvDropDown_ButtonItems.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Picture.h"

#include <memory>

class TImageList;

enum TButtonAlignment { baLeft, baRight };

// The bar settings shared by the header and the footer; the two classes copy only from their own kind.
class TBarAppearance : public TPersistent {
public:
    explicit TBarAppearance(TPersistent* AOwner);
    ~TBarAppearance() override;

    TPersistent* GetOwner() const { return FOwner; }
    // Copies the colours, the font and the gradient direction only.
    void AssignColors(const TPersistent* Source);

    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v) { FColorTo = v; }
    String Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* v) { FFont->Assign(v); }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection v) { FGradientDirection = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    int Height() const { return FHeight; }
    void SetHeight(int v) { FHeight = v; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v) { FBorderColor = v; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v) { FBorderWidth = v; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v) { FImageIndex = v; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment v) { FButtonAlignment = v; }

    // The buttons of the bar, in the collection of the bar's kind.
    TBarButtons* BarButtons() const { return FButtons.get(); }

    TNotifyEvent OnChange;
    // Fired when an item of the bar's buttons changes.
    TNotifyEvent OnButtonsChanged;

protected:
    // Takes the buttons collection of the bar's kind and passes its changes on as OnButtonsChanged.
    void SetButtonsCollection(std::unique_ptr<TBarButtons> buttons);
    // Copies every setting and the buttons; Visible through its setter so that a change is announced.
    void AssignBar(const TBarAppearance& src);

private:
    TPersistent* FOwner;
    bool FVisible = true;
    int FHeight = 22;
    int FBorderWidth = 1;
    int FImageIndex = -1;
    String FCaption;
    TColor FColorTo = 0xFFFFFF;
    TColor FColor = 0xC0C0C0;
    TColor FBorderColor = 0;
    std::unique_ptr<TFont> FFont;
    TGradientDirection FGradientDirection = gdVertical;
    TButtonAlignment FButtonAlignment = baRight;
    std::unique_ptr<TBarButtons> FButtons;
};

class THeaderAppearance : public TBarAppearance {
public:
    explicit THeaderAppearance(TPersistent* AOwner);
    String ClassName() const override { return "THeaderAppearance"; }
    void Assign(const TPersistent* Source) override;

    THeaderButtons* Buttons() const { return static_cast<THeaderButtons*>(BarButtons()); }
    void SetButtons(const THeaderButtons* v) { BarButtons()->Assign(v); }
};

class TFooterAppearance : public TBarAppearance {
public:
    explicit TFooterAppearance(TPersistent* AOwner);
    String ClassName() const override { return "TFooterAppearance"; }
    void Assign(const TPersistent* Source) override;

    TFooterButtons* Buttons() const { return static_cast<TFooterButtons*>(BarButtons()); }
    void SetButtons(const TFooterButtons* v) { BarButtons()->Assign(v); }

    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool v) { FSizeGrip = v; }

private:
    bool FSizeGrip = true;
};

// Stepped two-colour fill: Steps bands overlapping by one pixel; the last band stops one step short of
// ToColor. Steps 0 counts as 1.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                  bool Horizontal);
// Percent 100 or more gives Color1 itself, 0 or less Color2 itself; between them a per-channel blend.
TColor BlendColor(TColor Color1, TColor Color2, int Percent);
// A negative delta darkens its channel; a positive one leaves it (a zero channel becomes the delta).
TColor ColorTone(TColor Color, int DeltaR, int DeltaG, int DeltaB);
void DrawBackgroundBox(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                       int BorderWidth, TGradientDirection Direction);
void DrawImageAndText(TCanvas* Canvas, const TRect& R, const String& Text, int ImageIndex,
                      TImageList* Images);
void DrawGlyphTransparent(TCanvas* Canvas, TBitmap* Glyph, TColor BkColor, const TRect& R);
TSize TextExtent(TCanvas* Canvas, const String& Text);
// Shortens Text from its end until it fits MaxWidth; when no prefix fits the whole text stays.
String EllipsisText(TCanvas* Canvas, const String& Text, int MaxWidth, bool AddEllipsis);
String CaseFoldUnless(const String& Text, bool CaseSensitive);
// Lays out a caption that may hold markup in R with the markup renderer and answers its width and height;
// draws it too when Draw is set (grey shadows, blue links, the canvas' own background). An empty text
// measures 0 x 0 and draws nothing.
TSize DrawMarkupText(TCanvas* Canvas, const String& Text, const TRect& R, bool Draw, TImageList* Images);
