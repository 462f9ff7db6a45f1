// The focus frame's alpha mask, the separable blur and the rounded shadow mask.
#include "controls/grid/overlays/GridAlphaMask.h"
#include "toolkit/graphics/Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kBlurSpan = 10;             // the kernel reaches 10 pixels either way before it is cut
constexpr double kBlurCutOff = 1.0 / 510; // what may be left out: half a step of an 8-bit channel
// Rows and columns this far from every edge copy the blurred one at kBlurSample.
constexpr int kBlurEdge = 20;
constexpr int kBlurSample = 15;

uint8_t maskChannel(uint32_t pixel, int shift) {
    return uint8_t((pixel >> shift) & 0xFF);
}

// Convolves one line of Count pixels, read and written through their strides, with the kernel; a neighbour
// beyond the line is the line's end pixel.
void blurLine(const uint32_t* in, int inStride, uint32_t* out, int outStride, int Count,
              const std::vector<double>& kernel) {
    const int k = int(kernel.size()) / 2;
    for (int i = 0; i < Count; ++i) {
        double r = 0, g = 0, b = 0;
        for (int j = -k; j <= k; ++j) {
            const uint32_t p = in[std::clamp(i + j, 0, Count - 1) * inStride];
            const double w = kernel[size_t(j + k)];
            r += w * maskChannel(p, 16);
            g += w * maskChannel(p, 8);
            b += w * maskChannel(p, 0);
        }
        const auto channel = [](double v) { return uint32_t(std::clamp(std::nearbyint(v), 0.0, 255.0)); };
        out[i * outStride] = 0xFF000000u | channel(r) << 16 | channel(g) << 8 | channel(b);
    }
}

} // namespace

TGridAlphaMask::TGridAlphaMask() {
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::Assign(const TPersistent* Source) {
    if (auto* src = dynamic_cast<const TGridAlphaMask*>(Source)) {
        if (src == this) return;
        Opacity = src->Opacity;
        // A smaller source fills only the part it has.
        const int w = std::min(Width(), src->Width()), h = std::min(Height(), src->Height());
        for (int y = 0; y < h; ++y)
            std::copy_n(src->ScanLine(y), w, ScanLine(y));
    } else {
        TBitmap::Assign(Source);
    }
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(const TBitmap* Mask, const TBitmap* ColorBitmap, TColor) {
    if (!Mask || !ColorBitmap || ColorBitmap->PixelFormat() != pf24bit) return;
    SetSize(ColorBitmap->Width(), ColorBitmap->Height());
    const int w = std::min(Width(), Mask->Width()), h = std::min(Height(), Mask->Height());
    for (int y = 0; y < Height(); ++y) {
        uint32_t* out = ScanLine(y);
        const uint32_t* colour = ColorBitmap->ScanLine(y);
        const uint32_t* mask = y < h ? Mask->ScanLine(y) : nullptr;
        for (int x = 0; x < Width(); ++x) {
            if (!mask || x >= w) {
                out[x] = 0;
                continue;
            }
            const uint32_t a = maskChannel(mask[x], 16);
            const auto scaled = [&](int shift) {
                return uint32_t(std::nearbyint(maskChannel(colour[x], shift) * a / 255.0)) << shift;
            };
            out[x] = a << 24 | scaled(16) | scaled(8) | scaled(0);
        }
    }
}

std::vector<double> BlurKernel(double Radius) {
    std::vector<double> w(2 * kBlurSpan + 1);
    double sum = 0;
    for (int k = 0; k <= 2 * kBlurSpan; ++k) {
        const double d = (k - kBlurSpan) / Radius;
        w[size_t(k)] = std::exp(-d * d / 2);
        sum += w[size_t(k)];
    }
    for (double& v : w)
        v /= sum;
    // The pairs furthest out go, including the one that brings what is left out to the cut-off, but never
    // the pair next to the centre.
    double dropped = 0;
    int d = kBlurSpan;
    for (;; --d) {
        dropped += w[size_t(kBlurSpan - d)] + w[size_t(kBlurSpan + d)];
        if (dropped >= kBlurCutOff || d - 1 == 1) break;
    }
    const int keep = d - 1;
    std::vector<double> kernel(w.begin() + (kBlurSpan - keep), w.begin() + (kBlurSpan + keep + 1));
    double kept = 0;
    for (double v : kernel)
        kept += v;
    for (double& v : kernel)
        v /= kept;
    return kernel;
}

void BlurBitmap(TBitmap* Bitmap, double Radius) {
    if (!Bitmap || Bitmap->PixelFormat() != pf24bit)
        throw EInvalidGraphic("Blur only works for 24-bit bitmaps");
    const int width = Bitmap->Width(), height = Bitmap->Height();
    if (Radius <= 0 || width == 0 || height == 0) return;
    const std::vector<double> kernel = BlurKernel(Radius);
    const auto interior = [](int i, int count) { return i > kBlurEdge && i < count - kBlurEdge; };
    std::vector<uint32_t> rows(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        uint32_t* out = &rows[size_t(y) * size_t(width)];
        if (interior(y, height))
            std::copy_n(&rows[size_t(kBlurSample) * size_t(width)], width, out);
        else
            blurLine(Bitmap->ScanLine(y), 1, out, 1, width, kernel);
    }
    std::vector<uint32_t> cols(rows.size());
    for (int x = 0; x < width; ++x)
        if (!interior(x, width)) blurLine(&rows[size_t(x)], width, &cols[size_t(x)], width, height, kernel);
    for (int y = 0; y < height; ++y) {
        uint32_t* line = Bitmap->ScanLine(y);
        const uint32_t* blurred = &cols[size_t(y) * size_t(width)];
        for (int x = 0; x < width; ++x)
            line[x] = interior(x, width) ? blurred[kBlurSample] : blurred[x];
    }
}

void DrawShadowMask(TBitmap* Bitmap, int Width, int Height, int BlurRadius, int CornerSize, int PenWidth) {
    if (!Bitmap) return;
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(Width, Height);
    TCanvas* c = Bitmap->Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBlack);
    c->FillRect(TRect(0, 0, Width, Height));
    const int p = PenWidth / 2;
    c->Pen()->SetColor(clWhite);
    c->Pen()->SetStyle(psSolid);
    if (PenWidth < 1) {
        c->Pen()->SetWidth(1);
        c->Brush()->SetColor(clWhite);
    } else {
        c->Pen()->SetWidth(PenWidth);
    }
    c->RoundRect(p + 2, p + 2, Width - p - 2, Height - p - 2, CornerSize, CornerSize);
    c->Pen()->SetWidth(1);
    if (BlurRadius > 0) BlurBitmap(Bitmap, BlurRadius);
}
