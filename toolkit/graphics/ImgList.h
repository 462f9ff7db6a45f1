// The image list: equal-sized glyphs with their masks, drawn normal or greyed out.
#pragma once

#include "toolkit/graphics/Picture.h"

#include <vector>

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner = nullptr);
    String ClassName() const override { return "TImageList"; }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Changing the size empties the list, as the platform's lists do.
    void SetWidth(int v);
    void SetHeight(int v);
    int Count() const { return static_cast<int>(FImages.size()); }

    // Adds the images side by side in `image` (one per Width() pixels); white mask pixels are transparent,
    // no mask means opaque. Answers the index of the first image added, -1 when nothing was added.
    int Add(TBitmap* image, TBitmap* mask);
    // As Add, transparent where the image has `maskColor` (clDefault: the colour of the bottom-left pixel).
    int AddMasked(TBitmap* image, TColor maskColor);
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
    // Sizes `image` to one glyph and draws glyph `index` onto it.
    void GetBitmap(int index, TBitmap* image);
    void Clear();
    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnChange;

private:
    int AddImages(const QImage& strip);
    void Changed();

    int FWidth = 16;
    int FHeight = 16;
    std::vector<QImage> FImages; // premultiplied ARGB, transparency in alpha
};
