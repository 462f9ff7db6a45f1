// The image list's storage and drawing.
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Canvas.h"

#include <QPainter>

namespace {
// The shape of the opaque pixels of `img`, filled with `color`.
QImage imageListSilhouette(const QImage& img, const QColor& color) {
    QImage out(img.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const QRgb c = qPremultiply(color.rgba());
    for (int y = 0; y < img.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(src[x]) >= 128) dst[x] = c;
    }
    return out;
}
} // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::Changed() {
    if (OnChange) OnChange(this);
}

void TImageList::SetWidth(int v) {
    if (v == FWidth || v <= 0) return;
    FWidth = v;
    Clear();
}

void TImageList::SetHeight(int v) {
    if (v == FHeight || v <= 0) return;
    FHeight = v;
    Clear();
}

void TImageList::Clear() {
    FImages.clear();
    Changed();
}

int TImageList::AddImages(const QImage& strip) {
    if (strip.isNull()) return -1;
    const int first = Count();
    // A strip narrower than one glyph still gives one glyph, padded with transparency.
    const int n = std::max(1, strip.width() / FWidth);
    for (int i = 0; i < n; ++i) {
        QImage glyph(FWidth, FHeight, QImage::Format_ARGB32_Premultiplied);
        glyph.fill(Qt::transparent);
        QPainter p(&glyph);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, strip, i * FWidth, 0, FWidth, FHeight);
        p.end();
        FImages.push_back(glyph);
    }
    Changed();
    return first;
}

int TImageList::Add(TBitmap* image, TBitmap* mask) {
    if (!image || image->Empty()) return -1;
    QImage img = image->toQImage().convertToFormat(QImage::Format_ARGB32);
    if (mask && !mask->Empty()) {
        const QImage m = mask->toQImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < img.height() && y < m.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            const auto* mrow = reinterpret_cast<const QRgb*>(m.constScanLine(y));
            for (int x = 0; x < img.width() && x < m.width(); ++x)
                if (qGray(mrow[x]) >= 128) row[x] = 0;
        }
    }
    return AddImages(img);
}

int TImageList::AddMasked(TBitmap* image, TColor maskColor) {
    if (!image || image->Empty()) return -1;
    QImage img = image->toQImage().convertToFormat(QImage::Format_ARGB32);
    if (maskColor != clNone) {
        const TColor key =
            maskColor == clDefault ? FromQColor(img.pixelColor(0, img.height() - 1)) : maskColor;
        const QRgb k = ToQColor(key).rgb() & 0xFFFFFF;
        for (int y = 0; y < img.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if ((row[x] & 0xFFFFFF) == k) row[x] = 0;
        }
    }
    return AddImages(img);
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
    if (!canvas || index < 0 || index >= Count()) return;
    QPainter* p = canvas->PreparePainter(false, false);
    if (!p) return;
    const QImage& glyph = FImages[static_cast<size_t>(index)];
    if (enabled) {
        p->drawImage(x, y, glyph);
        return;
    }
    // Greyed out: the glyph's shape embossed in the 3D highlight and shadow colours.
    p->drawImage(x + 1, y + 1, imageListSilhouette(glyph, ToQColor(clBtnHighlight)));
    p->drawImage(x, y, imageListSilhouette(glyph, ToQColor(clBtnShadow)));
}

void TImageList::GetBitmap(int index, TBitmap* image) {
    if (!image || index < 0 || index >= Count()) return;
    image->SetSize(FWidth, FHeight);
    Draw(image->Canvas(), 0, 0, index, true);
}
