// The soft shadow of the grid's focus frame: a 32-bit alpha bitmap, the blur and the shadow mask it is made
// from.
#pragma once

#include "toolkit/graphics/Picture.h"

#include <cstdint>
#include <vector>

// A bitmap of premultiplied 32-bit pixels (alpha, then colours scaled by it) to lay over a window, with an
// opacity for the whole of it.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();
    String ClassName() const override { return "TGridAlphaMask"; }

    // From another mask: its opacity and its pixels over the area both masks have (the rest stays as it
    // is); from any other bitmap as a bitmap. Either way the result is 32 bits a pixel.
    void Assign(const TPersistent* Source) override;
    // Takes the colour bitmap's size; each pixel's alpha is the mask bitmap's red part and its colours are
    // the colour bitmap's scaled by that alpha. Where the mask bitmap is smaller the pixels are clear. Only a
    // 24-bit colour bitmap is merged; with any other the mask stays as it is. Color is not used.
    void MergeMask(const TBitmap* Mask, const TBitmap* ColorBitmap, TColor Color);

    uint8_t Opacity = 255;
};

// The weights of the blur for Radius: Gaussian weights up to the distance where what is left out of the
// 21-weight kernel first reaches 1/510 (3 to 19 weights), summing to 1.
std::vector<double> BlurKernel(double Radius);
// A separable Gaussian blur of a 24-bit bitmap (EInvalidGraphic otherwise, "Blur only works for 24-bit
// bitmaps"). Rows and columns further than 20 pixels from every edge take the blurred row and column 15, as
// the shadow masks it is made for are uniform there. A radius of 0 or less leaves the bitmap as it is.
void BlurBitmap(TBitmap* Bitmap, double Radius);
// Makes Bitmap a Width x Height 24-bit black bitmap with a white rounded rectangle inset by 2 pixels and
// half the pen: filled below pen width 1, else a ring of that width; blurred when BlurRadius is above 0.
void DrawShadowMask(TBitmap* Bitmap, int Width, int Height, int BlurRadius, int CornerSize, int PenWidth);
